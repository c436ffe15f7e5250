// TxISvUnits: the units service, published to the host as "KOVT_UNITS".
//
// Every answer is derived at the moment of the call from the current
// application context, the job settings of the active module and the host
// drawing's unit settings. Codes are the unit codes of units/unit_codes.h;
// the work unit is the active module's "Units.WorkUnits"; a kind is a small
// number naming a displayed quantity of the active module. Display modes are
// the host's text-format codes (2 decimal, 3 engineering, 4 architectural;
// 0 decimal degrees for angles).
//
// The order of the 57 operations is part of the interface: other modules of
// the family call them by position, counted from 0 (ConvertAngleByCodes).
#pragma once

#include "core/kovt_string.h"
#include "units/unit_geometry.h"

inline constexpr const wchar_t* kUnitsServiceName = L"KOVT_UNITS";

class TxISvUnits {
 public:
  // Conversion by codes.
  virtual double ConvertAngleByCodes(int from, int to, double value) = 0;
  virtual double ConvertMassByCodes(int from, int to, double value) = 0;
  virtual double ConvertVolumeByCodes(int from, int to, double value) = 0;
  virtual double ConvertSurfaceByCodes(int from, int to, double value) = 0;
  virtual double ConvertLengthByCodes(int from, int to, double value) = 0;

  // From the work unit to the unit of a kind, or to a code.
  virtual double LengthWorkToKind(int kind, double value) = 0;
  virtual double LengthWorkToCode(int code, double value) = 0;
  virtual double SurfaceWorkToKind(int kind, double value) = 0;
  virtual double SurfaceWorkToCode(int code, double value) = 0;
  virtual double VolumeWorkToKind(int kind, double value) = 0;
  virtual double VolumeWorkToCode(int code, double value) = 0;

  // From the unit of a kind, or from a code, to the work unit.
  virtual double LengthKindToWork(int kind, double value) = 0;
  virtual double LengthCodeToWork(int code, double value) = 0;
  virtual double SurfaceKindToWork(int kind, double value) = 0;
  virtual double SurfaceCodeToWork(int code, double value) = 0;
  virtual double VolumeKindToWork(int kind, double value) = 0;
  virtual double VolumeCodeToWork(int code, double value) = 0;

  // Codes of the work unit.
  virtual int WorkLengthCode() = 0;
  virtual int WorkSurfaceCode() = 0;
  virtual int WorkVolumeCode() = 0;

  // Codes of the unit of a kind.
  virtual int AngleCodeOfKind(int kind) = 0;
  virtual int MassCodeOfKind(int kind) = 0;
  virtual int VolumeCodeOfKind(int kind) = 0;
  virtual int SurfaceCodeOfKind(int kind) = 0;
  virtual int LengthCodeOfKind(int kind) = 0;

  // Display names (null for an unknown code).
  virtual const wchar_t* WorkLengthName() = 0;
  virtual const wchar_t* WorkSurfaceName() = 0;
  virtual const wchar_t* WorkVolumeName() = 0;
  virtual const wchar_t* AngleNameOfKind(int kind) = 0;
  virtual const wchar_t* MassNameOfKind(int kind) = 0;
  virtual const wchar_t* VolumeNameOfKind(int kind) = 0;
  virtual const wchar_t* SurfaceNameOfKind(int kind) = 0;
  virtual const wchar_t* LengthNameOfKind(int kind) = 0;
  virtual const wchar_t* AngleNameOfCode(int code) = 0;
  virtual const wchar_t* MassNameOfCode(int code) = 0;
  virtual const wchar_t* VolumeNameOfCode(int code) = 0;
  virtual const wchar_t* SurfaceNameOfCode(int code) = 0;
  virtual const wchar_t* LengthNameOfCode(int code) = 0;

  // Geometry between two named length units, in place; false (nothing
  // changed) when a name is unknown. Equal names always succeed.
  virtual bool ConvertPoints(KOVTString from, KOVTString to, KovtPoint3dArray& points) = 0;
  virtual bool ConvertPoint(KOVTString from, KOVTString to, KovtPoint3d& point) = 0;
  virtual bool ConvertVector(KOVTString from, KOVTString to, KovtVector3d& vector) = 0;
  virtual bool ConvertLengths(KOVTString from, KOVTString to, double& x, double& y, double& z) = 0;

  // Conversion by names; false, with `result` untouched, for an unknown name.
  virtual bool ConvertLengthByNames(KOVTString from, KOVTString to, double value, double& result) = 0;
  virtual bool ConvertSurfaceByNames(KOVTString from, KOVTString to, double value, double& result) = 0;
  virtual bool ConvertVolumeByNames(KOVTString from, KOVTString to, double value, double& result) = 0;
  virtual bool ConvertMassByNames(KOVTString from, KOVTString to, double value, double& result) = 0;

  // Nonzero when the work, respectively the element descriptions, are metric.
  virtual int IsWorkMetric() = 0;
  virtual int IsDescMetric() = 0;

  // Text of a value of a kind (empty when it cannot be formatted).
  virtual KOVTString& FormatValue(KOVTString& text, double value, int kind, int precision) = 0;
  // Text of a value for element descriptions; `aboveOneMetre` (may be null)
  // tells which of the two description units was chosen.
  virtual KOVTString& FormatDescValue(KOVTString& text, double value, int kind, bool* aboveOneMetre,
                                      int precision) = 0;
  // The value a text stands for; 0.0 when it cannot be read.
  virtual double ParseValue(KOVTString text, int kind) = 0;
  // `value` rounded to a multiple of `step`.
  virtual double RoundToStep(double value, double step) = 0;
  virtual bool FormatCore(double value, KOVTString& text, int kind, int precision) = 0;
  virtual bool ParseCore(KOVTString text, double& value, int kind) = 0;
  virtual int DisplayModeOfKind(int kind) = 0;
  // -1 for an unknown kind.
  virtual int PrecisionOfKind(int kind) = 0;
  virtual bool IsAngleKind(int kind) = 0;

 protected:
  // The host's service dictionary owns the service; nobody deletes it through this interface.
  ~TxISvUnits() = default;
};
