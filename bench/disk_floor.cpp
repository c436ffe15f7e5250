// The least a program that rewrites files in place must do, as a yardstick
// for `kovtset copy`: each file given is read whole, written to a new
// temporary file beside it, flushed to the disk and renamed over it.
//
//   disk_floor FILE...
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool Fail(const std::string& file, const char* step) {
  std::fprintf(stderr, "disk_floor: %s: %s: %s\n", file.c_str(), step, std::strerror(errno));
  return false;
}

bool ReadAll(int fd, std::vector<char>& bytes) {
  bytes.clear();
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
}

bool WriteAll(int fd, const std::vector<char>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) return false;
    done += static_cast<std::size_t>(put);
  }
  return true;
}

bool Rewrite(const std::string& file, std::vector<char>& bytes) {
  const int in = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return Fail(file, "open");
  const bool read = ReadAll(in, bytes);
  ::close(in);
  if (!read) return Fail(file, "read");
  const std::string temporary = file + ".floor";
  const int out = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (out < 0) return Fail(temporary, "create");
  const bool written = WriteAll(out, bytes) && ::fsync(out) == 0;
  ::close(out);
  if (written && ::rename(temporary.c_str(), file.c_str()) == 0) return true;
  Fail(temporary, written ? "rename" : "write");
  ::unlink(temporary.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<char> bytes;
  for (int i = 1; i < argc; ++i)
    if (!Rewrite(argv[i], bytes)) return 1;
  return 0;
}
