// KovtModuleLoad: the companion host modules a module loads for itself.
//
// Modules are loaded through the host's dynamic linker, so the host sends them
// their messages as for any other module. What was loaded here is unloaded
// here, last first, by UnloadAll or at destruction.
#pragma once

#include <string>
#include <vector>

class KovtModuleLoad {
 public:
  KovtModuleLoad() = default;
  KovtModuleLoad(const KovtModuleLoad&) = delete;
  KovtModuleLoad& operator=(const KovtModuleLoad&) = delete;
  ~KovtModuleLoad() { UnloadAll(); }

  // Loads `moduleName` (searched where the host searches modules). With
  // `reportFailure` a failure is printed on the host's command line. A module
  // loaded already, by anyone, counts as success and is not unloaded here.
  bool Load(const wchar_t* moduleName, bool reportFailure);
  bool IsLoaded(const wchar_t* moduleName) const;
  void UnloadAll();

 private:
  std::vector<std::wstring> m_loaded;
};
