// Carrying linetypes from one drawing into another: finding the counterpart
// of a source linetype, copying linetypes (a copy whose name the destination
// holds already is named "<name> 1", "<name> 2", ...), and remapping a
// reference to a source linetype by a chosen policy.
//
// A null database means the working database. Names compare without regard
// to case. Result lists are appended to. The bool that the find, compare and
// remap operations take is accepted for their callers and not used.
#pragma once

#include "copy/resource_copy_types.h"
#include "core/string_list.h"
#include "host/database.h"

namespace KovtCopyUtil {

// What a remap does when the destination has a counterpart of the linetype.
enum ECopyMethodExist : int {
  eExistUseCounterpart = 0,
  eExistUseNull,
  eExistUseContinuous,
  eExistKeepReference,
  eExistCopyRenamed,
};

// What a remap does when it has none.
enum ECopyMethodNotExist : int {
  eMissingCopy = 0,
  eMissingUseNull,
  eMissingUseContinuous,
};

// Copies the records in order. A record that cannot be opened (or copied) is
// passed over; the answer is whether every one was copied.
bool CopyPlnxLineType(PnDbDatabase* source, PnDbDatabase* destination, const PnDbObjectIdArray& linetypeIds,
                      IdPairList& copies);
// The same by name: false, copying nothing, when the source lacks a name;
// false too when not every record was copied. `renamed` receives the names
// whose copy had to take another name.
bool CopyPlnxLineType(PnDbDatabase* source, PnDbDatabase* destination, const KoVT::Core::TStringList& names,
                      NamePairList& renamed);
// One record; the id of the copy or null.
PnDbObjectId CopyPlnxLineType(PnDbDatabase* source, PnDbDatabase* destination, PnDbObjectId linetypeId);

// Empty when the record cannot be opened.
KOVTString GetLineTypeName(PnDbObjectId linetypeId);
// Whether the id is a record of the database's linetype table.
bool CheckIfPlnxLineTypeIdExist(PnDbObjectId linetypeId, PnDbDatabase* database = nullptr);
// Equal names.
bool ComparePlnxLineTypes(bool unused, const PnDbLinetypeTableRecord* a, const PnDbLinetypeTableRecord* b);
// The destination's linetype of the same name as the source's record; null
// when there is none or the id is no linetype of the source.
PnDbObjectId FindPlnxLineTypeIdDestDatabase(bool unused, PnDbDatabase* source, PnDbObjectId sourceId,
                                            PnDbDatabase* destination);

// Replaces a reference to a source linetype by what the policies say.
void RemapPlnxLineTypeId(ECopyMethodExist whenExisting, ECopyMethodNotExist whenMissing, bool unused,
                         PnDbDatabase* source, PnDbDatabase* destination, PnDbObjectId& linetypeId);
// The usual policy: the counterpart when there is one, else the
// destination's continuous linetype. Always true.
bool RemapPlnxLineTypeId(bool unused, PnDbDatabase* source, PnDbDatabase* destination, PnDbObjectId& linetypeId);

}  // namespace KovtCopyUtil
