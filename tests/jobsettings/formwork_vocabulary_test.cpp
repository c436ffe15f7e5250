// The stored form of a formwork set: every key in stored order, and the
// defaults a new drawing stores.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/jobsettings/formwork_test_fixture.h"

namespace {

using KoVTPrjReg::TRegistry;

// The structures, whose values are stored under "<name>.<field>".
const wchar_t* const kStructures[] = {
    L"Found.Out", L"Found.Sect", L"Stor.Out",   L"Stor.Sect",     L"Sect.Out",      L"Sect.Sect",
    L"Sect.Ending", L"Elev.Out", L"Elev.Ending", L"Detail.Ending", L"View.Out",
};

const CommonPart kCommon{.variables = 18, .templates = 3, .pageNumber = L"", .version = 2};

// The nine labelling fields of a drawing kind's "<kind>.Par".
std::vector<std::wstring> Labelling(const wchar_t* kind) {
  return Prefixed((std::wstring(kind) + L".Par").c_str(), {L"DrawName", L"Scale", L"Index", L"DescrOn", L"TextStyle",
                                                           L"TextColor", L"TextSize", L"DescrPlace", L"Distance"});
}

// clang-format off
const std::vector<std::wstring> kStoredOrder = Joined<std::wstring>({
    NamesOf(CommonBlocks(kCommon)),
    Prefixed(L"Units", {
        L"WorkUnits", L"Length", L"FormworkCrossDim", L"FormworkHoleDim", L"FormworkVolume", L"FormworkSurface",
        L"FormworkMass", L"FormworkCurrency", L"FormworkAngle", L"PrintfLength", L"PrintfFormworkCrossDim",
        L"PrintfFormworkHoleDim", L"PrintfFormworkVolume", L"PrintfFormworkSurface", L"PrintfFormworkMass",
        L"PrintfFormworkCurrency", L"PrintfFormworkAngle", L"LengthPrecision", L"FormworkCrossDimPrecision",
        L"FormworkHoleDimPrecision", L"FormworkVolumePrecision", L"FormworkSurfacePrecision",
        L"FormworkMassPrecision", L"FormworkCurrencyPrecision", L"FormworkAnglePrecision",
        L"FormworkLessThanOnePrecision", L"FormworkGreaterThanOnePrecision", L"FormworkDescLessThanOnePrecision",
        L"FormworkDescGreaterThanOnePrecision", L"LengthCoeff", L"FormworkCrossDimCoeff", L"FormworkHoleDimCoeff",
        L"FormworkVolumeCoeff", L"FormworkSurfaceCoeff", L"FormworkMassCoeff", L"FormworkCurrencyCoeff",
        L"FormworkAngleCoeff", L"LessThenOne", L"GreaterThenOne", L"DescLessThenOne", L"DescGreaterThenOne"}),
    Prefixed(L"Styles", {L"ElementDescription", L"TableElem", L"TablePrice", L"TableDeta", L"TableHole",
                         L"TableGroupSum", L"TableGroupDet"}),
    Prefixed(L"Priorities", {L"WallPriority", L"ColumnPriority", L"BeamPriority", L"SlabPriority", L"LintelPriority",
                             L"SFootPriority", L"CFootPriority", L"GBeamPriority", L"RingBeamPriority",
                             L"RFoundPriority", L"StairsPriority"}),
    Prefixed(L"Descs", {
        L"strWallDesc", L"strColumnDesc", L"strBeamDesc", L"strSlabDesc", L"strLintelDesc", L"strSFootDesc",
        L"strCFootDesc", L"strGBeamDesc", L"strRingBeamDesc", L"strRFoundDesc", L"strStairsDesc", L"bNWDFT",
        L"nBeginFrom", L"strPrefix", L"eAxisOrder", L"eAxisScanType", L"eElementOrder", L"bFindAndSet",
        L"bIncludeMaterial", L"bInform", L"bIncludeRElements", L"nIdenticalMode"}),
    Prefixed(L"Dims", {
        L"DimensionalStyleId", L"DimLineDistance", L"UseMinDim", L"MinimalDimension", L"ExtLineLength",
        L"MidLineLength", L"ExtLineFromDimLength", L"ExtLineFromObjLength", L"MidLineFromDimLength",
        L"MidLineFromObjLength", L"GroupLineDef", L"GroupLinePts", L"GroupLineConn", L"GroupLineAxis",
        L"GroupLineHole", L"DescTemplateLine1", L"DescTemplateLine2", L"CutAxis", L"CutTotal", L"CutPlnxLine",
        L"CutPlnxMLine", L"CutPlnxPolyline", L"CutPlnxArc", L"CutPlnxCircle", L"CutPlnxSpline", L"CutTraxWall",
        L"CutTraxColumn", L"CutTraxBeam", L"CutTraxSlab", L"CutTraxFoot", L"CutTraxContFoot", L"CutTraxDoor",
        L"CutTraxWindow", L"CutTraxLintel", L"CutTraxWallHole", L"CutTraxSlabHole", L"CutTraxAxe",
        L"CutTraxGroundBeam", L"CutTraxRingBeam", L"CutTraxFoundSlab", L"CutTraxStairs"}),
    Prefixed(L"Trims", {L"Slab", L"SteelEl"}),
    Prefixed(L"Found", {L"SectionLayout", L"SectionOffset"}),
    Labelling(L"Found"),
    Prefixed(L"Found", {L"Par.SymbolHole", L"Out", L"Sect"}),
    Prefixed(L"Stor", {L"CastType", L"CastPosition", L"CastDepth", L"SectionPlaceType", L"SectionPlacement",
                       L"SymbolOn", L"StylId", L"LineColor", L"LineWidth"}),
    Labelling(L"Stor"),
    Prefixed(L"Stor", {L"Par.SymbolHole", L"Par.ShowAllHoles", L"Par.ShowAllDoors", L"Out", L"Sect"}),
    {L"Sect.Range.RangeType"},
    Labelling(L"Sect"),
    Prefixed(L"Sect", {L"Out", L"Sect", L"Ending"}),
    {L"Elev.Range.RangeType"},
    Labelling(L"Elev"),
    Prefixed(L"Elev", {L"Par.PresentationType", L"Out", L"Ending"}),
    Labelling(L"View"),
    Labelling(L"Detail"),
    Prefixed(L"Detail", {L"Par.PresentationType", L"Par.SymbolHole", L"Par.ShowAllHoles", L"Par.ShowAllDoors",
                         L"Ending"}),
    {L"View.Out", L"Curves.CircleParts", L"Curves.WallHoles"},
    NamesOf(ProjectBlock()),
});
// clang-format on

// The golden key a stored value belongs to: itself, or the structure it is a field of.
std::wstring GoldenKeyOf(const std::wstring& stored) {
  for (const wchar_t* structure : kStructures) {
    const std::wstring prefix = std::wstring(structure) + L".";
    if (stored.compare(0, prefix.size(), prefix) == 0) return structure;
  }
  return stored;
}

using FormworkVocabulary = FormworkSettingsTest;

TEST_F(FormworkVocabulary, KeysAreFiledInTheStoredOrder) {
  KOVTFormworkJobSettings settings;
  std::vector<KOVTString> names = settings.ListKeyNames();
  ASSERT_EQ(names.size(), kStoredOrder.size());
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], kStoredOrder[i].c_str()) << "position " << i;
  // The common blocks lead, with the defaults of a formwork set.
  const StoredKeys common = CommonBlocks(kCommon);
  std::vector<KovtJobKeys::Entry> listing = settings.ListKeys();
  ASSERT_GE(listing.size(), common.size());
  listing.resize(common.size());
  ExpectListing(listing, common);
}

TEST_F(FormworkVocabulary, AWrittenSetHoldsExactlyTheGoldenKeys) {
  { KOVTFormworkJobSettings created; }
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  EditSet([](TRegistry& registry) {
    std::vector<std::wstring> seen;
    for (const auto& [name, value] : registry.GetCurrentKey()->Values()) {
      const std::wstring golden = GoldenKeyOf(name.str());
      EXPECT_NE(std::find(kStoredOrder.begin(), kStoredOrder.end(), golden), kStoredOrder.end())
          << "unexpected value " << std::string(golden.begin(), golden.end());
      seen.push_back(golden);
    }
    for (const std::wstring& golden : kStoredOrder)
      EXPECT_NE(std::find(seen.begin(), seen.end(), golden), seen.end()) << "missing " << std::string(golden.begin(), golden.end());
  });
}

// A fresh object reads the defaults back over members that all differ.
TEST_F(FormworkVocabulary, NewDrawingStoresTheDefaults) {
  { KOVTFormworkJobSettings created; }
  KOVTFormworkJobSettings s;
  ScrambleListed(s.ListKeys());
  s.View.Out.BlankOn = true;
  s.Sect.Sect.HatchScale = 5.0;
  ASSERT_TRUE(s.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(s.StoredVersion(), 2);
  EXPECT_EQ(s.Variables().Values[VAR_REPORT_PAGE_NUMBER], L"");
  EXPECT_EQ(s.Variables().Values[VAR_REPORT_TIME], L"%H:%M:%S");
  EXPECT_TRUE(s.PageSetup().IsFooterFrame);
  EXPECT_EQ(s.Units.Currency, L"EUR");
  EXPECT_EQ(s.Units.PrintfHoleDim, L"%.3lf");
  EXPECT_EQ(s.Units.VolumePrecision, 3);
  EXPECT_DOUBLE_EQ(s.Units.AngleCoeff, 57.29577951308232);
  EXPECT_EQ(s.Units.DescGreaterThenOne, L"mm");
  EXPECT_EQ(s.Styles.RingBeamPriority, 40);
  EXPECT_EQ(s.Styles.StairsPriority, 30);
  EXPECT_EQ(s.Descs.RingBeamDesc, L"X{%S_num}_{%El_num}");
  EXPECT_EQ(s.Descs.CFootDesc, L"{%El_num}");
  EXPECT_EQ(s.Descs.AxisScanType, 1);
  EXPECT_EQ(s.Dims.ExtLineFromObjLength, 100.0);
  EXPECT_EQ(s.Dims.Cuts.TraxRingBeam, 1);
  EXPECT_EQ(s.Dims.Cuts.TraxStairs, 0);
  EXPECT_EQ(s.Found.SectionOffset, 10.0);
  EXPECT_EQ(s.Stor.CastDepth, 300.0);
  EXPECT_EQ(s.Stor.LineWidth, -1);
  EXPECT_EQ(s.Found.Par.SymbolHole, 0);
  EXPECT_EQ(s.Elev.Par.Distance, 500.0);
  EXPECT_EQ(s.View.Par.Scale, 200.0);
  EXPECT_EQ(s.Detail.Par.TextColor, 1);
  EXPECT_EQ(s.Detail.Par.DescrPlace, 2);
  EXPECT_EQ(s.View.CircleParts, 128);
  EXPECT_FALSE(s.View.Out.BlankOn);
  EXPECT_EQ(s.Sect.Sect.HatchScale, 1.0);
  EXPECT_EQ(s.Found.Out.VisibLineColor, 256);
}

}  // namespace
