// Replacing a whole file so that readers see either the old or the new
// contents, never part of one, safely in folders other people write to too.
// Used by the registry hives, the host's drawing saves and kovtset.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace kovt_platform {

// Writes contents to a new temporary file beside target, flushes it, renames
// it over target and flushes the folder, so a completed save outlasts a power
// cut. A target that is a symbolic link stays one: the file it leads to is
// replaced. An existing file keeps its mode, owner and group (the owner only
// where the user may give files away), and is refused when the user may not
// write it or when it has no write permission at all, which even root heeds.
// The temporary is created exclusively under an unpredictable name, never
// through a link, and stays locked while in use; temporaries of target whose
// writer died (killed mid-save) are removed on the next replacement.
// On failure target is untouched, no temporary is left and error says why
// (a phrase for after the file's name).
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view contents, std::string& error);

// For tests: the next replacement writes only `bytes` bytes and then fails as
// on a full disk.
void FailNextReplaceAfter(std::size_t bytes);

}  // namespace kovt_platform
