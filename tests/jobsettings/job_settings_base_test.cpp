#include <gtest/gtest.h>

#include <limits>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "jobsettings/job_settings.h"
#include "jobsettings/ordered_values.h"
#include "registry/project_registry_error.h"
#include "tests/jobsettings/listing.h"
#include "tests/support/kovt_drawing.h"
#include "tests/units/call_rows.h"

namespace {

using KoVTPrjReg::TRegistry;

// The smallest module: the version and two keys of its own, walked in either
// order; its read plan is made in the first.
class SampleSettings : public KOVTJobSettings {
 public:
  static inline bool swapped = false;

  explicit SampleSettings(bool load = true) {
    if (load) Load(nullptr, KoVTPrjReg::kReadWrite);
  }
  void Initialize() override { first = second = 0; }
  bool ReadJobSettings(KOVTString name, PnDbDictionary* dict, KoVTPrjReg::TAccessRight access) override {
    static const KovtJobKeys::ReadPlan plan = PlanRead({0, 0}, &Walk);
    std::int32_t version = 1;
    return ReadSet(name, dict, access, version, {0, 0}, &Walk, &plan);
  }
  void WriteJobSettings(KOVTString name, PnDbDictionary* dict) override {
    WriteSet(name, dict, 1, {0, 0}, &Walk);
  }
  KOVTString* GetVariable(PRN_VARIABLE_TYPES) override { return nullptr; }

  double first = 0, second = 0;

 private:
  static void Walk(KOVTJobSettings& settings, KovtJobKeys::Filer& filer) {
    using Key = KovtJobKeys::Key<SampleSettings>;
    static const Key kFirst[] = {KEY(first)}, kSecond[] = {KEY(second)};
    auto& self = static_cast<SampleSettings&>(settings);
    KovtJobKeys::Walk<SampleSettings>(swapped ? kSecond : kFirst, self, filer);
    KovtJobKeys::Walk<SampleSettings>(swapped ? kFirst : kSecond, self, filer);
  }
};

using JobSettingsBase = KovtDrawingTest;
constexpr const wchar_t* kVectorKey = L"//SettingsVector";

// Rows of data/name_lists.txt: edits of the name list a new drawing stores,
// then the names and default read back; a refused list keeps the reader's names.
TEST_F(JobSettingsBase, StoredNameListsReadAsListed) {
  for (const GoldenRow& row : ReadGoldenRows("jobsettings/data/name_lists.txt", 3)) {
    SCOPED_TRACE(WideToUtf8(row[0]));
    NewDrawing();
    SampleSettings settings;
    EditSettingsKey(kVectorKey, true, [&](TRegistry& registry) {
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
  EditSettingsKey(L"//Other", true, [](TRegistry&) {});
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
  SampleSettings reader(false);
  EXPECT_TRUE(reader.ReadVector(nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(reader.SettingsVector().Names(), (std::vector<KOVTString>{L"Standard", L"B"}));
  EditSettingsKey(kVectorKey, true, [](TRegistry& registry) {
    KOVTString stale;
    EXPECT_TRUE(registry.ReadString(L"Setting_5", stale));
    EXPECT_EQ(stale, L"E");
  });
}

// Rows of data/name_adds.txt: clashing names get the first free number found
// in one pass over the list. Removing the default keeps it.
TEST(JobSettingsVector, AddMakesOneForwardPassAndRemoveKeepsTheDefault) {
  KOVTJobSettVect names;
  for (const GoldenRow& row : ReadGoldenRows("jobsettings/data/name_adds.txt", 3)) {
    names.Names().clear();
    for (const std::wstring& name : Split(row[0])) names.Names().push_back(name.c_str());
    names.Add(row[1].c_str());
    EXPECT_EQ(names.Names().back(), row[2].c_str()) << WideToUtf8(row[0]);
  }
  names.Names() = {L"Standard", L"Standard0"};
  names.Default() = L"Standard";
  names.Remove(L"Standard");
  EXPECT_EQ(names.Names(), std::vector<KOVTString>{KOVTString(L"Standard0")});
  EXPECT_EQ(names.Default(), L"Standard");
}

// Rows of data/ordered_values.txt: names asked one after another, or all at
// once in one ascending pass, find what a lookup by name finds.
TEST(OrderedValues, FindWhatALookupFinds) {
  KoVTPrjReg::TKey key;
  std::vector<GoldenRow> asks;
  for (GoldenRow row : ReadGoldenRows("jobsettings/data/ordered_values.txt", 3)) {
    // "{max}" stands for the largest character, which no text file holds.
    for (std::wstring& field : row)
      for (std::size_t at; (at = field.find(L"{max}")) != std::wstring::npos;)
        field.replace(at, 5, 1, std::numeric_limits<wchar_t>::max());
    if (row[0] == L"store") key.SetValue(row[1], std::make_unique<KoVTPrjReg::TIntValue>(std::stoi(row[2])));
    else asks.push_back(row);
  }
  const auto number = [](const KoVTPrjReg::TValue* found) {
    std::int32_t value = 0;
    return found != nullptr && KovtJobKeys::Take(*found, value) ? std::to_wstring(value) : L"-";
  };
  KovtJobKeys::OrderedValues values(&key);
  for (const GoldenRow& ask : asks) {
    SCOPED_TRACE(WideToUtf8(ask[0] + L" " + ask[1]));
    const std::vector<std::wstring> names = Split(ask[1]);
    std::vector<std::wstring> found;
    if (ask[0] == L"range") {
      const auto [first, last] = values.WithPrefix(ask[1]);
      for (auto at = first; at != last; ++at) found.push_back(at->first.str());
    } else if (ask[0] == L"pass") {
      const std::vector<std::wstring_view> asked(names.begin(), names.end());
      // Filled with a value, so that a name not found must be cleared.
      std::vector<const KoVTPrjReg::TValue*> passed(asked.size(), key.Values().begin()->second.get());
      KovtJobKeys::OrderedValues(&key).FindAscending(asked, passed);
      for (std::size_t at = 0; at < asked.size(); ++at) {
        EXPECT_EQ(passed[at], key.FindValue(names[at].c_str()));
        found.push_back(number(passed[at]));
      }
    } else {
      const KoVTPrjReg::TValue* value = values.Find(ask[1]);
      EXPECT_EQ(value, key.FindValue(ask[1].c_str()));
      found.push_back(number(value));
    }
    EXPECT_EQ(found.empty() ? L"-" : Joined(found), ask[2]);
  }
}

// A plan orders the names it takes as the names compare, whatever characters
// they hold and however much of them they share.
TEST(ReadPlan, OrdersItsNamesAsTheyCompare) {
  for (const GoldenRow& row : ReadGoldenRows("jobsettings/data/read_plans.txt", 3)) {
    SCOPED_TRACE(WideToUtf8(row[0]));
    const std::vector<std::wstring> names = Split(row[0]);
    KovtJobKeys::ReadPlan plan;
    plan.names.assign(names.begin(), names.end());
    plan.OrderByName();
    EXPECT_EQ(std::vector<std::wstring>(plan.ascending.begin(), plan.ascending.end()), Split(row[1]));
    std::vector<std::wstring> ranks;
    for (std::uint16_t rank : plan.rank) ranks.push_back(std::to_wstring(rank));
    EXPECT_EQ(Joined(ranks), row[2]);
  }
}

// A read whose walk strays from the plan finds the values by name.
TEST_F(JobSettingsBase, AReadStrayingFromItsPlanStillTakesEveryValue) {
  SampleSettings written;
  written.first = 1.5;
  written.second = 2.5;
  written.WriteJobSettings(L"Standard", nullptr);
  for (bool swapped : {false, true, false}) {
    SampleSettings::swapped = swapped;
    SampleSettings read;
    ASSERT_TRUE(read.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite)) << swapped;
    EXPECT_EQ(read.first, 1.5) << swapped;
    EXPECT_EQ(read.second, 2.5) << swapped;
  }
}

}  // namespace
