#include "jobsettings/reinf_job_settings.h"
#include "jobsettings/reinf_keys.h"

namespace KovrJobKeys {

namespace {

using S = KOVTReinfJobSettings;

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
    KEY(Options.DisplayCrossDescr, true),
    KEY(Options.PointBarBendAdd, true),
    KEY(Options.BarDisplayPrecision, 10),
    KEY(Options.BarLenFactorWithoutLap, 1.0),
    KEY_ELSE(Options.BarDisplayPrecisionDbl, 10.0, Options.BarDisplayPrecision),
    KEY(Options.BarSegmentsDisplayPrecisionDbl, 10.0),
    KEY(Options.DisDisplayPrecisionDbl, 0.1, &KeepDistancePrecisionAboveZero),
    KEY(Options.BarPosNum),
    KEY_AS(L"Options.BarShapeCodeIdentfy", Options.BarShapeCodeIdentify),
    KEY(Options.Angle90Tolerance, 1.0),

    KEY(BarOpt.BarSpanMeasure),
    KEY(BarOpt.MinBarLengthFlg),
    KEY(BarOpt.RoundBarLengthFlg),
    KEY(BarOpt.RoundBarSpanFlg),
    KEY(BarOpt.DistrDescLayoutFlg),
    KEY(BarOpt.RegardLineLengthFlg),
    KEY(BarOpt.MinBarLengthVal, 10.0),
    KEY(BarOpt.RoundBarLengthVal, 10.0),
    KEY(BarOpt.RoundBarSpanVal, 1.0),
    KEY(BarOpt.DistrDescLayoutVal, 1.0),
    KEY(BarOpt.RegardLineLengthVal, 1.0),
    KEY(BarOpt.BarDrawMode),
    KEY(BarOpt.BarDrawUnderFi, 16.0),
    KEY(BarOpt.BarDrawUnderFiValue, 16.0),
    KEY(BarOpt.SurfDistribMinBarLen, 1000.0),
    KEY(BarOpt.TotalBarLength),

    KEY(BarDsp.ShapeColor, 256),
    KEY(BarDsp.ShapeFill),
    KEY(BarDsp.ShapeEnding),
    KEY_AS(L"BarDsp.BarPresentation_", BarDsp.BarPresentation, 2),
    KEY(BarDsp.BarLineWidth, -1),
    KEY(BarDsp.PointSymbol),
    KEY(BarDsp.PointColor, 256),
    KEY(BarDsp.DistrColor, 256),
    KEY(BarDsp.DistrLineWidth, -1),
    KEY(BarDsp.DistrLineStyle),
    KEY(BarDsp.DistrLineEnds),
    KEY(BarDsp.DistrLineFill),
    KEY(BarDsp.LinDistrReinPres),
    KEY(BarDsp.SchemColor, 256),
    KEY(BarDsp.SchemPresentation),
    KEY(BarDsp.SchemFill),
    KEY(BarDsp.SchemLineWidth, -1),
    KEY(BarDsp.SchemSizeMode, 1, &RetireSchemeSizeMode2<&S::BarDsp>),
    KEY(BarDsp.SchemScaleCoeff, 1.0),
    KEY(BarDsp.SchemDetailTable),
    KEY(BarDsp.SchemSlantDimens),
    KEY(BarDsp.SchemSegmentLength, true),
    KEY(BarDsp.SchemFlexRadiuses),
    KEY(BarDsp.SchemFlexAngles),
    KEY(BarDsp.SurDistrUpReinLine),
    KEY(BarDsp.SurDistrDownReinLine),
    KEY(BarDsp.SurDistrReinColor, 256),
    KEY(BarDsp.SurDistrReinLineWidth, -1),
    KEY(BarDsp.SurDistrReinPres),

    KEY_AS(L"BarStl.SchapeDescription", BarStl.ShapeDescription, L"Standard"),
    KEY(BarStl.BarEndDescription, L"Standard"),
    KEY(BarStl.ViewDescription, L"Standard"),
    KEY(BarStl.ProjDescription, L"Standard"),
    KEY(BarStl.DistrPoint, L"Standard"),
    KEY(BarStl.SchemDescription, L"Standard"),
    KEY(BarStl.LSchemDescription, L"Standard"),
    KEY(BarStl.MainTable, L"Standard"),
    KEY(BarStl.SteelTable, L"Standard"),
    KEY(BarStl.DetailTable, L"Standard"),
    KEY(BarStl.ElemTable, L"Standard"),
    KEY(BarStl.DistrEndDescription, L"Standard"),

    KEY(BarShape.ModelDisplay, 2),
    KEY(BarShape.AddHookDescription, true),
    KEY(BarShape.HookDescription),
    KEY(BarShape.ShapeModelBehaviour, 1),

    KEY(MeshOpt.MinDistrAreaSize, 0.2),
    KEY(MeshOpt.AutoDimensioning),
    KEY_AS(L"MeshOpt.DescriptionInsertation", MeshOpt.DescriptionInsertion),
    KEY(MeshOpt.IdenticalPositionDescr),
    KEY(MeshOpt.MeshSheetRounding),
    KEY(MeshOpt.LengthSheetRoundingDen, 10.0),
    KEY(MeshOpt.LengthSheetRoundingVal, 1.0),
    KEY(MeshOpt.WidthSheetRoundingDen, 10.0),
    KEY(MeshOpt.WidthSheetRoundingVal, 1.0),

    KEY(MeshDsp.ShapeColor, 256),
    KEY(MeshDsp.ShapeFill),
    KEY(MeshDsp.ShapeEnding),
    KEY(MeshDsp.ShapeLineWidth, -1),
    KEY(MeshDsp.SchemColor, 256),
    KEY(MeshDsp.SchemPresentation),
    KEY(MeshDsp.SchemFill),
    KEY(MeshDsp.SchemLineWidth, -1),
    KEY(MeshDsp.SchemSizeMode, 1, &RetireSchemeSizeMode2<&S::MeshDsp>),
    KEY(MeshDsp.SchemScaleCoeff, 1.0),
    KEY(MeshDsp.SchemDetailTable),
    KEY(MeshDsp.SchemSlantDimens),
    KEY(MeshDsp.SchemSegmentLength),
    KEY(MeshDsp.SchemFlexRadiuses),
    KEY(MeshDsp.SchemFlexAngles),
    KEY(MeshDsp.DistrUpReinLine),
    KEY(MeshDsp.DistrDownReinLine),
    KEY(MeshDsp.DistrReinColor, 256),
    KEY(MeshDsp.DistrReinLineWidth, -1),
    KEY(MeshDsp.NetPresentationMode),
    KEY(MeshDsp.NetSimpleDesc),
    KEY(MeshDsp.NetPresentation, 2),

    KEY_AS(L"MeshStl.SchapeDescription", MeshStl.ShapeDescription, L"Standard"),
    KEY(MeshStl.DistrDescription, L"Standard"),
    KEY(MeshStl.SchemDescription, L"Standard"),
    KEY(MeshStl.MainTable, L"Standard"),
    KEY(MeshStl.SumsTable, L"Standard"),

    KEY(ProfStl.Profile, L"Standard"),
    KEY(ProfStl.ProfTable, L"Standard"),
    KEY_AS(L"StavoStl.Column", BimStl.Column, L"Standard"),
    KEY_AS(L"StavoStl.Beam", BimStl.Beam, L"Standard"),
    KEY_AS(L"RStavoStl.ColumnTable", BimStl.ColumnTable, L"Standard"),
    KEY_AS(L"StavoStl.BeamTable", BimStl.BeamTable, L"Standard"),
    KEY(ProfStl.Obj3D, L"Standard"),
    KEY(ProfStl.ProfGraph, L"Standard"),
    KEY_AS(L"Profiles.ProfDatabase", ProfDatabase, L"RCAT"),
};
// clang-format on

}  // namespace

std::span<const Key> DisplayKeys() { return kDisplayKeys; }

}  // namespace KovrJobKeys
