// export: one set as a JSON document, to standard output or a file.
#include <fstream>
#include <iostream>
#include <memory>

#include "tools/cli_error.h"
#include "tools/commands.h"
#include "tools/module_settings.h"
#include "tools/settings_json.h"
#include "tools/text_file.h"

namespace {

struct ExportOptions : SetChoice {
  std::string output;
};

int RunExport(const ExportOptions& options) {
  std::unique_ptr<Drawing> drawing = Drawing::Open(options.file);
  ModuleSettings settings(ChooseModule(*drawing, options.module), *drawing);
  const KOVTString set = ChooseSet(settings, options.set);
  settings.LoadSet(set);
  const std::string document = SetDocument(settings.Module(), set, settings.Snapshot()).dump(2) + "\n";
  if (options.output.empty() || options.output == "-")
    std::cout << document;
  else
    WriteTextFile(options.output, document);
  return kExitOk;
}

}  // namespace

void AddExportCommand(CLI::App& app, CommandList& commands) {
  auto [command, options] = AddSubcommand<ExportOptions>(
      app, commands, "export", "Write a set as a JSON document (the form import reads)", RunExport);
  AddSetChoice(command, options);
  command->add_option("-o,--output", options.output, "File to write (default or '-': standard output)");
}
