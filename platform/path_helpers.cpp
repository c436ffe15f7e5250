#include "platform/path_helpers.h"

#include <string>
#include <vector>

#include "platform/detail/native_path.h"

using kovt_platform::CopyToBuffer;
using kovt_platform::ForwardSlashes;

namespace {

// Resolves "." and ".." and doubled separators; ".." above a root is dropped.
std::wstring Canonical(std::wstring_view path) {
  const bool absolute = path.starts_with(L'/');
  const bool trailing = path.size() > 1 && path.ends_with(L'/');
  std::vector<std::wstring_view> parts;
  while (!path.empty()) {
    const auto end = path.find(L'/');
    const auto part = path.substr(0, end);
    if (part == L"..") {
      if (!parts.empty() && parts.back() != L"..")
        parts.pop_back();
      else if (!absolute)
        parts.push_back(part);
    } else if (!part.empty() && part != L".") {
      parts.push_back(part);
    }
    if (end == std::wstring_view::npos) break;
    path.remove_prefix(end + 1);
  }
  std::wstring out = absolute ? L"/" : L"";
  for (std::size_t i = 0; i < parts.size(); ++i) out.append(i ? L"/" : L"").append(parts[i]);
  if (trailing && !parts.empty()) out += L'/';
  return out.empty() ? L"." : out;
}

std::wstring Combine(const wchar_t* dir, const wchar_t* file) {
  const std::wstring d = dir ? ForwardSlashes(dir) : L"";
  const std::wstring f = file ? ForwardSlashes(file) : L"";
  if (f.starts_with(L'/') || d.empty()) return Canonical(f.empty() ? d : f);
  if (f.empty()) return Canonical(d);
  return Canonical(d + (d.ends_with(L'/') ? L"" : L"/") + f);
}

}  // namespace

LPWSTR PathCombineW(LPWSTR dest, LPCWSTR dir, LPCWSTR file) {
  if (!dest) return nullptr;
  if (!dir && !file) {
    dest[0] = L'\0';
    return nullptr;
  }
  const std::wstring joined = Combine(dir, file);
  if (!CopyToBuffer(joined, dest, MAX_PATH)) {
    dest[0] = L'\0';
    return nullptr;
  }
  return dest;
}

BOOL PathAppendW(LPWSTR path, LPCWSTR more) {
  if (!path) return FALSE;
  std::wstring_view rest = more ? more : L"";
  while (rest.starts_with(L'\\') || rest.starts_with(L'/')) rest.remove_prefix(1);
  const std::wstring joined = Combine(path, std::wstring(rest).c_str());
  return CopyToBuffer(joined, path, MAX_PATH) ? TRUE : FALSE;
}

DWORD GetCurrentDirectoryW(DWORD bufferLength, LPWSTR buffer) {
  std::error_code ec;
  const auto current = std::filesystem::current_path(ec);
  if (ec) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return 0;
  }
  const std::wstring text = kovt_platform::WidePath(current);
  if (!CopyToBuffer(text, buffer, bufferLength)) return static_cast<DWORD>(text.size() + 1);
  return static_cast<DWORD>(text.size());
}

BOOL SetCurrentDirectoryW(LPCWSTR path) {
  if (!path || !*path) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::error_code ec;
  std::filesystem::current_path(kovt_platform::NativePath(path), ec);
  if (ec) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  return TRUE;
}
