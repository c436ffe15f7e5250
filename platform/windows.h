// Windows base types, constants and error codes, for code written against the
// Windows API and built here on Linux by the kovt_platform stand-ins.
//
// Include "platform/win32.h" to get every stand-in at once, or the single
// headers next to this one:
//   platform/wide_string.h       UTF-8 <-> wchar_t
//   platform/tick_count.h        GetTickCount
//   platform/com.h               CoInitialize / CoUninitialize
//   platform/modules.h           LoadLibraryW, GetProcAddress, GetModuleFileNameW ...
//   platform/string_resources.h  LoadStringW and the KovtStringTable a module exports
//   platform/registry.h          Reg* functions over .reg files
//   platform/known_folders.h     SHGetFolderPathAndSubDirW
//   platform/path_helpers.h      PathCombineW, PathAppendW, current directory
//   platform/find_files.h        FindFirstFileW / FindNextFileW / FindClose
//
// Differences from Windows that callers must know:
//   - wchar_t is 32 bits (UTF-32), so a string of n characters takes
//     n * sizeof(wchar_t) bytes, not n * 2.
//   - Paths handed in may use '\' or '/'; paths handed out use '/'.
#pragma once

#include <cstdint>

using BYTE = unsigned char;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using UINT = unsigned int;
using BOOL = int;
using HRESULT = std::int32_t;
using WCHAR = wchar_t;
using ULONG_PTR = std::uintptr_t;
using ULONGLONG = std::uint64_t;

using LPBYTE = BYTE*;
using LPDWORD = DWORD*;
using LPWSTR = wchar_t*;
using LPCWSTR = const wchar_t*;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;

using HANDLE = void*;
using HWND = void*;
using HMODULE = void*;
using HINSTANCE = HMODULE;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;
inline constexpr DWORD MAX_PATH = 260;

inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));

struct FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
};

// Win32 error codes (GetLastError and the LONG results of the Reg* functions).
inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_PATH_NOT_FOUND = 3;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_NOT_ENOUGH_MEMORY = 8;
inline constexpr LONG ERROR_NO_MORE_FILES = 18;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_INSUFFICIENT_BUFFER = 122;
inline constexpr LONG ERROR_MOD_NOT_FOUND = 126;
inline constexpr LONG ERROR_PROC_NOT_FOUND = 127;
inline constexpr LONG ERROR_ALREADY_EXISTS = 183;
inline constexpr LONG ERROR_FILENAME_EXCED_RANGE = 206;
inline constexpr LONG ERROR_MORE_DATA = 234;
inline constexpr LONG ERROR_NO_MORE_ITEMS = 259;
inline constexpr LONG ERROR_BADDB = 1009;         // a hive file cannot be parsed
inline constexpr LONG ERROR_CANTWRITE = 1013;     // a hive file cannot be saved
inline constexpr LONG ERROR_KEY_DELETED = 1018;   // the key behind an open handle was deleted
inline constexpr LONG ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

// COM results.
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

constexpr HRESULT HRESULT_FROM_WIN32(LONG error) {
  return error <= 0 ? static_cast<HRESULT>(error)
                    : static_cast<HRESULT>((static_cast<std::uint32_t>(error) & 0xFFFFu) | 0x80070000u);
}

// Per-thread last error, set by the non-registry stand-ins when they fail.
DWORD GetLastError();
void SetLastError(DWORD error);
