// The stored form of a formwork set: every key in stored order, and the
// defaults a new drawing stores.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/jobsettings/formwork_test_fixture.h"

namespace {

using KoVTPrjReg::TRegistry;

StoredKeys NewSet() { return GoldenSet("formwork_new_set.txt"); }

// The golden key a stored value belongs to: itself, or the structure it is a field of.
std::wstring GoldenKeyOf(const std::wstring& stored, const StoredKeys& golden) {
  for (const Stored& key : golden) {
    const auto* filed = std::get_if<ByRegistry>(&key.value);
    if (filed == nullptr || filed->kind == L"ObjectId") continue;
    const std::wstring prefix = key.name + L".";
    if (stored.compare(0, prefix.size(), prefix) == 0) return key.name;
  }
  return stored;
}

using FormworkVocabulary = FormworkSettingsTest;

TEST_F(FormworkVocabulary, KeysAreFiledInTheStoredOrderWithTheirDefaults) {
  KOVTFormworkJobSettings settings;
  const StoredKeys golden = NewSet();
  const std::vector<KOVTString> names = settings.ListKeyNames();
  ASSERT_EQ(names.size(), golden.size());
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], golden[i].name.c_str()) << "position " << i;
  ExpectListing(settings.ListKeys(), golden);
}

TEST_F(FormworkVocabulary, AWrittenSetHoldsExactlyTheGoldenKeys) {
  { KOVTFormworkJobSettings created; }
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  const StoredKeys golden = NewSet();
  const std::vector<std::wstring> order = NamesOf(golden);
  EditSet([&](TRegistry& registry) {
    std::vector<std::wstring> seen;
    for (const auto& [name, value] : registry.GetCurrentKey()->Values()) {
      const std::wstring key = GoldenKeyOf(name.str(), golden);
      EXPECT_NE(std::find(order.begin(), order.end(), key), order.end())
          << "unexpected value " << std::string(key.begin(), key.end());
      seen.push_back(key);
    }
    for (const std::wstring& key : order)
      EXPECT_NE(std::find(seen.begin(), seen.end(), key), seen.end()) << "missing " << std::string(key.begin(), key.end());
  });
}

// A fresh object reads the defaults back over members that all differ; the
// structures come back with the defaults Initialize gives them.
TEST_F(FormworkVocabulary, NewDrawingStoresTheDefaults) {
  ExpectNewDrawingStores(NewSet(), [](KOVTFormworkJobSettings& reader) {
    // With a stored size of 0 the header and footer data are not read.
    reader.HeaderFooter().HeaderData.clear();
    reader.HeaderFooter().FooterData.clear();
  });
  KOVTFormworkJobSettings s;
  s.View.Out.BlankOn = true;
  s.Sect.Sect.HatchScale = 5.0;
  s.Found.Out.VisibLineColor = 3;
  ASSERT_TRUE(s.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(s.StoredVersion(), 2);
  EXPECT_FALSE(s.View.Out.BlankOn);
  EXPECT_EQ(s.Sect.Sect.HatchScale, 1.0);
  EXPECT_EQ(s.Found.Out.VisibLineColor, 256);
}

}  // namespace
