// The keeper object: its class registration, its record and its life in a
// drawing file.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "registry/registry_keeper.h"
#include "tests/host/host_test_support.h"
#include "tests/registry/registry_test_support.h"

using namespace KoVTPrjReg;

namespace {

constexpr const wchar_t* kClassName = L"KoVTPrjRegistryKeeper";

// Registers the keeper class for one test.
class KeeperClass {
 public:
  KeeperClass() { Initialize(); }
  ~KeeperClass() { Finalize(); }
  KeeperClass(const KeeperClass&) = delete;
  KeeperClass& operator=(const KeeperClass&) = delete;
};

// The keeper record as a stream: host fields (a null owner), version, roots.
ItemStream KeeperRecord(std::uint16_t version) {
  ItemStream stream;
  stream.SoftId().UInt16(version);
  return stream;
}

std::wstring RootsDifference(const KoVTPrjRegistryKeeper& expected, const KoVTPrjRegistryKeeper& actual) {
  if (expected.RootKeys().size() != actual.RootKeys().size()) return L"number of roots";
  for (const auto& [name, key] : expected.RootKeys()) {
    const TKey* other = actual.FindRootKey(name);
    if (other == nullptr) return L"missing root " + name.str();
    std::wstring difference = TreeDifference(*key, *other);
    if (!difference.empty()) return name.str() + difference;
  }
  return L"";
}

PnDbObjectId AddKeeper(PnDbDatabase& db, KoVTPrjRegistryKeeper* keeper) {
  PnDbDictionary* named = nullptr;
  PnDbObjectId id;
  EXPECT_EQ(db.getNamedObjectsDictionary(named, PnDb::kForWrite), Plnx::eOk);
  EXPECT_EQ(named->setAt(kRegistryKeeperEntry, keeper, id), Plnx::eOk);
  keeper->close();
  named->close();
  return id;
}

PnDbObjectId KeeperEntry(PnDbDatabase& db) { return namedEntry(db, kRegistryKeeperEntry); }

TEST(KeeperClassRegistration, CountsInitializeAndFinalize) {
  EXPECT_EQ(KoVTPrjRegistryKeeper::desc(), nullptr);
  Initialize();
  Initialize();
  PnRxClass* cls = KoVTPrjRegistryKeeper::desc();
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(pnrxFindPnRxClass(kClassName), cls);
  Finalize();
  EXPECT_EQ(pnrxFindPnRxClass(kClassName), cls);
  EXPECT_EQ(KoVTPrjRegistryKeeper::desc(), cls);
  Finalize();
  EXPECT_EQ(pnrxFindPnRxClass(kClassName), nullptr);
  EXPECT_EQ(KoVTPrjRegistryKeeper::desc(), nullptr);
  // One Finalize too many changes nothing; registering again works.
  Finalize();
  Initialize();
  EXPECT_NE(KoVTPrjRegistryKeeper::desc(), nullptr);
  Finalize();
  EXPECT_EQ(KoVTPrjRegistryKeeper::desc(), nullptr);
}

TEST(KeeperClassRegistration, RegistersTheClassTheDrawingsNeed) {
  KeeperClass registered;
  const PnRxClass* cls = pnrxFindPnRxClass(kClassName);
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(cls->myParent(), PnDbObject::desc());
  EXPECT_EQ(cls->dwgVersion(), 33);
  EXPECT_EQ(cls->maintenanceVersion(), 55);
  EXPECT_EQ(cls->proxyFlags(), 0);
  EXPECT_STREQ(cls->dxfName(), L"KOVTPRJREGISTRYKEEPER");
  EXPECT_STREQ(cls->appName(), L"KoVTAppSet|Tessmar");

  std::unique_ptr<PnRxObject> made(cls->create());
  auto* keeper = KoVTPrjRegistryKeeper::cast(made.get());
  ASSERT_NE(keeper, nullptr);
  EXPECT_EQ(keeper->isA(), cls);
  EXPECT_TRUE(keeper->RootKeys().empty());
  EXPECT_EQ(KoVTPrjRegistryKeeper::cast(PnDbObject::desc()), nullptr);
}

TEST(KeeperClassRegistration, AForeignClassOfTheSameNameStopsTheHost) {
  PnRxClass* foreign = newPnRxClass(kClassName, L"PnDbObject", 0, 0, 0, nullptr);
  ASSERT_NE(foreign, nullptr);
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
  const PnRxClass* cls = pnrxFindPnRxClass(kClassName);
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(cls->dwgVersion(), 33);
  EXPECT_EQ(KoVTPrjRegistryKeeper::desc(), cls);
}

TEST(KeeperClassRegistration, TheModuleHooksRegisterAndRemoveTheClass) {
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  pnutCaptureOutput(true);
  ASSERT_TRUE(linker->loadModule(L"KoVTAppSet.kmo")) << std::string(linker->lastLoadError().begin(),
                                                                    linker->lastLoadError().end());
  EXPECT_NE(pnrxFindPnRxClass(kClassName), nullptr);
  {
    // Another user of the registry keeps the class past the module's unload.
    KeeperClass other;
    ASSERT_TRUE(linker->unloadModule(L"KoVTAppSet.kmo"));
    EXPECT_NE(pnrxFindPnRxClass(kClassName), nullptr);
  }
  pnutTakeCapturedOutput();
  pnutCaptureOutput(false);
  EXPECT_EQ(pnrxFindPnRxClass(kClassName), nullptr);
}

TEST(KeeperRecord, RootsFileInNameOrderAfterTheVersion) {
  KoVTPrjRegistryKeeper keeper;
  PnDbMemoryFiler empty;
  ASSERT_EQ(keeper.dwgOutFields(&empty), Plnx::eOk);
  EXPECT_EQ(empty.bytes(), KeeperRecord(1).Int32(0).bytes());
  keeper.CreateRootKey(L"HKEY_DYN_DATA");
  keeper.CreateRootKey(L"HKEY_CONFIG")->SetValue(L"v", std::make_unique<TIntValue>(4));
  EXPECT_EQ(keeper.CreateRootKey(L"HKEY_CONFIG"), keeper.FindRootKey(L"HKEY_CONFIG"));
  EXPECT_EQ(keeper.FindRootKey(L"HKEY_OTHER"), nullptr);
  PnDbMemoryFiler filer;
  ASSERT_EQ(keeper.dwgOutFields(&filer), Plnx::eOk);
  ItemStream expected = KeeperRecord(1);
  expected.Int32(2);
  expected.Name(L"HKEY_CONFIG").Int32(1).Name(L"v").Int32(1).Int32(4).Int32(0);
  expected.Name(L"HKEY_DYN_DATA").EmptyKey();
  EXPECT_EQ(filer.bytes(), expected.bytes());
}

TEST(KeeperRecord, ReadingAddsToTheRootsPresent) {
  ItemStream stream = KeeperRecord(1);
  stream.Int32(2);
  stream.Name(L"HKEY_CONFIG").Int32(1).Name(L"file").Int32(1).Int32(1).Int32(0);
  stream.Name(L"HKEY_DYN_DATA").EmptyKey();
  KoVTPrjRegistryKeeper keeper;
  keeper.CreateRootKey(L"HKEY_CONFIG")->SetValue(L"memory", std::make_unique<TIntValue>(2));
  PnDbMemoryFiler filer = ReaderOf(stream.bytes());
  ASSERT_EQ(keeper.dwgInFields(&filer), Plnx::eOk);
  EXPECT_TRUE(filer.atEnd());
  EXPECT_TRUE(keeper.FindRootKey(L"HKEY_CONFIG")->ValueExists(L"memory"));
  EXPECT_FALSE(keeper.FindRootKey(L"HKEY_CONFIG")->ValueExists(L"file"));
  EXPECT_NE(keeper.FindRootKey(L"HKEY_DYN_DATA"), nullptr);
}

TEST(KeeperRecord, NewerVersionIsRefusedWithoutReadingOn) {
  for (std::uint16_t version : {2, 0xFFFF}) {
    ItemStream stream = KeeperRecord(version);
    stream.Int32(1).Name(L"HKEY_CONFIG").EmptyKey();
    KoVTPrjRegistryKeeper keeper;
    PnDbMemoryFiler filer = ReaderOf(stream.bytes());
    EXPECT_EQ(keeper.dwgInFields(&filer), Plnx::eMakeMeProxy) << version;
    EXPECT_TRUE(keeper.RootKeys().empty());
  }
}

TEST(KeeperRecord, UnknownTagDeepDownReachesTheHost) {
  ItemStream stream = KeeperRecord(1);
  stream.Int32(2);
  stream.Name(L"A").EmptyKey();
  stream.Name(L"B").Int32(0).Int32(1).Name(L"C").Int32(1).Name(L"x").Int32(9).Int32(0);
  KoVTPrjRegistryKeeper keeper;
  PnDbMemoryFiler filer = ReaderOf(stream.bytes());
  EXPECT_EQ(keeper.dwgInFields(&filer), Plnx::eWrongObjectType);
  EXPECT_NE(keeper.FindRootKey(L"A"), nullptr);
  EXPECT_EQ(keeper.FindRootKey(L"B"), nullptr);
}

TEST(KeeperInDrawing, AClonedKeeperHoldsTheWholeTree) {
  KeeperClass registered;
  PnDbDatabase db;
  auto* keeper = new KoVTPrjRegistryKeeper;
  FillSampleTree(*keeper->CreateRootKey(L"HKEY_CONFIG"), db.textstyle());
  keeper->CreateRootKey(L"HKEY_DYN_DATA");
  const PnDbObjectId id = AddKeeper(db, keeper);
  ASSERT_EQ(pndbOpenObject(keeper, id, PnDb::kForRead), Plnx::eOk);
  std::unique_ptr<PnDbObject> clone(keeper->clone());
  const auto* copy = KoVTPrjRegistryKeeper::cast(clone.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(RootsDifference(*keeper, *copy), L"");
  keeper->close();
}

TEST(KeeperInDrawing, SavingAndReopeningReproducesEveryRootKeyAndValue) {
  KeeperClass registered;
  ScratchDir scratch;
  PnDbDatabase db;
  auto* keeper = new KoVTPrjRegistryKeeper;
  FillSampleTree(*keeper->CreateRootKey(L"HKEY_CONFIG"), db.textstyle());
  keeper->CreateRootKey(L"HKEY_DYN_DATA")->SetValue(L"Session", std::make_unique<TIntValue>(1));
  keeper->CreateRootKey(L"");
  AddKeeper(db, keeper);
  auto copy = reopened(db, scratch.Path() / "registry.pndwg");
  ASSERT_TRUE(copy) << std::filesystem::path(db.lastFileError());

  // The object id value must come back as the same object of the reopened drawing.
  KoVTPrjRegistryKeeper written;
  FillSampleTree(*written.CreateRootKey(L"HKEY_CONFIG"), copy->textstyle());
  written.CreateRootKey(L"HKEY_DYN_DATA")->SetValue(L"Session", std::make_unique<TIntValue>(1));
  written.CreateRootKey(L"");
  ASSERT_EQ(pndbOpenObject(keeper, KeeperEntry(*copy), PnDb::kForRead), Plnx::eOk);
  EXPECT_EQ(RootsDifference(written, *keeper), L"");
  EXPECT_FALSE(copy->textstyle().isNull());
  keeper->close();
}

}  // namespace
