#include "host/rx.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <new>

#include "host/builtin_classes.h"

PnRxObject::~PnRxObject() = default;

PnRxClass* PnRxObject::desc() {
  static PnRxClass* const cls = pnrxFindPnRxClass(L"PnRxObject");
  return cls;
}
PnRxClass* PnRxObject::isA() const { return desc(); }

bool PnRxObject::isKindOf(const PnRxClass* cls) const {
  const PnRxClass* mine = isA();
  return mine != nullptr && cls != nullptr && mine->isDerivedFrom(cls);
}

PnRxClass* PnRxClass::desc() {
  static PnRxClass* const cls = pnrxFindPnRxClass(L"PnRxClass");
  return cls;
}
PnRxClass* PnRxClass::isA() const { return desc(); }

PnRxObject* PnRxClass::create() const {
  if (m_constructor == nullptr) return nullptr;
  PnRxObject* object = m_constructor();
  if (object == nullptr) throw std::bad_alloc();
  return object;
}

bool PnRxClass::isDerivedFrom(const PnRxClass* other) const {
  // Bounded walk, in case a module ever builds a cycle.
  int limit = 1000;
  for (const PnRxClass* c = this; c != nullptr && limit-- > 0; c = c->m_parent)
    if (c == other) return true;
  return false;
}

PnRxClass* newPnRxClass(const wchar_t* className, const wchar_t* parentClassName, int dwgVersion,
                        int maintenanceVersion, int proxyFlags, PnRxPseudoConstructor constructor,
                        const wchar_t* dxfName, const wchar_t* appName, AppNameChangeFuncPtr appNameChange) {
  return pnrxNewClassIn(pnrxClassDictionary(), className, parentClassName, dwgVersion, maintenanceVersion,
                        proxyFlags, constructor, dxfName, appName, appNameChange);
}

PnRxClass* pnrxNewClassIn(PnRxDictionary* classes, const wchar_t* className, const wchar_t* parentClassName,
                          int dwgVersion, int maintenanceVersion, int proxyFlags, PnRxPseudoConstructor constructor,
                          const wchar_t* dxfName, const wchar_t* appName, AppNameChangeFuncPtr appNameChange) {
  if (className == nullptr || *className == 0) return nullptr;
  if (classes->has(className)) return nullptr;
  auto* cls = new PnRxClass;
  cls->m_name = className;
  cls->m_parentName = parentClassName ? parentClassName : L"";
  cls->m_dxfName = dxfName ? dxfName : L"";
  cls->m_appName = appName ? appName : L"";
  cls->m_dwgVersion = dwgVersion;
  cls->m_maintenanceVersion = maintenanceVersion;
  cls->m_proxyFlags = proxyFlags;
  cls->m_constructor = constructor;
  cls->m_appNameChange = appNameChange;
  if (!cls->m_parentName.empty()) cls->m_parent = dynamic_cast<PnRxClass*>(classes->at(cls->m_parentName.c_str()));
  classes->atPut(className, cls);
  return cls;
}

PnRxClass* pnrxFindPnRxClass(const wchar_t* className) {
  if (className == nullptr) return nullptr;
  return dynamic_cast<PnRxClass*>(pnrxClassDictionary()->at(className));
}

void deletePnRxClass(PnRxClass* cls) {
  if (cls == nullptr) return;
  PnRxDictionary* classes = pnrxClassDictionary();
  if (classes->at(cls->name()) == cls) classes->remove(cls->name());
  classes->forEach([cls](const std::wstring&, PnRxObject* entry) {
    auto* other = dynamic_cast<PnRxClass*>(entry);
    if (other && other->myParent() == cls) pnrxUnlinkParent(other);
  });
  delete cls;
}

void pnrxUnlinkParent(PnRxClass* cls) { cls->m_parent = nullptr; }

void pnrxBuildClassHierarchy() {
  PnRxDictionary* classes = pnrxClassDictionary();
  classes->forEach([classes](const std::wstring&, PnRxObject* entry) {
    auto* cls = dynamic_cast<PnRxClass*>(entry);
    if (cls && !cls->m_parentName.empty())
      cls->m_parent = dynamic_cast<PnRxClass*>(classes->at(cls->m_parentName.c_str()));
  });
}

PnRxDictionary::~PnRxDictionary() {
  if (m_ownsObjects)
    for (auto& [key, object] : m_entries) delete object;
}

PNRX_DEFINE_MEMBERS(PnRxDictionary)
PNRX_DEFINE_MEMBERS(PnRxService)

PnRxObject* PnRxDictionary::at(const wchar_t* key) const {
  if (key == nullptr) return nullptr;
  auto it = m_entries.find(std::wstring_view(key));
  return it == m_entries.end() ? nullptr : it->second;
}

PnRxObject* PnRxDictionary::atPut(const wchar_t* key, PnRxObject* object) {
  if (key == nullptr) return object;
  PnRxObject*& slot = m_entries[key];
  PnRxObject* previous = slot;
  slot = object;
  return previous;
}

PnRxObject* PnRxDictionary::remove(const wchar_t* key) {
  if (key == nullptr) return nullptr;
  auto it = m_entries.find(std::wstring_view(key));
  if (it == m_entries.end()) return nullptr;
  PnRxObject* object = it->second;
  m_entries.erase(it);
  return object;
}

std::vector<std::wstring> PnRxDictionary::keys() const {
  std::vector<std::wstring> result;
  result.reserve(m_entries.size());
  for (const auto& entry : m_entries) result.push_back(entry.first);
  return result;
}

bool pnrxServiceIsRegistered(const wchar_t* serviceName) {
  auto* services = dynamic_cast<PnRxDictionary*>(pnrxSysRegistry()->at(L"ServiceDictionary"));
  return services != nullptr && services->has(serviceName);
}

namespace {
PnRxAbortHandler g_abortHandler = nullptr;
}

PnRxAbortHandler pnrxSetAbortHandler(PnRxAbortHandler handler) {
  PnRxAbortHandler previous = g_abortHandler;
  g_abortHandler = handler;
  return previous;
}

void pnrx_abort(const wchar_t* format, ...) {
  wchar_t message[1024];
  va_list args;
  va_start(args, format);
  if (std::vswprintf(message, sizeof message / sizeof message[0], format, args) < 0) message[0] = 0;
  va_end(args);
  if (g_abortHandler) g_abortHandler(message);
  std::fwprintf(stderr, L"host stopped: %ls\n", message);
  std::abort();
}
