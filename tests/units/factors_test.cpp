// The conversion factor table and conversions by codes and names.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/wide_string.h"
#include "units/unit_factors.h"

namespace {

using KovtUnit::Factor;
using KovtUnit::Quantity;

constexpr Quantity kBlocks[] = {Quantity::Length, Quantity::Surface, Quantity::Volume, Quantity::Mass};

TEST(FactorTable, HoldsTheExactDefinitions) {
  const struct {
    int from, to;
    double factor;
  } exact[] = {{3, 0, 25.4},          {4, 3, 12.0},     {4, 0, 304.8},      {0, 3, 1.0 / 25.4},
               {0, 4, 1.0 / 304.8},   {9, 8, 144.0},    {14, 13, 1728.0},   {17, 16, 0.45359237},
               {18, 15, 0.907185},  // short ton as the family rounds it
               {16, 19, 9.80665},     {21, 20, 57.29577951308232}};
  for (const auto& [from, to, factor] : exact) EXPECT_EQ(Factor(from, to).value_or(-1.0), factor) << from << "->" << to;
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
  // mm -> mm2, N -> deg, past the last code, before the first.
  for (const auto& [from, to] : {std::pair{0, 5}, {19, 20}, {20, 22}, {-1, 0}, {22, 22}})
    EXPECT_FALSE(Factor(from, to)) << from << "->" << to;
  EXPECT_FALSE(KovtUnit::ConvertByCodes(Quantity::Length, 7, 2, 1.0));
  EXPECT_FALSE(KovtUnit::ConvertByCodes(Quantity::Angle, 20, 23, 1.0));
  EXPECT_EQ(*KovtUnit::ConvertByCodes(Quantity::Surface, 9, 7, 1.0), 0.09290304);
}

TEST(ConvertByNames, ConvertsEnglishAndRussianNamesAndNoOthers) {
  const struct {
    Quantity quantity;
    const wchar_t *from, *to;
    double value, expected;
  } known[] = {{Quantity::Length, L"in", L"mm", 2.0, 50.8},     {Quantity::Length, L"дюйм", L"мм", 1.0, 25.4},
               {Quantity::Mass, L"lb", L"ustons", 1000.0, 0.5}, {Quantity::Mass, L"амер.т", L"фунт", 1.0, 2000.0},
               {Quantity::Mass, L"kg", L"N", 1.0, 9.80665}};
  for (const auto& c : known) {
    double result = 0.0;
    ASSERT_TRUE(KovtUnit::ConvertByNames(c.quantity, c.from, c.to, c.value, result)) << WideToUtf8(c.from);
    EXPECT_DOUBLE_EQ(result, c.expected) << WideToUtf8(c.from);
  }
  // Unknown names, or names of another quantity, leave the result alone.
  double result = -7.0;
  EXPECT_FALSE(KovtUnit::ConvertByNames(Quantity::Length, L"yd", L"mm", 2.0, result));
  EXPECT_FALSE(KovtUnit::ConvertByNames(Quantity::Length, L"mm", L"", 2.0, result));
  EXPECT_FALSE(KovtUnit::ConvertByNames(Quantity::Length, L"m", L"m2", 2.0, result));
  EXPECT_FALSE(KovtUnit::ConvertByNames(Quantity::Surface, L"m", L"mm", 2.0, result));
  EXPECT_EQ(result, -7.0);
}

}  // namespace
