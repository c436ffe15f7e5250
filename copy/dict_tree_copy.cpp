#include "copy/dict_tree_copy.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "dictionaries/dict_iteration.h"
#include "dictionaries/dict_tree.h"

namespace KovtCopyUtil {
namespace {

PnDbDictionary* openDictionary(PnDbObjectId id, PnDb::OpenMode mode) {
  PnDbDictionary* dictionary = nullptr;
  return pndbOpenObject(dictionary, id, mode) == Plnx::eOk ? dictionary : nullptr;
}

void closeIfOpen(PnDbObject* object) {
  if (object != nullptr) object->close();
}

bool liveEntry(const PnDbDictionary* dictionary, const std::wstring& name, PnDbObjectId& id) {
  return dictionary->getAt(name.c_str(), id) == Plnx::eOk;
}

// The name the object has in its owner. `alreadyOpen` is a dictionary the
// caller holds open: when it is the owner it answers directly, since opening
// it again could fail.
bool nameInOwner(const PnDbObject* object, const PnDbDictionary* alreadyOpen, std::wstring& name) {
  if (alreadyOpen != nullptr && object->ownerId() == alreadyOpen->objectId())
    return alreadyOpen->nameAt(object->objectId(), name) == Plnx::eOk;
  PnDbDictionary* owner = openDictionary(object->ownerId(), PnDb::kForRead);
  if (owner == nullptr) return false;
  bool found = owner->nameAt(object->objectId(), name) == Plnx::eOk;
  owner->close();
  return found;
}

// Adds a clone of the source entry under `name`; the null id when the entry
// cannot be opened or cloned, or the destination refuses it.
PnDbObjectId addClone(PnDbObjectId sourceEntryId, const std::wstring& name, PnDbDictionary* destination) {
  PnDbObject* source = nullptr;
  if (pndbOpenObject(source, sourceEntryId, PnDb::kForRead) != Plnx::eOk) return {};
  PnDbObject* clone = source->clone();
  source->close();
  if (clone == nullptr) return {};
  PnDbObjectId id;
  if (destination->setAt(name.c_str(), clone, id) != Plnx::eOk) {
    delete clone;
    return {};
  }
  clone->close();
  return id;
}

using IdPair = std::pair<PnDbObjectId, PnDbObjectId>;  // destination, source

// One level of the merge. Appends the pairs of entries to merge next.
void mergeLevel(const IdPair& level, const std::set<PnDbObjectId>& created, std::vector<IdPair>& next,
                std::set<PnDbObjectId>& newlyCreated) {
  // The destination is opened only for a source that is a dictionary: an
  // entry that is none ends the merge, and need not be read to end it.
  PnDbDictionary* source = openDictionary(level.second, PnDb::kForRead);
  PnDbDictionary* destination = source == nullptr ? nullptr : openDictionary(level.first, PnDb::kForWrite);
  if (source == nullptr || destination == nullptr) {
    closeIfOpen(source);
    return;
  }
  TxDictScope closeDestination(destination);
  for (TxDictIterator it(source, true); !it.IsEnd(); ++it) {
    PnDbObjectId entryId = *it;
    // Within one drawing the source may reach what this merge made; copying
    // that again would never end.
    if (created.count(entryId) > 0 || newlyCreated.count(entryId) > 0) continue;
    std::wstring name;
    if (source->nameAt(entryId, name) != Plnx::eOk) continue;
    PnDbObjectId target;
    if (!liveEntry(destination, name, target)) {
      target = addClone(entryId, name, destination);
      if (target.isNull()) continue;
      newlyCreated.insert(target);
    }
    next.emplace_back(target, entryId);
  }
}

// Opens the destination's counterpart of the source object's owner for
// write and hands both to `use`; everything is closed again afterwards.
template <class Use>
bool withOwnerCounterpart(PnDbObjectId sourceId, PnDbDatabase* destination, Use use) {
  if (destination == nullptr) return false;
  PnDbObject* source = nullptr;
  if (pndbOpenObject(source, sourceId, PnDb::kForRead) != Plnx::eOk) return false;
  PnDbObjectId targetId = GetCorrespondingDictionaryIdInDestDatabase(source->ownerId(), destination, true);
  PnDbDictionary* target = targetId.isNull() ? nullptr : openDictionary(targetId, PnDb::kForWrite);
  bool done = target != nullptr && use(source, target);
  closeIfOpen(target);
  source->close();
  return done;
}

}  // namespace

void CopySimpleDictionaryTree(const PnDbObjectId& destinationId, const PnDbObjectId& sourceId) {
  // Depth first without recursion: a deep tree in a damaged drawing must not
  // exhaust the stack, and a cyclic one must not loop.
  std::vector<IdPair> pending{{destinationId, sourceId}};
  std::set<PnDbObjectId> visitedSources, created;
  while (!pending.empty()) {
    IdPair level = pending.back();
    pending.pop_back();
    if (!visitedSources.insert(level.second).second) continue;
    std::vector<IdPair> next;
    std::set<PnDbObjectId> newlyCreated;
    mergeLevel(level, created, next, newlyCreated);
    created.insert(newlyCreated.begin(), newlyCreated.end());
    pending.insert(pending.end(), next.rbegin(), next.rend());
  }
}

PnDbObjectId GetCorrespondingDictionaryIdInDestDatabase(const PnDbDictionary* sourceDictionary,
                                                        PnDbDatabase* destination, bool create) {
  if (sourceDictionary == nullptr || destination == nullptr || sourceDictionary->database() == nullptr) return {};
  struct Level {
    std::wstring name;
    const PnRxClass* cls;
  };
  std::vector<Level> path;
  const PnDbObjectId top = sourceDictionary->database()->namedObjectsDictionaryId();
  PnDbObjectId currentId = sourceDictionary->objectId(), ownerId = sourceDictionary->ownerId();
  const PnRxClass* currentClass = sourceDictionary->isA();
  std::set<PnDbObjectId> seen;
  while (currentId != top) {
    // An owner chain that comes back on itself belongs to a damaged drawing.
    if (!seen.insert(currentId).second) return {};
    PnDbDictionary* owner = openDictionary(ownerId, PnDb::kForRead);
    if (owner == nullptr) return {};
    std::wstring name;
    bool named = owner->nameAt(currentId, name) == Plnx::eOk;
    path.push_back({std::move(name), currentClass});
    currentId = owner->objectId();
    ownerId = owner->ownerId();
    currentClass = owner->isA();
    owner->close();
    if (!named) return {};
  }

  PnDbDictionary* level = nullptr;
  if (destination->getNamedObjectsDictionary(level, PnDb::kForRead) != Plnx::eOk) return {};
  for (auto it = path.rbegin(); it != path.rend() && level != nullptr; ++it)
    level = GetSubDict(create ? it->cls : nullptr, level, it->name.c_str(), PnDb::kForRead, true);
  if (level == nullptr) return {};
  PnDbObjectId id = level->objectId();
  level->close();
  return id;
}

PnDbObjectId GetCorrespondingDictionaryIdInDestDatabase(PnDbObjectId sourceDictionaryId, PnDbDatabase* destination,
                                                        bool create) {
  PnDbDictionary* source = openDictionary(sourceDictionaryId, PnDb::kForRead);
  if (source == nullptr) return {};
  PnDbObjectId id = GetCorrespondingDictionaryIdInDestDatabase(source, destination, create);
  source->close();
  return id;
}

bool CloneDictionaryObject(const PnDbObject* source, const PnDbDictionary* destination, PnDbObject*& clone,
                           KOVTString& name) {
  if (source == nullptr || destination == nullptr || !source->isReadEnabled() || !destination->isReadEnabled())
    return false;
  std::wstring ownName;
  if (!nameInOwner(source, destination, ownName)) return false;
  PnDbObject* copy = source->clone();
  if (copy == nullptr) return false;
  KOVTString candidate = ownName;
  for (long counter = 0; destination->has(candidate); ++counter) candidate.Format(L"%ls %ld", ownName.c_str(), counter);
  clone = copy;
  name = candidate;
  return true;
}

bool CloneDictionaryObject(PnDbObjectId sourceId, PnDbDatabase* destination, PnDbObject*& clone, KOVTString& name) {
  return withOwnerCounterpart(sourceId, destination, [&](PnDbObject* source, PnDbDictionary* target) {
    return CloneDictionaryObject(source, target, clone, name);
  });
}

PnDbObjectId CopyDictionaryObject(const PnDbObject* source, PnDbDictionary* destination) {
  if (destination == nullptr || !destination->isWriteEnabled()) return {};
  PnDbObject* clone = nullptr;
  KOVTString name;
  if (!CloneDictionaryObject(source, destination, clone, name)) return {};
  PnDbObjectId id;
  if (destination->setAt(name, clone, id) != Plnx::eOk) {
    delete clone;
    return {};
  }
  clone->close();
  return id;
}

PnDbObjectId CopyDictionaryObject(PnDbObjectId sourceId, PnDbDatabase* destination) {
  PnDbObjectId id;
  withOwnerCounterpart(sourceId, destination, [&](PnDbObject* source, PnDbDictionary* target) {
    id = CopyDictionaryObject(source, target);
    return !id.isNull();
  });
  return id;
}

}  // namespace KovtCopyUtil
