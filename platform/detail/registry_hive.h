// Internal to kovt_platform: the root hives, each kept in one .reg file and
// cached in memory while the file's contents stay the same. Not synchronised: the
// registry functions call it under their own lock.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/detail/registry_tree.h"

namespace kovt_platform {

enum class HiveRoot { CurrentUser, LocalMachine };

std::wstring_view HiveRootName(HiveRoot root);
// Where the hive lives now (KOVT_REGISTRY_DIR or XDG); empty when unknown.
std::filesystem::path HiveFile(HiveRoot root);

class HiveStore {
 public:
  // Runs action on the hive as its file holds it now; ERROR_BADDB when the
  // file cannot be read (action not run).
  LONG Read(HiveRoot root, const std::function<LONG(const RegKey&)>& action);
  // Same, under the folder lock, then saves the hive when action set changed
  // (ERROR_CANTWRITE if that fails, and the change is forgotten).
  LONG Modify(HiveRoot root, const std::function<LONG(RegKey&, bool& changed)>& action);

  const std::string& LastError() const { return lastError_; }
  void DiscardCache();

 private:
  struct Hive {
    std::filesystem::path file;
    std::string text;  // the file's contents the tree was parsed from
    std::unique_ptr<RegKey> tree;
    std::string reportedError;  // printed once, until it changes
  };

  // The hive's tree, read again when the file's contents differ from the
  // cached ones; null (and lastError_ set) when it cannot be read.
  RegKey* Load(HiveRoot root);

  Hive hives_[2];
  std::string lastError_;
};

HiveStore& Hives();

}  // namespace kovt_platform
