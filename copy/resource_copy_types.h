// Results of the resource copies: what became of each copied record.
#pragma once

#include <utility>
#include <vector>

#include "core/kovt_string.h"
#include "host/ids.h"

namespace KovtCopyUtil {

// (source record id, id of its copy in the destination)
using IdPairList = std::vector<std::pair<PnDbObjectId, PnDbObjectId>>;
// (name asked for, name of the copy), only for copies that had to be renamed
using NamePairList = std::vector<std::pair<KOVTString, KOVTString>>;

}  // namespace KovtCopyUtil
