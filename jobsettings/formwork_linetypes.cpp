#include "jobsettings/formwork_linetypes.h"

#include <functional>

#include "core/db_helpers.h"
#include "jobsettings/formwork_job_settings.h"

void KovxTranslateLinetypes(KOVTFormworkJobSettings& settings) {
  PnDbDatabase* source = nullptr;
  PnDbDatabase* target = nullptr;
  KovtDoubleDbScope::getStat(source, target);
  if (source == target) return;
  KOVTFormworkJobSettings& s = settings;
  const std::reference_wrapper<PnDbObjectId> translated[] = {
      s.Found.Out.VisibLineStylId, s.Found.Out.BlankLineStylId, s.Stor.Out.VisibLineStylId,
      s.Stor.Out.BlankLineStylId,  s.Sect.Out.VisibLineStylId,  s.Sect.Out.BlankLineStylId,
      s.Elev.Out.VisibLineStylId,  s.Elev.Out.BlankLineStylId,  s.View.Out.VisibLineStylId,
      s.Found.Sect.EdgeLineStylId, s.Stor.Sect.EdgeLineStylId,  s.Sect.Sect.EdgeLineStylId,
      s.Stor.StylId,
  };
  // A linetype the target lacks keeps its id: callers copy linetypes first.
  for (PnDbObjectId& id : translated) KoVTCoreAPI::GetEqualLinetypeId(source, id, target, id);
}
