#include "platform/modules.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <string>

#include "platform/detail/case_fold.h"
#include "platform/detail/loaded_objects.h"
#include "platform/detail/native_path.h"
#include "platform/wide_string.h"

using kovt_platform::MainProgram;

namespace {

// The handle of an object that is already loaded; counts a reference only
// when asked to, as dlopen always does.
HMODULE HandleOfLoaded(const char* file, bool addReference) {
  HMODULE module = ::dlopen(file, RTLD_NOW | RTLD_NOLOAD);
  if (module && !addReference) ::dlclose(module);
  return module;
}

struct NameSearch {
  std::wstring wanted;  // folded file name, or the full path
  bool byFileName = true;
  std::string found;
  bool foundMain = false;
};

int MatchLoadedObject(dl_phdr_info* info, std::size_t, void* data) {
  auto& search = *static_cast<NameSearch*>(data);
  const bool isMain = info->dlpi_name[0] == '\0';
  const std::filesystem::path file = isMain ? kovt_platform::ModuleFile(nullptr) : info->dlpi_name;
  bool match = false;
  if (search.byFileName) {
    match = kovt_platform::FoldCase(Utf8ToWide(file.filename().string())) == search.wanted;
  } else {
    std::error_code ec;
    match = std::filesystem::weakly_canonical(file, ec) == kovt_platform::NativePath(search.wanted);
  }
  if (!match) return 0;
  search.found = info->dlpi_name;
  search.foundMain = isMain;
  return 1;
}

HMODULE FindLoaded(const wchar_t* name, bool addReference) {
  if (!name) return MainProgram();
  NameSearch search;
  const std::wstring path = kovt_platform::ForwardSlashes(name);
  search.byFileName = path.find(L'/') == std::wstring::npos;
  if (search.byFileName) {
    search.wanted = kovt_platform::FoldCase(path);
  } else {
    std::error_code ec;
    search.wanted = kovt_platform::WidePath(std::filesystem::weakly_canonical(kovt_platform::NativePath(path), ec));
  }
  if (::dl_iterate_phdr(MatchLoadedObject, &search) == 0) return nullptr;
  return search.foundMain ? MainProgram() : HandleOfLoaded(search.found.c_str(), addReference);
}

HMODULE FindByAddress(const void* address, bool addReference) {
  Dl_info info{};
  link_map* map = nullptr;
  if (!address || ::dladdr1(address, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) == 0 || !map)
    return nullptr;
  if (map->l_name[0] == '\0') return MainProgram();
  return HandleOfLoaded(map->l_name, addReference);
}

HMODULE Found(HMODULE module) {
  if (!module) SetLastError(ERROR_MOD_NOT_FOUND);
  return module;
}

}  // namespace

HMODULE LoadLibraryW(const wchar_t* path) {
  if (!path || !*path) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return Found(::dlopen(kovt_platform::NativePath(path).c_str(), RTLD_NOW | RTLD_LOCAL));
}

BOOL FreeLibrary(HMODULE module) {
  if (!module || ::dlclose(module) != 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

void* GetProcAddress(HMODULE module, const char* name) {
  void* symbol = name ? kovt_platform::OwnSymbol(module, name) : nullptr;
  if (!symbol) SetLastError(ERROR_PROC_NOT_FOUND);
  return symbol;
}

HMODULE GetModuleHandleW(const wchar_t* name) { return Found(FindLoaded(name, false)); }

HMODULE GetModuleHandleFromAddress(const void* address) { return Found(FindByAddress(address, false)); }

BOOL GetModuleHandleExW(DWORD flags, const wchar_t* name, HMODULE* module) {
  if (!module) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const bool addReference = (flags & GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT) == 0;
  *module = Found((flags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS)
                      ? FindByAddress(static_cast<const void*>(name), addReference)
                      : FindLoaded(name, addReference));
  return *module ? TRUE : FALSE;
}

DWORD GetModuleFileNameW(HMODULE module, wchar_t* buffer, DWORD size) {
  const auto file = kovt_platform::ModuleFile(module ? module : MainProgram());
  if (file.empty() || !buffer || size == 0) {
    SetLastError(file.empty() ? ERROR_MOD_NOT_FOUND : ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  const std::wstring path = kovt_platform::WidePath(file);
  const auto copied = static_cast<DWORD>(std::min<std::size_t>(path.size(), size - 1));
  std::copy_n(path.begin(), copied, buffer);
  buffer[copied] = L'\0';
  if (copied < path.size()) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
  }
  return copied;
}
