// Constructing the reinforcement job settings on a drawing that already holds
// its default set (what the first request for a drawing's settings costs),
// and reading or writing that set again on an existing object. A units
// service is registered, so the tolerance refresh after each read and write
// runs as it does inside the host.
#include <benchmark/benchmark.h>

#include "bench/bench_host.h"
#include "jobsettings/reinf_job_settings.h"

namespace {

// A working drawing in the reinforcement context whose default set is stored
// with a steel list and a header.
class StoredDrawing {
 public:
  StoredDrawing() {
    KOVTReinfJobSettings settings;
    settings.Mater.SteelList = {{L"B500A", 21, L""}, {L"B500B", 22, L"Bs"}, {L"B500C", 23, L""}};
    settings.HeaderFooter().HeaderData.assign(256, 0x5a);
    settings.HeaderFooter().HeaderSize = 256;
    settings.Save();
  }

 private:
  BenchHost m_host{KOVT_CONTEXT_REINFORCEMENT};
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
