// Conversions and coefficients through the units service.
#include <gtest/gtest.h>

#include "tests/units/fake_units_service.h"
#include "units/unit_conversion.h"

namespace {

TEST(ConvertValue, ConvertsThroughTheServiceOnlyNamesOfTheQuantity) {
  double result = 3.0;
  EXPECT_FALSE(ConvertLengthValue(L"in", L"mm", 2.0, result));  // no units service
  EXPECT_EQ(result, 3.0);
  EXPECT_EQ(GetCoeffFromSel(2, L"m"), 1.0);
  EXPECT_EQ(GetSurfaceCoeffFromSel(2, L"m"), 1.0);

  ScopedUnitsService units;
  ASSERT_TRUE(ConvertLengthValue(L"in", L"mm", 2.0, result));
  EXPECT_DOUBLE_EQ(result, 50.8);
  ASSERT_TRUE(ConvertSurfValue(L"ft2", L"m2", 1.0, result));
  EXPECT_DOUBLE_EQ(result, 0.09290304);
  ASSERT_TRUE(ConvertVolumeValue(L"м3", L"см3", 1.0, result));
  EXPECT_DOUBLE_EQ(result, 1e6);
  ASSERT_TRUE(ConvertMassValue(L"ustons", L"lb", 1.0, result));
  EXPECT_DOUBLE_EQ(result, 2000.0);
  // Names of another quantity change nothing.
  result = 4.0;
  EXPECT_FALSE(ConvertSurfValue(L"m", L"mm", 2.0, result));
  EXPECT_FALSE(ConvertVolumeValue(L"m", L"mm", 2.0, result));
  EXPECT_FALSE(ConvertMassValue(L"deg", L"rad", 2.0, result));
  EXPECT_EQ(result, 4.0);
}

TEST(Coefficients, CountSelectedUnitsInOneJobSettingsUnit) {
  ScopedUnitsService units;
  EXPECT_DOUBLE_EQ(GetCoeffFromSel(2, L"m"), 1000.0);   // m -> mm
  EXPECT_DOUBLE_EQ(GetCoeffFromSel(0, L"mm"), 0.001);   // mm -> m
  EXPECT_DOUBLE_EQ(GetCoeffFromSel(1, L"cm"), 1.0);
  EXPECT_DOUBLE_EQ(GetSurfaceCoeffFromSel(2, L"m"), 1e6);  // m2 -> mm2
  EXPECT_DOUBLE_EQ(GetVolumeCoeffFromSel(1, L"mm"), 1e-3);  // mm3 -> cm3
  EXPECT_EQ(GetCoeffFromSel(2, L"yd"), 1.0);
  EXPECT_EQ(GetCoeffFromSel(9, L"m"), 1.0);  // no such selection
}

}  // namespace
