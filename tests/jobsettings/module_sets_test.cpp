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
 public:
  using ModuleFixture<Module>::Drawing;
  using ModuleFixture<Module>::NewDrawingInContext;
  using ModuleFixture<Module>::EditSet;
  using Settings = typename Module::Settings;
  static StoredKeys Golden() { return GoldenSet(std::string(Module::kName) + "_new_set.txt"); }
  static KovtJobKeys::Field FieldOf(Settings& settings, const std::wstring& name) {
    for (const KovtJobKeys::Entry& entry : settings.ListKeys())
      if (entry.name == name.c_str()) return entry.field;
    ADD_FAILURE() << "not listed: " << std::string(name.begin(), name.end());
    static std::int32_t nowhere;
    return &nowhere;
  }
};

using Modules = ::testing::Types<ReinfModule, SteelModule, FormworkModule>;
TYPED_TEST_SUITE(ModuleSets, Modules);

TYPED_TEST(ModuleSets, ANewDrawingStoresTheGoldenSetBelowTheModuleRoot) {
  using Set = typename TypeParam::Settings;
  EXPECT_FALSE(KOVTJobSettings::IsInitialized(this->Drawing()));
  Set created;
  EXPECT_TRUE(KOVTJobSettings::IsInitialized(this->Drawing()));
  EXPECT_EQ(created.GetSettingSize(), 1);
  EXPECT_EQ(created.GetDefault(), L"Standard");
  EXPECT_EQ(this->Drawing()->numOpenObjects(), 0u);
  ExpectListing(created.ListKeys(), this->Golden());

  // The stored set holds exactly the golden values.
  this->EditSet([&](TRegistry& registry) {
    ExpectFiled(*registry.GetCurrentKey(), this->Drawing()->continuousLinetype(),
                std::string(TypeParam::kName) + "_stored.txt");
  });

  KOVTContext other(TypeParam::kOther, this->Drawing());
  EXPECT_FALSE(KOVTJobSettings::IsInitialized(this->Drawing()));
}

// A read of a missing set changes nothing; a saved drawing keeps every member.
TYPED_TEST(ModuleSets, EveryListedMemberSurvivesAMissingSetAndASavedDrawing) {
  using Set = typename TypeParam::Settings;
  Set written, expected;
  for (Set* s : {&written, &expected}) {
    ScrambleListed(s->ListKeys());
    TypeParam::FillLists(*s);
  }
  EXPECT_FALSE(written.ReadJobSettings(L"Nowhere", nullptr, KoVTPrjReg::kReadWrite));
  ExpectSameListedValues(written.ListKeys(), expected.ListKeys());
  written.HeaderFooter().HeaderData = {1, 2, 3};
  written.HeaderFooter().FooterData = {4};
  written.Save();
  EXPECT_EQ(this->Drawing()->numOpenObjects(), 0u);

  this->ReopenInContext();
  Set reopened;
  ExpectSameListedValues(written.ListKeys(), reopened.ListKeys());
  EXPECT_EQ(this->Drawing()->numOpenObjects(), 0u);
}

// Checks a field of the drawing's tolerance records, "KOVT.<field>" or
// "KOVR.<field>", a number (IsMetric: 1 or 0).
void ExpectTolerance(const std::wstring& name, const Value& expected) {
  KovtEpsilon& record = name.starts_with(L"KOVR.") ? KOVR_EPSILON() : KOVT_EPSILON();
  const std::wstring field = name.substr(5);
  const std::map<std::wstring, double> values = {{L"SetBy", record.SetBy},
                                                 {L"IsMetric", record.IsMetric ? 1.0 : 0.0},
                                                 {L"UnitFactor", record.UnitFactor},
                                                 {L"DisplayTolerance", record.DisplayTolerance},
                                                 {L"LinearTolerance", record.LinearTolerance},
                                                 {L"DistanceTolerance", KOVR_EPSILON().DistanceTolerance},
                                                 {L"SegmentTolerance", KOVR_EPSILON().SegmentTolerance}};
  ASSERT_EQ(values.count(field), 1u);
  EXPECT_DOUBLE_EQ(values.at(field), std::get<double>(expected));
}

// Each case of a data file, on a new drawing: its rows in order on a set and
// a settings object made there. `write` and `delete` change the stored set,
// `preset` a member, `read` and `read-missing` read the set or one never
// stored, `save` writes it, `expect` checks a listed member and `unlisted`
// that a key is not listed. `scramble` gives every listed member but the
// version a value unlike its own, `initialize` resets the object, `defaults`
// checks the listed members hold their golden new values, `stored` checks a
// value of the stored set (kind "-": none there), `read-version` the version
// the last read found. `fill-lists` fills the lists, `follows` checks the
// names listed right after a key (a text of names separated by blanks).
// `number-variables` sets every variable to "v<index>", `variable` checks the
// index of the variable a type answers (-1: none), `to-project` and
// `to-variables` mirror. `tolerance` checks a tolerance record,
// `forget-tolerances` resets both.
template <class Module>
void RunCases(ModuleSets<Module>& test, const std::string& file) {
  using Set = typename Module::Settings;
  std::map<std::wstring, std::vector<GoldenRow>> cases;
  const std::wstring module(Module::kName, Module::kName + std::char_traits<char>::length(Module::kName));
  for (const GoldenRow& row : ReadGoldenRows("jobsettings/data/" + file, 6))
    if (row[0] == module) cases[row[1]].push_back(row);
  ASSERT_FALSE(cases.empty());
  for (const auto& [name, rows] : cases) {
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    test.NewDrawingInContext();
    KovtForgetEpsilons(test.Drawing());
    Set settings;
    for (const GoldenRow& row : rows) {
      const std::wstring &action = row[2], &key = row[3];
      const Value value = ValueOf(row[4], row[5]);
      auto& variables = settings.Variables().Values;
      if (action == L"write" || action == L"delete") {
        test.EditSet([&](TRegistry& registry) {
          const wchar_t* k = key.c_str();
          if (action == L"delete")
            EXPECT_TRUE(registry.DeleteValue(k)) << "not stored";
          else if (auto* number = std::get_if<std::int32_t>(&value))
            registry.WriteInteger(k, *number);
          else if (auto* real = std::get_if<double>(&value))
            registry.WriteFloat(k, *real);
          else if (auto* text = std::get_if<Text>(&value))
            registry.WriteString(k, KOVTString(text->text.c_str()));
          else if (auto* bytes = std::get_if<Bytes>(&value))
            registry.WriteBinaryData(k, bytes->data(), static_cast<int>(bytes->size()));
        });
      } else if (action == L"preset") {
        Assign(test.FieldOf(settings, key), value);
      } else if (action == L"read") {
        EXPECT_TRUE(settings.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
      } else if (action == L"read-missing") {
        EXPECT_FALSE(settings.ReadJobSettings(L"Nowhere", nullptr, KoVTPrjReg::kReadWrite));
      } else if (action == L"save") {
        settings.Save();
      } else if (action == L"read-version") {
        if constexpr (requires { settings.StoredVersion(); })
          EXPECT_EQ(settings.StoredVersion(), std::get<std::int32_t>(value));
        else
          ADD_FAILURE() << "the module keeps no read version";
      } else if (action == L"fill-lists") {
        Module::FillLists(settings);
      } else if (action == L"follows" || action == L"unlisted") {
        std::wstring listed = L" ";
        for (const KovtJobKeys::Entry& entry : settings.ListKeys()) listed += entry.name.str() + L" ";
        const std::wstring next = action == L"follows" ? std::get<Text>(value).text + L" " : L"";
        EXPECT_EQ(listed.find(L" " + key + L" " + next) != std::wstring::npos, action == L"follows")
            << std::string(key.begin(), key.end());
      } else if (action == L"scramble") {
        ScrambleListed(settings.ListKeys());
      } else if (action == L"defaults") {
        // Keys the golden set lacks, list entries, are passed over.
        std::map<std::wstring, Value> golden;
        for (const Stored& stored : test.Golden()) golden.emplace(stored.name, stored.value);
        for (const KovtJobKeys::Entry& entry : settings.ListKeys()) {
          const auto at = golden.find(entry.name.str());
          if (at == golden.end()) continue;
          EXPECT_TRUE(Held(entry.field) == at->second) << WideToUtf8(at->first);
        }
      } else if (action == L"initialize") {
        settings.Initialize();
      } else if (action == L"stored") {
        test.EditSet([&](TRegistry& registry) {
          const auto filed = FiledRows(*registry.GetCurrentKey(), test.Drawing()->continuousLinetype());
          const auto at = std::find_if(filed.begin(), filed.end(),
                                       [&](const auto& text) { return text.starts_with(key + L"\t"); });
          const std::wstring found = at == filed.end() ? key + L"\t-\t-" : *at;
          EXPECT_EQ(WideToUtf8(found), WideToUtf8(FiledRow(key, row[4], row[5])));
        });
      } else if (action == L"expect") {
        EXPECT_TRUE(Held(test.FieldOf(settings, key)) == value) << std::string(key.begin(), key.end());
      } else if (action == L"number-variables") {
        for (std::size_t i = 0; i < variables.size(); ++i) variables[i].Format(L"v%d", static_cast<int>(i));
      } else if (action == L"variable") {
        const int index = std::get<std::int32_t>(value);
        EXPECT_EQ(settings.GetVariable(static_cast<PRN_VARIABLE_TYPES>(std::stoi(key))),
                  index < 0 ? nullptr : &variables[static_cast<std::size_t>(index)])
            << std::string(key.begin(), key.end());
      } else if (action == L"forget-tolerances") {
        KOVT_EPSILON() = KovtEpsilon{};
        KOVR_EPSILON() = KovrEpsilon{};
      } else if (action == L"to-project") {
        Module::ToProject(settings);
      } else if (action == L"to-variables") {
        Module::ToVariables(settings);
      } else {
        ASSERT_EQ(action, L"tolerance");
        ExpectTolerance(key, value);
      }
    }
  }
}

TYPED_TEST(ModuleSets, ReadingRepairsStoredSets) { RunCases(*this, "stored_edits.txt"); }

TYPED_TEST(ModuleSets, ReadsAndWritesRefreshTheTolerances) {
  ASSERT_TRUE(KovtPublishUnitsService());
  RunCases(*this, "tolerances.txt");
  KovtWithdrawUnitsService();
  KovtForgetEpsilons(this->Drawing());
}

TYPED_TEST(ModuleSets, VariablesByTypeAndTheirProjectMirror) { RunCases(*this, "variables.txt"); }

}  // namespace
