// Converting values between named units, and the coefficients of the unit
// selections, through the units service "KOVT_UNITS".
//
// Without the service nothing converts: conversions answer false and leave
// the result alone, coefficients are 1.0.
#pragma once

#include "core/kovt_string.h"

// `value` from unit `from` to unit `to` (English or Russian names) into
// `result`; false, result untouched, when a name is unknown or there is no
// units service.
bool ConvertLengthValue(KOVTString from, KOVTString to, double value, double& result);
bool ConvertSurfValue(KOVTString from, KOVTString to, double value, double& result);
bool ConvertVolumeValue(KOVTString from, KOVTString to, double value, double& result);
bool ConvertMassValue(KOVTString from, KOVTString to, double value, double& result);

// The work unit of the current application context: the reinforcement's or
// the formwork's "Units.WorkUnits", for steel "mm" or "in" as the work is
// metric or not. Empty without a working drawing or its settings.
KOVTString KOVTGetWorkUnits();

// The number of selected units (index in the current length list) in one
// `lengthUnit`: from "m" to selection 2 ("mm") it is 1000.
double GetCoeffFromSel(int selection, KOVTString lengthUnit);
// The same for the surface and volume lists; the source is the surface or
// volume unit of `lengthUnit` ("m" gives "m2" and "m3").
double GetSurfaceCoeffFromSel(int selection, KOVTString lengthUnit);
double GetVolumeCoeffFromSel(int selection, KOVTString lengthUnit);
// The three coefficients for the work unit of the job settings: the
// formwork's in the formwork context, the reinforcement's in every other.
double GetCoeffFromSel(int selection);
double GetSurfaceCoeffFromSel(int selection);
double GetVolumeCoeffFromSel(int selection);

// The factor from the base mass unit (kilogram when metric, pound when
// imperial) to the selected mass unit: the first entry, tons, gives 0.001
// (metric) or 0.0005 (imperial), every other entry 1.0.
double GetMassCoeffFromSel(int selection);
