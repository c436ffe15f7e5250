// The product's per-user and per-machine values in the Windows registry, and
// the host's locale id recorded there by its installer.
#pragma once

#include "core/kovt_string.h"

namespace ORL_Tools {

// The longest text read from the registry, in characters: as long as the
// longest drawing template the product settings store, so what is written
// can always be read back.
inline constexpr int kMaxRegistryText = 1024;

// Reads the string value below the current-user hive and, when the key or
// value is missing there, below the local-machine hive. A value that is not
// a string, or longer than kMaxRegistryText, counts as missing. When neither
// hive has it, out becomes empty and the result is false.
bool RegGetLocM2CurU_SZ(const wchar_t* key, const wchar_t* valueName, KOVTString& out);

// Writes the first `length` characters of text (never past its end) as a
// REG_SZ value below the current-user hive, creating the key when it does not
// exist. False when the key can be neither opened nor created, or the value
// cannot be written.
bool RegSet2Cur_SZ(const wchar_t* key, const wchar_t* valueName, const wchar_t* text, int length);

// out = the part of a template path after its last separator (the whole path
// when it has none).
void DecomposeTempl(const KOVTString& path, KOVTString& out);

// The three-character locale id of the host ("409"), taken from its "CurVer"
// value ("PLNX-E030:409"). The first success is kept for the whole process;
// false (out untouched) while the value is missing or too short.
bool GetPlnxLocaleId(KOVTString& out);

}  // namespace ORL_Tools
