// KovtSvUnitsService: the object the module publishes as "KOVT_UNITS".
//
// It keeps nothing between calls: each answer is worked out from the current
// application context, the job settings of the active module, the working
// drawing's unit settings (MEASUREMENT, LUNITS, LUPREC) and the unit tables.
// Numbers become text and text numbers through "KOVT_ZEM_ENABLER", looked up
// on every use; without it formatting gives empty text and parsing fails.
//
// Choices where the tables say nothing:
//  - a conversion by codes reads the row of the source code and the column of
//    the target code minus the quantity's base, whatever quantities the codes
//    belong to; codes outside the table return the value unchanged;
//  - a conversion by names between units of different quantities answers false;
//  - a unit kind of a context whose job settings cannot be had (no drawing,
//    no root of that module yet) answers as if the settings did not name it.
#pragma once

#include "units/kovt_service.h"
#include "units/sv_units.h"

class KovtSvUnitsService : public KovtService<TxISvUnits> {
 public:
  KovtSvUnitsService() = default;
  ~KovtSvUnitsService() override = default;

  double ConvertAngleByCodes(int from, int to, double value) override;
  double ConvertMassByCodes(int from, int to, double value) override;
  double ConvertVolumeByCodes(int from, int to, double value) override;
  double ConvertSurfaceByCodes(int from, int to, double value) override;
  double ConvertLengthByCodes(int from, int to, double value) override;

  double LengthWorkToKind(int kind, double value) override;
  double LengthWorkToCode(int code, double value) override;
  double SurfaceWorkToKind(int kind, double value) override;
  double SurfaceWorkToCode(int code, double value) override;
  double VolumeWorkToKind(int kind, double value) override;
  double VolumeWorkToCode(int code, double value) override;

  double LengthKindToWork(int kind, double value) override;
  double LengthCodeToWork(int code, double value) override;
  double SurfaceKindToWork(int kind, double value) override;
  double SurfaceCodeToWork(int code, double value) override;
  double VolumeKindToWork(int kind, double value) override;
  double VolumeCodeToWork(int code, double value) override;

  // Reinforcement and formwork: the code of their "Units.WorkUnits" (0 for a
  // name the tables do not know); other contexts: "mm" when metric, else "in".
  // Surface and volume are the same unit squared and cubed.
  int WorkLengthCode() override;
  int WorkSurfaceCode() override;
  int WorkVolumeCode() override;

  int AngleCodeOfKind(int kind) override;
  int MassCodeOfKind(int kind) override;
  int VolumeCodeOfKind(int kind) override;
  int SurfaceCodeOfKind(int kind) override;
  int LengthCodeOfKind(int kind) override;

  const wchar_t* WorkLengthName() override;
  const wchar_t* WorkSurfaceName() override;
  const wchar_t* WorkVolumeName() override;
  const wchar_t* AngleNameOfKind(int kind) override;
  const wchar_t* MassNameOfKind(int kind) override;
  const wchar_t* VolumeNameOfKind(int kind) override;
  const wchar_t* SurfaceNameOfKind(int kind) override;
  const wchar_t* LengthNameOfKind(int kind) override;
  const wchar_t* AngleNameOfCode(int code) override;
  const wchar_t* MassNameOfCode(int code) override;
  const wchar_t* VolumeNameOfCode(int code) override;
  const wchar_t* SurfaceNameOfCode(int code) override;
  const wchar_t* LengthNameOfCode(int code) override;

  bool ConvertPoints(KOVTString from, KOVTString to, KovtPoint3dArray& points) override;
  bool ConvertPoint(KOVTString from, KOVTString to, KovtPoint3d& point) override;
  bool ConvertVector(KOVTString from, KOVTString to, KovtVector3d& vector) override;
  bool ConvertLengths(KOVTString from, KOVTString to, double& x, double& y, double& z) override;

  bool ConvertLengthByNames(KOVTString from, KOVTString to, double value, double& result) override;
  bool ConvertSurfaceByNames(KOVTString from, KOVTString to, double value, double& result) override;
  bool ConvertVolumeByNames(KOVTString from, KOVTString to, double value, double& result) override;
  bool ConvertMassByNames(KOVTString from, KOVTString to, double value, double& result) override;

  // Reinforcement: "Units.WorkUnitMode" (descriptions: "Units.DescFormatMode");
  // steel: its "Units.WorkUnitMode"; formwork: always metric; other contexts:
  // the working drawing's MEASUREMENT. Metric when the settings are missing.
  int IsWorkMetric() override;
  int IsDescMetric() override;

  KOVTString& FormatValue(KOVTString& text, double value, int kind, int precision) override;
  // Lengths of the description kinds (0, 1, 6, 8, 9) of the reinforcement
  // take the unit and precision the settings give for values below or above
  // one metre (metric), or feet and inches (imperial).
  KOVTString& FormatDescValue(KOVTString& text, double value, int kind, bool* aboveOneMetre, int precision) override;
  double ParseValue(KOVTString text, int kind) override;
  // A step below the drawing's linear tolerance counts as 1.0.
  double RoundToStep(double value, double step) override;
  // Angle kinds are given in degrees; the enabler works in radians.
  bool FormatCore(double value, KOVTString& text, int kind, int precision) override;
  bool ParseCore(KOVTString text, double& value, int kind) override;
  int DisplayModeOfKind(int kind) override;
  int PrecisionOfKind(int kind) override;
  bool IsAngleKind(int kind) override;
};

// Publishes a new service under "KOVT_UNITS" in the host's service
// dictionary, which then owns it. False, and nothing published, when the
// host has no dynamic linker or the name is taken.
bool KovtPublishUnitsService();
// Takes whatever "KOVT_UNITS" holds out of the host's service dictionary and
// deletes it; false when the entry is already gone.
bool KovtWithdrawUnitsService();
