// The blocks of the steel job settings. Every stored field is named after its
// key: "Welding.BoltSiteColor" is the member Welding.BoltSiteColor of the
// settings object. The member initialisers are the defaults of a new set.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/kovt_string.h"
#include "jobsettings/project_block.h"

// The host colour index the steel application reads as "by layer".
inline constexpr std::int32_t kSteelColorByLayer = 256;

struct SGENERAL {
  double TolerPartsIdent = 1.0;   // tolerance for identifying equal parts
  double TolerContactWeld = 1.0;  // tolerance for contact welds
  std::int32_t TolerArcDisplay = 128;
  bool AutoGroupCreate = false;
  bool AutoUpdateConnections = false;
  bool LoosePartsAssemblies = false;
  bool SimplConnectorsModeling = true;
  bool SimplModelingParStruct = false;
  std::int32_t AssembliesNomenclature = 0;
  KOVTString AssembliesText;
  bool OverwritePrefix = false;
  KOVTString OverwritePrefixValue;  // used when OverwritePrefix is set
};

// Default materials and the surface finishings offered for parts and bolts.
// Each size is the number of entries of its list as last read or written.
struct SMATERIAL {
  KOVTString DefaultMatProfiles{L"Standard"};
  KOVTString DefaultMatPlates{L"Standard"};
  KOVTString DefaultMatBolts{L"Standard"};
  KOVTString DefaultMatUser{L"Standard"};
  std::int32_t SurfaceFinishingSize = 0;
  std::int32_t BoltsSurfaceFinishingSize = 0;
  std::vector<KOVTString> SurfaceFinishingVector;
  std::vector<KOVTString> BoltsSurfaceFinishingVector;
  std::int32_t SurfaceFinishingDefault = 0;  // index into SurfaceFinishingVector
  std::int32_t BoltsSurfaceFinishingDefault = 0;
};

struct SPROFILES {
  KOVTString ProfDatabase{L"RCAT"};
};

// Style names of dimensions, tables and descriptions.
struct SSTYLES {
  KOVTString DimensParts{L"Standard"};
  KOVTString DimensAssemblies{L"Standard"};
  KOVTString DimensGroups{L"Standard"};
  KOVTString TableMaterials{L"Standard"};
  KOVTString TableAssemblies{L"Standard"};
  KOVTString TableBolts{L"Standard"};
  KOVTString TableAssem{L"Standard"};
  KOVTString TableCuts{L"Standard"};
  KOVTString TablePlate{L"Standard"};
  KOVTString TableProfile{L"Standard"};
  KOVTString TableBoltAssign{L"Standard"};
  KOVTString TableUserObj{L"Standard"};
  KOVTString TableSumProf{L"Standard"};
  KOVTString TableMarks{L"Standard"};
  KOVTString TableNoMach{L"Standard"};
  KOVTString TableConnect{L"Standard"};
  KOVTString DescrParts{L"Standard"};
  KOVTString DescrAssemblies{L"Standard"};
  KOVTString DescrBolts{L"Standard"};
  KOVTString DescrElevation{L"Standard"};
  KOVTString DescrWorkframes{L"Standard"};
  KOVTString DescrWelding{L"Standard"};
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
  std::int32_t WeldType = 0;
  std::int32_t BoltType = 0;
  bool EdgePreparation = false;
  std::int32_t WeldScheme = 0;
  std::int32_t WorkColor = kSteelColorByLayer;
  std::int32_t SiteColor = kSteelColorByLayer;
  std::int32_t OutOfDateColor = kSteelColorByLayer;
  std::int32_t BoltWorkColor = kSteelColorByLayer;
  std::int32_t BoltSiteColor = kSteelColorByLayer;
  std::int32_t BoltOutOfDateColor = kSteelColorByLayer;
  std::int32_t BoltTypeBy = 0;
  std::int32_t BoltColorGradeSize = 0;
  std::vector<SGRADE> BoltColorGrade;
  std::int32_t BoltColorDiamSize = 0;
  std::vector<SDIAM> BoltColorDiam;
  std::int32_t WeldWorkColor = kSteelColorByLayer;
  std::int32_t WeldSiteColor = kSteelColorByLayer;
  std::int32_t WeldOutOfDateColor = kSteelColorByLayer;
  double BoltRoundup = 5.0;
  KOVTString BoltStandard;
};

struct SPARTS {
  std::int32_t Fit2Object = 0;
};

struct SPRINTOUTS {
  KOVTString TemplateSingleParts{L"Standard"};
  KOVTString TemplateAssemblies{L"Standard"};
  KOVTString TemplateGroups{L"Standard"};
  bool Frame = true;
  std::int32_t Linetype = 0;
  bool InsertTable = true;
  KOVTString BlockName{L"Standard"};
  double MarginTop = 1.0;
  double MarginRight = 1.0;
  double MarginBottom = 1.0;
  double MarginLeft = 1.0;
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
  std::int32_t WorkUnitMode = 1;  // non-zero: metric
  KOVTString WorkUnitName{L"mm"};
  std::int32_t WorkUnitType = 0;
  std::int32_t WorkUnitPrec = 4;
  std::int32_t DescFrmtType = 0;
  std::int32_t DescFrmtPrec = 2;
  std::int32_t StyleTabType = 0;
  std::int32_t StyleTabPrec = 0;
};

// Design code and drawing standard.
struct SNORM {
  KOVTString StructuralStd{L"EC3"};
  KOVTString DrawingStd{L"ISO-129"};
};
