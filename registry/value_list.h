// The values of a key: one array of named values, ordered by name as
// KOVTString's less-than orders them, which is also the filed order.
//
// A key read from a file takes its values in that order, so each is appended:
// no tree node to allocate, no rebalancing, and the array is sized once from
// the count the file claims. A tree spent a third of a load on its nodes.
// Writers insert in place; for a set of a thousand values that moves a few
// kilobytes per new name, and replacing a value moves nothing.
//
// Entries move on insertion and removal: iterators and positions go stale, the
// values themselves stay where they are.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "core/kovt_string.h"
#include "registry/registry_value.h"
#include "registry/value_index.h"

namespace KoVTPrjReg {

class TValueList {
 public:
  using value_type = std::pair<KOVTString, std::unique_ptr<TValue>>;
  using const_iterator = std::vector<value_type>::const_iterator;
  using const_reverse_iterator = std::vector<value_type>::const_reverse_iterator;

  const_iterator begin() const { return m_entries.begin(); }
  const_iterator end() const { return m_entries.end(); }
  const_reverse_iterator rbegin() const { return m_entries.rbegin(); }
  const_reverse_iterator rend() const { return m_entries.rend(); }
  std::size_t size() const { return m_entries.size(); }
  bool empty() const { return m_entries.empty(); }
  // The first entry whose name is not below `name`.
  const_iterator lower_bound(std::wstring_view name) const;

  // Null when absent. Takes constant time, however many values the list holds.
  TValue* Find(std::wstring_view name);
  // Replaces the value of that name, whatever its type, or adds one.
  void Set(const KOVTString& name, std::unique_ptr<TValue> value);
  // Null when absent. A value of the arena is handed over as a copy.
  std::unique_ptr<TValue> Remove(std::wstring_view name);
  // Nothing happens when `oldName` is absent. When `newName` is taken, the
  // value there stays and the moved one is deleted.
  void Rename(std::wstring_view oldName, const KOVTString& newName);
  // Adds the value unless the name is taken. Cheapest in name order, as
  // files and copies bring values.
  void Add(KOVTString name, std::unique_ptr<TValue> value);
  // Room for `count` more values.
  void Reserve(std::size_t count);
  // Where values read into the list are made; they must stay in the list.
  TValueArena& Arena() { return m_arena; }

 private:
  // The position of the entry of that name, or TValueIndex::kAbsent.
  std::size_t PositionOf(std::wstring_view name);
  // Where an entry of that name belongs.
  std::size_t PlaceOf(std::wstring_view name) const { return static_cast<std::size_t>(lower_bound(name) - begin()); }
  void InsertAt(std::size_t at, KOVTString name, std::unique_ptr<TValue> value);
  // Takes the value out and the entry away.
  std::unique_ptr<TValue> TakeAt(std::size_t at);
  // Entries are about to move: the index would point at the wrong ones.
  void DropIndex();

  // Outlives the entries, which may hold values made in it.
  TValueArena m_arena;
  std::vector<value_type> m_entries;
  // Made once lookups pay for it: most keys read from a file are never
  // searched, and a few lookups in a huge key are cheaper by bisection.
  std::unique_ptr<TValueIndex> m_index;
  std::size_t m_lookups = 0;
};

}  // namespace KoVTPrjReg
