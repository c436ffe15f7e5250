#include "units/sv_units_service.h"

bool KovtPublishUnitsService() {
  auto* linker = dynamic_cast<PnRxDynamicLinker*>(pnrxSysRegistry()->at(L"DynamicLinker"));
  if (linker == nullptr) return false;
  auto* service = new KovtSvUnitsService;
  if (linker->registerService(kUnitsServiceName, service) != nullptr) return true;
  delete service;  // refused, so still ours
  return false;
}

bool KovtWithdrawUnitsService() {
  auto* published = dynamic_cast<KovtSvUnitsService*>(KovtFindService<TxISvUnits>(kUnitsServiceName));
  return KovtWithdrawService(kUnitsServiceName, published);
}
