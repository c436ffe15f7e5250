#include "units/unit_info.h"

#include <map>

#include "units/kovt_service.h"
#include "units/sv_units.h"

namespace KovtUnit {

namespace {

// Services left registered at unload are their modules' to destroy.
std::map<KOVTCONTEXT_TYPE, KovtUnitService*>& Services() {
  static std::map<KOVTCONTEXT_TYPE, KovtUnitService*> services;
  return services;
}

}  // namespace

KovtUnitInfo::KovtUnitInfo(double coefficient, const KOVTString& unitName, int precision, std::int32_t unitKind,
                           bool allowImperial)
    : m_coefficient(coefficient),
      m_unitName(unitName),
      m_precision(precision),
      m_unitKind(unitKind),
      m_allowImperial(allowImperial) {}

void KovtUnitInfo::Reset(double coefficient, const KOVTString& unitName, int precision, std::int32_t unitKind,
                         bool allowImperial) {
  *this = KovtUnitInfo(coefficient, unitName, precision, unitKind, allowImperial);
}

KOVTString KovtUnitInfo::User2Text(double userValue) const {
  KOVTString text;
  if (TxISvUnits* units = KovtFindService<TxISvUnits>(kUnitsServiceName))
    units->FormatValue(text, userValue, m_unitKind, m_precision);
  return text;
}

bool RegisterService(KovtUnitService* service, KOVTCONTEXT_TYPE context) {
  if (service == nullptr) return false;
  return Services().emplace(context, service).second;
}

bool UnRegisterService(KOVTCONTEXT_TYPE context) {
  const auto found = Services().find(context);
  if (found == Services().end()) return false;
  delete found->second;
  Services().erase(found);
  return true;
}

KovtUnitService* GetService(KOVTCONTEXT_TYPE context) {
  const auto found = Services().find(context);
  return found == Services().end() ? nullptr : found->second;
}

KovtUnitService* GetActiveService() { return GetService(KovtUnitContext::GetContext()); }

const KovtUnitInfo* GetDefaultInfo() {
  static const KovtUnitInfo defaults;
  return &defaults;
}

KOVTString BaseValue2Text(double baseValue, int unitKind) {
  const KovtUnitInfo* info = nullptr;
  if (KovtUnitService* service = GetActiveService()) info = service->GetUnitInfo(unitKind);
  return (info != nullptr ? info : GetDefaultInfo())->Base2Text(baseValue);
}

}  // namespace KovtUnit
