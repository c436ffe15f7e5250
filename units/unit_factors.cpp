#include "units/unit_factors.h"

#include <array>

namespace KovtUnit {

namespace {

// Row: the source code. Column: the target code minus its quantity's base.
// Only columns 0 (deg) and 1 (rad) of the angle rows are meaningful.
using FactorRow = std::array<double, kCodesPerQuantity>;
constexpr std::array<FactorRow, kCodeCount> kFactors{{
    {1.0, 0.1, 0.001, 0.03937007874015748, 0.0032808398950131233},                      // mm
    {10.0, 1.0, 0.01, 0.3937007874015748, 0.03280839895013124},                         // cm
    {1000.0, 100.0, 1.0, 39.37007874015748, 3.2808398950131235},                        // m
    {25.4, 2.54, 0.0254, 1.0, 0.08333333333333333},                                     // in
    {304.8, 30.48, 0.3048, 12.0, 1.0},                                                  // ft
    {1.0, 0.01, 1e-06, 0.0015500031000062, 1.0763910416709721e-05},                     // mm2
    {100.0, 1.0, 0.0001, 0.15500031000062, 0.0010763910416709726},                      // cm2
    {1000000.0, 10000.0, 1.0, 1550.0031000062002, 10.763910416709724},                  // m2
    {645.16, 6.4516, 0.00064516, 1.0, 0.006944444444444444},                            // in2
    {92903.04, 929.0304, 0.09290304, 144.0, 1.0},                                       // ft2
    {1.0, 0.001, 1e-09, 6.1023744094732284e-05, 3.5314666721488584e-08},                // mm3
    {1000.0, 1.0, 1e-06, 0.06102374409473229, 3.531466672148861e-05},                   // cm3
    {1000000000.0, 1000000.0, 1.0, 61023.74409473229, 35.31466672148859},               // m3
    {16387.064, 16.387064, 1.6387064e-05, 1.0, 0.0005787037037037037},                  // in3
    {28316846.592, 28316.846592, 0.028316846592, 1728.0, 1.0},                          // ft3
    {1.0, 1000.0, 2204.62262185, 1.102310995, 9806.65},                                 // t
    {0.001, 1.0, 2.20462262185, 0.001102310995, 9.80665},                               // kg
    {0.00045359237, 0.45359237, 1.0, 0.0005, 4.44822161526},                            // lb
    {0.907185, 907.185, 2000.0, 1.0, 8896.44323},                                       // ustons
    {0.00010197162129779283, 0.10197162129779283, 0.2248089430997358, 0.00011240447155643794, 1.0},  // N
    {1.0, 0.017453292519943295, 1.0, 1.0, 1.0},                                         // deg
    {57.29577951308232, 1.0, 1.0, 1.0, 1.0},                                            // rad
}};

std::optional<Quantity> QuantityOf(int code) {
  for (Quantity quantity : {Quantity::Length, Quantity::Surface, Quantity::Volume, Quantity::Mass, Quantity::Angle})
    if (IsCodeOf(quantity, code)) return quantity;
  return std::nullopt;
}

}  // namespace

std::optional<double> Factor(int from, int to) {
  const std::optional<Quantity> quantity = QuantityOf(from);
  if (!quantity || !IsCodeOf(*quantity, to)) return std::nullopt;
  return kFactors[static_cast<std::size_t>(from)][static_cast<std::size_t>(to - BaseCode(*quantity))];
}

std::optional<double> ConvertByCodes(Quantity quantity, int from, int to, double value) {
  const int column = to - BaseCode(quantity);
  if (from < 0 || from >= kCodeCount || to < 0 || to >= kCodeCount || column < 0 || column >= kCodesPerQuantity)
    return std::nullopt;
  return value * kFactors[static_cast<std::size_t>(from)][static_cast<std::size_t>(column)];
}

bool ConvertByNames(Quantity quantity, const KOVTString& from, const KOVTString& to, double value, double& result) {
  const std::optional<int> fromCode = CodeOfName(from);
  const std::optional<int> toCode = CodeOfName(to);
  if (!fromCode || !toCode || !IsCodeOf(quantity, *fromCode) || !IsCodeOf(quantity, *toCode)) return false;
  result = value * *Factor(*fromCode, *toCode);
  return true;
}

}  // namespace KovtUnit
