// The dictionary tree: roots by context, sub-dictionaries, kinds and stamps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionaries/dictionaries.h"
#include "environment/app_context.h"
#include "tests/support/drawing_entries.h"
#include "tests/support/golden_rows.h"
#include "tests/support/kovt_drawing.h"

namespace {

using DictTree = KovtDrawingTest;

TEST_F(DictTree, RootsAreMadeOfTheirClassesAndComeBackOpenAsAsked) {
  PnDbDictionary* created = GetRootDict(nullptr, PnDb::kForRead, true);
  ASSERT_NE(created, nullptr);
  EXPECT_TRUE(created->isWriteEnabled());  // new ones are open for write
  EXPECT_EQ(ClassNameOf(EntryAt(*Drawing(), {L"KOVT"})), L"KOVTMainRootDictionary");
  created->close();
  PnDbDictionary* found = GetRootDict(Drawing(), PnDb::kForRead, false);
  EXPECT_EQ(found, created);
  EXPECT_EQ(found->numReaders(), 1);
  found->close();

  PnDbDatabase other;
  GetKovxRootDict(&other, PnDb::kForWrite, true)->close();
  EXPECT_EQ(ClassNameOf(EntryAt(other, {L"KOVT", L"KOVX"})), L"KOVTAppDictionary");
  EXPECT_EQ(OpenObjectCount(other), 0);
  ExpectNothingOpen();
}

// Where each context's root sits is checked where the settings are stored.
TEST_F(DictTree, TheAppRootFollowsTheWorkingDrawingsContextAndABusyRootIsNotFound) {
  PnDbDatabase other;
  KOVTContext ignored(KOVT_CONTEXT_NONE, &other);  // only the working drawing's context counts
  KOVTContext formwork(KOVT_CONTEXT_FORMWORK);
  EXPECT_FALSE(IsAppRootDict(&other));
  PnDbDictionary* root = GetAppRootDict(&other, PnDb::kForRead, true);
  ASSERT_NE(root, nullptr);
  root->close();
  EXPECT_TRUE(IsAppRootDict(&other));
  PnDbDictionary* busy = GetAppRootDict(&other, PnDb::kForWrite, false);
  EXPECT_FALSE(IsAppRootDict(&other));  // answered by opening the root for read
  busy->close();
  EXPECT_EQ(OpenObjectCount(other), 0);
}

TEST_F(DictTree, SubDictCreatesWithAClassAndReturnsTheParentToRead) {
  PnDbDictionary* parent = NamedObjects(PnDb::kForRead);
  EXPECT_EQ(GetSubDict(nullptr, parent, L"Data", PnDb::kForRead, false), nullptr);
  PnDbDictionary* created = GetSubDict(KOVTStyleDictionary::desc(), parent, L"Data", PnDb::kForRead, false);
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(ClassNameOf(created->objectId()), L"KOVTStyleDictionary");
  EXPECT_EQ(parent->numReaders(), 1);
  ASSERT_EQ(created->erase(), Plnx::eOk);  // an erased entry is made anew
  created->close();
  PnDbDictionary* remade = GetSubDict(KOVTStyleDictionary::desc(), parent, L"data", PnDb::kForRead, true);
  ASSERT_NE(remade, nullptr);
  EXPECT_NE(remade, created);
  remade->close();
  ExpectNothingOpen();

  PnDbDictionary loose;  // not in a database: left alone
  EXPECT_EQ(GetSubDict(KOVTAppDictionary::desc(), &loose, L"Data", PnDb::kForRead, true), nullptr);
  EXPECT_TRUE(loose.isWriteEnabled());
}

TEST_F(DictTree, SubDictNeitherReplacesAForeignEntryNorCreatesUnderABusyParent) {
  const PnDbObjectId foreign = Leaf(Drawing()->namedObjectsDictionaryId(), L"Data", L"foreign");
  EXPECT_EQ(GetSubDict(KOVTAppDictionary::desc(), NamedObjects(PnDb::kForRead), L"Data", PnDb::kForRead, true),
            nullptr);
  EXPECT_EQ(EntryAt(*Drawing(), {L"Data"}), foreign);

  GetRootDict(nullptr, PnDb::kForRead, true)->close();
  PnDbDictionary* reader = GetRootDict(nullptr, PnDb::kForRead, false);
  PnDbDictionary* secondReader = GetRootDict(nullptr, PnDb::kForRead, false);
  EXPECT_EQ(GetSubDict(KOVTAppDictionary::desc(), reader, L"KOVR", PnDb::kForRead, true), nullptr);
  EXPECT_FALSE(EntryAt(*Drawing(), {L"KOVT", L"KOVR"}).isValid());
  secondReader->close();
  ExpectNothingOpen();
}

TEST_F(DictTree, KindsAreMadeOnlyWithAClassButTheWayAlways) {
  EXPECT_EQ(KOVTGetDict(nullptr, DDT_ReinforcementDescription, PnDb::kForRead, DDI_Common), nullptr);
  EXPECT_EQ(ClassNameOf(EntryAt(*Drawing(), {L"KOVT", L"Style"})), L"KOVTStyleDictionary");
  EXPECT_FALSE(KOVTIsDict(DDT_ReinforcementDescription, DDI_Common));
  const std::vector<GoldenRow> kinds = ReadGoldenRows("dictionaries/data/dict_types.txt", 3);
  ASSERT_EQ(kinds.size(), 18u);
  for (const GoldenRow& kind : kinds) {
    const int value = std::stoi(kind[0]);
    auto type = static_cast<DDictType>(value);
    PnDbDictionary* made = KOVTGetDict(PnDbDictionary::desc(), type, PnDb::kForRead, DDI_Common);
    ASSERT_NE(made, nullptr) << value;
    EXPECT_EQ(made->objectId(), kind[2] == L"Style" ? EntryAt(*Drawing(), {L"KOVT", L"Style", kind[1].c_str()})
                                                    : EntryAt(*Drawing(), {L"KOVT", kind[1].c_str()}))
        << value;
    made->close();
    EXPECT_TRUE(KOVTIsDict(type, DDI_Common)) << value;
  }
  EXPECT_EQ(ClassNameOf(EntryAt(*Drawing(), {L"KOVT", L"Style"})), L"KOVTStyleDictionary");
  // Finding needs the root for read only: others may be reading it.
  PnDbDictionary* reader = GetRootDict(nullptr, PnDb::kForRead, false);
  PnDbDictionary* found = KOVTGetDict(nullptr, DDT_Tables, PnDb::kForRead, DDI_Common);
  ASSERT_NE(found, nullptr);
  found->close();
  reader->close();
  for (int value : {0, 19}) {
    EXPECT_EQ(KOVTGetDict(PnDbDictionary::desc(), static_cast<DDictType>(value), PnDb::kForRead, DDI_Common),
              nullptr);
    EXPECT_FALSE(KOVTIsDict(static_cast<DDictType>(value), DDI_Common));
  }
  ExpectNothingOpen();
}

TEST_F(DictTree, KindsOfTheApplicationLiveBelowItsRootAndAddingNeedsWrite) {
  KOVTContext formwork(KOVT_CONTEXT_FORMWORK);
  EXPECT_FALSE(KOVTIsDict(DDT_Symbols, DDI_Application));
  EXPECT_TRUE(EntryAt(*Drawing(), {L"KOVT", L"KOVX"}).isValid());  // made on the way
  auto* symbols = new PnDbDictionary;
  ASSERT_TRUE(KOVTAddDict(DDT_Symbols, symbols, DDI_Application));
  EXPECT_EQ(EntryAt(*Drawing(), {L"KOVT", L"KOVX", L"Style", L"Symbols"}), symbols->objectId());
  auto* again = new PnDbDictionary;
  EXPECT_FALSE(KOVTAddDict(DDT_Symbols, again, DDI_Application));
  EXPECT_FALSE(again->isDatabaseResident());  // still the caller's
  delete again;
  EXPECT_FALSE(KOVTIsDict(DDT_Symbols, DDI_Common));

  auto* child = new PnDbDictionary;
  EXPECT_FALSE(AddSubDict(nullptr, L"Child", child));
  EXPECT_FALSE(AddSubDict(GetRootDict(nullptr, PnDb::kForRead, false), L"Child", child)) << "needs write";
  EXPECT_FALSE(child->isDatabaseResident());
  ASSERT_TRUE(AddSubDict(GetRootDict(nullptr, PnDb::kForWrite, false), L"Child", child));
  EXPECT_EQ(EntryAt(*Drawing(), {L"KOVT", L"Child"}), child->objectId());
  ExpectNothingOpen();
}

TEST_F(DictTree, ADrawingTakesOneStampOnly) {
  EXPECT_FALSE(KovtIsStamp());
  EXPECT_FALSE(EntryAt(*Drawing(), {L"KOVT"}).isValid()) << "asking made the root";
  EXPECT_FALSE(KovtStampDb(L""));
  ASSERT_TRUE(KovtStampDb(L"KOVR"));
  EXPECT_TRUE(KovtIsKovrStamp() && KovtIsStamp());
  EXPECT_FALSE(KovtIsKovsStamp() || KovtIsKovxStamp());
  EXPECT_FALSE(KovtStampDb(L"KOVS"));
  EXPECT_FALSE(EntryAt(*Drawing(), {L"KOVT", L"KOVS"}).isValid());
  PnDbDatabase steel;
  GetKovsRootDict(&steel, PnDb::kForRead, true)->close();  // module roots double as stamps
  EXPECT_TRUE(KovtIsKovsStamp(&steel) && KovtIsStamp(&steel));
  ExpectNothingOpen();
}

TEST_F(DictTree, CurrentRootDictionaryIsMadeOnceInTheNamedObjectsDictionary) {
  EXPECT_EQ(GetCurrentRootDictionary(L"", PnDb::kForRead), nullptr);
  PnDbDictionary* root = GetCurrentRootDictionary(L"KOVB", PnDb::kForRead);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->numReaders(), 1);
  EXPECT_EQ(ClassNameOf(EntryAt(*Drawing(), {L"KOVB"})), L"KOVTMainRootDictionary");
  EXPECT_EQ(root->mergeStyle(), PnDb::kDrcReplace);
  root->close();
  std::size_t before = Drawing()->numObjects();
  PnDbDictionary* again = GetCurrentRootDictionary(L"KOVB", PnDb::kForWrite);
  EXPECT_EQ(again, root);
  EXPECT_TRUE(again->isWriteEnabled());
  again->close();
  EXPECT_EQ(Drawing()->numObjects(), before);
  ExpectNothingOpen();

  // Only a missing entry is rebuilt: one of another kind, or one open for write elsewhere, is kept.
  const PnDbObjectId foreignRoot = Leaf(Drawing()->namedObjectsDictionaryId(), L"KOVF", L"foreign");
  PnDbDictionary* writer = GetCurrentRootDictionary(L"KOVB", PnDb::kForWrite);
  before = Drawing()->numObjects();
  EXPECT_EQ(GetCurrentRootDictionary(L"KOVF", PnDb::kForRead), nullptr);
  EXPECT_EQ(GetCurrentRootDictionary(L"KOVB", PnDb::kForRead), nullptr);
  writer->close();
  EXPECT_EQ(EntryAt(*Drawing(), {L"KOVF"}), foreignRoot);
  EXPECT_EQ(Drawing()->numObjects(), before);
  ExpectNothingOpen();
}

// The walk itself and the closing at scope end are what every copy relies on.
TEST_F(DictTree, IteratorAndScopeTakeNullAndClosedDictionaries) {
  PnDbDictionary* root = GetRootDict(nullptr, PnDb::kForWrite, true);
  GetSubDict(KOVTAppDictionary::desc(), root, L"Child", PnDb::kForRead, true)->close();
  EXPECT_TRUE(TxDictIterator(nullptr, true).IsEnd());
  EXPECT_TRUE(TxDictIterator(root, false).IsEnd());  // closed: nothing to walk
  {
    TxDictScope none(nullptr);
  }
  ExpectNothingOpen();
}

}  // namespace
