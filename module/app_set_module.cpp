#include "module/app_set_module.h"

#include "dictionaries/app_dictionary_classes.h"
#include "environment/host_utils.h"
#include "host/print.h"
#include "platform/com.h"
#include "platform/tick_count.h"
#include "registry/registry_keeper.h"
#include "units/sv_units_service.h"

namespace {

// Application context "common".
constexpr int kCommonContext = 2;

int millisecondsSince(DWORD start) { return static_cast<int>(GetTickCount() - start); }

}  // namespace

KOVTAppSetModule::~KOVTAppSetModule() { DeleteOwnedClasses(); }

bool KOVTAppSetModule::InitApplication(void* packet) {
  pnutPrintf(L"\n[KoVTAppSet.kmo] Initialization...\n");
  DWORD start = GetTickCount();
  bool result = KOVTMoKmoModule::InitApplication(packet);
  // Without the service the family counts as metric and converts nothing;
  // the module loads all the same.
  KovtPublishUnitsService();
  KoVTAppSetUtils::RegsiterModule(KOVT::eAppCommon, L"KoVTAppSet", true);
  CoInitialize(nullptr);
  pnutPrintf(L"\n[KoVTAppSet.kmo] Initialization done in %d ms.\n", millisecondsSince(start));
  return result;
}

bool KOVTAppSetModule::UnloadApplication(void* packet) {
  pnutPrintf(L"\n[KoVTAppSet.kmo] Finalization...\n");
  DWORD start = GetTickCount();
  // Its code leaves with the module, so it goes before anything else.
  KovtWithdrawUnitsService();
  bool result = KOVTMoKmoModule::UnloadApplication(packet);
  pnutPrintf(L"\n[KoVTAppSet.kmo] Finalization done in %d ms.\n", millisecondsSince(start));
  CoUninitialize();
  return result;
}

KovtObjectMaps* KOVTAppSetModule::ObjectMaps() { return GetObjectMaps(kCommonContext); }

bool KOVTAppSetModule::LoadModules(void* packet) {
  bool result = KOVTMoKmoModule::LoadModules(packet);
  // The formatting companion is optional: without it numbers format plainly.
  ModuleLoad().Load(kKovtZemEnablerModule, false);
  return result;
}

bool KOVTAppSetModule::UnLoadModules(void* packet) { return KOVTMoKmoModule::UnLoadModules(packet); }

bool KOVTAppSetModule::RegisterClasses(void* packet) {
  bool result = KOVTMoKmoModule::RegisterClasses(packet);
  KovtRegisterAppDictionaryClasses(RegisteredClasses());
  KoVTPrjReg::Initialize();
  return result;
}

bool KOVTAppSetModule::UnRegisterClasses(void* packet) {
  KoVTPrjReg::Finalize();
  DeleteOwnedClasses();
  bool result = KOVTMoKmoModule::UnRegisterClasses(packet);
  // The base deleted the dictionary descriptors.
  KovtForgetAppDictionaryClasses();
  return result;
}

void KOVTAppSetModule::DeleteOwnedClasses() {
  while (!m_ownedClasses.empty()) {
    if (m_ownedClasses.back() != nullptr) deletePnRxClass(m_ownedClasses.back());
    m_ownedClasses.pop_back();
  }
}
