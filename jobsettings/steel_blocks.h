// The blocks of the steel job settings. Every stored field is named after its
// key: "Welding.BoltSiteColor" is the member Welding.BoltSiteColor of the
// settings object. The key tables give the stored fields their defaults.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/kovt_string.h"
#include "jobsettings/project_block.h"

// The host colour index the steel application reads as "by layer".
inline constexpr std::int32_t kSteelColorByLayer = 256;

struct SGENERAL {
  double TolerPartsIdent{};   // tolerance for identifying equal parts
  double TolerContactWeld{};  // tolerance for contact welds
  std::int32_t TolerArcDisplay{};
  bool AutoGroupCreate{};
  bool AutoUpdateConnections{};
  bool LoosePartsAssemblies{};
  bool SimplConnectorsModeling{};
  bool SimplModelingParStruct{};
  std::int32_t AssembliesNomenclature{};
  KOVTString AssembliesText;
  bool OverwritePrefix{};
  KOVTString OverwritePrefixValue;  // used when OverwritePrefix is set
};

// Default materials and the surface finishings offered for parts and bolts.
// Each size is the number of entries of its list as last read or written.
struct SMATERIAL {
  KOVTString DefaultMatProfiles;
  KOVTString DefaultMatPlates;
  KOVTString DefaultMatBolts;
  KOVTString DefaultMatUser;
  std::int32_t SurfaceFinishingSize = 0;
  std::int32_t BoltsSurfaceFinishingSize = 0;
  std::vector<KOVTString> SurfaceFinishingVector;
  std::vector<KOVTString> BoltsSurfaceFinishingVector;
  std::int32_t SurfaceFinishingDefault{};  // index into SurfaceFinishingVector
  std::int32_t BoltsSurfaceFinishingDefault{};
};

struct SPROFILES {
  KOVTString ProfDatabase;
};

// Style names of dimensions, tables and descriptions.
struct SSTYLES {
  KOVTString DimensParts;
  KOVTString DimensAssemblies;
  KOVTString DimensGroups;
  KOVTString TableMaterials;
  KOVTString TableAssemblies;
  KOVTString TableBolts;
  KOVTString TableAssem;
  KOVTString TableCuts;
  KOVTString TablePlate;
  KOVTString TableProfile;
  KOVTString TableBoltAssign;
  KOVTString TableUserObj;
  KOVTString TableSumProf;
  KOVTString TableMarks;
  KOVTString TableNoMach;
  KOVTString TableConnect;
  KOVTString DescrParts;
  KOVTString DescrAssemblies;
  KOVTString DescrBolts;
  KOVTString DescrElevation;
  KOVTString DescrWorkframes;
  KOVTString DescrWelding;
};

// A bolt colour rule by grade.
struct SGRADE {
  KOVTString Grade;
  std::int32_t Color = kSteelColorByLayer;
};

// A bolt colour rule by diameter.
struct SDIAM {
  double Diameter = 0.0;
  std::int32_t Color = kSteelColorByLayer;
};

// Weld and bolt display. The colour rules are stored as
// "Welding.BoltColorGrade<i>.Grade/Color" and "Welding.BoltColorDiam<i>.Diam/Color".
struct SWELDING {
  std::int32_t WeldType{};
  std::int32_t BoltType{};
  bool EdgePreparation{};
  std::int32_t WeldScheme{};
  std::int32_t WorkColor{};
  std::int32_t SiteColor{};
  std::int32_t OutOfDateColor{};
  std::int32_t BoltWorkColor{};
  std::int32_t BoltSiteColor{};
  std::int32_t BoltOutOfDateColor{};
  std::int32_t BoltTypeBy{};
  std::int32_t BoltColorGradeSize = 0;
  std::vector<SGRADE> BoltColorGrade;
  std::int32_t BoltColorDiamSize = 0;
  std::vector<SDIAM> BoltColorDiam;
  std::int32_t WeldWorkColor{};
  std::int32_t WeldSiteColor{};
  std::int32_t WeldOutOfDateColor{};
  double BoltRoundup{};
  KOVTString BoltStandard;
};

struct SPARTS {
  std::int32_t Fit2Object{};
};

struct SPRINTOUTS {
  KOVTString TemplateSingleParts;
  KOVTString TemplateAssemblies;
  KOVTString TemplateGroups;
  bool Frame{};
  std::int32_t Linetype{};
  bool InsertTable{};
  KOVTString BlockName;
  double MarginTop{};
  double MarginRight{};
  double MarginBottom{};
  double MarginLeft{};
};

using SPROJECT = TPROJECT;

// How lengths and angles are shown; kept in memory only, never stored.
struct SDISPLAYFORMAT {
  KOVTString Unit;
  KOVTString Format;  // printf format of a value
  std::int32_t Precision = 0;
  double Factor = 1.0;
};

struct SDISPLAYFORMATS {
  std::array<SDISPLAYFORMAT, 2> Lengths{{{L"mm", L"%.5lf", 5, 1.0}, {L"mm", L"%.5lf", 5, 1.0}}};
  SDISPLAYFORMAT Angle{L"deg", L"%d", 1, 1.0};
};

struct SUNITS {
  std::int32_t WorkUnitMode{};  // non-zero: metric
  KOVTString WorkUnitName;
  std::int32_t WorkUnitType{};
  std::int32_t WorkUnitPrec{};
  std::int32_t DescFrmtType{};
  std::int32_t DescFrmtPrec{};
  std::int32_t StyleTabType{};
  std::int32_t StyleTabPrec{};
};

// Design code and drawing standard.
struct SNORM {
  KOVTString StructuralStd;
  KOVTString DrawingStd;
};
