// Reads the values of a registry key by name, in ascending name order. The
// key keeps its values ordered by name, so after one search each later name
// is a step or two further on, where a lookup by name hashes and compares the
// whole name again: the values of a stored set share long prefixes
// ("Found.Out.BlankOutlineMode_ByElementType.vOutlineStyle2.LineColor"), and
// those lookups were most of what reading a set cost.
#pragma once

#include <cstdint>
#include <string_view>
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

  // The values whose names begin with `prefix`, in name order; the next
  // search starts after them.
  struct Range {
    KoVTPrjReg::TValueMap::const_iterator first, last;
  };
  Range WithPrefix(std::wstring_view prefix);

 private:
  const KoVTPrjReg::TValueMap* m_values = nullptr;
  // The value after the one found last.
  KoVTPrjReg::TValueMap::const_iterator m_at;
};

// Takes a stored value into a member as the registry's typed reads do: false,
// and the member unchanged, for a value of another kind; booleans are stored
// as integers.
bool Take(const KoVTPrjReg::TValue& stored, bool& member);
bool Take(const KoVTPrjReg::TValue& stored, std::int32_t& member);
bool Take(const KoVTPrjReg::TValue& stored, double& member);
bool Take(const KoVTPrjReg::TValue& stored, KOVTString& member);
bool Take(const KoVTPrjReg::TValue& stored, std::vector<std::uint8_t>& member);
bool Take(const KoVTPrjReg::TValue& stored, PnDbObjectId& member);

}  // namespace KovtJobKeys
