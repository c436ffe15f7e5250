#include "host/database.h"

#include <algorithm>

#include "host/filed_items.h"
#include "platform/detail/file_image.h"

PNRX_DEFINE_MEMBERS(PnDbDatabase)

PnDbHostApplicationServices* pndbHostApplicationServices() {
  static PnDbHostApplicationServices services;
  return &services;
}

bool PnDbIdMapping::lookup(PnDbObjectId source, PnDbObjectId& destination) const {
  auto it = m_pairs.find(source);
  if (it == m_pairs.end()) return false;
  destination = it->second;
  return true;
}

PnDbDatabase::PnDbDatabase(bool buildDefault) {
  if (buildDefault) buildDefaultDrawing();
}

PnDbDatabase::~PnDbDatabase() {
  if (pndbHostApplicationServices()->workingDatabase() == this)
    pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  clearObjects();
}

void PnDbDatabase::clearObjects() {
  for (PnDbStub& stub : m_stubs) stub.object.reset();
  m_stubs.clear();
  m_image.reset();
  m_damaged = false;
  m_byHandle.clear();
  m_handseed = 1;
  m_namedObjects = m_linetypes = m_textStyles = m_dimStyles = PnDbObjectId();
  m_continuous = m_textstyle = m_dimstyle = PnDbObjectId();
}

std::size_t PnDbDatabase::numObjects() const {
  return static_cast<std::size_t>(std::count_if(m_stubs.begin(), m_stubs.end(),
                                                [](const PnDbStub& s) { return s.exists(); }));
}

std::size_t PnDbDatabase::numOpenObjects() const {
  return static_cast<std::size_t>(std::count_if(m_stubs.begin(), m_stubs.end(), [](const PnDbStub& s) {
    return s.object != nullptr && s.object->isReadEnabled();
  }));
}

PnDbStub* PnDbDatabase::newStub(PnDbHandle handle) {
  PnDbStub& stub = m_stubs.emplace_back();
  stub.database = this;
  stub.handle = handle;
  m_byHandle[handle.value()] = &stub;
  m_handseed = std::max(m_handseed, handle.value() + 1);
  return &stub;
}

bool PnDbDatabase::canStayFiled(const std::uint8_t* data, std::size_t size, bool& owns) const {
  if (!pndbOpensWithOwner(data, size)) return false;
  bool known = true;
  owns = false;
  const bool whole = pndbWalkFiledItems(data, size, [&](const PnDbFiledId& id) {
    known = known && knows(id);
    owns = owns || pndbOwnsThrough(id);
  });
  return whole && known;
}

PnDbStub* PnDbDatabase::newStubAtSeed() {
  // A drawing read from a file may have put the seed on a taken handle or at the end of the range.
  while (m_handseed == 0 || m_byHandle.count(m_handseed) > 0) ++m_handseed;
  return newStub(PnDbHandle(m_handseed));
}

Plnx::ErrorStatus PnDbDatabase::addFiledObject(PnDbObjectId& id, std::u16string className, PnDbFiledItems items,
                                               PnDbObjectId owner) {
  if (className.empty() || !items.whole() || !pndbOpensWithOwner(items.bytes().data(), items.bytes().size()))
    return Plnx::eInvalidInput;
  // The owner item is this database's from now on.
  items.setHandle(0, owner.handle().value());
  const std::vector<PnDbFiledId>& ids = items.ids();
  if (!std::all_of(ids.begin(), ids.end(), [&](const PnDbFiledId& held) { return knows(held); }))
    return Plnx::eInvalidInput;
  auto filed = std::make_unique<PnDbFiledObject>();
  filed->className = std::move(className);
  filed->owns = std::any_of(ids.begin(), ids.end(), pndbOwnsThrough);
  filed->items = items.takeBytes();
  filed->data = filed->items.data();
  filed->size = filed->items.size();
  filed->owner = owner;
  PnDbStub* stub = newStubAtSeed();
  stub->filed = std::move(filed);
  id = PnDbObjectId(stub);
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbDatabase::addPnDbObject(PnDbObjectId& id, PnDbObject* object) {
  if (object == nullptr) return Plnx::eNullObjectPointer;
  if (object->isDatabaseResident()) return Plnx::eAlreadyInDb;
  PnDbStub* stub = newStubAtSeed();
  stub->object.reset(object);
  object->m_stub = stub;
  object->m_writing = true;
  object->m_readers = 0;
  id = PnDbObjectId(stub);
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbDatabase::getPnDbObjectId(PnDbObjectId& id, bool createIfNotFound, PnDbHandle handle) {
  if (handle.isNull()) return Plnx::eNullHandle;
  auto it = m_byHandle.find(handle.value());
  if (it != m_byHandle.end()) {
    id = PnDbObjectId(it->second);
    return Plnx::eOk;
  }
  if (!createIfNotFound) return Plnx::eUnknownHandle;
  id = PnDbObjectId(newStub(handle));
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbDatabase::getNamedObjectsDictionary(PnDbDictionary*& dictionary, PnDb::OpenMode mode) const {
  return pndbOpenObject(dictionary, m_namedObjects, mode);
}
Plnx::ErrorStatus PnDbDatabase::getSymbolTable(PnDbLinetypeTable*& table, PnDb::OpenMode mode) const {
  return pndbOpenObject(table, m_linetypes, mode);
}
Plnx::ErrorStatus PnDbDatabase::getSymbolTable(PnDbTextStyleTable*& table, PnDb::OpenMode mode) const {
  return pndbOpenObject(table, m_textStyles, mode);
}
Plnx::ErrorStatus PnDbDatabase::getSymbolTable(PnDbDimStyleTable*& table, PnDb::OpenMode mode) const {
  return pndbOpenObject(table, m_dimStyles, mode);
}

namespace {

// The record must be a live member of `table` in this database.
bool isRecordOf(PnDbObjectId record, PnDbObjectId table) {
  if (!record.isValid() || record.isErased() || record.database() != table.database()) return false;
  return record.stub()->ownerId() == table;
}

template <class Object>
PnDbObjectId addRoot(PnDbDatabase* db) {
  PnDbObjectId id;
  auto* object = new Object;
  db->addPnDbObject(id, object);
  object->close();
  return id;
}

}  // namespace

void PnDbDatabase::buildDefaultDrawing() {
  m_namedObjects = addRoot<PnDbDictionary>(this);
  m_linetypes = addRoot<PnDbLinetypeTable>(this);
  m_textStyles = addRoot<PnDbTextStyleTable>(this);
  m_dimStyles = addRoot<PnDbDimStyleTable>(this);
  pndbAddNamedRecord<PnDbLinetypeTable>(*this, L"ByBlock");
  pndbAddNamedRecord<PnDbLinetypeTable>(*this, L"ByLayer");
  m_continuous = pndbAddNamedRecord<PnDbLinetypeTable>(*this, L"Continuous");
  m_textstyle = pndbAddNamedRecord<PnDbTextStyleTable>(*this, L"Standard");
  m_dimstyle = pndbAddNamedRecord<PnDbDimStyleTable>(*this, L"Standard");
}

Plnx::ErrorStatus PnDbDatabase::setTextstyle(PnDbObjectId id) {
  if (!isRecordOf(id, m_textStyles)) return Plnx::eInvalidInput;
  m_textstyle = id;
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbDatabase::setDimstyle(PnDbObjectId id) {
  if (!isRecordOf(id, m_dimStyles)) return Plnx::eInvalidInput;
  m_dimstyle = id;
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbDatabase::setMeasurement(int value) {
  if (value != PnDb::kEnglish && value != PnDb::kMetric) return Plnx::eInvalidInput;
  m_measurement = value;
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbDatabase::setLunits(int value) {
  if (value < 1 || value > 5) return Plnx::eInvalidInput;
  m_lunits = value;
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbDatabase::setLuprec(int value) {
  if (value < 0 || value > 8) return Plnx::eInvalidInput;
  m_luprec = value;
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbDatabase::countHardReferences(const PnDbObjectIdArray& ids, std::uint32_t* counts) const {
  if (counts == nullptr) return Plnx::eInvalidInput;
  std::fill(counts, counts + ids.size(), 0u);
  const auto count = [&](PnDbObjectId id, PnDbDwgFiler::Item kind) {
    if (kind != PnDbDwgFiler::Item::kHardPointer && kind != PnDbDwgFiler::Item::kHardOwnership) return;
    for (std::size_t i = 0; i < ids.size(); ++i)
      if (ids[i] == id) ++counts[i];
  };
  for (const PnDbStub& stub : m_stubs) {
    if (!stub.exists() || stub.erased()) continue;
    PnDbObject* object = stub.object.get();
    if (object == nullptr) {
      // A filed object's references are its id items; one not whole has none to give.
      pndbWalkFiledItems(stub.filed->data, stub.filed->size, [&](const PnDbFiledId& id) {
        PnDbObjectId referenced;
        if (id.handle != 0) const_cast<PnDbDatabase*>(this)->getPnDbObjectId(referenced, false, PnDbHandle(id.handle));
        count(referenced, id.kind);
      });
      continue;
    }
    PnDbIdCollectingFiler filer(const_cast<PnDbDatabase*>(this));
    // Filing needs read access; the state is put back as it was.
    bool wasOpen = object->isReadEnabled();
    if (!wasOpen) object->m_readers = 1;
    object->dwgOutFields(&filer);
    if (!wasOpen) object->m_readers = 0;
    for (const auto& ref : filer.references()) count(ref.id, ref.kind);
  }
  return Plnx::eOk;
}

void PnDbStub::setOwnerId(PnDbObjectId owner) {
  if (object != nullptr) object->setOwnerId(owner);
  else if (filed != nullptr) filed->owner = owner;
}

PnDbObject* PnDbStub::live() {
  if (object == nullptr && filed != nullptr) database->makeLive(*this);
  return object.get();
}

void PnDbDatabase::makeLive(PnDbStub& stub) {
  std::unique_ptr<PnDbFiledObject> filed = std::move(stub.filed);
  Plnx::ErrorStatus es;
  try {
    es = loadObject(stub, filed->className, filed->data, filed->size);
  } catch (...) {
    stub.filed = std::move(filed);  // out of memory: it may still be read later
    throw;
  }
  if (es != Plnx::eOk) {
    stub.object.reset();
    m_fileError = m_fileName + L" " + m_fileError;
    m_damaged = true;
    return;
  }
  // What changed while it was filed.
  stub.object->m_owner = filed->owner;
  if (filed->erased) stub.object->m_erased = true;
}
