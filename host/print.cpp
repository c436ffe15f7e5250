#include "host/print.h"

#include <cstdarg>
#include <cstdio>
#include <new>
#include <optional>
#include <string>

#include "platform/wide_format.h"
#include "platform/wide_string.h"

namespace {
bool g_capturing = false;
std::wstring g_captured;
}  // namespace

int pnutPrintf(const wchar_t* format, ...) {
  // Modules print while they unload, where an exception would stop the host:
  // without memory the text is lost and -1 says so, as for any printf failure.
  try {
    va_list args;
    va_start(args, format);
    const std::optional<std::wstring> text = FormatWide(format, args, std::size_t{1} << 20);
    va_end(args);
    if (!text) return -1;
    if (g_capturing) {
      g_captured += *text;
    } else {
      const std::string bytes = WideToUtf8(*text);
      std::fwrite(bytes.data(), 1, bytes.size(), stdout);
      std::fflush(stdout);
    }
    return static_cast<int>(text->size());
  } catch (const std::bad_alloc&) {
    return -1;
  }
}

void pnutCaptureOutput(bool on) { g_capturing = on; }

std::wstring pnutTakeCapturedOutput() {
  std::wstring text;
  text.swap(g_captured);
  return text;
}
