// Hostile drawings: claimed counts and sizes the bytes cannot back, and
// nesting deep enough to overflow any recursive reader. Reading must fail
// with a status, allocate no more than the bytes can hold and keep what was
// complete; a negative count reads nothing.
#include <gtest/gtest.h>

#include "registry/key_filing.h"
#include "registry/registry_key.h"
#include "tests/host/allocation_probe.h"
#include "tests/registry/registry_test_support.h"

using namespace KoVTPrjReg;

namespace {

constexpr std::int32_t kDeep = 1'000'000;

// Sub-key records nested `depth` deep, each named "n" and holding one integer.
// Built once: every level is the same bytes but the last, which has no sub-key.
const Bytes& DeepChain() {
  static const Bytes chain = [] {
    auto level = [](std::int32_t subKeys) {
      return ItemStream().Name(L"n").Int32(1).Name(L"level").Int32(kIntegerValue).Int32(7).Int32(subKeys).bytes();
    };
    const Bytes inner = level(1), last = level(0);
    Bytes bytes = ItemStream().Int32(1).bytes();
    bytes.reserve(bytes.size() + inner.size() * kDeep);
    for (std::int32_t i = 1; i < kDeep; ++i) bytes.insert(bytes.end(), inner.begin(), inner.end());
    bytes.insert(bytes.end(), last.begin(), last.end());
    return bytes;
  }();
  return chain;
}

std::int32_t DepthOf(const TKeyMap& keys) {
  std::int32_t depth = 0;
  for (const TKeyMap* level = &keys; !level->empty(); level = &level->begin()->second->SubKeys()) ++depth;
  return depth;
}

TEST(RegistryHostile, ProbeSeesAllocationsMadeInsideTheModule) {
  std::vector<std::uint8_t> source(1 << 20, 0x5A);
  AllocationProbe probe;
  TBinaryValue copy(source.data(), static_cast<std::int32_t>(source.size()));
  EXPECT_GE(probe.Largest(), source.size());
}

// Reads `bytes`, whose claims outrun them: the read ends with the bytes and
// allocates nothing for what was claimed; the failure sticks.
void ExpectReadEndsWithTheBytes(const Bytes& bytes, TKey& key) {
  PnDbMemoryFiler filer = ReaderOf(bytes);
  AllocationProbe probe;
  EXPECT_EQ(key.DwgInFields(&filer), Plnx::eEndOfFile);
  EXPECT_LT(probe.Largest(), std::size_t(1) << 16);
  EXPECT_EQ(filer.filerStatus(), Plnx::eEndOfFile);
}

TEST(RegistryHostile, ClaimedTwoGibibyteBinaryFailsBeforeAllocating) {
  ItemStream stream;
  stream.Int32(3);
  stream.Name(L"fine").Int32(kBinaryValue).Int32(2).Raw({1, 2});
  stream.Name(L"huge").Int32(kBinaryValue).Int32(INT32_MAX).Raw({1, 2, 3});
  stream.Name(L"after").Int32(kIntegerValue).Int32(1);
  TKey key;
  ExpectReadEndsWithTheBytes(stream.bytes(), key);
  EXPECT_EQ(key.Values().size(), 1u);
  EXPECT_TRUE(key.ValueExists(L"fine"));
}

TEST(RegistryHostile, ClaimedTwoBillionValuesOrSubKeysEndWithTheBytes) {
  ItemStream values;
  values.Int32(INT32_MAX);
  values.Name(L"one").Int32(kIntegerValue).Int32(1);
  values.Name(L"two").Int32(kStringValue).Name(L"zwei");
  TKey key;
  ExpectReadEndsWithTheBytes(values.bytes(), key);
  EXPECT_EQ(key.Values().size(), 2u);

  ItemStream subKeys;
  subKeys.Int32(0).Int32(INT32_MAX);
  subKeys.Name(L"a").EmptyKey();
  subKeys.Name(L"b").Int32(0).Int32(INT32_MAX).Name(L"inner").EmptyKey();
  TKey other;
  ExpectReadEndsWithTheBytes(subKeys.bytes(), other);
  EXPECT_NE(other.FindSubKey(L"a"), nullptr);
  EXPECT_EQ(other.FindSubKey(L"b"), nullptr);  // unfinished
}

TEST(RegistryHostile, NegativeCountsReadNothing) {
  struct Case {
    Bytes record;
    std::size_t values, subKeys;
  };
  const Case cases[] = {
      {ItemStream().Int32(-1).Int32(1).Name(L"k").EmptyKey().bytes(), 0, 1},
      {ItemStream().Int32(0).Int32(INT32_MIN).bytes(), 0, 0},
      {ItemStream().Int32(1).Name(L"b").Int32(kBinaryValue).Int32(-5).Raw({}).Int32(0).bytes(), 1, 0},
  };
  for (const Case& c : cases) {
    TKey key;
    PnDbMemoryFiler filer = ReaderOf(c.record);
    EXPECT_EQ(key.DwgInFields(&filer), Plnx::eOk);
    EXPECT_TRUE(filer.atEnd());
    EXPECT_EQ(key.Values().size(), c.values);
    EXPECT_EQ(key.SubKeys().size(), c.subKeys);
    if (const TValue* binary = key.FindValue(L"b")) {
      EXPECT_EQ(binary->GetDataSize(), 0);
    }
  }
}

TEST(RegistryHostile, AMillionLevelsReadWriteAndDestroyWithoutRecursion) {
  const Bytes& chain = DeepChain();
  TKeyMap keys;
  PnDbMemoryFiler reader = ReaderOf(chain);
  ASSERT_EQ(DwgInKeyList(&reader, keys), Plnx::eOk);
  EXPECT_TRUE(reader.atEnd());
  EXPECT_EQ(DepthOf(keys), kDeep);

  PnDbMemoryFiler writer;
  ASSERT_EQ(DwgOutKeyList(&writer, keys), Plnx::eOk);
  EXPECT_TRUE(writer.bytes() == chain);
  keys.clear();  // a recursive destructor would overflow the stack here
}

TEST(RegistryHostile, AMillionLevelsCutShortKeepOnlyWhatWasComplete) {
  Bytes chain = DeepChain();
  chain.resize(chain.size() - 3);
  TKeyMap keys;
  keys[L"kept"] = std::make_unique<TKey>();
  PnDbMemoryFiler reader = ReaderOf(chain);
  EXPECT_EQ(DwgInKeyList(&reader, keys), Plnx::eEndOfFile);
  // The outermost key was never complete, so nothing of the chain is added.
  EXPECT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys.count(L"kept"), 1u);
}

TEST(RegistryHostile, EveryTruncationAndEveryFlippedByteFailsCleanly) {
  TKey sample;
  FillSampleTree(sample, PnDbObjectId());
  const Bytes record = RecordOf(sample);
  for (std::size_t size = 0; size < record.size(); ++size) {
    TKey key;
    PnDbMemoryFiler filer = ReaderOf(Bytes(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(size)));
    EXPECT_NE(key.DwgInFields(&filer), Plnx::eOk) << size;
  }
  for (std::size_t at = 0; at < record.size(); ++at) {
    for (std::uint8_t flip : {0x01, 0x80, 0xFF}) {
      Bytes damaged = record;
      damaged[at] ^= flip;
      TKey key;
      PnDbMemoryFiler filer = ReaderOf(damaged);
      // Damage in a payload may read as other data; anything else is reported as what it is.
      Plnx::ErrorStatus es = key.DwgInFields(&filer);
      EXPECT_TRUE(es == Plnx::eOk || es == Plnx::eEndOfFile || es == Plnx::eDwgObjectImproperlyRead ||
                  es == Plnx::eWrongObjectType)
          << at << ": " << es;
    }
  }
}

}  // namespace
