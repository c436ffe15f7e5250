// Writes the fuzzer's seed drawings into the folder given as argument.
#include <cstdio>

#include "tests/host/host_test_support.h"

namespace {

namespace fs = std::filesystem;

bool save(PnDbDatabase& db, const fs::path& file) {
  if (db.saveAs(file.wstring().c_str()) == Plnx::eOk) return true;
  std::fprintf(stderr, "%s\n", fs::path(db.lastFileError()).string().c_str());
  return false;
}

// Things with references, nested dictionaries and records of every table.
bool writeFull(const fs::path& file) {
  PnDbDatabase db;
  PnDbObjectId notes = addRecord<PnDbTextStyleTable>(db, L"Notes");
  PnDbObjectId dims = addRecord<PnDbDimStyleTable>(db, L"KOVT-50");
  addRecord<PnDbLinetypeTable>(db, L"Dashed");
  PnDbDimStyleTableRecord* dim = nullptr;
  if (pndbOpenObject(dim, dims, PnDb::kForWrite) != Plnx::eOk) return false;
  dim->setDimtxsty(notes);
  dim->close();
  PnDbObjectId first = addThing(db, L"First", L"eins", 1, 0.5, notes);
  addThing(db, L"Second", L"zwei", 2, -1.5, first);

  PnDbDictionary* root = nullptr;
  if (db.getNamedObjectsDictionary(root, PnDb::kForWrite) != Plnx::eOk) return false;
  auto* sub = new PnDbDictionary;
  PnDbObjectId subId, nestedId;
  root->setAt(L"KOVT", sub, subId);
  root->close();
  sub->setMergeStyle(PnDb::kDrcReplace);
  auto* nested = new PnDbDictionary;
  sub->setAt(L"KOVR", nested, nestedId);
  nested->close();
  sub->close();
  db.setLuprec(2);
  return save(db, file);
}

// An object of a class no host knows, kept as a proxy.
bool writeWithProxy(const fs::path& file) {
  std::vector<CraftedObject> objects = crafted::minimalDrawing({{u"Unknown", 10}});
  Items data;
  data.softPointer(crafted::kNamedObjects).string(u"opaque").int32(7).hardPointer(crafted::kNamedObjects);
  objects.push_back({10, L"PnUnknownToTheHost", data.bytes()});
  writeFile(file, craftDrawing(crafted::header().bytes(), objects));
  PnDbDatabase check(false);
  return check.readDwgFile(file.wstring().c_str()) == Plnx::eOk;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  fs::path folder = argv[1];
  std::error_code ec;
  fs::create_directories(folder, ec);
  registerTestThing();
  PnDbDatabase empty;
  bool ok = save(empty, folder / "default.pndwg") && writeFull(folder / "full.pndwg") &&
            writeWithProxy(folder / "proxy.pndwg");
  return ok ? 0 : 1;
}
