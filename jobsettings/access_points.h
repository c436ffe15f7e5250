// The job settings of the current drawing, for the detailing applications and
// the unit functions, which never construct settings themselves.
//
// One settings object per drawing database and module lives in a
// process-wide cache from its first lookup until REMOVE_JOBSET of its
// drawing (or, for reinforcement, REINF_JOBSET_UNINIT); every caller shares
// it, and nothing is stored until one of them saves. Callers never delete the
// objects; an object dropped from a cache stays valid, it is only no longer
// handed out, and the drawing's next lookup reads a fresh one.
//
// Each module's lookup runs in that module's application context (so its
// root "KOVR", "KOVS" or "KOVX" is used) on the working drawing, and answers
// null when there is no working drawing or, except STEEL_JOBSET_FORCE, when
// the drawing has no root of the module yet. Exceptions of the settings
// constructors reach the caller and leave the cache unchanged.
//
// Host main thread only.
#pragma once

#include "core/string_list.h"
#include "jobsettings/formwork_job_settings.h"
#include "jobsettings/reinf_job_settings.h"
#include "jobsettings/steel_job_settings.h"

class PnDbDatabase;

// The cached reinforcement settings; null where REINF_JOBSET would create.
KOVTReinfJobSettings* IS_REINF_JOBSET();
// The reinforcement settings, created (and read from the drawing) on first use.
KOVTReinfJobSettings* REINF_JOBSET();
// Makes a drawing a reinforcement drawing: without the root, creates the
// settings (and with them the root, the settings dictionary, the name list
// and the default set) and caches them. True when the drawing has or got
// its settings; false without a working drawing.
bool REINF_JOBSET_INIT();
// Empties the reinforcement cache and forgets every application context.
bool REINF_JOBSET_UNINIT();

KOVTSteelJobSettings* IS_STEEL_JOBSET();
KOVTSteelJobSettings* STEEL_JOBSET();
// Cached under `database` (null: the working drawing), but read from the
// working drawing: make `database` the working drawing first.
KOVTSteelJobSettings* STEEL_JOBSET(PnDbDatabase* database);
// Creates the steel settings, and the steel root with them, in a drawing
// that has none yet.
KOVTSteelJobSettings* STEEL_JOBSET_FORCE();

// The formwork settings, created (and read from the drawing) on first use.
KOVTFormworkJobSettings* FORMWORK_JOBSET();

// Drops the drawing's entries from all three caches; call it when a drawing
// goes away, since its address may be reused for the next one.
void REMOVE_JOBSET(PnDbDatabase* database);

// Merges the "ProjectSettings" tree of `from` below the current application's
// root into that of `to` (null: the working drawing), with every set and the
// name list, when `to` has no project registry there yet; one that exists is
// kept as it is. Run it in the reinforcement context. True also when `from`
// has nothing to copy; false without `from` or a destination. A cached
// settings object of `to` does not see the copy: REMOVE_JOBSET it first.
bool CopyReinfJobsetFromTo(PnDbDatabase* from, PnDbDatabase* to);

// Makes the reinforcement steel list hold exactly `grades`: missing grades
// are appended with the symbol and user symbol of the list's last entry at
// that moment, grades not given are removed, and "Mater.ReinfSteelSize"
// becomes the number of grades. Nothing is stored until the settings are
// saved; nothing happens where REINF_JOBSET answers null.
void KOVTReinfSteelVectorUpdate(const KoVT::Core::TStringList& grades);
