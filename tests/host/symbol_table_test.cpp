// Symbol tables, the database's header settings and the working database.
#include <gtest/gtest.h>

#include <memory>

#include "tests/host/host_test_support.h"

namespace {

// The names of the table's records in iteration order, "|"-separated.
template <class Table>
std::wstring recordNames(PnDbDatabase& db, bool skipErased = true) {
  Table* table = nullptr;
  std::wstring names;
  if (db.getSymbolTable(table, PnDb::kForRead) != Plnx::eOk) return L"<no table>";
  PnDbSymbolTableIterator* raw = nullptr;
  table->newIterator(raw, skipErased);
  table->close();
  std::unique_ptr<PnDbSymbolTableIterator> it(raw);
  PnDbObjectId id;
  PnDbSymbolTableRecord* record = nullptr;
  for (it->start(); !it->done(); it->step()) {
    if (it->getRecordId(id) != Plnx::eOk || pndbOpenObject(record, id, PnDb::kForRead, true) != Plnx::eOk) continue;
    names += record->name() + std::wstring(L"|");
    record->close();
  }
  // Past the end there is nothing to hand out.
  EXPECT_EQ(it->getRecordId(id), Plnx::eInvalidInput);
  EXPECT_EQ(it->getRecord(record, PnDb::kForRead), Plnx::eInvalidInput);
  return names;
}

TEST(SymbolTables, ADefaultDrawingHasTheStandardRecordsInOrderOfAddition) {
  PnDbDatabase db;
  EXPECT_EQ(recordNames<PnDbLinetypeTable>(db), L"ByBlock|ByLayer|Continuous|");
  EXPECT_EQ(recordNames<PnDbDimStyleTable>(db), L"Standard|");
  EXPECT_EQ(recordName(db.continuousLinetype()) + recordName(db.textstyle()) + recordName(db.dimstyle()),
            L"ContinuousStandardStandard");
  pndbAddNamedRecord<PnDbTextStyleTable>(db, L"Zeta");
  pndbAddNamedRecord<PnDbTextStyleTable>(db, L"Alpha");
  EXPECT_EQ(recordNames<PnDbTextStyleTable>(db), L"Standard|Zeta|Alpha|");
  PnDbDatabase empty(false);
  PnDbDictionary* root = nullptr;
  EXPECT_EQ(empty.getNamedObjectsDictionary(root, PnDb::kForRead), Plnx::eNullObjectId);
  EXPECT_EQ(empty.numObjects(), 0u);
}

TEST(SymbolTables, LooksUpLiveRecordsWithoutRegardToCase) {
  PnDbDatabase db;
  PnDbObjectId alpha = pndbAddNamedRecord<PnDbLinetypeTable>(db, L"Alpha");
  ASSERT_EQ(eraseObject(alpha), Plnx::eOk);
  PnDbLinetypeTable* table = nullptr;
  ASSERT_EQ(db.getSymbolTable(table, PnDb::kForRead), Plnx::eOk);
  PnDbObjectId id;
  ASSERT_EQ(table->getAt(L"CONTINUOUS", id), Plnx::eOk);
  EXPECT_EQ(id, db.continuousLinetype());
  EXPECT_TRUE(table->has(L"bylayer") && table->has(id));
  EXPECT_FALSE(table->has(L"byLaye") || table->has(db.textstyle()) || table->has(alpha) || table->has(L"Alpha"));
  EXPECT_EQ(table->getAt(nullptr, id), Plnx::eInvalidInput);
  EXPECT_EQ(table->getAt(L"Alpha", id), Plnx::eKeyNotFound);
  ASSERT_EQ(table->getAt(L"Alpha", id, true), Plnx::eOk);
  EXPECT_EQ(id, alpha);
  PnDbSymbolTableRecord* record = nullptr;
  ASSERT_EQ(table->getAt(L"byblock", record, PnDb::kForRead), Plnx::eOk);
  EXPECT_STREQ(record->name(), L"ByBlock");
  record->close();
  table->close();
  EXPECT_EQ(recordNames<PnDbLinetypeTable>(db, false), L"ByBlock|ByLayer|Continuous|Alpha|");
  EXPECT_FALSE(pndbAddNamedRecord<PnDbLinetypeTable>(db, L"alpha").isNull()) << "an erased record's name is free again";
}

TEST(SymbolTables, AddAndRenameKeepNamesUniqueAndNeedWriteAccess) {
  PnDbDatabase db;
  PnDbLinetypeTable* table = nullptr;
  ASSERT_EQ(db.getSymbolTable(table, PnDb::kForWrite), Plnx::eOk);
  auto taken = std::make_unique<PnDbLinetypeTableRecord>();
  taken->setName(L"continuous");
  EXPECT_EQ(table->add(taken.get()), Plnx::eDuplicateRecordName);
  EXPECT_EQ(table->add(std::make_unique<PnDbLinetypeTableRecord>().get()), Plnx::eInvalidSymbolTableName);
  EXPECT_EQ(table->add(nullptr), Plnx::eNullObjectPointer);
  auto style = std::make_unique<PnDbTextStyleTableRecord>();
  style->setName(L"Style");
  EXPECT_EQ(table->add(style.get()), Plnx::eWrongObjectType);
  // A table of no particular kind takes any record, and no table takes a null one.
  EXPECT_TRUE(PnDbSymbolTable().accepts(style.get()));
  EXPECT_FALSE(PnDbSymbolTable().accepts(nullptr) || table->accepts(nullptr));
  table->downgradeOpen();
  taken->setName(L"Dashed");
  EXPECT_EQ(table->add(taken.get()), Plnx::eNotOpenForWrite);
  table->close();
  EXPECT_FALSE(taken->isDatabaseResident());

  PnDbSymbolTableRecord* record = nullptr;
  ASSERT_EQ(pndbOpenObject(record, pndbAddNamedRecord<PnDbLinetypeTable>(db, L"Dashed"), PnDb::kForWrite), Plnx::eOk);
  EXPECT_EQ(record->setName(L"BYLAYER"), Plnx::eDuplicateRecordName);
  EXPECT_EQ(record->setName(L""), Plnx::eInvalidSymbolTableName);
  EXPECT_EQ(record->setName(L"DASHED"), Plnx::eOk) << "a record may change the case of its own name";
  EXPECT_EQ(record->setName(L"Hidden"), Plnx::eOk);
  record->downgradeOpen();
  EXPECT_EQ(record->setName(L"Other"), Plnx::eNotOpenForWrite);
  EXPECT_STREQ(record->name(), L"Hidden");
  record->close();
}

TEST(DatabaseSettings, DefaultToMetricDecimalWithFourPlacesAndStayInRange) {
  PnDbDatabase db;
  EXPECT_EQ(std::vector<int>({db.measurement(), db.lunits(), db.luprec()}), std::vector<int>({PnDb::kMetric, 2, 4}));
  // Each setter with the values it takes and the values it refuses.
  const struct Case {
    Plnx::ErrorStatus (PnDbDatabase::*set)(int);
    int (PnDbDatabase::*get)() const;
    std::vector<int> taken, refused;
  } cases[] = {
      {&PnDbDatabase::setMeasurement, &PnDbDatabase::measurement, {PnDb::kEnglish, PnDb::kMetric}, {-1, 2}},
      {&PnDbDatabase::setLunits, &PnDbDatabase::lunits, {1, 5, 3}, {0, 6}},
      {&PnDbDatabase::setLuprec, &PnDbDatabase::luprec, {0, 8, 3}, {-1, 9}},
  };
  for (const Case& c : cases) {
    for (int value : c.taken) EXPECT_EQ((db.*c.set)(value), Plnx::eOk) << value;
    for (int value : c.refused) EXPECT_EQ((db.*c.set)(value), Plnx::eInvalidInput) << value;
    EXPECT_EQ((db.*c.get)(), c.taken.back());
  }
}

TEST(DatabaseSettings, CurrentStylesMustBeLiveRecordsOfTheirTable) {
  PnDbDatabase db, other;
  PnDbObjectId style = pndbAddNamedRecord<PnDbTextStyleTable>(db, L"Notes");
  PnDbObjectId dim = pndbAddNamedRecord<PnDbDimStyleTable>(db, L"Notes");
  EXPECT_EQ(db.setTextstyle(style), Plnx::eOk);
  EXPECT_EQ(db.setTextstyle(dim), Plnx::eInvalidInput);
  EXPECT_EQ(db.setTextstyle(other.textstyle()), Plnx::eInvalidInput);
  EXPECT_EQ(db.setDimstyle(dim), Plnx::eOk);
  EXPECT_EQ(db.setDimstyle(style), Plnx::eInvalidInput);
  EXPECT_EQ(db.textstyle(), style);
  EXPECT_EQ(db.dimstyle(), dim);
  ASSERT_EQ(eraseObject(style), Plnx::eOk);
  EXPECT_EQ(db.setTextstyle(style), Plnx::eInvalidInput);
}

TEST(WorkingDatabase, IsSetByTheCallerAndForgottenWhenItsDatabaseGoes) {
  PnDbHostApplicationServices* services = pndbHostApplicationServices();
  PnDbDatabase* before = services->workingDatabase();
  PnDbDatabase kept;
  {
    PnDbDatabase temporary;
    services->setWorkingDatabase(&temporary);
    EXPECT_EQ(services->workingDatabase(), &temporary);
  }
  EXPECT_EQ(services->workingDatabase(), nullptr);
  services->setWorkingDatabase(&kept);
  { PnDbDatabase other; }
  EXPECT_EQ(services->workingDatabase(), &kept) << "only the working database's own end clears it";
  services->setWorkingDatabase(before);
}

}  // namespace
