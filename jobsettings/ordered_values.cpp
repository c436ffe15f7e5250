#include "jobsettings/ordered_values.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <string>

namespace KovtJobKeys {

namespace {

using namespace KoVTPrjReg;

// Beyond this many steps a search is cheaper.
constexpr int kMaxSteps = 8;

std::wstring_view NameOf(TValueMap::const_iterator at) { return at->first.str(); }

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
  int order = -1;  // the cursor's name against `name`
  for (int steps = 0; m_at != end; ++steps, ++m_at) {
    order = NameOf(m_at).compare(name);
    if (order >= 0 || steps == kMaxSteps) break;
  }
  if (order == 0) return (m_at++)->second.get();
  // Past the name, or at the end: the name lies in the gap before the
  // cursor, is the one found last (asked again), or lies further back.
  if (order > 0 || m_at == end) {
    if (m_at == m_values->begin()) return nullptr;
    const int before = NameOf(std::prev(m_at)).compare(name);
    if (before == 0) return std::prev(m_at)->second.get();
    if (before < 0) return nullptr;
  }
  m_at = m_values->lower_bound(name);
  if (m_at == end || NameOf(m_at) != name) return nullptr;
  return (m_at++)->second.get();
}

void OrderedValues::FindAscending(std::span<const std::wstring_view> names, std::span<const TValue*> found) {
  std::fill(found.begin(), found.end(), nullptr);
  if (m_values == nullptr) return;
  const auto end = m_values->end();
  for (std::size_t at = 0; at < names.size() && m_at != end; ++at) {
    // One comparison a step; a long run of other names is searched instead.
    int order = NameOf(m_at).compare(names[at]);
    for (int steps = 0; order < 0 && steps < kMaxSteps; ++steps) {
      if (++m_at == end) return;
      order = NameOf(m_at).compare(names[at]);
    }
    if (order < 0) {
      m_at = m_values->lower_bound(names[at]);
      if (m_at == end) return;
      order = NameOf(m_at).compare(names[at]);
    }
    if (order == 0) found[at] = (m_at++)->second.get();
  }
}

OrderedValues::Range OrderedValues::WithPrefix(std::wstring_view prefix) {
  static const TValueMap kNone;
  if (m_values == nullptr) return {kNone.end(), kNone.end()};
  // Two bounds enclose the range, so no name in it is compared with the
  // prefix: the names beginning with it lie below the least name above them
  // all, the prefix with its last character not at its maximum raised by one.
  m_above.assign(prefix);
  while (!m_above.empty() && m_above.back() == std::numeric_limits<wchar_t>::max()) m_above.pop_back();
  if (!m_above.empty()) ++m_above.back();
  Seek(prefix);
  const auto first = m_at;
  m_at = m_above.empty() ? m_values->end() : m_values->lower_bound(std::wstring_view(m_above));
  return {first, m_at};
}

void OrderedValues::Seek(std::wstring_view name) {
  const auto end = m_values->end();
  // Names asked in ascending order mostly lie a few steps ahead.
  if (m_at == m_values->begin() || NameOf(std::prev(m_at)) < name) {
    for (int steps = 0; m_at != end && steps <= kMaxSteps; ++steps, ++m_at)
      if (NameOf(m_at) >= name) return;
    if (m_at == end) return;
  }
  m_at = m_values->lower_bound(name);
}

bool Take(const TValue& stored, KOVTString& member) { return TakeAs<TStringValue>(stored, member); }

bool Take(const TValue& stored, std::vector<std::uint8_t>& member) {
  if (typeid(stored) != typeid(TBinaryValue)) return false;
  const auto& found = static_cast<const TBinaryValue&>(stored);
  const std::uint8_t* data = found.GetData();
  member.assign(data, data + (data != nullptr ? found.GetDataSize() : 0));
  return true;
}

}  // namespace KovtJobKeys
