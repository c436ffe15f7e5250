// Reads arbitrary filer items as a list of registry keys, as a keeper's body
// holds them. What was read (all of it, or the complete keys before a fault)
// must write items that read back in full and write the same items again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "host/database.h"
#include "host/filer.h"
#include "registry/key_filing.h"

namespace {

// A default drawing, so that filed handles 1 to a few name objects.
PnDbDatabase* g_database = nullptr;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

std::vector<std::uint8_t> Written(const KoVTPrjReg::TKeyMap& keys) {
  PnDbMemoryFiler filer(PnDb::kFileFiler, g_database);
  if (KoVTPrjReg::DwgOutKeyList(&filer, keys) != Plnx::eOk) Fail("keys that were read did not write");
  return filer.takeBytes();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  g_database = new PnDbDatabase(true);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  KoVTPrjReg::TKeyMap keys;
  PnDbMemoryFiler input(std::vector<std::uint8_t>(data, data + size), PnDb::kFileFiler, g_database);
  KoVTPrjReg::DwgInKeyList(&input, keys);
  const std::vector<std::uint8_t> first = Written(keys);

  KoVTPrjReg::TKeyMap again;
  PnDbMemoryFiler reader(first, PnDb::kFileFiler, g_database);
  if (KoVTPrjReg::DwgInKeyList(&reader, again) != Plnx::eOk || !reader.atEnd())
    Fail("written keys did not read back in full");
  if (Written(again) != first) Fail("keys read back wrote other items");
  return 0;
}
