// TxIAttribute and TxIData: typed access to data blocks whose layout the
// caller does not know.
//
// A data block (TxIData) hands out attributes by attribute identifier; an
// attribute (TxIAttribute) reads and writes its values by value identifier.
// Every access answers true only when the attribute is bound and knows the
// identifier for that type; text reads answer null instead. The bases answer
// false, null, 0 or -1 throughout, so a class overrides just the accessors
// of the types it holds.
//
// The order of the virtual operations is part of the interface (the
// destructor first), since the family's editors call them by position.
#pragma once

#include <cstdint>

#include "core/kovt_string.h"
#include "host/ids.h"

class TxIAttribute {
 public:
  virtual ~TxIAttribute() = default;

  virtual bool GetBool(int valueId, bool& value) const;
  virtual bool GetWChar(int valueId, wchar_t& value) const;
  virtual bool GetByte(int valueId, std::uint8_t& value) const;
  virtual bool GetShort(int valueId, std::int16_t& value) const;
  virtual bool GetUShort(int valueId, std::uint16_t& value) const;
  virtual bool GetUInt(int valueId, std::uint32_t& value) const;
  virtual bool GetInt64(int valueId, std::int64_t& value) const;
  virtual bool GetUInt64(int valueId, std::uint64_t& value) const;
  virtual bool GetFloat(int valueId, float& value) const;
  virtual bool GetObjectId(int valueId, PnDbObjectId& value) const;
  virtual bool GetHandle(int valueId, PnDbHandle& value) const;
  // The attribute's own text, valid while it stays bound and unchanged.
  virtual const wchar_t* GetText(int valueId) const;
  virtual bool GetString(int valueId, KOVTString& value) const;
  virtual bool GetDouble(int valueId, double& value) const;
  virtual bool GetInt(int valueId, std::int32_t& value) const;

  virtual bool SetBool(int valueId, bool value);
  virtual bool SetWChar(int valueId, wchar_t value);
  virtual bool SetByte(int valueId, std::uint8_t value);
  virtual bool SetShort(int valueId, std::int16_t value);
  virtual bool SetUShort(int valueId, std::uint16_t value);
  virtual bool SetUInt(int valueId, std::uint32_t value);
  virtual bool SetInt64(int valueId, std::int64_t value);
  virtual bool SetUInt64(int valueId, std::uint64_t value);
  virtual bool SetFloat(int valueId, float value);
  // False for a null text.
  virtual bool SetText(int valueId, const wchar_t* value);
  virtual bool SetDouble(int valueId, double value);
  virtual bool SetInt(int valueId, std::int32_t value);
  virtual bool SetObjectId(int valueId, PnDbObjectId value);
};

class TxIData {
 public:
  virtual ~TxIData() = default;

  // What kind of block this is; -1 when it does not say.
  virtual int GetDataId() const;
  // The attribute identifiers the block answers, by position.
  virtual int GetAttributeCount() const;
  virtual int GetAttributeId(int position) const;
  // The attribute of an identifier, bound to this block, or null. The block
  // owns it; `index` tells apart repeated attributes of one identifier.
  virtual TxIAttribute* GetAttribute(int attributeId, int index = 0);

  // The accessors of TxIAttribute, through GetAttribute(attributeId).
  virtual bool GetAttrBool(int attributeId, int valueId, bool& value);
  virtual bool GetAttrWChar(int attributeId, int valueId, wchar_t& value);
  virtual bool GetAttrByte(int attributeId, int valueId, std::uint8_t& value);
  virtual bool GetAttrShort(int attributeId, int valueId, std::int16_t& value);
  virtual bool GetAttrUShort(int attributeId, int valueId, std::uint16_t& value);
  virtual bool GetAttrUInt(int attributeId, int valueId, std::uint32_t& value);
  virtual bool GetAttrInt64(int attributeId, int valueId, std::int64_t& value);
  virtual bool GetAttrUInt64(int attributeId, int valueId, std::uint64_t& value);
  virtual bool GetAttrFloat(int attributeId, int valueId, float& value);
  virtual bool GetAttrObjectId(int attributeId, int valueId, PnDbObjectId& value);
  virtual bool GetAttrHandle(int attributeId, int valueId, PnDbHandle& value);
  virtual const wchar_t* GetAttrText(int attributeId, int valueId);
  virtual bool GetAttrString(int attributeId, int valueId, KOVTString& value);
  virtual bool GetAttrDouble(int attributeId, int valueId, double& value);
  virtual bool GetAttrInt(int attributeId, int valueId, std::int32_t& value);

  virtual bool SetAttrBool(int attributeId, int valueId, bool value);
  virtual bool SetAttrWChar(int attributeId, int valueId, wchar_t value);
  virtual bool SetAttrByte(int attributeId, int valueId, std::uint8_t value);
  virtual bool SetAttrShort(int attributeId, int valueId, std::int16_t value);
  virtual bool SetAttrUShort(int attributeId, int valueId, std::uint16_t value);
  virtual bool SetAttrUInt(int attributeId, int valueId, std::uint32_t value);
  virtual bool SetAttrInt64(int attributeId, int valueId, std::int64_t value);
  virtual bool SetAttrUInt64(int attributeId, int valueId, std::uint64_t value);
  virtual bool SetAttrFloat(int attributeId, int valueId, float value);
  virtual bool SetAttrText(int attributeId, int valueId, const wchar_t* value);
  virtual bool SetAttrDouble(int attributeId, int valueId, double value);
  virtual bool SetAttrInt(int attributeId, int valueId, std::int32_t value);
  virtual bool SetAttrObjectId(int attributeId, int valueId, PnDbObjectId value);
};
