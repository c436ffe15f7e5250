// The name tables and the steel symbol lookups of the reinforcement settings.
#include <gtest/gtest.h>

#include <cwchar>

#include "environment/product_info.h"
#include "environment/windows_registry.h"
#include "tests/jobsettings/reinf_test_fixture.h"
#include "tests/platform/scratch.h"

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

std::size_t CountUntilNull(const wchar_t* const* names) {
  std::size_t count = 0;
  while (names[count] != nullptr) ++count;
  return count;
}

TEST(ReinfNameTables, CodeListsEndWithANullEntry) {
  const wchar_t* const* codes = KOVTReinfJobSettings::GetReinNorms();
  ASSERT_EQ(CountUntilNull(codes), static_cast<std::size_t>(kReinNormsCount));
  EXPECT_STREQ(codes[0], L"BAEL 99");
  EXPECT_STREQ(codes[17], L"DIN 1045-1");
  EXPECT_STREQ(codes[21], L"ACI  318-08");
  EXPECT_STREQ(codes[28], L"NZS 3101:2006");

  const wchar_t* const* standards = KOVTReinfJobSettings::GetDrawNorms();
  ASSERT_EQ(CountUntilNull(standards), static_cast<std::size_t>(kDrawNormsCount));
  EXPECT_STREQ(standards[0], L"NF P 02-016");
  EXPECT_STREQ(standards[17], L"ISO 3766:2003");
  EXPECT_STREQ(standards[23], standards[25]);
  EXPECT_STREQ(standards[32], L"GM");
}

TEST(ReinfNameTables, EveryDrawingStandardHasAnEnumerationName) {
  const wchar_t* const* names = KOVTReinfJobSettings::GetDrawNormsEnumStrings();
  for (int i = 0; i < kDrawNormsCount; ++i) {
    ASSERT_NE(names[i], nullptr) << i;
    EXPECT_EQ(std::wcsncmp(names[i], L"RDRAW_", 6), 0) << i;
  }
  EXPECT_STREQ(names[0], L"RDRAW_NFP");
  EXPECT_STREQ(names[2], L"RDRAW_BS8666_2000");
  EXPECT_STREQ(names[21], L"RDRAW_ACI318");
  EXPECT_STREQ(names[32], L"RDRAW_GM");
}

TEST(ReinfNameTables, SteelSymbolsHaveTheirStandardTexts) {
  const std::pair<int, const wchar_t*> cases[] = {{0, L"%0"}, {5, L"HA"},  {11, L"Ks"}, {19, L"%5"},
                                                  {25, L"N"}, {29, L"HR"}, {33, L"D"}};
  for (const auto& [symbol, text] : cases) {
    KOVTString shown = L"before";
    KOVTReinfJobSettings::SetSteelSymbol(static_cast<rmater_steelsymbol>(symbol), shown);
    EXPECT_EQ(shown, text) << symbol;
  }
  for (int outside : {-1, 34}) {
    KOVTString shown = L"before";
    KOVTReinfJobSettings::SetSteelSymbol(static_cast<rmater_steelsymbol>(outside), shown);
    EXPECT_EQ(shown, L"before") << outside;
  }
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
