// KoVTPrjReg::TRegistry: the scoped access to the project registry of a
// drawing, in the style of an operating-system registry API.
//
//   KoVTPrjReg::TRegistry registry(settingsDictionary);
//   if (registry.OpenKey(L"\\\\Standard", true)) registry.WriteInteger(L"Version", 1);
//
// Construction finds the dictionary's "KoVT_ProjectRegistryKeeper" entry (or
// adds a new keeper) and holds the keeper open until destruction; a new
// keeper the dictionary cannot take (not open for write) serves in memory. Paths are
// split at backslashes and always start at the root key ("HKEY_CONFIG"
// unless SetRootKey chose another): one leading backslash starts below the
// root, two leading backslashes name a key inside a key with the empty name,
// and a path without backslash is one key of exactly that name. Reads fail
// softly: false, and the output left untouched, when no key is open or the
// value is missing or of another kind.
#pragma once

#include <cstdint>
#include <memory>

#include "core/kovt_string.h"
#include "host/ids.h"
#include "registry/registry_keeper.h"
#include "registry/registry_key.h"

class PnDbDictionary;
// Presentation structures of the formwork settings (jobsettings/presentation.h).
struct XOUTLINE;
struct XSECTION;
struct XENDING;
struct XOutlineMode_ByElementType;
struct XHatchMode_ByElementType;

namespace KoVTPrjReg {

using TAccessRight = std::uint32_t;
constexpr TAccessRight kReadWrite = 31;
// Opens the keeper for read; writes still reach the in-memory tree.
constexpr TAccessRight kReadOnly = 7;

constexpr std::uint32_t kConfigRootId = 0x80000001;   // "HKEY_CONFIG", the default root
constexpr std::uint32_t kDynDataRootId = 0x80000002;  // "HKEY_DYN_DATA"

class TRegistry {
 public:
  // On `dictionary`, or on the application root of the working database when
  // null. Throws KoVT::EProjectRegistry when the keeper class is not registered.
  explicit TRegistry(PnDbDictionary* dictionary = nullptr, TAccessRight access = kReadWrite);
  // Closes the keeper until the host reports the final close.
  ~TRegistry();
  // Both objects then share the open keeper; destroying either closes it.
  TRegistry(const TRegistry& other) = default;
  TRegistry& operator=(const TRegistry& other) = default;

  PnDbObjectId GetId() const;
  bool IsValid() const { return m_currentKey != nullptr; }
  TAccessRight GetAccess() const { return m_access; }
  void SetAccess(TAccessRight access) { m_access = access; }
  TKey* GetCurrentKey() const { return m_currentKey; }
  TKey* GetRootKey() const { return m_rootKey; }

  // The keeper's roots; null without a keeper.
  TKeyMap* RootKeys() const;
  TKey* FindRootKey(const KOVTString& name) const;
  TKey* CreateRootKey(const KOVTString& name);
  TKey* CreateSubKey(TKey* parent, const KOVTString& name);
  // Chooses the root (and current key) by id; unknown ids change nothing.
  void SetRootKey(std::uint32_t id);

  bool OpenKey(const KOVTString& path, bool create);
  bool KeyExists(const KOVTString& path);
  // Removes the key with its subtree; a missing path destroys nothing. Always true.
  bool DestroyKey(const KOVTString& path);
  void RenameKey(const KOVTString& path, const KOVTString& newName);
  // Kept for callers of the operating-system style API; they do nothing.
  bool OpenKeyReadOnly(const KOVTString&) { return false; }
  bool CreateKey(const KOVTString&) { return false; }
  void CloseKey() {}

  bool ReadInteger(const wchar_t* name, int& value) const;
  bool ReadInteger(const wchar_t* name, long& value) const;
  bool ReadBool(const wchar_t* name, bool& value) const;
  bool ReadFloat(const wchar_t* name, double& value) const;
  bool ReadString(const wchar_t* name, KOVTString& value) const;
  bool ReadObjectId(const wchar_t* name, PnDbObjectId& value) const;
  bool ReadHandle(const wchar_t* name, PnDbHandle& value) const;
  // Releases a non-null `buffer` (array delete), then hands the caller a new
  // array-new buffer with the bytes.
  bool ReadBinaryData(const wchar_t* name, std::uint8_t*& buffer, int& size) const;

  // Replace any value of that name, whatever its kind.
  bool WriteInteger(const wchar_t* name, int value);
  bool WriteBool(const wchar_t* name, bool value);
  bool WriteFloat(const wchar_t* name, double value);
  bool WriteString(const wchar_t* name, const KOVTString& value);
  bool WriteObjectId(const wchar_t* name, const PnDbObjectId& value);
  bool WriteHandle(const wchar_t* name, const PnDbHandle& value);
  bool WriteBinaryData(const wchar_t* name, const std::uint8_t* data, int size);

  // Read into `value` when `read`, else write it.
  bool RWBool(bool read, const wchar_t* name, bool& value);
  bool RWInteger(bool read, const wchar_t* name, long& value);
  bool RWFloat(bool read, const wchar_t* name, double& value);
  bool RWString(bool read, const wchar_t* name, KOVTString& value);
  bool RWObjectId(bool read, const wchar_t* name, PnDbObjectId& value);

  // True whenever a key is open, whether or not the value existed.
  bool RenameValue(const wchar_t* oldName, const wchar_t* newName);
  bool DeleteValue(const wchar_t* name);

  // Presentation structures (jobsettings/presentation.h): read when bRead, else write; true when all fields filed.
  bool RWXOutlineSturcture(bool bRead, KOVTString prefix, XOUTLINE& outline);
  bool RWXSectionSturcture(bool bRead, std::int32_t version, KOVTString prefix, XSECTION& section);
  bool RWXEndingStructure(bool bRead, KOVTString prefix, XENDING& ending);
  bool RWXOutlineMode_ByElementTypeSturcture(bool bRead, KOVTString prefix, XOutlineMode_ByElementType& modes);
  bool RWXHatchMode_ByElementTypeSturcture(bool bRead, KOVTString prefix, XHatchMode_ByElementType& modes);

 private:
  class TKeyPath;
  template <class Value>
  const Value* FindTyped(const wchar_t* name) const;
  // Reads a value stored as `Stored` into `value`; false when there is none.
  template <class Stored, class Value>
  bool ReadTyped(const wchar_t* name, Value& value) const;
  bool SetValue(const wchar_t* name, TValue* value);

  KoVTPrjRegistryKeeper* m_keeper = nullptr;
  TKey* m_currentKey = nullptr;
  TAccessRight m_access = kReadWrite;
  TKey* m_rootKey = nullptr;
  // Set when the dictionary would not take a new keeper: the registry then
  // lives in memory only, and the keeper goes with the last copy.
  std::shared_ptr<KoVTPrjRegistryKeeper> m_looseKeeper;
};

}  // namespace KoVTPrjReg
