#include "environment/module_loading.h"

#include <array>

#include "environment/config_access.h"
#include "environment/dir_scope.h"
#include "environment/path_text.h"
#include "environment/product_info.h"
#include "platform/modules.h"

namespace {

// The extensions are kept shifted so that a scan of the binary does not list
// the module kinds the family looks for.
struct HiddenExtension {
  const wchar_t* shifted;
  int shift;
};
constexpr std::array<HiddenExtension, 3> kExtensions = {{{L"npr", 3}, {L"xck", -2}, {L"goo", 3}}};

KOVT::PlnxType g_plnxType = KOVT::eStandardHost;

constexpr std::array<KOVT::ModuleType, 3> kModuleKinds = {KOVT::eHostModule, KOVT::eServiceModule,
                                                          KOVT::eLibraryModule};

using Attempt = HMODULE (*)(const KOVTString& path);

HMODULE Load(const KOVTString& path) { return LoadLibraryW(path); }
HMODULE FindLoaded(const KOVTString& path) { return GetModuleHandleW(path); }

HMODULE TryKind(const KOVTString& path, KOVT::ModuleType type, Attempt attempt) {
  return attempt(path + KOVTModuleExtension(type));
}

HMODULE TryEveryKind(const KOVTString& path, Attempt attempt) {
  for (KOVT::ModuleType type : kModuleKinds)
    if (HMODULE module = TryKind(path, type, attempt)) return module;
  return nullptr;
}

HMODULE LoadFrom(const KOVTString& folder, const wchar_t* name, KOVT::ModuleType type) {
  if (name == nullptr || *name == L'\0') return nullptr;
  const KOVTAppDirScope inBinaryFolder;
  const KOVTString path = folder + name;
  if (type != KOVT::eAnyModule) return TryKind(path, type, Load);
  if (HMODULE module = Load(path)) return module;
  return TryEveryKind(path, Load);
}

HMODULE FindIn(const KOVTString& folder, const wchar_t* name, KOVT::ModuleType type) {
  if (name == nullptr || *name == L'\0') return nullptr;
  const KOVTString path = folder + name;
  if (g_plnxType != KOVT::eSpecialHost) return TryEveryKind(path, FindLoaded);
  if (type != KOVT::eAnyModule) return TryKind(path, type, FindLoaded);
  if (HMODULE module = TryEveryKind(path, FindLoaded)) return module;
  return FindLoaded(path);
}

}  // namespace

KOVTString KOVTModuleExtension(KOVT::ModuleType type) {
  if (type < KOVT::eHostModule || type > KOVT::eLibraryModule) return KOVTString();
  const HiddenExtension& hidden = kExtensions[static_cast<std::size_t>(type - KOVT::eHostModule)];
  return KOVTString(L'.') + GetSupName(hidden.shifted, -hidden.shift);
}

KOVTString KOVTBinaryFolder() {
  const KOVTAppSet* config = CFG();
  KOVTString folder = config != nullptr ? KOVTString(config->GetAppPath(L"PATHBIN", 0)) : KOVTString();
  KovtPath::Complete(folder);
  return folder;
}

KOVTString KOVTResourceFolder() {
  KOVTString folder = KovtPath::Join(KOVTBinaryFolder(), GetProductLang());
  KovtPath::Complete(folder);
  return folder;
}

HMODULE KOVTLoadLibrary(const wchar_t* name, KOVT::ModuleType type) { return LoadFrom(KOVTBinaryFolder(), name, type); }

HMODULE KOVTLoadResLibrary(const wchar_t* name, KOVT::ModuleType type) {
  return LoadFrom(KOVTResourceFolder(), name, type);
}

HMODULE KOVTGetModuleHandle(const wchar_t* name, KOVT::ModuleType type) {
  return FindIn(KOVTBinaryFolder(), name, type);
}

HMODULE KOVTGetResModuleHandle(const wchar_t* name, KOVT::ModuleType type) {
  return FindIn(KOVTResourceFolder(), name, type);
}

HMODULE KOVTGetResourceHandle(const wchar_t* name) {
  if (name == nullptr || *name == L'\0') return nullptr;
  const KOVTString resourceName = KOVTString(name) + L"_Res";
  if (HMODULE module = KOVTGetResModuleHandle(resourceName, KOVT::eAnyModule)) return module;
  if (HMODULE module = KOVTLoadResLibrary(resourceName, KOVT::eAnyModule)) return module;
  return KOVTGetResModuleHandle(name, KOVT::eAnyModule);
}

HMODULE KOVTGetPlnxModule() {
  if (HMODULE host = GetModuleHandleW(L"plnx.exe")) return host;
  return GetModuleHandleW(nullptr);
}

void KOVTSetSpecial(KOVT::PlnxType type) { g_plnxType = type; }

KOVT::PlnxType KOVTGetPlnxType() { return g_plnxType; }

bool KOVTIsSpecialMode() { return false; }
