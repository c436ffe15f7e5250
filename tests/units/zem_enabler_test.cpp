// The formatting service of the companion module, loaded through the host's
// dynamic linker as the module does: publication, the written forms, the text
// it refuses, and format then parse giving the value back within the
// precision over many values and every mode.
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "host/rx.h"
#include "platform/wide_string.h"
#include "tests/units/call_rows.h"
#include "units/kovt_service.h"
#include "units/zem_enabler_service.h"

namespace {

constexpr const wchar_t* kZemModuleFile = L"KovtZemEnabler.zem";

class ZemEnablerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pnrxDynamicLinker()->loadModule(kZemModuleFile)) << WideToUtf8(pnrxDynamicLinker()->lastLoadError());
    zem = KovtFindService<TxISvZemEnabler>(kZemEnablerServiceName);
    ASSERT_NE(zem, nullptr);
  }
  void TearDown() override { pnrxDynamicLinker()->unloadModule(kZemModuleFile); }

  TxISvZemEnabler* zem = nullptr;
};

// Loading publishes the service (see the fixture), but not while the name is taken.
TEST(ZemModule, RefusesToLoadWhileItsServiceNameIsTaken) {
  auto* other = new PnRxService;
  ASSERT_NE(pnrxDynamicLinker()->registerService(kZemEnablerServiceName, other), nullptr);
  EXPECT_FALSE(pnrxDynamicLinker()->loadModule(kZemModuleFile));
  EXPECT_FALSE(pnrxDynamicLinker()->isModuleLoaded(kZemModuleFile));
  EXPECT_TRUE(KovtWithdrawService(kZemEnablerServiceName, other));  // still the other one
}

// Each row writes or reads one text; a refusal leaves the output as it was.
TEST_F(ZemEnablerTest, WritesAndReadsTheGoldenTexts) {
  constexpr double kDegree = std::numbers::pi / 180.0;
  for (const GoldenRow& row : ReadGoldenRows("units/data/zem_texts.txt", 5)) {
    const std::string where = WideToUtf8(row[0] + L" " + row[3]);
    const int mode = std::stoi(row[1]);
    wchar_t text[kZemTextBufferSize] = L"kept";
    double value = 7.0;
    int code = kZemOk;
    if (row[0] == L"write") code = zem->RealToText(D(row[3]), mode, std::stoi(row[2]), text);
    else if (row[0] == L"write-angle") code = zem->AngleToText(D(row[3]) * kDegree, mode, std::stoi(row[2]), text);
    else if (row[0] == L"read") code = zem->TextToDistance(row[3].c_str(), mode, value);
    else code = zem->TextToAngle(row[3].c_str(), mode, value);
    if (row[4][0] == L'<') {
      EXPECT_EQ(L"<" + std::to_wstring(code) + L">", row[4]) << where;
      EXPECT_STREQ(text, L"kept") << where;
      EXPECT_EQ(value, 7.0) << where;
    } else if (row[0].starts_with(L"write")) {
      ASSERT_EQ(code, kZemOk) << where;
      EXPECT_EQ(std::wstring(text), row[4]) << where;
    } else {
      ASSERT_EQ(code, kZemOk) << where;
      EXPECT_DOUBLE_EQ(value, D(row[4]) * (row[0] == L"read" ? 1.0 : kDegree)) << where;
    }
  }
  double value = 0.0;
  EXPECT_EQ(zem->RealToText(1.0, kZemDecimal, 2, nullptr), kZemBadArgument);
  EXPECT_EQ(zem->TextToDistance(nullptr, kZemDecimal, value), kZemBadArgument);
}

std::vector<double> SampleValues() {
  std::vector<double> values = {0.0, 0.5, 1.0, 11.999, 12.0, 15.5, 0.03125, 1.0 / 3.0, 2.675, 99999.99};
  for (int i = -400; i <= 400; ++i) values.push_back(i * 0.37 + i * i * 0.0013);
  for (double magnitude = 1e-3; magnitude < 1e7; magnitude *= 7.3) {
    values.push_back(magnitude);
    values.push_back(-magnitude * 1.0001);
  }
  return values;
}

// The largest error rounding may make in a mode at a precision.
double Tolerance(int mode, int precision, double value) {
  const int decimals = precision < 0 ? kZemMaxPrecision : std::min(precision, kZemMaxPrecision);
  const double slack = 1e-12 * std::max(1.0, std::fabs(value));
  switch (mode) {
    case kZemScientific: {
      const double exponent = value == 0.0 ? 0.0 : std::floor(std::log10(std::fabs(value)));
      return 0.5 * std::pow(10.0, exponent - decimals) * 1.0000001 + slack;
    }
    case kZemArchitectural:
    case kZemFractional: return 0.5 / std::ldexp(1.0, decimals) + slack;
    default: return 0.5 * std::pow(10.0, -decimals) + slack;
  }
}

// Sample values must also read back as they write; text written for the
// extremes of double must read back too: rounding may not carry past the
// largest double, nor a tiny value fall below the smallest. Only scientific
// text fits every finite value into the buffer, and rounding toward zero near
// the largest double may cost a whole last digit.
TEST_F(ZemEnablerTest, DistancesRoundTripInEveryMode) {
  using Limits = std::numeric_limits<double>;
  std::vector<double> extremes;
  for (double magnitude : {Limits::max(), 1.7415138528668513e308, 9.9999999999e307, 1e308, Limits::min(),
                           Limits::denorm_min(), 3 * Limits::denorm_min(), 1.5e-310, -0.0, 1e22, 4503599627370497.5})
    extremes.insert(extremes.end(), {magnitude, -magnitude});
  int checked = 0;
  for (int mode = kZemScientific; mode <= kZemFractional; ++mode) {
    for (int precision = -1; precision <= kZemMaxPrecision; ++precision) {
      for (const bool extreme : {false, true}) {
        for (double value : extreme ? extremes : SampleValues()) {
          const std::string where = std::to_string(value) + " mode " + std::to_string(mode) + " precision " +
                                    std::to_string(precision);
          wchar_t text[kZemTextBufferSize] = L"";
          const int written = zem->RealToText(value, mode, precision, text);
          if (extreme && mode != kZemScientific && written == kZemError) continue;
          ASSERT_EQ(written, kZemOk) << where;
          double parsed = 0.0;
          ASSERT_EQ(zem->TextToDistance(text, mode, parsed), kZemOk) << WideToUtf8(text) << " " << where;
          ASSERT_LE(std::fabs(parsed - value), (extreme ? 2 : 1) * Tolerance(mode, precision, value))
              << WideToUtf8(text) << " -> " << parsed << " " << where;
          if (extreme) continue;
          wchar_t again[kZemTextBufferSize] = L"";
          ASSERT_EQ(zem->RealToText(parsed, mode, precision, again), kZemOk);
          ASSERT_STREQ(again, text) << where;
          ++checked;
        }
      }
    }
  }
  EXPECT_GT(checked, 30000);
}

}  // namespace
