#include "platform/detail/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace kovt_platform {

namespace {

std::string Describe(const std::filesystem::path& path, const char* step) {
  return path.string() + ": " + step + ": " + std::strerror(errno);
}

bool WriteAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t n = ::write(fd, contents.data(), contents.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    contents.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

bool ReplaceFileContents(const std::filesystem::path& target, std::string_view contents, std::string& error) {
  std::error_code ec;
  if (target.has_parent_path()) {
    std::filesystem::create_directories(target.parent_path(), ec);
    if (ec) {
      error = target.parent_path().string() + ": cannot create folder: " + ec.message();
      return false;
    }
  }
  std::string temp = target.string() + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    error = Describe(temp, "cannot create temporary file");
    return false;
  }
  // mkstemp makes the file private; the result is an ordinary user file.
  ::fchmod(fd, 0644);
  bool ok = WriteAll(fd, contents);
  if (!ok) error = Describe(temp, "cannot write");
  if (ok && ::fsync(fd) != 0) {
    error = Describe(temp, "cannot flush");
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    error = Describe(temp, "cannot close");
    ok = false;
  }
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    error = Describe(target, "cannot replace");
    ok = false;
  }
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

}  // namespace kovt_platform
