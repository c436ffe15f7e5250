// The work unit of the current context and the coefficients of the unit
// selections for it.
#include "core/db_helpers.h"
#include "environment/app_context.h"
#include "host/database.h"
#include "jobsettings/access_points.h"
#include "units/unit_conversion.h"
#include "units/unit_system.h"

namespace {

bool HasWorkingDrawing() { return KoVTCoreAPI::WorkingDatabase() != nullptr; }

KOVTString ReinforcementWorkUnits() {
  const KOVTReinfJobSettings* settings = REINF_JOBSET();
  return settings != nullptr ? settings->Units.workUnits : KOVTString();
}

KOVTString FormworkWorkUnits() {
  const KOVTFormworkJobSettings* settings = FORMWORK_JOBSET();
  return settings != nullptr ? settings->Units.WorkUnits : KOVTString();
}

// What the coefficients convert from: the formwork's work unit in its own
// context, the reinforcement's in every other, steel included. "Units.WorkUnits"
// rather than "Units.Length", as the worked example (from "m", 1000 for "mm")
// and the text functions of the unit info read it.
KOVTString JobSettingsWorkUnits() {
  return KOVTContext().GetContext() == KOVT_CONTEXT_FORMWORK ? FormworkWorkUnits() : ReinforcementWorkUnits();
}

}  // namespace

KOVTString KOVTGetWorkUnits() {
  if (!HasWorkingDrawing()) return {};
  switch (KOVTContext().GetContext()) {
    case KOVT_CONTEXT_STEEL:
      return IsMetric() != 0 ? L"mm" : L"in";
    case KOVT_CONTEXT_FORMWORK:
      return FormworkWorkUnits();
    default:
      return ReinforcementWorkUnits();
  }
}

double GetCoeffFromSel(int selection) { return GetCoeffFromSel(selection, JobSettingsWorkUnits()); }

double GetSurfaceCoeffFromSel(int selection) { return GetSurfaceCoeffFromSel(selection, JobSettingsWorkUnits()); }

double GetVolumeCoeffFromSel(int selection) { return GetVolumeCoeffFromSel(selection, JobSettingsWorkUnits()); }
