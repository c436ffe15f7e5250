// The in-memory key tree: values, ownership, names, replacement and renaming.
#include <gtest/gtest.h>

#include "registry/registry_key.h"
#include "tests/registry/registry_test_support.h"

using namespace KoVTPrjReg;

namespace {

// A value that counts its destructions, to see each one freed exactly once.
class CountedValue final : public TValue {
 public:
  explicit CountedValue(int& destroyed) : m_destroyed(destroyed) {}
  ~CountedValue() override { ++m_destroyed; }
  TDataType GetDataType() const override { return kIntegerValue; }
  std::int32_t GetDataSize() const override { return 4; }
  std::unique_ptr<TValue> Clone() const override { return std::make_unique<CountedValue>(m_destroyed); }

 private:
  int& m_destroyed;
};

// An empty value is of the class its tag names (unknown tags fail reading a
// record); binary values keep a copy of the bytes, and none for a bad count.
TEST(RegistryValues, TagsNameTheirClassAndBinaryValuesKeepACopy) {
  for (TDataType tag : {kIntegerValue, kFloatValue, kStringValue, kBinaryValue, kObjectIdValue, kHandleValue})
    EXPECT_EQ(CreateEmptyValue(tag)->GetDataType(), tag);
  std::uint8_t three[] = {1, 2, 3};
  const TBinaryValue copy(three, 3);
  three[0] = 0;
  EXPECT_EQ(copy.GetDataSize(), 3);
  EXPECT_EQ(copy.GetData()[0], 1) << "the value keeps a copy";
  EXPECT_EQ(TBinaryValue(nullptr, 5).GetDataSize(), 0);
  EXPECT_EQ(TBinaryValue(three, -1).GetDataSize(), 0);
}

TEST(RegistryKey, ValuesAndSubKeysAreReplacedOnlyWhereTheirKindAllows) {
  TKey key;
  EXPECT_TRUE(key.SetValue(L"Length", std::make_unique<TStringValue>(L"3 m")));
  EXPECT_FALSE(key.SetValue(L"Length", nullptr));
  EXPECT_EQ(key.FindValue(L"Length")->GetDataType(), kStringValue);
  EXPECT_FALSE(key.SetValue(L"Other", nullptr));
  EXPECT_FALSE(key.ValueExists(L"Other"));

  TKey* first = key.CreateSubKey(L"Sets");
  auto spare = std::make_unique<TKey>();
  spare->CreateSubKey(L"Inner");
  EXPECT_FALSE(key.AddSubKey(L"Sets", std::move(spare)));
  EXPECT_EQ(key.FindSubKey(L"Sets"), first);
  EXPECT_FALSE(first->HasSubKeys());
  EXPECT_FALSE(key.AddSubKey(L"Null", nullptr));
  EXPECT_TRUE(key.AddSubKey(L"Other", std::make_unique<TKey>()));
}

TEST(RegistryKey, RemoveHandsOverAndFreesNothing) {
  int destroyed = 0;
  TKey key;
  TKey* a = key.CreateSubKey(L"A");
  a->SetValue(L"v", std::make_unique<CountedValue>(destroyed));
  key.SetValue(L"w", std::make_unique<CountedValue>(destroyed));
  std::unique_ptr<TKey> removed = key.RemoveSubKey(L"A");
  std::unique_ptr<TValue> value = key.RemoveValue(L"w");
  EXPECT_EQ(removed.get(), a);
  EXPECT_EQ(key.RemoveSubKey(L"A"), nullptr);
  EXPECT_EQ(key.RemoveValue(L"w"), nullptr);
  EXPECT_EQ(destroyed, 0);
}

TEST(RegistryKey, NamesListsFollowMapOrderAppendAndInfoCountsOnly) {
  TKey key;
  for (const wchar_t* name : {L"b", L"B", L"a", L"", L"\u00E4"}) {
    key.CreateSubKey(name);
    key.SetValue(name, std::make_unique<TIntValue>(0));
  }
  key.SetValue(L"c", std::make_unique<TIntValue>(0));
  KoVT::Core::TStringList names;
  names.Add(L"kept");
  key.GetKeyNames(&names);
  key.GetValueNames(&names);
  key.GetKeyNames(nullptr);
  key.GetValueNames(nullptr);
  std::wstring joined;
  for (const KOVTString& name : names) joined += name.str() + L"|";
  EXPECT_EQ(joined, L"kept||B|a|b|\u00E4||B|a|b|c|\u00E4|");
  TKeyInfo info;
  info.MaxSubKeyLen = 99;
  key.GetKeyInfo(info);
  EXPECT_EQ(std::vector<std::int32_t>({info.NumSubKeys, info.MaxSubKeyLen, info.NumValues, info.MaxValueLen,
                                       info.MaxDataLen}),
            std::vector<std::int32_t>({5, -1, 6, -1, -1}));
}

TEST(RegistryKey, DestroyingARootFreesEverythingBelowOnce) {
  int destroyed = 0, made = 1;
  {
    TKey root;
    for (const wchar_t* a : {L"1", L"2", L"3"}) {
      TKey* level = root.CreateSubKey(a);
      for (const wchar_t* b : {L"x", L"y"}) {
        level->CreateSubKey(b)->CreateSubKey(L"deep")->SetValue(L"v", std::make_unique<CountedValue>(destroyed));
        level->SetValue(b, std::make_unique<CountedValue>(destroyed));
        made += 2;
      }
    }
    root.SetValue(L"top", std::make_unique<CountedValue>(destroyed));
    root.DestroyValues();
    EXPECT_EQ(destroyed, 1);
    EXPECT_TRUE(root.HasSubKeys());
    root.DestroySubKeys();
    EXPECT_FALSE(root.HasSubKeys());
    EXPECT_EQ(destroyed, made);
    root.CreateSubKey(L"again")->SetValue(L"v", std::make_unique<CountedValue>(destroyed));
  }
  EXPECT_EQ(destroyed, made + 1);
}

}  // namespace
