#include "units/sv_units_service_context.h"

#include "core/db_helpers.h"
#include "host/database.h"
#include "jobsettings/access_points.h"

namespace {

// What a drawing starts with, for calls made without one.
constexpr int kHostLinearUnits = 2;
constexpr int kHostPrecision = 4;

}  // namespace

KovtUnitsCallContext::KovtUnitsCallContext() : m_context(KOVTContext().GetContext()), m_drawing(KoVTCoreAPI::WorkingDatabase()) {
  if (IsReinforcement()) {
    if (const KOVTReinfJobSettings* settings = REINF_JOBSET()) m_reinforcement = &settings->Units;
  } else if (IsSteel()) {
    if (const KOVTSteelJobSettings* settings = STEEL_JOBSET()) m_steel = &settings->Units;
  } else if (IsFormwork()) {
    if (const KOVTFormworkJobSettings* settings = FORMWORK_JOBSET()) m_formwork = &settings->Units;
  }
}

bool KovtUnitsCallContext::IsReinforcement() const {
  return m_context == KOVT_CONTEXT_REINFORCEMENT || m_context == KOVT_CONTEXT_BARSHAPES;
}

int KovtUnitsCallContext::WorkMetric() const {
  if (IsReinforcement()) return m_reinforcement != nullptr ? m_reinforcement->workUnitMode : 1;
  if (IsSteel()) return m_steel != nullptr ? m_steel->WorkUnitMode : 1;
  if (IsFormwork()) return 1;
  return m_drawing == nullptr || m_drawing->measurement() == PnDb::kMetric ? 1 : 0;
}

int KovtUnitsCallContext::DescMetric() const {
  if (IsReinforcement()) return m_reinforcement != nullptr ? m_reinforcement->descFormatMode : 1;
  return WorkMetric();
}

int KovtUnitsCallContext::WorkLengthCode() const {
  if (m_reinforcement != nullptr) return KovtUnit::CodeOfNameOrMm(m_reinforcement->workUnits);
  if (m_formwork != nullptr) return KovtUnit::CodeOfNameOrMm(m_formwork->WorkUnits);
  return WorkMetric() != 0 ? 0 : 3;
}

int KovtUnitsCallContext::WorkCode(KovtUnit::Quantity quantity) const {
  return WorkLengthCode() + KovtUnit::BaseCode(quantity);
}

int KovtUnitsCallContext::DrawingLinearUnits() const {
  return m_drawing != nullptr ? m_drawing->lunits() : kHostLinearUnits;
}

int KovtUnitsCallContext::DrawingPrecision() const {
  return m_drawing != nullptr ? m_drawing->luprec() : kHostPrecision;
}
