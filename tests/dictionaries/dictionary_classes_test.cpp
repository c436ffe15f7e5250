// The persistent classes: registration, casting, filing and proxies.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "dictionaries/app_dictionary_classes.h"
#include "platform/wide_string.h"
#include "registry/registry_keeper.h"
#include "tests/host/host_test_support.h"
#include "tests/support/golden_rows.h"
#include "tests/support/kovt_drawing.h"

namespace {

// They stay registered for the process.
void RegisterDictionaryClasses() {
  std::vector<PnRxClass*> registered;
  KovtRegisterAppDictionaryClasses(registered);
}

// Every class is registered while the module is loaded, as drawings name it,
// and makes objects of its own; unloading removes them all.
TEST(PersistentClasses, TheModuleRegistersThemWhileLoaded) {
  const std::vector<GoldenRow> classes = ReadGoldenRows("dictionaries/data/classes.txt", 6);
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  pnutCaptureOutput(true);
  ASSERT_TRUE(linker->loadModule(L"KoVTAppSet.kmo")) << WideToUtf8(linker->lastLoadError());
  for (const GoldenRow& row : classes) {
    SCOPED_TRACE(WideToUtf8(row[0]));
    PnRxClass* cls = pnrxFindPnRxClass(row[0].c_str());
    ASSERT_NE(cls, nullptr);
    EXPECT_EQ(cls->dxfName(), row[1]);
    EXPECT_EQ(cls->appName(), row[2]);
    EXPECT_EQ(cls->dwgVersion(), std::stoi(row[3]));
    EXPECT_EQ(cls->maintenanceVersion(), std::stoi(row[4]));
    EXPECT_EQ(cls->proxyFlags(), 0);
    EXPECT_EQ(cls->myParent(), pnrxFindPnRxClass(row[5].c_str()));
    std::unique_ptr<PnRxObject> made(cls->create());
    EXPECT_EQ(made->isA(), cls);
  }
  ASSERT_TRUE(linker->unloadModule(L"KoVTAppSet.kmo"));
  pnutTakeCapturedOutput();
  pnutCaptureOutput(false);
  for (const GoldenRow& row : classes)
    EXPECT_EQ(pnrxFindPnRxClass(row[0].c_str()), nullptr) << WideToUtf8(row[0]);
  // No deleted descriptor is handed out.
  EXPECT_EQ(KOVTAppDictionary::desc(), nullptr);
  EXPECT_EQ(KoVTPrjRegistryKeeper::desc(), nullptr);
}

TEST(DictionaryClasses, RegisterOnceAndCastOnlyTheirOwn) {
  RegisterDictionaryClasses();
  PnRxClass* style = KOVTStyleDictionary::desc();
  KOVTStyleDictionary::rxInit();
  EXPECT_EQ(pnrxFindPnRxClass(L"KOVTStyleDictionary"), style);
  KOVTStyleDictionary dictionary;
  PnDbDictionary plain;
  EXPECT_EQ(KOVTAppDictionary::cast(nullptr), nullptr);
  EXPECT_EQ(KOVTAppDictionary::cast(&plain), nullptr);
  EXPECT_EQ(KOVTAppDictionary::cast(&dictionary), nullptr);  // siblings
  EXPECT_EQ(KOVTStyleDictionary::cast(&dictionary), &dictionary);
  EXPECT_EQ(dictionary.GetName(), nullptr);
}

TEST(DictionaryClasses, AForeignClassOfTheSameNameStopsTheHost) {
  RegisterDictionaryClasses();
  auto* classes = PnRxDictionary::cast(pnrxSysRegistry()->at(L"ClassDictionary"));
  // Set ours aside alive, so the foreign class cannot take its address.
  PnRxObject* ours = classes->remove(KOVTSTDictionary::kClassName);
  PnRxClass* foreign = newPnRxClass(KOVTSTDictionary::kClassName, L"PnDbDictionary", 0, 0, 0, nullptr);
  {
    ThrowingAbort abort;
    EXPECT_THROW(KOVTSTDictionary::rxInit(), HostAbort);
  }
  deletePnRxClass(foreign);
  classes->atPut(KOVTSTDictionary::kClassName, ours);
}

using DictionaryFiling = KovtDrawingTest;

// The version follows the host's fields: a newer one than the class's asks for a proxy.
TEST_F(DictionaryFiling, ANewerVersionAsksForAProxy) {
  PnDbDictionary* source = NamedObjects(PnDb::kForRead);
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

}  // namespace
