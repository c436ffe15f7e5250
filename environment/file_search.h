// Finding a data file anywhere below a folder.
#pragma once

#include "core/kovt_string.h"

// The full path of the first file below folder whose name, ignoring case, is
// fileName; empty when there is none. The folder's entries are taken in the
// order the system lists them and each sub-folder is searched as it comes
// (depth first), so a file in an early sub-folder wins over a later one.
// maxDepth limits how many sub-folder levels are entered (negative: no limit).
// Linked folders are not entered, so a link loop cannot trap the search.
KOVTString KovtFindFileBelow(const KOVTString& folder, const KOVTString& fileName, int maxDepth = -1);
