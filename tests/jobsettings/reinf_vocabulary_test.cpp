// The stored form of a reinforcement set: every key in stored order with its
// kind and the default a new drawing stores.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/jobsettings/reinf_test_fixture.h"

namespace {

StoredKeys NewSet() { return GoldenSet("reinf_new_set.txt"); }

using ReinfVocabulary = ReinfSettingsTest;

TEST_F(ReinfVocabulary, ListedKeysFollowTheStoredOrderWithTheirDefaults) {
  KOVTReinfJobSettings settings;
  ExpectListing(settings.ListKeys(), NewSet());
}

TEST_F(ReinfVocabulary, NewDrawingStoresEveryKeyWithItsDefault) {
  ExpectNewDrawingStores(NewSet(), [](KOVTReinfJobSettings& reader) {
    // With a stored size of 0 the header and footer data are not read.
    reader.HeaderFooter().HeaderData.clear();
    reader.HeaderFooter().FooterData.clear();
  });
}

TEST_F(ReinfVocabulary, TheSteelListIsStoredRightAfterItsSize) {
  KOVTReinfJobSettings settings;
  settings.Mater.SteelList = {{L"B500A", 21, L""}, {L"B500B", 22, L"Bs"}};
  std::vector<KOVTString> names;
  for (const KovtJobKeys::Entry& key : settings.ListKeys()) names.push_back(key.name);
  auto size = std::find(names.begin(), names.end(), KOVTString(L"Mater.ReinfSteelSize"));
  ASSERT_NE(size, names.end());
  ASSERT_GE(names.end() - size, 8);
  EXPECT_EQ(std::vector<KOVTString>(size + 1, size + 8),
            (std::vector<KOVTString>{L"Mater.ReinfSteelVector0.Class", L"Mater.ReinfSteelVector0.Symbol",
                                     L"Mater.ReinfSteelVector0.UserSymbol", L"Mater.ReinfSteelVector1.Class",
                                     L"Mater.ReinfSteelVector1.Symbol", L"Mater.ReinfSteelVector1.UserSymbol",
                                     L"Mater.HookLengthMode"}));
  EXPECT_EQ(settings.Mater.ReinfSteelSize, 0);  // listing changes nothing
}

TEST_F(ReinfVocabulary, SettingsLiveBelowTheReinforcementRoot) { ExpectSetsBelowTheModuleRoot(KOVT_CONTEXT_STEEL); }

}  // namespace
