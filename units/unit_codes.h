// Unit codes, their names and their display names.
//
// Every unit the conversions know has a code. Codes come in blocks of five
// per quantity and a block's first code is the quantity's base:
//
//   length   0 mm    1 cm    2 m     3 in      4 ft
//   surface  5 mm2   6 cm2   7 m2    8 in2     9 ft2
//   volume  10 mm3  11 cm3  12 m3   13 in3    14 ft3
//   mass    15 t    16 kg   17 lb   18 ustons 19 N (force)
//   angle   20 deg  21 rad
//
// Names are matched exactly (case matters), in English or in Russian.
// The tables are built on first use and are read-only afterwards.
#pragma once

#include <optional>

#include "core/kovt_string.h"

namespace KovtUnit {

// The value of each quantity is its base code.
enum class Quantity : int { Length = 0, Surface = 5, Volume = 10, Mass = 15, Angle = 20 };

inline constexpr int kCodeCount = 22;
inline constexpr int kCodesPerQuantity = 5;

constexpr int BaseCode(Quantity quantity) { return static_cast<int>(quantity); }

// Whether `code` lies in the block of `quantity` (angles: 20 and 21 only).
bool IsCodeOf(Quantity quantity, int code);

// The code of an English or Russian unit name; nothing for other names.
std::optional<int> CodeOfName(const KOVTString& name);
// The code of a name, 0 ("mm") for names the table does not know: the rule
// for unit names read from job settings.
int CodeOfNameOrMm(const KOVTString& name);

// The English name of a code ("mm"); null outside 0..21.
const wchar_t* NameOfCode(int code);
// The display name of a code from the string resources 101..122 of the
// resource module of "KOVTAppSet" (KOVTGetResourceHandle); the English name
// when that module or a resource is missing; null outside 0..21.
const wchar_t* DisplayNameOfCode(int code);

// Resource identifier of a code's display name.
constexpr unsigned DisplayNameResource(int code) { return 101u + static_cast<unsigned>(code); }

}  // namespace KovtUnit
