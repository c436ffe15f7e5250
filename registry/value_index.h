// The values of a key by name in a hash table, next to the ordered map that
// owns them. Sets of the job settings hold a thousand values and more whose
// names share long prefixes ("Found.Out.BlankOutlineMode_ByElementType..."),
// and an ordered lookup compared those prefixes over and over; reading a set
// did little else.
//
// The table points into the map: at each entry's key (the name) and its value
// slot, both of which stay put while the entry is in the map. The hash is
// seeded per process, so that no stored set can be made to collide on purpose.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <unordered_map>

#include "registry/registry_value.h"

namespace KoVTPrjReg {

class TValueIndex {
 public:
  using Slot = std::unique_ptr<TValue>;

  // Null when no entry has the name.
  Slot* Find(std::wstring_view name) const;
  // `name` must live as long as the entry: it is the map's own key.
  void Insert(std::wstring_view name, Slot* slot) { m_slots.insert_or_assign(name, slot); }
  void Erase(std::wstring_view name) { m_slots.erase(name); }
  void Reserve(std::size_t count) { m_slots.reserve(count); }

 private:
  struct SeededHash {
    std::size_t operator()(std::wstring_view name) const;
  };

  std::unordered_map<std::wstring_view, Slot*, SeededHash> m_slots;
};

}  // namespace KoVTPrjReg
