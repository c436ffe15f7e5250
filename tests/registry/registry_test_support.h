// Shared pieces of the registry tests: hand-built filer streams, tree
// builders and comparisons.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/host.h"
#include "registry/registry_key.h"

using Bytes = std::vector<std::uint8_t>;

// A stream of filer items written one by one, as a drawing would hold them.
class ItemStream {
 public:
  ItemStream& Int32(std::int32_t value);
  ItemStream& UInt16(std::uint16_t value);
  ItemStream& Double(double value);
  ItemStream& Name(const std::wstring& name);
  ItemStream& Raw(const Bytes& bytes);
  ItemStream& SoftId(PnDbObjectId id = PnDbObjectId());
  ItemStream& Handle(std::uint64_t value);
  // An empty key record: no values, no sub-keys.
  ItemStream& EmptyKey() { return Int32(0).Int32(0); }
  const Bytes& bytes() const { return m_filer.bytes(); }

 private:
  PnDbMemoryFiler m_filer;
};

// A reading filer over `bytes`, resolving ids in `database` when given.
PnDbMemoryFiler ReaderOf(const Bytes& bytes, PnDbDatabase* database = nullptr);

// The key record of `key` as written.
Bytes RecordOf(const KoVTPrjReg::TKey& key);

// Two keys hold the same names, types and payloads all the way down.
// Empty on success, else where they differ.
std::wstring TreeDifference(const KoVTPrjReg::TKey& expected, const KoVTPrjReg::TKey& actual);

// A tree with one value of every kind, nested keys, an empty key and names
// that sort differently from their insertion order. `someObject` is stored
// as the object id value.
void FillSampleTree(KoVTPrjReg::TKey& root, PnDbObjectId someObject);
