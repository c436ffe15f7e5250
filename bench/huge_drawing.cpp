// Makes a valid drawing with a huge project registry, for the whole-command
// measurements of bench/huge_drawing_bench.sh.
//
//   huge_drawing <drawing> keys|values <count>
//
// Rewrites <drawing> (made by `kovtset new`) with <count> more entries in its
// reinforcement registry: empty sub-keys of the key "Bulk", or integer values
// in the stored set "Standard".
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "bench/bench_host.h"
#include "host/dictionary.h"
#include "registry/registry_access.h"

namespace {

int Fail(const std::string& why) {
  std::fprintf(stderr, "huge_drawing: %s\n", why.c_str());
  return 1;
}

// The dictionary at the end of `path`, opened for write; null when absent.
PnDbDictionary* OpenDictionary(PnDbDatabase& drawing, std::initializer_list<const wchar_t*> path) {
  PnDbObjectId id = drawing.namedObjectsDictionaryId();
  for (const wchar_t* name : path) {
    PnDbDictionary* dictionary = nullptr;
    if (pndbOpenObject(dictionary, id, PnDb::kForRead) != Plnx::eOk) return nullptr;
    const Plnx::ErrorStatus es = dictionary->getAt(name, id);
    dictionary->close();
    if (es != Plnx::eOk) return nullptr;
  }
  PnDbDictionary* dictionary = nullptr;
  return pndbOpenObject(dictionary, id, PnDb::kForWrite) == Plnx::eOk ? dictionary : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || (std::strcmp(argv[2], "keys") != 0 && std::strcmp(argv[2], "values") != 0))
    return Fail("usage: huge_drawing <drawing> keys|values <count>");
  const bool keys = std::strcmp(argv[2], "keys") == 0;
  const long count = std::atol(argv[3]);
  const std::wstring file = std::filesystem::path(argv[1]).wstring();

  BenchHost host(KOVT_CONTEXT_REINFORCEMENT);
  PnDbDatabase drawing(false);
  if (drawing.readDwgFile(file.c_str()) != Plnx::eOk) return Fail("cannot read " + std::string(argv[1]));
  PnDbDictionary* settings = OpenDictionary(drawing, {L"KOVT", L"KOVR", L"ProjectSettings"});
  if (settings == nullptr) return Fail("no reinforcement settings in " + std::string(argv[1]));
  {
    KoVTPrjReg::TRegistry registry(settings);
    if (!registry.OpenKey(keys ? L"\\\\Bulk" : L"\\\\Standard", keys)) return Fail("no set 'Standard'");
    for (long i = 0; i < count; ++i) {
      KOVTString name;
      name.Format(L"E%ld", i);
      if (keys)
        registry.CreateSubKey(registry.GetCurrentKey(), name);
      else
        registry.WriteInteger(name, static_cast<int>(i));
    }
  }
  settings->close();
  if (drawing.saveAs(file.c_str()) != Plnx::eOk) return Fail("cannot save " + std::string(argv[1]));
  return 0;
}
