// The dynamic linker: services and loadable modules.
#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "host/print.h"
#include "host/rx.h"
#include "platform/wide_string.h"

namespace fs = std::filesystem;

PNRX_DEFINE_MEMBERS(PnRxDynamicLinker)

struct PnRxDynamicLinker::Module {
  std::wstring name;  // as asked for, compared on unload
  fs::path path;
  void* handle = nullptr;
  PnRxEntryPointFunc entryPoint = nullptr;
};

PnRxService* PnRxDynamicLinker::registerService(const wchar_t* serviceName, PnRxService* service) {
  auto* services = dynamic_cast<PnRxDictionary*>(pnrxSysRegistry()->at(L"ServiceDictionary"));
  if (services == nullptr || service == nullptr || serviceName == nullptr || services->has(serviceName))
    return nullptr;
  services->atPut(serviceName, service);
  return service;
}

namespace {

// Asked once: dladdr searches the library's symbols for the address.
const fs::path& hostLibraryFolder() {
  static const fs::path folder = [] {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&pnrxSysRegistry), &info) == 0 || info.dli_fname == nullptr) return fs::path();
    return fs::absolute(fs::path(info.dli_fname)).parent_path();
  }();
  return folder;
}

// A bare file name is looked up in PNHOST_MODULE_PATH, then next to the host.
fs::path findModule(const fs::path& name) {
  if (name.has_parent_path()) return name;
  std::vector<fs::path> folders;
  if (const char* path = std::getenv("PNHOST_MODULE_PATH")) {
    std::string list = path;
    for (std::size_t start = 0; start <= list.size();) {
      std::size_t end = list.find(':', start);
      if (end == std::string::npos) end = list.size();
      if (end > start) folders.emplace_back(list.substr(start, end - start));
      start = end + 1;
    }
  }
  folders.push_back(hostLibraryFolder());
  for (const fs::path& folder : folders) {
    std::error_code ec;
    if (fs::is_regular_file(folder / name, ec)) return folder / name;
  }
  return {};
}

fs::path nativePath(const std::wstring& name) { return fs::path(WideToNativeName(name)); }

std::wstring wideName(const fs::path& path) { return NativeNameToWide(path.native()); }

std::wstring_view fileNameOf(std::wstring_view path) {
  const std::size_t slash = path.rfind(L'/');
  return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

// Compared without building paths: unloading must not need memory.
bool sameModule(std::wstring_view a, std::wstring_view b) { return fileNameOf(a) == fileNameOf(b); }

}  // namespace

bool PnRxDynamicLinker::isModuleLoaded(const wchar_t* fileName) const {
  for (const Module* m : m_modules)
    if (sameModule(m->name, fileName)) return true;
  return false;
}

bool PnRxDynamicLinker::loadModule(const wchar_t* fileName, bool printErrors) {
  m_lastError.clear();
  if (fileName == nullptr || *fileName == 0) {
    m_lastError = L"no module name given";
  } else if (isModuleLoaded(fileName)) {
    return true;
  } else {
    fs::path path = findModule(nativePath(fileName));
    void* handle = path.empty() ? nullptr : dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (path.empty()) {
      m_lastError = std::wstring(L"module not found: ") + fileName;
    } else if (handle == nullptr) {
      const char* why = dlerror();
      m_lastError = L"cannot load " + wideName(path) + L": " + Utf8ToWide(why ? why : "");
    } else {
      auto entry = reinterpret_cast<PnRxEntryPointFunc>(dlsym(handle, "pnrxEntryPoint"));
      auto version = reinterpret_cast<PnRxApiVersionFunc>(dlsym(handle, "pnrxGetApiVersion"));
      std::uint32_t reported = 0;
      if (version) version(&reported);
      if (entry == nullptr || version == nullptr) {
        m_lastError = wideName(path) + L" is not a host module (no pnrxEntryPoint/pnrxGetApiVersion)";
      } else if ((reported >> 16) != (kPnRxApiVersion >> 16)) {
        m_lastError = wideName(path) + L" was built for another host version";
      } else {
        auto* module = new Module{fileName, path, handle, entry};
        m_modules.push_back(module);  // visible to the module while it initialises
        if (entry(PnRx::kInitAppMsg, handle) == PnRx::kRetOK) return true;
        m_modules.pop_back();
        delete module;
        m_lastError = wideName(path) + L" refused to initialise";
      }
      dlclose(handle);
    }
  }
  if (printErrors) pnutPrintf(L"\n%ls\n", m_lastError.c_str());
  return false;
}

bool PnRxDynamicLinker::unloadModule(const wchar_t* fileName) {
  for (auto it = m_modules.begin(); it != m_modules.end(); ++it) {
    if (!sameModule((*it)->name, fileName)) continue;
    Module* module = *it;
    m_modules.erase(it);
    module->entryPoint(PnRx::kUnloadAppMsg, module->handle);
    dlclose(module->handle);
    delete module;
    return true;
  }
  return false;
}

void PnRxDynamicLinker::unloadAllModules() {
  while (!m_modules.empty()) unloadModule(m_modules.back()->name.c_str());
}
