// Runtime classes, the system registry, services, the command line and aborts.
#include <gtest/gtest.h>

#include <memory>
#include <new>

#include "platform/wide_string.h"
#include "tests/host/host_test_support.h"

namespace {

class CountedService : public PnRxService {
 public:
  explicit CountedService(int* alive) : m_alive(alive) { ++*m_alive; }
  ~CountedService() override { --*m_alive; }

 private:
  int* m_alive;
};

// Classes made by one test and removed again, children first.
class RuntimeClasses : public ::testing::Test {
 protected:
  void TearDown() override {
    for (auto it = made.rbegin(); it != made.rend(); ++it) deletePnRxClass(pnrxFindPnRxClass(it->c_str()));
  }
  PnRxClass* make(const wchar_t* name, const wchar_t* parent, PnRxPseudoConstructor constructor = nullptr) {
    PnRxClass* cls = newPnRxClass(name, parent, 27, 3, 1, constructor, L"DXF_NAME", L"TestApp");
    if (cls) made.push_back(name);
    return cls;
  }
  std::vector<std::wstring> made;
};

TEST_F(RuntimeClasses, RegisteredClassesAreFoundByNameWithTheirData) {
  PnRxClass* cls = make(L"PnTestWidget", L"PnDbObject");
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(pnrxFindPnRxClass(L"PnTestWidget"), cls);
  EXPECT_STREQ(cls->name(), L"PnTestWidget");
  EXPECT_EQ(cls->proxyFlags(), 1);
  EXPECT_EQ(cls->myParent(), PnDbObject::desc());
  EXPECT_EQ(cls->isA(), PnRxClass::desc());
  auto* classes = dynamic_cast<PnRxDictionary*>(pnrxSysRegistry()->at(L"ClassDictionary"));
  ASSERT_NE(classes, nullptr);
  EXPECT_EQ(classes->at(L"PnTestWidget"), cls);
}

TEST_F(RuntimeClasses, ANameCanBeRegisteredOnlyOnce) {
  ASSERT_NE(make(L"PnTestOnce", L"PnDbObject"), nullptr);
  EXPECT_EQ(newPnRxClass(L"PnTestOnce", L"PnDbObject", 0, 0, 0, nullptr), nullptr);
  EXPECT_EQ(newPnRxClass(L"PnDbDictionary", L"PnDbObject", 0, 0, 0, nullptr), nullptr);
  EXPECT_EQ(newPnRxClass(L"", L"PnDbObject", 0, 0, 0, nullptr), nullptr);
  EXPECT_EQ(newPnRxClass(nullptr, L"PnDbObject", 0, 0, 0, nullptr), nullptr);
  EXPECT_EQ(pnrxFindPnRxClass(nullptr), nullptr);
  EXPECT_EQ(pnrxFindPnRxClass(L"PnNoSuchClass"), nullptr);
}

TEST_F(RuntimeClasses, DerivationFollowsTheParentChain) {
  PnRxClass* base = make(L"PnTestBase", L"PnDbDictionary");
  PnRxClass* derived = make(L"PnTestDerived", L"PnTestBase");
  EXPECT_TRUE(derived->isDerivedFrom(derived));
  EXPECT_TRUE(derived->isDerivedFrom(base));
  EXPECT_TRUE(derived->isDerivedFrom(PnDbDictionary::desc()));
  EXPECT_TRUE(derived->isDerivedFrom(PnDbObject::desc()));
  EXPECT_TRUE(derived->isDerivedFrom(PnRxObject::desc()));
  EXPECT_FALSE(base->isDerivedFrom(derived));
  EXPECT_FALSE(derived->isDerivedFrom(PnDbSymbolTable::desc()));
  EXPECT_FALSE(derived->isDerivedFrom(nullptr));
  // The host's own classes form one tree.
  EXPECT_TRUE(PnDbLinetypeTableRecord::desc()->isDerivedFrom(PnDbSymbolTableRecord::desc()));
  EXPECT_TRUE(PnDbDimStyleTable::desc()->isDerivedFrom(PnDbSymbolTable::desc()));
  EXPECT_TRUE(PnDbProxyObject::desc()->isDerivedFrom(PnDbObject::desc()));
  EXPECT_TRUE(PnRxDynamicLinker::desc()->isDerivedFrom(PnRxObject::desc()));
  EXPECT_FALSE(PnDbDatabase::desc()->isDerivedFrom(PnDbObject::desc()));
  PnDbDatabase db;
  EXPECT_TRUE(db.isKindOf(PnRxObject::desc()));
  EXPECT_EQ(PnDbDictionary::cast(&db), nullptr);
}

TEST_F(RuntimeClasses, ChildrenRegisteredBeforeTheirParentAreLinkedByTheHierarchyBuild) {
  PnRxClass* child = make(L"PnTestEarlyChild", L"PnTestLateParent");
  EXPECT_EQ(child->myParent(), nullptr);
  PnRxClass* parent = make(L"PnTestLateParent", L"PnDbObject");
  pnrxBuildClassHierarchy();
  EXPECT_EQ(child->myParent(), parent);
  EXPECT_TRUE(child->isDerivedFrom(PnDbObject::desc()));
}

TEST_F(RuntimeClasses, CreateUsesThePseudoConstructor) {
  PnRxClass* cls = make(L"PnTestMadeDictionary", L"PnDbDictionary",
                        [] { return static_cast<PnRxObject*>(new PnDbDictionary); });
  std::unique_ptr<PnRxObject> object(cls->create());
  ASSERT_NE(object, nullptr);
  EXPECT_NE(PnDbDictionary::cast(object.get()), nullptr);
  EXPECT_EQ(make(L"PnTestAbstract", L"PnDbObject")->create(), nullptr);
  // A pseudo-constructor answers null when it cannot allocate.
  EXPECT_THROW(make(L"PnTestStarved", L"PnDbObject", [] { return static_cast<PnRxObject*>(nullptr); })->create(),
               std::bad_alloc);
  std::unique_ptr<PnRxObject> dictionary(PnDbDictionary::desc()->create());
  EXPECT_NE(PnDbDictionary::cast(dictionary.get()), nullptr);
}

TEST_F(RuntimeClasses, DeletingAClassRemovesItAndUnlinksItsChildren) {
  PnRxClass* parent = make(L"PnTestDoomed", L"PnDbObject");
  PnRxClass* child = make(L"PnTestOrphan", L"PnTestDoomed");
  made.erase(made.begin());
  deletePnRxClass(parent);
  EXPECT_EQ(pnrxFindPnRxClass(L"PnTestDoomed"), nullptr);
  EXPECT_EQ(child->myParent(), nullptr);
  EXPECT_FALSE(child->isDerivedFrom(PnDbObject::desc()));
  deletePnRxClass(nullptr);
  // The name is free for a new registration.
  EXPECT_NE(make(L"PnTestDoomed", L"PnDbObject"), nullptr);
}

TEST(SystemRegistry, HoldsTheClassAndServiceDictionariesAndTheLinker) {
  PnRxDictionary* registry = pnrxSysRegistry();
  ASSERT_NE(registry, nullptr);
  EXPECT_EQ(registry, pnrxSysRegistry());
  EXPECT_NE(dynamic_cast<PnRxDictionary*>(registry->at(L"ClassDictionary")), nullptr);
  EXPECT_NE(dynamic_cast<PnRxDictionary*>(registry->at(L"ServiceDictionary")), nullptr);
  EXPECT_EQ(registry->at(L"DynamicLinker"), pnrxDynamicLinker());
  EXPECT_NE(PnRxDynamicLinker::cast(registry->at(L"DynamicLinker")), nullptr);
  EXPECT_EQ(registry->at(L"NoSuchEntry"), nullptr);
}

TEST(SystemRegistry, ServicesAreRegisteredOnceAndRemovedByName) {
  int alive = 0;
  auto* service = new CountedService(&alive);
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  EXPECT_FALSE(pnrxServiceIsRegistered(L"PN_TEST_SERVICE"));
  ASSERT_EQ(linker->registerService(L"PN_TEST_SERVICE", service), service);
  EXPECT_TRUE(pnrxServiceIsRegistered(L"PN_TEST_SERVICE"));
  auto second = std::make_unique<CountedService>(&alive);
  EXPECT_EQ(linker->registerService(L"PN_TEST_SERVICE", second.get()), nullptr);
  EXPECT_EQ(linker->registerService(nullptr, second.get()), nullptr);
  EXPECT_EQ(linker->registerService(L"PN_OTHER", nullptr), nullptr);

  auto* services = dynamic_cast<PnRxDictionary*>(pnrxSysRegistry()->at(L"ServiceDictionary"));
  PnRxObject* removed = services->remove(L"PN_TEST_SERVICE");
  EXPECT_EQ(removed, service);
  EXPECT_FALSE(pnrxServiceIsRegistered(L"PN_TEST_SERVICE"));
  EXPECT_EQ(services->remove(L"PN_TEST_SERVICE"), nullptr);
  delete removed;
  EXPECT_EQ(alive, 1);
}

TEST(RxDictionary, AtPutHandsBackThePreviousEntryAndOwnsTheRest) {
  int alive = 0;
  {
    PnRxDictionary dictionary;
    EXPECT_EQ(dictionary.atPut(L"a", new CountedService(&alive)), nullptr);
    std::unique_ptr<PnRxObject> previous(dictionary.atPut(L"a", new CountedService(&alive)));
    EXPECT_NE(previous, nullptr);
    dictionary.atPut(L"b", new CountedService(&alive));
    EXPECT_EQ(dictionary.keys(), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(dictionary.numEntries(), 2u);
    EXPECT_TRUE(dictionary.has(L"b"));
    EXPECT_FALSE(dictionary.has(L"B")) << "keys are exact";
    EXPECT_EQ(alive, 3);
  }
  EXPECT_EQ(alive, 0);
  {
    CountedService kept(&alive);
    PnRxDictionary borrowing(false);
    borrowing.atPut(L"kept", &kept);
  }
  EXPECT_EQ(alive, 0);
}

TEST(CommandLine, PrintfFormatsWideTextIntoTheCaptureOrAsUtf8) {
  pnutCaptureOutput(true);
  pnutTakeCapturedOutput();
  int written = pnutPrintf(L"\n[%ls] done in %d ms.\n", L"KoVTAppSet.kmo", 12);
  std::wstring expected = L"\n[KoVTAppSet.kmo] done in 12 ms.\n";
  EXPECT_EQ(written, static_cast<int>(expected.size()));
  pnutPrintf(L"%ls", std::wstring(1000, L'x').c_str());
  std::wstring captured = pnutTakeCapturedOutput();
  pnutCaptureOutput(false);
  EXPECT_EQ(captured, expected + std::wstring(1000, L'x'));
  EXPECT_EQ(pnutTakeCapturedOutput(), L"");
  // Not capturing, it writes UTF-8 to standard output.
  ::testing::internal::CaptureStdout();
  pnutPrintf(L"Stütze %d\n", 3);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "St\xC3\xBCtze 3\n");
}

TEST(Abort, TheHandlerSeesTheFormattedMessage) {
  ThrowingAbort aborts;
  try {
    pnrx_abort(L"%ls failed with %d", L"open", 46);
  } catch (const HostAbort& abort) {
    EXPECT_STREQ(abort.what(), "open failed with 46");
    return;
  }
  ADD_FAILURE() << "pnrx_abort returned";
}

TEST(AbortDeathTest, WithoutAHandlerTheProcessStops) {
  EXPECT_DEATH(pnrx_abort(L"stop %d", 7), "host stopped: stop 7");
}

}  // namespace
