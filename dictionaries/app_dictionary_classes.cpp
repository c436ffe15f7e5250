#include "dictionaries/app_dictionary_classes.h"

#include <new>
#include <string>

namespace {

// The drawing format and maintenance release in force when the classes were defined.
constexpr int kDwgVersion = 33;
constexpr int kMaintenanceVersion = 55;
// No operation is allowed on a proxy of these objects.
constexpr int kProxyFlags = 0;
constexpr const wchar_t* kParentClassName = L"PnDbDictionary";
constexpr const wchar_t* kAppName = L"KovtAppSet";

}  // namespace

template <class Self>
PnRxClass* KovtAppDictionaryClass<Self>::s_desc = nullptr;

template <class Self>
PnRxClass* KovtAppDictionaryClass<Self>::desc() {
  if (s_desc == nullptr) s_desc = pnrxFindPnRxClass(Self::kClassName);
  return s_desc;
}

template <class Self>
PnRxClass* KovtAppDictionaryClass<Self>::isA() const {
  return desc();
}

template <class Self>
Self* KovtAppDictionaryClass<Self>::cast(const PnRxObject* object) {
  if (object == nullptr || !object->isKindOf(desc())) return nullptr;
  // The runtime class says yes; the C++ type must agree before we hand out a Self.
  return dynamic_cast<Self*>(const_cast<PnRxObject*>(object));
}

template <class Self>
void KovtAppDictionaryClass<Self>::rxInit() {
  rxInit(nullptr);
}

template <class Self>
void KovtAppDictionaryClass<Self>::rxInit(AppNameChangeFuncPtr appNameChange) {
  if (s_desc != nullptr) {
    PnRxClass* registered = pnrxFindPnRxClass(Self::kClassName);
    if (registered == s_desc) return;
    if (registered != nullptr) pnrx_abort(L"Class mismatch");
  }
  // Files name the class by its name behind three underscores.
  const std::wstring dxfName = L"___" + std::wstring(Self::kClassName);
  s_desc = newPnRxClass(Self::kClassName, kParentClassName, kDwgVersion, kMaintenanceVersion, kProxyFlags,
                        &pseudoConstructor, dxfName.c_str(), kAppName, appNameChange);
}

template <class Self>
void KovtAppDictionaryClass<Self>::rxForget() {
  s_desc = nullptr;
}

template <class Self>
PnRxObject* KovtAppDictionaryClass<Self>::pseudoConstructor() {
  try {
    return new Self;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

template <class Self>
Plnx::ErrorStatus KovtAppDictionaryClass<Self>::dwgOutFields(PnDbDwgFiler* filer) const {
  assertReadEnabled();
  Plnx::ErrorStatus es = PnDbDictionary::dwgOutFields(filer);
  if (es != Plnx::eOk) return es;
  filer->writeInt32(kClassVersion);
  return filer->filerStatus();
}

template <class Self>
Plnx::ErrorStatus KovtAppDictionaryClass<Self>::dwgInFields(PnDbDwgFiler* filer) {
  assertWriteEnabled(false, true);
  Plnx::ErrorStatus es = PnDbDictionary::dwgInFields(filer);
  if (es != Plnx::eOk) return es;
  std::int32_t storedVersion = 0;
  filer->readInt32(&storedVersion);
  if (filer->filerStatus() == Plnx::eOk && storedVersion > kClassVersion) return Plnx::eMakeMeProxy;
  return filer->filerStatus();
}

template class KovtAppDictionaryClass<KOVTMainRootDictionary>;
template class KovtAppDictionaryClass<KOVTAppDictionary>;
template class KovtAppDictionaryClass<KOVTStyleDictionary>;
template class KovtAppDictionaryClass<KOVTSTDictionary>;

namespace {

struct ClassHooks {
  void (*init)();
  PnRxClass* (*desc)();
  void (*forget)();
};

template <class Dictionary>
constexpr ClassHooks hooksOf() {
  return {&Dictionary::rxInit, &Dictionary::desc, &Dictionary::rxForget};
}

// The order in which the module registers them.
constexpr ClassHooks kClasses[] = {
    hooksOf<KOVTAppDictionary>(),
    hooksOf<KOVTMainRootDictionary>(),
    hooksOf<KOVTStyleDictionary>(),
    hooksOf<KOVTSTDictionary>(),
};

}  // namespace

void KovtRegisterAppDictionaryClasses(std::vector<PnRxClass*>& registered) {
  for (const ClassHooks& hooks : kClasses) {
    hooks.init();
    if (PnRxClass* cls = hooks.desc()) registered.push_back(cls);
  }
}

void KovtForgetAppDictionaryClasses() {
  for (const ClassHooks& hooks : kClasses) hooks.forget();
}
