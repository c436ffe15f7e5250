// What only the steel settings do: their lists, bolt colour lookups,
// variables, weld norm and tolerance record.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "tests/jobsettings/module_fixture.h"

namespace {

using SteelSettings = ModuleFixture<SteelModule>;

TEST_F(SteelSettings, FilledListsAreListedRightAfterTheirCountsFromPositionZero) {
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
  EXPECT_EQ(settings.Material.SurfaceFinishingSize, 0);  // listing changes nothing
  settings.Save();
  EXPECT_EQ(settings.Welding.BoltColorDiamSize, 1);
}

TEST_F(SteelSettings, InitializeKeepsTheBoltColourRulesButResetsTheirSizes) {
  KOVTSteelJobSettings settings;
  ScrambleListed(settings.ListKeys());
  settings.Welding.BoltColorGrade = {{L"8.8", 1}};
  settings.Welding.BoltColorDiam = {{16.0, 2}};
  settings.Material.SurfaceFinishingVector = {L"Painted"};
  settings.HeaderFooter().HeaderData.clear();
  settings.HeaderFooter().FooterData.clear();
  settings.Initialize();
  EXPECT_EQ(settings.Welding.BoltColorGrade.size(), 1u);
  EXPECT_EQ(settings.Welding.BoltColorDiam.size(), 1u);
  EXPECT_TRUE(settings.Material.SurfaceFinishingVector.empty());
  // A reset size hides the rules from the lookups.
  EXPECT_EQ(settings.GetBoltColorByGrade(L"8.8"), 256);
  settings.Welding.BoltColorGrade.clear();
  settings.Welding.BoltColorDiam.clear();
  ExpectListing(settings.ListKeys(), GoldenSet("steel_new_set.txt"));
}

TEST_F(SteelSettings, BoltColourLookupsTakeTheFirstExactMatchWithinTheSize) {
  KOVTSteelJobSettings settings;
  settings.Welding.BoltColorGrade = {{L"8.8", 1}, {L"8.8", 2}, {L"10.9", 3}};
  settings.Welding.BoltColorDiam = {{16.0000001, 5}, {16.0, 6}};
  const struct {
    std::int32_t size;
    const wchar_t* grade;
    double diameter;
    int byGrade, byDiameter;
  } cases[] = {
      {3, L"8.8", 16.0, 1, 6},        {3, L"10.9", 16.0000001, 3, 5}, {3, L"8.8 ", 16.00001, 256, 256},
      {2, L"10.9", 16.0, 256, 6},     {1, L"8.8", 16.0, 1, 256},      {50, L"10.9", 16.0, 3, 6},
      {-3, L"8.8", 16.0000001, 256, 256},
  };
  for (const auto& c : cases) {
    settings.Welding.BoltColorGradeSize = settings.Welding.BoltColorDiamSize = c.size;
    EXPECT_EQ(settings.GetBoltColorByGrade(c.grade), c.byGrade) << c.size;
    EXPECT_EQ(settings.GetBoltColorByDiameter(c.diameter), c.byDiameter) << c.size;
  }
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

using SteelTolerances = WithMetricUnits<SteelModule>;

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

  // A record the reinforcement settings refreshed is left alone.
  KOVT_EPSILON().SetBy = eEpsilonReinforcement;
  KOVT_EPSILON().DisplayTolerance = 0.5;
  settings.Save();
  EXPECT_EQ(KOVT_EPSILON().SetBy, eEpsilonReinforcement);
  EXPECT_EQ(KOVT_EPSILON().DisplayTolerance, 0.5);
}

}  // namespace
