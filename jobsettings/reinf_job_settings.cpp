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

const RMATER& DefaultMaterials() {
  static const RMATER kDefaults = [] {
    RMATER materials;
    std::copy(KovrNames::kBarDataBases.begin(), KovrNames::kBarDataBases.end(), materials.BarDataBases.begin());
    std::copy(KovrNames::kMeshDataBases.begin(), KovrNames::kMeshDataBases.end(), materials.MeshDataBases.begin());
    return materials;
  }();
  return kDefaults;
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
  InitializeUnits();
  ResetBlock(Norms);
  Norms.Reinforce = KovrNames::kReinNorms[0];
  Norms.Drawing = KovrNames::kDrawNorms[0];
  InitializeMaterials();
  ResetBlock(Options);
  ResetBlock(BarOpt);
  ResetBlock(BarDsp);
  ResetBlock(BarStl);
  ResetBlock(BarShape);
  ResetBlock(MeshOpt);
  ResetBlock(MeshDsp);
  ResetBlock(MeshStl);
  ResetBlock(ProfStl);
  ResetBlock(BimStl);
  ProfDatabase = L"RCAT";
  ResetBlock(Project);
}

void KOVTReinfJobSettings::InitializeCommonBlocks() {
  ResetCommonBlocks(true);
  TVARIABLES& variables = Variables();
  for (const VariableFallback& copy : StoredBlocks().variableFallbacks)
    variables.Values[copy.variable] = variables.Values[copy.source];
  Templates().RowCount = 10;
}

// The unit block keeps its attributes; only the stored choices are reset.
void KOVTReinfJobSettings::InitializeUnits() {
  RUNITS& units = Units;
  units.workUnitMode = 1;
  units.workUnitType = 0;
  units.workUnits = L"mm";
  units.lengthUnit = L"m";
  units.coverUnit = units.spacingUnit = L"mm";
  units.massUnit = L"kg";
  units.diameterUnit = L"mm";
  units.surfaceUnit = L"cm2";
  units.styleUnit = L"mm";
  units.lengthPrecision = units.coverPrecision = units.spacingPrecision = 3;
  units.massPrecision = units.diameterPrecision = units.surfacePrecision = 2;
  units.stylePrecision = 0;
  units.lengthCoeff = 0.001;
  units.coverCoeff = units.spacingCoeff = units.massCoeff = units.diameterCoeff = units.surfaceCoeff =
      units.styleCoeff = 1.0;
  units.descFormatMode = 1;
  units.lessThenOneUnit = units.greaterThenOneUnit = L"m";
  units.lessThenOnePrecision = units.greaterThenOnePrecision = 2;
  units.impDescFormatType = 0;
  units.impDescFormatPrecision = 4;
}

// The steel list and the database path numbers belong to the drawing's
// history rather than to the defaults: they stay until a set replaces them.
void KOVTReinfJobSettings::InitializeMaterials() {
  std::vector<RSTEEL> steelList = std::move(Mater.SteelList);
  const std::int32_t barPath = Mater.BarDataBasePath;
  const std::int32_t meshPath = Mater.MeshDataBasePath;
  Mater = DefaultMaterials();
  Mater.SteelList = std::move(steelList);
  Mater.BarDataBasePath = barPath;
  Mater.MeshDataBasePath = meshPath;
}

bool KOVTReinfJobSettings::ReadJobSettings(KOVTString name, PnDbDictionary* dict, KoVTPrjReg::TAccessRight access) {
  if (!ReadSet(name, dict, access, FormatVersion, StoredBlocks(), &WalkModule)) return false;
  RefreshTolerances();
  return true;
}

void KOVTReinfJobSettings::WriteJobSettings(KOVTString name, PnDbDictionary* dict) {
  WriteSet(name, dict, FormatVersion, StoredBlocks(), &WalkModule);
  RefreshTolerances();
}

std::vector<KovtJobKeys::Entry> KOVTReinfJobSettings::ListKeys() {
  return ListSet(FormatVersion, StoredBlocks(), &WalkModule);
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
  return VariableAmong(answered, VAR_COUNT);
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
