// KovtService: how the family publishes an interface in the host's service
// dictionary.
//
// A service object is a host service (so the host's dictionary can own it)
// that also implements one interface of the family. Users find it by name on
// every use and reach it through the interface only, so the module that
// provides it may be loaded or unloaded at any time between calls.
#pragma once

#include "host/rx.h"

template <class Interface>
class KovtService : public PnRxService, public Interface {};

// The object published under `serviceName` when it implements Interface, else null.
template <class Interface>
Interface* KovtFindService(const wchar_t* serviceName) {
  auto* services = dynamic_cast<PnRxDictionary*>(pnrxSysRegistry()->at(L"ServiceDictionary"));
  if (services == nullptr || serviceName == nullptr) return nullptr;
  return dynamic_cast<Interface*>(services->at(serviceName));
}

// Takes `service` out of the dictionary and deletes it, when it is what
// `serviceName` holds; answers whether it did. A module calls this for its own
// services before it is unloaded, since their code leaves with it.
inline bool KovtWithdrawService(const wchar_t* serviceName, PnRxService* service) {
  auto* services = dynamic_cast<PnRxDictionary*>(pnrxSysRegistry()->at(L"ServiceDictionary"));
  if (services == nullptr || service == nullptr || serviceName == nullptr || services->at(serviceName) != service)
    return false;
  delete services->remove(serviceName);
  return true;
}
