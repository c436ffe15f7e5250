// Format then parse gives the value back within the precision, and formatting
// the parsed value again gives the same text, over many values and every mode.
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "tests/units/zem_fixture.h"

namespace {

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
  wchar_t text[kZemTextBufferSize];
  for (double value : {Limits::infinity(), -Limits::infinity(), Limits::quiet_NaN()})
    for (int mode = kZemScientific; mode <= kZemFractional; ++mode)
      EXPECT_EQ(zem->RealToText(value, mode, 2, text), kZemError) << value << " mode " << mode;
}

TEST_F(ZemEnablerTest, AnglesRoundTripInDegrees) {
  for (int precision = -1; precision <= kZemMaxPrecision; ++precision) {
    for (double degrees = -720.0; degrees <= 720.0; degrees += 3.7) {
      const double radians = degrees * std::numbers::pi / 180.0;
      wchar_t text[kZemTextBufferSize] = L"";
      ASSERT_EQ(zem->AngleToText(radians, kZemDecimalDegrees, precision, text), kZemOk);
      double parsed = 0.0;
      ASSERT_EQ(zem->TextToAngle(text, kZemDecimalDegrees, parsed), kZemOk) << WideToUtf8(text);
      ASSERT_LE(std::fabs(parsed - radians) * 180.0 / std::numbers::pi,
                Tolerance(kZemDecimal, precision, degrees))
          << degrees << " -> " << WideToUtf8(text);
    }
  }
}

}  // namespace
