// Conversion factors between the units of one quantity.
//
// A value in the source unit times Factor(source, target) is the value in the
// target unit. US short tons convert with 0.907185 t; mass and force convert
// through standard gravity (9.80665).
#pragma once

#include <optional>

#include "core/kovt_string.h"
#include "units/unit_codes.h"

namespace KovtUnit {

// The factor from code `from` to code `to`; nothing unless both codes belong
// to one quantity.
std::optional<double> Factor(int from, int to);

// `value` times the factor in the row of `from` and the column of `to` minus
// the base of `quantity`, even when the codes belong to other quantities;
// nothing when either code, or that column, lies outside the table.
std::optional<double> ConvertByCodes(Quantity quantity, int from, int to, double value);

// The same by unit names (English or Russian). False, with `result`
// untouched, when a name is unknown or not a unit of `quantity`.
bool ConvertByNames(Quantity quantity, const KOVTString& from, const KOVTString& to, double value, double& result);

}  // namespace KovtUnit
