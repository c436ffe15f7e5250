// What the listed cases cannot say: geometry converted in place, and values
// of every kind written and read back through the formatting service.
#include <cmath>
#include <string>

#include "environment/app_context.h"
#include "environment/tolerance_refresh.h"
#include "platform/wide_string.h"
#include "tests/units/sv_units_service_fixture.h"

namespace {

std::string Text(const KOVTString& text) { return WideToUtf8(text.c_str()); }

TEST_F(UnitsServiceTest, IsWhatTheToleranceRefreshFinds) { EXPECT_EQ(KovtRegisteredUnits(), &Units()); }

TEST_F(UnitsServiceTest, ConvertsGeometryInPlace) {
  KovtPoint3dArray points{{1.0, 2.0, 3.0}, {-0.5, 0.0, 10.0}};
  ASSERT_TRUE(Units().ConvertPoints(L"m", L"mm", points));
  EXPECT_DOUBLE_EQ(points[0].z, 3000.0);
  EXPECT_DOUBLE_EQ(points[1].x, -500.0);
  KovtPoint3d point{25.4, 50.8, 0.0};
  ASSERT_TRUE(Units().ConvertPoint(L"mm", L"in", point));
  EXPECT_DOUBLE_EQ(point.y, 2.0);
  KovtVector3d vector{1.0, 1.0, 12.0};
  ASSERT_TRUE(Units().ConvertVector(L"ft", L"in", vector));
  EXPECT_DOUBLE_EQ(vector.z, 144.0);
  double x = 1.0, y = 2.0, z = 3.0;
  ASSERT_TRUE(Units().ConvertLengths(L"cm", L"мм", x, y, z));
  EXPECT_DOUBLE_EQ(z, 30.0);

  // Equal names need no units; unknown or non-length names change nothing.
  EXPECT_TRUE(Units().ConvertLengths(L"bogus", L"bogus", x, y, z));
  EXPECT_FALSE(Units().ConvertLengths(L"m", L"bogus", x, y, z));
  EXPECT_FALSE(Units().ConvertLengths(L"m2", L"mm2", x, y, z));
  EXPECT_FALSE(Units().ConvertVector(L"m", L"kg", vector));
  EXPECT_FALSE(Units().ConvertPoints(L"yd", L"m", points));
  EXPECT_EQ(z, 30.0);
  EXPECT_EQ(vector.z, 144.0);
  EXPECT_EQ(points[0].z, 3000.0);
}

// What FormatCore writes, ParseCore reads back within the decimals written,
// and writing the value read gives the same text.
TEST_F(UnitsFormattingTest, WrittenValuesReadBack) {
  RUNITS& units = Reinforcement();
  units.lengthPrecision = 1, units.diameterPrecision = 2, units.coverPrecision = 3,
  units.surfacePrecision = 5;
  units.spacingPrecision = 6, units.massPrecision = 7, units.stylePrecision = 8;
  constexpr int kCallerDecimals = 3;
  const auto roundTrips = [this](const char* where) {
    for (int kind = 0; kind <= 10; ++kind) {
      // Kinds 2 and 9 write with the caller's decimals.
      const int decimals = kind == 2 || kind == 9 ? kCallerDecimals : Units().PrecisionOfKind(kind);
      for (double value : {0.0, 0.75, 12.5, 1234.5678, -45.125, 98765.4321}) {
        KOVTString text;
        ASSERT_TRUE(Units().FormatCore(value, text, kind, kCallerDecimals)) << where << " kind " << kind;
        double back = 0.0;
        ASSERT_TRUE(Units().ParseCore(text, back, kind)) << where << " " << Text(text);
        const double step = decimals < 0 ? 1e-8 : std::pow(10.0, -std::min(decimals, kZemMaxPrecision));
        const double tolerance = Units().DisplayModeOfKind(kind) == kZemArchitectural ? 0.5 : step;
        EXPECT_NEAR(back, value, tolerance * (1 + 1e-9) + 1e-9) << where << " " << Text(text);
        KOVTString again;
        ASSERT_TRUE(Units().FormatCore(back, again, kind, kCallerDecimals));
        EXPECT_EQ(Text(again), Text(text)) << where << " kind " << kind;
      }
    }
  };
  roundTrips("metric");
  units.workUnitMode = 0;
  roundTrips("architectural");
  units.workUnitType = 1;
  roundTrips("engineering");
  KOVTContext steel(KOVT_CONTEXT_STEEL);
  roundTrips("steel");
}

}  // namespace
