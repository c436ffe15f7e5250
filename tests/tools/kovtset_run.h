// Running kovtset as a subprocess on drawings in a scratch folder.
#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/platform/scratch.h"

struct RunResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline constexpr int kNoTerminal = -1;

class KovtsetTest : public ::testing::Test {
 protected:
  // Runs the program with `args`, standard input read from `input`.
  RunResult Run(const std::vector<std::string>& args, const std::string& input = "") const;
  // Starts it without waiting; each `slot` has its own output files, so that
  // runs in different slots may overlap. Finish waits and collects the output.
  pid_t Start(std::vector<std::string> args, int slot, const std::string& input = "") const;
  RunResult Finish(pid_t pid, int slot) const;
  // Runs it with a terminal for its standard output and error; `out` holds
  // both as the terminal received them. The exit code is kNoTerminal when no
  // pseudo-terminal could be had.
  RunResult RunOnTerminal(std::vector<std::string> args) const;
  // Runs it and fails the test unless it exits with 0.
  RunResult Ok(const std::vector<std::string>& args) const;
  std::string File(const std::string& name) const { return (m_scratch.Path() / name).string(); }
  const std::filesystem::path& Folder() const { return m_scratch.Path(); }
  // The files in Folder() other than the runs' own, sorted.
  std::vector<std::string> FolderEntries() const;

 private:
  std::string RunFile(const char* stream, int slot) const;

  ScratchDir m_scratch;
};
