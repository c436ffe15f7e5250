// Drawings in folders several people work in: writers that overlap, and
// writers killed in the middle of a save; a held drawing is among the listed runs.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "tests/tools/kovtset_run.h"

namespace {

using SharedFolder = KovtsetTest;

TEST_F(SharedFolder, OverlappingSetsOfDifferentKeysBothLand) {
  const std::string drawing = File("d.pndwg");
  Ok({"new", drawing, "-m", "reinf"});
  for (int round = 0; round < 20; ++round) {
    const std::string name = "name " + std::to_string(round), designer = "designer " + std::to_string(round);
    const pid_t first = Start({"set", drawing, "Project.ProjectName", name}, 1);
    const pid_t second = Start({"set", drawing, "Project.Designer", designer}, 2);
    EXPECT_EQ(Finish(first, 1).exitCode, 0);
    EXPECT_EQ(Finish(second, 2).exitCode, 0);
    ASSERT_EQ(Ok({"get", drawing, "Project.ProjectName"}).out, name + "\n") << "round " << round;
    ASSERT_EQ(Ok({"get", drawing, "Project.Designer"}).out, designer + "\n") << "round " << round;
  }
}

TEST_F(SharedFolder, WritersKilledMidSaveLeaveTheDrawingWholeAndNoDebris) {
  const std::string drawing = File("d.pndwg"), source = File("template.pndwg");
  Ok({"new", drawing, "-m", "reinf"});
  Ok({"new", source});
  int caught = 0;
  for (int round = 0; round < 20; ++round) {
    const pid_t writer = Start(round % 2 ? std::vector<std::string>{"copy", source, drawing}
                                         : std::vector<std::string>{"set", drawing, "Project.ProjectName", "killed"},
                               1);
    // Killed as soon as its temporary shows, or let finish when none did
    // (left unreaped until then, so that its id cannot go to another process).
    bool saving = false;
    siginfo_t ended{};
    while (!saving && ::waitid(P_PID, writer, &ended, WEXITED | WNOHANG | WNOWAIT) == 0 && ended.si_pid == 0)
      saving = std::ranges::any_of(FolderEntries(), [](const std::string& name) { return name[0] == '.'; });
    if (saving) ++caught;
    ::kill(writer, SIGKILL);
    Finish(writer, 1);
    ASSERT_EQ(Run({"get", drawing, "Project.ProjectName"}).exitCode, 0) << "round " << round;
  }
  if (caught == 0) GTEST_SKIP() << "no save was caught in progress here";
  Ok({"set", drawing, "Project.ProjectName", "after"});
  EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"d.pndwg", "template.pndwg"}));
}

}  // namespace
