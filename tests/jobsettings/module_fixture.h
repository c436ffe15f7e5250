// A working drawing in the context of one module's settings, with direct
// access to the module's stored sets for tests that plant or inspect raw
// values.
#pragma once

#include <optional>
#include <string>
#include <type_traits>

#include "environment/app_context.h"
#include "environment/tolerance_refresh.h"
#include "jobsettings/formwork_job_settings.h"
#include "jobsettings/reinf_job_settings.h"
#include "jobsettings/steel_job_settings.h"
#include "tests/jobsettings/listing.h"
#include "tests/support/kovt_drawing.h"
#include "units/sv_units_service.h"

// What the tests need to know of each module.
struct ReinfModule {
  using Settings = KOVTReinfJobSettings;
  static constexpr KOVTCONTEXT_TYPE kContext = KOVT_CONTEXT_REINFORCEMENT, kOther = KOVT_CONTEXT_STEEL;
  static constexpr const char* kName = "reinf";
  static void ToProject(Settings& s) { s.TVARIABLES_2_RPROJECT(); }
  static void ToVariables(Settings& s) { s.RPROJECT_2_TVARIABLES(); }
  // Fills what the scramble of a listing cannot: the lists.
  static void FillLists(Settings& s) {
    s.Mater.SteelList.resize(2500);
    for (std::size_t i = 0; i < s.Mater.SteelList.size(); ++i) {
      s.Mater.SteelList[i].Class.Format(L"Grade %d", static_cast<int>(i));
      s.Mater.SteelList[i].Symbol = static_cast<std::int32_t>(i % 34);
      if (i % 3 == 0) s.Mater.SteelList[i].UserSymbol.Format(L"U%d", static_cast<int>(i));
    }
  }
};
struct SteelModule {
  using Settings = KOVTSteelJobSettings;
  static constexpr KOVTCONTEXT_TYPE kContext = KOVT_CONTEXT_STEEL, kOther = KOVT_CONTEXT_REINFORCEMENT;
  static constexpr const char* kName = "steel";
  static void ToProject(Settings& s) { s.TVARIABLES_2_SPROJECT(); }
  static void ToVariables(Settings& s) { s.SPROJECT_2_TVARIABLES(); }
  static void FillLists(Settings& s) {
    s.Material.SurfaceFinishingVector = {L"Galvanised", L"Painted"};
    s.Material.BoltsSurfaceFinishingVector = {L"Zinc"};
    s.Welding.BoltColorGrade = {{L"8.8", 1}, {L"10.9", 2}};
    s.Welding.BoltColorDiam = {{12.0, 3}, {16.0, 4}, {20.5, 5}};
  }
};
struct FormworkModule {
  using Settings = KOVTFormworkJobSettings;
  static constexpr KOVTCONTEXT_TYPE kContext = KOVT_CONTEXT_FORMWORK, kOther = KOVT_CONTEXT_STEEL;
  static constexpr const char* kName = "formwork";
  static void ToProject(Settings& s) { s.TVARIABLES_2_XPROJECT(); }
  static void ToVariables(Settings& s) { s.XPROJECT_2_TVARIABLES(); }
  static void FillLists(Settings&) {}
};

template <class Module>
class ModuleFixture : public KovtDrawingTest {
 protected:
  using Settings = typename Module::Settings;

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

  // Contexts belong to one drawing: a reopened or new drawing enters its own.
  void EnterContext() {
    m_context.reset();
    m_context.emplace(Module::kContext, Drawing());
  }
  void ReopenInContext() {
    m_context.reset();
    SaveAndReopen();
    EnterContext();
  }
  void NewDrawingInContext() {
    m_context.reset();
    NewDrawing();
    ResetFormatVersion();
    EnterContext();
  }

  // Runs edit(registry) with the stored set `name` of the working drawing as
  // the current key.
  template <class Edit>
  void EditSet(Edit edit, const wchar_t* name = L"Standard") const {
    EditSettingsKey(KOVTJobSettings::SetPath(name), false, edit);
  }

 private:
  // A module whose format version follows what it reads starts every test at 1.
  static void ResetFormatVersion() {
    if constexpr (!std::is_const_v<decltype(Settings::FormatVersion)>) Settings::FormatVersion = 1;
  }

  std::optional<KOVTContext> m_context;
};
