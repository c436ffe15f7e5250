#include "tests/registry/registry_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tests/support/golden_rows.h"

using namespace KoVTPrjReg;

Bytes FilerItems(const std::wstring& tokens) {
  PnDbMemoryFiler filer;
  std::wistringstream in(tokens == L"-" ? L"" : tokens);
  for (std::wstring token; in >> token;) {
    const std::wstring kind = token.substr(0, 2), text = token.substr(std::min<std::size_t>(2, token.size()));
    if (kind == L"s:") filer.writeString(pndbToUtf16(text));
    else if (kind == L"d:") filer.writeDouble(std::stod(text));
    else if (kind == L"w:") filer.writeUInt16(static_cast<std::uint16_t>(std::stoul(text)));
    else if (kind == L"h:") filer.writePnDbHandle(PnDbHandle(std::stoull(text, nullptr, 16)));
    else if (token == L"id") filer.writeSoftPointerId(PnDbObjectId());
    else if (kind != L"x:") filer.writeInt32(static_cast<std::int32_t>(std::stoll(token)));
    else {
      Bytes bytes;
      for (std::size_t at = 0; at + 1 < text.size(); at += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(text.substr(at, 2), nullptr, 16)));
      filer.writeBytes(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    }
  }
  return filer.takeBytes();
}

Bytes RecordOf(const TKey& key) {
  PnDbMemoryFiler filer;
  key.DwgOutFields(&filer);
  return filer.takeBytes();
}

void FillSampleTree(TKey& root) {
  PnDbMemoryFiler filer = ReaderOf(FilerItems(ReadGoldenRows("registry/data/sample_tree.txt", 1).at(0)[0]));
  EXPECT_EQ(root.DwgInFields(&filer), Plnx::eOk);
  EXPECT_TRUE(filer.atEnd());
}
