#include "units/tx_data.h"

#include <utility>

bool TxIAttribute::GetBool(int, bool&) const { return false; }
bool TxIAttribute::GetWChar(int, wchar_t&) const { return false; }
bool TxIAttribute::GetByte(int, std::uint8_t&) const { return false; }
bool TxIAttribute::GetShort(int, std::int16_t&) const { return false; }
bool TxIAttribute::GetUShort(int, std::uint16_t&) const { return false; }
bool TxIAttribute::GetUInt(int, std::uint32_t&) const { return false; }
bool TxIAttribute::GetInt64(int, std::int64_t&) const { return false; }
bool TxIAttribute::GetUInt64(int, std::uint64_t&) const { return false; }
bool TxIAttribute::GetFloat(int, float&) const { return false; }
bool TxIAttribute::GetObjectId(int, PnDbObjectId&) const { return false; }
bool TxIAttribute::GetHandle(int, PnDbHandle&) const { return false; }
const wchar_t* TxIAttribute::GetText(int) const { return nullptr; }
bool TxIAttribute::GetString(int, KOVTString&) const { return false; }
bool TxIAttribute::GetDouble(int, double&) const { return false; }
bool TxIAttribute::GetInt(int, std::int32_t&) const { return false; }

bool TxIAttribute::SetBool(int, bool) { return false; }
bool TxIAttribute::SetWChar(int, wchar_t) { return false; }
bool TxIAttribute::SetByte(int, std::uint8_t) { return false; }
bool TxIAttribute::SetShort(int, std::int16_t) { return false; }
bool TxIAttribute::SetUShort(int, std::uint16_t) { return false; }
bool TxIAttribute::SetUInt(int, std::uint32_t) { return false; }
bool TxIAttribute::SetInt64(int, std::int64_t) { return false; }
bool TxIAttribute::SetUInt64(int, std::uint64_t) { return false; }
bool TxIAttribute::SetFloat(int, float) { return false; }
bool TxIAttribute::SetText(int, const wchar_t*) { return false; }
bool TxIAttribute::SetDouble(int, double) { return false; }
bool TxIAttribute::SetInt(int, std::int32_t) { return false; }
bool TxIAttribute::SetObjectId(int, PnDbObjectId) { return false; }

namespace {

// Calls `access` on the block's attribute; false (or null) without one.
template <class Access, class... Args>
auto Forward(TxIData& data, int attributeId, Access access, Args&&... args) {
  using Result = decltype((std::declval<TxIAttribute&>().*access)(std::forward<Args>(args)...));
  TxIAttribute* attribute = data.GetAttribute(attributeId);
  return attribute != nullptr ? (attribute->*access)(std::forward<Args>(args)...) : Result{};
}

}  // namespace

int TxIData::GetDataId() const { return -1; }
int TxIData::GetAttributeCount() const { return 0; }
int TxIData::GetAttributeId(int) const { return -1; }
TxIAttribute* TxIData::GetAttribute(int, int) { return nullptr; }

// clang-format off
bool TxIData::GetAttrBool(int a, int v, bool& x) { return Forward(*this, a, &TxIAttribute::GetBool, v, x); }
bool TxIData::GetAttrWChar(int a, int v, wchar_t& x) { return Forward(*this, a, &TxIAttribute::GetWChar, v, x); }
bool TxIData::GetAttrByte(int a, int v, std::uint8_t& x) { return Forward(*this, a, &TxIAttribute::GetByte, v, x); }
bool TxIData::GetAttrShort(int a, int v, std::int16_t& x) { return Forward(*this, a, &TxIAttribute::GetShort, v, x); }
bool TxIData::GetAttrUShort(int a, int v, std::uint16_t& x) { return Forward(*this, a, &TxIAttribute::GetUShort, v, x); }
bool TxIData::GetAttrUInt(int a, int v, std::uint32_t& x) { return Forward(*this, a, &TxIAttribute::GetUInt, v, x); }
bool TxIData::GetAttrInt64(int a, int v, std::int64_t& x) { return Forward(*this, a, &TxIAttribute::GetInt64, v, x); }
bool TxIData::GetAttrUInt64(int a, int v, std::uint64_t& x) { return Forward(*this, a, &TxIAttribute::GetUInt64, v, x); }
bool TxIData::GetAttrFloat(int a, int v, float& x) { return Forward(*this, a, &TxIAttribute::GetFloat, v, x); }
bool TxIData::GetAttrObjectId(int a, int v, PnDbObjectId& x) { return Forward(*this, a, &TxIAttribute::GetObjectId, v, x); }
bool TxIData::GetAttrHandle(int a, int v, PnDbHandle& x) { return Forward(*this, a, &TxIAttribute::GetHandle, v, x); }
const wchar_t* TxIData::GetAttrText(int a, int v) { return Forward(*this, a, &TxIAttribute::GetText, v); }
bool TxIData::GetAttrString(int a, int v, KOVTString& x) { return Forward(*this, a, &TxIAttribute::GetString, v, x); }
bool TxIData::GetAttrDouble(int a, int v, double& x) { return Forward(*this, a, &TxIAttribute::GetDouble, v, x); }
bool TxIData::GetAttrInt(int a, int v, std::int32_t& x) { return Forward(*this, a, &TxIAttribute::GetInt, v, x); }

bool TxIData::SetAttrBool(int a, int v, bool x) { return Forward(*this, a, &TxIAttribute::SetBool, v, x); }
bool TxIData::SetAttrWChar(int a, int v, wchar_t x) { return Forward(*this, a, &TxIAttribute::SetWChar, v, x); }
bool TxIData::SetAttrByte(int a, int v, std::uint8_t x) { return Forward(*this, a, &TxIAttribute::SetByte, v, x); }
bool TxIData::SetAttrShort(int a, int v, std::int16_t x) { return Forward(*this, a, &TxIAttribute::SetShort, v, x); }
bool TxIData::SetAttrUShort(int a, int v, std::uint16_t x) { return Forward(*this, a, &TxIAttribute::SetUShort, v, x); }
bool TxIData::SetAttrUInt(int a, int v, std::uint32_t x) { return Forward(*this, a, &TxIAttribute::SetUInt, v, x); }
bool TxIData::SetAttrInt64(int a, int v, std::int64_t x) { return Forward(*this, a, &TxIAttribute::SetInt64, v, x); }
bool TxIData::SetAttrUInt64(int a, int v, std::uint64_t x) { return Forward(*this, a, &TxIAttribute::SetUInt64, v, x); }
bool TxIData::SetAttrFloat(int a, int v, float x) { return Forward(*this, a, &TxIAttribute::SetFloat, v, x); }
bool TxIData::SetAttrText(int a, int v, const wchar_t* x) { return Forward(*this, a, &TxIAttribute::SetText, v, x); }
bool TxIData::SetAttrDouble(int a, int v, double x) { return Forward(*this, a, &TxIAttribute::SetDouble, v, x); }
bool TxIData::SetAttrInt(int a, int v, std::int32_t x) { return Forward(*this, a, &TxIAttribute::SetInt, v, x); }
bool TxIData::SetAttrObjectId(int a, int v, PnDbObjectId x) { return Forward(*this, a, &TxIAttribute::SetObjectId, v, x); }
// clang-format on
