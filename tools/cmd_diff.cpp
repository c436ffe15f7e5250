// diff: the settings of drawings compared with those of a standard drawing,
// module by module, set by set, key by key.
#include <algorithm>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

#include "tools/cli_error.h"
#include "tools/commands.h"
#include "tools/module_settings.h"

namespace {

struct DiffOptions {
  std::string standard;
  std::vector<std::string> drawings;
  std::vector<std::string> modules;
  bool json = false;
  bool exitCode = false;
};

using SetValues = std::vector<std::pair<KOVTString, Value>>;

// What a drawing holds of one module, detached from the drawing.
struct ModuleImage {
  bool present = false;
  KOVTString defaultSet;
  std::vector<KOVTString> names;
  std::map<KOVTString, SetValues> sets;
};

ModuleImage Capture(const ModuleRow& module, const Drawing& drawing) {
  ModuleImage image;
  ModuleSettings settings(module, drawing);
  image.present = settings.Present();
  if (!image.present) return image;
  image.defaultSet = settings.DefaultSet();
  image.names = settings.SetNames();
  for (const KOVTString& name : image.names) {
    if (image.sets.count(name) != 0) continue;
    settings.LoadSet(name);
    image.sets.emplace(name, settings.Snapshot());
  }
  return image;
}

// One difference: where it is, and what each drawing holds there (nothing
// where it holds nothing).
struct Difference {
  std::string module;
  std::string set;  // empty for the module's presence, default and name list
  std::string what;
  std::optional<JsonValue> first, second;
  std::optional<std::string> firstText, secondText;
};

JsonValue NamesJson(const std::vector<KOVTString>& names) {
  JsonValue list = JsonValue::array();
  for (const KOVTString& name : names) list.push_back(Utf8(name));
  return list;
}

std::string NamesText(const std::vector<KOVTString>& names) {
  std::string text;
  for (const KOVTString& name : names) text += (text.empty() ? "" : ", ") + Quoted(Value(name));
  return text;
}

void CompareSet(const std::string& module, const std::string& set, const SetValues& first, const SetValues& second,
                std::vector<Difference>& out) {
  std::map<KOVTString, const Value*> others;
  for (const auto& [name, value] : second) others.emplace(name, &value);
  for (const auto& [name, value] : first) {
    auto other = others.find(name);
    if (other != others.end() && *other->second == value) {
      others.erase(other);
      continue;
    }
    Difference difference{module, set, Utf8(name), ToJson(value), std::nullopt, Quoted(value), std::nullopt};
    if (other != others.end()) {
      difference.second = ToJson(*other->second);
      difference.secondText = Quoted(*other->second);
      others.erase(other);
    }
    out.push_back(std::move(difference));
  }
  // Keys only the second set has, in its stored order.
  for (const auto& [name, value] : second)
    if (others.count(name) != 0)
      out.push_back({module, set, Utf8(name), std::nullopt, ToJson(value), std::nullopt, Quoted(value)});
}

void CompareModule(const std::string& module, const ModuleImage& first, const ModuleImage& second,
                   std::vector<Difference>& out) {
  if (first.present != second.present) {
    out.push_back({module, "", "settings", first.present ? std::optional<JsonValue>(true) : std::nullopt,
                   second.present ? std::optional<JsonValue>(true) : std::nullopt,
                   first.present ? std::optional<std::string>("present") : std::nullopt,
                   second.present ? std::optional<std::string>("present") : std::nullopt});
    return;
  }
  if (!first.present) return;
  if (first.defaultSet != second.defaultSet)
    out.push_back({module, "", "default set", Utf8(first.defaultSet), Utf8(second.defaultSet),
                   Quoted(Value(first.defaultSet)), Quoted(Value(second.defaultSet))});
  if (first.names != second.names)
    out.push_back({module, "", "sets", NamesJson(first.names), NamesJson(second.names), NamesText(first.names),
                   NamesText(second.names)});
  for (const auto& [name, values] : first.sets) {
    auto other = second.sets.find(name);
    if (other != second.sets.end()) CompareSet(module, Utf8(name), values, other->second, out);
  }
}

// The modules compared, by name, in the order of the module table.
using Images = std::vector<std::pair<std::string, ModuleImage>>;

Images CaptureModules(const DiffOptions& options, const Drawing& drawing) {
  Images images;
  for (const ModuleRow& module : ModuleTable())
    if (options.modules.empty() ||
        std::find(options.modules.begin(), options.modules.end(), module.name) != options.modules.end())
      images.emplace_back(module.name, Capture(module, drawing));
  return images;
}

std::vector<Difference> Compare(const Images& standard, const Images& drawing) {
  std::vector<Difference> differences;
  for (std::size_t i = 0; i < standard.size(); ++i)
    CompareModule(standard[i].first, standard[i].second, drawing[i].second, differences);
  return differences;
}

void PrintText(const std::vector<Difference>& differences, const char* indent) {
  for (const Difference& difference : differences) {
    std::cout << indent << difference.module;
    if (!difference.set.empty()) std::cout << '/' << difference.set;
    std::cout << ": " << difference.what << ": " << difference.firstText.value_or("(none)") << " -> "
              << difference.secondText.value_or("(none)") << '\n';
  }
}

JsonValue DifferencesJson(const std::vector<Difference>& differences) {
  JsonValue list = JsonValue::array();
  for (const Difference& difference : differences) {
    JsonValue entry = {{"module", difference.module}};
    if (!difference.set.empty()) entry["set"] = difference.set;
    entry[difference.set.empty() ? "item" : "key"] = difference.what;
    entry["first"] = difference.first.value_or(JsonValue());
    entry["second"] = difference.second.value_or(JsonValue());
    list.push_back(std::move(entry));
  }
  return list;
}

// One drawing against the standard: the form of `git diff`.
int DiffOne(const DiffOptions& options, const Images& standard) {
  const std::vector<Difference> differences =
      Compare(standard, CaptureModules(options, *Drawing::Open(options.drawings.front())));
  if (options.json)
    std::cout << JsonValue{{"first", options.standard}, {"second", options.drawings.front()},
                           {"differences", DifferencesJson(differences)}}.dump(2)
              << '\n';
  else
    PrintText(differences, "");
  return options.exitCode && !differences.empty() ? kExitFailure : kExitOk;
}

// Many drawings against the standard, as after a rollout: each drawing's
// differences under its name, then how many differ. A drawing that cannot be
// read is reported and the others are still compared.
int DiffMany(const DiffOptions& options, const Images& standard) {
  std::size_t differing = 0, failed = 0;
  JsonValue drawings = JsonValue::array();
  for (const std::string& file : options.drawings) {
    std::vector<Difference> differences;
    try {
      differences = Compare(standard, CaptureModules(options, *Drawing::Open(file)));
    } catch (const CliError& error) {
      ++failed;
      std::cerr << "kovtset: " << error.what() << '\n';
      if (options.json) drawings.push_back({{"drawing", file}, {"error", error.what()}});
      continue;
    }
    if (!differences.empty()) ++differing;
    if (options.json) {
      drawings.push_back({{"drawing", file}, {"differences", DifferencesJson(differences)}});
    } else if (!differences.empty()) {
      std::cout << file << ":\n";
      PrintText(differences, "  ");
    }
  }
  const std::size_t compared = options.drawings.size() - failed;
  if (options.json)
    std::cout << JsonValue{{"standard", options.standard}, {"drawings", drawings}, {"compared", compared},
                           {"differing", differing}, {"failed", failed}}.dump(2)
              << '\n';
  else
    std::cout << differing << " of " << compared << " drawings differ from " << options.standard
              << (failed != 0 ? ", " + std::to_string(failed) + " could not be read" : std::string()) << '\n';
  return failed != 0 || (options.exitCode && differing != 0) ? kExitFailure : kExitOk;
}

int RunDiff(const DiffOptions& options) {
  const Images standard = CaptureModules(options, *Drawing::Open(options.standard));
  return options.drawings.size() == 1 ? DiffOne(options, standard) : DiffMany(options, standard);
}

}  // namespace

void AddDiffCommand(CLI::App& app, CommandList& commands) {
  auto [command, options] = AddSubcommand<DiffOptions>(
      app, commands, "diff",
      "Compare the settings of drawings with those of a standard drawing. One line per difference: "
      "'module[/set]: item: standard -> drawing', '(none)' where a drawing has nothing; no output when they "
      "agree. With several drawings, each drawing's differences follow its name, and a last line says how "
      "many differ",
      RunDiff);
  AddDrawingArgument(command, options.standard, "standard", "The drawing the others are compared with");
  command->add_option("drawings", options.drawings, "Drawing files to compare")->required();
  AddModulesOption(command, options.modules, "Module to compare (repeatable; default: all)");
  command->add_flag("--json", options.json, "Print the differences as JSON");
  command->add_flag("--exit-code", options.exitCode, "Exit with 1 when the drawings differ");
}
