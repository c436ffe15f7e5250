// The subcommands of kovtset. Each Add* function adds its subcommand, with
// its options and help, to the program's parser and records what it runs;
// main runs the one that was parsed, once the module is loaded.
#pragma once

#include <functional>
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
// A required drawing file argument (a missing file is a failure, not a usage error).
CLI::Option* AddDrawingArgument(CLI::App* command, std::string& file, const std::string& name,
                                const std::string& help);
