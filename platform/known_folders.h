// Per-user and shared application-data folders.
//
//   CSIDL_APPDATA         $XDG_CONFIG_HOME      (~/.config)
//   CSIDL_LOCAL_APPDATA   $XDG_DATA_HOME        (~/.local/share)
//   CSIDL_COMMON_APPDATA  first of $XDG_DATA_DIRS (/usr/local/share)
//
// KOVT_DATA_DIR, when set, replaces all three by its sub-folders "AppData",
// "LocalAppData" and "CommonAppData".
#pragma once

#include "platform/windows.h"

inline constexpr int CSIDL_APPDATA = 0x001a;
inline constexpr int CSIDL_LOCAL_APPDATA = 0x001c;
inline constexpr int CSIDL_COMMON_APPDATA = 0x0023;
inline constexpr int CSIDL_FLAG_CREATE = 0x8000;

inline constexpr DWORD SHGFP_TYPE_CURRENT = 0;
inline constexpr DWORD SHGFP_TYPE_DEFAULT = 1;

// Writes the folder of csidl followed by subDir (may be null; '\' becomes '/')
// to path, which holds MAX_PATH characters. With CSIDL_FLAG_CREATE in csidl
// missing folders are created; without it a missing folder fails with
// HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND). On failure path is empty.
// hwnd, token and flags are ignored.
HRESULT SHGetFolderPathAndSubDirW(HWND hwnd, int csidl, HANDLE token, DWORD flags, LPCWSTR subDir,
                                  LPWSTR path);
HRESULT SHGetFolderPathW(HWND hwnd, int csidl, HANDLE token, DWORD flags, LPWSTR path);
