// The product's per-user and per-machine values in the Windows registry, and
// the host's locale id recorded there by its installer.
#pragma once

#include "core/kovt_string.h"

namespace ORL_Tools {

// The most read from one registry value: 512 wide characters (1024 bytes of
// two-byte characters), a stored terminator included.
inline constexpr int kMaxRegistryCharacters = 512;

// Reads the string value below the current-user hive and, when the key or
// value is missing there, below the local-machine hive. A value that is not
// a string, or holds more than kMaxRegistryCharacters, counts as missing.
// When neither hive has it, out becomes empty and the result is false.
bool RegGetLocM2CurU_SZ(const wchar_t* key, const wchar_t* valueName, KOVTString& out);

// Writes the first `length` wide characters of text (never past its end) as a
// REG_SZ value below the current-user hive, creating the key when it does not
// exist. False when the key can be neither opened nor created, or the value
// cannot be written.
bool RegSet2Cur_SZ(const wchar_t* key, const wchar_t* valueName, const wchar_t* text, int length);

// out = the part of a template path after its last separator (the whole path
// when it has none).
void DecomposeTempl(const KOVTString& path, KOVTString& out);

// The locale id of the host ("409"): up to three characters of its "CurVer"
// value ("PLNX-E030:409") from index 10, fewer or none when the value is
// shorter. The first success is kept for the whole process; false (out
// untouched) while the value cannot be read.
bool GetPlnxLocaleId(KOVTString& out);

}  // namespace ORL_Tools
