#include "tests/tools/kovtset_run.h"

#include <fcntl.h>
#include <pty.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

extern char** environ;

namespace {

// The program and `args` as execve takes them; `args` must outlive the answer.
std::vector<char*> ArgvOf(std::vector<std::string>& args) {
  args.insert(args.begin(), KOVTSET_PROGRAM);
  std::vector<char*> pointers;
  for (std::string& arg : args) pointers.push_back(arg.data());
  pointers.push_back(nullptr);
  return pointers;
}

int ExitCodeOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }

// The runs' standard streams, apart from the drawings the tests look at.
constexpr const char* kRunFolder = ".run";

}  // namespace

std::string KovtsetTest::RunFile(const char* stream, int slot) const {
  return (Folder() / kRunFolder / (std::string(stream) + "-" + std::to_string(slot))).string();
}

pid_t KovtsetTest::Start(std::vector<std::string> args, int slot, const std::string& input) const {
  const std::string in = RunFile("stdin", slot), out = RunFile("stdout", slot), err = RunFile("stderr", slot);
  WriteText(in, input);
  std::vector<char*> pointers = ArgvOf(args);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = 0;
  if (posix_spawn(&pid, pointers[0], &actions, nullptr, pointers.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

RunResult KovtsetTest::Finish(pid_t pid, int slot) const {
  RunResult result;
  int status = 0;
  if (pid > 0 && waitpid(pid, &status, 0) == pid) result.exitCode = ExitCodeOf(status);
  result.out = ReadText(RunFile("stdout", slot));
  result.err = ReadText(RunFile("stderr", slot));
  return result;
}

RunResult KovtsetTest::Run(const std::vector<std::string>& args, const std::string& input) const {
  return Finish(Start(args, 0, input), 0);
}

RunResult KovtsetTest::RunOnTerminal(std::vector<std::string> args) const {
  std::vector<char*> pointers = ArgvOf(args);
  int terminal = -1;
  const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
  RunResult result;
  result.exitCode = kNoTerminal;
  if (pid < 0) return result;
  if (pid == 0) {
    ::execve(pointers[0], pointers.data(), environ);
    ::_exit(127);
  }
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(terminal, buffer, sizeof buffer);
    if (got > 0) {
      result.out.append(buffer, static_cast<std::size_t>(got));
    } else if (got < 0 && errno == EINTR) {
      continue;
    } else {
      break;  // EIO once the program has closed its side
    }
  }
  ::close(terminal);
  int status = 0;
  waitpid(pid, &status, 0);
  result.exitCode = ExitCodeOf(status);
  return result;
}

std::vector<std::string> KovtsetTest::FolderEntries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(Folder()))
    if (entry.path().filename() != kRunFolder) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

RunResult KovtsetTest::Ok(const std::vector<std::string>& args) const {
  RunResult result = Run(args);
  EXPECT_EQ(result.exitCode, 0) << "kovtset " << ::testing::PrintToString(args) << "\n" << result.err;
  return result;
}
