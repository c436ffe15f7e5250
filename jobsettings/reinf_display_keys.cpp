#include "jobsettings/reinf_job_settings.h"
#include "jobsettings/reinf_keys.h"

namespace KovrJobKeys {

namespace {

using S = KOVTReinfJobSettings;

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
    KEY(Options.DisplayCrossDescr),
    KEY(Options.PointBarBendAdd),
    KEY(Options.BarDisplayPrecision),
    KEY(Options.BarLenFactorWithoutLap),
    KEY(Options.BarDisplayPrecisionDbl,
     &TakeIntegerBarPrecision),
    KEY(Options.BarSegmentsDisplayPrecisionDbl),
    KEY(Options.DisDisplayPrecisionDbl,
     &KeepDistancePrecisionAboveZero),
    KEY(Options.BarPosNum),
    KEY_AS(L"Options.BarShapeCodeIdentfy", Options.BarShapeCodeIdentify),
    KEY(Options.Angle90Tolerance),

    KEY(BarOpt.BarSpanMeasure),
    KEY(BarOpt.MinBarLengthFlg),
    KEY(BarOpt.RoundBarLengthFlg),
    KEY(BarOpt.RoundBarSpanFlg),
    KEY(BarOpt.DistrDescLayoutFlg),
    KEY(BarOpt.RegardLineLengthFlg),
    KEY(BarOpt.MinBarLengthVal),
    KEY(BarOpt.RoundBarLengthVal),
    KEY(BarOpt.RoundBarSpanVal),
    KEY(BarOpt.DistrDescLayoutVal),
    KEY(BarOpt.RegardLineLengthVal),
    KEY(BarOpt.BarDrawMode),
    KEY(BarOpt.BarDrawUnderFi),
    KEY(BarOpt.BarDrawUnderFiValue),
    KEY(BarOpt.SurfDistribMinBarLen),
    KEY(BarOpt.TotalBarLength),

    KEY(BarDsp.ShapeColor),
    KEY(BarDsp.ShapeFill),
    KEY(BarDsp.ShapeEnding),
    KEY_AS(L"BarDsp.BarPresentation_", BarDsp.BarPresentation),
    KEY(BarDsp.BarLineWidth),
    KEY(BarDsp.PointSymbol),
    KEY(BarDsp.PointColor),
    KEY(BarDsp.DistrColor),
    KEY(BarDsp.DistrLineWidth),
    KEY(BarDsp.DistrLineStyle),
    KEY(BarDsp.DistrLineEnds),
    KEY(BarDsp.DistrLineFill),
    KEY(BarDsp.LinDistrReinPres),
    KEY(BarDsp.SchemColor),
    KEY(BarDsp.SchemPresentation),
    KEY(BarDsp.SchemFill),
    KEY(BarDsp.SchemLineWidth),
    KEY(BarDsp.SchemSizeMode,
     &RetireSchemeSizeMode2<&S::BarDsp>),
    KEY(BarDsp.SchemScaleCoeff),
    KEY(BarDsp.SchemDetailTable),
    KEY(BarDsp.SchemSlantDimens),
    KEY(BarDsp.SchemSegmentLength),
    KEY(BarDsp.SchemFlexRadiuses),
    KEY(BarDsp.SchemFlexAngles),
    KEY(BarDsp.SurDistrUpReinLine),
    KEY(BarDsp.SurDistrDownReinLine),
    KEY(BarDsp.SurDistrReinColor),
    KEY(BarDsp.SurDistrReinLineWidth),
    KEY(BarDsp.SurDistrReinPres),

    KEY_AS(L"BarStl.SchapeDescription", BarStl.ShapeDescription),
    KEY(BarStl.BarEndDescription),
    KEY(BarStl.ViewDescription),
    KEY(BarStl.ProjDescription),
    KEY(BarStl.DistrPoint),
    KEY(BarStl.SchemDescription),
    KEY(BarStl.LSchemDescription),
    KEY(BarStl.MainTable),
    KEY(BarStl.SteelTable),
    KEY(BarStl.DetailTable),
    KEY(BarStl.ElemTable),
    KEY(BarStl.DistrEndDescription),

    KEY(BarShape.ModelDisplay),
    KEY(BarShape.AddHookDescription),
    KEY(BarShape.HookDescription),
    KEY(BarShape.ShapeModelBehaviour),

    KEY(MeshOpt.MinDistrAreaSize),
    KEY(MeshOpt.AutoDimensioning),
    KEY_AS(L"MeshOpt.DescriptionInsertation", MeshOpt.DescriptionInsertion),
    KEY(MeshOpt.IdenticalPositionDescr),
    KEY(MeshOpt.MeshSheetRounding),
    KEY(MeshOpt.LengthSheetRoundingDen),
    KEY(MeshOpt.LengthSheetRoundingVal),
    KEY(MeshOpt.WidthSheetRoundingDen),
    KEY(MeshOpt.WidthSheetRoundingVal),

    KEY(MeshDsp.ShapeColor),
    KEY(MeshDsp.ShapeFill),
    KEY(MeshDsp.ShapeEnding),
    KEY(MeshDsp.ShapeLineWidth),
    KEY(MeshDsp.SchemColor),
    KEY(MeshDsp.SchemPresentation),
    KEY(MeshDsp.SchemFill),
    KEY(MeshDsp.SchemLineWidth),
    KEY(MeshDsp.SchemSizeMode,
     &RetireSchemeSizeMode2<&S::MeshDsp>),
    KEY(MeshDsp.SchemScaleCoeff),
    KEY(MeshDsp.SchemDetailTable),
    KEY(MeshDsp.SchemSlantDimens),
    KEY(MeshDsp.SchemSegmentLength),
    KEY(MeshDsp.SchemFlexRadiuses),
    KEY(MeshDsp.SchemFlexAngles),
    KEY(MeshDsp.DistrUpReinLine),
    KEY(MeshDsp.DistrDownReinLine),
    KEY(MeshDsp.DistrReinColor),
    KEY(MeshDsp.DistrReinLineWidth),
    KEY(MeshDsp.NetPresentationMode),
    KEY(MeshDsp.NetSimpleDesc),
    KEY(MeshDsp.NetPresentation),

    KEY_AS(L"MeshStl.SchapeDescription", MeshStl.ShapeDescription),
    KEY(MeshStl.DistrDescription),
    KEY(MeshStl.SchemDescription),
    KEY(MeshStl.MainTable),
    KEY(MeshStl.SumsTable),

    KEY(ProfStl.Profile),
    KEY(ProfStl.ProfTable),
    KEY_AS(L"StavoStl.Column", BimStl.Column),
    KEY_AS(L"StavoStl.Beam", BimStl.Beam),
    KEY_AS(L"RStavoStl.ColumnTable", BimStl.ColumnTable),
    KEY_AS(L"StavoStl.BeamTable", BimStl.BeamTable),
    KEY(ProfStl.Obj3D),
    KEY(ProfStl.ProfGraph),
    KEY_AS(L"Profiles.ProfDatabase", ProfDatabase),
};
// clang-format on

}  // namespace

std::span<const Key> DisplayKeys() { return kDisplayKeys; }

}  // namespace KovrJobKeys
