#include "units/sv_units_service.h"

bool KovtPublishUnitsService() {
  auto* service = new KovtSvUnitsService;
  auto* linker = dynamic_cast<PnRxDynamicLinker*>(pnrxSysRegistry()->at(L"DynamicLinker"));
  if (linker != nullptr && linker->registerService(kUnitsServiceName, service) != nullptr) return true;
  delete service;  // not registered, so still ours: it would leak
  return false;
}

bool KovtWithdrawUnitsService() {
  auto* services = dynamic_cast<PnRxDictionary*>(pnrxSysRegistry()->at(L"ServiceDictionary"));
  PnRxObject* removed = services != nullptr ? services->remove(kUnitsServiceName) : nullptr;
  if (removed == nullptr) return false;
  delete removed;
  return true;
}
