// The conversion factor table.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/wide_string.h"
#include "units/unit_factors.h"

namespace {

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

}  // namespace
