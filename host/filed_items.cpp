#include "host/filed_items.h"

namespace {

using Item = PnDbDwgFiler::Item;

std::uint64_t littleEndian(const std::uint8_t* bytes, int count) {
  std::uint64_t value = 0;
  for (int i = 0; i < count; ++i) value |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
  return value;
}

// The payload of an item of fixed size; 0 for the two with a length of their own.
std::size_t fixedPayload(Item kind) {
  switch (kind) {
    case Item::kBool:
    case Item::kInt8:
    case Item::kUInt8:
      return 1;
    case Item::kInt16:
    case Item::kUInt16:
      return 2;
    case Item::kInt32:
    case Item::kUInt32:
      return 4;
    case Item::kInt64:
    case Item::kUInt64:
    case Item::kDouble:
    case Item::kHandle:
    case Item::kSoftPointer:
    case Item::kHardPointer:
    case Item::kSoftOwnership:
    case Item::kHardOwnership:
      return 8;
    case Item::kBytes:
    case Item::kString:
      return 0;
  }
  return 0;
}

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
    std::size_t payload = fixedPayload(kind);
    if (payload == 0) {
      if (size - at < 4) return false;
      const std::uint64_t length = littleEndian(data + at, 4);
      at += 4;
      payload = kind == Item::kString ? length * 2 : length;
    }
    if (size - at < payload) return false;
    if (kind == Item::kBool && data[at] > 1) return false;
    if (isId(kind)) id({kind, littleEndian(data + at, 8), at});
    at += payload;
  }
  return true;
}
