// Unit codes, names, lists, selections, conversions and factors, unit info
// and the per-context registry of unit services. Most are driven by the rows
// of data/unit_calls.txt: with no units service, or one answering metric or
// imperial, a call gives its answer.
#include <memory>

#include "environment/product_info.h"
#include "environment/windows_registry.h"
#include "tests/platform/scratch.h"
#include "tests/units/call_rows.h"
#include "tests/units/fake_units_service.h"
#include "units/kovt_service.h"
#include "units/unit_codes.h"
#include "units/unit_conversion.h"
#include "units/unit_factors.h"
#include "units/unit_info.h"
#include "units/unit_lists.h"
#include "units/unit_system.h"

namespace {

// Russian names share the English codes; matching is exact.
TEST(UnitCodes, NamesFindTheirCodesExactly) {
  for (const GoldenRow& row : ReadGoldenRows("units/data/unit_names.txt", 2)) {
    const int code = std::stoi(row[1]);
    EXPECT_EQ(KovtUnit::CodeOfName(row[0].c_str()).value_or(-1), code) << WideToUtf8(row[0]);
    EXPECT_EQ(KovtUnit::CodeOfNameOrMm(row[0].c_str()), code < 0 ? 0 : code) << WideToUtf8(row[0]);
  }
}

TEST(UnitCodes, DisplayNamesComeFromTheResourceModuleOfKOVTAppSet) {
  // No product language: the resource folder is the binary folder, where the build puts it.
  ScratchDir registry;
  ScopedEnv folder("KOVT_REGISTRY_DIR", registry.Path().string());
  if (!GetProductLang().IsEmpty()) GTEST_SKIP() << "the product language was read before this test";
  for (const GoldenRow& row : ReadGoldenRows("units/data/display_names.txt", 2))
    EXPECT_STREQ(KovtUnit::DisplayNameOfCode(std::stoi(row[0])), row[1].c_str()) << WideToUtf8(row[0]);
  EXPECT_EQ(KovtUnit::DisplayNameOfCode(22), nullptr);
  EXPECT_EQ(KovtUnit::DisplayNameOfCode(-1), nullptr);
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
  // Every list, selection and name goes through the one current list.
  EXPECT_EQ(Joined(GetLengthUnits(1)), L"м|см|мм");
  EXPECT_EQ(GetLengthSel(L"мм"), 2);
  KovtWithdrawService(L"KOVT_ZEM", service);
  EXPECT_EQ(IsRussian(), 0);
}

TEST(UnitLanguage, NotRussianForAnotherProductLanguageEvenWithTheService) {
  ScratchDir registry;
  ScopedEnv folder("KOVT_REGISTRY_DIR", registry.Path().string());
  ASSERT_TRUE(ORL_Tools::RegSet2Cur_SZ(kPlnxRegistryKey, L"LastLaunchedLanguage", L"de-DE", 5));
  if (GetProductLang() != L"de-DE") GTEST_SKIP() << "the product language was read before this test";

  auto* service = new LanguageService;
  ASSERT_NE(pnrxDynamicLinker()->registerService(L"KOVT_ZEM", service), nullptr);
  EXPECT_EQ(IsRussian(), 0);
  KovtWithdrawService(L"KOVT_ZEM", service);
}

using KovtUnit::Quantity;
using ByNames = bool (*)(KOVTString, KOVTString, double, double&);

Quantity QuantityOf(const std::wstring& name) {
  const std::map<std::wstring, Quantity> quantities = {{L"length", Quantity::Length}, {L"surface", Quantity::Surface},
                                                       {L"volume", Quantity::Volume}, {L"mass", Quantity::Mass},
                                                       {L"angle", Quantity::Angle}};
  return quantities.at(name);
}
// Whether the conversion was made, and the result, which starts at 3.
std::wstring Converted(ByNames convert, const Args& a) {
  double result = 3.0;
  const bool converted = convert(a[0].c_str(), a[1].c_str(), D(a[2]), result);
  return B(converted) + L"|" + N(result);
}

const CallTable& Calls() {
  using Text = const wchar_t*;
  using KovtUnitUtl::UnitLanguage;
  static const CallTable calls = {
      FUNCTION(IsMetric), FUNCTION(GetLengthUnits, int), FUNCTION(GetSurfUnits, int),
      FUNCTION(GetVolumeUnits, int), FUNCTION(GetMassUnits, int), FUNCTION(GetCurrencyUnits, int),
      FUNCTION(GetAngleUnits, int), FUNCTION(KovtUnitUtl::GetSurfUnits, UnitLanguage),
      FUNCTION(KovtUnitUtl::GetMassUnits, UnitLanguage),
      FUNCTION(GetLengthSel, Text), FUNCTION(GetSurfSel, Text), FUNCTION(GetMassSel, Text),
      FUNCTION(KovtUnitUtl::GetLengthSel, Text, UnitLanguage), FUNCTION(KovtUnitUtl::GetLengthSel_li, Text),
      FUNCTION(KovtUnitUtl::GetSurfSel_li, Text), FUNCTION(KovtUnitUtl::GetVolumeSel_li, Text),
      FUNCTION(KovtUnitUtl::GetMassSel_li, Text),
      FUNCTION(GetLengthUName, int), FUNCTION(GetSurfUName, int), FUNCTION(GetVolumeUName, int),
      FUNCTION(GetMassUName, int),
      {L"ConvertLengthValue", [](const Args& a) { return Converted(&ConvertLengthValue, a); }},
      {L"ConvertSurfValue", [](const Args& a) { return Converted(&ConvertSurfValue, a); }},
      {L"ConvertVolumeValue", [](const Args& a) { return Converted(&ConvertVolumeValue, a); }},
      {L"ConvertMassValue", [](const Args& a) { return Converted(&ConvertMassValue, a); }},
      FUNCTION(GetCoeffFromSel, int, Text), FUNCTION(GetSurfaceCoeffFromSel, int, Text),
      FUNCTION(GetVolumeCoeffFromSel, int, Text), FUNCTION(GetMassCoeffFromSel, int),
      FUNCTION(KovtUnit::Factor, int, int),
      {L"ConvertByCodes",
       [](const Args& a) {
         return Answer(KovtUnit::ConvertByCodes(QuantityOf(a[0]), I(a[1]), I(a[2]), 1.0));
       }},
      {L"ConvertByNames",
       [](const Args& a) {
         double result = -7.0;
         const bool converted = KovtUnit::ConvertByNames(QuantityOf(a[0]), a[1], a[2], D(a[3]), result);
         return B(converted) + L"|" + N(result);
       }},
  };
  return calls;
}

TEST(UnitCalls, GiveTheGoldenAnswers) {
  for (const GoldenRow& row : ReadGoldenRows("units/data/unit_calls.txt", 4)) {
    std::unique_ptr<ScopedUnitsService> units;
    if (row[0] != L"none") units = std::make_unique<ScopedUnitsService>(row[0] == L"metric" ? 1 : 0);
    ExpectAnswer(Calls(), row, 1);
  }
}

// Every row of the factor table against the data file, through each quantity
// whose columns reach: the row is the source code, whatever quantity asks.
TEST(FactorTable, MatchesTheGoldenTableThroughEveryQuantity) {
  const auto rows = ReadGoldenRows("units/data/unit_factors.txt", 2 + KovtUnit::kCodesPerQuantity);
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(KovtUnit::kCodeCount));
  for (int code = 0; code < KovtUnit::kCodeCount; ++code) {
    const GoldenRow& row = rows[static_cast<std::size_t>(code)];
    ASSERT_EQ(I(row[0]), code);
    EXPECT_STREQ(KovtUnit::NameOfCode(code), row[1].c_str());
    for (Quantity quantity : {Quantity::Length, Quantity::Surface, Quantity::Volume, Quantity::Mass, Quantity::Angle})
      for (int column = 0; column < KovtUnit::kCodesPerQuantity; ++column) {
        const int target = KovtUnit::BaseCode(quantity) + column;
        if (target >= KovtUnit::kCodeCount) continue;
        EXPECT_EQ(KovtUnit::ConvertByCodes(quantity, code, target, 1.0).value_or(-1.0), D(row[2 + column]))
            << WideToUtf8(row[1]) << " -> " << target;
      }
  }
}

using KovtUnit::KovtUnitInfo;

TEST(UnitInfo, ArithmeticAndText) {
  KovtUnitInfo info(0.001, L"m", 3, 1, true);
  EXPECT_DOUBLE_EQ(info.User2Base(0.01), 10.0);
  EXPECT_TRUE(info.AllowImp());
  info.Reset(1000.0, L"mm", 1, 3, false);
  EXPECT_EQ(info.UnitName(), L"mm");
  EXPECT_FALSE(info.AllowImp());

  // The text comes from the units service, with the coefficient, kind and precision Reset gave.
  EXPECT_TRUE(info.Base2Text(2.5).IsEmpty());
  ScopedUnitsService units;
  EXPECT_EQ(info.Base2Text(2.5), L"2500|3|1");
  EXPECT_EQ(info.User2Text(2.5), L"2.5|3|1");
}

// Answers one kind; counts its own destruction.
class OneKindService : public KovtUnit::KovtUnitService {
 public:
  OneKindService(int kind, int* destroyed) : m_kind(kind), m_destroyed(destroyed) {}
  ~OneKindService() override { ++*m_destroyed; }
  const KovtUnitInfo* GetUnitInfo(std::int32_t kind) override { return kind == m_kind ? &m_info : nullptr; }

 private:
  int m_kind;
  int* m_destroyed;
  KovtUnitInfo m_info{1000.0, L"mm", 1, 7, false};
};

TEST(UnitServiceRegistry, OneServicePerContext) {
  int destroyed = 0;
  auto* first = new OneKindService(1, &destroyed);
  OneKindService second(1, &destroyed);
  ASSERT_TRUE(KovtUnit::RegisterService(first, KOVT_CONTEXT_FORMWORK));
  EXPECT_FALSE(KovtUnit::RegisterService(&second, KOVT_CONTEXT_FORMWORK));
  EXPECT_FALSE(KovtUnit::RegisterService(nullptr, KOVT_CONTEXT_STEEL));
  EXPECT_EQ(KovtUnit::GetService(KOVT_CONTEXT_FORMWORK), first);
  EXPECT_EQ(KovtUnit::GetService(KOVT_CONTEXT_STEEL), nullptr);

  EXPECT_FALSE(KovtUnit::UnRegisterService(KOVT_CONTEXT_STEEL));
  EXPECT_TRUE(KovtUnit::UnRegisterService(KOVT_CONTEXT_FORMWORK));
  EXPECT_EQ(destroyed, 1);  // the first, not the refused one
  EXPECT_EQ(KovtUnit::GetService(KOVT_CONTEXT_FORMWORK), nullptr);
  EXPECT_FALSE(KovtUnit::UnRegisterService(KOVT_CONTEXT_FORMWORK));
}

TEST(UnitServiceRegistry, BaseValueTextFollowsTheUnitContext) {
  ScopedUnitsService units;
  int destroyed = 0;
  ASSERT_TRUE(KovtUnit::RegisterService(new OneKindService(6, &destroyed), KOVT_CONTEXT_STEEL));
  {
    KovtUnitContext steel(KOVT_CONTEXT_STEEL);
    EXPECT_NE(KovtUnit::GetActiveService(), nullptr);
    EXPECT_EQ(KovtUnit::BaseValue2Text(2.5, 6), L"2500|7|1");
    EXPECT_EQ(KovtUnit::BaseValue2Text(2.5, 4), L"2.5|0|2");  // unknown kind: default info
  }
  KovtUnitContext formwork(KOVT_CONTEXT_FORMWORK);
  EXPECT_EQ(KovtUnit::GetActiveService(), nullptr);
  EXPECT_EQ(KovtUnit::BaseValue2Text(2.5, 6), L"2.5|0|2");
  EXPECT_TRUE(KovtUnit::UnRegisterService(KOVT_CONTEXT_STEEL));
}

}  // namespace
