#include "environment/file_search.h"

#include "environment/path_text.h"
#include "platform/find_files.h"

namespace {

bool IsDotEntry(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

KOVTString SearchFolder(const KOVTString& folder, const KOVTString& lowerName, int depthLeft) {
  const KOVTString base = KovtPath::Join(folder, KOVTString());
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW(base + L"*.*", &entry);
  if (find == INVALID_HANDLE_VALUE) return KOVTString();
  KOVTString found;
  do {
    if (IsDotEntry(entry.cFileName)) continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      // Linked folders are not entered: a link back up would make the search endless.
      if (depthLeft != 0 && !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        found = SearchFolder(base + entry.cFileName, lowerName, depthLeft - 1);
    } else if (KOVTString(entry.cFileName).MakeLower() == lowerName) {
      found = base + entry.cFileName;
    }
  } while (found.IsEmpty() && FindNextFileW(find, &entry));
  FindClose(find);
  return found;
}

}  // namespace

KOVTString KovtFindFileBelow(const KOVTString& folder, const KOVTString& fileName, int maxDepth) {
  if (folder.IsEmpty() || fileName.IsEmpty()) return KOVTString();
  KOVTString lowerName = fileName;
  lowerName.MakeLower();
  return SearchFolder(folder, lowerName, maxDepth);
}
