// Runtime classes, services, the command line and aborts.
#include <gtest/gtest.h>

#include <memory>
#include <new>

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

TEST_F(RuntimeClasses, ANameIsRegisteredOnceAndFoundWithItsData) {
  PnRxClass* cls = make(L"PnTestWidget", L"PnDbObject");
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(pnrxFindPnRxClass(L"PnTestWidget"), cls);
  EXPECT_STREQ(cls->name(), L"PnTestWidget");
  EXPECT_EQ(cls->myParent(), PnDbObject::desc());
  EXPECT_EQ(cls->isA(), PnRxClass::desc());
  for (const wchar_t* taken : {L"PnTestWidget", L"PnDbDictionary", L"", static_cast<const wchar_t*>(nullptr)})
    EXPECT_EQ(newPnRxClass(taken, L"PnDbObject", 0, 0, 0, nullptr), nullptr);
  EXPECT_EQ(pnrxFindPnRxClass(nullptr), nullptr);
  EXPECT_EQ(pnrxFindPnRxClass(L"PnNoSuchClass"), nullptr);
}

TEST_F(RuntimeClasses, DerivationFollowsTheParentChainLinkedWhenTheHierarchyIsBuilt) {
  PnRxClass* derived = make(L"PnTestDerived", L"PnTestBase");
  EXPECT_EQ(derived->myParent(), nullptr);
  PnRxClass* base = make(L"PnTestBase", L"PnDbDictionary");
  pnrxBuildClassHierarchy();
  EXPECT_EQ(derived->myParent(), base);
  for (const PnRxClass* ancestor : {derived, base, PnDbDictionary::desc(), PnDbObject::desc(), PnRxObject::desc()})
    EXPECT_TRUE(derived->isDerivedFrom(ancestor));
  EXPECT_FALSE(base->isDerivedFrom(derived));
  EXPECT_FALSE(derived->isDerivedFrom(PnDbSymbolTable::desc()));
  EXPECT_FALSE(derived->isDerivedFrom(nullptr));
  EXPECT_TRUE(PnDbDimStyleTable::desc()->isDerivedFrom(PnDbSymbolTable::desc()));
  EXPECT_FALSE(PnDbDatabase::desc()->isDerivedFrom(PnDbObject::desc()));
  PnDbDatabase db;
  EXPECT_TRUE(db.isKindOf(PnRxObject::desc()));
  EXPECT_EQ(PnDbDictionary::cast(&db), nullptr);

  // Deleting a class unlinks its children and frees its name.
  made.pop_back();
  deletePnRxClass(base);
  deletePnRxClass(nullptr);
  EXPECT_EQ(pnrxFindPnRxClass(L"PnTestBase"), nullptr);
  EXPECT_EQ(derived->myParent(), nullptr);
  EXPECT_NE(make(L"PnTestBase", L"PnDbObject"), nullptr);
}

TEST_F(RuntimeClasses, CreateUsesThePseudoConstructor) {
  PnRxClass* cls = make(L"PnTestMadeDictionary", L"PnDbDictionary",
                        [] { return static_cast<PnRxObject*>(new PnDbDictionary); });
  std::unique_ptr<PnRxObject> object(cls->create());
  EXPECT_NE(PnDbDictionary::cast(object.get()), nullptr);
  EXPECT_EQ(make(L"PnTestAbstract", L"PnDbObject")->create(), nullptr);
  // A pseudo-constructor answers null when it cannot allocate.
  EXPECT_THROW(make(L"PnTestStarved", L"PnDbObject", [] { return static_cast<PnRxObject*>(nullptr); })->create(),
               std::bad_alloc);
}

TEST(SystemRegistry, ServicesAreRegisteredOnceAndDictionariesOwnTheirEntries) {
  int alive = 0;
  auto* service = new CountedService(&alive);
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  EXPECT_EQ(pnrxSysRegistry()->at(L"DynamicLinker"), linker);
  EXPECT_FALSE(pnrxServiceIsRegistered(L"PN_TEST_SERVICE"));
  ASSERT_EQ(linker->registerService(L"PN_TEST_SERVICE", service), service);
  EXPECT_TRUE(pnrxServiceIsRegistered(L"PN_TEST_SERVICE"));
  CountedService second(&alive);
  EXPECT_EQ(linker->registerService(L"PN_TEST_SERVICE", &second), nullptr);
  EXPECT_EQ(linker->registerService(nullptr, &second), nullptr);
  EXPECT_EQ(linker->registerService(L"PN_OTHER", nullptr), nullptr);
  auto* services = dynamic_cast<PnRxDictionary*>(pnrxSysRegistry()->at(L"ServiceDictionary"));
  std::unique_ptr<PnRxObject> removed(services->remove(L"PN_TEST_SERVICE"));
  EXPECT_EQ(removed.get(), service);
  EXPECT_FALSE(pnrxServiceIsRegistered(L"PN_TEST_SERVICE"));
  EXPECT_EQ(services->remove(L"PN_TEST_SERVICE"), nullptr);

  {
    PnRxDictionary owning;
    PnRxDictionary borrowing(false);
    EXPECT_EQ(owning.atPut(L"a", new CountedService(&alive)), nullptr);
    std::unique_ptr<PnRxObject> previous(owning.atPut(L"a", new CountedService(&alive)));
    EXPECT_NE(previous, nullptr);
    owning.atPut(L"b", new CountedService(&alive));
    borrowing.atPut(L"kept", &second);
    EXPECT_EQ(owning.keys(), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_FALSE(owning.has(L"B")) << "keys are exact";
    EXPECT_EQ(alive, 5);
  }
  EXPECT_EQ(alive, 2) << "only what the owning dictionary held is freed";
}

TEST(CommandLine, PrintfFormatsWideTextIntoTheCaptureOrAsUtf8) {
  pnutCaptureOutput(true);
  pnutTakeCapturedOutput();
  const std::wstring expected = L"\n[KoVTAppSet.kmo] done in 12 ms.\n", long_(1000, L'x');
  EXPECT_EQ(pnutPrintf(L"\n[%ls] done in %d ms.\n", L"KoVTAppSet.kmo", 12), static_cast<int>(expected.size()));
  pnutPrintf(L"%ls", long_.c_str());
  std::wstring captured = pnutTakeCapturedOutput();
  pnutCaptureOutput(false);
  EXPECT_EQ(captured, expected + long_);
  EXPECT_EQ(pnutTakeCapturedOutput(), L"");
  ::testing::internal::CaptureStdout();
  pnutPrintf(L"St\u00FCtze %d\n", 3);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "St\xC3\xBCtze 3\n");
}

TEST(Abort, TheHandlerSeesTheFormattedMessage) {
  ThrowingAbort aborts;
  EXPECT_THROW(
      {
        try {
          pnrx_abort(L"%ls failed with %d", L"open", 46);
        } catch (const HostAbort& abort) {
          EXPECT_STREQ(abort.what(), "open failed with 46");
          throw;
        }
      },
      HostAbort);
}

TEST(AbortDeathTest, WithoutAHandlerTheProcessStops) {
  EXPECT_DEATH(pnrx_abort(L"stop %d", 7), "host stopped: stop 7");
}

}  // namespace
