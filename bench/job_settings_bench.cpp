// Constructing the job settings of each module on a drawing that already
// holds its default set (what the first request for a drawing's settings
// costs), and reading or writing that set again on an existing object. A
// units service is registered, so the tolerance refresh after each read and
// write runs as it does inside the host.
#include <benchmark/benchmark.h>

#include "bench/bench_host.h"
#include "jobsettings/formwork_job_settings.h"
#include "jobsettings/reinf_job_settings.h"
#include "jobsettings/steel_job_settings.h"

namespace {

template <class Settings>
struct Module;

template <>
struct Module<KOVTReinfJobSettings> {
  static constexpr KOVTCONTEXT_TYPE kContext = KOVT_CONTEXT_REINFORCEMENT;
  static void Fill(KOVTReinfJobSettings& settings) {
    settings.Mater.SteelList = {{L"B500A", 21, L""}, {L"B500B", 22, L"Bs"}, {L"B500C", 23, L""}};
  }
};

template <>
struct Module<KOVTSteelJobSettings> {
  static constexpr KOVTCONTEXT_TYPE kContext = KOVT_CONTEXT_STEEL;
  static void Fill(KOVTSteelJobSettings&) {}
};

template <>
struct Module<KOVTFormworkJobSettings> {
  static constexpr KOVTCONTEXT_TYPE kContext = KOVT_CONTEXT_FORMWORK;
  static void Fill(KOVTFormworkJobSettings&) {}
};

// A working drawing in the module's context whose default set is stored with
// a header (and, for reinforcement, a steel list).
template <class Settings>
class StoredDrawing {
 public:
  StoredDrawing() {
    Settings settings;
    Module<Settings>::Fill(settings);
    settings.HeaderFooter().HeaderData.assign(256, 0x5a);
    settings.HeaderFooter().HeaderSize = 256;
    settings.Save();
  }

 private:
  BenchHost m_host{Module<Settings>::kContext};
};

template <class Settings>
void BM_ConstructOnStoredSet(benchmark::State& state) {
  StoredDrawing<Settings> drawing;
  for (auto _ : state) {
    Settings settings;
    benchmark::DoNotOptimize(&settings);
  }
}

template <class Settings>
void BM_ReadStoredSet(benchmark::State& state) {
  StoredDrawing<Settings> drawing;
  Settings settings;
  for (auto _ : state) {
    bool read = settings.ReadJobSettings(settings.GetDefault(), nullptr, KoVTPrjReg::kReadWrite);
    benchmark::DoNotOptimize(read);
  }
}

template <class Settings>
void BM_WriteSet(benchmark::State& state) {
  StoredDrawing<Settings> drawing;
  Settings settings;
  for (auto _ : state) settings.Save();
}

#define KOVT_SETTINGS_BENCHMARKS(Settings)                                             \
  BENCHMARK_TEMPLATE(BM_ConstructOnStoredSet, Settings)->Unit(benchmark::kMicrosecond); \
  BENCHMARK_TEMPLATE(BM_ReadStoredSet, Settings)->Unit(benchmark::kMicrosecond);        \
  BENCHMARK_TEMPLATE(BM_WriteSet, Settings)->Unit(benchmark::kMicrosecond)

KOVT_SETTINGS_BENCHMARKS(KOVTReinfJobSettings);
KOVT_SETTINGS_BENCHMARKS(KOVTSteelJobSettings);
KOVT_SETTINGS_BENCHMARKS(KOVTFormworkJobSettings);

}  // namespace

BENCHMARK_MAIN();
