// The module's four persistent dictionary classes.
//
// Each is exactly a host dictionary with a runtime class of its own, so a
// drawing opened without this module shows the containers as proxies and one
// opened with it recognises them. Behind the host dictionary's fields each
// files its class version; a drawing whose stored version is newer than the
// class's is kept as a proxy (eMakeMeProxy) rather than misread.
//
// The classes are siblings: each derives from PnDbDictionary through the
// shared KovtAppDictionaryClass template, never from one another.
#pragma once

#include <cstdint>
#include <vector>

#include "host/dictionary.h"

template <class Self>
class KovtAppDictionaryClass : public PnDbDictionary {
 public:
  // Filed behind the host dictionary's fields.
  static constexpr std::int32_t kClassVersion = 1;

  // The registered descriptor; looked up by class name while none is cached.
  static PnRxClass* desc();
  PnRxClass* isA() const override;
  // The object as this class, or null for null and other classes.
  static Self* cast(const PnRxObject* object);

  // Registers the class with the host (once; a second call changes nothing).
  // A different class already registered under the name stops the host
  // with "Class mismatch".
  static void rxInit();
  static void rxInit(AppNameChangeFuncPtr appNameChange);
  // Drops the cached descriptor after the host's class has been deleted.
  static void rxForget();

  // These classes carry no name of their own: always null.
  const wchar_t* GetName() const { return nullptr; }

  Plnx::ErrorStatus dwgOutFields(PnDbDwgFiler* filer) const override;
  Plnx::ErrorStatus dwgInFields(PnDbDwgFiler* filer) override;

 private:
  static PnRxObject* pseudoConstructor();
  static PnRxClass* s_desc;
};

// The common root "KOVT", and roots created by name.
class KOVTMainRootDictionary : public KovtAppDictionaryClass<KOVTMainRootDictionary> {
 public:
  static constexpr const wchar_t* kClassName = L"KOVTMainRootDictionary";
};

// The module roots "KOVR", "KOVS", "KOVX" and the database stamps.
class KOVTAppDictionary : public KovtAppDictionaryClass<KOVTAppDictionary> {
 public:
  static constexpr const wchar_t* kClassName = L"KOVTAppDictionary";
};

// The "Style" dictionary below a root.
class KOVTStyleDictionary : public KovtAppDictionaryClass<KOVTStyleDictionary> {
 public:
  static constexpr const wchar_t* kClassName = L"KOVTStyleDictionary";
};

// Registered for the other modules of the family; this module makes none.
class KOVTSTDictionary : public KovtAppDictionaryClass<KOVTSTDictionary> {
 public:
  static constexpr const wchar_t* kClassName = L"KOVTSTDictionary";
};

extern template class KovtAppDictionaryClass<KOVTMainRootDictionary>;
extern template class KovtAppDictionaryClass<KOVTAppDictionary>;
extern template class KovtAppDictionaryClass<KOVTStyleDictionary>;
extern template class KovtAppDictionaryClass<KOVTSTDictionary>;

// For the module's class hooks: registers the four classes in the order
// KOVTAppDictionary, KOVTMainRootDictionary, KOVTStyleDictionary,
// KOVTSTDictionary and appends each non-null descriptor to `registered`,
// whose owner deletes them at unload.
void KovtRegisterAppDictionaryClasses(std::vector<PnRxClass*>& registered);
// After those descriptors were deleted: forget them, so that desc() looks
// the classes up again instead of answering a deleted descriptor.
void KovtForgetAppDictionaryClasses();
