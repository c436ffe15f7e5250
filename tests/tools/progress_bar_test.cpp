// copy's progress bar, which shows only on a terminal and for more than one drawing.
#include "tests/tools/kovtset_run.h"

namespace {

using ProgressBar = KovtsetTest;

TEST_F(ProgressBar, OnlyOnATerminalAndForMoreThanOneDrawing) {
  const std::string source = NewDrawing("template.pndwg");
  const std::string first = NewDrawing("a.pndwg", {"-m", "steel"});
  const std::string second = NewDrawing("b.pndwg", {"-m", "steel"});
  const RunResult shown = RunOnTerminal({"copy", source, first, File("missing.pndwg")});
  if (shown.exitCode == kNoTerminal) GTEST_SKIP() << "this machine gives no pseudo-terminal";
  EXPECT_EQ(shown.exitCode, 1);
  for (const char* step : {"[........................................] 0/2",
                           "[####################....................] 1/2",
                           "[########################################] 2/2"})
    EXPECT_NE(shown.out.find(step), std::string::npos) << step << "\n" << shown.out;
  // The failure's message clears the bar's line rather than running into it.
  EXPECT_NE(shown.out.find("\r\033[Kkovtset: "), std::string::npos) << shown.out;

  for (const std::vector<std::string>& quiet :
       {std::vector<std::string>{"copy", source, first}, {"copy", source, first, second, "--no-progress"}}) {
    const RunResult hidden = RunOnTerminal(quiet);
    EXPECT_EQ(hidden.exitCode, 0);
    EXPECT_EQ(hidden.out, "") << quiet.size();
  }
}

}  // namespace
