#include "tools/settings_copy.h"

#include "dictionaries/dict_iteration.h"
#include "dictionaries/dict_util.h"
#include "dictionaries/typed_dicts.h"
#include "environment/app_context.h"
#include "jobsettings/access_points.h"
#include "tools/cli_error.h"

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
  // The copy works on the application root of the working drawing's context.
  WorkingDrawing working(to);
  KOVTContext context(module.context, to.Database());
  if (existing == ExistingSettings::Replace) DropSettings();
  if (!CopyReinfJobsetFromTo(from.Database(), to.Database()))
    throw CliError("cannot copy the " + std::string(module.title) + " settings into " + to.Name());
}
