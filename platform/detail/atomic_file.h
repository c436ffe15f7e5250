// Internal to kovt_platform: replacing a file so that readers see either the
// old or the new contents, never a partial one.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kovt_platform {

// Writes contents to a temporary file next to target, flushes it to disk and
// renames it over target, creating target's folder when needed. On failure
// target is untouched, no temporary is left and error says why.
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view contents, std::string& error);

}  // namespace kovt_platform
