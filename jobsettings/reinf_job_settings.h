// The job settings of the reinforcement detailing module: one object per
// drawing, stored in the "ProjectSettings" dictionary below the reinforcement
// root "KOVR".
//
// Besides the common blocks (all 33 project variables, page setup, header and
// footer, all eight template keys) a set stores the blocks below, each field
// under its own key ("Units.Length", "BarDsp.PointColor"; reinf_keys.h lists
// them in stored order). Reading repairs sets written by older versions:
// renamed design codes and drawing standards, unit, cover and database keys
// that did not exist yet, and display values no longer offered. Every read of
// a stored set and every write refreshes the drawing's tolerance records.
#pragma once

#include <cstdint>
#include <vector>

#include "jobsettings/job_settings.h"
#include "jobsettings/reinf_blocks.h"
#include "units/runits.h"

class KOVTReinfJobSettings : public KOVTModuleJobSettings<KOVTReinfJobSettings> {
 public:
  // The format version stored first in every set; reading a set stores its
  // version here, so later writes keep that of the drawing read last.
  static std::int32_t FormatVersion;

  // Loads the default set of the working drawing, storing the defaults when
  // the drawing has none.
  KOVTReinfJobSettings();
  // The same on `dict` (null: the working drawing's settings dictionary).
  KOVTReinfJobSettings(PnDbDictionary* dict, KoVTPrjReg::TAccessRight access);

  // Every member to its default, the per-code database names filled in. The
  // steel list and the two database path numbers stay; the steel list's size
  // becomes 0, which hides the list from GetSteelSymb until a set is read.
  void Initialize() override;
  // Project variables 0 to 32; the user and company names and the company
  // address are answered by the investor's and the office's. Null for any
  // other type.
  KOVTString* GetVariable(PRN_VARIABLE_TYPES type) override;

  // Copies between the project variables and the project description; the
  // note has no variable.
  void TVARIABLES_2_RPROJECT();
  void RPROJECT_2_TVARIABLES();

  // Design codes (kReinNormsCount names) and drawing standards
  // (kDrawNormsCount), each followed by a null entry; the enumeration names
  // of the drawing standards, one per standard and not terminated.
  static const wchar_t* const* GetReinNorms();
  static const wchar_t* const* GetDrawNorms();
  static const wchar_t* const* GetDrawNormsEnumStrings();

  // The symbol of a steel grade: from the first entry of the steel list in
  // use whose class is `steelClass`, else from the longitudinal, transversal
  // or distribution grade it equals, else 0. With a listed grade, `text` (when
  // not null) receives the text the drawing shows for it: the user symbol, or
  // the symbol's standard text when there is none; a user symbol that says
  // "no symbol" in the preferences' language gives an empty text. `text` is
  // left alone for a grade that is not listed.
  rmater_steelsymbol GetSteelSymb(KOVTString steelClass, KOVTString* text) const;
  // The standard text of `symbol`; text is left alone outside 0 to 33.
  static void SetSteelSymbol(rmater_steelsymbol symbol, KOVTString& text);

  RUNITS Units;
  RNORMS Norms;
  RMATER Mater;
  ROPTIONS Options;
  RBAROPT BarOpt;
  RBARDSP BarDsp;
  RBARSTL BarStl;
  RBARSHAPE BarShape;
  RMESHOPT MeshOpt;
  RMESHDSP MeshDsp;
  RMESHSTL MeshStl;
  RPROFSTL ProfStl;
  RBIMSTL BimStl;
  KOVTString ProfDatabase = L"RCAT";  // "Profiles.ProfDatabase"
  RPROJECT Project;

 private:
  friend KOVTModuleJobSettings;
  // What of the common blocks a reinforcement set stores: everything.
  static CommonBlocks StoredBlocks();
  static void WalkModule(KOVTJobSettings& settings, KovtJobKeys::Filer& filer);
  void InitializeCommonBlocks();
  void RefreshTolerances() const;
};
