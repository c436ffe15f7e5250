// What only the steel settings do: their lists, bolt colour lookups, weld
// norm and tolerance record.
#include <gtest/gtest.h>

#include <utility>

#include "tests/jobsettings/module_fixture.h"

namespace {

using SteelSettings = ModuleFixture<SteelModule>;

// Rows of data/bolt_colours.txt.
TEST_F(SteelSettings, BoltColourLookups) {
  KOVTSteelJobSettings settings;
  settings.Welding.BoltColorGrade = {{L"8.8", 1}, {L"8.8", 2}, {L"10.9", 3}};
  settings.Welding.BoltColorDiam = {{16.0000001, 5}, {16.0, 6}};
  for (const GoldenRow& row : ReadGoldenRows("jobsettings/data/bolt_colours.txt", 5)) {
    SCOPED_TRACE(WideToUtf8(row[0] + L" " + row[1] + L" " + row[2]));
    settings.Welding.BoltColorGradeSize = settings.Welding.BoltColorDiamSize = std::stoi(row[0]);
    EXPECT_EQ(settings.GetBoltColorByGrade(row[1].c_str()), std::stoi(row[3]));
    EXPECT_EQ(settings.GetBoltColorByDiameter(D(row[2])), std::stoi(row[4]));
  }
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

}  // namespace
