#include "jobsettings/ordered_values.h"

#include <iterator>
#include <string>
#include <typeinfo>

namespace KovtJobKeys {

namespace {

using namespace KoVTPrjReg;

// Beyond this many steps a search is cheaper.
constexpr int kMaxSteps = 8;

std::wstring_view NameOf(TValueMap::const_iterator at) { return at->first.str(); }

// The stored classes are final: the exact type decides, more cheaply than a cast.
template <class Stored, class Member>
bool TakeAs(const TValue& stored, Member& member) {
  if (typeid(stored) != typeid(Stored)) return false;
  member = static_cast<const Stored&>(stored).GetValue();
  return true;
}

}  // namespace

OrderedValues::OrderedValues(const TKey* key) {
  if (key == nullptr) return;
  m_values = &key->Values();
  m_at = m_values->begin();
}

const TValue* OrderedValues::Find(std::wstring_view name) {
  if (m_values == nullptr) return nullptr;
  const auto end = m_values->end();
  // Mostly the name is the one at the cursor or a step or two beyond it.
  for (int steps = 0; m_at != end && steps <= kMaxSteps; ++steps, ++m_at) {
    const int order = NameOf(m_at).compare(name);
    if (order == 0) return (m_at++)->second.get();
    if (order > 0) break;
  }
  // The cursor is past the name: the name lies in the gap before it, is the
  // one found last (asked again), or lies further back.
  if (m_at != end && m_at != m_values->begin() && NameOf(m_at).compare(name) > 0) {
    const int order = NameOf(std::prev(m_at)).compare(name);
    if (order == 0) return std::prev(m_at)->second.get();
    if (order < 0) return nullptr;
  } else if (m_at == end && m_at != m_values->begin() && NameOf(std::prev(m_at)).compare(name) < 0) {
    return nullptr;
  }
  m_at = m_values->lower_bound(KOVTString(std::wstring(name)));
  if (m_at == end || NameOf(m_at) != name) return nullptr;
  return (m_at++)->second.get();
}

bool Take(const TValue& stored, bool& member) {
  std::int32_t number = 0;
  if (!TakeAs<TIntValue>(stored, number)) return false;
  member = number != 0;
  return true;
}
bool Take(const TValue& stored, std::int32_t& member) { return TakeAs<TIntValue>(stored, member); }
bool Take(const TValue& stored, double& member) { return TakeAs<TFloatValue>(stored, member); }
bool Take(const TValue& stored, KOVTString& member) { return TakeAs<TStringValue>(stored, member); }
bool Take(const TValue& stored, PnDbObjectId& member) { return TakeAs<TObjIdValue>(stored, member); }

bool Take(const TValue& stored, std::vector<std::uint8_t>& member) {
  if (typeid(stored) != typeid(TBinaryValue)) return false;
  const auto& found = static_cast<const TBinaryValue&>(stored);
  const std::uint8_t* data = found.GetData();
  member.assign(data, data + (data != nullptr ? found.GetDataSize() : 0));
  return true;
}

}  // namespace KovtJobKeys
