// The stored vocabulary of a reinforcement set after the common blocks, as
// key tables in stored order. Reading, writing and listing all walk these
// tables; the repairs of older sets run right after the key they concern.
#pragma once

#include <span>

#include "jobsettings/key_table.h"

class KOVTReinfJobSettings;

namespace KovrJobKeys {

using Key = KovtJobKeys::Key<KOVTReinfJobSettings>;

// "Norms.", "Units." and "Mater.", the steel list included.
std::span<const Key> MaterialKeys();
// "Options." to "Project.": how bars and fabrics are drawn and described,
// the style names and the project description.
std::span<const Key> DisplayKeys();

// Custom entry: "Mater.ReinfSteelSize" followed by the steel list.
void FileSteelList(KOVTReinfJobSettings& settings, KovtJobKeys::Filer& filer);

}  // namespace KovrJobKeys
