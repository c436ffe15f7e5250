// The conversion factor table and conversions by codes and names.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/wide_string.h"
#include "units/unit_factors.h"

namespace {

using KovtUnit::Factor;
using KovtUnit::Quantity;

// Every row of the table against the data file, through each quantity whose
// columns reach: the row is the source code, whatever quantity asks.
TEST(FactorTable, MatchesTheGoldenTableThroughEveryQuantity) {
  std::ifstream file(KOVT_UNITS_TEST_DATA "/unit_factors.txt");
  ASSERT_TRUE(file) << KOVT_UNITS_TEST_DATA;
  int rows = 0;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream row(line);
    int code = -1;
    std::string name;
    double factors[KovtUnit::kCodesPerQuantity] = {};
    row >> code >> name;
    for (double& factor : factors) row >> factor;
    ASSERT_TRUE(row && code == rows) << line;
    EXPECT_EQ(WideToUtf8(KovtUnit::NameOfCode(code)), name);
    for (Quantity quantity : {Quantity::Length, Quantity::Surface, Quantity::Volume, Quantity::Mass, Quantity::Angle})
      for (int column = 0; column < KovtUnit::kCodesPerQuantity; ++column) {
        const int target = KovtUnit::BaseCode(quantity) + column;
        if (target >= KovtUnit::kCodeCount) continue;
        EXPECT_EQ(KovtUnit::ConvertByCodes(quantity, code, target, 1.0).value_or(-1.0), factors[column])
            << line << " -> " << target;
      }
    ++rows;
  }
  EXPECT_EQ(rows, KovtUnit::kCodeCount);
}

TEST(FactorTable, NothingOutsideTheTable) {
  // By pairs of one quantity only: mm -> mm2, N -> deg, past the last code, before the first.
  for (const auto& [from, to] : {std::pair{0, 5}, {19, 20}, {20, 22}, {-1, 0}, {22, 22}})
    EXPECT_FALSE(Factor(from, to)) << from << "->" << to;
  // By codes: a code outside 0..21, or a column outside 0..4.
  const struct {
    Quantity quantity;
    int from, to;
  } outside[] = {{Quantity::Length, 0, 7}, {Quantity::Surface, 2, 4},  {Quantity::Angle, 20, 22},
                 {Quantity::Mass, -1, 16}, {Quantity::Length, 22, 0}, {Quantity::Angle, 21, 19}};
  for (const auto& c : outside)
    EXPECT_FALSE(KovtUnit::ConvertByCodes(c.quantity, c.from, c.to, 1.0)) << c.from << "->" << c.to;
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
