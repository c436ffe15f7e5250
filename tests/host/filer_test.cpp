// The binary filer: tagged items, sticky failures and how ids are filed.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/host/host_test_support.h"

namespace {

// The next item of `in`, as `read` takes it.
template <class T>
T next(PnDbDwgFiler& in, Plnx::ErrorStatus (PnDbDwgFiler::*read)(T*)) {
  T value{};
  (in.*read)(&value);
  return value;
}

TEST(Filer, EveryItemKindRoundTripsTaggedAndLittleEndian) {
  PnDbDatabase db;
  registerTestThing();
  PnDbObjectId a = addThing(db, L"A", L"", 0, 0), b = addThing(db, L"B", L"", 0, 0);
  const Bytes blob = {0, 1, 2, 0xFE, 0xFF};
  const std::u16string text = u"K\u00f6VT \U0001F600";
  PnDbMemoryFiler out(PnDb::kFileFiler, &db);
  out.writeUInt32(0x01020304);
  EXPECT_EQ(out.bytes(), (Bytes{static_cast<std::uint8_t>(PnDbDwgFiler::Item::kUInt32), 4, 3, 2, 1}));
  out.writeBool(true);
  out.writeBool(false);
  out.writeInt16(-32768);
  out.writeInt32(std::numeric_limits<std::int32_t>::min());
  out.writeUInt16(65535);
  out.writeUInt64(0xFEDCBA9876543210ull);
  out.writeDouble(-0.1);
  out.writeDouble(std::numeric_limits<double>::infinity());
  out.writeBytes(blob.data(), 5);
  out.writeBytes(nullptr, 0);
  out.writeString(text);
  out.writeString(u"");
  out.writePnDbHandle(PnDbHandle(0x1234567890ull));
  out.writeSoftPointerId(a);
  out.writeHardPointerId(b);
  out.writeHardOwnershipId(a);
  ASSERT_EQ(out.filerStatus(), Plnx::eOk);

  PnDbMemoryFiler in(out.bytes(), PnDb::kFileFiler, &db);
  Bytes readBlob(5);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readUInt32), 0x01020304u);
  EXPECT_TRUE(next(in, &PnDbDwgFiler::readBool));
  EXPECT_FALSE(next(in, &PnDbDwgFiler::readBool));
  EXPECT_EQ(next(in, &PnDbDwgFiler::readInt16), -32768);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readInt32), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(next(in, &PnDbDwgFiler::readUInt16), 65535);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readUInt64), 0xFEDCBA9876543210ull);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readDouble), -0.1);
  EXPECT_TRUE(std::isinf(next(in, &PnDbDwgFiler::readDouble)));
  in.readBytes(readBlob.data(), 5);
  EXPECT_EQ(readBlob, blob);
  in.readBytes(nullptr, 0);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readString), text);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readString), u"");
  EXPECT_EQ(next(in, &PnDbDwgFiler::readPnDbHandle), PnDbHandle(0x1234567890ull));
  EXPECT_EQ(next(in, &PnDbDwgFiler::readSoftPointerId), a);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readHardPointerId), b);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readHardOwnershipId), a);
  EXPECT_EQ(in.filerStatus(), Plnx::eOk);
  EXPECT_TRUE(in.atEnd());
}

TEST(Filer, AMismatchSticksAndLaterReadsGiveZero) {
  PnDbMemoryFiler out;
  out.writeInt32(7);
  out.writeDouble(2.5);
  PnDbMemoryFiler in(out.bytes(), PnDb::kFileFiler, nullptr);
  std::int16_t wrongKind = 99;
  double value = 1.0;
  std::u16string text = u"old";
  EXPECT_EQ(in.readInt16(&wrongKind), Plnx::eDwgObjectImproperlyRead);
  EXPECT_EQ(in.readDouble(&value), Plnx::eDwgObjectImproperlyRead) << "the status sticks";
  EXPECT_EQ(in.readString(&text), Plnx::eDwgObjectImproperlyRead);
  EXPECT_EQ(wrongKind, 0);
  EXPECT_EQ(value, 0.0);
  EXPECT_EQ(text, u"");
  in.resetFilerStatus();
  EXPECT_EQ(in.filerStatus(), Plnx::eOk);

  out.setFilerStatus(Plnx::eFilerError);
  const std::size_t written = out.bytes().size();
  EXPECT_EQ(out.writeInt32(1), Plnx::eFilerError);
  EXPECT_EQ(out.writeString(u"text"), Plnx::eFilerError);
  EXPECT_EQ(out.writeBytes("ab", 2), Plnx::eFilerError);
  EXPECT_EQ(out.bytes().size(), written) << "writing stops once the status is set";
}

enum class Read { kInt32, kBool, kThreeBytes, kFourBytes, kString };

// Reads one item; its status when the output came back zeroed, else eOk.
Plnx::ErrorStatus readZeroed(PnDbDwgFiler& in, Read kind) {
  std::int32_t number = 5;
  bool flag = true;
  std::uint8_t block[4] = {9, 9, 9, 9};
  std::u16string text = u"x";
  bool zeroed = false;
  switch (kind) {
    case Read::kInt32:
      in.readInt32(&number);
      zeroed = number == 0;
      break;
    case Read::kBool:
      in.readBool(&flag);
      zeroed = !flag;
      break;
    case Read::kString:
      in.readString(&text);
      zeroed = text.empty();
      break;
    default:
      in.readBytes(block, kind == Read::kFourBytes ? 4 : 3);
      zeroed = block[0] == 0 && block[2] == 0 && (kind == Read::kThreeBytes || block[3] == 0);
  }
  return zeroed ? in.filerStatus() : Plnx::eOk;
}

// Items that end early, carry a bad value, or claim more than is there: a status and zeros.
TEST(Filer, ShortDamagedOrHostileItemsFailAndReadAsZero) {
  Bytes cut = Items().int32(7).bytes();
  cut.pop_back();
  const Bytes four = {static_cast<std::uint8_t>(PnDbDwgFiler::Item::kBytes), 4, 0, 0, 0, 1, 2, 3, 4};
  const struct Case {
    const char* what;
    Bytes bytes;
    Read read;
    Plnx::ErrorStatus expected;
  } cases[] = {
      {"a cut integer", cut, Read::kInt32, Plnx::eEndOfFile},
      {"nothing", {}, Read::kBool, Plnx::eEndOfFile},
      {"a boolean of 2", Items().boolean(2).bytes(), Read::kBool, Plnx::eDwgObjectImproperlyRead},
      {"a block read with another length", four, Read::kThreeBytes, Plnx::eDwgObjectImproperlyRead},
      {"a block cut short", Bytes(four.begin(), four.end() - 1), Read::kFourBytes, Plnx::eEndOfFile},
      {"a string claiming four giga-units", Items().stringClaiming(0xFFFFFFFF).bytes(), Read::kString, Plnx::eEndOfFile},
      {"a string one unit short", Items().stringClaiming(1).bytes(), Read::kString, Plnx::eEndOfFile},
  };
  for (const Case& c : cases) {
    PnDbMemoryFiler in(c.bytes, PnDb::kFileFiler, nullptr);
    EXPECT_EQ(readZeroed(in, c.read), c.expected) << c.what;
  }
}

TEST(Filer, PersistentFilersKeepOnlyReferencesIntoTheirOwnDatabase) {
  PnDbDatabase db, other;
  registerTestThing();
  PnDbObjectId mine = addThing(db, L"Mine", L"", 0, 0), foreign = addThing(other, L"Foreign", L"", 0, 0);
  PnDbMemoryFiler out(PnDb::kFileFiler, &db);
  out.writeHardPointerId(mine);
  out.writeHardPointerId(foreign);
  PnDbMemoryFiler in(out.bytes(), PnDb::kFileFiler, &db);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readHardPointerId), mine);
  EXPECT_TRUE(next(in, &PnDbDwgFiler::readHardPointerId).isNull());
  // In-process copies carry any id as it is.
  PnDbMemoryFiler copy(PnDb::kCopyFiler, &db);
  copy.writeHardPointerId(foreign);
  copy.rewind();
  EXPECT_EQ(next(copy, &PnDbDwgFiler::readHardPointerId), foreign);
}

TEST(Utf16, ConvertsSupplementaryCharactersAndRepairsBrokenPairs) {
  EXPECT_EQ(pndbToUtf16(L"a\U0001F600\U0010FFFF\U00010000"), u"a\U0001F600\U0010FFFF\U00010000");
  EXPECT_EQ(pndbFromUtf16(u"\uE000\U0001F600\U0010FFFF\U00010000\uFFFF"), L"\uE000\U0001F600\U0010FFFF\U00010000\uFFFF");
  EXPECT_EQ(pndbFromUtf16(std::u16string{u'x', char16_t(0xD800), u'y', char16_t(0xDBFF)}), L"x\uFFFDy\uFFFD");
  EXPECT_EQ(pndbFromUtf16(std::u16string{char16_t(0xDC00), char16_t(0xDFFF)}), L"\uFFFD\uFFFD");
  EXPECT_EQ(pndbToUtf16(std::wstring{static_cast<wchar_t>(0x110000)}), u"\uFFFD");

  // Wide strings file as the same item, in one slice or several, and read back converted.
  std::wstring pairs;
  for (int i = 0; i < 100; ++i) pairs += L"a\U0001F600";
  for (const std::wstring& text : {std::wstring(L"Standard"), std::wstring(300, L'\u00e9'), pairs}) {
    PnDbMemoryFiler out;
    out.writeWideString(text);
    PnDbMemoryFiler units(out.bytes(), PnDb::kFileFiler, nullptr), wide(out.bytes(), PnDb::kFileFiler, nullptr);
    EXPECT_EQ(next(units, &PnDbDwgFiler::readString), pndbToUtf16(text));
    EXPECT_EQ(next(wide, &PnDbDwgFiler::readWideString), text);
  }
  // One character of each range at every place of a text longer than the blocks converted at once.
  for (const wchar_t special : {0x7F, 0x7FFF, 0x8000, 0xD7FF, 0xE000, 0xFFFF, 0x10000, 0x1F600, 0x10FFFF}) {
    for (std::size_t at = 0; at < 20; ++at) {
      std::wstring text(20, L'a');
      text[at] = special;
      PnDbMemoryFiler out;
      out.writeWideString(text);
      PnDbMemoryFiler units(out.bytes(), PnDb::kFileFiler, nullptr), wide(out.bytes(), PnDb::kFileFiler, nullptr);
      EXPECT_EQ(next(units, &PnDbDwgFiler::readString), pndbToUtf16(text)) << int(special) << " at " << at;
      EXPECT_EQ(next(wide, &PnDbDwgFiler::readWideString), text) << int(special) << " at " << at;
      std::u16string lone(20, u'b');
      lone[at] = char16_t(special == 0x10000 ? 0xD800 : 0xDFFF);
      PnDbMemoryFiler filed;
      filed.writeString(lone);
      PnDbMemoryFiler back(filed.bytes(), PnDb::kFileFiler, nullptr);
      EXPECT_EQ(next(back, &PnDbDwgFiler::readWideString), pndbFromUtf16(lone)) << "lone surrogate at " << at;
    }
  }
  PnDbMemoryFiler broken;
  broken.writeString(std::u16string{u'x', char16_t(0xD800), u'y'});
  PnDbMemoryFiler in(broken.bytes(), PnDb::kFileFiler, nullptr);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readWideString), L"x\uFFFDy");
}

}  // namespace
