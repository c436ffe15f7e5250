#include "environment/orl_settings.h"

#include "environment/config_access.h"
#include "environment/module_loading.h"
#include "environment/product_info.h"
#include "environment/windows_registry.h"

namespace ORL_Tools {

namespace {

constexpr const wchar_t* kSettingsRoot = L"Software\\Hexlon\\Lattice\\ORL\\";
constexpr const wchar_t* kShowStartup = L"ORLShowStartup";
constexpr const wchar_t* kStartModule = L"ORLModule";
constexpr const wchar_t* kTemplate = L"ORLDwtTemplate";
constexpr const wchar_t* kTemplateForLocale = L"ORLDwtTemplate_";
constexpr const wchar_t* kWorkspace = L"ORLWorkspace_";

struct ModuleSettings {
  eORL module;
  const wchar_t* folder;
  const wchar_t* startName;        // as "ORLModule" stores it; null: cannot start
  const wchar_t* defaultTemplate;  // null: has no template
  unsigned defaultWorkspaceId;     // string resource of "KOVT"
};
constexpr ModuleSettings kModules[] = {
    {eORL_Steel, L"KOVS\\", L"Steel", L"KOVS-001.DWT", 18},
    {eORL_Reinforcement, L"KOVR\\", L"Reinforcement", L"KOVR-001.DWT", 20},
    {eORL_Formwork, L"KOVX\\", L"Formwork", L"KOVX-044.DWT", 22},
    {eORL_Common, L"KOVT\\", nullptr, nullptr, 24},
};

eStartType g_startType = eStartDefault;

const ModuleSettings* SettingsOf(eORL module) {
  for (const auto& settings : kModules)
    if (settings.module == module) return &settings;
  return nullptr;
}

KOVTString CommonKey() { return ORLSettingsKey(eORL_Common); }

// An unknown locale still gives one consistent value name.
KOVTString ForLocale(const wchar_t* valueName) {
  KOVTString localeId;
  GetPlnxLocaleId(localeId);
  return KOVTString(valueName) + localeId;
}

bool Store(const KOVTString& key, const KOVTString& valueName, const KOVTString& text) {
  return RegSet2Cur_SZ(key, valueName, text, text.GetLength());
}

}  // namespace

KOVTString ORLSettingsKey(eORL module) {
  const ModuleSettings* settings = SettingsOf(module);
  if (settings == nullptr) return KOVTString();
  return KOVTString(kSettingsRoot) + settings->folder + GetProductVersionNo();
}

bool GetORLShowStartup() {
  KOVTString stored;
  return RegGetLocM2CurU_SZ(CommonKey(), kShowStartup, stored) && stored == L"1";
}

bool SetORLShowStartup(bool show) { return Store(CommonKey(), kShowStartup, show ? L"1" : L"0"); }

eORL GetORLModule() {
  KOVTString stored;
  if (!RegGetLocM2CurU_SZ(CommonKey(), kStartModule, stored)) return eORL_None;
  for (const auto& settings : kModules)
    if (settings.startName != nullptr && stored == settings.startName) return settings.module;
  return eORL_None;
}

bool SetORLModule(eORL module) {
  const ModuleSettings* settings = SettingsOf(module);
  if (settings == nullptr || settings->startName == nullptr) return false;
  return Store(CommonKey(), kStartModule, settings->startName);
}

bool GetORLDwtTepmplate(eORL module, KOVTString& out) {
  const ModuleSettings* settings = SettingsOf(module);
  if (settings == nullptr || settings->defaultTemplate == nullptr) return false;
  if (RegGetLocM2CurU_SZ(ORLSettingsKey(module), ForLocale(kTemplateForLocale), out)) return true;
  const KOVTAppSet* config = CFG();
  out = KOVTString(config != nullptr ? config->GetAppPath(L"PATHCFG", 0) : L"") + settings->defaultTemplate;
  return true;
}

bool SetORLDwtTepmplate(eORL module, const wchar_t* templatePath) {
  const ModuleSettings* settings = SettingsOf(module);
  if (settings == nullptr || settings->defaultTemplate == nullptr || templatePath == nullptr) return false;
  const KOVTString text = KOVTString(templatePath).Left(kMaxTemplateLength);
  const KOVTString key = ORLSettingsKey(module);
  Store(key, kTemplate, text);
  return Store(key, ForLocale(kTemplateForLocale), text);
}

bool GetORLWorkspace(eORL module, KOVTString& out) {
  const ModuleSettings* settings = SettingsOf(module);
  if (settings == nullptr) return false;
  if (RegGetLocM2CurU_SZ(ORLSettingsKey(module), ForLocale(kWorkspace), out)) return true;
  out.Empty();
  // A null module would make LoadStringW read the program's own table.
  if (HMODULE resources = KOVTGetResourceHandle(L"KOVT")) out.LoadStringW(settings->defaultWorkspaceId, resources);
  return true;
}

bool SetORLWorkspace(eORL module, const wchar_t* workspace) {
  if (SettingsOf(module) == nullptr || workspace == nullptr) return false;
  return Store(ORLSettingsKey(module), ForLocale(kWorkspace), workspace);
}

eStartType GetStartType() { return g_startType; }

void SetStartType(eStartType type) { g_startType = type; }

bool IsMDB() { return false; }

}  // namespace ORL_Tools
