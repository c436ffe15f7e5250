// Making the binary folder the current directory for the length of a block,
// so modules loaded inside it find the libraries they depend on.
#pragma once

#include "platform/windows.h"

class KOVTDirScope {
 public:
  // Saves the current directory and changes to GetAppPath("PATHBIN") of
  // CFG(). When the current directory cannot be saved it is left alone.
  KOVTDirScope();
  // Changes back to the saved directory, however the block is left.
  virtual ~KOVTDirScope();
  KOVTDirScope(const KOVTDirScope&) = delete;
  KOVTDirScope& operator=(const KOVTDirScope&) = delete;

 private:
  static constexpr DWORD kSavedLength = 520;
  wchar_t m_savedDirectory[kSavedLength] = {};
};

// The scope the module loaders use.
class KOVTAppDirScope : public KOVTDirScope {};
