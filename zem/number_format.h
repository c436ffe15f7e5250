// Writing lengths and angles as text in the host's display modes.
//
// See units/zem_enabler_service.h for the modes and the meaning of the
// precision. Each function answers nothing for a value it cannot write: not
// finite, or too large for the feet-and-inch and fractional forms.
#pragma once

#include <optional>
#include <string>

namespace KovtZem {

bool IsLinearMode(int mode);

std::optional<std::string> FormatDistance(double value, int mode, int precision);
std::optional<std::string> FormatDegrees(double degrees, int precision);

}  // namespace KovtZem
