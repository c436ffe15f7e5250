#include "host/dictionary.h"

#include <cwctype>

#include "host/database.h"

PNRX_DEFINE_MEMBERS(PnDbDictionary)

namespace {

// Entry names are mostly ASCII, where upper case is plain arithmetic; the
// library call costs more than the rest of a lookup.
wint_t upperCase(wchar_t c) {
  if (c >= L'a' && c <= L'z') return static_cast<wint_t>(c - L'a' + L'A');
  if (c < 0x80) return static_cast<wint_t>(c);
  return std::towupper(static_cast<wint_t>(c));
}

}  // namespace

bool PnDbDictionary::NoCaseLess::operator()(const std::wstring& a, const std::wstring& b) const {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (a[i] == b[i]) continue;
    wint_t x = upperCase(a[i]), y = upperCase(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

Plnx::ErrorStatus PnDbDictionary::getAt(const wchar_t* name, PnDbObjectId& id) const {
  assertReadEnabled();
  if (name == nullptr) return Plnx::eInvalidKey;
  auto it = m_entries.find(name);
  // An erased entry is gone to every reader, as to the iterator and the filer.
  if (it == m_entries.end() || it->second.id.isErased()) return Plnx::eKeyNotFound;
  id = it->second.id;
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbDictionary::getAt(const wchar_t* name, PnDbObject*& object, PnDb::OpenMode mode) const {
  object = nullptr;
  PnDbObjectId id;
  Plnx::ErrorStatus es = getAt(name, id);
  return es == Plnx::eOk ? pndbOpenObject(object, id, mode) : es;
}

bool PnDbDictionary::has(const wchar_t* name) const {
  PnDbObjectId id;
  return getAt(name, id) == Plnx::eOk;
}

bool PnDbDictionary::has(PnDbObjectId id) const {
  std::wstring name;
  return nameAt(id, name) == Plnx::eOk;
}

Plnx::ErrorStatus PnDbDictionary::setAt(const wchar_t* name, PnDbObject* object, PnDbObjectId& id) {
  if (!isWriteEnabled()) return Plnx::eNotOpenForWrite;
  if (object == nullptr) return Plnx::eNullObjectPointer;
  if (name == nullptr || *name == 0) return Plnx::eInvalidKey;
  if (database() == nullptr) return Plnx::eNotInDatabase;
  if (object == this) return Plnx::eInvalidInput;
  if (object->isDatabaseResident()) {
    if (object->database() != database()) return Plnx::eWrongDatabase;
    if (!object->ownerId().isNull() && object->ownerId() != objectId()) return Plnx::eAlreadyInDb;
  } else {
    PnDbObjectId added;
    Plnx::ErrorStatus es = database()->addPnDbObject(added, object);
    if (es != Plnx::eOk) return es;
  }
  auto it = m_entries.find(name);
  if (it != m_entries.end() && it->second.id != object->objectId()) {
    PnDbObjectId old = it->second.id;
    if (PnDbObject* replaced = old.isValid() ? old.stub()->live() : nullptr) pndbMarkErased(replaced, true);
  }
  // An object sits under one name only.
  for (auto other = m_entries.begin(); other != m_entries.end(); ++other)
    if (other->second.id == object->objectId() && other != it) {
      m_entries.erase(other);
      break;
    }
  m_entries[name] = Entry{name, object->objectId()};
  object->setOwnerId(objectId());
  id = object->objectId();
  assertWriteEnabled();
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbDictionary::setAtFiled(const wchar_t* name, std::u16string className, PnDbFiledItems items,
                                             PnDbObjectId& id) {
  if (!isWriteEnabled()) return Plnx::eNotOpenForWrite;
  if (name == nullptr || *name == 0) return Plnx::eInvalidKey;
  if (database() == nullptr) return Plnx::eNotInDatabase;
  if (has(name)) return Plnx::eDuplicateKey;
  PnDbObjectId added;
  Plnx::ErrorStatus es = database()->addFiledObject(added, std::move(className), std::move(items), objectId());
  if (es != Plnx::eOk) return es;
  m_entries[name] = Entry{name, added};
  id = added;
  assertWriteEnabled();
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbDictionary::remove(PnDbObjectId id) {
  if (!isWriteEnabled()) return Plnx::eNotOpenForWrite;
  for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
    if (it->second.id != id) continue;
    m_entries.erase(it);
    if (id.isValid()) id.stub()->setOwnerId(PnDbObjectId());
    assertWriteEnabled();
    return Plnx::eOk;
  }
  return Plnx::eKeyNotFound;
}

Plnx::ErrorStatus PnDbDictionary::remove(const wchar_t* name, PnDbObjectId& id) {
  if (!isWriteEnabled()) return Plnx::eNotOpenForWrite;
  if (name == nullptr) return Plnx::eInvalidKey;
  auto it = m_entries.find(name);
  if (it == m_entries.end()) return Plnx::eKeyNotFound;
  id = it->second.id;
  return remove(id);
}

Plnx::ErrorStatus PnDbDictionary::nameAt(PnDbObjectId id, std::wstring& name) const {
  assertReadEnabled();
  for (const auto& [key, entry] : m_entries)
    if (entry.id == id) {
      name = entry.name;
      return Plnx::eOk;
    }
  return Plnx::eKeyNotFound;
}

PnDbDictionaryIterator* PnDbDictionary::newIterator() const {
  assertReadEnabled();
  auto* iterator = new PnDbDictionaryIterator;
  iterator->m_entries.reserve(m_entries.size());
  for (const auto& [key, entry] : m_entries)
    if (!entry.id.isErased()) iterator->m_entries.emplace_back(entry.name, entry.id);
  return iterator;
}

void PnDbDictionary::setMergeStyle(PnDb::DuplicateRecordCloning style) {
  assertWriteEnabled();
  m_mergeStyle = style;
}

std::vector<PnDbObjectId> PnDbDictionary::ownedObjects() const {
  std::vector<PnDbObjectId> ids;
  for (const auto& [key, entry] : m_entries) ids.push_back(entry.id);
  return ids;
}

// Entries are filed by name and owned reference; copies start empty, since
// their entries belong to the original.
Plnx::ErrorStatus PnDbDictionary::dwgOutFields(PnDbDwgFiler* filer) const {
  Plnx::ErrorStatus es = PnDbObject::dwgOutFields(filer);
  if (es != Plnx::eOk) return es;
  filer->writeInt16(static_cast<std::int16_t>(m_mergeStyle));
  if (filer->filerType() != PnDb::kFileFiler && filer->filerType() != PnDb::kIdFiler) {
    filer->writeUInt32(0);
    return filer->filerStatus();
  }
  std::uint32_t live = 0;
  for (const auto& [key, entry] : m_entries) live += entry.id.isErased() ? 0 : 1;
  filer->writeUInt32(live);
  for (const auto& [key, entry] : m_entries) {
    if (entry.id.isErased()) continue;
    filer->writeWideString(entry.name);
    filer->writeHardOwnershipId(entry.id);
  }
  return filer->filerStatus();
}

Plnx::ErrorStatus PnDbDictionary::dwgInFields(PnDbDwgFiler* filer) {
  Plnx::ErrorStatus es = PnDbObject::dwgInFields(filer);
  if (es != Plnx::eOk) return es;
  std::int16_t style = 0;
  std::uint32_t count = 0;
  filer->readInt16(&style);
  filer->readUInt32(&count);
  if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
  if (style < PnDb::kDrcNotApplicable || style > PnDb::kDrcUnmangleName) return Plnx::eDwgObjectImproperlyRead;
  m_mergeStyle = static_cast<PnDb::DuplicateRecordCloning>(style);
  m_entries.clear();
  // The loop ends early on a short buffer: every read fails once the status is set.
  for (std::uint32_t i = 0; i < count && filer->filerStatus() == Plnx::eOk; ++i) {
    std::wstring name;
    PnDbObjectId id;
    filer->readWideString(&name);
    filer->readHardOwnershipId(&id);
    if (filer->filerStatus() != Plnx::eOk) break;
    if (name.empty()) return Plnx::eDwgObjectImproperlyRead;
    if (!id.isNull()) m_entries[name] = Entry{name, id};
  }
  return filer->filerStatus();
}

bool PnDbDictionaryIterator::next() {
  if (!done()) ++m_position;
  return !done();
}

const wchar_t* PnDbDictionaryIterator::name() const { return done() ? nullptr : m_entries[m_position].first.c_str(); }

PnDbObjectId PnDbDictionaryIterator::objectId() const {
  return done() ? PnDbObjectId() : m_entries[m_position].second;
}

Plnx::ErrorStatus PnDbDictionaryIterator::getObject(PnDbObject*& object, PnDb::OpenMode mode) const {
  return pndbOpenObject(object, objectId(), mode);
}
