// UTF-16 conversions, wide strings through the filer, and room made in a
// memory filer for what a counting filer counted.
#include <gtest/gtest.h>

#include "tests/host/host_test_support.h"

namespace {

// `text` filed as a wide string, read back as UTF-16 units and as a wide string.
std::pair<std::u16string, std::wstring> filedAndRead(const std::wstring& text) {
  PnDbMemoryFiler out;
  out.writeWideString(text);
  PnDbMemoryFiler units(out.bytes(), PnDb::kFileFiler, nullptr), wide(out.bytes(), PnDb::kFileFiler, nullptr);
  std::pair<std::u16string, std::wstring> read;
  units.readString(&read.first);
  wide.readWideString(&read.second);
  return read;
}

TEST(Utf16, ConvertsSupplementaryCharactersAndRepairsBrokenPairs) {
  // Past the last character there is none to file.
  EXPECT_EQ(pndbToUtf16(std::wstring{static_cast<wchar_t>(0x110000)}), u"\uFFFD");

  // Wide strings file as the same item, in one slice or several, and read back converted.
  std::wstring pairs;
  for (int i = 0; i < 100; ++i) pairs += L"a\U0001F600";
  for (const std::wstring& text : {std::wstring(L"Standard"), std::wstring(300, L'\u00e9'), pairs})
    EXPECT_EQ(filedAndRead(text), std::pair(pndbToUtf16(text), text));
  // One character of each range at every place of a text longer than the blocks converted at once.
  for (const wchar_t special : {0x7F, 0x7FFF, 0x8000, 0xD7FF, 0xE000, 0xFFFF, 0x10000, 0x1F600, 0x10FFFF}) {
    for (std::size_t at = 0; at < 20; ++at) {
      std::wstring text(20, L'a');
      text[at] = special;
      EXPECT_EQ(filedAndRead(text), std::pair(pndbToUtf16(text), text)) << int(special) << " at " << at;
      std::u16string lone(20, u'b');
      lone[at] = char16_t(special == 0x10000 ? 0xD800 : 0xDFFF);
      PnDbMemoryFiler filed;
      filed.writeString(lone);
      PnDbMemoryFiler back(filed.bytes(), PnDb::kFileFiler, nullptr);
      std::wstring read;
      back.readWideString(&read);
      EXPECT_EQ(read, pndbFromUtf16(lone)) << "lone surrogate at " << at;
    }
  }
}

TEST(MemoryFiler, FillsRoomMadeForWhatWasCountedAndReadsOnWhereItWas) {
  const auto file = [](PnDbDwgFiler& filer) {
    filer.writeInt32(7);
    filer.writeDouble(0.5);
    filer.writeBytes("abc", 3);
    filer.writeString(u"units");
    filer.writeWideString(L"plain");
    filer.writeWideString(std::wstring(200, L'\U0001F600'));
    filer.writeSoftPointerId(PnDbObjectId());
  };
  PnDbCountingFiler counter;
  file(counter);
  PnDbMemoryFiler filed;
  file(filed);
  // Wide strings count two units a character: five more for "plain".
  EXPECT_EQ(counter.count(), filed.bytes().size() + 5 * 2);

  PnDbMemoryFiler filer(filed.bytes(), PnDb::kFileFiler, nullptr);
  std::int32_t first = 0;
  filer.readInt32(&first);
  filer.reserve(filer.bytes().size() + counter.count());
  double second = 0;
  filer.readDouble(&second);
  file(filer);
  EXPECT_EQ(first, 7);
  EXPECT_EQ(second, 0.5);
  std::vector<std::uint8_t> twice = filed.bytes();
  twice.insert(twice.end(), filed.bytes().begin(), filed.bytes().end());
  EXPECT_EQ(filer.bytes(), twice);
}

}  // namespace
