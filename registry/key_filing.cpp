#include "registry/key_filing.h"

#include <algorithm>
#include <vector>

#include "registry/filing_items.h"

namespace KoVTPrjReg {

Plnx::ErrorStatus TKey::DwgOutValues(PnDbDwgFiler* filer) const {
  if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
  if (WriteCount(filer, Values().size()) != Plnx::eOk) return filer->filerStatus();
  for (const auto& [name, value] : Values()) {
    if (Plnx::ErrorStatus es = name.dwgOutFields(filer); es != Plnx::eOk) return es;
    filer->writeInt32(value->GetDataType());
    if (Plnx::ErrorStatus es = value->DwgOutFields(filer); es != Plnx::eOk) return es;
  }
  return filer->filerStatus();
}

Plnx::ErrorStatus TKey::DwgInValues(PnDbDwgFiler* filer) {
  if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
  std::int32_t count = 0;
  if (Plnx::ErrorStatus es = ReadCount(filer, count); es != Plnx::eOk) return es;
  // Each value is made only once its bytes have been read, and room is made
  // for no more values than the bytes left could hold in memory.
  if (count == 0) return filer->filerStatus();  // an empty key makes no list
  TValueList& values = ValueList();
  values.Reserve(std::min(static_cast<std::size_t>(count), filer->remainingBytes() / sizeof(TValueList::value_type)));
  for (std::int32_t i = 0; i < count; ++i) {
    KOVTString name;
    if (Plnx::ErrorStatus es = name.dwgInFields(filer); es != Plnx::eOk) return es;
    std::int32_t tag = kNoValue;
    if (Plnx::ErrorStatus es = filer->readInt32(&tag); es != Plnx::eOk) return es;
    std::unique_ptr<TValue> value = values.Arena().CreateEmptyValue(tag);
    if (value == nullptr) return FailFiling(filer, Plnx::eWrongObjectType);
    if (Plnx::ErrorStatus es = value->DwgInFields(filer); es != Plnx::eOk) return es;
    values.Add(std::move(name), std::move(value));
  }
  return filer->filerStatus();
}

Plnx::ErrorStatus TKey::DwgOutFields(PnDbDwgFiler* filer) const {
  if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
  if (Plnx::ErrorStatus es = DwgOutValues(filer); es != Plnx::eOk) return es;
  return DwgOutKeyList(filer, SubKeys());
}

Plnx::ErrorStatus TKey::DwgInFields(PnDbDwgFiler* filer) {
  if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
  if (Plnx::ErrorStatus es = DwgInValues(filer); es != Plnx::eOk) return es;
  return DwgInKeyList(filer, SubKeyMap());
}

Plnx::ErrorStatus DwgOutKeyList(PnDbDwgFiler* filer, const TKeyMap& keys) {
  if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
  // One entry per list being written: where it stands and where it ends.
  struct Level {
    TKeyMap::const_iterator next, end;
  };
  if (WriteCount(filer, keys.size()) != Plnx::eOk) return filer->filerStatus();
  std::vector<Level> levels{{keys.begin(), keys.end()}};
  while (!levels.empty()) {
    Level& level = levels.back();
    if (level.next == level.end) {
      levels.pop_back();
      continue;
    }
    const auto& [name, key] = *level.next++;
    if (Plnx::ErrorStatus es = name.dwgOutFields(filer); es != Plnx::eOk) return es;
    if (Plnx::ErrorStatus es = key->DwgOutValues(filer); es != Plnx::eOk) return es;
    if (WriteCount(filer, key->SubKeys().size()) != Plnx::eOk) return filer->filerStatus();
    levels.push_back({key->SubKeys().begin(), key->SubKeys().end()});
  }
  return filer->filerStatus();
}

Plnx::ErrorStatus DwgInKeyList(PnDbDwgFiler* filer, TKeyMap& keys) {
  if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
  // The keys whose records are being read, outermost first. Each is inserted
  // into its parent only once its record is complete; on failure the ones
  // still here are deleted, as a recursive reader would delete them.
  struct Pending {
    KOVTString name;
    std::unique_ptr<TKey> key;
    std::int32_t subKeysLeft = 0;
  };
  std::int32_t listLeft = 0;
  if (Plnx::ErrorStatus es = ReadCount(filer, listLeft); es != Plnx::eOk) return es;
  std::vector<Pending> pending;
  for (;;) {
    std::int32_t& left = pending.empty() ? listLeft : pending.back().subKeysLeft;
    if (left == 0) {
      if (pending.empty()) break;
      Pending done = std::move(pending.back());
      pending.pop_back();
      // Files hold keys in map order, so the end is the place almost always.
      TKeyMap& parent = pending.empty() ? keys : pending.back().key->SubKeyMap();
      parent.try_emplace(parent.end(), std::move(done.name), std::move(done.key));
      continue;
    }
    --left;
    Pending next{KOVTString(), std::make_unique<TKey>()};
    if (Plnx::ErrorStatus es = next.name.dwgInFields(filer); es != Plnx::eOk) return es;
    if (Plnx::ErrorStatus es = next.key->DwgInValues(filer); es != Plnx::eOk) return es;
    if (Plnx::ErrorStatus es = ReadCount(filer, next.subKeysLeft); es != Plnx::eOk) return es;
    pending.push_back(std::move(next));
  }
  return filer->filerStatus();
}

}  // namespace KoVTPrjReg
