// The stored form of a reinforcement set: every key in stored order with its
// kind and the default a new drawing stores.
#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

#include "tests/jobsettings/reinf_test_fixture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
struct Text {
  const wchar_t* text;
};
using Value = std::variant<bool, std::int32_t, double, Text, Bytes>;

struct Stored {
  const wchar_t* name;
  Value value;
};

constexpr const wchar_t* kStandard = L"Standard";

// clang-format off
const Stored kNewSet[] = {
    {L"Version", 1},
    {L"Variables.sVAR_REPORT_PAGE_NUMBER", Text{L"Page "}},
    {L"Variables.sVAR_REPORT_PAGE_TOTAL", Text{L""}},
    {L"Variables.sVAR_REPORT_DATE", Text{L"%a %b %d %Y"}},
    {L"Variables.sVAR_REPORT_TIME", Text{L"%H:%M:%S"}},
    {L"Variables.sVAR_USER_NAME", Text{L""}},
    {L"Variables.sVAR_USER_ADDRESS", Text{L""}},
    {L"Variables.sVAR_PROJECT_NAME", Text{L""}},
    {L"Variables.sVAR_PROJECT_FILE", Text{L""}},
    {L"Variables.sVAR_PROJECT_DIRECTORY", Text{L""}},
    {L"Variables.sVAR_PROJECT_CREATED", Text{L""}},
    {L"Variables.sVAR_PROJECT_MODIFIED", Text{L""}},
    {L"Variables.sVAR_PROJECT_VERSION", Text{L""}},
    {L"Variables.sVAR_COMPANY_NAME", Text{L""}},
    {L"Variables.sVAR_COMPANY_ADDRESS", Text{L""}},
    {L"Variables.sVAR_COMPANY_TELEPHONE", Text{L""}},
    {L"Variables.sVAR_COMPANY_FAX", Text{L""}},
    {L"Variables.sVAR_COMPANY_EMAIL", Text{L""}},
    {L"Variables.sVAR_COMPANY_LOGO", Text{L""}},
    {L"Variables.sVAR_INV_NAME", Text{L""}},
    {L"Variables.sVAR_INV_ADDRESS", Text{L""}},
    {L"Variables.sVAR_INV_PHONE", Text{L""}},
    {L"Variables.sVAR_INV_FAX", Text{L""}},
    {L"Variables.sVAR_INV_EMAIL", Text{L""}},
    {L"Variables.sVAR_OFF_NAME", Text{L""}},
    {L"Variables.sVAR_OFF_ADDRESS", Text{L""}},
    {L"Variables.sVAR_OFF_PHONE", Text{L""}},
    {L"Variables.sVAR_OFF_FAX", Text{L""}},
    {L"Variables.sVAR_OFF_EMAIL", Text{L""}},
    {L"Variables.sVAR_REV_NUM", Text{L""}},
    {L"Variables.sVAR_REV_NAME", Text{L""}},
    {L"Variables.sVAR_DRAW_NAME", Text{L""}},
    {L"Variables.sVAR_VERIF", Text{L""}},
    {L"Variables.sVAR_SCALE", Text{L""}},
    {L"PageSet.AddHeader", true},
    {L"PageSet.AddFooter", true},
    {L"PageSet.Frame", 2},
    {L"PageSet.IsHeaderFrame", true},
    {L"PageSet.IsTableFrame", true},
    {L"PageSet.IsFooterFrame", true},
    {L"PageSet.Orientation", 0},
    {L"PageSet.ProjNameTile", false},
    {L"HeaderFooter.HeaderSize", 0},
    {L"HeaderFooter.HeaderData", Bytes{}},
    {L"HeaderFooter.FooterSize", 0},
    {L"HeaderFooter.FooterData", Bytes{}},
    {L"Templates.ExcelName", Text{L""}},
    {L"Templates.WordName", Text{L""}},
    {L"Templates.AddTable", false},
    {L"Templates.NoEmpty", false},
    {L"Templates.TabPlace", 0},
    {L"Templates.RowCount", 10},
    {L"Templates.ColWidth", 0},
    {L"Templates.RowHeight", 0},
    {L"Norms.Reinforce", Text{L"BAEL 99"}},
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
    {L"Units.ReinfStyle", Text{L"mm"}},
    {L"Units.LengthPrecision", 3},
    {L"Units.ReinfCoverPrecision", 3},
    {L"Units.ReinfSpacePrecision", 3},
    {L"Units.ReinfMassPrecision", 2},
    {L"Units.ReinfDiameterPrecision", 2},
    {L"Units.ReinfSurfacePrecision", 2},
    {L"Units.ReinfStylePrecision", 0},
    {L"Units.LengthCoeff", 0.001},
    {L"Units.ReinfCoverCoeff", 1.0},
    {L"Units.ReinfSpaceCoeff", 1.0},
    {L"Units.ReinfMassCoeff", 1.0},
    {L"Units.ReinfDiameterCoeff", 1.0},
    {L"Units.ReinfSurfaceCoeff", 1.0},
    {L"Units.ReinfStyleCoeff", 1.0},
    {L"Units.LessThenOne", Text{L"m"}},
    {L"Units.GreaterThenOne", Text{L"m"}},
    {L"Units.WorkUnitMode", 1},
    {L"Units.WorkUnitType", 0},
    {L"Units.DescFormatMode", 1},
    {L"Units.LessThenOnePrecision", 2},
    {L"Units.GreaterThenOnePrecision", 2},
    {L"Units.ImpDescFormatType", 0},
    {L"Units.ImpDescFormatPrecision", 4},
    {L"Mater.LongReinfSteelClass", Text{L"HA 500"}},
    {L"Mater.TranReinfSteelClass", Text{L"HA 500"}},
    {L"Mater.DistReinfSteelClass", Text{L"HA 500"}},
    {L"Mater.MashReinfSteelClaas", Text{L"HA 500"}},
    {L"Mater.LongReinfSteelSymbol", 5},
    {L"Mater.TranReinfSteelSymbol", 5},
    {L"Mater.DistReinfSteelSymbol", 5},
    {L"Mater.MeshDataBaseNumber", 1},
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
    {L"BarOpt.BarSpanMeasure", 0},
    {L"BarOpt.MinBarLengthFlg", false},
    {L"BarOpt.RoundBarLengthFlg", false},
    {L"BarOpt.RoundBarSpanFlg", false},
    {L"BarOpt.DistrDescLayoutFlg", false},
    {L"BarOpt.RegardLineLengthFlg", false},
    {L"BarOpt.MinBarLengthVal", 10.0},
    {L"BarOpt.RoundBarLengthVal", 10.0},
    {L"BarOpt.RoundBarSpanVal", 1.0},
    {L"BarOpt.DistrDescLayoutVal", 1.0},
    {L"BarOpt.RegardLineLengthVal", 1.0},
    {L"BarOpt.BarDrawMode", 0},
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
    {L"BarDsp.DistrLineWidth", -1},
    {L"BarDsp.DistrLineStyle", 0},
    {L"BarDsp.DistrLineEnds", 0},
    {L"BarDsp.DistrLineFill", 0},
    {L"BarDsp.LinDistrReinPres", 0},
    {L"BarDsp.SchemColor", 256},
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
    {L"BarDsp.SurDistrReinPres", 0},
    {L"BarStl.SchapeDescription", Text{kStandard}},
    {L"BarStl.BarEndDescription", Text{kStandard}},
    {L"BarStl.ViewDescription", Text{kStandard}},
    {L"BarStl.ProjDescription", Text{kStandard}},
    {L"BarStl.DistrPoint", Text{kStandard}},
    {L"BarStl.SchemDescription", Text{kStandard}},
    {L"BarStl.LSchemDescription", Text{kStandard}},
    {L"BarStl.MainTable", Text{kStandard}},
    {L"BarStl.SteelTable", Text{kStandard}},
    {L"BarStl.DetailTable", Text{kStandard}},
    {L"BarStl.ElemTable", Text{kStandard}},
    {L"BarStl.DistrEndDescription", Text{kStandard}},
    {L"BarShape.ModelDisplay", 2},
    {L"BarShape.AddHookDescription", true},
    {L"BarShape.HookDescription", 0},
    {L"BarShape.ShapeModelBehaviour", 1},
    {L"MeshOpt.MinDistrAreaSize", 0.2},
    {L"MeshOpt.AutoDimensioning", false},
    {L"MeshOpt.DescriptionInsertation", 0},
    {L"MeshOpt.IdenticalPositionDescr", 0},
    {L"MeshOpt.MeshSheetRounding", 0},
    {L"MeshOpt.LengthSheetRoundingDen", 10.0},
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
    {L"MeshDsp.SchemScaleCoeff", 1.0},
    {L"MeshDsp.SchemDetailTable", false},
    {L"MeshDsp.SchemSlantDimens", false},
    {L"MeshDsp.SchemSegmentLength", false},
    {L"MeshDsp.SchemFlexRadiuses", false},
    {L"MeshDsp.SchemFlexAngles", false},
    {L"MeshDsp.DistrUpReinLine", 0},
    {L"MeshDsp.DistrDownReinLine", 0},
    {L"MeshDsp.DistrReinColor", 256},
    {L"MeshDsp.DistrReinLineWidth", -1},
    {L"MeshDsp.NetPresentationMode", 0},
    {L"MeshDsp.NetSimpleDesc", 0},
    {L"MeshDsp.NetPresentation", 2},
    {L"MeshStl.SchapeDescription", Text{kStandard}},
    {L"MeshStl.DistrDescription", Text{kStandard}},
    {L"MeshStl.SchemDescription", Text{kStandard}},
    {L"MeshStl.MainTable", Text{kStandard}},
    {L"MeshStl.SumsTable", Text{kStandard}},
    {L"ProfStl.Profile", Text{kStandard}},
    {L"ProfStl.ProfTable", Text{kStandard}},
    {L"StavoStl.Column", Text{kStandard}},
    {L"StavoStl.Beam", Text{kStandard}},
    {L"RStavoStl.ColumnTable", Text{kStandard}},
    {L"StavoStl.BeamTable", Text{kStandard}},
    {L"ProfStl.Obj3D", Text{kStandard}},
    {L"ProfStl.ProfGraph", Text{kStandard}},
    {L"Profiles.ProfDatabase", Text{L"RCAT"}},
    {L"Project.Office", Text{L""}},
    {L"Project.Investor", Text{L""}},
    {L"Project.ProjectName", Text{L""}},
    {L"Project.ProjectNo", Text{L""}},
    {L"Project.Address", Text{L""}},
    {L"Project.Designer", Text{L""}},
    {L"Project.Revision", Text{L""}},
    {L"Project.Verified", Text{L""}},
    {L"Project.Date", Text{L""}},
    {L"Project.Note", Text{L""}},
};
// clang-format on

// Whether the member holds the expected value, of the expected kind.
struct Matches {
  const Value& expected;
  bool operator()(bool* value) const { return std::get_if<bool>(&expected) && *value == std::get<bool>(expected); }
  bool operator()(std::int32_t* value) const {
    return std::get_if<std::int32_t>(&expected) && *value == std::get<std::int32_t>(expected);
  }
  bool operator()(double* value) const {
    return std::get_if<double>(&expected) && *value == std::get<double>(expected);
  }
  bool operator()(KOVTString* value) const {
    return std::get_if<Text>(&expected) && *value == std::get<Text>(expected).text;
  }
  bool operator()(Bytes* value) const { return std::get_if<Bytes>(&expected) && *value == std::get<Bytes>(expected); }
};

bool Holds(const KovtJobKeys::Field& field, const Value& expected) { return std::visit(Matches{expected}, field); }

using ReinfVocabulary = ReinfSettingsTest;

TEST_F(ReinfVocabulary, ListedKeysFollowTheStoredOrderWithTheirDefaults) {
  KOVTReinfJobSettings settings;
  std::vector<KovtJobKeys::Entry> keys = settings.ListKeys();
  ASSERT_EQ(keys.size(), std::size(kNewSet));
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(keys[i].name, kNewSet[i].name) << "position " << i;
    EXPECT_TRUE(Holds(keys[i].field, kNewSet[i].value)) << keys[i].name.c_str();
  }
}

TEST_F(ReinfVocabulary, NewDrawingStoresEveryKeyWithItsDefault) {
  { KOVTReinfJobSettings created; }
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  // A second object reads the stored set over members that all differ from it.
  KOVTReinfJobSettings reader;
  Scramble(reader);
  // With a stored size of 0 the header and footer data are not read.
  reader.HeaderFooter().HeaderData.clear();
  reader.HeaderFooter().FooterData.clear();
  ASSERT_TRUE(reader.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
  std::vector<KovtJobKeys::Entry> keys = reader.ListKeys();
  ASSERT_EQ(keys.size(), std::size(kNewSet));
  for (std::size_t i = 0; i < keys.size(); ++i)
    EXPECT_TRUE(Holds(keys[i].field, kNewSet[i].value)) << keys[i].name.c_str();

  EditSet([&](KoVTPrjReg::TRegistry& registry) {
    for (const Stored& stored : kNewSet) EXPECT_TRUE(registry.GetCurrentKey()->ValueExists(stored.name)) << stored.name;
  });
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
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

TEST_F(ReinfVocabulary, SettingsLiveBelowTheReinforcementRoot) {
  EXPECT_FALSE(KOVTJobSettings::IsInitialized(Drawing()));
  KOVTReinfJobSettings settings;
  EXPECT_TRUE(KOVTJobSettings::IsInitialized(Drawing()));
  EXPECT_EQ(settings.GetSettingSize(), 1);
  EXPECT_EQ(settings.GetDefault(), L"Standard");
  KOVTContext steel(KOVT_CONTEXT_STEEL, Drawing());
  EXPECT_FALSE(KOVTJobSettings::IsInitialized(Drawing()));
}

}  // namespace
