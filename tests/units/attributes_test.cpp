// The reinforcement units block and its attributes.
#include "tests/units/call_rows.h"
#include "units/runits.h"

namespace {

// Every setting holds a value of its own, so an accessor reaching the wrong one shows.
RUNITS DistinctBlock() {
  RUNITS block;
  block.workUnitMode = 3, block.workUnitType = 4, block.workUnits = L"in";
  block.descFormatMode = 21, block.lessThenOnePrecision = 22, block.greaterThenOnePrecision = 23;
  block.impDescFormatType = 24, block.impDescFormatPrecision = 25;
  block.lessThenOneUnit = L"cm", block.greaterThenOneUnit = L"m";
  block.lengthUnit = L"L", block.coverUnit = L"C", block.spacingUnit = L"S", block.massUnit = L"M";
  block.diameterUnit = L"diameter", block.surfaceUnit = L"A", block.styleUnit = L"Y";
  block.lengthPrecision = 10, block.coverPrecision = 11, block.spacingPrecision = 12, block.massPrecision = 13;
  block.diameterPrecision = 14, block.surfacePrecision = 15, block.stylePrecision = 16;
  block.lengthCoeff = 0.5, block.coverCoeff = 1.5, block.spacingCoeff = 2.5, block.massCoeff = 3.5;
  block.diameterCoeff = 4.5, block.surfaceCoeff = 5.5, block.styleCoeff = 6.5;
  return block;
}

// The answer of one accessor as text, "none" when it refuses.
std::wstring Read(RUNITS& block, int attribute, int value, const std::wstring& accessor) {
  std::int32_t number = 0;
  double real = 0.0;
  bool flag = false;
  KOVTString text;
  if (accessor == L"int") return block.GetAttrInt(attribute, value, number) ? std::to_wstring(number) : L"none";
  if (accessor == L"double") return block.GetAttrDouble(attribute, value, real) ? N(real) : L"none";
  if (accessor == L"bool") return block.GetAttrBool(attribute, value, flag) ? L"bool" : L"none";
  if (accessor == L"string") return block.GetAttrString(attribute, value, text) ? text.str() : L"none";
  const wchar_t* answer = block.GetAttrText(attribute, value);
  return answer != nullptr ? answer : L"none";
}

// Sets `text`, a value no setting of the block holds, through the accessor; false when refused.
bool Write(RUNITS& block, int attribute, int value, const std::wstring& accessor, const std::wstring& text) {
  if (accessor == L"int") return block.SetAttrInt(attribute, value, std::stoi(text));
  if (accessor == L"double") return block.SetAttrDouble(attribute, value, std::stod(text));
  return block.SetAttrText(attribute, value, text.c_str());
}

TEST(UnitsBlock, AnswersAndTakesTheGoldenValues) {
  for (const GoldenRow& row : ReadGoldenRows("units/data/unit_attributes.txt", 4)) {
    const std::string where = WideToUtf8(row[0] + L" " + row[1] + L" " + row[2]);
    const int attribute = std::stoi(row[0]), value = std::stoi(row[1]);
    RUNITS block = DistinctBlock();
    EXPECT_EQ(Read(block, attribute, value, row[2]), row[3]) << where;
    if (row[3] == L"none" || row[2] == L"bool" || row[2] == L"string") continue;
    const std::wstring written = row[2] == L"int" ? L"77" : row[2] == L"double" ? L"0.25" : L"zz";
    ASSERT_TRUE(Write(block, attribute, value, row[2], written)) << where;
    EXPECT_EQ(Read(block, attribute, value, row[2]), written) << where;
  }
}

TEST(UnitsBlock, DefinitionAttributeIsReboundByEachRequest) {
  RUNITS block = DistinctBlock();
  TxIAttribute* spacing = block.GetAttribute(kSpacingUnitAttribute);
  ASSERT_NE(spacing, nullptr);
  EXPECT_STREQ(spacing->GetText(kUnitTextValue), L"S");
  TxIAttribute* length = block.GetAttribute(kLengthUnitAttribute);
  EXPECT_EQ(length, spacing);
  EXPECT_STREQ(spacing->GetText(kUnitTextValue), L"L");
  ASSERT_TRUE(length->SetText(kUnitTextValue, L"mm"));
  EXPECT_EQ(block.lengthUnit, L"mm");
  EXPECT_FALSE(length->SetText(kUnitTextValue, nullptr));
}

// Diameter has no identifier: the rows show every unit text the identifiers hand out.
TEST(UnitsBlock, IdentifiersAreConsecutive) {
  RUNITS block = DistinctBlock();
  ASSERT_EQ(block.GetAttributeCount(), 8);
  for (int position = 0; position < block.GetAttributeCount(); ++position)
    EXPECT_EQ(block.GetAttributeId(position), kWorkUnitsAttribute + position);
  EXPECT_EQ(block.GetAttributeId(8), -1);
  EXPECT_EQ(block.GetDataId(), -1);
  // Refusals leave the output alone.
  std::int32_t value = 42;
  EXPECT_FALSE(block.GetAttrInt(2300, kUnitModeValue, value));
  EXPECT_FALSE(block.GetAttrInt(kLengthUnitAttribute, 4399, value));
  EXPECT_EQ(value, 42);
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

}  // namespace
