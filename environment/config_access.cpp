#include "environment/config_access.h"

#include <memory>

#include "environment/app_context.h"

namespace {

template <class Config>
std::unique_ptr<Config>& Slot() {
  static std::unique_ptr<Config> slot;
  return slot;
}

template <class Config>
Config* Instance() {
  std::unique_ptr<Config>& slot = Slot<Config>();
  if (!slot) {
    try {
      slot = std::make_unique<Config>();
    } catch (...) {
      return nullptr;
    }
  }
  return slot.get();
}

template <class Config>
void Release() {
  Slot<Config>().reset();
}

struct ContextConfig {
  KOVTAppSet* (*get)();
  void (*release)();
};

template <class Config>
constexpr ContextConfig ConfigOf() {
  return {[]() -> KOVTAppSet* { return Instance<Config>(); }, &Release<Config>};
}

ContextConfig CurrentContextConfig() {
  switch (KOVTContext().GetContext()) {
    case KOVT_CONTEXT_REINFORCEMENT: return ConfigOf<KOVTReinforcementConfig>();
    case KOVT_CONTEXT_STEEL: return ConfigOf<KOVTSteelConfig>();
    case KOVT_CONTEXT_FORMWORK: return ConfigOf<KOVTFormworkConfig>();
    case KOVT_CONTEXT_BARSHAPES: return ConfigOf<KOVTBarshapeConfig>();
    default: return ConfigOf<KOVTCommonConfig>();
  }
}

}  // namespace

KOVTReinforcementConfig* REINF_CFG() { return Instance<KOVTReinforcementConfig>(); }
KOVTSteelConfig* STEEL_CFG() { return Instance<KOVTSteelConfig>(); }
KOVTCommonConfig* COMMON_CFG() { return Instance<KOVTCommonConfig>(); }
KOVTFormworkConfig* FORMW_CFG() { return Instance<KOVTFormworkConfig>(); }
KOVTBarshapeConfig* BARSHAPE_CFG() { return Instance<KOVTBarshapeConfig>(); }

KOVTAppSet* CFG() { return CurrentContextConfig().get(); }

void REINF_CFG_RELEASE() { Release<KOVTReinforcementConfig>(); }
void STEEL_CFG_RELEASE() { Release<KOVTSteelConfig>(); }
void COMMON_CFG_RELEASE() { Release<KOVTCommonConfig>(); }
void FORMW_CFG_RELEASE() { Release<KOVTFormworkConfig>(); }
void BARSHAPE_CFG_RELEASE() { Release<KOVTBarshapeConfig>(); }

void CFG_RELEASE() { CurrentContextConfig().release(); }

KovtIAppSet* KOVTConfigurationAccess::ReinfCfg() { return REINF_CFG(); }
KovtIAppSet* KOVTConfigurationAccess::SteelCfg() { return STEEL_CFG(); }
KovtIAppSet* KOVTConfigurationAccess::CommonCfg() { return COMMON_CFG(); }
KovtIAppSet* KOVTConfigurationAccess::FormCfg() { return FORMW_CFG(); }
KovtIAppSet* KOVTConfigurationAccess::BarshapeCfg() { return BARSHAPE_CFG(); }
KovtIAppSet* KOVTConfigurationAccess::Cfg() { return CFG(); }
