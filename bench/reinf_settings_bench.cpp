// Constructing the reinforcement job settings on a drawing that already holds
// its default set (what the first request for a drawing's settings costs),
// and reading or writing that set again on an existing object. A units
// service is registered, so the tolerance refresh after each read and write
// runs as it does inside the host.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "dictionaries/app_dictionary_classes.h"
#include "environment/app_context.h"
#include "environment/tolerance_refresh.h"
#include "host/host.h"
#include "jobsettings/reinf_job_settings.h"
#include "registry/registry_keeper.h"
#include "units/kovt_service.h"

namespace {

class SameUnitsOnly : public KovtService<KovtIUnitConversion> {
 public:
  bool ConvertLengthByName(const KOVTString& from, const KOVTString& to, double value, double& result) const override {
    if (from != to) return false;
    result = value;
    return true;
  }
};

// The module's classes and services as the host has them after loading, a
// working drawing in the reinforcement context, and its default set stored
// with a steel list and a header.
class StoredDrawing {
 public:
  StoredDrawing() {
    KovtRegisterAppDictionaryClasses(m_classes);
    KoVTPrjReg::Initialize();
    m_units = new SameUnitsOnly;
    pnrxDynamicLinker()->registerService(L"KOVT_UNITS", m_units);
    m_drawing = std::make_unique<PnDbDatabase>();
    pndbHostApplicationServices()->setWorkingDatabase(m_drawing.get());
    m_context = std::make_unique<KOVTContext>(KOVT_CONTEXT_REINFORCEMENT, m_drawing.get());
    KOVTReinfJobSettings settings;
    settings.Mater.SteelList = {{L"B500A", 21, L""}, {L"B500B", 22, L"Bs"}, {L"B500C", 23, L""}};
    settings.HeaderFooter().HeaderData.assign(256, 0x5a);
    settings.HeaderFooter().HeaderSize = 256;
    settings.Save();
  }
  ~StoredDrawing() {
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
  StoredDrawing(const StoredDrawing&) = delete;
  StoredDrawing& operator=(const StoredDrawing&) = delete;

 private:
  std::vector<PnRxClass*> m_classes;
  SameUnitsOnly* m_units = nullptr;
  std::unique_ptr<PnDbDatabase> m_drawing;
  std::unique_ptr<KOVTContext> m_context;
};

void BM_ConstructOnStoredSet(benchmark::State& state) {
  StoredDrawing drawing;
  for (auto _ : state) {
    KOVTReinfJobSettings settings;
    benchmark::DoNotOptimize(settings.Mater.SteelList.data());
  }
}
BENCHMARK(BM_ConstructOnStoredSet)->Unit(benchmark::kMicrosecond);

void BM_ReadStoredSet(benchmark::State& state) {
  StoredDrawing drawing;
  KOVTReinfJobSettings settings;
  for (auto _ : state) {
    bool read = settings.ReadJobSettings(settings.GetDefault(), nullptr, KoVTPrjReg::kReadWrite);
    benchmark::DoNotOptimize(read);
  }
}
BENCHMARK(BM_ReadStoredSet)->Unit(benchmark::kMicrosecond);

void BM_WriteSet(benchmark::State& state) {
  StoredDrawing drawing;
  KOVTReinfJobSettings settings;
  for (auto _ : state) settings.Save();
}
BENCHMARK(BM_WriteSet)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
