#include "environment/dir_scope.h"

#include "environment/config_access.h"
#include "platform/path_helpers.h"

KOVTDirScope::KOVTDirScope() {
  const DWORD length = GetCurrentDirectoryW(kSavedLength, m_savedDirectory);
  if (length == 0 || length >= kSavedLength) {
    m_savedDirectory[0] = L'\0';
    return;
  }
  if (const KOVTAppSet* config = CFG()) SetCurrentDirectoryW(config->GetAppPath(L"PATHBIN", 0));
}

KOVTDirScope::~KOVTDirScope() {
  if (m_savedDirectory[0] != L'\0') SetCurrentDirectoryW(m_savedDirectory);
}
