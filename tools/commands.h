// The subcommands of kovtset. Each Add* function adds its subcommand, with
// its options and help, to the program's parser and records what it runs;
// main runs the one that was parsed, once the module is loaded.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>

// Runs a parsed subcommand; answers the exit code (failures may also throw CliError).
using CommandRun = std::function<int()>;

class CommandList {
 public:
  void Add(CLI::App* command, CommandRun run) { m_commands.emplace_back(command, std::move(run)); }
  // The innermost parsed subcommand's run; empty when none was parsed.
  CommandRun Parsed() const;

 private:
  std::vector<std::pair<CLI::App*, CommandRun>> m_commands;
};

void AddNewCommand(CLI::App& app, CommandList& commands);
void AddShowCommand(CLI::App& app, CommandList& commands);
void AddGetCommand(CLI::App& app, CommandList& commands);
void AddSetCommand(CLI::App& app, CommandList& commands);
void AddSetsCommand(CLI::App& app, CommandList& commands);
void AddRegistryCommand(CLI::App& app, CommandList& commands);
void AddCopyCommand(CLI::App& app, CommandList& commands);
void AddDiffCommand(CLI::App& app, CommandList& commands);
void AddExportCommand(CLI::App& app, CommandList& commands);
void AddImportCommand(CLI::App& app, CommandList& commands);
void AddUnitsCommand(CLI::App& app, CommandList& commands);

// A subcommand and the options its parser fills in.
template <class Options>
struct Subcommand {
  CLI::App* command;
  Options& options;
};

// Adds the subcommand `name` below `parent`, with a fresh Options that its
// parser fills in and `run(options)` then reads.
template <class Options, class Run>
Subcommand<Options> AddSubcommand(CLI::App& parent, CommandList& commands, const std::string& name,
                                  const std::string& help, Run run) {
  auto options = std::make_shared<Options>();
  CLI::App* command = parent.add_subcommand(name, help);
  commands.Add(command, [options, run] { return run(*options); });
  return {command, *options};
}

// The arguments as CLI::App::parse(std::vector<std::string>&) takes them, so
// that a negative number such as "-inf" or "-.5" is a value and
// not an option. Call once, after every command has been added.
std::vector<std::string> ArgumentsForParsing(CLI::App& app, int argc, char** argv);

// Options several subcommands share.
// "-m,--module": one module, by its command-line name.
CLI::Option* AddModuleOption(CLI::App* command, std::string& module, const std::string& help);
// "-m,--module", repeatable (or comma-separated); empty means every module.
CLI::Option* AddModulesOption(CLI::App* command, std::vector<std::string>& modules, const std::string& help);
// "-s,--set": a set name; empty means the module's default set.
CLI::Option* AddSetOption(CLI::App* command, std::string& set);
// What the commands that work on one set take: the drawing file, "-m,--module"
// and "-s,--set" (empty: as ChooseModule and ChooseSet decide).
struct SetChoice {
  std::string file;
  std::string module;
  std::string set;
};
void AddSetChoice(CLI::App* command, SetChoice& choice, const std::string& moduleHelp = "Module (default: as for show)");
// A required drawing file argument (a missing file is a failure, not a usage error).
CLI::Option* AddDrawingArgument(CLI::App* command, std::string& file, const std::string& name,
                                const std::string& help);
