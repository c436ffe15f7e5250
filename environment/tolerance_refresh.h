// How the job settings bring a drawing's tolerance records in line with their
// units, after every read of an existing settings set and after every write.
//
// The conversion factor comes from the units service registered with the host
// as "KOVT_UNITS", looked up at the moment of the refresh (the default
// argument); while none is registered a refresh changes nothing. Once the
// reinforcement settings have refreshed the common record, the steel and
// formwork settings leave it alone.
#pragma once

#include <cstdint>

#include "core/kovt_string.h"
#include "environment/tolerances.h"

class TxISvUnits;

// The service registered as "KOVT_UNITS" when it implements TxISvUnits; null otherwise.
TxISvUnits* KovtRegisteredUnits();

// The reinforcement settings the refresh reads.
struct KovtReinfToleranceUnits {
  std::int32_t WorkUnitMode{};           // "Units.WorkUnitMode": non-zero is metric
  KOVTString WorkUnits;                  // "Units.WorkUnits"
  double BarDisplayPrecision{};          // "Options.BarDisplayPrecisionDbl"
  double DisDisplayPrecision{};          // "Options.DisDisplayPrecisionDbl"
  double BarSegmentsDisplayPrecision{};  // "Options.BarSegmentsDisplayPrecisionDbl"
};

// The common record from the reinforcement settings (SetBy becomes 0).
void KovtRefreshFromReinforcement(KovtEpsilon& record, const KovtReinfToleranceUnits& settings,
                                  TxISvUnits* units = KovtRegisteredUnits());
// The reinforcement record: the same, plus its distance, segment and fine tolerances.
void KovtRefreshFromReinforcement(KovrEpsilon& record, const KovtReinfToleranceUnits& settings,
                                  TxISvUnits* units = KovtRegisteredUnits());

// The common record from the steel settings' "Units.WorkUnitMode", unless the
// reinforcement or bar-shape settings refreshed it (SetBy becomes 1).
void KovtRefreshFromSteel(KovtEpsilon& record, std::int32_t workUnitMode,
                          TxISvUnits* units = KovtRegisteredUnits());

// The common record from the formwork settings' "Units.WorkUnits", always
// metric, unless the reinforcement or bar-shape settings refreshed it (SetBy becomes 4).
void KovtRefreshFromFormwork(KovtEpsilon& record, const KOVTString& workUnits,
                             TxISvUnits* units = KovtRegisteredUnits());
