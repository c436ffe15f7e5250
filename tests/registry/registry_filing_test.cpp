// The filed form of keys and values, item for item.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/wide_string.h"
#include "registry/registry_key.h"
#include "tests/registry/registry_test_support.h"
#include "tests/host/allocation_probe.h"
#include "tests/support/golden_rows.h"

using namespace KoVTPrjReg;

namespace {

// Writes nothing once `capacity` bytes are used up, like a full disk.
class BoundedFiler : public PnDbDwgFiler {
 public:
  explicit BoundedFiler(std::size_t capacity) : PnDbDwgFiler(PnDb::kFileFiler, nullptr), m_left(capacity) {}
  std::size_t left() const { return m_left; }

 protected:
  bool put(const void*, std::size_t count) override {
    if (m_left < count) return false;
    m_left -= count;
    return true;
  }
  bool get(void*, std::size_t) override { return false; }
  std::size_t remaining() const override { return 0; }

 private:
  std::size_t m_left;
};

// Each row reads a key record into a key that first read the held one, and
// the key then files as expected: reading never allocates for what a record
// only claims, and a failure sticks to the filer.
TEST(RegistryFiling, RecordsReadAsListedAndFileBackInOrder) {
  const std::map<std::wstring, Plnx::ErrorStatus> statuses = {
      {L"ok", Plnx::eOk}, {L"end-of-file", Plnx::eEndOfFile}, {L"wrong-type", Plnx::eWrongObjectType}};
  for (const GoldenRow& row : ReadGoldenRows("registry/data/key_records.txt", 4)) {
    const std::string where = WideToUtf8(row[1]);
    TKey key;
    PnDbMemoryFiler held = ReaderOf(FilerItems(row[0]));
    if (row[0] != L"-") {
      ASSERT_EQ(key.DwgInFields(&held), Plnx::eOk) << where;
    }
    PnDbMemoryFiler filer = ReaderOf(FilerItems(row[1]));
    AllocationProbe probe;
    EXPECT_EQ(key.DwgInFields(&filer), statuses.at(row[2])) << where;
    EXPECT_LT(probe.Largest(), std::size_t(1) << 16) << where;
    EXPECT_EQ(filer.filerStatus(), statuses.at(row[2])) << where;
    if (row[2] == L"ok") {
      EXPECT_TRUE(filer.atEnd()) << where;
    }
    EXPECT_EQ(RecordOf(key), FilerItems(row[3])) << where;
    // Lookups go through an index of their own, which must agree.
    for (const auto& [name, value] : key.Values()) EXPECT_EQ(key.FindValue(name), value.get()) << where;
  }
}

// The record of a key holding the one value.
Bytes ValueRecord(const KOVTString& name, std::unique_ptr<TValue> value) {
  TKey key;
  key.SetValue(name, std::move(value));
  return RecordOf(key);
}

// Values read from a file belong to their key; one removed from it is the
// caller's and outlives the key.
TEST(RegistryFiling, ReadValuesRemovedKeepKindAndPayload) {
  TKey sample;
  FillSampleTree(sample);
  const Bytes record = RecordOf(sample);
  for (const wchar_t* keyName : {L"Units", L"Options"}) {
    for (const auto& [name, value] : sample.FindSubKey(keyName)->Values()) {
      const Bytes expected = ValueRecord(L"v", value->Clone());
      auto read = std::make_unique<TKey>();
      PnDbMemoryFiler filer = ReaderOf(record);
      ASSERT_EQ(read->DwgInFields(&filer), Plnx::eOk);
      std::unique_ptr<TValue> removed = read->FindSubKey(keyName)->RemoveValue(name);
      read.reset();
      ASSERT_NE(removed, nullptr) << name.str();
      EXPECT_EQ(ValueRecord(L"v", std::move(removed)), expected) << name.str();
    }
  }
}

TEST(RegistryFiling, AFailedFilerIsLeftAloneAndAFullOneFailsWherever) {
  TKey key, target;
  FillSampleTree(key);
  PnDbMemoryFiler writer;
  writer.setFilerStatus(Plnx::eFilerError);
  EXPECT_EQ(key.DwgOutFields(&writer), Plnx::eFilerError);
  EXPECT_TRUE(writer.bytes().empty());
  PnDbMemoryFiler reader = ReaderOf(RecordOf(key));
  reader.setFilerStatus(Plnx::eEndOfFile);
  EXPECT_EQ(target.DwgInFields(&reader), Plnx::eEndOfFile);
  EXPECT_FALSE(target.HasSubKeys());

  const std::size_t full = RecordOf(key).size();
  for (std::size_t capacity = 0; capacity < full; ++capacity) {
    BoundedFiler filer(capacity);
    EXPECT_EQ(key.DwgOutFields(&filer), Plnx::eFilerError) << capacity;
  }
  BoundedFiler roomy(full);
  EXPECT_EQ(key.DwgOutFields(&roomy), Plnx::eOk);
  EXPECT_EQ(roomy.left(), 0u);
}

}  // namespace
