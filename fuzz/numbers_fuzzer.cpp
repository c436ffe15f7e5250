// The number parsers on arbitrary text, and the formatter against them: what
// the formatter writes must read back, within the rounding its precision
// allows, and must write again to the same text.
//
// Input: mode byte, precision byte, 8 bytes of a double, then text (one
// character per byte, so the degree sign is byte 0xB0).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "units/zem_enabler_service.h"
#include "zem/number_format.h"
#include "zem/number_parse.h"

namespace {

constexpr int kAngleMode = kZemFractional + 1;

[[noreturn]] void Mismatch(const char* what, double value, int mode, int precision, const std::string& text) {
  std::fprintf(stderr, "%s: value %.17g mode %d precision %d text \"%s\"\n", what, value, mode, precision,
               text.c_str());
  std::abort();
}

int Places(int precision) { return precision < 0 ? kZemMaxPrecision : std::min(precision, kZemMaxPrecision); }

bool Binary(int mode) { return mode == kZemArchitectural || mode == kZemFractional; }

// How far a read-back value may lie from the one written.
double Tolerance(double value, int mode, int precision) {
  const int places = Places(precision);
  const double magnitude = std::fabs(value);
  // Rounding goes from the shortest decimal form, which may sit an ulp off.
  const double slack = magnitude * 1e-15 + 1e-300;
  if (Binary(mode)) return std::ldexp(0.5, -places) + slack;
  if (mode == kZemScientific) {
    const double unit = std::pow(10.0, std::floor(std::log10(magnitude == 0 ? 1 : magnitude)) - places);
    return unit + slack;  // a carry (9.96 -> 1.0E+01) shifts the unit by one place
  }
  return 0.5 * std::pow(10.0, -places) * (1 + 1e-9) + slack;
}

// Whether the text's last place is well above the value's ulp, so that
// reading it back cannot round it to a neighbour (feet are read as doubles).
bool ExactlyReadable(double value, int mode, int precision) {
  if (mode == kZemScientific) return true;
  const double scale = Binary(mode) ? std::ldexp(1.0, Places(precision)) : std::pow(10.0, Places(precision));
  return std::fabs(value) * scale < std::ldexp(1.0, 50);
}

std::optional<std::string> Format(double value, int mode, int precision) {
  return mode == kAngleMode ? KovtZem::FormatDegrees(value, precision) : KovtZem::FormatDistance(value, mode, precision);
}

std::optional<double> Parse(const std::string& text, int mode) {
  const std::wstring wide(text.begin(), text.end());
  return mode == kAngleMode ? KovtZem::ParseDegrees(wide) : KovtZem::ParseDistance(wide, mode);
}

void CheckRoundTrip(double value, int mode, int precision) {
  const std::optional<std::string> text = Format(value, mode, precision);
  if (!text) return;
  const std::optional<double> back = Parse(*text, mode);
  if (!back) Mismatch("written text does not read back", value, mode, precision, *text);
  if (!(std::fabs(*back - value) <= Tolerance(value, mode, precision)))
    Mismatch("written text reads back as another value", value, mode, precision, *text);
  // With natural precision the digits depend on the exact double, which
  // feet-and-inch arithmetic may move by an ulp.
  if (precision >= 0 && ExactlyReadable(value, mode, precision) && Format(*back, mode, precision) != text)
    Mismatch("read-back value writes other text", value, mode, precision, *text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 10) return 0;
  const int mode = data[0] % (kAngleMode + 1);  // 0 is out of range for lengths: refused, never written
  const int precision = static_cast<std::int8_t>(data[1]) % (kZemMaxPrecision + 4);
  double value;
  std::memcpy(&value, data + 2, sizeof value);
  CheckRoundTrip(value, mode, precision);

  const std::string text(reinterpret_cast<const char*>(data + 10), size - 10);
  if (const std::optional<double> parsed = Parse(text, mode); parsed && !std::isfinite(*parsed))
    Mismatch("text reads as a value that is not finite", *parsed, mode, precision, text);
  return 0;
}
