// A module fixture whose drawing starts without refreshed tolerances, with a
// units service that converts between millimetres, centimetres and metres.
#pragma once

#include "environment/tolerance_refresh.h"
#include "units/sv_units_service.h"

class MetricUnits : public KovtSvUnitsService {
 public:
  bool ConvertLengthByNames(KOVTString from, KOVTString to, double value, double& result) override {
    if (PerMillimetre(from) == 0.0 || PerMillimetre(to) == 0.0) return false;
    result = value / PerMillimetre(from) * PerMillimetre(to);
    return true;
  }

 private:
  static double PerMillimetre(const KOVTString& unit) {
    return unit == L"mm" ? 1.0 : unit == L"cm" ? 0.1 : unit == L"m" ? 0.001 : 0.0;
  }
};

template <class Fixture>
class WithMetricUnits : public Fixture {
 protected:
  void SetUp() override {
    Fixture::SetUp();
    KovtForgetEpsilons(this->Drawing());
    m_units = new MetricUnits;
    ASSERT_NE(pnrxDynamicLinker()->registerService(L"KOVT_UNITS", m_units), nullptr);
  }
  void TearDown() override {
    KovtWithdrawService(L"KOVT_UNITS", m_units);
    KovtForgetEpsilons(this->Drawing());
    Fixture::TearDown();
  }

 private:
  MetricUnits* m_units = nullptr;
};
