#include "dictionaries/dict_tree.h"

#include "core/db_helpers.h"
#include "dictionaries/app_dictionary_classes.h"
#include "dictionaries/dict_names.h"
#include "environment/app_context.h"

namespace {

using KoVTCoreAPI::DatabaseOrWorking;

// Opens the entry's object, erased ones excepted. A status of eOk means
// `dictionary` is open; an entry that is no dictionary is closed again.
Plnx::ErrorStatus openEntry(const PnDbDictionary* parent, const wchar_t* name, PnDb::OpenMode mode,
                            PnDbDictionary*& dictionary) {
  dictionary = nullptr;
  PnDbObjectId id;
  const Plnx::ErrorStatus es = parent->getAt(name, id);
  if (es != Plnx::eOk) return es;
  return pndbOpenObject(dictionary, id, mode, false);
}

void closeIf(bool close, PnDbObject* object) {
  if (close && object != nullptr) object->close();
}

PnDbDictionary* newDictionaryOf(const PnRxClass* cls) {
  PnRxObject* created = cls->create();
  auto* dictionary = PnDbDictionary::cast(created);
  if (dictionary == nullptr) delete created;
  return dictionary;
}

PnDbDictionary* moduleRoot(PnDbDatabase* database, PnDb::OpenMode mode, bool create, const wchar_t* name) {
  PnDbDictionary* root = GetRootDict(database, mode, true);
  return GetSubDict(create ? KOVTAppDictionary::desc() : nullptr, root, name, mode, true);
}

// The entry a context's application root sits under in "KOVT"; null for
// "KOVT" itself (common) and for contexts without a root.
const wchar_t* moduleRootName(KOVTCONTEXT_TYPE context) {
  switch (context) {
    case KOVT_CONTEXT_REINFORCEMENT:
    case KOVT_CONTEXT_BARSHAPES:
      return kKovrRootDictName;
    case KOVT_CONTEXT_STEEL:
      return kKovsRootDictName;
    case KOVT_CONTEXT_FORMWORK:
      return kKovxRootDictName;
    default:
      return nullptr;
  }
}

}  // namespace

PnDbDictionary* GetSubDict(const PnRxClass* cls, PnDbDictionary* parent, const wchar_t* name, PnDb::OpenMode mode,
                           bool closeParent) {
  if (parent == nullptr || !parent->objectId().isValid()) return nullptr;
  PnDbDictionary* child = nullptr;
  Plnx::ErrorStatus es = openEntry(parent, name, mode, child);
  if (es != Plnx::eKeyNotFound || cls == nullptr) {
    closeIf(closeParent, parent);
    return child;
  }
  bool upgraded = false;
  if (!parent->isWriteEnabled()) {
    if (parent->upgradeOpen() != Plnx::eOk) {
      closeIf(closeParent, parent);
      return nullptr;
    }
    upgraded = true;
  }
  child = newDictionaryOf(cls);
  PnDbObjectId id;
  // A child the parent refused never reaches the database: drop it rather than hand out an orphan.
  if (child != nullptr && parent->setAt(name, child, id) != Plnx::eOk) {
    delete child;
    child = nullptr;
  }
  if (upgraded) parent->downgradeOpen();
  closeIf(closeParent, parent);
  return child;
}

bool IsSubDict(PnDbDictionary* parent, const wchar_t* name) {
  if (parent == nullptr) return false;
  bool found = parent->has(name);
  parent->close();
  return found;
}

bool AddSubDict(PnDbDictionary* parent, const wchar_t* name, PnDbDictionary* child) {
  if (parent == nullptr) return false;
  if (parent->has(name)) {
    parent->close();
    return false;
  }
  PnDbObjectId id;
  bool added = parent->setAt(name, child, id) == Plnx::eOk;  // refused unless open for write
  parent->close();
  if (!added) return false;
  child->close();
  return true;
}

PnDbDictionary* GetRootDict(PnDbDatabase* database, PnDb::OpenMode mode, bool create) {
  PnDbDatabase* db = DatabaseOrWorking(database);
  if (db == nullptr) return nullptr;
  PnDbDictionary* namedObjects = nullptr;
  if (db->getNamedObjectsDictionary(namedObjects, PnDb::kForRead) != Plnx::eOk) return nullptr;
  return GetSubDict(create ? KOVTMainRootDictionary::desc() : nullptr, namedObjects, kKovtRootDictName, mode, true);
}

PnDbDictionary* GetKovrRootDict(PnDbDatabase* database, PnDb::OpenMode mode, bool create) {
  return moduleRoot(database, mode, create, kKovrRootDictName);
}

PnDbDictionary* GetKovsRootDict(PnDbDatabase* database, PnDb::OpenMode mode, bool create) {
  return moduleRoot(database, mode, create, kKovsRootDictName);
}

PnDbDictionary* GetKovxRootDict(PnDbDatabase* database, PnDb::OpenMode mode, bool create) {
  return moduleRoot(database, mode, create, kKovxRootDictName);
}

PnDbDictionary* GetAppRootDict(PnDbDatabase* database, PnDb::OpenMode mode, bool create) {
  KOVTCONTEXT_TYPE context = KOVTContext().GetContext();
  if (context == KOVT_CONTEXT_COMMON) return GetRootDict(database, mode, create);
  const wchar_t* name = moduleRootName(context);
  return name != nullptr ? moduleRoot(database, mode, true, name) : nullptr;
}

bool IsAppRootDict(PnDbDatabase* database) {
  KOVTCONTEXT_TYPE context = KOVTContext().GetContext();
  PnDbDictionary* common = GetRootDict(database, PnDb::kForRead, false);
  if (common == nullptr) return false;
  common->close();
  const wchar_t* name = moduleRootName(context);
  PnDbDictionary* root = context == KOVT_CONTEXT_COMMON ? GetRootDict(database, PnDb::kForRead, false)
                         : name != nullptr              ? moduleRoot(database, PnDb::kForRead, false, name)
                                                        : nullptr;
  if (root == nullptr) return false;
  root->close();
  return true;
}

PnDbDictionary* GetCurrentRootDictionary(const wchar_t* name, PnDb::OpenMode mode) {
  if (name == nullptr || *name == 0) return nullptr;
  PnDbDatabase* db = DatabaseOrWorking(nullptr);
  if (db == nullptr) return nullptr;
  PnDbDictionary* namedObjects = nullptr;
  if (db->getNamedObjectsDictionary(namedObjects, PnDb::kForRead) != Plnx::eOk) return nullptr;

  PnDbDictionary* root = nullptr;
  // Without its class a new root could not be saved with the drawing.
  if (openEntry(namedObjects, name, mode, root) == Plnx::eKeyNotFound && KOVTMainRootDictionary::desc() != nullptr) {
    auto* created = new KOVTMainRootDictionary;
    bool upgraded = namedObjects->upgradeOpen() == Plnx::eOk;
    PnDbObjectId id;
    bool added = upgraded && namedObjects->setAt(name, created, id) == Plnx::eOk;
    if (added) {
      created->setMergeStyle(PnDb::kDrcReplace);
      created->close();
      openEntry(namedObjects, name, mode, root);
    } else {
      delete created;
    }
    if (upgraded) namedObjects->downgradeOpen();
  }
  namedObjects->close();
  return root;
}
