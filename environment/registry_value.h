// Reading a string value of an open registry key into a KOVTString.
#pragma once

#include "core/kovt_string.h"
#include "platform/registry.h"

// False (out untouched) when the value is missing, is not a string or holds
// more than maxCharacters characters.
bool KovtQueryStringValue(HKEY key, const wchar_t* valueName, int maxCharacters, KOVTString& out);
