#include "registry/registry_access.h"

#include <cstring>
#include <type_traits>

#include "core/db_helpers.h"
#include "dictionaries/dict_tree.h"
#include "host/host.h"
#include "registry/project_registry_error.h"

namespace KoVTPrjReg {

namespace {

constexpr const wchar_t* kConfigRoot = L"HKEY_CONFIG";
constexpr const wchar_t* kDynDataRoot = L"HKEY_DYN_DATA";

PnDb::OpenMode KeeperMode(TAccessRight access) { return access == kReadOnly ? PnDb::kForRead : PnDb::kForWrite; }

// The working database's application root, created when missing, open for read.
PnDbDictionary* OpenWorkingAppRoot() {
  PnDbDatabase* database = KoVTCoreAPI::WorkingDatabase();
  PnDbDictionary* root = GetAppRootDict(database, PnDb::kForRead, false);
  if (root != nullptr) return root;
  PnDbDictionary* created = GetAppRootDict(database, PnDb::kForWrite, true);
  if (created == nullptr) return nullptr;
  created->close();
  return GetAppRootDict(database, PnDb::kForRead, false);
}

// The dictionary's keeper, or a new one added to it. A new keeper the
// dictionary would not take comes back in `loose`, owned by the caller.
KoVTPrjRegistryKeeper* FindOrAddKeeper(PnDbDictionary* dictionary, TAccessRight access,
                                       std::unique_ptr<KoVTPrjRegistryKeeper>& loose) {
  PnDbObject* object = nullptr;
  Plnx::ErrorStatus es = dictionary->getAt(kRegistryKeeperEntry, object, KeeperMode(access));
  if (es == Plnx::eOk) {
    if (KoVTPrjRegistryKeeper* keeper = KoVTPrjRegistryKeeper::cast(object)) return keeper;
    object->close();  // a foreign object under the name is neither used as a keeper nor replaced
    return nullptr;
  }
  if (es != Plnx::eKeyNotFound) return nullptr;
  bool upgraded = false;
  if (!dictionary->isWriteEnabled()) upgraded = dictionary->upgradeOpen() == Plnx::eOk;
  auto keeper = std::make_unique<KoVTPrjRegistryKeeper>();
  PnDbObjectId id;
  bool added = (access == kReadOnly || dictionary->isWriteEnabled()) &&
               dictionary->setAt(kRegistryKeeperEntry, keeper.get(), id) == Plnx::eOk;
  if (upgraded) dictionary->downgradeOpen();
  if (added) return keeper.release();
  loose = std::move(keeper);
  return loose.get();
}

}  // namespace

// Walks a backslash path one segment per Step (see the header for the rules).
class TRegistry::TKeyPath {
 public:
  TKeyPath(const TRegistry& registry, const KOVTString& path)
      : m_path(path.c_str()), m_registry(registry), m_current(registry.m_rootKey) {}

  bool Finished() const { return m_position >= static_cast<long>(m_path.size()); }
  TKey* Parent() const { return m_parent; }
  const KOVTString& Segment() const { return m_segment; }

  // The key of the next segment, or null when it is missing.
  TKey* Step() {
    bool amongRoots = false;
    long start;
    if (m_position < 0) {
      std::size_t first = m_path.find(L'\\');
      long backslash = first == std::wstring::npos ? -1 : static_cast<long>(first);
      amongRoots = backslash > 0;
      start = backslash + 1;
    } else {
      start = m_position + 1;
    }
    std::size_t end = m_path.find(L'\\', static_cast<std::size_t>(start));
    if (end == std::wstring::npos) end = m_path.size();
    m_segment = KOVTString(m_path.substr(static_cast<std::size_t>(start), end - static_cast<std::size_t>(start)).c_str());
    m_position = static_cast<long>(end);

    TKey* found = nullptr;
    if (amongRoots)
      found = m_registry.FindRootKey(m_segment);
    else if (m_current != nullptr)
      found = m_current->FindSubKey(m_segment);
    m_notFound = found == nullptr;
    if (found != nullptr) Descend(found);
    return found;
  }

  TKey* CreateMissing() {
    if (!m_notFound || m_current == nullptr) return nullptr;
    Descend(m_current->CreateSubKey(m_segment));
    return m_current;
  }

 private:
  void Descend(TKey* key) {
    m_parent = m_current;
    m_current = key;
  }

  std::wstring m_path;
  KOVTString m_segment;
  long m_position = -1;
  const TRegistry& m_registry;
  TKey* m_current;
  TKey* m_parent = nullptr;
  bool m_notFound = false;
};

TRegistry::TRegistry(PnDbDictionary* dictionary, TAccessRight access) : m_access(access) {
  if (KoVTPrjRegistryKeeper::desc() == nullptr)
    throw KoVT::EProjectRegistry(L"Registration of KoVTPrjRegistryKeeper required");
  bool ownDictionary = dictionary == nullptr;
  if (ownDictionary) dictionary = OpenWorkingAppRoot();
  if (dictionary == nullptr) return;
  std::unique_ptr<KoVTPrjRegistryKeeper> loose;
  m_keeper = FindOrAddKeeper(dictionary, access, loose);
  m_looseKeeper = std::move(loose);
  // Only what this object opened is closed here: the caller closes its own dictionary.
  if (ownDictionary) dictionary->close();
  if (m_keeper == nullptr) return;
  if (access == kReadOnly)
    m_keeper->assertReadEnabled();
  else
    m_keeper->assertWriteEnabled(false, false);
  m_rootKey = CreateRootKey(kConfigRoot);
  CreateRootKey(kDynDataRoot);
}

TRegistry::~TRegistry() {
  // A keeper outside the database is not opened; its last sharer frees it.
  if (m_keeper == nullptr || m_looseKeeper != nullptr || !m_keeper->isReadEnabled()) return;
  while (!m_keeper->isReallyClosing() && m_keeper->isReadEnabled()) m_keeper->close();
  if (m_keeper->isReadEnabled()) m_keeper->close();
}

PnDbObjectId TRegistry::GetId() const { return m_keeper != nullptr ? m_keeper->objectId() : PnDbObjectId(); }

TKeyMap* TRegistry::RootKeys() const { return m_keeper != nullptr ? &m_keeper->RootKeys() : nullptr; }

TKey* TRegistry::FindRootKey(const KOVTString& name) const {
  return m_keeper != nullptr ? m_keeper->FindRootKey(name) : nullptr;
}

TKey* TRegistry::CreateRootKey(const KOVTString& name) {
  return m_keeper != nullptr ? m_keeper->CreateRootKey(name) : nullptr;
}

TKey* TRegistry::CreateSubKey(TKey* parent, const KOVTString& name) {
  return parent != nullptr ? parent->CreateSubKey(name) : nullptr;
}

void TRegistry::SetRootKey(std::uint32_t id) {
  const wchar_t* name = id == kConfigRootId ? kConfigRoot : id == kDynDataRootId ? kDynDataRoot : nullptr;
  TKey* root = name != nullptr ? FindRootKey(name) : nullptr;
  if (root == nullptr) return;
  m_rootKey = root;
  m_currentKey = root;
}

bool TRegistry::OpenKey(const KOVTString& path, bool create) {
  TKeyPath walk(*this, path);
  while (!walk.Finished()) {
    TKey* key = walk.Step();
    if (key == nullptr && create) key = walk.CreateMissing();
    m_currentKey = key;
    if (key == nullptr) return false;
  }
  return true;
}

bool TRegistry::KeyExists(const KOVTString& path) {
  TKeyPath walk(*this, path);
  while (!walk.Finished())
    if (walk.Step() == nullptr) return false;
  return true;
}

bool TRegistry::DestroyKey(const KOVTString& path) {
  TKeyPath walk(*this, path);
  while (!walk.Finished())
    if (walk.Step() == nullptr) return true;
  if (walk.Parent() != nullptr) walk.Parent()->DestroySubKey(walk.Segment());
  return true;
}

void TRegistry::RenameKey(const KOVTString& path, const KOVTString& newName) {
  TKeyPath walk(*this, path);
  while (!walk.Finished())
    if (walk.Step() == nullptr) return;
  if (walk.Parent() != nullptr) walk.Parent()->RenameSubKey(walk.Segment(), newName);
}

template <class Value>
const Value* TRegistry::FindTyped(const wchar_t* name) const {
  if (m_currentKey == nullptr || name == nullptr) return nullptr;
  return dynamic_cast<const Value*>(m_currentKey->FindValue(name));
}

template <class Stored, class Value>
bool TRegistry::ReadTyped(const wchar_t* name, Value& value) const {
  const Stored* found = FindTyped<Stored>(name);
  if (found == nullptr) return false;
  // A boolean is stored as an integer: any other than 0 is true.
  if constexpr (std::is_same_v<Value, bool>) value = found->GetValue() != 0;
  else value = found->GetValue();
  return true;
}

bool TRegistry::ReadInteger(const wchar_t* name, int& value) const { return ReadTyped<TIntValue>(name, value); }
bool TRegistry::ReadInteger(const wchar_t* name, long& value) const { return ReadTyped<TIntValue>(name, value); }
bool TRegistry::ReadBool(const wchar_t* name, bool& value) const { return ReadTyped<TIntValue>(name, value); }
bool TRegistry::ReadFloat(const wchar_t* name, double& value) const { return ReadTyped<TFloatValue>(name, value); }
bool TRegistry::ReadString(const wchar_t* name, KOVTString& value) const {
  return ReadTyped<TStringValue>(name, value);
}
bool TRegistry::ReadObjectId(const wchar_t* name, PnDbObjectId& value) const {
  return ReadTyped<TObjIdValue>(name, value);
}
bool TRegistry::ReadHandle(const wchar_t* name, PnDbHandle& value) const {
  return ReadTyped<THandleValue>(name, value);
}

bool TRegistry::ReadBinaryData(const wchar_t* name, std::uint8_t*& buffer, int& size) const {
  const auto* found = FindTyped<TBinaryValue>(name);
  if (found == nullptr) return false;
  delete[] buffer;
  int count = found->GetDataSize();
  buffer = new std::uint8_t[count > 0 ? static_cast<std::size_t>(count) : 1];
  if (count > 0) std::memcpy(buffer, found->GetData(), static_cast<std::size_t>(count));
  size = count;
  return true;
}

bool TRegistry::SetValue(const wchar_t* name, TValue* value) {
  std::unique_ptr<TValue> owned(value);
  if (m_currentKey == nullptr || name == nullptr) return false;
  return m_currentKey->SetValue(name, std::move(owned));
}

bool TRegistry::WriteInteger(const wchar_t* name, int value) { return SetValue(name, new TIntValue(value)); }
bool TRegistry::WriteBool(const wchar_t* name, bool value) { return SetValue(name, new TIntValue(value ? 1 : 0)); }
bool TRegistry::WriteFloat(const wchar_t* name, double value) { return SetValue(name, new TFloatValue(value)); }
bool TRegistry::WriteString(const wchar_t* name, const KOVTString& value) {
  return SetValue(name, new TStringValue(value));
}
bool TRegistry::WriteObjectId(const wchar_t* name, const PnDbObjectId& value) {
  return SetValue(name, new TObjIdValue(value));
}
bool TRegistry::WriteHandle(const wchar_t* name, const PnDbHandle& value) {
  return SetValue(name, new THandleValue(value));
}
bool TRegistry::WriteBinaryData(const wchar_t* name, const std::uint8_t* data, int size) {
  return SetValue(name, new TBinaryValue(data, size));
}

bool TRegistry::RWBool(bool read, const wchar_t* name, bool& value) {
  return read ? ReadBool(name, value) : WriteBool(name, value);
}
bool TRegistry::RWInteger(bool read, const wchar_t* name, long& value) {
  return read ? ReadInteger(name, value) : WriteInteger(name, static_cast<int>(value));
}
bool TRegistry::RWFloat(bool read, const wchar_t* name, double& value) {
  return read ? ReadFloat(name, value) : WriteFloat(name, value);
}
bool TRegistry::RWString(bool read, const wchar_t* name, KOVTString& value) {
  return read ? ReadString(name, value) : WriteString(name, value);
}
bool TRegistry::RWObjectId(bool read, const wchar_t* name, PnDbObjectId& value) {
  return read ? ReadObjectId(name, value) : WriteObjectId(name, value);
}

bool TRegistry::RenameValue(const wchar_t* oldName, const wchar_t* newName) {
  if (m_currentKey == nullptr) return false;
  m_currentKey->RenameValue(oldName, newName);
  return true;
}

bool TRegistry::DeleteValue(const wchar_t* name) {
  if (m_currentKey == nullptr) return false;
  m_currentKey->DeleteValue(name);
  return true;
}

}  // namespace KoVTPrjReg
