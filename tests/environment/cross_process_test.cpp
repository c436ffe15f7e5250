// Settings written by one process are what the next process reads.
#include <cstdio>
#include <cwchar>
#include <string>
#include <utility>

#include "environment/orl_settings.h"
#include "environment/product_info.h"
#include "environment/windows_registry.h"
#include "tests/environment/env_test_support.h"

namespace {

// Runs the probe with the test's environment and returns what it printed.
std::string RunProbe(const std::string& arguments) {
  const std::string command = std::string(KOVT_SETTINGS_PROBE) + " " + arguments;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return "popen failed";
  std::string output;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
  const int status = ::pclose(pipe);
  return status == 0 ? output : output + "exit status " + std::to_string(status);
}

using CrossProcess = EnvironmentTest;

TEST_F(CrossProcess, ChoicesOutliveTheProcessThatMadeThem) {
  // The next process must run with the same locale to find the locale's values.
  const KOVTString version = KOVTString(L"PLNX-E030:") + kTestLocaleId;
  ORL_Tools::RegSet2Cur_SZ(kPlnxRegistryKey, L"CurVer", version, version.GetLength());
  ASSERT_TRUE(ORL_Tools::SetORLWorkspace(ORL_Tools::eORL_Steel, L"Structural Steel \u00E9"));
  EXPECT_EQ(RunProbe("workspace 1 set-module 2"), "Structural Steel \xC3\xA9\nok\n");
  EXPECT_EQ(ORL_Tools::GetORLModule(), ORL_Tools::eORL_Reinforcement);
}

TEST_F(CrossProcess, ANewProcessReadsTheLanguageOnceItIsThere) {
  // This test's registry has no language or locale yet.
  EXPECT_EQ(RunProbe("lang locale"), "\nnone\n");
  // The locale id is what stands from index 10 on, however short the value.
  const std::pair<const wchar_t*, const char*> versions[] = {
      {L"PLNX", "\n"}, {L"PLNX-E030:41", "41\n"}, {L"PLNX-E030:40C1", "40C\n"}};
  for (const auto& [version, printed] : versions) {
    ORL_Tools::RegSet2Cur_SZ(kPlnxRegistryKey, L"CurVer", version, static_cast<int>(std::wcslen(version)));
    EXPECT_EQ(RunProbe("locale"), printed) << printed;
  }
  EXPECT_EQ(RunProbe("lang locale locale"), "\n40C\n40C\n");
  // A failed read is tried again within the same process.
  EXPECT_EQ(RunProbe("lang set-lang de-DE lang"), "\nok\nde-DE\n");
  // and then kept, whatever the registry says later.
  EXPECT_EQ(RunProbe("lang set-lang fr-FR lang"), "de-DE\nok\nde-DE\n");
}

}  // namespace
