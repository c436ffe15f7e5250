// The name tables and the steel symbol lookups of the reinforcement settings.
#include <gtest/gtest.h>

#include <cwchar>
#include <map>
#include <string>
#include <vector>

#include "environment/product_info.h"
#include "environment/windows_registry.h"
#include "tests/jobsettings/reinf_test_fixture.h"
#include "tests/platform/scratch.h"
#include "tests/support/golden_rows.h"

namespace {

// The resource module stands in the folder of the language this registry
// names; nothing of the user's own registry is read.
class PreferencesLanguage : public ::testing::Environment {
 public:
  void SetUp() override {
    for (const char* variable :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS", "KOVT_REGISTRY_DIR", "KOVT_DATA_DIR"})
      ::setenv(variable, (m_root.Path() / variable).c_str(), 1);
    ASSERT_TRUE(ORL_Tools::RegSet2Cur_SZ(kPlnxRegistryKey, L"LastLaunchedLanguage", KOVR_TEST_LANGUAGE,
                                         static_cast<int>(std::wcslen(KOVR_TEST_LANGUAGE))));
    ASSERT_EQ(GetProductLang(), KOVR_TEST_LANGUAGE);
  }

 private:
  ScratchDir m_root;
};

const auto* const g_language = ::testing::AddGlobalTestEnvironment(new PreferencesLanguage);

// Every name of each table, as the golden data lists them; the code lists end
// with a null entry, the enumeration names do not.
using ReinfNameTables = ReinfSettingsTest;

TEST_F(ReinfNameTables, EveryTableHoldsItsGoldenNames) {
  std::map<std::wstring, std::vector<std::wstring>> golden;
  for (const GoldenRow& row : ReadGoldenRows("jobsettings/data/reinf_names.txt", 3)) {
    std::vector<std::wstring>& names = golden[row[0]];
    ASSERT_EQ(row[1], std::to_wstring(names.size())) << row[2].c_str();
    names.push_back(row[2]);
  }
  KOVTReinfJobSettings settings;
  auto namesOf = [](auto&& table, std::size_t count) {
    std::vector<std::wstring> names;
    for (std::size_t i = 0; i < count; ++i) names.push_back(std::wstring(KOVTString(table[i]).c_str()));
    return names;
  };
  std::vector<std::wstring> symbols;
  for (int symbol = 0; symbol < static_cast<int>(golden[L"steel-symbol"].size()) + 1; ++symbol) {
    KOVTString shown = L"unset";
    KOVTReinfJobSettings::SetSteelSymbol(static_cast<rmater_steelsymbol>(symbol), shown);
    symbols.push_back(shown.c_str());
  }
  EXPECT_EQ(symbols.back(), L"unset");  // beyond the last symbol
  symbols.pop_back();
  EXPECT_EQ(symbols, golden[L"steel-symbol"]);
  const std::size_t codes = golden[L"design-code"].size();
  const std::size_t standards = golden[L"drawing-standard"].size();
  EXPECT_EQ(namesOf(KOVTReinfJobSettings::GetReinNorms(), codes), golden[L"design-code"]);
  EXPECT_EQ(KOVTReinfJobSettings::GetReinNorms()[codes], nullptr);
  EXPECT_EQ(namesOf(KOVTReinfJobSettings::GetDrawNorms(), standards), golden[L"drawing-standard"]);
  EXPECT_EQ(KOVTReinfJobSettings::GetDrawNorms()[standards], nullptr);
  EXPECT_EQ(namesOf(KOVTReinfJobSettings::GetDrawNormsEnumStrings(), standards), golden[L"drawing-standard-enum"]);
  EXPECT_EQ(namesOf(settings.Mater.BarDataBases, codes), golden[L"bar-database"]);
  EXPECT_EQ(namesOf(settings.Mater.MeshDataBases, codes), golden[L"fabric-database"]);
  EXPECT_EQ(settings.Mater.BarDataBases.size(), codes);
}

using ReinfSteelSymbols = ReinfSettingsTest;

TEST_F(ReinfSteelSymbols, ListedGradesGiveTheirSymbolAndText) {
  KOVTReinfJobSettings settings;
  settings.Mater.SteelList = {
      {L"HA 500", 5, L""}, {L"B500B", 22, L"Bs"}, {L"B500B", 23, L"later"}, {L"FeB44k", 10, L"<none>"}};
  settings.Mater.ReinfSteelSize = 4;
  KOVTString text = L"before";
  EXPECT_EQ(settings.GetSteelSymb(L"HA 500", &text), 5);
  EXPECT_EQ(text, L"HA");
  EXPECT_EQ(settings.GetSteelSymb(L"B500B", &text), 22);
  EXPECT_EQ(text, L"Bs");
  EXPECT_EQ(settings.GetSteelSymb(L"B500B", nullptr), 22);
  // The preferences' "no symbol" text shows nothing.
  EXPECT_EQ(settings.GetSteelSymb(L"FeB44k", &text), 10);
  EXPECT_EQ(text, L"");
}

TEST_F(ReinfSteelSymbols, OnlyTheListInUseIsSearched) {
  KOVTReinfJobSettings settings;
  settings.Mater.SteelList = {{L"B500A", 21, L""}, {L"B500B", 22, L""}};
  settings.Mater.ReinfSteelSize = 1;
  EXPECT_EQ(settings.GetSteelSymb(L"B500B", nullptr), 0);
  settings.Mater.ReinfSteelSize = 40;  // never beyond the list
  EXPECT_EQ(settings.GetSteelSymb(L"B500B", nullptr), 22);
  settings.Mater.ReinfSteelSize = -2;
  EXPECT_EQ(settings.GetSteelSymb(L"B500A", nullptr), 0);
}

TEST_F(ReinfSteelSymbols, UnlistedGradesFallBackToTheBarKindsGrades) {
  KOVTReinfJobSettings settings;
  settings.Mater.LongReinfSteelClass = L"B500A";
  settings.Mater.LongReinfSteelSymbol = 21;
  settings.Mater.TranReinfSteelClass = L"B500B";
  settings.Mater.TranReinfSteelSymbol = 22;
  settings.Mater.DistReinfSteelClass = L"B500B";
  settings.Mater.DistReinfSteelSymbol = 23;
  KOVTString text = L"before";
  EXPECT_EQ(settings.GetSteelSymb(L"B500A", &text), 21);
  EXPECT_EQ(settings.GetSteelSymb(L"B500B", &text), 22);
  EXPECT_EQ(settings.GetSteelSymb(L"b500b", &text), 0);
  EXPECT_EQ(text, L"before");
}

}  // namespace
