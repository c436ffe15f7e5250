// registry: the whole project registry tree of a drawing, every keeper with
// its keys and values, as an indented tree or as JSON.
#include <iostream>
#include <memory>

#include "host/database.h"
#include "registry/registry_keeper.h"
#include "tools/commands.h"
#include "tools/drawing.h"
#include "tools/registry_keepers.h"

namespace {

struct RegistryOptions {
  std::string file;
  bool json = false;
};

int RunRegistry(const RegistryOptions& options) {
  std::unique_ptr<Drawing> drawing = Drawing::Open(options.file);
  JsonValue keepers = JsonValue::array();
  for (const KeeperPlace& place : FindKeepers(drawing->Database())) {
    KoVTPrjRegistryKeeper* keeper = nullptr;
    const bool readable = pndbOpenObject(keeper, place.keeper, PnDb::kForRead) == Plnx::eOk;
    if (options.json) {
      JsonValue entry = {{"location", place.location}};
      if (readable)
        entry["roots"] = RegistryTreeJson(keeper->RootKeys());
      else
        entry["error"] = "not a registry keeper this program can read";
      keepers.push_back(std::move(entry));
    } else {
      std::cout << place.location << '\n';
      if (readable)
        PrintRegistryTree(std::cout, keeper->RootKeys());
      else
        std::cout << "  (not a registry keeper this program can read)\n";
    }
    if (readable) keeper->close();
  }
  if (options.json) std::cout << JsonValue{{"keepers", std::move(keepers)}}.dump(2) << '\n';
  return 0;
}

}  // namespace

void AddRegistryCommand(CLI::App& app, CommandList& commands) {
  auto [command, options] = AddSubcommand<RegistryOptions>(
      app, commands, "registry",
      "Dump every project registry of a drawing: its dictionary path, then [keys] and 'name (kind) = value' lines",
      RunRegistry);
  AddDrawingArgument(command, options.file, "file", "Drawing file");
  command->add_flag("--json", options.json, "Print the registries as JSON");
}
