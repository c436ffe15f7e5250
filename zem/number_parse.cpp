#include "zem/number_parse.h"

#include <charconv>
#include <cmath>
#include <string>

#include "units/zem_enabler_service.h"

namespace KovtZem {

namespace {

constexpr double kInchesPerFoot = 12.0;
constexpr wchar_t kDegreeSign = L'\u00B0';

// A number as typed: "12", "12.5", ".5", "1e-3". Whole numbers have neither
// point nor exponent; only they may stand before a fraction.
struct Number {
  double value = 0.0;
  bool whole = true;
};

class Scanner {
 public:
  explicit Scanner(std::wstring_view text) : m_text(text) {}

  bool AtEnd() const { return m_at == m_text.size(); }
  wchar_t Peek(std::size_t ahead = 0) const {
    return m_at + ahead < m_text.size() ? m_text[m_at + ahead] : L'\0';
  }
  bool Accept(wchar_t character) {
    if (Peek() != character) return false;
    ++m_at;
    return true;
  }
  bool SkipSpaces() {
    const std::size_t start = m_at;
    while (Peek() == L' ' || Peek() == L'\t') ++m_at;
    return m_at != start;
  }
  std::size_t Position() const { return m_at; }
  void Rewind(std::size_t position) { m_at = position; }

  std::optional<Number> ReadNumber() {
    std::string ascii;
    Number number;
    const std::size_t integerDigits = TakeDigits(ascii);
    std::size_t fractionDigits = 0;
    if (Peek() == L'.' && IsDigit(Peek(1))) {
      ascii += static_cast<char>(m_text[m_at++]);
      fractionDigits = TakeDigits(ascii);
      number.whole = false;
    } else if (Peek() == L'.' && integerDigits > 0) {  // "12."
      ++m_at;
      number.whole = false;
    }
    if (integerDigits + fractionDigits == 0) return std::nullopt;
    if ((Peek() == L'e' || Peek() == L'E') && HasExponentDigits()) {
      ascii += 'e';
      ++m_at;
      if (Peek() == L'+' || Peek() == L'-') ascii += static_cast<char>(m_text[m_at++]);
      TakeDigits(ascii);
      number.whole = false;
    }
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), number.value);
    if (result.ec != std::errc() || !std::isfinite(number.value)) return std::nullopt;
    return number;
  }

 private:
  static bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
  bool HasExponentDigits() const {
    const std::size_t sign = (Peek(1) == L'+' || Peek(1) == L'-') ? 1 : 0;
    return IsDigit(Peek(1 + sign));
  }
  std::size_t TakeDigits(std::string& ascii) {
    std::size_t count = 0;
    for (; IsDigit(Peek()); ++count) ascii += static_cast<char>(m_text[m_at++]);
    return count;
  }

  std::wstring_view m_text;
  std::size_t m_at = 0;
};

// "3/4" after its numerator was read.
std::optional<double> ReadFractionRest(Scanner& in, const Number& numerator) {
  if (!numerator.whole || !in.Accept(L'/')) return std::nullopt;
  const std::optional<Number> denominator = in.ReadNumber();
  if (!denominator || !denominator->whole || denominator->value == 0.0) return std::nullopt;
  return numerator.value / denominator->value;
}

// A number, a fraction, or a whole number and a fraction apart by spaces or a hyphen.
std::optional<double> ReadQuantity(Scanner& in) {
  const std::optional<Number> first = in.ReadNumber();
  if (!first) return std::nullopt;
  if (in.Peek() == L'/') return ReadFractionRest(in, *first);
  if (!first->whole) return first->value;
  const std::size_t afterWhole = in.Position();
  const bool separated = in.SkipSpaces() || in.Accept(L'-');
  if (separated) {
    if (const std::optional<Number> numerator = in.ReadNumber(); numerator && in.Peek() == L'/') {
      if (const std::optional<double> fraction = ReadFractionRest(in, *numerator))
        return first->value + *fraction;
      return std::nullopt;
    }
  }
  in.Rewind(afterWhole);
  return first->value;
}

// Feet and inches: 1', 1'-3", 1'3 1/2", 1' 3-1/2", 3.5", 3.5
std::optional<double> ReadFeetAndInches(Scanner& in) {
  const std::optional<double> leading = ReadQuantity(in);
  if (!leading) return std::nullopt;
  if (in.Accept(L'"')) return *leading;
  if (!in.Accept(L'\'')) return *leading;
  in.SkipSpaces();
  const bool hyphen = in.Accept(L'-');
  in.SkipSpaces();
  if (in.AtEnd()) {
    if (hyphen) return std::nullopt;  // "1'-" promises inches
    return *leading * kInchesPerFoot;
  }
  const std::optional<double> inches = ReadQuantity(in);
  if (!inches) return std::nullopt;
  in.Accept(L'"');
  return *leading * kInchesPerFoot + *inches;
}

// Reads a sign, the body and trailing spaces; nothing unless the whole text was used.
template <class Body>
std::optional<double> ReadSigned(std::wstring_view text, Body body) {
  Scanner in(text);
  in.SkipSpaces();
  const bool negative = in.Accept(L'-');
  if (!negative) in.Accept(L'+');
  std::optional<double> value = body(in);
  in.SkipSpaces();
  if (!value || !in.AtEnd() || !std::isfinite(*value)) return std::nullopt;
  return negative ? -*value : *value;
}

}  // namespace

std::optional<double> ParseDistance(std::wstring_view text, int mode) {
  const bool feetAndInches = mode == kZemEngineering || mode == kZemArchitectural;
  return ReadSigned(text, [feetAndInches](Scanner& in) {
    return feetAndInches ? ReadFeetAndInches(in) : ReadQuantity(in);
  });
}

std::optional<double> ParseDegrees(std::wstring_view text) {
  return ReadSigned(text, [](Scanner& in) {
    std::optional<double> degrees = ReadQuantity(in);
    if (degrees && !in.Accept(kDegreeSign)) in.Accept(L'd');
    return degrees;
  });
}

}  // namespace KovtZem
