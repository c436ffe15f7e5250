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
  // The entries as the iterator walks them, "name=label|...".
  std::wstring walk() {
    std::wstring result;
    std::unique_ptr<PnDbDictionaryIterator> it(root->newIterator());
    for (; !it->done(); it->next()) result += std::wstring(it->name()) + L"=" + thingFields(it->objectId()).label + L"|";
    return result;
  }

  PnDbDatabase db;
  PnDbDictionary* root = nullptr;
};

TEST_F(Dictionaries, EntriesAreFoundWithoutRegardToCaseAndWalkedInThatOrder) {
  std::size_t before = db.numObjects();
  add(L"beta", L"b");
  PnDbObjectId alpha = add(L"Alpha", L"a");
  PnDbObjectId gamma = add(L"GAMMA", L"g");
  PnDbObjectId zeta = add(L"zeta", L"z");
  EXPECT_EQ(db.numObjects(), before + 4);
  EXPECT_EQ(walk(), L"Alpha=a|beta=b|GAMMA=g|zeta=z|");
  PnDbObjectId found;
  ASSERT_EQ(root->getAt(L"gamma", found), Plnx::eOk);
  EXPECT_EQ(found, gamma);
  EXPECT_TRUE(root->has(L"Gamma") && root->has(gamma));
  ASSERT_EQ(root->getAt(L"ZETA", found), Plnx::eOk);
  EXPECT_EQ(found, zeta);
  EXPECT_EQ(root->getAt(L"GAMMB", found), Plnx::eKeyNotFound);
  EXPECT_EQ(root->getAt(L"GAMM", found), Plnx::eKeyNotFound);
  EXPECT_EQ(found, zeta) << "a failed lookup leaves the output alone";
  EXPECT_EQ(root->getAt(nullptr, found), Plnx::eInvalidKey);
  PnDbObject* object = nullptr;
  EXPECT_EQ(root->getAt(L"none", object, PnDb::kForRead), Plnx::eKeyNotFound);
  EXPECT_EQ(object, nullptr);

  // Erased entries are gone to lookups and walks alike.
  ASSERT_EQ(eraseObject(alpha), Plnx::eOk);
  EXPECT_EQ(walk(), L"beta=b|GAMMA=g|zeta=z|");
  EXPECT_EQ(root->getAt(L"Alpha", found), Plnx::eKeyNotFound);
  EXPECT_FALSE(root->has(L"Alpha"));
  EXPECT_EQ(root->numEntries(), 4u);
}

TEST_F(Dictionaries, TheIteratorWalksASnapshotAndOpensEntries) {
  PnDbObjectId a = add(L"A", L"first");
  add(L"B", L"second");
  std::unique_ptr<PnDbDictionaryIterator> it(root->newIterator());
  PnDbObjectId removed;
  ASSERT_EQ(root->remove(L"B", removed), Plnx::eOk);
  EXPECT_EQ(it->objectId(), a);
  PnDbObject* object = nullptr;
  ASSERT_EQ(it->getObject(object, PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(object->objectId(), a);
  object->close();
  EXPECT_TRUE(it->next());
  EXPECT_STREQ(it->name(), L"B");
  EXPECT_FALSE(it->next());
  EXPECT_FALSE(it->next());
  EXPECT_TRUE(it->done());
  EXPECT_EQ(it->name(), nullptr);
  EXPECT_TRUE(it->objectId().isNull());
  EXPECT_EQ(it->getObject(object, PnDb::kForRead), Plnx::eNullObjectId);
}

TEST_F(Dictionaries, ANameHoldsOneObjectAndAnObjectOneName) {
  PnDbObjectId old = add(L"Entry", L"old");
  PnDbObjectId fresh = add(L"ENTRY", L"new");
  EXPECT_TRUE(old.isErased());
  EXPECT_FALSE(fresh.isErased());
  EXPECT_EQ(walk(), L"ENTRY=new|");
  // Setting an entry again under another name moves it.
  PnDbObject* object = nullptr;
  ASSERT_EQ(pndbOpenObject(object, fresh, PnDb::kForRead), Plnx::eOk);
  PnDbObjectId again;
  ASSERT_EQ(root->setAt(L"Moved", object, again), Plnx::eOk);
  ASSERT_EQ(root->setAt(L"Moved", object, again), Plnx::eOk);
  object->close();
  EXPECT_EQ(again, fresh);
  EXPECT_FALSE(fresh.isErased()) << "setting an object under its own name keeps it";
  EXPECT_EQ(walk(), L"Moved=new|");
  std::wstring name;
  ASSERT_EQ(root->nameAt(fresh, name), Plnx::eOk);
  EXPECT_EQ(name, L"Moved");
}

TEST_F(Dictionaries, RemoveDetachesWithoutErasing) {
  PnDbObjectId id = add(L"Keep");
  ASSERT_EQ(root->remove(id), Plnx::eOk);
  EXPECT_FALSE(root->has(L"Keep") || id.isErased());
  PnDbObject* object = nullptr;
  ASSERT_EQ(pndbOpenObject(object, id, PnDb::kForRead), Plnx::eOk);
  EXPECT_TRUE(object->ownerId().isNull());
  object->close();
  PnDbObjectId out;
  std::wstring name = L"unchanged";
  EXPECT_EQ(root->remove(id), Plnx::eKeyNotFound);
  EXPECT_EQ(root->remove(L"Keep", out), Plnx::eKeyNotFound);
  EXPECT_EQ(root->remove(nullptr, out), Plnx::eInvalidKey);
  EXPECT_EQ(root->nameAt(id, name), Plnx::eKeyNotFound);
  EXPECT_EQ(name, L"unchanged");
}

TEST_F(Dictionaries, ChangesNeedWriteAccessValidArgumentsAndObjectsOfTheirOwn) {
  PnDbObjectId id = add(L"Entry");
  auto thing = std::make_unique<TestThing>();
  PnDbObjectId out;
  root->downgradeOpen();
  EXPECT_EQ(root->setAt(L"Other", thing.get(), out), Plnx::eNotOpenForWrite);
  EXPECT_EQ(root->remove(id), Plnx::eNotOpenForWrite);
  EXPECT_EQ(root->remove(L"Entry", out), Plnx::eNotOpenForWrite);
  root->upgradeOpen();
  EXPECT_EQ(root->setAt(nullptr, thing.get(), out), Plnx::eInvalidKey);
  EXPECT_EQ(root->setAt(L"", thing.get(), out), Plnx::eInvalidKey);
  EXPECT_EQ(root->setAt(L"Self", root, out), Plnx::eInvalidInput);
  EXPECT_EQ(root->setAt(L"Null", nullptr, out), Plnx::eNullObjectPointer);
  EXPECT_EQ(PnDbDictionary().setAt(L"X", thing.get(), out), Plnx::eNotInDatabase);
  EXPECT_FALSE(thing->isDatabaseResident()) << "refused objects stay the caller's";

  auto* sub = new PnDbDictionary;
  root->setAt(L"Sub", sub, out);
  PnDbObject* entry = nullptr;
  ASSERT_EQ(pndbOpenObject(entry, id, PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(sub->setAt(L"Stolen", entry, out), Plnx::eAlreadyInDb);
  entry->close();
  PnDbDatabase other;
  PnDbObject* alien = nullptr;
  ASSERT_EQ(pndbOpenObject(alien, addThing(other, L"Foreign", L"", 0, 0), PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(sub->setAt(L"Alien", alien, out), Plnx::eWrongDatabase);
  alien->close();
  sub->close();
}

TEST_F(Dictionaries, MergeStyleChangesNeedWriteAndReadingNeedsAnOpenDictionary) {
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
