#include "registry/value_list.h"

#include <algorithm>
#include <new>

namespace KoVTPrjReg {

namespace {

// The index pays for itself once a list has been searched this often for each of its values.
constexpr std::size_t kValuesPerIndexedLookup = 8;

std::wstring_view NameOf(const TValueList::value_type& entry) { return entry.first.str(); }

}  // namespace

TValueList::const_iterator TValueList::lower_bound(std::wstring_view name) const {
  return std::lower_bound(m_entries.begin(), m_entries.end(), name,
                          [](const value_type& entry, std::wstring_view sought) { return NameOf(entry) < sought; });
}

std::size_t TValueList::PositionOf(std::wstring_view name) {
  if (m_index == nullptr && ++m_lookups > m_entries.size() / kValuesPerIndexedLookup) {
    // Without memory for the index, bisection still answers.
    try {
      auto index = std::make_unique<TValueIndex>();
      index->Reserve(m_entries.size());
      for (std::size_t i = 0; i < m_entries.size(); ++i) index->Insert(NameOf(m_entries[i]), i);
      m_index = std::move(index);
    } catch (const std::bad_alloc&) {
    }
  }
  if (m_index) return m_index->Find(name);
  const std::size_t at = PlaceOf(name);
  return at < m_entries.size() && NameOf(m_entries[at]) == name ? at : TValueIndex::kAbsent;
}

TValue* TValueList::Find(std::wstring_view name) {
  const std::size_t at = PositionOf(name);
  return at == TValueIndex::kAbsent ? nullptr : m_entries[at].second.get();
}

void TValueList::Set(const KOVTString& name, std::unique_ptr<TValue> value) {
  if (const std::size_t at = PositionOf(name.str()); at != TValueIndex::kAbsent) {
    m_entries[at].second = std::move(value);
    return;
  }
  InsertAt(PlaceOf(name.str()), name, std::move(value));
}

std::unique_ptr<TValue> TValueList::Remove(std::wstring_view name) {
  const std::size_t at = PositionOf(name);
  if (at == TValueIndex::kAbsent) return nullptr;
  // The arena goes with the list; the caller's value must not.
  if (m_entries[at].second->InArena()) {
    std::unique_ptr<TValue> copy = m_entries[at].second->Clone();
    TakeAt(at);
    return copy;
  }
  return TakeAt(at);
}

void TValueList::Rename(std::wstring_view oldName, const KOVTString& newName) {
  const std::size_t from = PositionOf(oldName);
  if (from == TValueIndex::kAbsent) return;
  KOVTString name = newName;  // copied first: a failed copy must not lose the value taken out
  std::unique_ptr<TValue> value = TakeAt(from);
  const std::size_t at = PlaceOf(name.str());
  if (at < m_entries.size() && NameOf(m_entries[at]) == name.str()) return;  // taken: the moved one dies
  InsertAt(at, std::move(name), std::move(value));
}

void TValueList::Add(KOVTString name, std::unique_ptr<TValue> value) {
  std::size_t at = m_entries.size();
  if (!m_entries.empty() && !(NameOf(m_entries.back()) < name.str())) {
    at = PlaceOf(name.str());
    if (NameOf(m_entries[at]) == name.str()) return;
  }
  InsertAt(at, std::move(name), std::move(value));
}

void TValueList::Reserve(std::size_t count) {
  if (m_entries.capacity() - m_entries.size() >= count) return;
  DropIndex();
  m_entries.reserve(m_entries.size() + count);
}

void TValueList::InsertAt(std::size_t at, KOVTString name, std::unique_ptr<TValue> value) {
  if (at != m_entries.size() || m_entries.size() == m_entries.capacity()) DropIndex();
  m_entries.emplace(m_entries.begin() + static_cast<std::ptrdiff_t>(at), std::move(name), std::move(value));
  if (m_index == nullptr) return;
  try {
    m_index->Insert(NameOf(m_entries[at]), at);
  } catch (const std::bad_alloc&) {
    DropIndex();  // the index is a shortcut: the list is whole without it
  }
}

std::unique_ptr<TValue> TValueList::TakeAt(std::size_t at) {
  std::unique_ptr<TValue> value = std::move(m_entries[at].second);
  DropIndex();
  m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(at));
  return value;
}

void TValueList::DropIndex() {
  m_index.reset();
  m_lookups = 0;
}

}  // namespace KoVTPrjReg
