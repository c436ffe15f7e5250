// The keeper object: its class registration and its record.
// What the module registers lies with the other persistent classes.
#include <gtest/gtest.h>

#include <memory>

#include "registry/registry_keeper.h"
#include "tests/host/host_test_support.h"
#include "tests/registry/registry_test_support.h"

using namespace KoVTPrjReg;

namespace {

constexpr const wchar_t* kClassName = L"KoVTPrjRegistryKeeper";

TEST(KeeperClassRegistration, CountsInitializeAndFinalize) {
  // After each step: whether the class is registered.
  const std::pair<void (*)(), bool> steps[] = {{Initialize, true}, {Initialize, true}, {Finalize, true},
                                               {Finalize, false},  {Finalize, false},  {Initialize, true},
                                               {Finalize, false}};
  EXPECT_EQ(KoVTPrjRegistryKeeper::desc(), nullptr);
  for (const auto& [step, registered] : steps) {
    step();
    EXPECT_EQ(pnrxFindPnRxClass(kClassName) != nullptr, registered);
    EXPECT_EQ(KoVTPrjRegistryKeeper::desc(), pnrxFindPnRxClass(kClassName));
  }
}

TEST(KeeperClassRegistration, AForeignClassOfTheSameNameStopsTheHost) {
  PnRxClass* foreign = newPnRxClass(kClassName, L"PnDbObject", 0, 0, 0, nullptr);
  {
    ThrowingAbort abort;
    try {
      Initialize();
      ADD_FAILURE() << "the host was not stopped";
    } catch (const HostAbort& stop) {
      EXPECT_STREQ(stop.what(), "Class mismatch");
    }
  }
  deletePnRxClass(foreign);
  // The refused registration did not count.
  Initialize();
  EXPECT_NE(KoVTPrjRegistryKeeper::desc(), nullptr);
  Finalize();
}

TEST(KeeperRecord, RootsFileInNameOrderAfterTheVersion) {
  KoVTPrjRegistryKeeper keeper;
  PnDbMemoryFiler empty, filer;
  ASSERT_EQ(keeper.dwgOutFields(&empty), Plnx::eOk);
  EXPECT_EQ(empty.bytes(), FilerItems(L"id w:1 0"));
  keeper.CreateRootKey(L"HKEY_DYN_DATA");
  keeper.CreateRootKey(L"HKEY_CONFIG")->SetValue(L"v", std::make_unique<TIntValue>(4));
  EXPECT_EQ(keeper.CreateRootKey(L"HKEY_CONFIG"), keeper.FindRootKey(L"HKEY_CONFIG"));
  EXPECT_EQ(keeper.FindRootKey(L"HKEY_OTHER"), nullptr);
  ASSERT_EQ(keeper.dwgOutFields(&filer), Plnx::eOk);
  EXPECT_EQ(filer.bytes(), FilerItems(L"id w:1 2 s:HKEY_CONFIG 1 s:v 1 4 0 s:HKEY_DYN_DATA 0 0"));
}

}  // namespace
