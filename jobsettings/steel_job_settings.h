// The job settings of the steel detailing module: one object per drawing,
// stored in the "ProjectSettings" dictionary below the steel root "KOVS".
//
// Besides the common blocks (project variables 0 to 17, page setup, header
// and footer, the first three template keys) a set stores the blocks below,
// each field under the key of its own name ("General.TolerPartsIdent",
// "AppSett.DISPLAY.PAR_FRAME"). Reading repairs sets written before the bolt
// and weld colours had keys of their own: a missing bolt or weld colour takes
// the general one. Every read of a stored set and every write refreshes the
// drawing's common tolerance record.
#pragma once

#include <cstdint>
#include <vector>

#include "jobsettings/job_settings.h"
#include "jobsettings/steel_app_settings.h"
#include "jobsettings/steel_blocks.h"

class KOVTSteelJobSettings : public KOVTModuleJobSettings<KOVTSteelJobSettings> {
 public:
  // The format version stored first in every set; reading a set stores its
  // version here, so later writes keep that of the drawing read last.
  static std::int32_t FormatVersion;

  // Loads the default set of the working drawing, storing the defaults when
  // the drawing has none.
  KOVTSteelJobSettings();
  // The same on `dict` (null: the working drawing's settings dictionary).
  explicit KOVTSteelJobSettings(PnDbDictionary* dict);

  // Every member to its default, the lists of surface finishings emptied. The
  // bolt colour rules stay; only their sizes become 0.
  void Initialize() override;

  // Copies between the project variables and the project description; the
  // note has no variable.
  void TVARIABLES_2_SPROJECT();
  void SPROJECT_2_TVARIABLES();

  // The colour of the first of the Welding.BoltColorGradeSize rules whose
  // grade is exactly `grade`; kSteelColorByLayer when none is.
  int GetBoltColorByGrade(KOVTString grade) const;
  // The same by diameter, compared exactly.
  int GetBoltColorByDiameter(double diameter) const;

  // Whether welds follow the US norm: the working drawing measures in
  // imperial units. False without a working drawing.
  bool IsWeldNormUS() const;

  SGENERAL General;
  SMATERIAL Material;
  SPROFILES Profiles;
  SSTYLES Styles;
  SWELDING Welding;
  SPARTS Parts;
  SPRINTOUTS Printouts;
  SPROJECT Project;
  SAPPSETT AppSett;
  SDISPLAYFORMATS Display;
  SUNITS Units;
  SNORM Norm;

 private:
  friend KOVTModuleJobSettings;
  // Project variables 0 to 17 and the first three template keys.
  static CommonBlocks StoredBlocks();
  static void WalkModule(KOVTJobSettings& settings, KovtJobKeys::Filer& filer);
  void RefreshTolerances() const;
};
