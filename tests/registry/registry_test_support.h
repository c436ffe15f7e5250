// Shared pieces of the registry tests: hand-built filer streams and a sample tree.
#pragma once

#include <cstdint>
#include <vector>

#include "host/host.h"
#include "registry/registry_key.h"

using Bytes = std::vector<std::uint8_t>;

// A stream of filer items written one by one, as a drawing would hold them.
class ItemStream {
 public:
  ItemStream& Int32(std::int32_t value) { return Put(m_filer.writeInt32(value)); }
  ItemStream& UInt16(std::uint16_t value) { return Put(m_filer.writeUInt16(value)); }
  ItemStream& Double(double value) { return Put(m_filer.writeDouble(value)); }
  ItemStream& Name(const std::wstring& name) { return Put(m_filer.writeString(pndbToUtf16(name))); }
  ItemStream& Raw(const Bytes& bytes) { return Put(m_filer.writeBytes(bytes.data(), std::uint32_t(bytes.size()))); }
  ItemStream& SoftId() { return Put(m_filer.writeSoftPointerId(PnDbObjectId())); }
  ItemStream& Handle(std::uint64_t value) { return Put(m_filer.writePnDbHandle(PnDbHandle(value))); }
  // An empty key record: no values, no sub-keys.
  ItemStream& EmptyKey() { return Int32(0).Int32(0); }
  const Bytes& bytes() const { return m_filer.bytes(); }

 private:
  ItemStream& Put(Plnx::ErrorStatus) { return *this; }
  PnDbMemoryFiler m_filer;
};

// A reading filer over `bytes`.
inline PnDbMemoryFiler ReaderOf(const Bytes& bytes) { return PnDbMemoryFiler(bytes, PnDb::kFileFiler, nullptr); }

// The key record of `key` as written: names, types and payloads all the way down.
Bytes RecordOf(const KoVTPrjReg::TKey& key);

// A tree with one value of every kind, nested keys, an empty key and names
// that sort differently from their insertion order. `someObject` is stored
// as the object id value.
void FillSampleTree(KoVTPrjReg::TKey& root, PnDbObjectId someObject);
