#include <vector>

#include "core/db_helpers.h"
#include "dictionaries/dict_util.h"

namespace KovtDictUtil {

namespace {

// The ids whose hard-reference count is (or, with `referenced` false, is
// not) above zero; empty when the count cannot be had.
PnDbObjectIdArray SelectByHardReferences(const PnDbObjectIdArray& ids, bool referenced) {
  PnDbObjectIdArray selected;
  PnDbDatabase* database = KoVTCoreAPI::WorkingDatabase();
  if (database == nullptr || ids.empty()) return selected;
  std::vector<std::uint32_t> counts(ids.size(), 0);
  if (database->countHardReferences(ids, counts.data()) != Plnx::eOk) return selected;
  for (std::size_t i = 0; i < ids.size(); ++i)
    if ((counts[i] != 0) == referenced) selected.push_back(ids[i]);
  return selected;
}

void EraseObject(PnDbObjectId id) {
  PnDbObject* object = nullptr;
  if (pndbOpenObject(object, id, PnDb::kForWrite) != Plnx::eOk) return;
  object->erase();
  object->close();
}

}  // namespace

PnDbObjectIdArray GetObjectsHardReferenced(const PnDbObjectIdArray& ids) { return SelectByHardReferences(ids, true); }

PnDbObjectIdArray GetObjectsNotHardReferenced(const PnDbObjectIdArray& ids) {
  return SelectByHardReferences(ids, false);
}

bool IsObjectHardReferenced(PnDbObjectId id) { return GetObjectsHardReferenced({id}).size() == 1; }

void RemoveObjectFromDict(PnDbDictionary* dictionary, const PnDbObjectIdArray& objectIds) {
  if (dictionary == nullptr || !dictionary->isWriteEnabled()) return;
  for (PnDbObjectId id : objectIds) {
    dictionary->remove(id);
    EraseObject(id);
  }
}

void RemoveObjectFromDict(PnDbDictionary* dictionary, PnDbObjectId objectId) {
  RemoveObjectFromDict(dictionary, PnDbObjectIdArray{objectId});
}

void RemoveObjectFromDict(PnDbObjectId dictionaryId, const PnDbObjectIdArray& objectIds) {
  PnDbDictionary* dictionary = nullptr;
  if (pndbOpenObject(dictionary, dictionaryId, PnDb::kForWrite) != Plnx::eOk) return;
  RemoveObjectFromDict(dictionary, objectIds);
  dictionary->close();
}

void RemoveObjectFromDict(PnDbObjectId dictionaryId, PnDbObjectId objectId) {
  RemoveObjectFromDict(dictionaryId, PnDbObjectIdArray{objectId});
}

}  // namespace KovtDictUtil
