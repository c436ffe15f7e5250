// Two drawings for copy tests: the working drawing (the usual destination)
// and a second, source drawing, with helpers that build and inspect
// dictionary trees. Leaves are registry keepers marked by one root key.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tests/support/kovt_drawing.h"

class CopyTest : public KovtDrawingTest {
 public:
  // The child `name` of `parent`, created as `cls` (a plain dictionary when
  // null) when missing.
  static PnDbObjectId Dict(PnDbObjectId parent, const wchar_t* name, const PnRxClass* cls = nullptr);
  // Adds (or replaces) a leaf marked `marker` under `name`.
  static PnDbObjectId Leaf(PnDbObjectId parent, const wchar_t* name, const wchar_t* marker);
  // The live entry `name` of the dictionary `parent`; null when absent.
  static PnDbObjectId Child(PnDbObjectId parent, const wchar_t* name);
  // The entry at a path of names separated by '/' below the named-objects dictionary.
  static PnDbObjectId At(PnDbDatabase* database, const std::wstring& path);
  // The marker of a leaf; empty for anything else.
  static std::wstring Marker(PnDbObjectId leaf);
  static std::uint32_t NumEntries(PnDbObjectId dictionary);

  // Symbol-table records added to a drawing.
  static PnDbObjectId AddLinetype(PnDbDatabase* database, const wchar_t* name, std::vector<double> dashes = {});
  static PnDbObjectId AddTextStyle(PnDbDatabase* database, const wchar_t* name, const wchar_t* fileName = L"txt");
  static PnDbObjectId AddDimStyle(PnDbDatabase* database, const wchar_t* name);
  // The record's name; empty when it is none.
  static std::wstring RecordName(PnDbObjectId id);
  // The names of a table's records, in table order.
  template <class Table>
  static std::vector<std::wstring> RecordNames(PnDbDatabase* database);

 protected:
  void SetUp() override;
  void TearDown() override;

  PnDbDatabase* Source() const { return m_source.get(); }
  // Both drawings have nothing open.
  void ExpectAllClosed() const;

 private:
  std::unique_ptr<PnDbDatabase> m_source;
};

template <class Table>
std::vector<std::wstring> CopyTest::RecordNames(PnDbDatabase* database) {
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
