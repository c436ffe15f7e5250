// Cloning into another database, and counting hard references.
#include <gtest/gtest.h>

#include "tests/host/host_test_support.h"

namespace {

class Cloning : public ::testing::Test {
 protected:
  void SetUp() override { registerTestThing(); }

  Plnx::ErrorStatus cloneStyles(const PnDbObjectIdArray& ids, PnDb::DuplicateRecordCloning cloning) {
    return destination.wblockCloneObjects(ids, destination.textStyleTableId(), mapping, cloning);
  }
  Plnx::ErrorStatus cloneEntries(const PnDbObjectIdArray& ids, PnDb::DuplicateRecordCloning cloning = PnDb::kDrcIgnore) {
    return destination.wblockCloneObjects(ids, destination.namedObjectsDictionaryId(), mapping, cloning);
  }
  PnDbObjectId mapped(PnDbObjectId id) const {
    PnDbObjectId result;
    mapping.lookup(id, result);
    return result;
  }
  template <class Record>
  Record* openRecord(PnDbObjectId id) {
    Record* record = nullptr;
    EXPECT_EQ(pndbOpenObject(record, id, PnDb::kForRead), Plnx::eOk);
    return record;
  }

  PnDbDatabase source, destination;
  PnDbIdMapping mapping;
};

TEST_F(Cloning, NewRecordsAreCopiedWithTheirFields) {
  PnDbObjectId symbols = addRecord<PnDbTextStyleTable>(source, L"Symbols");
  PnDbTextStyleTableRecord* style = nullptr;
  ASSERT_EQ(pndbOpenObject(style, symbols, PnDb::kForWrite), Plnx::eOk);
  style->setIsShapeFile(true);
  style->setTextSize(2.0);
  style->close();

  ASSERT_EQ(cloneStyles({symbols}, PnDb::kDrcIgnore), Plnx::eOk);
  PnDbObjectId copy = mapped(symbols);
  ASSERT_FALSE(copy.isNull());
  EXPECT_EQ(copy.database(), &destination);
  EXPECT_EQ(mapping.size(), 1u);
  auto* cloned = openRecord<PnDbTextStyleTableRecord>(copy);
  ASSERT_NE(cloned, nullptr);
  EXPECT_STREQ(cloned->name(), L"Symbols");
  EXPECT_TRUE(cloned->isShapeFile());
  EXPECT_DOUBLE_EQ(cloned->textSize(), 2.0);
  EXPECT_EQ(cloned->ownerId(), destination.textStyleTableId());
  EXPECT_FALSE(cloned->isWriteEnabled()) << "clones are closed";
  cloned->close();
}

TEST_F(Cloning, ATakenNameFollowsTheDuplicateRule) {
  PnDbObjectId destinationStandard = destination.textstyle();
  // Ignore maps to the record already there.
  ASSERT_EQ(cloneStyles({source.textstyle()}, PnDb::kDrcIgnore), Plnx::eOk);
  EXPECT_EQ(mapped(source.textstyle()), destinationStandard);

  // Mangling adds a record under a free name.
  for (const wchar_t* mangled : {L"$0$Standard", L"$1$Standard"}) {
    mapping = PnDbIdMapping();
    ASSERT_EQ(cloneStyles({source.textstyle()}, PnDb::kDrcMangleName), Plnx::eOk);
    EXPECT_EQ(recordName(mapped(source.textstyle())), mangled);
  }

  // Replacing erases the record there and adds the clone in its place.
  mapping = PnDbIdMapping();
  ASSERT_EQ(cloneStyles({source.textstyle()}, PnDb::kDrcReplace), Plnx::eOk);
  PnDbObjectId replacement = mapped(source.textstyle());
  EXPECT_NE(replacement, destinationStandard);
  EXPECT_TRUE(destinationStandard.isErased());
  PnDbTextStyleTable* table = nullptr;
  ASSERT_EQ(destination.getSymbolTable(table, PnDb::kForRead), Plnx::eOk);
  PnDbObjectId found;
  ASSERT_EQ(table->getAt(L"Standard", found), Plnx::eOk);
  EXPECT_EQ(found, replacement);
  table->close();
}

TEST_F(Cloning, ReferencesAreTranslatedThroughTheMapping) {
  PnDbObjectId notes = addRecord<PnDbTextStyleTable>(source, L"Notes");
  PnDbObjectId dims = addDimStyle(source, L"Dims", notes);
  PnDbObjectId thing = addThing(source, L"KOVT_THING", L"carried", 5, 0.5, dims);

  ASSERT_EQ(cloneStyles({notes}, PnDb::kDrcIgnore), Plnx::eOk);
  ASSERT_EQ(destination.wblockCloneObjects({dims}, destination.dimStyleTableId(), mapping, PnDb::kDrcIgnore),
            Plnx::eOk);
  ASSERT_EQ(cloneEntries({thing}), Plnx::eOk);

  auto* clonedDim = openRecord<PnDbDimStyleTableRecord>(mapped(dims));
  ASSERT_NE(clonedDim, nullptr);
  EXPECT_EQ(clonedDim->dimtxsty(), mapped(notes));
  clonedDim->close();
  PnDbObjectId clonedThing = namedEntry(destination, L"KOVT_THING");
  EXPECT_EQ(clonedThing, mapped(thing));
  ThingFields fields = thingFields(clonedThing);
  EXPECT_EQ(fields.label, L"carried");
  EXPECT_EQ(fields.count, 5);
  EXPECT_EQ(fields.target, mapped(dims));
}

TEST_F(Cloning, UnmappedReferencesBecomeNullUnlessTranslationIsDeferred) {
  PnDbObjectId notes = addRecord<PnDbTextStyleTable>(source, L"Notes");
  PnDbObjectId thing = addThing(source, L"Thing", L"", 0, 0, notes);
  ASSERT_EQ(cloneEntries({thing}), Plnx::eOk);
  EXPECT_TRUE(thingFields(mapped(thing)).target.isNull()) << "no reference may point into another drawing";

  PnDbDatabase other;
  PnDbIdMapping deferred;
  ASSERT_EQ(other.wblockCloneObjects({thing}, other.namedObjectsDictionaryId(), deferred, PnDb::kDrcIgnore, true),
            Plnx::eOk);
  PnDbObjectId copy;
  ASSERT_TRUE(deferred.lookup(thing, copy));
  EXPECT_EQ(thingFields(copy).target, notes);
}

TEST_F(Cloning, DictionaryEntriesFollowTheDuplicateRule) {
  PnDbObjectId theirs = addThing(source, L"Shared", L"theirs", 1, 0);
  PnDbObjectId ours = addThing(destination, L"Shared", L"ours", 2, 0);
  ASSERT_EQ(cloneEntries({theirs}), Plnx::eOk);
  EXPECT_EQ(mapped(theirs), ours);
  EXPECT_EQ(thingFields(namedEntry(destination, L"Shared")).label, L"ours");

  mapping = PnDbIdMapping();
  ASSERT_EQ(cloneEntries({theirs}, PnDb::kDrcMangleName), Plnx::eOk);
  EXPECT_EQ(thingFields(namedEntry(destination, L"$0$Shared")).label, L"theirs");

  mapping = PnDbIdMapping();
  ASSERT_EQ(cloneEntries({theirs}, PnDb::kDrcReplace), Plnx::eOk);
  EXPECT_EQ(thingFields(namedEntry(destination, L"Shared")).label, L"theirs");
  EXPECT_TRUE(ours.isErased());
}

TEST_F(Cloning, RefusesWrongOwnersAndSources) {
  PnDbObjectId thing = addThing(source, L"Thing", L"", 0, 0);
  EXPECT_EQ(destination.wblockCloneObjects({thing}, source.namedObjectsDictionaryId(), mapping, PnDb::kDrcIgnore),
            35);  // eWrongDatabase
  EXPECT_EQ(destination.wblockCloneObjects({thing}, PnDbObjectId(), mapping, PnDb::kDrcIgnore), 35);
  PnDbObjectId local = addThing(destination, L"Local", L"", 0, 0);
  EXPECT_EQ(cloneEntries({local}), 35);
  EXPECT_EQ(destination.wblockCloneObjects({thing}, local, mapping, PnDb::kDrcIgnore), 46);
  // A thing is no symbol-table record.
  EXPECT_EQ(destination.wblockCloneObjects({thing}, destination.textStyleTableId(), mapping, PnDb::kDrcIgnore),
            Plnx::eNotApplicable);
  EXPECT_EQ(mapping.size(), 0u);
  // The owner is closed again whatever happened.
  PnDbObject* owner = nullptr;
  ASSERT_EQ(pndbOpenObject(owner, destination.namedObjectsDictionaryId(), PnDb::kForWrite), Plnx::eOk);
  owner->close();
}

TEST_F(Cloning, ACloneOfADictionaryStartsEmpty) {
  PnDbObjectId subId, inner;
  PnDbDictionary* sub = addDictionary(source, L"Sub", subId);
  ASSERT_NE(sub, nullptr);
  sub->setMergeStyle(PnDb::kDrcReplace);
  auto* thing = new TestThing;
  sub->setAt(L"Inner", thing, inner);
  thing->close();
  sub->close();

  ASSERT_EQ(cloneEntries({subId}), Plnx::eOk);
  PnDbDictionary* copy = nullptr;
  ASSERT_EQ(pndbOpenObject(copy, mapped(subId), PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(copy->numEntries(), 0u);
  EXPECT_EQ(copy->mergeStyle(), PnDb::kDrcReplace);
  copy->close();
}

TEST(HardReferences, CountOwnershipAndHardPointersOfLiveObjects) {
  PnDbDatabase db;
  registerTestThing();
  PnDbObjectId notes = addRecord<PnDbTextStyleTable>(db, L"Notes");
  ASSERT_FALSE(addDimStyle(db, L"Dims", notes).isNull());
  PnDbObjectId pointer = addThing(db, L"Pointer", L"", 0, 0, notes);
  PnDbObjectId unused = addRecord<PnDbLinetypeTable>(db, L"Unused");

  // Notes: owned by its table, pointed at by the dimension style and the thing.
  std::uint32_t counts[3] = {99, 99, 99};
  ASSERT_EQ(db.countHardReferences({notes, unused, pointer}, counts), Plnx::eOk);
  EXPECT_EQ(counts[0], 3u);
  EXPECT_EQ(counts[1], 1u);
  EXPECT_EQ(counts[2], 1u);

  ASSERT_EQ(eraseObject(pointer), Plnx::eOk);
  ASSERT_EQ(db.countHardReferences({notes}, counts), Plnx::eOk);
  EXPECT_EQ(counts[0], 2u) << "an erased object references nothing";
  EXPECT_EQ(db.countHardReferences({notes}, nullptr), Plnx::eInvalidInput);
}

TEST(HardReferences, CountingLeavesOpenStatesAsTheyWere) {
  PnDbDatabase db;
  PnDbObject* table = nullptr;
  ASSERT_EQ(pndbOpenObject(table, db.textStyleTableId(), PnDb::kForWrite), Plnx::eOk);
  std::uint32_t count = 0;
  ASSERT_EQ(db.countHardReferences({db.textstyle()}, &count), Plnx::eOk);
  EXPECT_EQ(count, 1u);
  EXPECT_TRUE(table->isWriteEnabled());
  table->close();
  PnDbObject* style = nullptr;
  ASSERT_EQ(pndbOpenObject(style, db.textstyle(), PnDb::kForWrite), Plnx::eOk) << "nothing was left open";
  style->close();
}

}  // namespace
