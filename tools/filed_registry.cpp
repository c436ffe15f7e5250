#include "tools/filed_registry.h"

#include <memory>

#include "host/filed_items.h"
#include "host/utf16.h"
#include "registry/registry_keeper.h"

std::optional<FiledRegistry> FiledRegistry::Of(const PnDbDictionary& settings) {
  std::unique_ptr<PnDbDictionaryIterator> entries(settings.newIterator());
  if (entries->done() || std::wstring(entries->name()) != kRegistryKeeperEntry) return std::nullopt;
  FiledRegistry filed;
  filed.m_entry = entries->name();
  PnDbObject* object = nullptr;
  if (entries->getObject(object, PnDb::kForRead) != Plnx::eOk) return std::nullopt;
  const KoVTPrjRegistryKeeper* keeper = KoVTPrjRegistryKeeper::cast(object);
  PnDbMemoryFiler filer(PnDb::kFileFiler, settings.database());
  const bool filedWhole = keeper != nullptr && keeper->dwgOutFields(&filer) == Plnx::eOk;
  if (keeper != nullptr) filed.m_className = pndbToUtf16(keeper->isA()->name());
  object->close();
  if (!filedWhole || entries->next()) return std::nullopt;
  filed.m_items = filer.takeBytes();
  // Past the owner, which the target's dictionary gives.
  const bool whole = pndbWalkFiledItems(filed.m_items.data(), filed.m_items.size(), [&](const PnDbFiledId& id) {
    PnDbObjectId held;
    if (id.at >= kPnDbOwnerItem && id.handle != 0 &&
        settings.database()->getPnDbObjectId(held, false, PnDbHandle(id.handle)) == Plnx::eOk)
      filed.m_ids.emplace_back(id.at, held);
  });
  if (!whole) return std::nullopt;
  return filed;
}

bool FiledRegistry::AddTo(PnDbDictionary& settings, const CopiedReferences::Counterparts& counterparts) const {
  std::vector<std::uint8_t> items = m_items;
  for (const auto& [at, id] : m_ids) {
    const auto found = counterparts.find(id);
    const bool moved = found != counterparts.end() && found->second.database() == settings.database();
    const std::uint64_t handle = moved ? found->second.handle().value() : 0;
    for (int i = 0; i < 8; ++i) items[at + i] = static_cast<std::uint8_t>(handle >> (8 * i));
  }
  PnDbObjectId added;
  return settings.setAtFiled(m_entry.c_str(), m_className, std::move(items), added) == Plnx::eOk;
}
