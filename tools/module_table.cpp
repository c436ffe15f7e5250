#include "tools/module_table.h"

#include <algorithm>

#include "jobsettings/formwork_job_settings.h"
#include "jobsettings/reinf_job_settings.h"
#include "jobsettings/steel_job_settings.h"

namespace {

template <class Settings>
std::unique_ptr<KOVTJobSettings> Load() {
  return std::make_unique<Settings>();
}

template <class Settings>
std::vector<KovtJobKeys::Entry> ListKeys(KOVTJobSettings& settings) {
  return static_cast<Settings&>(settings).ListKeys();
}

template <class Settings>
constexpr ModuleRow Row(const char* name, const char* title, KOVTCONTEXT_TYPE context) {
  return {name, title, context, &Load<Settings>, &ListKeys<Settings>};
}

const ModuleRow kModules[] = {
    Row<KOVTReinfJobSettings>("reinf", "reinforcement", KOVT_CONTEXT_REINFORCEMENT),
    Row<KOVTSteelJobSettings>("steel", "steel", KOVT_CONTEXT_STEEL),
    Row<KOVTFormworkJobSettings>("formwork", "formwork", KOVT_CONTEXT_FORMWORK),
};

}  // namespace

std::span<const ModuleRow> ModuleTable() { return kModules; }

const ModuleRow* FindModule(std::string_view name) {
  auto it = std::find_if(std::begin(kModules), std::end(kModules),
                         [&](const ModuleRow& row) { return name == row.name; });
  return it != std::end(kModules) ? &*it : nullptr;
}

std::vector<std::string> ModuleNames() {
  std::vector<std::string> names;
  for (const ModuleRow& row : kModules) names.emplace_back(row.name);
  return names;
}
