// Unit lists, selections, conversions and factors, driven by the rows of
// data/unit_calls.txt: with no units service, or one answering metric or
// imperial, a call gives its answer.
#include <memory>

#include "tests/units/call_rows.h"
#include "tests/units/fake_units_service.h"
#include "units/unit_conversion.h"
#include "units/unit_factors.h"
#include "units/unit_lists.h"
#include "units/unit_system.h"

namespace {

using KovtUnit::Quantity;
using ByNames = bool (*)(KOVTString, KOVTString, double, double&);

Quantity QuantityOf(const std::wstring& name) {
  const std::map<std::wstring, Quantity> quantities = {{L"length", Quantity::Length}, {L"surface", Quantity::Surface},
                                                       {L"volume", Quantity::Volume}, {L"mass", Quantity::Mass},
                                                       {L"angle", Quantity::Angle}};
  return quantities.at(name);
}
KovtUnitUtl::UnitLanguage Language(const std::wstring& text) {
  return static_cast<KovtUnitUtl::UnitLanguage>(I(text));
}
// Whether the conversion was made, and the result, which starts at 3.
std::wstring Converted(ByNames convert, const Args& a) {
  double result = 3.0;
  const bool converted = convert(a[0].c_str(), a[1].c_str(), D(a[2]), result);
  return B(converted) + L"|" + N(result);
}

const CallTable& Calls() {
  static const CallTable calls = {
      {L"IsMetric", [](const Args&) { return N(IsMetric()); }},
      {L"GetLengthUnits", [](const Args& a) { return Joined(GetLengthUnits(I(a[0]))); }},
      {L"GetSurfUnits", [](const Args& a) { return Joined(GetSurfUnits(I(a[0]))); }},
      {L"GetVolumeUnits", [](const Args& a) { return Joined(GetVolumeUnits(I(a[0]))); }},
      {L"GetMassUnits", [](const Args& a) { return Joined(GetMassUnits(I(a[0]))); }},
      {L"GetCurrencyUnits", [](const Args& a) { return Joined(GetCurrencyUnits(I(a[0]))); }},
      {L"GetAngleUnits", [](const Args& a) { return Joined(GetAngleUnits(I(a[0]))); }},
      {L"SurfUnitsIn", [](const Args& a) { return Joined(KovtUnitUtl::GetSurfUnits(Language(a[0]))); }},
      {L"MassUnitsIn", [](const Args& a) { return Joined(KovtUnitUtl::GetMassUnits(Language(a[0]))); }},
      {L"GetLengthSel", [](const Args& a) { return N(GetLengthSel(a[0].c_str())); }},
      {L"GetSurfSel", [](const Args& a) { return N(GetSurfSel(a[0].c_str())); }},
      {L"GetMassSel", [](const Args& a) { return N(GetMassSel(a[0].c_str())); }},
      {L"LengthSelIn", [](const Args& a) { return N(KovtUnitUtl::GetLengthSel(a[0].c_str(), Language(a[1]))); }},
      {L"GetLengthSel_li", [](const Args& a) { return N(KovtUnitUtl::GetLengthSel_li(a[0].c_str())); }},
      {L"GetSurfSel_li", [](const Args& a) { return N(KovtUnitUtl::GetSurfSel_li(a[0].c_str())); }},
      {L"GetVolumeSel_li", [](const Args& a) { return N(KovtUnitUtl::GetVolumeSel_li(a[0].c_str())); }},
      {L"GetMassSel_li", [](const Args& a) { return N(KovtUnitUtl::GetMassSel_li(a[0].c_str())); }},
      {L"GetLengthUName", [](const Args& a) { return T(GetLengthUName(I(a[0]))); }},
      {L"GetVolumeUName", [](const Args& a) { return T(GetVolumeUName(I(a[0]))); }},
      {L"GetMassUName", [](const Args& a) { return T(GetMassUName(I(a[0]))); }},
      {L"ConvertLengthValue", [](const Args& a) { return Converted(&ConvertLengthValue, a); }},
      {L"ConvertSurfValue", [](const Args& a) { return Converted(&ConvertSurfValue, a); }},
      {L"ConvertVolumeValue", [](const Args& a) { return Converted(&ConvertVolumeValue, a); }},
      {L"ConvertMassValue", [](const Args& a) { return Converted(&ConvertMassValue, a); }},
      {L"GetCoeffFromSel", [](const Args& a) { return N(GetCoeffFromSel(I(a[0]), a[1].c_str())); }},
      {L"GetSurfaceCoeffFromSel", [](const Args& a) { return N(GetSurfaceCoeffFromSel(I(a[0]), a[1].c_str())); }},
      {L"GetVolumeCoeffFromSel", [](const Args& a) { return N(GetVolumeCoeffFromSel(I(a[0]), a[1].c_str())); }},
      {L"GetMassCoeffFromSel", [](const Args& a) { return N(GetMassCoeffFromSel(I(a[0]))); }},
      {L"Factor",
       [](const Args& a) {
         const auto factor = KovtUnit::Factor(I(a[0]), I(a[1]));
         return factor ? N(*factor) : L"none";
       }},
      {L"ConvertByCodes",
       [](const Args& a) {
         const auto value = KovtUnit::ConvertByCodes(QuantityOf(a[0]), I(a[1]), I(a[2]), 1.0);
         return value ? N(*value) : L"none";
       }},
      {L"ConvertByNames",
       [](const Args& a) {
         double result = -7.0;
         const bool converted = KovtUnit::ConvertByNames(QuantityOf(a[0]), a[1], a[2], D(a[3]), result);
         return B(converted) + L"|" + N(result);
       }},
  };
  return calls;
}

TEST(UnitCalls, GiveTheGoldenAnswers) {
  for (const GoldenRow& row : ReadGoldenRows("units/data/unit_calls.txt", 4)) {
    std::unique_ptr<ScopedUnitsService> units;
    if (row[0] != L"none") units = std::make_unique<ScopedUnitsService>(row[0] == L"metric" ? 1 : 0);
    ExpectAnswer(Calls(), row, 1);
  }
}

}  // namespace
