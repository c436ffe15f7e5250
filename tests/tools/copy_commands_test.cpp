// copy: what the listed runs cannot say: the ids a copy moves, a template
// of a newer format, the progress bar on a terminal, and worker processes.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>

#include <libdeflate.h>

#include "tests/tools/kovtset_run.h"

namespace {

class CopyCommands : public KovtsetTest {
 protected:
  // A template with its own reinforcement value and a second, default set,
  // and a formwork project name.
  std::string Template() const {
    const std::string drawing = NewDrawing("template.pndwg", {"-m", "reinf", "-m", "formwork"});
    Ok({"set", drawing, "Norms.Reinforce", "Company norm"});
    Ok({"sets", "add", drawing, "Company"});
    Ok({"sets", "set-default", drawing, "Company"});
    Ok({"set", drawing, "-m", "formwork", "Project.ProjectName", "Tower B"});
    return drawing;
  }
  // The object id lines of the registry dump.
  std::string IdLines(const std::string& drawing) const {
    std::istringstream tree(Ok({"registry", drawing}).out);
    std::string lines;
    for (std::string line; std::getline(tree, line);)
      if (line.find(" (objectid) = ") != std::string::npos) lines += line + "\n";
    return lines;
  }
  // A template as a later version writes it: its first registry (that of the
  // reinforcement settings) filed in format 2.
  std::string NewerTemplate() const {
    std::string bytes = ReadText(NewDrawing("newer.pndwg"));
    const std::u16string keeper = u"KoVTPrjRegistryKeeper";
    const std::string name(reinterpret_cast<const char*>(keeper.data()), keeper.size() * 2);
    // After the class name: the record length (4 bytes), the owner item (9),
    // the tag of the version item (1), then the version.
    const std::size_t version = bytes.find(name) + name.size() + 4 + 9 + 1;
    EXPECT_EQ(bytes.substr(version, 2), std::string("\x01\x00", 2));
    bytes[version] = 2;
    const std::uint32_t crc = libdeflate_crc32(0, bytes.data(), bytes.size() - 4);
    for (int i = 0; i < 4; ++i) bytes[bytes.size() - 4 + i] = static_cast<char>(crc >> (8 * i));
    WriteText(File("newer.pndwg"), bytes);
    return File("newer.pndwg");
  }
};

// Ids of the template's linetypes name the targets' equal ones, which new
// drawings have at the same handles.
TEST_F(CopyCommands, TemplateIdsNameTheTargetsRecords) {
  const std::string source = Template();
  const std::string target = NewDrawing("steel.pndwg", {"-m", "steel"});
  Ok({"copy", source, target});
  const std::string ids = IdLines(source);
  EXPECT_NE(ids.find("Elev.Ending.EndingLineStyleId (objectid) = 7\n"), std::string::npos) << ids;
  EXPECT_EQ(IdLines(target), ids);
}

TEST_F(CopyCommands, ATemplateInANewerFormatIsRefusedBeforeAnyTarget) {
  const std::string source = NewerTemplate();
  const RunResult shown = Run({"show", source});
  EXPECT_EQ(shown.exitCode, 1);
  EXPECT_NE(shown.err.find("reinforcement settings in a newer format"), std::string::npos) << shown.err;
  const std::string target = NewDrawing("target.pndwg", {"-m", "steel"});
  const std::string before = ReadText(target);
  const RunResult copied = Run({"copy", source, target});
  EXPECT_EQ(copied.exitCode, 1);
  EXPECT_NE(copied.err.find("reinforcement settings in a newer format"), std::string::npos) << copied.err;
  EXPECT_EQ(ReadText(target), before);
  // The modules it still keeps readable copy as before.
  Ok({"copy", source, target, "-m", "formwork"});
  EXPECT_EQ(Ok({"diff", source, target, "-m", "formwork"}).out, "");
}

TEST_F(CopyCommands, WorkerProcessesReportAsOneProcessDoes) {
  const std::string source = Template();
  const std::string plain = ReadText(NewDrawing("plain.pndwg", {"-m", "steel"}));
  // The held target is first and waits out its lock: workers finish later targets before it.
  const std::vector<std::string> names{"held", "a", "damaged", "b", "missing", "c", "d"};
  const ScopedEnv wait("KOVTSET_LOCK_WAIT", "0.3");
  std::vector<RunResult> results;
  std::vector<std::vector<std::string>> contents;
  for (const char* jobs : {"1", "3"}) {
    std::vector<std::string> args{"copy", "--jobs", jobs, source};
    for (const std::string& name : names) {
      args.push_back(File(name + ".pndwg"));
      if (name != "missing") WriteText(args.back(), name == "damaged" ? plain.substr(0, plain.size() / 2) : plain);
    }
    const int holder = ::open(File("held.pndwg").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    results.push_back(Run(args));
    ::close(holder);
    contents.emplace_back();
    for (const std::string& name : names)
      if (name != "missing") contents.back().push_back(ReadText(File(name + ".pndwg")));
  }
  EXPECT_EQ(results[0].exitCode, 1);
  EXPECT_NE(results[0].err.find("copying failed for 3 of 7 drawings"), std::string::npos) << results[0].err;
  EXPECT_EQ(results[1].exitCode, results[0].exitCode);
  EXPECT_EQ(results[1].out, results[0].out);
  EXPECT_EQ(results[1].err, results[0].err);
  EXPECT_EQ(contents[1], contents[0]);
  EXPECT_NE(contents[0][1], plain);
}

TEST_F(CopyCommands, ProgressBarOnlyOnATerminalAndForMoreThanOneDrawing) {
  const std::string source = Template();
  const std::string first = NewDrawing("a.pndwg", {"-m", "steel"});
  const std::string second = NewDrawing("b.pndwg", {"-m", "steel"});
  const RunResult shown = RunOnTerminal({"copy", source, first, File("missing.pndwg")});
  if (shown.exitCode == kNoTerminal) GTEST_SKIP() << "this machine gives no pseudo-terminal";
  EXPECT_EQ(shown.exitCode, 1);
  EXPECT_NE(shown.out.find("] 0/2"), std::string::npos) << shown.out;
  EXPECT_NE(shown.out.find("[########################################] 2/2"), std::string::npos) << shown.out;
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
