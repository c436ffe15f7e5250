// Unit codes, names and display names, and the Russian lists.
#include "environment/product_info.h"
#include "environment/windows_registry.h"
#include "tests/platform/scratch.h"
#include "tests/units/call_rows.h"
#include "units/kovt_service.h"
#include "units/unit_codes.h"
#include "units/unit_lists.h"
#include "units/unit_system.h"

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

// A stand-in for the service whose presence turns the language test on.
class LanguageService : public PnRxService {};

TEST(UnitLanguage, RussianOnlyWithTheLanguageServiceAndARussianProduct) {
  ScratchDir registry;
  ScopedEnv folder("KOVT_REGISTRY_DIR", registry.Path().string());
  ASSERT_TRUE(ORL_Tools::RegSet2Cur_SZ(kPlnxRegistryKey, L"LastLaunchedLanguage", L"ru-RU", 5));
  if (!GetProductLang().IsEmpty() && GetProductLang() != L"ru-RU")
    GTEST_SKIP() << "the product language was read before this test";

  EXPECT_EQ(IsRussian(), 0);
  EXPECT_EQ(Joined(GetLengthUnits(1)), L"m|cm|mm");

  auto* service = new LanguageService;
  ASSERT_NE(pnrxDynamicLinker()->registerService(L"KOVT_ZEM", service), nullptr);
  EXPECT_EQ(IsRussian(), 1);
  EXPECT_EQ(Joined(GetLengthUnits(1)), L"м|см|мм");
  EXPECT_EQ(Joined(GetMassUnits(0)), L"амер.т|фунт");
  EXPECT_EQ(GetLengthSel(L"мм"), 2);
  EXPECT_EQ(GetLengthSel(L"mm"), 0);
  EXPECT_STREQ(GetSurfUName(1), L"см2");
  KovtWithdrawService(L"KOVT_ZEM", service);
  EXPECT_EQ(IsRussian(), 0);
}

}  // namespace
