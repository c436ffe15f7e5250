// Reading, writing and the lookups of the steel job settings.
#include <gtest/gtest.h>

#include <utility>

#include "tests/jobsettings/metric_units_fixture.h"
#include "tests/jobsettings/steel_test_fixture.h"

namespace {

using KoVTPrjReg::TRegistry;

using SteelSettings = SteelSettingsTest;

TEST_F(SteelSettings, EveryMemberSurvivesASavedDrawing) {
  KOVTSteelJobSettings written;
  Scramble(written);
  written.Material.SurfaceFinishingVector = {L"Galvanised", L"Painted"};
  written.Material.BoltsSurfaceFinishingVector = {L"Zinc"};
  written.Welding.BoltColorGrade = {{L"8.8", 1}, {L"10.9", 2}};
  written.Welding.BoltColorDiam = {{12.0, 3}, {16.0, 4}, {20.5, 5}};
  written.Save();
  EXPECT_EQ(written.Welding.BoltColorDiamSize, 3);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);

  ReopenInContext();
  KOVTSteelJobSettings reopened;
  ExpectSameListedValues(written.ListKeys(), reopened.ListKeys());
  EXPECT_EQ(reopened.Material.SurfaceFinishingVector, written.Material.SurfaceFinishingVector);
  EXPECT_EQ(reopened.Material.BoltsSurfaceFinishingVector, written.Material.BoltsSurfaceFinishingVector);
  ASSERT_EQ(reopened.Welding.BoltColorGrade.size(), 2u);
  EXPECT_EQ(reopened.Welding.BoltColorGrade[1].Grade, L"10.9");
  EXPECT_EQ(reopened.Welding.BoltColorGrade[1].Color, 2);
  ASSERT_EQ(reopened.Welding.BoltColorDiam.size(), 3u);
  EXPECT_EQ(reopened.Welding.BoltColorDiam[2].Diameter, 20.5);
  EXPECT_EQ(reopened.Welding.BoltColorDiam[2].Color, 5);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

TEST_F(SteelSettings, StoredListsUseZeroBasedPositions) {
  KOVTSteelJobSettings settings;
  settings.Material.SurfaceFinishingVector = {L"Galvanised", L"Painted"};
  settings.Welding.BoltColorGrade = {{L"8.8", 1}};
  settings.Save();
  EditSet([](TRegistry& registry) {
    int size = 0;
    KOVTString first, second, grade;
    EXPECT_TRUE(registry.ReadInteger(L"Material.SurfaceFinishingSize", size));
    EXPECT_EQ(size, 2);
    EXPECT_TRUE(registry.ReadString(L"Material.SurfaceFinishingVector0", first));
    EXPECT_TRUE(registry.ReadString(L"Material.SurfaceFinishingVector1", second));
    EXPECT_EQ(first, L"Galvanised");
    EXPECT_EQ(second, L"Painted");
    EXPECT_TRUE(registry.ReadString(L"Welding.BoltColorGrade0.Grade", grade));
    EXPECT_EQ(grade, L"8.8");
  });
}

TEST_F(SteelSettings, MissingBoltAndWeldColoursTakeTheGeneralOnes) {
  { KOVTSteelJobSettings created; }
  EditSet([](TRegistry& registry) {
    registry.WriteInteger(L"Welding.WorkColor", 3);
    registry.WriteInteger(L"Welding.SiteColor", 4);
    registry.WriteInteger(L"Welding.OutOfDateColor", 5);
    for (const wchar_t* name : {L"Welding.BoltWorkColor", L"Welding.BoltSiteColor", L"Welding.BoltOutOfDateColor",
                                L"Welding.WeldWorkColor", L"Welding.WeldSiteColor"})
      registry.DeleteValue(name);
    registry.WriteString(L"Welding.WeldOutOfDateColor", KOVTString(L"red"));  // another kind counts as missing
  });
  KOVTSteelJobSettings settings;
  EXPECT_EQ(settings.Welding.BoltWorkColor, 3);
  EXPECT_EQ(settings.Welding.BoltSiteColor, 4);
  EXPECT_EQ(settings.Welding.BoltOutOfDateColor, 5);
  EXPECT_EQ(settings.Welding.WeldWorkColor, 3);
  EXPECT_EQ(settings.Welding.WeldSiteColor, 4);
  EXPECT_EQ(settings.Welding.WeldOutOfDateColor, 5);
}

TEST_F(SteelSettings, ListReadRepeatsTheEntryBeforeAMissingOne) {
  KOVTSteelJobSettings settings;
  settings.Welding.BoltColorGrade = {{L"8.8", 7}};
  settings.Material.SurfaceFinishingVector = {L"Kept"};
  settings.Save();
  EditSet([](TRegistry& registry) {
    registry.WriteInteger(L"Welding.BoltColorGradeSize", 2);
    registry.DeleteValue(L"Material.SurfaceFinishingSize");
  });
  KOVTSteelJobSettings reader;
  reader.Material.SurfaceFinishingVector = {L"Mine"};
  ASSERT_TRUE(reader.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
  ASSERT_EQ(reader.Welding.BoltColorGrade.size(), 2u);
  EXPECT_EQ(reader.Welding.BoltColorGrade[1].Grade, L"8.8");
  EXPECT_EQ(reader.Welding.BoltColorGrade[1].Color, 7);
  // Without its count a list stays as it was.
  EXPECT_EQ(reader.Material.SurfaceFinishingVector, std::vector<KOVTString>{KOVTString(L"Mine")});
}

TEST_F(SteelSettings, NegativeCountsEmptyTheListAndHugeOnesAreRefused) {
  KOVTSteelJobSettings settings;
  settings.Welding.BoltColorDiam = {{16.0, 1}};
  settings.Save();
  KOVTSteelJobSettings reader;
  for (int damaged : {KovtJobKeys::kMaxListEntries + 1, 2147483647}) {
    EditSet([&](TRegistry& registry) { registry.WriteInteger(L"Welding.BoltColorDiamSize", damaged); });
    reader.Read();
    EXPECT_EQ(reader.Welding.BoltColorDiam.size(), 1u) << damaged;
    EXPECT_EQ(reader.Welding.BoltColorDiamSize, 1) << damaged;
    EXPECT_EQ(reader.GetBoltColorByDiameter(16.0), 1) << damaged;
  }
  EditSet([&](TRegistry& registry) { registry.WriteInteger(L"Welding.BoltColorDiamSize", -3); });
  reader.Read();
  EXPECT_TRUE(reader.Welding.BoltColorDiam.empty());
  EXPECT_EQ(reader.Welding.BoltColorDiamSize, -3);
  EXPECT_EQ(reader.GetBoltColorByDiameter(16.0), 256);
  reader.Save();
  reader.Welding.BoltColorDiam = {{16.0, 1}};
  reader.Read();
  EXPECT_EQ(reader.Welding.BoltColorDiamSize, 0);
}

TEST_F(SteelSettings, MissingSetChangesNothing) {
  KOVTSteelJobSettings settings;
  settings.Norm.StructuralStd = L"AISC";
  settings.Welding.BoltColorGrade = {{L"8.8", 1}};
  EXPECT_FALSE(settings.ReadJobSettings(L"Nowhere", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(settings.Norm.StructuralStd, L"AISC");
  EXPECT_EQ(settings.Welding.BoltColorGrade.size(), 1u);
}

TEST_F(SteelSettings, ReadingTakesOverTheStoredFormatVersion) { ExpectReadingTakesOverTheStoredFormatVersion(); }

TEST_F(SteelSettings, InitializeKeepsTheBoltColourRulesButResetsTheirSizes) {
  KOVTSteelJobSettings settings;
  settings.Welding.BoltColorGrade = {{L"8.8", 1}};
  settings.Welding.BoltColorDiam = {{16.0, 2}};
  settings.Welding.BoltColorGradeSize = 1;
  settings.Welding.BoltColorDiamSize = 1;
  settings.Material.SurfaceFinishingVector = {L"Painted"};
  settings.Material.SurfaceFinishingSize = 1;
  settings.Welding.WorkColor = 9;
  settings.Display.Angle.Precision = 4;
  settings.Variables().Values[VAR_USER_NAME] = L"Someone";
  settings.Initialize();
  EXPECT_EQ(settings.Welding.BoltColorGrade.size(), 1u);
  EXPECT_EQ(settings.Welding.BoltColorDiam.size(), 1u);
  EXPECT_EQ(settings.Welding.BoltColorGradeSize, 0);
  EXPECT_EQ(settings.Welding.BoltColorDiamSize, 0);
  EXPECT_TRUE(settings.Material.SurfaceFinishingVector.empty());
  EXPECT_EQ(settings.Material.SurfaceFinishingSize, 0);
  EXPECT_EQ(settings.Welding.WorkColor, 256);
  EXPECT_EQ(settings.Variables().Values[VAR_USER_NAME], L"");
  // A reset size hides the rules from the lookups.
  EXPECT_EQ(settings.GetBoltColorByGrade(L"8.8"), 256);
  EXPECT_EQ(settings.Display.Angle.Precision, 1);
  EXPECT_EQ(settings.Display.Angle.Unit, L"deg");
}

TEST_F(SteelSettings, BoltColourLookupsTakeTheFirstExactMatchWithinTheSize) {
  KOVTSteelJobSettings settings;
  settings.Welding.BoltColorGrade = {{L"8.8", 1}, {L"8.8", 2}, {L"10.9", 3}};
  settings.Welding.BoltColorGradeSize = 3;
  EXPECT_EQ(settings.GetBoltColorByGrade(L"8.8"), 1);
  EXPECT_EQ(settings.GetBoltColorByGrade(L"10.9"), 3);
  EXPECT_EQ(settings.GetBoltColorByGrade(L"8.8 "), 256);
  settings.Welding.BoltColorGradeSize = 2;
  EXPECT_EQ(settings.GetBoltColorByGrade(L"10.9"), 256);
  settings.Welding.BoltColorGradeSize = 50;  // never beyond the list
  EXPECT_EQ(settings.GetBoltColorByGrade(L"10.9"), 3);

  settings.Welding.BoltColorDiam = {{16.0000001, 5}, {16.0, 6}};
  settings.Welding.BoltColorDiamSize = 2;
  EXPECT_EQ(settings.GetBoltColorByDiameter(16.0), 6);
  settings.Welding.BoltColorDiam = {{16.0000001, 5}};
  EXPECT_EQ(settings.GetBoltColorByDiameter(16.0), 256);
  settings.Welding.BoltColorDiamSize = -3;
  EXPECT_EQ(settings.GetBoltColorByDiameter(16.0000001), 256);
}

TEST_F(SteelSettings, ProjectVariablesAndDescriptionMirrorNinePairs) {
  KOVTSteelJobSettings settings;
  for (int i = 0; i < 18; ++i) {
    KOVTString* variable = settings.GetVariable(static_cast<PRN_VARIABLE_TYPES>(i));
    ASSERT_EQ(variable, &settings.Variables().Values[static_cast<std::size_t>(i)]);
    variable->Format(L"v%d", i);
  }
  EXPECT_EQ(settings.GetVariable(VAR_INV_NAME), nullptr);
  EXPECT_EQ(settings.GetVariable(VAR_SCALE), nullptr);
  EXPECT_EQ(settings.GetVariable(static_cast<PRN_VARIABLE_TYPES>(-1)), nullptr);

  settings.Project.Note = L"note";
  settings.TVARIABLES_2_SPROJECT();
  // Each mirrored field and the variable it takes, "v<index>".
  const std::pair<KOVTString SPROJECT::*, const wchar_t*> mirrored[] = {
      {&SPROJECT::Office, L"v12"}, {&SPROJECT::Investor, L"v4"}, {&SPROJECT::ProjectName, L"v6"},
      {&SPROJECT::ProjectNo, L"v11"}, {&SPROJECT::Address, L"v13"}, {&SPROJECT::Designer, L"v5"},
      {&SPROJECT::Revision, L"v10"}, {&SPROJECT::Verified, L"v9"}, {&SPROJECT::Date, L"v2"}};
  for (const auto& [field, variable] : mirrored) EXPECT_EQ(settings.Project.*field, variable);
  EXPECT_EQ(settings.Project.Note, L"note");

  settings.Project.Verified = L"checked";
  settings.Project.Note = L"ignored";
  settings.SPROJECT_2_TVARIABLES();
  EXPECT_EQ(settings.Variables().Values[VAR_PROJECT_CREATED], L"checked");
  EXPECT_EQ(settings.Variables().Values[VAR_PROJECT_NAME], L"v6");
  EXPECT_EQ(settings.Variables().Values[VAR_PROJECT_FILE], L"v7");
}

TEST_F(SteelSettings, WeldNormFollowsTheWorkingDrawingsMeasurement) {
  KOVTSteelJobSettings settings;
  EXPECT_FALSE(settings.IsWeldNormUS());
  ASSERT_EQ(Drawing()->setMeasurement(PnDb::kEnglish), Plnx::eOk);
  EXPECT_TRUE(settings.IsWeldNormUS());
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_FALSE(settings.IsWeldNormUS());
  pndbHostApplicationServices()->setWorkingDatabase(Drawing());
}

using SteelTolerances = WithMetricUnits<SteelSettingsTest>;

TEST_F(SteelTolerances, ReadsAndWritesRefreshTheCommonRecord) {
  KOVTSteelJobSettings settings;  // writes the defaults: metric
  EXPECT_EQ(KOVT_EPSILON().SetBy, eEpsilonSteel);
  EXPECT_TRUE(KOVT_EPSILON().IsMetric);
  EXPECT_EQ(KOVT_EPSILON().DisplayTolerance, 10.0);
  EXPECT_EQ(KOVT_EPSILON().LinearTolerance, 1e-7);

  settings.Units.WorkUnitMode = 0;
  settings.Save();
  EXPECT_FALSE(KOVT_EPSILON().IsMetric);
  EXPECT_EQ(KOVT_EPSILON().DisplayTolerance, 1.0);
  EXPECT_EQ(KOVT_EPSILON().LinearTolerance, 3.90625e-08);

  KOVT_EPSILON() = KovtEpsilon{};
  settings.Units.WorkUnitMode = 1;
  settings.Read();  // reads the stored imperial mode back
  EXPECT_EQ(settings.Units.WorkUnitMode, 0);
  EXPECT_EQ(KOVT_EPSILON().SetBy, eEpsilonSteel);
  EXPECT_FALSE(KOVT_EPSILON().IsMetric);

  KOVT_EPSILON() = KovtEpsilon{};
  EXPECT_FALSE(settings.ReadJobSettings(L"Nowhere", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(KOVT_EPSILON().SetBy, eEpsilonDefault);
}

TEST_F(SteelTolerances, ARecordTheReinforcementSettingsRefreshedIsLeftAlone) {
  KOVT_EPSILON().SetBy = eEpsilonReinforcement;
  KOVT_EPSILON().DisplayTolerance = 0.5;
  KOVTSteelJobSettings settings;
  settings.Save();
  EXPECT_EQ(KOVT_EPSILON().SetBy, eEpsilonReinforcement);
  EXPECT_EQ(KOVT_EPSILON().DisplayTolerance, 0.5);
}

}  // namespace
