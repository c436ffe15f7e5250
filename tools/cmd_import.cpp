// import: a JSON set document into a drawing, checked whole before the
// drawing is saved.
#include <memory>

#include "tools/cli_error.h"
#include "tools/commands.h"
#include "tools/json_reader.h"
#include "tools/settings_json.h"
#include "tools/text_file.h"
#include "tools/value_assignment.h"

namespace {

struct ImportOptions {
  std::string file;
  std::string document;
  std::string module;
  std::string set;
};

ImportedSet ReadDocument(const std::string& file) {
  const std::string text = ReadTextFile(file);
  try {
    return ReadSetDocument(ReadJson(text));
  } catch (const CliError& error) {
    throw CliError(file + " " + error.what());
  }
}

// The module the options name, else the one the document names, else the
// drawing's default module; the two names must agree.
const ModuleRow& ImportModule(const Drawing& drawing, const std::string& option, const ImportedSet& imported) {
  if (!option.empty() && imported.module && *imported.module != option)
    throw CliError("the document holds " + *imported.module + " settings, not " + option);
  const std::string name = !option.empty() ? option : imported.module.value_or("");
  if (!name.empty() && FindModule(name) == nullptr) throw CliError("the document names no known module ('" + name + "')");
  return ChooseModule(drawing, name);
}

int RunImport(const ImportOptions& options) {
  const ImportedSet imported = ReadDocument(options.document);
  std::unique_ptr<Drawing> drawing = Drawing::OpenToChange(options.file);
  {
    ModuleSettings settings(ImportModule(*drawing, options.module, imported), *drawing);
    settings.RequirePresent();
    const std::string named = !options.set.empty() ? options.set : imported.set.value_or("");
    const KOVTString set = named.empty() ? settings.DefaultSet() : SetNameOf(named);
    if (!settings.HasSet(set)) {
      // A set the drawing lacks starts from the module's defaults.
      settings.Settings().Initialize();
      settings.Settings().SettingsVector().Names().push_back(set);
      settings.WriteSet(set);
    }
    AssignValues(settings, set, imported.assignments);
  }
  drawing->Save();
  return kExitOk;
}

}  // namespace

void AddImportCommand(CLI::App& app, CommandList& commands) {
  auto [command, options] = AddSubcommand<ImportOptions>(
      app, commands, "import",
      "Give a set the values of a JSON document (as export writes; it may list only some keys). Every key, kind "
      "and value is checked, and the drawing saved only when all are good. A set the drawing lacks is created "
      "from the defaults",
      RunImport);
  AddDrawingArgument(command, options.file, "file", "Drawing file");
  command->add_option("document", options.document, "JSON document ('-': standard input)")->required();
  AddModuleOption(command, options.module, "Module (default: the document's, else as for show)");
  command->add_option("-s,--set", options.set, "Set to import into (default: the document's, else the default set)");
}
