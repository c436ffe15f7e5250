#include <gtest/gtest.h>

#include "dictionaries/dict_tree.h"
#include "registry/project_registry_error.h"
#include "registry/registry_access.h"
#include "tests/support/kovt_drawing.h"

using namespace KoVTPrjReg;

namespace {

class RegistryAccess : public KovtDrawingTest {};

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
