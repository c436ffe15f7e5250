// Internal: the registry of the host's own classes.
#pragma once

#include "host/rx.h"

PnRxDictionary* pnrxClassDictionary();
void pnrxUnlinkParent(PnRxClass* cls);
PnRxClass* pnrxNewClassIn(PnRxDictionary* classes, const wchar_t* className, const wchar_t* parentClassName,
                          int dwgVersion, int maintenanceVersion, int proxyFlags, PnRxPseudoConstructor constructor,
                          const wchar_t* dxfName, const wchar_t* appName, AppNameChangeFuncPtr appNameChange);
