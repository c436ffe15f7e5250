// The detailing modules whose settings kovtset handles, one row each. Every
// command works through these rows, so a module is added here and nowhere else.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "environment/app_context.h"
#include "jobsettings/job_settings.h"

struct ModuleRow {
  // As the command line names it ("reinf").
  const char* name;
  // As messages name it ("reinforcement").
  const char* title;
  KOVTCONTEXT_TYPE context;
  // The module's settings of the working drawing, run in the module's
  // context: its default set loaded, and stored first when the drawing has none.
  std::unique_ptr<KOVTJobSettings> (*load)();
  // Every value of the loaded set in stored order, with the member holding it.
  std::vector<KovtJobKeys::Entry> (*listKeys)(KOVTJobSettings& settings);
};

// In the order the default module is chosen: reinforcement first.
std::span<const ModuleRow> ModuleTable();
// Null for a name no row has.
const ModuleRow* FindModule(std::string_view name);
std::vector<std::string> ModuleNames();
