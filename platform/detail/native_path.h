// Internal to kovt_platform: paths between the Windows-style wide form the
// module code uses and the file system's bytes (see NativeNameToWide).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kovt_platform {

// '\' becomes '/'.
std::wstring ForwardSlashes(std::wstring_view path);
std::filesystem::path NativePath(std::wstring_view path);
std::filesystem::path NativePath(const wchar_t* path);  // null gives an empty path
std::wstring WidePath(const std::filesystem::path& path);

// Copies text with its terminator into buffer of capacity characters;
// false (buffer untouched) when it does not fit.
bool CopyToBuffer(std::wstring_view text, wchar_t* buffer, std::size_t capacity);

}  // namespace kovt_platform
