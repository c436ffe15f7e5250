#include <memory>

#include "core/db_helpers.h"
#include "dictionaries/dict_util.h"

namespace KovtDictUtil {

namespace {

using KoVTCoreAPI::DatabaseOrWorking;

// A record that cannot be opened is counted but listed in neither list, so
// that the two stay parallel (its name cannot be had).
template <class Table>
std::int32_t ListRecords(PnDbObjectIdArray* ids, KoVT::Core::TStringList* names, PnDbDatabase* database) {
  if (ids == nullptr && names == nullptr) return 0;
  database = DatabaseOrWorking(database);
  if (database == nullptr) return 0;
  Table* table = nullptr;
  if (database->getSymbolTable(table, PnDb::kForRead) != Plnx::eOk) return 0;
  PnDbSymbolTableIterator* rawIterator = nullptr;
  Plnx::ErrorStatus es = table->newIterator(rawIterator);
  table->close();
  if (es != Plnx::eOk) return 0;
  std::unique_ptr<PnDbSymbolTableIterator> iterator(rawIterator);

  std::int32_t count = 0;
  for (iterator->start(); !iterator->done(); iterator->step()) {
    ++count;
    PnDbSymbolTableRecord* record = nullptr;
    if (iterator->getRecord(record, PnDb::kForRead) != Plnx::eOk) continue;
    if (ids != nullptr) ids->push_back(record->objectId());
    if (names != nullptr) names->Add(record->name());
    record->close();
  }
  return count;
}

}  // namespace

std::int32_t GetLineTypesFromDatabase(PnDbObjectIdArray* ids, KoVT::Core::TStringList* names,
                                      PnDbDatabase* database) {
  return ListRecords<PnDbLinetypeTable>(ids, names, database);
}

std::int32_t GetDimStylesFromDatabase(PnDbObjectIdArray* ids, KoVT::Core::TStringList* names,
                                      PnDbDatabase* database) {
  return ListRecords<PnDbDimStyleTable>(ids, names, database);
}

PnDbObjectId GetContinuousLineTypeId(PnDbDatabase* database) {
  database = DatabaseOrWorking(database);
  return database != nullptr ? database->continuousLinetype() : PnDbObjectId();
}

PnDbObjectId GetStandardTextStyleId(PnDbDatabase* database) {
  database = DatabaseOrWorking(database);
  if (database == nullptr) return PnDbObjectId();
  PnDbTextStyleTable* table = nullptr;
  if (database->getSymbolTable(table, PnDb::kForRead) != Plnx::eOk) return PnDbObjectId();
  PnDbObjectId id;
  if (table->getAt(L"Standard", id) != Plnx::eOk) id = PnDbObjectId();
  table->close();
  return id;
}

PnDbObjectId GetCurrentTextStyleId(PnDbDatabase* database) {
  database = DatabaseOrWorking(database);
  return database != nullptr ? database->textstyle() : PnDbObjectId();
}

PnDbObjectId GetCurrentDimStyleId(PnDbDatabase* database) {
  database = DatabaseOrWorking(database);
  return database != nullptr ? database->dimstyle() : PnDbObjectId();
}

}  // namespace KovtDictUtil
