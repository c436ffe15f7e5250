// What only the reinforcement settings do: their name tables, steel symbol
// lookups, steel list and tolerance records.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "tests/environment/env_test_support.h"
#include "tests/jobsettings/module_fixture.h"

namespace {

// The resource module stands in the folder of the test language, which the
// environment tests' sandbox sets; nothing of the user's own registry is read.
using ReinfSettings = ModuleFixture<ReinfModule>;

// The code lists end with a null entry, the enumeration names do not.
TEST_F(ReinfSettings, EveryNameTableHoldsItsGoldenNames) {
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
  for (int symbol = 0; symbol <= static_cast<int>(golden[L"steel-symbol"].size()); ++symbol) {
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

// Rows of data/steel_symbols.txt.
TEST_F(ReinfSettings, SteelSymbolLookups) {
  KOVTReinfJobSettings settings;
  settings.Mater.SteelList = SteelList(L"HA 500/5/|B500B/22/Bs|B500B/23/later|FeB44k/10/<none>");
  settings.Mater.LongReinfSteelClass = L"B500A";
  settings.Mater.LongReinfSteelSymbol = 21;
  settings.Mater.TranReinfSteelClass = L"FeB44k";
  settings.Mater.TranReinfSteelSymbol = 31;
  settings.Mater.DistReinfSteelClass = L"B500C";
  settings.Mater.DistReinfSteelSymbol = 32;
  for (const GoldenRow& row : ReadGoldenRows("jobsettings/data/steel_symbols.txt", 4)) {
    SCOPED_TRACE(WideToUtf8(row[0] + L" " + row[1]));
    settings.Mater.ReinfSteelSize = std::stoi(row[0]);
    KOVTString text = L"before";
    EXPECT_EQ(settings.GetSteelSymb(row[1].c_str(), &text), std::stoi(row[2]));
    EXPECT_EQ(text, row[3].c_str());
  }
  EXPECT_EQ(settings.GetSteelSymb(L"B500B", nullptr), 0);
}

TEST_F(ReinfSettings, NamedSetsAndAGivenDictionary) {
  PnDbDictionary* dictionary =
      KOVTGetDict(PnDbDictionary::desc(), DDT_ProjectSettings, PnDb::kForWrite, DDI_Application);
  ASSERT_NE(dictionary, nullptr);
  {
    KOVTReinfJobSettings settings(dictionary, KoVTPrjReg::kReadWrite);
    settings.AddSettingName(L"Bridge");
    settings.WriteVector(dictionary);
    settings.Mater.ConcreteClass = 5;
    settings.Norms.DrawingNumb = 4;
    settings.WriteJobSettings(settings.GetDefault(), dictionary);
  }
  {
    KOVTReinfJobSettings reader(dictionary, KoVTPrjReg::kReadOnly);
    EXPECT_EQ(reader.Norms.DrawingNumb, 4);
  }
  EXPECT_TRUE(dictionary->isWriteEnabled());  // a caller's dictionary stays open
  dictionary->close();
  KOVTReinfJobSettings settings;
  settings.Mater.ConcreteClass = 2;
  settings.Reinit();
  EXPECT_EQ(settings.GetSettingSize(), 2);
  EXPECT_EQ(settings.Mater.ConcreteClass, 5);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

}  // namespace
