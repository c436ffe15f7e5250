#include "registry/registry_keeper.h"

#include <memory>

#include "registry/key_filing.h"

PnRxClass* KoVTPrjRegistryKeeper::isA() const { return desc(); }

KoVTPrjRegistryKeeper* KoVTPrjRegistryKeeper::cast(const PnRxObject* object) {
  PnRxClass* cls = desc();
  if (object == nullptr || cls == nullptr || !object->isKindOf(cls)) return nullptr;
  return const_cast<KoVTPrjRegistryKeeper*>(static_cast<const KoVTPrjRegistryKeeper*>(object));
}

KoVTPrjReg::TKey* KoVTPrjRegistryKeeper::FindRootKey(const KOVTString& name) const {
  auto it = m_roots.find(name);
  return it == m_roots.end() ? nullptr : it->second.get();
}

KoVTPrjReg::TKey* KoVTPrjRegistryKeeper::CreateRootKey(const KOVTString& name) {
  std::unique_ptr<KoVTPrjReg::TKey>& slot = m_roots[name];
  if (slot == nullptr) slot = std::make_unique<KoVTPrjReg::TKey>();
  return slot.get();
}

PnDbObject* KoVTPrjRegistryKeeper::clone() const {
  assertReadEnabled();
  auto copy = std::make_unique<KoVTPrjRegistryKeeper>();
  copy->assertWriteEnabled(false, true);
  for (const auto& [name, key] : m_roots) copy->m_roots.emplace_hint(copy->m_roots.end(), name, key->Clone());
  return copy.release();
}

Plnx::ErrorStatus KoVTPrjRegistryKeeper::dwgOutFields(PnDbDwgFiler* filer) const {
  assertReadEnabled();
  // Tens of megabytes for a million values: counted first, they go into room
  // made once, not into a buffer grown and copied as it fills.
  if (auto* memory = dynamic_cast<PnDbMemoryFiler*>(filer)) {
    PnDbCountingFiler counter;
    fileFields(&counter);
    memory->reserve(memory->bytes().size() + counter.count());
  }
  return fileFields(filer);
}

Plnx::ErrorStatus KoVTPrjRegistryKeeper::fileFields(PnDbDwgFiler* filer) const {
  if (Plnx::ErrorStatus es = PnDbObject::dwgOutFields(filer); es != Plnx::eOk) return es;
  filer->writeUInt16(kFormatVersion);
  return KoVTPrjReg::DwgOutKeyList(filer, m_roots);
}

Plnx::ErrorStatus KoVTPrjRegistryKeeper::dwgInFields(PnDbDwgFiler* filer) {
  assertWriteEnabled(false, true);
  if (Plnx::ErrorStatus es = PnDbObject::dwgInFields(filer); es != Plnx::eOk) return es;
  std::uint16_t version = 0;
  if (Plnx::ErrorStatus es = filer->readUInt16(&version); es != Plnx::eOk) return es;
  if (version > kFormatVersion) return Plnx::eMakeMeProxy;
  return KoVTPrjReg::DwgInKeyList(filer, m_roots);
}
