#include "registry/registry_key.h"

#include <new>
#include <utility>
#include <vector>

namespace KoVTPrjReg {

namespace {

template <class Map>
auto* FindIn(const Map& map, const KOVTString& name) {
  auto it = map.find(name);
  return it == map.end() ? nullptr : it->second.get();
}

template <class Map>
typename Map::mapped_type Detach(Map& map, const KOVTString& name) {
  auto node = map.extract(name);
  return node.empty() ? nullptr : std::move(node.mapped());
}

// Moves the entry under a new name; a taken new name keeps its entry and the moved one dies.
template <class Map>
void Rename(Map& map, const KOVTString& oldName, const KOVTString& newName) {
  auto node = map.extract(oldName);
  if (node.empty()) return;
  node.key() = newName;
  map.insert(std::move(node));
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

void TKey::DestroySubKeys() {
  // A worklist instead of recursion: each key is emptied before it is deleted,
  // so no destructor ever reaches below its own maps.
  std::vector<std::unique_ptr<TKey>> pending;
  auto takeSubKeys = [&pending](TKeyMap& keys) {
    for (auto& entry : keys)
      if (entry.second) pending.push_back(std::move(entry.second));  // null: moved before a failed push
    keys.clear();
  };
  try {
    takeSubKeys(m_subKeys);
    while (!pending.empty()) {
      std::unique_ptr<TKey> key = std::move(pending.back());
      pending.pop_back();
      key->DestroyValues();
      takeSubKeys(key->m_subKeys);
    }
  } catch (const std::bad_alloc&) {
    // Destructors must not throw: without memory for the worklist, walk
    // down to a leaf and delete it, again and again; slower, allocates nothing.
    while (!m_subKeys.empty()) {
      TKeyMap* keys = &m_subKeys;
      for (TKey* first = keys->begin()->second.get(); first && !first->m_subKeys.empty();
           first = keys->begin()->second.get())
        keys = &first->m_subKeys;
      keys->erase(keys->begin());
    }
  }
}

TKey* TKey::FindSubKey(const KOVTString& name) { return FindIn(m_subKeys, name); }
const TKey* TKey::FindSubKey(const KOVTString& name) const { return FindIn(m_subKeys, name); }

TKey* TKey::CreateSubKey(const KOVTString& name) {
  std::unique_ptr<TKey>& slot = m_subKeys[name];
  if (slot == nullptr) slot = std::make_unique<TKey>();
  return slot.get();
}

bool TKey::AddSubKey(const KOVTString& name, std::unique_ptr<TKey> key) {
  return key != nullptr && m_subKeys.try_emplace(name, std::move(key)).second;
}

std::unique_ptr<TKey> TKey::RemoveSubKey(const KOVTString& name) { return Detach(m_subKeys, name); }
void TKey::DestroySubKey(const KOVTString& name) { RemoveSubKey(name); }
void TKey::RenameSubKey(const KOVTString& oldName, const KOVTString& newName) {
  Rename(m_subKeys, oldName, newName);
}
void TKey::GetKeyNames(KoVT::Core::TStringList* list) const { AppendNames(m_subKeys, list); }

TValue* TKey::FindValue(const wchar_t* name) {
  TValueIndex::Slot* slot = name != nullptr ? Lookup(name) : nullptr;
  return slot != nullptr ? slot->get() : nullptr;
}
const TValue* TKey::FindValue(const wchar_t* name) const { return const_cast<TKey*>(this)->FindValue(name); }

TValueIndex::Slot* TKey::Lookup(std::wstring_view name) {
  if (m_valueIndex == nullptr) {
    m_valueIndex = std::make_unique<TValueIndex>();
    m_valueIndex->Reserve(m_values.size());
    for (auto& entry : m_values) Index(entry);
  }
  return m_valueIndex->Find(name);
}

void TKey::Index(TValueMap::value_type& entry) {
  if (m_valueIndex) m_valueIndex->Insert(entry.first.str(), &entry.second);
}

bool TKey::SetValue(const KOVTString& name, std::unique_ptr<TValue> value) {
  if (value == nullptr) return false;
  if (TValueIndex::Slot* slot = Lookup(name.str())) {
    *slot = std::move(value);
    return true;
  }
  Index(*m_values.emplace(name, std::move(value)).first);
  return true;
}

std::unique_ptr<TValue> TKey::RemoveValue(const KOVTString& name) {
  if (m_valueIndex) m_valueIndex->Erase(name.str());
  return Detach(m_values, name);
}
void TKey::DeleteValue(const KOVTString& name) { RemoveValue(name); }

void TKey::RenameValue(const KOVTString& oldName, const KOVTString& newName) {
  auto node = m_values.extract(oldName);
  if (node.empty()) return;
  if (m_valueIndex) m_valueIndex->Erase(oldName.str());
  node.key() = newName;
  auto moved = m_values.insert(std::move(node));
  if (moved.inserted) Index(*moved.position);
}

void TKey::AddReadValue(KOVTString name, std::unique_ptr<TValue> value) {
  // Files hold values in map order, so the end is the place almost always.
  const std::size_t before = m_values.size();
  auto entry = m_values.try_emplace(m_values.end(), std::move(name), std::move(value));
  if (m_values.size() != before) Index(*entry);
}

void TKey::DestroyValues() {
  m_valueIndex.reset();
  m_values.clear();
}
void TKey::GetValueNames(KoVT::Core::TStringList* list) const { AppendNames(m_values, list); }

void TKey::GetKeyInfo(TKeyInfo& info) const {
  info = TKeyInfo{};
  info.NumSubKeys = static_cast<std::int32_t>(m_subKeys.size());
  info.NumValues = static_cast<std::int32_t>(m_values.size());
}

bool TKey::GetDataInfo(const KOVTString&, TDataInfo& info) const {
  info = TDataInfo{};
  return false;
}

}  // namespace KoVTPrjReg
