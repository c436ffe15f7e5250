// The process-wide configuration object of each application, created on
// first use and kept until released.
#pragma once

#include "environment/app_config.h"

// Each returns its object, creating it on the first call; null when creation
// fails, and the next call tries again.
KOVTReinforcementConfig* REINF_CFG();
KOVTSteelConfig* STEEL_CFG();
KOVTCommonConfig* COMMON_CFG();
KOVTFormworkConfig* FORMW_CFG();
KOVTBarshapeConfig* BARSHAPE_CFG();

// The configuration of the current application context (KOVTContext of the
// working drawing): reinforcement, steel, formwork, bar shapes, or the common
// one for any other context.
KOVTAppSet* CFG();

// Delete the object, if any; the next accessor call creates a new one, which
// reads its folders again.
void REINF_CFG_RELEASE();
void STEEL_CFG_RELEASE();
void COMMON_CFG_RELEASE();
void FORMW_CFG_RELEASE();
void BARSHAPE_CFG_RELEASE();
// Releases the configuration CFG() answers now.
void CFG_RELEASE();

// The same objects for callers that only know the interface.
class KOVTConfigurationAccess {
 public:
  static KovtIAppSet* ReinfCfg();
  static KovtIAppSet* SteelCfg();
  static KovtIAppSet* CommonCfg();
  static KovtIAppSet* FormCfg();
  static KovtIAppSet* BarshapeCfg();
  static KovtIAppSet* Cfg();
};
