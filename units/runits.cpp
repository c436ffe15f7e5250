#include "units/runits.h"

#include <iterator>

namespace {

struct UnitDefinition {
  int attributeId;
  KOVTString RUNITS::*unit;
  std::int32_t RUNITS::*precision;
  double RUNITS::*coefficient;
};

constexpr UnitDefinition kDefinitions[] = {
    {kLengthUnitAttribute, &RUNITS::lengthUnit, &RUNITS::lengthPrecision, &RUNITS::lengthCoeff},
    {kCoverUnitAttribute, &RUNITS::coverUnit, &RUNITS::coverPrecision, &RUNITS::coverCoeff},
    {kSpacingUnitAttribute, &RUNITS::spacingUnit, &RUNITS::spacingPrecision, &RUNITS::spacingCoeff},
    {kMassUnitAttribute, &RUNITS::massUnit, &RUNITS::massPrecision, &RUNITS::massCoeff},
    {kSurfaceUnitAttribute, &RUNITS::surfaceUnit, &RUNITS::surfacePrecision, &RUNITS::surfaceCoeff},
    {kStyleUnitAttribute, &RUNITS::styleUnit, &RUNITS::stylePrecision, &RUNITS::styleCoeff},
};

constexpr int kAttributeIds[] = {kWorkUnitsAttribute,   kDescUnitsAttribute,  kLengthUnitAttribute,
                                 kCoverUnitAttribute,   kSpacingUnitAttribute, kMassUnitAttribute,
                                 kSurfaceUnitAttribute, kStyleUnitAttribute};

}  // namespace

TxIAttribute* RUNITS::GetAttribute(int attributeId, int) {
  if (attributeId == kWorkUnitsAttribute) {
    workAttribute.Bind(this);
    return &workAttribute;
  }
  if (attributeId == kDescUnitsAttribute) {
    descAttribute.Bind(this);
    return &descAttribute;
  }
  for (const UnitDefinition& definition : kDefinitions) {
    if (definition.attributeId != attributeId) continue;
    defAttribute.Bind(&(this->*definition.unit), &(this->*definition.precision), &(this->*definition.coefficient));
    return &defAttribute;
  }
  return nullptr;
}

int RUNITS::GetAttributeCount() const { return static_cast<int>(std::size(kAttributeIds)); }

int RUNITS::GetAttributeId(int position) const {
  return position >= 0 && position < GetAttributeCount() ? kAttributeIds[position] : -1;
}
