// A second process for the tests: runs product-settings commands in order and
// prints one line per command, so a test can see what a later session of the
// product reads.
//
//   settings_probe lang | set-lang <tag> | locale | module | set-module <n>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "environment/orl_settings.h"
#include "environment/product_info.h"
#include "environment/windows_registry.h"
#include "platform/wide_string.h"

namespace {

void Print(const KOVTString& text) { std::printf("%s\n", WideToUtf8(text.str()).c_str()); }

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string command = argv[i];
    const bool hasArgument = i + 1 < argc;
    if (command == "lang") {
      Print(GetProductLang());
    } else if (command == "set-lang" && hasArgument) {
      const std::wstring tag = Utf8ToWide(argv[++i]);
      const bool stored = ORL_Tools::RegSet2Cur_SZ(kPlnxRegistryKey, L"LastLaunchedLanguage", tag.c_str(),
                                                   static_cast<int>(tag.size()));
      Print(stored ? L"ok" : L"failed");
    } else if (command == "locale") {
      KOVTString localeId;
      Print(ORL_Tools::GetPlnxLocaleId(localeId) ? localeId : KOVTString(L"none"));
    } else if (command == "module") {
      Print(std::to_wstring(ORL_Tools::GetORLModule()));
    } else if (command == "set-module" && hasArgument) {
      Print(ORL_Tools::SetORLModule(static_cast<ORL_Tools::eORL>(std::atoi(argv[++i]))) ? L"ok" : L"failed");
    } else {
      std::fprintf(stderr, "settings_probe: unknown command or missing argument: %s\n", command.c_str());
      return 2;
    }
  }
  return 0;
}
