// The named-objects dictionary and dictionaries in general.
#include <gtest/gtest.h>

#include <memory>

#include "tests/host/host_test_support.h"

namespace {

class Dictionaries : public ::testing::Test {
 protected:
  void SetUp() override {
    registerTestThing();
    ASSERT_EQ(db.getNamedObjectsDictionary(root, PnDb::kForWrite), Plnx::eOk);
  }
  void TearDown() override {
    if (root) root->close();
  }
  PnDbObjectId add(const wchar_t* name, const wchar_t* label = L"") {
    auto* thing = new TestThing;
    thing->label = label;
    PnDbObjectId id;
    EXPECT_EQ(root->setAt(name, thing, id), Plnx::eOk);
    thing->close();
    return id;
  }
  std::vector<std::wstring> names() {
    std::vector<std::wstring> result;
    std::unique_ptr<PnDbDictionaryIterator> it(root->newIterator());
    for (; !it->done(); it->next()) result.push_back(it->name());
    return result;
  }

  PnDbDatabase db;
  PnDbDictionary* root = nullptr;
};

TEST_F(Dictionaries, SetAtAddsToTheDatabaseAndGetAtFindsWithoutRegardToCase) {
  std::size_t before = db.numObjects();
  PnDbObjectId id = add(L"KOVT", L"root");
  EXPECT_EQ(db.numObjects(), before + 1);
  EXPECT_EQ(id.database(), &db);
  PnDbObjectId found;
  ASSERT_EQ(root->getAt(L"kovt", found), Plnx::eOk);
  EXPECT_EQ(found, id);
  EXPECT_TRUE(root->has(L"Kovt"));
  EXPECT_TRUE(root->has(id));
  EXPECT_EQ(root->getAt(L"KOVR", found), 22);  // eKeyNotFound
  EXPECT_EQ(found, id) << "a failed lookup leaves the output alone";
  EXPECT_EQ(root->getAt(nullptr, found), Plnx::eInvalidKey);

  PnDbObject* object = nullptr;
  ASSERT_EQ(root->getAt(L"KOVT", object, PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(object->ownerId(), db.namedObjectsDictionaryId());
  object->close();
  EXPECT_EQ(root->getAt(L"none", object, PnDb::kForRead), 22);
  EXPECT_EQ(object, nullptr);
}

TEST_F(Dictionaries, IteratesInNameOrderIgnoringCaseAndSkipsErasedEntries) {
  add(L"beta");
  PnDbObjectId gone = add(L"Alpha");
  add(L"GAMMA");
  EXPECT_EQ(names(), (std::vector<std::wstring>{L"Alpha", L"beta", L"GAMMA"}));
  EXPECT_EQ(root->numEntries(), 3u);
  ASSERT_EQ(eraseObject(gone), Plnx::eOk);
  EXPECT_EQ(names(), (std::vector<std::wstring>{L"beta", L"GAMMA"}));
  PnDbObjectId found;
  EXPECT_EQ(root->getAt(L"Alpha", found), Plnx::eKeyNotFound);  // lookups agree with the walk
  EXPECT_FALSE(root->has(L"Alpha"));
}

TEST_F(Dictionaries, IteratorWalksASnapshotAndOpensEntries) {
  PnDbObjectId a = add(L"A", L"first");
  add(L"B", L"second");
  std::unique_ptr<PnDbDictionaryIterator> it(root->newIterator());
  PnDbObjectId removed;
  ASSERT_EQ(root->remove(L"B", removed), Plnx::eOk);
  ASSERT_FALSE(it->done());
  EXPECT_EQ(it->objectId(), a);
  PnDbObject* object = nullptr;
  ASSERT_EQ(it->getObject(object, PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(TestThing::cast(object)->label, L"first");
  object->close();
  EXPECT_TRUE(it->next());
  EXPECT_STREQ(it->name(), L"B");
  EXPECT_FALSE(it->next());
  EXPECT_TRUE(it->done());
  EXPECT_EQ(it->name(), nullptr);
  EXPECT_TRUE(it->objectId().isNull());
  EXPECT_EQ(it->getObject(object, PnDb::kForRead), Plnx::eNullObjectId);
}

TEST_F(Dictionaries, ReplacingAnEntryErasesTheObjectItHeld) {
  PnDbObjectId old = add(L"Entry", L"old");
  PnDbObjectId fresh = add(L"ENTRY", L"new");
  EXPECT_TRUE(old.isErased());
  EXPECT_FALSE(fresh.isErased());
  PnDbObjectId found;
  root->getAt(L"entry", found);
  EXPECT_EQ(found, fresh);
  EXPECT_EQ(root->numEntries(), 1u);
}

TEST_F(Dictionaries, SettingAnEntryAgainUnderAnotherNameMovesIt) {
  PnDbObjectId id = add(L"Old");
  PnDbObject* object = nullptr;
  ASSERT_EQ(pndbOpenObject(object, id, PnDb::kForRead), Plnx::eOk);
  PnDbObjectId again;
  ASSERT_EQ(root->setAt(L"New", object, again), Plnx::eOk);
  object->close();
  EXPECT_EQ(again, id);
  EXPECT_EQ(names(), (std::vector<std::wstring>{L"New"}));
  std::wstring name;
  ASSERT_EQ(root->nameAt(id, name), Plnx::eOk);
  EXPECT_EQ(name, L"New");
}

TEST_F(Dictionaries, RemoveDetachesWithoutErasing) {
  PnDbObjectId id = add(L"Keep");
  ASSERT_EQ(root->remove(id), Plnx::eOk);
  EXPECT_FALSE(root->has(L"Keep"));
  EXPECT_TRUE(id.isValid());
  EXPECT_FALSE(id.isErased());
  PnDbObject* object = nullptr;
  ASSERT_EQ(pndbOpenObject(object, id, PnDb::kForRead), Plnx::eOk);
  EXPECT_TRUE(object->ownerId().isNull());
  object->close();
  EXPECT_EQ(root->remove(id), 22);
  PnDbObjectId out;
  EXPECT_EQ(root->remove(L"Keep", out), 22);
  std::wstring name = L"unchanged";
  EXPECT_EQ(root->nameAt(id, name), 22);
  EXPECT_EQ(name, L"unchanged");
}

TEST_F(Dictionaries, ChangesNeedWriteAccessAndValidArguments) {
  PnDbObjectId id = add(L"Entry");
  root->downgradeOpen();
  auto thing = std::make_unique<TestThing>();
  PnDbObjectId out;
  EXPECT_EQ(root->setAt(L"Other", thing.get(), out), 45);  // eNotOpenForWrite
  EXPECT_EQ(root->remove(id), 45);
  EXPECT_EQ(root->remove(L"Entry", out), 45);
  root->upgradeOpen();
  EXPECT_EQ(root->setAt(nullptr, thing.get(), out), Plnx::eInvalidKey);
  EXPECT_EQ(root->setAt(L"", thing.get(), out), Plnx::eInvalidKey);
  EXPECT_EQ(root->setAt(L"Self", root, out), Plnx::eInvalidInput);
  EXPECT_EQ(root->setAt(L"Null", nullptr, out), Plnx::eNullObjectPointer);
  EXPECT_FALSE(thing->isDatabaseResident()) << "refused objects stay the caller's";
  auto loose = std::make_unique<PnDbDictionary>();
  EXPECT_EQ(loose->setAt(L"X", thing.get(), out), Plnx::eNotInDatabase);
}

TEST_F(Dictionaries, RefusesObjectsOwnedElsewhereOrOfAnotherDatabase) {
  auto* sub = new PnDbDictionary;
  PnDbObjectId subId, thingId, out;
  root->setAt(L"Sub", sub, subId);
  thingId = add(L"Thing");
  PnDbObject* thing = nullptr;
  ASSERT_EQ(pndbOpenObject(thing, thingId, PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(sub->setAt(L"Stolen", thing, out), Plnx::eAlreadyInDb);
  thing->close();

  PnDbDatabase other;
  PnDbObjectId foreign = addThing(other, L"Foreign", L"", 0, 0);
  PnDbObject* alien = nullptr;
  ASSERT_EQ(pndbOpenObject(alien, foreign, PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(sub->setAt(L"Alien", alien, out), Plnx::eWrongDatabase);
  alien->close();
  sub->close();
}

TEST_F(Dictionaries, MergeStyleIsKeptAndFiled) {
  EXPECT_EQ(root->mergeStyle(), PnDb::kDrcIgnore);
  auto* sub = new PnDbDictionary;
  PnDbObjectId subId;
  root->setAt(L"Sub", sub, subId);
  sub->setMergeStyle(PnDb::kDrcMangleName);
  sub->close();
  root->close();
  root = nullptr;

  ScratchDir dir;
  auto reread = reopened(db, dir.Path() / L"merge.pndwg");
  ASSERT_TRUE(reread);
  PnDbDictionary* copy = nullptr;
  ASSERT_EQ(pndbOpenObject(copy, namedEntry(*reread, L"Sub"), PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(copy->mergeStyle(), PnDb::kDrcMangleName);
  copy->close();
}

TEST_F(Dictionaries, ChangingNeedsWriteAndReadingAnOpenDictionary) {
  ThrowingAbort aborts;
  root->downgradeOpen();
  EXPECT_THROW(root->setMergeStyle(PnDb::kDrcReplace), HostAbort);
  EXPECT_EQ(root->mergeStyle(), PnDb::kDrcIgnore);
  root->close();
  PnDbObjectId id;
  EXPECT_THROW(root->getAt(L"X", id), HostAbort);
  EXPECT_THROW(root->newIterator(), HostAbort);
  root = nullptr;
}

}  // namespace
