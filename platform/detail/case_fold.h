// Internal to kovt_platform: case-insensitive comparison of names, as the
// Windows registry and file system compare them.
#pragma once

#include <string>
#include <string_view>

namespace kovt_platform {

// Lower case of c for Latin, Greek and Cyrillic letters; c itself otherwise.
wchar_t FoldCase(wchar_t c);
std::wstring FoldCase(std::wstring_view text);
bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b);

}  // namespace kovt_platform
