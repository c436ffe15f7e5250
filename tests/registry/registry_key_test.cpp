// The in-memory key tree: ownership, names, replacement and renaming.
#include <gtest/gtest.h>

#include <map>
#include <random>

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

std::vector<std::wstring> Names(const KoVT::Core::TStringList& list) {
  std::vector<std::wstring> names;
  for (const KOVTString& name : list) names.push_back(name.str());
  return names;
}

std::int32_t IntAt(const TKey& key, const wchar_t* name) {
  auto* value = dynamic_cast<const TIntValue*>(key.FindValue(name));
  return value ? value->GetValue() : -999;
}

TEST(RegistryValues, TagsSizesAndDefaultsFollowTheirClass) {
  const std::uint8_t three[] = {1, 2, 3};
  struct Case {
    std::unique_ptr<TValue> value;
    TDataType tag;
    std::int32_t size;
  };
  Case cases[] = {
      {std::make_unique<TIntValue>(5), kIntegerValue, 4},
      {std::make_unique<TFloatValue>(2.5), kFloatValue, 8},
      {std::make_unique<TStringValue>(L"abc\u00E9"), kStringValue, 4},
      {std::make_unique<TBinaryValue>(three, 3), kBinaryValue, 3},
      {std::make_unique<TObjIdValue>(), kObjectIdValue, 8},
      {std::make_unique<THandleValue>(), kHandleValue, 8},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.value->GetDataType(), c.tag);
    EXPECT_EQ(c.value->GetDataSize(), c.size) << c.tag;
    EXPECT_EQ(CreateEmptyValue(c.tag)->GetDataType(), c.tag);
  }
  for (std::int32_t unknown : {0, 7, -1, INT32_MAX}) EXPECT_EQ(CreateEmptyValue(unknown), nullptr) << unknown;

  EXPECT_EQ(THandleValue().GetValue(), PnDbHandle(0xFFFFFFFF));
  EXPECT_TRUE(TObjIdValue().GetValue().isNull());
  EXPECT_EQ(TStringValue().GetDataSize(), 0);
}

TEST(RegistryValues, BinaryValueOwnsACopyOfItsBytes) {
  std::uint8_t source[] = {9, 8, 7};
  TBinaryValue value(source, 3);
  source[0] = 0;
  ASSERT_NE(value.GetData(), nullptr);
  EXPECT_EQ(value.GetData()[0], 9);
  EXPECT_EQ(value.GetData()[2], 7);

  EXPECT_EQ(TBinaryValue().GetData(), nullptr);
  EXPECT_EQ(TBinaryValue(nullptr, 5).GetDataSize(), 0);
  EXPECT_EQ(TBinaryValue(source, -1).GetDataSize(), 0);
}

TEST(RegistryKey, SetValueReplacesWhateverTheType) {
  TKey key;
  EXPECT_TRUE(key.SetValue(L"Length", std::make_unique<TIntValue>(3)));
  EXPECT_TRUE(key.SetValue(L"Length", std::make_unique<TStringValue>(L"3 m")));
  ASSERT_TRUE(key.ValueExists(L"Length"));
  EXPECT_EQ(key.FindValue(L"Length")->GetDataType(), kStringValue);
  EXPECT_EQ(dynamic_cast<TIntValue*>(key.FindValue(L"Length")), nullptr);

  EXPECT_FALSE(key.SetValue(L"Length", nullptr));
  EXPECT_EQ(key.FindValue(L"Length")->GetDataType(), kStringValue);
  EXPECT_FALSE(key.SetValue(L"Other", nullptr));
  EXPECT_FALSE(key.ValueExists(L"Other"));
}

TEST(RegistryKey, SubKeysAreCreatedOnceAndAddedOnlyUnderFreeNames) {
  TKey key;
  TKey* first = key.CreateSubKey(L"Sets");
  EXPECT_EQ(key.CreateSubKey(L"Sets"), first);
  EXPECT_EQ(key.FindSubKey(L"Sets"), first);
  EXPECT_EQ(key.FindSubKey(L"sets"), nullptr);  // names compare exactly

  auto spare = std::make_unique<TKey>();
  spare->CreateSubKey(L"Inner");
  EXPECT_FALSE(key.AddSubKey(L"Sets", std::move(spare)));
  EXPECT_EQ(key.FindSubKey(L"Sets"), first);
  EXPECT_FALSE(first->HasSubKeys());
  EXPECT_FALSE(key.AddSubKey(L"Null", nullptr));
  EXPECT_TRUE(key.AddSubKey(L"Other", std::make_unique<TKey>()));
  EXPECT_TRUE(key.HasSubKeys());

  // A value and a sub-key of one name live side by side.
  key.SetValue(L"Sets", std::make_unique<TIntValue>(2));
  EXPECT_EQ(key.FindSubKey(L"Sets"), first);
  EXPECT_EQ(IntAt(key, L"Sets"), 2);
}

TEST(RegistryKey, RemoveHandsOverAndDestroyDeletes) {
  int destroyed = 0;
  TKey key;
  key.CreateSubKey(L"A")->SetValue(L"v", std::make_unique<CountedValue>(destroyed));
  key.SetValue(L"w", std::make_unique<CountedValue>(destroyed));

  std::unique_ptr<TKey> removed = key.RemoveSubKey(L"A");
  ASSERT_NE(removed, nullptr);
  EXPECT_EQ(key.FindSubKey(L"A"), nullptr);
  EXPECT_EQ(key.RemoveSubKey(L"A"), nullptr);
  std::unique_ptr<TValue> value = key.RemoveValue(L"w");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(key.RemoveValue(L"w"), nullptr);
  EXPECT_EQ(destroyed, 0);

  ASSERT_TRUE(key.AddSubKey(L"A", std::move(removed)));
  key.SetValue(L"w", std::move(value));
  key.DestroySubKey(L"A");
  key.DeleteValue(L"w");
  EXPECT_EQ(destroyed, 2);
  key.DestroySubKey(L"A");
  key.DeleteValue(L"w");
  EXPECT_EQ(destroyed, 2);
}

TEST(RegistryKey, RenameMovesUnlessTheTargetIsTaken) {
  int destroyed = 0;
  TKey key;
  TKey* a = key.CreateSubKey(L"A");
  TKey* b = key.CreateSubKey(L"B");
  b->SetValue(L"marker", std::make_unique<CountedValue>(destroyed));

  key.RenameSubKey(L"Missing", L"A");
  EXPECT_EQ(key.FindSubKey(L"A"), a);
  key.RenameSubKey(L"A", L"C");
  EXPECT_EQ(key.FindSubKey(L"A"), nullptr);
  EXPECT_EQ(key.FindSubKey(L"C"), a);
  // Onto a taken name: the key there stays, the moved one is gone.
  key.RenameSubKey(L"B", L"C");
  EXPECT_EQ(key.FindSubKey(L"C"), a);
  EXPECT_EQ(key.FindSubKey(L"B"), nullptr);
  EXPECT_EQ(destroyed, 1);

  key.SetValue(L"x", std::make_unique<TIntValue>(1));
  key.SetValue(L"y", std::make_unique<TIntValue>(2));
  key.RenameValue(L"Missing", L"x");
  EXPECT_EQ(IntAt(key, L"x"), 1);
  key.RenameValue(L"x", L"y");
  EXPECT_EQ(IntAt(key, L"y"), 2);
  EXPECT_FALSE(key.ValueExists(L"x"));
  key.RenameValue(L"y", L"z");
  EXPECT_EQ(IntAt(key, L"z"), 2);
}

TEST(RegistryKey, NamesListsFollowMapOrderAndAppend) {
  TKey key;
  for (const wchar_t* name : {L"b", L"B", L"a", L"", L"\u00E4"}) {
    key.CreateSubKey(name);
    key.SetValue(name, std::make_unique<TIntValue>(0));
  }
  const std::vector<std::wstring> ordered = {L"", L"B", L"a", L"b", L"\u00E4"};
  KoVT::Core::TStringList list;
  list.Add(L"kept");
  key.GetKeyNames(&list);
  std::vector<std::wstring> expected = {L"kept"};
  expected.insert(expected.end(), ordered.begin(), ordered.end());
  EXPECT_EQ(Names(list), expected);

  KoVT::Core::TStringList values;
  key.GetValueNames(&values);
  EXPECT_EQ(Names(values), ordered);
  key.GetKeyNames(nullptr);
  key.GetValueNames(nullptr);
}

TEST(RegistryKey, InfoReportsCountsOnlyAndDataInfoNothing) {
  TKey key;
  TKeyInfo info;
  info.NumSubKeys = 99;
  key.GetKeyInfo(info);
  EXPECT_EQ(info.NumSubKeys, 0);
  EXPECT_EQ(info.MaxSubKeyLen, -1);
  EXPECT_EQ(info.NumValues, 0);
  EXPECT_EQ(info.MaxValueLen, -1);
  EXPECT_EQ(info.MaxDataLen, -1);

  key.CreateSubKey(L"a");
  key.SetValue(L"x", std::make_unique<TIntValue>(1));
  key.SetValue(L"y", std::make_unique<TIntValue>(1));
  key.GetKeyInfo(info);
  EXPECT_EQ(info.NumSubKeys, 1);
  EXPECT_EQ(info.NumValues, 2);

  TDataInfo data{kStringValue, 12};
  EXPECT_FALSE(key.GetDataInfo(L"x", data));
  EXPECT_EQ(data.DataType, kNoValue);
  EXPECT_EQ(data.DataSize, -1);
}

TEST(RegistryKey, DestroyingARootFreesEverythingBelowOnce) {
  int destroyed = 0;
  int made = 0;
  {
    TKey root;
    for (const wchar_t* a : {L"1", L"2", L"3"}) {
      TKey* level = root.CreateSubKey(a);
      for (const wchar_t* b : {L"x", L"y"}) {
        TKey* leaf = level->CreateSubKey(b)->CreateSubKey(L"deep");
        leaf->SetValue(L"v", std::make_unique<CountedValue>(destroyed));
        level->SetValue(b, std::make_unique<CountedValue>(destroyed));
        made += 2;
      }
    }
    root.SetValue(L"top", std::make_unique<CountedValue>(destroyed));
    ++made;

    root.DestroyValues();
    EXPECT_EQ(destroyed, 1);
    EXPECT_TRUE(root.HasSubKeys());
    root.DestroySubKeys();
    EXPECT_FALSE(root.HasSubKeys());
    EXPECT_EQ(destroyed, made);
    root.CreateSubKey(L"again")->SetValue(L"v", std::make_unique<CountedValue>(destroyed));
    ++made;
  }
  EXPECT_EQ(destroyed, made);
}

// Lookups go through an index next to the ordered map; a random mix of every
// change a key takes must leave the two agreeing, name by name.
TEST(RegistryKey, LookupsAgreeWithTheValuesAfterAnyChanges) {
  std::mt19937 random(7);
  auto name = [&] { return L"Found.Out.BlankOutlineMode_ByElementType.v" + std::to_wstring(random() % 40); };
  TKey key;
  std::map<std::wstring, std::int32_t> expected;
  for (std::int32_t step = 0; step < 4000; ++step) {
    const std::wstring first = name(), second = name();
    switch (random() % 4) {
      case 0:
      case 1:
        key.SetValue(first.c_str(), std::make_unique<TIntValue>(step));
        expected[first] = step;
        break;
      case 2:
        key.DeleteValue(first.c_str());
        expected.erase(first);
        break;
      case 3:
        key.RenameValue(first.c_str(), second.c_str());
        if (auto moved = expected.find(first); moved != expected.end() && first != second) {
          expected.try_emplace(second, moved->second);
          expected.erase(moved);
        }
        break;
    }
    if (step % 500 == 499) {
      for (std::int32_t i = 0; i < 40; ++i) {
        const std::wstring probe = L"Found.Out.BlankOutlineMode_ByElementType.v" + std::to_wstring(i);
        auto it = expected.find(probe);
        ASSERT_EQ(IntAt(key, probe.c_str()), it == expected.end() ? -999 : it->second) << step;
      }
      ASSERT_EQ(key.Values().size(), expected.size());
    }
  }
  key.DestroyValues();
  for (const auto& [probe, value] : expected) EXPECT_FALSE(key.ValueExists(probe.c_str()));
}

}  // namespace
