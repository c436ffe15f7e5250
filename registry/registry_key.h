// A key of the project registry: named sub-keys and named, typed values.
//
// Sub-keys and values are both ordered by KOVTString's less-than, which is
// also the order of the names lists and of the filed form. A key may hold a
// sub-key and a value of the same name. A key owns everything below it;
// operations named Remove hand ownership to the caller, Destroy and Delete delete.
//
// Trees are walked without recursion (destroying, filing, copying), so a key
// nested a million deep, as a hostile drawing may hold, cannot exhaust the stack.
// The sub-key map and the value list are made when first needed: most keys of
// a big registry lack one of them or both, and an empty key then costs two pointers.
#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "core/kovt_string.h"
#include "core/string_list.h"
#include "host/filer.h"
#include "registry/registry_value.h"
#include "registry/value_list.h"

namespace KoVTPrjReg {

class TKey;
using TKeyMap = std::map<KOVTString, std::unique_ptr<TKey>>;
// Iterated as a map of names to values; see value_list.h for what moves when.
using TValueMap = TValueList;

struct TKeyInfo {
  std::int32_t NumSubKeys = 0;
  std::int32_t MaxSubKeyLen = -1;
  std::int32_t NumValues = 0;
  std::int32_t MaxValueLen = -1;
  std::int32_t MaxDataLen = -1;
};

struct TDataInfo {
  std::int32_t DataType = kNoValue;
  std::int32_t DataSize = -1;
};

class TKey {
 public:
  TKey() = default;
  // A member-wise copy would share the owned objects.
  TKey(const TKey&) = delete;
  TKey& operator=(const TKey&) = delete;
  // Deletes the values, then the sub-keys with their subtrees.
  ~TKey();
  // A copy of the key with everything below it.
  std::unique_ptr<TKey> Clone() const;

  // Sub-keys.
  TKey* FindSubKey(const KOVTString& name);
  const TKey* FindSubKey(const KOVTString& name) const;
  // The existing sub-key of that name, or a new empty one.
  TKey* CreateSubKey(const KOVTString& name);
  // False, and the given key is deleted, when the name is taken or the key is null.
  bool AddSubKey(const KOVTString& name, std::unique_ptr<TKey> key);
  // Null when absent.
  std::unique_ptr<TKey> RemoveSubKey(const KOVTString& name);
  void DestroySubKey(const KOVTString& name);
  // Nothing happens when `oldName` is absent. When `newName` is taken, the key
  // there stays and the moved one is destroyed.
  void RenameSubKey(const KOVTString& oldName, const KOVTString& newName);
  bool HasSubKeys() const { return m_subKeys != nullptr && !m_subKeys->empty(); }
  // Appends the sub-key names in order; a null list does nothing.
  void GetKeyNames(KoVT::Core::TStringList* list) const;
  const TKeyMap& SubKeys() const;

  // Values. Looking a name up takes constant time, however many the key holds.
  TValue* FindValue(const wchar_t* name);
  const TValue* FindValue(const wchar_t* name) const;
  bool ValueExists(const wchar_t* name) const { return FindValue(name) != nullptr; }
  // Takes the value, replacing (and deleting) one of the same name whatever
  // its type. False for a null value.
  bool SetValue(const KOVTString& name, std::unique_ptr<TValue> value);
  // Null when absent.
  std::unique_ptr<TValue> RemoveValue(const KOVTString& name);
  void DeleteValue(const KOVTString& name);
  // Nothing happens when `oldName` is absent. When `newName` is taken, the
  // value there stays and the moved one is deleted.
  void RenameValue(const KOVTString& oldName, const KOVTString& newName);
  // Appends the value names in order; a null list does nothing.
  void GetValueNames(KoVT::Core::TStringList* list) const;
  const TValueMap& Values() const;

  // The counts; the maximum lengths are not computed (-1).
  void GetKeyInfo(TKeyInfo& info) const;
  // Does not look the value up: always type 0, size -1 and false.
  bool GetDataInfo(const KOVTString& name, TDataInfo& info) const;

  // The key record: the values block, then the sub-keys, each with its record.
  // Reading adds to what the key holds: a name already present keeps its
  // entry. A failing read keeps what was complete before it and answers the
  // status; an unknown value tag is eWrongObjectType.
  Plnx::ErrorStatus DwgInFields(PnDbDwgFiler* filer);
  Plnx::ErrorStatus DwgOutFields(PnDbDwgFiler* filer) const;
  // The values block alone: the count, then name, tag and payload of each.
  Plnx::ErrorStatus DwgInValues(PnDbDwgFiler* filer);
  Plnx::ErrorStatus DwgOutValues(PnDbDwgFiler* filer) const;

  void DestroyValues();
  void DestroySubKeys();

 private:
  // Reads straight into the sub-key maps of the keys it builds.
  friend Plnx::ErrorStatus DwgInKeyList(PnDbDwgFiler* filer, TKeyMap& keys);

  // The containers, made when missing.
  TKeyMap& SubKeyMap();
  TValueList& ValueList();

  std::unique_ptr<TKeyMap> m_subKeys;
  std::unique_ptr<TValueList> m_values;
};

}  // namespace KoVTPrjReg
