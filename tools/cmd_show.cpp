// show: the settings of one set of one module, as a table or as JSON.
#include <iostream>
#include <memory>
#include <new>

#include "tools/commands.h"
#include "tools/module_settings.h"
#include "tools/settings_json.h"
#include "tools/text_table.h"

namespace {

struct ShowOptions : SetChoice {
  bool json = false;
};

// What show prints, read while the drawing is the working one.
struct ShownSet {
  const ModuleRow& module;
  KOVTString name;
  bool isDefault;
  std::vector<std::pair<KOVTString, Value>> values;
};

ShownSet ReadShownSet(const Drawing& drawing, const ShowOptions& options) {
  ModuleSettings settings(ChooseModule(drawing, options.module), drawing);
  KOVTString set = ChooseSet(settings, options.set);
  settings.LoadSet(set);
  const bool isDefault = set == settings.DefaultSet();
  return {settings.Module(), std::move(set), isDefault, settings.Snapshot()};
}

int RunShow(const ShowOptions& options) {
  // Only the objects that lead to the set are read. One of them found damaged
  // fails the command as reading the whole drawing would have.
  std::unique_ptr<Drawing> drawing = Drawing::Open(options.file, Drawing::Reading::OnDemand);
  const ShownSet shown = [&] {
    try {
      return ReadShownSet(*drawing, options);
    } catch (const std::bad_alloc&) {
      throw;
    } catch (const std::exception&) {
      drawing->RequireUndamaged();  // the cause, when there is one
      throw;
    }
  }();
  drawing->RequireUndamaged();
  const auto& [module, set, isDefault, values] = shown;
  if (options.json) {
    std::cout << SetDocument(module, set, values).dump(2) << '\n';
    return 0;
  }
  std::cout << "module  " << module.name << " (" << module.title << ")\n"
            << "set     " << Utf8(set) << (isDefault ? " (default)" : "") << "\n\n";
  TextTable table(3);
  table.Reserve(3 * (values.size() + 1), 64 * (values.size() + 1));
  for (const char* heading : {"KEY", "KIND", "VALUE"}) table.Add(heading);
  for (const auto& [name, value] : values) {
    AppendUtf8(table.Text(), name.str());
    table.EndCell();
    table.Add(KindName(KindOf(value)));
    AppendQuoted(table.Text(), value);
    table.EndCell();
  }
  table.Print(std::cout);
  return 0;
}

}  // namespace

void AddShowCommand(CLI::App& app, CommandList& commands) {
  auto [command, options] = AddSubcommand<ShowOptions>(
      app, commands, "show", "Show the settings of a set: key, kind and value in stored order, strings quoted", RunShow);
  AddSetChoice(command, options, "Module (default: reinf when the drawing has it, else the first module it has)");
  command->add_flag("--json", options.json, "Print the set as a JSON document (the form export writes)");
}
