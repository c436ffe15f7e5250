#include "dictionaries/dict_stamps.h"

#include "dictionaries/app_dictionary_classes.h"
#include "dictionaries/dict_names.h"
#include "dictionaries/dict_tree.h"

namespace {

bool rootHas(PnDbDatabase* database, const wchar_t* name) {
  return IsSubDict(GetRootDict(database, PnDb::kForRead, false), name);
}

}  // namespace

bool KovtIsKovrStamp(PnDbDatabase* database) { return rootHas(database, kKovrRootDictName); }
bool KovtIsKovsStamp(PnDbDatabase* database) { return rootHas(database, kKovsRootDictName); }
bool KovtIsKovxStamp(PnDbDatabase* database) { return rootHas(database, kKovxRootDictName); }

bool KovtIsStamp(PnDbDatabase* database) {
  return KovtIsKovsStamp(database) || KovtIsKovrStamp(database) || KovtIsKovxStamp(database);
}

bool KovtStampDb(const wchar_t* name, PnDbDatabase* database) {
  if (KovtIsStamp(database)) return false;
  PnDbDictionary* root = GetRootDict(database, PnDb::kForWrite, true);
  PnDbDictionary* stamp = GetSubDict(KOVTAppDictionary::desc(), root, name, PnDb::kForRead, true);
  if (stamp == nullptr) return false;
  stamp->close();
  return true;
}
