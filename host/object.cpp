#include "host/object.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#include "host/database.h"
#include "host/utf16.h"

namespace {
constexpr int kMaxReaders = 256;

// The named-objects dictionary and the symbol tables live as long as their
// database: a drawing saved without them could not be read again.
bool isDatabaseRoot(const PnDbObject* object) {
  const PnDbDatabase* db = object->database();
  if (db == nullptr) return false;
  PnDbObjectId id = object->objectId();
  return id == db->namedObjectsDictionaryId() || id == db->linetypeTableId() || id == db->textStyleTableId() ||
         id == db->dimStyleTableId();
}
}  // namespace

const PnDbObjectId PnDbObjectId::kNull;

bool PnDbObjectId::isValid() const { return m_stub != nullptr && m_stub->exists(); }
bool PnDbObjectId::isErased() const { return isValid() && m_stub->erased(); }
PnDbHandle PnDbObjectId::handle() const { return m_stub ? m_stub->handle : PnDbHandle(); }
PnDbDatabase* PnDbObjectId::database() const { return m_stub ? m_stub->database : nullptr; }

bool operator<(PnDbObjectId a, PnDbObjectId b) {
  // Ids of one drawing order by handle, so sorted output is stable between runs.
  if (a.database() != b.database()) return std::less<PnDbDatabase*>()(a.database(), b.database());
  return a.handle() < b.handle();
}

std::wstring PnDbHandle::toString() const {
  wchar_t text[20];
  std::swprintf(text, 20, L"%llX", static_cast<unsigned long long>(m_value));
  return text;
}

void* pnHeapAlloc(std::size_t size) { return std::malloc(size == 0 ? 1 : size); }
void pnHeapFree(void* pointer) { std::free(pointer); }

void* PnDbObject::operator new(std::size_t size) {
  void* p = pnHeapAlloc(size);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}
void PnDbObject::operator delete(void* pointer) { pnHeapFree(pointer); }

PNRX_DEFINE_MEMBERS(PnDbObject)
PNRX_DEFINE_MEMBERS(PnDbProxyObject)

PnDbObject::PnDbObject() = default;
PnDbObject::~PnDbObject() = default;

PnDbObjectId PnDbObject::objectId() const { return PnDbObjectId(m_stub); }
PnDbDatabase* PnDbObject::database() const { return m_stub ? m_stub->database : nullptr; }
PnDbHandle PnDbObject::handle() const { return m_stub ? m_stub->handle : PnDbHandle(); }

Plnx::ErrorStatus PnDbObject::setOwnerId(PnDbObjectId owner) {
  if (!owner.isNull() && m_stub != nullptr && owner.database() != m_stub->database) return Plnx::eWrongDatabase;
  m_owner = owner;
  return Plnx::eOk;
}

bool PnDbObject::isReallyClosing() const { return m_writing || m_readers == 1; }

Plnx::ErrorStatus PnDbObject::openAs(PnDb::OpenMode mode) {
  if (mode == PnDb::kForWrite) {
    if (m_writing) return Plnx::eWasOpenedForWrite;
    if (m_readers > 0) return Plnx::eWasOpenedForRead;
    m_writing = true;
    return Plnx::eOk;
  }
  if (mode != PnDb::kForRead) return Plnx::eInvalidOpenState;
  if (m_writing) return Plnx::eWasOpenedForWrite;
  if (m_readers >= kMaxReaders) return Plnx::eAtMaxReaders;
  ++m_readers;
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbObject::close() {
  if (m_stub == nullptr) return Plnx::eNotInDatabase;
  if (m_writing) {
    m_writing = false;
  } else if (m_readers > 0) {
    --m_readers;
  } else {
    return Plnx::eInvalidOpenState;
  }
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbObject::upgradeOpen() {
  if (m_writing) return Plnx::eWasOpenedForWrite;
  if (m_readers == 0) return Plnx::eInvalidOpenState;
  if (m_readers > 1) return Plnx::eHadMultipleReaders;
  m_readers = 0;
  m_writing = true;
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbObject::downgradeOpen() {
  if (!m_writing) return Plnx::eNotOpenForWrite;
  m_writing = false;
  m_readers = 1;
  return Plnx::eOk;
}

void PnDbObject::assertReadEnabled() const {
  if (!isReadEnabled()) pnrx_abort(L"object %ls is not open for read", handle().toString().c_str());
}

void PnDbObject::assertWriteEnabled(bool, bool recordModified) {
  if (!m_writing) pnrx_abort(L"object %ls is not open for write", handle().toString().c_str());
  if (recordModified) m_modified = true;
}

namespace {

// The owner files only its live entries, so it cannot stay as it was filed.
void makeOwnerLive(PnDbObjectId owner) {
  if (owner.isValid()) owner.stub()->live();
}

}  // namespace

// Iterative, so a deep (or, in a hostile file, cyclic) ownership tree cannot exhaust the stack.
void pndbMarkErased(PnDbObject* object, bool erasing) {
  makeOwnerLive(object->ownerId());
  std::vector<PnDbObject*> pending{object};
  while (!pending.empty()) {
    PnDbObject* next = pending.back();
    pending.pop_back();
    if (next->m_erased == erasing && next != object) continue;
    if (erasing && isDatabaseRoot(next)) continue;  // reachable only through a damaged ownership graph
    next->m_erased = erasing;
    for (PnDbObjectId owned : next->ownedObjects()) {
      PnDbObject* live = owned.isValid() ? owned.stub()->live() : nullptr;
      if (live != nullptr && live->m_erased != erasing) pending.push_back(live);
    }
  }
}

Plnx::ErrorStatus PnDbObject::erase(bool erasing) {
  if (!m_writing) return Plnx::eNotOpenForWrite;
  if (m_stub == nullptr) return Plnx::eNotInDatabase;
  if (isDatabaseRoot(this)) return Plnx::eNotApplicable;
  if (m_erased == erasing) return erasing ? Plnx::eWasErased : Plnx::eInvalidInput;
  m_modified = true;
  pndbMarkErased(this, erasing);
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbObject::dwgInFields(PnDbDwgFiler* filer) {
  assertWriteEnabled(false, true);
  if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
  PnDbObjectId owner;
  filer->readSoftPointerId(&owner);
  // A copy gets its owner when it is added somewhere.
  if (filer->filerType() == PnDb::kFileFiler) m_owner = owner;
  return filer->filerStatus();
}

Plnx::ErrorStatus PnDbObject::dwgOutFields(PnDbDwgFiler* filer) const {
  assertReadEnabled();
  if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
  filer->writeSoftPointerId(m_owner);
  return filer->filerStatus();
}

PnDbObject* PnDbObject::clone() const {
  const PnRxClass* cls = isA();
  PnRxObject* created = cls ? cls->create() : nullptr;
  auto* copy = dynamic_cast<PnDbObject*>(created);
  if (copy == nullptr) {
    delete created;
    return nullptr;
  }
  PnDbMemoryFiler filer(PnDb::kCopyFiler, database());
  if (dwgOutFields(&filer) != Plnx::eOk || copy->dwgInFields(&filer) != Plnx::eOk) {
    delete copy;
    return nullptr;
  }
  return copy;
}

std::wstring PnDbProxyObject::originalClassName() const { return pndbFromUtf16(m_className); }

PnDbObject* PnDbProxyObject::clone() const {
  auto* copy = new PnDbProxyObject(m_className, m_data);
  return copy;
}

Plnx::ErrorStatus pndbOpenObject(PnDbObject*& object, PnDbObjectId id, PnDb::OpenMode mode, bool openErased) {
  object = nullptr;
  if (id.isNull()) return Plnx::eNullObjectId;
  if (!id.isValid()) return Plnx::eUnknownHandle;
  PnDbObject* target = id.stub()->live();
  if (target == nullptr) return Plnx::eDwgObjectImproperlyRead;
  if (target->isErased() && !openErased) return Plnx::eWasErased;
  Plnx::ErrorStatus es = target->openAs(mode);
  if (es == Plnx::eOk) object = target;
  return es;
}

Plnx::ErrorStatus pndbEraseObject(PnDbObjectId id) {
  if (id.isNull()) return Plnx::eNullObjectId;
  if (!id.isValid()) return Plnx::eUnknownHandle;
  PnDbFiledObject* filed = id.stub()->filed.get();
  if (filed != nullptr && !filed->owns) {
    // The roots of a drawing are live from the start; a filed object is none of them.
    if (filed->erased) return Plnx::eWasErased;
    makeOwnerLive(filed->owner);
    filed->erased = true;
    return Plnx::eOk;
  }
  PnDbObject* object = nullptr;
  Plnx::ErrorStatus es = pndbOpenObject(object, id, PnDb::kForWrite);
  if (es != Plnx::eOk) return es;
  es = object->erase();
  object->close();
  return es;
}
