// Shared pieces of the host tests: a small object class of our own, scratch
// files, a throwing abort handler and a reader of the drawing-file layout.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
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
};

// Registers the class unless it is registered already.
PnRxClass* registerTestThing();
void unregisterTestThing();

// Adds a thing to the named-objects dictionary under `key`; it is closed afterwards.
PnDbObjectId addThing(PnDbDatabase& db, const wchar_t* key, const wchar_t* label, std::int32_t count,
                      double weight, PnDbObjectId target = PnDbObjectId());

// Adds a closed record named `name` to the table of Table.
template <class Table>
PnDbObjectId addRecord(PnDbDatabase& db, const wchar_t* name) {
  Table* table = nullptr;
  PnDbObjectId id;
  if (db.getSymbolTable(table, PnDb::kForWrite) != Plnx::eOk) return id;
  auto* record = new typename Table::RecordType;
  record->setName(name);
  if (table->add(id, record) == Plnx::eOk) record->close();
  else delete record;
  table->close();
  return id;
}

std::wstring recordName(PnDbObjectId id);
PnDbObjectId namedEntry(PnDbDatabase& db, const wchar_t* key);

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

// Where the parts of a drawing file sit, found by walking its records.
struct DrawingLayout {
  struct Record {
    std::size_t at = 0, dataAt = 0, dataSize = 0;
    std::uint64_t handle = 0;
    std::wstring className;
  };
  std::size_t headerAt = 0, headerSize = 0, countAt = 0;
  std::vector<Record> records;
  const Record* find(const std::wstring& className) const;
};
DrawingLayout parseDrawing(const Bytes& image);
// Patches a little-endian value in place.
void poke(Bytes& image, std::size_t at, std::uint64_t value, int bytes);
// Recomputes the trailing checksum, so only the reader's own checks stand in the way.
void reseal(Bytes& image);
