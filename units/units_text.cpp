// Values of the formwork written for its descriptions and dimensions.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "jobsettings/access_points.h"
#include "units/unit_conversion.h"
#include "units/unit_info.h"
#include "units/unit_lists.h"

namespace KovtUnit {

namespace {

// Which formwork settings a text takes for values below one unit and from one unit on.
struct TextSettings {
  KOVTString XUNITS::*belowUnit;
  KOVTString XUNITS::*aboveUnit;
  std::int32_t XUNITS::*belowPrecision;
  std::int32_t XUNITS::*abovePrecision;
};

using Formwork = XUNITS;
constexpr TextSettings kDescriptionSettings{&Formwork::DescLessThenOne, &Formwork::DescGreaterThenOne,
                                            &Formwork::DescLessThanOnePrecision,
                                            &Formwork::DescGreaterThanOnePrecision};
constexpr TextSettings kDimensionSettings{&Formwork::LessThenOne, &Formwork::GreaterThenOne,
                                          &Formwork::LessThanOnePrecision, &Formwork::GreaterThanOnePrecision};

// Decimals beyond what a double holds only add noise.
constexpr int kMaxDecimals = 16;

KOVTString WorkValueText(double workValue, const TextSettings& which) {
  const KOVTFormworkJobSettings* settings = FORMWORK_JOBSET();
  if (settings == nullptr) return {};
  const XUNITS& units = settings->Units;
  // How many units of the length list's first entry one work unit makes.
  const double firstUnitsPerWorkUnit = GetCoeffFromSel(0);
  const bool below = 1.0 / firstUnitsPerWorkUnit > std::fabs(workValue);
  const KOVTString& unit = units.*(below ? which.belowUnit : which.aboveUnit);
  const int precision = std::clamp<int>(units.*(below ? which.belowPrecision : which.abovePrecision), 0, kMaxDecimals);
  const double workUnitsPerUnit = GetCoeffFromSel(GetLengthSel(units.WorkUnits), unit);
  KOVTString text;
  text.Format(L"%.*f", precision, workValue / workUnitsPerUnit);
  return text;
}

}  // namespace

KOVTString BaseValue2DescText(double baseValue) { return WorkValueText(baseValue, kDescriptionSettings); }

KOVTString BaseValue2DimText(double baseValue) { return WorkValueText(baseValue, kDimensionSettings); }

}  // namespace KovtUnit
