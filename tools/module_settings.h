// The settings of one module in one drawing. While the object lives the
// drawing is the working database (the module's settings always work on that)
// and the module's application context is entered for it; objects of two
// drawings may be nested, not interleaved.
//
// A set "exists" when the drawing's name list holds it (or it is the default
// set); commands never touch sets stored without being listed.
#pragma once

#include <memory>
#include <vector>

#include "core/kovt_string.h"
#include "environment/app_context.h"
#include "tools/drawing.h"
#include "tools/module_table.h"
#include "tools/values.h"

class ModuleSettings {
 public:
  ModuleSettings(const ModuleRow& module, const Drawing& drawing);
  ModuleSettings(const ModuleSettings&) = delete;
  ModuleSettings& operator=(const ModuleSettings&) = delete;

  const ModuleRow& Module() const { return m_module; }
  // Whether the drawing has the module's root, that is settings of its own.
  bool Present() const;
  // Throws a CliError naming the drawing when it has no settings of the module.
  void RequirePresent() const;
  // Throws a CliError naming the drawing when its settings of the module are
  // in a form this build cannot read: a registry a newer version filed.
  void RequireReadable() const;

  // The settings object, loaded with the default set on first use, for the
  // caller to change. On a drawing without the module this creates its root,
  // name list and default set. Throws a CliError naming the drawing when the
  // stored settings are damaged.
  KOVTJobSettings& Settings();

  std::vector<KOVTString> SetNames();
  KOVTString DefaultSet();
  bool HasSet(const KOVTString& name);
  // Throws a CliError listing the sets there are when `name` is not one of them.
  void RequireSet(const KOVTString& name);

  // Loads the stored set `name` over the defaults; throws when it is not stored.
  void LoadSet(const KOVTString& name);
  // The values of the loaded set, in stored order.
  std::vector<KovtJobKeys::Entry> Keys();
  // The name and value of every key of the loaded set, detached from the object.
  std::vector<std::pair<KOVTString, Value>> Snapshot();

  // Stores the object as set `name` together with the name list.
  void WriteSet(const KOVTString& name);
  // Stores the name list and the default name alone.
  void WriteNames();
  // The registry key of a stored set: writing raw values, renaming, removing.
  void WriteRawValues(const KOVTString& set, const std::vector<std::pair<KOVTString, Value>>& values);
  void RenameSetKey(const KOVTString& from, const KOVTString& to);
  void DestroySetKey(const KOVTString& name);

 private:
  // The settings object as Settings() makes it, for reading.
  KOVTJobSettings& Loaded();

  const ModuleRow& m_module;
  const Drawing& m_drawing;
  WorkingDrawing m_working;
  KOVTContext m_context;
  std::unique_ptr<KOVTJobSettings> m_settings;
  // Whether the object holds the default set as stored, as loading leaves it.
  bool m_holdsStoredDefault = false;
};

// The module `name` names, or (empty name) the reinforcement module when the
// drawing has it, else the first module it has. Throws a CliError when the
// drawing has none, or for a name of no module.
const ModuleRow& ChooseModule(const Drawing& drawing, const std::string& name);

// The set `name` names, or (empty name) the module's default set, after
// checking that the drawing has the module and the set.
KOVTString ChooseSet(ModuleSettings& settings, const std::string& name);

// A name the registry can hold as one key (not empty, no backslash); a
// CliError otherwise.
KOVTString SetNameOf(const std::string& name);
