#include <gtest/gtest.h>

#include "copy/linetype_copy.h"
#include "tests/copy/copy_fixture.h"

using namespace KovtCopyUtil;
using KoVT::Core::TStringList;

namespace {

TStringList Names(std::initializer_list<const wchar_t*> names) {
  TStringList list;
  for (const wchar_t* name : names) list.Add(name);
  return list;
}

class LinetypeCopy : public CopyTest {
 protected:
  void SetUp() override {
    CopyTest::SetUp();
    dash = AddLinetype(Source(), L"Dash", {5.0, -2.5});
    dot = AddLinetype(Source(), L"Dot", {0.0, -1.0});
    AddLinetype(Drawing(), L"DASH", {1.0, -1.0});
  }
  PnDbObjectId dash, dot;
};

TEST_F(LinetypeCopy, ATakenNameIgnoringCaseGetsTheFirstFreeNumber) {
  IdPairList copies;
  ASSERT_TRUE(CopyPlnxLineType(Source(), Drawing(), PnDbObjectIdArray{dash, dot}, copies));
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_EQ(copies[0].first, dash);
  PnDbLinetypeTableRecord* record = nullptr;
  ASSERT_EQ(pndbOpenObject(record, copies[0].second, PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(record->dashes(), (std::vector<double>{5.0, -2.5}));
  record->close();
  EXPECT_EQ(RecordNames<PnDbLinetypeTable>(Drawing()),
            (std::vector<std::wstring>{L"ByBlock", L"ByLayer", L"Continuous", L"DASH", L"Dash 1", L"Dot"}));

  // By names: past taken names and the ones just chosen, appended to the list given.
  NamePairList renamed{{L"earlier", L"kept"}};
  ASSERT_TRUE(CopyPlnxLineType(Source(), Drawing(), Names({L"dash", L"DASH"}), renamed));
  ASSERT_EQ(renamed.size(), 3u);
  EXPECT_EQ(renamed[0].first, KOVTString(L"earlier"));
  EXPECT_EQ(renamed[1], (std::pair<KOVTString, KOVTString>{L"dash", L"Dash 2"}));
  EXPECT_EQ(renamed[2], (std::pair<KOVTString, KOVTString>{L"DASH", L"Dash 3"}));
  ExpectAllClosed();
}

TEST_F(LinetypeCopy, UnknownNamesCopyNothingAndUnopenableRecordsArePassedOver) {
  const std::size_t before = Drawing()->numObjects();
  NamePairList renamed;
  EXPECT_FALSE(CopyPlnxLineType(Source(), Drawing(), Names({L"Dash", L"Missing"}), renamed));
  EXPECT_TRUE(renamed.empty());
  EXPECT_EQ(Drawing()->numObjects(), before);

  PnDbObjectId textStyle = AddTextStyle(Source(), L"Notes");
  IdPairList copies;
  EXPECT_FALSE(CopyPlnxLineType(Source(), Drawing(), PnDbObjectIdArray{PnDbObjectId(), textStyle, dot}, copies));
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].first, dot);
  EXPECT_TRUE(CopyPlnxLineType(Source(), Drawing(), textStyle).isNull());
  EXPECT_EQ(RecordName(CopyPlnxLineType(Source(), Drawing(), dash)), L"Dash 1");
  ExpectAllClosed();
}

TEST_F(LinetypeCopy, NamesMembershipAndCounterparts) {
  EXPECT_EQ(GetLineTypeName(dash), KOVTString(L"Dash"));
  EXPECT_TRUE(GetLineTypeName(PnDbObjectId()).IsEmpty());
  EXPECT_TRUE(GetLineTypeName(Source()->namedObjectsDictionaryId()).IsEmpty());
  EXPECT_TRUE(CheckIfPlnxLineTypeIdExist(dash, Source()));
  EXPECT_FALSE(CheckIfPlnxLineTypeIdExist(dash, Drawing()));
  EXPECT_FALSE(CheckIfPlnxLineTypeIdExist(dash));  // the working drawing
  EXPECT_TRUE(CheckIfPlnxLineTypeIdExist(Drawing()->continuousLinetype()));
  EXPECT_EQ(RecordName(FindPlnxLineTypeIdDestDatabase(false, Source(), dash, Drawing())), L"DASH");
  EXPECT_TRUE(FindPlnxLineTypeIdDestDatabase(false, Source(), dot, Drawing()).isNull());
  // An id of another drawing than the one named source has no counterpart.
  EXPECT_TRUE(FindPlnxLineTypeIdDestDatabase(false, Drawing(), dash, Drawing()).isNull());
}

enum class Expect { Counterpart, Null, Continuous, Unchanged, CopyNamed };

TEST_F(LinetypeCopy, EveryRemapPolicy) {
  const struct {
    bool exists;
    int policy;
    Expect expected;
    const wchar_t* copyName;
  } cases[] = {
      {true, eExistUseCounterpart, Expect::Counterpart, nullptr},
      {true, eExistUseNull, Expect::Null, nullptr},
      {true, eExistUseContinuous, Expect::Continuous, nullptr},
      {true, eExistKeepReference, Expect::Unchanged, nullptr},
      {true, eExistCopyRenamed, Expect::CopyNamed, L"Dash 1"},
      {false, eMissingCopy, Expect::CopyNamed, L"Fresh 0"},
      {false, eMissingUseNull, Expect::Null, nullptr},
      {false, eMissingUseContinuous, Expect::Continuous, nullptr},
  };
  PnDbObjectId counterpart = FindPlnxLineTypeIdDestDatabase(false, Source(), dash, Drawing());
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "exists " << c.exists << " policy " << c.policy);
    // Every missing case gets a linetype of its own: a copy would make it exist.
    std::wstring freshName = L"Fresh " + std::to_wstring(c.policy);
    PnDbObjectId original = c.exists ? dash : AddLinetype(Source(), freshName.c_str());
    PnDbObjectId reference = original;
    // The policy that does not apply is set to something that would show.
    if (c.exists)
      RemapPlnxLineTypeId(static_cast<ECopyMethodExist>(c.policy), eMissingUseNull, false, Source(), Drawing(),
                          reference);
    else
      RemapPlnxLineTypeId(eExistUseNull, static_cast<ECopyMethodNotExist>(c.policy), false, Source(), Drawing(),
                          reference);
    switch (c.expected) {
      case Expect::Counterpart: EXPECT_EQ(reference, counterpart); break;
      case Expect::Null: EXPECT_TRUE(reference.isNull()); break;
      case Expect::Continuous: EXPECT_EQ(reference, Drawing()->continuousLinetype()); break;
      case Expect::Unchanged: EXPECT_EQ(reference, original); break;
      case Expect::CopyNamed:
        EXPECT_EQ(reference.database(), Drawing());
        EXPECT_EQ(RecordName(reference), c.copyName);
        break;
    }
  }
  // The short form: the counterpart, else continuous.
  PnDbObjectId reference = dot;
  EXPECT_TRUE(RemapPlnxLineTypeId(false, Source(), Drawing(), reference));
  EXPECT_EQ(reference, Drawing()->continuousLinetype());
  reference = dash;
  EXPECT_TRUE(RemapPlnxLineTypeId(false, Source(), Drawing(), reference));
  EXPECT_EQ(reference, counterpart);
  ExpectAllClosed();
}

}  // namespace
