// Shared pieces of the host tests: a small object class of our own, a counted
// service, scratch files, a throwing abort handler, a reader of the drawing-file
// layout and a builder of hand-made drawings that no database would save.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "host/host.h"
#include "tests/platform/scratch.h"

using Bytes = std::vector<std::uint8_t>;

// A module-style object: a few fields and a hard pointer, created by name when a drawing is read.
class TestThing : public PnDbObject {
 public:
  static constexpr const wchar_t* kClassName = L"PnTestThing";
  // Not cached: the tests delete and register the class again.
  static PnRxClass* desc() { return pnrxFindPnRxClass(kClassName); }
  PnRxClass* isA() const override { return desc(); }
  static TestThing* cast(const PnRxObject* object) {
    return const_cast<TestThing*>(dynamic_cast<const TestThing*>(object));
  }

  Plnx::ErrorStatus dwgInFields(PnDbDwgFiler* filer) override;
  Plnx::ErrorStatus dwgOutFields(PnDbDwgFiler* filer) const override;

  std::wstring label;
  std::int32_t count = 0;
  double weight = 0.0;
  PnDbObjectId target;

  // While set, reading answers eMakeMeProxy, as a module whose data is too new would.
  static bool answerProxy;
  // How many things have been read from a filer.
  static int reads;
};

// Registers the class unless it is registered already.
PnRxClass* registerTestThing();

// Adds a thing to the named-objects dictionary under `key`; it is closed afterwards.
PnDbObjectId addThing(PnDbDatabase& db, const wchar_t* key, const wchar_t* label, std::int32_t count,
                      double weight, PnDbObjectId target = PnDbObjectId());

// A service that counts the live ones, so a test sees who deleted it and how often.
class CountedService : public PnRxService {
 public:
  explicit CountedService(int* alive) : m_alive(alive) { ++*m_alive; }
  ~CountedService() override { --*m_alive; }

 private:
  int* m_alive;
};

struct HostAbort : std::runtime_error {
  explicit HostAbort(const std::string& what) : std::runtime_error(what) {}
};

// Turns pnrx_abort into a HostAbort exception while alive.
class ThrowingAbort {
 public:
  ThrowingAbort();
  ~ThrowingAbort();
  ThrowingAbort(const ThrowingAbort&) = delete;
  ThrowingAbort& operator=(const ThrowingAbort&) = delete;

 private:
  PnRxAbortHandler m_previous;
};

Bytes readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const Bytes& bytes);

// Recomputes the trailing checksum, so only the reader's own checks stand in the way.
void reseal(Bytes& image);

// Filer items written by hand, with handles where the filer would take ids.
class Items {
 public:
  using Item = PnDbDwgFiler::Item;
  Items& softPointer(std::uint64_t handle) { return word(Item::kSoftPointer, handle, 8); }
  Items& hardPointer(std::uint64_t handle) { return word(Item::kHardPointer, handle, 8); }
  Items& hardOwnership(std::uint64_t handle) { return word(Item::kHardOwnership, handle, 8); }
  Items& int16(std::int16_t value) { return word(Item::kInt16, static_cast<std::uint16_t>(value), 2); }
  Items& int32(std::int32_t value) { return word(Item::kInt32, static_cast<std::uint32_t>(value), 4); }
  Items& uint32(std::uint32_t value) { return word(Item::kUInt32, value, 4); }
  Items& uint64(std::uint64_t value) { return word(Item::kUInt64, value, 8); }
  Items& real(double value);
  Items& string(std::u16string_view text);
  // Any item: its tag and the low `size` bytes of `value`.
  Items& word(Item kind, std::uint64_t value, int size);
  const Bytes& bytes() const { return m_bytes; }

 private:
  Bytes m_bytes;
};

struct CraftedObject {
  std::uint64_t handle = 0;
  std::wstring className;
  Bytes data;
};

// A drawing file of hand-made parts with a correct checksum.
Bytes craftDrawing(const Bytes& header, const std::vector<CraftedObject>& objects, std::uint32_t formatVersion = 1);

// The smallest readable drawing: handles 1 to 4 are the named-objects
// dictionary and the linetype, text-style and dimension-style tables.
namespace crafted {
constexpr std::uint64_t kNamedObjects = 1, kLinetypes = 2, kTextStyles = 3, kDimStyles = 4;
using Entries = std::vector<std::pair<std::u16string, std::uint64_t>>;
Items header(std::uint64_t handseed = 100);
CraftedObject dictionary(std::uint64_t handle, std::uint64_t owner, const Entries& entries);
std::vector<CraftedObject> minimalDrawing(const Entries& namedEntries = {});
}  // namespace crafted
