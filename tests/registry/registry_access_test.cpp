#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "dictionaries/dict_tree.h"
#include "environment/app_context.h"
#include "registry/project_registry_error.h"
#include "registry/registry_access.h"
#include "tests/support/kovt_drawing.h"

using namespace KoVTPrjReg;

namespace {

class RegistryAccess : public KovtDrawingTest {
 protected:
  // The dictionary "Settings" of the named-objects dictionary, made on first use.
  PnDbDictionary* Settings(PnDb::OpenMode mode) {
    PnDbDictionary* namedObjects = nullptr;
    EXPECT_EQ(Drawing()->getNamedObjectsDictionary(namedObjects, PnDb::kForRead), Plnx::eOk);
    PnDbDictionary* settings = GetSubDict(PnDbDictionary::desc(), namedObjects, L"Settings", mode, true);
    if (settings != nullptr && settings->isWriteEnabled() && mode == PnDb::kForRead) settings->downgradeOpen();
    return settings;
  }
};

// The registry works on whatever keeper it has: a key and a value round trip.
void ExpectUsable(TRegistry& registry) {
  ASSERT_TRUE(registry.OpenKey(L"\\\\Standard", true));
  ASSERT_TRUE(registry.WriteInteger(L"Version", 4));
  int version = 0;
  EXPECT_TRUE(registry.ReadInteger(L"Version", version));
  EXPECT_EQ(version, 4);
}

TEST_F(RegistryAccess, OnAGivenDictionaryTheKeeperIsAddedOrKeptInMemory) {
  struct Case {
    PnDb::OpenMode mode;
    bool secondReader;  // the dictionary cannot be upgraded
    TAccessRight access;
    bool added;
  };
  const Case cases[] = {
      {PnDb::kForRead, false, kReadWrite, true},  {PnDb::kForWrite, false, kReadWrite, true},
      {PnDb::kForRead, false, kReadOnly, true},   {PnDb::kForRead, true, kReadWrite, false},
      {PnDb::kForRead, true, kReadOnly, false},
  };
  for (const Case& c : cases) {
    NewDrawing();
    PnDbDictionary* settings = Settings(c.mode);
    ASSERT_NE(settings, nullptr);
    PnDbDictionary* other = c.secondReader ? Settings(PnDb::kForRead) : nullptr;
    {
      TRegistry registry(settings, c.access);
      ExpectUsable(registry);
      PnDbObjectId entry;
      EXPECT_EQ(settings->getAt(kRegistryKeeperEntry, entry) == Plnx::eOk, c.added);
      EXPECT_EQ(registry.GetId(), c.added ? entry : PnDbObjectId());
      EXPECT_EQ(settings->isWriteEnabled(), c.mode == PnDb::kForWrite);  // an upgrade is undone
    }
    EXPECT_TRUE(settings->isReadEnabled());  // the caller's to close
    settings->close();
    if (other != nullptr) other->close();
    EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  }
}

TEST_F(RegistryAccess, WithoutAKeeperEveryPathAndValueFails) {
  auto foreignEntry = [this] {
    PnDbDictionary* settings = Settings(PnDb::kForWrite);
    auto* foreign = new PnDbDictionary;
    PnDbObjectId id;
    settings->setAt(kRegistryKeeperEntry, foreign, id);
    foreign->close();
    return settings;
  };
  PnDbObject* held = nullptr;
  auto busyKeeper = [this, &held] {
    PnDbDictionary* settings = Settings(PnDb::kForRead);
    PnDbObjectId keeper = TRegistry(settings).GetId();
    EXPECT_EQ(pndbOpenObject(held, keeper, PnDb::kForWrite), Plnx::eOk);  // held by someone else
    return settings;
  };
  auto noApplicationRoot = [] { return static_cast<PnDbDictionary*>(nullptr); };
  for (const std::function<PnDbDictionary*()>& setUp :
       std::initializer_list<std::function<PnDbDictionary*()>>{foreignEntry, busyKeeper, noApplicationRoot}) {
    NewDrawing();
    KOVTContext none(KOVT_CONTEXT_NONE);
    PnDbDictionary* settings = setUp();
    {
      TRegistry registry(settings);
      EXPECT_TRUE(registry.GetId().isNull());
      EXPECT_EQ(registry.RootKeys(), nullptr);
      EXPECT_FALSE(registry.OpenKey(L"\\\\Standard", true));
      EXPECT_FALSE(registry.KeyExists(L"\\\\Standard"));
      EXPECT_FALSE(registry.WriteInteger(L"Version", 1));
    }
    if (settings != nullptr) settings->close();
    if (held != nullptr) held->close();
    held = nullptr;
    EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  }
}

TEST_F(RegistryAccess, AnErasedKeeperIsReplacedByANewOne) {
  PnDbObjectId first = TRegistry().GetId();
  PnDbObject* keeper = nullptr;
  ASSERT_EQ(pndbOpenObject(keeper, first, PnDb::kForWrite), Plnx::eOk);
  ASSERT_EQ(keeper->erase(), Plnx::eOk);
  keeper->close();
  TRegistry registry;
  EXPECT_FALSE(registry.GetId().isNull());
  EXPECT_NE(registry.GetId(), first);
  ExpectUsable(registry);
}

TEST_F(RegistryAccess, TwoBackslashPathsNameAKeyInsideTheEmptyKeyAndCopiesShareTheKeeper) {
  {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(L"\\\\Standard", true));
    EXPECT_TRUE(registry.IsValid());
    TKey* empty = registry.GetRootKey()->FindSubKey(L"");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->FindSubKey(L"Standard"), registry.GetCurrentKey());
    EXPECT_TRUE(registry.KeyExists(L"\\\\Standard"));
    EXPECT_FALSE(registry.KeyExists(L"\\\\Other"));
    EXPECT_NE(registry.FindRootKey(L"HKEY_CONFIG"), nullptr);
    EXPECT_NE(registry.FindRootKey(L"HKEY_DYN_DATA"), nullptr);
    // A copy shares the keeper, which is closed once.
    TRegistry copy(nullptr, kReadOnly);
    copy = registry;
    EXPECT_EQ(copy.GetId(), registry.GetId());
    EXPECT_FALSE(copy.GetId().isNull());
  }
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

TEST_F(RegistryAccess, PathShapesAndFailedOpens) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(L"\\A\\B", true));
  TKey* root = registry.GetRootKey();
  ASSERT_NE(root->FindSubKey(L"A"), nullptr);
  EXPECT_EQ(root->FindSubKey(L"A")->FindSubKey(L"B"), registry.GetCurrentKey());
  ASSERT_TRUE(registry.OpenKey(L"//SettingsVector", true));
  EXPECT_EQ(root->FindSubKey(L"//SettingsVector"), registry.GetCurrentKey());
  ASSERT_TRUE(registry.OpenKey(L"\\A\\", true));
  EXPECT_NE(root->FindSubKey(L"A")->FindSubKey(L""), nullptr);
  // Paths start at the root, never at the current key.
  ASSERT_TRUE(registry.OpenKey(L"\\A", false));
  EXPECT_FALSE(registry.KeyExists(L"B"));
  EXPECT_TRUE(registry.KeyExists(L"\\A\\B"));

  // A failed open leaves no current key.
  EXPECT_FALSE(registry.OpenKey(L"\\Missing\\Deeper", false));
  EXPECT_FALSE(registry.IsValid());
  int value = 5;
  EXPECT_FALSE(registry.ReadInteger(L"x", value));
  EXPECT_FALSE(registry.WriteInteger(L"x", 1));
  EXPECT_EQ(value, 5);
}

TEST_F(RegistryAccess, ABackslashAfterTheFirstCharacterStartsAmongTheRoots) {
  struct Case {
    const wchar_t* path;
    bool create, opened;
    const wchar_t* root;  // where the key opened lies: this root,
    const wchar_t* below;  // then this key below it (null: the root itself)
  };
  const Case cases[] = {
      {L"A\\HKEY_DYN_DATA", false, true, L"HKEY_DYN_DATA", nullptr},
      {L"A\\HKEY_DYN_DATA\\B", true, true, L"HKEY_DYN_DATA", L"B"},
      {L"A\\Missing", false, false, nullptr, nullptr},
      {L"A\\Missing", true, true, L"HKEY_CONFIG", L"Missing"},  // a missing root is made below the root key
  };
  for (const Case& c : cases) {
    TRegistry registry;
    EXPECT_EQ(registry.OpenKey(c.path, c.create), c.opened) << c.path;
    TKey* expected = c.root != nullptr ? registry.FindRootKey(c.root) : nullptr;
    if (expected != nullptr && c.below != nullptr) expected = expected->FindSubKey(c.below);
    EXPECT_EQ(registry.GetCurrentKey(), expected) << c.path;
    EXPECT_EQ(registry.FindRootKey(L"Missing"), nullptr);
  }
}

TEST_F(RegistryAccess, EveryReadWritePairRoundTrips) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(L"\\RW", true));
  auto roundTrip = [&registry](auto operation, auto written, auto blank) {
    auto value = written;
    EXPECT_TRUE((registry.*operation)(false, L"value", value));
    auto read = blank;
    EXPECT_TRUE((registry.*operation)(true, L"value", read));
    EXPECT_EQ(read, written);
    auto untouched = blank;
    EXPECT_FALSE((registry.*operation)(true, L"missing", untouched));
    EXPECT_EQ(untouched, blank);
  };
  roundTrip(&TRegistry::RWBool, true, false);
  roundTrip(&TRegistry::RWInteger, -42L, 7L);
  roundTrip(&TRegistry::RWFloat, 0.125, 2.0);
  roundTrip(&TRegistry::RWString, KOVTString(L"Standard"), KOVTString(L"x"));
  roundTrip(&TRegistry::RWObjectId, Drawing()->namedObjectsDictionaryId(), PnDbObjectId());
}

TEST_F(RegistryAccess, BinaryReadsHandOutANewBufferForAnySize) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(L"\\Binary", true));
  const std::uint8_t bytes[] = {7, 0, 9};
  for (int size : {3, 0}) {
    registry.WriteBinaryData(L"blob", bytes, size);
    std::uint8_t* buffer = nullptr;
    int read = -1;
    ASSERT_TRUE(registry.ReadBinaryData(L"blob", buffer, read)) << size;
    EXPECT_EQ(read, size);
    EXPECT_NE(buffer, nullptr);
    EXPECT_TRUE(std::equal(bytes, bytes + size, buffer));
    delete[] buffer;
  }
  registry.WriteInteger(L"blob", 1);
  std::uint8_t* untouched = nullptr;
  int size = 5;
  EXPECT_FALSE(registry.ReadBinaryData(L"blob", untouched, size));
  EXPECT_EQ(size, 5);
}

TEST_F(RegistryAccess, TypedReadsNeverCrossKinds) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(L"\\Values", true));
  registry.WriteBool(L"flag", true);
  int asInteger = 0;
  EXPECT_TRUE(registry.ReadInteger(L"flag", asInteger));
  EXPECT_EQ(asInteger, 1);
  registry.WriteFloat(L"ratio", 0.25);
  int untouched = 7;
  EXPECT_FALSE(registry.ReadInteger(L"ratio", untouched));
  EXPECT_EQ(untouched, 7);
  registry.WriteString(L"ratio", KOVTString(L"now text"));
  double number = 3.0;
  EXPECT_FALSE(registry.ReadFloat(L"ratio", number));
  KOVTString text;
  EXPECT_TRUE(registry.ReadString(L"ratio", text));
  EXPECT_EQ(text, L"now text");

  long wide = 0;
  EXPECT_TRUE(registry.RWInteger(false, L"count", wide = 42));
  wide = 0;
  EXPECT_TRUE(registry.RWInteger(true, L"count", wide));
  EXPECT_EQ(wide, 42);
  EXPECT_TRUE(registry.RenameValue(L"count", L"total"));
  EXPECT_TRUE(registry.ReadInteger(L"total", wide));
  EXPECT_TRUE(registry.DeleteValue(L"missing"));

  // Binary reads replace the caller's buffer.
  const std::uint8_t bytes[] = {1, 2, 3, 4, 5};
  registry.WriteBinaryData(L"blob", bytes, 5);
  std::uint8_t* buffer = new std::uint8_t[3]{9, 9, 9};  // released by the read
  int size = 0;
  ASSERT_TRUE(registry.ReadBinaryData(L"blob", buffer, size));
  ASSERT_EQ(size, 5);
  EXPECT_EQ(buffer[4], 5);
  delete[] buffer;
}

TEST_F(RegistryAccess, RootSelectionByIdAndKeyEditing) {
  TRegistry registry;
  registry.SetRootKey(5);
  EXPECT_EQ(registry.GetRootKey(), registry.FindRootKey(L"HKEY_CONFIG"));
  registry.SetRootKey(kDynDataRootId);
  EXPECT_EQ(registry.GetRootKey(), registry.FindRootKey(L"HKEY_DYN_DATA"));
  EXPECT_EQ(registry.GetCurrentKey(), registry.GetRootKey());
  EXPECT_FALSE(registry.OpenKeyReadOnly(L"\\A"));
  EXPECT_FALSE(registry.CreateKey(L"\\A"));

  ASSERT_TRUE(registry.OpenKey(L"\\A\\B", true));
  registry.RenameKey(L"\\A\\B", L"C");
  EXPECT_TRUE(registry.KeyExists(L"\\A\\C"));
  EXPECT_FALSE(registry.KeyExists(L"\\A\\B"));
  EXPECT_TRUE(registry.DestroyKey(L"\\A\\Missing"));
  EXPECT_TRUE(registry.KeyExists(L"\\A\\C"));
  EXPECT_TRUE(registry.DestroyKey(L"\\A"));
  EXPECT_FALSE(registry.KeyExists(L"\\A"));
}

TEST_F(RegistryAccess, ValuesReachTheSavedDrawing) {
  PnDbHandle handle(0x2A);
  {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(L"\\\\Standard", true));
    registry.WriteInteger(L"Version", 3);
    registry.WriteFloat(L"Units.LengthCoeff", 0.001);
    registry.WriteString(L"Units.Length", KOVTString(L"м"));
    registry.WriteHandle(L"Handle", handle);
    registry.WriteObjectId(L"Dictionary", Drawing()->namedObjectsDictionaryId());
  }
  PnDbDatabase* reopened = SaveAndReopen();
  TRegistry registry(nullptr, kReadOnly);
  ASSERT_TRUE(registry.OpenKey(L"\\\\Standard", false));
  int version = 0;
  double coeff = 0;
  KOVTString unit;
  PnDbHandle readHandle;
  PnDbObjectId dictionary;
  EXPECT_TRUE(registry.ReadInteger(L"Version", version));
  EXPECT_TRUE(registry.ReadFloat(L"Units.LengthCoeff", coeff));
  EXPECT_TRUE(registry.ReadString(L"Units.Length", unit));
  EXPECT_TRUE(registry.ReadHandle(L"Handle", readHandle));
  EXPECT_TRUE(registry.ReadObjectId(L"Dictionary", dictionary));
  EXPECT_EQ(version, 3);
  EXPECT_EQ(coeff, 0.001);
  EXPECT_EQ(unit, L"м");
  EXPECT_EQ(readHandle, handle);
  EXPECT_EQ(dictionary, reopened->namedObjectsDictionaryId());
}

TEST_F(RegistryAccess, UnregisteredKeeperClassThrows) {
  KoVTPrjReg::Finalize();
  EXPECT_THROW(TRegistry registry, KoVT::EProjectRegistry);
  KoVTPrjReg::Initialize();
  EXPECT_NO_THROW(TRegistry registry);
}

}  // namespace
