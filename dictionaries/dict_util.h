// Small services around dictionaries and symbol tables: making names safe as
// dictionary keys and record names, listing linetypes and dimension styles,
// the well-known style ids, hard-reference queries and removing dictionary
// entries together with their objects.
//
// A null database means the host's working database. Failures answer 0, null,
// false or an empty list; nothing is thrown or reported.
#pragma once

#include <cstdint>

#include "core/kovt_string.h"
#include "core/string_list.h"
#include "host/database.h"
#include "host/dictionary.h"
#include "host/ids.h"

namespace KovtDictUtil {

// A valid name is not empty, does not start with a space, is shorter than 256
// characters and holds none of  < > / \ " ? * | , = ' ; ~ :
// Without `repair` the name is only checked. With `repair` it is made valid in
// place (over-long names keep their first and last 126 characters, forbidden
// characters become "(", ")", "." for "<", ">", "," and "-" otherwise, spaces
// are trimmed at both ends, an empty result becomes "a"), and the answer is
// whether it was left unchanged.
bool IsValidDbName(KOVTString& name, bool repair);

// Append the records of the table, in table order, to each list that is given,
// and answer the number of records walked, a record that cannot be opened
// included (it is listed in neither list); 0 when neither list is given.
std::int32_t GetLineTypesFromDatabase(PnDbObjectIdArray* ids, KoVT::Core::TStringList* names,
                                      PnDbDatabase* database = nullptr);
std::int32_t GetDimStylesFromDatabase(PnDbObjectIdArray* ids, KoVT::Core::TStringList* names,
                                      PnDbDatabase* database = nullptr);

PnDbObjectId GetContinuousLineTypeId(PnDbDatabase* database = nullptr);
// The text style record named "Standard".
PnDbObjectId GetStandardTextStyleId(PnDbDatabase* database = nullptr);
PnDbObjectId GetCurrentTextStyleId(PnDbDatabase* database = nullptr);
PnDbObjectId GetCurrentDimStyleId(PnDbDatabase* database = nullptr);

// Counted by the working database, ownership by a dictionary or table
// included. The answers keep the order of `ids`.
PnDbObjectIdArray GetObjectsHardReferenced(const PnDbObjectIdArray& ids);
PnDbObjectIdArray GetObjectsNotHardReferenced(const PnDbObjectIdArray& ids);
bool IsObjectHardReferenced(PnDbObjectId id);

// Removes the entries holding these objects and erases every given object,
// also one the dictionary does not hold. The id forms open the
// dictionary for write and close it again; the pointer forms need it open for
// write already (else nothing happens) and leave it open.
void RemoveObjectFromDict(PnDbObjectId dictionaryId, PnDbObjectId objectId);
void RemoveObjectFromDict(PnDbObjectId dictionaryId, const PnDbObjectIdArray& objectIds);
void RemoveObjectFromDict(PnDbDictionary* dictionary, PnDbObjectId objectId);
void RemoveObjectFromDict(PnDbDictionary* dictionary, const PnDbObjectIdArray& objectIds);

}  // namespace KovtDictUtil
