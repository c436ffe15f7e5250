#include "zem/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "units/zem_enabler_service.h"
#include "zem/decimal_digits.h"

namespace KovtZem {

namespace {

constexpr unsigned long long kInchesPerFoot = 12;

bool Natural(int precision) { return precision < 0; }

// Decimals of a fixed-point form: as given, or as many as the value needs.
int DecimalsFor(const DecimalDigits& number, int precision) {
  return std::min(Natural(precision) ? number.FractionDigits() : precision, kZemMaxPrecision);
}

std::string Fixed(const DecimalDigits& number, int precision) {
  const int decimals = DecimalsFor(number, precision);
  std::string text = InsertDecimalPoint(ScaledWhole(number, decimals), decimals);
  return Natural(precision) ? DropTrailingZeros(text) : text;
}

std::string Scientific(const DecimalDigits& number, int precision) {
  const int decimals =
      std::min(Natural(precision) ? static_cast<int>(number.digits.size()) - 1 : precision, kZemMaxPrecision);
  DecimalDigits rounded = RoundToSignificant(number, decimals + 1);
  // Rounding up past the largest double would write a text no reader takes
  // ("2E+308"); the largest number of the same form is written instead.
  if (!ReadsBackFinite(rounded)) rounded = RoundToSignificant(number, decimals + 1, Rounding::TowardZero);
  std::string mantissa = rounded.digits;
  mantissa.resize(static_cast<std::size_t>(decimals) + 1, '0');
  if (decimals > 0) mantissa.insert(1, 1, '.');
  if (Natural(precision)) mantissa = DropTrailingZeros(mantissa);
  char exponent[16];
  std::snprintf(exponent, sizeof exponent, "E%+03d", rounded.exponent);
  return mantissa + exponent;
}

std::optional<std::string> Engineering(const DecimalDigits& number, int precision) {
  const int decimals = DecimalsFor(number, precision);
  const std::optional<unsigned long long> scaled = ScaledWholeValue(number, decimals);
  if (!scaled) return std::nullopt;
  unsigned long long perFoot = kInchesPerFoot;
  for (int i = 0; i < decimals; ++i) perFoot *= 10;
  std::string inches = InsertDecimalPoint(std::to_string(*scaled % perFoot), decimals);
  if (Natural(precision)) inches = DropTrailingZeros(inches);
  return std::to_string(*scaled / perFoot) + "'-" + inches + "\"";
}

// A magnitude rounded to the nearest 1/2^precision, the fraction in lowest terms.
struct Fraction {
  unsigned long long whole = 0, numerator = 0, denominator = 1;
};

std::optional<Fraction> ToFraction(double magnitude, int precision) {
  const int bits = Natural(precision) ? kZemMaxPrecision : std::min(precision, kZemMaxPrecision);
  const unsigned long long denominator = 1ULL << bits;
  const double scaled = std::round(magnitude * static_cast<double>(denominator));
  if (!(scaled < std::ldexp(1.0, 62))) return std::nullopt;
  const auto units = static_cast<unsigned long long>(scaled);
  Fraction fraction{units / denominator, units % denominator, denominator};
  const unsigned long long common = std::gcd(fraction.numerator, fraction.denominator);
  fraction.numerator /= common;
  fraction.denominator /= common;
  return fraction;
}

std::string FractionPart(const Fraction& fraction) {
  return std::to_string(fraction.numerator) + "/" + std::to_string(fraction.denominator);
}

std::optional<std::string> Architectural(double magnitude, int precision) {
  const std::optional<Fraction> fraction = ToFraction(magnitude, precision);
  if (!fraction) return std::nullopt;
  std::string text = std::to_string(fraction->whole / kInchesPerFoot) + "'-" +
                     std::to_string(fraction->whole % kInchesPerFoot);
  if (fraction->numerator != 0) text += " " + FractionPart(*fraction);
  return text + "\"";
}

std::optional<std::string> Fractional(double magnitude, int precision) {
  const std::optional<Fraction> fraction = ToFraction(magnitude, precision);
  if (!fraction) return std::nullopt;
  if (fraction->numerator == 0) return std::to_string(fraction->whole);
  if (fraction->whole == 0) return FractionPart(*fraction);
  return std::to_string(fraction->whole) + " " + FractionPart(*fraction);
}

// A value that rounds to zero is written without a minus sign.
std::string Signed(bool negative, std::string text) {
  const bool nonZero = std::any_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
  return negative && nonZero ? "-" + text : text;
}

}  // namespace

bool IsLinearMode(int mode) { return mode >= kZemScientific && mode <= kZemFractional; }

std::optional<std::string> FormatDistance(double value, int mode, int precision) {
  if (!std::isfinite(value) || !IsLinearMode(mode)) return std::nullopt;
  const double magnitude = std::fabs(value);
  std::optional<std::string> text;
  switch (mode) {
    case kZemScientific: text = Scientific(ShortestDigits(magnitude), precision); break;
    case kZemDecimal: text = Fixed(ShortestDigits(magnitude), precision); break;
    case kZemEngineering: text = Engineering(ShortestDigits(magnitude), precision); break;
    case kZemArchitectural: text = Architectural(magnitude, precision); break;
    default: text = Fractional(magnitude, precision); break;
  }
  if (!text) return std::nullopt;
  return Signed(std::signbit(value), *text);
}

std::optional<std::string> FormatDegrees(double degrees, int precision) {
  if (!std::isfinite(degrees)) return std::nullopt;
  return Signed(std::signbit(degrees), Fixed(ShortestDigits(std::fabs(degrees)), precision));
}

}  // namespace KovtZem
