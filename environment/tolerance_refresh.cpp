#include "environment/tolerance_refresh.h"

#include "units/kovt_service.h"
#include "units/sv_units.h"

namespace {

// Per base unit: the metric one is a millimetre, the imperial one an inch,
// whose tolerances are powers of two so that fractions stay exact.
struct BaseUnit {
  const wchar_t* name;
  double linear;
  double fine;
};
constexpr BaseUnit kMetricBase = {L"mm", 1e-7, 0.01};
constexpr BaseUnit kImperialBase = {L"in", 3.90625e-08, 0.00390625};

const BaseUnit& BaseOf(bool metric) { return metric ? kMetricBase : kImperialBase; }

// One base unit in the work unit; 1.0 when the service does not know a name.
double FactorTo(TxISvUnits& units, const BaseUnit& base, const KOVTString& workUnits) {
  double factor = 1.0;
  units.ConvertLengthByNames(base.name, workUnits, 1.0, factor);
  return factor;
}

bool LeftToOthers(const KovtEpsilon& record) {
  return record.SetBy == eEpsilonReinforcement || record.SetBy == eEpsilonBarShapes;
}

}  // namespace

TxISvUnits* KovtRegisteredUnits() { return KovtFindService<TxISvUnits>(kUnitsServiceName); }

void KovtRefreshFromReinforcement(KovtEpsilon& record, const KovtReinfToleranceUnits& settings,
                                  TxISvUnits* units) {
  if (units == nullptr) return;
  const bool metric = settings.WorkUnitMode != 0;
  const BaseUnit& base = BaseOf(metric);
  record.IsMetric = metric;
  record.UnitFactor = FactorTo(*units, base, settings.WorkUnits);
  record.LinearTolerance = record.UnitFactor * base.linear;
  record.DisplayTolerance = record.UnitFactor * settings.BarDisplayPrecision;
  record.SetBy = eEpsilonReinforcement;
}

void KovtRefreshFromReinforcement(KovrEpsilon& record, const KovtReinfToleranceUnits& settings,
                                  TxISvUnits* units) {
  if (units == nullptr) return;
  KovtRefreshFromReinforcement(static_cast<KovtEpsilon&>(record), settings, units);
  record.DistanceTolerance = record.UnitFactor * settings.DisDisplayPrecision;
  record.SegmentTolerance = record.UnitFactor * settings.BarSegmentsDisplayPrecision;
  record.FineTolerance = record.UnitFactor * BaseOf(record.IsMetric).fine;
}

void KovtRefreshFromSteel(KovtEpsilon& record, std::int32_t workUnitMode, TxISvUnits* units) {
  if (units == nullptr || LeftToOthers(record)) return;
  const bool metric = workUnitMode != 0;
  record.IsMetric = metric;
  record.UnitFactor = 1.0;
  record.LinearTolerance = BaseOf(metric).linear;
  record.DisplayTolerance = metric ? 10.0 : 1.0;
  record.SetBy = eEpsilonSteel;
}

void KovtRefreshFromFormwork(KovtEpsilon& record, const KOVTString& workUnits, TxISvUnits* units) {
  if (units == nullptr || LeftToOthers(record)) return;
  record.IsMetric = true;
  record.UnitFactor = FactorTo(*units, kMetricBase, workUnits);
  record.LinearTolerance = record.UnitFactor * kMetricBase.linear;
  record.DisplayTolerance = record.UnitFactor * 10.0;
  record.SetBy = eEpsilonFormwork;
}
