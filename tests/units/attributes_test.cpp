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

// The base answers no to everything, so a block's attribute holds only the kinds it overrides.
TEST(UnitsBlock, TheBaseAttributeRefusesEveryKind) {
  TxIAttribute bare;
  bool flag = false;
  wchar_t letter = 0;
  std::uint8_t byte = 0;
  std::int16_t shortInt = 0;
  std::uint16_t shortWord = 0;
  std::uint32_t word = 0;
  std::int64_t longInt = 0;
  std::uint64_t longWord = 0;
  float single = 0;
  double real = 0;
  std::int32_t number = 0;
  PnDbObjectId id;
  PnDbHandle handle;
  KOVTString text;
  const std::vector<bool> answers = {
      bare.GetBool(0, flag), bare.GetWChar(0, letter), bare.GetByte(0, byte), bare.GetShort(0, shortInt),
      bare.GetUShort(0, shortWord), bare.GetUInt(0, word), bare.GetInt64(0, longInt), bare.GetUInt64(0, longWord),
      bare.GetFloat(0, single), bare.GetObjectId(0, id), bare.GetHandle(0, handle), bare.GetString(0, text),
      bare.GetDouble(0, real), bare.GetInt(0, number), bare.SetBool(0, true), bare.SetWChar(0, L'x'),
      bare.SetByte(0, 1), bare.SetShort(0, 1), bare.SetUShort(0, 1), bare.SetUInt(0, 1),
      bare.SetInt64(0, 1), bare.SetUInt64(0, 1), bare.SetFloat(0, 1), bare.SetText(0, L"x"),
      bare.SetDouble(0, 1), bare.SetInt(0, 1), bare.SetObjectId(0, id),
  };
  EXPECT_EQ(answers, std::vector<bool>(answers.size(), false));
  EXPECT_EQ(bare.GetText(0), nullptr);
  RUNITS block = DistinctBlock();
  EXPECT_FALSE(block.SetAttrInt64(kLengthUnitAttribute, kUnitTextValue, 1));
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
