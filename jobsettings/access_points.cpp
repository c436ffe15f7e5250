#include "jobsettings/access_points.h"

#include <memory>

#include "core/db_helpers.h"
#include "environment/app_context.h"
#include "host/database.h"
#include "jobsettings/access_points_cache.h"

namespace {

KovtJobSetCache<KOVTReinfJobSettings> g_reinforcement;
KovtJobSetCache<KOVTSteelJobSettings> g_steel;
KovtJobSetCache<KOVTFormworkJobSettings> g_formwork;

using KoVTCoreAPI::WorkingDatabase;

enum class OnMiss { Nothing, Create, CreateWithoutRoot };

// The cached object of the drawing (null: the working one), created on a miss
// as `onMiss` says. Runs in the module's context throughout, so that the root
// test and the settings constructor use the module's root.
template <class Settings>
Settings* lookUp(KovtJobSetCache<Settings>& cache, KOVTCONTEXT_TYPE context, PnDbDatabase* database, OnMiss onMiss) {
  KOVTContext scope(context);
  if (database == nullptr) database = WorkingDatabase();
  if (database == nullptr) return nullptr;
  if (onMiss != OnMiss::CreateWithoutRoot && !KOVTJobSettings::IsInitialized(database)) return nullptr;
  if (Settings* cached = cache.Find(database)) return cached;
  if (onMiss == OnMiss::Nothing) return nullptr;
  return cache.Add(database, std::make_unique<Settings>());
}

}  // namespace

KOVTReinfJobSettings* IS_REINF_JOBSET() {
  return lookUp(g_reinforcement, KOVT_CONTEXT_REINFORCEMENT, nullptr, OnMiss::Nothing);
}

KOVTReinfJobSettings* REINF_JOBSET() {
  return lookUp(g_reinforcement, KOVT_CONTEXT_REINFORCEMENT, nullptr, OnMiss::Create);
}

bool REINF_JOBSET_INIT() {
  KOVTContext scope(KOVT_CONTEXT_REINFORCEMENT);
  PnDbDatabase* database = WorkingDatabase();
  if (database == nullptr) return false;
  if (KOVTJobSettings::IsInitialized(database)) return true;
  g_reinforcement.Add(database, std::make_unique<KOVTReinfJobSettings>());
  return true;
}

bool REINF_JOBSET_UNINIT() {
  g_reinforcement.Clear();
  KOVTContext::Clear();
  return true;
}

KOVTSteelJobSettings* IS_STEEL_JOBSET() { return lookUp(g_steel, KOVT_CONTEXT_STEEL, nullptr, OnMiss::Nothing); }

KOVTSteelJobSettings* STEEL_JOBSET() { return lookUp(g_steel, KOVT_CONTEXT_STEEL, nullptr, OnMiss::Create); }

KOVTSteelJobSettings* STEEL_JOBSET(PnDbDatabase* database) {
  return lookUp(g_steel, KOVT_CONTEXT_STEEL, database, OnMiss::Create);
}

KOVTSteelJobSettings* STEEL_JOBSET_FORCE() {
  return lookUp(g_steel, KOVT_CONTEXT_STEEL, nullptr, OnMiss::CreateWithoutRoot);
}

KOVTFormworkJobSettings* FORMWORK_JOBSET() {
  return lookUp(g_formwork, KOVT_CONTEXT_FORMWORK, nullptr, OnMiss::Create);
}

void REMOVE_JOBSET(PnDbDatabase* database) {
  g_reinforcement.Remove(database);
  g_steel.Remove(database);
  g_formwork.Remove(database);
}
