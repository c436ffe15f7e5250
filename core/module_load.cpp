#include "core/module_load.h"

#include <algorithm>

#include "host/print.h"
#include "host/rx.h"

bool KovtModuleLoad::Load(const wchar_t* moduleName, bool reportFailure) {
  if (moduleName == nullptr || *moduleName == L'\0') return false;
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  if (linker == nullptr) return false;
  if (linker->isModuleLoaded(moduleName)) return true;
  if (!linker->loadModule(moduleName, false)) {
    if (reportFailure) pnutPrintf(L"\nCannot load %ls: %ls\n", moduleName, linker->lastLoadError().c_str());
    return false;
  }
  m_loaded.emplace_back(moduleName);
  return true;
}

bool KovtModuleLoad::IsLoaded(const wchar_t* moduleName) const {
  return moduleName && std::find(m_loaded.begin(), m_loaded.end(), moduleName) != m_loaded.end();
}

void KovtModuleLoad::UnloadAll() {
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  while (!m_loaded.empty()) {
    if (linker) linker->unloadModule(m_loaded.back().c_str());
    m_loaded.pop_back();
  }
}
