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
