#include <optional>

#include "jobsettings/reinf_job_settings.h"
#include "jobsettings/reinf_keys.h"
#include "jobsettings/reinf_names.h"

namespace KovrJobKeys {

namespace {

using S = KOVTReinfJobSettings;
using KovtJobKeys::Field;
using KovtJobKeys::ListValue;

void MigrateReinNorm(S& s, bool found) {
  if (found) s.Norms.Reinforce = KovrNames::CurrentReinNorm(s.Norms.Reinforce);
}

void MigrateDrawNorm(S& s, bool found) {
  if (found) s.Norms.Drawing = KovrNames::CurrentDrawNorm(s.Norms.Drawing);
}

// Sets written before covers and spacings had units of their own: they take
// those of lengths.
template <auto Target, auto Source>
constexpr auto TakeUnitWhenMissing = &KovtJobKeys::TakeWhenMissing<&S::Units, Target, Source>;

// The decimals of a description unit, for sets written before they were chosen.
std::optional<std::int32_t> DescriptionPrecisionOf(const KOVTString& unit) {
  if (unit == L"m") return 2;
  if (unit == L"cm") return 1;
  if (unit == L"mm") return 0;
  return std::nullopt;
}

template <std::int32_t RUNITS::*Precision, KOVTString RUNITS::*Unit>
void DerivePrecisionWhenMissing(S& s, bool found) {
  if (found) return;
  if (std::optional<std::int32_t> precision = DescriptionPrecisionOf(s.Units.*Unit)) s.Units.*Precision = *precision;
}

void TakeCoverForBS(S& s, bool found) {
  if (!found) s.Mater.ReinforcementCoverBS = s.Mater.ReinforcementCover;
}

void TakeBarDataBaseOfCode(S& s, bool found) {
  const std::int32_t code = s.Norms.ReinforceNumb;
  if (!found && code >= 0 && code < kReinNormsCount)
    s.Mater.BarDataBaseFile = s.Mater.BarDataBases[static_cast<std::size_t>(code)];
}

void TakeMeshDataBaseOfNumber(S& s, bool found) {
  if (!found) s.Mater.MeshDataBaseFile = KovrNames::MeshDataBaseOfNumber(s.Mater.MeshDataBaseNumber);
}

constexpr ListValue<RSTEEL> kSteelValues[] = {
    {L"Class", [](RSTEEL& steel) -> Field { return &steel.Class; }},
    {L"Symbol", [](RSTEEL& steel) -> Field { return &steel.Symbol; }},
    {L"UserSymbol", [](RSTEEL& steel) -> Field { return &steel.UserSymbol; }},
};

// clang-format off
const Key kMaterialKeys[] = {
    {L"Norms.Reinforce", [](S& s) -> Field { return &s.Norms.Reinforce; }, &MigrateReinNorm},
    {L"Norms.Drawing", [](S& s) -> Field { return &s.Norms.Drawing; }, &MigrateDrawNorm},
    {L"Norms.ReinforceNumb", [](S& s) -> Field { return &s.Norms.ReinforceNumb; }},
    {L"Norms.DrawingNumb", [](S& s) -> Field { return &s.Norms.DrawingNumb; }},
    {L"Norms.ReinforceSeismic", [](S& s) -> Field { return &s.Norms.ReinforceSeismic; }},

    {L"Units.WorkUnits", [](S& s) -> Field { return &s.Units.workUnits; }},
    {L"Units.Length", [](S& s) -> Field { return &s.Units.lengthUnit; }},
    {L"Units.ReinfCover", [](S& s) -> Field { return &s.Units.coverUnit; },
     TakeUnitWhenMissing<&RUNITS::coverUnit, &RUNITS::lengthUnit>},
    {L"Units.ReinfSpace", [](S& s) -> Field { return &s.Units.spacingUnit; },
     TakeUnitWhenMissing<&RUNITS::spacingUnit, &RUNITS::lengthUnit>},
    {L"Units.ReinfMass", [](S& s) -> Field { return &s.Units.massUnit; }},
    {L"Units.ReinfDiameter", [](S& s) -> Field { return &s.Units.diameterUnit; }},
    {L"Units.ReinfSurface", [](S& s) -> Field { return &s.Units.surfaceUnit; }},
    {L"Units.ReinfStyle", [](S& s) -> Field { return &s.Units.styleUnit; }},
    {L"Units.LengthPrecision", [](S& s) -> Field { return &s.Units.lengthPrecision; }},
    {L"Units.ReinfCoverPrecision", [](S& s) -> Field { return &s.Units.coverPrecision; },
     TakeUnitWhenMissing<&RUNITS::coverPrecision, &RUNITS::lengthPrecision>},
    {L"Units.ReinfSpacePrecision", [](S& s) -> Field { return &s.Units.spacingPrecision; },
     TakeUnitWhenMissing<&RUNITS::spacingPrecision, &RUNITS::lengthPrecision>},
    {L"Units.ReinfMassPrecision", [](S& s) -> Field { return &s.Units.massPrecision; }},
    {L"Units.ReinfDiameterPrecision", [](S& s) -> Field { return &s.Units.diameterPrecision; }},
    {L"Units.ReinfSurfacePrecision", [](S& s) -> Field { return &s.Units.surfacePrecision; }},
    {L"Units.ReinfStylePrecision", [](S& s) -> Field { return &s.Units.stylePrecision; }},
    {L"Units.LengthCoeff", [](S& s) -> Field { return &s.Units.lengthCoeff; }},
    {L"Units.ReinfCoverCoeff", [](S& s) -> Field { return &s.Units.coverCoeff; },
     TakeUnitWhenMissing<&RUNITS::coverCoeff, &RUNITS::lengthCoeff>},
    {L"Units.ReinfSpaceCoeff", [](S& s) -> Field { return &s.Units.spacingCoeff; },
     TakeUnitWhenMissing<&RUNITS::spacingCoeff, &RUNITS::lengthCoeff>},
    {L"Units.ReinfMassCoeff", [](S& s) -> Field { return &s.Units.massCoeff; }},
    {L"Units.ReinfDiameterCoeff", [](S& s) -> Field { return &s.Units.diameterCoeff; }},
    {L"Units.ReinfSurfaceCoeff", [](S& s) -> Field { return &s.Units.surfaceCoeff; }},
    {L"Units.ReinfStyleCoeff", [](S& s) -> Field { return &s.Units.styleCoeff; }},
    {L"Units.LessThenOne", [](S& s) -> Field { return &s.Units.lessThenOneUnit; }},
    {L"Units.GreaterThenOne", [](S& s) -> Field { return &s.Units.greaterThenOneUnit; }},
    {L"Units.WorkUnitMode", [](S& s) -> Field { return &s.Units.workUnitMode; }},
    {L"Units.WorkUnitType", [](S& s) -> Field { return &s.Units.workUnitType; }},
    {L"Units.DescFormatMode", [](S& s) -> Field { return &s.Units.descFormatMode; }},
    {L"Units.LessThenOnePrecision", [](S& s) -> Field { return &s.Units.lessThenOnePrecision; },
     &DerivePrecisionWhenMissing<&RUNITS::lessThenOnePrecision, &RUNITS::lessThenOneUnit>},
    {L"Units.GreaterThenOnePrecision", [](S& s) -> Field { return &s.Units.greaterThenOnePrecision; },
     &DerivePrecisionWhenMissing<&RUNITS::greaterThenOnePrecision, &RUNITS::greaterThenOneUnit>},
    {L"Units.ImpDescFormatType", [](S& s) -> Field { return &s.Units.impDescFormatType; }},
    {L"Units.ImpDescFormatPrecision", [](S& s) -> Field { return &s.Units.impDescFormatPrecision; }},

    {L"Mater.LongReinfSteelClass", [](S& s) -> Field { return &s.Mater.LongReinfSteelClass; }},
    {L"Mater.TranReinfSteelClass", [](S& s) -> Field { return &s.Mater.TranReinfSteelClass; }},
    {L"Mater.DistReinfSteelClass", [](S& s) -> Field { return &s.Mater.DistReinfSteelClass; }},
    {L"Mater.MashReinfSteelClaas", [](S& s) -> Field { return &s.Mater.MeshReinfSteelClass; }},
    {L"Mater.LongReinfSteelSymbol", [](S& s) -> Field { return &s.Mater.LongReinfSteelSymbol; }},
    {L"Mater.TranReinfSteelSymbol", [](S& s) -> Field { return &s.Mater.TranReinfSteelSymbol; }},
    {L"Mater.DistReinfSteelSymbol", [](S& s) -> Field { return &s.Mater.DistReinfSteelSymbol; }},
    {L"Mater.MeshDataBaseNumber", [](S& s) -> Field { return &s.Mater.MeshDataBaseNumber; }},
    {L"Mater.ConcreteClass", [](S& s) -> Field { return &s.Mater.ConcreteClass; }},
    {L"Mater.ReinforcementCover", [](S& s) -> Field { return &s.Mater.ReinforcementCover; }},
    {L"Mater.ReinforcementCoverBS", [](S& s) -> Field { return &s.Mater.ReinforcementCoverBS; }, &TakeCoverForBS},
    {L"Mater.BarDataBaseFile", [](S& s) -> Field { return &s.Mater.BarDataBaseFile; }, &TakeBarDataBaseOfCode},
    {L"Mater.BarDataBasePath", [](S& s) -> Field { return &s.Mater.BarDataBasePath; }},
    {L"Mater.MeshDataBaseFile", [](S& s) -> Field { return &s.Mater.MeshDataBaseFile; }, &TakeMeshDataBaseOfNumber},
    {L"Mater.MeshDataBasePath", [](S& s) -> Field { return &s.Mater.MeshDataBasePath; }},
    {L"Mater.LongReinfSteelBend", [](S& s) -> Field { return &s.Mater.LongReinfSteelBend; }},
    {L"Mater.TranReinfSteelBend", [](S& s) -> Field { return &s.Mater.TranReinfSteelBend; }},
    {L"Mater.DistReinfSteelBend", [](S& s) -> Field { return &s.Mater.DistReinfSteelBend; }},
    {L"Mater.ReinfSteelSize", nullptr, nullptr, &FileSteelList},
    {L"Mater.HookLengthMode", [](S& s) -> Field { return &s.Mater.HookLengthMode; }},
    {L"Mater.DefaultSteelProfMat", [](S& s) -> Field { return &s.Mater.DefaultSteelProfMat; }},
};
// clang-format on

}  // namespace

std::span<const Key> MaterialKeys() { return kMaterialKeys; }

void FileSteelList(KOVTReinfJobSettings& settings, KovtJobKeys::Filer& filer) {
  RMATER& mater = settings.Mater;
  KovtJobKeys::FileList<RSTEEL>(filer, L"Mater.ReinfSteelSize", mater.ReinfSteelSize, mater.SteelList,
                                L"Mater.ReinfSteelVector", kSteelValues);
}

}  // namespace KovrJobKeys
