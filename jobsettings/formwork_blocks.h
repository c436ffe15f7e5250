// The value blocks of the formwork job settings, each field with the key it
// is stored under. The key tables give the stored fields their defaults, or
// say that Initialize leaves them alone; formwork_defaults.cpp gives those of
// the parameters and structures.
#pragma once

#include <cstdint>

#include "core/kovt_string.h"
#include "host/ids.h"
#include "jobsettings/presentation.h"
#include "jobsettings/project_block.h"

inline constexpr std::int32_t kColorByLayer = 256;  // a host colour index
inline constexpr std::int32_t kWidthByLayer = -1;

// Unit names, printf formats, decimals and factors ("Units.").
struct XUNITS {
  KOVTString WorkUnits;                        // "Units.WorkUnits"; feeds the length tolerance
  KOVTString Length;                           // "Units.Length"
  KOVTString CrossDim;                         // "Units.FormworkCrossDim"
  KOVTString HoleDim;                          // "Units.FormworkHoleDim"
  KOVTString Volume;                           // "Units.FormworkVolume"
  KOVTString Surface;                          // "Units.FormworkSurface"
  KOVTString Mass;                             // "Units.FormworkMass"
  KOVTString Currency;                         // "Units.FormworkCurrency"
  KOVTString Angle;                            // "Units.FormworkAngle"
  KOVTString PrintfLength;                     // "Units.PrintfLength"
  KOVTString PrintfCrossDim;                   // "Units.PrintfFormworkCrossDim"
  KOVTString PrintfHoleDim;                    // "Units.PrintfFormworkHoleDim"
  KOVTString PrintfVolume;                     // "Units.PrintfFormworkVolume"
  KOVTString PrintfSurface;                    // "Units.PrintfFormworkSurface"
  KOVTString PrintfMass;                       // "Units.PrintfFormworkMass"
  KOVTString PrintfCurrency;                   // "Units.PrintfFormworkCurrency"
  KOVTString PrintfAngle;                      // "Units.PrintfFormworkAngle"
  std::int32_t LengthPrecision{};              // "Units.LengthPrecision"
  std::int32_t CrossDimPrecision{};            // "Units.FormworkCrossDimPrecision"
  std::int32_t HoleDimPrecision{};             // "Units.FormworkHoleDimPrecision"
  std::int32_t VolumePrecision{};              // "Units.FormworkVolumePrecision"
  std::int32_t SurfacePrecision{};             // "Units.FormworkSurfacePrecision"
  std::int32_t MassPrecision{};                // "Units.FormworkMassPrecision"
  std::int32_t CurrencyPrecision{};            // "Units.FormworkCurrencyPrecision"
  std::int32_t AnglePrecision{};               // "Units.FormworkAnglePrecision"
  std::int32_t LessThanOnePrecision{};         // "Units.FormworkLessThanOnePrecision"
  std::int32_t GreaterThanOnePrecision{};      // "Units.FormworkGreaterThanOnePrecision"
  std::int32_t DescLessThanOnePrecision{};     // "Units.FormworkDescLessThanOnePrecision"
  std::int32_t DescGreaterThanOnePrecision{};  // "Units.FormworkDescGreaterThanOnePrecision"
  double LengthCoeff{};                        // "Units.LengthCoeff"
  double CrossDimCoeff{};                      // "Units.FormworkCrossDimCoeff"
  double HoleDimCoeff{};                       // "Units.FormworkHoleDimCoeff"
  double VolumeCoeff{};                        // "Units.FormworkVolumeCoeff"
  double SurfaceCoeff{};                       // "Units.FormworkSurfaceCoeff"
  double MassCoeff{};                          // "Units.FormworkMassCoeff"
  double CurrencyCoeff{};                      // "Units.FormworkCurrencyCoeff"
  double AngleCoeff{};                         // "Units.FormworkAngleCoeff": degrees per radian
  KOVTString LessThenOne;                      // "Units.LessThenOne"
  KOVTString GreaterThenOne;                   // "Units.GreaterThenOne"
  KOVTString DescLessThenOne;                  // "Units.DescLessThenOne"
  KOVTString DescGreaterThenOne;               // "Units.DescGreaterThenOne"
};

// Style names of descriptions and tables ("Styles.") and the drawing
// priority of each element kind ("Priorities.").
struct XSTYLES {
  KOVTString ElementDescription;    // "Styles.ElementDescription"
  KOVTString TableElem;             // "Styles.TableElem"
  KOVTString TablePrice;            // "Styles.TablePrice"
  KOVTString TableDeta;             // "Styles.TableDeta"
  KOVTString TableHole;             // "Styles.TableHole"
  KOVTString TableGroupSum;         // "Styles.TableGroupSum"
  KOVTString TableGroupDet;         // "Styles.TableGroupDet"
  std::int32_t WallPriority{};      // "Priorities.WallPriority"
  std::int32_t ColumnPriority{};    // "Priorities.ColumnPriority"
  std::int32_t BeamPriority{};      // "Priorities.BeamPriority"
  std::int32_t SlabPriority{};      // "Priorities.SlabPriority"
  std::int32_t LintelPriority{};    // "Priorities.LintelPriority"
  std::int32_t SFootPriority{};     // "Priorities.SFootPriority"
  std::int32_t CFootPriority{};     // "Priorities.CFootPriority"
  std::int32_t GBeamPriority{};     // "Priorities.GBeamPriority"
  std::int32_t RFoundPriority{};    // "Priorities.RFoundPriority"
  std::int32_t StairsPriority{};    // "Priorities.StairsPriority"
  std::int32_t RingBeamPriority{};  // "Priorities.RingBeamPriority" (formwork_keys.h)
};

// Description templates and the numbering of element descriptions ("Descs.").
struct XDESCS {
  KOVTString WallDesc;           // "Descs.strWallDesc"
  KOVTString ColumnDesc;         // "Descs.strColumnDesc"
  KOVTString BeamDesc;           // "Descs.strBeamDesc"
  KOVTString SlabDesc;           // "Descs.strSlabDesc"
  KOVTString LintelDesc;         // "Descs.strLintelDesc"
  KOVTString SFootDesc;          // "Descs.strSFootDesc"
  KOVTString CFootDesc;          // "Descs.strCFootDesc"
  KOVTString GBeamDesc;          // "Descs.strGBeamDesc"
  KOVTString RFoundDesc;         // "Descs.strRFoundDesc"
  KOVTString StairsDesc;         // "Descs.strStairsDesc"
  KOVTString RingBeamDesc;       // "Descs.strRingBeamDesc"
  bool NWDFT{};                  // "Descs.bNWDFT"
  std::int32_t BeginFrom{};      // "Descs.nBeginFrom"
  KOVTString Prefix;             // "Descs.strPrefix"
  std::int32_t AxisOrder{};      // "Descs.eAxisOrder"
  std::int32_t AxisScanType{};   // "Descs.eAxisScanType"
  std::int32_t ElementOrder{};   // "Descs.eElementOrder"
  bool FindAndSet{};             // "Descs.bFindAndSet"
  bool IncludeMaterial{};        // "Descs.bIncludeMaterial"
  bool Inform{};                 // "Descs.bInform"
  bool IncludeRElements{};       // "Descs.bIncludeRElements"
  std::int32_t IdenticalMode{};  // "Descs.nIdenticalMode"
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
  std::int32_t Axis = 0;            // "Dims.CutAxis"
  std::int32_t Total = 0;           // "Dims.CutTotal"
  std::int32_t PlnxLine = 0;        // "Dims.CutPlnxLine"
  std::int32_t PlnxMLine = 0;       // "Dims.CutPlnxMLine"
  std::int32_t PlnxPolyline = 0;    // "Dims.CutPlnxPolyline"
  std::int32_t PlnxArc = 0;         // "Dims.CutPlnxArc"
  std::int32_t PlnxCircle = 0;      // "Dims.CutPlnxCircle"
  std::int32_t PlnxSpline = 0;      // "Dims.CutPlnxSpline"
  std::int32_t TraxWall = 0;        // "Dims.CutTraxWall"
  std::int32_t TraxColumn = 0;      // "Dims.CutTraxColumn"
  std::int32_t TraxBeam = 0;        // "Dims.CutTraxBeam"
  std::int32_t TraxSlab = 0;        // "Dims.CutTraxSlab"
  std::int32_t TraxFoot = 0;        // "Dims.CutTraxFoot"
  std::int32_t TraxContFoot = 0;    // "Dims.CutTraxContFoot"
  std::int32_t TraxDoor = 0;        // "Dims.CutTraxDoor"
  std::int32_t TraxWindow = 0;      // "Dims.CutTraxWindow"
  std::int32_t TraxLintel = 0;      // "Dims.CutTraxLintel"
  std::int32_t TraxWallHole = 0;    // "Dims.CutTraxWallHole"
  std::int32_t TraxSlabHole = 0;    // "Dims.CutTraxSlabHole"
  std::int32_t TraxAxe = 0;         // "Dims.CutTraxAxe"
  std::int32_t TraxGroundBeam = 0;  // "Dims.CutTraxGroundBeam"
  std::int32_t TraxFoundSlab = 0;   // "Dims.CutTraxFoundSlab"
  std::int32_t TraxStairs = 0;      // "Dims.CutTraxStairs"
  std::int32_t TraxRingBeam = 1;    // "Dims.CutTraxRingBeam"; the one cut Initialize sets
};

// Dimensioning ("Dims.") and trims ("Trims."). Initialize leaves the group
// lines, the description template lines and the cuts but the ring beam's.
struct XDIMS {
  PnDbObjectId DimensionalStyleId;  // "Dims.DimensionalStyleId"
  double DimLineDistance{};         // "Dims.DimLineDistance"
  std::int32_t UseMinDim{};         // "Dims.UseMinDim"
  double MinimalDimension{};        // "Dims.MinimalDimension"
  std::int32_t ExtLineLength{};     // "Dims.ExtLineLength"
  double ExtLineFromDimLength{};    // "Dims.ExtLineFromDimLength"
  double ExtLineFromObjLength{};    // "Dims.ExtLineFromObjLength"
  std::int32_t MidLineLength{};     // "Dims.MidLineLength"
  double MidLineFromDimLength{};    // "Dims.MidLineFromDimLength"
  double MidLineFromObjLength{};    // "Dims.MidLineFromObjLength"
  XDIMGROUPLINES GroupLines;
  KOVTString DescTemplateLine1;  // "Dims.DescTemplateLine1"
  KOVTString DescTemplateLine2;  // "Dims.DescTemplateLine2"
  XDIMCUTS Cuts;
  std::int32_t TrimSlab{};     // "Trims.Slab"
  std::int32_t TrimSteelEl{};  // "Trims.SteelEl"
};

// The drawing blocks, one per kind of formwork drawing. Each files its
// parameters under "<prefix>.Par." and its structures under "<prefix>.Out",
// ".Sect" and ".Ending".

struct XFOUNDDRAWING {           // "Found."
  std::int32_t SectionLayout{};  // "Found.SectionLayout"
  XPARAM Par;
  XOUTLINE Out;
  XSECTION Sect;
  double SectionOffset{};  // "Found.SectionOffset"
};

struct XSTORDRAWING {               // "Stor."
  std::int32_t CastType{};          // "Stor.CastType"
  std::int32_t CastPosition{};      // "Stor.CastPosition"
  double CastDepth{};               // "Stor.CastDepth"
  std::int32_t SectionPlaceType{};  // "Stor.SectionPlaceType"
  double SectionPlacement{};        // "Stor.SectionPlacement"
  bool SymbolOn{};                  // "Stor.SymbolOn"
  PnDbObjectId StylId;              // "Stor.StylId": linetype of the storey line
  std::int32_t LineColor{};         // "Stor.LineColor"
  std::int32_t LineWidth{};         // "Stor.LineWidth"
  XPARAM Par;
  XOUTLINE Out;
  XSECTION Sect;
};

struct XSECTDRAWING {        // "Sect."
  std::int32_t RangeType{};  // "Sect.Range.RangeType"
  XPARAM Par;
  XOUTLINE Out;
  XSECTION Sect;
  XENDING Ending;  // of the section line; Initialize leaves it
};

struct XELEVDRAWING {        // "Elev."
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
