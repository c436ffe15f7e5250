// The value blocks of the formwork job settings, each field with the key it
// is stored under. Defaults: the member initializers, except where a comment
// says that KOVTFormworkJobSettings::Initialize gives them (drawing blocks) or
// leaves them alone.
#pragma once

#include <cstdint>

#include "core/kovt_string.h"
#include "host/ids.h"
#include "jobsettings/presentation.h"
#include "jobsettings/project_block.h"

// Unit names, printf formats, decimals and factors ("Units.").
struct XUNITS {
  KOVTString WorkUnits = L"m";           // "Units.WorkUnits"; feeds the length tolerance
  KOVTString Length = L"m";              // "Units.Length"
  KOVTString CrossDim = L"m";            // "Units.FormworkCrossDim"
  KOVTString HoleDim = L"m";             // "Units.FormworkHoleDim"
  KOVTString Volume = L"m3";             // "Units.FormworkVolume"
  KOVTString Surface = L"m2";            // "Units.FormworkSurface"
  KOVTString Mass = L"kg";               // "Units.FormworkMass"
  KOVTString Currency = L"EUR";          // "Units.FormworkCurrency"
  KOVTString Angle = L"deg";             // "Units.FormworkAngle"
  KOVTString PrintfLength = L"%.3lf";    // "Units.PrintfLength"
  KOVTString PrintfCrossDim = L"%.3lf";  // "Units.PrintfFormworkCrossDim"
  KOVTString PrintfHoleDim = L"%.3lf";   // "Units.PrintfFormworkHoleDim"
  KOVTString PrintfVolume = L"%.2lf";    // "Units.PrintfFormworkVolume"
  KOVTString PrintfSurface = L"%.2lf";   // "Units.PrintfFormworkSurface"
  KOVTString PrintfMass = L"%.2lf";      // "Units.PrintfFormworkMass"
  KOVTString PrintfCurrency = L"%.2lf";  // "Units.PrintfFormworkCurrency"
  KOVTString PrintfAngle = L"%.2lf";     // "Units.PrintfFormworkAngle"
  std::int32_t LengthPrecision = 3;              // "Units.LengthPrecision"
  std::int32_t CrossDimPrecision = 2;            // "Units.FormworkCrossDimPrecision"
  std::int32_t HoleDimPrecision = 2;             // "Units.FormworkHoleDimPrecision"
  std::int32_t VolumePrecision = 3;              // "Units.FormworkVolumePrecision"
  std::int32_t SurfacePrecision = 2;             // "Units.FormworkSurfacePrecision"
  std::int32_t MassPrecision = 2;                // "Units.FormworkMassPrecision"
  std::int32_t CurrencyPrecision = 2;            // "Units.FormworkCurrencyPrecision"
  std::int32_t AnglePrecision = 2;               // "Units.FormworkAnglePrecision"
  std::int32_t LessThanOnePrecision = 1;         // "Units.FormworkLessThanOnePrecision"
  std::int32_t GreaterThanOnePrecision = 1;      // "Units.FormworkGreaterThanOnePrecision"
  std::int32_t DescLessThanOnePrecision = 1;     // "Units.FormworkDescLessThanOnePrecision"
  std::int32_t DescGreaterThanOnePrecision = 1;  // "Units.FormworkDescGreaterThanOnePrecision"
  double LengthCoeff = 1.0;                      // "Units.LengthCoeff"
  double CrossDimCoeff = 1.0;                    // "Units.FormworkCrossDimCoeff"
  double HoleDimCoeff = 1.0;                     // "Units.FormworkHoleDimCoeff"
  double VolumeCoeff = 1.0;                      // "Units.FormworkVolumeCoeff"
  double SurfaceCoeff = 1.0;                     // "Units.FormworkSurfaceCoeff"
  double MassCoeff = 1.0;                        // "Units.FormworkMassCoeff"
  double CurrencyCoeff = 1.0;                    // "Units.FormworkCurrencyCoeff"
  double AngleCoeff = 57.29577951308232;         // "Units.FormworkAngleCoeff": degrees per radian
  KOVTString LessThenOne = L"mm";                // "Units.LessThenOne"
  KOVTString GreaterThenOne = L"mm";             // "Units.GreaterThenOne"
  KOVTString DescLessThenOne = L"mm";            // "Units.DescLessThenOne"
  KOVTString DescGreaterThenOne = L"mm";         // "Units.DescGreaterThenOne"
};

// Style names of descriptions and tables ("Styles.") and the drawing
// priority of each element kind ("Priorities.").
struct XSTYLES {
  KOVTString ElementDescription = L"Standard";  // "Styles.ElementDescription"
  KOVTString TableElem = L"Standard";           // "Styles.TableElem"
  KOVTString TablePrice = L"Standard";          // "Styles.TablePrice"
  KOVTString TableDeta = L"Standard";           // "Styles.TableDeta"
  KOVTString TableHole = L"Standard";           // "Styles.TableHole"
  KOVTString TableGroupSum = L"Standard";       // "Styles.TableGroupSum"
  KOVTString TableGroupDet = L"Standard";       // "Styles.TableGroupDet"
  std::int32_t WallPriority = 30;               // "Priorities.WallPriority"
  std::int32_t ColumnPriority = 30;             // "Priorities.ColumnPriority"
  std::int32_t BeamPriority = 30;               // "Priorities.BeamPriority"
  std::int32_t SlabPriority = 30;               // "Priorities.SlabPriority"
  std::int32_t LintelPriority = 30;             // "Priorities.LintelPriority"
  std::int32_t SFootPriority = 30;              // "Priorities.SFootPriority"
  std::int32_t CFootPriority = 30;              // "Priorities.CFootPriority"
  std::int32_t GBeamPriority = 30;              // "Priorities.GBeamPriority"
  std::int32_t RFoundPriority = 30;             // "Priorities.RFoundPriority"
  std::int32_t StairsPriority = 30;             // "Priorities.StairsPriority"
  std::int32_t RingBeamPriority = 40;           // "Priorities.RingBeamPriority" (formwork_keys.h)
};

// Description templates and the numbering of element descriptions ("Descs.").
struct XDESCS {
  KOVTString WallDesc = L"{%S_num}_{%El_num}";       // "Descs.strWallDesc"
  KOVTString ColumnDesc = L"{%S_num}_{%El_num}";     // "Descs.strColumnDesc"
  KOVTString BeamDesc = L"{%S_num}_{%El_num}";       // "Descs.strBeamDesc"
  KOVTString SlabDesc = L"{%S_num}_{%El_num}";       // "Descs.strSlabDesc"
  KOVTString LintelDesc = L"{%S_num}_{%El_num}";     // "Descs.strLintelDesc"
  KOVTString SFootDesc = L"{%El_num}";               // "Descs.strSFootDesc"
  KOVTString CFootDesc = L"{%El_num}";               // "Descs.strCFootDesc"
  KOVTString GBeamDesc = L"{%S_num}_{%El_num}";      // "Descs.strGBeamDesc"
  KOVTString RFoundDesc = L"{%S_num}_{%El_num}";     // "Descs.strRFoundDesc"
  KOVTString StairsDesc = L"{%S_num}_{%El_num}";     // "Descs.strStairsDesc"
  KOVTString RingBeamDesc = L"X{%S_num}_{%El_num}";  // "Descs.strRingBeamDesc"
  bool NWDFT = true;                                 // "Descs.bNWDFT"
  std::int32_t BeginFrom = 1;                        // "Descs.nBeginFrom"
  KOVTString Prefix;                                 // "Descs.strPrefix"
  std::int32_t AxisOrder = 0;                        // "Descs.eAxisOrder"
  std::int32_t AxisScanType = 1;                     // "Descs.eAxisScanType"
  std::int32_t ElementOrder = 1;                     // "Descs.eElementOrder"
  bool FindAndSet = true;                            // "Descs.bFindAndSet"
  bool IncludeMaterial = true;                       // "Descs.bIncludeMaterial"
  bool Inform = true;                                // "Descs.bInform"
  bool IncludeRElements = true;                      // "Descs.bIncludeRElements"
  std::int32_t IdenticalMode = 0;                    // "Descs.nIdenticalMode"
};

// Which lines dimensions group ("Dims.GroupLine...").
struct XDIMGROUPLINES {
  std::int32_t Def = 0;   // "Dims.GroupLineDef"
  std::int32_t Pts = 0;   // "Dims.GroupLinePts"
  std::int32_t Conn = 0;  // "Dims.GroupLineConn"
  std::int32_t Axis = 0;  // "Dims.GroupLineAxis"
  std::int32_t Hole = 0;  // "Dims.GroupLineHole"
};

// What dimension lines cut, by kind of object ("Dims.Cut...").
struct XDIMCUTS {
  std::int32_t Axis = 0;               // "Dims.CutAxis"
  std::int32_t Total = 0;              // "Dims.CutTotal"
  std::int32_t PlnxLine = 0;           // "Dims.CutPlnxLine"
  std::int32_t PlnxMLine = 0;          // "Dims.CutPlnxMLine"
  std::int32_t PlnxPolyline = 0;       // "Dims.CutPlnxPolyline"
  std::int32_t PlnxArc = 0;            // "Dims.CutPlnxArc"
  std::int32_t PlnxCircle = 0;         // "Dims.CutPlnxCircle"
  std::int32_t PlnxSpline = 0;         // "Dims.CutPlnxSpline"
  std::int32_t TraxWall = 0;           // "Dims.CutTraxWall"
  std::int32_t TraxColumn = 0;         // "Dims.CutTraxColumn"
  std::int32_t TraxBeam = 0;           // "Dims.CutTraxBeam"
  std::int32_t TraxSlab = 0;           // "Dims.CutTraxSlab"
  std::int32_t TraxFoot = 0;           // "Dims.CutTraxFoot"
  std::int32_t TraxContFoot = 0;       // "Dims.CutTraxContFoot"
  std::int32_t TraxDoor = 0;           // "Dims.CutTraxDoor"
  std::int32_t TraxWindow = 0;         // "Dims.CutTraxWindow"
  std::int32_t TraxLintel = 0;         // "Dims.CutTraxLintel"
  std::int32_t TraxWallHole = 0;       // "Dims.CutTraxWallHole"
  std::int32_t TraxSlabHole = 0;       // "Dims.CutTraxSlabHole"
  std::int32_t TraxAxe = 0;            // "Dims.CutTraxAxe"
  std::int32_t TraxGroundBeam = 0;     // "Dims.CutTraxGroundBeam"
  std::int32_t TraxFoundSlab = 0;      // "Dims.CutTraxFoundSlab"
  std::int32_t TraxStairs = 0;         // "Dims.CutTraxStairs"
  std::int32_t TraxRingBeam = 1;       // "Dims.CutTraxRingBeam"; the one cut Initialize sets
};

// Dimensioning ("Dims.") and trims ("Trims."). Initialize leaves the group
// lines, the description template lines and the cuts but the ring beam's.
struct XDIMS {
  PnDbObjectId DimensionalStyleId;     // "Dims.DimensionalStyleId"
  double DimLineDistance = 100.0;      // "Dims.DimLineDistance"
  std::int32_t UseMinDim = 0;          // "Dims.UseMinDim"
  double MinimalDimension = 0.0;       // "Dims.MinimalDimension"
  std::int32_t ExtLineLength = 0;      // "Dims.ExtLineLength"
  double ExtLineFromDimLength = 100.0;  // "Dims.ExtLineFromDimLength"
  double ExtLineFromObjLength = 100.0;  // "Dims.ExtLineFromObjLength"
  std::int32_t MidLineLength = 0;      // "Dims.MidLineLength"
  double MidLineFromDimLength = 100.0;  // "Dims.MidLineFromDimLength"
  double MidLineFromObjLength = 100.0;  // "Dims.MidLineFromObjLength"
  XDIMGROUPLINES GroupLines;
  KOVTString DescTemplateLine1;        // "Dims.DescTemplateLine1"
  KOVTString DescTemplateLine2;        // "Dims.DescTemplateLine2"
  XDIMCUTS Cuts;
  std::int32_t TrimSlab = 0;           // "Trims.Slab"
  std::int32_t TrimSteelEl = 0;        // "Trims.SteelEl"
};

// The drawing blocks, one per kind of formwork drawing. Each files its
// parameters under "<prefix>.Par." and its structures under "<prefix>.Out",
// ".Sect" and ".Ending". Initialize gives the plain fields and the parameters
// their defaults and sets the structures' lines (formwork_defaults.cpp).

struct XFOUNDDRAWING {  // "Found."
  std::int32_t SectionLayout{};  // "Found.SectionLayout"
  XPARAM Par;
  XOUTLINE Out;
  XSECTION Sect;
  double SectionOffset{};  // "Found.SectionOffset"
};

struct XSTORDRAWING {  // "Stor."
  std::int32_t CastType{};         // "Stor.CastType"
  std::int32_t CastPosition{};     // "Stor.CastPosition"
  double CastDepth{};              // "Stor.CastDepth"
  std::int32_t SectionPlaceType{};  // "Stor.SectionPlaceType"
  double SectionPlacement{};       // "Stor.SectionPlacement"
  bool SymbolOn{};                 // "Stor.SymbolOn"
  PnDbObjectId StylId;             // "Stor.StylId": linetype of the storey line
  std::int32_t LineColor{};        // "Stor.LineColor"
  std::int32_t LineWidth{};        // "Stor.LineWidth"
  XPARAM Par;
  XOUTLINE Out;
  XSECTION Sect;
};

struct XSECTDRAWING {  // "Sect."
  std::int32_t RangeType{};  // "Sect.Range.RangeType"
  XPARAM Par;
  XOUTLINE Out;
  XSECTION Sect;
  XENDING Ending;  // of the section line; Initialize leaves it
};

struct XELEVDRAWING {  // "Elev."
  std::int32_t RangeType{};  // "Elev.Range.RangeType"
  XPARAM Par;
  XOUTLINE Out;
  XENDING Ending;  // Initialize leaves it
};

struct XVIEWDRAWING {  // "View."
  XPARAM Par;
  XOUTLINE Out;
  std::int32_t CircleParts{};  // "Curves.CircleParts": parts of a circle
  std::int32_t WallHoles{};    // "Curves.WallHoles"
};

struct XDETAILDRAWING {  // "Detail."
  XPARAM Par;
  XENDING Ending;  // Initialize leaves it
};

using XPROJECT = TPROJECT;
