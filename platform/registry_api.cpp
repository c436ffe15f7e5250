#include <cstring>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/detail/registry_hive.h"
#include "platform/detail/registry_text.h"
#include "platform/registry.h"

using kovt_platform::HiveRoot;
using kovt_platform::Hives;
using kovt_platform::RegKey;
using kovt_platform::RegValue;

// An open key: where it is, not the node, so a deleted key is noticed.
struct HKEY__ {
  HiveRoot root;
  std::vector<std::wstring> path;
  REGSAM access;
};

namespace {

std::mutex registryMutex;
std::set<HKEY> openKeys;

struct Target {
  HiveRoot root = HiveRoot::CurrentUser;
  std::vector<std::wstring> path;
  REGSAM access = 0;
};

bool Resolve(HKEY key, Target& target) {
  if (key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE) {
    target = {key == HKEY_CURRENT_USER ? HiveRoot::CurrentUser : HiveRoot::LocalMachine, {}, KEY_ALL_ACCESS};
    return true;
  }
  if (!openKeys.contains(key)) return false;
  target = {key->root, key->path, key->access};
  return true;
}

bool Allows(const Target& target, REGSAM needed) { return (target.access & needed) == needed; }

// Empty parts (doubled or trailing backslashes) are skipped.
void AppendParts(std::vector<std::wstring>& path, const wchar_t* subKey) {
  if (!subKey) return;
  std::wstring_view rest(subKey);
  while (!rest.empty()) {
    const auto end = rest.find(L'\\');
    if (end != 0) path.emplace_back(rest.substr(0, end));
    if (end == std::wstring_view::npos) break;
    rest.remove_prefix(end + 1);
  }
}

RegKey* Walk(const RegKey& root, const std::vector<std::wstring>& path, std::size_t depth) {
  auto* key = const_cast<RegKey*>(&root);
  for (std::size_t i = 0; key && i < depth; ++i) key = key->FindChild(path[i]);
  return key;
}

RegKey* Walk(const RegKey& root, const std::vector<std::wstring>& path) { return Walk(root, path, path.size()); }

HKEY NewHandle(const Target& target, std::vector<std::wstring> path, REGSAM access) {
  HKEY key = new HKEY__{target.root, std::move(path), access};
  openKeys.insert(key);
  return key;
}

LONG CopyValueOut(const RegValue& value, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
  if (type) *type = value.type;
  const auto size = static_cast<DWORD>(value.data.size());
  if (data) {
    if (*dataSize < size) {
      *dataSize = size;
      return ERROR_MORE_DATA;
    }
    std::memcpy(data, value.data.data(), size);
  }
  if (dataSize) *dataSize = size;
  return ERROR_SUCCESS;
}

bool CopyName(const std::wstring& name, LPWSTR buffer, LPDWORD size) {
  if (name.size() + 1 > *size) return false;
  std::memcpy(buffer, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
  *size = static_cast<DWORD>(name.size());
  return true;
}

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// The bytes as stored, or false when they do not fit the type.
bool NormaliseData(DWORD type, const BYTE* data, DWORD size, std::vector<BYTE>& out) {
  if (size > 0 && !data) return false;
  if (IsStringType(type) && size % sizeof(wchar_t) != 0) return false;
  if ((type == REG_DWORD && size != 4) || (type == REG_QWORD && size != 8)) return false;
  out.assign(data, data + size);
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    wchar_t last = 1;
    if (size > 0) std::memcpy(&last, data + size - sizeof(wchar_t), sizeof(wchar_t));
    if (last != 0) out.resize(out.size() + sizeof(wchar_t), 0);
  }
  return true;
}

// What opening and creating a key start with: the handle's target, the path
// of the key asked for, and a null result until the key is had.
LONG ResolveSubKey(HKEY hKey, LPCWSTR subKey, PHKEY result, Target& target, std::vector<std::wstring>& path) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  if (!Resolve(hKey, target)) return ERROR_INVALID_HANDLE;
  path = target.path;
  AppendParts(path, subKey);
  return ERROR_SUCCESS;
}

}  // namespace

LONG RegOpenKeyExW(HKEY hKey, LPCWSTR subKey, DWORD, REGSAM desired, PHKEY result) {
  const std::lock_guard lock(registryMutex);
  Target target;
  std::vector<std::wstring> path;
  if (const LONG resolved = ResolveSubKey(hKey, subKey, result, target, path); resolved != ERROR_SUCCESS)
    return resolved;
  const LONG status = Hives().Read(target.root, [&](const RegKey& root) {
    if (Walk(root, path)) return ERROR_SUCCESS;
    return Walk(root, target.path) ? ERROR_FILE_NOT_FOUND : ERROR_KEY_DELETED;
  });
  if (status == ERROR_SUCCESS) *result = NewHandle(target, std::move(path), desired);
  return status;
}

LONG RegCreateKeyExW(HKEY hKey, LPCWSTR subKey, DWORD, LPWSTR, DWORD, REGSAM desired, LPSECURITY_ATTRIBUTES,
                     PHKEY result, LPDWORD disposition) {
  const std::lock_guard lock(registryMutex);
  Target target;
  std::vector<std::wstring> path;
  if (const LONG resolved = ResolveSubKey(hKey, subKey, result, target, path); resolved != ERROR_SUCCESS)
    return resolved;
  if (path.size() > kovt_platform::kMaxKeyDepth) return ERROR_INVALID_PARAMETER;
  for (const auto& part : path)
    if (!kovt_platform::IsStorableName(part)) return ERROR_INVALID_PARAMETER;
  bool createdAny = false;
  const LONG status = Hives().Modify(target.root, [&](RegKey& root, bool& changed) {
    RegKey* key = Walk(root, target.path);
    if (!key) return ERROR_KEY_DELETED;
    for (std::size_t i = target.path.size(); i < path.size(); ++i) {
      bool created = false;
      key = &key->Child(path[i], created);
      createdAny = createdAny || created;
    }
    changed = createdAny;
    return ERROR_SUCCESS;
  });
  if (status != ERROR_SUCCESS) return status;
  if (disposition) *disposition = createdAny ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  *result = NewHandle(target, std::move(path), desired);
  return ERROR_SUCCESS;
}

LONG RegQueryValueExW(HKEY hKey, LPCWSTR valueName, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
  const std::lock_guard lock(registryMutex);
  Target target;
  if (!Resolve(hKey, target)) return ERROR_INVALID_HANDLE;
  if (data && !dataSize) return ERROR_INVALID_PARAMETER;
  if (!Allows(target, KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
  return Hives().Read(target.root, [&](const RegKey& root) {
    const RegKey* key = Walk(root, target.path);
    if (!key) return ERROR_KEY_DELETED;
    const RegValue* value = key->FindValue(valueName ? valueName : L"");
    return value ? CopyValueOut(*value, type, data, dataSize) : ERROR_FILE_NOT_FOUND;
  });
}

LONG RegSetValueExW(HKEY hKey, LPCWSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD dataSize) {
  const std::lock_guard lock(registryMutex);
  Target target;
  if (!Resolve(hKey, target)) return ERROR_INVALID_HANDLE;
  if (!Allows(target, KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
  RegValue value{valueName ? valueName : L"", type, {}};
  if (!kovt_platform::IsStorableName(value.name) || !NormaliseData(type, data, dataSize, value.data))
    return ERROR_INVALID_PARAMETER;
  return Hives().Modify(target.root, [&](RegKey& root, bool& changed) {
    RegKey* key = Walk(root, target.path);
    if (!key) return ERROR_KEY_DELETED;
    const RegValue* old = key->FindValue(value.name);
    changed = !old || old->type != value.type || old->data != value.data;
    if (changed) key->SetValue(std::move(value));
    return ERROR_SUCCESS;
  });
}

LONG RegDeleteValueW(HKEY hKey, LPCWSTR valueName) {
  const std::lock_guard lock(registryMutex);
  Target target;
  if (!Resolve(hKey, target)) return ERROR_INVALID_HANDLE;
  if (!Allows(target, KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
  return Hives().Modify(target.root, [&](RegKey& root, bool& changed) {
    RegKey* key = Walk(root, target.path);
    if (!key) return ERROR_KEY_DELETED;
    changed = key->RemoveValue(valueName ? valueName : L"");
    return changed ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
  });
}

LONG RegDeleteKeyW(HKEY hKey, LPCWSTR subKey) {
  const std::lock_guard lock(registryMutex);
  Target target;
  if (!Resolve(hKey, target)) return ERROR_INVALID_HANDLE;
  if (!subKey) return ERROR_INVALID_PARAMETER;
  auto path = target.path;
  AppendParts(path, subKey);
  if (path.empty()) return ERROR_ACCESS_DENIED;
  return Hives().Modify(target.root, [&](RegKey& root, bool& changed) {
    if (!Walk(root, target.path)) return ERROR_KEY_DELETED;
    RegKey* parent = Walk(root, path, path.size() - 1);
    RegKey* key = parent ? parent->FindChild(path.back()) : nullptr;
    if (!key) return ERROR_FILE_NOT_FOUND;
    if (key->HasChildren()) return ERROR_ACCESS_DENIED;
    changed = parent->RemoveChild(path.back());
    return ERROR_SUCCESS;
  });
}

LONG RegEnumKeyExW(HKEY hKey, DWORD index, LPWSTR name, LPDWORD nameSize, LPDWORD, LPWSTR keyClass,
                   LPDWORD classSize, FILETIME* lastWriteTime) {
  const std::lock_guard lock(registryMutex);
  Target target;
  if (!Resolve(hKey, target)) return ERROR_INVALID_HANDLE;
  if (!name || !nameSize) return ERROR_INVALID_PARAMETER;
  if (!Allows(target, KEY_ENUMERATE_SUB_KEYS)) return ERROR_ACCESS_DENIED;
  return Hives().Read(target.root, [&](const RegKey& root) {
    const RegKey* key = Walk(root, target.path);
    if (!key) return ERROR_KEY_DELETED;
    const auto children = key->Children();
    if (index >= children.size()) return ERROR_NO_MORE_ITEMS;
    if (!CopyName(children[index]->Name(), name, nameSize)) return ERROR_MORE_DATA;
    if (keyClass && classSize && *classSize > 0) keyClass[0] = L'\0';
    if (classSize) *classSize = 0;
    if (lastWriteTime) *lastWriteTime = FILETIME{0, 0};
    return ERROR_SUCCESS;
  });
}

LONG RegEnumValueW(HKEY hKey, DWORD index, LPWSTR valueName, LPDWORD valueNameSize, LPDWORD, LPDWORD type,
                   LPBYTE data, LPDWORD dataSize) {
  const std::lock_guard lock(registryMutex);
  Target target;
  if (!Resolve(hKey, target)) return ERROR_INVALID_HANDLE;
  if (!valueName || !valueNameSize || (data && !dataSize)) return ERROR_INVALID_PARAMETER;
  if (!Allows(target, KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
  return Hives().Read(target.root, [&](const RegKey& root) {
    const RegKey* key = Walk(root, target.path);
    if (!key) return ERROR_KEY_DELETED;
    const auto& values = key->Values();
    if (index >= values.size()) return ERROR_NO_MORE_ITEMS;
    if (!CopyName(values[index].name, valueName, valueNameSize)) return ERROR_MORE_DATA;
    return CopyValueOut(values[index], type, data, dataSize);
  });
}

LONG RegCloseKey(HKEY hKey) {
  const std::lock_guard lock(registryMutex);
  if (hKey == HKEY_CURRENT_USER || hKey == HKEY_LOCAL_MACHINE) return ERROR_SUCCESS;
  if (openKeys.erase(hKey) == 0) return ERROR_INVALID_HANDLE;
  delete hKey;
  return ERROR_SUCCESS;
}

std::string KovtRegistryErrorText() {
  const std::lock_guard lock(registryMutex);
  return Hives().LastError();
}

std::string KovtRegistryFile(HKEY root) {
  if (root == HKEY_CURRENT_USER) return kovt_platform::HiveFile(HiveRoot::CurrentUser).string();
  if (root == HKEY_LOCAL_MACHINE) return kovt_platform::HiveFile(HiveRoot::LocalMachine).string();
  return {};
}

void KovtRegistryDiscardCache() {
  const std::lock_guard lock(registryMutex);
  Hives().DiscardCache();
}
