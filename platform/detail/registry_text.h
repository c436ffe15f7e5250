// Internal to kovt_platform: a registry hive as .reg text ("Windows Registry
// Editor Version 5.00"). Strings are written as "text" when they are plain
// printable text with one terminating null, else as hex(1) bytes; hex(1) and
// hex(2) bytes are this platform's wchar_t bytes, not UTF-16.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/detail/registry_tree.h"

namespace kovt_platform {

std::string FormatRegText(const RegKey& root);

// A tree whose root is named rootName, or null with error = "line N: reason".
// Sections must lie below rootName; deletion entries are refused.
std::unique_ptr<RegKey> ParseRegText(std::string_view text, std::wstring_view rootName, std::string& error);

// Whether a key or value name can be kept in the text form.
bool IsStorableName(std::wstring_view name);

}  // namespace kovt_platform
