#include "platform/detail/native_path.h"

#include <algorithm>

#include "platform/wide_string.h"

namespace kovt_platform {

std::wstring ForwardSlashes(std::wstring_view path) {
  std::wstring out(path);
  std::replace(out.begin(), out.end(), L'\\', L'/');
  return out;
}

std::filesystem::path NativePath(std::wstring_view path) {
  return std::filesystem::path(WideToNativeName(ForwardSlashes(path)));
}

std::filesystem::path NativePath(const wchar_t* path) {
  return path ? NativePath(std::wstring_view(path)) : std::filesystem::path();
}

std::wstring WidePath(const std::filesystem::path& path) { return NativeNameToWide(path.native()); }

bool CopyToBuffer(std::wstring_view text, wchar_t* buffer, std::size_t capacity) {
  if (!buffer || text.size() >= capacity) return false;
  std::copy(text.begin(), text.end(), buffer);
  buffer[text.size()] = L'\0';
  return true;
}

}  // namespace kovt_platform
