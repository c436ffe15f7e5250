#include "platform/detail/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/detail/unique_fd.h"

namespace kovt_platform {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinks = 40;
constexpr std::size_t kRandomLength = 12;
// Keeps prefix and random part within the 255 bytes a file name may have.
constexpr std::size_t kMaxNameInTemporary = 200;

std::size_t g_failAfter = SIZE_MAX;
SaveBatch* g_batch = nullptr;

std::string Why(const std::string& step) { return step + ": " + std::strerror(errno); }

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether `name` in `folder` is still the file open as `fd`.
bool StillNamed(int folder, const std::string& name, int fd) {
  struct stat named {}, opened {};
  return ::fstat(fd, &opened) == 0 && ::fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
         SameFile(named, opened);
}

// `path` with the symbolic links at its end followed to the file they lead to
// (which need not exist yet).
bool FollowLinks(fs::path& path, std::string& error) {
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
    std::error_code ec;
    const fs::path to = fs::read_symlink(path, ec);
    if (ec) {
      error = "cannot read the link " + path.string() + ": " + ec.message();
      return false;
    }
    path = to.is_absolute() ? to : path.parent_path() / to;
  }
  error = "too many symbolic links lead on from it";
  return false;
}

constexpr std::string_view kAlphabet = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::string_view kTemporaryMark = ".kovtsave-";

// Temporaries of `name` are this prefix and kRandomLength random letters.
std::string TemporaryPrefix(const std::string& name) {
  return "." + name.substr(0, kMaxNameInTemporary) + std::string(kTemporaryMark);
}

// A temporary of any file: "." name kTemporaryMark and the random letters.
bool IsTemporary(std::string_view name) {
  if (name.size() < 2 + kTemporaryMark.size() + kRandomLength || name.front() != '.') return false;
  const std::size_t random = name.size() - kRandomLength;
  return name.substr(random - kTemporaryMark.size(), kTemporaryMark.size()) == kTemporaryMark &&
         name.find_first_not_of(kAlphabet, random) == std::string_view::npos;
}

bool RandomLetters(std::string& letters) {
  unsigned char bytes[kRandomLength];
  ssize_t got = 0;
  do got = ::getrandom(bytes, sizeof bytes, 0);
  while (got < 0 && errno == EINTR);
  if (got != static_cast<ssize_t>(sizeof bytes)) return false;
  letters.clear();
  for (unsigned char byte : bytes) letters += kAlphabet[byte % kAlphabet.size()];
  return true;
}

// A writer holds its temporary's lock from creating it until it is renamed or
// removed, so a temporary whose lock is free was left by a writer that died.
void RemoveIfAbandoned(int folder, const std::string& name) {
  struct stat named {};
  if (::fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode)) return;
  const UniqueFd file(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (file.Get() < 0 || ::flock(file.Get(), LOCK_EX | LOCK_NB) != 0) return;
  // Removing another user's debris is a courtesy: failing to is no reason to fail a save.
  if (StillNamed(folder, name, file.Get())) ::unlinkat(folder, name.c_str(), 0);
}

void RemoveAbandonedTemporaries(int folder) {
  const int listing = ::dup(folder);
  DIR* dir = listing >= 0 ? ::fdopendir(listing) : nullptr;
  if (dir == nullptr) {
    if (listing >= 0) ::close(listing);
    return;
  }
  ::rewinddir(dir);
  std::vector<std::string> found;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (IsTemporary(name)) found.emplace_back(name);
  }
  ::closedir(dir);
  for (const std::string& name : found) RemoveIfAbandoned(folder, name);
}

// A new temporary in `folder`, locked; -1 with error set on failure.
int CreateTemporary(int folder, const fs::path& folderPath, const std::string& prefix, std::string& name,
                    std::string& error) {
  const std::string where = "cannot create a temporary file in " + folderPath.string();
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::string letters;
    if (!RandomLetters(letters)) {
      error = Why(where);
      return -1;
    }
    name = prefix + letters;
    UniqueFd file(::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (file.Get() < 0) {
      if (errno == EEXIST) continue;
      error = Why(where);
      return -1;
    }
    const bool locked = ::flock(file.Get(), LOCK_EX | LOCK_NB) == 0;
    if (!locked && errno != EWOULDBLOCK) {
      error = Why(where);
      ::unlinkat(folder, name.c_str(), 0);
      return -1;
    }
    // Otherwise a sweeper locked it first and removes the name: try another.
    if (locked && StillNamed(folder, name, file.Get())) return file.Release();
  }
  errno = EEXIST;
  error = Why(where);
  return -1;
}

// Root passes any access check; a file without any write permission is still
// taken as one meant to stay as it is.
bool MayReplace(int folder, const std::string& name, const struct stat& file, std::string& error) {
  if (::faccessat(folder, name.c_str(), W_OK, AT_EACCESS) != 0) {
    error = Why("may not be written");
    return false;
  }
  if ((file.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    error = "may not be written: it is read-only";
    return false;
  }
  return true;
}

bool KeepAttributes(int fd, const struct stat& file, std::string& error) {
  // Only root may give a file away; a user who cannot keeps at least the
  // group, else the file becomes theirs as with any save by replacement.
  const bool owned = ::fchown(fd, file.st_uid, file.st_gid) == 0 || ::fchown(fd, static_cast<uid_t>(-1), file.st_gid) == 0;
  static_cast<void>(owned);
  // After the owner, whose change clears set-id bits.
  if (::fchmod(fd, file.st_mode & 07777) != 0) {
    error = Why("cannot give the new file its permissions");
    return false;
  }
  return true;
}

bool WriteAll(int fd, std::span<const std::string_view> pieces, std::size_t failAfter, std::string& error) {
  std::size_t total = 0;
  for (std::string_view piece : pieces) total += piece.size();
  const bool cut = total > failAfter;
  std::vector<iovec> left;
  std::size_t room = failAfter;
  for (std::string_view piece : pieces) {
    piece = piece.substr(0, room);
    room -= piece.size();
    if (!piece.empty()) left.push_back({const_cast<char*>(piece.data()), piece.size()});
  }
  std::size_t next = 0;
  while (next < left.size()) {
    const int count = static_cast<int>(std::min<std::size_t>(left.size() - next, IOV_MAX));
    const ssize_t n = ::writev(fd, left.data() + next, count);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = Why("cannot write");
      return false;
    }
    // Past what was written; a piece written in part starts later.
    auto done = static_cast<std::size_t>(n);
    for (; next < left.size() && done >= left[next].iov_len; ++next) done -= left[next].iov_len;
    if (done > 0) {
      left[next].iov_base = static_cast<char*>(left[next].iov_base) + done;
      left[next].iov_len -= done;
    }
  }
  if (cut) {
    errno = ENOSPC;
    error = Why("cannot write");
    return false;
  }
  if (::fsync(fd) != 0) {
    error = Why("cannot flush");
    return false;
  }
  return true;
}

// Makes the renames done in the folder outlast a power cut.
bool FlushFolder(int folder, const fs::path& folderPath, std::string& error) {
  // EINVAL: a file system without folder flushes.
  if (::fsync(folder) != 0 && errno != EINVAL) {
    error = Why("saved, but the folder " + folderPath.string() + " cannot be flushed");
    return false;
  }
  return true;
}

}  // namespace

void FailNextReplaceAfter(std::size_t bytes) { g_failAfter = bytes; }

bool ReplaceFileContents(const fs::path& target, std::string_view contents, std::string& error) {
  return ReplaceFileContents(target, std::span<const std::string_view>(&contents, 1), error);
}

bool ReplaceFileContents(const fs::path& target, std::span<const std::string_view> pieces, std::string& error) {
  const std::size_t failAfter = std::exchange(g_failAfter, SIZE_MAX);
  fs::path file = target;
  if (!FollowLinks(file, error)) return false;
  const std::string name = file.filename().string();
  if (name.empty() || name == "." || name == "..") {
    error = "it names no file";
    return false;
  }
  const fs::path folderPath = file.has_parent_path() ? file.parent_path() : fs::path(".");
  const UniqueFd folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.Get() < 0) {
    error = Why("cannot open the folder " + folderPath.string());
    return false;
  }
  struct stat existing {};
  const bool exists = ::fstatat(folder.Get(), name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
  if (!exists && errno != ENOENT) {
    error = Why("cannot examine it");
    return false;
  }
  if (exists && !S_ISREG(existing.st_mode)) {
    error = "it is not a regular file";
    return false;
  }
  if (exists && !MayReplace(folder.Get(), name, existing, error)) return false;

  struct stat folderStat {};
  if (g_batch == nullptr || ::fstat(folder.Get(), &folderStat) != 0 ||
      !g_batch->Swept(folderStat.st_dev, folderStat.st_ino))
    RemoveAbandonedTemporaries(folder.Get());
  const std::string prefix = TemporaryPrefix(name);
  std::string temporary;
  // Closed only after the rename: its lock keeps sweepers away until then,
  // and fsync has reported any write error close could.
  const UniqueFd out(CreateTemporary(folder.Get(), folderPath, prefix, temporary, error));
  if (out.Get() < 0) return false;
  bool ok = (!exists || KeepAttributes(out.Get(), existing, error)) && WriteAll(out.Get(), pieces, failAfter, error);
  if (ok && ::renameat(folder.Get(), temporary.c_str(), folder.Get(), name.c_str()) != 0) {
    error = Why("cannot replace it");
    ok = false;
  }
  if (!ok) {
    ::unlinkat(folder.Get(), temporary.c_str(), 0);
    return false;
  }
  // In a batch the folder is owed a flush, whoever saved here.
  if (g_batch != nullptr) {
    g_batch->m_folders.try_emplace(folderPath, 0);
    return true;
  }
  return FlushFolder(folder.Get(), folderPath, error);
}

SaveBatch::SaveBatch() { g_batch = this; }

// A batch that ends by an exception still makes what it saved durable; the
// exception is what its owner reports.
SaveBatch::~SaveBatch() {
  g_batch = nullptr;
  Flush();
}

bool SaveBatch::Swept(dev_t device, ino_t inode) {
  const std::pair<dev_t, ino_t> folder{device, inode};
  if (std::find(m_swept.begin(), m_swept.end(), folder) != m_swept.end()) return true;
  m_swept.push_back(folder);
  return false;
}

void SaveBatch::Replaced(const fs::path& target) {
  fs::path file = target;
  std::string error;
  // A link that cannot be followed now was followed by the save: its own folder is the best guess.
  if (!FollowLinks(file, error)) file = target;
  ++m_folders[file.has_parent_path() ? file.parent_path() : fs::path(".")];
}

std::vector<SaveBatch::Unflushed> SaveBatch::Flush() {
  std::vector<Unflushed> unflushed;
  for (const auto& [path, files] : m_folders) {
    std::string error;
    const UniqueFd folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() < 0) error = Why("saved, but the folder " + path.string() + " cannot be opened to flush it");
    if (!error.empty() || !FlushFolder(folder.Get(), path, error)) unflushed.push_back({error, files});
  }
  m_folders.clear();
  return unflushed;
}

}  // namespace kovt_platform
