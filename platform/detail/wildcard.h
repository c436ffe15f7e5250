// Internal to kovt_platform: Windows file-name patterns.
#pragma once

#include <string_view>

namespace kovt_platform {

// '*' matches any run of characters, '?' any one, case ignored; "*.*" matches
// every name and "stem.*" also matches "stem" without extension.
bool MatchesFilePattern(std::wstring_view pattern, std::wstring_view name);

}  // namespace kovt_platform
