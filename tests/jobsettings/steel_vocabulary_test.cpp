// The stored form of a steel set: every key in stored order with its kind and
// the default a new drawing stores.
#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

#include "tests/jobsettings/steel_test_fixture.h"

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
    {L"General.TolerPartsIdent", 1.0},
    {L"General.TolerContactWeld", 1.0},
    {L"General.TolerArcDisplay", 128},
    {L"General.AutoGroupCreate", false},
    {L"General.AutoUpdateConnections", false},
    {L"General.LoosePartsAssemblies", false},
    {L"General.SimplConnectorsModeling", true},
    {L"General.SimplModelingParStruct", false},
    {L"General.AssembliesNomenclature", 0},
    {L"General.AssembliesText", Text{L""}},
    {L"General.OverwritePrefix", false},
    {L"General.OverwritePrefixValue", Text{L""}},
    {L"Material.DefaultMatProfiles", Text{L"Standard"}},
    {L"Material.DefaultMatPlates", Text{L"Standard"}},
    {L"Material.DefaultMatBolts", Text{L"Standard"}},
    {L"Material.DefaultMatUser", Text{L"Standard"}},
    {L"Material.SurfaceFinishingSize", 0},
    {L"Material.SurfaceFinishingDefault", 0},
    {L"Material.BoltsSurfaceFinishingSize", 0},
    {L"Material.BoltsSurfaceFinishingDefault", 0},
    {L"Profiles.ProfDatabase", Text{L"RCAT"}},
    {L"Styles.DimensParts", Text{L"Standard"}},
    {L"Styles.DimensAssemblies", Text{L"Standard"}},
    {L"Styles.DimensGroups", Text{L"Standard"}},
    {L"Styles.TableMaterials", Text{L"Standard"}},
    {L"Styles.TableAssemblies", Text{L"Standard"}},
    {L"Styles.TableBolts", Text{L"Standard"}},
    {L"Styles.TableAssem", Text{L"Standard"}},
    {L"Styles.TableCuts", Text{L"Standard"}},
    {L"Styles.TablePlate", Text{L"Standard"}},
    {L"Styles.TableProfile", Text{L"Standard"}},
    {L"Styles.TableBoltAssign", Text{L"Standard"}},
    {L"Styles.TableUserObj", Text{L"Standard"}},
    {L"Styles.TableSumProf", Text{L"Standard"}},
    {L"Styles.TableMarks", Text{L"Standard"}},
    {L"Styles.TableNoMach", Text{L"Standard"}},
    {L"Styles.TableConnect", Text{L"Standard"}},
    {L"Styles.DescrParts", Text{L"Standard"}},
    {L"Styles.DescrAssemblies", Text{L"Standard"}},
    {L"Styles.DescrBolts", Text{L"Standard"}},
    {L"Styles.DescrElevation", Text{L"Standard"}},
    {L"Styles.DescrWorkframes", Text{L"Standard"}},
    {L"Styles.DescrWelding", Text{L"Standard"}},
    {L"Welding.WeldType", 0},
    {L"Welding.BoltType", 0},
    {L"Welding.EdgePreparation", false},
    {L"Welding.WeldScheme", 0},
    {L"Welding.WorkColor", 256},
    {L"Welding.SiteColor", 256},
    {L"Welding.OutOfDateColor", 256},
    {L"Welding.BoltWorkColor", 256},
    {L"Welding.BoltSiteColor", 256},
    {L"Welding.BoltOutOfDateColor", 256},
    {L"Welding.BoltTypeBy", 0},
    {L"Welding.BoltColorGradeSize", 0},
    {L"Welding.BoltColorDiamSize", 0},
    {L"Welding.WeldWorkColor", 256},
    {L"Welding.WeldSiteColor", 256},
    {L"Welding.WeldOutOfDateColor", 256},
    {L"Welding.BoltRoundup", 5.0},
    {L"Welding.BoltStandard", Text{L""}},
    {L"Parts.Fit2Object", 0},
    {L"Printouts.TemplateSingleParts", Text{L"Standard"}},
    {L"Printouts.TemplateAssemblies", Text{L"Standard"}},
    {L"Printouts.TemplateGroups", Text{L"Standard"}},
    {L"Printouts.Frame", true},
    {L"Printouts.Linetype", 0},
    {L"Printouts.InsertTable", true},
    {L"Printouts.BlockName", Text{L"Standard"}},
    {L"Printouts.MarginTop", 1.0},
    {L"Printouts.MarginRight", 1.0},
    {L"Printouts.MarginBottom", 1.0},
    {L"Printouts.MarginLeft", 1.0},
    {L"Norm.StructuralStd", Text{L"EC3"}},
    {L"Norm.DrawingStd", Text{L"ISO-129"}},
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
    {L"AppSett.INTERNATIONAL.PAR_LANG", 33},
    {L"AppSett.INTERNATIONAL.PAR_STRUCT", Text{L"EC3"}},
    {L"AppSett.INTERNATIONAL.PAR_DRAW", Text{L"ISO-129"}},
    {L"AppSett.DISPLAY.PAR_FRAME", true},
    {L"AppSett.DISPLAY.PAR_MATCH", false},
    {L"AppSett.DISPLAY.PAR_CONNECT", false},
    {L"AppSett.DISPLAY.PAR_BOLTS", true},
    {L"AppSett.DISPLAY.PAR_WELDS", true},
    {L"AppSett.DISPLAY.PAR_FRONT", 1.0},
    {L"AppSett.DISPLAY.PAR_BEHIND", 1.0},
    {L"AppSett.DISPLAY.PAR_COURVE", 1},
    {L"AppSett.DISPLAY.PAR_COLMACH", 6},
    {L"AppSett.DISPLAY.PAR_ACCELER", false},
    {L"AppSett.DISPLAY.PAR_MARKSHOW", false},
    {L"AppSett.DISPLAY.PAR_MARKREL", 0},
    {L"AppSett.DISPLAY.PAR_MARKSIZE", 5.0},
    {L"AppSett.DISPLAY.PAR_SYMB", false},
    {L"AppSett.DISPLAY.PAR_SYMBGR", false},
    {L"AppSett.DISPLAY.PAR_SCHEMESYMB", false},
    {L"AppSett.PROFILES.PAR_DISP", 2},
    {L"AppSett.PROFILES.PAR_LOC", false},
    {L"AppSett.PROFILES.PAR_BOUND", false},
    {L"AppSett.PROFILES.PAR_CENTER", false},
    {L"AppSett.PROFILES.PAR_INSERT", false},
    {L"AppSett.PLATES.PAR_LOC", false},
    {L"AppSett.PLATES.PAR_BOUND", false},
    {L"AppSett.PLATES.PAR_MIDDLE", false},
    {L"AppSett.PLATES.PAR_INSERT", false},
    {L"AppSett.FRAMES.PAR_LINE", Text{L"Standard"}},
    {L"AppSett.FRAMES.PAR_LABEL", true},
    {L"AppSett.FRAMES.PAR_SHAPE", 0},
    {L"AppSett.FRAMES.PAR_TEXTSTYLE", Text{L"Standard"}},
    {L"AppSett.FRAMES.PAR_UCS", false},
    {L"AppSett.CONNECT.PAR_SPHERESIZE", 20.0},
    {L"AppSett.CONNECT.PAR_SPHEREMOD", 0},
    {L"AppSett.CONNECT.PAR_COORD", false},
    {L"AppSett.CONNECT.PAR_EWSIZE", 20.0},
    {L"AppSett.CONNECT.PAR_EWMOD", 0},
    {L"AppSett.CONNECT.PAR_EWCOLOR", 0},
    {L"AppSett.CONNECT.PAR_GRSIZE", 20.0},
    {L"AppSett.CONNECT.PAR_GRMOD", 0},
    {L"AppSett.CONNECT.PAR_GRCOLOR", 0},
    {L"AppSett.CONNECT.PAR_SCHEMESIZE", 20.0},
    {L"AppSett.CONNECT.PAR_SCHEMEMOD", 0},
    {L"AppSett.CONNECT.PAR_SCHEMECOLOR", 0},
    {L"AppSett.BOLTWELD.PAR_BOLTDISP", 0},
    {L"AppSett.BOLTWELD.PAR_WELDDISP", 1},
    {L"AppSett.ENVIRONMENT.PAR_INSPECTOR", true},
    {L"AppSett.ENVIRONMENT.PAR_DIALOG", true},
    {L"Units.WorkUnitMode", 1},
    {L"Units.WorkUnitName", Text{L"mm"}},
    {L"Units.WorkUnitType", 0},
    {L"Units.WorkUnitPrec", 4},
    {L"Units.DescFrmtType", 0},
    {L"Units.DescFrmtPrec", 2},
    {L"Units.StyleTabType", 0},
    {L"Units.StyleTabPrec", 0},
};
// clang-format on

// Whether `field` holds a value of the kind and value of `expected`.
bool Holds(const KovtJobKeys::Field& field, const Value& expected) {
  struct Compare {
    const Value& expected;
    bool operator()(bool* v) const { return std::holds_alternative<bool>(expected) && *v == std::get<bool>(expected); }
    bool operator()(std::int32_t* v) const {
      return std::holds_alternative<std::int32_t>(expected) && *v == std::get<std::int32_t>(expected);
    }
    bool operator()(double* v) const {
      return std::holds_alternative<double>(expected) && *v == std::get<double>(expected);
    }
    bool operator()(KOVTString* v) const {
      return std::holds_alternative<Text>(expected) && *v == std::get<Text>(expected).text;
    }
    bool operator()(Bytes* v) const { return std::holds_alternative<Bytes>(expected) && *v == std::get<Bytes>(expected); }
  };
  return std::visit(Compare{expected}, field);
}

using SteelVocabulary = SteelSettingsTest;

TEST_F(SteelVocabulary, ListingFollowsTheStoredOrderWithKindsAndDefaults) {
  KOVTSteelJobSettings settings;
  std::vector<KovtJobKeys::Entry> keys = settings.ListKeys();
  ASSERT_EQ(keys.size(), std::size(kNewSet));
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(keys[i].name, kNewSet[i].name) << "position " << i;
    EXPECT_TRUE(Holds(keys[i].field, kNewSet[i].value)) << keys[i].name.c_str();
  }
}

TEST_F(SteelVocabulary, NewDrawingStoresEveryKeyWithItsDefault) {
  { KOVTSteelJobSettings created; }
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  // A second object reads the stored set over members that all differ from it.
  KOVTSteelJobSettings reader;
  Scramble(reader);
  ASSERT_TRUE(reader.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
  std::vector<KovtJobKeys::Entry> keys = reader.ListKeys();
  ASSERT_EQ(keys.size(), std::size(kNewSet));
  for (std::size_t i = 0; i < keys.size(); ++i)
    EXPECT_TRUE(Holds(keys[i].field, kNewSet[i].value)) << keys[i].name.c_str();

  EditSet([&](KoVTPrjReg::TRegistry& registry) {
    for (const Stored& stored : kNewSet)
      EXPECT_TRUE(registry.GetCurrentKey()->ValueExists(stored.name)) << stored.name;
  });
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

TEST_F(SteelVocabulary, SettingsLiveBelowTheSteelRoot) {
  EXPECT_FALSE(KOVTJobSettings::IsInitialized(Drawing()));
  KOVTSteelJobSettings settings;
  EXPECT_TRUE(KOVTJobSettings::IsInitialized(Drawing()));
  EXPECT_EQ(settings.GetSettingSize(), 1);
  EXPECT_EQ(settings.GetDefault(), L"Standard");
  KOVTContext reinforcement(KOVT_CONTEXT_REINFORCEMENT, Drawing());
  EXPECT_FALSE(KOVTJobSettings::IsInitialized(Drawing()));
}

TEST_F(SteelVocabulary, FilledListsAreListedRightAfterTheirCounts) {
  KOVTSteelJobSettings settings;
  settings.Material.SurfaceFinishingVector = {L"Galvanised", L"Painted"};
  settings.Welding.BoltColorDiam = {{16.0, 1}};
  std::vector<KOVTString> names;
  for (const KovtJobKeys::Entry& key : settings.ListKeys()) names.push_back(key.name);
  auto after = [&](const wchar_t* name) {
    auto it = std::find(names.begin(), names.end(), KOVTString(name));
    return it == names.end() ? std::vector<KOVTString>{} : std::vector<KOVTString>(it + 1, std::min(it + 4, names.end()));
  };
  EXPECT_EQ(after(L"Material.SurfaceFinishingSize"),
            (std::vector<KOVTString>{L"Material.SurfaceFinishingVector0", L"Material.SurfaceFinishingVector1",
                                     L"Material.SurfaceFinishingDefault"}));
  EXPECT_EQ(after(L"Welding.BoltColorDiamSize"),
            (std::vector<KOVTString>{L"Welding.BoltColorDiam0.Diam", L"Welding.BoltColorDiam0.Color",
                                     L"Welding.WeldWorkColor"}));
  EXPECT_EQ(settings.Material.SurfaceFinishingSize, 2);
}

}  // namespace
