// Copying dictionaries and their entries from one drawing into another.
//
// Copies are clones: new objects holding the source's data, added to a
// dictionary of the destination. A cloned dictionary starts empty; the
// operations that copy trees fill it afterwards. Failures answer false or the
// null id, and whatever was copied before a failure stays copied.
#pragma once

#include "core/kovt_string.h"
#include "host/database.h"
#include "host/dictionary.h"

namespace KovtCopyUtil {

// Merges the source dictionary into the destination dictionary, level by
// level, never replacing anything: an entry whose name the destination holds
// keeps the destination's object (and is merged into, when both are
// dictionaries); a missing one gets a clone of the source entry. Source
// entries that cannot be opened are skipped. Ids that are not dictionaries
// end the merge at that level.
void CopySimpleDictionaryTree(const PnDbObjectId& destinationId, const PnDbObjectId& sourceId);

// The dictionary of `destination` at the same path of entry names below the
// named-objects dictionary as `sourceDictionary` has in its own drawing. With
// `create`, missing levels are made with the class the source level has;
// without it a missing level answers the null id and nothing is created.
PnDbObjectId GetCorrespondingDictionaryIdInDestDatabase(const PnDbDictionary* sourceDictionary,
                                                        PnDbDatabase* destination, bool create);
PnDbObjectId GetCorrespondingDictionaryIdInDestDatabase(PnDbObjectId sourceDictionaryId, PnDbDatabase* destination,
                                                        bool create);

// A clone of the (open) source object and a name for it that is free in the
// (open) destination dictionary: the entry's own name, else "<name> 0",
// "<name> 1", ... The clone is not added anywhere; the caller owns it.
bool CloneDictionaryObject(const PnDbObject* source, const PnDbDictionary* destination, PnDbObject*& clone,
                           KOVTString& name);
// The same for an object id, into the corresponding dictionary of its owner
// in `destination` (created when missing).
bool CloneDictionaryObject(PnDbObjectId sourceId, PnDbDatabase* destination, PnDbObject*& clone, KOVTString& name);

// Clones the source object under a free name into the destination dictionary,
// which must be open for write. Answers the new id, or null.
PnDbObjectId CopyDictionaryObject(const PnDbObject* source, PnDbDictionary* destination);
// The same for an object id, into the corresponding dictionary of its owner
// in `destination` (created when missing).
PnDbObjectId CopyDictionaryObject(PnDbObjectId sourceId, PnDbDatabase* destination);

}  // namespace KovtCopyUtil
