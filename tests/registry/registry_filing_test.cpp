// The filed form of keys and values, item for item.
#include <gtest/gtest.h>

#include "registry/key_filing.h"
#include "registry/registry_key.h"
#include "tests/registry/registry_test_support.h"

using namespace KoVTPrjReg;

namespace {

// Writes nothing once `capacity` bytes are used up, like a full disk.
class BoundedFiler : public PnDbDwgFiler {
 public:
  explicit BoundedFiler(std::size_t capacity) : PnDbDwgFiler(PnDb::kFileFiler, nullptr), m_capacity(capacity) {}
  std::size_t used() const { return m_used; }

 protected:
  bool put(const void*, std::size_t count) override {
    if (m_capacity - m_used < count) return false;
    m_used += count;
    return true;
  }
  bool get(void*, std::size_t) override { return false; }
  std::size_t remaining() const override { return 0; }

 private:
  std::size_t m_capacity;
  std::size_t m_used = 0;
};

TEST(RegistryFiling, EveryValueKindFilesNameTagAndPayload) {
  const std::uint8_t blob[] = {0xDE, 0xAD};
  TKey key;
  EXPECT_EQ(RecordOf(key), ItemStream().Int32(0).Int32(0).bytes());
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
  expected.Int32(7);
  expected.Name(L"a").Int32(1).Int32(-3);
  expected.Name(L"b").Int32(2).Double(0.25);
  expected.Name(L"c").Int32(3).Name(L"text");
  expected.Name(L"d").Int32(4).Int32(2).Raw({0xDE, 0xAD});
  expected.Name(L"e").Int32(5).SoftId();
  expected.Name(L"f").Int32(6).Handle(0xABCDEF);
  expected.Name(L"g").Int32(4).Int32(0).Raw({});
  expected.Int32(2);
  expected.Name(L"Y").EmptyKey();
  expected.Name(L"Z").Int32(1).Name(L"v").Int32(1).Int32(1).Int32(0);
  EXPECT_EQ(RecordOf(key), expected.bytes());
}

TEST(RegistryFiling, NamesComeOutInAscendingOrder) {
  TKey key;
  const wchar_t* inserted[] = {L"zeta", L"Alpha", L"beta", L"\u00DFharp", L"", L"Beta", L"alpha"};
  for (const wchar_t* name : inserted) {
    key.CreateSubKey(name);
    key.SetValue(name, std::make_unique<TIntValue>(0));
  }
  // Walk the record item by item and collect the names in file order.
  PnDbMemoryFiler filer = ReaderOf(RecordOf(key));
  auto readNames = [&filer](bool values) {
    std::vector<std::wstring> names;
    std::int32_t count = 0, number = 0;
    filer.readInt32(&count);
    for (std::int32_t i = 0; i < count; ++i) {
      KOVTString name;
      name.dwgInFields(&filer);
      names.push_back(name.str());
      filer.readInt32(&number);  // values: the tag; sub-keys: their value count (0)
      filer.readInt32(&number);  // values: the payload; sub-keys: their sub-key count (0)
    }
    EXPECT_EQ(filer.filerStatus(), Plnx::eOk) << (values ? "values" : "sub-keys");
    return names;
  };
  const std::vector<std::wstring> ascending = {L"", L"Alpha", L"Beta", L"alpha", L"beta", L"zeta", L"\u00DFharp"};
  EXPECT_EQ(readNames(true), ascending);
  EXPECT_EQ(readNames(false), ascending);
  EXPECT_TRUE(filer.atEnd());
}

TEST(RegistryFiling, TreeReadsBackWithEveryTypeAndPayload) {
  TKey written;
  FillSampleTree(written, PnDbObjectId());
  TKey read;
  PnDbMemoryFiler filer = ReaderOf(RecordOf(written));
  ASSERT_EQ(read.DwgInFields(&filer), Plnx::eOk);
  EXPECT_TRUE(filer.atEnd());
  EXPECT_EQ(TreeDifference(written, read), L"");

  const auto* handle = dynamic_cast<const THandleValue*>(read.FindSubKey(L"Options")->FindValue(L"Anchor"));
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(handle->GetValue(), PnDbHandle(0x1234ABCDull));
  const auto* empty = dynamic_cast<const TBinaryValue*>(read.FindSubKey(L"Options")->FindValue(L"NoBytes"));
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->GetDataSize(), 0);
  EXPECT_EQ(empty->GetData(), nullptr);
}

TEST(RegistryFiling, ReadingKeepsEntriesAlreadyPresent) {
  TKey source;
  source.SetValue(L"v", std::make_unique<TIntValue>(1));
  source.SetValue(L"w", std::make_unique<TIntValue>(2));
  source.CreateSubKey(L"K")->SetValue(L"from", std::make_unique<TStringValue>(L"file"));
  source.CreateSubKey(L"L");

  TKey target;
  target.SetValue(L"v", std::make_unique<TFloatValue>(9.0));
  target.CreateSubKey(L"K")->SetValue(L"from", std::make_unique<TStringValue>(L"memory"));
  PnDbMemoryFiler filer = ReaderOf(RecordOf(source));
  ASSERT_EQ(target.DwgInFields(&filer), Plnx::eOk);
  EXPECT_EQ(target.FindValue(L"v")->GetDataType(), kFloatValue);
  EXPECT_NE(target.FindValue(L"w"), nullptr);
  EXPECT_EQ(static_cast<const TStringValue*>(target.FindSubKey(L"K")->FindValue(L"from"))->GetValue(), L"memory");
  EXPECT_NE(target.FindSubKey(L"L"), nullptr);
}

TEST(RegistryFiling, UnknownTagStopsWithStatus34AndKeepsWhatCameBefore) {
  for (std::int32_t tag : {7, 0, -1}) {
    ItemStream stream;
    stream.Int32(3);
    stream.Name(L"a").Int32(1).Int32(10);
    stream.Name(L"b").Int32(tag).Int32(0);
    stream.Name(L"c").Int32(1).Int32(30);
    stream.Int32(1).Name(L"Sub").EmptyKey();
    TKey key;
    PnDbMemoryFiler filer = ReaderOf(stream.bytes());
    EXPECT_EQ(key.DwgInFields(&filer), Plnx::eWrongObjectType) << tag;
    EXPECT_TRUE(key.ValueExists(L"a"));
    EXPECT_FALSE(key.ValueExists(L"b"));
    EXPECT_FALSE(key.ValueExists(L"c"));
    EXPECT_FALSE(key.HasSubKeys());
  }
}

TEST(RegistryFiling, FailureInsideASubKeyTravelsUpAndDropsOnlyTheUnfinishedKeys) {
  ItemStream stream;
  stream.Int32(1).Name(L"top").Int32(1).Int32(5);
  stream.Int32(2);
  stream.Name(L"Done").Int32(0).Int32(1).Name(L"Leaf").EmptyKey();
  stream.Name(L"Broken").Int32(0).Int32(1).Name(L"Deeper").Int32(1).Name(L"x").Int32(7).Int32(0);
  TKey key;
  PnDbMemoryFiler filer = ReaderOf(stream.bytes());
  EXPECT_EQ(key.DwgInFields(&filer), Plnx::eWrongObjectType);
  EXPECT_TRUE(key.ValueExists(L"top"));
  ASSERT_NE(key.FindSubKey(L"Done"), nullptr);
  EXPECT_NE(key.FindSubKey(L"Done")->FindSubKey(L"Leaf"), nullptr);
  EXPECT_EQ(key.FindSubKey(L"Broken"), nullptr);
}

TEST(RegistryFiling, AFailedFilerIsLeftAlone) {
  TKey key;
  FillSampleTree(key, PnDbObjectId());
  PnDbMemoryFiler writer;
  writer.setFilerStatus(Plnx::eFilerError);
  EXPECT_EQ(key.DwgOutFields(&writer), Plnx::eFilerError);
  EXPECT_TRUE(writer.bytes().empty());
  PnDbMemoryFiler reader = ReaderOf(RecordOf(key));
  reader.setFilerStatus(Plnx::eEndOfFile);
  TKey target;
  EXPECT_EQ(target.DwgInFields(&reader), Plnx::eEndOfFile);
  EXPECT_FALSE(target.HasSubKeys());
}

TEST(RegistryFiling, AWriteThatRunsOutOfRoomFailsWherever) {
  TKey key;
  FillSampleTree(key, PnDbObjectId());
  const std::size_t full = RecordOf(key).size();
  for (std::size_t capacity = 0; capacity < full; ++capacity) {
    BoundedFiler filer(capacity);
    EXPECT_EQ(key.DwgOutFields(&filer), Plnx::eFilerError) << capacity;
  }
  BoundedFiler roomy(full);
  EXPECT_EQ(key.DwgOutFields(&roomy), Plnx::eOk);
  EXPECT_EQ(roomy.used(), full);
}

}  // namespace
