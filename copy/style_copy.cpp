#include "copy/style_copy.h"

#include "copy/symbol_records.h"

namespace KovtCopyUtil {

using namespace Records;

namespace {

// Gives the copy of a text style its free name. The clone may have mangled
// the name of a style the destination already held.
bool renameCopy(const PnDbIdMapping& mapping, PnDbObjectId sourceId, const KOVTString& name) {
  PnDbObjectId copyId;
  PnDbTextStyleTableRecord* copy = nullptr;
  if (!mapping.lookup(sourceId, copyId) || copyId.database() == sourceId.database() ||
      pndbOpenObject(copy, copyId, PnDb::kForWrite) != Plnx::eOk)
    return false;
  bool named = copy->setName(name) == Plnx::eOk;
  copy->close();
  return named;
}

}  // namespace

bool CopyPlnxTextStyle(PnDbDatabase* source, PnDbDatabase* destination, const KoVT::Core::TStringList& names,
                       NamePairList& renamed) {
  destination = DatabaseOrWorking(destination);
  PnDbObjectIdArray ids;
  if (destination == nullptr || !LookUp<PnDbTextStyleTable>(source, names, ids)) return false;
  const std::vector<KOVTString> given(names.begin(), names.end());
  PnDbTextStyleTable* table = nullptr;
  if (destination->getSymbolTable(table, PnDb::kForRead) != Plnx::eOk) return false;
  std::vector<KOVTString> freeNames = FreeNames(table, given);
  table->close();

  for (std::size_t i = 0; i < ids.size(); ++i) {
    PnDbIdMapping mapping;
    destination->wblockCloneObjects({ids[i]}, destination->textStyleTableId(), mapping, PnDb::kDrcMangleName);
    // A style that could not be copied has no new name to point references at.
    if (!renameCopy(mapping, ids[i], freeNames[i])) continue;
    if (freeNames[i] != given[i]) renamed.emplace_back(given[i], freeNames[i]);
  }
  return true;
}

bool FindDimStyleIdInDestDatabase(bool, PnDbDatabase* source, PnDbObjectId sourceId, PnDbDatabase* destination,
                                  PnDbObjectId& found) {
  found = PnDbObjectId();
  if (source == nullptr || destination == nullptr || !HasRecord<PnDbDimStyleTable>(source, sourceId)) return false;
  KOVTString name = NameOf<PnDbDimStyleTableRecord>(sourceId);
  if (name.IsEmpty()) return false;
  found = FindRecord<PnDbDimStyleTable>(
      destination, [&](const PnDbDimStyleTableRecord* record) { return SameName(record->name(), name); });
  return !found.isNull();
}

PnDbObjectId FindPlnxDimStyleIdDestDatabase(bool unused, PnDbDatabase* source, PnDbObjectId sourceId,
                                            PnDbDatabase* destination) {
  return FindCounterpart<PnDbDimStyleTable>(
      source, sourceId, destination,
      [&](const PnDbDimStyleTableRecord* a, const PnDbDimStyleTableRecord* b) {
        return ComparePlnxDimStyles(unused, a, b);
      });
}

bool CheckIfPlnxDimStyleIdExist(PnDbObjectId dimStyleId, PnDbDatabase* database) {
  return HasRecord<PnDbDimStyleTable>(database, dimStyleId);
}

bool ComparePlnxDimStyles(bool, const PnDbDimStyleTableRecord* a, const PnDbDimStyleTableRecord* b) {
  return a != nullptr && b != nullptr && SameName(a->name(), b->name());
}

}  // namespace KovtCopyUtil
