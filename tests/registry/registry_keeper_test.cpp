// The keeper object: its class registration.
// What the module registers lies with the other persistent classes.
#include <gtest/gtest.h>

#include "registry/registry_keeper.h"
#include "tests/host/host_test_support.h"

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

}  // namespace
