// Drawings in folders several people work in: writers that overlap, and
// writers killed in the middle of a save.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "tests/tools/kovtset_run.h"

namespace {

class SharedFolder : public KovtsetTest {
 protected:
  bool HasTemporary() const {
    const std::vector<std::string> entries = FolderEntries();
    return std::any_of(entries.begin(), entries.end(), [](const std::string& name) { return name[0] == '.'; });
  }
};

TEST_F(SharedFolder, OverlappingSetsOfDifferentKeysBothLand) {
  const std::string drawing = NewDrawing("d.pndwg", {"-m", "reinf"});
  for (int round = 0; round < 20; ++round) {
    const std::string name = "name " + std::to_string(round), designer = "designer " + std::to_string(round);
    const pid_t first = Start({"set", drawing, "Project.ProjectName", name}, 1);
    const pid_t second = Start({"set", drawing, "Project.Designer", designer}, 2);
    EXPECT_EQ(Finish(first, 1).exitCode, 0);
    EXPECT_EQ(Finish(second, 2).exitCode, 0);
    ASSERT_EQ(Get(drawing, {"Project.ProjectName"}), name) << "round " << round;
    ASSERT_EQ(Get(drawing, {"Project.Designer"}), designer) << "round " << round;
  }
}

TEST_F(SharedFolder, AWriterGivesUpOnADrawingHeldTooLong) {
  const std::string drawing = NewDrawing("d.pndwg", {"-m", "reinf"});
  const std::string before = ReadText(drawing);
  const int holder = ::open(drawing.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);
  struct Case {
    const char* wait;
    const char* message;
  };
  const Case cases[] = {
      {"0.2", "is being changed by another writer; gave up after 0.2 s (KOVTSET_LOCK_WAIT sets the wait)"},
      {"soon", "KOVTSET_LOCK_WAIT must be a number of seconds from 0 to 86400, not 'soon'"},
      {"-1", "not '-1'"},
  };
  for (const Case& c : cases) {
    const ScopedEnv wait("KOVTSET_LOCK_WAIT", c.wait);
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"set", drawing, "Project.ProjectName", "late"},
          std::vector<std::string>{"copy", drawing, drawing}, std::vector<std::string>{"sets", "add", drawing, "Late"}}) {
      const RunResult result = Run(command);
      EXPECT_EQ(result.exitCode, 1) << command[0];
      EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
  }
  // Readers do not wait.
  EXPECT_EQ(Get(drawing, {"Project.ProjectName"}), "");
  ::close(holder);
  EXPECT_EQ(ReadText(drawing), before);
}

TEST_F(SharedFolder, WritersKilledMidSaveLeaveTheDrawingWholeAndNoDebris) {
  const std::string drawing = NewDrawing("d.pndwg", {"-m", "reinf"});
  const std::string source = NewDrawing("template.pndwg");
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
      saving = HasTemporary();
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
