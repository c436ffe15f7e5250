// Reads the values of a registry key by name, in ascending name order. The
// key keeps its values ordered by name, so after one search each later name
// is a step or two further on, where a lookup by name hashes and compares the
// whole name again: the values of a stored set share long prefixes
// ("Found.Out.BlankOutlineMode_ByElementType.vOutlineStyle2.LineColor"), and
// those lookups were most of what reading a set cost.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "core/kovt_string.h"
#include "host/ids.h"
#include "registry/registry_key.h"

namespace KovtJobKeys {

class OrderedValues {
 public:
  // No key: every name is missing.
  explicit OrderedValues(const KoVTPrjReg::TKey* key);

  // The value named `name`, or null. A name below the one asked before, or
  // far beyond it, costs a search; any order gives the right answer.
  const KoVTPrjReg::TValue* Find(std::wstring_view name);

  // Finds each of `names`, distinct and ascending, in one pass: `found`
  // receives the value of each name, or null, at its position.
  void FindAscending(std::span<const std::wstring_view> names, std::span<const KoVTPrjReg::TValue*> found);

  // The values whose names begin with `prefix`, in name order; the next
  // search starts after them.
  struct Range {
    KoVTPrjReg::TValueMap::const_iterator first, last;
  };
  Range WithPrefix(std::wstring_view prefix);

 private:
  // Moves the cursor to the first value not below `name`.
  void Seek(std::wstring_view name);

  const KoVTPrjReg::TValueMap* m_values = nullptr;
  // The value after the one found last.
  KoVTPrjReg::TValueMap::const_iterator m_at;
  // The bound above a prefix, kept to spare an allocation at each range.
  std::wstring m_above;
};

// Takes a stored value of the class Stored into a member; false for another
// class. The stored classes are final: the exact type decides, more cheaply
// than a cast, and inline, since reading a set does this for every value.
template <class Stored, class Member>
bool TakeAs(const KoVTPrjReg::TValue& stored, Member& member) {
  if (typeid(stored) != typeid(Stored)) return false;
  member = static_cast<const Stored&>(stored).GetValue();
  return true;
}

// Takes a stored value into a member as the registry's typed reads do: false,
// and the member unchanged, for a value of another kind; booleans are stored
// as integers.
inline bool Take(const KoVTPrjReg::TValue& stored, bool& member) {
  std::int32_t number = 0;
  if (!TakeAs<KoVTPrjReg::TIntValue>(stored, number)) return false;
  member = number != 0;
  return true;
}
inline bool Take(const KoVTPrjReg::TValue& stored, std::int32_t& member) {
  return TakeAs<KoVTPrjReg::TIntValue>(stored, member);
}
inline bool Take(const KoVTPrjReg::TValue& stored, double& member) {
  return TakeAs<KoVTPrjReg::TFloatValue>(stored, member);
}
inline bool Take(const KoVTPrjReg::TValue& stored, PnDbObjectId& member) {
  return TakeAs<KoVTPrjReg::TObjIdValue>(stored, member);
}
bool Take(const KoVTPrjReg::TValue& stored, KOVTString& member);
bool Take(const KoVTPrjReg::TValue& stored, std::vector<std::uint8_t>& member);

}  // namespace KovtJobKeys
