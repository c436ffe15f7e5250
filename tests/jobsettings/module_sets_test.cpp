// What every module's sets share: their stored form, their round trip through
// a saved drawing, and how reading repairs sets that older versions or
// hands wrote (rows of data/stored_edits.txt).
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "tests/jobsettings/module_fixture.h"

namespace {

using KoVTPrjReg::TRegistry;

template <class Module>
class ModuleSets : public ModuleFixture<Module> {
 protected:
  using Settings = typename Module::Settings;
  static StoredKeys Golden() { return GoldenSet(std::string(Module::kName) + "_new_set.txt"); }
  static KovtJobKeys::Field FieldOf(Settings& settings, const std::wstring& name) {
    for (const KovtJobKeys::Entry& entry : settings.ListKeys())
      if (entry.name == name.c_str()) return entry.field;
    ADD_FAILURE() << "not listed: " << std::string(name.begin(), name.end());
    static std::int32_t nowhere;
    return &nowhere;
  }
  static bool Listed(Settings& settings, const std::wstring& name) {
    const auto listing = settings.ListKeys();
    return std::any_of(listing.begin(), listing.end(), [&](const auto& entry) { return entry.name == name.c_str(); });
  }
};

using Modules = ::testing::Types<ReinfModule, SteelModule, FormworkModule>;
TYPED_TEST_SUITE(ModuleSets, Modules);

// The golden key a stored value belongs to: itself, or the structure it is a field of.
std::wstring GoldenKeyOf(const std::wstring& stored, const StoredKeys& golden) {
  for (const Stored& key : golden) {
    const auto* filed = std::get_if<ByRegistry>(&key.value);
    if (filed == nullptr || filed->kind == L"ObjectId") continue;
    if (stored.rfind(key.name + L".", 0) == 0) return key.name;
  }
  return stored;
}

TYPED_TEST(ModuleSets, ANewDrawingStoresTheGoldenSetBelowTheModuleRoot) {
  using Set = typename TypeParam::Settings;
  const StoredKeys golden = this->Golden();
  EXPECT_FALSE(KOVTJobSettings::IsInitialized(this->Drawing()));
  Set created;
  EXPECT_TRUE(KOVTJobSettings::IsInitialized(this->Drawing()));
  EXPECT_EQ(created.GetSettingSize(), 1);
  EXPECT_EQ(created.GetDefault(), L"Standard");
  EXPECT_EQ(this->Drawing()->numOpenObjects(), 0u);
  ExpectListing(created.ListKeys(), golden);

  // A second object, whose members all differ, reads every value back.
  Set reader;
  ScrambleListed(reader.ListKeys());
  // With a stored size of 0 the header and footer data are not read.
  reader.HeaderFooter().HeaderData.clear();
  reader.HeaderFooter().FooterData.clear();
  ASSERT_TRUE(reader.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
  ExpectListing(reader.ListKeys(), golden);

  // The stored set holds exactly the golden keys.
  std::vector<std::wstring> seen, order;
  for (const Stored& key : golden) order.push_back(key.name);
  this->EditSet([&](TRegistry& registry) {
    for (const auto& [name, value] : registry.GetCurrentKey()->Values()) {
      seen.push_back(GoldenKeyOf(name.str(), golden));
      EXPECT_NE(std::find(order.begin(), order.end(), seen.back()), order.end())
          << "unexpected " << std::string(seen.back().begin(), seen.back().end());
    }
  });
  for (const std::wstring& key : order)
    EXPECT_NE(std::find(seen.begin(), seen.end(), key), seen.end()) << "missing " << std::string(key.begin(), key.end());

  KOVTContext other(TypeParam::kOther, this->Drawing());
  EXPECT_FALSE(KOVTJobSettings::IsInitialized(this->Drawing()));
}

TYPED_TEST(ModuleSets, EveryListedMemberSurvivesASavedDrawing) {
  using Set = typename TypeParam::Settings;
  Set written;
  ScrambleListed(written.ListKeys());
  written.HeaderFooter().HeaderData = {1, 2, 3};
  written.HeaderFooter().FooterData = {4};
  TypeParam::FillLists(written);
  written.Save();
  EXPECT_EQ(written.HeaderFooter().HeaderSize, 3);
  EXPECT_EQ(this->Drawing()->numOpenObjects(), 0u);

  this->ReopenInContext();
  Set reopened;
  ExpectSameListedValues(written.ListKeys(), reopened.ListKeys());
  EXPECT_EQ(this->Drawing()->numOpenObjects(), 0u);
}

TYPED_TEST(ModuleSets, AMissingSetChangesNothing) {
  using Set = typename TypeParam::Settings;
  Set settings, expected;
  for (Set* s : {&settings, &expected}) {
    ScrambleListed(s->ListKeys());
    TypeParam::FillLists(*s);
  }
  EXPECT_FALSE(settings.ReadJobSettings(L"Nowhere", nullptr, KoVTPrjReg::kReadWrite));
  ExpectSameListedValues(settings.ListKeys(), expected.ListKeys());
  EXPECT_EQ(this->Drawing()->numOpenObjects(), 0u);
}

// Each case of the data file, on a new drawing: its rows in order on a set
// and a settings object made there. `write` and `delete` change the stored
// set, `preset` a member, `read` reads the set, `save` writes it, `expect`
// checks a listed member and `unlisted` that a key is not listed.
TYPED_TEST(ModuleSets, ReadingRepairsStoredSets) {
  using Set = typename TypeParam::Settings;
  std::map<std::wstring, std::vector<GoldenRow>> cases;
  const std::wstring module(TypeParam::kName, TypeParam::kName + std::char_traits<char>::length(TypeParam::kName));
  for (const GoldenRow& row : ReadGoldenRows("jobsettings/data/stored_edits.txt", 6))
    if (row[0] == module) cases[row[1]].push_back(row);
  ASSERT_FALSE(cases.empty());
  for (const auto& [name, rows] : cases) {
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    this->NewDrawingInContext();
    Set settings;
    for (const GoldenRow& row : rows) {
      const std::wstring &action = row[2], &key = row[3];
      const Value value = ValueOf(row[4], row[5]);
      if (action == L"write" || action == L"delete") {
        this->EditSet([&](TRegistry& registry) {
          const wchar_t* k = key.c_str();
          if (action == L"delete") EXPECT_TRUE(registry.DeleteValue(k)) << "not stored";
          else if (auto* number = std::get_if<std::int32_t>(&value)) registry.WriteInteger(k, *number);
          else if (auto* real = std::get_if<double>(&value)) registry.WriteFloat(k, *real);
          else if (auto* text = std::get_if<Text>(&value)) registry.WriteString(k, KOVTString(text->text.c_str()));
          else if (auto* bytes = std::get_if<Bytes>(&value)) registry.WriteBinaryData(k, bytes->data(), static_cast<int>(bytes->size()));
        });
      } else if (action == L"preset") {
        Assign(this->FieldOf(settings, key), value);
      } else if (action == L"read") {
        EXPECT_TRUE(settings.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
      } else if (action == L"save") {
        settings.Save();
      } else if (action == L"expect") {
        EXPECT_TRUE(Holds(this->FieldOf(settings, key), value)) << std::string(key.begin(), key.end());
      } else {
        ASSERT_EQ(action, L"unlisted");
        EXPECT_FALSE(this->Listed(settings, key)) << std::string(key.begin(), key.end());
      }
    }
  }
}

}  // namespace
