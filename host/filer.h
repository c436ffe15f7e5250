// The binary filer every object files itself through.
//
// Items are tagged by kind, so reading an item of another kind than was
// written fails instead of misinterpreting bytes. Once an operation fails the
// status sticks: later reads fail too and return zero values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/ids.h"
#include "host/rx.h"
#include "host/status.h"

class PnDbDwgFiler : public PnRxObject {
 public:
  PnDbDwgFiler(PnDb::FilerType type, PnDbDatabase* database) : m_type(type), m_database(database) {}

  Plnx::ErrorStatus filerStatus() const { return m_status; }
  void setFilerStatus(Plnx::ErrorStatus status) { m_status = status; }
  void resetFilerStatus() { m_status = Plnx::eOk; }
  PnDb::FilerType filerType() const { return m_type; }
  PnDbDatabase* database() const { return m_database; }
  // What a reader has left, so a size claimed by the data can be checked before allocating.
  std::size_t remainingBytes() const { return remaining(); }

  Plnx::ErrorStatus readBool(bool* value);
  Plnx::ErrorStatus writeBool(bool value);
  Plnx::ErrorStatus readInt8(std::int8_t* value);
  Plnx::ErrorStatus writeInt8(std::int8_t value);
  Plnx::ErrorStatus readInt16(std::int16_t* value);
  Plnx::ErrorStatus writeInt16(std::int16_t value);
  Plnx::ErrorStatus readInt32(std::int32_t* value);
  Plnx::ErrorStatus writeInt32(std::int32_t value);
  Plnx::ErrorStatus readInt64(std::int64_t* value);
  Plnx::ErrorStatus writeInt64(std::int64_t value);
  Plnx::ErrorStatus readUInt8(std::uint8_t* value);
  Plnx::ErrorStatus writeUInt8(std::uint8_t value);
  Plnx::ErrorStatus readUInt16(std::uint16_t* value);
  Plnx::ErrorStatus writeUInt16(std::uint16_t value);
  Plnx::ErrorStatus readUInt32(std::uint32_t* value);
  Plnx::ErrorStatus writeUInt32(std::uint32_t value);
  Plnx::ErrorStatus readUInt64(std::uint64_t* value);
  Plnx::ErrorStatus writeUInt64(std::uint64_t value);
  Plnx::ErrorStatus readDouble(double* value);
  Plnx::ErrorStatus writeDouble(double value);
  // The byte count must match what was written.
  Plnx::ErrorStatus readBytes(void* buffer, std::uint32_t count);
  Plnx::ErrorStatus writeBytes(const void* buffer, std::uint32_t count);
  // A string of UTF-16 code units with its length: one self-delimiting item.
  Plnx::ErrorStatus readString(std::u16string* value);
  Plnx::ErrorStatus writeString(std::u16string_view value);
  // The same item for a wide string, converted as host/utf16.h does.
  Plnx::ErrorStatus readWideString(std::wstring* value);
  Plnx::ErrorStatus writeWideString(std::wstring_view value);
  Plnx::ErrorStatus readPnDbHandle(PnDbHandle* value);
  Plnx::ErrorStatus writePnDbHandle(PnDbHandle value);
  Plnx::ErrorStatus readSoftPointerId(PnDbObjectId* id);
  Plnx::ErrorStatus writeSoftPointerId(PnDbObjectId id);
  Plnx::ErrorStatus readHardPointerId(PnDbObjectId* id);
  Plnx::ErrorStatus writeHardPointerId(PnDbObjectId id);
  Plnx::ErrorStatus readSoftOwnershipId(PnDbObjectId* id);
  Plnx::ErrorStatus writeSoftOwnershipId(PnDbObjectId id);
  Plnx::ErrorStatus readHardOwnershipId(PnDbObjectId* id);
  Plnx::ErrorStatus writeHardOwnershipId(PnDbObjectId id);

  enum class Item : std::uint8_t {
    kBool = 1, kInt8, kInt16, kInt32, kInt64, kUInt8, kUInt16, kUInt32, kDouble, kBytes, kString,
    kHandle, kSoftPointer, kHardPointer, kSoftOwnership, kHardOwnership, kUInt64,
  };

 protected:
  // Storage of tagged items; subclasses decide where bytes go and how ids map.
  virtual bool put(const void* bytes, std::size_t count) = 0;
  virtual bool get(void* bytes, std::size_t count) = 0;
  virtual std::size_t remaining() const = 0;
  virtual std::uint64_t idToWord(PnDbObjectId id, Item kind);
  virtual PnDbObjectId wordToId(std::uint64_t word, Item kind);
  // Whether put() only counts, so that wide strings need not be encoded.
  virtual bool counting() const { return false; }

  // Readers whose bytes lie in memory show the unread ones here: items are
  // then taken from them without the virtual calls of get() and remaining(),
  // which cost as much as the rest of reading a small item.
  void setInput(const std::uint8_t* next, const std::uint8_t* end) {
    m_next = next;
    m_end = end;
  }
  const std::uint8_t* m_next = nullptr;
  const std::uint8_t* m_end = nullptr;

 private:
  // The next `count` bytes: in the input when there is one, else got into
  // `scratch`; null, and nothing taken, when they are not all there.
  const std::uint8_t* take(std::size_t count, std::uint8_t* scratch);
  Plnx::ErrorStatus writeItem(Item kind, const void* bytes, std::size_t count);
  Plnx::ErrorStatus readItem(Item kind, void* bytes, std::size_t count);
  // The length item of a string; its units are then next, and are there.
  Plnx::ErrorStatus readStringLength(std::size_t& units);
  Plnx::ErrorStatus readId(Item kind, PnDbObjectId* id);
  Plnx::ErrorStatus writeId(Item kind, PnDbObjectId id);

  PnDb::FilerType m_type;
  PnDbDatabase* m_database;
  Plnx::ErrorStatus m_status = Plnx::eOk;
};

// A filer over a byte buffer. Ids are filed as handles of `database`, except
// for in-process copies (copy and clone filers), which keep the ids themselves.
class PnDbMemoryFiler : public PnDbDwgFiler {
 public:
  explicit PnDbMemoryFiler(PnDb::FilerType type = PnDb::kFileFiler, PnDbDatabase* database = nullptr)
      : PnDbDwgFiler(type, database) {}
  PnDbMemoryFiler(std::vector<std::uint8_t> bytes, PnDb::FilerType type, PnDbDatabase* database)
      : PnDbDwgFiler(type, database), m_bytes(std::move(bytes)) {
    rewind();
  }
  // A move keeps the buffer, and with it the input; a copy would not.
  PnDbMemoryFiler(PnDbMemoryFiler&&) = default;
  PnDbMemoryFiler& operator=(PnDbMemoryFiler&&) = default;

  const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
  std::vector<std::uint8_t> takeBytes();
  // Room for `bytes` bytes in all, made at once: an object that files much
  // counts them first (PnDbCountingFiler) rather than have the buffer grown
  // and copied as it fills.
  void reserve(std::size_t bytes);
  void rewind() { setInput(m_bytes.data(), m_bytes.data() + m_bytes.size()); }
  bool atEnd() const { return m_next == m_end; }

 protected:
  bool put(const void* bytes, std::size_t count) override;
  bool get(void* bytes, std::size_t count) override;
  std::size_t remaining() const override { return static_cast<std::size_t>(m_end - m_next); }
  std::uint64_t idToWord(PnDbObjectId id, Item kind) override;
  PnDbObjectId wordToId(std::uint64_t word, Item kind) override;

 private:
  bool keepsIds() const;
  std::vector<std::uint8_t> m_bytes;
};

// Keeps nothing and counts the bytes a memory filer would hold, or a few more:
// wide strings count as if every character took two UTF-16 units.
class PnDbCountingFiler : public PnDbDwgFiler {
 public:
  PnDbCountingFiler() : PnDbDwgFiler(PnDb::kFileFiler, nullptr) {}
  std::size_t count() const { return m_count; }

 protected:
  bool counting() const override { return true; }
  bool put(const void*, std::size_t count) override {
    m_count += count;
    return true;
  }
  bool get(void*, std::size_t) override { return false; }
  std::size_t remaining() const override { return 0; }

 private:
  std::size_t m_count = 0;
};

// Reads items in place from bytes it does not own, which must outlive it:
// the objects of a drawing file are read straight from the file's image.
class PnDbViewFiler : public PnDbDwgFiler {
 public:
  PnDbViewFiler(const std::uint8_t* bytes, std::size_t size, PnDbDatabase* database)
      : PnDbDwgFiler(PnDb::kFileFiler, database) {
    setInput(bytes, bytes + size);
  }

  bool atEnd() const { return m_next == m_end; }

 protected:
  bool put(const void*, std::size_t) override { return false; }
  bool get(void* bytes, std::size_t count) override;
  std::size_t remaining() const override { return static_cast<std::size_t>(m_end - m_next); }
};

// Writes nothing; collects every id an object files. Used to count references.
class PnDbIdCollectingFiler : public PnDbDwgFiler {
 public:
  explicit PnDbIdCollectingFiler(PnDbDatabase* database) : PnDbDwgFiler(PnDb::kIdFiler, database) {}
  struct Reference {
    PnDbObjectId id;
    Item kind;
  };
  const std::vector<Reference>& references() const { return m_references; }

 protected:
  bool put(const void*, std::size_t) override { return true; }
  bool get(void*, std::size_t) override { return false; }
  std::size_t remaining() const override { return 0; }
  std::uint64_t idToWord(PnDbObjectId id, Item kind) override;

 private:
  std::vector<Reference> m_references;
};
