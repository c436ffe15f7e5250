#include "units/unit_lists.h"

#include "units/unit_system.h"

namespace {

enum class Listed : int { Length, Surface, Volume, Mass };

constexpr const wchar_t* kLengthEnglishMetric[] = {L"m", L"cm", L"mm", L""};
constexpr const wchar_t* kLengthEnglishImperial[] = {L"in", L""};
constexpr const wchar_t* kLengthRussianMetric[] = {L"м", L"см", L"мм", L""};
constexpr const wchar_t* kLengthRussianImperial[] = {L"дюйм", L""};
constexpr const wchar_t* kSurfaceEnglishMetric[] = {L"m2", L"cm2", L"mm2", L""};
constexpr const wchar_t* kSurfaceEnglishImperial[] = {L"in2", L""};
constexpr const wchar_t* kSurfaceRussianMetric[] = {L"м2", L"см2", L"мм2", L""};
constexpr const wchar_t* kSurfaceRussianImperial[] = {L"дюйм2", L""};
constexpr const wchar_t* kVolumeEnglishMetric[] = {L"m3", L"cm3", L"mm3", L""};
constexpr const wchar_t* kVolumeEnglishImperial[] = {L"in3", L""};
constexpr const wchar_t* kVolumeRussianMetric[] = {L"м3", L"см3", L"мм3", L""};
constexpr const wchar_t* kVolumeRussianImperial[] = {L"дюйм3", L""};
constexpr const wchar_t* kMassEnglishMetric[] = {L"t", L"kg", L""};
constexpr const wchar_t* kMassEnglishImperial[] = {L"ustons", L"lb", L""};
constexpr const wchar_t* kMassRussianMetric[] = {L"т", L"кг", L""};
constexpr const wchar_t* kMassRussianImperial[] = {L"амер.т", L"фунт", L""};
constexpr const wchar_t* kCurrencies[] = {L"EUR", L"USD", L"PLN", L"GBP", L"JPY", L"CHF", L"$", L""};
constexpr const wchar_t* kAngles[] = {L"deg", L""};

// [quantity][language][imperial 0, metric 1]
constexpr KovtUnitList kLists[4][2][2] = {
    {{kLengthEnglishImperial, kLengthEnglishMetric}, {kLengthRussianImperial, kLengthRussianMetric}},
    {{kSurfaceEnglishImperial, kSurfaceEnglishMetric}, {kSurfaceRussianImperial, kSurfaceRussianMetric}},
    {{kVolumeEnglishImperial, kVolumeEnglishMetric}, {kVolumeRussianImperial, kVolumeRussianMetric}},
    {{kMassEnglishImperial, kMassEnglishMetric}, {kMassRussianImperial, kMassRussianMetric}},
};

KovtUnitList ListOf(Listed quantity, bool russian, bool metric) {
  return kLists[static_cast<int>(quantity)][russian ? 1 : 0][metric ? 1 : 0];
}

// The list the user sees now.
KovtUnitList CurrentList(Listed quantity, int metric) {
  if (metric < 0) metric = IsMetric();
  return ListOf(quantity, IsRussian() != 0, metric != 0);
}

KovtUnitList LanguageList(Listed quantity, KovtUnitUtl::UnitLanguage language) {
  return ListOf(quantity, language == KovtUnitUtl::Russian, IsMetric() != 0);
}

int IndexOf(KovtUnitList list, const KOVTString& name) {
  for (int index = 0; *list[index] != L'\0'; ++index)
    if (name == list[index]) return index;
  return -1;
}

const wchar_t* EntryAt(KovtUnitList list, int selection) {
  for (int index = 0; *list[index] != L'\0'; ++index)
    if (index == selection) return list[index];
  return L"";
}

int CurrentSel(Listed quantity, const KOVTString& name) {
  const int index = IndexOf(CurrentList(quantity, -1), name);
  return index < 0 ? 0 : index;
}

int SelInEitherLanguage(Listed quantity, const KOVTString& name) {
  const int english = IndexOf(LanguageList(quantity, KovtUnitUtl::English), name);
  return english >= 0 ? english : IndexOf(LanguageList(quantity, KovtUnitUtl::Russian), name);
}

}  // namespace

KovtUnitList GetLengthUnits(int metric) { return CurrentList(Listed::Length, metric); }
KovtUnitList GetSurfUnits(int metric) { return CurrentList(Listed::Surface, metric); }
KovtUnitList GetVolumeUnits(int metric) { return CurrentList(Listed::Volume, metric); }
KovtUnitList GetMassUnits(int metric) { return CurrentList(Listed::Mass, metric); }
KovtUnitList GetCurrencyUnits(int) { return kCurrencies; }
KovtUnitList GetAngleUnits(int) { return kAngles; }

int GetLengthSel(KOVTString name) { return CurrentSel(Listed::Length, name); }
int GetSurfSel(KOVTString name) { return CurrentSel(Listed::Surface, name); }
int GetVolumeSel(KOVTString name) { return CurrentSel(Listed::Volume, name); }
int GetMassSel(KOVTString name) { return CurrentSel(Listed::Mass, name); }

const wchar_t* GetLengthUName(int selection) { return EntryAt(CurrentList(Listed::Length, -1), selection); }
const wchar_t* GetSurfUName(int selection) { return EntryAt(CurrentList(Listed::Surface, -1), selection); }
const wchar_t* GetVolumeUName(int selection) { return EntryAt(CurrentList(Listed::Volume, -1), selection); }
const wchar_t* GetMassUName(int selection) { return EntryAt(CurrentList(Listed::Mass, -1), selection); }

namespace KovtUnitUtl {

KovtUnitList GetLengthUnits(UnitLanguage language) { return LanguageList(Listed::Length, language); }
KovtUnitList GetSurfUnits(UnitLanguage language) { return LanguageList(Listed::Surface, language); }
KovtUnitList GetVolumeUnits(UnitLanguage language) { return LanguageList(Listed::Volume, language); }
KovtUnitList GetMassUnits(UnitLanguage language) { return LanguageList(Listed::Mass, language); }

int GetLengthSel(KOVTString name, UnitLanguage language) { return IndexOf(GetLengthUnits(language), name); }
int GetSurfSel(KOVTString name, UnitLanguage language) { return IndexOf(GetSurfUnits(language), name); }
int GetVolumeSel(KOVTString name, UnitLanguage language) { return IndexOf(GetVolumeUnits(language), name); }
int GetMassSel(KOVTString name, UnitLanguage language) { return IndexOf(GetMassUnits(language), name); }

int GetLengthSel_li(KOVTString name) { return SelInEitherLanguage(Listed::Length, name); }
int GetSurfSel_li(KOVTString name) { return SelInEitherLanguage(Listed::Surface, name); }
int GetVolumeSel_li(KOVTString name) { return SelInEitherLanguage(Listed::Volume, name); }
int GetMassSel_li(KOVTString name) { return SelInEitherLanguage(Listed::Mass, name); }

}  // namespace KovtUnitUtl
