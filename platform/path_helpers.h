// Path joining and the current directory. Inputs may use '\' or '/'; results use '/'.
#pragma once

#include "platform/windows.h"

// dest (MAX_PATH characters, may be dir or file) = dir joined with file, with
// "." and ".." parts resolved. An absolute file replaces dir. Returns dest, or
// null with dest empty when the result would not fit in MAX_PATH.
LPWSTR PathCombineW(LPWSTR dest, LPCWSTR dir, LPCWSTR file);
// path (MAX_PATH characters) = path joined with more; leading separators of
// more are ignored, as on Windows. FALSE leaves path unchanged.
BOOL PathAppendW(LPWSTR path, LPCWSTR more);

// Length of the current directory without terminator; when bufferLength is
// too small, the size needed including the terminator (buffer untouched).
// 0 on failure.
DWORD GetCurrentDirectoryW(DWORD bufferLength, LPWSTR buffer);
BOOL SetCurrentDirectoryW(LPCWSTR path);
