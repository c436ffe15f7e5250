// KOVTMoKmoModule: the base of every module object of the family.
//
// The host's messages arrive at ProcessAppMsg. Initialisation calls the hooks
// RegisterModule, LoadModules, RegisterClasses, RegisterClassServants and
// RegisterServices in that order; unloading calls their counterparts in the
// reverse order. A derived module overrides the hooks it needs and calls the
// base from each override.
#pragma once

#include <vector>

#include "core/module_load.h"
#include "core/object_maps.h"
#include "host/rx.h"
#include "platform/windows.h"

class KOVTMoKmoModule {
 public:
  KOVTMoKmoModule() = default;
  KOVTMoKmoModule(const KOVTMoKmoModule&) = delete;
  KOVTMoKmoModule& operator=(const KOVTMoKmoModule&) = delete;
  virtual ~KOVTMoKmoModule();

  // True when every hook succeeded; the hooks still all run.
  virtual bool InitApplication(void* packet);
  virtual bool UnloadApplication(void* packet);
  // Other messages are answered with kRetOK and otherwise ignored.
  virtual PnRx::AppRetCode ProcessAppMsg(PnRx::AppMsgCode message, void* packet);
  // Keeps the packet: the host passes the module's own handle in it.
  virtual bool RegisterModule(void* packet);
  // The objects this module makes available to the family.
  virtual KovtObjectMaps* ObjectMaps();
  virtual bool LoadModules(void* packet);
  // Unloads the companions loaded through ModuleLoad().
  virtual bool UnLoadModules(void* packet);
  virtual bool RegisterClasses(void* packet);
  // Deletes the classes of RegisteredClasses(), last first, and rebuilds the hierarchy.
  virtual bool UnRegisterClasses(void* packet);
  virtual bool RegisterClassServants(void* packet);
  virtual bool UnRegisterClassServants(void* packet);
  virtual bool RegisterServices(void* packet);
  virtual bool UnRegisterServices(void* packet);

  HINSTANCE ModuleHandle() const { return m_moduleHandle; }
  bool IsInitialized() const { return m_initialized; }

 protected:
  std::vector<PnRxClass*>& RegisteredClasses() { return m_registeredClasses; }
  KovtModuleLoad& ModuleLoad() { return m_moduleLoad; }

 private:
  std::vector<PnRxClass*> m_registeredClasses;
  KovtModuleLoad m_moduleLoad;
  HINSTANCE m_moduleHandle = nullptr;
  bool m_initialized = false;
};
