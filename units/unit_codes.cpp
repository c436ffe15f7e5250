#include "units/unit_codes.h"

#include <array>
#include <map>

#include "environment/module_loading.h"

namespace KovtUnit {

namespace {

struct UnitNames {
  const wchar_t* english;
  const wchar_t* russian;  // null: the unit has no Russian name
};

// Indexed by code.
constexpr std::array<UnitNames, kCodeCount> kUnitNames{{
    {L"mm", L"мм"},         {L"cm", L"см"},         {L"m", L"м"},
    {L"in", L"дюйм"},       {L"ft", L"фут"},        {L"mm2", L"мм2"},
    {L"cm2", L"см2"},       {L"m2", L"м2"},         {L"in2", L"дюйм2"},
    {L"ft2", L"фут2"},      {L"mm3", L"мм3"},       {L"cm3", L"см3"},
    {L"m3", L"м3"},         {L"in3", L"дюйм3"},     {L"ft3", L"фут3"},
    {L"t", L"т"},           {L"kg", L"кг"},         {L"lb", L"фунт"},
    {L"ustons", L"амер.т"}, {L"N", L"Н"},           {L"deg", nullptr},
    {L"rad", nullptr},
}};

// The program module whose resource module holds the display names.
constexpr const wchar_t* kResourceModule = L"KOVTAppSet";

const std::map<KOVTString, int>& CodesByName() {
  static const std::map<KOVTString, int> codes = [] {
    std::map<KOVTString, int> table;
    for (int code = 0; code < kCodeCount; ++code) {
      table.emplace(kUnitNames[code].english, code);
      if (kUnitNames[code].russian != nullptr) table.emplace(kUnitNames[code].russian, code);
    }
    return table;
  }();
  return codes;
}

const std::array<KOVTString, kCodeCount>& DisplayNames() {
  static const std::array<KOVTString, kCodeCount> names = [] {
    std::array<KOVTString, kCodeCount> table;
    const HMODULE resources = KOVTGetResourceHandle(kResourceModule);
    for (int code = 0; code < kCodeCount; ++code)
      if (resources == nullptr || !table[code].LoadStringW(DisplayNameResource(code), resources))
        table[code] = kUnitNames[code].english;
    return table;
  }();
  return names;
}

bool IsCode(int code) { return code >= 0 && code < kCodeCount; }

}  // namespace

bool IsCodeOf(Quantity quantity, int code) {
  const int base = BaseCode(quantity);
  return IsCode(code) && code >= base && code < base + kCodesPerQuantity;
}

std::optional<int> CodeOfName(const KOVTString& name) {
  const auto& codes = CodesByName();
  const auto found = codes.find(name);
  if (found == codes.end()) return std::nullopt;
  return found->second;
}

int CodeOfNameOrMm(const KOVTString& name) { return CodeOfName(name).value_or(0); }

const wchar_t* NameOfCode(int code) { return IsCode(code) ? kUnitNames[code].english : nullptr; }

const wchar_t* DisplayNameOfCode(int code) { return IsCode(code) ? DisplayNames()[code].c_str() : nullptr; }

}  // namespace KovtUnit
