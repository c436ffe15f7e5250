// Reads arbitrary text as a .reg hive. A hive that reads must write text that
// reads again and writes the same text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "platform/detail/registry_text.h"

namespace {

constexpr std::wstring_view kRoot = L"HKEY_CURRENT_USER";

[[noreturn]] void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string error;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::unique_ptr<kovt_platform::RegKey> tree = kovt_platform::ParseRegText(text, kRoot, error);
  if (!tree) {
    if (error.empty()) Fail("a refused hive gave no reason", std::string(text));
    return 0;
  }
  const std::string written = kovt_platform::FormatRegText(*tree);
  const std::unique_ptr<kovt_platform::RegKey> again = kovt_platform::ParseRegText(written, kRoot, error);
  if (!again) Fail("a written hive does not read back", error + "\n" + written);
  if (kovt_platform::FormatRegText(*again) != written) Fail("a hive read back writes other text", written);
  return 0;
}
