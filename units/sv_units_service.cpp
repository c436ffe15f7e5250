// Conversions, unit codes and display names of the units service.
#include "units/sv_units_service.h"

#include <optional>

#include "jobsettings/formwork_job_settings.h"
#include "units/runits.h"
#include "units/sv_units_service_context.h"
#include "units/unit_factors.h"

using KovtUnit::Quantity;

namespace {

// A unit kind that names a unit of the active module's settings.
template <class Units>
struct KindUnit {
  Quantity quantity;
  int kind;
  KOVTString Units::*unit;
};

constexpr KindUnit<RUNITS> kReinforcementKinds[] = {
    {Quantity::Length, 0, &RUNITS::lengthUnit},   // "Units.Length"
    {Quantity::Length, 3, &RUNITS::coverUnit},    // "Units.ReinfCover"
    {Quantity::Length, 5, &RUNITS::spacingUnit},  // "Units.ReinfSpace"
    {Quantity::Surface, 0, &RUNITS::surfaceUnit},  // "Units.ReinfSurface"
    {Quantity::Mass, 1, &RUNITS::massUnit},       // "Units.ReinfMass"
};

constexpr KindUnit<XUNITS> kFormworkKinds[] = {
    {Quantity::Length, 0, &XUNITS::Length},     // "Units.Length"
    {Quantity::Length, 2, &XUNITS::CrossDim},   // "Units.FormworkCrossDim"
    {Quantity::Length, 4, &XUNITS::HoleDim},    // "Units.FormworkHoleDim"
    {Quantity::Surface, 0, &XUNITS::Surface},   // "Units.FormworkSurface"
    {Quantity::Volume, 0, &XUNITS::Volume},     // "Units.FormworkVolume"
    {Quantity::Mass, 0, &XUNITS::Mass},         // "Units.FormworkMass"
    {Quantity::Angle, 2, &XUNITS::Angle},       // "Units.FormworkAngle"
};

// In every context these kinds stand for the work unit.
struct WorkKind {
  Quantity quantity;
  int kind;
};
constexpr WorkKind kWorkKinds[] = {{Quantity::Length, 6}, {Quantity::Surface, 1}, {Quantity::Volume, 1}};

// Unit of a kind no table names.
struct DefaultCodes {
  Quantity quantity;
  int metric;
  int imperial;
};
constexpr DefaultCodes kDefaultCodes[] = {
    {Quantity::Length, 0, 3},   {Quantity::Surface, 5, 8}, {Quantity::Volume, 10, 13},
    {Quantity::Mass, 16, 17},   {Quantity::Angle, 20, 20},
};

template <class Units, std::size_t N>
std::optional<int> CodeFromSettings(const KindUnit<Units> (&table)[N], const Units* units, Quantity quantity,
                                    int kind) {
  if (units == nullptr) return std::nullopt;
  for (const KindUnit<Units>& entry : table)
    if (entry.quantity == quantity && entry.kind == kind) return KovtUnit::CodeOfNameOrMm(units->*entry.unit);
  return std::nullopt;
}

int CodeOfKind(const KovtUnitsCallContext& call, Quantity quantity, int kind) {
  for (const WorkKind& work : kWorkKinds)
    if (work.quantity == quantity && work.kind == kind) return call.WorkCode(quantity);
  std::optional<int> code = CodeFromSettings(kReinforcementKinds, call.Reinforcement(), quantity, kind);
  if (!code) code = CodeFromSettings(kFormworkKinds, call.Formwork(), quantity, kind);
  if (code) return *code;
  for (const DefaultCodes& defaults : kDefaultCodes)
    if (defaults.quantity == quantity) return call.WorkMetric() != 0 ? defaults.metric : defaults.imperial;
  return KovtUnit::BaseCode(quantity);
}

int CodeOfKind(Quantity quantity, int kind) { return CodeOfKind(KovtUnitsCallContext(), quantity, kind); }

int WorkCode(Quantity quantity) { return KovtUnitsCallContext().WorkCode(quantity); }

double ByCodes(Quantity quantity, int from, int to, double value) {
  return KovtUnit::ConvertByCodes(quantity, from, to, value).value_or(value);
}

double WorkToKind(Quantity quantity, int kind, double value) {
  const KovtUnitsCallContext call;
  return ByCodes(quantity, call.WorkCode(quantity), CodeOfKind(call, quantity, kind), value);
}

double KindToWork(Quantity quantity, int kind, double value) {
  const KovtUnitsCallContext call;
  return ByCodes(quantity, CodeOfKind(call, quantity, kind), call.WorkCode(quantity), value);
}

double WorkToCode(Quantity quantity, int code, double value) {
  return ByCodes(quantity, WorkCode(quantity), code, value);
}

double CodeToWork(Quantity quantity, int code, double value) {
  return ByCodes(quantity, code, WorkCode(quantity), value);
}

// The factor between two named length units; nothing when either is not one.
std::optional<double> LengthFactor(const KOVTString& from, const KOVTString& to) {
  const std::optional<int> fromCode = KovtUnit::CodeOfName(from);
  const std::optional<int> toCode = KovtUnit::CodeOfName(to);
  if (!fromCode || !toCode || !KovtUnit::IsCodeOf(Quantity::Length, *fromCode)) return std::nullopt;
  return KovtUnit::Factor(*fromCode, *toCode);
}

}  // namespace

double KovtSvUnitsService::ConvertAngleByCodes(int from, int to, double value) {
  return ByCodes(Quantity::Angle, from, to, value);
}
double KovtSvUnitsService::ConvertMassByCodes(int from, int to, double value) {
  return ByCodes(Quantity::Mass, from, to, value);
}
double KovtSvUnitsService::ConvertVolumeByCodes(int from, int to, double value) {
  return ByCodes(Quantity::Volume, from, to, value);
}
double KovtSvUnitsService::ConvertSurfaceByCodes(int from, int to, double value) {
  return ByCodes(Quantity::Surface, from, to, value);
}
double KovtSvUnitsService::ConvertLengthByCodes(int from, int to, double value) {
  return ByCodes(Quantity::Length, from, to, value);
}

double KovtSvUnitsService::LengthWorkToKind(int kind, double value) {
  return WorkToKind(Quantity::Length, kind, value);
}
double KovtSvUnitsService::LengthWorkToCode(int code, double value) {
  return WorkToCode(Quantity::Length, code, value);
}
double KovtSvUnitsService::SurfaceWorkToKind(int kind, double value) {
  return WorkToKind(Quantity::Surface, kind, value);
}
double KovtSvUnitsService::SurfaceWorkToCode(int code, double value) {
  return WorkToCode(Quantity::Surface, code, value);
}
double KovtSvUnitsService::VolumeWorkToKind(int kind, double value) {
  return WorkToKind(Quantity::Volume, kind, value);
}
double KovtSvUnitsService::VolumeWorkToCode(int code, double value) {
  return WorkToCode(Quantity::Volume, code, value);
}

double KovtSvUnitsService::LengthKindToWork(int kind, double value) {
  return KindToWork(Quantity::Length, kind, value);
}
double KovtSvUnitsService::LengthCodeToWork(int code, double value) {
  return CodeToWork(Quantity::Length, code, value);
}
double KovtSvUnitsService::SurfaceKindToWork(int kind, double value) {
  return KindToWork(Quantity::Surface, kind, value);
}
double KovtSvUnitsService::SurfaceCodeToWork(int code, double value) {
  return CodeToWork(Quantity::Surface, code, value);
}
double KovtSvUnitsService::VolumeKindToWork(int kind, double value) {
  return KindToWork(Quantity::Volume, kind, value);
}
double KovtSvUnitsService::VolumeCodeToWork(int code, double value) {
  return CodeToWork(Quantity::Volume, code, value);
}

int KovtSvUnitsService::WorkLengthCode() { return WorkCode(Quantity::Length); }
int KovtSvUnitsService::WorkSurfaceCode() { return WorkCode(Quantity::Surface); }
int KovtSvUnitsService::WorkVolumeCode() { return WorkCode(Quantity::Volume); }

int KovtSvUnitsService::AngleCodeOfKind(int kind) { return CodeOfKind(Quantity::Angle, kind); }
int KovtSvUnitsService::MassCodeOfKind(int kind) { return CodeOfKind(Quantity::Mass, kind); }
int KovtSvUnitsService::VolumeCodeOfKind(int kind) { return CodeOfKind(Quantity::Volume, kind); }
int KovtSvUnitsService::SurfaceCodeOfKind(int kind) { return CodeOfKind(Quantity::Surface, kind); }
int KovtSvUnitsService::LengthCodeOfKind(int kind) { return CodeOfKind(Quantity::Length, kind); }

const wchar_t* KovtSvUnitsService::WorkLengthName() { return KovtUnit::DisplayNameOfCode(WorkLengthCode()); }
const wchar_t* KovtSvUnitsService::WorkSurfaceName() { return KovtUnit::DisplayNameOfCode(WorkSurfaceCode()); }
const wchar_t* KovtSvUnitsService::WorkVolumeName() { return KovtUnit::DisplayNameOfCode(WorkVolumeCode()); }
const wchar_t* KovtSvUnitsService::AngleNameOfKind(int kind) {
  return KovtUnit::DisplayNameOfCode(AngleCodeOfKind(kind));
}
const wchar_t* KovtSvUnitsService::MassNameOfKind(int kind) {
  return KovtUnit::DisplayNameOfCode(MassCodeOfKind(kind));
}
const wchar_t* KovtSvUnitsService::VolumeNameOfKind(int kind) {
  return KovtUnit::DisplayNameOfCode(VolumeCodeOfKind(kind));
}
const wchar_t* KovtSvUnitsService::SurfaceNameOfKind(int kind) {
  return KovtUnit::DisplayNameOfCode(SurfaceCodeOfKind(kind));
}
const wchar_t* KovtSvUnitsService::LengthNameOfKind(int kind) {
  return KovtUnit::DisplayNameOfCode(LengthCodeOfKind(kind));
}
const wchar_t* KovtSvUnitsService::AngleNameOfCode(int code) { return KovtUnit::DisplayNameOfCode(code); }
const wchar_t* KovtSvUnitsService::MassNameOfCode(int code) { return KovtUnit::DisplayNameOfCode(code); }
const wchar_t* KovtSvUnitsService::VolumeNameOfCode(int code) { return KovtUnit::DisplayNameOfCode(code); }
const wchar_t* KovtSvUnitsService::SurfaceNameOfCode(int code) { return KovtUnit::DisplayNameOfCode(code); }
const wchar_t* KovtSvUnitsService::LengthNameOfCode(int code) { return KovtUnit::DisplayNameOfCode(code); }

bool KovtSvUnitsService::ConvertPoints(KOVTString from, KOVTString to, KovtPoint3dArray& points) {
  if (from == to) return true;
  const std::optional<double> factor = LengthFactor(from, to);
  if (!factor) return false;
  for (KovtPoint3d& point : points) {
    point.x *= *factor;
    point.y *= *factor;
    point.z *= *factor;
  }
  return true;
}

bool KovtSvUnitsService::ConvertPoint(KOVTString from, KOVTString to, KovtPoint3d& point) {
  return ConvertLengths(from, to, point.x, point.y, point.z);
}

bool KovtSvUnitsService::ConvertVector(KOVTString from, KOVTString to, KovtVector3d& vector) {
  return ConvertLengths(from, to, vector.x, vector.y, vector.z);
}

bool KovtSvUnitsService::ConvertLengths(KOVTString from, KOVTString to, double& x, double& y, double& z) {
  if (from == to) return true;
  const std::optional<double> factor = LengthFactor(from, to);
  if (!factor) return false;
  x *= *factor;
  y *= *factor;
  z *= *factor;
  return true;
}

bool KovtSvUnitsService::ConvertLengthByNames(KOVTString from, KOVTString to, double value, double& result) {
  return KovtUnit::ConvertByNames(Quantity::Length, from, to, value, result);
}
bool KovtSvUnitsService::ConvertSurfaceByNames(KOVTString from, KOVTString to, double value, double& result) {
  return KovtUnit::ConvertByNames(Quantity::Surface, from, to, value, result);
}
bool KovtSvUnitsService::ConvertVolumeByNames(KOVTString from, KOVTString to, double value, double& result) {
  return KovtUnit::ConvertByNames(Quantity::Volume, from, to, value, result);
}
bool KovtSvUnitsService::ConvertMassByNames(KOVTString from, KOVTString to, double value, double& result) {
  return KovtUnit::ConvertByNames(Quantity::Mass, from, to, value, result);
}
