// Construction defaults of the presentation structures.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "jobsettings/presentation.h"
#include "tests/jobsettings/listing.h"
#include "tests/support/kovt_drawing.h"

namespace {

using PresentationDefaults = KovtDrawingTest;

// The element type codes of every per-element-type list, in list order, and
// whether their group is hatched solid.
struct ElementType {
  std::int32_t code;
  bool solid;
};
std::vector<ElementType> GoldenElementTypes() {
  std::vector<ElementType> types;
  for (const GoldenRow& row : ReadGoldenRows("jobsettings/data/element_types.txt", 2))
    types.push_back({static_cast<std::int32_t>(std::stol(row[0])), row[1] == L"B"});
  return types;
}

// Calls expect(entry, solid) for each entry, after checking the codes.
template <class Entry, class Expect>
void ExpectEveryElementTypeInOrder(const std::vector<Entry>& entries, Expect expect) {
  const std::vector<ElementType> golden = GoldenElementTypes();
  ASSERT_EQ(entries.size(), golden.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].ElementType, golden[i].code) << "position " << i;
    expect(entries[i], golden[i].solid);
  }
}

void ExpectOutlineList(const XOutlineMode_ByElementType& modes, XOutlineLook pattern, XOutlineLook solid,
                       PnDbObjectId linetype) {
  ExpectEveryElementTypeInOrder(modes.vOutlineStyle, [&](const XOutlineStyle& style, bool isSolid) {
    const XOutlineLook& look = isSolid ? solid : pattern;
    EXPECT_EQ(style.LineColor, look.LineColor) << style.ElementType;
    EXPECT_EQ(style.LineWidth, look.LineWidth) << style.ElementType;
    EXPECT_EQ(style.LineStylId, linetype) << style.ElementType;
  });
}

void ExpectHatchList(const XHatchMode_ByElementType& modes, XHatchLook look) {
  ExpectEveryElementTypeInOrder(modes.vHatchStyle, [&](const XHatchStyle& style, bool solid) {
    EXPECT_EQ(style.HatchName, solid ? L"SOLID" : L"ANSI33") << style.ElementType;
    EXPECT_EQ(style.HatchColor, look.HatchColor);
    EXPECT_EQ(style.HatchScale, look.HatchScale);
    EXPECT_EQ(style.HatchAngle, look.HatchAngle);
  });
}

TEST(ElementTypes, GroupsFollowTheGoldenCodes) {
  for (const ElementType& type : GoldenElementTypes())
    EXPECT_EQ(IsSolidHatchedElementType(type.code), type.solid) << type.code;
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

TEST_F(PresentationDefaults, OutlineAndSectionListsPerElementGroup) {
  XOUTLINE outline;
  PnDbObjectId continuous = Drawing()->continuousLinetype();
  ExpectOutlineList(outline.VisibOutlineMode_ByElementType, {150, 18}, {160, 18}, continuous);
  ExpectOutlineList(outline.BlankOutlineMode_ByElementType, {40, 18}, {50, 18}, continuous);
  ExpectHatchList(outline.VisibHatchMode_ByElementType, {151, 30.0, 90.0});
  ExpectHatchList(outline.BlankHatchMode_ByElementType, {41, 30.0, 0.0});
  EXPECT_TRUE(outline.VisibLineStylId.isNull());
  EXPECT_TRUE(outline.BlankLineStylId.isNull());
  EXPECT_EQ(outline.VisibHatchName, L"ANSI33");
  EXPECT_EQ(outline.BlankHatchColor, 41);
  EXPECT_EQ(outline.VisibHatchAngle, 90.0);

  XSECTION section;
  ExpectOutlineList(section.EdgeLineMode_ByElementType, {7, 50}, {252, 30}, continuous);
  ExpectHatchList(section.HatchMode_ByElementType, {253, 30.0, 0.0});
  EXPECT_TRUE(section.EdgeLineStylId.isNull());
  EXPECT_TRUE(section.HatchName.IsEmpty());
  EXPECT_EQ(section.HatchMode, 0);
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
