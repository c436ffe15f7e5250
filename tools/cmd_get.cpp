// get: the value of one key, as text (or as a JSON entry).
#include <iostream>
#include <memory>

#include "tools/cli_error.h"
#include "tools/commands.h"
#include "tools/module_settings.h"

namespace {

struct GetOptions : SetChoice {
  std::string key;
  bool json = false;
};

int RunGet(const GetOptions& options) {
  std::unique_ptr<Drawing> drawing = Drawing::Open(options.file);
  ModuleSettings settings(ChooseModule(*drawing, options.module), *drawing);
  settings.LoadSet(ChooseSet(settings, options.set));
  const KOVTString key = Wide(options.key);
  for (const auto& [name, value] : settings.Snapshot()) {
    if (name != key) continue;
    if (options.json)
      std::cout << JsonValue{{"key", options.key}, {"kind", KindName(KindOf(value))}, {"value", ToJson(value)}}.dump()
                << '\n';
    else
      std::cout << Text(value) << '\n';
    return kExitOk;
  }
  throw CliError("unknown key '" + options.key + "' in the " + settings.Module().title +
                 " settings ('kovtset show' lists the keys)");
}

}  // namespace

void AddGetCommand(CLI::App& app, CommandList& commands) {
  auto [command, options] = AddSubcommand<GetOptions>(
      app, commands, "get", "Print the value of one key (strings unquoted, binary as hex)", RunGet);
  AddSetChoice(command, options);
  command->add_option("key", options.key, "Key, as show lists it")->required();
  command->add_flag("--json", options.json, "Print {\"key\", \"kind\", \"value\"} as JSON");
}
