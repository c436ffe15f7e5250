#include "jobsettings/reinf_job_settings.h"
#include "jobsettings/reinf_keys.h"

namespace KovrJobKeys {

namespace {

using S = KOVTReinfJobSettings;
using KovtJobKeys::Field;

// Sets written before the precision was a double keep it as an integer.
void TakeIntegerBarPrecision(S& s, bool found) {
  if (!found) s.Options.BarDisplayPrecisionDbl = static_cast<double>(s.Options.BarDisplayPrecision);
}

// A distance precision of 0 would make every distance equal.
void KeepDistancePrecisionAboveZero(S& s, bool) {
  if (s.Options.DisDisplayPrecisionDbl == 0.0) s.Options.DisDisplayPrecisionDbl = 0.1;
}

// Scheme size mode 2 is no longer offered; such schemes are drawn as mode 1.
template <auto Block>
void RetireSchemeSizeMode2(S& s, bool) {
  if ((s.*Block).SchemSizeMode == 2) (s.*Block).SchemSizeMode = 1;
}

// clang-format off
const Key kDisplayKeys[] = {
    {L"Options.DisplayCrossDescr", [](S& s) -> Field { return &s.Options.DisplayCrossDescr; }},
    {L"Options.PointBarBendAdd", [](S& s) -> Field { return &s.Options.PointBarBendAdd; }},
    {L"Options.BarDisplayPrecision", [](S& s) -> Field { return &s.Options.BarDisplayPrecision; }},
    {L"Options.BarLenFactorWithoutLap", [](S& s) -> Field { return &s.Options.BarLenFactorWithoutLap; }},
    {L"Options.BarDisplayPrecisionDbl", [](S& s) -> Field { return &s.Options.BarDisplayPrecisionDbl; },
     &TakeIntegerBarPrecision},
    {L"Options.BarSegmentsDisplayPrecisionDbl", [](S& s) -> Field { return &s.Options.BarSegmentsDisplayPrecisionDbl; }},
    {L"Options.DisDisplayPrecisionDbl", [](S& s) -> Field { return &s.Options.DisDisplayPrecisionDbl; },
     &KeepDistancePrecisionAboveZero},
    {L"Options.BarPosNum", [](S& s) -> Field { return &s.Options.BarPosNum; }},
    {L"Options.BarShapeCodeIdentfy", [](S& s) -> Field { return &s.Options.BarShapeCodeIdentify; }},
    {L"Options.Angle90Tolerance", [](S& s) -> Field { return &s.Options.Angle90Tolerance; }},

    {L"BarOpt.BarSpanMeasure", [](S& s) -> Field { return &s.BarOpt.BarSpanMeasure; }},
    {L"BarOpt.MinBarLengthFlg", [](S& s) -> Field { return &s.BarOpt.MinBarLengthFlg; }},
    {L"BarOpt.RoundBarLengthFlg", [](S& s) -> Field { return &s.BarOpt.RoundBarLengthFlg; }},
    {L"BarOpt.RoundBarSpanFlg", [](S& s) -> Field { return &s.BarOpt.RoundBarSpanFlg; }},
    {L"BarOpt.DistrDescLayoutFlg", [](S& s) -> Field { return &s.BarOpt.DistrDescLayoutFlg; }},
    {L"BarOpt.RegardLineLengthFlg", [](S& s) -> Field { return &s.BarOpt.RegardLineLengthFlg; }},
    {L"BarOpt.MinBarLengthVal", [](S& s) -> Field { return &s.BarOpt.MinBarLengthVal; }},
    {L"BarOpt.RoundBarLengthVal", [](S& s) -> Field { return &s.BarOpt.RoundBarLengthVal; }},
    {L"BarOpt.RoundBarSpanVal", [](S& s) -> Field { return &s.BarOpt.RoundBarSpanVal; }},
    {L"BarOpt.DistrDescLayoutVal", [](S& s) -> Field { return &s.BarOpt.DistrDescLayoutVal; }},
    {L"BarOpt.RegardLineLengthVal", [](S& s) -> Field { return &s.BarOpt.RegardLineLengthVal; }},
    {L"BarOpt.BarDrawMode", [](S& s) -> Field { return &s.BarOpt.BarDrawMode; }},
    {L"BarOpt.BarDrawUnderFi", [](S& s) -> Field { return &s.BarOpt.BarDrawUnderFi; }},
    {L"BarOpt.BarDrawUnderFiValue", [](S& s) -> Field { return &s.BarOpt.BarDrawUnderFiValue; }},
    {L"BarOpt.SurfDistribMinBarLen", [](S& s) -> Field { return &s.BarOpt.SurfDistribMinBarLen; }},
    {L"BarOpt.TotalBarLength", [](S& s) -> Field { return &s.BarOpt.TotalBarLength; }},

    {L"BarDsp.ShapeColor", [](S& s) -> Field { return &s.BarDsp.ShapeColor; }},
    {L"BarDsp.ShapeFill", [](S& s) -> Field { return &s.BarDsp.ShapeFill; }},
    {L"BarDsp.ShapeEnding", [](S& s) -> Field { return &s.BarDsp.ShapeEnding; }},
    {L"BarDsp.BarPresentation_", [](S& s) -> Field { return &s.BarDsp.BarPresentation; }},
    {L"BarDsp.BarLineWidth", [](S& s) -> Field { return &s.BarDsp.BarLineWidth; }},
    {L"BarDsp.PointSymbol", [](S& s) -> Field { return &s.BarDsp.PointSymbol; }},
    {L"BarDsp.PointColor", [](S& s) -> Field { return &s.BarDsp.PointColor; }},
    {L"BarDsp.DistrColor", [](S& s) -> Field { return &s.BarDsp.DistrColor; }},
    {L"BarDsp.DistrLineWidth", [](S& s) -> Field { return &s.BarDsp.DistrLineWidth; }},
    {L"BarDsp.DistrLineStyle", [](S& s) -> Field { return &s.BarDsp.DistrLineStyle; }},
    {L"BarDsp.DistrLineEnds", [](S& s) -> Field { return &s.BarDsp.DistrLineEnds; }},
    {L"BarDsp.DistrLineFill", [](S& s) -> Field { return &s.BarDsp.DistrLineFill; }},
    {L"BarDsp.LinDistrReinPres", [](S& s) -> Field { return &s.BarDsp.LinDistrReinPres; }},
    {L"BarDsp.SchemColor", [](S& s) -> Field { return &s.BarDsp.SchemColor; }},
    {L"BarDsp.SchemPresentation", [](S& s) -> Field { return &s.BarDsp.SchemPresentation; }},
    {L"BarDsp.SchemFill", [](S& s) -> Field { return &s.BarDsp.SchemFill; }},
    {L"BarDsp.SchemLineWidth", [](S& s) -> Field { return &s.BarDsp.SchemLineWidth; }},
    {L"BarDsp.SchemSizeMode", [](S& s) -> Field { return &s.BarDsp.SchemSizeMode; },
     &RetireSchemeSizeMode2<&S::BarDsp>},
    {L"BarDsp.SchemScaleCoeff", [](S& s) -> Field { return &s.BarDsp.SchemScaleCoeff; }},
    {L"BarDsp.SchemDetailTable", [](S& s) -> Field { return &s.BarDsp.SchemDetailTable; }},
    {L"BarDsp.SchemSlantDimens", [](S& s) -> Field { return &s.BarDsp.SchemSlantDimens; }},
    {L"BarDsp.SchemSegmentLength", [](S& s) -> Field { return &s.BarDsp.SchemSegmentLength; }},
    {L"BarDsp.SchemFlexRadiuses", [](S& s) -> Field { return &s.BarDsp.SchemFlexRadiuses; }},
    {L"BarDsp.SchemFlexAngles", [](S& s) -> Field { return &s.BarDsp.SchemFlexAngles; }},
    {L"BarDsp.SurDistrUpReinLine", [](S& s) -> Field { return &s.BarDsp.SurDistrUpReinLine; }},
    {L"BarDsp.SurDistrDownReinLine", [](S& s) -> Field { return &s.BarDsp.SurDistrDownReinLine; }},
    {L"BarDsp.SurDistrReinColor", [](S& s) -> Field { return &s.BarDsp.SurDistrReinColor; }},
    {L"BarDsp.SurDistrReinLineWidth", [](S& s) -> Field { return &s.BarDsp.SurDistrReinLineWidth; }},
    {L"BarDsp.SurDistrReinPres", [](S& s) -> Field { return &s.BarDsp.SurDistrReinPres; }},

    {L"BarStl.SchapeDescription", [](S& s) -> Field { return &s.BarStl.ShapeDescription; }},
    {L"BarStl.BarEndDescription", [](S& s) -> Field { return &s.BarStl.BarEndDescription; }},
    {L"BarStl.ViewDescription", [](S& s) -> Field { return &s.BarStl.ViewDescription; }},
    {L"BarStl.ProjDescription", [](S& s) -> Field { return &s.BarStl.ProjDescription; }},
    {L"BarStl.DistrPoint", [](S& s) -> Field { return &s.BarStl.DistrPoint; }},
    {L"BarStl.SchemDescription", [](S& s) -> Field { return &s.BarStl.SchemDescription; }},
    {L"BarStl.LSchemDescription", [](S& s) -> Field { return &s.BarStl.LSchemDescription; }},
    {L"BarStl.MainTable", [](S& s) -> Field { return &s.BarStl.MainTable; }},
    {L"BarStl.SteelTable", [](S& s) -> Field { return &s.BarStl.SteelTable; }},
    {L"BarStl.DetailTable", [](S& s) -> Field { return &s.BarStl.DetailTable; }},
    {L"BarStl.ElemTable", [](S& s) -> Field { return &s.BarStl.ElemTable; }},
    {L"BarStl.DistrEndDescription", [](S& s) -> Field { return &s.BarStl.DistrEndDescription; }},

    {L"BarShape.ModelDisplay", [](S& s) -> Field { return &s.BarShape.ModelDisplay; }},
    {L"BarShape.AddHookDescription", [](S& s) -> Field { return &s.BarShape.AddHookDescription; }},
    {L"BarShape.HookDescription", [](S& s) -> Field { return &s.BarShape.HookDescription; }},
    {L"BarShape.ShapeModelBehaviour", [](S& s) -> Field { return &s.BarShape.ShapeModelBehaviour; }},

    {L"MeshOpt.MinDistrAreaSize", [](S& s) -> Field { return &s.MeshOpt.MinDistrAreaSize; }},
    {L"MeshOpt.AutoDimensioning", [](S& s) -> Field { return &s.MeshOpt.AutoDimensioning; }},
    {L"MeshOpt.DescriptionInsertation", [](S& s) -> Field { return &s.MeshOpt.DescriptionInsertion; }},
    {L"MeshOpt.IdenticalPositionDescr", [](S& s) -> Field { return &s.MeshOpt.IdenticalPositionDescr; }},
    {L"MeshOpt.MeshSheetRounding", [](S& s) -> Field { return &s.MeshOpt.MeshSheetRounding; }},
    {L"MeshOpt.LengthSheetRoundingDen", [](S& s) -> Field { return &s.MeshOpt.LengthSheetRoundingDen; }},
    {L"MeshOpt.LengthSheetRoundingVal", [](S& s) -> Field { return &s.MeshOpt.LengthSheetRoundingVal; }},
    {L"MeshOpt.WidthSheetRoundingDen", [](S& s) -> Field { return &s.MeshOpt.WidthSheetRoundingDen; }},
    {L"MeshOpt.WidthSheetRoundingVal", [](S& s) -> Field { return &s.MeshOpt.WidthSheetRoundingVal; }},

    {L"MeshDsp.ShapeColor", [](S& s) -> Field { return &s.MeshDsp.ShapeColor; }},
    {L"MeshDsp.ShapeFill", [](S& s) -> Field { return &s.MeshDsp.ShapeFill; }},
    {L"MeshDsp.ShapeEnding", [](S& s) -> Field { return &s.MeshDsp.ShapeEnding; }},
    {L"MeshDsp.ShapeLineWidth", [](S& s) -> Field { return &s.MeshDsp.ShapeLineWidth; }},
    {L"MeshDsp.SchemColor", [](S& s) -> Field { return &s.MeshDsp.SchemColor; }},
    {L"MeshDsp.SchemPresentation", [](S& s) -> Field { return &s.MeshDsp.SchemPresentation; }},
    {L"MeshDsp.SchemFill", [](S& s) -> Field { return &s.MeshDsp.SchemFill; }},
    {L"MeshDsp.SchemLineWidth", [](S& s) -> Field { return &s.MeshDsp.SchemLineWidth; }},
    {L"MeshDsp.SchemSizeMode", [](S& s) -> Field { return &s.MeshDsp.SchemSizeMode; },
     &RetireSchemeSizeMode2<&S::MeshDsp>},
    {L"MeshDsp.SchemScaleCoeff", [](S& s) -> Field { return &s.MeshDsp.SchemScaleCoeff; }},
    {L"MeshDsp.SchemDetailTable", [](S& s) -> Field { return &s.MeshDsp.SchemDetailTable; }},
    {L"MeshDsp.SchemSlantDimens", [](S& s) -> Field { return &s.MeshDsp.SchemSlantDimens; }},
    {L"MeshDsp.SchemSegmentLength", [](S& s) -> Field { return &s.MeshDsp.SchemSegmentLength; }},
    {L"MeshDsp.SchemFlexRadiuses", [](S& s) -> Field { return &s.MeshDsp.SchemFlexRadiuses; }},
    {L"MeshDsp.SchemFlexAngles", [](S& s) -> Field { return &s.MeshDsp.SchemFlexAngles; }},
    {L"MeshDsp.DistrUpReinLine", [](S& s) -> Field { return &s.MeshDsp.DistrUpReinLine; }},
    {L"MeshDsp.DistrDownReinLine", [](S& s) -> Field { return &s.MeshDsp.DistrDownReinLine; }},
    {L"MeshDsp.DistrReinColor", [](S& s) -> Field { return &s.MeshDsp.DistrReinColor; }},
    {L"MeshDsp.DistrReinLineWidth", [](S& s) -> Field { return &s.MeshDsp.DistrReinLineWidth; }},
    {L"MeshDsp.NetPresentationMode", [](S& s) -> Field { return &s.MeshDsp.NetPresentationMode; }},
    {L"MeshDsp.NetSimpleDesc", [](S& s) -> Field { return &s.MeshDsp.NetSimpleDesc; }},
    {L"MeshDsp.NetPresentation", [](S& s) -> Field { return &s.MeshDsp.NetPresentation; }},

    {L"MeshStl.SchapeDescription", [](S& s) -> Field { return &s.MeshStl.ShapeDescription; }},
    {L"MeshStl.DistrDescription", [](S& s) -> Field { return &s.MeshStl.DistrDescription; }},
    {L"MeshStl.SchemDescription", [](S& s) -> Field { return &s.MeshStl.SchemDescription; }},
    {L"MeshStl.MainTable", [](S& s) -> Field { return &s.MeshStl.MainTable; }},
    {L"MeshStl.SumsTable", [](S& s) -> Field { return &s.MeshStl.SumsTable; }},

    {L"ProfStl.Profile", [](S& s) -> Field { return &s.ProfStl.Profile; }},
    {L"ProfStl.ProfTable", [](S& s) -> Field { return &s.ProfStl.ProfTable; }},
    {L"StavoStl.Column", [](S& s) -> Field { return &s.BimStl.Column; }},
    {L"StavoStl.Beam", [](S& s) -> Field { return &s.BimStl.Beam; }},
    {L"RStavoStl.ColumnTable", [](S& s) -> Field { return &s.BimStl.ColumnTable; }},
    {L"StavoStl.BeamTable", [](S& s) -> Field { return &s.BimStl.BeamTable; }},
    {L"ProfStl.Obj3D", [](S& s) -> Field { return &s.ProfStl.Obj3D; }},
    {L"ProfStl.ProfGraph", [](S& s) -> Field { return &s.ProfStl.ProfGraph; }},
    {L"Profiles.ProfDatabase", [](S& s) -> Field { return &s.ProfDatabase; }},

    {L"Project.Office", [](S& s) -> Field { return &s.Project.Office; }},
    {L"Project.Investor", [](S& s) -> Field { return &s.Project.Investor; }},
    {L"Project.ProjectName", [](S& s) -> Field { return &s.Project.ProjectName; }},
    {L"Project.ProjectNo", [](S& s) -> Field { return &s.Project.ProjectNo; }},
    {L"Project.Address", [](S& s) -> Field { return &s.Project.Address; }},
    {L"Project.Designer", [](S& s) -> Field { return &s.Project.Designer; }},
    {L"Project.Revision", [](S& s) -> Field { return &s.Project.Revision; }},
    {L"Project.Verified", [](S& s) -> Field { return &s.Project.Verified; }},
    {L"Project.Date", [](S& s) -> Field { return &s.Project.Date; }},
    {L"Project.Note", [](S& s) -> Field { return &s.Project.Note; }},
};
// clang-format on

}  // namespace

std::span<const Key> DisplayKeys() { return kDisplayKeys; }

}  // namespace KovrJobKeys
