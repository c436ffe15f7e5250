#include <gtest/gtest.h>

#include "copy/kovr_dict_copy.h"
#include "dictionaries/app_dictionary_classes.h"
#include "tests/copy/copy_fixture.h"

namespace {

PnRxObject* newKeeperDictionary() { return new PnDbDictionary; }

class KovrDictCopy : public CopyTest {
 protected:
  void SetUp() override {
    CopyTest::SetUp();
    PnDbObjectId kovt = Dict(Source()->namedObjectsDictionaryId(), L"KOVT", KOVTMainRootDictionary::desc());
    PnDbObjectId style = Dict(Dict(kovt, L"KOVR", KOVTAppDictionary::desc()), L"Style", KOVTStyleDictionary::desc());
    PnDbObjectId tables = Dict(style, L"Tables");
    Leaf(tables, L"Bars", L"source bars");
    Leaf(tables, L"Meshes", L"source meshes");
  }
  void TearDown() override {
    for (PnRxClass* cls : m_keeperClasses) deletePnRxClass(cls);
    CopyTest::TearDown();
  }
  // What the steel module registers while it is loaded.
  void RegisterKeeperClasses() {
    for (const wchar_t* name : {L"KoVSCrSecDictionary", L"KoVSMaterialDictionary"})
      m_keeperClasses.push_back(newPnRxClass(name, L"PnDbDictionary", 0, 0, 0, newKeeperDictionary));
  }

 private:
  std::vector<PnRxClass*> m_keeperClasses;
};

TEST_F(KovrDictCopy, MergesStyleIntoTheWorkingDrawingWithoutKeeperClasses) {
  PnDbObjectId ownBars = Leaf(Dict(Dict(Dict(Dict(Drawing()->namedObjectsDictionaryId(), L"KOVT",
                                                   KOVTMainRootDictionary::desc()),
                                              L"KOVR", KOVTAppDictionary::desc()),
                                         L"Style", KOVTStyleDictionary::desc()),
                                    L"Tables"),
                               L"Bars", L"own bars");

  EXPECT_TRUE(CopyKovrDictFromTo(Source(), nullptr));

  EXPECT_EQ(At(Drawing(), L"KOVT/KOVR/Style/Tables/Bars"), ownBars);
  EXPECT_EQ(Marker(At(Drawing(), L"KOVT/KOVR/Style/Tables/Meshes")), L"source meshes");
  EXPECT_TRUE(At(Drawing(), L"CrSecKeepers").isNull());
  EXPECT_TRUE(At(Source(), L"MaterialKeepers").isNull());
  ExpectAllClosed();
}

TEST_F(KovrDictCopy, WithKeeperClassesTheKeepersAreMergedAndMadeWhereMissing) {
  RegisterKeeperClasses();
  Leaf(Dict(Source()->namedObjectsDictionaryId(), L"CrSecKeepers"), L"IPE 200", L"profile");

  EXPECT_TRUE(CopyKovrDictFromTo(Source(), Drawing()));

  EXPECT_EQ(Marker(At(Drawing(), L"CrSecKeepers/IPE 200")), L"profile");
  EXPECT_FALSE(At(Drawing(), L"MaterialKeepers").isNull());
  EXPECT_FALSE(At(Source(), L"MaterialKeepers").isNull());
  EXPECT_EQ(Marker(At(Drawing(), L"KOVT/KOVR/Style/Tables/Bars")), L"source bars");
  ExpectAllClosed();
}

TEST_F(KovrDictCopy, ExistingKeepersAreMergedEvenWithoutTheirClassesAndNoStyleLeavesStyleAlone) {
  Leaf(Dict(Source()->namedObjectsDictionaryId(), L"MaterialKeepers"), L"S235", L"steel");
  PnDbObjectId destination = Dict(Drawing()->namedObjectsDictionaryId(), L"MaterialKeepers");
  EXPECT_TRUE(CopyKovrDictFromTo(Source(), Drawing()));
  EXPECT_EQ(Marker(Child(destination, L"S235")), L"steel");

  NewDrawing();
  PnDbDatabase empty;
  EXPECT_TRUE(CopyKovrDictFromTo(&empty, Drawing()));
  EXPECT_TRUE(At(Drawing(), L"KOVT/KOVR/Style").isNull());
  EXPECT_EQ(empty.numOpenObjects(), 0u);
  ExpectAllClosed();
}

TEST_F(KovrDictCopy, NeedsASourceAndADestination) {
  EXPECT_FALSE(CopyKovrDictFromTo(nullptr, Drawing()));
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_FALSE(CopyKovrDictFromTo(Source(), nullptr));
  pndbHostApplicationServices()->setWorkingDatabase(Drawing());
  EXPECT_TRUE(At(Drawing(), L"KOVT").isNull());
}

}  // namespace
