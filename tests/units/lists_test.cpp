// Unit lists, selections, the unit system and the language test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "environment/product_info.h"
#include "environment/windows_registry.h"
#include "tests/platform/scratch.h"
#include "tests/units/fake_units_service.h"
#include "units/unit_conversion.h"
#include "units/unit_lists.h"
#include "units/unit_system.h"

namespace {

using Names = std::vector<std::wstring>;

Names Entries(KovtUnitList list) {
  Names names;
  for (; **list != L'\0'; ++list) names.emplace_back(*list);
  return names;
}

TEST(UnitLists, ChooseTheSystemByArgument) {
  EXPECT_EQ(Entries(GetLengthUnits(1)), (Names{L"m", L"cm", L"mm"}));
  EXPECT_EQ(Entries(GetLengthUnits(0)), (Names{L"in"}));  // "ft" converts but is not offered
  EXPECT_EQ(Entries(GetSurfUnits(0)), (Names{L"in2"}));
  EXPECT_EQ(Entries(GetVolumeUnits(1)), (Names{L"m3", L"cm3", L"mm3"}));
  EXPECT_EQ(Entries(GetMassUnits(0)), (Names{L"ustons", L"lb"}));
  EXPECT_EQ(Entries(GetMassUnits(7)), (Names{L"t", L"kg"}));
  EXPECT_EQ(Entries(GetCurrencyUnits(0)), (Names{L"EUR", L"USD", L"PLN", L"GBP", L"JPY", L"CHF", L"$"}));
  EXPECT_EQ(Entries(GetAngleUnits(1)), (Names{L"deg"}));
}

TEST(UnitLists, FollowTheServicesSystemAndAreMetricWithoutOne) {
  EXPECT_EQ(IsMetric(), 1);
  EXPECT_EQ(Entries(GetLengthUnits(-1)), (Names{L"m", L"cm", L"mm"}));
  EXPECT_EQ(GetMassCoeffFromSel(0), 0.001);
  EXPECT_EQ(GetMassCoeffFromSel(1), 1.0);

  ScopedUnitsService imperial(0);
  EXPECT_EQ(IsMetric(), 0);
  EXPECT_EQ(Entries(GetLengthUnits(-1)), (Names{L"in"}));
  EXPECT_EQ(Entries(KovtUnitUtl::GetMassUnits(KovtUnitUtl::Russian)), (Names{L"амер.т", L"фунт"}));
  EXPECT_EQ(GetMassSel(L"lb"), 1);
  EXPECT_EQ(GetLengthSel(L"mm"), 0);  // not in the imperial list
  EXPECT_EQ(GetMassCoeffFromSel(0), 0.0005);
  EXPECT_EQ(GetMassCoeffFromSel(1), 1.0);
}

TEST(UnitSelection, GlobalFormsFallBackToTheFirstEntry) {
  EXPECT_EQ(GetLengthSel(L"mm"), 2);
  EXPECT_EQ(GetSurfSel(L"cm2"), 1);
  EXPECT_EQ(GetLengthSel(L"yd"), 0);
  EXPECT_EQ(GetLengthSel(L"MM"), 0);
  EXPECT_STREQ(GetLengthUName(2), L"mm");
  EXPECT_STREQ(GetVolumeUName(0), L"m3");
  EXPECT_STREQ(GetMassUName(3), L"");
  EXPECT_STREQ(GetLengthUName(-1), L"");
}

TEST(UnitSelection, LanguageFormsAnswerMinusOne) {
  EXPECT_EQ(KovtUnitUtl::GetLengthSel(L"yd", KovtUnitUtl::English), -1);
  EXPECT_EQ(KovtUnitUtl::GetLengthSel(L"мм", KovtUnitUtl::English), -1);
  EXPECT_EQ(KovtUnitUtl::GetLengthSel(L"мм", KovtUnitUtl::Russian), 2);
  EXPECT_EQ(KovtUnitUtl::GetLengthSel_li(L"мм"), 2);
  EXPECT_EQ(KovtUnitUtl::GetSurfSel_li(L"m2"), 0);
  EXPECT_EQ(KovtUnitUtl::GetVolumeSel_li(L"см3"), 1);
  EXPECT_EQ(KovtUnitUtl::GetMassSel_li(L"yd"), -1);
  // Any language value but 1 means English.
  EXPECT_EQ(Entries(KovtUnitUtl::GetSurfUnits(static_cast<KovtUnitUtl::UnitLanguage>(5))),
            (Names{L"m2", L"cm2", L"mm2"}));
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
  EXPECT_EQ(Entries(GetLengthUnits(1)), (Names{L"m", L"cm", L"mm"}));

  auto* service = new LanguageService;
  ASSERT_NE(pnrxDynamicLinker()->registerService(L"KOVT_ZEM", service), nullptr);
  EXPECT_EQ(IsRussian(), 1);
  EXPECT_EQ(Entries(GetLengthUnits(1)), (Names{L"м", L"см", L"мм"}));
  EXPECT_EQ(Entries(GetMassUnits(0)), (Names{L"амер.т", L"фунт"}));
  EXPECT_EQ(GetLengthSel(L"мм"), 2);
  EXPECT_EQ(GetLengthSel(L"mm"), 0);
  EXPECT_STREQ(GetSurfUName(1), L"см2");
  KovtWithdrawService(L"KOVT_ZEM", service);
  EXPECT_EQ(IsRussian(), 0);
}

}  // namespace
