#include <algorithm>
#include <array>
#include <string>
#include <string_view>

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
    KEY(DrawName),
    KEY(Scale),
    KEY(Index),
    KEY(DescrOn),
    KEY(TextStyle),
    KEY(TextColor),
    KEY(TextSize),
    KEY(DescrPlace),
    KEY(Distance),
    KEY(PresentationType),
    KEY(SymbolHole),
    KEY(ShowAllHoles),
    KEY(ShowAllDoors),
};
constexpr std::size_t kCommonParameterFields = 9;

enum OptionalParameters : unsigned {
  kPresentationType = 1u << 0,
  kSymbolHole = 1u << 1,
  kShowAllHoles = 1u << 2,
  kShowAllDoors = 1u << 3,
  kAllOptional = kPresentationType | kSymbolHole | kShowAllHoles | kShowAllDoors,
};

// The parameter fields in the order of their names, the order a read finds
// them in most cheaply.
constexpr auto kParameterFieldsByName = [] {
  std::array<std::size_t, std::size(kParameterFields)> order{};
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
    return std::wstring_view(kParameterFields[a].name) < std::wstring_view(kParameterFields[b].name);
  });
  return order;
}();

template <const wchar_t* Prefix, auto Block, unsigned Optional>
void FileParameters(S& s, KovtJobKeys::Filer& filer) {
  XPARAM& parameters = (s.*Block).Par;
  std::wstring name(Prefix);
  const std::size_t prefixLength = name.size();
  for (std::size_t at = 0; at < std::size(kParameterFields); ++at) {
    const std::size_t i = filer.Reading() ? kParameterFieldsByName[at] : at;
    if (i >= kCommonParameterFields && (Optional & (1u << (i - kCommonParameterFields))) == 0) continue;
    name.resize(prefixLength);
    name += kParameterFields[i].name;
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
  const std::int32_t version = reading ? s.StoredVersion() : S::FormatVersion;
  registry.RWXSectionSturcture(reading, version, name, (s.*Block).Sect);
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
    KEY(Found.SectionLayout),
    KEY(Found.SectionOffset, 10.0),
    CUSTOM_KEY(kFoundPar, &FileParameters<kFoundPar, &S::Found, kSymbolHole>),
    REGISTRY_KEY(L"Found.Out", &FileOutline<&S::Found>),
    REGISTRY_KEY(L"Found.Sect", &FileSection<&S::Found>),

    KEY(Stor.CastType),
    KEY(Stor.CastPosition),
    KEY(Stor.CastDepth, 300.0),
    KEY(Stor.SectionPlaceType),
    KEY(Stor.SectionPlacement, 300.0),
    KEY(Stor.SymbolOn, true),
    REGISTRY_KEY(L"Stor.StylId", &FileStoreyLinetype),
    KEY(Stor.LineColor, kColorByLayer),
    KEY(Stor.LineWidth, kWidthByLayer),
    CUSTOM_KEY(kStorPar, &FileParameters<kStorPar, &S::Stor, kSymbolHole | kShowAllHoles | kShowAllDoors>),
    REGISTRY_KEY(L"Stor.Out", &FileOutline<&S::Stor>),
    REGISTRY_KEY(L"Stor.Sect", &FileSection<&S::Stor>),

    KEY_AS(L"Sect.Range.RangeType", Sect.RangeType),
    CUSTOM_KEY(kSectPar, &FileParameters<kSectPar, &S::Sect, 0>),
    REGISTRY_KEY(L"Sect.Out", &FileOutline<&S::Sect>),
    REGISTRY_KEY(L"Sect.Sect", &FileSection<&S::Sect>),
    REGISTRY_KEY(L"Sect.Ending", &FileEnding<&S::Sect>),

    KEY_AS(L"Elev.Range.RangeType", Elev.RangeType),
    CUSTOM_KEY(kElevPar, &FileParameters<kElevPar, &S::Elev, kPresentationType>),
    REGISTRY_KEY(L"Elev.Out", &FileOutline<&S::Elev>),
    REGISTRY_KEY(L"Elev.Ending", &FileEnding<&S::Elev>),

    CUSTOM_KEY(kViewPar, &FileParameters<kViewPar, &S::View, 0>),
    CUSTOM_KEY(kDetailPar, &FileParameters<kDetailPar, &S::Detail, kAllOptional>),
    REGISTRY_KEY(L"Detail.Ending", &FileEnding<&S::Detail>),
    REGISTRY_KEY(L"View.Out", &FileOutline<&S::View>),
    KEY_AS(L"Curves.CircleParts", View.CircleParts, 128),
    KEY_AS(L"Curves.WallHoles", View.WallHoles),
};
// clang-format on

}  // namespace

std::span<const Key> DrawingKeys() { return kDrawingKeys; }

}  // namespace KovxJobKeys
