#include "registry/registry_value.h"

#include <iterator>

#include "registry/filing_items.h"

namespace KoVTPrjReg {

Plnx::ErrorStatus TValue::DwgInFields(PnDbDwgFiler* filer) { return filer->filerStatus(); }
Plnx::ErrorStatus TValue::DwgOutFields(PnDbDwgFiler* filer) const { return filer->filerStatus(); }

namespace {

template <class T>
std::unique_ptr<TValue> MakeEmpty() {
  return std::make_unique<T>();
}

// Indexed by type tag.
constexpr std::unique_ptr<TValue> (*kEmptyValueMakers[])() = {
    nullptr,
    &MakeEmpty<TIntValue>,
    &MakeEmpty<TFloatValue>,
    &MakeEmpty<TStringValue>,
    &MakeEmpty<TBinaryValue>,
    &MakeEmpty<TObjIdValue>,
    &MakeEmpty<THandleValue>,
};

}  // namespace

std::unique_ptr<TValue> CreateEmptyValue(std::int32_t tag) {
  constexpr auto kTags = static_cast<std::int32_t>(std::size(kEmptyValueMakers));
  if (tag <= kNoValue || tag >= kTags) return nullptr;
  return kEmptyValueMakers[tag]();
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
