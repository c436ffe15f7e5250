// The presentation structures: their construction defaults and their filing
// in the project registry.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "jobsettings/presentation.h"
#include "registry/registry_access.h"
#include "tests/jobsettings/listing.h"
#include "tests/support/drawing_entries.h"
#include "tests/support/kovt_drawing.h"

namespace {

using KoVTPrjReg::TRegistry;

class Presentation : public KovtDrawingTest {
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
  KoVTPrjReg::TKey& Key() { return *m_registry->GetCurrentKey(); }

  // Gives every value stored under `prefix` one unlike it: the n-th number
  // changes by n (0 and 1 swap, as flags are stored so), texts grow, ids
  // name `linetype`.
  void Scramble(const std::wstring& prefix, PnDbObjectId linetype) {
    using namespace KoVTPrjReg;
    std::vector<std::pair<KOVTString, std::unique_ptr<TValue>>> changed;
    for (const auto& [name, value] : Key().Values()) {
      if (!name.str().starts_with(prefix + L".")) continue;
      const auto n = static_cast<std::int32_t>(changed.size() + 1);
      std::unique_ptr<TValue> unlike;
      if (auto* number = dynamic_cast<const TIntValue*>(value.get()))
        unlike = std::make_unique<TIntValue>(number->GetValue() < 2 ? 1 - number->GetValue()
                                                                    : number->GetValue() + n);
      else if (auto* real = dynamic_cast<const TFloatValue*>(value.get()))
        unlike = std::make_unique<TFloatValue>(real->GetValue() + n + 0.25);
      else if (auto* text = dynamic_cast<const TStringValue*>(value.get()))
        unlike = std::make_unique<TStringValue>(text->GetValue() + L"~");
      else
        unlike = std::make_unique<TObjIdValue>(linetype);
      changed.emplace_back(name, std::move(unlike));
    }
    for (auto& [name, value] : changed) Key().SetValue(name, std::move(value));
  }
  // The rows FiledRows gives of the values under `prefix`, without it.
  std::vector<std::wstring> RowsUnder(const std::wstring& prefix) {
    std::vector<std::wstring> rows;
    for (const std::wstring& row : FiledRows(Key(), Drawing()->continuousLinetype()))
      if (row.starts_with(prefix + L".")) rows.push_back(row.substr(prefix.size()));
    return rows;
  }

 private:
  std::optional<TRegistry> m_registry;
};

// Files a structure of each kind under a prefix; true when every field was filed.
bool File(TRegistry& registry, bool read, const wchar_t* prefix, XOUTLINE& outline) {
  return registry.RWXOutlineSturcture(read, prefix, outline);
}
bool File(TRegistry& registry, bool read, const wchar_t* prefix, XSECTION& section) {
  return registry.RWXSectionSturcture(read, kSectionHatchModeVersion, prefix, section);
}
bool File(TRegistry& registry, bool read, const wchar_t* prefix, XENDING& ending) {
  return registry.RWXEndingStructure(read, prefix, ending);
}

// Every per-element-type list holds the golden codes in their order; no other
// code is solid hatched.
TEST_F(Presentation, ElementTypesFollowTheGoldenCodes) {
  const std::vector<GoldenRow> types = ReadGoldenRows("jobsettings/data/element_types.txt", 1);
  const std::vector<XOutlineStyle> styles = XSECTION().EdgeLineMode_ByElementType.vOutlineStyle;
  ASSERT_EQ(styles.size(), types.size());
  for (std::size_t i = 0; i < styles.size(); ++i)
    EXPECT_EQ(std::to_wstring(styles[i].ElementType), types[i][0]);
  for (std::int32_t unknown : {0, 1, 8, 24}) EXPECT_FALSE(IsSolidHatchedElementType(unknown)) << unknown;
}

TEST_F(Presentation, DrawingParametersConstructionDefaults) {
  XPARAM p;
  const std::map<std::wstring, KovtJobKeys::Field> fields = {
      {L"DrawName", &p.DrawName},       {L"Scale", &p.Scale},
      {L"Index", &p.Index},             {L"DescrOn", &p.DescrOn},
      {L"TextStyle", &p.TextStyle},     {L"TextColor", &p.TextColor},
      {L"TextSize", &p.TextSize},       {L"DescrPlace", &p.DescrPlace},
      {L"Distance", &p.Distance},       {L"PresentationType", &p.PresentationType},
      {L"SymbolHole", &p.SymbolHole},   {L"ShowAllHoles", &p.ShowAllHoles},
      {L"ShowAllDoors", &p.ShowAllDoors},
  };
  const StoredKeys golden = GoldenSet("xparam_defaults.txt");
  EXPECT_EQ(golden.size(), fields.size());
  for (const Stored& field : golden) {
    auto member = fields.find(field.name);
    ASSERT_NE(member, fields.end()) << field.name.c_str();
    EXPECT_TRUE(Held(member->second) == field.value) << field.name.c_str();
  }
}

// New structures file the golden keys and values of data/presentation_defaults.txt
// under their prefix, as given: no separator is added or removed.
TEST_F(Presentation, NewStructuresFileTheGoldenValues) {
  XOUTLINE outline;
  XSECTION section;
  XENDING ending;
  ASSERT_TRUE(File(Registry(), false, L"Found.Out", outline));
  ASSERT_TRUE(File(Registry(), false, L"Found.Sect", section));
  ASSERT_TRUE(File(Registry(), false, L"Detail.", ending));
  ExpectFiled(Key(), Drawing()->continuousLinetype(), "presentation_defaults.txt");
}

TEST_F(Presentation, LinetypesComeFromTheDrawingWorkingAtConstruction) {
  EXPECT_EQ(XENDING().EndingLineStyleId, Drawing()->continuousLinetype());
  PnDbDatabase other;
  pndbHostApplicationServices()->setWorkingDatabase(&other);
  EXPECT_EQ(XENDING().EndingLineStyleId, other.continuousLinetype());
  EXPECT_EQ(XOUTLINE().BlankOutlineMode_ByElementType.vOutlineStyle.front().LineStylId,
            other.continuousLinetype());

  // Without a working drawing the lists are still complete, their linetypes unset.
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  XSECTION orphan;
  ASSERT_EQ(orphan.EdgeLineMode_ByElementType.vOutlineStyle.size(), 16u);
  EXPECT_TRUE(orphan.EdgeLineMode_ByElementType.vOutlineStyle[0].LineStylId.isNull());
  EXPECT_TRUE(XENDING().EndingLineStyleId.isNull());
  pndbHostApplicationServices()->setWorkingDatabase(Drawing());
}

// Every field, list entries and ids included, reads back as written: values
// unlike the new ones are read and filed again under another prefix.
TEST_F(Presentation, StructuresReadBackAsWritten) {
  const PnDbObjectId hidden = AddLinetype(Drawing(), L"KOVX_Hidden", {10.0, -5.0});
  const auto roundTrip = [&](auto structure, const std::wstring& written, const std::wstring& again) {
    ASSERT_TRUE(File(Registry(), false, written.c_str(), structure));
    Scramble(written, hidden);
    decltype(structure) read;
    EXPECT_TRUE(File(Registry(), true, written.c_str(), read));
    ASSERT_TRUE(File(Registry(), false, again.c_str(), read));
    EXPECT_EQ(RowsUnder(written), RowsUnder(again));
  };
  roundTrip(XOUTLINE(), L"Out", L"OutAgain");
  roundTrip(XSECTION(), L"Sect", L"SectAgain");
  roundTrip(XENDING(), L"End", L"EndAgain");
}

TEST_F(Presentation, MissingOrForeignValuesKeepTheFieldAndFail) {
  XOUTLINE written, full;
  ASSERT_TRUE(File(Registry(), false, L"Stor.Out", written));
  Scramble(L"Stor.Out", Drawing()->continuousLinetype());
  ASSERT_TRUE(File(Registry(), true, L"Stor.Out", full));
  Registry().DeleteValue(L"Stor.Out.BlankOn");
  Registry().WriteString(L"Stor.Out.VisibHatchScale", KOVTString(L"12.5"));
  Registry().DeleteValue(L"Stor.Out.VisibOutlineMode_ByElementType.vOutlineStyle17.LineWidth");

  XOUTLINE read;
  read.BlankOn = !full.BlankOn;
  EXPECT_FALSE(File(Registry(), true, L"Stor.Out", read));
  // Every other field was still read, those after the failures included.
  XOUTLINE expected = full;
  expected.BlankOn = !full.BlankOn;
  expected.VisibHatchScale = written.VisibHatchScale;
  ASSERT_EQ(expected.VisibOutlineMode_ByElementType.vOutlineStyle[7].ElementType, 17);
  expected.VisibOutlineMode_ByElementType.vOutlineStyle[7].LineWidth =
      written.VisibOutlineMode_ByElementType.vOutlineStyle[7].LineWidth;
  EXPECT_EQ(read, expected);
}

TEST_F(Presentation, ListsAreReadByElementTypeNotByPosition) {
  XOutlineMode_ByElementType written;
  written.vOutlineStyle = {{2, 11, PnDbObjectId(), 21}, {4, 12, PnDbObjectId(), 22},
                           {5, 13, PnDbObjectId(), 23}, {-3, 14, PnDbObjectId(), 24},
                           {0, 15, PnDbObjectId(), 25}};
  ASSERT_TRUE(Registry().RWXOutlineMode_ByElementTypeSturcture(false, L"L", written));

  // Names beside the entries' that name no entry of type 99 or 5.
  for (const wchar_t* other :
       {L"L.vOutlineStyle99x.LineColor", L"L.vOutlineStyle099.LineColor", L"L.vOutlineStyle-99.LineColor",
        L"L.vOutlineStyle99.Unknown", L"L.vOutlineStyle5", L"L.vOutlineStyle.LineColor",
        L"L.vOutlineStyle5.LineColor.x"})
    ASSERT_TRUE(Registry().WriteInteger(other, 1));

  // Other order, one code stored under none of its keys: the rest is filled,
  // the unknown entry is untouched, stored code 4 is ignored, size stays. A
  // negative type sorts before 0 by name.
  XOutlineMode_ByElementType read;
  read.vOutlineStyle = {{5, 0, PnDbObjectId(), 0}, {99, 7, PnDbObjectId(), 8}, {-3, 0, PnDbObjectId(), 0},
                        {2, 0, PnDbObjectId(), 0}, {0, 0, PnDbObjectId(), 0}};
  EXPECT_FALSE(Registry().RWXOutlineMode_ByElementTypeSturcture(true, L"L", read));
  const std::vector<XOutlineStyle> expected = {{5, 13, PnDbObjectId(), 23}, {99, 7, PnDbObjectId(), 8},
                                               {-3, 14, PnDbObjectId(), 24}, {2, 11, PnDbObjectId(), 21},
                                               {0, 15, PnDbObjectId(), 25}};
  EXPECT_EQ(read.vOutlineStyle, expected);
}

// Entries of one type share their keys; empty lists file nothing.
TEST_F(Presentation, EntriesOfOneTypeShareTheirKeysAndEmptyListsNone) {
  XHatchMode_ByElementType written;
  written.vHatchStyle = {{20, L"FIRST", 1, 1.0, 10.0}, {20, L"LATER", 2, 2.0, 20.0}};
  ASSERT_TRUE(Registry().RWXHatchMode_ByElementTypeSturcture(false, L"H", written));
  EXPECT_EQ(Key().Values().size(), 4u);

  XHatchMode_ByElementType read;
  read.vHatchStyle = {{20, L"", 0, 0.0, 0.0}, {20, L"", 0, 0.0, 0.0}};
  EXPECT_TRUE(Registry().RWXHatchMode_ByElementTypeSturcture(true, L"H", read));
  EXPECT_EQ(read.vHatchStyle[0], written.vHatchStyle[1]);
  EXPECT_EQ(read.vHatchStyle[1], written.vHatchStyle[1]);

  XOutlineMode_ByElementType outlines;
  XHatchMode_ByElementType hatches;
  EXPECT_TRUE(Registry().RWXOutlineMode_ByElementTypeSturcture(false, L"E", outlines));
  EXPECT_TRUE(Registry().RWXHatchMode_ByElementTypeSturcture(true, L"E", hatches));
  EXPECT_EQ(Key().Values().size(), 4u);
  EXPECT_TRUE(hatches.vHatchStyle.empty());
}

TEST_F(Presentation, WithoutAnOpenKeyEveryOperationFails) {
  XOUTLINE outline;
  ASSERT_TRUE(File(Registry(), false, L"Out", outline));
  Scramble(L"Out", PnDbObjectId());
  ASSERT_TRUE(File(Registry(), true, L"Out", outline));
  const XOUTLINE before = outline;
  ASSERT_FALSE(Registry().OpenKey(L"\\Missing", false));
  XSECTION section;
  XENDING ending;
  EXPECT_FALSE(File(Registry(), false, L"Out", outline));
  EXPECT_FALSE(File(Registry(), true, L"Out", outline));
  EXPECT_FALSE(File(Registry(), false, L"Sect", section));
  EXPECT_FALSE(Registry().RWXSectionSturcture(true, 1, L"Sect", section));
  EXPECT_FALSE(File(Registry(), true, L"End", ending));
  EXPECT_EQ(outline, before);
}

// Without its flag an older section keeps its mode and fails, the fields
// after it still read; written with an older version number it stores the
// mode all the same. The flag's values are read through the module's sets.
TEST_F(Presentation, OlderSectionsWithoutTheirFlag) {
  XSECTION modern;
  modern.HatchMode = 3;
  modern.HatchMode_ByElementType.vHatchStyle[0].HatchScale = 7.5;
  ASSERT_TRUE(File(Registry(), false, L"Older", modern));
  XSECTION older;
  older.HatchMode = 9;
  EXPECT_FALSE(Registry().RWXSectionSturcture(true, 0, L"Older", older));
  EXPECT_EQ(older.HatchMode, 9);
  EXPECT_EQ(older.HatchMode_ByElementType, modern.HatchMode_ByElementType);
  Registry().DeleteValue(L"Older.HatchMode");
  ASSERT_TRUE(Registry().RWXSectionSturcture(false, 1, L"Older", modern));
  EXPECT_NE(Key().FindValue(L"Older.HatchMode"), nullptr);
  EXPECT_EQ(Key().FindValue(L"Older.HatchType"), nullptr);
}

}  // namespace
