// Building and reading entries of drawings in tests: dictionaries, leaves
// (registry keepers marked by one root key) and symbol-table records.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/host.h"

// The child `name` of `parent`, created as `cls` (a plain dictionary when
// null) when missing.
PnDbObjectId Dict(PnDbObjectId parent, const wchar_t* name, const PnRxClass* cls = nullptr);
// Adds (or replaces) a leaf marked `marker` under `name`.
PnDbObjectId Leaf(PnDbObjectId parent, const wchar_t* name, const wchar_t* marker);
// The live entry `name` of the dictionary `parent`, open or not; null when absent.
PnDbObjectId Child(PnDbObjectId parent, const wchar_t* name);
// The entry at a path of names separated by '/' below the named-objects dictionary.
PnDbObjectId At(PnDbDatabase* database, const std::wstring& path);
// The marker of a leaf; empty for anything else.
std::wstring Marker(PnDbObjectId leaf);
std::uint32_t NumEntries(PnDbObjectId dictionary);

// Symbol-table records added to a drawing.
template <class Table>
PnDbObjectId AddRecord(PnDbDatabase* database, typename Table::RecordType* record) {
  Table* table = nullptr;
  EXPECT_EQ(database->getSymbolTable(table, PnDb::kForWrite), Plnx::eOk);
  PnDbObjectId id;
  EXPECT_EQ(table->add(id, record), Plnx::eOk);
  record->close();
  table->close();
  return id;
}
PnDbObjectId AddLinetype(PnDbDatabase* database, const wchar_t* name, std::vector<double> dashes = {});
PnDbObjectId AddTextStyle(PnDbDatabase* database, const wchar_t* name, const wchar_t* fileName = L"txt");
PnDbObjectId AddDimStyle(PnDbDatabase* database, const wchar_t* name);
// The record's name; empty when it is none.
std::wstring RecordName(PnDbObjectId id);
// The names of a table's records, in table order.
template <class Table>
std::vector<std::wstring> RecordNames(PnDbDatabase* database) {
  std::vector<std::wstring> names;
  Table* table = nullptr;
  if (database->getSymbolTable(table, PnDb::kForRead) != Plnx::eOk) return names;
  PnDbSymbolTableIterator* iterator = nullptr;
  table->newIterator(iterator);
  for (iterator->start(); !iterator->done(); iterator->step()) {
    PnDbObjectId id;
    iterator->getRecordId(id);
    names.push_back(RecordName(id));
  }
  delete iterator;
  table->close();
  return names;
}
