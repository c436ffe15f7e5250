#include "tests/registry/registry_test_support.h"

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

void FillSampleTree(TKey& root, PnDbObjectId someObject) {
  const std::uint8_t blob[] = {0x00, 0xFF, 0x10, 0x00, 0x7F};
  TKey* units = root.CreateSubKey(L"Units");
  units->SetValue(L"WorkUnits", std::make_unique<TIntValue>(-7));
  units->SetValue(L"Scale", std::make_unique<TFloatValue>(-0.0));
  units->SetValue(L"Factor", std::make_unique<TFloatValue>(1e-300));
  units->SetValue(L"Name", std::make_unique<TStringValue>(L"Me\u00DFeinheit \U0001F600"));
  units->SetValue(L"", std::make_unique<TStringValue>(L""));
  TKey* options = root.CreateSubKey(L"Options");
  options->SetValue(L"Visible", std::make_unique<TIntValue>(1));
  options->SetValue(L"Blob", std::make_unique<TBinaryValue>(blob, static_cast<std::int32_t>(sizeof blob)));
  options->SetValue(L"NoBytes", std::make_unique<TBinaryValue>());
  options->SetValue(L"Style", std::make_unique<TObjIdValue>(someObject));
  options->SetValue(L"NoObject", std::make_unique<TObjIdValue>());
  options->SetValue(L"Anchor", std::make_unique<THandleValue>(PnDbHandle(0x1234ABCDull)));
  options->SetValue(L"Unread", std::make_unique<THandleValue>());
  // Sub-key and value of one name, an empty-named key, and an empty leaf.
  options->CreateSubKey(L"Blob")->CreateSubKey(L"")->CreateSubKey(L"Standard");
  root.CreateSubKey(L"Empty");
  root.SetValue(L"Units", std::make_unique<TIntValue>(INT32_MIN));
}
