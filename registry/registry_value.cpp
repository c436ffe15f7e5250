#include "registry/registry_value.h"

#include <algorithm>
#include <iterator>

#include "registry/filing_items.h"

namespace KoVTPrjReg {

Plnx::ErrorStatus TValue::DwgInFields(PnDbDwgFiler* filer) { return filer->filerStatus(); }
Plnx::ErrorStatus TValue::DwgOutFields(PnDbDwgFiler* filer) const { return filer->filerStatus(); }

void TValue::operator delete(TValue* value, std::destroying_delete_t) {
  const bool inArena = value->m_inArena;
  void* whole = dynamic_cast<void*>(value);  // the address the object was allocated at
  value->~TValue();
  if (!inArena) ::operator delete(whole);
}

namespace {

template <class T>
std::unique_ptr<TValue> MakeEmpty() {
  return std::make_unique<T>();
}

template <class T>
TValue* PlaceEmpty(void* memory) {
  return new (memory) T();
}

// Indexed by type tag.
struct EmptyValueMaker {
  std::unique_ptr<TValue> (*make)();
  TValue* (*place)(void* memory);
  std::size_t size;
};

template <class T>
constexpr EmptyValueMaker kMakerOf{&MakeEmpty<T>, &PlaceEmpty<T>, sizeof(T)};

constexpr EmptyValueMaker kEmptyValueMakers[] = {
    {},
    kMakerOf<TIntValue>,
    kMakerOf<TFloatValue>,
    kMakerOf<TStringValue>,
    kMakerOf<TBinaryValue>,
    kMakerOf<TObjIdValue>,
    kMakerOf<THandleValue>,
};

const EmptyValueMaker* MakerOf(std::int32_t tag) {
  constexpr auto kTags = static_cast<std::int32_t>(std::size(kEmptyValueMakers));
  return tag <= kNoValue || tag >= kTags ? nullptr : &kEmptyValueMakers[tag];
}

// Blocks double up to the largest, which stays small beside the bytes a key's values take in a file.
constexpr std::size_t kFirstBlock = 512, kLargestBlock = 16 * 1024;

}  // namespace

std::unique_ptr<TValue> CreateEmptyValue(std::int32_t tag) {
  const EmptyValueMaker* maker = MakerOf(tag);
  return maker != nullptr ? maker->make() : nullptr;
}

std::unique_ptr<TValue> TValueArena::CreateEmptyValue(std::int32_t tag) {
  const EmptyValueMaker* maker = MakerOf(tag);
  if (maker == nullptr) return nullptr;
  std::unique_ptr<TValue> value(maker->place(Allocate(maker->size)));
  value->m_inArena = true;
  return value;
}

void* TValueArena::Allocate(std::size_t size) {
  constexpr std::size_t kAlign = alignof(std::max_align_t);
  size = (size + kAlign - 1) / kAlign * kAlign;
  if (m_left < size) {
    const std::size_t block = std::min(kLargestBlock, kFirstBlock << std::min<std::size_t>(m_blocks.size(), 8));
    m_blocks.push_back(std::make_unique_for_overwrite<std::byte[]>(block));
    m_next = m_blocks.back().get();
    m_left = block;
  }
  void* at = m_next;
  m_next += size;
  m_left -= size;
  return at;
}

Plnx::ErrorStatus TStringValue::DwgInFields(PnDbDwgFiler* filer) { return m_value.dwgInFields(filer); }
Plnx::ErrorStatus TStringValue::DwgOutFields(PnDbDwgFiler* filer) const { return m_value.dwgOutFields(filer); }

TBinaryValue::TBinaryValue(const void* bytes, std::int32_t count) {
  if (bytes == nullptr || count <= 0) return;
  const auto* first = static_cast<const std::uint8_t*>(bytes);
  m_bytes.assign(first, first + count);
}

Plnx::ErrorStatus TBinaryValue::DwgInFields(PnDbDwgFiler* filer) {
  if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
  m_bytes = {};
  std::int32_t count = 0;
  if (Plnx::ErrorStatus es = ReadCount(filer, count); es != Plnx::eOk) return es;
  // A hostile file may claim gigabytes: no more is allocated than the filer can still deliver.
  if (static_cast<std::size_t>(count) > filer->remainingBytes()) return FailFiling(filer, Plnx::eEndOfFile);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
  if (filer->readBytes(bytes.data(), static_cast<std::uint32_t>(count)) == Plnx::eOk) m_bytes = std::move(bytes);
  return filer->filerStatus();
}

Plnx::ErrorStatus TBinaryValue::DwgOutFields(PnDbDwgFiler* filer) const {
  if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
  if (WriteCount(filer, m_bytes.size()) != Plnx::eOk) return filer->filerStatus();
  filer->writeBytes(m_bytes.data(), static_cast<std::uint32_t>(m_bytes.size()));
  return filer->filerStatus();
}

}  // namespace KoVTPrjReg
