#include "jobsettings/reinf_job_settings.h"

#include <algorithm>
#include <utility>

#include "environment/module_loading.h"
#include "environment/tolerance_refresh.h"
#include "jobsettings/reinf_keys.h"
#include "jobsettings/reinf_names.h"
#include "platform/string_resources.h"

namespace {

constexpr int kStoredTemplates = 8;

// Which project variable mirrors which field of the project description.
constexpr ProjectMirror kReinfProjectMirrors[] = {
    {&TPROJECT::Office, VAR_OFF_NAME},          {&TPROJECT::Investor, VAR_INV_NAME},
    {&TPROJECT::ProjectName, VAR_PROJECT_NAME}, {&TPROJECT::ProjectNo, VAR_PROJECT_VERSION},
    {&TPROJECT::Address, VAR_OFF_ADDRESS},      {&TPROJECT::Designer, VAR_USER_ADDRESS},
    {&TPROJECT::Revision, VAR_REV_NUM},         {&TPROJECT::Verified, VAR_VERIF},
    {&TPROJECT::Date, VAR_REPORT_DATE},
};

// The variables that the investor's and the office's answer for.
constexpr std::pair<PRN_VARIABLE_TYPES, PRN_VARIABLE_TYPES> kAnsweredVariables[] = {
    {VAR_USER_NAME, VAR_INV_NAME},
    {VAR_COMPANY_NAME, VAR_OFF_NAME},
    {VAR_COMPANY_ADDRESS, VAR_OFF_ADDRESS},
};

// The text the reinforcement preferences give a user symbol meaning "no
// symbol", in the product's language; empty without the resource module.
KOVTString NoSymbolText() {
  constexpr unsigned kNoSymbolString = 51;
  constexpr int kMaxLength = 1024;
  // A null module would make LoadStringW read the program's own table.
  HMODULE preferences = KOVTGetResourceHandle(L"KOVRPREF");
  if (preferences == nullptr) return {};
  wchar_t text[kMaxLength + 1] = {};
  ::LoadStringW(preferences, kNoSymbolString, text, kMaxLength + 1);
  return text;
}

}  // namespace

std::int32_t KOVTReinfJobSettings::FormatVersion = 1;

KOVTJobSettings::CommonBlocks KOVTReinfJobSettings::StoredBlocks() {
  // Sets written before the investor and the office had variables of their
  // own: the user's and the company's stand in.
  static constexpr VariableFallback kVariableFallbacks[] = {
      {VAR_INV_NAME, VAR_USER_NAME},
      {VAR_INV_ADDRESS, VAR_USER_ADDRESS},
      {VAR_OFF_NAME, VAR_COMPANY_NAME},
      {VAR_OFF_ADDRESS, VAR_COMPANY_ADDRESS},
  };
  return {.variables = VAR_COUNT,
          .templates = kStoredTemplates,
          .dataAfterSize = true,
          .variableFallbacks = kVariableFallbacks};
}

KOVTReinfJobSettings::KOVTReinfJobSettings() : KOVTReinfJobSettings(nullptr, KoVTPrjReg::kReadWrite) {}

KOVTReinfJobSettings::KOVTReinfJobSettings(PnDbDictionary* dict, KoVTPrjReg::TAccessRight access) {
  Load(dict, access);
}

void KOVTReinfJobSettings::Initialize() {
  InitializeCommonBlocks();
  ResetModuleKeys();
  std::copy(KovrNames::kBarDataBases.begin(), KovrNames::kBarDataBases.end(), Mater.BarDataBases.begin());
  std::copy(KovrNames::kMeshDataBases.begin(), KovrNames::kMeshDataBases.end(), Mater.MeshDataBases.begin());
}

void KOVTReinfJobSettings::InitializeCommonBlocks() {
  ResetCommonBlocks(true);
  TVARIABLES& variables = Variables();
  for (const VariableFallback& copy : StoredBlocks().variableFallbacks)
    variables.Values[copy.variable] = variables.Values[copy.source];
  Templates().RowCount = 10;
}

void KOVTReinfJobSettings::WalkModule(KOVTJobSettings& settings, KovtJobKeys::Filer& filer) {
  auto& reinforcement = static_cast<KOVTReinfJobSettings&>(settings);
  KovtJobKeys::Walk(KovrJobKeys::MaterialKeys(), reinforcement, filer);
  KovtJobKeys::Walk(KovrJobKeys::DisplayKeys(), reinforcement, filer);
  WalkProject(reinforcement, filer);
}

void KOVTReinfJobSettings::RefreshTolerances() const {
  const KovtReinfToleranceUnits units{.WorkUnitMode = Units.workUnitMode,
                                      .WorkUnits = Units.workUnits,
                                      .BarDisplayPrecision = Options.BarDisplayPrecisionDbl,
                                      .DisDisplayPrecision = Options.DisDisplayPrecisionDbl,
                                      .BarSegmentsDisplayPrecision = Options.BarSegmentsDisplayPrecisionDbl};
  KovtRefreshFromReinforcement(KOVT_EPSILON(), units);
  KovtRefreshFromReinforcement(KOVR_EPSILON(), units);
}

KOVTString* KOVTReinfJobSettings::GetVariable(PRN_VARIABLE_TYPES type) {
  PRN_VARIABLE_TYPES answered = type;
  for (const auto& [asked, answer] : kAnsweredVariables)
    if (type == asked) answered = answer;
  return KOVTModuleJobSettings::GetVariable(answered);
}

void KOVTReinfJobSettings::TVARIABLES_2_RPROJECT() {
  VariablesToProject(Project, kReinfProjectMirrors);
}

void KOVTReinfJobSettings::RPROJECT_2_TVARIABLES() {
  ProjectToVariables(Project, kReinfProjectMirrors);
}

const wchar_t* const* KOVTReinfJobSettings::GetReinNorms() { return KovrNames::kReinNorms; }

const wchar_t* const* KOVTReinfJobSettings::GetDrawNorms() { return KovrNames::kDrawNorms; }

const wchar_t* const* KOVTReinfJobSettings::GetDrawNormsEnumStrings() { return KovrNames::kDrawNormsEnumStrings; }

rmater_steelsymbol KOVTReinfJobSettings::GetSteelSymb(KOVTString steelClass, KOVTString* text) const {
  const std::size_t inUse =
      std::min(Mater.SteelList.size(), static_cast<std::size_t>(std::max<std::int32_t>(Mater.ReinfSteelSize, 0)));
  const auto listed =
      std::find_if(Mater.SteelList.begin(), Mater.SteelList.begin() + static_cast<std::ptrdiff_t>(inUse),
                   [&](const RSTEEL& steel) { return steel.Class == steelClass; });
  if (listed != Mater.SteelList.begin() + static_cast<std::ptrdiff_t>(inUse)) {
    const auto symbol = static_cast<rmater_steelsymbol>(listed->Symbol);
    if (text != nullptr) {
      KOVTString shown = listed->UserSymbol;
      if (shown.IsEmpty()) {
        SetSteelSymbol(symbol, shown);
      } else if (shown == NoSymbolText()) {
        shown.Empty();
      }
      *text = shown;
    }
    return symbol;
  }
  const std::pair<const KOVTString&, std::int32_t> grades[] = {
      {Mater.LongReinfSteelClass, Mater.LongReinfSteelSymbol},
      {Mater.TranReinfSteelClass, Mater.TranReinfSteelSymbol},
      {Mater.DistReinfSteelClass, Mater.DistReinfSteelSymbol},
  };
  for (const auto& [grade, symbol] : grades)
    if (grade == steelClass) return static_cast<rmater_steelsymbol>(symbol);
  return RMATER_SYMBOL_FIRST;
}

void KOVTReinfJobSettings::SetSteelSymbol(rmater_steelsymbol symbol, KOVTString& text) {
  if (const wchar_t* standard = KovrNames::SteelSymbolText(symbol)) text = standard;
}
