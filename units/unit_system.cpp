#include "units/unit_system.h"

#include "environment/product_info.h"
#include "host/rx.h"
#include "units/kovt_service.h"
#include "units/sv_units.h"

namespace {

constexpr const wchar_t* kLanguageServiceName = L"KOVT_ZEM";

}  // namespace

int IsMetric() {
  TxISvUnits* units = KovtFindService<TxISvUnits>(kUnitsServiceName);
  return units != nullptr ? units->IsWorkMetric() : 1;
}

int IsRussian() {
  if (!pnrxServiceIsRegistered(kLanguageServiceName)) return 0;
  return GetProductLang() == L"ru-RU" ? 1 : 0;
}
