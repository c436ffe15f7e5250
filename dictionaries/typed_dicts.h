// The application's named dictionaries, found by kind below a root.
//
// Each kind sits directly below a root or below the root's "Style"
// dictionary. DDictInst picks the root: the current application's root, or
// the common root "KOVT". A null database means the working database.
#pragma once

#include "host/database.h"
#include "host/dictionary.h"

enum DDictType : int {
  DDT_ReinforcementDescription = 1,
  DDT_Tables,
  DDT_Positions,
  DDT_EditDocuments,
  DDT_Views,
  DDT_Printouts,
  DDT_EditDocCache,
  DDT_ProjectSettings,
  DDT_DrawingTemplates,
  DDT_DrawingTemplatesMngr,
  DDT_Temp,
  DDT_DescriptionDatabase,
  DDT_Style,
  DDT_Folders,
  DDT_Symbols,
  DDT_SymbolNumberDatabase,
  DDT_CoffrageDescription,
  DDT_VirtualFolders,
};

// Any value other than DDI_Application selects the common root.
enum DDictInst : int {
  DDI_Common = 0,
  DDI_Application = 1,
};

// Where a kind of dictionary lives.
struct DDictPlace {
  const wchar_t* name;  // its entry name
  bool inStyle;         // below "Style" rather than directly below the root
};
// Null for values outside the enumeration.
const DDictPlace* KovtDictPlace(DDictType type);

// The dictionary of `type`, opened in `mode`. The root (opened for write
// when `cls` is given) and a "Style" on the way are created when missing;
// the dictionary itself only when `cls` is given ("Style" itself is always
// created as a KOVTStyleDictionary).
PnDbDictionary* KOVTGetDict(const PnRxClass* cls, DDictType type, PnDb::OpenMode mode, DDictInst instance,
                            PnDbDatabase* database = nullptr);
// Whether it exists. Creates nothing, except that in a module context the
// application root is made on the way (as every application-root lookup does).
bool KOVTIsDict(DDictType type, DDictInst instance, PnDbDatabase* database = nullptr);
// Adds a caller-made dictionary at the place of `type`; see AddSubDict for
// who owns `child` afterwards.
bool KOVTAddDict(DDictType type, PnDbDictionary* child, DDictInst instance, PnDbDatabase* database = nullptr);
