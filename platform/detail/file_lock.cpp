#include "platform/detail/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

namespace kovt_platform {

namespace {

constexpr std::chrono::milliseconds kPoll{5};

}  // namespace

FileLock::Result FileLock::Lock(const std::filesystem::path& file, std::chrono::milliseconds wait, std::string& error) {
  Unlock();
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
      error = std::strerror(errno);
      return Result::Failed;
    }
    // Polled rather than blocking so that the wait is bounded.
    while (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
      const auto now = std::chrono::steady_clock::now();
      if (errno != EWOULDBLOCK && errno != EINTR) {
        error = std::strerror(errno);
        return Result::Failed;
      }
      if (now >= deadline) return Result::Busy;
      std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(kPoll, deadline - now));
    }
    // A file replaced while this one waited is locked only through its old
    // contents: take the lock of the file now under the name instead.
    struct stat held {}, named {};
    if (::fstat(fd.Get(), &held) == 0 && ::stat(file.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
        held.st_ino == named.st_ino) {
      fd_ = std::move(fd);
      return Result::Locked;
    }
  }
}

}  // namespace kovt_platform
