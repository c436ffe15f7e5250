// The unit names offered to the user, and selections in those lists.
//
// A list is an array of names closed by an empty name; a name's position is
// its selection index. Lists are constant: callers never free them.
//
//   quantity  English metric   English imperial  Russian metric   Russian imperial
//   length    m cm mm          in                м см мм          дюйм
//   surface   m2 cm2 mm2       in2               м2 см2 мм2       дюйм2
//   volume    m3 cm3 mm3       in3               м3 см3 мм3       дюйм3
//   mass      t kg             ustons lb         т кг             амер.т фунт
//
// Currencies (EUR USD PLN GBP JPY CHF $) and angles (deg) have one list each.
// Names compare exactly, case included.
#pragma once

#include "core/kovt_string.h"

using KovtUnitList = const wchar_t* const*;

// The list of the current language; `metric` chooses the system, a negative
// value takes IsMetric().
KovtUnitList GetLengthUnits(int metric);
KovtUnitList GetSurfUnits(int metric);
KovtUnitList GetVolumeUnits(int metric);
KovtUnitList GetMassUnits(int metric);
// The argument is ignored.
KovtUnitList GetCurrencyUnits(int unused);
KovtUnitList GetAngleUnits(int unused);

// Index of a name in the current list of the current system; 0 (the first
// entry) when it is not there.
int GetLengthSel(KOVTString name);
int GetSurfSel(KOVTString name);
int GetVolumeSel(KOVTString name);
int GetMassSel(KOVTString name);

// The name at an index of the current list of the current system; an empty
// name for an index outside the list.
const wchar_t* GetLengthUName(int selection);
const wchar_t* GetSurfUName(int selection);
const wchar_t* GetVolumeUName(int selection);
const wchar_t* GetMassUName(int selection);

namespace KovtUnitUtl {

enum UnitLanguage : int { English = 0, Russian = 1 };

// The list of the current system in a given language (1 Russian, any other
// value English).
KovtUnitList GetLengthUnits(UnitLanguage language);
KovtUnitList GetSurfUnits(UnitLanguage language);
KovtUnitList GetVolumeUnits(UnitLanguage language);
KovtUnitList GetMassUnits(UnitLanguage language);

// Index of a name in that list; -1 when it is not there.
int GetLengthSel(KOVTString name, UnitLanguage language);
int GetSurfSel(KOVTString name, UnitLanguage language);
int GetVolumeSel(KOVTString name, UnitLanguage language);
int GetMassSel(KOVTString name, UnitLanguage language);

// Index of a name in the English list, else in the Russian one; -1 when
// neither has it.
int GetLengthSel_li(KOVTString name);
int GetSurfSel_li(KOVTString name);
int GetVolumeSel_li(KOVTString name);
int GetMassSel_li(KOVTString name);

}  // namespace KovtUnitUtl
