// Reading a JSON document from text that may be hostile.
#pragma once

#include <string>

#include "tools/values.h"

// No document kovtset reads nests nearly this deep.
inline constexpr std::size_t kMaxJsonDepth = 64;

// The document in `text`. A CliError names the first fault as the rest of
// a sentence about the text ("is not valid JSON: ...", "nests deeper than 64
// levels", "gives the member 'key' twice in one object"). The checks run while the text is read, before a deeper value
// is built, and time and memory grow linearly with the text.
JsonValue ReadJson(const std::string& text);
