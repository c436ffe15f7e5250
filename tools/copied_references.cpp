#include "tools/copied_references.h"

#include <algorithm>
#include <set>
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

// Whether finding the counterpart of `id` would copy a record into `to`.
bool CopiesRecord(PnDbDatabase* from, PnDbDatabase* to, PnDbObjectId id) {
  using namespace KovtCopyUtil;
  if (CheckIfPlnxLineTypeIdExist(id, from)) return FindPlnxLineTypeIdDestDatabase(false, from, id, to).isNull();
  if (CheckIfPlnxDimStyleIdExist(id, from)) return false;
  if (Records::HasRecord<PnDbTextStyleTable>(from, id))
    return TextStyleNamed(to, Records::NameOf<PnDbTextStyleTableRecord>(id)).isNull();
  return false;
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

// The id values of the registry's tree that hold ids of `database`, walked
// with a stack of its own: a template may nest keys deeply.
std::vector<TObjIdValue*> IdsOf(PnDbDatabase* database, KoVTPrjReg::TRegistry& registry) {
  std::vector<TObjIdValue*> found;
  KoVTPrjReg::TKeyMap* roots = registry.RootKeys();
  if (roots == nullptr) return found;
  std::vector<const TKey*> keys;
  for (const auto& entry : *roots) keys.push_back(entry.second.get());
  while (!keys.empty()) {
    const TKey* key = keys.back();
    keys.pop_back();
    for (const auto& entry : key->Values())
      if (auto* id = dynamic_cast<TObjIdValue*>(entry.second.get()); id != nullptr && IdOf(database, id))
        found.push_back(id);
    for (const auto& entry : key->SubKeys()) keys.push_back(entry.second.get());
  }
  return found;
}

}  // namespace

CopiedReferences::CopiedReferences(PnDbDatabase* from, KoVTPrjReg::TRegistry& registry) : m_from(from) {
  // Sets share a few records: each is looked up (or copied) once.
  std::set<PnDbObjectId> seen;
  for (const TObjIdValue* id : IdsOf(from, registry))
    if (seen.insert(id->GetValue()).second) m_ids.push_back(id->GetValue());
}

bool CopiedReferences::FoundIn(PnDbDatabase* to) const {
  return std::none_of(m_ids.begin(), m_ids.end(), [&](PnDbObjectId id) { return CopiesRecord(m_from, to, id); });
}

CopiedReferences::Counterparts CopiedReferences::In(PnDbDatabase* to) const {
  Counterparts counterparts;
  for (PnDbObjectId id : m_ids) counterparts.emplace(id, Counterpart(m_from, to, id));
  return counterparts;
}

// A copy of the template's tree holds the ids the template's does.
void CopiedReferences::MoveTo(PnDbDatabase* to, KoVTPrjReg::TRegistry& registry) const {
  if (m_ids.empty()) return;
  const Counterparts counterparts = In(to);
  for (TObjIdValue* id : IdsOf(m_from, registry)) {
    const auto found = counterparts.find(id->GetValue());
    id->SetValue(found == counterparts.end() ? PnDbObjectId() : found->second);
  }
}
