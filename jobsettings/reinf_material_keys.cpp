#include <optional>

#include "jobsettings/reinf_job_settings.h"
#include "jobsettings/reinf_keys.h"
#include "jobsettings/reinf_names.h"

namespace KovrJobKeys {

namespace {

using S = KOVTReinfJobSettings;
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
    KEY(Class),
    KEY(Symbol),
    KEY(UserSymbol),
};

// clang-format off
const Key kMaterialKeys[] = {
    KEY(Norms.Reinforce, &MigrateReinNorm),
    KEY(Norms.Drawing, &MigrateDrawNorm),
    KEY(Norms.ReinforceNumb),
    KEY(Norms.DrawingNumb),
    KEY(Norms.ReinforceSeismic),

    KEY_AS(L"Units.WorkUnits", Units.workUnits),
    KEY_AS(L"Units.Length", Units.lengthUnit),
    KEY_AS(L"Units.ReinfCover", Units.coverUnit,
     TakeUnitWhenMissing<&RUNITS::coverUnit, &RUNITS::lengthUnit>),
    KEY_AS(L"Units.ReinfSpace", Units.spacingUnit,
     TakeUnitWhenMissing<&RUNITS::spacingUnit, &RUNITS::lengthUnit>),
    KEY_AS(L"Units.ReinfMass", Units.massUnit),
    KEY_AS(L"Units.ReinfDiameter", Units.diameterUnit),
    KEY_AS(L"Units.ReinfSurface", Units.surfaceUnit),
    KEY_AS(L"Units.ReinfStyle", Units.styleUnit),
    KEY_AS(L"Units.LengthPrecision", Units.lengthPrecision),
    KEY_AS(L"Units.ReinfCoverPrecision", Units.coverPrecision,
     TakeUnitWhenMissing<&RUNITS::coverPrecision, &RUNITS::lengthPrecision>),
    KEY_AS(L"Units.ReinfSpacePrecision", Units.spacingPrecision,
     TakeUnitWhenMissing<&RUNITS::spacingPrecision, &RUNITS::lengthPrecision>),
    KEY_AS(L"Units.ReinfMassPrecision", Units.massPrecision),
    KEY_AS(L"Units.ReinfDiameterPrecision", Units.diameterPrecision),
    KEY_AS(L"Units.ReinfSurfacePrecision", Units.surfacePrecision),
    KEY_AS(L"Units.ReinfStylePrecision", Units.stylePrecision),
    KEY_AS(L"Units.LengthCoeff", Units.lengthCoeff),
    KEY_AS(L"Units.ReinfCoverCoeff", Units.coverCoeff,
     TakeUnitWhenMissing<&RUNITS::coverCoeff, &RUNITS::lengthCoeff>),
    KEY_AS(L"Units.ReinfSpaceCoeff", Units.spacingCoeff,
     TakeUnitWhenMissing<&RUNITS::spacingCoeff, &RUNITS::lengthCoeff>),
    KEY_AS(L"Units.ReinfMassCoeff", Units.massCoeff),
    KEY_AS(L"Units.ReinfDiameterCoeff", Units.diameterCoeff),
    KEY_AS(L"Units.ReinfSurfaceCoeff", Units.surfaceCoeff),
    KEY_AS(L"Units.ReinfStyleCoeff", Units.styleCoeff),
    KEY_AS(L"Units.LessThenOne", Units.lessThenOneUnit),
    KEY_AS(L"Units.GreaterThenOne", Units.greaterThenOneUnit),
    KEY_AS(L"Units.WorkUnitMode", Units.workUnitMode),
    KEY_AS(L"Units.WorkUnitType", Units.workUnitType),
    KEY_AS(L"Units.DescFormatMode", Units.descFormatMode),
    KEY_AS(L"Units.LessThenOnePrecision", Units.lessThenOnePrecision,
     &DerivePrecisionWhenMissing<&RUNITS::lessThenOnePrecision, &RUNITS::lessThenOneUnit>),
    KEY_AS(L"Units.GreaterThenOnePrecision", Units.greaterThenOnePrecision,
     &DerivePrecisionWhenMissing<&RUNITS::greaterThenOnePrecision, &RUNITS::greaterThenOneUnit>),
    KEY_AS(L"Units.ImpDescFormatType", Units.impDescFormatType),
    KEY_AS(L"Units.ImpDescFormatPrecision", Units.impDescFormatPrecision),

    KEY(Mater.LongReinfSteelClass),
    KEY(Mater.TranReinfSteelClass),
    KEY(Mater.DistReinfSteelClass),
    KEY_AS(L"Mater.MashReinfSteelClaas", Mater.MeshReinfSteelClass),
    KEY(Mater.LongReinfSteelSymbol),
    KEY(Mater.TranReinfSteelSymbol),
    KEY(Mater.DistReinfSteelSymbol),
    KEY(Mater.MeshDataBaseNumber),
    KEY(Mater.ConcreteClass),
    KEY(Mater.ReinforcementCover),
    KEY(Mater.ReinforcementCoverBS, &TakeCoverForBS),
    KEY(Mater.BarDataBaseFile, &TakeBarDataBaseOfCode),
    KEY(Mater.BarDataBasePath),
    KEY(Mater.MeshDataBaseFile, &TakeMeshDataBaseOfNumber),
    KEY(Mater.MeshDataBasePath),
    KEY(Mater.LongReinfSteelBend),
    KEY(Mater.TranReinfSteelBend),
    KEY(Mater.DistReinfSteelBend),
    CUSTOM_KEY(L"Mater.ReinfSteelSize", &FileSteelList),
    KEY(Mater.HookLengthMode),
    KEY(Mater.DefaultSteelProfMat),
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
