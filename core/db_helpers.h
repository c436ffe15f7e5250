// Database helpers of the core library: matching linetypes between drawings,
// and the scope that marks a copy from one drawing into another.
#pragma once

#include "host/database.h"

namespace KoVTCoreAPI {

// The host's working database; null without a host or a drawing.
PnDbDatabase* WorkingDatabase();
// `database`, else the working database.
PnDbDatabase* DatabaseOrWorking(PnDbDatabase* database);

// The linetype of `otherDatabase` equal to `linetypeId` of `database`: the one
// of the same name, else the first with the same dash pattern. eKeyNotFound
// leaves `foundId` unchanged. A null database is the working database.
Plnx::ErrorStatus GetEqualLinetypeId(PnDbDatabase* database, PnDbObjectId linetypeId,
                                     PnDbDatabase* otherDatabase, PnDbObjectId& foundId);

}  // namespace KoVTCoreAPI

// While a scope lives, code that copies objects can ask which two drawings
// the copy runs between. Scopes nest; the innermost one answers.
class KovtDoubleDbScope {
 public:
  KovtDoubleDbScope(PnDbDatabase* source, PnDbDatabase* target);
  ~KovtDoubleDbScope();
  KovtDoubleDbScope(const KovtDoubleDbScope&) = delete;
  KovtDoubleDbScope& operator=(const KovtDoubleDbScope&) = delete;

  // True inside a scope, with its databases; outside, false and both null.
  static bool getStat(PnDbDatabase*& source, PnDbDatabase*& target);

 private:
  PnDbDatabase* m_source;
  PnDbDatabase* m_target;
  KovtDoubleDbScope* m_outer;
};
