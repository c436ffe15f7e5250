// Opens arbitrary bytes, with their checksum made right, as a drawing, with
// the module loaded (once per process). A drawing that opens has its project
// registries and every module's settings sets read as the registry and show
// commands read them; then it must save, and what it saves must open again
// and save to the same bytes.
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "host/print.h"
#include "registry/registry_keeper.h"
#include "tests/host/host_test_support.h"
#include "tools/cli_error.h"
#include "tools/host_session.h"
#include "tools/module_settings.h"
#include "tools/registry_keepers.h"
#include "tools/settings_json.h"

namespace {

namespace fs = std::filesystem;

// A hostile drawing may list thousands of sets; a few show the reading.
constexpr std::size_t kMaxSetsRead = 4;

fs::path g_folder;

fs::path makeFolder() {
  std::error_code ec;
  fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
  std::string pattern = (base / "pnhost-fuzz-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    std::abort();
  }
  return pattern;
}

[[noreturn]] void fail(const char* what, const PnDbDatabase& db) {
  std::fprintf(stderr, "%s: %s\n", what, fs::path(db.lastFileError()).string().c_str());
  std::abort();
}

void readRegistries(PnDbDatabase* db) {
  for (const KeeperPlace& place : FindKeepers(db)) {
    KoVTPrjRegistryKeeper* keeper = nullptr;
    if (pndbOpenObject(keeper, place.keeper, PnDb::kForRead) != Plnx::eOk) continue;
    RegistryTreeJson(keeper->RootKeys()).dump();
    keeper->close();
  }
}

void readModuleSettings(const ModuleRow& module, const Drawing& drawing) {
  ModuleSettings settings(module, drawing);
  if (!settings.Present()) return;
  std::vector<KOVTString> names = settings.SetNames();
  if (names.size() > kMaxSetsRead) names.resize(kMaxSetsRead);
  if (std::find(names.begin(), names.end(), settings.DefaultSet()) == names.end())
    names.push_back(settings.DefaultSet());
  for (const KOVTString& set : names) {
    try {
      settings.LoadSet(set);
    } catch (const CliError&) {
      continue;  // listed but not stored: the commands report it
    }
    SetDocument(module, set, settings.Snapshot()).dump();
  }
}

void readSettings(const Drawing& drawing) {
  for (const ModuleRow& module : ModuleTable()) {
    try {
      readModuleSettings(module, drawing);
    } catch (const CliError&) {
      // Damaged settings are refused with a clear error, as the commands do.
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  g_folder = makeFolder();
  std::atexit([] {
    std::error_code ec;
    fs::remove_all(g_folder, ec);
  });
  registerTestThing();
  // Loaded for the whole run: loading per input costs more than the input.
  static HostSession session(false);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path input = g_folder / "input.pndwg", first = g_folder / "first.pndwg", second = g_folder / "second.pndwg";
  // The trailing checksum would stop nearly every mutation before the parser;
  // its own check is covered by the unit tests.
  Bytes image(data, data + size);
  if (image.size() >= 16) reseal(image);
  writeFile(input, image);

  std::unique_ptr<Drawing> drawing;
  try {
    drawing = Drawing::Open(input);
  } catch (const CliError&) {
    PnDbDatabase db(false);
    if (db.readDwgFile(input.wstring().c_str()) == Plnx::eOk) fail("a drawing opened only the second time", db);
    if (db.numObjects() != 0 || db.lastFileError().empty()) fail("a failed open left objects or no reason", db);
    return 0;
  }
  readRegistries(drawing->Database());
  readSettings(*drawing);
  pnutTakeCapturedOutput();

  PnDbDatabase& db = *drawing->Database();
  if (db.saveAs(first.wstring().c_str()) != Plnx::eOk) fail("an opened drawing did not save", db);
  PnDbDatabase reopened(false);
  if (reopened.readDwgFile(first.wstring().c_str()) != Plnx::eOk) fail("a saved drawing did not open", reopened);
  if (reopened.saveAs(second.wstring().c_str()) != Plnx::eOk) fail("a reopened drawing did not save", reopened);
  if (readFile(first) != readFile(second)) fail("saving a reopened drawing changed it", reopened);
  return 0;
}
