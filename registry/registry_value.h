// The typed values of the project registry.
//
// Every value knows its type tag and files its own payload; the tag and the
// name are filed by the key that holds it (registry_key.h). A value is
// immutable once made: writers replace a value by a new one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#include "core/kovt_string.h"
#include "host/filer.h"
#include "host/ids.h"

namespace KoVTPrjReg {

// Type tags as filed; kNoValue stands for the absence of a value.
enum TDataType : std::int32_t {
  kNoValue = 0,
  kIntegerValue = 1,  // also booleans, as 0 or 1
  kFloatValue = 2,
  kStringValue = 3,
  kBinaryValue = 4,
  kObjectIdValue = 5,
  kHandleValue = 6,
};

class TValueArena;

class TValue {
 public:
  TValue() = default;
  TValue(const TValue&) = delete;
  TValue& operator=(const TValue&) = delete;
  virtual ~TValue() = default;
  // A value made in an arena only ends its life here; the arena frees the memory.
  void operator delete(TValue* value, std::destroying_delete_t);

  virtual TDataType GetDataType() const = 0;
  virtual std::int32_t GetDataSize() const = 0;
  // A value of the same class holding the same data.
  virtual std::unique_ptr<TValue> Clone() const = 0;
  // The payload only. The base files nothing and answers the filer status.
  virtual Plnx::ErrorStatus DwgInFields(PnDbDwgFiler* filer);
  virtual Plnx::ErrorStatus DwgOutFields(PnDbDwgFiler* filer) const;

  bool InArena() const { return m_inArena; }

 private:
  friend class TValueArena;
  bool m_inArena = false;
};

// An empty value of the tag's class, as reading starts it; null for an unknown tag.
std::unique_ptr<TValue> CreateEmptyValue(std::int32_t tag);

// Memory for the values a key reads from a file, taken a block at a time and
// freed all at once: a heap block per value cost as much as reading it. The
// arena must outlive its values.
class TValueArena {
 public:
  // As CreateEmptyValue, in the arena.
  std::unique_ptr<TValue> CreateEmptyValue(std::int32_t tag);

 private:
  void* Allocate(std::size_t size);

  std::vector<std::unique_ptr<std::byte[]>> m_blocks;
  std::byte* m_next = nullptr;
  std::size_t m_left = 0;
};

// A value of fixed size filed as one item by the filer operations Read and Write.
template <class T, TDataType Tag, std::int32_t Size, Plnx::ErrorStatus (PnDbDwgFiler::*Read)(T*),
          Plnx::ErrorStatus (PnDbDwgFiler::*Write)(T)>
class TScalarValue : public TValue {
 public:
  explicit TScalarValue(T value) : m_value(value) {}
  const T& GetValue() const { return m_value; }
  void SetValue(const T& value) { m_value = value; }

  TDataType GetDataType() const override { return Tag; }
  std::int32_t GetDataSize() const override { return Size; }
  std::unique_ptr<TValue> Clone() const override {
    std::unique_ptr<TValue> copy = CreateEmptyValue(Tag);  // of the final class of this tag
    static_cast<TScalarValue&>(*copy).m_value = m_value;
    return copy;
  }
  Plnx::ErrorStatus DwgInFields(PnDbDwgFiler* filer) override {
    if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
    return (filer->*Read)(&m_value);
  }
  Plnx::ErrorStatus DwgOutFields(PnDbDwgFiler* filer) const override {
    if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
    return (filer->*Write)(m_value);
  }

 private:
  T m_value;
};

class TIntValue final : public TScalarValue<std::int32_t, kIntegerValue, 4, &PnDbDwgFiler::readInt32,
                                            &PnDbDwgFiler::writeInt32> {
 public:
  TIntValue() : TScalarValue(0) {}
  using TScalarValue::TScalarValue;
};

class TFloatValue final
    : public TScalarValue<double, kFloatValue, 8, &PnDbDwgFiler::readDouble, &PnDbDwgFiler::writeDouble> {
 public:
  TFloatValue() : TScalarValue(0.0) {}
  using TScalarValue::TScalarValue;
};

// Filed as a non-owning reference, so it survives a save as long as its object does.
class TObjIdValue final : public TScalarValue<PnDbObjectId, kObjectIdValue, 8, &PnDbDwgFiler::readSoftPointerId,
                                              &PnDbDwgFiler::writeSoftPointerId> {
 public:
  TObjIdValue() : TScalarValue(PnDbObjectId()) {}
  using TScalarValue::TScalarValue;
};

class THandleValue final : public TScalarValue<PnDbHandle, kHandleValue, 8, &PnDbDwgFiler::readPnDbHandle,
                                               &PnDbDwgFiler::writePnDbHandle> {
 public:
  // The handle a value holds until it is read from a file.
  static constexpr PnDbHandle kUnread{0xFFFFFFFF};
  THandleValue() : TScalarValue(kUnread) {}
  using TScalarValue::TScalarValue;
};

class TStringValue final : public TValue {
 public:
  TStringValue() = default;
  explicit TStringValue(const KOVTString& value) : m_value(value) {}
  const KOVTString& GetValue() const { return m_value; }

  TDataType GetDataType() const override { return kStringValue; }
  std::unique_ptr<TValue> Clone() const override { return std::make_unique<TStringValue>(m_value); }
  // In characters.
  std::int32_t GetDataSize() const override { return m_value.GetLength(); }
  Plnx::ErrorStatus DwgInFields(PnDbDwgFiler* filer) override;
  Plnx::ErrorStatus DwgOutFields(PnDbDwgFiler* filer) const override;

 private:
  KOVTString m_value;
};

class TBinaryValue final : public TValue {
 public:
  TBinaryValue() = default;
  // Copies `count` bytes; a null buffer or a negative count makes an empty value.
  TBinaryValue(const void* bytes, std::int32_t count);
  // Null when empty.
  const std::uint8_t* GetData() const { return m_bytes.empty() ? nullptr : m_bytes.data(); }

  TDataType GetDataType() const override { return kBinaryValue; }
  std::unique_ptr<TValue> Clone() const override { return std::make_unique<TBinaryValue>(GetData(), GetDataSize()); }
  // In bytes.
  std::int32_t GetDataSize() const override { return static_cast<std::int32_t>(m_bytes.size()); }
  // A byte count the filer cannot hold fails before anything is allocated.
  Plnx::ErrorStatus DwgInFields(PnDbDwgFiler* filer) override;
  Plnx::ErrorStatus DwgOutFields(PnDbDwgFiler* filer) const override;

 private:
  std::vector<std::uint8_t> m_bytes;
};

}  // namespace KoVTPrjReg
