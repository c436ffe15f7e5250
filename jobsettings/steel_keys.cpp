#include "jobsettings/steel_job_settings.h"
#include "jobsettings/steel_keys.h"

namespace KovsJobKeys {

namespace {

using S = KOVTSteelJobSettings;
using KovtJobKeys::Field;

// Sets written before bolts and welds had colours of their own: they take
// the general colour of the same state.
template <auto Target, auto Source>
constexpr auto TakeWeldingWhenMissing = &KovtJobKeys::TakeWhenMissing<&S::Welding, Target, Source>;

// clang-format off
const Key kModelKeys[] = {
    {L"General.TolerPartsIdent", [](S& s) -> Field { return &s.General.TolerPartsIdent; }},
    {L"General.TolerContactWeld", [](S& s) -> Field { return &s.General.TolerContactWeld; }},
    {L"General.TolerArcDisplay", [](S& s) -> Field { return &s.General.TolerArcDisplay; }},
    {L"General.AutoGroupCreate", [](S& s) -> Field { return &s.General.AutoGroupCreate; }},
    {L"General.AutoUpdateConnections", [](S& s) -> Field { return &s.General.AutoUpdateConnections; }},
    {L"General.LoosePartsAssemblies", [](S& s) -> Field { return &s.General.LoosePartsAssemblies; }},
    {L"General.SimplConnectorsModeling", [](S& s) -> Field { return &s.General.SimplConnectorsModeling; }},
    {L"General.SimplModelingParStruct", [](S& s) -> Field { return &s.General.SimplModelingParStruct; }},
    {L"General.AssembliesNomenclature", [](S& s) -> Field { return &s.General.AssembliesNomenclature; }},
    {L"General.AssembliesText", [](S& s) -> Field { return &s.General.AssembliesText; }},
    {L"General.OverwritePrefix", [](S& s) -> Field { return &s.General.OverwritePrefix; }},
    {L"General.OverwritePrefixValue", [](S& s) -> Field { return &s.General.OverwritePrefixValue; }},
    {L"Material.DefaultMatProfiles", [](S& s) -> Field { return &s.Material.DefaultMatProfiles; }},
    {L"Material.DefaultMatPlates", [](S& s) -> Field { return &s.Material.DefaultMatPlates; }},
    {L"Material.DefaultMatBolts", [](S& s) -> Field { return &s.Material.DefaultMatBolts; }},
    {L"Material.DefaultMatUser", [](S& s) -> Field { return &s.Material.DefaultMatUser; }},
    {L"Material.SurfaceFinishingSize", nullptr, nullptr, &FileSurfaceFinishings},
    {L"Material.SurfaceFinishingDefault", [](S& s) -> Field { return &s.Material.SurfaceFinishingDefault; }},
    {L"Material.BoltsSurfaceFinishingSize", nullptr, nullptr, &FileBoltSurfaceFinishings},
    {L"Material.BoltsSurfaceFinishingDefault", [](S& s) -> Field { return &s.Material.BoltsSurfaceFinishingDefault; }},
    {L"Profiles.ProfDatabase", [](S& s) -> Field { return &s.Profiles.ProfDatabase; }},
    {L"Styles.DimensParts", [](S& s) -> Field { return &s.Styles.DimensParts; }},
    {L"Styles.DimensAssemblies", [](S& s) -> Field { return &s.Styles.DimensAssemblies; }},
    {L"Styles.DimensGroups", [](S& s) -> Field { return &s.Styles.DimensGroups; }},
    {L"Styles.TableMaterials", [](S& s) -> Field { return &s.Styles.TableMaterials; }},
    {L"Styles.TableAssemblies", [](S& s) -> Field { return &s.Styles.TableAssemblies; }},
    {L"Styles.TableBolts", [](S& s) -> Field { return &s.Styles.TableBolts; }},
    {L"Styles.TableAssem", [](S& s) -> Field { return &s.Styles.TableAssem; }},
    {L"Styles.TableCuts", [](S& s) -> Field { return &s.Styles.TableCuts; }},
    {L"Styles.TablePlate", [](S& s) -> Field { return &s.Styles.TablePlate; }},
    {L"Styles.TableProfile", [](S& s) -> Field { return &s.Styles.TableProfile; }},
    {L"Styles.TableBoltAssign", [](S& s) -> Field { return &s.Styles.TableBoltAssign; }},
    {L"Styles.TableUserObj", [](S& s) -> Field { return &s.Styles.TableUserObj; }},
    {L"Styles.TableSumProf", [](S& s) -> Field { return &s.Styles.TableSumProf; }},
    {L"Styles.TableMarks", [](S& s) -> Field { return &s.Styles.TableMarks; }},
    {L"Styles.TableNoMach", [](S& s) -> Field { return &s.Styles.TableNoMach; }},
    {L"Styles.TableConnect", [](S& s) -> Field { return &s.Styles.TableConnect; }},
    {L"Styles.DescrParts", [](S& s) -> Field { return &s.Styles.DescrParts; }},
    {L"Styles.DescrAssemblies", [](S& s) -> Field { return &s.Styles.DescrAssemblies; }},
    {L"Styles.DescrBolts", [](S& s) -> Field { return &s.Styles.DescrBolts; }},
    {L"Styles.DescrElevation", [](S& s) -> Field { return &s.Styles.DescrElevation; }},
    {L"Styles.DescrWorkframes", [](S& s) -> Field { return &s.Styles.DescrWorkframes; }},
    {L"Styles.DescrWelding", [](S& s) -> Field { return &s.Styles.DescrWelding; }},
    {L"Welding.WeldType", [](S& s) -> Field { return &s.Welding.WeldType; }},
    {L"Welding.BoltType", [](S& s) -> Field { return &s.Welding.BoltType; }},
    {L"Welding.EdgePreparation", [](S& s) -> Field { return &s.Welding.EdgePreparation; }},
    {L"Welding.WeldScheme", [](S& s) -> Field { return &s.Welding.WeldScheme; }},
    {L"Welding.WorkColor", [](S& s) -> Field { return &s.Welding.WorkColor; }},
    {L"Welding.SiteColor", [](S& s) -> Field { return &s.Welding.SiteColor; }},
    {L"Welding.OutOfDateColor", [](S& s) -> Field { return &s.Welding.OutOfDateColor; }},
    {L"Welding.BoltWorkColor", [](S& s) -> Field { return &s.Welding.BoltWorkColor; },
     TakeWeldingWhenMissing<&SWELDING::BoltWorkColor, &SWELDING::WorkColor>},
    {L"Welding.BoltSiteColor", [](S& s) -> Field { return &s.Welding.BoltSiteColor; },
     TakeWeldingWhenMissing<&SWELDING::BoltSiteColor, &SWELDING::SiteColor>},
    {L"Welding.BoltOutOfDateColor", [](S& s) -> Field { return &s.Welding.BoltOutOfDateColor; },
     TakeWeldingWhenMissing<&SWELDING::BoltOutOfDateColor, &SWELDING::OutOfDateColor>},
    {L"Welding.BoltTypeBy", [](S& s) -> Field { return &s.Welding.BoltTypeBy; }},
    {L"Welding.BoltColorGradeSize", nullptr, nullptr, &FileBoltColorGrades},
    {L"Welding.BoltColorDiamSize", nullptr, nullptr, &FileBoltColorDiams},
    {L"Welding.WeldWorkColor", [](S& s) -> Field { return &s.Welding.WeldWorkColor; },
     TakeWeldingWhenMissing<&SWELDING::WeldWorkColor, &SWELDING::WorkColor>},
    {L"Welding.WeldSiteColor", [](S& s) -> Field { return &s.Welding.WeldSiteColor; },
     TakeWeldingWhenMissing<&SWELDING::WeldSiteColor, &SWELDING::SiteColor>},
    {L"Welding.WeldOutOfDateColor", [](S& s) -> Field { return &s.Welding.WeldOutOfDateColor; },
     TakeWeldingWhenMissing<&SWELDING::WeldOutOfDateColor, &SWELDING::OutOfDateColor>},
    {L"Welding.BoltRoundup", [](S& s) -> Field { return &s.Welding.BoltRoundup; }},
    {L"Welding.BoltStandard", [](S& s) -> Field { return &s.Welding.BoltStandard; }},
    {L"Parts.Fit2Object", [](S& s) -> Field { return &s.Parts.Fit2Object; }},
    {L"Printouts.TemplateSingleParts", [](S& s) -> Field { return &s.Printouts.TemplateSingleParts; }},
    {L"Printouts.TemplateAssemblies", [](S& s) -> Field { return &s.Printouts.TemplateAssemblies; }},
    {L"Printouts.TemplateGroups", [](S& s) -> Field { return &s.Printouts.TemplateGroups; }},
    {L"Printouts.Frame", [](S& s) -> Field { return &s.Printouts.Frame; }},
    {L"Printouts.Linetype", [](S& s) -> Field { return &s.Printouts.Linetype; }},
    {L"Printouts.InsertTable", [](S& s) -> Field { return &s.Printouts.InsertTable; }},
    {L"Printouts.BlockName", [](S& s) -> Field { return &s.Printouts.BlockName; }},
    {L"Printouts.MarginTop", [](S& s) -> Field { return &s.Printouts.MarginTop; }},
    {L"Printouts.MarginRight", [](S& s) -> Field { return &s.Printouts.MarginRight; }},
    {L"Printouts.MarginBottom", [](S& s) -> Field { return &s.Printouts.MarginBottom; }},
    {L"Printouts.MarginLeft", [](S& s) -> Field { return &s.Printouts.MarginLeft; }},
    {L"Norm.StructuralStd", [](S& s) -> Field { return &s.Norm.StructuralStd; }},
    {L"Norm.DrawingStd", [](S& s) -> Field { return &s.Norm.DrawingStd; }},
    {L"Project.Office", [](S& s) -> Field { return &s.Project.Office; }},
    {L"Project.Investor", [](S& s) -> Field { return &s.Project.Investor; }},
    {L"Project.ProjectName", [](S& s) -> Field { return &s.Project.ProjectName; }},
    {L"Project.ProjectNo", [](S& s) -> Field { return &s.Project.ProjectNo; }},
    {L"Project.Address", [](S& s) -> Field { return &s.Project.Address; }},
    {L"Project.Designer", [](S& s) -> Field { return &s.Project.Designer; }},
    {L"Project.Revision", [](S& s) -> Field { return &s.Project.Revision; }},
    {L"Project.Verified", [](S& s) -> Field { return &s.Project.Verified; }},
    {L"Project.Date", [](S& s) -> Field { return &s.Project.Date; }},
    {L"Project.Note", [](S& s) -> Field { return &s.Project.Note; }},
};
// clang-format on

}  // namespace

std::span<const Key> ModelKeys() { return kModelKeys; }

}  // namespace KovsJobKeys
