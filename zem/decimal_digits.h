// Decimal digits of a double, and their rounding.
//
// Values are rounded from their shortest round-trip decimal form, so a value
// written as 2.675 rounds to 2.68 as the user reads it, not to 2.67 as its
// binary neighbour would. Rounding is half away from zero.
#pragma once

#include <optional>
#include <string>

namespace KovtZem {

// A non-negative number d0.d1d2... x 10^exponent. Zero is {"0", 0}; other
// values have no leading or trailing zero digit.
struct DecimalDigits {
  std::string digits;
  int exponent = 0;

  bool IsZero() const { return digits == "0"; }
  // Decimals needed to write the value exactly.
  int FractionDigits() const;
};

// The shortest decimal form that reads back as `magnitude` (finite, >= 0).
DecimalDigits ShortestDigits(double magnitude);

enum class Rounding { HalfAwayFromZero, TowardZero };

// Keeps the first `count` significant digits (none when count <= 0),
// rounding the rest away; a carry may raise the exponent.
DecimalDigits RoundToSignificant(const DecimalDigits& number, int count,
                                 Rounding rounding = Rounding::HalfAwayFromZero);

// Whether the number, written out, reads back as a finite double: false once
// rounding has carried it past the largest one.
bool ReadsBackFinite(const DecimalDigits& number);

// Rounds to `decimals` places and writes the value times 10^decimals as a
// whole number: 2.675 with 2 decimals gives "268".
std::string ScaledWhole(const DecimalDigits& number, int decimals);

// The scaled whole number of ScaledWhole, or nothing when it does not fit.
std::optional<unsigned long long> ScaledWholeValue(const DecimalDigits& number, int decimals);

// Writes the scaled whole number `whole` with `decimals` places ("268", 2 -> "2.68").
std::string InsertDecimalPoint(std::string whole, int decimals);

// "12.500" -> "12.5", "1.000" -> "1"; texts without a point are left alone.
std::string DropTrailingZeros(std::string text);

}  // namespace KovtZem
