#include "copy/linetype_copy.h"

#include "copy/symbol_records.h"
#include "dictionaries/dict_util.h"

namespace KovtCopyUtil {

using namespace Records;

bool CopyPlnxLineType(PnDbDatabase* source, PnDbDatabase* destination, const PnDbObjectIdArray& linetypeIds,
                      IdPairList& copies) {
  (void)source;  // the ids carry their drawing
  destination = DatabaseOrWorking(destination);
  if (destination == nullptr) return false;
  std::vector<KOVTString> names;
  for (PnDbObjectId id : linetypeIds) names.push_back(GetLineTypeName(id));

  PnDbLinetypeTable* table = nullptr;
  if (destination->getSymbolTable(table, PnDb::kForRead) != Plnx::eOk) return false;
  std::vector<KOVTString> freeNames = FreeNames(table, names);
  table->close();
  if (destination->getSymbolTable(table, PnDb::kForWrite) != Plnx::eOk) return false;

  bool everyOne = true;
  for (std::size_t i = 0; i < linetypeIds.size(); ++i) {
    PnDbLinetypeTableRecord* record = nullptr;
    if (pndbOpenObject(record, linetypeIds[i], PnDb::kForRead) != Plnx::eOk) {
      everyOne = false;
      continue;
    }
    PnDbObject* clone = record->clone();
    record->close();
    auto* copy = PnDbLinetypeTableRecord::cast(clone);
    PnDbObjectId newId;
    if (copy == nullptr || copy->setName(freeNames[i]) != Plnx::eOk || table->add(newId, copy) != Plnx::eOk) {
      delete clone;
      everyOne = false;
      continue;
    }
    copy->close();
    copies.emplace_back(linetypeIds[i], newId);
  }
  table->close();
  return everyOne;
}

bool CopyPlnxLineType(PnDbDatabase* source, PnDbDatabase* destination, const KoVT::Core::TStringList& names,
                      NamePairList& renamed) {
  PnDbObjectIdArray ids;
  if (!LookUp<PnDbLinetypeTable>(source, names, ids)) return false;
  IdPairList copies;
  CopyPlnxLineType(source, destination, ids, copies);
  if (copies.size() != ids.size()) return false;
  for (std::size_t i = 0; i < copies.size(); ++i) {
    KOVTString newName = GetLineTypeName(copies[i].second);
    if (newName != GetLineTypeName(copies[i].first)) renamed.emplace_back(names[static_cast<int>(i)], newName);
  }
  return true;
}

PnDbObjectId CopyPlnxLineType(PnDbDatabase* source, PnDbDatabase* destination, PnDbObjectId linetypeId) {
  IdPairList copies;
  CopyPlnxLineType(source, destination, PnDbObjectIdArray{linetypeId}, copies);
  return copies.size() == 1 ? copies.front().second : PnDbObjectId();
}

KOVTString GetLineTypeName(PnDbObjectId linetypeId) { return NameOf<PnDbLinetypeTableRecord>(linetypeId); }

bool CheckIfPlnxLineTypeIdExist(PnDbObjectId linetypeId, PnDbDatabase* database) {
  return HasRecord<PnDbLinetypeTable>(database, linetypeId);
}

bool ComparePlnxLineTypes(bool, const PnDbLinetypeTableRecord* a, const PnDbLinetypeTableRecord* b) {
  return a != nullptr && b != nullptr && SameName(a->name(), b->name());
}

PnDbObjectId FindPlnxLineTypeIdDestDatabase(bool unused, PnDbDatabase* source, PnDbObjectId sourceId,
                                            PnDbDatabase* destination) {
  return FindCounterpart<PnDbLinetypeTable>(
      source, sourceId, destination,
      [&](const PnDbLinetypeTableRecord* a, const PnDbLinetypeTableRecord* b) {
        return ComparePlnxLineTypes(unused, a, b);
      });
}

void RemapPlnxLineTypeId(ECopyMethodExist whenExisting, ECopyMethodNotExist whenMissing, bool unused,
                         PnDbDatabase* source, PnDbDatabase* destination, PnDbObjectId& linetypeId) {
  PnDbObjectId counterpart = FindPlnxLineTypeIdDestDatabase(unused, source, linetypeId, destination);
  if (counterpart.isNull()) {
    switch (whenMissing) {
      case eMissingCopy: linetypeId = CopyPlnxLineType(source, destination, linetypeId); break;
      case eMissingUseNull: linetypeId = PnDbObjectId(); break;
      case eMissingUseContinuous: linetypeId = KovtDictUtil::GetContinuousLineTypeId(destination); break;
    }
    return;
  }
  switch (whenExisting) {
    case eExistUseCounterpart: linetypeId = counterpart; break;
    case eExistUseNull: linetypeId = PnDbObjectId(); break;
    case eExistUseContinuous: linetypeId = KovtDictUtil::GetContinuousLineTypeId(destination); break;
    case eExistKeepReference: break;
    case eExistCopyRenamed: linetypeId = CopyPlnxLineType(source, destination, linetypeId); break;
  }
}

bool RemapPlnxLineTypeId(bool unused, PnDbDatabase* source, PnDbDatabase* destination, PnDbObjectId& linetypeId) {
  RemapPlnxLineTypeId(eExistUseCounterpart, eMissingUseContinuous, unused, source, destination, linetypeId);
  return true;
}

}  // namespace KovtCopyUtil
