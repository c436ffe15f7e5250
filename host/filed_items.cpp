#include "host/filed_items.h"

#include <bit>
#include <cstring>
#include <iterator>

namespace {

using Item = PnDbDwgFiler::Item;

// A little-endian integer of sizeof(T) bytes: one load on the hosts there are.
template <class T>
T littleEndian(const std::uint8_t* bytes) {
  T value = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&value, bytes, sizeof value);
  } else {
    for (std::size_t i = 0; i < sizeof value; ++i) value |= static_cast<T>(bytes[i]) << (8 * i);
  }
  return value;
}

// Payload bytes of each kind, indexed by its tag; 0 for the two with a length of their own.
constexpr std::uint8_t kFixedPayload[] = {
    0,                 // no tag 0
    1, 1, 2, 4, 8,     // bool, int8, int16, int32, int64
    1, 2, 4, 8,        // uint8, uint16, uint32, double
    0, 0,              // bytes, string
    8, 8, 8, 8, 8, 8,  // handle, the four ids, uint64
};
static_assert(std::size(kFixedPayload) == static_cast<std::size_t>(Item::kUInt64) + 1);

bool isId(Item kind) {
  return kind == Item::kSoftPointer || kind == Item::kHardPointer || kind == Item::kSoftOwnership ||
         kind == Item::kHardOwnership;
}

}  // namespace

bool pndbWalkFiledItems(const std::uint8_t* data, std::size_t size, const std::function<void(const PnDbFiledId&)>& id) {
  std::size_t at = 0;
  while (at < size) {
    const std::uint8_t tag = data[at++];
    if (tag < static_cast<std::uint8_t>(Item::kBool) || tag > static_cast<std::uint8_t>(Item::kUInt64)) return false;
    const auto kind = static_cast<Item>(tag);
    std::size_t payload = kFixedPayload[tag];
    if (payload == 0) {
      if (size - at < 4) return false;
      const std::uint64_t length = littleEndian<std::uint32_t>(data + at);
      at += 4;
      payload = kind == Item::kString ? length * 2 : length;
    }
    if (size - at < payload) return false;
    if (kind == Item::kBool && data[at] > 1) return false;
    if (isId(kind)) id({kind, littleEndian<std::uint64_t>(data + at), at});
    at += payload;
  }
  return true;
}

PnDbFiledItems::PnDbFiledItems(std::vector<std::uint8_t> bytes)
    : m_bytes(std::move(bytes)),
      m_whole(pndbWalkFiledItems(m_bytes.data(), m_bytes.size(), [&](const PnDbFiledId& id) { m_ids.push_back(id); })) {
  if (!m_whole) m_ids.clear();
}

void PnDbFiledItems::setHandle(std::size_t index, std::uint64_t handle) {
  PnDbFiledId& id = m_ids.at(index);
  id.handle = handle;
  for (int i = 0; i < 8; ++i) m_bytes[id.at + i] = static_cast<std::uint8_t>(handle >> (8 * i));
}
