// RUNITS: the unit choices of the reinforcement job settings.
//
// The job settings fill the fields from their "Units." keys; the unit editors
// reach them through the attributes, by identifier:
//
//   2200 work attribute         2201 description attribute
//   2202 length    2203 cover    2204 spacing
//   2205 mass      2206 surface  2207 style      (the definition attribute)
//
// 2202 to 2207 all hand out the one definition attribute, bound to that
// triple of unit, precision and coefficient: finish with one triple before
// asking for the next. The diameter triple has no identifier.
#pragma once

#include <cstdint>

#include "core/kovt_string.h"
#include "units/unit_attributes.h"

enum RUnitsAttributeId : int {
  kWorkUnitsAttribute = 2200,
  kDescUnitsAttribute,
  kLengthUnitAttribute,
  kCoverUnitAttribute,
  kSpacingUnitAttribute,
  kMassUnitAttribute,
  kSurfaceUnitAttribute,
  kStyleUnitAttribute,
};

// The values start zero or empty; the reinforcement job settings' Initialize
// gives them their defaults.
struct RUNITS : public TxIData {
  TxIAttribute* GetAttribute(int attributeId, int index = 0) override;
  int GetAttributeCount() const override;
  int GetAttributeId(int position) const override;

  KovtAUnitWork workAttribute;
  KovtAUnitDesc descAttribute;
  KovtAUnitDef defAttribute;

  std::int32_t workUnitMode{};  // "Units.WorkUnitMode": nonzero metric
  std::int32_t workUnitType{};  // "Units.WorkUnitType"
  KOVTString workUnits;         // "Units.WorkUnits"

  KOVTString lengthUnit;    // "Units.Length"
  KOVTString coverUnit;     // "Units.ReinfCover"
  KOVTString spacingUnit;   // "Units.ReinfSpace"
  KOVTString massUnit;      // "Units.ReinfMass"
  KOVTString diameterUnit;  // "Units.ReinfDiameter"
  KOVTString surfaceUnit;   // "Units.ReinfSurface"
  KOVTString styleUnit;     // "Units.ReinfStyle"

  std::int32_t lengthPrecision{};    // "Units.LengthPrecision"
  std::int32_t coverPrecision{};     // "Units.ReinfCoverPrecision"
  std::int32_t spacingPrecision{};   // "Units.ReinfSpacePrecision"
  std::int32_t massPrecision{};      // "Units.ReinfMassPrecision"
  std::int32_t diameterPrecision{};  // "Units.ReinfDiameterPrecision"
  std::int32_t surfacePrecision{};   // "Units.ReinfSurfacePrecision"
  std::int32_t stylePrecision{};     // "Units.ReinfStylePrecision"

  double lengthCoeff{};    // "Units.LengthCoeff"
  double coverCoeff{};     // "Units.ReinfCoverCoeff"
  double spacingCoeff{};   // "Units.ReinfSpaceCoeff"
  double massCoeff{};      // "Units.ReinfMassCoeff"
  double diameterCoeff{};  // "Units.ReinfDiameterCoeff"
  double surfaceCoeff{};   // "Units.ReinfSurfaceCoeff"
  double styleCoeff{};     // "Units.ReinfStyleCoeff"

  std::int32_t descFormatMode{};           // "Units.DescFormatMode": nonzero metric
  KOVTString lessThenOneUnit;              // "Units.LessThenOne"
  KOVTString greaterThenOneUnit;           // "Units.GreaterThenOne"
  std::int32_t lessThenOnePrecision{};     // "Units.LessThenOnePrecision"
  std::int32_t greaterThenOnePrecision{};  // "Units.GreaterThenOnePrecision"
  std::int32_t impDescFormatType{};        // "Units.ImpDescFormatType"
  std::int32_t impDescFormatPrecision{};   // "Units.ImpDescFormatPrecision"
};
