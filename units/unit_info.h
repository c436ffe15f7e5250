// How the modules of the family show their quantities: one KovtUnitInfo per
// displayed quantity, handed out by the unit service each module registers
// for its application context.
#pragma once

#include <cstdint>

#include "core/kovt_string.h"
#include "environment/app_context.h"

namespace KovtUnit {

// One displayed quantity: the factor from the internal base value to the
// user's unit, the unit's name (for the caller; the text functions do not
// read it), the decimals and the kind the units service formats it as.
class KovtUnitInfo {
 public:
  KovtUnitInfo() = default;
  KovtUnitInfo(double coefficient, const KOVTString& unitName, int precision, std::int32_t unitKind,
               bool allowImperial);

  void Reset(double coefficient, const KOVTString& unitName, int precision, std::int32_t unitKind,
             bool allowImperial);

  double Base2User(double baseValue) const { return baseValue * m_coefficient; }
  double User2Base(double userValue) const { return userValue / m_coefficient; }
  // The units service's text for the value in this info's kind and precision;
  // empty when no units service is published.
  KOVTString User2Text(double userValue) const;
  KOVTString Base2Text(double baseValue) const { return User2Text(Base2User(baseValue)); }
  bool AllowImp() const { return m_allowImperial; }

  double Coefficient() const { return m_coefficient; }
  const KOVTString& UnitName() const { return m_unitName; }
  int Precision() const { return m_precision; }
  std::int32_t UnitKind() const { return m_unitKind; }

 private:
  double m_coefficient = 1.0;
  KOVTString m_unitName;
  std::int32_t m_precision = 2;
  std::int32_t m_unitKind = 0;
  bool m_allowImperial = false;
};

// What a module implements to describe its quantities.
class KovtUnitService {
 public:
  virtual ~KovtUnitService() = default;
  // The info the service keeps for a unit kind, or null. The service owns it;
  // callers do not keep the pointer beyond the call.
  virtual const KovtUnitInfo* GetUnitInfo(std::int32_t unitKind) = 0;
};

// At most one service per context. A registered service belongs to the
// registry; a refused one stays the caller's.
bool RegisterService(KovtUnitService* service, KOVTCONTEXT_TYPE context);
// Destroys the context's service; false when none is registered.
bool UnRegisterService(KOVTCONTEXT_TYPE context);
KovtUnitService* GetService(KOVTCONTEXT_TYPE context);
// The service of the current unit context (KovtUnitContext), or null.
KovtUnitService* GetActiveService();

// Coefficient 1.0, no unit name, precision 2, kind 0, imperial not allowed.
const KovtUnitInfo* GetDefaultInfo();

// The text of a base value of a kind, as the active service describes that
// kind (the default info when it does not).
KOVTString BaseValue2Text(double baseValue, int unitKind);

// A value in work units written for the formwork's element descriptions,
// respectively its dimensions: in the unit and with the decimals the formwork
// settings give for values below or from one unit of the current length
// list's first entry ("m", or "in" when imperial). The number only, without
// unit name; empty while the drawing has no formwork settings.
KOVTString BaseValue2DescText(double baseValue);
KOVTString BaseValue2DimText(double baseValue);

}  // namespace KovtUnit
