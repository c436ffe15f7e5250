#include "units/unit_conversion.h"

#include "units/kovt_service.h"
#include "units/sv_units.h"
#include "units/unit_lists.h"
#include "units/unit_system.h"

namespace {

using ByNames = bool (TxISvUnits::*)(KOVTString, KOVTString, double, double&);

bool ConvertThroughService(ByNames conversion, const KOVTString& from, const KOVTString& to, double value,
                           double& result) {
  TxISvUnits* units = KovtFindService<TxISvUnits>(kUnitsServiceName);
  return units != nullptr && (units->*conversion)(from, to, value, result);
}

double Coefficient(ByNames conversion, const KOVTString& from, const KOVTString& to) {
  double coefficient = 1.0;
  ConvertThroughService(conversion, from, to, 1.0, coefficient);
  return coefficient;
}

}  // namespace

bool ConvertLengthValue(KOVTString from, KOVTString to, double value, double& result) {
  return ConvertThroughService(&TxISvUnits::ConvertLengthByNames, from, to, value, result);
}

bool ConvertSurfValue(KOVTString from, KOVTString to, double value, double& result) {
  return ConvertThroughService(&TxISvUnits::ConvertSurfaceByNames, from, to, value, result);
}

bool ConvertVolumeValue(KOVTString from, KOVTString to, double value, double& result) {
  return ConvertThroughService(&TxISvUnits::ConvertVolumeByNames, from, to, value, result);
}

bool ConvertMassValue(KOVTString from, KOVTString to, double value, double& result) {
  return ConvertThroughService(&TxISvUnits::ConvertMassByNames, from, to, value, result);
}

double GetCoeffFromSel(int selection, KOVTString lengthUnit) {
  return Coefficient(&TxISvUnits::ConvertLengthByNames, lengthUnit, GetLengthUName(selection));
}

double GetSurfaceCoeffFromSel(int selection, KOVTString lengthUnit) {
  return Coefficient(&TxISvUnits::ConvertSurfaceByNames, lengthUnit + L"2", GetSurfUName(selection));
}

double GetVolumeCoeffFromSel(int selection, KOVTString lengthUnit) {
  return Coefficient(&TxISvUnits::ConvertVolumeByNames, lengthUnit + L"3", GetVolumeUName(selection));
}

double GetMassCoeffFromSel(int selection) {
  if (selection != 0) return 1.0;
  return IsMetric() != 0 ? 0.001 : 0.0005;
}
