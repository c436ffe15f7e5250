#include "platform/string_resources.h"

#include <algorithm>
#include <cwchar>

#include "platform/detail/loaded_objects.h"

int LoadStringW(HINSTANCE module, UINT id, wchar_t* buffer, int bufferMax) {
  if (!buffer || bufferMax < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const wchar_t* text = nullptr;
  if (const auto* table = static_cast<const KovtStringResource*>(kovt_platform::OwnSymbol(module, "KovtStringTable"))) {
    for (; table->text && !text; ++table)
      if (table->id == id) text = table->text;
  }
  const int length = text ? static_cast<int>(std::wcslen(text)) : 0;
  if (length == 0) {
    if (bufferMax > 0) buffer[0] = L'\0';
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return 0;
  }
  if (bufferMax == 0) {
    *reinterpret_cast<const wchar_t**>(buffer) = text;
    return length;
  }
  const int copied = std::min(length, bufferMax - 1);
  std::copy_n(text, copied, buffer);
  buffer[copied] = L'\0';
  return copied;
}
