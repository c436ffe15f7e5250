// The two functions the host looks up in every module.
#include "host/rx.h"
#include "module/app_set_module.h"

namespace {
KOVTAppSetModule g_module;
}  // namespace

KOVTAppSetModule& KoVTAppSetModuleObject() { return g_module; }

extern "C" __attribute__((visibility("default"))) PnRx::AppRetCode pnrxEntryPoint(PnRx::AppMsgCode message,
                                                                                  void* packet) {
  return g_module.ProcessAppMsg(message, packet);
}

extern "C" __attribute__((visibility("default"))) void pnrxGetApiVersion(std::uint32_t* version) {
  if (version != nullptr) *version = kPnRxApiVersion;
}
