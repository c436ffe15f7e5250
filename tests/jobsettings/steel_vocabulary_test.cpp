// The stored form of a steel set: every key in stored order with its kind and
// the default a new drawing stores.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/jobsettings/steel_test_fixture.h"

namespace {

constexpr Text kStandard{L"Standard"};

// clang-format off
const StoredKeys kNewSet = Joined<Stored>({
    CommonBlocks({.variables = 18, .templates = 3, .pageNumber = L"Page "}),
    {{L"General.TolerPartsIdent", 1.0},
     {L"General.TolerContactWeld", 1.0},
     {L"General.TolerArcDisplay", 128}},
    Alike(L"General", false, {L"AutoGroupCreate", L"AutoUpdateConnections", L"LoosePartsAssemblies"}),
    {{L"General.SimplConnectorsModeling", true},
     {L"General.SimplModelingParStruct", false},
     {L"General.AssembliesNomenclature", 0},
     {L"General.AssembliesText", Text{L""}},
     {L"General.OverwritePrefix", false},
     {L"General.OverwritePrefixValue", Text{L""}}},
    Alike(L"Material", kStandard, {L"DefaultMatProfiles", L"DefaultMatPlates", L"DefaultMatBolts", L"DefaultMatUser"}),
    Alike(L"Material", 0, {L"SurfaceFinishingSize", L"SurfaceFinishingDefault", L"BoltsSurfaceFinishingSize",
                           L"BoltsSurfaceFinishingDefault"}),
    {{L"Profiles.ProfDatabase", Text{L"RCAT"}}},
    Alike(L"Styles", kStandard, {L"DimensParts", L"DimensAssemblies", L"DimensGroups", L"TableMaterials",
                                 L"TableAssemblies", L"TableBolts", L"TableAssem", L"TableCuts", L"TablePlate",
                                 L"TableProfile", L"TableBoltAssign", L"TableUserObj", L"TableSumProf", L"TableMarks",
                                 L"TableNoMach", L"TableConnect", L"DescrParts", L"DescrAssemblies", L"DescrBolts",
                                 L"DescrElevation", L"DescrWorkframes", L"DescrWelding"}),
    {{L"Welding.WeldType", 0},
     {L"Welding.BoltType", 0},
     {L"Welding.EdgePreparation", false},
     {L"Welding.WeldScheme", 0}},
    Alike(L"Welding", 256, {L"WorkColor", L"SiteColor", L"OutOfDateColor", L"BoltWorkColor", L"BoltSiteColor",
                            L"BoltOutOfDateColor"}),
    Alike(L"Welding", 0, {L"BoltTypeBy", L"BoltColorGradeSize", L"BoltColorDiamSize"}),
    Alike(L"Welding", 256, {L"WeldWorkColor", L"WeldSiteColor", L"WeldOutOfDateColor"}),
    {{L"Welding.BoltRoundup", 5.0},
     {L"Welding.BoltStandard", Text{L""}},
     {L"Parts.Fit2Object", 0}},
    Alike(L"Printouts", kStandard, {L"TemplateSingleParts", L"TemplateAssemblies", L"TemplateGroups"}),
    {{L"Printouts.Frame", true},
     {L"Printouts.Linetype", 0},
     {L"Printouts.InsertTable", true},
     {L"Printouts.BlockName", kStandard}},
    Alike(L"Printouts", 1.0, {L"MarginTop", L"MarginRight", L"MarginBottom", L"MarginLeft"}),
    {{L"Norm.StructuralStd", Text{L"EC3"}},
     {L"Norm.DrawingStd", Text{L"ISO-129"}}},
    ProjectBlock(),
    {{L"AppSett.INTERNATIONAL.PAR_LANG", 33},
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
     {L"AppSett.DISPLAY.PAR_MARKSIZE", 5.0}},
    Alike(L"AppSett.DISPLAY", false, {L"PAR_SYMB", L"PAR_SYMBGR", L"PAR_SCHEMESYMB"}),
    {{L"AppSett.PROFILES.PAR_DISP", 2}},
    Alike(L"AppSett.PROFILES", false, {L"PAR_LOC", L"PAR_BOUND", L"PAR_CENTER", L"PAR_INSERT"}),
    Alike(L"AppSett.PLATES", false, {L"PAR_LOC", L"PAR_BOUND", L"PAR_MIDDLE", L"PAR_INSERT"}),
    {{L"AppSett.FRAMES.PAR_LINE", kStandard},
     {L"AppSett.FRAMES.PAR_LABEL", true},
     {L"AppSett.FRAMES.PAR_SHAPE", 0},
     {L"AppSett.FRAMES.PAR_TEXTSTYLE", kStandard},
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
     {L"AppSett.BOLTWELD.PAR_WELDDISP", 1}},
    Alike(L"AppSett.ENVIRONMENT", true, {L"PAR_INSPECTOR", L"PAR_DIALOG"}),
    {{L"Units.WorkUnitMode", 1},
     {L"Units.WorkUnitName", Text{L"mm"}},
     {L"Units.WorkUnitType", 0},
     {L"Units.WorkUnitPrec", 4},
     {L"Units.DescFrmtType", 0},
     {L"Units.DescFrmtPrec", 2},
     {L"Units.StyleTabType", 0},
     {L"Units.StyleTabPrec", 0}},
});
// clang-format on

using SteelVocabulary = SteelSettingsTest;

TEST_F(SteelVocabulary, ListingFollowsTheStoredOrderWithKindsAndDefaults) {
  KOVTSteelJobSettings settings;
  ExpectListing(settings.ListKeys(), kNewSet);
}

TEST_F(SteelVocabulary, NewDrawingStoresEveryKeyWithItsDefault) {
  ExpectNewDrawingStores(kNewSet, [](KOVTSteelJobSettings&) {});
}

TEST_F(SteelVocabulary, SettingsLiveBelowTheSteelRoot) { ExpectSetsBelowTheModuleRoot(KOVT_CONTEXT_REINFORCEMENT); }

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
