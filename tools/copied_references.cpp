#include "tools/copied_references.h"

#include <vector>

#include "copy/linetype_copy.h"
#include "copy/style_copy.h"
#include "copy/symbol_records.h"
#include "registry/registry_key.h"
#include "registry/registry_value.h"

namespace {

using KoVTPrjReg::TKey;
using KoVTPrjReg::TObjIdValue;
namespace Records = KovtCopyUtil::Records;

PnDbObjectId TextStyleNamed(PnDbDatabase* database, const KOVTString& name) {
  return Records::FindRecord<PnDbTextStyleTable>(
      database, [&](const PnDbTextStyleTableRecord* record) { return Records::SameName(record->name(), name); });
}

PnDbObjectId Counterpart(PnDbDatabase* from, PnDbDatabase* to, PnDbObjectId id) {
  using namespace KovtCopyUtil;
  if (CheckIfPlnxLineTypeIdExist(id, from)) {
    const PnDbObjectId found = FindPlnxLineTypeIdDestDatabase(false, from, id, to);
    return found.isNull() ? CopyPlnxLineType(from, to, id) : found;
  }
  if (CheckIfPlnxDimStyleIdExist(id, from)) return FindPlnxDimStyleIdDestDatabase(false, from, id, to);
  if (Records::HasRecord<PnDbTextStyleTable>(from, id)) {
    const KOVTString name = Records::NameOf<PnDbTextStyleTableRecord>(id);
    PnDbObjectId found = TextStyleNamed(to, name);
    KoVT::Core::TStringList names;
    names.Add(name);
    NamePairList renamed;
    if (found.isNull() && CopyPlnxTextStyle(from, to, names, renamed))
      found = TextStyleNamed(to, renamed.empty() ? name : renamed.front().second);
    return found;
  }
  return {};
}

// Whether the value is an id of an object of `database`.
bool IdOf(PnDbDatabase* database, const TObjIdValue* value) {
  return !value->GetValue().isNull() && value->GetValue().database() == database;
}

}  // namespace

CopiedReferences::CopiedReferences(PnDbDatabase* from, KoVTPrjReg::TRegistry& registry) : m_from(from) {
  KoVTPrjReg::TKeyMap* roots = registry.RootKeys();
  if (roots == nullptr) return;
  // Explicit stack: a template may nest keys deeply.
  std::vector<std::pair<const TKey*, std::vector<KOVTString>>> keys;
  for (const auto& [name, key] : *roots) keys.push_back({key.get(), {name}});
  while (!keys.empty()) {
    auto [key, path] = std::move(keys.back());
    keys.pop_back();
    for (const auto& [name, value] : key->Values())
      if (const auto* id = dynamic_cast<const TObjIdValue*>(value.get()); id != nullptr && IdOf(from, id))
        m_places.push_back({path, name});
    for (const auto& [name, subKey] : key->SubKeys()) {
      keys.push_back({subKey.get(), path});
      keys.back().second.push_back(name);
    }
  }
}

void CopiedReferences::MoveTo(PnDbDatabase* to, KoVTPrjReg::TRegistry& registry) const {
  for (const Place& place : m_places) {
    TKey* key = registry.FindRootKey(place.keys.front());
    for (std::size_t i = 1; key != nullptr && i < place.keys.size(); ++i) key = key->FindSubKey(place.keys[i]);
    if (key == nullptr) continue;
    const auto* id = dynamic_cast<const TObjIdValue*>(key->FindValue(place.value.c_str()));
    if (id == nullptr || !IdOf(m_from, id)) continue;
    key->SetValue(place.value, std::make_unique<TObjIdValue>(Counterpart(m_from, to, id->GetValue())));
  }
}
