// The blocks of the reinforcement job settings besides the units. The comment
// names the key a field is stored under; the key tables give its default.
// Member order follows the detailing application's layout, which differs from
// the stored order in a few places (the key tables have the stored order).
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
  KOVTString Reinforce;          // "Norms.Reinforce"
  KOVTString Drawing;            // "Norms.Drawing"
  std::int32_t ReinforceNumb{};  // "Norms.ReinforceNumb": no code, so no bar database fallback
  std::int32_t DrawingNumb{};    // "Norms.DrawingNumb"
  bool ReinforceSeismic{};       // "Norms.ReinforceSeismic"
};

struct RMATER {
  KOVTString LongReinfSteelClass;       // "Mater.LongReinfSteelClass"
  KOVTString TranReinfSteelClass;       // "Mater.TranReinfSteelClass"
  KOVTString DistReinfSteelClass;       // "Mater.DistReinfSteelClass"
  KOVTString MeshReinfSteelClass;       // "Mater.MashReinfSteelClaas"
  std::int32_t LongReinfSteelSymbol{};  // "Mater.LongReinfSteelSymbol"
  std::int32_t TranReinfSteelSymbol{};  // "Mater.TranReinfSteelSymbol"
  std::int32_t DistReinfSteelSymbol{};  // "Mater.DistReinfSteelSymbol"
  // Database names per design code, filled by Initialize and never stored.
  std::array<KOVTString, kReinNormsCount> BarDataBases;
  std::array<KOVTString, kReinNormsCount> MeshDataBases;
  std::int32_t MeshDataBaseNumber{};  // "Mater.MeshDataBaseNumber"
  std::int32_t ConcreteClass{};       // "Mater.ConcreteClass"
  double ReinforcementCover{};        // "Mater.ReinforcementCover"
  double ReinforcementCoverBS{};      // "Mater.ReinforcementCoverBS"
  KOVTString BarDataBaseFile;         // "Mater.BarDataBaseFile"
  std::int32_t BarDataBasePath = 0;   // "Mater.BarDataBasePath"
  KOVTString MeshDataBaseFile;        // "Mater.MeshDataBaseFile"
  std::int32_t MeshDataBasePath = 0;  // "Mater.MeshDataBasePath"
  double LongReinfSteelBend{};        // "Mater.LongReinfSteelBend"
  double TranReinfSteelBend{};        // "Mater.TranReinfSteelBend"
  double DistReinfSteelBend{};        // "Mater.DistReinfSteelBend"
  std::int32_t ReinfSteelSize = 0;    // "Mater.ReinfSteelSize": entries of SteelList in use
  std::vector<RSTEEL> SteelList;      // "Mater.ReinfSteelVector<n>.Class" ...
  std::int32_t HookLengthMode{};      // "Mater.HookLengthMode"
  KOVTString DefaultSteelProfMat;     // "Mater.DefaultSteelProfMat"
};

struct ROPTIONS {
  bool DisplayCrossDescr{};                 // "Options.DisplayCrossDescr"
  bool PointBarBendAdd{};                   // "Options.PointBarBendAdd"
  std::int32_t BarDisplayPrecision{};       // "Options.BarDisplayPrecision": before the double
  double BarDisplayPrecisionDbl{};          // "Options.BarDisplayPrecisionDbl"
  double BarSegmentsDisplayPrecisionDbl{};  // "Options.BarSegmentsDisplayPrecisionDbl"
  double DisDisplayPrecisionDbl{};          // "Options.DisDisplayPrecisionDbl": never 0
  double BarLenFactorWithoutLap{};          // "Options.BarLenFactorWithoutLap"
  std::int32_t BarPosNum{};                 // "Options.BarPosNum"
  bool BarShapeCodeIdentify{};              // "Options.BarShapeCodeIdentfy"
  double Angle90Tolerance{};                // "Options.Angle90Tolerance"
};

// Each rule flag switches on the value of the same name.
struct RBAROPT {
  std::int32_t BarSpanMeasure{};  // "BarOpt.BarSpanMeasure"
  bool MinBarLengthFlg{};         // "BarOpt.MinBarLengthFlg"
  bool RoundBarLengthFlg{};       // "BarOpt.RoundBarLengthFlg"
  bool RoundBarSpanFlg{};         // "BarOpt.RoundBarSpanFlg"
  bool DistrDescLayoutFlg{};      // "BarOpt.DistrDescLayoutFlg"
  bool RegardLineLengthFlg{};     // "BarOpt.RegardLineLengthFlg"
  double MinBarLengthVal{};       // "BarOpt.MinBarLengthVal"
  double RoundBarLengthVal{};     // "BarOpt.RoundBarLengthVal"
  double RoundBarSpanVal{};       // "BarOpt.RoundBarSpanVal"
  double DistrDescLayoutVal{};    // "BarOpt.DistrDescLayoutVal"
  double RegardLineLengthVal{};   // "BarOpt.RegardLineLengthVal"
  std::int32_t BarDrawMode{};     // "BarOpt.BarDrawMode"
  double BarDrawUnderFi{};        // "BarOpt.BarDrawUnderFi"
  double BarDrawUnderFiValue{};   // "BarOpt.BarDrawUnderFiValue"
  double SurfDistribMinBarLen{};  // "BarOpt.SurfDistribMinBarLen"
  std::int32_t TotalBarLength{};  // "BarOpt.TotalBarLength"
};

// Colours are host colour indices (256: by layer); line widths -1: by default.
struct RBARDSP {
  std::int32_t ShapeColor{};             // "BarDsp.ShapeColor"
  bool ShapeFill{};                      // "BarDsp.ShapeFill"
  std::int32_t ShapeEnding{};            // "BarDsp.ShapeEnding"
  std::int32_t BarPresentation{};        // "BarDsp.BarPresentation_"
  std::int32_t BarLineWidth{};           // "BarDsp.BarLineWidth"
  std::int32_t PointSymbol{};            // "BarDsp.PointSymbol"
  std::int32_t PointColor{};             // "BarDsp.PointColor"
  std::int32_t DistrColor{};             // "BarDsp.DistrColor"
  std::int32_t DistrLineWidth{};         // "BarDsp.DistrLineWidth"
  std::int32_t DistrLineStyle{};         // "BarDsp.DistrLineStyle"
  std::int32_t DistrLineFill{};          // "BarDsp.DistrLineFill"
  std::int32_t DistrLineEnds{};          // "BarDsp.DistrLineEnds"
  std::int32_t LinDistrReinPres{};       // "BarDsp.LinDistrReinPres"
  std::int32_t SchemColor{};             // "BarDsp.SchemColor"
  std::int32_t SchemPresentation{};      // "BarDsp.SchemPresentation"
  bool SchemFill{};                      // "BarDsp.SchemFill"
  std::int32_t SchemLineWidth{};         // "BarDsp.SchemLineWidth"
  std::int32_t SchemSizeMode{};          // "BarDsp.SchemSizeMode": 2 is no longer offered
  double SchemScaleCoeff{};              // "BarDsp.SchemScaleCoeff"
  bool SchemDetailTable{};               // "BarDsp.SchemDetailTable"
  bool SchemSlantDimens{};               // "BarDsp.SchemSlantDimens"
  bool SchemSegmentLength{};             // "BarDsp.SchemSegmentLength"
  bool SchemFlexRadiuses{};              // "BarDsp.SchemFlexRadiuses"
  bool SchemFlexAngles{};                // "BarDsp.SchemFlexAngles"
  std::int32_t SurDistrUpReinLine{};     // "BarDsp.SurDistrUpReinLine"
  std::int32_t SurDistrDownReinLine{};   // "BarDsp.SurDistrDownReinLine"
  std::int32_t SurDistrReinColor{};      // "BarDsp.SurDistrReinColor"
  std::int32_t SurDistrReinLineWidth{};  // "BarDsp.SurDistrReinLineWidth"
  std::int32_t SurDistrReinPres{};       // "BarDsp.SurDistrReinPres"
};

// Style names of descriptions and tables.
struct RBARSTL {
  KOVTString ShapeDescription;     // "BarStl.SchapeDescription"
  KOVTString BarEndDescription;    // "BarStl.BarEndDescription"
  KOVTString ViewDescription;      // "BarStl.ViewDescription"
  KOVTString ProjDescription;      // "BarStl.ProjDescription"
  KOVTString DistrPoint;           // "BarStl.DistrPoint"
  KOVTString SchemDescription;     // "BarStl.SchemDescription"
  KOVTString LSchemDescription;    // "BarStl.LSchemDescription"
  KOVTString DistrEndDescription;  // "BarStl.DistrEndDescription"
  KOVTString MainTable;            // "BarStl.MainTable"
  KOVTString SteelTable;           // "BarStl.SteelTable"
  KOVTString DetailTable;          // "BarStl.DetailTable"
  KOVTString ElemTable;            // "BarStl.ElemTable"
};

struct RBARSHAPE {
  std::int32_t ModelDisplay{};         // "BarShape.ModelDisplay"
  bool AddHookDescription{};           // "BarShape.AddHookDescription"
  std::int32_t HookDescription{};      // "BarShape.HookDescription"
  std::int32_t ShapeModelBehaviour{};  // "BarShape.ShapeModelBehaviour"
};

struct RMESHOPT {
  double MinDistrAreaSize{};              // "MeshOpt.MinDistrAreaSize"
  bool AutoDimensioning{};                // "MeshOpt.AutoDimensioning"
  std::int32_t DescriptionInsertion{};    // "MeshOpt.DescriptionInsertation"
  std::int32_t IdenticalPositionDescr{};  // "MeshOpt.IdenticalPositionDescr"
  std::int32_t MeshSheetRounding{};       // "MeshOpt.MeshSheetRounding": mode of the four values below
  double LengthSheetRoundingDen{};        // "MeshOpt.LengthSheetRoundingDen"
  double LengthSheetRoundingVal{};        // "MeshOpt.LengthSheetRoundingVal"
  double WidthSheetRoundingDen{};         // "MeshOpt.WidthSheetRoundingDen"
  double WidthSheetRoundingVal{};         // "MeshOpt.WidthSheetRoundingVal"
};

struct RMESHDSP {
  std::int32_t ShapeColor{};           // "MeshDsp.ShapeColor"
  bool ShapeFill{};                    // "MeshDsp.ShapeFill"
  std::int32_t ShapeEnding{};          // "MeshDsp.ShapeEnding"
  std::int32_t ShapeLineWidth{};       // "MeshDsp.ShapeLineWidth"
  std::int32_t SchemColor{};           // "MeshDsp.SchemColor"
  std::int32_t SchemPresentation{};    // "MeshDsp.SchemPresentation"
  bool SchemFill{};                    // "MeshDsp.SchemFill"
  std::int32_t SchemLineWidth{};       // "MeshDsp.SchemLineWidth"
  std::int32_t SchemSizeMode{};        // "MeshDsp.SchemSizeMode": 2 is no longer offered
  double SchemScaleCoeff{};            // "MeshDsp.SchemScaleCoeff"
  bool SchemDetailTable{};             // "MeshDsp.SchemDetailTable"
  bool SchemSlantDimens{};             // "MeshDsp.SchemSlantDimens"
  bool SchemSegmentLength{};           // "MeshDsp.SchemSegmentLength"
  bool SchemFlexRadiuses{};            // "MeshDsp.SchemFlexRadiuses"
  bool SchemFlexAngles{};              // "MeshDsp.SchemFlexAngles"
  std::int32_t DistrUpReinLine{};      // "MeshDsp.DistrUpReinLine"
  std::int32_t DistrDownReinLine{};    // "MeshDsp.DistrDownReinLine"
  std::int32_t DistrReinColor{};       // "MeshDsp.DistrReinColor"
  std::int32_t DistrReinLineWidth{};   // "MeshDsp.DistrReinLineWidth"
  std::int32_t NetPresentationMode{};  // "MeshDsp.NetPresentationMode"
  std::int32_t NetPresentation{};      // "MeshDsp.NetPresentation"
  std::int32_t NetSimpleDesc{};        // "MeshDsp.NetSimpleDesc"
};

struct RMESHSTL {
  KOVTString ShapeDescription;  // "MeshStl.SchapeDescription"
  KOVTString DistrDescription;  // "MeshStl.DistrDescription"
  KOVTString SchemDescription;  // "MeshStl.SchemDescription"
  KOVTString MainTable;         // "MeshStl.MainTable"
  KOVTString SumsTable;         // "MeshStl.SumsTable"
};

struct RPROFSTL {
  KOVTString Profile;    // "ProfStl.Profile"
  KOVTString ProfTable;  // "ProfStl.ProfTable"
  KOVTString Obj3D;      // "ProfStl.Obj3D"
  KOVTString ProfGraph;  // "ProfStl.ProfGraph"
};

// Styles of the building-model objects.
struct RBIMSTL {
  KOVTString Column;       // "StavoStl.Column"
  KOVTString Beam;         // "StavoStl.Beam"
  KOVTString ColumnTable;  // "RStavoStl.ColumnTable"
  KOVTString BeamTable;    // "StavoStl.BeamTable"
};

using RPROJECT = TPROJECT;
