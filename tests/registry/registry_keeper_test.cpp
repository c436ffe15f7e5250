// The keeper object: its class registration, its record and its life in a drawing file.
// What the module registers lies with the other persistent classes.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "registry/registry_keeper.h"
#include "tests/host/host_test_support.h"
#include "tests/registry/registry_test_support.h"

using namespace KoVTPrjReg;

namespace {

constexpr const wchar_t* kClassName = L"KoVTPrjRegistryKeeper";

// Registers the keeper class for one scope.
struct KeeperClass {
  KeeperClass() { Initialize(); }
  ~KeeperClass() { Finalize(); }
};

PnDbObjectId AddKeeper(PnDbDatabase& db, KoVTPrjRegistryKeeper* keeper) {
  PnDbDictionary* named = nullptr;
  PnDbObjectId id;
  EXPECT_EQ(db.getNamedObjectsDictionary(named, PnDb::kForWrite), Plnx::eOk);
  EXPECT_EQ(named->setAt(kRegistryKeeperEntry, keeper, id), Plnx::eOk);
  keeper->close();
  named->close();
  return id;
}

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
  KeeperClass registered;
  EXPECT_NE(KoVTPrjRegistryKeeper::desc(), nullptr);
}

TEST(KeeperRecord, RootsFileInNameOrderAfterTheVersion) {
  KoVTPrjRegistryKeeper keeper;
  PnDbMemoryFiler empty, filer;
  ASSERT_EQ(keeper.dwgOutFields(&empty), Plnx::eOk);
  EXPECT_EQ(empty.bytes(), ItemStream().SoftId().UInt16(1).Int32(0).bytes());
  keeper.CreateRootKey(L"HKEY_DYN_DATA");
  keeper.CreateRootKey(L"HKEY_CONFIG")->SetValue(L"v", std::make_unique<TIntValue>(4));
  EXPECT_EQ(keeper.CreateRootKey(L"HKEY_CONFIG"), keeper.FindRootKey(L"HKEY_CONFIG"));
  EXPECT_EQ(keeper.FindRootKey(L"HKEY_OTHER"), nullptr);
  ASSERT_EQ(keeper.dwgOutFields(&filer), Plnx::eOk);
  ItemStream expected;
  expected.SoftId().UInt16(1).Int32(2).Name(L"HKEY_CONFIG").Int32(1).Name(L"v").Int32(1).Int32(4).Int32(0);
  expected.Name(L"HKEY_DYN_DATA").EmptyKey();
  EXPECT_EQ(filer.bytes(), expected.bytes());
}

// Built twice, so the object id value must come back as the same object of the copy.
void FillKeeper(KoVTPrjRegistryKeeper& keeper, PnDbObjectId style) {
  FillSampleTree(*keeper.CreateRootKey(L"HKEY_CONFIG"), style);
  keeper.CreateRootKey(L"HKEY_DYN_DATA")->SetValue(L"Session", std::make_unique<TIntValue>(1));
  keeper.CreateRootKey(L"");
}

void ExpectSameTree(const KoVTPrjRegistryKeeper& expected, const KoVTPrjRegistryKeeper& actual) {
  ASSERT_EQ(actual.RootKeys().size(), expected.RootKeys().size());
  for (const auto& [name, key] : expected.RootKeys()) {
    ASSERT_NE(actual.FindRootKey(name), nullptr) << name.str();
    EXPECT_EQ(RecordOf(*actual.FindRootKey(name)), RecordOf(*key)) << name.str();
  }
}

TEST(KeeperInDrawing, ClonesAndSavedDrawingsHoldTheWholeTree) {
  KeeperClass registered;
  ScratchDir scratch;
  PnDbDatabase db;
  auto* keeper = new KoVTPrjRegistryKeeper;
  FillKeeper(*keeper, db.textstyle());
  const PnDbObjectId id = AddKeeper(db, keeper);
  ASSERT_EQ(pndbOpenObject(keeper, id, PnDb::kForRead), Plnx::eOk);
  std::unique_ptr<PnDbObject> clone(keeper->clone());
  ASSERT_NE(KoVTPrjRegistryKeeper::cast(clone.get()), nullptr);
  ExpectSameTree(*keeper, *KoVTPrjRegistryKeeper::cast(clone.get()));
  keeper->close();

  auto copy = reopened(db, scratch.Path() / "registry.pndwg");
  ASSERT_TRUE(copy) << std::filesystem::path(db.lastFileError());
  KoVTPrjRegistryKeeper expected;
  FillKeeper(expected, copy->textstyle());
  ASSERT_EQ(pndbOpenObject(keeper, namedEntry(*copy, kRegistryKeeperEntry), PnDb::kForRead), Plnx::eOk);
  ExpectSameTree(expected, *keeper);
  keeper->close();
}

}  // namespace
