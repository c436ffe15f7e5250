// Loading shared libraries as Windows modules (dlopen underneath).
//
// An HMODULE is a dlopen handle. The null module stands for the main program.
// Failures return null / FALSE / 0 and set GetLastError().
#pragma once

#include "platform/windows.h"

inline constexpr DWORD GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT = 0x2;
inline constexpr DWORD GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS = 0x4;

// Loads the library at path (either separator) and counts one reference;
// ERROR_MOD_NOT_FOUND when it cannot be loaded.
HMODULE LoadLibraryW(const wchar_t* path);
// Drops one reference taken by LoadLibraryW.
BOOL FreeLibrary(HMODULE module);
// Address of an exported symbol, or null with ERROR_PROC_NOT_FOUND.
void* GetProcAddress(HMODULE module, const char* name);

// An already loaded module, without counting a reference. A name with a
// folder must match the full path; a bare name matches the file name of any
// loaded module, ignoring case. Null name: the main program.
HMODULE GetModuleHandleW(const wchar_t* name);
// The loaded module whose image contains address (a library finds itself by
// passing the address of one of its own functions); null when none does.
HMODULE GetModuleHandleFromAddress(const void* address);
// Windows form of the two lookups above: with GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS
// name is really an address. A reference is counted (release it with
// FreeLibrary) unless GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT is given.
BOOL GetModuleHandleExW(DWORD flags, const wchar_t* name, HMODULE* module);

// Full path of the module's file (main program: /proc/self/exe). Returns the
// characters written without the terminator; when size is too small the path
// is cut to size - 1 characters, terminated, size is returned and the last
// error is ERROR_INSUFFICIENT_BUFFER.
DWORD GetModuleFileNameW(HMODULE module, wchar_t* buffer, DWORD size);
