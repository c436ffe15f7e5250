// Opens arbitrary bytes, with their checksum made right, as a drawing. A
// drawing that opens must save, and what it saves must open again and save to
// the same bytes.
#include <stdlib.h>

#include <cstdio>
#include <filesystem>

#include "tests/host/host_test_support.h"

namespace {

namespace fs = std::filesystem;

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

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  g_folder = makeFolder();
  std::atexit([] {
    std::error_code ec;
    fs::remove_all(g_folder, ec);
  });
  registerTestThing();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path input = g_folder / "input.pndwg", first = g_folder / "first.pndwg", second = g_folder / "second.pndwg";
  // The trailing checksum would stop nearly every mutation before the parser;
  // its own check is covered by the unit tests.
  Bytes image(data, data + size);
  if (image.size() >= 16) reseal(image);
  writeFile(input, image);

  PnDbDatabase db(false);
  if (db.readDwgFile(input.wstring().c_str()) != Plnx::eOk) {
    if (db.numObjects() != 0 || db.lastFileError().empty()) fail("a failed open left objects or no reason", db);
    return 0;
  }
  if (db.saveAs(first.wstring().c_str()) != Plnx::eOk) fail("an opened drawing did not save", db);
  PnDbDatabase reopened(false);
  if (reopened.readDwgFile(first.wstring().c_str()) != Plnx::eOk) fail("a saved drawing did not open", reopened);
  if (reopened.saveAs(second.wstring().c_str()) != Plnx::eOk) fail("a reopened drawing did not save", reopened);
  if (readFile(first) != readFile(second)) fail("saving a reopened drawing changed it", reopened);
  return 0;
}
