// The stored vocabulary of a formwork set after the common blocks, as key
// tables in stored order. Reading, writing and listing all walk these tables;
// the repairs of older sets run right after the key they concern.
#pragma once

#include <span>

#include "jobsettings/key_table.h"

class KOVTFormworkJobSettings;

namespace KovxJobKeys {

using Key = KovtJobKeys::Key<KOVTFormworkJobSettings>;

// The ring-beam priority is written as "Priorities.RingBeamPriority", the
// name the module has always written, so the sets in existing drawings keep
// their value; a set holding only "Priorities.GRingPriority", the name it
// used to read, gives that one.
inline constexpr const wchar_t* kRingBeamPriorityKey = L"Priorities.RingBeamPriority";
inline constexpr const wchar_t* kRingBeamPriorityReadKey = L"Priorities.GRingPriority";

// "Units." to "Trims.": units, style names, priorities, description
// templates and numbering, dimensioning.
std::span<const Key> OptionKeys();
// "Found." to "Curves.": the six drawing blocks with their parameters and
// presentation structures.
std::span<const Key> DrawingKeys();

}  // namespace KovxJobKeys
