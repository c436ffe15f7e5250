#include "host/filer.h"

#include <sys/mman.h>

#include <bit>
#include <cstring>
#include <vector>

#include "host/database.h"
#include "host/utf16.h"

namespace {

using Item = PnDbDwgFiler::Item;

// Items are stored little-endian whatever the machine, so files move between
// machines. On a little-endian one that is a plain copy: the compiler does not
// fold the byte loop into one load, and a registry reads millions of items.
template <class T>
void toLittleEndian(const T& value, std::uint8_t* out) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(out, &value, sizeof(T));
  } else {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof(T));
    for (std::size_t i = 0; i < sizeof(T); ++i) out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  }
}

template <class T>
T fromLittleEndian(const std::uint8_t* in) {
  T value;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&value, in, sizeof(T));
  } else {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) bits |= static_cast<std::uint64_t>(in[i]) << (8 * i);
    std::memcpy(&value, &bits, sizeof(T));
  }
  return value;
}

// Tens of megabytes faulted in a 4 KiB page at a time cost more than filling
// them, most of all on a virtual machine: the whole 2 MiB pages of the room
// may come as huge pages instead, where the system gives them.
void adviseHugePages(const std::uint8_t* from, const std::uint8_t* to) {
  constexpr std::uintptr_t kHuge = std::uintptr_t(2) << 20;
  const std::uintptr_t start = (reinterpret_cast<std::uintptr_t>(from) + kHuge - 1) & ~(kHuge - 1);
  const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(to) & ~(kHuge - 1);
  if (end > start) ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

}  // namespace

// The tag and the largest payload (eight bytes), moved in one transfer:
// filers pay a virtual call per transfer, and a registry files millions of items.
constexpr std::size_t kMaxItem = 1 + 8;

Plnx::ErrorStatus PnDbDwgFiler::writeItem(Item kind, const void* bytes, std::size_t count) {
  if (m_status != Plnx::eOk) return m_status;
  std::uint8_t item[kMaxItem];
  item[0] = static_cast<std::uint8_t>(kind);
  std::memcpy(item + 1, bytes, count);
  if (!put(item, count + 1)) m_status = Plnx::eFilerError;
  return m_status;
}

inline const std::uint8_t* PnDbDwgFiler::take(std::size_t count, std::uint8_t* scratch) {
  if (m_next != nullptr) {
    if (static_cast<std::size_t>(m_end - m_next) < count) return nullptr;
    const std::uint8_t* bytes = m_next;
    m_next += count;
    return bytes;
  }
  return remaining() >= count && get(scratch, count) ? scratch : nullptr;
}

inline Plnx::ErrorStatus PnDbDwgFiler::readItem(Item kind, void* bytes, std::size_t count) {
  if (m_status == Plnx::eOk) {
    std::uint8_t scratch[kMaxItem];
    const std::uint8_t* item = take(count + 1, scratch);
    if (item == nullptr)
      m_status = Plnx::eEndOfFile;
    else if (item[0] != static_cast<std::uint8_t>(kind))
      m_status = Plnx::eDwgObjectImproperlyRead;
    else
      std::memcpy(bytes, item + 1, count);
  }
  if (m_status != Plnx::eOk) std::memset(bytes, 0, count);
  return m_status;
}

#define PNDB_SCALAR_ITEM(NAME, TYPE, KIND)                           \
  Plnx::ErrorStatus PnDbDwgFiler::write##NAME(TYPE value) {          \
    std::uint8_t raw[sizeof(TYPE)];                                  \
    toLittleEndian(value, raw);                                      \
    return writeItem(KIND, raw, sizeof raw);                         \
  }                                                                  \
  Plnx::ErrorStatus PnDbDwgFiler::read##NAME(TYPE* value) {          \
    std::uint8_t raw[sizeof(TYPE)];                                  \
    readItem(KIND, raw, sizeof raw);                                 \
    if (value) *value = fromLittleEndian<TYPE>(raw);                 \
    return m_status;                                                 \
  }

PNDB_SCALAR_ITEM(Int8, std::int8_t, Item::kInt8)
PNDB_SCALAR_ITEM(Int16, std::int16_t, Item::kInt16)
PNDB_SCALAR_ITEM(Int32, std::int32_t, Item::kInt32)
PNDB_SCALAR_ITEM(Int64, std::int64_t, Item::kInt64)
PNDB_SCALAR_ITEM(UInt8, std::uint8_t, Item::kUInt8)
PNDB_SCALAR_ITEM(UInt16, std::uint16_t, Item::kUInt16)
PNDB_SCALAR_ITEM(UInt32, std::uint32_t, Item::kUInt32)
PNDB_SCALAR_ITEM(UInt64, std::uint64_t, Item::kUInt64)
PNDB_SCALAR_ITEM(Double, double, Item::kDouble)
#undef PNDB_SCALAR_ITEM

Plnx::ErrorStatus PnDbDwgFiler::writeBool(bool value) {
  std::uint8_t raw = value ? 1 : 0;
  return writeItem(Item::kBool, &raw, 1);
}

Plnx::ErrorStatus PnDbDwgFiler::readBool(bool* value) {
  std::uint8_t raw = 0;
  readItem(Item::kBool, &raw, 1);
  if (m_status == Plnx::eOk && raw > 1) m_status = Plnx::eDwgObjectImproperlyRead;
  if (value) *value = m_status == Plnx::eOk && raw == 1;
  return m_status;
}

Plnx::ErrorStatus PnDbDwgFiler::writeBytes(const void* buffer, std::uint32_t count) {
  std::uint8_t length[4];
  toLittleEndian(count, length);
  if (writeItem(Item::kBytes, length, sizeof length) == Plnx::eOk && count > 0 && !put(buffer, count))
    m_status = Plnx::eFilerError;
  return m_status;
}

Plnx::ErrorStatus PnDbDwgFiler::readBytes(void* buffer, std::uint32_t count) {
  std::uint8_t length[4];
  if (readItem(Item::kBytes, length, sizeof length) == Plnx::eOk) {
    if (fromLittleEndian<std::uint32_t>(length) != count) m_status = Plnx::eDwgObjectImproperlyRead;
    else if (const std::uint8_t* bytes = count > 0 ? take(count, static_cast<std::uint8_t*>(buffer)) : nullptr;
             count > 0 && bytes == nullptr)
      m_status = Plnx::eEndOfFile;
    else if (bytes != nullptr && bytes != buffer)
      std::memcpy(buffer, bytes, count);
  }
  if (m_status != Plnx::eOk && buffer != nullptr) std::memset(buffer, 0, count);
  return m_status;
}

Plnx::ErrorStatus PnDbDwgFiler::writeString(std::u16string_view value) {
  if (value.size() > UINT32_MAX) return m_status = Plnx::eInvalidInput;
  std::uint8_t length[4];
  toLittleEndian(static_cast<std::uint32_t>(value.size()), length);
  if (writeItem(Item::kString, length, sizeof length) != Plnx::eOk) return m_status;
  // One transfer for the whole text: filers pay a virtual call per transfer.
  std::vector<std::uint8_t> raw(value.size() * 2);
  for (std::size_t i = 0; i < value.size(); ++i) toLittleEndian(static_cast<std::uint16_t>(value[i]), &raw[i * 2]);
  if (!raw.empty() && !put(raw.data(), raw.size())) return m_status = Plnx::eFilerError;
  return m_status;
}

Plnx::ErrorStatus PnDbDwgFiler::writeWideString(std::wstring_view value) {
  if (m_status != Plnx::eOk) return m_status;
  // Encoded on the stack a slice at a time; a text of one slice, as names
  // are, goes with its tag and length in a single transfer.
  constexpr std::size_t kSlice = 128, kHead = 5;
  // Counted without reading the characters: at most two units each.
  if (counting()) return put(nullptr, kHead + value.size() * 4) ? m_status : m_status = Plnx::eFilerError;
  std::uint8_t raw[kHead + kSlice * 4];
  raw[0] = static_cast<std::uint8_t>(Item::kString);
  if (value.size() <= kSlice) {
    const std::size_t bytes = pndbPutUtf16LE(value, raw + kHead);
    toLittleEndian(static_cast<std::uint32_t>(bytes / 2), raw + 1);
    if (!put(raw, kHead + bytes)) m_status = Plnx::eFilerError;
    return m_status;
  }
  const std::size_t units = pndbUtf16Length(value);
  if (units > UINT32_MAX) return m_status = Plnx::eInvalidInput;
  toLittleEndian(static_cast<std::uint32_t>(units), raw + 1);
  if (!put(raw, kHead)) return m_status = Plnx::eFilerError;
  for (std::size_t at = 0; at < value.size(); at += kSlice)
    if (!put(raw, pndbPutUtf16LE(value.substr(at, kSlice), raw))) return m_status = Plnx::eFilerError;
  return m_status;
}

inline Plnx::ErrorStatus PnDbDwgFiler::readStringLength(std::size_t& units) {
  units = 0;
  std::uint8_t length[4];
  if (readItem(Item::kString, length, sizeof length) != Plnx::eOk) return m_status;
  units = fromLittleEndian<std::uint32_t>(length);
  // The length is checked against what is left before anything is allocated.
  if (remaining() / 2 < units) {
    units = 0;
    m_status = Plnx::eEndOfFile;
  }
  return m_status;
}

Plnx::ErrorStatus PnDbDwgFiler::readString(std::u16string* value) {
  std::u16string text;
  std::size_t count = 0;
  if (readStringLength(count) == Plnx::eOk && count > 0) {
    std::vector<std::uint8_t> raw(count * 2);
    get(raw.data(), raw.size());
    text.resize(count);
    for (std::size_t i = 0; i < count; ++i) text[i] = static_cast<char16_t>(fromLittleEndian<std::uint16_t>(&raw[i * 2]));
  }
  if (value) *value = m_status == Plnx::eOk ? std::move(text) : std::u16string();
  return m_status;
}

Plnx::ErrorStatus PnDbDwgFiler::readWideString(std::wstring* value) {
  std::size_t count = 0;
  if (readStringLength(count) == Plnx::eOk && count > 0) {
    // Decoded straight from the input, when there is one, into the caller's string.
    std::vector<std::uint8_t> scratch(m_next != nullptr ? 0 : count * 2);
    if (const std::uint8_t* units = take(count * 2, scratch.data())) {
      if (value) pndbAssignUtf16LE(units, count, *value);
      return m_status;
    }
    m_status = Plnx::eEndOfFile;
  }
  if (value) value->clear();
  return m_status;
}

Plnx::ErrorStatus PnDbDwgFiler::writePnDbHandle(PnDbHandle value) {
  std::uint8_t raw[8];
  toLittleEndian(value.value(), raw);
  return writeItem(Item::kHandle, raw, sizeof raw);
}

Plnx::ErrorStatus PnDbDwgFiler::readPnDbHandle(PnDbHandle* value) {
  std::uint8_t raw[8];
  readItem(Item::kHandle, raw, sizeof raw);
  if (value) *value = PnDbHandle(fromLittleEndian<std::uint64_t>(raw));
  return m_status;
}

Plnx::ErrorStatus PnDbDwgFiler::writeId(Item kind, PnDbObjectId id) {
  std::uint8_t raw[8];
  toLittleEndian(idToWord(id, kind), raw);
  return writeItem(kind, raw, sizeof raw);
}

Plnx::ErrorStatus PnDbDwgFiler::readId(Item kind, PnDbObjectId* id) {
  std::uint8_t raw[8];
  readItem(kind, raw, sizeof raw);
  PnDbObjectId result = m_status == Plnx::eOk ? wordToId(fromLittleEndian<std::uint64_t>(raw), kind) : PnDbObjectId();
  if (id) *id = result;
  return m_status;
}

Plnx::ErrorStatus PnDbDwgFiler::readSoftPointerId(PnDbObjectId* id) { return readId(Item::kSoftPointer, id); }
Plnx::ErrorStatus PnDbDwgFiler::writeSoftPointerId(PnDbObjectId id) { return writeId(Item::kSoftPointer, id); }
Plnx::ErrorStatus PnDbDwgFiler::readHardPointerId(PnDbObjectId* id) { return readId(Item::kHardPointer, id); }
Plnx::ErrorStatus PnDbDwgFiler::writeHardPointerId(PnDbObjectId id) { return writeId(Item::kHardPointer, id); }
Plnx::ErrorStatus PnDbDwgFiler::readSoftOwnershipId(PnDbObjectId* id) { return readId(Item::kSoftOwnership, id); }
Plnx::ErrorStatus PnDbDwgFiler::writeSoftOwnershipId(PnDbObjectId id) { return writeId(Item::kSoftOwnership, id); }
Plnx::ErrorStatus PnDbDwgFiler::readHardOwnershipId(PnDbObjectId* id) { return readId(Item::kHardOwnership, id); }
Plnx::ErrorStatus PnDbDwgFiler::writeHardOwnershipId(PnDbObjectId id) { return writeId(Item::kHardOwnership, id); }

// Persistent filers store handles, and only of their own database: a reference
// into another drawing cannot survive a save.
std::uint64_t PnDbDwgFiler::idToWord(PnDbObjectId id, Item) {
  if (id.isNull() || (m_database != nullptr && id.database() != m_database)) return 0;
  return id.handle().value();
}

PnDbObjectId PnDbDwgFiler::wordToId(std::uint64_t word, Item) {
  PnDbObjectId id;
  if (word != 0 && m_database != nullptr) m_database->getPnDbObjectId(id, false, PnDbHandle(word));
  return id;
}

std::vector<std::uint8_t> PnDbMemoryFiler::takeBytes() {
  std::vector<std::uint8_t> bytes = std::move(m_bytes);
  m_bytes.clear();
  rewind();
  return bytes;
}

void PnDbMemoryFiler::reserve(std::size_t bytes) {
  const std::size_t read = m_bytes.size() - static_cast<std::size_t>(m_end - m_next);
  m_bytes.reserve(bytes);
  setInput(m_bytes.data() + read, m_bytes.data() + m_bytes.size());
  adviseHugePages(m_bytes.data() + m_bytes.size(), m_bytes.data() + m_bytes.capacity());
}

bool PnDbMemoryFiler::put(const void* bytes, std::size_t count) {
  const std::size_t read = m_bytes.size() - static_cast<std::size_t>(m_end - m_next);
  auto* p = static_cast<const std::uint8_t*>(bytes);
  m_bytes.insert(m_bytes.end(), p, p + count);
  setInput(m_bytes.data() + read, m_bytes.data() + m_bytes.size());
  return true;
}

bool PnDbMemoryFiler::get(void* bytes, std::size_t count) {
  if (remaining() < count) return false;
  if (count > 0) std::memcpy(bytes, m_next, count);
  m_next += count;
  return true;
}

bool PnDbViewFiler::get(void* bytes, std::size_t count) {
  if (remaining() < count) return false;
  if (count > 0) std::memcpy(bytes, m_next, count);
  m_next += count;
  return true;
}

bool PnDbMemoryFiler::keepsIds() const {
  return filerType() == PnDb::kCopyFiler || filerType() == PnDb::kWblockCloneFiler ||
         filerType() == PnDb::kDeepCloneFiler;
}

// In-process copies keep the id itself, which may belong to any database.
std::uint64_t PnDbMemoryFiler::idToWord(PnDbObjectId id, Item kind) {
  if (keepsIds()) return reinterpret_cast<std::uintptr_t>(id.stub());
  return PnDbDwgFiler::idToWord(id, kind);
}

PnDbObjectId PnDbMemoryFiler::wordToId(std::uint64_t word, Item kind) {
  if (keepsIds()) return PnDbObjectId(reinterpret_cast<PnDbStub*>(static_cast<std::uintptr_t>(word)));
  return PnDbDwgFiler::wordToId(word, kind);
}

std::uint64_t PnDbIdCollectingFiler::idToWord(PnDbObjectId id, Item kind) {
  if (!id.isNull()) m_references.push_back({id, kind});
  return 0;
}
