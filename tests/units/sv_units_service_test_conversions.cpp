// Conversions of the units service by codes, by names and of geometry.
#include <numbers>

#include "environment/tolerance_refresh.h"
#include "tests/units/sv_units_service_fixture.h"
#include "units/unit_codes.h"

namespace {

// The factors have tests of their own; here each operation's quantity base.
TEST_F(UnitsServiceTest, ConvertsByRowOfSourceAndColumnOfTargetMinusBase) {
  EXPECT_DOUBLE_EQ(Units().ConvertLengthByCodes(3, 0, 1.0), 25.4);
  EXPECT_DOUBLE_EQ(Units().ConvertSurfaceByCodes(9, 7, 1.0), 0.09290304);
  EXPECT_DOUBLE_EQ(Units().ConvertVolumeByCodes(12, 10, 2.0), 2e9);
  EXPECT_DOUBLE_EQ(Units().ConvertMassByCodes(16, 19, 1.0), 9.80665);
  EXPECT_DOUBLE_EQ(Units().ConvertAngleByCodes(21, 20, std::numbers::pi / 2), 90.0);
  // A source of another quantity still reads its own row: m (2) to column 0.
  EXPECT_DOUBLE_EQ(Units().ConvertSurfaceByCodes(2, 5, 2.5), 2500.0);
  // Codes or columns outside the table leave the value as it is.
  EXPECT_EQ(Units().ConvertLengthByCodes(0, 7, 2.5), 2.5);
  EXPECT_EQ(Units().ConvertAngleByCodes(20, 22, 3.0), 3.0);
  EXPECT_EQ(Units().ConvertMassByCodes(-1, 16, 3.0), 3.0);
}

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

TEST_F(UnitsServiceTest, NamesCodesAndNoOther) {
  EXPECT_STREQ(Units().LengthNameOfCode(3), KovtUnit::DisplayNameOfCode(3));
  EXPECT_STREQ(Units().AngleNameOfCode(21), KovtUnit::DisplayNameOfCode(21));
  EXPECT_STREQ(Units().MassNameOfCode(2), KovtUnit::DisplayNameOfCode(2));  // any code, any quantity
  EXPECT_EQ(Units().SurfaceNameOfCode(-1), nullptr);
  EXPECT_EQ(Units().VolumeNameOfCode(22), nullptr);
}

}  // namespace
