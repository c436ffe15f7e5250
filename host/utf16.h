// Wide strings in their filed form: UTF-16 code units, the same on every platform.
#pragma once

#include <string>
#include <string_view>

// Characters outside the Basic Multilingual Plane become surrogate pairs.
std::u16string pndbToUtf16(std::wstring_view text);
// Unpaired surrogates become U+FFFD.
std::wstring pndbFromUtf16(std::u16string_view text);
