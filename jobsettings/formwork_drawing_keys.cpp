#include <string>

#include "jobsettings/formwork_job_settings.h"
#include "jobsettings/formwork_keys.h"

namespace KovxJobKeys {

namespace {

using S = KOVTFormworkJobSettings;
using KovtJobKeys::Field;
using KoVTPrjReg::TRegistry;

struct ParameterField {
  const wchar_t* name;
  Field (*field)(XPARAM&);
};

// Every block files the first nine, then those of the last four it names.
constexpr ParameterField kParameterFields[] = {
    {L"DrawName", [](XPARAM& p) -> Field { return &p.DrawName; }},
    {L"Scale", [](XPARAM& p) -> Field { return &p.Scale; }},
    {L"Index", [](XPARAM& p) -> Field { return &p.Index; }},
    {L"DescrOn", [](XPARAM& p) -> Field { return &p.DescrOn; }},
    {L"TextStyle", [](XPARAM& p) -> Field { return &p.TextStyle; }},
    {L"TextColor", [](XPARAM& p) -> Field { return &p.TextColor; }},
    {L"TextSize", [](XPARAM& p) -> Field { return &p.TextSize; }},
    {L"DescrPlace", [](XPARAM& p) -> Field { return &p.DescrPlace; }},
    {L"Distance", [](XPARAM& p) -> Field { return &p.Distance; }},
    {L"PresentationType", [](XPARAM& p) -> Field { return &p.PresentationType; }},
    {L"SymbolHole", [](XPARAM& p) -> Field { return &p.SymbolHole; }},
    {L"ShowAllHoles", [](XPARAM& p) -> Field { return &p.ShowAllHoles; }},
    {L"ShowAllDoors", [](XPARAM& p) -> Field { return &p.ShowAllDoors; }},
};
constexpr std::size_t kCommonParameterFields = 9;

enum OptionalParameters : unsigned {
  kPresentationType = 1u << 0,
  kSymbolHole = 1u << 1,
  kShowAllHoles = 1u << 2,
  kShowAllDoors = 1u << 3,
};

template <const wchar_t* Prefix, auto Block, unsigned Optional>
void FileParameters(S& s, KovtJobKeys::Filer& filer) {
  XPARAM& parameters = (s.*Block).Par;
  for (std::size_t i = 0; i < std::size(kParameterFields); ++i) {
    if (i >= kCommonParameterFields && (Optional & (1u << (i - kCommonParameterFields))) == 0) continue;
    const std::wstring name = std::wstring(Prefix) + kParameterFields[i].name;
    filer.File(name.c_str(), kParameterFields[i].field(parameters));
  }
}

constexpr wchar_t kFoundPar[] = L"Found.Par.";
constexpr wchar_t kStorPar[] = L"Stor.Par.";
constexpr wchar_t kSectPar[] = L"Sect.Par.";
constexpr wchar_t kElevPar[] = L"Elev.Par.";
constexpr wchar_t kViewPar[] = L"View.Par.";
constexpr wchar_t kDetailPar[] = L"Detail.Par.";

template <auto Block>
void FileOutline(S& s, TRegistry& registry, bool reading, const wchar_t* name) {
  registry.RWXOutlineSturcture(reading, name, (s.*Block).Out);
}

// Sets before kSectionHatchModeVersion store the hatch mode differently.
template <auto Block>
void FileSection(S& s, TRegistry& registry, bool reading, const wchar_t* name) {
  registry.RWXSectionSturcture(reading, reading ? s.StoredVersion() : S::FormatVersion, name, (s.*Block).Sect);
}

template <auto Block>
void FileEnding(S& s, TRegistry& registry, bool reading, const wchar_t* name) {
  registry.RWXEndingStructure(reading, name, (s.*Block).Ending);
}

void FileStoreyLinetype(S& s, TRegistry& registry, bool reading, const wchar_t* name) {
  registry.RWObjectId(reading, name, s.Stor.StylId);
}

// clang-format off
const Key kDrawingKeys[] = {
    {L"Found.SectionLayout", [](S& s) -> Field { return &s.Found.SectionLayout; }},
    {L"Found.SectionOffset", [](S& s) -> Field { return &s.Found.SectionOffset; }},
    {kFoundPar, nullptr, nullptr, &FileParameters<kFoundPar, &S::Found, kSymbolHole>},
    {L"Found.Out", nullptr, nullptr, nullptr, &FileOutline<&S::Found>},
    {L"Found.Sect", nullptr, nullptr, nullptr, &FileSection<&S::Found>},

    {L"Stor.CastType", [](S& s) -> Field { return &s.Stor.CastType; }},
    {L"Stor.CastPosition", [](S& s) -> Field { return &s.Stor.CastPosition; }},
    {L"Stor.CastDepth", [](S& s) -> Field { return &s.Stor.CastDepth; }},
    {L"Stor.SectionPlaceType", [](S& s) -> Field { return &s.Stor.SectionPlaceType; }},
    {L"Stor.SectionPlacement", [](S& s) -> Field { return &s.Stor.SectionPlacement; }},
    {L"Stor.SymbolOn", [](S& s) -> Field { return &s.Stor.SymbolOn; }},
    {L"Stor.StylId", nullptr, nullptr, nullptr, &FileStoreyLinetype},
    {L"Stor.LineColor", [](S& s) -> Field { return &s.Stor.LineColor; }},
    {L"Stor.LineWidth", [](S& s) -> Field { return &s.Stor.LineWidth; }},
    {kStorPar, nullptr, nullptr, &FileParameters<kStorPar, &S::Stor, kSymbolHole | kShowAllHoles | kShowAllDoors>},
    {L"Stor.Out", nullptr, nullptr, nullptr, &FileOutline<&S::Stor>},
    {L"Stor.Sect", nullptr, nullptr, nullptr, &FileSection<&S::Stor>},

    {L"Sect.Range.RangeType", [](S& s) -> Field { return &s.Sect.RangeType; }},
    {kSectPar, nullptr, nullptr, &FileParameters<kSectPar, &S::Sect, 0>},
    {L"Sect.Out", nullptr, nullptr, nullptr, &FileOutline<&S::Sect>},
    {L"Sect.Sect", nullptr, nullptr, nullptr, &FileSection<&S::Sect>},
    {L"Sect.Ending", nullptr, nullptr, nullptr, &FileEnding<&S::Sect>},

    {L"Elev.Range.RangeType", [](S& s) -> Field { return &s.Elev.RangeType; }},
    {kElevPar, nullptr, nullptr, &FileParameters<kElevPar, &S::Elev, kPresentationType>},
    {L"Elev.Out", nullptr, nullptr, nullptr, &FileOutline<&S::Elev>},
    {L"Elev.Ending", nullptr, nullptr, nullptr, &FileEnding<&S::Elev>},

    {kViewPar, nullptr, nullptr, &FileParameters<kViewPar, &S::View, 0>},
    {kDetailPar, nullptr, nullptr,
     &FileParameters<kDetailPar, &S::Detail, kPresentationType | kSymbolHole | kShowAllHoles | kShowAllDoors>},
    {L"Detail.Ending", nullptr, nullptr, nullptr, &FileEnding<&S::Detail>},
    {L"View.Out", nullptr, nullptr, nullptr, &FileOutline<&S::View>},
    {L"Curves.CircleParts", [](S& s) -> Field { return &s.View.CircleParts; }},
    {L"Curves.WallHoles", [](S& s) -> Field { return &s.View.WallHoles; }},
};

const Key kProjectKeys[] = {
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

std::span<const Key> DrawingKeys() { return kDrawingKeys; }

std::span<const Key> ProjectKeys() { return kProjectKeys; }

}  // namespace KovxJobKeys
