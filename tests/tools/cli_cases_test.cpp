// kovtset runs listed in data/cli_cases.txt: each case a sequence of command
// lines with the exit code and output each must give.
#include <fcntl.h>
#include <sys/file.h>

#include <libdeflate.h>

#include <algorithm>
#include <map>
#include <memory>
#include <sstream>
#include <thread>

#include "platform/detail/unique_fd.h"
#include "tests/support/golden_rows.h"
#include "tests/tools/kovtset_run.h"

namespace {

using kovt_platform::UniqueFd;

class CliCases : public KovtsetTest {
 protected:
  // "@name" stands for the case's own file of that name (letters, digits, '.',
  // '/' and any byte beyond ASCII), "@example" for the bundled example drawing.
  std::string Expand(std::string text, const std::string& prefix) const {
    for (std::size_t at; (at = text.find('@')) != std::string::npos;) {
      std::size_t end = at + 1;
      for (unsigned char c; end < text.size() && (std::isalnum(c = text[end]) || c == '.' || c == '/' || c >= 0x80);)
        ++end;
      const std::string name = text.substr(at + 1, end - at - 1);
      text.replace(at, end - at, name == "example" ? std::string(KOVTSET_EXAMPLE) : File(prefix + name));
    }
    return text;
  }
  // "{N*text}" stands for N copies of the text, a '#' in them for the copy's
  // number counted from one.
  static std::string Repeated(std::string text) {
    for (std::size_t at = 0; (at = text.find('{', at)) != std::string::npos; ++at) {
      const std::size_t star = text.find_first_not_of("0123456789", at + 1);
      if (star == at + 1 || star == std::string::npos || text[star] != '*') continue;
      const std::size_t end = text.find('}', star);
      const std::string part = text.substr(star + 1, end - star - 1);
      std::string copies;
      for (int n = 1; n <= std::stoi(text.substr(at + 1, star - at - 1)); ++n) {
        std::string copy = part;
        if (const std::size_t hash = copy.find('#'); hash != std::string::npos)
          copy.replace(hash, 1, std::to_string(n));
        copies += copy;
      }
      text.replace(at, end + 1 - at, copies);
      at += copies.size() - 1;
    }
    return text;
  }
  // `bytes` with `with` written `skip` bytes after the end of the nth (from 0)
  // `marker`, and the checksum closing a drawing made right again.
  static std::string Patched(std::string bytes, const std::string& marker, int nth, long skip,
                             const std::string& with) {
    std::size_t at = bytes.find(marker);
    for (; nth > 0 && at != std::string::npos; --nth) at = bytes.find(marker, at + 1);
    if (at == std::string::npos) {
      ADD_FAILURE() << "no such marker";
      return bytes;
    }
    bytes.replace(at + marker.size() + static_cast<std::size_t>(skip), with.size(), with);
    const std::uint32_t crc = libdeflate_crc32(0, bytes.data(), bytes.size() - 4);
    for (int i = 0; i < 4; ++i) bytes[bytes.size() - 4 + i] = static_cast<char>(crc >> (8 * i));
    return bytes;
  }
  // "*" takes anything, "+" anything but nothing, "=text" the text alone,
  // "^text" a start, "~text" a part, "!text" anything without it and "<file"
  // the contents of the file.
  static void ExpectOutput(const std::string& output, const std::string& expected, const char* stream) {
    const std::string text = expected.empty() ? "" : expected.substr(1);
    switch (expected.empty() ? '*' : expected[0]) {
      case '*': return;
      case '+': EXPECT_FALSE(output.empty()) << stream; return;
      case '=': EXPECT_EQ(output, text) << stream; return;
      case '^': EXPECT_EQ(output.rfind(text, 0), 0u) << stream << ": " << output; return;
      case '~': EXPECT_NE(output.find(text), std::string::npos) << stream << ": " << output; return;
      case '!': EXPECT_EQ(output.find(text), std::string::npos) << stream << ": " << output; return;
      case '<': EXPECT_EQ(output, ReadText(text)) << stream; return;
      default: ADD_FAILURE() << "bad expectation " << expected;
    }
  }
};

// Rows: case, arguments separated by '|', exit code, standard output, standard
// error. Pseudo commands: "!write|file|text" (see Repeated), "!half|from|to"
// (the first half of a file), "!patch|from|to|marker|n|skip|bytes" (see
// Patched), "!mkdir|folder", "!keep|file" and "!same|file" (unchanged since
// kept), "!stdin|text" (input of the next run), "!files" (the case's files,
// one a line, as output), "!terminal|arguments" (a run on a terminal, its
// standard output and error as output), "!link|name|target", "!chmod|file|octal mode",
// "!stat|file" ("link" or the octal mode, as output), "!env|name|value" (for
// the rest of the case), and "!lock|file" and "!unlock|file" (as another
// writer holds it; "!lock|file|seconds" lets go after that long).
TEST_F(CliCases, EveryListedRunGivesItsExitCodeAndOutput) {
  std::map<std::string, std::string> kept;
  std::map<std::string, std::unique_ptr<ScopedEnv>> environment;
  std::map<std::string, UniqueFd> locks;
  std::vector<std::jthread> releases;
  std::string input, current;
  for (const GoldenRow& row : ReadGoldenRows("tools/data/cli_cases.txt", 5)) {
    const std::string name = Unescaped(row[0]), prefix = name + "-";
    if (name != current) {
      current = name;
      environment.clear();
      locks.clear();
    }
    std::vector<std::string> args;
    for (std::string all = Unescaped(row[1]) + "|"; !all.empty(); all.erase(0, all.find('|') + 1))
      args.push_back(Expand(all.substr(0, all.find('|')), prefix));
    if (args == std::vector<std::string>{""}) args.clear();
    const std::string line = name + ": " + Unescaped(row[1]);
    SCOPED_TRACE(line);
    if (args.size() > 1 && args[0] == "!write") {
      WriteText(args[1], args.size() > 2 ? Repeated(args[2]) : "");
    } else if (args.size() > 2 && args[0] == "!half") {
      const std::string bytes = ReadText(args[1]);
      WriteText(args[2], bytes.substr(0, bytes.size() / 2));
    } else if (args.size() > 6 && args[0] == "!patch") {
      WriteText(args[2], Patched(ReadText(args[1]), args[3], std::stoi(args[4]), std::stol(args[5]), args[6]));
    } else if (args.size() > 1 && args[0] == "!mkdir") {
      std::filesystem::create_directories(args[1]);
    } else if (args.size() > 1 && args[0] == "!keep") {
      kept[args[1]] = ReadText(args[1]);
    } else if (args.size() > 1 && args[0] == "!same") {
      EXPECT_EQ(ReadText(args[1]), kept[args[1]]);
    } else if (args.size() > 2 && args[0] == "!env") {
      environment[args[1]].reset();
      environment[args[1]] = std::make_unique<ScopedEnv>(args[1].c_str(), args[2]);
    } else if (args.size() > 1 && args[0] == "!lock") {
      UniqueFd lock(::open(args[1].c_str(), O_RDONLY | O_CLOEXEC));
      ASSERT_EQ(::flock(lock.Get(), LOCK_EX), 0);
      if (args.size() == 2) {
        locks[args[1]] = std::move(lock);
      } else {
        releases.emplace_back([held = std::move(lock), seconds = std::stod(args[2])] {
          std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        });
      }
    } else if (args.size() > 1 && args[0] == "!unlock") {
      locks.erase(args[1]);
    } else if (args.size() > 1 && args[0] == "!stdin") {
      input = args[1];
    } else if (args.size() > 2 && args[0] == "!link") {
      std::filesystem::create_symlink(args[2], args[1]);
    } else if (args.size() > 2 && args[0] == "!chmod") {
      std::filesystem::permissions(args[1], std::filesystem::perms(std::stoi(args[2], nullptr, 8)));
    } else if (args.size() > 1 && args[0] == "!stat") {
      const auto status = std::filesystem::symlink_status(args[1]);
      std::ostringstream mode;
      mode << std::oct << static_cast<int>(status.permissions()) << "\n";
      ExpectOutput(std::filesystem::is_symlink(status) ? "link\n" : mode.str(), Unescaped(row[3]), "stat");
    } else if (args.size() == 1 && args[0] == "!files") {
      std::string files;
      for (const std::string& entry : FolderEntries())
        if (entry.rfind(prefix, 0) == 0) files += entry.substr(prefix.size()) + "\n";
      ExpectOutput(files, Unescaped(row[3]), "files");
    } else if (args.size() > 1 && args[0] == "!terminal") {
      const RunResult result = RunOnTerminal({args.begin() + 1, args.end()});
      if (result.exitCode == kNoTerminal) continue;  // this machine gives no pseudo-terminal
      EXPECT_EQ(std::to_string(result.exitCode), Unescaped(row[2])) << result.out;
      ExpectOutput(result.out, Expand(Unescaped(row[3]), prefix), "terminal");
    } else {
      const RunResult result = Run(args, std::exchange(input, ""));
      EXPECT_EQ(std::to_string(result.exitCode), Unescaped(row[2])) << result.err;
      ExpectOutput(result.out, Expand(Unescaped(row[3]), prefix), "output");
      ExpectOutput(result.err, Expand(Unescaped(row[4]), prefix), "error");
    }
  }
}

}  // namespace
