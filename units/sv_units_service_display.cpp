// Metric queries, display modes and precisions, and values written as text
// and read back through the formatting service.
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "environment/tolerances.h"
#include "jobsettings/formwork_job_settings.h"
#include "units/runits.h"
#include "units/sv_units_service.h"
#include "units/sv_units_service_context.h"
#include "units/unit_factors.h"
#include "units/zem_enabler_service.h"

namespace {

constexpr double kPi = 3.141592653589793;
// Added before rounding down so that halves computed in single precision round up.
constexpr float kRoundingNudge = 1.1920928955078125e-07f;

// Kinds whose descriptions switch units around one metre.
constexpr int kDescriptionKinds[] = {0, 1, 6, 8, 9};
// Kinds that write with the caller's precision.
constexpr int kCallerPrecisionKinds[] = {2, 9};
// The kind that always writes decimals.
constexpr int kDecimalKind = 10;

template <std::size_t N>
bool IsOneOf(const int (&kinds)[N], int kind) {
  for (int listed : kinds)
    if (listed == kind) return true;
  return false;
}

// The precision a kind takes: from the active module's settings, or fixed.
template <class Units>
struct KindPrecision {
  int kind;
  std::int32_t Units::*setting;  // null: `fixed`
  int fixed;
};

constexpr KindPrecision<RUNITS> kReinforcementPrecisions[] = {
    {1, &RUNITS::lengthPrecision, 0},
    {2, &RUNITS::diameterPrecision, 0},
    {3, &RUNITS::coverPrecision, 0},
    {4, nullptr, 0},
    {5, &RUNITS::surfacePrecision, 0},
    {6, &RUNITS::spacingPrecision, 0},
    {7, &RUNITS::massPrecision, 0},
    {8, &RUNITS::stylePrecision, 0},
    {9, nullptr, 2},
};

constexpr KindPrecision<XUNITS> kFormworkPrecisions[] = {
    {1, &XUNITS::LengthPrecision, 0},
    {2, &XUNITS::CrossDimPrecision, 0},
    {3, &XUNITS::HoleDimPrecision, 0},
    {4, &XUNITS::VolumePrecision, 0},
    {5, &XUNITS::SurfacePrecision, 0},
    {6, &XUNITS::MassPrecision, 0},
    {7, &XUNITS::AnglePrecision, 0},
    {8, nullptr, 2},
    {9, nullptr, 2},
};

constexpr int kUnknownPrecision = -1;

// A kind the table does not list is unknown; a listed setting the drawing
// has no settings for keeps the drawing's precision.
template <class Units, std::size_t N>
int PrecisionFrom(const KindPrecision<Units> (&table)[N], const Units* units, int kind, int drawingPrecision) {
  for (const KindPrecision<Units>& entry : table) {
    if (entry.kind != kind) continue;
    if (entry.setting == nullptr) return entry.fixed;
    return units != nullptr ? units->*entry.setting : drawingPrecision;
  }
  return kUnknownPrecision;
}

constexpr int kSteelAngleKind = 3;

std::optional<int> AngleKindOf(const KovtUnitsCallContext& call) {
  if (call.IsReinforcement()) return 4;
  if (call.IsSteel()) return kSteelAngleKind;
  if (call.IsFormwork()) return 7;
  return std::nullopt;
}

bool IsAngle(const KovtUnitsCallContext& call, int kind) { return AngleKindOf(call) == kind; }

int DisplayMode(const KovtUnitsCallContext& call, int kind) {
  if (call.IsReinforcement()) {
    if (kind == 4) return kZemDecimalDegrees;
    const RUNITS* units = call.Reinforcement();
    // Without settings the work counts as metric.
    if (kind == 5 || kind == 7 || units == nullptr || call.WorkMetric() != 0) return kZemDecimal;
    return units->workUnitType != 0 ? kZemEngineering : kZemArchitectural;
  }
  if (call.IsFormwork()) return kind == 7 ? kZemDecimalDegrees : kZemDecimal;
  if (call.IsSteel() && kind == kSteelAngleKind) return kZemDecimalDegrees;
  return call.DrawingLinearUnits();
}

int Precision(const KovtUnitsCallContext& call, int kind) {
  const int drawing = call.DrawingPrecision();
  if (call.IsReinforcement()) return PrecisionFrom(kReinforcementPrecisions, call.Reinforcement(), kind, drawing);
  if (call.IsFormwork()) return PrecisionFrom(kFormworkPrecisions, call.Formwork(), kind, drawing);
  if (call.IsSteel()) return kind == kSteelAngleKind ? 0 : kUnknownPrecision;
  return drawing;
}

TxISvZemEnabler* Enabler() { return KovtFindService<TxISvZemEnabler>(kZemEnablerServiceName); }

// Angles go to the enabler as they are given.
int Write(TxISvZemEnabler& enabler, bool angle, double value, int mode, int precision,
          wchar_t (&buffer)[kZemTextBufferSize]) {
  return angle ? enabler.AngleToText(value, mode, precision, buffer)
               : enabler.RealToText(value, mode, precision, buffer);
}

// Unknown names leave the value as it is.
double LengthConverted(const KOVTString& from, const KOVTString& to, double value) {
  KovtUnit::ConvertByNames(KovtUnit::Quantity::Length, from, to, value, value);
  return value;
}

// How a description writes a value: the value in the unit chosen, the mode
// and the decimals.
struct DescriptionForm {
  double value;
  int mode;
  int precision;
};

// The reinforcement's description units: below and above one metre when
// metric, feet and inches otherwise.
DescriptionForm ReinforcementDescription(const KovtUnitsCallContext& call, const RUNITS& units, double value,
                                         bool* aboveOneMetre) {
  if (call.DescMetric() == 0)
    return {LengthConverted(units.workUnits, L"in", value),
            units.impDescFormatType != 0 ? kZemEngineering : kZemArchitectural, units.impDescFormatPrecision};
  const double oneMetre = LengthConverted(L"m", units.workUnits, 1.0);
  const bool above = value > oneMetre;
  if (aboveOneMetre != nullptr) *aboveOneMetre = above;
  if (above) return {LengthConverted(units.workUnits, units.greaterThenOneUnit, value), kZemDecimal,
                     units.greaterThenOnePrecision};
  return {LengthConverted(units.workUnits, units.lessThenOneUnit, value), kZemDecimal, units.lessThenOnePrecision};
}

}  // namespace

int KovtSvUnitsService::IsWorkMetric() { return KovtUnitsCallContext().WorkMetric(); }

int KovtSvUnitsService::IsDescMetric() { return KovtUnitsCallContext().DescMetric(); }

KOVTString& KovtSvUnitsService::FormatValue(KOVTString& text, double value, int kind, int precision) {
  KOVTString written;
  if (!FormatCore(value, written, kind, precision)) written.Empty();
  text = written;
  return text;
}

KOVTString& KovtSvUnitsService::FormatDescValue(KOVTString& text, double value, int kind, bool* aboveOneMetre,
                                                int precision) {
  if (!IsOneOf(kDescriptionKinds, kind)) return FormatValue(text, value, kind, kUnknownPrecision);
  const KovtUnitsCallContext call;
  DescriptionForm form{value, call.DrawingLinearUnits(), call.DrawingPrecision()};
  if (const RUNITS* units = call.Reinforcement()) form = ReinforcementDescription(call, *units, value, aboveOneMetre);
  if (kind == 9) form.precision = precision;
  text.Empty();
  if (TxISvZemEnabler* enabler = Enabler()) {
    wchar_t buffer[kZemTextBufferSize] = {};
    Write(*enabler, IsAngle(call, kind), form.value, form.mode, form.precision, buffer);
    text = buffer;
  }
  return text;
}

double KovtSvUnitsService::ParseValue(KOVTString text, int kind) {
  double value = 0.0;
  ParseCore(text, value, kind);
  return value;
}

double KovtSvUnitsService::RoundToStep(double value, double step) {
  if (step < KOVT_EPSILON().LinearTolerance) step = 1.0;
  const double steps = value / step;
  // Beyond single precision there is nothing left to round.
  if (!(std::fabs(steps) < std::numeric_limits<float>::max())) return value;
  return std::floor(static_cast<float>(steps) + 0.5f + kRoundingNudge) * step;
}

bool KovtSvUnitsService::FormatCore(double value, KOVTString& text, int kind, int precision) {
  TxISvZemEnabler* enabler = Enabler();
  if (enabler == nullptr) return false;
  const KovtUnitsCallContext call;
  const int mode = kind == kDecimalKind ? kZemDecimal : DisplayMode(call, kind);
  if (!IsOneOf(kCallerPrecisionKinds, kind)) precision = Precision(call, kind);
  const bool angle = IsAngle(call, kind);
  wchar_t buffer[kZemTextBufferSize] = {};
  const int result = Write(*enabler, angle, angle ? value * kPi / 180.0 : value, mode, precision, buffer);
  text = buffer;
  return result == kZemOk;
}

bool KovtSvUnitsService::ParseCore(KOVTString text, double& value, int kind) {
  TxISvZemEnabler* enabler = Enabler();
  if (enabler == nullptr) return false;
  const KovtUnitsCallContext call;
  const int mode = DisplayMode(call, kind);
  if (!IsAngle(call, kind)) return enabler->TextToDistance(text, mode, value) == kZemOk;
  double radians = 0.0;
  if (enabler->TextToAngle(text, mode, radians) != kZemOk) return false;
  value = radians * 180.0 / kPi;
  return true;
}

int KovtSvUnitsService::DisplayModeOfKind(int kind) { return DisplayMode(KovtUnitsCallContext(), kind); }

int KovtSvUnitsService::PrecisionOfKind(int kind) { return Precision(KovtUnitsCallContext(), kind); }

bool KovtSvUnitsService::IsAngleKind(int kind) { return IsAngle(KovtUnitsCallContext(), kind); }
