// The stored form of a reinforcement set: every key in stored order with its
// kind and the default a new drawing stores.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/jobsettings/reinf_test_fixture.h"

namespace {

constexpr Text kStandard{L"Standard"};

// clang-format off
const StoredKeys kNewSet = Joined<Stored>({
    CommonBlocks({.variables = 33, .templates = 8, .pageNumber = L"Page ", .rowCount = 10}),
    {{L"Norms.Reinforce", Text{L"BAEL 99"}},
     {L"Norms.Drawing", Text{L"NF P 02-016"}},
     {L"Norms.ReinforceNumb", 29},
     {L"Norms.DrawingNumb", 0},
     {L"Norms.ReinforceSeismic", false},
     {L"Units.WorkUnits", Text{L"mm"}},
     {L"Units.Length", Text{L"m"}},
     {L"Units.ReinfCover", Text{L"mm"}},
     {L"Units.ReinfSpace", Text{L"mm"}},
     {L"Units.ReinfMass", Text{L"kg"}},
     {L"Units.ReinfDiameter", Text{L"mm"}},
     {L"Units.ReinfSurface", Text{L"cm2"}},
     {L"Units.ReinfStyle", Text{L"mm"}}},
    Alike(L"Units", 3, {L"LengthPrecision", L"ReinfCoverPrecision", L"ReinfSpacePrecision"}),
    Alike(L"Units", 2, {L"ReinfMassPrecision", L"ReinfDiameterPrecision", L"ReinfSurfacePrecision"}),
    {{L"Units.ReinfStylePrecision", 0},
     {L"Units.LengthCoeff", 0.001}},
    Alike(L"Units", 1.0, {L"ReinfCoverCoeff", L"ReinfSpaceCoeff", L"ReinfMassCoeff", L"ReinfDiameterCoeff",
                          L"ReinfSurfaceCoeff", L"ReinfStyleCoeff"}),
    {{L"Units.LessThenOne", Text{L"m"}},
     {L"Units.GreaterThenOne", Text{L"m"}},
     {L"Units.WorkUnitMode", 1},
     {L"Units.WorkUnitType", 0},
     {L"Units.DescFormatMode", 1},
     {L"Units.LessThenOnePrecision", 2},
     {L"Units.GreaterThenOnePrecision", 2},
     {L"Units.ImpDescFormatType", 0},
     {L"Units.ImpDescFormatPrecision", 4}},
    Alike(L"Mater", Text{L"HA 500"}, {L"LongReinfSteelClass", L"TranReinfSteelClass", L"DistReinfSteelClass",
                                      L"MashReinfSteelClaas"}),
    Alike(L"Mater", 5, {L"LongReinfSteelSymbol", L"TranReinfSteelSymbol", L"DistReinfSteelSymbol"}),
    {{L"Mater.MeshDataBaseNumber", 1},
     {L"Mater.ConcreteClass", 1},
     {L"Mater.ReinforcementCover", 50.0},
     {L"Mater.ReinforcementCoverBS", 50.0},
     {L"Mater.BarDataBaseFile", Text{L"bar_BAEL 99"}},
     {L"Mater.BarDataBasePath", 0},
     {L"Mater.MeshDataBaseFile", Text{L"fabric_ADETS2"}},
     {L"Mater.MeshDataBasePath", 0},
     {L"Mater.LongReinfSteelBend", 50.0},
     {L"Mater.TranReinfSteelBend", 30.0},
     {L"Mater.DistReinfSteelBend", 30.0},
     {L"Mater.ReinfSteelSize", 0},
     {L"Mater.HookLengthMode", 0},
     {L"Mater.DefaultSteelProfMat", Text{L""}},
     {L"Options.DisplayCrossDescr", true},
     {L"Options.PointBarBendAdd", true},
     {L"Options.BarDisplayPrecision", 10},
     {L"Options.BarLenFactorWithoutLap", 1.0},
     {L"Options.BarDisplayPrecisionDbl", 10.0},
     {L"Options.BarSegmentsDisplayPrecisionDbl", 10.0},
     {L"Options.DisDisplayPrecisionDbl", 0.1},
     {L"Options.BarPosNum", 0},
     {L"Options.BarShapeCodeIdentfy", false},
     {L"Options.Angle90Tolerance", 1.0},
     {L"BarOpt.BarSpanMeasure", 0}},
    Alike(L"BarOpt", false, {L"MinBarLengthFlg", L"RoundBarLengthFlg", L"RoundBarSpanFlg", L"DistrDescLayoutFlg",
                             L"RegardLineLengthFlg"}),
    Alike(L"BarOpt", 10.0, {L"MinBarLengthVal", L"RoundBarLengthVal"}),
    Alike(L"BarOpt", 1.0, {L"RoundBarSpanVal", L"DistrDescLayoutVal", L"RegardLineLengthVal"}),
    {{L"BarOpt.BarDrawMode", 0},
     {L"BarOpt.BarDrawUnderFi", 16.0},
     {L"BarOpt.BarDrawUnderFiValue", 16.0},
     {L"BarOpt.SurfDistribMinBarLen", 1000.0},
     {L"BarOpt.TotalBarLength", 0},
     {L"BarDsp.ShapeColor", 256},
     {L"BarDsp.ShapeFill", false},
     {L"BarDsp.ShapeEnding", 0},
     {L"BarDsp.BarPresentation_", 2},
     {L"BarDsp.BarLineWidth", -1},
     {L"BarDsp.PointSymbol", 0},
     {L"BarDsp.PointColor", 256},
     {L"BarDsp.DistrColor", 256},
     {L"BarDsp.DistrLineWidth", -1}},
    Alike(L"BarDsp", 0, {L"DistrLineStyle", L"DistrLineEnds", L"DistrLineFill", L"LinDistrReinPres"}),
    {{L"BarDsp.SchemColor", 256},
     {L"BarDsp.SchemPresentation", 0},
     {L"BarDsp.SchemFill", false},
     {L"BarDsp.SchemLineWidth", -1},
     {L"BarDsp.SchemSizeMode", 1},
     {L"BarDsp.SchemScaleCoeff", 1.0},
     {L"BarDsp.SchemDetailTable", false},
     {L"BarDsp.SchemSlantDimens", false},
     {L"BarDsp.SchemSegmentLength", true},
     {L"BarDsp.SchemFlexRadiuses", false},
     {L"BarDsp.SchemFlexAngles", false},
     {L"BarDsp.SurDistrUpReinLine", 0},
     {L"BarDsp.SurDistrDownReinLine", 0},
     {L"BarDsp.SurDistrReinColor", 256},
     {L"BarDsp.SurDistrReinLineWidth", -1},
     {L"BarDsp.SurDistrReinPres", 0}},
    Alike(L"BarStl", kStandard, {L"SchapeDescription", L"BarEndDescription", L"ViewDescription", L"ProjDescription",
                                 L"DistrPoint", L"SchemDescription", L"LSchemDescription", L"MainTable",
                                 L"SteelTable", L"DetailTable", L"ElemTable", L"DistrEndDescription"}),
    {{L"BarShape.ModelDisplay", 2},
     {L"BarShape.AddHookDescription", true},
     {L"BarShape.HookDescription", 0},
     {L"BarShape.ShapeModelBehaviour", 1},
     {L"MeshOpt.MinDistrAreaSize", 0.2},
     {L"MeshOpt.AutoDimensioning", false}},
    Alike(L"MeshOpt", 0, {L"DescriptionInsertation", L"IdenticalPositionDescr", L"MeshSheetRounding"}),
    {{L"MeshOpt.LengthSheetRoundingDen", 10.0},
     {L"MeshOpt.LengthSheetRoundingVal", 1.0},
     {L"MeshOpt.WidthSheetRoundingDen", 10.0},
     {L"MeshOpt.WidthSheetRoundingVal", 1.0},
     {L"MeshDsp.ShapeColor", 256},
     {L"MeshDsp.ShapeFill", false},
     {L"MeshDsp.ShapeEnding", 0},
     {L"MeshDsp.ShapeLineWidth", -1},
     {L"MeshDsp.SchemColor", 256},
     {L"MeshDsp.SchemPresentation", 0},
     {L"MeshDsp.SchemFill", false},
     {L"MeshDsp.SchemLineWidth", -1},
     {L"MeshDsp.SchemSizeMode", 1},
     {L"MeshDsp.SchemScaleCoeff", 1.0}},
    Alike(L"MeshDsp", false, {L"SchemDetailTable", L"SchemSlantDimens", L"SchemSegmentLength", L"SchemFlexRadiuses",
                              L"SchemFlexAngles"}),
    {{L"MeshDsp.DistrUpReinLine", 0},
     {L"MeshDsp.DistrDownReinLine", 0},
     {L"MeshDsp.DistrReinColor", 256},
     {L"MeshDsp.DistrReinLineWidth", -1},
     {L"MeshDsp.NetPresentationMode", 0},
     {L"MeshDsp.NetSimpleDesc", 0},
     {L"MeshDsp.NetPresentation", 2}},
    Alike(L"MeshStl", kStandard, {L"SchapeDescription", L"DistrDescription", L"SchemDescription", L"MainTable",
                                  L"SumsTable"}),
    Alike(L"ProfStl", kStandard, {L"Profile", L"ProfTable"}),
    Alike(L"StavoStl", kStandard, {L"Column", L"Beam"}),
    {{L"RStavoStl.ColumnTable", kStandard},
     {L"StavoStl.BeamTable", kStandard}},
    Alike(L"ProfStl", kStandard, {L"Obj3D", L"ProfGraph"}),
    {{L"Profiles.ProfDatabase", Text{L"RCAT"}}},
    ProjectBlock(),
});
// clang-format on

using ReinfVocabulary = ReinfSettingsTest;

TEST_F(ReinfVocabulary, ListedKeysFollowTheStoredOrderWithTheirDefaults) {
  KOVTReinfJobSettings settings;
  ExpectListing(settings.ListKeys(), kNewSet);
}

TEST_F(ReinfVocabulary, NewDrawingStoresEveryKeyWithItsDefault) {
  ExpectNewDrawingStores(kNewSet, [](KOVTReinfJobSettings& reader) {
    // With a stored size of 0 the header and footer data are not read.
    reader.HeaderFooter().HeaderData.clear();
    reader.HeaderFooter().FooterData.clear();
  });
}

TEST_F(ReinfVocabulary, TheSteelListIsStoredRightAfterItsSize) {
  KOVTReinfJobSettings settings;
  settings.Mater.SteelList = {{L"B500A", 21, L""}, {L"B500B", 22, L"Bs"}};
  std::vector<KOVTString> names;
  for (const KovtJobKeys::Entry& key : settings.ListKeys()) names.push_back(key.name);
  auto size = std::find(names.begin(), names.end(), KOVTString(L"Mater.ReinfSteelSize"));
  ASSERT_NE(size, names.end());
  ASSERT_GE(names.end() - size, 8);
  EXPECT_EQ(std::vector<KOVTString>(size + 1, size + 8),
            (std::vector<KOVTString>{L"Mater.ReinfSteelVector0.Class", L"Mater.ReinfSteelVector0.Symbol",
                                     L"Mater.ReinfSteelVector0.UserSymbol", L"Mater.ReinfSteelVector1.Class",
                                     L"Mater.ReinfSteelVector1.Symbol", L"Mater.ReinfSteelVector1.UserSymbol",
                                     L"Mater.HookLengthMode"}));
  EXPECT_EQ(settings.Mater.ReinfSteelSize, 2);
}

TEST_F(ReinfVocabulary, SettingsLiveBelowTheReinforcementRoot) { ExpectSetsBelowTheModuleRoot(KOVT_CONTEXT_STEEL); }

}  // namespace
