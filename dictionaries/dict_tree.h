// Finding, testing, creating and adding dictionaries of the application tree
// (see dict_names.h for its shape).
//
// A null database means the host's working database. A dictionary handed
// back is open and the caller closes it; a newly created one comes back open
// for write whatever mode was asked. Everything else a call opens is closed
// before it returns. Failures answer null or false; nothing is thrown.
// An entry that exists but holds something other than a dictionary is never
// replaced: lookups of it answer null.
#pragma once

#include "host/database.h"
#include "host/dictionary.h"

// The child `name` of `parent`, opened in `mode`. A missing (or erased) entry
// is created with `cls` when one is given (the parent is upgraded to write for
// that and downgraded again). `closeParent` closes the parent before returning,
// except when the parent is null or not in a database: then it is left alone.
PnDbDictionary* GetSubDict(const PnRxClass* cls, PnDbDictionary* parent, const wchar_t* name, PnDb::OpenMode mode,
                           bool closeParent);
// Whether `parent` has a live entry `name`. Always closes the parent.
bool IsSubDict(PnDbDictionary* parent, const wchar_t* name);
// Adds `child` under `name`; false when the name is taken or the addition
// fails (a parent open only for read is not upgraded), and the child then
// stays the caller's. On success the child, now the
// database's, is closed. Always closes the parent.
bool AddSubDict(PnDbDictionary* parent, const wchar_t* name, PnDbDictionary* child);

// The common root "KOVT", created as a KOVTMainRootDictionary when asked.
PnDbDictionary* GetRootDict(PnDbDatabase* database, PnDb::OpenMode mode, bool create);
// The module roots below "KOVT". "KOVT" itself is always created when missing;
// `create` decides about the module root.
PnDbDictionary* GetKovrRootDict(PnDbDatabase* database, PnDb::OpenMode mode, bool create);
PnDbDictionary* GetKovsRootDict(PnDbDatabase* database, PnDb::OpenMode mode, bool create);
PnDbDictionary* GetKovxRootDict(PnDbDatabase* database, PnDb::OpenMode mode, bool create);

// The root of the current application context (of the working drawing, not
// of `database`): "KOVR" for reinforcement and bar shapes, "KOVS" for steel,
// "KOVX" for formwork (module roots are always created), "KOVT" for common
// (created when asked); none for the context "none".
PnDbDictionary* GetAppRootDict(PnDbDatabase* database, PnDb::OpenMode mode, bool create);
// Whether that root exists and opens for read; creates nothing.
bool IsAppRootDict(PnDbDatabase* database);

// A root `name` directly in the working drawing's named-objects dictionary,
// created when missing as a KOVTMainRootDictionary that replaces its
// namesake when cloned into another drawing.
PnDbDictionary* GetCurrentRootDictionary(const wchar_t* name, PnDb::OpenMode mode);
