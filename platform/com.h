// COM initialisation: only the per-thread init counter, no COM runtime.
#pragma once

#include "platform/windows.h"

inline constexpr DWORD COINIT_MULTITHREADED = 0x0;
inline constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;

// S_OK when this call initialised the calling thread, S_FALSE when it was
// already initialised; every successful call needs one CoUninitialize.
HRESULT CoInitialize(void* reserved);
HRESULT CoInitializeEx(void* reserved, DWORD coInit);
// Undoes one CoInitialize of the calling thread; extra calls do nothing.
void CoUninitialize();
// How many CoInitialize calls of the calling thread are not yet undone.
int CoInitializeCount();
