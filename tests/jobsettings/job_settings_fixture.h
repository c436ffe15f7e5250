// A working drawing in the context of one module, with direct access to the
// module's stored sets for tests that plant or inspect raw values, and the
// checks every module's sets must pass.
#pragma once

#include <initializer_list>
#include <optional>
#include <type_traits>

#include "dictionaries/typed_dicts.h"
#include "environment/app_context.h"
#include "jobsettings/job_settings.h"
#include "registry/registry_access.h"
#include "tests/jobsettings/listed_values.h"
#include "tests/jobsettings/stored_keys.h"
#include "tests/support/kovt_drawing.h"

template <class Settings, KOVTCONTEXT_TYPE kContext>
class JobSettingsFixture : public KovtDrawingTest {
 protected:
  void SetUp() override {
    KovtDrawingTest::SetUp();
    ResetFormatVersion();
    EnterContext();
  }
  void TearDown() override {
    m_context.reset();
    ResetFormatVersion();
    KovtDrawingTest::TearDown();
  }

  // Contexts belong to one drawing: a reopened drawing enters its own.
  void EnterContext() {
    m_context.reset();
    m_context.emplace(kContext, Drawing());
  }
  void ReopenInContext() {
    m_context.reset();
    SaveAndReopen();
    EnterContext();
  }

  // Runs edit(registry) with the stored set `name` of the working drawing as
  // the current key.
  template <class Edit>
  void EditSet(Edit edit, const wchar_t* name = L"Standard") const {
    PnDbDictionary* settings =
        KOVTGetDict(PnDbDictionary::desc(), DDT_ProjectSettings, PnDb::kForWrite, DDI_Application);
    ASSERT_NE(settings, nullptr);
    {
      KoVTPrjReg::TRegistry registry(settings);
      if (registry.OpenKey(KOVTJobSettings::SetPath(name), false))
        edit(registry);
      else
        ADD_FAILURE() << "no stored set";
    }
    settings->close();
  }

  // A stored default set from which `names` are removed, as an older version
  // that did not know them would have written it.
  void StoreSetWithout(std::initializer_list<const wchar_t*> names) {
    { Settings created; }
    EditSet([&](KoVTPrjReg::TRegistry& registry) {
      for (const wchar_t* name : names) EXPECT_TRUE(registry.GetCurrentKey()->ValueExists(name)) << name;
      for (const wchar_t* name : names) registry.DeleteValue(name);
    });
  }

  static void Scramble(Settings& settings) { ScrambleListed(settings.ListKeys()); }

  // A new drawing stores `golden`: a second object, whose members all differ
  // from it until prepare(reader) says otherwise, reads every value back.
  template <class Prepare>
  void ExpectNewDrawingStores(const StoredKeys& golden, Prepare prepare) {
    { Settings created; }
    EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
    Settings reader;
    Scramble(reader);
    prepare(reader);
    ASSERT_TRUE(reader.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
    ExpectListing(reader.ListKeys(), golden);
    EditSet([&](KoVTPrjReg::TRegistry& registry) {
      for (const Stored& key : ListedIn(golden))
        EXPECT_TRUE(registry.GetCurrentKey()->ValueExists(key.name.c_str())) << key.name.c_str();
    });
    EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  }

  // The sets live below the module's application root, which the `other`
  // context does not see.
  void ExpectSetsBelowTheModuleRoot(KOVTCONTEXT_TYPE other) {
    EXPECT_FALSE(KOVTJobSettings::IsInitialized(Drawing()));
    Settings settings;
    EXPECT_TRUE(KOVTJobSettings::IsInitialized(Drawing()));
    EXPECT_EQ(settings.GetSettingSize(), 1);
    EXPECT_EQ(settings.GetDefault(), L"Standard");
    KOVTContext otherContext(other, Drawing());
    EXPECT_FALSE(KOVTJobSettings::IsInitialized(Drawing()));
  }

  // Reading a set takes over its stored "Version"; one without it leaves the
  // format version alone.
  void ExpectReadingTakesOverTheStoredFormatVersion() {
    { Settings created; }
    EditSet([](KoVTPrjReg::TRegistry& registry) { registry.WriteInteger(L"Version", 0); });
    { Settings reader; }
    EXPECT_EQ(Settings::FormatVersion, 0);
    Settings::FormatVersion = 1;
    EditSet([](KoVTPrjReg::TRegistry& registry) { registry.DeleteValue(L"Version"); });
    { Settings reader; }
    EXPECT_EQ(Settings::FormatVersion, 1);
  }

 private:
  // A module whose format version follows what it reads starts every test at 1.
  static void ResetFormatVersion() {
    if constexpr (!std::is_const_v<decltype(Settings::FormatVersion)>) Settings::FormatVersion = 1;
  }

  std::optional<KOVTContext> m_context;
};
