#include "platform/detail/registry_tree.h"

#include <algorithm>

#include "platform/detail/case_fold.h"

namespace kovt_platform {

RegKey::~RegKey() {
  // Each key's children are taken before it is deleted, so no destructor reaches below its own map.
  std::vector<std::unique_ptr<RegKey>> pending;
  auto takeChildren = [&pending](RegKey& key) {
    for (auto& [folded, child] : key.children_) pending.push_back(std::move(child));
    key.children_.clear();
  };
  takeChildren(*this);
  while (!pending.empty()) {
    std::unique_ptr<RegKey> key = std::move(pending.back());
    pending.pop_back();
    takeChildren(*key);
  }
}

RegKey* RegKey::FindChild(std::wstring_view name) const {
  const auto it = children_.find(FoldCase(name));
  return it == children_.end() ? nullptr : it->second.get();
}

RegKey& RegKey::Child(std::wstring_view name, bool& created) {
  auto& slot = children_[FoldCase(name)];
  created = !slot;
  if (!slot) slot = std::make_unique<RegKey>(std::wstring(name));
  return *slot;
}

bool RegKey::RemoveChild(std::wstring_view name) { return children_.erase(FoldCase(name)) > 0; }

std::vector<const RegKey*> RegKey::Children() const {
  std::vector<const RegKey*> out;
  out.reserve(children_.size());
  for (const auto& [folded, child] : children_) out.push_back(child.get());
  return out;
}

const RegValue* RegKey::FindValue(std::wstring_view name) const {
  const auto it = std::find_if(values_.begin(), values_.end(),
                               [&](const RegValue& v) { return EqualsIgnoringCase(v.name, name); });
  return it == values_.end() ? nullptr : &*it;
}

void RegKey::SetValue(RegValue value) {
  const auto it = std::find_if(values_.begin(), values_.end(),
                               [&](const RegValue& v) { return EqualsIgnoringCase(v.name, value.name); });
  if (it == values_.end()) {
    values_.push_back(std::move(value));
  } else {
    it->type = value.type;
    it->data = std::move(value.data);
  }
}

bool RegKey::RemoveValue(std::wstring_view name) {
  const auto it = std::find_if(values_.begin(), values_.end(),
                               [&](const RegValue& v) { return EqualsIgnoringCase(v.name, name); });
  if (it == values_.end()) return false;
  values_.erase(it);
  return true;
}

}  // namespace kovt_platform
