// Wide strings in their filed form: UTF-16 code units, the same on every platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Characters outside the Basic Multilingual Plane become surrogate pairs.
std::u16string pndbToUtf16(std::wstring_view text);
// Unpaired surrogates become U+FFFD.
std::wstring pndbFromUtf16(std::u16string_view text);

// The code units pndbToUtf16 makes of `text`, without making them.
std::size_t pndbUtf16Length(std::wstring_view text);
// Writes the units of `text` little-endian to `out`, which has room for
// pndbUtf16Length(text) of them; answers the bytes written.
std::size_t pndbPutUtf16LE(std::wstring_view text, std::uint8_t* out);
// Replaces `text` with the `count` little-endian units at `bytes`, decoded as
// pndbFromUtf16 does; the string's own storage takes them when it has room.
void pndbAssignUtf16LE(const std::uint8_t* bytes, std::size_t count, std::wstring& text);
