#include "zem/zem_enabler.h"

#include <algorithm>
#include <numbers>

#include "zem/number_format.h"
#include "zem/number_parse.h"

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

int WriteText(const std::optional<std::string>& text, wchar_t* buffer) {
  if (!text || text->size() >= static_cast<std::size_t>(kZemTextBufferSize)) return kZemError;
  *std::copy(text->begin(), text->end(), buffer) = L'\0';  // the forms are plain ASCII
  return kZemOk;
}

int ReadValue(const std::optional<double>& parsed, double scale, double& value) {
  if (!parsed) return kZemError;
  value = *parsed * scale;
  return kZemOk;
}

}  // namespace

int KovtZemEnablerService::RealToText(double value, int mode, int precision, wchar_t* text) {
  if (text == nullptr || !KovtZem::IsLinearMode(mode)) return kZemBadArgument;
  return WriteText(KovtZem::FormatDistance(value, mode, precision), text);
}

int KovtZemEnablerService::AngleToText(double radians, int mode, int precision, wchar_t* text) {
  if (text == nullptr || mode != kZemDecimalDegrees) return kZemBadArgument;
  return WriteText(KovtZem::FormatDegrees(radians * kDegreesPerRadian, precision), text);
}

int KovtZemEnablerService::TextToDistance(const wchar_t* text, int mode, double& value) {
  if (text == nullptr || !KovtZem::IsLinearMode(mode)) return kZemBadArgument;
  return ReadValue(KovtZem::ParseDistance(text, mode), 1.0, value);
}

int KovtZemEnablerService::TextToAngle(const wchar_t* text, int mode, double& radians) {
  if (text == nullptr || mode != kZemDecimalDegrees) return kZemBadArgument;
  return ReadValue(KovtZem::ParseDegrees(text), 1.0 / kDegreesPerRadian, radians);
}
