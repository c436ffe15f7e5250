#include "tools/settings_copy.h"

#include "dictionaries/dict_iteration.h"
#include "dictionaries/dict_util.h"
#include "dictionaries/typed_dicts.h"
#include "environment/app_context.h"
#include "jobsettings/access_points.h"
#include "tools/cli_error.h"
#include "tools/copied_references.h"

namespace {

// Empties the module's settings dictionary of the working drawing, so that
// the merge that follows has nothing of the target's to keep.
void DropSettings() {
  PnDbDictionary* settings = KOVTGetDict(nullptr, DDT_ProjectSettings, PnDb::kForWrite, DDI_Application);
  if (settings == nullptr) return;
  PnDbObjectIdArray entries;
  for (TxDictIterator entry(settings, false); !entry.IsEnd(); ++entry) entries.push_back(*entry);
  KovtDictUtil::RemoveObjectFromDict(settings, entries);
  settings->close();
}

}  // namespace

void CopyModuleSettings(const ModuleRow& module, const Drawing& from, const Drawing& to, ExistingSettings existing) {
  // Both drawings in the module's context, so that each finds its own
  // application root; the copy works on the working drawing's.
  KOVTContext sourceContext(module.context, from.Database());
  KOVTContext targetContext(module.context, to.Database());
  WorkingDrawing working(to);
  if (KOVTJobSettings::IsInitialized(to.Database())) {
    if (existing == ExistingSettings::Keep) return;
    DropSettings();
  }
  if (!CopyReinfJobsetFromTo(from.Database(), to.Database()))
    throw CliError("cannot copy the " + std::string(module.title) + " settings into " + to.Name());
  PnDbDictionary* settings = KOVTGetDict(nullptr, DDT_ProjectSettings, PnDb::kForWrite, DDI_Application);
  if (settings == nullptr) return;
  {
    KoVTPrjReg::TRegistry registry(settings);
    MoveCopiedReferences(from.Database(), to.Database(), registry);
  }
  settings->close();
}
