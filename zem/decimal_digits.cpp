#include "zem/decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace KovtZem {

int DecimalDigits::FractionDigits() const {
  if (IsZero()) return 0;
  return std::max(0, static_cast<int>(digits.size()) - 1 - exponent);
}

DecimalDigits ShortestDigits(double magnitude) {
  // "d.ddde+XX" or "de+XX"
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
  const std::string form(text, result.ptr);
  const std::size_t e = form.find('e');
  DecimalDigits number;
  for (std::size_t i = 0; i < e; ++i)
    if (form[i] != '.') number.digits += form[i];
  number.exponent = std::atoi(form.c_str() + e + 1);
  while (number.digits.size() > 1 && number.digits.back() == '0') number.digits.pop_back();
  if (number.digits == "0") number.exponent = 0;
  return number;
}

DecimalDigits RoundToSignificant(const DecimalDigits& number, int count, Rounding rounding) {
  const DecimalDigits zero{"0", 0};
  if (number.IsZero() || count >= static_cast<int>(number.digits.size())) return number;
  if (count < 0) return zero;
  const bool roundUp =
      rounding == Rounding::HalfAwayFromZero && number.digits[static_cast<std::size_t>(count)] >= '5';
  DecimalDigits rounded{number.digits.substr(0, static_cast<std::size_t>(count)), number.exponent};
  if (roundUp) {
    int i = count - 1;
    for (; i >= 0 && rounded.digits[static_cast<std::size_t>(i)] == '9'; --i)
      rounded.digits[static_cast<std::size_t>(i)] = '0';
    if (i >= 0) {
      ++rounded.digits[static_cast<std::size_t>(i)];
    } else {  // 999 -> 1000
      rounded.digits.insert(rounded.digits.begin(), '1');
      ++rounded.exponent;
    }
  }
  while (rounded.digits.size() > 1 && rounded.digits.back() == '0') rounded.digits.pop_back();
  if (rounded.digits.empty() || rounded.digits == "0") return zero;
  return rounded;
}

bool ReadsBackFinite(const DecimalDigits& number) {
  const std::string text = number.digits + "e" + std::to_string(number.exponent + 1 - static_cast<int>(number.digits.size()));
  double value = 0;
  return std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc();
}

std::string ScaledWhole(const DecimalDigits& number, int decimals) {
  const DecimalDigits rounded = RoundToSignificant(number, number.exponent + 1 + decimals);
  if (rounded.IsZero()) return "0";
  const int zeros = rounded.exponent + decimals + 1 - static_cast<int>(rounded.digits.size());
  return rounded.digits + std::string(static_cast<std::size_t>(std::max(0, zeros)), '0');
}

std::optional<unsigned long long> ScaledWholeValue(const DecimalDigits& number, int decimals) {
  const std::string whole = ScaledWhole(number, decimals);
  unsigned long long value = 0;
  const auto result = std::from_chars(whole.data(), whole.data() + whole.size(), value);
  if (result.ec != std::errc() || value > (1ULL << 62)) return std::nullopt;
  return value;
}

std::string InsertDecimalPoint(std::string whole, int decimals) {
  if (decimals <= 0) return whole;
  const auto width = static_cast<std::size_t>(decimals) + 1;
  if (whole.size() < width) whole.insert(0, width - whole.size(), '0');
  whole.insert(whole.size() - static_cast<std::size_t>(decimals), 1, '.');
  return whole;
}

std::string DropTrailingZeros(std::string text) {
  if (text.find('.') == std::string::npos) return text;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

}  // namespace KovtZem
