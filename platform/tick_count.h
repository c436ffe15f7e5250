// Millisecond tick counter.
#pragma once

#include "platform/windows.h"

// Milliseconds of a steady clock; wraps after about 49.7 days like on Windows.
DWORD GetTickCount();
ULONGLONG GetTickCount64();
