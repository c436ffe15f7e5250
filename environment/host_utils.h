// What the detailing applications ask about their host: its folders and
// version, loaded modules, application names, and two diagnostics helpers.
#pragma once

#include "core/kovt_string.h"
#include "host/filer.h"
#include "host/ids.h"
#include "platform/windows.h"

namespace KOVT {

// Applications of the family that have a name of their own.
enum KovtAppId : int {
  eAppCommon = 0,         // "KOVT"
  eAppReinforcement = 2,  // "KOVR"
  eAppSteel = 3,          // "KOVS"
};

}  // namespace KOVT

// The name of the filer's type ("File", "Copy", "Undo" ...); empty for a null
// filer or a type without a name.
const wchar_t* GetFilerType(const PnDbDwgFiler* filer);

// Whether id names an object that can be opened for read. A null or erased id
// is invalid when strict and, without looking further, valid when not.
bool IsValidId(PnDbObjectId id, bool strict);

namespace KoVTAppSetUtils {

// "KOVT", "KOVR" or "KOVS"; null for any other id.
const wchar_t* GetApplicationName(KOVT::KovtAppId id);

// Accepted for compatibility: modules are found by name, nothing is recorded.
bool RegsiterModule(KOVT::KovtAppId id, const wchar_t* name, bool flag);

// Writes the full file name of a loaded module to buffer (size characters,
// terminator included). False for an empty name, a module that is not loaded
// or a buffer that is too small.
bool GetModulePath(const wchar_t* moduleName, wchar_t* buffer, DWORD size);

// The host's registry key ("SOFTWARE\HexLon\Planix\R20.0\PLNX-E030:" and its
// locale id, "409" when none is known) and display name; returns the host's
// version code, 5.
int GetPlnxVersion(KOVTString& productName, KOVTString& registryKey);

// The host's installation folder, completed: "PlnxLocation" or else "Location"
// of the key below the local-machine hive; empty when neither can be read.
// The version is not needed.
KOVTString GetPlnxPath(const KOVTString& registryKey, int version);

// The host's support folder for the product language:
// <installation>\UserDataCache\<language>\Support; empty without installation.
KOVTString GetSupportPath();

// The host's hatch pattern file in the support folder; empty without one.
KOVTString GetPatFilePath();

// Appends a separator to a non-empty path that does not end with one; the
// argument is changed too.
KOVTString CompletePath(KOVTString& path);

}  // namespace KoVTAppSetUtils
