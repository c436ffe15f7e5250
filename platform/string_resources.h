// String resources: each module exports one table of id/text pairs.
//
// A module defines its table once, at namespace scope, after including this
// header. The declaration below exports it with C linkage and protected
// visibility, so every module keeps its own table even though they all use
// the same name:
//
//   const KovtStringResource KovtStringTable[] = {
//       {18, L"Steel workspace"},
//       {20, L"Reinforcement workspace"},
//       {0, nullptr}};                      // terminator
//
// The main program's table is found only when the program exports its symbols
// (CMake: ENABLE_EXPORTS ON).
#pragma once

#include "platform/windows.h"

struct KovtStringResource {
  unsigned id;
  const wchar_t* text;
};

extern "C" __attribute__((visibility("protected"))) const KovtStringResource KovtStringTable[];

// Copies the text of id from the table of module itself (not of the libraries
// it depends on; null module: the main program) into buffer, cut to
// bufferMax - 1 characters and terminated; returns the characters copied.
// A missing module, table or id returns 0, leaves buffer empty and sets
// ERROR_RESOURCE_NAME_NOT_FOUND. bufferMax 0: buffer receives a pointer to
// the text itself (read-only) and its full length is returned.
int LoadStringW(HINSTANCE module, UINT id, wchar_t* buffer, int bufferMax);
