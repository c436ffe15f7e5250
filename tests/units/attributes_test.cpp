// The reinforcement units block and its attributes.
#include <gtest/gtest.h>

#include "units/runits.h"

namespace {

RUNITS FilledBlock() {
  RUNITS block;
  block.workUnitMode = 0;
  block.workUnitType = 1;
  block.workUnits = L"in";
  block.lengthUnit = L"m";
  block.lengthPrecision = 3;
  block.lengthCoeff = 0.001;
  block.spacingUnit = L"cm";
  block.spacingPrecision = 1;
  block.spacingCoeff = 0.1;
  block.diameterUnit = L"diameter";
  block.styleUnit = L"mm";
  block.descFormatMode = 1;
  block.lessThenOneUnit = L"cm";
  block.greaterThenOneUnit = L"m";
  block.lessThenOnePrecision = 1;
  block.greaterThenOnePrecision = 2;
  block.impDescFormatType = 1;
  block.impDescFormatPrecision = 4;
  return block;
}

TEST(UnitsBlock, DefinitionAttributeIsReboundByEachRequest) {
  RUNITS block = FilledBlock();
  TxIAttribute* spacing = block.GetAttribute(kSpacingUnitAttribute);
  ASSERT_NE(spacing, nullptr);
  EXPECT_STREQ(spacing->GetText(kUnitTextValue), L"cm");
  std::int32_t precision = 0;
  ASSERT_TRUE(spacing->GetInt(kUnitPrecisionValue, precision));
  EXPECT_EQ(precision, 1);

  TxIAttribute* length = block.GetAttribute(kLengthUnitAttribute);
  EXPECT_EQ(length, spacing);
  EXPECT_STREQ(spacing->GetText(kUnitTextValue), L"m");
  double coefficient = 0.0;
  ASSERT_TRUE(length->GetDouble(kUnitCoefficientValue, coefficient));
  EXPECT_EQ(coefficient, 0.001);
  ASSERT_TRUE(length->SetDouble(kUnitCoefficientValue, 2.0));
  ASSERT_TRUE(length->SetText(kUnitTextValue, L"mm"));
  EXPECT_EQ(block.lengthCoeff, 2.0);
  EXPECT_EQ(block.lengthUnit, L"mm");
  EXPECT_FALSE(length->SetText(kUnitTextValue, nullptr));
  EXPECT_FALSE(length->GetInt(kUnitCoefficientValue, precision));  // a double, not an integer
}

TEST(UnitsBlock, EachDefinitionIdentifierReachesItsTriple) {
  RUNITS block;
  block.lengthUnit = L"L", block.coverUnit = L"C", block.spacingUnit = L"S", block.massUnit = L"M";
  block.diameterUnit = L"D", block.surfaceUnit = L"A", block.styleUnit = L"Y";
  block.lengthPrecision = 10, block.coverPrecision = 11, block.spacingPrecision = 12, block.massPrecision = 13;
  block.diameterPrecision = 14, block.surfacePrecision = 15, block.stylePrecision = 16;
  block.lengthCoeff = 0.5, block.coverCoeff = 1.5, block.spacingCoeff = 2.5, block.massCoeff = 3.5;
  block.diameterCoeff = 4.5, block.surfaceCoeff = 5.5, block.styleCoeff = 6.5;
  const struct {
    int id;
    const wchar_t* unit;
    std::int32_t precision;
    double coefficient;
  } triples[] = {{2202, L"L", 10, 0.5}, {2203, L"C", 11, 1.5}, {2204, L"S", 12, 2.5},
                 {2205, L"M", 13, 3.5}, {2206, L"A", 15, 5.5}, {2207, L"Y", 16, 6.5}};
  for (const auto& t : triples) {
    std::int32_t precision = -1;
    double coefficient = -1.0;
    EXPECT_STREQ(block.GetAttrText(t.id, kUnitTextValue), t.unit) << t.id;
    ASSERT_TRUE(block.GetAttrInt(t.id, kUnitPrecisionValue, precision)) << t.id;
    ASSERT_TRUE(block.GetAttrDouble(t.id, kUnitCoefficientValue, coefficient)) << t.id;
    EXPECT_EQ(precision, t.precision) << t.id;
    EXPECT_EQ(coefficient, t.coefficient) << t.id;
  }
}

TEST(UnitsBlock, IdentifiersAreConsecutiveAndDiameterHasNone) {
  RUNITS block = FilledBlock();
  ASSERT_EQ(block.GetAttributeCount(), 8);
  for (int position = 0; position < block.GetAttributeCount(); ++position) {
    const int id = block.GetAttributeId(position);
    EXPECT_EQ(id, kWorkUnitsAttribute + position);
    const wchar_t* text = block.GetAttrText(id, kUnitTextValue);
    if (text != nullptr) {
      EXPECT_STRNE(text, L"diameter");
    }
  }
  EXPECT_EQ(block.GetAttributeId(8), -1);
  EXPECT_EQ(block.GetAttribute(2208), nullptr);
  EXPECT_EQ(block.GetAttribute(2199), nullptr);

  // Unknown identifiers answer false and leave the output alone.
  std::int32_t value = 42;
  EXPECT_FALSE(block.GetAttrInt(2300, kUnitModeValue, value));
  EXPECT_EQ(block.GetAttrText(2300, kUnitTextValue), nullptr);
  EXPECT_FALSE(block.SetAttrDouble(2300, kUnitCoefficientValue, 1.0));
  EXPECT_FALSE(block.GetAttrInt(kLengthUnitAttribute, 4399, value));
  bool flag = false;
  EXPECT_FALSE(block.GetAttrBool(kWorkUnitsAttribute, kUnitModeValue, flag));  // held as an integer
  EXPECT_EQ(value, 42);
  EXPECT_EQ(block.GetDataId(), -1);
}

TEST(UnitsBlock, WorkAndDescriptionAttributes) {
  RUNITS block = FilledBlock();
  std::int32_t value = -1;
  ASSERT_TRUE(block.GetAttrInt(kWorkUnitsAttribute, kUnitModeValue, value));
  EXPECT_EQ(value, 0);
  ASSERT_TRUE(block.GetAttrInt(kWorkUnitsAttribute, kWorkUnitTypeValue, value));
  EXPECT_EQ(value, 1);
  EXPECT_STREQ(block.GetAttrText(kWorkUnitsAttribute, kUnitTextValue), L"in");
  ASSERT_TRUE(block.SetAttrText(kWorkUnitsAttribute, kUnitTextValue, L"mm"));
  ASSERT_TRUE(block.SetAttrInt(kWorkUnitsAttribute, kUnitModeValue, 1));
  EXPECT_EQ(block.workUnits, L"mm");
  EXPECT_EQ(block.workUnitMode, 1);

  TxIAttribute* desc = block.GetAttribute(kDescUnitsAttribute);
  EXPECT_STREQ(desc->GetText(kLessThenOneUnitValue), L"cm");
  EXPECT_STREQ(desc->GetText(kGreaterThenOneUnitValue), L"m");
  KOVTString unit;
  EXPECT_FALSE(desc->GetString(kGreaterThenOneUnitValue, unit));  // only GetText is a text accessor here
  EXPECT_FALSE(block.GetAttrString(kDescUnitsAttribute, kGreaterThenOneUnitValue, unit));
  const std::pair<int, int> ints[] = {
      {kUnitModeValue, 1}, {kLessThenOnePrecisionValue, 1}, {kGreaterThenOnePrecisionValue, 2},
      {kImpDescFormatTypeValue, 1}, {kImpDescFormatPrecisionValue, 4}};
  for (const auto& [id, expected] : ints) {
    ASSERT_TRUE(desc->GetInt(id, value)) << id;
    EXPECT_EQ(value, expected) << id;
  }
  double coefficient = 0.0;
  EXPECT_FALSE(desc->GetDouble(kUnitCoefficientValue, coefficient));
  EXPECT_FALSE(desc->GetInt(kWorkUnitTypeValue, value));
  EXPECT_EQ(desc->GetText(kUnitTextValue), nullptr);
  ASSERT_TRUE(desc->SetInt(kImpDescFormatPrecisionValue, 6));
  EXPECT_EQ(block.impDescFormatPrecision, 6);
}

TEST(UnitsBlock, UnboundAttributesAnswerFalse) {
  KovtAUnitMode mode;
  KovtAUnitWork work;
  KovtAUnitDesc desc;
  KovtAUnitDef def;
  for (TxIAttribute* attribute : std::initializer_list<TxIAttribute*>{&mode, &work, &desc, &def}) {
    std::int32_t value = 0;
    double coefficient = 0.0;
    KOVTString text;
    for (int id : {kUnitTextValue, kWorkUnitTypeValue, kUnitModeValue, kLessThenOnePrecisionValue,
                   kLessThenOneUnitValue, kUnitPrecisionValue, kUnitCoefficientValue}) {
      EXPECT_FALSE(attribute->GetInt(id, value));
      EXPECT_FALSE(attribute->SetInt(id, 1));
      EXPECT_FALSE(attribute->GetDouble(id, coefficient));
      EXPECT_FALSE(attribute->SetDouble(id, 1.0));
      EXPECT_EQ(attribute->GetText(id), nullptr);
      EXPECT_FALSE(attribute->GetString(id, text));
      EXPECT_FALSE(attribute->SetText(id, L"mm"));
    }
  }
}

TEST(UnitsBlock, CopiesCarryTheirBindingsUntilTheirOwnLookup) {
  RUNITS original = FilledBlock();
  original.GetAttribute(kSpacingUnitAttribute);
  RUNITS copy = original;
  EXPECT_EQ(copy.spacingUnit, L"cm");
  EXPECT_EQ(copy.impDescFormatPrecision, 4);
  std::int32_t value = 0;
  ASSERT_TRUE(copy.defAttribute.GetInt(kUnitPrecisionValue, value));
  EXPECT_EQ(value, 1);
  ASSERT_TRUE(copy.defAttribute.SetInt(kUnitPrecisionValue, 5));
  EXPECT_EQ(original.spacingPrecision, 5);  // still the original's triple

  ASSERT_TRUE(copy.SetAttrText(kSpacingUnitAttribute, kUnitTextValue, L"mm"));
  ASSERT_TRUE(copy.SetAttrInt(kDescUnitsAttribute, kUnitModeValue, 0));
  EXPECT_EQ(copy.spacingUnit, L"mm");
  EXPECT_EQ(original.spacingUnit, L"cm");
  EXPECT_EQ(original.descFormatMode, 1);

  original = copy;
  EXPECT_EQ(original.spacingUnit, L"mm");
  EXPECT_STREQ(original.GetAttrText(kSpacingUnitAttribute, kUnitTextValue), L"mm");
}

}  // namespace
