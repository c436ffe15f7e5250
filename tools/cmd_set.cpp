// set: gives one key a new value and saves the drawing.
#include <memory>

#include "tools/cli_error.h"
#include "tools/commands.h"
#include "tools/value_assignment.h"

namespace {

struct SetOptions : SetChoice {
  std::string key;
  std::string value;
};

int RunSet(const SetOptions& options) {
  std::unique_ptr<Drawing> drawing = Drawing::OpenToChange(options.file);
  {
    ModuleSettings settings(ChooseModule(*drawing, options.module), *drawing);
    const KOVTString set = ChooseSet(settings, options.set);
    AssignValues(settings, set, {Assignment{Wide(options.key), options.value, std::nullopt}});
  }
  drawing->Save();
  return kExitOk;
}

}  // namespace

void AddSetCommand(CLI::App& app, CommandList& commands) {
  auto [command, options] = AddSubcommand<SetOptions>(
      app, commands, "set",
      "Give one key a new value and save the drawing. The value must suit the key's kind (bool: true/false, "
      "int, double, string, binary as hex); on any error the file is left unchanged",
      RunSet);
  AddSetChoice(command, options);
  command->add_option("key", options.key, "Key, as show lists it")->required();
  command->add_option("value", options.value, "New value")->required();
}
