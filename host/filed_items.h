// The items an object filed, walked without making the object: a drawing read
// on demand keeps most of its objects as these bytes until one is needed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

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

// Items walked once and owned: whether they are whole and where their ids
// lie. Moving an id keeps them whole, so a copy given to another database is
// checked there by its ids alone.
class PnDbFiledItems {
 public:
  explicit PnDbFiledItems(std::vector<std::uint8_t> bytes);

  bool whole() const { return m_whole; }
  const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
  // Every id item, in order; none when the items are not whole.
  const std::vector<PnDbFiledId>& ids() const { return m_ids; }
  // Makes the id item ids()[index] hold `handle`.
  void setHandle(std::size_t index, std::uint64_t handle);
  std::vector<std::uint8_t> takeBytes() { return std::move(m_bytes); }

 private:
  std::vector<std::uint8_t> m_bytes;
  std::vector<PnDbFiledId> m_ids;
  bool m_whole;
};

// Whether the items open with the owner's soft pointer, as every object files them.
inline constexpr std::size_t kPnDbOwnerItem = 1 + 8;
inline bool pndbOpensWithOwner(const std::uint8_t* data, std::size_t size) {
  return size >= kPnDbOwnerItem && data[0] == static_cast<std::uint8_t>(PnDbDwgFiler::Item::kSoftPointer);
}

// Whether the id owns an object: what owns it erases it along.
inline bool pndbOwnsThrough(const PnDbFiledId& id) {
  return id.handle != 0 &&
         (id.kind == PnDbDwgFiler::Item::kHardOwnership || id.kind == PnDbDwgFiler::Item::kSoftOwnership);
}
