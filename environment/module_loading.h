// Loading the family's program and language-resource modules from the
// installation's binary folder.
//
// Binary folder:   GetAppPath("PATHBIN") of CFG(), ending with a separator.
// Resource folder: the binary folder, then the product language ("en-US\").
// Each module kind has its own file-name extension; a name may also be given
// with its extension, for the bare attempt of kind eAnyModule.
#pragma once

#include <cstdint>

#include "core/kovt_string.h"
#include "platform/windows.h"

namespace KOVT {

enum ModuleType : std::int32_t {
  eAnyModule = 0,      // try every kind
  eHostModule = 1,     // applications the host loads (".kmo")
  eServiceModule = 2,  // service companions (".zem")
  eLibraryModule = 3,  // plain libraries and resources (".dll")
};

// The kind of host the family runs in; eSpecialHost changes the order in
// which module handles are looked up.
enum PlnxType : std::int32_t {
  eStandardHost = 0,
  eSpecialHost = 1,
};

}  // namespace KOVT

// ".kmo", ".zem" or ".dll" for the three kinds; empty for eAnyModule.
KOVTString KOVTModuleExtension(KOVT::ModuleType type);
KOVTString KOVTBinaryFolder();
KOVTString KOVTResourceFolder();

// Loads a module of the binary folder while it is the current directory.
// A kind appends its extension; eAnyModule tries the name as given, then
// with the extensions of the three kinds in order. Null when none loads.
HMODULE KOVTLoadLibrary(const wchar_t* name, KOVT::ModuleType type);
// The same in the resource folder.
HMODULE KOVTLoadResLibrary(const wchar_t* name, KOVT::ModuleType type);

// An already loaded module of the binary folder; nothing is loaded. In a
// standard host the three extensions are tried in order whatever the kind;
// in a special host a kind tries its own extension, and eAnyModule the three
// extensions, then the name as given.
HMODULE KOVTGetModuleHandle(const wchar_t* name, KOVT::ModuleType type);
// The same in the resource folder.
HMODULE KOVTGetResModuleHandle(const wchar_t* name, KOVT::ModuleType type);

// The language resources of a program module: "<name>_Res" loaded already,
// else loaded now, else a loaded resource module called just name.
HMODULE KOVTGetResourceHandle(const wchar_t* name);

// The host executable "plnx.exe", or the program running the module when it
// goes by another name.
HMODULE KOVTGetPlnxModule();

void KOVTSetSpecial(KOVT::PlnxType type);
KOVT::PlnxType KOVTGetPlnxType();
// Always false: the special host kind changes only the handle lookups.
bool KOVTIsSpecialMode();
