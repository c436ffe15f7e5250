// Reading lengths and angles back from text.
//
// The forms accepted are listed in units/zem_enabler_service.h. Each function
// answers nothing for text it cannot read in full.
#pragma once

#include <optional>
#include <string_view>

namespace KovtZem {

// A length in drawing units (inches for feet-and-inch text); `mode` 1..5.
std::optional<double> ParseDistance(std::wstring_view text, int mode);
std::optional<double> ParseDegrees(std::wstring_view text);

}  // namespace KovtZem
