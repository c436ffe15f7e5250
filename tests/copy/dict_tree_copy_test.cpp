#include <gtest/gtest.h>

#include "copy/dict_tree_copy.h"
#include "dictionaries/app_dictionary_classes.h"
#include "tests/copy/copy_fixture.h"

using namespace KovtCopyUtil;

namespace {

using DictTreeMerge = CopyTest;

TEST_F(DictTreeMerge, KeepsDestinationEntriesAndAddsMissingSubtrees) {
  PnDbObjectId sourceStyle = Dict(Source()->namedObjectsDictionaryId(), L"Style", KOVTStyleDictionary::desc());
  PnDbObjectId sourceTables = Dict(sourceStyle, L"Tables");
  Leaf(sourceTables, L"Bars", L"source bars");
  Leaf(sourceTables, L"Meshes", L"source meshes");
  Leaf(Dict(Dict(sourceStyle, L"A", KOVTStyleDictionary::desc()), L"B"), L"C", L"deep leaf");
  Leaf(Dict(sourceStyle, L"Mixed"), L"inner", L"m");
  PnDbObjectId destinationStyle = Dict(Drawing()->namedObjectsDictionaryId(), L"Style", KOVTStyleDictionary::desc());
  PnDbObjectId destinationTables = Dict(destinationStyle, L"Tables");
  PnDbObjectId ownBars = Leaf(destinationTables, L"BARS", L"own bars");
  PnDbObjectId ownMixed = Leaf(destinationStyle, L"Mixed", L"own");

  CopySimpleDictionaryTree(destinationStyle, sourceStyle);

  EXPECT_EQ(Child(destinationStyle, L"Tables"), destinationTables);
  EXPECT_EQ(Child(destinationTables, L"Bars"), ownBars);
  EXPECT_EQ(Marker(ownBars), L"own bars");
  EXPECT_EQ(Marker(Child(destinationTables, L"Meshes")), L"source meshes");
  // A leaf met by a dictionary stays and is not descended into.
  EXPECT_EQ(Child(destinationStyle, L"Mixed"), ownMixed);
  EXPECT_EQ(ClassNameOf(At(Drawing(), L"Style/A")), L"KOVTStyleDictionary");
  EXPECT_EQ(Marker(At(Drawing(), L"Style/A/B/C")), L"deep leaf");
  ExpectAllClosed();
}

TEST_F(DictTreeMerge, IntoItsOwnDescendantsWithinOneDrawingEndsAndNonDictionariesAreLeft) {
  PnDbObjectId a = Dict(Drawing()->namedObjectsDictionaryId(), L"A");
  PnDbObjectId b = Dict(a, L"B");
  PnDbObjectId c = Dict(b, L"C");
  Leaf(a, L"leaf", L"m");

  CopySimpleDictionaryTree(b, a);
  // The destination itself, open for the merge, is not copied into itself.
  EXPECT_TRUE(Child(b, L"B").isNull());
  EXPECT_EQ(Marker(Child(b, L"leaf")), L"m");

  CopySimpleDictionaryTree(c, a);
  EXPECT_EQ(NumEntries(At(Drawing(), L"A/B/C/B/C")), 0u);

  // Ids that are not dictionaries change nothing.
  const std::size_t before = Drawing()->numObjects();
  CopySimpleDictionaryTree(Child(a, L"leaf"), a);
  CopySimpleDictionaryTree(PnDbObjectId(), a);
  CopySimpleDictionaryTree(Drawing()->namedObjectsDictionaryId(), PnDbObjectId());
  EXPECT_EQ(Drawing()->numObjects(), before);
  ExpectAllClosed();
}

TEST_F(DictTreeMerge, CorrespondingDictionaryIsFoundOrMadeWithTheSourceClasses) {
  PnDbObjectId kovt = Dict(Source()->namedObjectsDictionaryId(), L"KOVT", KOVTMainRootDictionary::desc());
  PnDbObjectId settings = Dict(Dict(kovt, L"KOVR", KOVTAppDictionary::desc()), L"ProjectSettings");
  std::size_t before = Drawing()->numObjects();

  EXPECT_TRUE(GetCorrespondingDictionaryIdInDestDatabase(settings, Drawing(), false).isNull());
  EXPECT_EQ(Drawing()->numObjects(), before);

  PnDbObjectId created = GetCorrespondingDictionaryIdInDestDatabase(settings, Drawing(), true);
  EXPECT_EQ(created, At(Drawing(), L"KOVT/KOVR/ProjectSettings"));
  EXPECT_EQ(ClassNameOf(At(Drawing(), L"KOVT")), L"KOVTMainRootDictionary");
  EXPECT_EQ(ClassNameOf(At(Drawing(), L"KOVT/KOVR")), L"KOVTAppDictionary");
  EXPECT_EQ(ClassNameOf(created), L"PnDbDictionary");
  EXPECT_EQ(GetCorrespondingDictionaryIdInDestDatabase(settings, Drawing(), false), created);
  EXPECT_EQ(GetCorrespondingDictionaryIdInDestDatabase(Source()->namedObjectsDictionaryId(), Drawing(), false),
            Drawing()->namedObjectsDictionaryId());

  EXPECT_TRUE(GetCorrespondingDictionaryIdInDestDatabase(settings, nullptr, true).isNull());
  EXPECT_TRUE(GetCorrespondingDictionaryIdInDestDatabase(Leaf(settings, L"leaf", L"m"), Drawing(), true).isNull());
  // A level that holds something other than a dictionary is never replaced.
  Leaf(Drawing()->namedObjectsDictionaryId(), L"S", L"own");
  EXPECT_TRUE(GetCorrespondingDictionaryIdInDestDatabase(Dict(Dict(Source()->namedObjectsDictionaryId(), L"S"), L"T"),
                                                         Drawing(), true)
                  .isNull());
  EXPECT_EQ(Marker(At(Drawing(), L"S")), L"own");
  ExpectAllClosed();
}

using DictionaryObjectCopy = CopyTest;

TEST_F(DictionaryObjectCopy, CopiesTakeTheFirstFreeNumberedName) {
  PnDbObjectId a = Leaf(Dict(Source()->namedObjectsDictionaryId(), L"S"), L"A", L"source a");
  PnDbObjectId destination = Dict(Drawing()->namedObjectsDictionaryId(), L"S");
  Leaf(destination, L"A", L"own a");
  Leaf(destination, L"a 0", L"own a 0");

  PnDbObject* clone = nullptr;
  KOVTString name;
  EXPECT_FALSE(CloneDictionaryObject(a, nullptr, clone, name));
  ASSERT_TRUE(CloneDictionaryObject(a, Drawing(), clone, name));
  EXPECT_EQ(name, KOVTString(L"A 1"));
  EXPECT_FALSE(clone->isDatabaseResident());
  delete clone;

  PnDbObjectId copy = CopyDictionaryObject(a, Drawing());
  EXPECT_EQ(copy, Child(destination, L"A 1"));
  EXPECT_EQ(Marker(copy), L"source a");
  // Within one dictionary too, and into an owner path made on the way.
  PnDbObjectId again = CopyDictionaryObject(copy, Drawing());
  EXPECT_EQ(again, Child(destination, L"A 1 0"));
  PnDbObjectId deep = Leaf(Dict(Dict(Source()->namedObjectsDictionaryId(), L"P"), L"Q"), L"L", L"m");
  PnDbObjectId deepCopy = CopyDictionaryObject(deep, Drawing());
  EXPECT_EQ(deepCopy, At(Drawing(), L"P/Q/L"));
  ExpectAllClosed();
}

TEST_F(DictionaryObjectCopy, OpenFormsNeedOpenArgumentsAndWriteForTheCopy) {
  PnDbObjectId leaf = Leaf(Dict(Source()->namedObjectsDictionaryId(), L"S"), L"A", L"m");
  PnDbObjectId destinationId = Dict(Drawing()->namedObjectsDictionaryId(), L"S");
  PnDbObject* object = nullptr;
  ASSERT_EQ(pndbOpenObject(object, leaf, PnDb::kForRead), Plnx::eOk);
  PnDbDictionary* destination = nullptr;
  ASSERT_EQ(pndbOpenObject(destination, destinationId, PnDb::kForRead), Plnx::eOk);

  PnDbObject* clone = nullptr;
  KOVTString name = L"untouched";
  EXPECT_FALSE(CloneDictionaryObject(nullptr, destination, clone, name));
  EXPECT_FALSE(CloneDictionaryObject(object, nullptr, clone, name));
  EXPECT_EQ(name, KOVTString(L"untouched"));
  EXPECT_TRUE(CopyDictionaryObject(object, destination).isNull());
  EXPECT_EQ(destination->numEntries(), 0u);
  ASSERT_EQ(destination->upgradeOpen(), Plnx::eOk);
  EXPECT_FALSE(CopyDictionaryObject(object, destination).isNull());
  EXPECT_TRUE(destination->has(L"A"));
  destination->close();
  object->close();

  EXPECT_TRUE(CopyDictionaryObject(PnDbObjectId(), Drawing()).isNull());
  EXPECT_TRUE(CopyDictionaryObject(leaf, nullptr).isNull());
  ExpectAllClosed();
}

}  // namespace
