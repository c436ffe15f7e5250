#include "tests/registry/registry_test_support.h"

#include <cstring>

#include "host/utf16.h"

using namespace KoVTPrjReg;

ItemStream& ItemStream::Int32(std::int32_t value) {
  m_filer.writeInt32(value);
  return *this;
}
ItemStream& ItemStream::UInt16(std::uint16_t value) {
  m_filer.writeUInt16(value);
  return *this;
}
ItemStream& ItemStream::Double(double value) {
  m_filer.writeDouble(value);
  return *this;
}
ItemStream& ItemStream::Name(const std::wstring& name) {
  m_filer.writeString(pndbToUtf16(name));
  return *this;
}
ItemStream& ItemStream::Raw(const Bytes& bytes) {
  m_filer.writeBytes(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
  return *this;
}
ItemStream& ItemStream::SoftId(PnDbObjectId id) {
  m_filer.writeSoftPointerId(id);
  return *this;
}
ItemStream& ItemStream::Handle(std::uint64_t value) {
  m_filer.writePnDbHandle(PnDbHandle(value));
  return *this;
}

PnDbMemoryFiler ReaderOf(const Bytes& bytes, PnDbDatabase* database) {
  return PnDbMemoryFiler(bytes, PnDb::kFileFiler, database);
}

Bytes RecordOf(const TKey& key) {
  PnDbMemoryFiler filer;
  key.DwgOutFields(&filer);
  return filer.takeBytes();
}

namespace {

bool SamePayload(const TValue& a, const TValue& b) {
  if (a.GetDataType() != b.GetDataType() || a.GetDataSize() != b.GetDataSize()) return false;
  switch (a.GetDataType()) {
    case kIntegerValue:
      return static_cast<const TIntValue&>(a).GetValue() == static_cast<const TIntValue&>(b).GetValue();
    case kFloatValue: {
      double x = static_cast<const TFloatValue&>(a).GetValue(), y = static_cast<const TFloatValue&>(b).GetValue();
      return std::memcmp(&x, &y, sizeof x) == 0;
    }
    case kStringValue:
      return static_cast<const TStringValue&>(a).GetValue() == static_cast<const TStringValue&>(b).GetValue();
    case kBinaryValue:
      return a.GetDataSize() == 0 || std::memcmp(static_cast<const TBinaryValue&>(a).GetData(),
                                                 static_cast<const TBinaryValue&>(b).GetData(),
                                                 static_cast<std::size_t>(a.GetDataSize())) == 0;
    case kObjectIdValue:
      return static_cast<const TObjIdValue&>(a).GetValue() == static_cast<const TObjIdValue&>(b).GetValue();
    case kHandleValue:
      return static_cast<const THandleValue&>(a).GetValue() == static_cast<const THandleValue&>(b).GetValue();
    default:
      return false;
  }
}

}  // namespace

std::wstring TreeDifference(const TKey& expected, const TKey& actual) {
  struct Pair {
    const TKey* expected;
    const TKey* actual;
    std::wstring path;
  };
  std::vector<Pair> pending{{&expected, &actual, L""}};
  while (!pending.empty()) {
    Pair pair = pending.back();
    pending.pop_back();
    const TValueMap& values = pair.expected->Values();
    if (values.size() != pair.actual->Values().size()) return pair.path + L": number of values";
    for (const auto& [name, value] : values) {
      const TValue* other = pair.actual->FindValue(name);
      if (other == nullptr || !SamePayload(*value, *other)) return pair.path + L": value " + name.str();
    }
    const TKeyMap& keys = pair.expected->SubKeys();
    if (keys.size() != pair.actual->SubKeys().size()) return pair.path + L": number of sub-keys";
    for (const auto& [name, key] : keys) {
      const TKey* other = pair.actual->FindSubKey(name);
      if (other == nullptr) return pair.path + L": missing sub-key " + name.str();
      pending.push_back({key.get(), other, pair.path + L"\\" + name.str()});
    }
  }
  return L"";
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
