// Replacing a whole file so that readers see either the old or the new
// contents, never part of one, safely in folders other people write to too.
// Used by the registry hives, the host's drawing saves and kovtset.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kovt_platform {

// Writes contents to a new temporary file beside target, flushes it, renames
// it over target and flushes the folder, so a completed save outlasts a power
// cut. A target that is a symbolic link stays one: the file it leads to is
// replaced. An existing file keeps its mode, owner and group (the owner only
// where the user may give files away), and is refused when the user may not
// write it or when it has no write permission at all, which even root heeds.
// The temporary is created exclusively under an unpredictable name, never
// through a link, and stays locked while in use; temporaries in the folder
// whose writer died (killed mid-save) are removed on the next replacement
// there (within a SaveBatch, on the batch's first replacement there).
// On failure target is untouched, no temporary is left and error says why
// (a phrase for after the file's name).
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view contents, std::string& error);
// The same with the contents given as pieces, written in order and with as
// few calls as the system allows, never gathered into one buffer.
bool ReplaceFileContents(const std::filesystem::path& target, std::span<const std::string_view> pieces,
                         std::string& error);

// While one lives, replacements (in this process and in processes it forks)
// leave their folder unflushed and sweep each folder once: a batch of saves
// into one folder of n files then costs O(n), not O(n^2), and one folder flush
// instead of n. Each replacement stays atomic; it is durable once Flush has
// flushed its folder, which the batch's owner does before it reports success.
class SaveBatch {
 public:
  SaveBatch();
  ~SaveBatch();
  SaveBatch(const SaveBatch&) = delete;
  SaveBatch& operator=(const SaveBatch&) = delete;

  // Notes that target was replaced, by this process or a forked one; a
  // replacement by this process owes its folder a flush without it.
  void Replaced(const std::filesystem::path& target);
  // A folder that could not be flushed and how many of the files noted are in it.
  struct Unflushed {
    std::string error;
    std::size_t files;
  };
  // Flushes the folder of every file noted, each once.
  std::vector<Unflushed> Flush();

 private:
  friend bool ReplaceFileContents(const std::filesystem::path&, std::span<const std::string_view>, std::string&);
  // Whether the folder (device and inode) is swept already; marks it so.
  bool Swept(dev_t device, ino_t inode);

  std::vector<std::pair<dev_t, ino_t>> m_swept;
  // Each folder owed a flush and how many of the files noted are in it.
  std::map<std::filesystem::path, std::size_t> m_folders;
};

// For tests: the next replacement writes only `bytes` bytes and then fails as
// on a full disk.
void FailNextReplaceAfter(std::size_t bytes);

}  // namespace kovt_platform
