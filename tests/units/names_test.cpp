// Unit codes, names and display names, in English and Russian.
#include <gtest/gtest.h>

#include "environment/product_info.h"
#include "platform/wide_string.h"
#include "tests/platform/scratch.h"
#include "tests/support/golden_rows.h"
#include "units/unit_codes.h"

namespace {

using namespace KovtUnit;

// Russian names share the English codes; matching is exact.
TEST(UnitCodes, NamesFindTheirCodesExactly) {
  for (const GoldenRow& row : ReadGoldenRows("units/data/unit_names.txt", 2)) {
    const int code = std::stoi(row[1]);
    EXPECT_EQ(CodeOfName(row[0].c_str()).value_or(-1), code) << WideToUtf8(row[0]);
    EXPECT_EQ(CodeOfNameOrMm(row[0].c_str()), code < 0 ? 0 : code) << WideToUtf8(row[0]);
  }
  EXPECT_EQ(NameOfCode(-1), nullptr);
  EXPECT_EQ(NameOfCode(kCodeCount), nullptr);
}

TEST(UnitCodes, DisplayNamesComeFromTheResourceModuleOfKOVTAppSet) {
  // No product language: the resource folder is the binary folder, where the build puts it.
  ScratchDir registry;
  ScopedEnv folder("KOVT_REGISTRY_DIR", registry.Path().string());
  if (!GetProductLang().IsEmpty()) GTEST_SKIP() << "the product language was read before this test";
  for (const GoldenRow& row : ReadGoldenRows("units/data/display_names.txt", 2))
    EXPECT_STREQ(DisplayNameOfCode(std::stoi(row[0])), row[1].c_str()) << WideToUtf8(row[0]);
  EXPECT_EQ(DisplayNameOfCode(22), nullptr);
  EXPECT_EQ(DisplayNameOfCode(-1), nullptr);
}

}  // namespace
