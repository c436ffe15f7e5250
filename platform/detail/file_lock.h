// An exclusive lock on a file for one read-modify-write, among processes that
// lock it this way. The file itself is locked (nothing is left beside it), and
// the lock stays good across ReplaceFileContents: a waiter that gets the lock
// of a file replaced meanwhile moves on to the file now under the name.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/detail/unique_fd.h"

namespace kovt_platform {

class FileLock {
 public:
  enum class Result { Locked, Busy, Failed };

  // Locks `file` (symbolic links followed), waiting up to `wait` while another
  // holds it: Busy when the wait ran out, Failed with error set (the system's
  // reason) when the file cannot be opened or locked.
  Result Lock(const std::filesystem::path& file, std::chrono::milliseconds wait, std::string& error);
  void Unlock() { fd_.Reset(); }

 private:
  UniqueFd fd_;
};

}  // namespace kovt_platform
