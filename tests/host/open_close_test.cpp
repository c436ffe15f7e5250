// The open and close protocol: many readers or one writer, mode changes, erasing.
#include <gtest/gtest.h>

#include "tests/host/host_test_support.h"

namespace {

class OpenClose : public ::testing::Test {
 protected:
  void SetUp() override {
    registerTestThing();
    id = addThing(db, L"Thing", L"a thing", 1, 1.0);
    ASSERT_EQ(pndbOpenObject(object, id, PnDb::kForRead), Plnx::eOk);
  }
  // The state of `object`: readers, "w" when open for write, "c" when the next close is the last.
  std::string state() const {
    return std::to_string(object->numReaders()) + (object->isWriteEnabled() ? "w" : "") +
           (object->isReallyClosing() ? "c" : "");
  }
  PnDbDatabase db;
  PnDbObjectId id;
  PnDbObject* object = nullptr;
};

TEST_F(OpenClose, ReadersShareAnObjectAndExcludeAWriter) {
  PnDbObject* other = nullptr;
  ASSERT_EQ(pndbOpenObject(other, id, PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(other, object);
  EXPECT_EQ(state(), "2");
  EXPECT_EQ(pndbOpenObject(other, id, PnDb::kForWrite), Plnx::eWasOpenedForRead);
  EXPECT_EQ(other, nullptr);
  EXPECT_EQ(object->upgradeOpen(), Plnx::eHadMultipleReaders);
  EXPECT_EQ(object->close(), Plnx::eOk);
  EXPECT_EQ(state(), "1c");
  // The only reader upgrades; the writer excludes everyone and downgrades to one reader.
  ASSERT_EQ(object->upgradeOpen(), Plnx::eOk);
  EXPECT_EQ(state(), "0wc");
  EXPECT_EQ(object->upgradeOpen(), Plnx::eWasOpenedForWrite);
  for (PnDb::OpenMode mode : {PnDb::kForRead, PnDb::kForWrite})
    EXPECT_EQ(pndbOpenObject(other, id, mode), Plnx::eWasOpenedForWrite);
  ASSERT_EQ(object->downgradeOpen(), Plnx::eOk);
  EXPECT_EQ(state(), "1c");
  EXPECT_EQ(object->downgradeOpen(), Plnx::eNotOpenForWrite);
  EXPECT_EQ(object->close(), Plnx::eOk);
  EXPECT_EQ(state(), "0");
  // A close too many is refused rather than driving the count negative.
  EXPECT_EQ(object->close(), Plnx::eInvalidOpenState);
  EXPECT_EQ(object->upgradeOpen(), Plnx::eInvalidOpenState);
  EXPECT_EQ(state(), "0");
}

TEST_F(OpenClose, RefusesUnknownModesIdsClassesAndReadersBeyondTheLimit) {
  PnDbObject* other = nullptr;
  EXPECT_EQ(pndbOpenObject(other, id, PnDb::kNotOpen), Plnx::eInvalidOpenState);
  EXPECT_EQ(pndbOpenObject(other, PnDbObjectId(), PnDb::kForRead), Plnx::eNullObjectId);
  PnDbObjectId unloaded;
  ASSERT_EQ(db.getPnDbObjectId(unloaded, true, PnDbHandle(0x7777)), Plnx::eOk);
  EXPECT_FALSE(unloaded.isValid());
  EXPECT_EQ(pndbOpenObject(other, unloaded, PnDb::kForRead), Plnx::eUnknownHandle);
  EXPECT_EQ(other, nullptr);
  PnDbDictionary* dictionary = nullptr;
  EXPECT_EQ(pndbOpenObject(dictionary, id, PnDb::kForRead), Plnx::eNotThatKindOfClass);
  EXPECT_EQ(dictionary, nullptr);
  EXPECT_EQ(state(), "1c") << "the failed typed open left nothing open";

  int opened = 1;
  Plnx::ErrorStatus es = Plnx::eOk;
  while (opened < 10000 && (es = pndbOpenObject(other, id, PnDb::kForRead)) == Plnx::eOk) ++opened;
  EXPECT_EQ(es, Plnx::eAtMaxReaders);
  EXPECT_EQ(other, nullptr);
  EXPECT_GT(opened, 1);
  EXPECT_EQ(object->numReaders(), opened);
  while (opened-- > 0) object->close();
  EXPECT_FALSE(object->isReadEnabled());
}

TEST_F(OpenClose, AssertionsStopTheHostWhenTheModeIsWrong) {
  ThrowingAbort aborts;
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
    const std::string handle = std::filesystem::path(id.handle().toString()).string();
    EXPECT_EQ(abort.what(), "object " + handle + " is not open for read");
  }
}

TEST_F(OpenClose, NewObjectsAreWritableUntilAddedAndClosed) {
  object->close();
  auto* thing = new TestThing;
  EXPECT_TRUE(thing->isWriteEnabled());
  EXPECT_EQ(thing->close(), Plnx::eNotInDatabase);
  EXPECT_EQ(thing->erase(), Plnx::eNotInDatabase);
  PnDbObjectId added;
  ASSERT_EQ(db.addPnDbObject(added, thing), Plnx::eOk);
  EXPECT_EQ(db.addPnDbObject(added, thing), Plnx::eAlreadyInDb);
  EXPECT_EQ(db.addPnDbObject(added, nullptr), Plnx::eNullObjectPointer);
  EXPECT_EQ(thing->objectId(), added);
  EXPECT_EQ(added.database(), &db);
  EXPECT_EQ(thing->close(), Plnx::eOk);
  // Handles are unique, lead back to their object and order ids.
  EXPECT_NE(id.handle(), added.handle());
  PnDbObjectId found;
  ASSERT_EQ(db.getPnDbObjectId(found, false, added.handle()), Plnx::eOk);
  EXPECT_EQ(found, added);
  EXPECT_EQ(db.getPnDbObjectId(found, false, PnDbHandle(0xABCDEF)), Plnx::eUnknownHandle);
  EXPECT_EQ(db.getPnDbObjectId(found, false, PnDbHandle()), Plnx::eNullHandle);
  EXPECT_EQ(PnDbHandle(0x1A2B).toString(), L"1A2B");
  EXPECT_TRUE(id < added && !(added < id) && !(id < id));
}

TEST_F(OpenClose, ErasedObjectsOpenOnlyWhenAskedFor) {
  EXPECT_EQ(object->erase(), Plnx::eNotOpenForWrite);
  object->upgradeOpen();
  ASSERT_EQ(object->erase(), Plnx::eOk);
  EXPECT_EQ(object->erase(), Plnx::eWasErased);
  object->close();
  EXPECT_TRUE(id.isErased() && id.isValid());
  EXPECT_EQ(pndbOpenObject(object, id, PnDb::kForRead), Plnx::eWasErased);
  ASSERT_EQ(pndbOpenObject(object, id, PnDb::kForWrite, true), Plnx::eOk);
  ASSERT_EQ(object->erase(false), Plnx::eOk);
  EXPECT_EQ(object->erase(false), Plnx::eInvalidInput);
  object->close();
  EXPECT_FALSE(id.isErased());
}

TEST_F(OpenClose, ErasingAnOwnerErasesWhatItOwnsButNeverTheRoots) {
  object->close();
  PnDbObjectId outerId, innerId, leafId;
  PnDbDictionary* outer = addDictionary(db, L"Outer", outerId);
  auto* inner = new PnDbDictionary;
  outer->setAt(L"Inner", inner, innerId);
  auto* leaf = new TestThing;
  inner->setAt(L"Leaf", leaf, leafId);
  leaf->close();
  inner->close();
  ASSERT_EQ(outer->erase(), Plnx::eOk);
  EXPECT_TRUE(innerId.isErased() && leafId.isErased());
  EXPECT_FALSE(id.isErased());
  ASSERT_EQ(outer->erase(false), Plnx::eOk);
  EXPECT_FALSE(innerId.isErased() || leafId.isErased());
  outer->close();
  for (PnDbObjectId root : {db.namedObjectsDictionaryId(), db.linetypeTableId(), db.textStyleTableId(),
                            db.dimStyleTableId()})
    EXPECT_EQ(eraseObject(root), Plnx::eNotApplicable);
  EXPECT_EQ(eraseObject(db.continuousLinetype()), Plnx::eOk);
}

}  // namespace
