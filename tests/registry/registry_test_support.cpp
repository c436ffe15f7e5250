#include "tests/registry/registry_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

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
  PnDbMemoryFiler filer = ReaderOf(FilerItems(
      L"1 s:Units 1 -2147483648 3 s:Empty 0 0 s:Options 6 s:Anchor 6 h:1234ABCD s:Blob 4 5 x:00FF10007F"
      L" s:NoBytes 4 0 x: s:NoObject 5 id s:Unread 6 h:0 s:Visible 1 1 1 s:Blob 0 1 s: 0 1 s:Standard 0 0"
      L" s:Units 5 s: 3 s: s:Factor 2 d:1e-300 s:Name 3 s:Me\u00DFeinheit\U0001F600 s:Scale 2 d:-0"
      L" s:WorkUnits 1 -7 0"));
  EXPECT_EQ(root.DwgInFields(&filer), Plnx::eOk);
  EXPECT_TRUE(filer.atEnd());
}
