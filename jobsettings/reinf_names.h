// The fixed name tables of the reinforcement settings: design codes, drawing
// standards, the databases each design code comes with, and the standard
// texts of the steel symbols. Design-code tables share one index, the one
// "Norms.ReinforceNumb" holds.
#pragma once

#include <array>

#include "core/kovt_string.h"
#include "jobsettings/reinf_blocks.h"

namespace KovrNames {

// Null-terminated, so callers may walk them without a count.
extern const wchar_t* const kReinNorms[kReinNormsCount + 1];
extern const wchar_t* const kDrawNorms[kDrawNormsCount + 1];
// Not terminated: exactly one name per drawing standard.
extern const wchar_t* const kDrawNormsEnumStrings[kDrawNormsCount];

// The bar and fabric databases of each design code (empty: none).
extern const std::array<const wchar_t*, kReinNormsCount> kBarDataBases;
extern const std::array<const wchar_t*, kReinNormsCount> kMeshDataBases;

// The standard text of a steel symbol; null outside RMATER_SYMBOL_FIRST..LAST.
const wchar_t* SteelSymbolText(int symbol);

// The fabric database of a set written before it was chosen by name.
const wchar_t* MeshDataBaseOfNumber(int number);

// The current name of a design code or drawing standard that was renamed
// since a set stored it; the name itself when it was not.
KOVTString CurrentReinNorm(const KOVTString& stored);
KOVTString CurrentDrawNorm(const KOVTString& stored);

}  // namespace KovrNames
