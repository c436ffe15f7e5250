// KOVTAppSetModule: the one module object of KoVTAppSet.
//
// Constructed when the library is loaded; the host's messages reach it
// through pnrxEntryPoint. Its hooks register the module's persistent classes
// and services and load its companion module.
#pragma once

#include <vector>

#include "core/module.h"

class KOVTAppSetModule : public KOVTMoKmoModule {
 public:
  KOVTAppSetModule() = default;
  ~KOVTAppSetModule() override;

  bool InitApplication(void* packet) override;
  bool UnloadApplication(void* packet) override;
  KovtObjectMaps* ObjectMaps() override;
  bool LoadModules(void* packet) override;
  bool UnLoadModules(void* packet) override;
  bool RegisterClasses(void* packet) override;
  bool UnRegisterClasses(void* packet) override;

 private:
  void DeleteOwnedClasses();
  // Classes this module created beyond those of the base's list.
  std::vector<PnRxClass*> m_ownedClasses;
};

// The module object, for code that needs its handle or loader.
KOVTAppSetModule& KoVTAppSetModuleObject();

// The file name of the companion formatting module.
inline constexpr const wchar_t* kKovtZemEnablerModule = L"KovtZemEnabler.zem";
