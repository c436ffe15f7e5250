// The items an object filed, walked without making the object: a drawing read
// on demand keeps most of its objects as these bytes until one is needed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "host/filer.h"

// One id item: its kind, the handle it holds and the offset of that handle.
struct PnDbFiledId {
  PnDbDwgFiler::Item kind;
  std::uint64_t handle;
  std::size_t at;
};

// Calls `id` for every id item, in order. False when the bytes are not one
// run of whole items of known kinds, with booleans 0 or 1, that a reader of
// the file's filer could take: such an object must be read to know more.
bool pndbWalkFiledItems(const std::uint8_t* data, std::size_t size, const std::function<void(const PnDbFiledId&)>& id);

// Whether the items open with the owner's soft pointer, as every object files them.
inline constexpr std::size_t kPnDbOwnerItem = 1 + 8;
inline bool pndbOpensWithOwner(const std::uint8_t* data, std::size_t size) {
  return size >= kPnDbOwnerItem && data[0] == static_cast<std::uint8_t>(PnDbDwgFiler::Item::kSoftPointer);
}

// Whether `kind` is an ownership reference: what owns it erases it along.
inline bool pndbIsOwnership(PnDbDwgFiler::Item kind) {
  return kind == PnDbDwgFiler::Item::kHardOwnership || kind == PnDbDwgFiler::Item::kSoftOwnership;
}
