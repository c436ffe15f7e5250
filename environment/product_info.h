// The product's version and language, and the host's registry key.
#pragma once

#include "core/kovt_string.h"

// The host's own settings below either hive.
inline constexpr const wchar_t* kPlnxRegistryKey = L"SOFTWARE\\HexLon\\Planix\\R20.0";

// The release as a folder name: "2019".
KOVTString GetProductVersionName();
// The release with its language edition: "2019_enu".
KOVTString GetProductVersionNo();

// The language tag the host last ran with ("en-US"): its registry value
// "LastLaunchedLanguage". The first successful read is kept for the rest of
// the process; while it cannot be read the result is empty and the next call
// tries again.
KOVTString GetProductLang();

// A copy of text with every character code increased by delta, in 16 bits.
// Restores names kept in shifted form.
KOVTString GetSupName(const wchar_t* text, int delta);
