#include "host/print.h"

#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <new>
#include <vector>

#include "platform/wide_string.h"

namespace {
bool g_capturing = false;
std::wstring g_captured;
}  // namespace

int pnutPrintf(const wchar_t* format, ...) {
  // Modules print while they unload, where an exception would stop the host:
  // without memory the text is lost and -1 says so, as for any printf failure.
  try {
    std::vector<wchar_t> buffer(256);
    for (;;) {
      va_list args;
      va_start(args, format);
      int n = std::vswprintf(buffer.data(), buffer.size(), format, args);
      va_end(args);
      if (n >= 0) {
        if (g_capturing) {
          g_captured.append(buffer.data(), static_cast<std::size_t>(n));
        } else {
          std::string text = WideToUtf8(std::wstring_view(buffer.data(), static_cast<std::size_t>(n)));
          std::fwrite(text.data(), 1, text.size(), stdout);
          std::fflush(stdout);
        }
        return n;
      }
      if (buffer.size() >= (1u << 20)) return -1;  // a bad format, not a short buffer
      buffer.resize(buffer.size() * 2);
    }
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
