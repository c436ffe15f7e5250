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

TEST(Filer, EveryItemKindRoundTrips) {
  PnDbDatabase db;
  registerTestThing();
  PnDbObjectId a = addThing(db, L"A", L"", 0, 0), b = addThing(db, L"B", L"", 0, 0);
  const std::uint8_t blob[] = {0, 1, 2, 0xFE, 0xFF};
  const std::u16string text = u"K\u00f6VT \U0001F600";

  PnDbMemoryFiler out(PnDb::kFileFiler, &db);
  out.writeBool(true);
  out.writeBool(false);
  out.writeInt8(-128);
  out.writeInt16(-32768);
  out.writeInt32(std::numeric_limits<std::int32_t>::min());
  out.writeInt64(std::numeric_limits<std::int64_t>::min());
  out.writeUInt8(255);
  out.writeUInt16(65535);
  out.writeUInt32(0xDEADBEEF);
  out.writeUInt64(0xFEDCBA9876543210ull);
  out.writeDouble(-0.1);
  out.writeDouble(std::numeric_limits<double>::infinity());
  out.writeBytes(blob, sizeof blob);
  out.writeBytes(nullptr, 0);
  out.writeString(text);
  out.writeString(u"");
  out.writePnDbHandle(PnDbHandle(0x1234567890ull));
  out.writeSoftPointerId(a);
  out.writeHardPointerId(b);
  out.writeSoftOwnershipId(PnDbObjectId());
  out.writeHardOwnershipId(a);
  ASSERT_EQ(out.filerStatus(), Plnx::eOk);

  PnDbMemoryFiler in(out.bytes(), PnDb::kFileFiler, &db);
  bool no = true;
  std::uint8_t readBlob[sizeof blob] = {};
  std::u16string empty = u"x";
  EXPECT_TRUE(next(in, &PnDbDwgFiler::readBool));
  in.readBool(&no);
  EXPECT_FALSE(no);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readInt8), -128);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readInt16), -32768);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readInt32), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(next(in, &PnDbDwgFiler::readInt64), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(next(in, &PnDbDwgFiler::readUInt8), 255);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readUInt16), 65535);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readUInt32), 0xDEADBEEFu);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readUInt64), 0xFEDCBA9876543210ull);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readDouble), -0.1);
  EXPECT_TRUE(std::isinf(next(in, &PnDbDwgFiler::readDouble)));
  in.readBytes(readBlob, sizeof readBlob);
  EXPECT_EQ(Bytes(readBlob, readBlob + sizeof readBlob), Bytes(blob, blob + sizeof blob));
  in.readBytes(nullptr, 0);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readString), text);
  in.readString(&empty);
  EXPECT_EQ(empty, u"");
  EXPECT_EQ(next(in, &PnDbDwgFiler::readPnDbHandle), PnDbHandle(0x1234567890ull));
  EXPECT_EQ(next(in, &PnDbDwgFiler::readSoftPointerId), a);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readHardPointerId), b);
  EXPECT_TRUE(next(in, &PnDbDwgFiler::readSoftOwnershipId).isNull());
  EXPECT_EQ(next(in, &PnDbDwgFiler::readHardOwnershipId), a);
  EXPECT_EQ(in.filerStatus(), Plnx::eOk);
  EXPECT_TRUE(in.atEnd());
}

TEST(Filer, ItemsAreLittleEndianAndTagged) {
  PnDbMemoryFiler out;
  out.writeUInt32(0x01020304);
  EXPECT_EQ(out.bytes(), (Bytes{static_cast<std::uint8_t>(PnDbDwgFiler::Item::kUInt32), 4, 3, 2, 1}));
}

TEST(Filer, AMismatchSticksAndLaterReadsGiveZero) {
  PnDbMemoryFiler out;
  out.writeInt32(7);
  out.writeDouble(2.5);
  PnDbMemoryFiler in(out.bytes(), PnDb::kFileFiler, nullptr);
  std::int16_t wrongKind = 99;
  EXPECT_EQ(in.readInt16(&wrongKind), Plnx::eDwgObjectImproperlyRead);
  EXPECT_EQ(wrongKind, 0);
  double value = 1.0;
  EXPECT_EQ(in.readDouble(&value), Plnx::eDwgObjectImproperlyRead) << "the status sticks";
  EXPECT_EQ(value, 0.0);
  std::u16string text = u"old";
  EXPECT_EQ(in.readString(&text), Plnx::eDwgObjectImproperlyRead);
  EXPECT_EQ(text, u"");
  EXPECT_EQ(in.filerStatus(), Plnx::eDwgObjectImproperlyRead);
  in.resetFilerStatus();
  EXPECT_EQ(in.filerStatus(), Plnx::eOk);
}

TEST(Filer, ShortOrMisreadItemsFailAndReadAsZero) {
  Bytes cut = Items().int32(7).bytes();
  cut.pop_back();
  PnDbMemoryFiler in(cut, PnDb::kFileFiler, nullptr);
  std::int32_t value = 5;
  EXPECT_EQ(in.readInt32(&value), Plnx::eEndOfFile);
  EXPECT_EQ(value, 0);
  PnDbMemoryFiler nothing;
  bool flag = true;
  EXPECT_EQ(nothing.readBool(&flag), Plnx::eEndOfFile);
  EXPECT_FALSE(flag);

  // Booleans other than zero or one are damage.
  PnDbMemoryFiler two(Items().boolean(2).bytes(), PnDb::kFileFiler, nullptr);
  flag = true;
  EXPECT_EQ(two.readBool(&flag), Plnx::eDwgObjectImproperlyRead);
  EXPECT_FALSE(flag);

  // Byte blocks must be read with their own length.
  PnDbMemoryFiler out;
  const std::uint8_t blob[4] = {1, 2, 3, 4};
  out.writeBytes(blob, 4);
  PnDbMemoryFiler blocks(out.bytes(), PnDb::kFileFiler, nullptr);
  std::uint8_t buffer[3] = {9, 9, 9};
  EXPECT_EQ(blocks.readBytes(buffer, 3), Plnx::eDwgObjectImproperlyRead);
  EXPECT_EQ(Bytes(buffer, buffer + 3), Bytes(3, 0));
}

TEST(Filer, HostileLengthsFailBeforeAnythingIsAllocated) {
  // A string and a byte block claiming four giga-units, with nothing behind them.
  PnDbMemoryFiler strings(Items().stringClaiming(0xFFFFFFFF).bytes(), PnDb::kFileFiler, nullptr);
  std::u16string text;
  EXPECT_EQ(strings.readString(&text), Plnx::eEndOfFile);
  EXPECT_TRUE(text.empty());

  Bytes block = {static_cast<std::uint8_t>(PnDbDwgFiler::Item::kBytes), 0xFF, 0xFF, 0xFF, 0xFF};
  PnDbMemoryFiler blocks(block, PnDb::kFileFiler, nullptr);
  std::uint8_t small[1];
  EXPECT_NE(blocks.readBytes(small, 1), Plnx::eOk);
}

TEST(Filer, WritingStopsOnceTheStatusIsSet) {
  PnDbMemoryFiler out;
  out.setFilerStatus(Plnx::eFilerError);
  EXPECT_EQ(out.writeInt32(1), Plnx::eFilerError);
  EXPECT_EQ(out.writeString(u"text"), Plnx::eFilerError);
  EXPECT_EQ(out.writeBytes("ab", 2), Plnx::eFilerError);
  EXPECT_TRUE(out.bytes().empty());
}

TEST(Filer, PersistentFilersKeepOnlyReferencesIntoTheirOwnDatabase) {
  PnDbDatabase db, other;
  registerTestThing();
  PnDbObjectId mine = addThing(db, L"Mine", L"", 0, 0), foreign = addThing(other, L"Foreign", L"", 0, 0);
  PnDbMemoryFiler out(PnDb::kFileFiler, &db);
  out.writeHardPointerId(mine);
  out.writeHardPointerId(foreign);
  PnDbMemoryFiler in(out.bytes(), PnDb::kFileFiler, &db);
  PnDbObjectId first, second = mine;
  in.readHardPointerId(&first);
  in.readHardPointerId(&second);
  EXPECT_EQ(first, mine);
  EXPECT_TRUE(second.isNull());

  // In-process copies carry any id as it is.
  PnDbMemoryFiler copy(PnDb::kCopyFiler, &db);
  copy.writeHardPointerId(foreign);
  copy.rewind();
  PnDbObjectId carried;
  copy.readHardPointerId(&carried);
  EXPECT_EQ(carried, foreign);
}

TEST(Filer, TheIdCollectorSeesEveryReferenceWithItsKind) {
  PnDbDatabase db;
  PnDbDimStyleTableRecord* dim = nullptr;
  ASSERT_EQ(pndbOpenObject(dim, db.dimstyle(), PnDb::kForWrite), Plnx::eOk);
  dim->setDimtxsty(db.textstyle());
  PnDbIdCollectingFiler collector(&db);
  dim->dwgOutFields(&collector);
  dim->close();
  ASSERT_EQ(collector.references().size(), 2u);
  EXPECT_EQ(collector.references()[0].id, db.dimStyleTableId());
  EXPECT_EQ(collector.references()[0].kind, PnDbDwgFiler::Item::kSoftPointer);
  EXPECT_EQ(collector.references()[1].id, db.textstyle());
  EXPECT_EQ(collector.references()[1].kind, PnDbDwgFiler::Item::kHardPointer);
}

TEST(Utf16, ConvertsSupplementaryCharactersAndRepairsBrokenPairs) {
  EXPECT_EQ(pndbToUtf16(L"a\U0001F600"), u"a\U0001F600");
  EXPECT_EQ(pndbFromUtf16(u"a\U0001F600"), L"a\U0001F600");
  EXPECT_EQ(pndbFromUtf16(std::u16string{u'x', char16_t(0xD800), u'y'}), L"x\uFFFDy");
  EXPECT_EQ(pndbFromUtf16(std::u16string{char16_t(0xDC00)}), L"\uFFFD");
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
  PnDbMemoryFiler broken;
  broken.writeString(std::u16string{u'x', char16_t(0xD800), u'y'});
  PnDbMemoryFiler in(broken.bytes(), PnDb::kFileFiler, nullptr);
  EXPECT_EQ(next(in, &PnDbDwgFiler::readWideString), L"x\uFFFDy");
}

}  // namespace
