// Constructing the formwork job settings on a drawing that already holds its
// default set (what the first FORMWORK_JOBSET of a drawing costs), and
// reading or writing that set again on an existing object, the presentation
// structures with their per-element-type lists included. A units service is
// registered, so the tolerance refresh after each read and write runs as it
// does inside the host.
#include <benchmark/benchmark.h>

#include "bench/bench_host.h"
#include "jobsettings/formwork_job_settings.h"

namespace {

// A working drawing in the formwork context whose default set is stored with
// a header.
class StoredDrawing {
 public:
  StoredDrawing() {
    KOVTFormworkJobSettings settings;
    settings.HeaderFooter().HeaderData.assign(256, 0x5a);
    settings.HeaderFooter().HeaderSize = 256;
    settings.Save();
  }

 private:
  BenchHost m_host{KOVT_CONTEXT_FORMWORK};
};

void BM_FormworkConstructOnStoredSet(benchmark::State& state) {
  StoredDrawing drawing;
  for (auto _ : state) {
    KOVTFormworkJobSettings settings;
    benchmark::DoNotOptimize(settings.Units.WorkUnits.c_str());
  }
}
BENCHMARK(BM_FormworkConstructOnStoredSet)->Unit(benchmark::kMicrosecond);

void BM_FormworkReadStoredSet(benchmark::State& state) {
  StoredDrawing drawing;
  KOVTFormworkJobSettings settings;
  for (auto _ : state) {
    bool read = settings.ReadJobSettings(settings.GetDefault(), nullptr, KoVTPrjReg::kReadWrite);
    benchmark::DoNotOptimize(read);
  }
}
BENCHMARK(BM_FormworkReadStoredSet)->Unit(benchmark::kMicrosecond);

void BM_FormworkWriteSet(benchmark::State& state) {
  StoredDrawing drawing;
  KOVTFormworkJobSettings settings;
  for (auto _ : state) settings.Save();
}
BENCHMARK(BM_FormworkWriteSet)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
