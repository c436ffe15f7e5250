// What the settings benchmarks run in: the module's classes and a units
// service registered as the host has them after loading, and a working
// drawing in one application context.
#pragma once

#include <memory>
#include <vector>

#include "dictionaries/app_dictionary_classes.h"
#include "environment/app_context.h"
#include "environment/tolerance_refresh.h"
#include "host/host.h"
#include "registry/registry_keeper.h"
#include "units/kovt_service.h"
#include "units/sv_units_service.h"

class BenchHost {
 public:
  explicit BenchHost(KOVTCONTEXT_TYPE context) {
    KovtRegisterAppDictionaryClasses(m_classes);
    KoVTPrjReg::Initialize();
    m_units = new SameUnitsOnly;
    pnrxDynamicLinker()->registerService(L"KOVT_UNITS", m_units);
    m_drawing = std::make_unique<PnDbDatabase>();
    pndbHostApplicationServices()->setWorkingDatabase(m_drawing.get());
    m_context = std::make_unique<KOVTContext>(context, m_drawing.get());
  }
  ~BenchHost() {
    m_context.reset();
    pndbHostApplicationServices()->setWorkingDatabase(nullptr);
    m_drawing.reset();
    KovtWithdrawService(L"KOVT_UNITS", m_units);
    KOVTContext::Clear();
    KoVTPrjReg::Finalize();
    for (auto it = m_classes.rbegin(); it != m_classes.rend(); ++it) deletePnRxClass(*it);
    KovtForgetAppDictionaryClasses();
    pnrxBuildClassHierarchy();
  }
  BenchHost(const BenchHost&) = delete;
  BenchHost& operator=(const BenchHost&) = delete;

  PnDbDatabase* Drawing() const { return m_drawing.get(); }

 private:
  class SameUnitsOnly : public KovtSvUnitsService {
   public:
    bool ConvertLengthByNames(KOVTString from, KOVTString to, double value, double& result) override {
      if (from != to) return false;
      result = value;
      return true;
    }
  };

  std::vector<PnRxClass*> m_classes;
  SameUnitsOnly* m_units = nullptr;
  std::unique_ptr<PnDbDatabase> m_drawing;
  std::unique_ptr<KOVTContext> m_context;
};
