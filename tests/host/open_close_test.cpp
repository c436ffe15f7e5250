// The open and close protocol: many readers or one writer, mode changes, erasing.
#include <gtest/gtest.h>

#include "tests/host/host_test_support.h"

namespace {

class OpenClose : public ::testing::Test {
 protected:
  void SetUp() override {
    registerTestThing();
    id = addThing(db, L"Thing", L"a thing", 1, 1.0);
    ASSERT_FALSE(id.isNull());
  }
  PnDbDatabase db;
  PnDbObjectId id;
};

TEST_F(OpenClose, ManyReadersShareAnObjectAndCountDown) {
  PnDbObject *first = nullptr, *second = nullptr;
  ASSERT_EQ(pndbOpenObject(first, id, PnDb::kForRead), Plnx::eOk);
  ASSERT_EQ(pndbOpenObject(second, id, PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(first, second);
  EXPECT_EQ(first->numReaders(), 2);
  EXPECT_TRUE(first->isReadEnabled());
  EXPECT_FALSE(first->isWriteEnabled());
  EXPECT_FALSE(first->isReallyClosing());
  EXPECT_EQ(first->close(), Plnx::eOk);
  EXPECT_TRUE(first->isReallyClosing());
  EXPECT_EQ(first->close(), Plnx::eOk);
  EXPECT_FALSE(first->isReadEnabled());
  // A close too many is refused rather than driving the count negative.
  EXPECT_EQ(first->close(), Plnx::eInvalidOpenState);
  EXPECT_EQ(first->numReaders(), 0);
}

TEST_F(OpenClose, AWriterExcludesEveryoneElse) {
  PnDbObject *writer = nullptr, *other = nullptr;
  ASSERT_EQ(pndbOpenObject(writer, id, PnDb::kForWrite), Plnx::eOk);
  EXPECT_TRUE(writer->isWriteEnabled());
  EXPECT_TRUE(writer->isReallyClosing());
  EXPECT_EQ(pndbOpenObject(other, id, PnDb::kForRead), 84);   // eWasOpenedForWrite
  EXPECT_EQ(pndbOpenObject(other, id, PnDb::kForWrite), 84);
  EXPECT_EQ(other, nullptr);
  writer->close();

  PnDbObject* reader = nullptr;
  ASSERT_EQ(pndbOpenObject(reader, id, PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(pndbOpenObject(other, id, PnDb::kForWrite), 83);  // eWasOpenedForRead
  reader->close();
}

TEST_F(OpenClose, RefusesUnknownModesIdsAndClasses) {
  PnDbObject* object = nullptr;
  EXPECT_EQ(pndbOpenObject(object, id, PnDb::kNotOpen), Plnx::eInvalidOpenState);
  EXPECT_EQ(pndbOpenObject(object, PnDbObjectId(), PnDb::kForRead), Plnx::eNullObjectId);
  PnDbObjectId unloaded;
  ASSERT_EQ(db.getPnDbObjectId(unloaded, true, PnDbHandle(0x7777)), Plnx::eOk);
  EXPECT_FALSE(unloaded.isValid());
  EXPECT_EQ(pndbOpenObject(object, unloaded, PnDb::kForRead), Plnx::eUnknownHandle);
  EXPECT_EQ(object, nullptr);
  PnDbDictionary* dictionary = nullptr;
  EXPECT_EQ(pndbOpenObject(dictionary, id, PnDb::kForRead), 46);  // eNotThatKindOfClass
  EXPECT_EQ(dictionary, nullptr);
  // The failed typed open must not leave the object open.
  ASSERT_EQ(pndbOpenObject(object, id, PnDb::kForWrite), Plnx::eOk);
  object->close();
}

TEST_F(OpenClose, UpgradesTheOnlyReaderAndDowngradesTheWriter) {
  PnDbObject* object = nullptr;
  ASSERT_EQ(pndbOpenObject(object, id, PnDb::kForRead), Plnx::eOk);
  ASSERT_EQ(object->upgradeOpen(), Plnx::eOk);
  EXPECT_TRUE(object->isWriteEnabled());
  EXPECT_EQ(object->numReaders(), 0);
  EXPECT_EQ(object->upgradeOpen(), Plnx::eWasOpenedForWrite);
  ASSERT_EQ(object->downgradeOpen(), Plnx::eOk);
  EXPECT_FALSE(object->isWriteEnabled());
  EXPECT_EQ(object->numReaders(), 1);
  EXPECT_EQ(object->downgradeOpen(), Plnx::eNotOpenForWrite);

  PnDbObject* second = nullptr;
  ASSERT_EQ(pndbOpenObject(second, id, PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(object->upgradeOpen(), Plnx::eHadMultipleReaders);
  EXPECT_FALSE(object->isWriteEnabled());
  second->close();
  object->close();
  EXPECT_EQ(object->upgradeOpen(), Plnx::eInvalidOpenState);
}

TEST_F(OpenClose, LimitsTheNumberOfReaders) {
  PnDbObject *object = nullptr, *refused = nullptr;
  ASSERT_EQ(pndbOpenObject(object, id, PnDb::kForRead), Plnx::eOk);
  int opened = 1;
  Plnx::ErrorStatus es = Plnx::eOk;
  while (opened < 10000 && (es = pndbOpenObject(refused, id, PnDb::kForRead)) == Plnx::eOk) ++opened;
  EXPECT_EQ(es, Plnx::eAtMaxReaders);
  EXPECT_EQ(refused, nullptr);
  EXPECT_GT(opened, 1);
  EXPECT_EQ(object->numReaders(), opened);
  while (opened-- > 0) object->close();
  EXPECT_FALSE(object->isReadEnabled());
}

TEST_F(OpenClose, AssertionsStopTheHostWhenTheModeIsWrong) {
  ThrowingAbort aborts;
  PnDbObject* object = nullptr;
  ASSERT_EQ(pndbOpenObject(object, id, PnDb::kForRead), Plnx::eOk);
  EXPECT_NO_THROW(object->assertReadEnabled());
  EXPECT_THROW(object->assertWriteEnabled(), HostAbort);
  EXPECT_FALSE(object->isModified());
  object->upgradeOpen();
  object->assertWriteEnabled();
  EXPECT_TRUE(object->isModified());
  object->close();
  try {
    object->assertReadEnabled();
    ADD_FAILURE() << "no abort";
  } catch (const HostAbort& abort) {
    std::wstring wide = object->handle().toString();
    std::string handle(wide.begin(), wide.end());
    EXPECT_EQ(std::string(abort.what()), "object " + handle + " is not open for read");
  }
}

TEST_F(OpenClose, NewObjectsAreWritableUntilAddedAndClosed) {
  auto* thing = new TestThing;
  EXPECT_TRUE(thing->isWriteEnabled());
  EXPECT_FALSE(thing->isDatabaseResident());
  EXPECT_EQ(thing->close(), Plnx::eNotInDatabase);
  EXPECT_EQ(thing->erase(), Plnx::eNotInDatabase);
  PnDbObjectId added;
  ASSERT_EQ(db.addPnDbObject(added, thing), Plnx::eOk);
  EXPECT_EQ(db.addPnDbObject(added, thing), Plnx::eAlreadyInDb);
  EXPECT_EQ(db.addPnDbObject(added, nullptr), Plnx::eNullObjectPointer);
  EXPECT_EQ(thing->objectId(), added);
  EXPECT_EQ(thing->database(), &db);
  EXPECT_EQ(added.database(), &db);
  EXPECT_TRUE(thing->isWriteEnabled());
  EXPECT_EQ(thing->close(), Plnx::eOk);
}

TEST_F(OpenClose, HandlesAreUniqueLeadBackToTheirObjectAndOrderIds) {
  PnDbObjectId second = addThing(db, L"Second", L"two", 2, 2.0);
  EXPECT_NE(id.handle(), second.handle());
  EXPECT_FALSE(id.handle().isNull());
  PnDbObjectId found;
  ASSERT_EQ(db.getPnDbObjectId(found, false, second.handle()), Plnx::eOk);
  EXPECT_EQ(found, second);
  EXPECT_EQ(db.getPnDbObjectId(found, false, PnDbHandle(0xABCDEF)), Plnx::eUnknownHandle);
  EXPECT_EQ(db.getPnDbObjectId(found, false, PnDbHandle()), Plnx::eNullHandle);
  EXPECT_EQ(PnDbHandle(0x1A2B).toString(), L"1A2B");
  // Ids order by database, then handle.
  EXPECT_TRUE(id < second);
  EXPECT_FALSE(second < id);
  EXPECT_FALSE(id < id);
  EXPECT_FALSE(PnDbObjectId().isValid());
  EXPECT_FALSE(PnDbObjectId().isErased());
  EXPECT_EQ(PnDbObjectId().database(), nullptr);
  EXPECT_TRUE(PnDbObjectId::kNull.isNull());
}

TEST_F(OpenClose, ErasedObjectsOpenOnlyWhenAskedFor) {
  PnDbObject* object = nullptr;
  ASSERT_EQ(pndbOpenObject(object, id, PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(object->erase(), Plnx::eNotOpenForWrite);
  object->upgradeOpen();
  ASSERT_EQ(object->erase(), Plnx::eOk);
  EXPECT_EQ(object->erase(), 81);  // eWasErased
  object->close();
  EXPECT_TRUE(id.isErased());
  EXPECT_TRUE(id.isValid());
  EXPECT_EQ(pndbOpenObject(object, id, PnDb::kForRead), 81);
  ASSERT_EQ(pndbOpenObject(object, id, PnDb::kForWrite, true), Plnx::eOk);
  EXPECT_TRUE(object->isErased());
  ASSERT_EQ(object->erase(false), Plnx::eOk);
  EXPECT_EQ(object->erase(false), Plnx::eInvalidInput);
  object->close();
  EXPECT_FALSE(id.isErased());
}

TEST_F(OpenClose, ErasingAnOwnerErasesWhatItOwnsAndUneraseBringsItBack) {
  PnDbObjectId outerId, innerId, leafId;
  PnDbDictionary* outer = addDictionary(db, L"Outer", outerId);
  ASSERT_NE(outer, nullptr);
  auto* inner = new PnDbDictionary;
  outer->setAt(L"Inner", inner, innerId);
  auto* leaf = new TestThing;
  inner->setAt(L"Leaf", leaf, leafId);
  leaf->close();
  inner->close();

  ASSERT_EQ(outer->erase(), Plnx::eOk);
  EXPECT_TRUE(innerId.isErased());
  EXPECT_TRUE(leafId.isErased());
  EXPECT_FALSE(id.isErased());
  ASSERT_EQ(outer->erase(false), Plnx::eOk);
  EXPECT_FALSE(innerId.isErased());
  EXPECT_FALSE(leafId.isErased());
  outer->close();
}

TEST_F(OpenClose, TheDatabaseRootsCannotBeErased) {
  PnDbDictionary* root = nullptr;
  ASSERT_EQ(db.getNamedObjectsDictionary(root, PnDb::kForWrite), Plnx::eOk);
  EXPECT_EQ(root->erase(), Plnx::eNotApplicable);
  root->close();
  PnDbLinetypeTable* linetypes = nullptr;
  ASSERT_EQ(db.getSymbolTable(linetypes, PnDb::kForWrite), Plnx::eOk);
  EXPECT_EQ(linetypes->erase(), Plnx::eNotApplicable);
  linetypes->close();
  EXPECT_FALSE(db.namedObjectsDictionaryId().isErased());
  EXPECT_FALSE(db.continuousLinetype().isErased());
}

TEST(HostHeap, AllocatesEvenEmptyBlocks) {
  void* block = pnHeapAlloc(0);
  EXPECT_NE(block, nullptr);
  pnHeapFree(block);
  auto* bytes = static_cast<unsigned char*>(pnHeapAlloc(64));
  ASSERT_NE(bytes, nullptr);
  bytes[63] = 1;
  pnHeapFree(bytes);
}

}  // namespace
