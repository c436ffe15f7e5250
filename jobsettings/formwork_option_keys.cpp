#include "jobsettings/formwork_job_settings.h"
#include "jobsettings/formwork_keys.h"

namespace KovxJobKeys {

namespace {

using S = KOVTFormworkJobSettings;
using KovtJobKeys::kKept;
using KoVTPrjReg::TRegistry;

void FileRingBeamPriority(S& s, KovtJobKeys::Filer& filer) {
  if (!filer.File(kRingBeamPriorityKey, &s.Styles.RingBeamPriority) && filer.Reading())
    filer.File(kRingBeamPriorityReadKey, &s.Styles.RingBeamPriority);
}

void FileDimensionStyle(S& s, TRegistry& registry, bool reading, const wchar_t* name) {
  registry.RWObjectId(reading, name, s.Dims.DimensionalStyleId);
}

// clang-format off
const Key kOptionKeys[] = {
    KEY(Units.WorkUnits, L"m"),
    KEY(Units.Length, L"m"),
    KEY_AS_ELSE(L"Units.FormworkCrossDim", Units.CrossDim, L"m", Units.Length),
    KEY_AS_ELSE(L"Units.FormworkHoleDim", Units.HoleDim, L"m", Units.Length),
    KEY_AS(L"Units.FormworkVolume", Units.Volume, L"m3"),
    KEY_AS(L"Units.FormworkSurface", Units.Surface, L"m2"),
    KEY_AS(L"Units.FormworkMass", Units.Mass, L"kg"),
    KEY_AS(L"Units.FormworkCurrency", Units.Currency, L"EUR"),
    KEY_AS(L"Units.FormworkAngle", Units.Angle, L"deg"),
    KEY(Units.PrintfLength, L"%.3lf"),
    KEY_AS_ELSE(L"Units.PrintfFormworkCrossDim", Units.PrintfCrossDim, L"%.3lf", Units.PrintfLength),
    KEY_AS_ELSE(L"Units.PrintfFormworkHoleDim", Units.PrintfHoleDim, L"%.3lf", Units.PrintfLength),
    KEY_AS(L"Units.PrintfFormworkVolume", Units.PrintfVolume, L"%.2lf"),
    KEY_AS(L"Units.PrintfFormworkSurface", Units.PrintfSurface, L"%.2lf"),
    KEY_AS(L"Units.PrintfFormworkMass", Units.PrintfMass, L"%.2lf"),
    KEY_AS(L"Units.PrintfFormworkCurrency", Units.PrintfCurrency, L"%.2lf"),
    KEY_AS(L"Units.PrintfFormworkAngle", Units.PrintfAngle, L"%.2lf"),
    KEY(Units.LengthPrecision, 3),
    KEY_AS_ELSE(L"Units.FormworkCrossDimPrecision", Units.CrossDimPrecision, 2, Units.LengthPrecision),
    KEY_AS_ELSE(L"Units.FormworkHoleDimPrecision", Units.HoleDimPrecision, 2, Units.LengthPrecision),
    KEY_AS(L"Units.FormworkVolumePrecision", Units.VolumePrecision, 3),
    KEY_AS(L"Units.FormworkSurfacePrecision", Units.SurfacePrecision, 2),
    KEY_AS(L"Units.FormworkMassPrecision", Units.MassPrecision, 2),
    KEY_AS(L"Units.FormworkCurrencyPrecision", Units.CurrencyPrecision, 2),
    KEY_AS(L"Units.FormworkAnglePrecision", Units.AnglePrecision, 2),
    KEY_AS(L"Units.FormworkLessThanOnePrecision", Units.LessThanOnePrecision, 1),
    KEY_AS(L"Units.FormworkGreaterThanOnePrecision", Units.GreaterThanOnePrecision, 1),
    KEY_AS(L"Units.FormworkDescLessThanOnePrecision", Units.DescLessThanOnePrecision, 1),
    KEY_AS(L"Units.FormworkDescGreaterThanOnePrecision", Units.DescGreaterThanOnePrecision, 1),
    KEY(Units.LengthCoeff, 1.0),
    KEY_AS_ELSE(L"Units.FormworkCrossDimCoeff", Units.CrossDimCoeff, 1.0, Units.LengthCoeff),
    KEY_AS_ELSE(L"Units.FormworkHoleDimCoeff", Units.HoleDimCoeff, 1.0, Units.LengthCoeff),
    KEY_AS(L"Units.FormworkVolumeCoeff", Units.VolumeCoeff, 1.0),
    KEY_AS(L"Units.FormworkSurfaceCoeff", Units.SurfaceCoeff, 1.0),
    KEY_AS(L"Units.FormworkMassCoeff", Units.MassCoeff, 1.0),
    KEY_AS(L"Units.FormworkCurrencyCoeff", Units.CurrencyCoeff, 1.0),
    KEY_AS(L"Units.FormworkAngleCoeff", Units.AngleCoeff, 57.29577951308232),
    KEY(Units.LessThenOne, L"mm"),
    KEY(Units.GreaterThenOne, L"mm"),
    KEY(Units.DescLessThenOne, L"mm"),
    KEY(Units.DescGreaterThenOne, L"mm"),

    KEY(Styles.ElementDescription, L"Standard"),
    KEY(Styles.TableElem, L"Standard"),
    KEY(Styles.TablePrice, L"Standard"),
    KEY(Styles.TableDeta, L"Standard"),
    KEY(Styles.TableHole, L"Standard"),
    KEY(Styles.TableGroupSum, L"Standard"),
    KEY(Styles.TableGroupDet, L"Standard"),
    KEY_AS(L"Priorities.WallPriority", Styles.WallPriority, 30),
    KEY_AS(L"Priorities.ColumnPriority", Styles.ColumnPriority, 30),
    KEY_AS(L"Priorities.BeamPriority", Styles.BeamPriority, 30),
    KEY_AS(L"Priorities.SlabPriority", Styles.SlabPriority, 30),
    KEY_AS(L"Priorities.LintelPriority", Styles.LintelPriority, 30),
    KEY_AS(L"Priorities.SFootPriority", Styles.SFootPriority, 30),
    KEY_AS(L"Priorities.CFootPriority", Styles.CFootPriority, 30),
    KEY_AS(L"Priorities.GBeamPriority", Styles.GBeamPriority, 30),
    KEY_AS(kRingBeamPriorityKey, Styles.RingBeamPriority, 40, nullptr, &FileRingBeamPriority),
    KEY_AS(L"Priorities.RFoundPriority", Styles.RFoundPriority, 30),
    KEY_AS(L"Priorities.StairsPriority", Styles.StairsPriority, 30),

    KEY_AS(L"Descs.strWallDesc", Descs.WallDesc, L"{%S_num}_{%El_num}"),
    KEY_AS(L"Descs.strColumnDesc", Descs.ColumnDesc, L"{%S_num}_{%El_num}"),
    KEY_AS(L"Descs.strBeamDesc", Descs.BeamDesc, L"{%S_num}_{%El_num}"),
    KEY_AS(L"Descs.strSlabDesc", Descs.SlabDesc, L"{%S_num}_{%El_num}"),
    KEY_AS(L"Descs.strLintelDesc", Descs.LintelDesc, L"{%S_num}_{%El_num}"),
    KEY_AS(L"Descs.strSFootDesc", Descs.SFootDesc, L"{%El_num}"),
    KEY_AS(L"Descs.strCFootDesc", Descs.CFootDesc, L"{%El_num}"),
    KEY_AS(L"Descs.strGBeamDesc", Descs.GBeamDesc, L"{%S_num}_{%El_num}"),
    KEY_AS(L"Descs.strRingBeamDesc", Descs.RingBeamDesc, L"X{%S_num}_{%El_num}"),
    KEY_AS(L"Descs.strRFoundDesc", Descs.RFoundDesc, L"{%S_num}_{%El_num}"),
    KEY_AS(L"Descs.strStairsDesc", Descs.StairsDesc, L"{%S_num}_{%El_num}"),
    KEY_AS(L"Descs.bNWDFT", Descs.NWDFT, true),
    KEY_AS(L"Descs.nBeginFrom", Descs.BeginFrom, 1),
    KEY_AS(L"Descs.strPrefix", Descs.Prefix),
    KEY_AS(L"Descs.eAxisOrder", Descs.AxisOrder),
    KEY_AS(L"Descs.eAxisScanType", Descs.AxisScanType, 1),
    KEY_AS(L"Descs.eElementOrder", Descs.ElementOrder, 1),
    KEY_AS(L"Descs.bFindAndSet", Descs.FindAndSet, true),
    KEY_AS(L"Descs.bIncludeMaterial", Descs.IncludeMaterial, true),
    KEY_AS(L"Descs.bInform", Descs.Inform, true),
    KEY_AS(L"Descs.bIncludeRElements", Descs.IncludeRElements, true),
    KEY_AS(L"Descs.nIdenticalMode", Descs.IdenticalMode),

    REGISTRY_KEY(L"Dims.DimensionalStyleId", &FileDimensionStyle),
    KEY(Dims.DimLineDistance, 100.0),
    KEY(Dims.UseMinDim),
    KEY(Dims.MinimalDimension),
    KEY(Dims.ExtLineLength),
    KEY(Dims.MidLineLength),
    KEY(Dims.ExtLineFromDimLength, 100.0),
    KEY(Dims.ExtLineFromObjLength, 100.0),
    KEY(Dims.MidLineFromDimLength, 100.0),
    KEY(Dims.MidLineFromObjLength, 100.0),
    KEY_AS(L"Dims.GroupLineDef", Dims.GroupLines.Def, kKept),
    KEY_AS(L"Dims.GroupLinePts", Dims.GroupLines.Pts, kKept),
    KEY_AS(L"Dims.GroupLineConn", Dims.GroupLines.Conn, kKept),
    KEY_AS(L"Dims.GroupLineAxis", Dims.GroupLines.Axis, kKept),
    KEY_AS(L"Dims.GroupLineHole", Dims.GroupLines.Hole, kKept),
    KEY(Dims.DescTemplateLine1, kKept),
    KEY(Dims.DescTemplateLine2, kKept),
    KEY_AS(L"Dims.CutAxis", Dims.Cuts.Axis, kKept),
    KEY_AS(L"Dims.CutTotal", Dims.Cuts.Total, kKept),
    KEY_AS(L"Dims.CutPlnxLine", Dims.Cuts.PlnxLine, kKept),
    KEY_AS(L"Dims.CutPlnxMLine", Dims.Cuts.PlnxMLine, kKept),
    KEY_AS(L"Dims.CutPlnxPolyline", Dims.Cuts.PlnxPolyline, kKept),
    KEY_AS(L"Dims.CutPlnxArc", Dims.Cuts.PlnxArc, kKept),
    KEY_AS(L"Dims.CutPlnxCircle", Dims.Cuts.PlnxCircle, kKept),
    KEY_AS(L"Dims.CutPlnxSpline", Dims.Cuts.PlnxSpline, kKept),
    KEY_AS(L"Dims.CutTraxWall", Dims.Cuts.TraxWall, kKept),
    KEY_AS(L"Dims.CutTraxColumn", Dims.Cuts.TraxColumn, kKept),
    KEY_AS(L"Dims.CutTraxBeam", Dims.Cuts.TraxBeam, kKept),
    KEY_AS(L"Dims.CutTraxSlab", Dims.Cuts.TraxSlab, kKept),
    KEY_AS(L"Dims.CutTraxFoot", Dims.Cuts.TraxFoot, kKept),
    KEY_AS(L"Dims.CutTraxContFoot", Dims.Cuts.TraxContFoot, kKept),
    KEY_AS(L"Dims.CutTraxDoor", Dims.Cuts.TraxDoor, kKept),
    KEY_AS(L"Dims.CutTraxWindow", Dims.Cuts.TraxWindow, kKept),
    KEY_AS(L"Dims.CutTraxLintel", Dims.Cuts.TraxLintel, kKept),
    KEY_AS(L"Dims.CutTraxWallHole", Dims.Cuts.TraxWallHole, kKept),
    KEY_AS(L"Dims.CutTraxSlabHole", Dims.Cuts.TraxSlabHole, kKept),
    KEY_AS(L"Dims.CutTraxAxe", Dims.Cuts.TraxAxe, kKept),
    KEY_AS(L"Dims.CutTraxGroundBeam", Dims.Cuts.TraxGroundBeam, kKept),
    KEY_AS(L"Dims.CutTraxRingBeam", Dims.Cuts.TraxRingBeam, 1),
    KEY_AS(L"Dims.CutTraxFoundSlab", Dims.Cuts.TraxFoundSlab, kKept),
    KEY_AS(L"Dims.CutTraxStairs", Dims.Cuts.TraxStairs, kKept),
    KEY_AS(L"Trims.Slab", Dims.TrimSlab),
    KEY_AS(L"Trims.SteelEl", Dims.TrimSteelEl),
};
// clang-format on

}  // namespace

std::span<const Key> OptionKeys() { return kOptionKeys; }

}  // namespace KovxJobKeys
