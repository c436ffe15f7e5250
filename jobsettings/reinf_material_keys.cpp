#include "jobsettings/reinf_job_settings.h"
#include "jobsettings/reinf_keys.h"
#include "jobsettings/reinf_names.h"

namespace KovrJobKeys {

namespace {

using S = KOVTReinfJobSettings;
using KovtJobKeys::kKept;
using KovtJobKeys::ListValue;

void MigrateReinNorm(S& s, bool found) {
  if (found) s.Norms.Reinforce = KovrNames::CurrentReinNorm(s.Norms.Reinforce);
}

void MigrateDrawNorm(S& s, bool found) {
  if (found) s.Norms.Drawing = KovrNames::CurrentDrawNorm(s.Norms.Drawing);
}

// Sets written before the decimals of a description unit were chosen: they
// follow from the unit, where it is one of the metric ones.
void DerivePrecision(bool found, std::int32_t& precision, const KOVTString& unit) {
  if (found) return;
  if (unit == L"m") precision = 2;
  else if (unit == L"cm") precision = 1;
  else if (unit == L"mm") precision = 0;
}
#define KEY_DERIVED(name, member, byDefault, unit) \
  KEY_AS(name, member, byDefault, [](S& s, bool found) { DerivePrecision(found, s.member, s.unit); })

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
    KEY(Norms.Reinforce, L"BAEL 99", &MigrateReinNorm),
    KEY(Norms.Drawing, L"NF P 02-016", &MigrateDrawNorm),
    KEY(Norms.ReinforceNumb, 29),
    KEY(Norms.DrawingNumb),
    KEY(Norms.ReinforceSeismic),

    KEY_AS(L"Units.WorkUnits", Units.workUnits, L"mm"),
    KEY_AS(L"Units.Length", Units.lengthUnit, L"m"),
    KEY_AS_ELSE(L"Units.ReinfCover", Units.coverUnit, L"mm", Units.lengthUnit),
    KEY_AS_ELSE(L"Units.ReinfSpace", Units.spacingUnit, L"mm", Units.lengthUnit),
    KEY_AS(L"Units.ReinfMass", Units.massUnit, L"kg"),
    KEY_AS(L"Units.ReinfDiameter", Units.diameterUnit, L"mm"),
    KEY_AS(L"Units.ReinfSurface", Units.surfaceUnit, L"cm2"),
    KEY_AS(L"Units.ReinfStyle", Units.styleUnit, L"mm"),
    KEY_AS(L"Units.LengthPrecision", Units.lengthPrecision, 3),
    KEY_AS_ELSE(L"Units.ReinfCoverPrecision", Units.coverPrecision, 3, Units.lengthPrecision),
    KEY_AS_ELSE(L"Units.ReinfSpacePrecision", Units.spacingPrecision, 3, Units.lengthPrecision),
    KEY_AS(L"Units.ReinfMassPrecision", Units.massPrecision, 2),
    KEY_AS(L"Units.ReinfDiameterPrecision", Units.diameterPrecision, 2),
    KEY_AS(L"Units.ReinfSurfacePrecision", Units.surfacePrecision, 2),
    KEY_AS(L"Units.ReinfStylePrecision", Units.stylePrecision),
    KEY_AS(L"Units.LengthCoeff", Units.lengthCoeff, 0.001),
    KEY_AS_ELSE(L"Units.ReinfCoverCoeff", Units.coverCoeff, 1.0, Units.lengthCoeff),
    KEY_AS_ELSE(L"Units.ReinfSpaceCoeff", Units.spacingCoeff, 1.0, Units.lengthCoeff),
    KEY_AS(L"Units.ReinfMassCoeff", Units.massCoeff, 1.0),
    KEY_AS(L"Units.ReinfDiameterCoeff", Units.diameterCoeff, 1.0),
    KEY_AS(L"Units.ReinfSurfaceCoeff", Units.surfaceCoeff, 1.0),
    KEY_AS(L"Units.ReinfStyleCoeff", Units.styleCoeff, 1.0),
    KEY_AS(L"Units.LessThenOne", Units.lessThenOneUnit, L"m"),
    KEY_AS(L"Units.GreaterThenOne", Units.greaterThenOneUnit, L"m"),
    KEY_AS(L"Units.WorkUnitMode", Units.workUnitMode, 1),
    KEY_AS(L"Units.WorkUnitType", Units.workUnitType),
    KEY_AS(L"Units.DescFormatMode", Units.descFormatMode, 1),
    KEY_DERIVED(L"Units.LessThenOnePrecision", Units.lessThenOnePrecision, 2, Units.lessThenOneUnit),
    KEY_DERIVED(L"Units.GreaterThenOnePrecision", Units.greaterThenOnePrecision, 2, Units.greaterThenOneUnit),
    KEY_AS(L"Units.ImpDescFormatType", Units.impDescFormatType),
    KEY_AS(L"Units.ImpDescFormatPrecision", Units.impDescFormatPrecision, 4),

    KEY(Mater.LongReinfSteelClass, L"HA 500"),
    KEY(Mater.TranReinfSteelClass, L"HA 500"),
    KEY(Mater.DistReinfSteelClass, L"HA 500"),
    KEY_AS(L"Mater.MashReinfSteelClaas", Mater.MeshReinfSteelClass, L"HA 500"),
    KEY(Mater.LongReinfSteelSymbol, RMATER_SYMBOL_HA),
    KEY(Mater.TranReinfSteelSymbol, RMATER_SYMBOL_HA),
    KEY(Mater.DistReinfSteelSymbol, RMATER_SYMBOL_HA),
    KEY(Mater.MeshDataBaseNumber, 1),
    KEY(Mater.ConcreteClass, 1),
    KEY(Mater.ReinforcementCover, 50.0),
    KEY_ELSE(Mater.ReinforcementCoverBS, 50.0, Mater.ReinforcementCover),
    KEY(Mater.BarDataBaseFile, L"bar_BAEL 99", &TakeBarDataBaseOfCode),
    KEY(Mater.BarDataBasePath, kKept),
    KEY(Mater.MeshDataBaseFile, L"fabric_ADETS2", &TakeMeshDataBaseOfNumber),
    KEY(Mater.MeshDataBasePath, kKept),
    KEY(Mater.LongReinfSteelBend, 50.0),
    KEY(Mater.TranReinfSteelBend, 30.0),
    KEY(Mater.DistReinfSteelBend, 30.0),
    LIST_KEY(Mater.ReinfSteelSize, &FileSteelList),
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
