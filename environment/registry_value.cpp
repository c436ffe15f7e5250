#include "environment/registry_value.h"

#include <string>
#include <vector>

bool KovtQueryStringValue(HKEY key, const wchar_t* valueName, int bufferCharacters, KOVTString& out) {
  if (bufferCharacters <= 0) return false;
  std::vector<wchar_t> buffer(static_cast<std::size_t>(bufferCharacters), L'\0');
  DWORD type = REG_NONE;
  auto size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
      ERROR_SUCCESS)
    return false;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  std::wstring text(buffer.data(), size / sizeof(wchar_t));
  text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
  out = std::move(text);
  return true;
}
