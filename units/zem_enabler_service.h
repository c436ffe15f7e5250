// TxISvZemEnabler: the number-formatting service "KOVT_ZEM_ENABLER".
//
// The companion module KovtZemEnabler.zem publishes it; the units service
// formats and parses every displayed value through it. Every operation
// answers a host result code: kZemOk on success, kZemError when a text cannot
// be read or a value cannot be written, kZemBadArgument for a null pointer or
// an unknown mode. On failure the output is left as it was.
//
// Linear modes (the host's linear-units codes); the value is in drawing units,
// which the feet-and-inch modes take as inches:
//   1 scientific     1.5500E+01
//   2 decimal        15.50
//   3 engineering    1'-3.50"
//   4 architectural  1'-3 1/2"
//   5 fractional     15 1/2
// Angle mode 0 is decimal degrees (45.00); angles cross the interface in radians.
//
// Precision is the number of decimals, or for the fractional forms the
// finest fraction 1/2^precision; it is capped at kZemMaxPrecision. A negative
// precision writes as many decimals as the value needs (up to the cap),
// without trailing zeros.
//
// The parsers read what the formatter writes, and what users type: a sign,
// decimals with or without leading digit, exponents, fractions ("3/4",
// "15 1/2", "15-1/2") and, in modes 3 and 4, feet and inches ("1'", "1'-3\"",
// "1' 3 1/2\"", "3.5\"", "-1'3-1/2\""). Angles may carry a degree sign.
// Surrounding spaces are ignored; anything else is an error.
#pragma once

inline constexpr const wchar_t* kZemEnablerServiceName = L"KOVT_ZEM_ENABLER";

inline constexpr int kZemOk = 5100;
inline constexpr int kZemError = -5001;
inline constexpr int kZemBadArgument = -5002;

// Size of a text buffer, terminator included.
inline constexpr int kZemTextBufferSize = 100;
inline constexpr int kZemMaxPrecision = 8;

// How a length is written; an angle in decimal degrees has code 0.
enum ZemLinearFormat : int { kZemScientific = 1, kZemDecimal, kZemEngineering, kZemArchitectural, kZemFractional };
inline constexpr int kZemDecimalDegrees = 0;

class TxISvZemEnabler {
 public:
  virtual ~TxISvZemEnabler() = default;
  // `text` holds kZemTextBufferSize characters.
  virtual int RealToText(double value, int mode, int precision, wchar_t* text) = 0;
  virtual int AngleToText(double radians, int mode, int precision, wchar_t* text) = 0;
  virtual int TextToDistance(const wchar_t* text, int mode, double& value) = 0;
  virtual int TextToAngle(const wchar_t* text, int mode, double& radians) = 0;
};
