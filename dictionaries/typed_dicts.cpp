#include "dictionaries/typed_dicts.h"

#include "dictionaries/app_dictionary_classes.h"
#include "dictionaries/dict_names.h"
#include "dictionaries/dict_tree.h"

namespace {

constexpr DDictPlace kPlaces[] = {
    {L"ReinforcementDescription", true},
    {L"Tables", true},
    {L"Positions", false},
    {L"EditDocuments", false},
    {L"Views", false},
    {L"Printouts", false},
    {L"EditDocCache", false},
    {L"ProjectSettings", false},
    {L"DrawingTemplates", false},
    {L"DrawingTemplatesMngr", false},
    {L"Temp", false},
    {L"DescriptionDatabase", true},
    {kStyleDictName, false},
    {L"Folders", false},
    {L"Symbols", true},
    {L"SymbolNumberDatabase", true},
    {L"CoffrageDescription", true},
    {L"VirtualFolders", false},
};

PnDbDictionary* openRoot(DDictInst instance, PnDbDatabase* database, PnDb::OpenMode mode, bool create) {
  return instance == DDI_Application ? GetAppRootDict(database, mode, create) : GetRootDict(database, mode, create);
}

// The dictionary the entry of `place` goes into: the root itself, or its
// "Style" (closing the root).
PnDbDictionary* parentOf(const DDictPlace& place, PnDbDictionary* root, PnDb::OpenMode mode, bool createStyle) {
  if (!place.inStyle) return root;
  return GetSubDict(createStyle ? KOVTStyleDictionary::desc() : nullptr, root, kStyleDictName, mode, true);
}

// The root of `instance`, with the place of `type` in `place`; null, the root
// closed again, when there is no such root or kind.
PnDbDictionary* openRootOf(DDictType type, DDictInst instance, PnDbDatabase* database, PnDb::OpenMode mode,
                           bool create, const DDictPlace*& place) {
  PnDbDictionary* root = openRoot(instance, database, mode, create);
  if (root == nullptr) return nullptr;
  place = KovtDictPlace(type);
  if (place != nullptr) return root;
  root->close();
  return nullptr;
}

}  // namespace

const DDictPlace* KovtDictPlace(DDictType type) {
  constexpr int kCount = static_cast<int>(sizeof kPlaces / sizeof kPlaces[0]);
  if (type < 1 || type > kCount) return nullptr;
  return &kPlaces[type - 1];
}

PnDbDictionary* KOVTGetDict(const PnRxClass* cls, DDictType type, PnDb::OpenMode mode, DDictInst instance,
                            PnDbDatabase* database) {
  const DDictPlace* place = nullptr;
  PnDbDictionary* root =
      openRootOf(type, instance, database, cls != nullptr ? PnDb::kForWrite : PnDb::kForRead, true, place);
  if (root == nullptr) return nullptr;
  if (type == DDT_Style) return GetSubDict(KOVTStyleDictionary::desc(), root, kStyleDictName, mode, true);
  PnDbDictionary* parent = parentOf(*place, root, PnDb::kForRead, true);
  return GetSubDict(cls, parent, place->name, mode, true);
}

bool KOVTIsDict(DDictType type, DDictInst instance, PnDbDatabase* database) {
  const DDictPlace* place = nullptr;
  PnDbDictionary* root = openRootOf(type, instance, database, PnDb::kForRead, false, place);
  return root != nullptr && IsSubDict(parentOf(*place, root, PnDb::kForRead, false), place->name);
}

bool KOVTAddDict(DDictType type, PnDbDictionary* child, DDictInst instance, PnDbDatabase* database) {
  const DDictPlace* place = nullptr;
  PnDbDictionary* root = openRootOf(type, instance, database, PnDb::kForWrite, true, place);
  return root != nullptr && AddSubDict(parentOf(*place, root, PnDb::kForWrite, true), place->name, child);
}
