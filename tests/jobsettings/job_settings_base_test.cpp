#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "dictionaries/typed_dicts.h"
#include "jobsettings/job_settings.h"
#include "jobsettings/ordered_values.h"
#include "registry/project_registry_error.h"
#include "tests/support/kovt_drawing.h"
#include "tests/units/call_rows.h"

namespace {

using KoVTPrjReg::TRegistry;

// The smallest module: one key of its own besides the common blocks.
class SampleSettings : public KOVTJobSettings {
 public:
  static inline std::int32_t version = 1;

  explicit SampleSettings(bool load = true) {
    if (load) Load(nullptr, KoVTPrjReg::kReadWrite);
  }
  void Initialize() override {
    ratio = 0.5;
    Templates().RowCount = 10;
  }
  bool ReadJobSettings(KOVTString name, PnDbDictionary* dict, KoVTPrjReg::TAccessRight access) override {
    return ReadSet(name, dict, access, version, {18, 3}, &Walk);
  }
  void WriteJobSettings(KOVTString name, PnDbDictionary* dict) override {
    WriteSet(name, dict, version, {18, 3}, &Walk);
  }
  KOVTString* GetVariable(PRN_VARIABLE_TYPES type) override {
    return type < 18 ? &Variables().Values[static_cast<std::size_t>(type)] : nullptr;
  }

  double ratio = 0;

 private:
  static void Walk(KOVTJobSettings& settings, KovtJobKeys::Filer& filer) {
    filer.File(L"Sample.Ratio", &static_cast<SampleSettings&>(settings).ratio);
  }
};

class JobSettingsBase : public KovtDrawingTest {
 protected:
  // The names stored under "//SettingsVector" of the working drawing.
  std::vector<KOVTString> StoredNames() {
    SampleSettings reader(false);
    EXPECT_TRUE(reader.ReadVector(nullptr, KoVTPrjReg::kReadWrite));
    return reader.SettingsVector().Names();
  }
  template <class Edit>
  void EditVectorKey(Edit edit) {
    KovtSettingsScope scope;
    TRegistry registry(scope.dictionary);
    ASSERT_TRUE(registry.OpenKey(L"//SettingsVector", true));
    edit(registry);
  }
  struct KovtSettingsScope {
    ~KovtSettingsScope() { dictionary->close(); }
    PnDbDictionary* dictionary =
        KOVTGetDict(PnDbDictionary::desc(), DDT_ProjectSettings, PnDb::kForWrite, DDI_Application);
  };
};

// A read takes only the template keys the module stores, however many its
// defaults fill.
TEST_F(JobSettingsBase, ReadsTakeOnlyTheTemplateKeysTheModuleStores) {
  SampleSettings settings;
  SampleSettings changed(false);
  changed.ratio = 9;
  EXPECT_TRUE(changed.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(changed.ratio, 0.5);
  EXPECT_EQ(changed.Templates().RowCount, 0);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

// Rows of data/name_lists.txt: edits of the name list a new drawing stores,
// then the names and default read back; a refused list keeps the reader's names.
TEST_F(JobSettingsBase, StoredNameListsReadAsListed) {
  for (const GoldenRow& row : ReadGoldenRows("jobsettings/data/name_lists.txt", 3)) {
    SCOPED_TRACE(WideToUtf8(row[0]));
    NewDrawing();
    SampleSettings settings;
    EditVectorKey([&](TRegistry& registry) {
      for (std::wstring edit : Split(row[0])) {
        const std::size_t equals = edit.find(L'=');
        const std::wstring name = edit.substr(0, equals), value = edit.substr(equals + 1);
        if (equals == std::wstring::npos) EXPECT_TRUE(registry.DeleteValue(name.c_str()));
        else if (name == L"SettingsVector_Size") registry.WriteInteger(name.c_str(), std::stoi(value));
        else registry.WriteString(name.c_str(), KOVTString(value.c_str()));
      }
    });
    SampleSettings reader(false);
    reader.AddSettingName(L"Mine");
    if (row[1] == L"refused") EXPECT_THROW(reader.ReadVector(nullptr, KoVTPrjReg::kReadWrite), KoVT::EProjectRegistry);
    else EXPECT_TRUE(reader.ReadVector(nullptr, KoVTPrjReg::kReadWrite));
    std::vector<std::wstring> names;
    for (const KOVTString& name : reader.SettingsVector().Names()) names.push_back(name.str());
    EXPECT_EQ(Joined(names), row[1] == L"refused" ? L"Standard|Mine" : row[1]);
    EXPECT_EQ(reader.GetDefault(), row[2].c_str());
    EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  }
}

// Settings without a stored name list: a read finds none and keeps the reader's names.
TEST_F(JobSettingsBase, WithoutAStoredNameListNothingIsRead) {
  { KovtSettingsScope created; }
  SampleSettings reader(false);
  reader.AddSettingName(L"Mine");
  EXPECT_FALSE(reader.ReadVector(nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(reader.SettingsVector().Names(), (std::vector<KOVTString>{L"Standard", L"Mine"}));
}

TEST_F(JobSettingsBase, ShorterListLeavesStaleEntriesUnread) {
  SampleSettings settings;
  for (const wchar_t* name : {L"B", L"C", L"D", L"E"}) settings.AddSettingName(name);
  settings.WriteVector(nullptr);
  settings.DelSettingName(L"C");
  settings.DelSettingName(L"D");
  settings.DelSettingName(L"E");
  settings.WriteVector(nullptr);
  EXPECT_EQ(StoredNames(), (std::vector<KOVTString>{L"Standard", L"B"}));
  EditVectorKey([](TRegistry& registry) {
    KOVTString stale;
    EXPECT_TRUE(registry.ReadString(L"Setting_5", stale));
    EXPECT_EQ(stale, L"E");
  });
}

// Clashing names get the first free number found in one pass over the list.
TEST(JobSettingsVector, AddMakesOneForwardPassAndRemoveKeepsTheDefault) {
  const struct {
    std::vector<KOVTString> names;
    const wchar_t *added, *expected;
  } cases[] = {{{L"X", L"X0"}, L"X", L"X1"},
               {{L"X1", L"X", L"X0"}, L"X", L"X1"},
               {{L"Standard"}, L"Standard", L"Standard0"}};
  KOVTJobSettVect names;
  for (const auto& c : cases) {
    names.Names() = c.names;
    names.Add(c.added);
    EXPECT_EQ(names.Names().back(), c.expected);
  }
  names.Default() = L"Standard";
  names.Remove(L"Standard");
  EXPECT_EQ(names.Names(), std::vector<KOVTString>{KOVTString(L"Standard0")});
  EXPECT_EQ(names.Default(), L"Standard");
}

// Stores the "store" rows of a file in the key as integers; returns the other rows.
std::vector<GoldenRow> StoreRows(const char* file, KoVTPrjReg::TKey& key) {
  std::vector<GoldenRow> rest;
  for (const GoldenRow& row : ReadGoldenRows(file, 3)) {
    if (row[0] == L"store") key.SetValue(row[1], std::make_unique<KoVTPrjReg::TIntValue>(std::stoi(row[2])));
    else rest.push_back(row);
  }
  return rest;
}

// Names asked in any order find what a lookup by name finds; the values
// with a prefix are those whose names begin with it.
TEST(OrderedValues, FindWhatALookupFindsInAnyOrder) {
  KoVTPrjReg::TKey key;
  const std::vector<GoldenRow> asks = StoreRows("jobsettings/data/ordered_reads.txt", key);
  KovtJobKeys::OrderedValues values(&key);
  for (const GoldenRow& ask : asks) {
    SCOPED_TRACE(std::string(ask[1].begin(), ask[1].end()));
    if (ask[0] == L"range") {
      const auto [first, last] = values.WithPrefix(ask[1]);
      std::wstring names;
      for (auto at = first; at != last; ++at) names += (names.empty() ? L"" : L" ") + at->first.str();
      EXPECT_EQ(names, ask[2] == L"-" ? L"" : ask[2]);
      continue;
    }
    const KoVTPrjReg::TValue* found = values.Find(ask[1]);
    std::int32_t number = 0;
    EXPECT_EQ(found != nullptr && KovtJobKeys::Take(*found, number) ? std::to_wstring(number) : L"-", ask[2]);
    EXPECT_EQ(found, key.FindValue(ask[1].c_str()));
  }
}

// Finding names in one ascending pass finds what a lookup by name finds.
TEST(OrderedValues, OnePassFindsWhatALookupFinds) {
  KoVTPrjReg::TKey key;
  const std::vector<GoldenRow> passes = StoreRows("jobsettings/data/ordered_passes.txt", key);
  for (const GoldenRow& pass : passes) {
    SCOPED_TRACE(std::string(pass[1].begin(), pass[1].end()));
    std::vector<std::wstring> names;
    std::wstringstream words(pass[1]);
    for (std::wstring word; words >> word;) names.push_back(word);
    const std::vector<std::wstring_view> asked(names.begin(), names.end());
    // Filled with a value, so that a name not found must be cleared.
    std::vector<const KoVTPrjReg::TValue*> found(asked.size(), key.Values().begin()->second.get());
    KovtJobKeys::OrderedValues(&key).FindAscending(asked, found);
    std::wstring numbers;
    for (std::size_t at = 0; at < asked.size(); ++at) {
      std::int32_t number = 0;
      numbers += at == 0 ? L"" : L" ";
      numbers += found[at] != nullptr && KovtJobKeys::Take(*found[at], number) ? std::to_wstring(number) : L"-";
      EXPECT_EQ(found[at], key.FindValue(names[at].c_str()));
    }
    EXPECT_EQ(numbers, pass[2]);
  }
}

// A plan orders the names it takes as the names compare, whatever characters
// they hold and however much of them they share.
TEST(ReadPlan, OrdersItsNamesAsTheyCompare) {
  const auto words = [](const std::wstring& text) {
    std::vector<std::wstring> list;
    std::wstringstream in(text);
    for (std::wstring word; in >> word;) list.push_back(word);
    return list;
  };
  for (const GoldenRow& row : ReadGoldenRows("jobsettings/data/read_plans.txt", 3)) {
    SCOPED_TRACE(Unescaped(row[0]));
    const std::vector<std::wstring> names = words(row[0]);
    KovtJobKeys::ReadPlan plan;
    plan.names.assign(names.begin(), names.end());
    plan.OrderByName();
    EXPECT_EQ(std::vector<std::wstring>(plan.ascending.begin(), plan.ascending.end()), words(row[1]));
    std::wstring ranks;
    for (std::uint16_t rank : plan.rank) ranks += (ranks.empty() ? L"" : L" ") + std::to_wstring(rank);
    EXPECT_EQ(ranks, row[2]);
  }
}

// A module whose walk takes its two tables in either order: a read whose walk
// strays from the order its plan was made in finds the values by name.
class SwappingSettings : public KOVTJobSettings {
 public:
  static inline bool swapped = false;

  void Initialize() override { first = second = 0; }
  bool ReadJobSettings(KOVTString name, PnDbDictionary* dict, KoVTPrjReg::TAccessRight access) override {
    std::int32_t version = 1;
    return ReadSet(name, dict, access, version, {0, 0}, &Walk);
  }
  void WriteJobSettings(KOVTString name, PnDbDictionary* dict) override { WriteSet(name, dict, 1, {0, 0}, &Walk); }
  KOVTString* GetVariable(PRN_VARIABLE_TYPES) override { return nullptr; }

  double first = 0, second = 0;

 private:
  static void Walk(KOVTJobSettings& settings, KovtJobKeys::Filer& filer) {
    using Key = KovtJobKeys::Key<SwappingSettings>;
    static const Key kFirst[] = {KEY(first)}, kSecond[] = {KEY(second)};
    auto& self = static_cast<SwappingSettings&>(settings);
    KovtJobKeys::Walk<SwappingSettings>(swapped ? kSecond : kFirst, self, filer);
    KovtJobKeys::Walk<SwappingSettings>(swapped ? kFirst : kSecond, self, filer);
  }
};

TEST_F(JobSettingsBase, AReadStrayingFromItsPlanStillTakesEveryValue) {
  SwappingSettings written;
  written.first = 1.5;
  written.second = 2.5;
  written.WriteJobSettings(L"Standard", nullptr);
  for (bool swapped : {false, true, false}) {
    SwappingSettings::swapped = swapped;
    SwappingSettings read;
    ASSERT_TRUE(read.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite)) << swapped;
    EXPECT_EQ(read.first, 1.5) << swapped;
    EXPECT_EQ(read.second, 2.5) << swapped;
  }
  SwappingSettings::swapped = false;
}

}  // namespace
