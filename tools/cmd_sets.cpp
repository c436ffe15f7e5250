// sets: the named settings sets of a module: list, add, remove, rename and
// choose the default.
#include <algorithm>
#include <iostream>
#include <memory>

#include "tools/cli_error.h"
#include "tools/commands.h"
#include "tools/module_settings.h"
#include "tools/text_table.h"

namespace {

struct SetsOptions {
  std::string file;
  std::string module;
  std::string name;
  std::string other;  // add: the set copied (--from); rename: the new name
  bool json = false;
};

using SetsAction = void (*)(ModuleSettings& settings, const SetsOptions& options);

KOVTString NewSetName(ModuleSettings& settings, const std::string& name) {
  const KOVTString wide = SetNameOf(name);
  if (settings.HasSet(wide)) throw CliError("there is a set '" + name + "' already");
  return wide;
}

void List(ModuleSettings& settings, const SetsOptions& options) {
  const KOVTString defaultSet = settings.DefaultSet();
  if (options.json) {
    JsonValue names = JsonValue::array();
    for (const KOVTString& name : settings.SetNames()) names.push_back(Utf8(name));
    std::cout << JsonValue{{"module", settings.Module().name}, {"default", Utf8(defaultSet)}, {"sets", names}}.dump(2)
              << '\n';
    return;
  }
  std::vector<TextRow> rows;
  for (const KOVTString& name : settings.SetNames()) rows.push_back({name == defaultSet ? "*" : " ", Utf8(name)});
  PrintTable(std::cout, rows);
}

void Add(ModuleSettings& settings, const SetsOptions& options) {
  const KOVTString name = NewSetName(settings, options.name);
  const KOVTString source = options.other.empty() ? settings.DefaultSet() : Wide(options.other);
  settings.RequireSet(source);
  settings.LoadSet(source);
  settings.Settings().SettingsVector().Names().push_back(name);
  settings.WriteSet(name);
}

void Remove(ModuleSettings& settings, const SetsOptions& options) {
  const KOVTString name = Wide(options.name);
  settings.RequireSet(name);
  if (name == settings.DefaultSet())
    throw CliError("'" + options.name + "' is the default set; make another set the default first");
  settings.Settings().DelSettingName(name);
  settings.WriteNames();
  settings.DestroySetKey(name);
}

void Rename(ModuleSettings& settings, const SetsOptions& options) {
  const KOVTString from = Wide(options.name);
  settings.RequireSet(from);
  const KOVTString to = NewSetName(settings, options.other);
  settings.RenameSetKey(from, to);
  std::vector<KOVTString>& names = settings.Settings().SettingsVector().Names();
  std::replace(names.begin(), names.end(), from, to);
  if (settings.DefaultSet() == from) settings.Settings().SetDefault(to);
  settings.WriteNames();
}

void SetDefault(ModuleSettings& settings, const SetsOptions& options) {
  const KOVTString name = Wide(options.name);
  settings.RequireSet(name);
  settings.Settings().SetDefault(name);
  settings.WriteNames();
}

int Run(const SetsOptions& options, SetsAction action, bool changes) {
  std::unique_ptr<Drawing> drawing = changes ? Drawing::OpenToChange(options.file) : Drawing::Open(options.file);
  {
    ModuleSettings settings(ChooseModule(*drawing, options.module), *drawing);
    settings.RequirePresent();
    action(settings, options);
  }
  if (changes) drawing->Save();
  return kExitOk;
}

struct SetsCommand {
  const char* name;
  const char* help;
  SetsAction action;
  bool changes;
  // The set argument after the file; null when there is none.
  const char* nameHelp;
};

const SetsCommand kSetsCommands[] = {
    {"list", "List the sets in stored order, the default marked with '*'", &List, false, nullptr},
    {"add", "Add a set holding the values of another set", &Add, true, "Name of the new set"},
    {"remove", "Remove a set other than the default", &Remove, true, "Set to remove"},
    {"rename", "Rename a set (the default follows)", &Rename, true, "Set to rename"},
    {"set-default", "Make a set the default", &SetDefault, true, "Set to make the default"},
};

}  // namespace

void AddSetsCommand(CLI::App& app, CommandList& commands) {
  CLI::App* sets = app.add_subcommand("sets", "Named settings sets: list, add, remove, rename, set-default");
  sets->require_subcommand(1);
  for (const SetsCommand& row : kSetsCommands) {
    auto [command, options] = AddSubcommand<SetsOptions>(
        *sets, commands, row.name, row.help,
        [row](const SetsOptions& chosen) { return Run(chosen, row.action, row.changes); });
    AddDrawingArgument(command, options.file, "file", "Drawing file");
    if (row.nameHelp != nullptr) command->add_option("name", options.name, row.nameHelp)->required();
    if (row.action == &Add)
      command->add_option("--from", options.other, "Set whose values the new one takes (default: the default set)");
    if (row.action == &Rename) command->add_option("new-name", options.other, "New name")->required();
    if (row.action == &List) command->add_flag("--json", options.json, "Print the list as JSON");
    AddModuleOption(command, options.module, "Module (default: as for show)");
  }
}
