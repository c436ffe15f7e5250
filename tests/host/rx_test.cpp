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

PnRxObject* newDictionary() { return new PnDbDictionary; }

TEST(RuntimeClasses, ANameIsRegisteredOnceAndDerivationFollowsTheParentLinkedLater) {
  PnRxClass* derived = newPnRxClass(L"PnTestDerived", L"PnTestBase", 27, 3, 1, nullptr, L"DXF", L"TestApp");
  ASSERT_NE(derived, nullptr);
  EXPECT_EQ(pnrxFindPnRxClass(L"PnTestDerived"), derived);
  EXPECT_STREQ(derived->name(), L"PnTestDerived");
  EXPECT_EQ(derived->isA(), PnRxClass::desc());
  EXPECT_EQ(derived->myParent(), nullptr);
  const auto versions = [](const PnRxClass* cls) {
    return std::vector<int>{cls->dwgVersion(), cls->maintenanceVersion(), cls->proxyFlags()};
  };
  EXPECT_EQ(versions(derived), (std::vector<int>{27, 3, 1}));
  EXPECT_EQ(versions(PnDbDictionary::desc()), (std::vector<int>{0, 0, 0})) << "the host's own classes";
  for (const wchar_t* taken : {L"PnTestDerived", L"PnDbDictionary", L"", static_cast<const wchar_t*>(nullptr)})
    EXPECT_EQ(newPnRxClass(taken, L"PnDbObject", 0, 0, 0, nullptr), nullptr);
  EXPECT_EQ(pnrxFindPnRxClass(nullptr), nullptr);

  PnRxClass* base = newPnRxClass(L"PnTestBase", L"PnDbDictionary", 0, 0, 0, newDictionary);
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
  EXPECT_EQ(PnDbDictionary::cast(&db), nullptr);

  // Create uses the pseudo-constructor; one answering null has run out of memory.
  EXPECT_NE(PnDbDictionary::cast(std::unique_ptr<PnRxObject>(base->create()).get()), nullptr);
  EXPECT_EQ(derived->create(), nullptr);
  PnRxClass* starved = newPnRxClass(L"PnTestStarved", L"PnDbObject", 0, 0, 0, [] {
    return static_cast<PnRxObject*>(nullptr);
  });
  EXPECT_THROW(starved->create(), std::bad_alloc);
  deletePnRxClass(starved);

  // Deleting a class unlinks its children and frees its name.
  deletePnRxClass(base);
  deletePnRxClass(nullptr);
  EXPECT_EQ(pnrxFindPnRxClass(L"PnTestBase"), nullptr);
  EXPECT_EQ(derived->myParent(), nullptr);
  deletePnRxClass(derived);
}

TEST(SystemRegistry, ServicesAreRegisteredOnceAndDictionariesOwnTheirEntries) {
  int alive = 0;
  auto* service = new CountedService(&alive);
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
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

  {
    PnRxDictionary owning, borrowing(false);
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

TEST(CommandLine, PrintfFormatsWideTextIntoTheCaptureOrAsUtf8AndAbortsFormatToo) {
  pnutCaptureOutput(true);
  pnutTakeCapturedOutput();
  const std::wstring expected = L"\n[KoVTAppSet.kmo] done in 12 ms.\n", long_(1000, L'x');
  EXPECT_EQ(pnutPrintf(L"\n[%ls] done in %d ms.\n", L"KoVTAppSet.kmo", 12), static_cast<int>(expected.size()));
  pnutPrintf(L"%ls", long_.c_str());
  EXPECT_EQ(pnutPrintf(L"%ls", std::wstring(std::size_t{1} << 20, L'x').c_str()), -1) << "too long to show";
  EXPECT_EQ(pnutTakeCapturedOutput(), expected + long_);
  pnutCaptureOutput(false);
  ::testing::internal::CaptureStdout();
  pnutPrintf(L"St\u00FCtze %d\n", 3);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "St\xC3\xBCtze 3\n");

  ThrowingAbort aborts;
  try {
    pnrx_abort(L"%ls", std::wstring(2000, L'x').c_str());
    ADD_FAILURE() << "no abort";
  } catch (const HostAbort& abort) {
    EXPECT_STREQ(abort.what(), "") << "a message too long for the buffer is dropped, not shown cut";
  }
}

TEST(AbortDeathTest, WithoutAHandlerTheProcessStops) {
  EXPECT_DEATH(pnrx_abort(L"stop %d", 7), "host stopped: stop 7");
}

}  // namespace
