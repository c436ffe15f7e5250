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

}  // namespace

void MoveCopiedReferences(PnDbDatabase* from, PnDbDatabase* to, KoVTPrjReg::TRegistry& registry) {
  KoVTPrjReg::TKeyMap* roots = registry.RootKeys();
  if (roots == nullptr) return;
  // Explicit stack: a template may nest keys deeply.
  std::vector<TKey*> keys;
  for (auto& [name, key] : *roots) keys.push_back(key.get());
  while (!keys.empty()) {
    TKey* key = keys.back();
    keys.pop_back();
    for (const auto& [name, value] : key->Values()) {
      const auto* id = dynamic_cast<const TObjIdValue*>(value.get());
      if (id == nullptr || id->GetValue().isNull() || id->GetValue().database() != from) continue;
      // Assigning to an existing name keeps the map's iterators valid.
      key->SetValue(name, std::make_unique<TObjIdValue>(Counterpart(from, to, id->GetValue())));
    }
    for (const auto& [name, subKey] : key->SubKeys()) keys.push_back(subKey.get());
  }
}
