// Saving and loading project registries of 10k, 100k and 1M values, against
// the same tree kept in one SQLite table (key path, name, tag, payload).
//
// Both sides work in memory: the registry files into a memory filer, SQLite
// into an in-memory database, so the figures compare the formats and not a
// disk. MB/s is reckoned on the size of the registry's filed form for both,
// so the two columns measure the same data. Times are CPU times, steadier than
// wall time on a shared machine. After the runs a table gives the SQLite time
// over the registry time for each case.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/filer.h"
#include "host/utf16.h"
#include "registry/registry_keeper.h"

using namespace KoVTPrjReg;

namespace {

constexpr std::int64_t kSizes[] = {10'000, 100'000, 1'000'000};
constexpr int kValuesPerKey = 100;
constexpr int kSectionsPerSet = 10;

// HKEY_CONFIG \ set \ section, each section holding kValuesPerKey values of every kind in turn.
std::unique_ptr<KoVTPrjRegistryKeeper> MakeRegistry(std::int64_t values) {
  auto keeper = std::make_unique<KoVTPrjRegistryKeeper>();
  TKey* root = keeper->CreateRootKey(L"HKEY_CONFIG");
  keeper->CreateRootKey(L"HKEY_DYN_DATA");
  const std::uint8_t blob[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  for (std::int64_t i = 0; i < values; ++i) {
    std::int64_t keyIndex = i / kValuesPerKey;
    KOVTString set, section, name;
    set.Format(L"Set%05lld", static_cast<long long>(keyIndex / kSectionsPerSet));
    section.Format(L"Section%02lld", static_cast<long long>(keyIndex % kSectionsPerSet));
    name.Format(L"Option%03lld", static_cast<long long>(i % kValuesPerKey));
    std::unique_ptr<TValue> value;
    switch (i % 6) {
      case 0: value = std::make_unique<TIntValue>(static_cast<std::int32_t>(i)); break;
      case 1: value = std::make_unique<TFloatValue>(static_cast<double>(i) * 0.5); break;
      case 2: value = std::make_unique<TStringValue>(KOVTString(L"Value ") + name); break;
      case 3: value = std::make_unique<TBinaryValue>(blob, 16); break;
      case 4: value = std::make_unique<TObjIdValue>(); break;
      default: value = std::make_unique<THandleValue>(PnDbHandle(static_cast<std::uint64_t>(i))); break;
    }
    root->CreateSubKey(set)->CreateSubKey(section)->SetValue(name, std::move(value));
  }
  return keeper;
}

std::vector<std::uint8_t> Filed(const KoVTPrjRegistryKeeper& keeper) {
  PnDbMemoryFiler filer;
  if (keeper.dwgOutFields(&filer) != Plnx::eOk) throw std::runtime_error("registry could not be filed");
  return filer.takeBytes();
}

void Report(benchmark::State& state, std::int64_t values, std::size_t filedBytes) {
  state.SetItemsProcessed(state.iterations() * values);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(filedBytes));
}

void RegistrySave(benchmark::State& state) {
  auto keeper = MakeRegistry(state.range(0));
  std::size_t size = 0;
  for (auto _ : state) {
    PnDbMemoryFiler filer;
    keeper->dwgOutFields(&filer);
    size = filer.bytes().size();
    benchmark::DoNotOptimize(filer.bytes().data());
  }
  Report(state, state.range(0), size);
}

void RegistryLoad(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = Filed(*MakeRegistry(state.range(0)));
  for (auto _ : state) {
    PnDbMemoryFiler filer(bytes, PnDb::kFileFiler, nullptr);
    auto keeper = std::make_unique<KoVTPrjRegistryKeeper>();
    if (keeper->dwgInFields(&filer) != Plnx::eOk) state.SkipWithError("registry did not load");
    state.PauseTiming();  // freeing the tree is not loading it
    keeper.reset();
    state.ResumeTiming();
  }
  Report(state, state.range(0), bytes.size());
}

// ---- The same tree in SQLite.

class Database {
 public:
  Database() {
    if (sqlite3_open(":memory:", &m_db) != SQLITE_OK) throw std::runtime_error("no SQLite database");
  }
  ~Database() { sqlite3_close(m_db); }
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;
  void Exec(const char* sql) {
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) throw std::runtime_error(sqlite3_errmsg(m_db));
  }
  sqlite3* get() const { return m_db; }

 private:
  sqlite3* m_db = nullptr;
};

class Statement {
 public:
  Statement(const Database& db, const char* sql) {
    if (sqlite3_prepare_v2(db.get(), sql, -1, &m_statement, nullptr) != SQLITE_OK)
      throw std::runtime_error(sqlite3_errmsg(db.get()));
  }
  ~Statement() { sqlite3_finalize(m_statement); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  sqlite3_stmt* get() const { return m_statement; }

 private:
  sqlite3_stmt* m_statement = nullptr;
};

void CreateTable(Database& db) {
  db.Exec("DROP TABLE IF EXISTS registry");
  db.Exec("CREATE TABLE registry (path TEXT NOT NULL, name TEXT NOT NULL, tag INTEGER NOT NULL, payload)");
}

void BindText(sqlite3_stmt* statement, int column, const KOVTString& text) {
  std::u16string units = pndbToUtf16(text.str());
  sqlite3_bind_text16(statement, column, units.data(), static_cast<int>(units.size() * 2), SQLITE_TRANSIENT);
}

void BindPayload(sqlite3_stmt* statement, const TValue& value) {
  switch (value.GetDataType()) {
    case kIntegerValue: sqlite3_bind_int(statement, 4, static_cast<const TIntValue&>(value).GetValue()); break;
    case kFloatValue: sqlite3_bind_double(statement, 4, static_cast<const TFloatValue&>(value).GetValue()); break;
    case kStringValue: BindText(statement, 4, static_cast<const TStringValue&>(value).GetValue()); break;
    case kBinaryValue: {
      const auto& binary = static_cast<const TBinaryValue&>(value);
      sqlite3_bind_blob(statement, 4, binary.GetData(), binary.GetDataSize(), SQLITE_TRANSIENT);
      break;
    }
    case kObjectIdValue:
      sqlite3_bind_int64(statement, 4,
                         static_cast<sqlite3_int64>(static_cast<const TObjIdValue&>(value).GetValue().handle().value()));
      break;
    default:
      sqlite3_bind_int64(statement, 4,
                         static_cast<sqlite3_int64>(static_cast<const THandleValue&>(value).GetValue().value()));
      break;
  }
}

// One row per value, keys in path order.
void StoreInSqlite(Database& db, const KoVTPrjRegistryKeeper& keeper) {
  Statement insert(db, "INSERT INTO registry (path, name, tag, payload) VALUES (?, ?, ?, ?)");
  db.Exec("BEGIN");
  struct Pending {
    const TKey* key;
    KOVTString path;
  };
  std::vector<Pending> pending;
  for (auto it = keeper.RootKeys().rbegin(); it != keeper.RootKeys().rend(); ++it)
    pending.push_back({it->second.get(), it->first});
  while (!pending.empty()) {
    Pending next = std::move(pending.back());
    pending.pop_back();
    for (const auto& [name, value] : next.key->Values()) {
      BindText(insert.get(), 1, next.path);
      BindText(insert.get(), 2, name);
      sqlite3_bind_int(insert.get(), 3, value->GetDataType());
      BindPayload(insert.get(), *value);
      if (sqlite3_step(insert.get()) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db.get()));
      sqlite3_reset(insert.get());
    }
    for (auto it = next.key->SubKeys().rbegin(); it != next.key->SubKeys().rend(); ++it)
      pending.push_back({it->second.get(), next.path + L"\\" + it->first});
  }
  db.Exec("COMMIT");
}

KOVTString ColumnText(sqlite3_stmt* statement, int column) {
  const auto* units = static_cast<const char16_t*>(sqlite3_column_text16(statement, column));
  int bytes = sqlite3_column_bytes16(statement, column);
  return KOVTString(pndbFromUtf16(std::u16string_view(units ? units : u"", static_cast<std::size_t>(bytes / 2))));
}

std::unique_ptr<TValue> ColumnValue(sqlite3_stmt* statement, std::int32_t tag) {
  switch (tag) {
    case kIntegerValue: return std::make_unique<TIntValue>(sqlite3_column_int(statement, 3));
    case kFloatValue: return std::make_unique<TFloatValue>(sqlite3_column_double(statement, 3));
    case kStringValue: return std::make_unique<TStringValue>(ColumnText(statement, 3));
    case kBinaryValue:
      return std::make_unique<TBinaryValue>(sqlite3_column_blob(statement, 3), sqlite3_column_bytes(statement, 3));
    case kObjectIdValue: return std::make_unique<TObjIdValue>();  // ids need a drawing to resolve in
    default:
      return std::make_unique<THandleValue>(PnDbHandle(static_cast<std::uint64_t>(sqlite3_column_int64(statement, 3))));
  }
}

// Rebuilds the tree; rows come in path order, so the last key found is usually the next one.
std::unique_ptr<KoVTPrjRegistryKeeper> LoadFromSqlite(const Database& db) {
  auto keeper = std::make_unique<KoVTPrjRegistryKeeper>();
  Statement select(db, "SELECT path, name, tag, payload FROM registry ORDER BY rowid");
  KOVTString lastPath;
  TKey* lastKey = nullptr;
  while (sqlite3_step(select.get()) == SQLITE_ROW) {
    KOVTString path = ColumnText(select.get(), 0);
    if (lastKey == nullptr || path != lastPath) {
      int end = path.Find(L'\\');
      lastKey = keeper->CreateRootKey(end < 0 ? path : path.Left(end));
      while (end >= 0) {
        int next = path.Find(L'\\', end + 1);
        lastKey = lastKey->CreateSubKey(next < 0 ? path.Mid(end + 1) : path.Mid(end + 1, next - end - 1));
        end = next;
      }
      lastPath = path;
    }
    lastKey->SetValue(ColumnText(select.get(), 1), ColumnValue(select.get(), sqlite3_column_int(select.get(), 2)));
  }
  return keeper;
}

void SqliteSave(benchmark::State& state) {
  auto keeper = MakeRegistry(state.range(0));
  const std::size_t size = Filed(*keeper).size();
  Database db;
  for (auto _ : state) {
    state.PauseTiming();
    CreateTable(db);
    state.ResumeTiming();
    StoreInSqlite(db, *keeper);
  }
  Report(state, state.range(0), size);
}

void SqliteLoad(benchmark::State& state) {
  auto keeper = MakeRegistry(state.range(0));
  const std::size_t size = Filed(*keeper).size();
  Database db;
  CreateTable(db);
  StoreInSqlite(db, *keeper);
  keeper.reset();
  for (auto _ : state) {
    auto loaded = LoadFromSqlite(db);
    state.PauseTiming();
    loaded.reset();
    state.ResumeTiming();
  }
  Report(state, state.range(0), size);
}

// The console output, then for each case both CPU times, the registry's MB/s
// and SQLite's time over the registry's.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Plain text: the figures end up in logs and reports.
  RatioReporter() : ConsoleReporter(OO_None) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
        auto rate = run.counters.find("bytes_per_second");
        m_times[run.run_name.function_name + "/" + run.run_name.args] = {
            run.GetAdjustedCPUTime(), rate == run.counters.end() ? 0.0 : rate->second.value / 1e6};
      }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::FILE* out = stdout;
    std::fprintf(out, "\n%-6s %10s %16s %14s %14s %10s\n", "", "values", "registry cpu ms", "registry MB/s",
                 "sqlite cpu ms", "sqlite/reg");
    for (const char* operation : {"Save", "Load"}) {
      for (std::int64_t size : kSizes) {
        std::string args = std::to_string(size);
        auto registry = m_times.find(std::string("Registry") + operation + "/" + args);
        auto sqlite = m_times.find(std::string("Sqlite") + operation + "/" + args);
        if (registry == m_times.end() || sqlite == m_times.end()) continue;
        std::fprintf(out, "%-6s %10lld %16.2f %14.1f %14.2f %10.2f\n", operation, static_cast<long long>(size),
                     registry->second.cpu, registry->second.megabytesPerSecond, sqlite->second.cpu,
                     sqlite->second.cpu / registry->second.cpu);
      }
    }
  }

 private:
  struct Figures {
    double cpu, megabytesPerSecond;
  };
  std::map<std::string, Figures> m_times;
};

void RegisterAll() {
  using Function = void (*)(benchmark::State&);
  const std::pair<const char*, Function> benchmarks[] = {
      {"RegistrySave", &RegistrySave}, {"SqliteSave", &SqliteSave},
      {"RegistryLoad", &RegistryLoad}, {"SqliteLoad", &SqliteLoad}};
  for (const auto& [name, function] : benchmarks)
    for (std::int64_t size : kSizes)
      benchmark::RegisterBenchmark(name, function)
          ->Arg(size)
          ->Unit(benchmark::kMillisecond)
          // A handful of runs is plenty at these sizes and keeps the whole run short.
          ->Iterations(size >= 1'000'000 ? 2 : (size >= 100'000 ? 5 : 20));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RegisterAll();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
