// Filing the presentation structures in the project registry, in memory and
// through a saved drawing.
#include <gtest/gtest.h>

#include <optional>

#include "jobsettings/presentation.h"
#include "registry/registry_access.h"
#include "tests/jobsettings/listing.h"
#include "tests/support/drawing_entries.h"
#include "tests/support/kovt_drawing.h"

namespace {

using KoVTPrjReg::TRegistry;

class PresentationFiling : public KovtDrawingTest {
 protected:
  // A registry on the working drawing with the set key "\\Standard" open.
  void SetUp() override {
    KovtDrawingTest::SetUp();
    m_registry.emplace();
    ASSERT_TRUE(m_registry->OpenKey(L"\\\\Standard", true));
  }
  void TearDown() override {
    m_registry.reset();
    KovtDrawingTest::TearDown();
  }

  TRegistry& Registry() { return *m_registry; }
  bool Stored(const wchar_t* name, KoVTPrjReg::TDataType type = KoVTPrjReg::kNoValue) {
    const KoVTPrjReg::TValue* value = m_registry->GetCurrentKey()->FindValue(name);
    return value != nullptr && (type == KoVTPrjReg::kNoValue || value->GetDataType() == type);
  }
  std::size_t StoredCount() { return m_registry->GetCurrentKey()->Values().size(); }

 private:
  std::optional<TRegistry> m_registry;
};

// Changes the n-th of `members` by n, so no two members of a kind end up equal.
template <class Structure, class... Members>
void ChangeEach(Structure& structure, Members... members) {
  std::int32_t n = 0;
  (ChangeBy{++n}(&(structure.*members)), ...);
}

// Every field differs from its construction value; list entries differ from
// each other.
XOUTLINE ChangedOutline(PnDbObjectId linetype) {
  XOUTLINE outline;
  outline.VisibLineStylId = outline.BlankLineStylId = linetype;
  using X = XOUTLINE;
  ChangeEach(outline, &X::VisibLineColor, &X::VisibLineWidth, &X::BlankOn, &X::BlankLineColor, &X::BlankLineWidth,
             &X::VisibOutlineMode, &X::BlankOutlineMode, &X::VisibHatchOn, &X::VisibHatchName, &X::VisibHatchColor,
             &X::VisibHatchScale, &X::VisibHatchAngle, &X::BlankHatchOn, &X::BlankHatchName, &X::BlankHatchColor,
             &X::BlankHatchScale, &X::BlankHatchAngle, &X::BlankHatchRemoveOverlapped, &X::VisibHatchMode,
             &X::BlankHatchMode);
  std::int32_t n = 0;
  for (XOutlineStyle& style : outline.VisibOutlineMode_ByElementType.vOutlineStyle) {
    style.LineColor = 100 + ++n;
    style.LineWidth = n;
    if (n % 2 == 0) style.LineStylId = linetype;
  }
  for (XOutlineStyle& style : outline.BlankOutlineMode_ByElementType.vOutlineStyle) style.LineColor = 200 + ++n;
  for (XHatchStyle& style : outline.VisibHatchMode_ByElementType.vHatchStyle) {
    style.HatchScale = 0.5 * ++n;
    style.HatchName += L"_V";
  }
  for (XHatchStyle& style : outline.BlankHatchMode_ByElementType.vHatchStyle) style.HatchAngle = ++n;
  return outline;
}

XSECTION ChangedSection(PnDbObjectId linetype) {
  XSECTION section;
  section.EdgeLineStylId = linetype;
  using X = XSECTION;
  ChangeEach(section, &X::EdgeLineColor, &X::EdgeLineWidth, &X::EdgeLineMode, &X::HatchOn, &X::HatchName,
             &X::HatchColor, &X::HatchScale, &X::HatchAngle, &X::HatchMode);
  std::int32_t n = 0;
  for (XOutlineStyle& style : section.EdgeLineMode_ByElementType.vOutlineStyle) style.LineWidth = ++n;
  for (XHatchStyle& style : section.HatchMode_ByElementType.vHatchStyle) style.HatchColor = ++n;
  return section;
}

TEST_F(PresentationFiling, MissingOrForeignValuesKeepTheFieldAndFail) {
  XOUTLINE written = ChangedOutline(Drawing()->continuousLinetype());
  ASSERT_TRUE(Registry().RWXOutlineSturcture(false, L"Stor.Out", written));
  Registry().DeleteValue(L"Stor.Out.BlankOn");
  Registry().WriteString(L"Stor.Out.VisibHatchScale", KOVTString(L"12.5"));
  Registry().DeleteValue(L"Stor.Out.VisibOutlineMode_ByElementType.vOutlineStyle17.LineWidth");

  XOUTLINE read;
  read.BlankOn = false;
  EXPECT_FALSE(Registry().RWXOutlineSturcture(true, L"Stor.Out", read));
  EXPECT_FALSE(read.BlankOn);
  EXPECT_EQ(read.VisibHatchScale, 30.0);
  // Every other field was still read, those after the failures included.
  XOUTLINE expected = written;
  expected.BlankOn = false;
  expected.VisibHatchScale = 30.0;
  expected.VisibOutlineMode_ByElementType.vOutlineStyle[7].LineWidth = 18;  // type 17 is eighth
  EXPECT_EQ(read, expected);
}

TEST_F(PresentationFiling, ListsAreReadByElementTypeNotByPosition) {
  XOutlineMode_ByElementType written;
  written.vOutlineStyle = {{2, 11, PnDbObjectId(), 21}, {4, 12, PnDbObjectId(), 22}, {5, 13, PnDbObjectId(), 23}};
  ASSERT_TRUE(Registry().RWXOutlineMode_ByElementTypeSturcture(false, L"L", written));

  // Names beside the entries' that name no entry of type 99 or 5.
  for (const wchar_t* other : {L"L.vOutlineStyle99x.LineColor", L"L.vOutlineStyle099.LineColor",
                               L"L.vOutlineStyle-99.LineColor", L"L.vOutlineStyle99.Unknown", L"L.vOutlineStyle5",
                               L"L.vOutlineStyle.LineColor", L"L.vOutlineStyle5.LineColor.x"})
    ASSERT_TRUE(Registry().WriteInteger(other, 1));

  // Other order, one code stored under none of its keys: the rest is filled,
  // the unknown entry is untouched, stored code 4 is ignored, size stays.
  XOutlineMode_ByElementType read;
  read.vOutlineStyle = {{5, 0, PnDbObjectId(), 0}, {99, 7, PnDbObjectId(), 8}, {2, 0, PnDbObjectId(), 0}};
  EXPECT_FALSE(Registry().RWXOutlineMode_ByElementTypeSturcture(true, L"L", read));
  ASSERT_EQ(read.vOutlineStyle.size(), 3u);
  EXPECT_EQ(read.vOutlineStyle[0], (XOutlineStyle{5, 13, PnDbObjectId(), 23}));
  EXPECT_EQ(read.vOutlineStyle[1], (XOutlineStyle{99, 7, PnDbObjectId(), 8}));
  EXPECT_EQ(read.vOutlineStyle[2], (XOutlineStyle{2, 11, PnDbObjectId(), 21}));
}

TEST_F(PresentationFiling, EntriesOfOneTypeShareTheirKeys) {
  XHatchMode_ByElementType written;
  written.vHatchStyle = {{20, L"FIRST", 1, 1.0, 10.0}, {20, L"LATER", 2, 2.0, 20.0}};
  ASSERT_TRUE(Registry().RWXHatchMode_ByElementTypeSturcture(false, L"H", written));
  EXPECT_EQ(StoredCount(), 4u);

  XHatchMode_ByElementType read;
  read.vHatchStyle = {{20, L"", 0, 0.0, 0.0}, {20, L"", 0, 0.0, 0.0}};
  EXPECT_TRUE(Registry().RWXHatchMode_ByElementTypeSturcture(true, L"H", read));
  EXPECT_EQ(read.vHatchStyle[0], written.vHatchStyle[1]);
  EXPECT_EQ(read.vHatchStyle[1], written.vHatchStyle[1]);
}

TEST_F(PresentationFiling, EmptyListsTouchNothing) {
  XOutlineMode_ByElementType outlines;
  XHatchMode_ByElementType hatches;
  EXPECT_TRUE(Registry().RWXOutlineMode_ByElementTypeSturcture(false, L"E", outlines));
  EXPECT_TRUE(Registry().RWXHatchMode_ByElementTypeSturcture(true, L"E", hatches));
  EXPECT_EQ(StoredCount(), 0u);
  EXPECT_TRUE(hatches.vHatchStyle.empty());
}

TEST_F(PresentationFiling, WithoutAnOpenKeyEveryOperationFails) {
  ASSERT_FALSE(Registry().OpenKey(L"\\Missing", false));
  XOUTLINE outline = ChangedOutline(PnDbObjectId());
  XOUTLINE before = outline;
  XSECTION section;
  XENDING ending;
  EXPECT_FALSE(Registry().RWXOutlineSturcture(false, L"Out", outline));
  EXPECT_FALSE(Registry().RWXOutlineSturcture(true, L"Out", outline));
  EXPECT_FALSE(Registry().RWXSectionSturcture(false, kSectionHatchModeVersion, L"Sect", section));
  EXPECT_FALSE(Registry().RWXSectionSturcture(true, 1, L"Sect", section));
  EXPECT_FALSE(Registry().RWXEndingStructure(true, L"End", ending));
  EXPECT_EQ(outline, before);
}

struct Migration {
  std::int32_t storedHatchType;
  std::int32_t expectedMode;
};

// Older versions read the flag and no mode, and still write the mode.
TEST_F(PresentationFiling, OlderSectionsReadTheirHatchTypeFlag) {
  for (Migration migration : {Migration{0, 3}, Migration{1, 0}, Migration{7, 0}}) {
    SCOPED_TRACE(migration.storedHatchType);
    XSECTION stored;
    ASSERT_TRUE(Registry().RWXSectionSturcture(false, kSectionHatchModeVersion, L"Old", stored));
    // What an older version left: the flag and no mode.
    Registry().DeleteValue(L"Old.HatchMode");
    Registry().WriteInteger(L"Old.HatchType", migration.storedHatchType);

    XSECTION read;
    read.HatchMode = 9;
    EXPECT_TRUE(Registry().RWXSectionSturcture(true, 1, L"Old", read));
    EXPECT_EQ(read.HatchMode, migration.expectedMode);
    // A current version never looks at the flag.
    read.HatchMode = 9;
    EXPECT_FALSE(Registry().RWXSectionSturcture(true, kSectionHatchModeVersion, L"Old", read));
    EXPECT_EQ(read.HatchMode, 9);
  }

  XSECTION modern;
  modern.HatchMode = 3;
  ASSERT_TRUE(Registry().RWXSectionSturcture(false, kSectionHatchModeVersion, L"Older", modern));
  XSECTION older;
  older.HatchMode = 9;
  // Neither the flag is there nor is the mode consulted: the mode stays, the read fails.
  EXPECT_FALSE(Registry().RWXSectionSturcture(true, 0, L"Older", older));
  EXPECT_EQ(older.HatchMode, 9);
  EXPECT_EQ(older.HatchMode_ByElementType, modern.HatchMode_ByElementType);
  // Writing with an older version number still stores the mode.
  Registry().DeleteValue(L"Older.HatchMode");
  ASSERT_TRUE(Registry().RWXSectionSturcture(false, 1, L"Older", modern));
  EXPECT_TRUE(Stored(L"Older.HatchMode"));
  EXPECT_FALSE(Stored(L"Older.HatchType"));
}

// Every field, list entries and ids included, reads back as written.
TEST_F(PresentationFiling, StructuresReadBackAsWritten) {
  const PnDbObjectId hidden = AddLinetype(Drawing(), L"KOVX_Hidden", {10.0, -5.0});
  XOUTLINE outline = ChangedOutline(hidden);
  XSECTION section = ChangedSection(hidden);
  XENDING ending;
  ending.EndingMode = 2;
  ending.EndingLineStyleId = hidden;
  ending.EndingLineColor = 4;
  ending.EndingLineWidth = 70;
  ending.EndingLineOutsideLength = 42.0;
  ASSERT_TRUE(Registry().RWXOutlineSturcture(false, L"View.Out", outline));
  // 22 scalar fields, then 16 entries of 3 values in each outline list and of 4 in each hatch list.
  EXPECT_EQ(StoredCount(), 22u + 2 * 16 * 3 + 2 * 16 * 4);
  ASSERT_TRUE(Registry().RWXSectionSturcture(false, kSectionHatchModeVersion, L"Sect.Sect", section));
  ASSERT_TRUE(Registry().RWXEndingStructure(false, L"Detail.Ending", ending));
  EXPECT_TRUE(Stored(L"Sect.Sect.HatchMode", KoVTPrjReg::kIntegerValue));
  EXPECT_FALSE(Stored(L"Sect.Sect.HatchType"));

  XOUTLINE readOutline;
  XSECTION readSection;
  XENDING readEnding;
  EXPECT_TRUE(Registry().RWXOutlineSturcture(true, L"View.Out", readOutline));
  EXPECT_TRUE(Registry().RWXSectionSturcture(true, kSectionHatchModeVersion, L"Sect.Sect", readSection));
  EXPECT_TRUE(Registry().RWXEndingStructure(true, L"Detail.Ending", readEnding));
  EXPECT_EQ(readOutline, outline);
  EXPECT_EQ(readSection, section);
  EXPECT_EQ(readEnding, ending);
}

}  // namespace
