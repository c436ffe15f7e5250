// The tolerances of a drawing: geometric comparisons and rounding in the
// family follow the drawing's work unit through these two records. Each
// drawing gets its pair with the defaults on first use; the job settings
// bring them in line with their units (tolerance_refresh.h).
#pragma once

#include <cstdint>

class PnDbDatabase;

// Which settings refreshed a record last (KovtEpsilon::SetBy).
enum KovtEpsilonSource : std::int32_t {
  eEpsilonDefault = -1,
  eEpsilonReinforcement = 0,
  eEpsilonSteel = 1,
  eEpsilonFormwork = 4,
  eEpsilonBarShapes = 5,
};

struct KovtEpsilon {
  double LinearTolerance = 1e-6;
  double DisplayTolerance = 0.001;
  double AngularTolerance = 0.0017453292519943296;  // 0.1 degree; no refresh changes it
  bool IsMetric = true;
  // One base unit ("mm" when metric, "in" otherwise) in the work unit.
  double UnitFactor = 1.0;
  std::int32_t SetBy = eEpsilonDefault;
};

// The reinforcement record: the common fields, then its own.
struct KovrEpsilon : KovtEpsilon {
  double DistanceTolerance = 1.0;
  double SegmentTolerance = 1.0;
  double FineTolerance = 0.01;
};

struct KovtEpsilonPair {
  KovtEpsilon Common;
  KovrEpsilon Reinforcement;
};

// The records of the working drawing, changed in place by the callers. Without
// a working drawing one process-wide pair serves.
KovtEpsilon& KOVT_EPSILON();
KovrEpsilon& KOVR_EPSILON();

// The pair of a drawing (null: the working one), created with the defaults.
// References stay valid until the drawing's pair is forgotten.
KovtEpsilonPair& KovtEpsilonsOf(PnDbDatabase* database);

// Drops the pair of a drawing that is being closed, so a drawing opened later
// at the same address starts from the defaults.
void KovtForgetEpsilons(const PnDbDatabase* database);
