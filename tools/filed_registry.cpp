#include "tools/filed_registry.h"

#include <memory>

#include "host/filed_items.h"
#include "host/utf16.h"
#include "registry/registry_keeper.h"

FiledRegistry::FiledRegistry(std::wstring entry, std::u16string className, PnDbFiledItems items)
    : m_entry(std::move(entry)), m_className(std::move(className)), m_items(std::move(items)) {}

std::optional<FiledRegistry> FiledRegistry::Of(const PnDbDictionary& settings) {
  std::unique_ptr<PnDbDictionaryIterator> entries(settings.newIterator());
  if (entries->done() || std::wstring(entries->name()) != kRegistryKeeperEntry) return std::nullopt;
  std::wstring entry = entries->name();
  PnDbObject* object = nullptr;
  if (entries->getObject(object, PnDb::kForRead) != Plnx::eOk) return std::nullopt;
  const KoVTPrjRegistryKeeper* keeper = KoVTPrjRegistryKeeper::cast(object);
  PnDbMemoryFiler filer(PnDb::kFileFiler, settings.database());
  const bool filedWhole = keeper != nullptr && keeper->dwgOutFields(&filer) == Plnx::eOk;
  std::u16string className = keeper != nullptr ? pndbToUtf16(keeper->isA()->name()) : u"";
  object->close();
  if (!filedWhole || entries->next()) return std::nullopt;
  FiledRegistry filed(std::move(entry), std::move(className), PnDbFiledItems(filer.takeBytes()));
  if (!filed.m_items.whole()) return std::nullopt;
  const std::vector<PnDbFiledId>& ids = filed.m_items.ids();
  // Past the owner, which the target's dictionary gives.
  for (std::size_t i = 0; i < ids.size(); ++i) {
    PnDbObjectId held;
    if (ids[i].at >= kPnDbOwnerItem && ids[i].handle != 0 &&
        settings.database()->getPnDbObjectId(held, false, PnDbHandle(ids[i].handle)) == Plnx::eOk)
      filed.m_ids.emplace_back(i, held);
  }
  return filed;
}

bool FiledRegistry::AddTo(PnDbDictionary& settings, const CopiedReferences::Counterparts& counterparts) const {
  PnDbFiledItems items = m_items;
  for (const auto& [index, id] : m_ids) {
    const auto found = counterparts.find(id);
    const bool moved = found != counterparts.end() && found->second.database() == settings.database();
    items.setHandle(index, moved ? found->second.handle().value() : 0);
  }
  PnDbObjectId added;
  return settings.setAtFiled(m_entry.c_str(), m_className, std::move(items), added) == Plnx::eOk;
}
