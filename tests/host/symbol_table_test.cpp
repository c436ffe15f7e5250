// Symbol tables, the database's header settings and the working database.
#include <gtest/gtest.h>

#include <memory>

#include "tests/host/host_test_support.h"

namespace {

template <class Table>
std::vector<std::wstring> recordNames(PnDbDatabase& db, bool skipErased = true) {
  Table* table = nullptr;
  std::vector<std::wstring> names;
  if (db.getSymbolTable(table, PnDb::kForRead) != Plnx::eOk) return names;
  PnDbSymbolTableIterator* raw = nullptr;
  table->newIterator(raw, skipErased);
  std::unique_ptr<PnDbSymbolTableIterator> it(raw);
  for (it->start(); !it->done(); it->step()) {
    PnDbObjectId id;
    PnDbSymbolTableRecord* record = nullptr;
    if (it->getRecordId(id) != Plnx::eOk || pndbOpenObject(record, id, PnDb::kForRead, true) != Plnx::eOk) continue;
    names.push_back(record->name());
    record->close();
  }
  table->close();
  return names;
}

TEST(SymbolTables, ADefaultDrawingHasTheStandardRecordsAndAnEmptyOneNothing) {
  PnDbDatabase db;
  EXPECT_EQ(recordNames<PnDbLinetypeTable>(db), (std::vector<std::wstring>{L"ByBlock", L"ByLayer", L"Continuous"}));
  EXPECT_EQ(recordNames<PnDbTextStyleTable>(db), std::vector<std::wstring>{L"Standard"});
  EXPECT_EQ(recordNames<PnDbDimStyleTable>(db), std::vector<std::wstring>{L"Standard"});
  EXPECT_EQ(recordName(db.continuousLinetype()), L"Continuous");
  EXPECT_EQ(recordName(db.textstyle()), L"Standard");
  EXPECT_EQ(recordName(db.dimstyle()), L"Standard");

  PnDbTextStyleTableRecord* standard = nullptr;
  ASSERT_EQ(pndbOpenObject(standard, db.textstyle(), PnDb::kForRead), Plnx::eOk);
  EXPECT_FALSE(standard->isShapeFile());
  EXPECT_EQ(standard->ownerId(), db.textStyleTableId());
  standard->close();

  PnDbDatabase empty(false);
  PnDbDictionary* root = nullptr;
  EXPECT_EQ(empty.getNamedObjectsDictionary(root, PnDb::kForRead), Plnx::eNullObjectId);
  EXPECT_EQ(empty.numObjects(), 0u);
}

TEST(SymbolTables, LooksUpRecordsWithoutRegardToCase) {
  PnDbDatabase db;
  PnDbLinetypeTable* table = nullptr;
  ASSERT_EQ(db.getSymbolTable(table, PnDb::kForRead), Plnx::eOk);
  PnDbObjectId id;
  ASSERT_EQ(table->getAt(L"CONTINUOUS", id), Plnx::eOk);
  EXPECT_EQ(id, db.continuousLinetype());
  EXPECT_TRUE(table->has(L"bylayer"));
  EXPECT_TRUE(table->has(id));
  EXPECT_FALSE(table->has(db.textstyle()));
  EXPECT_EQ(table->getAt(L"Dashed", id), 22);
  EXPECT_EQ(table->getAt(nullptr, id), Plnx::eInvalidInput);
  PnDbSymbolTableRecord* record = nullptr;
  ASSERT_EQ(table->getAt(L"byblock", record, PnDb::kForRead), Plnx::eOk);
  EXPECT_STREQ(record->name(), L"ByBlock");
  record->close();
  table->close();
}

TEST(SymbolTables, AddRefusesTakenNamesWrongRecordsAndReadOnlyTables) {
  PnDbDatabase db;
  PnDbLinetypeTable* table = nullptr;
  ASSERT_EQ(db.getSymbolTable(table, PnDb::kForWrite), Plnx::eOk);
  auto taken = std::make_unique<PnDbLinetypeTableRecord>();
  taken->setName(L"continuous");
  EXPECT_EQ(table->add(taken.get()), Plnx::eDuplicateRecordName);
  auto unnamed = std::make_unique<PnDbLinetypeTableRecord>();
  EXPECT_EQ(table->add(unnamed.get()), Plnx::eInvalidSymbolTableName);
  auto style = std::make_unique<PnDbTextStyleTableRecord>();
  style->setName(L"Style");
  EXPECT_EQ(table->add(style.get()), 34);  // eWrongObjectType
  EXPECT_EQ(table->add(nullptr), Plnx::eNullObjectPointer);
  table->downgradeOpen();
  auto dashed = std::make_unique<PnDbLinetypeTableRecord>();
  dashed->setName(L"Dashed");
  EXPECT_EQ(table->add(dashed.get()), Plnx::eNotOpenForWrite);
  table->close();
  EXPECT_FALSE(taken->isDatabaseResident());
  EXPECT_FALSE(dashed->isDatabaseResident());
}

TEST(SymbolTables, RenamingKeepsNamesUnique) {
  PnDbDatabase db;
  PnDbObjectId dashed = addRecord<PnDbLinetypeTable>(db, L"Dashed");
  PnDbSymbolTableRecord* record = nullptr;
  ASSERT_EQ(pndbOpenObject(record, dashed, PnDb::kForWrite), Plnx::eOk);
  EXPECT_EQ(record->setName(L"BYLAYER"), Plnx::eDuplicateRecordName);
  EXPECT_EQ(record->setName(L""), Plnx::eInvalidSymbolTableName);
  EXPECT_EQ(record->setName(L"DASHED"), Plnx::eOk) << "a record may change the case of its own name";
  EXPECT_EQ(record->setName(L"Hidden"), Plnx::eOk);
  record->downgradeOpen();
  EXPECT_EQ(record->setName(L"Other"), Plnx::eNotOpenForWrite);
  std::wstring name;
  record->getName(name);
  EXPECT_EQ(name, L"Hidden");
  record->close();
}

TEST(SymbolTables, IteratorFollowsTheOrderOfAdditionAndCanShowErased) {
  PnDbDatabase db;
  addRecord<PnDbTextStyleTable>(db, L"Zeta");
  PnDbObjectId alpha = addRecord<PnDbTextStyleTable>(db, L"Alpha");
  EXPECT_EQ(recordNames<PnDbTextStyleTable>(db), (std::vector<std::wstring>{L"Standard", L"Zeta", L"Alpha"}));

  ASSERT_EQ(eraseObject(alpha), Plnx::eOk);
  EXPECT_EQ(recordNames<PnDbTextStyleTable>(db), (std::vector<std::wstring>{L"Standard", L"Zeta"}));
  EXPECT_EQ(recordNames<PnDbTextStyleTable>(db, false), (std::vector<std::wstring>{L"Standard", L"Zeta", L"Alpha"}));

  // An erased record's name is free again, and getAt can still find the erased one.
  PnDbTextStyleTable* table = nullptr;
  ASSERT_EQ(db.getSymbolTable(table, PnDb::kForRead), Plnx::eOk);
  PnDbObjectId found;
  EXPECT_EQ(table->getAt(L"Alpha", found), 22);
  ASSERT_EQ(table->getAt(L"Alpha", found, true), Plnx::eOk);
  EXPECT_EQ(found, alpha);
  table->close();
  EXPECT_FALSE(addRecord<PnDbTextStyleTable>(db, L"Alpha").isNull());

  PnDbSymbolTableIterator* raw = nullptr;
  ASSERT_EQ(db.getSymbolTable(table, PnDb::kForRead), Plnx::eOk);
  table->newIterator(raw);
  table->close();
  std::unique_ptr<PnDbSymbolTableIterator> it(raw);
  while (!it->done()) it->step();
  EXPECT_EQ(it->getRecordId(found), Plnx::eInvalidInput);
  it->start();
  PnDbSymbolTableRecord* first = nullptr;
  ASSERT_EQ(it->getRecord(first, PnDb::kForRead), Plnx::eOk);
  EXPECT_STREQ(first->name(), L"Standard");
  first->close();
}

TEST(SymbolTables, RecordFieldsSurviveASave) {
  PnDbDatabase db;
  PnDbObjectId shapes = addRecord<PnDbTextStyleTable>(db, L"Symbols");
  PnDbObjectId dashed = addRecord<PnDbLinetypeTable>(db, L"Dashed");
  PnDbObjectId dims = addRecord<PnDbDimStyleTable>(db, L"KOVT-50");
  {
    PnDbTextStyleTableRecord* style = nullptr;
    ASSERT_EQ(pndbOpenObject(style, shapes, PnDb::kForWrite), Plnx::eOk);
    style->setIsShapeFile(true);
    style->setFileName(L"kovt.shx");
    style->setTextSize(3.5);
    style->setXScale(0.8);
    style->close();
    PnDbLinetypeTableRecord* linetype = nullptr;
    ASSERT_EQ(pndbOpenObject(linetype, dashed, PnDb::kForWrite), Plnx::eOk);
    linetype->setComments(L"__ __ __");
    linetype->setDashes({5.0, -2.5, 0.0, -2.5});
    EXPECT_DOUBLE_EQ(linetype->patternLength(), 10.0);
    linetype->close();
    PnDbDimStyleTableRecord* dim = nullptr;
    ASSERT_EQ(pndbOpenObject(dim, dims, PnDb::kForWrite), Plnx::eOk);
    dim->setDimscale(50.0);
    dim->setDimtxt(3.0);
    dim->setDimtxsty(shapes);
    dim->close();
  }
  ScratchDir dir;
  auto copy = reopened(db, dir.Path() / L"tables.pndwg");
  ASSERT_TRUE(copy);

  auto* style = openRecordNamed<PnDbTextStyleTable>(*copy, L"Symbols");
  ASSERT_NE(style, nullptr);
  EXPECT_TRUE(style->isShapeFile());
  EXPECT_EQ(style->fileName(), L"kovt.shx");
  EXPECT_DOUBLE_EQ(style->textSize(), 3.5);
  EXPECT_DOUBLE_EQ(style->xScale(), 0.8);
  PnDbObjectId styleId = style->objectId();
  style->close();

  auto* linetype = openRecordNamed<PnDbLinetypeTable>(*copy, L"Dashed");
  ASSERT_NE(linetype, nullptr);
  EXPECT_EQ(linetype->comments(), L"__ __ __");
  EXPECT_EQ(linetype->dashes(), (std::vector<double>{5.0, -2.5, 0.0, -2.5}));
  linetype->close();

  auto* dim = openRecordNamed<PnDbDimStyleTable>(*copy, L"kovt-50");
  ASSERT_NE(dim, nullptr);
  EXPECT_DOUBLE_EQ(dim->dimscale(), 50.0);
  EXPECT_DOUBLE_EQ(dim->dimtxt(), 3.0);
  EXPECT_EQ(dim->dimtxsty(), styleId);
  dim->close();
}

TEST(DatabaseSettings, DefaultToMetricDecimalWithFourPlacesAndStayInRange) {
  PnDbDatabase db;
  EXPECT_EQ(db.measurement(), PnDb::kMetric);
  EXPECT_EQ(db.lunits(), 2);
  EXPECT_EQ(db.luprec(), 4);
  EXPECT_EQ(db.setMeasurement(PnDb::kEnglish), Plnx::eOk);
  EXPECT_EQ(db.setMeasurement(2), Plnx::eInvalidInput);
  EXPECT_EQ(db.measurement(), PnDb::kEnglish);
  EXPECT_EQ(db.setLunits(5), Plnx::eOk);
  EXPECT_EQ(db.setLunits(0), Plnx::eInvalidInput);
  EXPECT_EQ(db.setLunits(6), Plnx::eInvalidInput);
  EXPECT_EQ(db.lunits(), 5);
  EXPECT_EQ(db.setLuprec(8), Plnx::eOk);
  EXPECT_EQ(db.setLuprec(-1), Plnx::eInvalidInput);
  EXPECT_EQ(db.setLuprec(9), Plnx::eInvalidInput);
  EXPECT_EQ(db.luprec(), 8);
}

TEST(DatabaseSettings, CurrentStylesMustBeLiveRecordsOfTheirTable) {
  PnDbDatabase db, other;
  PnDbObjectId style = addRecord<PnDbTextStyleTable>(db, L"Notes");
  PnDbObjectId dim = addRecord<PnDbDimStyleTable>(db, L"Notes");
  EXPECT_EQ(db.setTextstyle(style), Plnx::eOk);
  EXPECT_EQ(db.textstyle(), style);
  EXPECT_EQ(db.setTextstyle(dim), Plnx::eInvalidInput);
  EXPECT_EQ(db.setTextstyle(other.textstyle()), Plnx::eInvalidInput);
  EXPECT_EQ(db.setDimstyle(dim), Plnx::eOk);
  EXPECT_EQ(db.setDimstyle(style), Plnx::eInvalidInput);
  EXPECT_EQ(db.dimstyle(), dim);
  ASSERT_EQ(eraseObject(style), Plnx::eOk);
  EXPECT_EQ(db.setTextstyle(style), Plnx::eInvalidInput);
}

TEST(DatabaseSettings, SurviveASave) {
  PnDbDatabase db;
  PnDbObjectId style = addRecord<PnDbTextStyleTable>(db, L"Notes");
  db.setTextstyle(style);
  db.setMeasurement(PnDb::kEnglish);
  db.setLunits(4);
  db.setLuprec(1);
  ScratchDir dir;
  auto copy = reopened(db, dir.Path() / L"settings.pndwg");
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->measurement(), PnDb::kEnglish);
  EXPECT_EQ(copy->lunits(), 4);
  EXPECT_EQ(copy->luprec(), 1);
  EXPECT_EQ(recordName(copy->textstyle()), L"Notes");
  EXPECT_EQ(recordName(copy->continuousLinetype()), L"Continuous");
  EXPECT_EQ(recordName(copy->dimstyle()), L"Standard");
}

TEST(WorkingDatabase, IsSetByTheCallerAndForgottenWhenItsDatabaseGoes) {
  PnDbHostApplicationServices* services = pndbHostApplicationServices();
  EXPECT_EQ(services, pndbHostApplicationServices());
  PnDbDatabase* before = services->workingDatabase();
  PnDbDatabase kept;
  {
    PnDbDatabase temporary;
    services->setWorkingDatabase(&temporary);
    EXPECT_EQ(services->workingDatabase(), &temporary);
  }
  EXPECT_EQ(services->workingDatabase(), nullptr);
  services->setWorkingDatabase(&kept);
  {
    PnDbDatabase other;
  }
  EXPECT_EQ(services->workingDatabase(), &kept) << "only the working database's own end clears it";
  services->setWorkingDatabase(before);
}

}  // namespace
