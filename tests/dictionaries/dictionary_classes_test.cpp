// Registration, identity and casting of the four dictionary classes.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "dictionaries/app_dictionary_classes.h"
#include "host/host.h"
#include "platform/wide_string.h"
#include "tests/dictionaries/drawing_fixture.h"

namespace {

template <class Dictionary>
class DictionaryClass : public ::testing::Test {
 protected:
  void SetUp() override { RegisterDictionaryClasses(); }
};

using AllClasses = ::testing::Types<KOVTAppDictionary, KOVTMainRootDictionary, KOVTStyleDictionary, KOVTSTDictionary>;
TYPED_TEST_SUITE(DictionaryClass, AllClasses);

TYPED_TEST(DictionaryClass, IsRegisteredWithItsNamesAndVersions) {
  const PnRxClass* cls = TypeParam::desc();
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(cls, pnrxFindPnRxClass(TypeParam::kClassName));
  EXPECT_EQ(std::wstring(cls->name()), TypeParam::kClassName);
  EXPECT_EQ(std::wstring(cls->dxfName()), L"___" + std::wstring(TypeParam::kClassName));
  EXPECT_EQ(std::wstring(cls->appName()), L"KovtAppSet");
  EXPECT_EQ(cls->myParent(), PnDbDictionary::desc());
  EXPECT_EQ(cls->dwgVersion(), 33);
  EXPECT_EQ(cls->maintenanceVersion(), 55);
  EXPECT_EQ(cls->proxyFlags(), 0);
  EXPECT_EQ(TypeParam::kClassVersion, 1);
}

TYPED_TEST(DictionaryClass, TheHostCreatesInstancesByClass) {
  PnRxObject* created = TypeParam::desc()->create();
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->isA(), TypeParam::desc());
  TypeParam* dictionary = TypeParam::cast(created);
  ASSERT_NE(dictionary, nullptr);
  EXPECT_NE(PnDbDictionary::cast(dictionary), nullptr);
  EXPECT_EQ(dictionary->GetName(), nullptr);
  delete created;
}

TYPED_TEST(DictionaryClass, RegisteringAgainChangesNothing) {
  PnRxClass* before = TypeParam::desc();
  TypeParam::rxInit();
  TypeParam::rxInit(nullptr);
  EXPECT_EQ(TypeParam::desc(), before);
  EXPECT_EQ(pnrxFindPnRxClass(TypeParam::kClassName), before);
}

TEST(DictionaryClasses, CastAcceptsOnlyItsOwnClass) {
  RegisterDictionaryClasses();
  KOVTStyleDictionary style;
  PnDbDictionary plain;
  EXPECT_EQ(KOVTAppDictionary::cast(nullptr), nullptr);
  EXPECT_EQ(KOVTAppDictionary::cast(&plain), nullptr);
  // Siblings, not derived from one another.
  EXPECT_EQ(KOVTAppDictionary::cast(&style), nullptr);
  EXPECT_EQ(KOVTMainRootDictionary::cast(&style), nullptr);
  EXPECT_EQ(KOVTStyleDictionary::cast(&style), &style);
}

TEST(DictionaryClasses, AreRegisteredInTheModulesOrder) {
  RegisterDictionaryClasses();
  std::vector<PnRxClass*> registered;
  KovtRegisterAppDictionaryClasses(registered);
  EXPECT_EQ(registered, (std::vector<PnRxClass*>{KOVTAppDictionary::desc(), KOVTMainRootDictionary::desc(),
                                                 KOVTStyleDictionary::desc(), KOVTSTDictionary::desc()}));
}

PnRxDictionary* classDictionary() { return PnRxDictionary::cast(pnrxSysRegistry()->at(L"ClassDictionary")); }

struct Aborted : std::runtime_error {
  using std::runtime_error::runtime_error;
};

void throwOnAbort(const wchar_t* message) { throw Aborted(WideToUtf8(message)); }

void renameCallback(const PnRxClass*, wchar_t*&, int) {}

// Sets the registered class aside (alive, so no new class can take its
// address) and puts it back at the end.
class SetAside {
 public:
  explicit SetAside(const wchar_t* name) : m_name(name), m_original(classDictionary()->remove(name)) {}
  ~SetAside() {
    deletePnRxClass(pnrxFindPnRxClass(m_name));
    classDictionary()->atPut(m_name, m_original);
    KOVTSTDictionary::rxForget();
  }
  SetAside(const SetAside&) = delete;
  SetAside& operator=(const SetAside&) = delete;

 private:
  const wchar_t* m_name;
  PnRxObject* m_original;
};

TEST(DictionaryClasses, AForeignClassOfTheSameNameStopsTheHost) {
  RegisterDictionaryClasses();
  ASSERT_NE(KOVTSTDictionary::desc(), nullptr);
  SetAside original(KOVTSTDictionary::kClassName);
  ASSERT_NE(newPnRxClass(KOVTSTDictionary::kClassName, L"PnDbDictionary", 0, 0, 0, nullptr), nullptr);
  PnRxAbortHandler previous = pnrxSetAbortHandler(&throwOnAbort);
  EXPECT_THROW(
      {
        try {
          KOVTSTDictionary::rxInit();
        } catch (const Aborted& aborted) {
          EXPECT_STREQ(aborted.what(), "Class mismatch");
          throw;
        }
      },
      Aborted);
  pnrxSetAbortHandler(previous);
}

TEST(DictionaryClasses, TheCallbackFormHandsTheCallbackToTheHost) {
  RegisterDictionaryClasses();
  SetAside original(KOVTSTDictionary::kClassName);
  KOVTSTDictionary::rxForget();
  KOVTSTDictionary::rxInit(&renameCallback);
  ASSERT_NE(KOVTSTDictionary::desc(), nullptr);
  EXPECT_EQ(KOVTSTDictionary::desc(), pnrxFindPnRxClass(KOVTSTDictionary::kClassName));
  EXPECT_EQ(KOVTSTDictionary::desc()->appNameCallback(), &renameCallback);
}

TEST(DictionaryClasses, TheModuleRegistersThemOnLoadAndRemovesThemOnUnload) {
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  pnutCaptureOutput(true);
  ASSERT_TRUE(linker->loadModule(L"KoVTAppSet.kmo")) << WideToUtf8(linker->lastLoadError());
  for (const wchar_t* name :
       {L"KOVTAppDictionary", L"KOVTMainRootDictionary", L"KOVTStyleDictionary", L"KOVTSTDictionary"})
    EXPECT_NE(pnrxFindPnRxClass(name), nullptr) << WideToUtf8(name);
  EXPECT_EQ(KOVTAppDictionary::desc(), pnrxFindPnRxClass(L"KOVTAppDictionary"));

  ASSERT_TRUE(linker->unloadModule(L"KoVTAppSet.kmo"));
  pnutCaptureOutput(false);
  pnutTakeCapturedOutput();
  for (const wchar_t* name :
       {L"KOVTAppDictionary", L"KOVTMainRootDictionary", L"KOVTStyleDictionary", L"KOVTSTDictionary"})
    EXPECT_EQ(pnrxFindPnRxClass(name), nullptr);
  // Nothing answers with a deleted descriptor.
  EXPECT_EQ(KOVTAppDictionary::desc(), nullptr);
  EXPECT_EQ(KOVTSTDictionary::desc(), nullptr);
  RegisterDictionaryClasses();
  EXPECT_NE(KOVTAppDictionary::desc(), nullptr);
}

}  // namespace
