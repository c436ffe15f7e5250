#include "jobsettings/formwork_job_settings.h"
#include "jobsettings/formwork_keys.h"

namespace KovxJobKeys {

namespace {

using S = KOVTFormworkJobSettings;
using KoVTPrjReg::TRegistry;

// Sets written before cross and hole dimensions had units of their own: they
// take those of lengths.
template <auto Target, auto Source>
constexpr auto TakeUnitWhenMissing = &KovtJobKeys::TakeWhenMissing<&S::Units, Target, Source>;

void FileRingBeamPriority(S& s, KovtJobKeys::Filer& filer) {
  if (!filer.File(kRingBeamPriorityKey, &s.Styles.RingBeamPriority) && filer.Reading())
    filer.File(kRingBeamPriorityReadKey, &s.Styles.RingBeamPriority);
}

void FileDimensionStyle(S& s, TRegistry& registry, bool reading, const wchar_t* name) {
  registry.RWObjectId(reading, name, s.Dims.DimensionalStyleId);
}

// clang-format off
const Key kOptionKeys[] = {
    KEY(Units.WorkUnits),
    KEY(Units.Length),
    KEY_AS(L"Units.FormworkCrossDim", Units.CrossDim,
     TakeUnitWhenMissing<&XUNITS::CrossDim, &XUNITS::Length>),
    KEY_AS(L"Units.FormworkHoleDim", Units.HoleDim,
     TakeUnitWhenMissing<&XUNITS::HoleDim, &XUNITS::Length>),
    KEY_AS(L"Units.FormworkVolume", Units.Volume),
    KEY_AS(L"Units.FormworkSurface", Units.Surface),
    KEY_AS(L"Units.FormworkMass", Units.Mass),
    KEY_AS(L"Units.FormworkCurrency", Units.Currency),
    KEY_AS(L"Units.FormworkAngle", Units.Angle),
    KEY(Units.PrintfLength),
    KEY_AS(L"Units.PrintfFormworkCrossDim", Units.PrintfCrossDim,
     TakeUnitWhenMissing<&XUNITS::PrintfCrossDim, &XUNITS::PrintfLength>),
    KEY_AS(L"Units.PrintfFormworkHoleDim", Units.PrintfHoleDim,
     TakeUnitWhenMissing<&XUNITS::PrintfHoleDim, &XUNITS::PrintfLength>),
    KEY_AS(L"Units.PrintfFormworkVolume", Units.PrintfVolume),
    KEY_AS(L"Units.PrintfFormworkSurface", Units.PrintfSurface),
    KEY_AS(L"Units.PrintfFormworkMass", Units.PrintfMass),
    KEY_AS(L"Units.PrintfFormworkCurrency", Units.PrintfCurrency),
    KEY_AS(L"Units.PrintfFormworkAngle", Units.PrintfAngle),
    KEY(Units.LengthPrecision),
    KEY_AS(L"Units.FormworkCrossDimPrecision", Units.CrossDimPrecision,
     TakeUnitWhenMissing<&XUNITS::CrossDimPrecision, &XUNITS::LengthPrecision>),
    KEY_AS(L"Units.FormworkHoleDimPrecision", Units.HoleDimPrecision,
     TakeUnitWhenMissing<&XUNITS::HoleDimPrecision, &XUNITS::LengthPrecision>),
    KEY_AS(L"Units.FormworkVolumePrecision", Units.VolumePrecision),
    KEY_AS(L"Units.FormworkSurfacePrecision", Units.SurfacePrecision),
    KEY_AS(L"Units.FormworkMassPrecision", Units.MassPrecision),
    KEY_AS(L"Units.FormworkCurrencyPrecision", Units.CurrencyPrecision),
    KEY_AS(L"Units.FormworkAnglePrecision", Units.AnglePrecision),
    KEY_AS(L"Units.FormworkLessThanOnePrecision", Units.LessThanOnePrecision),
    KEY_AS(L"Units.FormworkGreaterThanOnePrecision", Units.GreaterThanOnePrecision),
    KEY_AS(L"Units.FormworkDescLessThanOnePrecision", Units.DescLessThanOnePrecision),
    KEY_AS(L"Units.FormworkDescGreaterThanOnePrecision", Units.DescGreaterThanOnePrecision),
    KEY(Units.LengthCoeff),
    KEY_AS(L"Units.FormworkCrossDimCoeff", Units.CrossDimCoeff,
     TakeUnitWhenMissing<&XUNITS::CrossDimCoeff, &XUNITS::LengthCoeff>),
    KEY_AS(L"Units.FormworkHoleDimCoeff", Units.HoleDimCoeff,
     TakeUnitWhenMissing<&XUNITS::HoleDimCoeff, &XUNITS::LengthCoeff>),
    KEY_AS(L"Units.FormworkVolumeCoeff", Units.VolumeCoeff),
    KEY_AS(L"Units.FormworkSurfaceCoeff", Units.SurfaceCoeff),
    KEY_AS(L"Units.FormworkMassCoeff", Units.MassCoeff),
    KEY_AS(L"Units.FormworkCurrencyCoeff", Units.CurrencyCoeff),
    KEY_AS(L"Units.FormworkAngleCoeff", Units.AngleCoeff),
    KEY(Units.LessThenOne),
    KEY(Units.GreaterThenOne),
    KEY(Units.DescLessThenOne),
    KEY(Units.DescGreaterThenOne),

    KEY(Styles.ElementDescription),
    KEY(Styles.TableElem),
    KEY(Styles.TablePrice),
    KEY(Styles.TableDeta),
    KEY(Styles.TableHole),
    KEY(Styles.TableGroupSum),
    KEY(Styles.TableGroupDet),
    KEY_AS(L"Priorities.WallPriority", Styles.WallPriority),
    KEY_AS(L"Priorities.ColumnPriority", Styles.ColumnPriority),
    KEY_AS(L"Priorities.BeamPriority", Styles.BeamPriority),
    KEY_AS(L"Priorities.SlabPriority", Styles.SlabPriority),
    KEY_AS(L"Priorities.LintelPriority", Styles.LintelPriority),
    KEY_AS(L"Priorities.SFootPriority", Styles.SFootPriority),
    KEY_AS(L"Priorities.CFootPriority", Styles.CFootPriority),
    KEY_AS(L"Priorities.GBeamPriority", Styles.GBeamPriority),
    CUSTOM_KEY(kRingBeamPriorityKey, &FileRingBeamPriority),
    KEY_AS(L"Priorities.RFoundPriority", Styles.RFoundPriority),
    KEY_AS(L"Priorities.StairsPriority", Styles.StairsPriority),

    KEY_AS(L"Descs.strWallDesc", Descs.WallDesc),
    KEY_AS(L"Descs.strColumnDesc", Descs.ColumnDesc),
    KEY_AS(L"Descs.strBeamDesc", Descs.BeamDesc),
    KEY_AS(L"Descs.strSlabDesc", Descs.SlabDesc),
    KEY_AS(L"Descs.strLintelDesc", Descs.LintelDesc),
    KEY_AS(L"Descs.strSFootDesc", Descs.SFootDesc),
    KEY_AS(L"Descs.strCFootDesc", Descs.CFootDesc),
    KEY_AS(L"Descs.strGBeamDesc", Descs.GBeamDesc),
    KEY_AS(L"Descs.strRingBeamDesc", Descs.RingBeamDesc),
    KEY_AS(L"Descs.strRFoundDesc", Descs.RFoundDesc),
    KEY_AS(L"Descs.strStairsDesc", Descs.StairsDesc),
    KEY_AS(L"Descs.bNWDFT", Descs.NWDFT),
    KEY_AS(L"Descs.nBeginFrom", Descs.BeginFrom),
    KEY_AS(L"Descs.strPrefix", Descs.Prefix),
    KEY_AS(L"Descs.eAxisOrder", Descs.AxisOrder),
    KEY_AS(L"Descs.eAxisScanType", Descs.AxisScanType),
    KEY_AS(L"Descs.eElementOrder", Descs.ElementOrder),
    KEY_AS(L"Descs.bFindAndSet", Descs.FindAndSet),
    KEY_AS(L"Descs.bIncludeMaterial", Descs.IncludeMaterial),
    KEY_AS(L"Descs.bInform", Descs.Inform),
    KEY_AS(L"Descs.bIncludeRElements", Descs.IncludeRElements),
    KEY_AS(L"Descs.nIdenticalMode", Descs.IdenticalMode),

    REGISTRY_KEY(L"Dims.DimensionalStyleId", &FileDimensionStyle),
    KEY(Dims.DimLineDistance),
    KEY(Dims.UseMinDim),
    KEY(Dims.MinimalDimension),
    KEY(Dims.ExtLineLength),
    KEY(Dims.MidLineLength),
    KEY(Dims.ExtLineFromDimLength),
    KEY(Dims.ExtLineFromObjLength),
    KEY(Dims.MidLineFromDimLength),
    KEY(Dims.MidLineFromObjLength),
    KEY_AS(L"Dims.GroupLineDef", Dims.GroupLines.Def),
    KEY_AS(L"Dims.GroupLinePts", Dims.GroupLines.Pts),
    KEY_AS(L"Dims.GroupLineConn", Dims.GroupLines.Conn),
    KEY_AS(L"Dims.GroupLineAxis", Dims.GroupLines.Axis),
    KEY_AS(L"Dims.GroupLineHole", Dims.GroupLines.Hole),
    KEY(Dims.DescTemplateLine1),
    KEY(Dims.DescTemplateLine2),
    KEY_AS(L"Dims.CutAxis", Dims.Cuts.Axis),
    KEY_AS(L"Dims.CutTotal", Dims.Cuts.Total),
    KEY_AS(L"Dims.CutPlnxLine", Dims.Cuts.PlnxLine),
    KEY_AS(L"Dims.CutPlnxMLine", Dims.Cuts.PlnxMLine),
    KEY_AS(L"Dims.CutPlnxPolyline", Dims.Cuts.PlnxPolyline),
    KEY_AS(L"Dims.CutPlnxArc", Dims.Cuts.PlnxArc),
    KEY_AS(L"Dims.CutPlnxCircle", Dims.Cuts.PlnxCircle),
    KEY_AS(L"Dims.CutPlnxSpline", Dims.Cuts.PlnxSpline),
    KEY_AS(L"Dims.CutTraxWall", Dims.Cuts.TraxWall),
    KEY_AS(L"Dims.CutTraxColumn", Dims.Cuts.TraxColumn),
    KEY_AS(L"Dims.CutTraxBeam", Dims.Cuts.TraxBeam),
    KEY_AS(L"Dims.CutTraxSlab", Dims.Cuts.TraxSlab),
    KEY_AS(L"Dims.CutTraxFoot", Dims.Cuts.TraxFoot),
    KEY_AS(L"Dims.CutTraxContFoot", Dims.Cuts.TraxContFoot),
    KEY_AS(L"Dims.CutTraxDoor", Dims.Cuts.TraxDoor),
    KEY_AS(L"Dims.CutTraxWindow", Dims.Cuts.TraxWindow),
    KEY_AS(L"Dims.CutTraxLintel", Dims.Cuts.TraxLintel),
    KEY_AS(L"Dims.CutTraxWallHole", Dims.Cuts.TraxWallHole),
    KEY_AS(L"Dims.CutTraxSlabHole", Dims.Cuts.TraxSlabHole),
    KEY_AS(L"Dims.CutTraxAxe", Dims.Cuts.TraxAxe),
    KEY_AS(L"Dims.CutTraxGroundBeam", Dims.Cuts.TraxGroundBeam),
    KEY_AS(L"Dims.CutTraxRingBeam", Dims.Cuts.TraxRingBeam),
    KEY_AS(L"Dims.CutTraxFoundSlab", Dims.Cuts.TraxFoundSlab),
    KEY_AS(L"Dims.CutTraxStairs", Dims.Cuts.TraxStairs),
    KEY_AS(L"Trims.Slab", Dims.TrimSlab),
    KEY_AS(L"Trims.SteelEl", Dims.TrimSteelEl),
};
// clang-format on

}  // namespace

std::span<const Key> OptionKeys() { return kOptionKeys; }

}  // namespace KovxJobKeys
