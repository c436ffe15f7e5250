// The blocks of the reinforcement job settings besides the units. Every field
// starts at its default; the comment names the key it is stored under.
// Member order follows the detailing application's layout, which differs from
// the stored order in a few places (reinf_keys.h has the stored order).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/kovt_string.h"
#include "jobsettings/project_block.h"

// A steel symbol: an index into the standard texts of SetSteelSymbol.
enum rmater_steelsymbol : std::int32_t {
  RMATER_SYMBOL_FIRST = 0,
  RMATER_SYMBOL_HA = 5,  // "HA", the default of every bar kind
  RMATER_SYMBOL_LAST = 33,
};

// One entry of the steel list: a grade, its symbol and the text a user put
// in place of the symbol's standard text.
struct RSTEEL {
  KOVTString Class;
  std::int32_t Symbol = 0;  // a rmater_steelsymbol
  KOVTString UserSymbol;
};

// The design codes (and the per-code databases) are indexed like GetReinNorms().
inline constexpr int kReinNormsCount = 29;
inline constexpr int kDrawNormsCount = 33;

struct RNORMS {
  KOVTString Reinforce = L"BAEL 99";    // "Norms.Reinforce"
  KOVTString Drawing = L"NF P 02-016";  // "Norms.Drawing"
  std::int32_t ReinforceNumb = 29;      // "Norms.ReinforceNumb": no code, so no bar database fallback
  std::int32_t DrawingNumb = 0;         // "Norms.DrawingNumb"
  bool ReinforceSeismic = false;        // "Norms.ReinforceSeismic"
};

struct RMATER {
  KOVTString LongReinfSteelClass = L"HA 500";            // "Mater.LongReinfSteelClass"
  KOVTString TranReinfSteelClass = L"HA 500";            // "Mater.TranReinfSteelClass"
  KOVTString DistReinfSteelClass = L"HA 500";            // "Mater.DistReinfSteelClass"
  KOVTString MeshReinfSteelClass = L"HA 500";            // "Mater.MashReinfSteelClaas"
  std::int32_t LongReinfSteelSymbol = RMATER_SYMBOL_HA;  // "Mater.LongReinfSteelSymbol"
  std::int32_t TranReinfSteelSymbol = RMATER_SYMBOL_HA;  // "Mater.TranReinfSteelSymbol"
  std::int32_t DistReinfSteelSymbol = RMATER_SYMBOL_HA;  // "Mater.DistReinfSteelSymbol"
  // Database names per design code, filled by Initialize and never stored.
  std::array<KOVTString, kReinNormsCount> BarDataBases;
  std::array<KOVTString, kReinNormsCount> MeshDataBases;
  std::int32_t MeshDataBaseNumber = 1;             // "Mater.MeshDataBaseNumber"
  std::int32_t ConcreteClass = 1;                  // "Mater.ConcreteClass"
  double ReinforcementCover = 50.0;                // "Mater.ReinforcementCover"
  double ReinforcementCoverBS = 50.0;              // "Mater.ReinforcementCoverBS"
  KOVTString BarDataBaseFile = L"bar_BAEL 99";     // "Mater.BarDataBaseFile"
  std::int32_t BarDataBasePath = 0;                // "Mater.BarDataBasePath"
  KOVTString MeshDataBaseFile = L"fabric_ADETS2";  // "Mater.MeshDataBaseFile"
  std::int32_t MeshDataBasePath = 0;               // "Mater.MeshDataBasePath"
  double LongReinfSteelBend = 50.0;                // "Mater.LongReinfSteelBend"
  double TranReinfSteelBend = 30.0;                // "Mater.TranReinfSteelBend"
  double DistReinfSteelBend = 30.0;                // "Mater.DistReinfSteelBend"
  std::int32_t ReinfSteelSize = 0;                 // "Mater.ReinfSteelSize": entries of SteelList in use
  std::vector<RSTEEL> SteelList;                   // "Mater.ReinfSteelVector<n>.Class" ...
  std::int32_t HookLengthMode = 0;                 // "Mater.HookLengthMode"
  KOVTString DefaultSteelProfMat;                  // "Mater.DefaultSteelProfMat"
};

struct ROPTIONS {
  bool DisplayCrossDescr = true;                 // "Options.DisplayCrossDescr"
  bool PointBarBendAdd = true;                   // "Options.PointBarBendAdd"
  std::int32_t BarDisplayPrecision = 10;         // "Options.BarDisplayPrecision": before the double
  double BarDisplayPrecisionDbl = 10.0;          // "Options.BarDisplayPrecisionDbl"
  double BarSegmentsDisplayPrecisionDbl = 10.0;  // "Options.BarSegmentsDisplayPrecisionDbl"
  double DisDisplayPrecisionDbl = 0.1;           // "Options.DisDisplayPrecisionDbl": never 0
  double BarLenFactorWithoutLap = 1.0;           // "Options.BarLenFactorWithoutLap"
  std::int32_t BarPosNum = 0;                    // "Options.BarPosNum"
  bool BarShapeCodeIdentify = false;             // "Options.BarShapeCodeIdentfy"
  double Angle90Tolerance = 1.0;                 // "Options.Angle90Tolerance"
};

// Each rule flag switches on the value of the same name.
struct RBAROPT {
  std::int32_t BarSpanMeasure = 0;       // "BarOpt.BarSpanMeasure"
  bool MinBarLengthFlg = false;          // "BarOpt.MinBarLengthFlg"
  bool RoundBarLengthFlg = false;        // "BarOpt.RoundBarLengthFlg"
  bool RoundBarSpanFlg = false;          // "BarOpt.RoundBarSpanFlg"
  bool DistrDescLayoutFlg = false;       // "BarOpt.DistrDescLayoutFlg"
  bool RegardLineLengthFlg = false;      // "BarOpt.RegardLineLengthFlg"
  double MinBarLengthVal = 10.0;         // "BarOpt.MinBarLengthVal"
  double RoundBarLengthVal = 10.0;       // "BarOpt.RoundBarLengthVal"
  double RoundBarSpanVal = 1.0;          // "BarOpt.RoundBarSpanVal"
  double DistrDescLayoutVal = 1.0;       // "BarOpt.DistrDescLayoutVal"
  double RegardLineLengthVal = 1.0;      // "BarOpt.RegardLineLengthVal"
  std::int32_t BarDrawMode = 0;          // "BarOpt.BarDrawMode"
  double BarDrawUnderFi = 16.0;          // "BarOpt.BarDrawUnderFi"
  double BarDrawUnderFiValue = 16.0;     // "BarOpt.BarDrawUnderFiValue"
  double SurfDistribMinBarLen = 1000.0;  // "BarOpt.SurfDistribMinBarLen"
  std::int32_t TotalBarLength = 0;       // "BarOpt.TotalBarLength"
};

// Colours are host colour indices (256: by layer); line widths -1: by default.
struct RBARDSP {
  std::int32_t ShapeColor = 256;            // "BarDsp.ShapeColor"
  bool ShapeFill = false;                   // "BarDsp.ShapeFill"
  std::int32_t ShapeEnding = 0;             // "BarDsp.ShapeEnding"
  std::int32_t BarPresentation = 2;         // "BarDsp.BarPresentation_"
  std::int32_t BarLineWidth = -1;           // "BarDsp.BarLineWidth"
  std::int32_t PointSymbol = 0;             // "BarDsp.PointSymbol"
  std::int32_t PointColor = 256;            // "BarDsp.PointColor"
  std::int32_t DistrColor = 256;            // "BarDsp.DistrColor"
  std::int32_t DistrLineWidth = -1;         // "BarDsp.DistrLineWidth"
  std::int32_t DistrLineStyle = 0;          // "BarDsp.DistrLineStyle"
  std::int32_t DistrLineFill = 0;           // "BarDsp.DistrLineFill"
  std::int32_t DistrLineEnds = 0;           // "BarDsp.DistrLineEnds"
  std::int32_t LinDistrReinPres = 0;        // "BarDsp.LinDistrReinPres"
  std::int32_t SchemColor = 256;            // "BarDsp.SchemColor"
  std::int32_t SchemPresentation = 0;       // "BarDsp.SchemPresentation"
  bool SchemFill = false;                   // "BarDsp.SchemFill"
  std::int32_t SchemLineWidth = -1;         // "BarDsp.SchemLineWidth"
  std::int32_t SchemSizeMode = 1;           // "BarDsp.SchemSizeMode": 2 is no longer offered
  double SchemScaleCoeff = 1.0;             // "BarDsp.SchemScaleCoeff"
  bool SchemDetailTable = false;            // "BarDsp.SchemDetailTable"
  bool SchemSlantDimens = false;            // "BarDsp.SchemSlantDimens"
  bool SchemSegmentLength = true;           // "BarDsp.SchemSegmentLength"
  bool SchemFlexRadiuses = false;           // "BarDsp.SchemFlexRadiuses"
  bool SchemFlexAngles = false;             // "BarDsp.SchemFlexAngles"
  std::int32_t SurDistrUpReinLine = 0;      // "BarDsp.SurDistrUpReinLine"
  std::int32_t SurDistrDownReinLine = 0;    // "BarDsp.SurDistrDownReinLine"
  std::int32_t SurDistrReinColor = 256;     // "BarDsp.SurDistrReinColor"
  std::int32_t SurDistrReinLineWidth = -1;  // "BarDsp.SurDistrReinLineWidth"
  std::int32_t SurDistrReinPres = 0;        // "BarDsp.SurDistrReinPres"
};

// Style names of descriptions and tables.
struct RBARSTL {
  KOVTString ShapeDescription = L"Standard";     // "BarStl.SchapeDescription"
  KOVTString BarEndDescription = L"Standard";    // "BarStl.BarEndDescription"
  KOVTString ViewDescription = L"Standard";      // "BarStl.ViewDescription"
  KOVTString ProjDescription = L"Standard";      // "BarStl.ProjDescription"
  KOVTString DistrPoint = L"Standard";           // "BarStl.DistrPoint"
  KOVTString SchemDescription = L"Standard";     // "BarStl.SchemDescription"
  KOVTString LSchemDescription = L"Standard";    // "BarStl.LSchemDescription"
  KOVTString DistrEndDescription = L"Standard";  // "BarStl.DistrEndDescription"
  KOVTString MainTable = L"Standard";            // "BarStl.MainTable"
  KOVTString SteelTable = L"Standard";           // "BarStl.SteelTable"
  KOVTString DetailTable = L"Standard";          // "BarStl.DetailTable"
  KOVTString ElemTable = L"Standard";            // "BarStl.ElemTable"
};

struct RBARSHAPE {
  std::int32_t ModelDisplay = 2;         // "BarShape.ModelDisplay"
  bool AddHookDescription = true;        // "BarShape.AddHookDescription"
  std::int32_t HookDescription = 0;      // "BarShape.HookDescription"
  std::int32_t ShapeModelBehaviour = 1;  // "BarShape.ShapeModelBehaviour"
};

struct RMESHOPT {
  double MinDistrAreaSize = 0.2;            // "MeshOpt.MinDistrAreaSize"
  bool AutoDimensioning = false;            // "MeshOpt.AutoDimensioning"
  std::int32_t DescriptionInsertion = 0;    // "MeshOpt.DescriptionInsertation"
  std::int32_t IdenticalPositionDescr = 0;  // "MeshOpt.IdenticalPositionDescr"
  std::int32_t MeshSheetRounding = 0;       // "MeshOpt.MeshSheetRounding": mode of the four values below
  double LengthSheetRoundingDen = 10.0;     // "MeshOpt.LengthSheetRoundingDen"
  double LengthSheetRoundingVal = 1.0;      // "MeshOpt.LengthSheetRoundingVal"
  double WidthSheetRoundingDen = 10.0;      // "MeshOpt.WidthSheetRoundingDen"
  double WidthSheetRoundingVal = 1.0;       // "MeshOpt.WidthSheetRoundingVal"
};

struct RMESHDSP {
  std::int32_t ShapeColor = 256;         // "MeshDsp.ShapeColor"
  bool ShapeFill = false;                // "MeshDsp.ShapeFill"
  std::int32_t ShapeEnding = 0;          // "MeshDsp.ShapeEnding"
  std::int32_t ShapeLineWidth = -1;      // "MeshDsp.ShapeLineWidth"
  std::int32_t SchemColor = 256;         // "MeshDsp.SchemColor"
  std::int32_t SchemPresentation = 0;    // "MeshDsp.SchemPresentation"
  bool SchemFill = false;                // "MeshDsp.SchemFill"
  std::int32_t SchemLineWidth = -1;      // "MeshDsp.SchemLineWidth"
  std::int32_t SchemSizeMode = 1;        // "MeshDsp.SchemSizeMode": 2 is no longer offered
  double SchemScaleCoeff = 1.0;          // "MeshDsp.SchemScaleCoeff"
  bool SchemDetailTable = false;         // "MeshDsp.SchemDetailTable"
  bool SchemSlantDimens = false;         // "MeshDsp.SchemSlantDimens"
  bool SchemSegmentLength = false;       // "MeshDsp.SchemSegmentLength"
  bool SchemFlexRadiuses = false;        // "MeshDsp.SchemFlexRadiuses"
  bool SchemFlexAngles = false;          // "MeshDsp.SchemFlexAngles"
  std::int32_t DistrUpReinLine = 0;      // "MeshDsp.DistrUpReinLine"
  std::int32_t DistrDownReinLine = 0;    // "MeshDsp.DistrDownReinLine"
  std::int32_t DistrReinColor = 256;     // "MeshDsp.DistrReinColor"
  std::int32_t DistrReinLineWidth = -1;  // "MeshDsp.DistrReinLineWidth"
  std::int32_t NetPresentationMode = 0;  // "MeshDsp.NetPresentationMode"
  std::int32_t NetPresentation = 2;      // "MeshDsp.NetPresentation"
  std::int32_t NetSimpleDesc = 0;        // "MeshDsp.NetSimpleDesc"
};

struct RMESHSTL {
  KOVTString ShapeDescription = L"Standard";  // "MeshStl.SchapeDescription"
  KOVTString DistrDescription = L"Standard";  // "MeshStl.DistrDescription"
  KOVTString SchemDescription = L"Standard";  // "MeshStl.SchemDescription"
  KOVTString MainTable = L"Standard";         // "MeshStl.MainTable"
  KOVTString SumsTable = L"Standard";         // "MeshStl.SumsTable"
};

struct RPROFSTL {
  KOVTString Profile = L"Standard";    // "ProfStl.Profile"
  KOVTString ProfTable = L"Standard";  // "ProfStl.ProfTable"
  KOVTString Obj3D = L"Standard";      // "ProfStl.Obj3D"
  KOVTString ProfGraph = L"Standard";  // "ProfStl.ProfGraph"
};

// Styles of the building-model objects.
struct RBIMSTL {
  KOVTString Column = L"Standard";       // "StavoStl.Column"
  KOVTString Beam = L"Standard";         // "StavoStl.Beam"
  KOVTString ColumnTable = L"Standard";  // "RStavoStl.ColumnTable"
  KOVTString BeamTable = L"Standard";    // "StavoStl.BeamTable"
};

using RPROJECT = TPROJECT;
