#include "tests/support/kovt_drawing.h"

#include "dictionaries/app_dictionary_classes.h"
#include "environment/app_context.h"
#include "registry/registry_keeper.h"
#include "tests/support/drawing_entries.h"

namespace {
PnDbObject* objectOf(PnDbObjectId id) { return id.isValid() ? id.stub()->live() : nullptr; }
}  // namespace

int OpenObjectCount(PnDbDatabase& db) { return static_cast<int>(db.numOpenObjects()); }

PnDbObjectId EntryAt(PnDbDatabase& db, std::initializer_list<const wchar_t*> path) {
  PnDbObjectId id = db.namedObjectsDictionaryId();
  for (const wchar_t* name : path) id = Child(id, name);
  return id;
}

std::wstring ClassNameOf(PnDbObjectId id) {
  const PnRxClass* cls = objectOf(id) != nullptr ? objectOf(id)->isA() : nullptr;
  return cls != nullptr ? cls->name() : L"";
}

void KovtDrawingTest::SetUp() {
  KovtRegisterAppDictionaryClasses(m_classes);
  KoVTPrjReg::Initialize();
  KOVTContext::Clear();
  NewDrawing();
}

void KovtDrawingTest::TearDown() {
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  m_drawing.reset();
  KOVTContext::Clear();
  KoVTPrjReg::Finalize();
  for (auto it = m_classes.rbegin(); it != m_classes.rend(); ++it) deletePnRxClass(*it);
  m_classes.clear();
  KovtForgetAppDictionaryClasses();
  pnrxBuildClassHierarchy();
}

PnDbDatabase* KovtDrawingTest::NewDrawing() {
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  m_drawing = std::make_unique<PnDbDatabase>();
  pndbHostApplicationServices()->setWorkingDatabase(m_drawing.get());
  return m_drawing.get();
}

std::wstring KovtDrawingTest::ScratchFile(const char* name) const { return (m_scratch.Path() / name).wstring(); }

PnDbDatabase* KovtDrawingTest::SaveAndReopen() {
  std::wstring file = ScratchFile("reopened.pndwg");
  EXPECT_EQ(m_drawing->saveAs(file.c_str()), Plnx::eOk);
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  m_drawing = std::make_unique<PnDbDatabase>(false);
  EXPECT_EQ(m_drawing->readDwgFile(file.c_str()), Plnx::eOk);
  pndbHostApplicationServices()->setWorkingDatabase(m_drawing.get());
  return m_drawing.get();
}

PnDbDictionary* KovtDrawingTest::NamedObjects(PnDb::OpenMode mode) {
  PnDbDictionary* namedObjects = nullptr;
  EXPECT_EQ(m_drawing->getNamedObjectsDictionary(namedObjects, mode), Plnx::eOk);
  return namedObjects;
}
