#include "copy/dict_copy_visitor.h"

#include <set>
#include <string>

#include "copy/dict_tree_copy.h"
#include "dictionaries/dict_iteration.h"

namespace KovtCopyUtil {
namespace {

bool isDictionary(PnDbObjectId id) {
  PnDbObject* object = nullptr;
  if (pndbOpenObject(object, id, PnDb::kForRead) != Plnx::eOk) return false;
  bool dictionary = object->isKindOf(PnDbDictionary::desc());
  object->close();
  return dictionary;
}

}  // namespace

DictCopyVisitor::DictCopyVisitor(PnDbObjectId sourceDictionaryId, PnDbDatabase* destination, bool recursive)
    : m_sourceDictionaryId(sourceDictionaryId), m_recursive(recursive), m_destination(destination) {}

void DictCopyVisitor::Run() {
  // Sub-dictionaries are visited in the order found, each after the whole
  // subtree of the one before it; a stack keeps that order without recursion.
  PnDbObjectIdArray pending{m_sourceDictionaryId};
  std::set<PnDbObjectId> visited;
  while (!pending.empty()) {
    PnDbObjectId next = pending.back();
    pending.pop_back();
    if (!visited.insert(next).second) continue;  // a cyclic tree of a damaged drawing
    PnDbObjectIdArray subDictionaries;
    CopyDict(next, subDictionaries);
    pending.insert(pending.end(), subDictionaries.rbegin(), subDictionaries.rend());
  }
}

void DictCopyVisitor::CopyDict(PnDbObjectId sourceDictionaryId, PnDbObjectIdArray& subDictionaries) {
  PnDbObjectId destinationId = GetCorrespondingDictionaryIdInDestDatabase(sourceDictionaryId, m_destination, true);
  if (destinationId.isNull()) return;
  PnDbDictionary* source = nullptr;
  if (pndbOpenObject(source, sourceDictionaryId, PnDb::kForRead) != Plnx::eOk) return;
  for (TxDictIterator it(source, true); !it.IsEnd(); ++it) {
    PnDbObjectId newId;
    bool descend = true;
    CopyObject(newId, destinationId, *it, descend);
    if (m_recursive && descend && isDictionary(*it)) subDictionaries.push_back(*it);
  }
}

PnDbObjectId DictCopyVisitor::CopyObject(PnDbObjectId& newId, PnDbObjectId destinationDictionaryId,
                                         PnDbObjectId sourceEntryId, bool& /*descend*/) {
  newId = PnDbObjectId();
  PnDbObject* source = nullptr;
  if (pndbOpenObject(source, sourceEntryId, PnDb::kForRead) != Plnx::eOk) return newId;
  PnDbObject* clone = source->clone();
  PnDbObjectId ownerId = source->ownerId();
  source->close();
  if (clone == nullptr) return newId;

  std::wstring name;
  PnDbDictionary* owner = nullptr;
  if (pndbOpenObject(owner, ownerId, PnDb::kForRead) == Plnx::eOk) {
    owner->nameAt(sourceEntryId, name);
    owner->close();
  }
  PnDbDictionary* destination = nullptr;
  if (name.empty() || pndbOpenObject(destination, destinationDictionaryId, PnDb::kForWrite) != Plnx::eOk) {
    delete clone;
    return newId;
  }
  PnDbObjectId added;
  if (destination->setAt(name.c_str(), clone, added) == Plnx::eOk) {
    clone->close();
    newId = added;
  } else {
    delete clone;
  }
  destination->close();
  return newId;
}

}  // namespace KovtCopyUtil
