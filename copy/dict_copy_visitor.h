// Copies a dictionary of one drawing into the corresponding dictionary of
// another (created when missing), entry by entry, and with `recursive` every
// sub-dictionary into its own counterpart too.
//
// Derived visitors decide per entry how it is copied by overriding
// CopyObject; the default adds a clone under the entry's own name, replacing
// a destination entry of that name.
#pragma once

#include "host/database.h"

namespace KovtCopyUtil {

class DictCopyVisitor {
 public:
  DictCopyVisitor(PnDbObjectId sourceDictionaryId, PnDbDatabase* destination, bool recursive);
  virtual ~DictCopyVisitor() = default;
  DictCopyVisitor(const DictCopyVisitor&) = delete;
  DictCopyVisitor& operator=(const DictCopyVisitor&) = delete;

  void Run();

 protected:
  // Copies the source entry into the destination dictionary and answers the
  // new id (also left in `newId`; null when nothing was copied). Clearing
  // `descend` keeps a recursive visitor out of the entry.
  virtual PnDbObjectId CopyObject(PnDbObjectId& newId, PnDbObjectId destinationDictionaryId,
                                  PnDbObjectId sourceEntryId, bool& descend);

 private:
  // Copies one source dictionary; appends the sub-dictionaries to visit next.
  void CopyDict(PnDbObjectId sourceDictionaryId, PnDbObjectIdArray& subDictionaries);

  PnDbObjectId m_sourceDictionaryId;
  bool m_recursive;
  PnDbDatabase* m_destination;  // not owned
};

}  // namespace KovtCopyUtil
