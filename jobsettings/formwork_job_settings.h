// The job settings of the formwork detailing module: one object per drawing,
// stored in the "ProjectSettings" dictionary below the formwork root "KOVX".
//
// Besides the common blocks (project variables 0 to 17, page setup, header
// and footer, the first three template keys) a set stores the blocks below in
// the order of formwork_keys.h. Reading repairs sets that lack the cross- and
// hole-dimension units, formats, decimals or factors (they take the length
// ones), and, inside a copy between two drawings (KovtDoubleDbScope), moves
// the outline, section and storey linetypes over to the equal linetypes of
// the target drawing. Every read of a stored set and every write refreshes
// the drawing's common tolerance record from "Units.WorkUnits".
#pragma once

#include <cstdint>
#include <vector>

#include "jobsettings/formwork_blocks.h"
#include "jobsettings/job_settings.h"

class KOVTFormworkJobSettings : public KOVTModuleJobSettings<KOVTFormworkJobSettings> {
 public:
  // The format version every write stores first in a set.
  static constexpr std::int32_t FormatVersion = 2;

  // Loads the default set of the working drawing; when it is missing, stores
  // the defaults as the set "Standard".
  KOVTFormworkJobSettings();
  // Loads the default set of `dict`, storing the defaults there under the
  // default name when it is missing. While it does so, dict's drawing is the
  // working one (so the detail text style is looked up there); the working
  // drawing is restored afterwards. Null: the working drawing's settings.
  explicit KOVTFormworkJobSettings(PnDbDictionary* dict);

  // Every member to its default, with the detail text style "KOVX_1" when the
  // working drawing has a text style of that name that is no shape file. The
  // endings, the per-element-type lists and hatching of the structures, the
  // dimension group lines, description lines and cuts (but the ring beam's)
  // keep what they hold.
  void Initialize() override;
  bool ReadJobSettings(KOVTString name, PnDbDictionary* dict, KoVTPrjReg::TAccessRight access) override;

  // Copies between the project variables and the project description; the
  // note has no variable.
  void TVARIABLES_2_XPROJECT();
  void XPROJECT_2_TVARIABLES();

  // The "Version" of the set being read or read last (FormatVersion when it
  // held none, or before any read); it decides how sections are read.
  std::int32_t StoredVersion() const { return m_storedVersion; }

  // ListKeys() leaves out object ids and presentation structures; this names
  // every key a written set holds, in stored order, a structure by its prefix
  // ("Found.Out"), whose values are named after it.
  std::vector<KOVTString> ListKeyNames();

  XUNITS Units;
  XSTYLES Styles;
  XDESCS Descs;
  XDIMS Dims;
  XFOUNDDRAWING Found;
  XSTORDRAWING Stor;
  XSECTDRAWING Sect;
  XELEVDRAWING Elev;
  XVIEWDRAWING View;
  XDETAILDRAWING Detail;
  XPROJECT Project;

 private:
  friend KOVTModuleJobSettings;
  // Project variables 0 to 17 and the first three template keys.
  static CommonBlocks StoredBlocks();
  static void WalkModule(KOVTJobSettings& settings, KovtJobKeys::Filer& filer);
  void RefreshTolerances() const;
  std::int32_t& ReadVersion() { return m_storedVersion; }
  std::int32_t& WrittenVersion() { return m_writtenVersion; }

  std::int32_t m_storedVersion = FormatVersion;
  // The member a listing shows as "Version"; writes store it.
  std::int32_t m_writtenVersion = FormatVersion;
};
