// Constructing the job settings of each module on a drawing that already
// holds its default set (what the first request for a drawing's settings
// costs), reading or writing that set again on an existing object (with the
// time per stored value), and opening a saved drawing that holds all three
// modules and reading their default sets. A units service is registered, so
// the tolerance refresh after each read and write runs as it does inside the
// host.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench/bench_host.h"
#include "jobsettings/formwork_job_settings.h"
#include "jobsettings/reinf_job_settings.h"
#include "jobsettings/settings_dictionary.h"
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

// The number of values the working drawing's default set holds.
template <class Settings>
double StoredValues(Settings& settings) {
  KovtSettingsDictionary dictionary(nullptr);
  KoVTPrjReg::TRegistry registry(dictionary.get());
  if (!registry.OpenKey(KOVTJobSettings::SetPath(settings.GetDefault()), false)) return 0.0;
  const double count = static_cast<double>(registry.GetCurrentKey()->Values().size());
  registry.CloseKey();
  return count;
}

// Reports the time per stored value next to the time per set.
void CountValues(benchmark::State& state, double values) {
  state.counters["per_value"] =
      benchmark::Counter(values, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["values"] = values;
}

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
  CountValues(state, StoredValues(settings));
}

template <class Settings>
void BM_WriteSet(benchmark::State& state) {
  StoredDrawing<Settings> drawing;
  Settings settings;
  for (auto _ : state) settings.Save();
  CountValues(state, StoredValues(settings));
}

// A drawing file holding the default sets of all three modules, made by
// constructing each module's settings in its context and saving.
class ThreeModuleDrawing {
 public:
  ThreeModuleDrawing() {
    BenchHost host(KOVT_CONTEXT_REINFORCEMENT);
    ReadAll(host.Drawing());
    host.Drawing()->saveAs(m_file.c_str());
  }
  ~ThreeModuleDrawing() { std::filesystem::remove(m_file); }
  ThreeModuleDrawing(const ThreeModuleDrawing&) = delete;
  ThreeModuleDrawing& operator=(const ThreeModuleDrawing&) = delete;

  const std::wstring& File() const { return m_file; }

  // Constructs each module's settings in its context: reads the default set,
  // or stores the defaults when the drawing has none.
  static void ReadAll(PnDbDatabase* drawing) {
    {
      KOVTReinfJobSettings reinforcement;
      benchmark::DoNotOptimize(&reinforcement);
    }
    {
      KOVTContext steelContext(KOVT_CONTEXT_STEEL, drawing);
      KOVTSteelJobSettings steel;
      benchmark::DoNotOptimize(&steel);
    }
    KOVTContext formworkContext(KOVT_CONTEXT_FORMWORK, drawing);
    KOVTFormworkJobSettings formwork;
    benchmark::DoNotOptimize(&formwork);
  }

 private:
  std::wstring m_file =
      (std::filesystem::temp_directory_path() / ("job_settings_bench_" + std::to_string(::getpid()) + ".dwg"))
          .wstring();
};

void BM_OpenDrawingAndReadThreeDefaultSets(benchmark::State& state) {
  ThreeModuleDrawing saved;
  BenchHost host(KOVT_CONTEXT_REINFORCEMENT);
  for (auto _ : state) {
    PnDbDatabase drawing(false);
    if (drawing.readDwgFile(saved.File().c_str()) != Plnx::eOk) {
      state.SkipWithError("the saved drawing does not read");
      break;
    }
    pndbHostApplicationServices()->setWorkingDatabase(&drawing);
    KOVTContext reinforcement(KOVT_CONTEXT_REINFORCEMENT, &drawing);
    ThreeModuleDrawing::ReadAll(&drawing);
    pndbHostApplicationServices()->setWorkingDatabase(host.Drawing());
  }
}
BENCHMARK(BM_OpenDrawingAndReadThreeDefaultSets)->Unit(benchmark::kMicrosecond);

#define KOVT_SETTINGS_BENCHMARKS(Settings)                                              \
  BENCHMARK_TEMPLATE(BM_ConstructOnStoredSet, Settings)->Unit(benchmark::kMicrosecond); \
  BENCHMARK_TEMPLATE(BM_ReadStoredSet, Settings)->Unit(benchmark::kMicrosecond);        \
  BENCHMARK_TEMPLATE(BM_WriteSet, Settings)->Unit(benchmark::kMicrosecond)

KOVT_SETTINGS_BENCHMARKS(KOVTReinfJobSettings);
KOVT_SETTINGS_BENCHMARKS(KOVTSteelJobSettings);
KOVT_SETTINGS_BENCHMARKS(KOVTFormworkJobSettings);

}  // namespace

BENCHMARK_MAIN();
