// Internal to kovt_platform: the XDG base folders, read from the environment
// on every call. Each is empty when neither its variable nor HOME gives one.
#pragma once

#include <filesystem>

namespace kovt_platform {

// An absolute path from the variable, else empty (XDG ignores relative ones).
std::filesystem::path EnvironmentPath(const char* variable);

std::filesystem::path XdgConfigHome();  // $XDG_CONFIG_HOME or ~/.config
std::filesystem::path XdgDataHome();    // $XDG_DATA_HOME or ~/.local/share
std::filesystem::path XdgDataDir();     // first of $XDG_DATA_DIRS or /usr/local/share

}  // namespace kovt_platform
