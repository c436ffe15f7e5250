// The Windows registry, kept in text files in the "Windows Registry Editor
// Version 5.00" (.reg) format, one file per root hive:
//
//   HKEY_CURRENT_USER   $XDG_CONFIG_HOME/kovt/registry/HKEY_CURRENT_USER.reg  (~/.config when unset)
//   HKEY_LOCAL_MACHINE  $XDG_DATA_HOME/kovt/registry/HKEY_LOCAL_MACHINE.reg   (~/.local/share when unset)
//
// KOVT_REGISTRY_DIR, when set, is the folder of both files. It is read on
// every call, so a test can point it at a temporary folder.
//
// Behaviour:
//   - Key and value names ignore case; a key keeps the case it was created with.
//     Sub-keys enumerate in name order, values in the order they were created.
//   - Every change (created key, set or deleted value, deleted key) is saved at
//     once by writing a temporary file and renaming it over the hive file, under
//     a lock on the folder, so other processes' changes are merged, not lost.
//   - A hive file changed by someone else is read again on the next call.
//   - A hive file that cannot be parsed makes every call on that hive fail with
//     ERROR_BADDB; the file is never rewritten. KovtRegistryErrorText() says why.
//   - A value of REG_SZ or REG_EXPAND_SZ must be a whole number of wchar_t; it
//     is stored with a terminating null, added when the data lacks one.
//     REG_DWORD takes exactly 4 bytes, REG_QWORD 8.
//   - Handles check their access: querying needs KEY_QUERY_VALUE, setting and
//     deleting values KEY_SET_VALUE, enumerating sub-keys KEY_ENUMERATE_SUB_KEYS.
//   - A handle whose key was deleted answers ERROR_KEY_DELETED.
//   - Volatile keys and classes are accepted but not kept apart.
#pragma once

#include <string>

#include "platform/windows.h"

struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;
using REGSAM = DWORD;
struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

inline HKEY const HKEY_CURRENT_USER = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u));
inline HKEY const HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u));

// Value types.
inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;
inline constexpr DWORD REG_MULTI_SZ = 7;
inline constexpr DWORD REG_QWORD = 11;

// Access rights.
inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr REGSAM KEY_NOTIFY = 0x0010;
inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_WRITE = 0x20006;
inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

// RegCreateKeyExW options and dispositions.
inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
inline constexpr DWORD REG_OPTION_VOLATILE = 1;
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// Opens an existing key below hKey (null or empty subKey: hKey itself again).
LONG RegOpenKeyExW(HKEY hKey, LPCWSTR subKey, DWORD options, REGSAM desired, PHKEY result);

// Opens the key, creating it and any missing parents first; disposition (may
// be null) tells which happened.
LONG RegCreateKeyExW(HKEY hKey, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass, DWORD options,
                     REGSAM desired, LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition);

// Reads a value (null or empty name: the default value "@"). Any of type,
// data and dataSize may be null, but data needs dataSize. On return *dataSize
// is the value's size in bytes; ERROR_MORE_DATA when *dataSize was too small
// (data is then left unchanged).
LONG RegQueryValueExW(HKEY hKey, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD dataSize);

LONG RegSetValueExW(HKEY hKey, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD dataSize);

LONG RegDeleteValueW(HKEY hKey, LPCWSTR valueName);

// Deletes a key that has no sub-keys (ERROR_ACCESS_DENIED otherwise); empty
// subKey: hKey itself. Root keys cannot be deleted.
LONG RegDeleteKeyW(HKEY hKey, LPCWSTR subKey);

// The index-th sub-key name. *nameSize is the buffer size in characters with
// room for the terminator, and on success the name's length without it.
// ERROR_NO_MORE_ITEMS past the last one; ERROR_MORE_DATA when the name does not fit.
LONG RegEnumKeyExW(HKEY hKey, DWORD index, LPWSTR name, LPDWORD nameSize, LPDWORD reserved,
                   LPWSTR keyClass, LPDWORD classSize, FILETIME* lastWriteTime);

// The index-th value: name as for RegEnumKeyExW, type and data as for RegQueryValueExW.
LONG RegEnumValueW(HKEY hKey, DWORD index, LPWSTR valueName, LPDWORD valueNameSize, LPDWORD reserved,
                   LPDWORD type, LPBYTE data, LPDWORD dataSize);

// Releases a handle from RegOpenKeyExW / RegCreateKeyExW (roots need no closing).
LONG RegCloseKey(HKEY hKey);

// Not Windows: diagnostics and tests.
// Why the last hive file could not be read ("<file>:<line>: <reason>"), or empty.
std::string KovtRegistryErrorText();
// The file that holds the hive of a root key, or empty for any other handle.
std::string KovtRegistryFile(HKEY root);
// Forgets the hives held in memory, as a new process would; open handles stay valid.
void KovtRegistryDiscardCache();
