// show: the settings of one set of one module, as a table or as JSON.
#include <iostream>
#include <memory>

#include "tools/commands.h"
#include "tools/module_settings.h"
#include "tools/settings_json.h"
#include "tools/text_table.h"

namespace {

struct ShowOptions : SetChoice {
  bool json = false;
};

int RunShow(const ShowOptions& options) {
  std::unique_ptr<Drawing> drawing = Drawing::Open(options.file);
  ModuleSettings settings(ChooseModule(*drawing, options.module), *drawing);
  const KOVTString set = ChooseSet(settings, options.set);
  settings.LoadSet(set);
  const auto values = settings.Snapshot();
  if (options.json) {
    std::cout << SetDocument(settings.Module(), set, values).dump(2) << '\n';
    return 0;
  }
  const bool isDefault = set == settings.DefaultSet();
  std::cout << "module  " << settings.Module().name << " (" << settings.Module().title << ")\n"
            << "set     " << Utf8(set) << (isDefault ? " (default)" : "") << "\n\n";
  std::vector<TextRow> rows{{"KEY", "KIND", "VALUE"}};
  for (const auto& [name, value] : values) rows.push_back({Utf8(name), KindName(KindOf(value)), Quoted(value)});
  PrintTable(std::cout, rows);
  return 0;
}

}  // namespace

void AddShowCommand(CLI::App& app, CommandList& commands) {
  auto [command, options] = AddSubcommand<ShowOptions>(
      app, commands, "show", "Show the settings of a set: key, kind and value in stored order, strings quoted", RunShow);
  AddSetChoice(command, options, "Module (default: reinf when the drawing has it, else the first module it has)");
  command->add_flag("--json", options.json, "Print the set as a JSON document (the form export writes)");
}
