// Copying one module's settings, every set and the name list, from a template
// drawing into other drawings held in memory; saving is the caller's.
#pragma once

#include <optional>
#include <utility>

#include "tools/copied_references.h"
#include "tools/drawing.h"
#include "tools/filed_registry.h"
#include "tools/module_table.h"

enum class ExistingSettings {
  // The template's settings take the place of the target's.
  Replace,
  // A target that has settings of the module keeps them.
  Keep,
};

class SettingsCopy {
 public:
  // Finds in the template, once for all targets, what each copy must change.
  SettingsCopy(const ModuleRow& module, const Drawing& from);

  // Throws a CliError naming the target when its drawing cannot take the copy
  // (its settings dictionary is taken by something else).
  void Into(const Drawing& to, ExistingSettings existing) const;

 private:
  SettingsCopy(const ModuleRow& module, const Drawing& from,
               std::pair<CopiedReferences, std::optional<FiledRegistry>> found);
  // Adds the template's registry as it files to the target's settings
  // dictionary, when the target has that and every record the registry
  // refers to; false, with nothing changed, otherwise.
  bool AddFiledRegistry(const Drawing& to) const;

  const ModuleRow* m_module;
  const Drawing* m_from;
  CopiedReferences m_references;
  std::optional<FiledRegistry> m_filed;
};
