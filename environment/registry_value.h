// Reading a string value of an open registry key into a KOVTString.
#pragma once

#include "core/kovt_string.h"
#include "platform/registry.h"

// Reads into a buffer of bufferCharacters wide characters. False (out
// untouched) when the value is missing, is not a string or its data, a
// stored terminator included, does not fit the buffer.
bool KovtQueryStringValue(HKEY key, const wchar_t* valueName, int bufferCharacters, KOVTString& out);
