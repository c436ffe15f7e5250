#include "platform/detail/xdg_dirs.h"

#include <cstdlib>
#include <string_view>

namespace kovt_platform {

namespace {

std::filesystem::path UnderHome(const char* variable, const char* fallback) {
  auto path = EnvironmentPath(variable);
  if (!path.empty()) return path;
  const auto home = EnvironmentPath("HOME");
  return home.empty() ? home : home / fallback;
}

}  // namespace

std::filesystem::path EnvironmentPath(const char* variable) {
  const char* value = std::getenv(variable);
  if (!value) return {};
  std::filesystem::path path(value);
  return path.is_absolute() ? path : std::filesystem::path();
}

std::filesystem::path XdgConfigHome() { return UnderHome("XDG_CONFIG_HOME", ".config"); }

std::filesystem::path XdgDataHome() { return UnderHome("XDG_DATA_HOME", ".local/share"); }

std::filesystem::path XdgDataDir() {
  const char* value = std::getenv("XDG_DATA_DIRS");
  std::string_view dirs = value ? value : "";
  while (!dirs.empty()) {
    const auto colon = dirs.find(':');
    const std::filesystem::path first(dirs.substr(0, colon));
    if (first.is_absolute()) return first;
    if (colon == std::string_view::npos) break;
    dirs.remove_prefix(colon + 1);
  }
  return "/usr/local/share";
}

}  // namespace kovt_platform
