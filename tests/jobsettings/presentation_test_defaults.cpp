// Construction defaults of the presentation structures, and as they are filed.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "jobsettings/presentation.h"
#include "registry/registry_access.h"
#include "tests/jobsettings/listing.h"
#include "tests/support/kovt_drawing.h"

namespace {

using PresentationDefaults = KovtDrawingTest;

TEST_F(PresentationDefaults, ElementTypesAndTheirGroupsFollowTheGoldenCodes) {
  const std::vector<GoldenRow> types = ReadGoldenRows("jobsettings/data/element_types.txt", 2);
  for (const GoldenRow& row : types)
    EXPECT_EQ(IsSolidHatchedElementType(std::stoi(row[0])), row[1] == L"B") << WideToUtf8(row[0]);
  // Every per-element-type list holds them in this order.
  const std::vector<XOutlineStyle> styles = XSECTION().EdgeLineMode_ByElementType.vOutlineStyle;
  ASSERT_EQ(styles.size(), types.size());
  for (std::size_t i = 0; i < styles.size(); ++i) EXPECT_EQ(std::to_wstring(styles[i].ElementType), types[i][0]);
  for (std::int32_t unknown : {0, 1, 8, 24}) EXPECT_FALSE(IsSolidHatchedElementType(unknown)) << unknown;
}

TEST(DrawingParameters, ConstructionDefaults) {
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
    EXPECT_TRUE(Holds(member->second, field.value)) << field.name.c_str();
  }
}

// New structures file the golden keys and values of data/presentation_defaults.txt
// under their prefix, as given: no separator is added or removed.
TEST_F(PresentationDefaults, NewStructuresFileTheGoldenValues) {
  KoVTPrjReg::TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(L"\\\\Standard", true));
  XOUTLINE outline;
  XSECTION section;
  XENDING ending;
  ASSERT_TRUE(registry.RWXOutlineSturcture(false, L"Found.Out", outline));
  ASSERT_TRUE(registry.RWXSectionSturcture(false, kSectionHatchModeVersion, L"Found.Sect", section));
  ASSERT_TRUE(registry.RWXEndingStructure(false, L"Detail.", ending));
  ExpectFiled(*registry.GetCurrentKey(), Drawing()->continuousLinetype(), "presentation_defaults.txt");
}

TEST_F(PresentationDefaults, LinetypesComeFromTheDrawingWorkingAtConstruction) {
  XENDING first;
  XSECTION firstSection;
  EXPECT_EQ(first.EndingLineStyleId, Drawing()->continuousLinetype());
  EXPECT_EQ(first.EndingLineColor, 2);
  EXPECT_EQ(first.EndingLineWidth, 25);
  EXPECT_EQ(first.EndingLineOutsideLength, 300.0);

  PnDbObjectId earlier = Drawing()->continuousLinetype();
  auto other = std::make_unique<PnDbDatabase>();
  pndbHostApplicationServices()->setWorkingDatabase(other.get());
  XENDING second;
  XOUTLINE outline;
  EXPECT_EQ(second.EndingLineStyleId, other->continuousLinetype());
  EXPECT_NE(second.EndingLineStyleId, earlier);
  EXPECT_EQ(outline.BlankOutlineMode_ByElementType.vOutlineStyle.front().LineStylId, other->continuousLinetype());
  // Built earlier, a structure keeps the linetype of its own drawing.
  EXPECT_EQ(firstSection.EdgeLineMode_ByElementType.vOutlineStyle.back().LineStylId, earlier);

  // Without a working drawing the lists are still complete, their linetypes unset.
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  XSECTION orphan;
  XENDING orphanEnding;
  ASSERT_EQ(orphan.EdgeLineMode_ByElementType.vOutlineStyle.size(), 16u);
  EXPECT_TRUE(orphan.EdgeLineMode_ByElementType.vOutlineStyle[0].LineStylId.isNull());
  EXPECT_TRUE(orphanEnding.EndingLineStyleId.isNull());
  pndbHostApplicationServices()->setWorkingDatabase(Drawing());
}

}  // namespace
