// Directory enumeration.
//
// The pattern's last part may hold '*' and '?' and matches names ignoring
// case; "*.*" matches every name and "name.*" also matches "name". Entries
// come in name order, "." and ".." included, as a Windows folder lists them.
// A symbolic link is described by its target and carries
// FILE_ATTRIBUTE_REPARSE_POINT, as a Windows link or junction does, so that
// recursive walks can avoid following loops.
#pragma once

#include "platform/windows.h"

inline constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
inline constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x02;
inline constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
inline constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
inline constexpr DWORD FILE_ATTRIBUTE_REPARSE_POINT = 0x400;

struct WIN32_FIND_DATAW {
  DWORD dwFileAttributes;
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  DWORD nFileSizeHigh;
  DWORD nFileSizeLow;
  DWORD dwReserved0;
  DWORD dwReserved1;
  WCHAR cFileName[MAX_PATH];
  WCHAR cAlternateFileName[14];
};
using LPWIN32_FIND_DATAW = WIN32_FIND_DATAW*;

// First match of pattern (e.g. "C:/data\*.txt"), or INVALID_HANDLE_VALUE with
// ERROR_FILE_NOT_FOUND (no match) or ERROR_PATH_NOT_FOUND (no such folder).
HANDLE FindFirstFileW(LPCWSTR pattern, LPWIN32_FIND_DATAW data);
// Next match; FALSE with ERROR_NO_MORE_FILES after the last one.
BOOL FindNextFileW(HANDLE find, LPWIN32_FIND_DATAW data);
BOOL FindClose(HANDLE find);
