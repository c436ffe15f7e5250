#include "environment/host_utils.h"

#include <array>

#include "environment/path_text.h"
#include "environment/product_info.h"
#include "environment/registry_value.h"
#include "environment/windows_registry.h"
#include "host/object.h"
#include "platform/modules.h"

namespace {

// Indexed by PnDb::FilerType.
constexpr std::array<const wchar_t*, 10> kFilerTypeNames = {
    L"File", L"Copy", L"Undo", L"Bag", L"IdXlate", L"Page", L"DeepClone", L"Id", L"Purge", L"WblockClone"};

constexpr int kPlnxVersionCode = 5;
// Before this version code the support folder was shared by all languages.
constexpr int kFirstPerLanguageSupport = 3;
constexpr const wchar_t* kPlnxDisplayName = L"Planix ";
constexpr const wchar_t* kDefaultLocaleId = L"409";

}  // namespace

const wchar_t* GetFilerType(const PnDbDwgFiler* filer) {
  if (filer == nullptr) return L"";
  const auto type = static_cast<std::size_t>(filer->filerType());
  return type < kFilerTypeNames.size() ? kFilerTypeNames[type] : L"";
}

bool IsValidId(PnDbObjectId id, bool strict) {
  // The host marks everything an erased owner owns as erased too, so this
  // also covers objects erased with their owner.
  if (id.isNull() || id.isErased()) return !strict;
  PnDbObject* object = nullptr;
  if (pndbOpenObject(object, id, PnDb::kForRead) != Plnx::eOk) return false;
  object->close();
  return true;
}

namespace KoVTAppSetUtils {

const wchar_t* GetApplicationName(KOVT::KovtAppId id) {
  switch (id) {
    case KOVT::eAppCommon: return L"KOVT";
    case KOVT::eAppReinforcement: return L"KOVR";
    case KOVT::eAppSteel: return L"KOVS";
  }
  return nullptr;
}

bool RegsiterModule(KOVT::KovtAppId, const wchar_t*, bool) { return true; }

bool GetModulePath(const wchar_t* moduleName, wchar_t* buffer, DWORD size) {
  if (moduleName == nullptr || *moduleName == L'\0' || buffer == nullptr || size == 0) return false;
  HMODULE module = GetModuleHandleW(moduleName);
  if (module == nullptr) return false;
  const DWORD written = GetModuleFileNameW(module, buffer, size);
  return written > 0 && written < size;
}

int GetPlnxVersion(KOVTString& productName, KOVTString& registryKey) {
  KOVTString localeId = kDefaultLocaleId;
  ORL_Tools::GetPlnxLocaleId(localeId);
  registryKey = KOVTString(kPlnxRegistryKey) + L"\\PLNX-E030:" + localeId;
  productName = KOVTString(kPlnxDisplayName) + GetProductVersionName();
  return kPlnxVersionCode;
}

KOVTString GetPlnxPath(const KOVTString& registryKey, int) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, registryKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return KOVTString();
  KOVTString folder;
  if (!KovtQueryStringValue(key, L"PlnxLocation", MAX_PATH, folder))
    KovtQueryStringValue(key, L"Location", MAX_PATH, folder);
  RegCloseKey(key);
  return CompletePath(folder);
}

KOVTString GetSupportPath() {
  KOVTString productName, registryKey;
  const int version = GetPlnxVersion(productName, registryKey);
  KOVTString folder = GetPlnxPath(registryKey, version);
  if (folder.IsEmpty()) return folder;
  if (version >= kFirstPerLanguageSupport) {
    folder = KovtPath::Join(folder, L"UserDataCache");
    folder = KovtPath::Join(folder, GetProductLang());
  }
  return KovtPath::Join(folder, L"Support");
}

KOVTString GetPatFilePath() {
  KOVTString support = GetSupportPath();
  if (support.IsEmpty()) return support;
  return KovtPath::Join(support, L"plnxiso.pat");
}

KOVTString CompletePath(KOVTString& path) {
  KovtPath::Complete(path);
  return path;
}

}  // namespace KoVTAppSetUtils
