// Cloning objects from another database.
#include "host/database.h"

namespace {

// Refiles an object, replacing every reference by its counterpart in the destination.
class TranslatingFiler : public PnDbMemoryFiler {
 public:
  TranslatingFiler(PnDbDatabase* destination, const PnDbIdMapping& mapping)
      : PnDbMemoryFiler(PnDb::kWblockCloneFiler, destination), m_destination(destination), m_mapping(mapping) {}

 protected:
  PnDbObjectId wordToId(std::uint64_t word, Item kind) override {
    PnDbObjectId id = PnDbMemoryFiler::wordToId(word, kind), mapped;
    if (id.isNull() || id.database() == m_destination) return id;
    return m_mapping.lookup(id, mapped) ? mapped : PnDbObjectId();
  }

 private:
  PnDbDatabase* m_destination;
  const PnDbIdMapping& m_mapping;
};

std::wstring mangled(const std::wstring& name, int counter) {
  return L"$" + std::to_wstring(counter) + L"$" + name;
}

}  // namespace

Plnx::ErrorStatus PnDbDatabase::wblockCloneObjects(const PnDbObjectIdArray& sourceIds, PnDbObjectId ownerId,
                                                   PnDbIdMapping& mapping, PnDb::DuplicateRecordCloning cloning,
                                                   bool deferTranslation) {
  if (ownerId.database() != this || !ownerId.isValid()) return Plnx::eWrongDatabase;
  PnDbObject* owner = nullptr;
  Plnx::ErrorStatus es = pndbOpenObject(owner, ownerId, PnDb::kForWrite);
  if (es != Plnx::eOk) return es;
  auto* table = PnDbSymbolTable::cast(owner);
  auto* dictionary = PnDbDictionary::cast(owner);
  std::vector<PnDbObject*> clones;
  for (PnDbObjectId sourceId : sourceIds) {
    PnDbObject* source = nullptr;
    if (sourceId.database() == this || pndbOpenObject(source, sourceId, PnDb::kForRead) != Plnx::eOk) {
      es = Plnx::eWrongDatabase;
      continue;
    }
    std::wstring entryName;
    if (dictionary) {
      PnDbDictionary* sourceOwner = nullptr;
      if (pndbOpenObject(sourceOwner, source->ownerId(), PnDb::kForRead) == Plnx::eOk) {
        sourceOwner->nameAt(sourceId, entryName);
        sourceOwner->close();
      }
    }
    PnDbObject* copy = source->clone();
    source->close();
    if (copy == nullptr || (dictionary && entryName.empty()) || (table && !PnDbSymbolTableRecord::cast(copy))) {
      delete copy;
      es = Plnx::eNotApplicable;
      continue;
    }
    PnDbObjectId newId;
    if (table) {
      auto* record = PnDbSymbolTableRecord::cast(copy);
      PnDbObjectId existing;
      std::wstring name = record->name();
      if (table->getAt(name.c_str(), existing) == Plnx::eOk) {
        if (cloning == PnDb::kDrcMangleName || cloning == PnDb::kDrcXrefMangleName) {
          int counter = 0;
          while (table->has(mangled(name, counter).c_str())) ++counter;
          record->setName(mangled(name, counter).c_str());
        } else if (cloning == PnDb::kDrcReplace) {
          if (PnDbObject* replaced = existing.stub()->live()) pndbMarkErased(replaced, true);
        } else {
          mapping.assign(sourceId, existing);
          delete copy;
          continue;
        }
      }
      es = table->add(newId, record) == Plnx::eOk ? es : Plnx::eInvalidInput;
    } else if (dictionary) {
      PnDbObjectId existing;
      if (dictionary->getAt(entryName.c_str(), existing) == Plnx::eOk && cloning != PnDb::kDrcReplace) {
        if (cloning == PnDb::kDrcMangleName || cloning == PnDb::kDrcXrefMangleName) {
          int counter = 0;
          while (dictionary->has(mangled(entryName, counter).c_str())) ++counter;
          entryName = mangled(entryName, counter);
        } else {
          mapping.assign(sourceId, existing);
          delete copy;
          continue;
        }
      }
      dictionary->setAt(entryName.c_str(), copy, newId);
    } else {
      delete copy;
      owner->close();
      return Plnx::eNotThatKindOfClass;
    }
    if (newId.isNull()) {
      delete copy;
      continue;
    }
    mapping.assign(sourceId, newId);
    clones.push_back(copy);
  }
  owner->close();
  for (PnDbObject* copy : clones) {
    if (!deferTranslation) {
      TranslatingFiler filer(this, mapping);
      copy->dwgOutFields(&filer);
      copy->dwgInFields(&filer);
    }
    copy->close();
  }
  return es;
}
