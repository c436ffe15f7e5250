// KovtZemEnabler.zem: the companion module that publishes the number
// formatting service while it is loaded.
#include "core/module.h"
#include "zem/zem_enabler.h"

namespace {

class KovtZemEnablerModule : public KOVTMoKmoModule {
 public:
  bool RegisterServices(void* packet) override {
    bool ok = KOVTMoKmoModule::RegisterServices(packet);
    auto* service = new KovtZemEnablerService;
    if (pnrxDynamicLinker()->registerService(kZemEnablerServiceName, service) == nullptr) {
      delete service;  // another module publishes the name already
      return false;
    }
    m_service = service;
    return ok;
  }

  bool UnRegisterServices(void* packet) override {
    KovtWithdrawService(kZemEnablerServiceName, m_service);
    m_service = nullptr;
    return KOVTMoKmoModule::UnRegisterServices(packet);
  }

 private:
  KovtZemEnablerService* m_service = nullptr;
};

KovtZemEnablerModule g_module;

}  // namespace

extern "C" __attribute__((visibility("default"))) PnRx::AppRetCode pnrxEntryPoint(PnRx::AppMsgCode message,
                                                                                  void* packet) {
  return g_module.ProcessAppMsg(message, packet);
}

extern "C" __attribute__((visibility("default"))) void pnrxGetApiVersion(std::uint32_t* version) {
  if (version != nullptr) *version = kPnRxApiVersion;
}
