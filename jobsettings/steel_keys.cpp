#include "jobsettings/steel_job_settings.h"
#include "jobsettings/steel_keys.h"

namespace KovsJobKeys {

namespace {

using S = KOVTSteelJobSettings;

// Sets written before bolts and welds had colours of their own: they take
// the general colour of the same state.
template <auto Target, auto Source>
constexpr auto TakeWeldingWhenMissing = &KovtJobKeys::TakeWhenMissing<&S::Welding, Target, Source>;

// clang-format off
const Key kModelKeys[] = {
    KEY(General.TolerPartsIdent),
    KEY(General.TolerContactWeld),
    KEY(General.TolerArcDisplay),
    KEY(General.AutoGroupCreate),
    KEY(General.AutoUpdateConnections),
    KEY(General.LoosePartsAssemblies),
    KEY(General.SimplConnectorsModeling),
    KEY(General.SimplModelingParStruct),
    KEY(General.AssembliesNomenclature),
    KEY(General.AssembliesText),
    KEY(General.OverwritePrefix),
    KEY(General.OverwritePrefixValue),
    KEY(Material.DefaultMatProfiles),
    KEY(Material.DefaultMatPlates),
    KEY(Material.DefaultMatBolts),
    KEY(Material.DefaultMatUser),
    CUSTOM_KEY(L"Material.SurfaceFinishingSize", &FileSurfaceFinishings),
    KEY(Material.SurfaceFinishingDefault),
    CUSTOM_KEY(L"Material.BoltsSurfaceFinishingSize", &FileBoltSurfaceFinishings),
    KEY(Material.BoltsSurfaceFinishingDefault),
    KEY(Profiles.ProfDatabase),
    KEY(Styles.DimensParts),
    KEY(Styles.DimensAssemblies),
    KEY(Styles.DimensGroups),
    KEY(Styles.TableMaterials),
    KEY(Styles.TableAssemblies),
    KEY(Styles.TableBolts),
    KEY(Styles.TableAssem),
    KEY(Styles.TableCuts),
    KEY(Styles.TablePlate),
    KEY(Styles.TableProfile),
    KEY(Styles.TableBoltAssign),
    KEY(Styles.TableUserObj),
    KEY(Styles.TableSumProf),
    KEY(Styles.TableMarks),
    KEY(Styles.TableNoMach),
    KEY(Styles.TableConnect),
    KEY(Styles.DescrParts),
    KEY(Styles.DescrAssemblies),
    KEY(Styles.DescrBolts),
    KEY(Styles.DescrElevation),
    KEY(Styles.DescrWorkframes),
    KEY(Styles.DescrWelding),
    KEY(Welding.WeldType),
    KEY(Welding.BoltType),
    KEY(Welding.EdgePreparation),
    KEY(Welding.WeldScheme),
    KEY(Welding.WorkColor),
    KEY(Welding.SiteColor),
    KEY(Welding.OutOfDateColor),
    KEY(Welding.BoltWorkColor,
     TakeWeldingWhenMissing<&SWELDING::BoltWorkColor, &SWELDING::WorkColor>),
    KEY(Welding.BoltSiteColor,
     TakeWeldingWhenMissing<&SWELDING::BoltSiteColor, &SWELDING::SiteColor>),
    KEY(Welding.BoltOutOfDateColor,
     TakeWeldingWhenMissing<&SWELDING::BoltOutOfDateColor, &SWELDING::OutOfDateColor>),
    KEY(Welding.BoltTypeBy),
    CUSTOM_KEY(L"Welding.BoltColorGradeSize", &FileBoltColorGrades),
    CUSTOM_KEY(L"Welding.BoltColorDiamSize", &FileBoltColorDiams),
    KEY(Welding.WeldWorkColor,
     TakeWeldingWhenMissing<&SWELDING::WeldWorkColor, &SWELDING::WorkColor>),
    KEY(Welding.WeldSiteColor,
     TakeWeldingWhenMissing<&SWELDING::WeldSiteColor, &SWELDING::SiteColor>),
    KEY(Welding.WeldOutOfDateColor,
     TakeWeldingWhenMissing<&SWELDING::WeldOutOfDateColor, &SWELDING::OutOfDateColor>),
    KEY(Welding.BoltRoundup),
    KEY(Welding.BoltStandard),
    KEY(Parts.Fit2Object),
    KEY(Printouts.TemplateSingleParts),
    KEY(Printouts.TemplateAssemblies),
    KEY(Printouts.TemplateGroups),
    KEY(Printouts.Frame),
    KEY(Printouts.Linetype),
    KEY(Printouts.InsertTable),
    KEY(Printouts.BlockName),
    KEY(Printouts.MarginTop),
    KEY(Printouts.MarginRight),
    KEY(Printouts.MarginBottom),
    KEY(Printouts.MarginLeft),
    KEY(Norm.StructuralStd),
    KEY(Norm.DrawingStd),
};
// clang-format on

}  // namespace

std::span<const Key> ModelKeys() { return kModelKeys; }

}  // namespace KovsJobKeys
