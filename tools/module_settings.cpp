#include "tools/module_settings.h"

#include <algorithm>

#include "host/database.h"
#include "jobsettings/settings_dictionary.h"
#include "registry/project_registry_error.h"
#include "registry/registry_access.h"
#include "registry/registry_keeper.h"
#include "tools/cli_error.h"

namespace {

// The registry opened on the module's settings dictionary of the working
// drawing, positioned on the key of a stored set.
class SetKey {
 public:
  explicit SetKey(const KOVTString& set) : m_dictionary(nullptr), m_registry(m_dictionary.get()) {
    if (m_dictionary.get() == nullptr || !m_registry.OpenKey(KOVTJobSettings::SetPath(set), false))
      throw CliError("set '" + Utf8(set) + "' is not stored");
  }
  KoVTPrjReg::TRegistry& Registry() { return m_registry; }

 private:
  KovtSettingsDictionary m_dictionary;
  KoVTPrjReg::TRegistry m_registry;
};

// The settings dictionary's registry with no key opened.
class SettingsRegistry {
 public:
  SettingsRegistry() : m_dictionary(nullptr), m_registry(m_dictionary.get()) {}
  KoVTPrjReg::TRegistry& Registry() { return m_registry; }

 private:
  KovtSettingsDictionary m_dictionary;
  KoVTPrjReg::TRegistry m_registry;
};

std::string Listing(const std::vector<KOVTString>& names) {
  std::string text;
  for (const KOVTString& name : names) text += (text.empty() ? "'" : ", '") + Utf8(name) + "'";
  return text;
}

}  // namespace

ModuleSettings::ModuleSettings(const ModuleRow& module, const Drawing& drawing)
    : m_module(module), m_drawing(drawing), m_working(drawing), m_context(module.context, drawing.Database()) {}

bool ModuleSettings::Present() const { return KOVTJobSettings::IsInitialized(m_drawing.Database()); }

void ModuleSettings::RequirePresent() const {
  if (!Present()) throw CliError(m_drawing.Name() + " has no " + m_module.title + " settings");
}

void ModuleSettings::RequireReadable() const {
  KovtSettingsDictionary dictionary(nullptr);
  PnDbObject* keeper = nullptr;
  if (dictionary.get() == nullptr ||
      dictionary.get()->getAt(kRegistryKeeperEntry, keeper, PnDb::kForRead) != Plnx::eOk)
    return;
  // A keeper of a newer format stays a proxy object.
  const bool readable = KoVTPrjRegistryKeeper::cast(keeper) != nullptr;
  keeper->close();
  if (!readable)
    throw CliError(m_drawing.Name() + " keeps its " + m_module.title +
                   " settings in a newer format than this program reads");
}

KOVTJobSettings& ModuleSettings::Loaded() {
  if (m_settings != nullptr) return *m_settings;
  try {
    m_settings = m_module.load();
  } catch (const KoVT::EProjectRegistry& damaged) {
    throw CliError("the " + std::string(m_module.title) + " settings of " + m_drawing.Name() + " are unusable: " +
                   damaged.what());
  }
  m_holdsStoredDefault = true;
  return *m_settings;
}

KOVTJobSettings& ModuleSettings::Settings() {
  KOVTJobSettings& settings = Loaded();
  m_holdsStoredDefault = false;
  return settings;
}

std::vector<KOVTString> ModuleSettings::SetNames() { return Loaded().SettingsVector().Names(); }

KOVTString ModuleSettings::DefaultSet() { return Loaded().GetDefault(); }

bool ModuleSettings::HasSet(const KOVTString& name) {
  const std::vector<KOVTString> names = SetNames();
  return name == DefaultSet() || std::find(names.begin(), names.end(), name) != names.end();
}

void ModuleSettings::RequireSet(const KOVTString& name) {
  if (HasSet(name)) return;
  throw CliError("the " + std::string(m_module.title) + " settings of " + m_drawing.Name() + " have no set '" +
                 Utf8(name) + "' (sets: " + Listing(SetNames()) + ")");
}

void ModuleSettings::LoadSet(const KOVTString& name) {
  KOVTJobSettings& settings = Loaded();
  // Loading read the default set over the defaults already, when it is stored
  // in a form this build reads; otherwise reading it again tells what is wrong.
  if (m_holdsStoredDefault && name == settings.GetDefault()) {
    RequireReadable();
    if (SettingsRegistry().Registry().OpenKey(KOVTJobSettings::SetPath(name), false)) return;
  }
  m_holdsStoredDefault = false;
  settings.Initialize();
  if (!settings.ReadJobSettings(name, nullptr, KoVTPrjReg::kReadWrite)) {
    RequireReadable();
    throw CliError("set '" + Utf8(name) + "' of the " + m_module.title + " settings is listed but not stored in " +
                   m_drawing.Name());
  }
}

std::vector<KovtJobKeys::Entry> ModuleSettings::Keys() { return m_module.listKeys(Loaded()); }

std::vector<std::pair<KOVTString, Value>> ModuleSettings::Snapshot() {
  std::vector<KovtJobKeys::Entry> entries = Keys();
  std::vector<std::pair<KOVTString, Value>> values;
  values.reserve(entries.size());
  for (KovtJobKeys::Entry& entry : entries) values.emplace_back(std::move(entry.name), ValueOf(entry.field));
  return values;
}

void ModuleSettings::WriteSet(const KOVTString& name) { Settings().WriteJobSettings(name, nullptr); }

void ModuleSettings::WriteNames() { Settings().WriteVector(nullptr); }

void ModuleSettings::WriteRawValues(const KOVTString& set, const std::vector<std::pair<KOVTString, Value>>& values) {
  m_holdsStoredDefault = false;
  SetKey key(set);
  for (const auto& [name, value] : values) StoreValue(key.Registry(), name.c_str(), value);
}

void ModuleSettings::RenameSetKey(const KOVTString& from, const KOVTString& to) {
  m_holdsStoredDefault = false;
  SettingsRegistry().Registry().RenameKey(KOVTJobSettings::SetPath(from), to);
}

void ModuleSettings::DestroySetKey(const KOVTString& name) {
  m_holdsStoredDefault = false;
  SettingsRegistry().Registry().DestroyKey(KOVTJobSettings::SetPath(name));
}

const ModuleRow& ChooseModule(const Drawing& drawing, const std::string& name) {
  if (!name.empty()) {
    const ModuleRow* row = FindModule(name);
    if (row == nullptr) throw CliError("no module '" + name + "'");
    return *row;
  }
  for (const ModuleRow& row : ModuleTable())
    if (ModuleSettings(row, drawing).Present()) return row;
  throw CliError(drawing.Name() + " has no settings of any module");
}

KOVTString ChooseSet(ModuleSettings& settings, const std::string& name) {
  settings.RequirePresent();
  const KOVTString set = name.empty() ? settings.DefaultSet() : Wide(name);
  settings.RequireSet(set);
  return set;
}

KOVTString SetNameOf(const std::string& name) {
  if (name.empty() || name.find('\\') != std::string::npos)
    throw CliError("'" + name + "' cannot name a set (it must be non-empty and without backslashes)");
  return Wide(name);
}
