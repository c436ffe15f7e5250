#include "platform/known_folders.h"

#include "platform/detail/native_path.h"
#include "platform/detail/xdg_dirs.h"

namespace {

constexpr int kFolderMask = 0x00FF;

// The folder of a CSIDL, empty when unknown or when no folder can be derived.
std::filesystem::path BaseFolder(int csidl, bool& known) {
  using namespace kovt_platform;
  known = csidl == CSIDL_APPDATA || csidl == CSIDL_LOCAL_APPDATA || csidl == CSIDL_COMMON_APPDATA;
  if (!known) return {};
  const auto overrideRoot = EnvironmentPath("KOVT_DATA_DIR");
  if (!overrideRoot.empty()) {
    if (csidl == CSIDL_APPDATA) return overrideRoot / "AppData";
    if (csidl == CSIDL_LOCAL_APPDATA) return overrideRoot / "LocalAppData";
    return overrideRoot / "CommonAppData";
  }
  if (csidl == CSIDL_APPDATA) return XdgConfigHome();
  if (csidl == CSIDL_LOCAL_APPDATA) return XdgDataHome();
  return XdgDataDir();
}

}  // namespace

HRESULT SHGetFolderPathAndSubDirW(HWND, int csidl, HANDLE, DWORD, LPCWSTR subDir, LPWSTR path) {
  if (!path) return E_INVALIDARG;
  path[0] = L'\0';
  bool known = false;
  auto folder = BaseFolder(csidl & kFolderMask, known);
  if (!known) return E_INVALIDARG;
  if (folder.empty()) return E_FAIL;
  // A leading separator in subDir does not make it absolute.
  folder = (folder / kovt_platform::NativePath(subDir).relative_path()).lexically_normal();
  if (folder.has_relative_path() && !folder.has_filename()) folder = folder.parent_path();
  std::error_code ec;
  if (csidl & CSIDL_FLAG_CREATE) {
    std::filesystem::create_directories(folder, ec);
    if (ec) return HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
  }
  if (!std::filesystem::is_directory(folder, ec)) return HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
  if (!kovt_platform::CopyToBuffer(kovt_platform::WidePath(folder), path, MAX_PATH))
    return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
  return S_OK;
}

HRESULT SHGetFolderPathW(HWND hwnd, int csidl, HANDLE token, DWORD flags, LPWSTR path) {
  return SHGetFolderPathAndSubDirW(hwnd, csidl, token, flags, nullptr, path);
}
