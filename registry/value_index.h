// The positions of a key's values by name in a hash table, next to the
// ordered list that owns them (value_list.h). Sets of the job settings hold a
// thousand values and more whose names share long prefixes
// ("Found.Out.BlankOutlineMode_ByElementType..."), and an ordered lookup
// compared those prefixes over and over; reading a set did little else.
//
// The table's names are views of the list's own names: the list drops the
// table before any entry moves. The hash is seeded per process, so that no
// stored set can be made to collide on purpose.
#pragma once

#include <cstddef>
#include <string_view>
#include <unordered_map>

namespace KoVTPrjReg {

class TValueIndex {
 public:
  static constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

  // The position of the entry of that name, or kAbsent.
  std::size_t Find(std::wstring_view name) const;
  // `name` must live as long as the entry: it is the list's own name.
  void Insert(std::wstring_view name, std::size_t position) { m_positions.insert_or_assign(name, position); }
  void Reserve(std::size_t count) { m_positions.reserve(count); }

 private:
  struct SeededHash {
    std::size_t operator()(std::wstring_view name) const;
  };

  std::unordered_map<std::wstring_view, std::size_t, SeededHash> m_positions;
};

}  // namespace KoVTPrjReg
