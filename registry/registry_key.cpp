#include "registry/registry_key.h"

#include <new>
#include <utility>
#include <vector>

namespace KoVTPrjReg {

namespace {

template <class Map>
auto* FindIn(const Map* map, const KOVTString& name) {
  if (map == nullptr) return static_cast<typename Map::mapped_type::pointer>(nullptr);
  auto it = map->find(name);
  return it == map->end() ? nullptr : it->second.get();
}

template <class Map>
typename Map::mapped_type Detach(Map* map, const KOVTString& name) {
  if (map == nullptr) return nullptr;
  auto node = map->extract(name);
  return node.empty() ? nullptr : std::move(node.mapped());
}

template <class Map>
void AppendNames(const Map& map, KoVT::Core::TStringList* list) {
  if (list == nullptr) return;
  for (const auto& entry : map) list->Add(entry.first);
}

}  // namespace

TKey::~TKey() {
  DestroyValues();
  DestroySubKeys();
}

const TKeyMap& TKey::SubKeys() const {
  static const TKeyMap kNone;
  return m_subKeys ? *m_subKeys : kNone;
}

const TValueMap& TKey::Values() const {
  static const TValueMap kNone;
  return m_values ? *m_values : kNone;
}

TKeyMap& TKey::SubKeyMap() {
  if (m_subKeys == nullptr) m_subKeys = std::make_unique<TKeyMap>();
  return *m_subKeys;
}

TValueList& TKey::ValueList() {
  if (m_values == nullptr) m_values = std::make_unique<TValueList>();
  return *m_values;
}

void TKey::DestroySubKeys() {
  // A worklist instead of recursion: each key is emptied before it is deleted,
  // so no destructor ever reaches below its own maps.
  std::vector<std::unique_ptr<TKey>> pending;
  auto takeSubKeys = [&pending](TKey& key) {
    if (key.m_subKeys == nullptr) return;
    for (auto& entry : *key.m_subKeys)
      if (entry.second) pending.push_back(std::move(entry.second));  // null: moved before a failed push
    key.m_subKeys.reset();
  };
  try {
    takeSubKeys(*this);
    while (!pending.empty()) {
      std::unique_ptr<TKey> key = std::move(pending.back());
      pending.pop_back();
      key->DestroyValues();
      takeSubKeys(*key);
    }
  } catch (const std::bad_alloc&) {
    // Destructors must not throw: without memory for the worklist, walk
    // down to a leaf and delete it, again and again; slower, allocates nothing.
    while (HasSubKeys()) {
      TKeyMap* keys = m_subKeys.get();
      for (TKey* first = keys->begin()->second.get(); first && first->HasSubKeys(); first = keys->begin()->second.get())
        keys = first->m_subKeys.get();
      keys->erase(keys->begin());
    }
    m_subKeys.reset();
  }
}

std::unique_ptr<TKey> TKey::Clone() const {
  auto copy = std::make_unique<TKey>();
  std::vector<std::pair<const TKey*, TKey*>> pending{{this, copy.get()}};
  while (!pending.empty()) {
    const auto [from, to] = pending.back();
    pending.pop_back();
    if (from->m_values) {
      TValueList& values = to->ValueList();
      values.Reserve(from->m_values->size());
      for (const auto& [name, value] : *from->m_values) values.Add(name, value->Clone());
    }
    if (from->m_subKeys) {
      TKeyMap& keys = to->SubKeyMap();
      for (const auto& [name, key] : *from->m_subKeys)
        pending.emplace_back(key.get(), keys.emplace_hint(keys.end(), name, std::make_unique<TKey>())->second.get());
    }
  }
  return copy;
}

TKey* TKey::FindSubKey(const KOVTString& name) { return FindIn(m_subKeys.get(), name); }
const TKey* TKey::FindSubKey(const KOVTString& name) const { return FindIn(m_subKeys.get(), name); }

TKey* TKey::CreateSubKey(const KOVTString& name) {
  std::unique_ptr<TKey>& slot = SubKeyMap()[name];
  if (slot == nullptr) slot = std::make_unique<TKey>();
  return slot.get();
}

bool TKey::AddSubKey(const KOVTString& name, std::unique_ptr<TKey> key) {
  return key != nullptr && SubKeyMap().try_emplace(name, std::move(key)).second;
}

std::unique_ptr<TKey> TKey::RemoveSubKey(const KOVTString& name) { return Detach(m_subKeys.get(), name); }
void TKey::DestroySubKey(const KOVTString& name) { RemoveSubKey(name); }

void TKey::RenameSubKey(const KOVTString& oldName, const KOVTString& newName) {
  // A taken new name keeps its key and the moved one dies.
  if (m_subKeys == nullptr) return;
  auto node = m_subKeys->extract(oldName);
  if (node.empty()) return;
  node.key() = newName;
  m_subKeys->insert(std::move(node));
}

void TKey::GetKeyNames(KoVT::Core::TStringList* list) const { AppendNames(SubKeys(), list); }

TValue* TKey::FindValue(const wchar_t* name) {
  return name != nullptr && m_values != nullptr ? m_values->Find(name) : nullptr;
}
const TValue* TKey::FindValue(const wchar_t* name) const { return const_cast<TKey*>(this)->FindValue(name); }

bool TKey::SetValue(const KOVTString& name, std::unique_ptr<TValue> value) {
  if (value == nullptr) return false;
  ValueList().Set(name, std::move(value));
  return true;
}

std::unique_ptr<TValue> TKey::RemoveValue(const KOVTString& name) {
  return m_values != nullptr ? m_values->Remove(name.str()) : nullptr;
}
void TKey::DeleteValue(const KOVTString& name) { RemoveValue(name); }

void TKey::RenameValue(const KOVTString& oldName, const KOVTString& newName) {
  if (m_values != nullptr) m_values->Rename(oldName.str(), newName);
}

void TKey::DestroyValues() { m_values.reset(); }
void TKey::GetValueNames(KoVT::Core::TStringList* list) const { AppendNames(Values(), list); }

void TKey::GetKeyInfo(TKeyInfo& info) const {
  info = TKeyInfo{};
  info.NumSubKeys = static_cast<std::int32_t>(SubKeys().size());
  info.NumValues = static_cast<std::int32_t>(Values().size());
}

bool TKey::GetDataInfo(const KOVTString&, TDataInfo& info) const {
  info = TDataInfo{};
  return false;
}

}  // namespace KoVTPrjReg
