// Carrying text styles and dimension styles from one drawing into another.
//
// A null database means the working database, except where a function says
// both are required. Names compare without regard to case. Result lists are
// appended to. The bool that the find and compare operations take is accepted
// for their callers and not used.
#pragma once

#include "copy/resource_copy_types.h"
#include "core/string_list.h"
#include "host/database.h"

namespace KovtCopyUtil {

// Copies the named text styles with the host's cross-drawing clone. Each copy
// is named as given in `names`, or "<name> 1", "<name> 2", ... when the
// destination holds that name already, and is then listed in `renamed`.
// False, copying nothing, when the source lacks a name; true otherwise.
bool CopyPlnxTextStyle(PnDbDatabase* source, PnDbDatabase* destination, const KoVT::Core::TStringList& names,
                       NamePairList& renamed);

// The destination's dimension style named as the source's record `sourceId`.
// Both databases are required. `found` is null unless the answer is true.
bool FindDimStyleIdInDestDatabase(bool unused, PnDbDatabase* source, PnDbObjectId sourceId, PnDbDatabase* destination,
                                  PnDbObjectId& found);
// The destination's dimension style equal to the source's by
// ComparePlnxDimStyles; null when none is or the id is no dimension style of
// the source.
PnDbObjectId FindPlnxDimStyleIdDestDatabase(bool unused, PnDbDatabase* source, PnDbObjectId sourceId,
                                            PnDbDatabase* destination);
// Whether the id is a record of the database's dimension style table.
bool CheckIfPlnxDimStyleIdExist(PnDbObjectId dimStyleId, PnDbDatabase* database = nullptr);
// Dimension styles are the same style when their names are equal, as linetypes are.
bool ComparePlnxDimStyles(bool unused, const PnDbDimStyleTableRecord* a, const PnDbDimStyleTableRecord* b);

}  // namespace KovtCopyUtil
