// The host's command line.
#pragma once

#include <string>

// printf-style output with a wide format ("%ls" for wide strings).
int pnutPrintf(const wchar_t* format, ...);

// Everything printed since the last call, for tests; capture replaces stdout output while on.
void pnutCaptureOutput(bool on);
std::wstring pnutTakeCapturedOutput();
