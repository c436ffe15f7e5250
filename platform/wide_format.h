// Wide printf-style formatting into a string of any length.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <optional>
#include <string>

// What vswprintf makes of `format` and `args` (which stay usable), in a buffer
// grown fourfold from 256 characters up to `limit`; nullopt when even that
// fails, as a bad format does at any size.
std::optional<std::wstring> FormatWide(const wchar_t* format, va_list args, std::size_t limit);
