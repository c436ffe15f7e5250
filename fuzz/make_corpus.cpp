// Writes the seed drawings of the drawing fuzzer into the first folder given:
// host objects of every kind, and the module's own objects (its dictionaries,
// registry keepers and each module's job settings). The second folder gets
// the key lists of those keepers, the seeds of the key-list fuzzer.
#include <cstdio>

#include "jobsettings/settings_dictionary.h"
#include "registry/key_filing.h"
#include "registry/registry_access.h"
#include "tests/host/host_test_support.h"
#include "tools/cli_error.h"
#include "tools/host_session.h"
#include "tools/module_settings.h"

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
  PnDbObjectId notes = pndbAddNamedRecord<PnDbTextStyleTable>(db, L"Notes");
  PnDbObjectId dims = pndbAddNamedRecord<PnDbDimStyleTable>(db, L"KOVT-50");
  pndbAddNamedRecord<PnDbLinetypeTable>(db, L"Dashed");
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

// Stored sets hold hundreds of keys; a few keep the seeds small enough to
// mutate quickly, and reading fills in the rest from the defaults.
constexpr std::size_t kSeedKeys = 12;

// Registry values of every kind in a key of their own, next to the sets.
void writeEveryKind(KoVTPrjReg::TRegistry& registry, PnDbObjectId object) {
  static const std::uint8_t bytes[] = {0, 1, 0xFE, 0xFF};
  registry.OpenKey(L"\\Seed\\Nested", true);
  registry.WriteInteger(L"Int", -7);
  registry.WriteFloat(L"Float", 0.125);
  registry.WriteString(L"String", L"Bügel");
  registry.WriteBinaryData(L"Binary", bytes, sizeof bytes);
  registry.WriteObjectId(L"ObjectId", object);
  registry.WriteHandle(L"Handle", object.handle());
}

// One module's settings: its default set cut to a few keys, a second set
// listed but not stored, and a key with a value of every kind.
void writeModule(const ModuleRow& module, const fs::path& file, const fs::path& keysFile) {
  std::unique_ptr<Drawing> drawing = Drawing::Create(file);
  {
    ModuleSettings settings(module, *drawing);
    const KOVTString set = settings.DefaultSet();
    std::vector<std::pair<KOVTString, Value>> values = settings.Snapshot();
    if (values.size() > kSeedKeys) values.resize(kSeedKeys);
    settings.Settings().SettingsVector().Names().push_back(L"Listed only");
    settings.WriteNames();
    settings.DestroySetKey(set);
    KovtSettingsDictionary dictionary(nullptr);
    KoVTPrjReg::TRegistry registry(dictionary.get());
    registry.OpenKey(KOVTJobSettings::SetPath(set), true);
    for (const auto& [name, value] : values) StoreValue(registry, name.c_str(), value);
    writeEveryKind(registry, drawing->Database()->namedObjectsDictionaryId());
    PnDbMemoryFiler keys(PnDb::kFileFiler, drawing->Database());
    if (KoVTPrjReg::DwgOutKeyList(&keys, *registry.RootKeys()) != Plnx::eOk)
      throw CliError("the keys of " + file.string() + " did not write");
    writeFile(keysFile, keys.bytes());
  }
  drawing->Save();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s DRAWINGS_FOLDER KEYS_FOLDER\n", argv[0]);
    return 2;
  }
  const fs::path folder = argv[1], keysFolder = argv[2];
  std::error_code ec;
  fs::create_directories(folder, ec);
  fs::create_directories(keysFolder, ec);
  registerTestThing();
  PnDbDatabase empty;
  if (!save(empty, folder / "default.pndwg") || !writeFull(folder / "full.pndwg") ||
      !writeWithProxy(folder / "proxy.pndwg"))
    return 1;
  try {
    HostSession session(false);
    for (const ModuleRow& module : ModuleTable())
      writeModule(module, folder / (std::string(module.name) + ".pndwg"), keysFolder / module.name);
  } catch (const CliError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
