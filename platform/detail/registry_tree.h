// Internal to kovt_platform: the in-memory tree of one registry hive.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/windows.h"

namespace kovt_platform {

struct RegValue {
  std::wstring name;  // empty: the default value
  DWORD type = 0;
  std::vector<BYTE> data;
};

// Levels of keys below a hive's root, at most: Windows's own limit. Deeper
// nesting in a file is damage; it would make the text form grow with the
// square of the depth.
inline constexpr std::size_t kMaxKeyDepth = 512;

class RegKey {
 public:
  explicit RegKey(std::wstring name) : name_(std::move(name)) {}
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  // Without recursion, whatever the depth below.
  ~RegKey();

  const std::wstring& Name() const { return name_; }

  RegKey* FindChild(std::wstring_view name) const;
  // The existing child of that name, or a new one; created tells which.
  RegKey& Child(std::wstring_view name, bool& created);
  bool RemoveChild(std::wstring_view name);
  // In name order, ignoring case.
  std::vector<const RegKey*> Children() const;
  bool HasChildren() const { return !children_.empty(); }

  const RegValue* FindValue(std::wstring_view name) const;
  // Replaces a value of the same name in place, keeping its position.
  void SetValue(RegValue value);
  bool RemoveValue(std::wstring_view name);
  // In the order they were created.
  const std::vector<RegValue>& Values() const { return values_; }

 private:
  std::wstring name_;
  std::map<std::wstring, std::unique_ptr<RegKey>> children_;  // by folded name
  std::vector<RegValue> values_;
};

}  // namespace kovt_platform
