#include "tests/dictionaries/drawing_fixture.h"

#include <vector>

#include "dictionaries/app_dictionary_classes.h"
#include "environment/app_context.h"

void RegisterDictionaryClasses() {
  std::vector<PnRxClass*> registered;  // they stay registered for the process
  KovtRegisterAppDictionaryClasses(registered);
}

namespace {
PnDbObject* objectOf(PnDbObjectId id) { return id.isValid() ? id.stub()->object.get() : nullptr; }
}  // namespace

// Handles are handed out from 1 upwards, so walking them finds every object.
int OpenObjectCount(PnDbDatabase& db) {
  int open = 0;
  std::size_t seen = 0;
  for (std::uint64_t handle = 1; seen < db.numObjects(); ++handle) {
    PnDbObjectId id;
    if (db.getPnDbObjectId(id, false, PnDbHandle(handle)) != Plnx::eOk || !id.isValid()) continue;
    ++seen;
    open += objectOf(id)->numReaders() > 0 || objectOf(id)->isWriteEnabled() ? 1 : 0;
  }
  return open;
}

PnDbObjectId EntryAt(PnDbDatabase& db, std::initializer_list<const wchar_t*> path) {
  PnDbObjectId id = db.namedObjectsDictionaryId();
  for (const wchar_t* name : path) {
    PnDbDictionary* dictionary = PnDbDictionary::cast(objectOf(id));
    if (dictionary == nullptr) return PnDbObjectId();
    bool wasOpen = dictionary->isReadEnabled();
    if (!wasOpen) dictionary->openAs(PnDb::kForRead);
    PnDbObjectId next;
    Plnx::ErrorStatus es = dictionary->getAt(name, next);
    if (!wasOpen) dictionary->close();
    if (es != Plnx::eOk || next.isErased()) return PnDbObjectId();
    id = next;
  }
  return id;
}

std::wstring ClassNameOf(PnDbObjectId id) {
  const PnRxClass* cls = objectOf(id) != nullptr ? objectOf(id)->isA() : nullptr;
  return cls != nullptr ? cls->name() : L"";
}

void DrawingTest::SetUp() {
  RegisterDictionaryClasses();
  KOVTContext::Clear();
  pndbHostApplicationServices()->setWorkingDatabase(db.get());
}

void DrawingTest::TearDown() {
  KOVTContext::Clear();
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
}

PnDbDictionary* DrawingTest::NamedObjects(PnDb::OpenMode mode) {
  PnDbDictionary* namedObjects = nullptr;
  EXPECT_EQ(db->getNamedObjectsDictionary(namedObjects, mode), Plnx::eOk);
  return namedObjects;
}
