// The formatting service of the companion module: publication, the written
// forms and the text it refuses.
#include <cmath>
#include <limits>
#include <numbers>

#include "tests/units/zem_fixture.h"

namespace {

TEST(ZemModule, PublishesItsServiceWhileLoadedUnlessTheNameIsTaken) {
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  ASSERT_FALSE(pnrxServiceIsRegistered(kZemEnablerServiceName));
  ASSERT_TRUE(linker->loadModule(kZemModuleFile)) << WideToUtf8(linker->lastLoadError());
  EXPECT_NE(KovtFindService<TxISvZemEnabler>(kZemEnablerServiceName), nullptr);
  ASSERT_TRUE(linker->unloadModule(kZemModuleFile));
  EXPECT_FALSE(pnrxServiceIsRegistered(kZemEnablerServiceName));

  // Not while the name is taken.
  auto* other = new PnRxService;
  ASSERT_NE(pnrxDynamicLinker()->registerService(kZemEnablerServiceName, other), nullptr);
  EXPECT_FALSE(pnrxDynamicLinker()->loadModule(kZemModuleFile));
  EXPECT_FALSE(pnrxDynamicLinker()->isModuleLoaded(kZemModuleFile));
  EXPECT_TRUE(KovtWithdrawService(kZemEnablerServiceName, other));  // still the other one
}

TEST_F(ZemEnablerTest, WritesDistancesAsDraftersReadThem) {
  const struct {
    double value;
    int mode, precision;
    const char* text;
  } cases[] = {
      // Each linear mode.
      {15.5, kZemScientific, 4, "1.5500E+01"}, {15.5, kZemDecimal, 2, "15.50"},
      {15.5, kZemEngineering, 2, "1'-3.50\""},  {15.5, kZemArchitectural, 4, "1'-3 1/2\""},
      {15.5, kZemFractional, 4, "15 1/2"},     {0.000123, kZemScientific, 2, "1.23E-04"},
      // Feet and inches.
      {12.0, kZemArchitectural, 4, "1'-0\""},   {0.5, kZemArchitectural, 4, "0'-0 1/2\""},
      {15.25, kZemArchitectural, 3, "1'-3 1/4\""},  // 2/8 in lowest terms
      {-15.5, kZemArchitectural, 4, "-1'-3 1/2\""},
      {144.97, kZemArchitectural, 4, "12'-1\""},  // rounds up into the next inch
      {11.999, kZemEngineering, 2, "1'-0.00\""},  // carries into the next foot
      {15.5, kZemEngineering, 0, "1'-4\""},     {0.75, kZemFractional, 2, "3/4"},
      {0.01, kZemFractional, 2, "0"},
      // Rounded as the user reads the value, not as binary holds it.
      {2.675, kZemDecimal, 2, "2.68"},         {1.005, kZemDecimal, 2, "1.01"},
      {9.995, kZemDecimal, 2, "10.00"},        {9.96, kZemScientific, 1, "1.0E+01"},
      {-0.001, kZemDecimal, 2, "0.00"},  // no minus on a zero
      {-0.0, kZemArchitectural, 4, "0'-0\""},   {1234567.0, kZemDecimal, 0, "1234567"},
      // A negative precision writes what the value needs; large ones are capped.
      {12.5, kZemDecimal, -1, "12.5"},         {12.0, kZemDecimal, -1, "12"},
      {0.999999999, kZemDecimal, -1, "1"},     {15.5, kZemEngineering, -1, "1'-3.5\""},
      {15.5, kZemScientific, -1, "1.55E+01"},  {1.0 / 3.0, kZemDecimal, 20, "0.33333333"},
      // Near the largest double, the largest text of the form that reads back.
      {1.7415138528668513e308, kZemScientific, 0, "1E+308"},
      {std::numeric_limits<double>::max(), kZemScientific, 4, "1.7976E+308"},
      {std::numeric_limits<double>::max(), kZemScientific, 5, "1.79769E+308"},
      {-1.7415138528668513e308, kZemScientific, 1, "-1.7E+308"},
      {std::numeric_limits<double>::denorm_min(), kZemScientific, 0, "5E-324"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Distance(c.value, c.mode, c.precision), c.text) << c.value << " mode " << c.mode << " at " << c.precision;
}

TEST_F(ZemEnablerTest, WritesDecimalDegrees) {
  wchar_t buffer[kZemTextBufferSize] = L"";
  ASSERT_EQ(zem->AngleToText(std::numbers::pi / 4, kZemDecimalDegrees, 2, buffer), kZemOk);
  EXPECT_STREQ(buffer, L"45.00");
  ASSERT_EQ(zem->AngleToText(-std::numbers::pi / 6, kZemDecimalDegrees, 1, buffer), kZemOk);
  EXPECT_STREQ(buffer, L"-30.0");
  ASSERT_EQ(zem->AngleToText(std::numbers::pi / 2, kZemDecimalDegrees, -1, buffer), kZemOk);
  EXPECT_STREQ(buffer, L"90");
  EXPECT_EQ(zem->AngleToText(1.0, 1, 2, buffer), kZemBadArgument);
}

TEST_F(ZemEnablerTest, RefusesValuesItCannotWrite) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(Distance(nan, kZemDecimal, 2), "<-5001>");
  EXPECT_EQ(Distance(infinity, kZemArchitectural, 2), "<-5001>");
  EXPECT_EQ(Distance(1e300, kZemDecimal, 2), "<-5001>");        // longer than the buffer
  EXPECT_EQ(Distance(1e30, kZemArchitectural, 4), "<-5001>");
  EXPECT_EQ(Distance(1.0, 0, 2), "<-5002>");
  EXPECT_EQ(Distance(1.0, 6, 2), "<-5002>");
  wchar_t buffer[kZemTextBufferSize] = L"kept";
  EXPECT_EQ(zem->RealToText(nan, kZemDecimal, 2, buffer), kZemError);
  EXPECT_STREQ(buffer, L"kept");
  EXPECT_EQ(zem->RealToText(1.0, kZemDecimal, 2, nullptr), kZemBadArgument);
  EXPECT_EQ(zem->AngleToText(nan, kZemDecimalDegrees, 2, buffer), kZemError);
}

TEST_F(ZemEnablerTest, ReadsWhatUsersType) {
  const std::pair<const wchar_t*, double> architectural[] = {
      {L"1'-3 1/2\"", 15.5}, {L"1'3-1/2\"", 15.5}, {L"1' 3\"", 15.0}, {L"1'", 12.0},    {L"3.5\"", 3.5},
      {L"3 1/2", 3.5},       {L"-1'-3\"", -15.0},  {L"1.5'", 18.0},   {L" 2'-0\" ", 24.0}, {L"0'-0 1/16\"", 0.0625}};
  for (const auto& [text, expected] : architectural) {
    double value = 0.0;
    ASSERT_EQ(zem->TextToDistance(text, kZemArchitectural, value), kZemOk) << WideToUtf8(text);
    EXPECT_DOUBLE_EQ(value, expected) << WideToUtf8(text);
  }
  const std::pair<const wchar_t*, double> decimal[] = {
      {L" 15 1/2 ", 15.5}, {L"3/4", 0.75}, {L"1e3", 1000.0}, {L".5", 0.5}, {L"+2.", 2.0}, {L"-1.5E-1", -0.15}};
  for (const auto& [text, expected] : decimal) {
    double value = 0.0;
    ASSERT_EQ(zem->TextToDistance(text, kZemDecimal, value), kZemOk) << WideToUtf8(text);
    EXPECT_DOUBLE_EQ(value, expected) << WideToUtf8(text);
  }
  double radians = 0.0;
  ASSERT_EQ(zem->TextToAngle(L"45°", kZemDecimalDegrees, radians), kZemOk);
  EXPECT_DOUBLE_EQ(radians, std::numbers::pi / 4);
  ASSERT_EQ(zem->TextToAngle(L"-90d", kZemDecimalDegrees, radians), kZemOk);
  EXPECT_DOUBLE_EQ(radians, -std::numbers::pi / 2);
}

TEST_F(ZemEnablerTest, RefusesTextItCannotRead) {
  for (const wchar_t* text : {L"", L"   ", L"abc", L"1'-", L"1/0", L"1.5/2", L"1'2'", L"--1", L"1 2", L"12abc",
                              L"1e", L"1e999", L"'", L"\"", L"1/2/3", L"1'-3\"\"", L"- 1", L"1,5"}) {
    double value = 7.0;
    EXPECT_EQ(zem->TextToDistance(text, kZemArchitectural, value), kZemError) << WideToUtf8(text);
    EXPECT_EQ(value, 7.0);
  }
  double value = 7.0;
  EXPECT_EQ(zem->TextToDistance(L"1'-3\"", kZemDecimal, value), kZemError);  // feet only in feet modes
  EXPECT_EQ(zem->TextToDistance(L"3\"", kZemFractional, value), kZemError);
  EXPECT_EQ(zem->TextToAngle(L"45°°", kZemDecimalDegrees, value), kZemError);
  EXPECT_EQ(zem->TextToAngle(L"45", 3, value), kZemBadArgument);
  EXPECT_EQ(zem->TextToDistance(nullptr, kZemDecimal, value), kZemBadArgument);
  EXPECT_EQ(zem->TextToDistance(L"1", 9, value), kZemBadArgument);
  EXPECT_EQ(value, 7.0);
}

}  // namespace
