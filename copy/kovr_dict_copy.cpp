#include "copy/kovr_dict_copy.h"

#include "copy/dict_tree_copy.h"
#include "core/db_helpers.h"
#include "dictionaries/app_dictionary_classes.h"
#include "dictionaries/dict_names.h"
#include "dictionaries/dict_tree.h"
#include "dictionaries/typed_dicts.h"

namespace {

struct KeeperDictionary {
  const wchar_t* entry;
  const wchar_t* className;  // registered by the steel module while it is loaded
};

constexpr KeeperDictionary kKeeperDictionaries[] = {
    {kCrSecKeepersDictName, L"KoVSCrSecDictionary"},
    {kMaterialKeepersDictName, L"KoVSMaterialDictionary"},
};

// The entry of the named-objects dictionary, created with `cls` when missing.
PnDbObjectId keeperDictionaryId(PnDbDatabase* database, const KeeperDictionary& keeper, const PnRxClass* cls,
                                PnDb::OpenMode mode) {
  PnDbDictionary* namedObjects = nullptr;
  if (database->getNamedObjectsDictionary(namedObjects, PnDb::kForRead) != Plnx::eOk) return {};
  PnDbDictionary* dictionary = GetSubDict(cls, namedObjects, keeper.entry, mode, true);
  if (dictionary == nullptr) return {};
  PnDbObjectId id = dictionary->objectId();
  dictionary->close();
  return id;
}

void mergeStyle(PnDbDatabase* source, PnDbDatabase* destination) {
  if (!KOVTIsDict(DDT_Style, DDI_Application, source)) return;
  PnDbDictionary* sourceStyle = KOVTGetDict(nullptr, DDT_Style, PnDb::kForRead, DDI_Application, source);
  if (sourceStyle == nullptr) return;
  PnDbObjectId sourceId = sourceStyle->objectId();
  sourceStyle->close();
  PnDbDictionary* destinationStyle =
      KOVTGetDict(KOVTStyleDictionary::desc(), DDT_Style, PnDb::kForWrite, DDI_Application, destination);
  if (destinationStyle == nullptr) return;
  PnDbObjectId destinationId = destinationStyle->objectId();
  destinationStyle->close();
  KovtCopyUtil::CopySimpleDictionaryTree(destinationId, sourceId);
}

}  // namespace

bool CopyKovrDictFromTo(PnDbDatabase* source, PnDbDatabase* destination) {
  if (source == nullptr) return false;
  destination = KoVTCoreAPI::DatabaseOrWorking(destination);
  if (destination == nullptr) return false;

  mergeStyle(source, destination);
  for (const KeeperDictionary& keeper : kKeeperDictionaries) {
    const PnRxClass* cls = pnrxFindPnRxClass(keeper.className);
    PnDbObjectId sourceId = keeperDictionaryId(source, keeper, cls, PnDb::kForRead);
    PnDbObjectId destinationId = keeperDictionaryId(destination, keeper, cls, PnDb::kForWrite);
    if (!sourceId.isNull() && !destinationId.isNull()) KovtCopyUtil::CopySimpleDictionaryTree(destinationId, sourceId);
  }
  return true;
}
