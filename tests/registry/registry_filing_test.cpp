// The filed form of keys and values, item for item.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "registry/key_filing.h"
#include "registry/registry_key.h"
#include "tests/registry/registry_test_support.h"
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

TEST(RegistryFiling, EveryValueKindFilesNameTagAndPayload) {
  const std::uint8_t blob[] = {0xDE, 0xAD};
  TKey key;
  EXPECT_EQ(RecordOf(key), ItemStream().EmptyKey().bytes());
  // Inserted out of order: the file lists names ascending.
  key.SetValue(L"f", std::make_unique<THandleValue>(PnDbHandle(0xABCDEF)));
  key.SetValue(L"e", std::make_unique<TObjIdValue>());
  key.SetValue(L"d", std::make_unique<TBinaryValue>(blob, 2));
  key.SetValue(L"c", std::make_unique<TStringValue>(L"text"));
  key.SetValue(L"b", std::make_unique<TFloatValue>(0.25));
  key.SetValue(L"a", std::make_unique<TIntValue>(-3));
  key.SetValue(L"g", std::make_unique<TBinaryValue>());
  key.CreateSubKey(L"Z")->SetValue(L"v", std::make_unique<TIntValue>(1));
  key.CreateSubKey(L"Y");
  ItemStream expected;
  expected.Int32(7).Name(L"a").Int32(1).Int32(-3).Name(L"b").Int32(2).Double(0.25).Name(L"c").Int32(3).Name(L"text");
  expected.Name(L"d").Int32(4).Int32(2).Raw({0xDE, 0xAD}).Name(L"e").Int32(5).SoftId();
  expected.Name(L"f").Int32(6).Handle(0xABCDEF).Name(L"g").Int32(4).Int32(0).Raw({});
  expected.Int32(2).Name(L"Y").EmptyKey().Name(L"Z").Int32(1).Name(L"v").Int32(1).Int32(1).Int32(0);
  EXPECT_EQ(RecordOf(key), expected.bytes());
}

TEST(RegistryFiling, ATreeReadsBackWithEveryTypeAndPayload) {
  TKey written, read;
  FillSampleTree(written, PnDbObjectId());
  PnDbMemoryFiler filer = ReaderOf(RecordOf(written));
  ASSERT_EQ(read.DwgInFields(&filer), Plnx::eOk);
  EXPECT_TRUE(filer.atEnd());
  EXPECT_EQ(RecordOf(read), RecordOf(written));
  const TValue* empty = read.FindSubKey(L"Options")->FindValue(L"NoBytes");
  ASSERT_EQ(empty->GetDataType(), kBinaryValue);
  EXPECT_EQ(static_cast<const TBinaryValue*>(empty)->GetData(), nullptr);
}

TEST(RegistryFiling, ReadingKeepsEntriesAlreadyPresent) {
  TKey source, target;
  source.SetValue(L"v", std::make_unique<TIntValue>(1));
  source.SetValue(L"w", std::make_unique<TIntValue>(2));
  source.CreateSubKey(L"K")->SetValue(L"from", std::make_unique<TStringValue>(L"file"));
  source.CreateSubKey(L"L");
  target.SetValue(L"v", std::make_unique<TFloatValue>(9.0));
  target.CreateSubKey(L"K")->SetValue(L"from", std::make_unique<TStringValue>(L"memory"));
  PnDbMemoryFiler filer = ReaderOf(RecordOf(source));
  ASSERT_EQ(target.DwgInFields(&filer), Plnx::eOk);
  EXPECT_EQ(target.FindValue(L"v")->GetDataType(), kFloatValue);
  EXPECT_NE(target.FindValue(L"w"), nullptr);
  EXPECT_EQ(static_cast<const TStringValue*>(target.FindSubKey(L"K")->FindValue(L"from"))->GetValue(), L"memory");
  EXPECT_NE(target.FindSubKey(L"L"), nullptr);
}

// Blank-separated name=number pairs; "-" stands for none.
std::vector<std::pair<std::wstring, std::int32_t>> Pairs(const std::wstring& text) {
  std::vector<std::pair<std::wstring, std::int32_t>> pairs;
  std::wistringstream in(text);
  for (std::wstring pair; in >> pair;) {
    const std::size_t equals = pair.find(L'=');
    if (equals != std::wstring::npos) pairs.emplace_back(pair.substr(0, equals), std::stoi(pair.substr(equals + 1)));
  }
  return pairs;
}

// Values take their place by name whatever order a file lists them in, and a
// name keeps the first value it was given, whether held before or read.
TEST(RegistryFiling, ReadValuesTakeTheirPlaceByNameAndANameKeepsItsFirstValue) {
  for (const GoldenRow& row : ReadGoldenRows("registry/data/read_orders.txt", 3)) {
    TKey key;
    for (const auto& [name, number] : Pairs(row[0])) key.SetValue(name.c_str(), std::make_unique<TIntValue>(number));
    const auto filed = Pairs(row[1]);
    ItemStream stream;
    stream.Int32(static_cast<std::int32_t>(filed.size()));
    for (const auto& [name, number] : filed) stream.Name(name).Int32(kIntegerValue).Int32(number);
    PnDbMemoryFiler filer = ReaderOf(stream.Int32(0).bytes());
    ASSERT_EQ(key.DwgInFields(&filer), Plnx::eOk) << row[1];
    std::wstring listed;
    for (const auto& [name, value] : key.Values())
      listed += (listed.empty() ? L"" : L" ") + name.str() + L"=" +
                std::to_wstring(static_cast<const TIntValue&>(*value).GetValue());
    EXPECT_EQ(listed, row[2]) << row[1];
    for (const auto& [name, number] : Pairs(row[2])) {
      const auto* found = dynamic_cast<const TIntValue*>(key.FindValue(name.c_str()));
      ASSERT_NE(found, nullptr) << name;
      EXPECT_EQ(found->GetValue(), number) << name;
    }
  }
}

// The record of a key holding the one value.
Bytes ValueRecord(const KOVTString& name, std::unique_ptr<TValue> value) {
  TKey key;
  key.SetValue(name, std::move(value));
  return RecordOf(key);
}

// Values read from a file belong to their key; one removed from it is the
// caller's and outlives the key, one renamed stays whole.
TEST(RegistryFiling, ReadValuesRemovedOrRenamedKeepKindAndPayload) {
  TKey sample;
  FillSampleTree(sample, PnDbObjectId());
  const Bytes record = RecordOf(sample);
  for (const wchar_t* keyName : {L"Units", L"Options"}) {
    for (const auto& [name, value] : sample.FindSubKey(keyName)->Values()) {
      const Bytes expected = ValueRecord(L"v", value->Clone());
      auto read = std::make_unique<TKey>();
      PnDbMemoryFiler filer = ReaderOf(record);
      ASSERT_EQ(read->DwgInFields(&filer), Plnx::eOk);
      TKey* key = read->FindSubKey(keyName);
      key->RenameValue(name, L"v");
      EXPECT_EQ(ValueRecord(L"v", key->FindValue(L"v")->Clone()), expected) << name.str();
      std::unique_ptr<TValue> removed = key->RemoveValue(L"v");
      read.reset();
      ASSERT_NE(removed, nullptr) << name.str();
      EXPECT_EQ(ValueRecord(L"v", std::move(removed)), expected) << name.str();
    }
  }
}

// An unknown tag stops the read with status 34; what was complete before it stays, unfinished keys go.
TEST(RegistryFiling, AnUnknownTagStopsTheReadAndKeepsWhatCameBefore) {
  for (std::int32_t tag : {7, 0, -1}) {
    ItemStream stream;
    stream.Int32(3).Name(L"a").Int32(1).Int32(10).Name(L"b").Int32(tag).Int32(0).Name(L"c").Int32(1).Int32(30);
    stream.Int32(1).Name(L"Sub").EmptyKey();
    TKey key;
    PnDbMemoryFiler filer = ReaderOf(stream.bytes());
    EXPECT_EQ(key.DwgInFields(&filer), Plnx::eWrongObjectType) << tag;
    EXPECT_EQ(filer.filerStatus(), Plnx::eWrongObjectType);
    EXPECT_TRUE(key.ValueExists(L"a"));
    EXPECT_FALSE(key.ValueExists(L"b") || key.ValueExists(L"c") || key.HasSubKeys());
  }
  ItemStream stream;
  stream.Int32(1).Name(L"top").Int32(1).Int32(5).Int32(2).Name(L"Done").Int32(0).Int32(1).Name(L"Leaf").EmptyKey();
  stream.Name(L"Broken").Int32(0).Int32(1).Name(L"Deeper").Int32(1).Name(L"x").Int32(7).Int32(0);
  TKey key;
  PnDbMemoryFiler filer = ReaderOf(stream.bytes());
  EXPECT_EQ(key.DwgInFields(&filer), Plnx::eWrongObjectType);
  EXPECT_TRUE(key.ValueExists(L"top"));
  ASSERT_NE(key.FindSubKey(L"Done"), nullptr);
  EXPECT_NE(key.FindSubKey(L"Done")->FindSubKey(L"Leaf"), nullptr);
  EXPECT_EQ(key.FindSubKey(L"Broken"), nullptr);
}

TEST(RegistryFiling, AFailedFilerIsLeftAloneAndAFullOneFailsWherever) {
  TKey key, target;
  FillSampleTree(key, PnDbObjectId());
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
