// Hostile drawings: claimed counts the bytes cannot back, nesting deep enough
// to overflow any recursive reader, and damaged records. Reading must fail
// with a status, allocate no more than the bytes can hold and keep what was
// complete. Short hostile records are listed in data/key_records.txt.
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
    const Bytes inner = FilerItems(L"s:n 1 s:level 1 7 1"), last = FilerItems(L"s:n 1 s:level 1 7 0");
    Bytes bytes = FilerItems(L"1");
    bytes.reserve(bytes.size() + inner.size() * kDeep);
    for (std::int32_t i = 1; i < kDeep; ++i) bytes.insert(bytes.end(), inner.begin(), inner.end());
    bytes.insert(bytes.end(), last.begin(), last.end());
    return bytes;
  }();
  return chain;
}

// Room is made for a claimed count, but never for more values than the bytes left could fill.
TEST(RegistryHostile, AClaimedCountReservesNoMoreThanTheBytesLeft) {
  const Bytes record = FilerItems(L"2147483647 s:big 4 200000 x:" + std::wstring(400'000, L'5'));
  TKey key;
  PnDbMemoryFiler filer = ReaderOf(record);
  AllocationProbe probe;
  EXPECT_EQ(key.DwgInFields(&filer), Plnx::eEndOfFile);
  EXPECT_LE(probe.Largest(), record.size());
  ASSERT_NE(key.FindValue(L"big"), nullptr);
  EXPECT_EQ(key.FindValue(L"big")->GetDataSize(), 200'000);
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
  FillSampleTree(sample);
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
