// Cloning into another database, and counting hard references.
#include <gtest/gtest.h>

#include "tests/host/host_test_support.h"

namespace {

class Cloning : public ::testing::Test {
 protected:
  void SetUp() override { registerTestThing(); }
  Plnx::ErrorStatus cloneInto(PnDbObjectId owner, PnDbObjectId id, PnDb::DuplicateRecordCloning cloning) {
    return destination.wblockCloneObjects({id}, owner, mapping, cloning);
  }
  Plnx::ErrorStatus cloneEntry(PnDbObjectId id, PnDb::DuplicateRecordCloning cloning = PnDb::kDrcIgnore) {
    return cloneInto(destination.namedObjectsDictionaryId(), id, cloning);
  }
  PnDbObjectId mapped(PnDbObjectId id) const {
    PnDbObjectId result;
    mapping.lookup(id, result);
    return result;
  }

  PnDbDatabase source, destination;
  PnDbIdMapping mapping;
};

TEST_F(Cloning, NewRecordsAreCopiedClosedWithTheirFields) {
  PnDbObjectId symbols = pndbAddNamedRecord<PnDbTextStyleTable>(source, L"Symbols");
  PnDbTextStyleTableRecord* style = nullptr;
  ASSERT_EQ(pndbOpenObject(style, symbols, PnDb::kForWrite), Plnx::eOk);
  style->setTextSize(2.0);
  style->close();
  ASSERT_EQ(cloneInto(destination.textStyleTableId(), symbols, PnDb::kDrcIgnore), Plnx::eOk);
  EXPECT_EQ(mapping.size(), 1u);
  ASSERT_EQ(pndbOpenObject(style, mapped(symbols), PnDb::kForWrite), Plnx::eOk) << "clones are closed";
  EXPECT_EQ(style->database(), &destination);
  EXPECT_STREQ(style->name(), L"Symbols");
  EXPECT_DOUBLE_EQ(style->textSize(), 2.0);
  EXPECT_EQ(style->ownerId(), destination.textStyleTableId());
  style->close();
}

// A name taken in the destination, for records and for dictionary entries.
TEST_F(Cloning, ATakenNameFollowsTheDuplicateRule) {
  struct Case {
    PnDb::DuplicateRecordCloning rule;
    const wchar_t* name;  // the clone's; null: the object there is mapped
  } cases[] = {{PnDb::kDrcIgnore, nullptr},
               {PnDb::kDrcMangleName, L"$0$Standard"},
               {PnDb::kDrcXrefMangleName, L"$1$Standard"},
               {PnDb::kDrcReplace, L"Standard"}};
  const PnDbObjectId theirs = addThing(source, L"Standard", L"theirs", 1, 0);
  const PnDbObjectId ours = addThing(destination, L"Standard", L"ours", 2, 0);
  for (bool entry : {false, true}) {
    const PnDbObjectId from = entry ? theirs : source.textstyle(), there = entry ? ours : destination.textstyle();
    for (const Case& c : cases) {
      mapping = PnDbIdMapping();
      ASSERT_EQ(cloneInto(entry ? destination.namedObjectsDictionaryId() : destination.textStyleTableId(), from, c.rule),
                Plnx::eOk);
      EXPECT_EQ(there.isErased(), c.rule == PnDb::kDrcReplace) << c.rule;
      if (c.name == nullptr) {
        EXPECT_EQ(mapped(from), there);
        continue;
      }
      EXPECT_NE(mapped(from), there);
      if (entry) EXPECT_EQ(namedEntry(destination, c.name), mapped(from));
      else EXPECT_EQ(recordName(mapped(from)), c.name);
    }
  }
  EXPECT_EQ(thingFields(namedEntry(destination, L"Standard")).label, L"theirs");
}

TEST_F(Cloning, ReferencesAreTranslatedThroughTheMappingOrDropped) {
  PnDbObjectId notes = pndbAddNamedRecord<PnDbTextStyleTable>(source, L"Notes");
  PnDbObjectId dims = addDimStyle(source, L"Dims", notes);
  PnDbObjectId thing = addThing(source, L"KOVT_THING", L"carried", 5, 0.5, dims);
  PnDbObjectId loose = addThing(source, L"Loose", L"", 0, 0, notes);
  ASSERT_EQ(cloneEntry(loose), Plnx::eOk);
  EXPECT_TRUE(thingFields(mapped(loose)).target.isNull()) << "no reference may point into another drawing";

  ASSERT_EQ(cloneInto(destination.textStyleTableId(), notes, PnDb::kDrcIgnore), Plnx::eOk);
  ASSERT_EQ(cloneInto(destination.dimStyleTableId(), dims, PnDb::kDrcIgnore), Plnx::eOk);
  ASSERT_EQ(cloneEntry(thing), Plnx::eOk);
  PnDbDimStyleTableRecord* dim = nullptr;
  ASSERT_EQ(pndbOpenObject(dim, mapped(dims), PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(dim->dimtxsty(), mapped(notes));
  dim->close();
  ThingFields fields = thingFields(namedEntry(destination, L"KOVT_THING"));
  EXPECT_EQ(fields.label, L"carried");
  EXPECT_EQ(fields.count, 5);
  EXPECT_EQ(fields.target, mapped(dims));

  PnDbDatabase other;
  PnDbIdMapping deferred;
  ASSERT_EQ(other.wblockCloneObjects({loose}, other.namedObjectsDictionaryId(), deferred, PnDb::kDrcIgnore, true),
            Plnx::eOk);
  PnDbObjectId copy;
  ASSERT_TRUE(deferred.lookup(loose, copy));
  EXPECT_EQ(thingFields(copy).target, notes) << "translation was left to the caller";
}

TEST_F(Cloning, RefusesWrongOwnersAndSourcesAndClosesTheOwner) {
  PnDbObjectId thing = addThing(source, L"Thing", L"", 0, 0);
  PnDbObjectId local = addThing(destination, L"Local", L"", 0, 0);
  EXPECT_EQ(cloneInto(source.namedObjectsDictionaryId(), thing, PnDb::kDrcIgnore), Plnx::eWrongDatabase);
  EXPECT_EQ(cloneInto(PnDbObjectId(), thing, PnDb::kDrcIgnore), Plnx::eWrongDatabase);
  EXPECT_EQ(cloneEntry(local), Plnx::eWrongDatabase);
  EXPECT_EQ(cloneInto(local, thing, PnDb::kDrcIgnore), Plnx::eNotThatKindOfClass);
  EXPECT_EQ(cloneInto(destination.textStyleTableId(), thing, PnDb::kDrcIgnore), Plnx::eNotApplicable);
  EXPECT_EQ(mapping.size(), 0u);
  for (PnDbObjectId owner : {destination.namedObjectsDictionaryId(), destination.textStyleTableId(), local}) {
    PnDbObject* object = nullptr;
    ASSERT_EQ(pndbOpenObject(object, owner, PnDb::kForWrite), Plnx::eOk) << "nothing was left open";
    object->close();
  }
}

TEST_F(Cloning, ACloneOfADictionaryStartsEmptyWithItsMergeStyle) {
  PnDbObjectId subId, inner;
  PnDbDictionary* sub = addDictionary(source, L"Sub", subId);
  ASSERT_NE(sub, nullptr);
  sub->setMergeStyle(PnDb::kDrcReplace);
  auto* thing = new TestThing;
  sub->setAt(L"Inner", thing, inner);
  thing->close();
  sub->close();
  ASSERT_EQ(cloneEntry(subId), Plnx::eOk);
  ASSERT_EQ(pndbOpenObject(sub, mapped(subId), PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(sub->numEntries(), 0u);
  EXPECT_EQ(sub->mergeStyle(), PnDb::kDrcReplace);
  sub->close();
}

TEST(HardReferences, CountOwnershipAndHardPointersOfLiveObjectsLeavingOpenStatesAlone) {
  PnDbDatabase db;
  registerTestThing();
  PnDbObjectId notes = pndbAddNamedRecord<PnDbTextStyleTable>(db, L"Notes");
  ASSERT_FALSE(addDimStyle(db, L"Dims", notes).isNull());
  PnDbObjectId pointer = addThing(db, L"Pointer", L"", 0, 0, notes);
  PnDbObjectId unused = pndbAddNamedRecord<PnDbLinetypeTable>(db, L"Unused");
  PnDbObject* table = nullptr;
  ASSERT_EQ(pndbOpenObject(table, db.textStyleTableId(), PnDb::kForWrite), Plnx::eOk);
  // Notes: owned by its table, pointed at by the dimension style and the thing.
  std::uint32_t counts[4] = {99, 99, 99, 99};
  ASSERT_EQ(db.countHardReferences({notes, unused, pointer}, counts), Plnx::eOk);
  EXPECT_EQ(std::vector<std::uint32_t>(counts, counts + 4), (std::vector<std::uint32_t>{3, 1, 1, 99}));
  EXPECT_TRUE(table->isWriteEnabled());
  table->close();
  ASSERT_EQ(eraseObject(pointer), Plnx::eOk) << "nothing was left open";
  ASSERT_EQ(db.countHardReferences({notes}, counts), Plnx::eOk);
  EXPECT_EQ(counts[0], 2u) << "an erased object references nothing";
  EXPECT_EQ(db.countHardReferences({notes}, nullptr), Plnx::eInvalidInput);
}

}  // namespace
