// kovtset: the job settings of drawing files without a CAD session.
#include <iostream>
#include <new>

#include "tools/cli_error.h"
#include "tools/commands.h"
#include "tools/host_session.h"

namespace {

constexpr const char* kDescription =
    "Inspects, edits, copies and exports the job settings kept in drawing files.\n"
    "Exit codes: 0 success, 1 failure, 2 bad usage.";

// Everything that allocates runs inside main's handlers, so running out of
// memory anywhere, parsing included, ends in a message rather than an abort.
int Run(int argc, char** argv) {
  CLI::App app(kDescription, "kovtset");
  app.require_subcommand(1);
  app.set_version_flag("--version", "kovtset " KOVT_VERSION);
  bool verbose = false;
  app.add_flag("-v,--verbose", verbose, "Show the module's load and unload messages on standard error");

  CommandList commands;
  for (auto add : {AddNewCommand, AddShowCommand, AddGetCommand, AddSetCommand, AddSetsCommand, AddRegistryCommand,
                   AddCopyCommand, AddDiffCommand, AddExportCommand, AddImportCommand, AddUnitsCommand})
    add(app, commands);

  std::vector<std::string> arguments = ArgumentsForParsing(app, argc, argv);
  try {
    app.parse(arguments);
  } catch (const CLI::ParseError& error) {
    // Help and version are successes; everything else is a usage error.
    const int code = app.exit(error);
    return code == 0 ? kExitOk : kExitUsage;
  }

  HostSession session(verbose);
  return commands.Parsed()();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::cerr << "kovtset: out of memory\n";
  } catch (const CliError& error) {
    std::cerr << "kovtset: " << error.what() << '\n';
  } catch (const std::exception& error) {
    std::cerr << "kovtset: unexpected failure: " << error.what() << '\n';
  }
  return kExitFailure;
}
