#include "environment/registry_value.h"

#include <vector>

bool KovtQueryStringValue(HKEY key, const wchar_t* valueName, int maxCharacters, KOVTString& out) {
  if (maxCharacters <= 0) return false;
  std::vector<wchar_t> buffer(static_cast<std::size_t>(maxCharacters) + 1, L'\0');
  DWORD type = REG_NONE;
  auto size = static_cast<DWORD>(maxCharacters * sizeof(wchar_t));
  if (RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
      ERROR_SUCCESS)
    return false;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  buffer[size / sizeof(wchar_t)] = L'\0';
  out = buffer.data();
  return true;
}
