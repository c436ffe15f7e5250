#include "tools/commands.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "tools/module_table.h"

namespace {

// Put before a number CLI11 would take for short options.
constexpr char kNumberMark = '\x1f';

// "-inf" or "-.5": CLI11 reads "-i" with the value "nf". A minus and a digit it reads as a number already.
bool IsNumberTakenForOption(const std::string& word) {
  if (word.size() < 2 || word[0] != '-' || std::isdigit(static_cast<unsigned char>(word[1]))) return false;
  double value = 0;
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  return error == std::errc() && end == word.data() + word.size();
}

void UnmarkValues(CLI::App& command) {
  for (CLI::Option* option : command.get_options())
    option->transform(
        [](std::string value) { return !value.empty() && value[0] == kNumberMark ? value.substr(1) : value; },
        "", "");
  for (CLI::App* sub : command.get_subcommands([](CLI::App*) { return true; })) UnmarkValues(*sub);
}

}  // namespace

std::vector<std::string> ArgumentsForParsing(CLI::App& app, int argc, char** argv) {
  UnmarkValues(app);
  std::vector<std::string> arguments;
  for (int i = argc - 1; i > 0; --i)
    arguments.push_back(IsNumberTakenForOption(argv[i]) ? kNumberMark + std::string(argv[i]) : argv[i]);
  return arguments;
}

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

void AddSetChoice(CLI::App* command, SetChoice& choice, const std::string& moduleHelp) {
  AddDrawingArgument(command, choice.file, "file", "Drawing file");
  AddModuleOption(command, choice.module, moduleHelp);
  AddSetOption(command, choice.set);
}
