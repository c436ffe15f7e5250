// KoVTPrjRegistryKeeper: the database object that holds a drawing's project
// registry and files it with the drawing.
//
// It lives in the application root dictionary under kRegistryKeeperEntry and
// owns the root keys. Its runtime class exists while KoVTPrjReg::Initialize
// calls outnumber KoVTPrjReg::Finalize calls.
//
// Filed form, after the host object's own fields:
//   UInt16 format version (1), then the root keys as a key list (key_filing.h).
#pragma once

#include <cstdint>

#include "host/object.h"
#include "host/rx.h"
#include "registry/registry_key.h"

namespace KoVTPrjReg {
// The keeper's root keys by name, in the order of every registry map.
using TRootKeys = TKeyMap;
}  // namespace KoVTPrjReg

class KoVTPrjRegistryKeeper : public PnDbObject {
 public:
  // The format this module writes; a keeper of a later one stays a proxy.
  static constexpr std::uint16_t kFormatVersion = 1;

  // Null while the class is not registered.
  static PnRxClass* desc();
  PnRxClass* isA() const override;
  static KoVTPrjRegistryKeeper* cast(const PnRxObject* object);

  KoVTPrjRegistryKeeper() = default;

  // Callers that only read the keeper may change the tree all the same:
  // access rights decide how the keeper is opened, nothing more.
  KoVTPrjReg::TRootKeys& RootKeys() { return m_roots; }
  const KoVTPrjReg::TRootKeys& RootKeys() const { return m_roots; }
  KoVTPrjReg::TKey* FindRootKey(const KOVTString& name) const;
  // The existing root key of that name, or a new empty one.
  KoVTPrjReg::TKey* CreateRootKey(const KOVTString& name);

  // Reading adds to the roots already present (a name present keeps its key).
  // A later format version answers eMakeMeProxy and reads nothing more.
  Plnx::ErrorStatus dwgInFields(PnDbDwgFiler* filer) override;
  Plnx::ErrorStatus dwgOutFields(PnDbDwgFiler* filer) const override;
  // Copies the tree directly: filing a huge registry out and in again costs
  // a second copy of its filed form and the parsing.
  PnDbObject* clone() const override;

 private:
  // What dwgOutFields files.
  Plnx::ErrorStatus fileFields(PnDbDwgFiler* filer) const;

  KoVTPrjReg::TRootKeys m_roots;
};

// The entry of the application root dictionary that holds the keeper.
inline constexpr const wchar_t* kRegistryKeeperEntry = L"KoVT_ProjectRegistryKeeper";

namespace KoVTPrjReg {

// Reference-counted registration of the keeper's runtime class: the first
// Initialize registers it, the Finalize that brings the count back to 0
// deletes it. A class of the same name that this module did not create stops
// the host ("Class mismatch").
void Initialize();
void Finalize();

}  // namespace KoVTPrjReg
