#include "tools/commands.h"

#include "tools/module_table.h"

CommandRun CommandList::Parsed() const {
  CommandRun run;
  // Parents come before their subcommands, so the last parsed one is the innermost.
  for (const auto& [command, function] : m_commands)
    if (command->parsed()) run = function;
  return run;
}

CLI::Option* AddModuleOption(CLI::App* command, std::string& module, const std::string& help) {
  return command->add_option("-m,--module", module, help)->check(CLI::IsMember(ModuleNames()));
}

CLI::Option* AddModulesOption(CLI::App* command, std::vector<std::string>& modules, const std::string& help) {
  return command->add_option("-m,--module", modules, help)
      ->check(CLI::IsMember(ModuleNames()))
      ->delimiter(',')
      ->allow_extra_args(false);
}

CLI::Option* AddSetOption(CLI::App* command, std::string& set) {
  return command->add_option("-s,--set", set, "Settings set (default: the module's default set)");
}

CLI::Option* AddDrawingArgument(CLI::App* command, std::string& file, const std::string& name,
                                const std::string& help) {
  return command->add_option(name, file, help)->required();
}
