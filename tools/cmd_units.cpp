// units: converting values between units and formatting numbers the way
// the detailing applications display them.
#include <cmath>
#include <iomanip>
#include <iostream>
#include <memory>
#include <numbers>
#include <sstream>

#include "tools/cli_error.h"
#include "tools/commands.h"
#include "tools/values.h"
#include "units/kovt_service.h"
#include "units/unit_factors.h"
#include "units/zem_enabler_service.h"

namespace {

struct ConvertOptions {
  std::string value;
  std::string from;
  std::string to;
  int precision = -1;
};

struct FormatOptions {
  std::string value;
  std::string mode = "decimal";
  int precision = 4;
};

// The display modes of the formatting service by name; "degrees" formats
// an angle given in degrees.
const std::map<std::string, int> kFormatModes = {
    {"scientific", kZemScientific},       {"decimal", kZemDecimal},       {"engineering", kZemEngineering},
    {"architectural", kZemArchitectural}, {"fractional", kZemFractional}, {"degrees", kZemDecimalDegrees},
};

std::string KnownUnits() {
  std::string names;
  for (int code = 0; code < KovtUnit::kCodeCount; ++code) names += (code ? ", " : "") + Utf8(KovtUnit::NameOfCode(code));
  return names;
}

int UnitCode(const std::string& name) {
  std::optional<int> code = KovtUnit::CodeOfName(Wide(name));
  if (!code) throw CliError("unknown unit '" + name + "' (units: " + KnownUnits() + ")");
  return *code;
}

double Number(const std::string& text) {
  try {
    return std::get<double>(ParseText(Kind::Double, text));
  } catch (const CliError& error) {
    throw CliError(std::string("value: ") + error.what());
  }
}

int RunConvert(const ConvertOptions& options) {
  const double value = Number(options.value);
  const int from = UnitCode(options.from), to = UnitCode(options.to);
  const auto quantity = static_cast<KovtUnit::Quantity>(from / KovtUnit::kCodesPerQuantity * KovtUnit::kCodesPerQuantity);
  std::optional<double> result = KovtUnit::ConvertByCodes(quantity, from, to, value);
  if (!result) throw CliError("cannot convert " + options.from + " to " + options.to + ": not the same quantity");
  if (options.precision >= 0)
    std::cout << std::fixed << std::setprecision(options.precision) << *result << '\n';
  else
    std::cout << Text(Value(*result)) << '\n';
  return kExitOk;
}

int RunFormat(const FormatOptions& options) {
  const double value = Number(options.value);
  TxISvZemEnabler* enabler = KovtFindService<TxISvZemEnabler>(kZemEnablerServiceName);
  if (enabler == nullptr) throw CliError("the formatting module KovtZemEnabler.zem is not loaded");
  const int mode = kFormatModes.at(options.mode);
  wchar_t text[kZemTextBufferSize] = {};
  const int status = mode == kZemDecimalDegrees
                         ? enabler->AngleToText(value * std::numbers::pi / 180.0, mode, options.precision, text)
                         : enabler->RealToText(value, mode, options.precision, text);
  if (status != kZemOk) throw CliError("cannot format " + options.value + " in " + options.mode + " mode");
  std::cout << Utf8(text) << '\n';
  return kExitOk;
}

std::vector<std::string> ModeNames() {
  std::vector<std::string> names;
  for (const auto& [name, mode] : kFormatModes) names.push_back(name);
  return names;
}

}  // namespace

void AddUnitsCommand(CLI::App& app, CommandList& commands) {
  CLI::App* units = app.add_subcommand("units", "Unit conversion and number formatting");
  units->require_subcommand(1);

  auto [convertCommand, convert] = AddSubcommand<ConvertOptions>(
      *units, commands, "convert",
      "Convert a value between two units of one quantity (mm cm m in ft, mm2 ..., t kg lb ustons N, deg rad)",
      RunConvert);
  convertCommand->add_option("value", convert.value, "Value")->required();
  convertCommand->add_option("from", convert.from, "Unit of the value")->required();
  convertCommand->add_option("to", convert.to, "Unit wanted")->required();
  convertCommand->add_option("-p,--precision", convert.precision, "Decimals (default: as many as needed)")
      ->check(CLI::Range(0, 17));

  auto [formatCommand, format] = AddSubcommand<FormatOptions>(
      *units, commands, "format",
      "Format a number as the applications display it (engineering and architectural take inches)", RunFormat);
  formatCommand->add_option("value", format.value, "Value (degrees in degrees mode)")->required();
  formatCommand->add_option("--mode", format.mode, "Display mode")->capture_default_str()->check(CLI::IsMember(ModeNames()));
  formatCommand->add_option("-p,--precision", format.precision,
                            "Decimals, or for fractions the finest 1/2^p (-1: as many as needed)")
      ->capture_default_str()
      ->check(CLI::Range(-1, kZemMaxPrecision));
}
