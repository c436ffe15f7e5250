// Shared pieces of the registry tests: hand-built filer streams and a sample tree.
#pragma once

#include <cstdint>
#include <vector>

#include "host/host.h"
#include "registry/registry_key.h"

using Bytes = std::vector<std::uint8_t>;

// Filer items written from blank-separated tokens, as a drawing would hold
// them: a number is a 32-bit integer, "s:" a name, "d:" a double, "w:" a
// 16-bit word, "x:" raw hex bytes, "h:" a hex handle and "id" a soft pointer;
// "-" alone stands for no items.
Bytes FilerItems(const std::wstring& tokens);

// A reading filer over `bytes`.
inline PnDbMemoryFiler ReaderOf(const Bytes& bytes) { return PnDbMemoryFiler(bytes, PnDb::kFileFiler, nullptr); }

// The key record of `key` as written: names, types and payloads all the way down.
Bytes RecordOf(const KoVTPrjReg::TKey& key);

// The tree of data/sample_tree.txt.
void FillSampleTree(KoVTPrjReg::TKey& root);
