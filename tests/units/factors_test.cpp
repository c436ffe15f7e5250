// The conversion factor table and conversions by codes and names.
#include <gtest/gtest.h>

#include <cmath>

#include "units/unit_factors.h"

namespace {

using KovtUnit::Factor;
using KovtUnit::Quantity;

constexpr Quantity kBlocks[] = {Quantity::Length, Quantity::Surface, Quantity::Volume, Quantity::Mass};

TEST(FactorTable, HoldsTheExactDefinitions) {
  EXPECT_EQ(*Factor(3, 0), 25.4);
  EXPECT_EQ(*Factor(4, 3), 12.0);
  EXPECT_EQ(*Factor(4, 0), 304.8);
  EXPECT_EQ(*Factor(0, 3), 1.0 / 25.4);
  EXPECT_EQ(*Factor(0, 4), 1.0 / 304.8);
  EXPECT_EQ(*Factor(9, 8), 144.0);
  EXPECT_EQ(*Factor(14, 13), 1728.0);
  EXPECT_EQ(*Factor(17, 16), 0.45359237);
  EXPECT_EQ(*Factor(18, 15), 0.907185);  // short ton as the family rounds it
  EXPECT_EQ(*Factor(16, 19), 9.80665);
  EXPECT_EQ(*Factor(21, 20), 57.29577951308232);
}

TEST(FactorTable, SurfaceAndVolumeFactorsAreSquaresAndCubesOfLength) {
  for (int from = 0; from < 5; ++from) {
    for (int to = 0; to < 5; ++to) {
      const double length = *Factor(from, to);
      EXPECT_NEAR(*Factor(5 + from, 5 + to) / (length * length), 1.0, 1e-12) << from << "->" << to;
      EXPECT_NEAR(*Factor(10 + from, 10 + to) / (length * length * length), 1.0, 1e-12) << from << "->" << to;
    }
  }
}

TEST(FactorTable, EveryFactorHasItsInverse) {
  for (Quantity quantity : kBlocks) {
    const int base = KovtUnit::BaseCode(quantity);
    for (int from = base; from < base + 5; ++from) {
      EXPECT_EQ(*Factor(from, from), 1.0);
      for (int to = base; to < base + 5; ++to)
        EXPECT_NEAR(*Factor(from, to) * *Factor(to, from), 1.0, 1e-9) << from << "->" << to;
    }
  }
  EXPECT_NEAR(*Factor(20, 21) * *Factor(21, 20), 1.0, 1e-15);
}

TEST(FactorTable, NothingOutsideAQuantity) {
  EXPECT_FALSE(Factor(0, 5));    // mm -> mm2
  EXPECT_FALSE(Factor(19, 20));  // N -> deg
  EXPECT_FALSE(Factor(20, 22));
  EXPECT_FALSE(Factor(-1, 0));
  EXPECT_FALSE(Factor(22, 22));
  EXPECT_FALSE(KovtUnit::ConvertByCodes(Quantity::Length, 7, 2, 1.0));
  EXPECT_FALSE(KovtUnit::ConvertByCodes(Quantity::Angle, 20, 23, 1.0));
  EXPECT_EQ(*KovtUnit::ConvertByCodes(Quantity::Surface, 9, 7, 1.0), 0.09290304);
}

TEST(ConvertByNames, ConvertsEnglishAndRussianNames) {
  double result = 0.0;
  ASSERT_TRUE(KovtUnit::ConvertByNames(Quantity::Length, L"in", L"mm", 2.0, result));
  EXPECT_DOUBLE_EQ(result, 50.8);
  ASSERT_TRUE(KovtUnit::ConvertByNames(Quantity::Length, L"дюйм", L"мм", 1.0, result));
  EXPECT_DOUBLE_EQ(result, 25.4);
  ASSERT_TRUE(KovtUnit::ConvertByNames(Quantity::Mass, L"lb", L"ustons", 1000.0, result));
  EXPECT_DOUBLE_EQ(result, 0.5);
  ASSERT_TRUE(KovtUnit::ConvertByNames(Quantity::Mass, L"амер.т", L"фунт", 1.0, result));
  EXPECT_DOUBLE_EQ(result, 2000.0);
  ASSERT_TRUE(KovtUnit::ConvertByNames(Quantity::Mass, L"kg", L"N", 1.0, result));
  EXPECT_DOUBLE_EQ(result, 9.80665);
}

TEST(ConvertByNames, UnknownOrForeignNamesLeaveTheResult) {
  double result = -7.0;
  EXPECT_FALSE(KovtUnit::ConvertByNames(Quantity::Length, L"yd", L"mm", 2.0, result));
  EXPECT_FALSE(KovtUnit::ConvertByNames(Quantity::Length, L"mm", L"", 2.0, result));
  EXPECT_FALSE(KovtUnit::ConvertByNames(Quantity::Length, L"m", L"m2", 2.0, result));
  EXPECT_FALSE(KovtUnit::ConvertByNames(Quantity::Surface, L"m", L"mm", 2.0, result));
  EXPECT_EQ(result, -7.0);
}

}  // namespace
