// Runtime classes, the system registry, services and module messages.
//
// Every class the host can create by name (when it reads a drawing) has a
// PnRxClass descriptor in the "ClassDictionary" of the system registry.
// Modules are shared libraries exporting `pnrxEntryPoint`; the dynamic linker
// loads them and sends them kInitAppMsg and kUnloadAppMsg.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "host/status.h"

class PnRxClass;
class PnRxDictionary;

class PnRxObject {
 public:
  virtual ~PnRxObject();
  static PnRxClass* desc();
  virtual PnRxClass* isA() const;
  // True when this object's class is `cls` or derived from it.
  bool isKindOf(const PnRxClass* cls) const;
};

// Declares desc/isA/cast for a host class; the descriptor is registered by the host.
#define PNRX_DECLARE_MEMBERS(CLASS)              \
  static PnRxClass* desc();                      \
  PnRxClass* isA() const override;               \
  static CLASS* cast(const PnRxObject* object)

#define PNRX_DEFINE_MEMBERS(CLASS)                                              \
  PnRxClass* CLASS::desc() {                                                    \
    static PnRxClass* const cls = pnrxFindPnRxClass(L## #CLASS);                \
    return cls;                                                                 \
  }                                                                             \
  PnRxClass* CLASS::isA() const { return desc(); }                              \
  CLASS* CLASS::cast(const PnRxObject* object) {                                \
    return object && object->isKindOf(desc()) ? const_cast<CLASS*>(             \
                                                    static_cast<const CLASS*>(object)) \
                                              : nullptr;                        \
  }

using PnRxPseudoConstructor = PnRxObject* (*)();
using AppNameChangeFuncPtr = void (*)(const PnRxClass* cls, wchar_t*& newAppName, int saveVersion);

class PnRxClass : public PnRxObject {
 public:
  static PnRxClass* desc();
  PnRxClass* isA() const override;

  const wchar_t* name() const { return m_name.c_str(); }
  const wchar_t* dxfName() const { return m_dxfName.c_str(); }
  const wchar_t* appName() const { return m_appName.c_str(); }
  PnRxClass* myParent() const { return m_parent; }
  int dwgVersion() const { return m_dwgVersion; }
  int maintenanceVersion() const { return m_maintenanceVersion; }
  int proxyFlags() const { return m_proxyFlags; }
  AppNameChangeFuncPtr appNameCallback() const { return m_appNameChange; }

  // A new object of this class, or null when the class has no constructor.
  // A pseudo-constructor answers null only when it cannot allocate, so that
  // throws std::bad_alloc rather than pass for a class without objects.
  PnRxObject* create() const;
  bool isDerivedFrom(const PnRxClass* other) const;

 private:
  friend PnRxClass* pnrxNewClassIn(PnRxDictionary*, const wchar_t*, const wchar_t*, int, int, int,
                                   PnRxPseudoConstructor, const wchar_t*, const wchar_t*, AppNameChangeFuncPtr);
  friend void pnrxBuildClassHierarchy();
  friend void pnrxUnlinkParent(PnRxClass*);
  PnRxClass() = default;

  std::wstring m_name, m_parentName, m_dxfName, m_appName;
  PnRxClass* m_parent = nullptr;
  int m_dwgVersion = 0, m_maintenanceVersion = 0, m_proxyFlags = 0;
  PnRxPseudoConstructor m_constructor = nullptr;
  AppNameChangeFuncPtr m_appNameChange = nullptr;
};

// Registers a class. Null when a class of that name exists already.
PnRxClass* newPnRxClass(const wchar_t* className, const wchar_t* parentClassName, int dwgVersion,
                        int maintenanceVersion, int proxyFlags, PnRxPseudoConstructor constructor,
                        const wchar_t* dxfName = nullptr, const wchar_t* appName = nullptr,
                        AppNameChangeFuncPtr appNameChange = nullptr);
PnRxClass* pnrxFindPnRxClass(const wchar_t* className);
void deletePnRxClass(PnRxClass* cls);
// Links classes whose parent was registered after them.
void pnrxBuildClassHierarchy();

// A string-keyed map of objects. An owning dictionary deletes what it still holds.
class PnRxDictionary : public PnRxObject {
 public:
  explicit PnRxDictionary(bool ownsObjects = true) : m_ownsObjects(ownsObjects) {}
  ~PnRxDictionary() override;
  PnRxDictionary(const PnRxDictionary&) = delete;
  PnRxDictionary& operator=(const PnRxDictionary&) = delete;
  PNRX_DECLARE_MEMBERS(PnRxDictionary);

  PnRxObject* at(const wchar_t* key) const;
  // Stores `object` and returns what was stored under the key before (now the caller's).
  PnRxObject* atPut(const wchar_t* key, PnRxObject* object);
  // Detaches and returns the entry; null when absent.
  PnRxObject* remove(const wchar_t* key);
  bool has(const wchar_t* key) const { return at(key) != nullptr; }
  std::uint32_t numEntries() const { return static_cast<std::uint32_t>(m_entries.size()); }
  std::vector<std::wstring> keys() const;
  // Calls visit(key, object) for every entry. Unlike keys() it allocates
  // nothing, so unloading cannot run out of memory half way.
  template <class Visit>
  void forEach(Visit&& visit) const {
    for (const auto& [key, object] : m_entries) visit(key, object);
  }

 private:
  // Looked up by views, so finding and removing entries allocate nothing.
  std::map<std::wstring, PnRxObject*, std::less<>> m_entries;
  bool m_ownsObjects;
};

class PnRxService : public PnRxObject {
 public:
  PNRX_DECLARE_MEMBERS(PnRxService);
};

namespace PnRx {
enum AppMsgCode : int {
  kNullMsg = 0,
  kInitAppMsg,
  kUnloadAppMsg,
  kLoadDwgMsg,
  kUnloadDwgMsg,
  kSaveMsg = 9,
};
enum AppRetCode : int { kRetOK = 0, kRetError = 3 };
}  // namespace PnRx

extern "C" {
using PnRxEntryPointFunc = PnRx::AppRetCode (*)(PnRx::AppMsgCode message, void* packet);
using PnRxApiVersionFunc = void (*)(std::uint32_t* version);
}

// The API version the host speaks; a module reporting another major version is refused.
constexpr std::uint32_t kPnRxApiVersion = 0x170000;

class PnRxDynamicLinker : public PnRxObject {
 public:
  PNRX_DECLARE_MEMBERS(PnRxDynamicLinker);

  // Adds a service to the "ServiceDictionary", which then owns it. Null when the name is taken.
  PnRxService* registerService(const wchar_t* serviceName, PnRxService* service);

  // Loads a module by file name (searched next to the host library and in
  // PNHOST_MODULE_PATH when it has no folder) and sends it kInitAppMsg.
  bool loadModule(const wchar_t* fileName, bool printErrors = false);
  // Sends kUnloadAppMsg and unloads. False when the module is not loaded.
  bool unloadModule(const wchar_t* fileName);
  void unloadAllModules();
  bool isModuleLoaded(const wchar_t* fileName) const;
  // Why the last load failed, for messages.
  const std::wstring& lastLoadError() const { return m_lastError; }

 private:
  struct Module;
  std::vector<Module*> m_modules;
  std::wstring m_lastError;
};

// The system registry: "ClassDictionary", "DynamicLinker", "ServiceDictionary".
PnRxDictionary* pnrxSysRegistry();
PnRxDynamicLinker* pnrxDynamicLinker();
bool pnrxServiceIsRegistered(const wchar_t* serviceName);

// Stops the host. Tests install a handler that throws instead.
using PnRxAbortHandler = void (*)(const wchar_t* message);
PnRxAbortHandler pnrxSetAbortHandler(PnRxAbortHandler handler);
[[noreturn]] void pnrx_abort(const wchar_t* format, ...);
