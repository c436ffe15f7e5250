// Internal to kovt_platform: what the dynamic loader knows about loaded objects.
#pragma once

#include <filesystem>

#include "platform/windows.h"

namespace kovt_platform {

// The dlopen handle of the main program.
HMODULE MainProgram();

// A symbol defined by module itself (null: the main program), not by a
// library it depends on; null when there is none.
void* OwnSymbol(HMODULE module, const char* name);

// The file a loaded module came from, absolute; empty when unknown.
std::filesystem::path ModuleFile(HMODULE module);

}  // namespace kovt_platform
