#include <algorithm>

#include "copy/dict_tree_copy.h"
#include "core/db_helpers.h"
#include "dictionaries/typed_dicts.h"
#include "host/database.h"
#include "jobsettings/access_points.h"

namespace {

// The id of the application root's "ProjectSettings" of the drawing; with a
// class it is created when missing.
PnDbObjectId settingsDictionaryId(PnDbDatabase* database, const PnRxClass* cls, PnDb::OpenMode mode) {
  PnDbDictionary* dictionary = KOVTGetDict(cls, DDT_ProjectSettings, mode, DDI_Application, database);
  if (dictionary == nullptr) return {};
  PnDbObjectId id = dictionary->objectId();
  dictionary->close();
  return id;
}

}  // namespace

bool CopyReinfJobsetFromTo(PnDbDatabase* from, PnDbDatabase* to) {
  if (from == nullptr) return false;
  to = KoVTCoreAPI::DatabaseOrWorking(to);
  if (to == nullptr) return false;
  if (!KOVTIsDict(DDT_ProjectSettings, DDI_Application, from)) return true;
  PnDbObjectId source = settingsDictionaryId(from, nullptr, PnDb::kForRead);
  PnDbObjectId destination = settingsDictionaryId(to, PnDbDictionary::desc(), PnDb::kForWrite);
  if (source.isNull() || destination.isNull()) return false;
  KovtCopyUtil::CopySimpleDictionaryTree(destination, source);
  return true;
}

void KOVTReinfSteelVectorUpdate(const KoVT::Core::TStringList& grades) {
  KOVTReinfJobSettings* settings = REINF_JOBSET();
  if (settings == nullptr) return;
  std::vector<RSTEEL>& steels = settings->Mater.SteelList;
  for (const KOVTString& grade : grades) {
    bool listed = std::any_of(steels.begin(), steels.end(), [&](const RSTEEL& steel) { return steel.Class == grade; });
    if (listed) continue;
    RSTEEL added;
    added.Class = grade;
    if (!steels.empty()) {
      added.Symbol = steels.back().Symbol;
      added.UserSymbol = steels.back().UserSymbol;
    }
    steels.push_back(added);
  }
  std::erase_if(steels, [&](const RSTEEL& steel) { return grades.IndexOf(steel.Class) < 0; });
  settings->Mater.ReinfSteelSize = grades.GetCount();
}
