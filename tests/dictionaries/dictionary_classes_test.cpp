// The four dictionary classes: registration, casting, filing and proxies.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "dictionaries/app_dictionary_classes.h"
#include "platform/wide_string.h"
#include "tests/support/kovt_drawing.h"

namespace {

// They stay registered for the process.
void RegisterDictionaryClasses() {
  std::vector<PnRxClass*> registered;
  KovtRegisterAppDictionaryClasses(registered);
}

template <class Dictionary>
class DictionaryClass : public ::testing::Test {
 protected:
  void SetUp() override { RegisterDictionaryClasses(); }
};
using AllClasses = ::testing::Types<KOVTAppDictionary, KOVTMainRootDictionary, KOVTStyleDictionary, KOVTSTDictionary>;
TYPED_TEST_SUITE(DictionaryClass, AllClasses);

TYPED_TEST(DictionaryClass, IsRegisteredOnceWithItsNamesAndVersions) {
  PnRxClass* cls = TypeParam::desc();
  ASSERT_NE(cls, nullptr);
  TypeParam::rxInit();
  EXPECT_EQ(pnrxFindPnRxClass(TypeParam::kClassName), cls);
  EXPECT_EQ(std::wstring(cls->dxfName()), L"___" + std::wstring(TypeParam::kClassName));
  EXPECT_EQ(std::wstring(cls->appName()), L"KovtAppSet");
  EXPECT_EQ(cls->myParent(), PnDbDictionary::desc());
  EXPECT_EQ(cls->dwgVersion() * 100 + cls->maintenanceVersion(), 3355);
  EXPECT_EQ(cls->proxyFlags(), 0);
  PnRxObject* created = cls->create();
  ASSERT_NE(TypeParam::cast(created), nullptr);
  EXPECT_EQ(TypeParam::cast(created)->GetName(), nullptr);
  delete created;
}

TEST(DictionaryClasses, CastAcceptsOnlyItsOwnClass) {
  RegisterDictionaryClasses();
  KOVTStyleDictionary style;
  PnDbDictionary plain;
  EXPECT_EQ(KOVTAppDictionary::cast(nullptr), nullptr);
  EXPECT_EQ(KOVTAppDictionary::cast(&plain), nullptr);
  EXPECT_EQ(KOVTAppDictionary::cast(&style), nullptr);  // siblings
  EXPECT_EQ(KOVTStyleDictionary::cast(&style), &style);
}

struct Aborted : std::runtime_error {
  using std::runtime_error::runtime_error;
};
void throwOnAbort(const wchar_t* message) { throw Aborted(WideToUtf8(message)); }

TEST(DictionaryClasses, AForeignClassOfTheSameNameStopsTheHost) {
  RegisterDictionaryClasses();
  auto* classes = PnRxDictionary::cast(pnrxSysRegistry()->at(L"ClassDictionary"));
  // Set ours aside alive, so the foreign class cannot take its address.
  PnRxObject* ours = classes->remove(KOVTSTDictionary::kClassName);
  PnRxClass* foreign = newPnRxClass(KOVTSTDictionary::kClassName, L"PnDbDictionary", 0, 0, 0, nullptr);
  PnRxAbortHandler previous = pnrxSetAbortHandler(&throwOnAbort);
  try {
    KOVTSTDictionary::rxInit();
    ADD_FAILURE() << "no abort";
  } catch (const Aborted& aborted) {
    EXPECT_STREQ(aborted.what(), "Class mismatch");
  }
  pnrxSetAbortHandler(previous);
  deletePnRxClass(foreign);
  classes->atPut(KOVTSTDictionary::kClassName, ours);
}

TEST(DictionaryClasses, TheModuleRegistersThemOnLoadAndRemovesThemOnUnload) {
  const wchar_t* names[] = {L"KOVTAppDictionary", L"KOVTMainRootDictionary", L"KOVTStyleDictionary",
                            L"KOVTSTDictionary"};
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  pnutCaptureOutput(true);
  ASSERT_TRUE(linker->loadModule(L"KoVTAppSet.kmo")) << WideToUtf8(linker->lastLoadError());
  for (const wchar_t* name : names) EXPECT_NE(pnrxFindPnRxClass(name), nullptr) << WideToUtf8(name);
  ASSERT_TRUE(linker->unloadModule(L"KoVTAppSet.kmo"));
  pnutCaptureOutput(false);
  for (const wchar_t* name : names) EXPECT_EQ(pnrxFindPnRxClass(name), nullptr) << WideToUtf8(name);
  EXPECT_EQ(KOVTAppDictionary::desc(), nullptr);  // no deleted descriptor is handed out
}

class DictionaryFiling : public KovtDrawingTest {
 protected:
  template <class Dictionary>
  Dictionary* AddTo(PnDbDictionary* parent, const wchar_t* name) {
    auto* child = new Dictionary;
    PnDbObjectId id;
    EXPECT_EQ(parent->setAt(name, child, id), Plnx::eOk);
    return child;
  }
};

TEST_F(DictionaryFiling, TheVersionFollowsTheHostFieldsAndANewerOneAsksForAProxy) {
  PnDbDictionary* namedObjects = NamedObjects(PnDb::kForWrite);
  auto* source = AddTo<KOVTAppDictionary>(namedObjects, L"Filed");
  namedObjects->close();
  AddTo<PnDbDictionary>(source, L"One")->close();
  source->downgradeOpen();
  PnDbMemoryFiler written(PnDb::kFileFiler, Drawing());
  ASSERT_EQ(source->dwgOutFields(&written), Plnx::eOk);
  PnDbMemoryFiler reader(written.bytes(), PnDb::kFileFiler, Drawing());
  PnDbDictionary plain;
  ASSERT_EQ(plain.PnDbDictionary::dwgInFields(&reader), Plnx::eOk);
  std::int32_t version = 0;
  reader.readInt32(&version);
  EXPECT_EQ(version, 1);
  EXPECT_TRUE(reader.atEnd());

  for (std::int32_t stored : {2, 1, 0, -7}) {
    PnDbMemoryFiler filer(PnDb::kFileFiler, Drawing());
    source->PnDbDictionary::dwgOutFields(&filer);
    filer.writeInt32(stored);
    KOVTAppDictionary target;
    PnDbMemoryFiler in(filer.takeBytes(), PnDb::kFileFiler, Drawing());
    EXPECT_EQ(target.dwgInFields(&in), stored > 1 ? Plnx::eMakeMeProxy : Plnx::eOk) << stored;
  }
  source->close();
  ExpectNothingOpen();
}

TEST_F(DictionaryFiling, ADrawingKeepsItsClasses) {
  PnDbDictionary* namedObjects = NamedObjects(PnDb::kForWrite);
  auto* root = AddTo<KOVTMainRootDictionary>(namedObjects, L"KOVT");
  auto* module = AddTo<KOVTAppDictionary>(root, L"KOVR");
  AddTo<KOVTStyleDictionary>(module, L"Style")->close();
  AddTo<KOVTSTDictionary>(module, L"Shapes")->close();
  module->close();
  root->close();
  namedObjects->close();

  PnDbDatabase* reopened = SaveAndReopen();
  EXPECT_EQ(ClassNameOf(EntryAt(*reopened, {L"KOVT"})), L"KOVTMainRootDictionary");
  EXPECT_EQ(ClassNameOf(EntryAt(*reopened, {L"KOVT", L"KOVR"})), L"KOVTAppDictionary");
  EXPECT_EQ(ClassNameOf(EntryAt(*reopened, {L"KOVT", L"KOVR", L"Style"})), L"KOVTStyleDictionary");
  EXPECT_EQ(ClassNameOf(EntryAt(*reopened, {L"KOVT", L"KOVR", L"Shapes"})), L"KOVTSTDictionary");
  ExpectNothingOpen();
}

}  // namespace
