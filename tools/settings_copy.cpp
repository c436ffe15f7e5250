#include "tools/settings_copy.h"

#include "dictionaries/dict_iteration.h"
#include "host/object.h"
#include "dictionaries/typed_dicts.h"
#include "environment/app_context.h"
#include "jobsettings/access_points.h"
#include "tools/cli_error.h"
#include "tools/copied_references.h"

namespace {

// Empties the module's settings dictionary of the working drawing, so that
// the merge that follows has nothing of the target's to keep. The entries are
// erased unopened: a registry is dropped without being read.
void DropSettings() {
  PnDbDictionary* settings = KOVTGetDict(nullptr, DDT_ProjectSettings, PnDb::kForWrite, DDI_Application);
  if (settings == nullptr) return;
  PnDbObjectIdArray entries;
  for (TxDictIterator entry(settings, false); !entry.IsEnd(); ++entry) entries.push_back(*entry);
  for (PnDbObjectId entry : entries) {
    settings->remove(entry);
    pndbEraseObject(entry);
  }
  settings->close();
}

// The places of the template's own ids in its settings of the module, and
// the settings as they file, made once the registry has its roots.
std::pair<CopiedReferences, std::optional<FiledRegistry>> ReferencesOf(const ModuleRow& module, const Drawing& from) {
  KOVTContext context(module.context, from.Database());
  WorkingDrawing working(from);
  PnDbDictionary* settings = KOVTGetDict(nullptr, DDT_ProjectSettings, PnDb::kForRead, DDI_Application);
  if (settings == nullptr)
    throw CliError("cannot read the " + std::string(module.title) + " settings of " + from.Name());
  CopiedReferences references = [&] {
    KoVTPrjReg::TRegistry registry(settings, KoVTPrjReg::kReadOnly);
    return CopiedReferences(from.Database(), registry);
  }();
  std::optional<FiledRegistry> filed = FiledRegistry::Of(*settings);
  settings->close();
  return {std::move(references), std::move(filed)};
}

}  // namespace

SettingsCopy::SettingsCopy(const ModuleRow& module, const Drawing& from)
    : SettingsCopy(module, from, ReferencesOf(module, from)) {}

SettingsCopy::SettingsCopy(const ModuleRow& module, const Drawing& from,
                           std::pair<CopiedReferences, std::optional<FiledRegistry>> found)
    : m_module(&module), m_from(&from), m_references(std::move(found.first)), m_filed(std::move(found.second)) {}

bool SettingsCopy::AddFiledRegistry(const Drawing& to) const {
  if (!m_filed || !m_references.FoundIn(to.Database())) return false;
  PnDbDictionary* settings = KOVTGetDict(nullptr, DDT_ProjectSettings, PnDb::kForWrite, DDI_Application);
  if (settings == nullptr) return false;
  const bool added = m_filed->AddTo(*settings, m_references.In(to.Database()));
  settings->close();
  return added;
}

void SettingsCopy::Into(const Drawing& to, ExistingSettings existing) const {
  // Both drawings in the module's context, so that each finds its own
  // application root; the copy works on the working drawing's.
  KOVTContext sourceContext(m_module->context, m_from->Database());
  KOVTContext targetContext(m_module->context, to.Database());
  WorkingDrawing working(to);
  if (KOVTJobSettings::IsInitialized(to.Database())) {
    if (existing == ExistingSettings::Keep) return;
    DropSettings();
  }
  // The merge that follows finds the registry there and leaves it.
  const bool filed = AddFiledRegistry(to);
  if (!CopyReinfJobsetFromTo(m_from->Database(), to.Database()))
    throw CliError("cannot copy the " + std::string(m_module->title) + " settings into " + to.Name());
  if (filed) return;
  PnDbDictionary* settings = KOVTGetDict(nullptr, DDT_ProjectSettings, PnDb::kForWrite, DDI_Application);
  if (settings == nullptr) return;
  {
    KoVTPrjReg::TRegistry registry(settings);
    m_references.MoveTo(to.Database(), registry);
  }
  settings->close();
}
