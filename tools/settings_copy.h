// Copying one module's settings, every set and the name list, from a template
// drawing into another drawing held in memory; saving is the caller's.
#pragma once

#include "tools/drawing.h"
#include "tools/module_table.h"

enum class ExistingSettings {
  // The template's settings take the place of the target's.
  Replace,
  // A target that has settings of the module keeps them.
  Keep,
};

// Throws a CliError naming the target when its drawing cannot take the copy
// (its settings dictionary is taken by something else).
void CopyModuleSettings(const ModuleRow& module, const Drawing& from, const Drawing& to, ExistingSettings existing);
