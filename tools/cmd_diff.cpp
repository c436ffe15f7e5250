// diff: the settings of two drawings compared module by module, set by set,
// key by key.
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
  std::string first;
  std::string second;
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

std::vector<Difference> Compare(const DiffOptions& options) {
  std::unique_ptr<Drawing> first = Drawing::Open(options.first);
  std::unique_ptr<Drawing> second = Drawing::Open(options.second);
  std::vector<Difference> differences;
  for (const ModuleRow& module : ModuleTable()) {
    if (!options.modules.empty() &&
        std::find(options.modules.begin(), options.modules.end(), module.name) == options.modules.end())
      continue;
    CompareModule(module.name, Capture(module, *first), Capture(module, *second), differences);
  }
  return differences;
}

void PrintText(const std::vector<Difference>& differences) {
  for (const Difference& difference : differences) {
    std::cout << difference.module;
    if (!difference.set.empty()) std::cout << '/' << difference.set;
    std::cout << ": " << difference.what << ": " << difference.firstText.value_or("(none)") << " -> "
              << difference.secondText.value_or("(none)") << '\n';
  }
}

void PrintJson(const DiffOptions& options, const std::vector<Difference>& differences) {
  JsonValue list = JsonValue::array();
  for (const Difference& difference : differences) {
    JsonValue entry = {{"module", difference.module}};
    if (!difference.set.empty()) entry["set"] = difference.set;
    entry[difference.set.empty() ? "item" : "key"] = difference.what;
    entry["first"] = difference.first.value_or(JsonValue());
    entry["second"] = difference.second.value_or(JsonValue());
    list.push_back(std::move(entry));
  }
  std::cout << JsonValue{{"first", options.first}, {"second", options.second}, {"differences", list}}.dump(2) << '\n';
}

int RunDiff(const DiffOptions& options) {
  const std::vector<Difference> differences = Compare(options);
  if (options.json)
    PrintJson(options, differences);
  else
    PrintText(differences);
  return options.exitCode && !differences.empty() ? kExitFailure : kExitOk;
}

}  // namespace

void AddDiffCommand(CLI::App& app, CommandList& commands) {
  auto options = std::make_shared<DiffOptions>();
  CLI::App* command = app.add_subcommand(
      "diff",
      "Compare the settings of two drawings. One line per difference: 'module[/set]: item: first -> second', "
      "'(none)' where a drawing has nothing; no output when they agree");
  AddDrawingArgument(command, options->first, "first", "First drawing file");
  AddDrawingArgument(command, options->second, "second", "Second drawing file");
  AddModulesOption(command, options->modules, "Module to compare (repeatable; default: all)");
  command->add_flag("--json", options->json, "Print the differences as JSON");
  command->add_flag("--exit-code", options->exitCode, "Exit with 1 when the drawings differ");
  commands.Add(command, [options] { return RunDiff(*options); });
}
