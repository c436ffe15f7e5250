#include "jobsettings/formwork_job_settings.h"
#include "jobsettings/formwork_keys.h"

namespace KovxJobKeys {

namespace {

using S = KOVTFormworkJobSettings;
using KovtJobKeys::Field;
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
    {L"Units.WorkUnits", [](S& s) -> Field { return &s.Units.WorkUnits; }},
    {L"Units.Length", [](S& s) -> Field { return &s.Units.Length; }},
    {L"Units.FormworkCrossDim", [](S& s) -> Field { return &s.Units.CrossDim; },
     TakeUnitWhenMissing<&XUNITS::CrossDim, &XUNITS::Length>},
    {L"Units.FormworkHoleDim", [](S& s) -> Field { return &s.Units.HoleDim; },
     TakeUnitWhenMissing<&XUNITS::HoleDim, &XUNITS::Length>},
    {L"Units.FormworkVolume", [](S& s) -> Field { return &s.Units.Volume; }},
    {L"Units.FormworkSurface", [](S& s) -> Field { return &s.Units.Surface; }},
    {L"Units.FormworkMass", [](S& s) -> Field { return &s.Units.Mass; }},
    {L"Units.FormworkCurrency", [](S& s) -> Field { return &s.Units.Currency; }},
    {L"Units.FormworkAngle", [](S& s) -> Field { return &s.Units.Angle; }},
    {L"Units.PrintfLength", [](S& s) -> Field { return &s.Units.PrintfLength; }},
    {L"Units.PrintfFormworkCrossDim", [](S& s) -> Field { return &s.Units.PrintfCrossDim; },
     TakeUnitWhenMissing<&XUNITS::PrintfCrossDim, &XUNITS::PrintfLength>},
    {L"Units.PrintfFormworkHoleDim", [](S& s) -> Field { return &s.Units.PrintfHoleDim; },
     TakeUnitWhenMissing<&XUNITS::PrintfHoleDim, &XUNITS::PrintfLength>},
    {L"Units.PrintfFormworkVolume", [](S& s) -> Field { return &s.Units.PrintfVolume; }},
    {L"Units.PrintfFormworkSurface", [](S& s) -> Field { return &s.Units.PrintfSurface; }},
    {L"Units.PrintfFormworkMass", [](S& s) -> Field { return &s.Units.PrintfMass; }},
    {L"Units.PrintfFormworkCurrency", [](S& s) -> Field { return &s.Units.PrintfCurrency; }},
    {L"Units.PrintfFormworkAngle", [](S& s) -> Field { return &s.Units.PrintfAngle; }},
    {L"Units.LengthPrecision", [](S& s) -> Field { return &s.Units.LengthPrecision; }},
    {L"Units.FormworkCrossDimPrecision", [](S& s) -> Field { return &s.Units.CrossDimPrecision; },
     TakeUnitWhenMissing<&XUNITS::CrossDimPrecision, &XUNITS::LengthPrecision>},
    {L"Units.FormworkHoleDimPrecision", [](S& s) -> Field { return &s.Units.HoleDimPrecision; },
     TakeUnitWhenMissing<&XUNITS::HoleDimPrecision, &XUNITS::LengthPrecision>},
    {L"Units.FormworkVolumePrecision", [](S& s) -> Field { return &s.Units.VolumePrecision; }},
    {L"Units.FormworkSurfacePrecision", [](S& s) -> Field { return &s.Units.SurfacePrecision; }},
    {L"Units.FormworkMassPrecision", [](S& s) -> Field { return &s.Units.MassPrecision; }},
    {L"Units.FormworkCurrencyPrecision", [](S& s) -> Field { return &s.Units.CurrencyPrecision; }},
    {L"Units.FormworkAnglePrecision", [](S& s) -> Field { return &s.Units.AnglePrecision; }},
    {L"Units.FormworkLessThanOnePrecision", [](S& s) -> Field { return &s.Units.LessThanOnePrecision; }},
    {L"Units.FormworkGreaterThanOnePrecision", [](S& s) -> Field { return &s.Units.GreaterThanOnePrecision; }},
    {L"Units.FormworkDescLessThanOnePrecision", [](S& s) -> Field { return &s.Units.DescLessThanOnePrecision; }},
    {L"Units.FormworkDescGreaterThanOnePrecision", [](S& s) -> Field { return &s.Units.DescGreaterThanOnePrecision; }},
    {L"Units.LengthCoeff", [](S& s) -> Field { return &s.Units.LengthCoeff; }},
    {L"Units.FormworkCrossDimCoeff", [](S& s) -> Field { return &s.Units.CrossDimCoeff; },
     TakeUnitWhenMissing<&XUNITS::CrossDimCoeff, &XUNITS::LengthCoeff>},
    {L"Units.FormworkHoleDimCoeff", [](S& s) -> Field { return &s.Units.HoleDimCoeff; },
     TakeUnitWhenMissing<&XUNITS::HoleDimCoeff, &XUNITS::LengthCoeff>},
    {L"Units.FormworkVolumeCoeff", [](S& s) -> Field { return &s.Units.VolumeCoeff; }},
    {L"Units.FormworkSurfaceCoeff", [](S& s) -> Field { return &s.Units.SurfaceCoeff; }},
    {L"Units.FormworkMassCoeff", [](S& s) -> Field { return &s.Units.MassCoeff; }},
    {L"Units.FormworkCurrencyCoeff", [](S& s) -> Field { return &s.Units.CurrencyCoeff; }},
    {L"Units.FormworkAngleCoeff", [](S& s) -> Field { return &s.Units.AngleCoeff; }},
    {L"Units.LessThenOne", [](S& s) -> Field { return &s.Units.LessThenOne; }},
    {L"Units.GreaterThenOne", [](S& s) -> Field { return &s.Units.GreaterThenOne; }},
    {L"Units.DescLessThenOne", [](S& s) -> Field { return &s.Units.DescLessThenOne; }},
    {L"Units.DescGreaterThenOne", [](S& s) -> Field { return &s.Units.DescGreaterThenOne; }},

    {L"Styles.ElementDescription", [](S& s) -> Field { return &s.Styles.ElementDescription; }},
    {L"Styles.TableElem", [](S& s) -> Field { return &s.Styles.TableElem; }},
    {L"Styles.TablePrice", [](S& s) -> Field { return &s.Styles.TablePrice; }},
    {L"Styles.TableDeta", [](S& s) -> Field { return &s.Styles.TableDeta; }},
    {L"Styles.TableHole", [](S& s) -> Field { return &s.Styles.TableHole; }},
    {L"Styles.TableGroupSum", [](S& s) -> Field { return &s.Styles.TableGroupSum; }},
    {L"Styles.TableGroupDet", [](S& s) -> Field { return &s.Styles.TableGroupDet; }},
    {L"Priorities.WallPriority", [](S& s) -> Field { return &s.Styles.WallPriority; }},
    {L"Priorities.ColumnPriority", [](S& s) -> Field { return &s.Styles.ColumnPriority; }},
    {L"Priorities.BeamPriority", [](S& s) -> Field { return &s.Styles.BeamPriority; }},
    {L"Priorities.SlabPriority", [](S& s) -> Field { return &s.Styles.SlabPriority; }},
    {L"Priorities.LintelPriority", [](S& s) -> Field { return &s.Styles.LintelPriority; }},
    {L"Priorities.SFootPriority", [](S& s) -> Field { return &s.Styles.SFootPriority; }},
    {L"Priorities.CFootPriority", [](S& s) -> Field { return &s.Styles.CFootPriority; }},
    {L"Priorities.GBeamPriority", [](S& s) -> Field { return &s.Styles.GBeamPriority; }},
    {kRingBeamPriorityKey, nullptr, nullptr, &FileRingBeamPriority},
    {L"Priorities.RFoundPriority", [](S& s) -> Field { return &s.Styles.RFoundPriority; }},
    {L"Priorities.StairsPriority", [](S& s) -> Field { return &s.Styles.StairsPriority; }},

    {L"Descs.strWallDesc", [](S& s) -> Field { return &s.Descs.WallDesc; }},
    {L"Descs.strColumnDesc", [](S& s) -> Field { return &s.Descs.ColumnDesc; }},
    {L"Descs.strBeamDesc", [](S& s) -> Field { return &s.Descs.BeamDesc; }},
    {L"Descs.strSlabDesc", [](S& s) -> Field { return &s.Descs.SlabDesc; }},
    {L"Descs.strLintelDesc", [](S& s) -> Field { return &s.Descs.LintelDesc; }},
    {L"Descs.strSFootDesc", [](S& s) -> Field { return &s.Descs.SFootDesc; }},
    {L"Descs.strCFootDesc", [](S& s) -> Field { return &s.Descs.CFootDesc; }},
    {L"Descs.strGBeamDesc", [](S& s) -> Field { return &s.Descs.GBeamDesc; }},
    {L"Descs.strRingBeamDesc", [](S& s) -> Field { return &s.Descs.RingBeamDesc; }},
    {L"Descs.strRFoundDesc", [](S& s) -> Field { return &s.Descs.RFoundDesc; }},
    {L"Descs.strStairsDesc", [](S& s) -> Field { return &s.Descs.StairsDesc; }},
    {L"Descs.bNWDFT", [](S& s) -> Field { return &s.Descs.NWDFT; }},
    {L"Descs.nBeginFrom", [](S& s) -> Field { return &s.Descs.BeginFrom; }},
    {L"Descs.strPrefix", [](S& s) -> Field { return &s.Descs.Prefix; }},
    {L"Descs.eAxisOrder", [](S& s) -> Field { return &s.Descs.AxisOrder; }},
    {L"Descs.eAxisScanType", [](S& s) -> Field { return &s.Descs.AxisScanType; }},
    {L"Descs.eElementOrder", [](S& s) -> Field { return &s.Descs.ElementOrder; }},
    {L"Descs.bFindAndSet", [](S& s) -> Field { return &s.Descs.FindAndSet; }},
    {L"Descs.bIncludeMaterial", [](S& s) -> Field { return &s.Descs.IncludeMaterial; }},
    {L"Descs.bInform", [](S& s) -> Field { return &s.Descs.Inform; }},
    {L"Descs.bIncludeRElements", [](S& s) -> Field { return &s.Descs.IncludeRElements; }},
    {L"Descs.nIdenticalMode", [](S& s) -> Field { return &s.Descs.IdenticalMode; }},

    {L"Dims.DimensionalStyleId", nullptr, nullptr, nullptr, &FileDimensionStyle},
    {L"Dims.DimLineDistance", [](S& s) -> Field { return &s.Dims.DimLineDistance; }},
    {L"Dims.UseMinDim", [](S& s) -> Field { return &s.Dims.UseMinDim; }},
    {L"Dims.MinimalDimension", [](S& s) -> Field { return &s.Dims.MinimalDimension; }},
    {L"Dims.ExtLineLength", [](S& s) -> Field { return &s.Dims.ExtLineLength; }},
    {L"Dims.MidLineLength", [](S& s) -> Field { return &s.Dims.MidLineLength; }},
    {L"Dims.ExtLineFromDimLength", [](S& s) -> Field { return &s.Dims.ExtLineFromDimLength; }},
    {L"Dims.ExtLineFromObjLength", [](S& s) -> Field { return &s.Dims.ExtLineFromObjLength; }},
    {L"Dims.MidLineFromDimLength", [](S& s) -> Field { return &s.Dims.MidLineFromDimLength; }},
    {L"Dims.MidLineFromObjLength", [](S& s) -> Field { return &s.Dims.MidLineFromObjLength; }},
    {L"Dims.GroupLineDef", [](S& s) -> Field { return &s.Dims.GroupLines.Def; }},
    {L"Dims.GroupLinePts", [](S& s) -> Field { return &s.Dims.GroupLines.Pts; }},
    {L"Dims.GroupLineConn", [](S& s) -> Field { return &s.Dims.GroupLines.Conn; }},
    {L"Dims.GroupLineAxis", [](S& s) -> Field { return &s.Dims.GroupLines.Axis; }},
    {L"Dims.GroupLineHole", [](S& s) -> Field { return &s.Dims.GroupLines.Hole; }},
    {L"Dims.DescTemplateLine1", [](S& s) -> Field { return &s.Dims.DescTemplateLine1; }},
    {L"Dims.DescTemplateLine2", [](S& s) -> Field { return &s.Dims.DescTemplateLine2; }},
    {L"Dims.CutAxis", [](S& s) -> Field { return &s.Dims.Cuts.Axis; }},
    {L"Dims.CutTotal", [](S& s) -> Field { return &s.Dims.Cuts.Total; }},
    {L"Dims.CutPlnxLine", [](S& s) -> Field { return &s.Dims.Cuts.PlnxLine; }},
    {L"Dims.CutPlnxMLine", [](S& s) -> Field { return &s.Dims.Cuts.PlnxMLine; }},
    {L"Dims.CutPlnxPolyline", [](S& s) -> Field { return &s.Dims.Cuts.PlnxPolyline; }},
    {L"Dims.CutPlnxArc", [](S& s) -> Field { return &s.Dims.Cuts.PlnxArc; }},
    {L"Dims.CutPlnxCircle", [](S& s) -> Field { return &s.Dims.Cuts.PlnxCircle; }},
    {L"Dims.CutPlnxSpline", [](S& s) -> Field { return &s.Dims.Cuts.PlnxSpline; }},
    {L"Dims.CutTraxWall", [](S& s) -> Field { return &s.Dims.Cuts.TraxWall; }},
    {L"Dims.CutTraxColumn", [](S& s) -> Field { return &s.Dims.Cuts.TraxColumn; }},
    {L"Dims.CutTraxBeam", [](S& s) -> Field { return &s.Dims.Cuts.TraxBeam; }},
    {L"Dims.CutTraxSlab", [](S& s) -> Field { return &s.Dims.Cuts.TraxSlab; }},
    {L"Dims.CutTraxFoot", [](S& s) -> Field { return &s.Dims.Cuts.TraxFoot; }},
    {L"Dims.CutTraxContFoot", [](S& s) -> Field { return &s.Dims.Cuts.TraxContFoot; }},
    {L"Dims.CutTraxDoor", [](S& s) -> Field { return &s.Dims.Cuts.TraxDoor; }},
    {L"Dims.CutTraxWindow", [](S& s) -> Field { return &s.Dims.Cuts.TraxWindow; }},
    {L"Dims.CutTraxLintel", [](S& s) -> Field { return &s.Dims.Cuts.TraxLintel; }},
    {L"Dims.CutTraxWallHole", [](S& s) -> Field { return &s.Dims.Cuts.TraxWallHole; }},
    {L"Dims.CutTraxSlabHole", [](S& s) -> Field { return &s.Dims.Cuts.TraxSlabHole; }},
    {L"Dims.CutTraxAxe", [](S& s) -> Field { return &s.Dims.Cuts.TraxAxe; }},
    {L"Dims.CutTraxGroundBeam", [](S& s) -> Field { return &s.Dims.Cuts.TraxGroundBeam; }},
    {L"Dims.CutTraxRingBeam", [](S& s) -> Field { return &s.Dims.Cuts.TraxRingBeam; }},
    {L"Dims.CutTraxFoundSlab", [](S& s) -> Field { return &s.Dims.Cuts.TraxFoundSlab; }},
    {L"Dims.CutTraxStairs", [](S& s) -> Field { return &s.Dims.Cuts.TraxStairs; }},
    {L"Trims.Slab", [](S& s) -> Field { return &s.Dims.TrimSlab; }},
    {L"Trims.SteelEl", [](S& s) -> Field { return &s.Dims.TrimSteelEl; }},
};
// clang-format on

}  // namespace

std::span<const Key> OptionKeys() { return kOptionKeys; }

}  // namespace KovxJobKeys
