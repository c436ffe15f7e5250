#include "platform/detail/loaded_objects.h"

#include <dlfcn.h>
#include <link.h>

namespace kovt_platform {

namespace {

link_map* MapOf(HMODULE module) {
  link_map* map = nullptr;
  return ::dlinfo(module, RTLD_DI_LINKMAP, &map) == 0 ? map : nullptr;
}

}  // namespace

HMODULE MainProgram() {
  static HMODULE const program = ::dlopen(nullptr, RTLD_NOW);
  return program;
}

void* OwnSymbol(HMODULE module, const char* name) {
  if (!module) module = MainProgram();
  void* symbol = ::dlsym(module, name);
  if (!symbol) return nullptr;
  Dl_info info{};
  link_map* where = nullptr;
  if (::dladdr1(symbol, &info, reinterpret_cast<void**>(&where), RTLD_DL_LINKMAP) == 0) return nullptr;
  return where && where == MapOf(module) ? symbol : nullptr;
}

std::filesystem::path ModuleFile(HMODULE module) {
  const link_map* map = module ? MapOf(module) : nullptr;
  std::error_code ec;
  if (!module || module == MainProgram() || (map && map->l_name[0] == '\0')) {
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe;
  }
  if (!map) return {};
  auto file = std::filesystem::absolute(map->l_name, ec);
  return ec ? std::filesystem::path() : file.lexically_normal();
}

}  // namespace kovt_platform
