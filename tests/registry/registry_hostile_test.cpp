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

// Claims outrunning the bytes: the read ends with the bytes, allocates
// nothing for what was claimed, the failure sticks and only complete entries stay.
TEST(RegistryHostile, ClaimsBeyondTheBytesEndWithTheBytesBeforeAllocating) {
  struct Case {
    Bytes record;
    std::vector<const wchar_t*> values, subKeys;
  } cases[] = {
      {ItemStream().Int32(3).Name(L"fine").Int32(kBinaryValue).Int32(2).Raw({1, 2}).Name(L"huge").Int32(kBinaryValue)
           .Int32(INT32_MAX).Raw({1, 2, 3}).Name(L"after").Int32(kIntegerValue).Int32(1).bytes(),
       {L"fine"}, {}},
      {ItemStream().Int32(INT32_MAX).Name(L"one").Int32(kIntegerValue).Int32(1).Name(L"two").Int32(kStringValue)
           .Name(L"zwei").bytes(),
       {L"one", L"two"}, {}},
      {ItemStream().Int32(0).Int32(INT32_MAX).Name(L"a").EmptyKey().Name(L"b").Int32(0).Int32(INT32_MAX)
           .Name(L"inner").EmptyKey().bytes(),
       {}, {L"a"}},
  };
  for (const Case& c : cases) {
    TKey key;
    PnDbMemoryFiler filer = ReaderOf(c.record);
    AllocationProbe probe;
    EXPECT_EQ(key.DwgInFields(&filer), Plnx::eEndOfFile);
    EXPECT_LT(probe.Largest(), std::size_t(1) << 16);
    EXPECT_EQ(filer.filerStatus(), Plnx::eEndOfFile);
    EXPECT_EQ(key.Values().size(), c.values.size());
    for (const wchar_t* name : c.values) EXPECT_TRUE(key.ValueExists(name)) << name;
    EXPECT_EQ(key.SubKeys().size(), c.subKeys.size());
    for (const wchar_t* name : c.subKeys) EXPECT_NE(key.FindSubKey(name), nullptr) << name;
  }
}

// Room is made for a claimed count, but never for more values than the bytes left could fill.
TEST(RegistryHostile, AClaimedCountReservesNoMoreThanTheBytesLeft) {
  const Bytes payload(200'000, 0x5A);
  const Bytes record = ItemStream().Int32(INT32_MAX).Name(L"big").Int32(kBinaryValue)
                           .Int32(static_cast<std::int32_t>(payload.size())).Raw(payload).bytes();
  TKey key;
  PnDbMemoryFiler filer = ReaderOf(record);
  AllocationProbe probe;
  EXPECT_EQ(key.DwgInFields(&filer), Plnx::eEndOfFile);
  EXPECT_LE(probe.Largest(), record.size());
  ASSERT_NE(key.FindValue(L"big"), nullptr);
  EXPECT_EQ(key.FindValue(L"big")->GetDataSize(), static_cast<std::int32_t>(payload.size()));
}

TEST(RegistryHostile, NegativeCountsReadNothing) {
  struct Case {
    Bytes record;
    std::size_t values, subKeys;
  } cases[] = {
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
  TKeyMap keys;
  PnDbMemoryFiler reader = ReaderOf(DeepChain());
  ASSERT_EQ(DwgInKeyList(&reader, keys), Plnx::eOk);
  EXPECT_TRUE(reader.atEnd());
  std::int32_t depth = 0;
  for (const TKeyMap* level = &keys; !level->empty(); level = &level->begin()->second->SubKeys()) ++depth;
  EXPECT_EQ(depth, kDeep);
  PnDbMemoryFiler writer;
  ASSERT_EQ(DwgOutKeyList(&writer, keys), Plnx::eOk);
  EXPECT_TRUE(writer.bytes() == DeepChain());
  keys.clear();  // a recursive destructor would overflow the stack here

  // Cut short, the outermost key was never complete, so nothing of the chain is added.
  Bytes cut = DeepChain();
  cut.resize(cut.size() - 3);
  keys[L"kept"] = std::make_unique<TKey>();
  PnDbMemoryFiler shortReader = ReaderOf(cut);
  EXPECT_EQ(DwgInKeyList(&shortReader, keys), Plnx::eEndOfFile);
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
