#include "platform/wide_format.h"

#include <cwchar>

std::optional<std::wstring> FormatWide(const wchar_t* format, va_list args, std::size_t limit) {
  std::wstring buffer(256, L'\0');
  for (;;) {
    va_list attempt;
    va_copy(attempt, args);
    const int written = std::vswprintf(buffer.data(), buffer.size(), format, attempt);
    va_end(attempt);
    if (written >= 0) {
      buffer.resize(static_cast<std::size_t>(written));
      return buffer;
    }
    // vswprintf reports a short buffer and a bad format alike.
    if (buffer.size() >= limit) return std::nullopt;
    buffer.resize(buffer.size() * 4);
  }
}
