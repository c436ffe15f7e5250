// The keeper's runtime class and its reference-counted registration.
#include <new>

#include "registry/registry_keeper.h"

namespace {

constexpr const wchar_t* kClassName = L"KoVTPrjRegistryKeeper";
constexpr const wchar_t* kParentClassName = L"PnDbObject";
constexpr int kDwgVersion = 33;
constexpr int kMaintenanceVersion = 55;
constexpr int kProxyFlags = 0;
constexpr const wchar_t* kPersistentName = L"KOVTPRJREGISTRYKEEPER";
constexpr const wchar_t* kAppName = L"KoVTAppSet|Tessmar";

// Used on the host's command thread only, like every registration.
PnRxClass* g_keeperClass = nullptr;
int g_registrations = 0;

PnRxObject* CreateKeeper() {
  try {
    return new KoVTPrjRegistryKeeper;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void RegisterKeeperClass() {
  if (PnRxClass* known = pnrxFindPnRxClass(kClassName)) {
    if (known != g_keeperClass) pnrx_abort(L"Class mismatch");
    return;
  }
  g_keeperClass = newPnRxClass(kClassName, kParentClassName, kDwgVersion, kMaintenanceVersion, kProxyFlags,
                               &CreateKeeper, kPersistentName, kAppName);
}

}  // namespace

PnRxClass* KoVTPrjRegistryKeeper::desc() {
  if (g_keeperClass == nullptr) g_keeperClass = pnrxFindPnRxClass(kClassName);
  return g_keeperClass;
}

namespace KoVTPrjReg {

void Initialize() {
  if (g_registrations == 0) {
    RegisterKeeperClass();
    pnrxBuildClassHierarchy();
  }
  ++g_registrations;
}

void Finalize() {
  // An unmatched Finalize would delete the class a second time.
  if (g_registrations == 0 || --g_registrations > 0) return;
  deletePnRxClass(g_keeperClass);
  g_keeperClass = nullptr;
}

}  // namespace KoVTPrjReg
