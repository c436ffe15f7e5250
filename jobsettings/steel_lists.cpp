#include "jobsettings/steel_job_settings.h"
#include "jobsettings/steel_keys.h"

namespace KovsJobKeys {

namespace {

using KovtJobKeys::Field;
using KovtJobKeys::ListValue;

constexpr ListValue<KOVTString> kNameValues[] = {
    {nullptr, [](KOVTString& name) -> Field { return &name; }},
};

constexpr ListValue<SGRADE> kGradeValues[] = {
    KEY(Grade),
    KEY(Color),
};

constexpr ListValue<SDIAM> kDiamValues[] = {
    KEY_AS(L"Diam", Diameter),
    KEY(Color),
};

}  // namespace

void FileSurfaceFinishings(KOVTSteelJobSettings& settings, KovtJobKeys::Filer& filer) {
  SMATERIAL& material = settings.Material;
  KovtJobKeys::FileList<KOVTString>(filer, L"Material.SurfaceFinishingSize", material.SurfaceFinishingSize,
                                    material.SurfaceFinishingVector, L"Material.SurfaceFinishingVector",
                                    kNameValues);
}

void FileBoltSurfaceFinishings(KOVTSteelJobSettings& settings, KovtJobKeys::Filer& filer) {
  SMATERIAL& material = settings.Material;
  KovtJobKeys::FileList<KOVTString>(filer, L"Material.BoltsSurfaceFinishingSize",
                                    material.BoltsSurfaceFinishingSize, material.BoltsSurfaceFinishingVector,
                                    L"Material.BoltsSurfaceFinishingVector", kNameValues);
}

void FileBoltColorGrades(KOVTSteelJobSettings& settings, KovtJobKeys::Filer& filer) {
  SWELDING& welding = settings.Welding;
  KovtJobKeys::FileList<SGRADE>(filer, L"Welding.BoltColorGradeSize", welding.BoltColorGradeSize,
                                welding.BoltColorGrade, L"Welding.BoltColorGrade", kGradeValues);
}

void FileBoltColorDiams(KOVTSteelJobSettings& settings, KovtJobKeys::Filer& filer) {
  SWELDING& welding = settings.Welding;
  KovtJobKeys::FileList<SDIAM>(filer, L"Welding.BoltColorDiamSize", welding.BoltColorDiamSize,
                               welding.BoltColorDiam, L"Welding.BoltColorDiam", kDiamValues);
}

}  // namespace KovsJobKeys
