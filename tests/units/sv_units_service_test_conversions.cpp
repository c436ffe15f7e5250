// Conversions of the units service by codes, by names and of geometry, and
// the display names of codes.
#include <numbers>

#include "environment/tolerance_refresh.h"
#include "tests/units/sv_units_service_fixture.h"
#include "units/unit_codes.h"
#include "units/unit_conversion.h"

namespace {

TEST_F(UnitsServiceTest, ConvertsByCodesWithinEachQuantity) {
  EXPECT_DOUBLE_EQ(Units().ConvertLengthByCodes(3, 0, 1.0), 25.4);
  EXPECT_DOUBLE_EQ(Units().ConvertLengthByCodes(4, 3, 2.0), 24.0);
  EXPECT_DOUBLE_EQ(Units().ConvertSurfaceByCodes(9, 7, 1.0), 0.09290304);
  EXPECT_DOUBLE_EQ(Units().ConvertVolumeByCodes(12, 10, 2.0), 2e9);
  EXPECT_DOUBLE_EQ(Units().ConvertMassByCodes(16, 19, 1.0), 9.80665);
  EXPECT_DOUBLE_EQ(Units().ConvertMassByCodes(18, 15, 1.0), 0.907185);
  EXPECT_DOUBLE_EQ(Units().ConvertAngleByCodes(20, 21, 180.0), std::numbers::pi);
  EXPECT_DOUBLE_EQ(Units().ConvertAngleByCodes(21, 20, std::numbers::pi / 2), 90.0);
}

TEST_F(UnitsServiceTest, LeavesValuesAloneForCodesOutsideTheQuantity) {
  EXPECT_EQ(Units().ConvertLengthByCodes(0, 7, 2.5), 2.5);
  EXPECT_EQ(Units().ConvertSurfaceByCodes(2, 5, 2.5), 2.5);
  EXPECT_EQ(Units().ConvertAngleByCodes(20, 22, 3.0), 3.0);
  EXPECT_EQ(Units().ConvertMassByCodes(-1, 16, 3.0), 3.0);
  EXPECT_EQ(Units().ConvertVolumeByCodes(10, 1000, 3.0), 3.0);
}

TEST_F(UnitsServiceTest, ConvertsByEnglishAndRussianNames) {
  double result = 0.0;
  ASSERT_TRUE(Units().ConvertLengthByNames(L"in", L"mm", 2.0, result));
  EXPECT_DOUBLE_EQ(result, 50.8);
  ASSERT_TRUE(Units().ConvertLengthByNames(L"дюйм", L"мм", 1.0, result));
  EXPECT_DOUBLE_EQ(result, 25.4);
  ASSERT_TRUE(Units().ConvertSurfaceByNames(L"m2", L"cm2", 1.5, result));
  EXPECT_DOUBLE_EQ(result, 15000.0);
  ASSERT_TRUE(Units().ConvertVolumeByNames(L"ft3", L"in3", 1.0, result));
  EXPECT_DOUBLE_EQ(result, 1728.0);
  ASSERT_TRUE(Units().ConvertMassByNames(L"lb", L"ustons", 1000.0, result));
  EXPECT_DOUBLE_EQ(result, 0.5);
  ASSERT_TRUE(Units().ConvertMassByNames(L"kg", L"N", 1.0, result));
  EXPECT_DOUBLE_EQ(result, 9.80665);
}

TEST_F(UnitsServiceTest, RefusesUnknownNamesAndMixedQuantities) {
  double result = 7.0;
  EXPECT_FALSE(Units().ConvertLengthByNames(L"yd", L"mm", 2.0, result));
  EXPECT_FALSE(Units().ConvertLengthByNames(L"mm", L"MM", 2.0, result));  // case matters
  EXPECT_FALSE(Units().ConvertLengthByNames(L"m", L"m2", 2.0, result));
  EXPECT_FALSE(Units().ConvertSurfaceByNames(L"m", L"mm", 2.0, result));
  EXPECT_FALSE(Units().ConvertMassByNames(L"deg", L"rad", 2.0, result));
  EXPECT_EQ(result, 7.0);
}

TEST_F(UnitsServiceTest, FreeConversionsGoThroughThePublishedService) {
  double result = 0.0;
  ASSERT_TRUE(ConvertLengthValue(L"m", L"cm", 2.0, result));
  EXPECT_DOUBLE_EQ(result, 200.0);
  ASSERT_TRUE(ConvertSurfValue(L"cm2", L"mm2", 1.0, result));
  EXPECT_DOUBLE_EQ(result, 100.0);
  EXPECT_DOUBLE_EQ(GetCoeffFromSel(2, L"m"), 1000.0);
  EXPECT_DOUBLE_EQ(GetVolumeCoeffFromSel(1, L"m"), 1e6);
}

TEST_F(UnitsServiceTest, AnswersTheToleranceRefreshConversions) {
  const KovtIUnitConversion* conversion = KovtRegisteredUnitConversion();
  ASSERT_NE(conversion, nullptr);
  double result = 0.0;
  ASSERT_TRUE(conversion->ConvertLengthByName(L"mm", L"cm", 10.0, result));
  EXPECT_DOUBLE_EQ(result, 1.0);
  EXPECT_FALSE(conversion->ConvertLengthByName(L"mm", L"kg", 10.0, result));
  EXPECT_DOUBLE_EQ(result, 1.0);
}

TEST_F(UnitsServiceTest, ConvertsGeometryInPlace) {
  KovtPoint3dArray points{{1.0, 2.0, 3.0}, {-0.5, 0.0, 10.0}};
  ASSERT_TRUE(Units().ConvertPoints(L"m", L"mm", points));
  EXPECT_DOUBLE_EQ(points[0].x, 1000.0);
  EXPECT_DOUBLE_EQ(points[0].z, 3000.0);
  EXPECT_DOUBLE_EQ(points[1].x, -500.0);
  EXPECT_DOUBLE_EQ(points[1].z, 10000.0);

  KovtPoint3d point{25.4, 50.8, 0.0};
  ASSERT_TRUE(Units().ConvertPoint(L"mm", L"in", point));
  EXPECT_DOUBLE_EQ(point.x, 1.0);
  EXPECT_DOUBLE_EQ(point.y, 2.0);

  KovtVector3d vector{1.0, 1.0, 12.0};
  ASSERT_TRUE(Units().ConvertVector(L"ft", L"in", vector));
  EXPECT_DOUBLE_EQ(vector.x, 12.0);
  EXPECT_DOUBLE_EQ(vector.z, 144.0);

  double x = 1.0, y = 2.0, z = 3.0;
  ASSERT_TRUE(Units().ConvertLengths(L"cm", L"мм", x, y, z));
  EXPECT_DOUBLE_EQ(x, 10.0);
  EXPECT_DOUBLE_EQ(y, 20.0);
  EXPECT_DOUBLE_EQ(z, 30.0);
}

TEST_F(UnitsServiceTest, GeometryWithEqualNamesOrUnknownUnitsStaysAsItIs) {
  double x = 1.0, y = 2.0, z = 3.0;
  EXPECT_TRUE(Units().ConvertLengths(L"bogus", L"bogus", x, y, z));
  EXPECT_FALSE(Units().ConvertLengths(L"m", L"bogus", x, y, z));
  EXPECT_FALSE(Units().ConvertLengths(L"m2", L"mm2", x, y, z));
  EXPECT_FALSE(Units().ConvertLengths(L"m", L"kg", x, y, z));
  EXPECT_EQ(x, 1.0);
  EXPECT_EQ(y, 2.0);
  EXPECT_EQ(z, 3.0);

  KovtPoint3dArray points{{1.0, 2.0, 3.0}};
  EXPECT_FALSE(Units().ConvertPoints(L"yd", L"m", points));
  EXPECT_TRUE(Units().ConvertPoints(L"m", L"m", points));
  EXPECT_EQ(points[0].y, 2.0);
  KovtPoint3dArray none;
  EXPECT_TRUE(Units().ConvertPoints(L"m", L"mm", none));
}

TEST_F(UnitsServiceTest, NamesEveryCodeAlikeAndNoOther) {
  for (int code = 0; code < KovtUnit::kCodeCount; ++code) {
    const wchar_t* name = Units().LengthNameOfCode(code);
    ASSERT_NE(name, nullptr) << code;
    EXPECT_STREQ(name, KovtUnit::DisplayNameOfCode(code));
    EXPECT_STREQ(Units().SurfaceNameOfCode(code), name);
    EXPECT_STREQ(Units().VolumeNameOfCode(code), name);
    EXPECT_STREQ(Units().MassNameOfCode(code), name);
    EXPECT_STREQ(Units().AngleNameOfCode(code), name);
  }
  for (int code : {-1, KovtUnit::kCodeCount, 1000}) {
    EXPECT_EQ(Units().LengthNameOfCode(code), nullptr);
    EXPECT_EQ(Units().AngleNameOfCode(code), nullptr);
  }
}

}  // namespace
