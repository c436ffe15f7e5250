#include "platform/detail/registry_hive.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <iterator>

#include "platform/detail/atomic_file.h"
#include "platform/detail/registry_text.h"
#include "platform/detail/xdg_dirs.h"

namespace kovt_platform {

namespace {

// Reads the whole file; a missing file reads as empty.
bool ReadFile(const std::filesystem::path& file, std::string& text, std::string& error) {
  text.clear();
  std::error_code ec;
  const auto status = std::filesystem::status(file, ec);
  if (status.type() == std::filesystem::file_type::not_found) return true;
  if (ec || status.type() != std::filesystem::file_type::regular) {
    error = file.string() + ": not a readable file";
    return false;
  }
  std::ifstream in(file, std::ios::binary);
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in.is_open() || in.bad()) {
    error = file.string() + ": cannot read";
    return false;
  }
  return true;
}

// Holds an exclusive lock on a folder for as long as it lives.
class FolderLock {
 public:
  explicit FolderLock(const std::filesystem::path& folder)
      : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
      ::close(fd_);
      fd_ = -1;
    }
  }
  ~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_;
};

}  // namespace

std::wstring_view HiveRootName(HiveRoot root) {
  return root == HiveRoot::CurrentUser ? L"HKEY_CURRENT_USER" : L"HKEY_LOCAL_MACHINE";
}

std::filesystem::path HiveFile(HiveRoot root) {
  auto folder = EnvironmentPath("KOVT_REGISTRY_DIR");
  if (folder.empty()) {
    const auto base = root == HiveRoot::CurrentUser ? XdgConfigHome() : XdgDataHome();
    if (base.empty()) return {};
    folder = base / "kovt" / "registry";
  }
  return folder / (root == HiveRoot::CurrentUser ? "HKEY_CURRENT_USER.reg" : "HKEY_LOCAL_MACHINE.reg");
}

RegKey* HiveStore::Load(HiveRoot root) {
  Hive& hive = hives_[static_cast<int>(root)];
  const auto file = HiveFile(root);
  if (file.empty()) {
    lastError_ = "no folder for the registry: set HOME or KOVT_REGISTRY_DIR";
    return nullptr;
  }
  std::string text;
  std::string error;
  if (ReadFile(file, text, error)) {
    if (hive.tree && hive.file == file && hive.text == text) return hive.tree.get();
    if (auto tree = ParseRegText(text, HiveRootName(root), error)) {
      hive = Hive{file, std::move(text), std::move(tree), {}};
      return hive.tree.get();
    }
    error = file.string() + ": " + error;
  }
  hive.tree.reset();
  lastError_ = error;
  if (hive.reportedError != error) {
    hive.reportedError = error;
    std::cerr << "kovt registry: cannot use " << error << " (the file is left as it is)\n";
  }
  return nullptr;
}

LONG HiveStore::Read(HiveRoot root, const std::function<LONG(const RegKey&)>& action) {
  const RegKey* tree = Load(root);
  return tree ? action(*tree) : ERROR_BADDB;
}

LONG HiveStore::Modify(HiveRoot root, const std::function<LONG(RegKey&, bool& changed)>& action) {
  const auto file = HiveFile(root);
  if (file.empty()) {
    lastError_ = "no folder for the registry: set HOME or KOVT_REGISTRY_DIR";
    return ERROR_CANTWRITE;
  }
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  const FolderLock lock(file.parent_path());
  if (ec || !lock.Held()) {
    lastError_ = file.parent_path().string() + ": cannot create or lock the folder";
    return ERROR_CANTWRITE;
  }
  RegKey* tree = Load(root);
  if (!tree) return ERROR_BADDB;
  bool changed = false;
  const LONG result = action(*tree, changed);
  if (!changed) return result;
  Hive& hive = hives_[static_cast<int>(root)];
  std::string text = FormatRegText(*tree);
  std::string error;
  if (!ReplaceFileContents(file, text, error)) {
    hive.tree.reset();
    lastError_ = file.string() + ": " + error;
    return ERROR_CANTWRITE;
  }
  hive.text = std::move(text);
  return result;
}

void HiveStore::DiscardCache() {
  for (auto& hive : hives_) hive = Hive{};
}

HiveStore& Hives() {
  static HiveStore store;
  return store;
}

}  // namespace kovt_platform
