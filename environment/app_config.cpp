#include "environment/app_config.h"

#include <cwchar>

#include "environment/file_search.h"
#include "environment/path_text.h"
#include "environment/product_info.h"
#include "platform/known_folders.h"
#include "platform/modules.h"
#include "platform/path_helpers.h"

namespace {

constexpr const wchar_t* kModuleFileName = L"KovtAppSet.kmo";
constexpr const wchar_t* kCommonDataFolder = L"Hexlon\\Lattice\\Common Data";
constexpr DWORD kModulePathLength = 520;

struct PathNameAlias {
  const wchar_t* reinforcementName;
  const wchar_t* commonName;
};
constexpr PathNameAlias kPathNameAliases[] = {
    {L"KOVR_PAR_PATH_DATA", L"PATHDATA"}, {L"KOVR_PAR_PATH_BIN", L"PATHBIN"},
    {L"KOVR_PAR_PATH_CFG", L"PATHCFG"},   {L"KOVR_PAR_PATH_RES", L"PATHRES"},
    {L"KOVR_PAR_PATH_RESLOC", L"PATHRESLOC"}};

KOVTString LoadedModuleFolder() {
  HMODULE module = GetModuleHandleW(kModuleFileName);
  if (module == nullptr) return KOVTString();
  wchar_t path[kModulePathLength] = {};
  const DWORD length = GetModuleFileNameW(module, path, kModulePathLength);
  if (length == 0 || length >= kModulePathLength) return KOVTString();
  return KovtPath::FolderOf(path);
}

// "<csidl folder>\Hexlon\Lattice\Common Data\<version>[\<leaf>]", or empty
// when the folder does not exist.
KOVTString DataFolder(int csidl, const wchar_t* leaf) {
  wchar_t path[MAX_PATH] = {};
  // Empty, not a lone separator: a search would otherwise start at the root of the file system.
  if (FAILED(SHGetFolderPathAndSubDirW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, kCommonDataFolder, path)))
    return KOVTString();
  KOVTString folder = KovtPath::Join(path, GetProductVersionName());
  if (leaf != nullptr) folder = KovtPath::Join(folder, leaf);
  KovtPath::Complete(folder);
  return folder;
}

bool CopyToResult(const KOVTString& path, wchar_t* result) {
  if (path.GetLength() >= static_cast<int>(MAX_PATH)) return false;
  std::wmemcpy(result, path.c_str(), static_cast<std::size_t>(path.GetLength()) + 1);
  return true;
}

}  // namespace

KOVTAppSet::KOVTAppSet()
    : m_moduleFolder(LoadedModuleFolder()),
      m_userDataFolder(DataFolder(CSIDL_APPDATA, nullptr)),
      m_sharedDataFolder(DataFolder(CSIDL_COMMON_APPDATA, L"Data")) {
  KovtPath::Complete(m_moduleFolder);
}

const wchar_t* KOVTAppSet::GetAppPath(const wchar_t*, int) const { return m_moduleFolder; }

const wchar_t* KOVTAppSet::GetPathAndFile(const wchar_t* pathName, const wchar_t* fileName, int) const {
  static wchar_t result[MAX_PATH];
  result[0] = L'\0';
  const KOVTString name(fileName);
  KOVTString found;
  if (pathName != nullptr && std::wcscmp(pathName, L"KOVR_PAR_PATH_DATA") == 0) {
    found = KovtFindFileBelow(m_userDataFolder, name);
    if (found.IsEmpty()) found = KovtFindFileBelow(m_sharedDataFolder, name);
  }
  if (!found.IsEmpty()) {
    if (!CopyToResult(found, result)) result[0] = L'\0';
  } else if (CopyToResult(m_moduleFolder, result) && !PathAppendW(result, name)) {
    result[0] = L'\0';
  }
  return result;
}

const wchar_t* KovtCommonPathName(const wchar_t* pathName) {
  if (pathName == nullptr) return pathName;
  for (const auto& alias : kPathNameAliases)
    if (std::wcscmp(pathName, alias.reinforcementName) == 0) return alias.commonName;
  return pathName;
}

template <const wchar_t* ApplicationName, bool UsesReinforcementPathNames>
const wchar_t* KovtNamedAppSet<ApplicationName, UsesReinforcementPathNames>::GetApplicationVersion() const {
  static KOVTString version;
  version = GetProductVersionNo();
  return version;
}

template class KovtNamedAppSet<kKovrApplicationName, true>;
template class KovtNamedAppSet<kKovrShapeApplicationName, true>;
template class KovtNamedAppSet<kKovsApplicationName>;
template class KovtNamedAppSet<kKovtApplicationName>;
template class KovtNamedAppSet<kKovxApplicationName>;
