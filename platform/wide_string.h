// Conversion between UTF-8 (std::string) and wide strings (wchar_t, UTF-32 here).
#pragma once

#include <string>
#include <string_view>

// Every ill-formed sequence becomes U+FFFD: lone or mismatched surrogates and
// values above U+10FFFF on the wide side; overlong forms, encoded surrogates,
// truncated or stray bytes on the UTF-8 side (one U+FFFD per maximal bad subpart).
std::string WideToUtf8(std::wstring_view text);
std::wstring Utf8ToWide(std::string_view text);

// File names, which Linux keeps as bytes in no set encoding. A byte that does
// not start well-formed UTF-8 becomes U+DC80..U+DCFF, a lone surrogate no
// text decodes to, and turns back into that byte, so every name survives the
// trip through the wide interfaces unchanged.
std::wstring NativeNameToWide(std::string_view name);
std::string WideToNativeName(std::wstring_view name);
