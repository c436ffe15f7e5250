// new: a drawing file holding the default settings of chosen modules.
#include <algorithm>
#include <filesystem>
#include <memory>

#include "tools/cli_error.h"
#include "tools/commands.h"
#include "tools/module_settings.h"

namespace {

struct NewOptions {
  std::string file;
  std::vector<std::string> modules;
  bool force = false;
};

int RunNew(const NewOptions& options) {
  std::error_code ec;
  if (!options.force && std::filesystem::exists(options.file, ec))
    throw CliError(options.file + " exists already (--force replaces it)");
  std::unique_ptr<Drawing> drawing = Drawing::Create(options.file);
  for (const ModuleRow& module : ModuleTable()) {
    const bool chosen = options.modules.empty() ||
                        std::find(options.modules.begin(), options.modules.end(), module.name) != options.modules.end();
    // Loading settings on a drawing without them stores the defaults.
    if (chosen) ModuleSettings(module, *drawing).Settings();
  }
  drawing->Save();
  return kExitOk;
}

}  // namespace

void AddNewCommand(CLI::App& app, CommandList& commands) {
  auto [command, options] = AddSubcommand<NewOptions>(
      app, commands, "new", "Create a drawing file with the default settings of modules", RunNew);
  command->add_option("file", options.file, "Drawing file to create")->required();
  AddModulesOption(command, options.modules, "Module to give default settings (repeatable; default: all)");
  command->add_flag("-f,--force", options.force, "Replace an existing file");
}
