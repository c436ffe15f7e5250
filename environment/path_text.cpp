#include "environment/path_text.h"

namespace KovtPath {

namespace {

int LastSeparator(const KOVTString& path) {
  for (int i = path.GetLength() - 1; i >= 0; --i)
    if (IsSeparator(path[i])) return i;
  return -1;
}

}  // namespace

bool IsSeparator(wchar_t character) { return character == L'\\' || character == L'/'; }

bool EndsWithSeparator(const KOVTString& path) { return !path.IsEmpty() && IsSeparator(path[path.GetLength() - 1]); }

wchar_t SeparatorOf(const KOVTString& path) {
  const int last = LastSeparator(path);
  return last < 0 ? L'\\' : path[last];
}

void Complete(KOVTString& path) {
  if (!path.IsEmpty() && !EndsWithSeparator(path)) path += SeparatorOf(path);
}

KOVTString Join(KOVTString path, const KOVTString& part) {
  Complete(path);
  return path + part;
}

KOVTString FolderOf(const KOVTString& path) { return path.Left(LastSeparator(path) + 1); }

KOVTString NameOf(const KOVTString& path) { return path.Mid(LastSeparator(path) + 1); }

}  // namespace KovtPath
