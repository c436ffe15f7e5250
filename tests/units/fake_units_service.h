// A units service for the tests: conversions by name from the unit tables, a
// metric answer of the test's choosing, and a text that shows what
// FormatValue was asked ("value|kind|precision").
#pragma once

#include "units/kovt_service.h"
#include "units/sv_units.h"
#include "units/unit_factors.h"

class FakeUnitsService : public KovtService<TxISvUnits> {
 public:
  int metric = 1;

  bool ConvertLengthByNames(KOVTString f, KOVTString t, double v, double& r) override { return By(KovtUnit::Quantity::Length, f, t, v, r); }
  bool ConvertSurfaceByNames(KOVTString f, KOVTString t, double v, double& r) override { return By(KovtUnit::Quantity::Surface, f, t, v, r); }
  bool ConvertVolumeByNames(KOVTString f, KOVTString t, double v, double& r) override { return By(KovtUnit::Quantity::Volume, f, t, v, r); }
  bool ConvertMassByNames(KOVTString f, KOVTString t, double v, double& r) override { return By(KovtUnit::Quantity::Mass, f, t, v, r); }
  int IsWorkMetric() override { return metric; }
  KOVTString& FormatValue(KOVTString& text, double value, int kind, int precision) override {
    text.Format(L"%g|%d|%d", value, kind, precision);
    return text;
  }

  // Not used by the code under test.
  double ConvertAngleByCodes(int, int, double) override { return 0; }
  double ConvertMassByCodes(int, int, double) override { return 0; }
  double ConvertVolumeByCodes(int, int, double) override { return 0; }
  double ConvertSurfaceByCodes(int, int, double) override { return 0; }
  double ConvertLengthByCodes(int, int, double) override { return 0; }
  double LengthWorkToKind(int, double) override { return 0; }
  double LengthWorkToCode(int, double) override { return 0; }
  double SurfaceWorkToKind(int, double) override { return 0; }
  double SurfaceWorkToCode(int, double) override { return 0; }
  double VolumeWorkToKind(int, double) override { return 0; }
  double VolumeWorkToCode(int, double) override { return 0; }
  double LengthKindToWork(int, double) override { return 0; }
  double LengthCodeToWork(int, double) override { return 0; }
  double SurfaceKindToWork(int, double) override { return 0; }
  double SurfaceCodeToWork(int, double) override { return 0; }
  double VolumeKindToWork(int, double) override { return 0; }
  double VolumeCodeToWork(int, double) override { return 0; }
  int WorkLengthCode() override { return 0; }
  int WorkSurfaceCode() override { return 0; }
  int WorkVolumeCode() override { return 0; }
  int AngleCodeOfKind(int) override { return 0; }
  int MassCodeOfKind(int) override { return 0; }
  int VolumeCodeOfKind(int) override { return 0; }
  int SurfaceCodeOfKind(int) override { return 0; }
  int LengthCodeOfKind(int) override { return 0; }
  const wchar_t* WorkLengthName() override { return nullptr; }
  const wchar_t* WorkSurfaceName() override { return nullptr; }
  const wchar_t* WorkVolumeName() override { return nullptr; }
  const wchar_t* AngleNameOfKind(int) override { return nullptr; }
  const wchar_t* MassNameOfKind(int) override { return nullptr; }
  const wchar_t* VolumeNameOfKind(int) override { return nullptr; }
  const wchar_t* SurfaceNameOfKind(int) override { return nullptr; }
  const wchar_t* LengthNameOfKind(int) override { return nullptr; }
  const wchar_t* AngleNameOfCode(int) override { return nullptr; }
  const wchar_t* MassNameOfCode(int) override { return nullptr; }
  const wchar_t* VolumeNameOfCode(int) override { return nullptr; }
  const wchar_t* SurfaceNameOfCode(int) override { return nullptr; }
  const wchar_t* LengthNameOfCode(int) override { return nullptr; }
  bool ConvertPoints(KOVTString, KOVTString, KovtPoint3dArray&) override { return false; }
  bool ConvertPoint(KOVTString, KOVTString, KovtPoint3d&) override { return false; }
  bool ConvertVector(KOVTString, KOVTString, KovtVector3d&) override { return false; }
  bool ConvertLengths(KOVTString, KOVTString, double&, double&, double&) override { return false; }
  int IsDescMetric() override { return metric; }
  KOVTString& FormatDescValue(KOVTString& text, double, int, bool*, int) override { return text; }
  double ParseValue(KOVTString, int) override { return 0; }
  double RoundToStep(double value, double) override { return value; }
  bool FormatCore(double, KOVTString&, int, int) override { return false; }
  bool ParseCore(KOVTString, double&, int) override { return false; }
  int DisplayModeOfKind(int) override { return 2; }
  int PrecisionOfKind(int) override { return -1; }
  bool IsAngleKind(int) override { return false; }

 private:
  static bool By(KovtUnit::Quantity q, const KOVTString& f, const KOVTString& t, double v, double& r) {
    return KovtUnit::ConvertByNames(q, f, t, v, r);
  }
};

// Publishes a FakeUnitsService as "KOVT_UNITS" while alive.
class ScopedUnitsService {
 public:
  explicit ScopedUnitsService(int metric = 1) : m_service(new FakeUnitsService) {
    m_service->metric = metric;
    pnrxDynamicLinker()->registerService(kUnitsServiceName, m_service);
  }
  ~ScopedUnitsService() { KovtWithdrawService(kUnitsServiceName, m_service); }
  ScopedUnitsService(const ScopedUnitsService&) = delete;
  ScopedUnitsService& operator=(const ScopedUnitsService&) = delete;

 private:
  FakeUnitsService* m_service;
};
