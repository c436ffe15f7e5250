// Walking the records of a drawing's symbol tables, for the resource copies.
// Record names compare without regard to case, as the tables do.
#pragma once

#include <memory>
#include <vector>

#include "core/db_helpers.h"
#include "core/kovt_string.h"
#include "core/string_list.h"
#include "host/database.h"

namespace KovtCopyUtil::Records {

// The database, or the working database for null.
using KoVTCoreAPI::DatabaseOrWorking;

bool SameName(const wchar_t* a, const wchar_t* b);

// The record's name; empty when it cannot be opened as a `Record`.
template <class Record>
KOVTString NameOf(PnDbObjectId id) {
  Record* record = nullptr;
  if (pndbOpenObject(record, id, PnDb::kForRead) != Plnx::eOk) return KOVTString();
  KOVTString name = record->name();
  record->close();
  return name;
}

// Each name made free in the table: itself when the table does not hold it,
// else the first of "<name> 1", "<name> 2", ... that it does not hold. Names
// chosen for earlier entries of the list count as held, since two copies
// given one name would leave the second unaddable.
std::vector<KOVTString> FreeNames(const PnDbSymbolTable* table, const std::vector<KOVTString>& names);

// Whether `id` is a live record of the database's table of that type.
template <class Table>
bool HasRecord(PnDbDatabase* database, PnDbObjectId id) {
  database = DatabaseOrWorking(database);
  Table* table = nullptr;
  if (database == nullptr || database->getSymbolTable(table, PnDb::kForRead) != Plnx::eOk) return false;
  bool found = table->has(id);
  table->close();
  return found;
}

// The first record of the table, in table order, that `match` accepts; the
// null id when none does or the table cannot be read.
template <class Table, class Match>
PnDbObjectId FindRecord(PnDbDatabase* database, Match match) {
  using Record = typename Table::RecordType;
  database = DatabaseOrWorking(database);
  Table* table = nullptr;
  if (database == nullptr || database->getSymbolTable(table, PnDb::kForRead) != Plnx::eOk) return {};
  PnDbSymbolTableIterator* rawIterator = nullptr;
  Plnx::ErrorStatus es = table->newIterator(rawIterator);
  table->close();
  if (es != Plnx::eOk) return {};
  std::unique_ptr<PnDbSymbolTableIterator> iterator(rawIterator);
  for (iterator->start(); !iterator->done(); iterator->step()) {
    PnDbObjectId id;
    Record* record = nullptr;
    if (iterator->getRecordId(id) != Plnx::eOk || pndbOpenObject(record, id, PnDb::kForRead) != Plnx::eOk) continue;
    bool accepted = match(record);
    record->close();
    if (accepted) return id;
  }
  return {};
}

// The ids of the named records, in the order of `names`; false (and `ids`
// untouched) when any name is missing.
template <class Table>
bool LookUp(PnDbDatabase* database, const KoVT::Core::TStringList& names, PnDbObjectIdArray& ids) {
  database = DatabaseOrWorking(database);
  Table* table = nullptr;
  if (database == nullptr || database->getSymbolTable(table, PnDb::kForRead) != Plnx::eOk) return false;
  PnDbObjectIdArray found;
  for (const KOVTString& name : names) {
    PnDbObjectId id;
    if (table->getAt(name, id) != Plnx::eOk) break;
    found.push_back(id);
  }
  table->close();
  if (found.size() != static_cast<std::size_t>(names.GetCount())) return false;
  ids.insert(ids.end(), found.begin(), found.end());
  return true;
}

// The destination's record of the same kind that `compare` finds equal to
// the source record `sourceId`; null when `sourceId` is no record of the
// source's table or nothing matches.
template <class Table, class Compare>
PnDbObjectId FindCounterpart(PnDbDatabase* source, PnDbObjectId sourceId, PnDbDatabase* destination,
                             Compare compare) {
  using Record = typename Table::RecordType;
  if (!HasRecord<Table>(source, sourceId)) return {};
  Record* sourceRecord = nullptr;
  if (pndbOpenObject(sourceRecord, sourceId, PnDb::kForRead) != Plnx::eOk) return {};
  PnDbObjectId found =
      FindRecord<Table>(destination, [&](const Record* candidate) { return compare(sourceRecord, candidate); });
  sourceRecord->close();
  return found;
}

}  // namespace KovtCopyUtil::Records
