// The units service with a metric answer of the test's choosing and a text
// that shows what FormatValue was asked ("value|kind|precision"), so code on
// top of it can be tested without job settings or the formatting module.
#pragma once

#include "units/sv_units_service.h"

class FakeUnitsService : public KovtSvUnitsService {
 public:
  int metric = 1;

  int IsWorkMetric() override { return metric; }
  int IsDescMetric() override { return metric; }
  KOVTString& FormatValue(KOVTString& text, double value, int kind, int precision) override {
    text.Format(L"%g|%d|%d", value, kind, precision);
    return text;
  }
};

// Publishes a FakeUnitsService as "KOVT_UNITS" while alive.
class ScopedUnitsService {
 public:
  explicit ScopedUnitsService(int metric = 1) : m_service(new FakeUnitsService) {
    m_service->metric = metric;
    pnrxDynamicLinker()->registerService(kUnitsServiceName, m_service);
  }
  ~ScopedUnitsService() { KovtWithdrawService(kUnitsServiceName, m_service); }
  ScopedUnitsService(const ScopedUnitsService&) = delete;
  ScopedUnitsService& operator=(const ScopedUnitsService&) = delete;

 private:
  FakeUnitsService* m_service;
};
