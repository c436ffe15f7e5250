// The product suite's per-user start-up choices, kept in the Windows registry
// below "Software\Hexlon\Lattice\ORL\<module>\<version number>" as string
// values. Values an installer put below the local-machine hive serve as
// defaults until the user's own are written.
#pragma once

#include <cstdint>

#include "core/kovt_string.h"

namespace ORL_Tools {

enum eORL : int {
  eORL_None = 0,
  eORL_Steel,
  eORL_Reinforcement,
  eORL_Formwork,
  eORL_Common,  // workspaces only
};

// How the suite was started; the detailing applications give the values
// beyond the default meaning.
enum eStartType : std::int32_t { eStartDefault = 0 };

// The longest drawing template path stored, in characters.
inline constexpr int kMaxTemplateLength = 1024;

// The key of a module's values ("Software\Hexlon\Lattice\ORL\KOVS\2019_enu");
// the common key, which also holds the suite-wide values, for eORL_Common and
// empty for anything else.
KOVTString ORLSettingsKey(eORL module);

// Whether the start-up page shows: stored "1"; anything else or nothing is false.
bool GetORLShowStartup();
bool SetORLShowStartup(bool show);

// The module that starts: stored "Steel", "Reinforcement" or "Formwork";
// eORL_None for anything else or nothing.
eORL GetORLModule();
// False, writing nothing, for a module other than those three.
bool SetORLModule(eORL module);

// The drawing template of steel, reinforcement or formwork (false for any
// other module): the stored one for the host's locale, else the module's
// default template in the configuration folder (GetAppPath("PATHCFG") of CFG()).
bool GetORLDwtTepmplate(eORL module, KOVTString& out);
// Stores the template (cut to kMaxTemplateLength characters) as the module's
// template and as the one of the host's locale; the result is that of the
// locale's write.
bool SetORLDwtTepmplate(eORL module, const wchar_t* templatePath);

// The workspace of steel, reinforcement, formwork or common (false for
// anything else): the stored one for the host's locale, else the module's
// default from the resources of "KOVT" (empty when they cannot be loaded).
bool GetORLWorkspace(eORL module, KOVTString& out);
bool SetORLWorkspace(eORL module, const wchar_t* workspace);

eStartType GetStartType();
void SetStartType(eStartType type);

// Whether drawings use the old data format; nothing sets it, so it is false.
bool IsMDB();

}  // namespace ORL_Tools
