#include "environment/registry_value.h"

#include <string>
#include <vector>

bool KovtQueryStringValue(HKEY key, const wchar_t* valueName, int maxCharacters, KOVTString& out) {
  if (maxCharacters <= 0) return false;
  // Room for the terminator the stored value usually carries.
  std::vector<wchar_t> buffer(static_cast<std::size_t>(maxCharacters) + 1, L'\0');
  DWORD type = REG_NONE;
  auto size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
      ERROR_SUCCESS)
    return false;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  std::wstring text(buffer.data(), size / sizeof(wchar_t));
  text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
  if (text.size() > static_cast<std::size_t>(maxCharacters)) return false;
  out = std::move(text);
  return true;
}
