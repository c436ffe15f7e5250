#include "jobsettings/steel_job_settings.h"

#include <algorithm>
#include <utility>

#include "environment/tolerance_refresh.h"
#include "host/host.h"
#include "jobsettings/steel_keys.h"

namespace {

// The first `count` rules of `rules` (never more than it holds) that `matches`
// accepts give the colour.
template <class Rule, class Matches>
int FirstColor(const std::vector<Rule>& rules, std::int32_t count, Matches matches) {
  const std::size_t walked = std::min(rules.size(), static_cast<std::size_t>(std::max<std::int32_t>(count, 0)));
  for (std::size_t i = 0; i < walked; ++i) {
    if (matches(rules[i])) return rules[i].Color;
  }
  return kSteelColorByLayer;
}

}  // namespace

std::int32_t KOVTSteelJobSettings::FormatVersion = 1;

KOVTJobSettings::CommonBlocks KOVTSteelJobSettings::StoredBlocks() {
  return {.variables = VAR_COMPANY_LOGO + 1, .templates = 3};
}

KOVTSteelJobSettings::KOVTSteelJobSettings() : KOVTSteelJobSettings(nullptr) {}

KOVTSteelJobSettings::KOVTSteelJobSettings(PnDbDictionary* dict) { Load(dict, KoVTPrjReg::kReadWrite); }

void KOVTSteelJobSettings::Initialize() {
  ResetCommonBlocks(true);
  ResetModuleKeys();
  // The colour rules are kept until a stored set replaces them; the
  // finishings are not.
  Material.SurfaceFinishingVector.clear();
  Material.BoltsSurfaceFinishingVector.clear();
  ResetBlock(Display);
}

void KOVTSteelJobSettings::WalkModule(KOVTJobSettings& settings, KovtJobKeys::Filer& filer) {
  auto& steel = static_cast<KOVTSteelJobSettings&>(settings);
  KovtJobKeys::Walk(KovsJobKeys::ModelKeys(), steel, filer);
  WalkProject(steel, filer);
  KovtJobKeys::Walk(KovsJobKeys::ApplicationKeys(), steel, filer);
}

void KOVTSteelJobSettings::RefreshTolerances() const { KovtRefreshFromSteel(KOVT_EPSILON(), Units.WorkUnitMode); }

void KOVTSteelJobSettings::TVARIABLES_2_SPROJECT() {
  VariablesToProject(Project);
}

void KOVTSteelJobSettings::SPROJECT_2_TVARIABLES() {
  ProjectToVariables(Project);
}

int KOVTSteelJobSettings::GetBoltColorByGrade(KOVTString grade) const {
  return FirstColor(Welding.BoltColorGrade, Welding.BoltColorGradeSize,
                    [&](const SGRADE& rule) { return rule.Grade == grade; });
}

int KOVTSteelJobSettings::GetBoltColorByDiameter(double diameter) const {
  return FirstColor(Welding.BoltColorDiam, Welding.BoltColorDiamSize,
                    [&](const SDIAM& rule) { return rule.Diameter == diameter; });
}

bool KOVTSteelJobSettings::IsWeldNormUS() const {
  const PnDbDatabase* drawing = pndbHostApplicationServices()->workingDatabase();
  return drawing != nullptr && drawing->measurement() == PnDb::kEnglish;
}
