#include "core/module.h"

KOVTMoKmoModule::~KOVTMoKmoModule() = default;

bool KOVTMoKmoModule::InitApplication(void* packet) {
  bool ok = RegisterModule(packet);
  ok = LoadModules(packet) && ok;
  ok = RegisterClasses(packet) && ok;
  ok = RegisterClassServants(packet) && ok;
  ok = RegisterServices(packet) && ok;
  m_initialized = true;
  return ok;
}

bool KOVTMoKmoModule::UnloadApplication(void* packet) {
  bool ok = UnRegisterServices(packet);
  ok = UnRegisterClassServants(packet) && ok;
  ok = UnRegisterClasses(packet) && ok;
  ok = UnLoadModules(packet) && ok;
  m_initialized = false;
  return ok;
}

PnRx::AppRetCode KOVTMoKmoModule::ProcessAppMsg(PnRx::AppMsgCode message, void* packet) {
  switch (message) {
    case PnRx::kInitAppMsg:
      return InitApplication(packet) ? PnRx::kRetOK : PnRx::kRetError;
    case PnRx::kUnloadAppMsg:
      return UnloadApplication(packet) ? PnRx::kRetOK : PnRx::kRetError;
    default:
      return PnRx::kRetOK;
  }
}

bool KOVTMoKmoModule::RegisterModule(void* packet) {
  m_moduleHandle = packet;
  return true;
}

KovtObjectMaps* KOVTMoKmoModule::ObjectMaps() { return nullptr; }

bool KOVTMoKmoModule::LoadModules(void*) { return true; }

bool KOVTMoKmoModule::UnLoadModules(void*) {
  m_moduleLoad.UnloadAll();
  return true;
}

bool KOVTMoKmoModule::RegisterClasses(void*) { return true; }

bool KOVTMoKmoModule::UnRegisterClasses(void*) {
  while (!m_registeredClasses.empty()) {
    if (m_registeredClasses.back() != nullptr) deletePnRxClass(m_registeredClasses.back());
    m_registeredClasses.pop_back();
  }
  pnrxBuildClassHierarchy();
  return true;
}

bool KOVTMoKmoModule::RegisterClassServants(void*) { return true; }
bool KOVTMoKmoModule::UnRegisterClassServants(void*) { return true; }
bool KOVTMoKmoModule::RegisterServices(void*) { return true; }
bool KOVTMoKmoModule::UnRegisterServices(void*) { return true; }
