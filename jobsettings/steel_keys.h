// The stored vocabulary of a steel set after the common blocks, as key tables
// in stored order. Reading, writing and listing all walk these tables.
#pragma once

#include <span>

#include "jobsettings/key_table.h"

class KOVTSteelJobSettings;

namespace KovsJobKeys {

using Key = KovtJobKeys::Key<KOVTSteelJobSettings>;

// "General." to "Project.": materials with the two surface finishing lists,
// profiles, styles, welds and bolts with the colour rules and fallbacks,
// parts, printouts, codes, project description.
std::span<const Key> ModelKeys();
// "AppSett." and "Units.".
std::span<const Key> ApplicationKeys();

// Custom entries: a count key followed by its list.
void FileSurfaceFinishings(KOVTSteelJobSettings& settings, KovtJobKeys::Filer& filer);
void FileBoltSurfaceFinishings(KOVTSteelJobSettings& settings, KovtJobKeys::Filer& filer);
void FileBoltColorGrades(KOVTSteelJobSettings& settings, KovtJobKeys::Filer& filer);
void FileBoltColorDiams(KOVTSteelJobSettings& settings, KovtJobKeys::Filer& filer);

}  // namespace KovsJobKeys
