// The stored form of a steel set: every key in stored order with its kind and
// the default a new drawing stores.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/jobsettings/steel_test_fixture.h"

namespace {

StoredKeys NewSet() { return GoldenSet("steel_new_set.txt"); }

using SteelVocabulary = SteelSettingsTest;

TEST_F(SteelVocabulary, ListingFollowsTheStoredOrderWithKindsAndDefaults) {
  KOVTSteelJobSettings settings;
  ExpectListing(settings.ListKeys(), NewSet());
}

TEST_F(SteelVocabulary, NewDrawingStoresEveryKeyWithItsDefault) {
  ExpectNewDrawingStores(NewSet(), [](KOVTSteelJobSettings&) {});
}

TEST_F(SteelVocabulary, SettingsLiveBelowTheSteelRoot) { ExpectSetsBelowTheModuleRoot(KOVT_CONTEXT_REINFORCEMENT); }

TEST_F(SteelVocabulary, FilledListsAreListedRightAfterTheirCounts) {
  KOVTSteelJobSettings settings;
  settings.Material.SurfaceFinishingVector = {L"Galvanised", L"Painted"};
  settings.Welding.BoltColorDiam = {{16.0, 1}};
  std::vector<KOVTString> names;
  for (const KovtJobKeys::Entry& key : settings.ListKeys()) names.push_back(key.name);
  auto after = [&](const wchar_t* name) {
    auto it = std::find(names.begin(), names.end(), KOVTString(name));
    return it == names.end() ? std::vector<KOVTString>{} : std::vector<KOVTString>(it + 1, std::min(it + 4, names.end()));
  };
  EXPECT_EQ(after(L"Material.SurfaceFinishingSize"),
            (std::vector<KOVTString>{L"Material.SurfaceFinishingVector0", L"Material.SurfaceFinishingVector1",
                                     L"Material.SurfaceFinishingDefault"}));
  EXPECT_EQ(after(L"Welding.BoltColorDiamSize"),
            (std::vector<KOVTString>{L"Welding.BoltColorDiam0.Diam", L"Welding.BoltColorDiam0.Color",
                                     L"Welding.WeldWorkColor"}));
  EXPECT_EQ(settings.Material.SurfaceFinishingSize, 0);  // listing changes nothing
}

}  // namespace
