#include "jobsettings/reinf_names.h"

#include <utility>

namespace KovrNames {

const wchar_t* const kReinNorms[kReinNormsCount + 1] = {
    L"BAEL 99",
    L"PN-84/B-03264",
    L"BS 8110",
    L"PN-B-03264:2002",
    L"NBN B 15-002",
    L"STAS 10107/0-90",
    L"ACI 318-08 METRIC",
    L"SNIP 2.03.01-84",
    L"EC2 - Italian NAD",
    L"EHE 98",
    L"NS 3473E:1999",
    L"EC2 - Iceland",
    L"CP65",
    L"EC2 (ENV 1992-1-1:1991)",
    L"DM 9/96",
    L"SABS 82:1997",
    L"O-Norm B 4700 EC2",
    L"DIN 1045-1",
    L"EN 1992-1-1",
    L"NEN-EN 1992-1-1:2005",
    L"DSTU 3760-98",
    L"ACI  318-08",
    L"BBK 04",
    L"DS 411:2001",
    L"prEN 1992-1-1",
    L"IS 456:2000",
    L"SNIP 52-01-03",
    L"AS 3600",
    L"NZS 3101:2006",
    nullptr,
};

const wchar_t* const kDrawNorms[kDrawNormsCount + 1] = {
    L"NF P 02-016",
    L"PN-ISO 4066:1994",
    L"BS 8666:2005",
    L"PN-EN ISO 3766:2006",
    L"NBN A-24-301",
    L"STAS",
    L"ACI 318-08 METRIC",
    L"GOST 21.501-93",
    L"EC2 - Italian NAD",
    L"EHE 98",
    L"NS-EN ISO 3766",
    L"EC2 - Iceland",
    L"CP65",
    L"EC2 (ENV 1992-1-1:1991)",
    L"DM 9/96",
    L"SABS 82:1997",
    L"O-Norm EN ISO 4066",
    L"ISO 3766:2003",
    L"RIL 229-1-2006",
    L"NEN 3870:1980",
    L"GOST 10884-94",
    L"ACI  318-08",
    L"BBK 04",
    L"ISO 4066",
    L"NP EN ISO 4066:2002",
    L"ISO 4066",
    L"GOST 21.501-93",
    L"AS 1100.501:2002",
    L"NZS 1100.501:2002",
    L"NF A35-027",
    L"ISO",
    L"SANS 282:2004",
    L"GM",
    nullptr,
};

const wchar_t* const kDrawNormsEnumStrings[kDrawNormsCount] = {
    L"RDRAW_NFP",  L"RDRAW_PNISO",  L"RDRAW_BS8666_2000", L"RDRAW_PNB032", L"RDRAW_NBNB",  L"RDRAW_STAS",
    L"RDRAW_ACI",  L"RDRAW_GOST",   L"RDRAW_EC2",         L"RDRAW_EHE",    L"RDRAW_NS",    L"RDRAW_EC2ICE",
    L"RDRAW_CP65", L"RDRAW_EC2ENV", L"RDRAW_DM",          L"RDRAW_SABS",   L"RDRAW_ONORM", L"RDRAW_DIN",
    L"RDRAW_EN",   L"RDRAW_NEN",    L"RDRAW_DSTU",        L"RDRAW_ACI318", L"RDRAW_BBK04", L"RDRAW_DS411",
    L"RDRAW_PREN", L"RDRAW_IS",     L"RDRAW_SNIP",        L"RDRAW_NFA35",  L"RDRAW_ISO",   L"RDRAW_SANS",
    L"RDRAW_AS",   L"RDRAW_NZS",    L"RDRAW_GM",
};

const std::array<const wchar_t*, kReinNormsCount> kBarDataBases = {
    L"bar_NF A 35-027",
    L"bar_PN 84",
    L"bar_BS 8666_2005",
    L"bar_PN 2002",
    L"bar_NBN B 15-002",
    L"bar_STAS 10107_090",
    L"bar_ACI 318-08_Metric",
    L"bar_SNIP 2.03.01-84",
    L"bar_EC2 - Italian NAD",
    L"bar_EHE",
    L"bar_NS 3473E 1999",
    L"bar_EC2 - Iceland",
    L"bar_CP65",
    L"",
    L"bar_DM",
    L"bar_SABS 82_1997",
    L"bar_ONORM B 4700",
    L"bar_DIN 1045",
    L"bar_SFS-EN 1992-1-1",
    L"bar_NEN-EN",
    L"bar_DSTU 3760-98",
    L"bar_ACI 318-08",
    L"bar_BBK04",
    L"bar_DS411",
    L"bar_prEN1992-1-1",
    L"bar_IS_456_2000",
    L"bar_SP 52-101-03",
    L"bar_AS 3600",
    L"bar_NZS 3101_2006",
};

const std::array<const wchar_t*, kReinNormsCount> kMeshDataBases = {
    L"fabric_ADETS2",
    L"fabric_CEDLER",
    L"fabric_BS",
    L"fabric_CEDLER",
    L"fabric_TB",
    L"fabric_STNB",
    L"fabric_ASTM_Metric",
    L"fabric_SNIP 2.03.01-84",
    L"fabric_ADETS1",
    L"fabric_EHE",
    L"fabric_NS 3473E 1999",
    L"fabric_EC2 Iceland",
    L"fabric_CP65",
    L"",
    L"fabric_DM",
    L"fabric_SABS 82_1997",
    L"fabric_ONORM B 4700",
    L"fabric_DIN 1045",
    L"fabric_SFS-EN 1992-1-1",
    L"fabric_NL_Netten",
    L"fabric_SNIP 2.03.01-84",
    L"fabric_ASTM",
    L"fabric_BBK04",
    L"fabric_DS411",
    L"fabric_prEN1992-1-1",
    L"fabric_IS_456_2000",
    L"fabric_SNIP 2.03.01-84",
    L"fabric_AS 3600",
    L"fabric_NZS 3101_2006",
};

namespace {

constexpr std::array<const wchar_t*, RMATER_SYMBOL_LAST + 1> kSteelSymbolTexts = {
    L"%0", L"%1", L"%2", L"%3", L"%4", L"HA", L"RL", L"T", L"R", L"#", L"K", L"Ks", L"AD", L"RB", L"DB", L"N",  L"Y",
    L"E",  L"S",  L"%5", L"%6", L"B",  L"H",  L"A",  L"C", L"N", L"Y", L"R", L"S",  L"HR", L"HD", L"YD", L"YR", L"D",
};

// The fabric databases of the old numbering; any other number meant the first.
constexpr const wchar_t* kDefaultNumberedMesh = L"fabric_ADETS1";
constexpr std::array<const wchar_t*, 7> kNumberedMeshes = {
    L"fabric_ADETS1", L"fabric_ADETS2",      L"fabric_CEDLER", L"fabric_BS",
    L"fabric_TB",     L"fabric_ASTM_Metric", L"fabric_STNB",
};

using Rename = std::pair<const wchar_t*, const wchar_t*>;

constexpr Rename kReinNormRenames[] = {
    {L"BAEL 91", L"BAEL 99"},
    {L"ACI 318-99 METRIC", L"ACI 318-08 METRIC"},
    {L"PN-B-03264:1999", L"PN-B-03264:2002"},
    {L"DM", L"DM 9/96"},
    {L"DS 411", L"DS 411:2001"},
    {L"DIN 1045", L"DIN 1045-1"},
};

// Older versions stored some names cut short; they are matched as stored.
constexpr Rename kDrawNormRenames[] = {
    {L"PN-ISO 4066:1194", L"PN-ISO 4066:1994"},
    {L"ACI 318-99 M", L"ACI 318-08 METRIC"},
    {L"NS 3473E:199", L"NS-EN ISO 3766"},
    {L"DS411", L"ISO 4066"},
    {L"DIN 1045", L"ISO 3766:2003"},
};

template <std::size_t N>
KOVTString Renamed(const Rename (&renames)[N], const KOVTString& stored) {
  for (const auto& [old, current] : renames)
    if (stored == old) return current;
  return stored;
}

}  // namespace

const wchar_t* SteelSymbolText(int symbol) {
  if (symbol < RMATER_SYMBOL_FIRST || symbol > RMATER_SYMBOL_LAST) return nullptr;
  return kSteelSymbolTexts[static_cast<std::size_t>(symbol)];
}

const wchar_t* MeshDataBaseOfNumber(int number) {
  if (number < 0 || number >= static_cast<int>(kNumberedMeshes.size())) return kDefaultNumberedMesh;
  return kNumberedMeshes[static_cast<std::size_t>(number)];
}

KOVTString CurrentReinNorm(const KOVTString& stored) { return Renamed(kReinNormRenames, stored); }

KOVTString CurrentDrawNorm(const KOVTString& stored) { return Renamed(kDrawNormRenames, stored); }

}  // namespace KovrNames
