// A working drawing in the reinforcement context, with direct access to the
// stored reinforcement sets for tests that plant or inspect raw values.
#pragma once

#include <optional>
#include <variant>

#include "dictionaries/typed_dicts.h"
#include "environment/app_context.h"
#include "jobsettings/reinf_job_settings.h"
#include "registry/registry_access.h"
#include "tests/support/kovt_drawing.h"

class ReinfSettingsTest : public KovtDrawingTest {
 protected:
  void SetUp() override {
    KovtDrawingTest::SetUp();
    KOVTReinfJobSettings::FormatVersion = 1;
    EnterReinforcement();
  }
  void TearDown() override {
    m_context.reset();
    KOVTReinfJobSettings::FormatVersion = 1;
    KovtDrawingTest::TearDown();
  }

  // Contexts belong to one drawing: a reopened drawing enters its own.
  void EnterReinforcement() {
    m_context.reset();
    m_context.emplace(KOVT_CONTEXT_REINFORCEMENT, Drawing());
  }
  void ReopenInReinforcement() {
    m_context.reset();
    SaveAndReopen();
    EnterReinforcement();
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
    { KOVTReinfJobSettings created; }
    EditSet([&](KoVTPrjReg::TRegistry& registry) {
      for (const wchar_t* name : names) EXPECT_TRUE(registry.DeleteValue(name)) << name;
    });
  }

  // Gives every stored member but "Version" a value unlike its own; the n-th
  // listed value changes by n, so no two members of a kind end up equal.
  static void Scramble(KOVTReinfJobSettings& settings) {
    std::int32_t n = 0;
    for (const KovtJobKeys::Entry& key : settings.ListKeys()) {
      ++n;
      if (key.name == L"Version") continue;
      std::visit(Changer{n}, key.field);
    }
  }

 private:
  struct Changer {
    std::int32_t n;
    void operator()(bool* value) const { *value = !*value; }
    void operator()(std::int32_t* value) const { *value += n; }
    void operator()(double* value) const { *value += n + 0.25; }
    void operator()(KOVTString* value) const {
      KOVTString suffix;
      suffix.Format(L"~%d", n);
      *value += suffix;
    }
    void operator()(std::vector<std::uint8_t>* value) const { value->push_back(static_cast<std::uint8_t>(n)); }
  };

  std::optional<KOVTContext> m_context;
};
