// What the scenario scripts cannot express: objects in no database.
#include <gtest/gtest.h>

#include <memory>

#include "tests/host/host_test_support.h"

namespace {

TEST(OpenClose, NewObjectsAreWritableUntilAddedAndClosed) {
  registerTestThing();
  PnDbDatabase db;
  auto* thing = new TestThing;
  EXPECT_TRUE(thing->isWriteEnabled());
  EXPECT_EQ(thing->close(), Plnx::eNotInDatabase);
  EXPECT_EQ(thing->erase(), Plnx::eNotInDatabase);
  PnDbObjectId added;
  ASSERT_EQ(db.addPnDbObject(added, thing), Plnx::eOk);
  EXPECT_EQ(db.addPnDbObject(added, thing), Plnx::eAlreadyInDb);
  EXPECT_EQ(db.addPnDbObject(added, nullptr), Plnx::eNullObjectPointer);
  EXPECT_EQ(thing->close(), Plnx::eOk);
  // Containers outside a database, or given no object, take nothing.
  EXPECT_EQ(PnDbDictionary().setAt(L"X", std::make_unique<TestThing>().get(), added), Plnx::eNotInDatabase);
  PnDbLinetypeTable* table = nullptr;
  ASSERT_EQ(db.getSymbolTable(table, PnDb::kForWrite), Plnx::eOk);
  EXPECT_EQ(table->add(nullptr), Plnx::eNullObjectPointer);
  // A table of no particular kind takes any record, and no table takes a null one.
  EXPECT_TRUE(PnDbSymbolTable().accepts(std::make_unique<PnDbTextStyleTableRecord>().get()));
  EXPECT_FALSE(PnDbSymbolTable().accepts(nullptr) || table->accepts(nullptr));
  table->close();
}

}  // namespace
