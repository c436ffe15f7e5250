// Folder texts the module builds. Paths come from Windows-style settings
// ("C:\Planix\") as well as from the system ("/opt/planix/"), so a path keeps
// the separator it already uses; one without any gets a backslash.
#pragma once

#include "core/kovt_string.h"

namespace KovtPath {

bool IsSeparator(wchar_t character);
bool EndsWithSeparator(const KOVTString& path);
// The last separator the path uses, or a backslash when it uses none.
wchar_t SeparatorOf(const KOVTString& path);
// Appends the path's separator unless the path is empty or ends with one.
void Complete(KOVTString& path);
// The path completed, then `part`; an empty path gives `part` alone.
KOVTString Join(KOVTString path, const KOVTString& part);
// Drive and folder: everything up to and including the last separator.
KOVTString FolderOf(const KOVTString& path);
// What follows the last separator, or the whole path when it has none.
KOVTString NameOf(const KOVTString& path);

}  // namespace KovtPath
