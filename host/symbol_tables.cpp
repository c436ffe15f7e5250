#include "host/symbol_tables.h"

#include <cwctype>
#include <utility>

#include "host/database.h"

PNRX_DEFINE_MEMBERS(PnDbSymbolTableRecord)
PNRX_DEFINE_MEMBERS(PnDbSymbolTable)
PNRX_DEFINE_MEMBERS(PnDbLinetypeTableRecord)
PNRX_DEFINE_MEMBERS(PnDbTextStyleTableRecord)
PNRX_DEFINE_MEMBERS(PnDbDimStyleTableRecord)
PNRX_DEFINE_MEMBERS(PnDbLinetypeTable)
PNRX_DEFINE_MEMBERS(PnDbTextStyleTable)
PNRX_DEFINE_MEMBERS(PnDbDimStyleTable)

namespace {

bool sameName(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::towupper(static_cast<wint_t>(a[i])) != std::towupper(static_cast<wint_t>(b[i]))) return false;
  return true;
}

PnDbSymbolTableRecord* recordOf(PnDbObjectId id) {
  return id.isValid() ? PnDbSymbolTableRecord::cast(id.stub()->live()) : nullptr;
}

Plnx::ErrorStatus writeText(PnDbDwgFiler* filer, const std::wstring& text) { return filer->writeWideString(text); }

Plnx::ErrorStatus readText(PnDbDwgFiler* filer, std::wstring& text) {
  std::wstring read;
  if (filer->readWideString(&read) == Plnx::eOk) text = std::move(read);
  return filer->filerStatus();
}

}  // namespace

Plnx::ErrorStatus PnDbSymbolTableRecord::getName(std::wstring& name) const {
  assertReadEnabled();
  name = m_name;
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbSymbolTableRecord::setName(const wchar_t* name) {
  if (!isWriteEnabled()) return Plnx::eNotOpenForWrite;
  if (name == nullptr || *name == 0) return Plnx::eInvalidSymbolTableName;
  if (!ownerId().isNull() && ownerId().isValid()) {
    auto* table = PnDbSymbolTable::cast(ownerId().stub()->live());
    PnDbObjectId other = table ? table->find(name, false) : PnDbObjectId();
    if (!other.isNull() && other != objectId()) return Plnx::eDuplicateRecordName;
  }
  assertWriteEnabled();
  m_name = name;
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbSymbolTableRecord::dwgOutFields(PnDbDwgFiler* filer) const {
  Plnx::ErrorStatus es = PnDbObject::dwgOutFields(filer);
  if (es != Plnx::eOk) return es;
  return writeText(filer, m_name);
}

Plnx::ErrorStatus PnDbSymbolTableRecord::dwgInFields(PnDbDwgFiler* filer) {
  Plnx::ErrorStatus es = PnDbObject::dwgInFields(filer);
  if (es != Plnx::eOk) return es;
  return readText(filer, m_name);
}

PnDbObjectId PnDbSymbolTable::find(const std::wstring& name, bool getErased) const {
  for (PnDbObjectId id : m_records) {
    PnDbSymbolTableRecord* record = recordOf(id);
    if (record && (getErased || !record->isErased()) && sameName(record->name(), name)) return id;
  }
  return PnDbObjectId();
}

Plnx::ErrorStatus PnDbSymbolTable::getAt(const wchar_t* name, PnDbObjectId& id, bool getErased) const {
  assertReadEnabled();
  if (name == nullptr) return Plnx::eInvalidInput;
  PnDbObjectId found = find(name, getErased);
  if (found.isNull()) return Plnx::eKeyNotFound;
  id = found;
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbSymbolTable::getAt(const wchar_t* name, PnDbSymbolTableRecord*& record,
                                         PnDb::OpenMode mode) const {
  record = nullptr;
  PnDbObjectId id;
  Plnx::ErrorStatus es = getAt(name, id);
  return es == Plnx::eOk ? pndbOpenObject(record, id, mode) : es;
}

bool PnDbSymbolTable::has(const wchar_t* name) const {
  assertReadEnabled();
  return name != nullptr && !find(name, false).isNull();
}

bool PnDbSymbolTable::has(PnDbObjectId id) const {
  assertReadEnabled();
  for (PnDbObjectId record : m_records)
    if (record == id && !id.isErased()) return true;
  return false;
}

bool PnDbSymbolTable::accepts(const PnDbSymbolTableRecord* record) const { return record != nullptr; }

Plnx::ErrorStatus PnDbSymbolTable::add(PnDbObjectId& id, PnDbSymbolTableRecord* record) {
  if (!isWriteEnabled()) return Plnx::eNotOpenForWrite;
  if (record == nullptr) return Plnx::eNullObjectPointer;
  if (!accepts(record)) return Plnx::eWrongObjectType;
  if (record->isDatabaseResident()) return Plnx::eAlreadyInDb;
  if (record->m_name.empty()) return Plnx::eInvalidSymbolTableName;
  if (!find(record->m_name, false).isNull()) return Plnx::eDuplicateRecordName;
  if (database() == nullptr) return Plnx::eNotInDatabase;
  Plnx::ErrorStatus es = database()->addPnDbObject(id, record);
  if (es != Plnx::eOk) return es;
  record->setOwnerId(objectId());
  m_records.push_back(id);
  assertWriteEnabled();
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbSymbolTable::add(PnDbSymbolTableRecord* record) {
  PnDbObjectId id;
  return add(id, record);
}

Plnx::ErrorStatus PnDbSymbolTable::newIterator(PnDbSymbolTableIterator*& iterator, bool skipErased) const {
  assertReadEnabled();
  iterator = new PnDbSymbolTableIterator;
  for (PnDbObjectId id : m_records)
    if (!skipErased || !id.isErased()) iterator->m_records.push_back(id);
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbSymbolTableIterator::getRecordId(PnDbObjectId& id) const {
  if (done()) return Plnx::eInvalidInput;
  id = m_records[m_position];
  return Plnx::eOk;
}

Plnx::ErrorStatus PnDbSymbolTableIterator::getRecord(PnDbSymbolTableRecord*& record, PnDb::OpenMode mode) const {
  PnDbObjectId id;
  Plnx::ErrorStatus es = getRecordId(id);
  if (es != Plnx::eOk) return es;
  return pndbOpenObject(record, id, mode);
}

std::vector<PnDbObjectId> PnDbSymbolTable::ownedObjects() const { return m_records; }

Plnx::ErrorStatus PnDbSymbolTable::dwgOutFields(PnDbDwgFiler* filer) const {
  Plnx::ErrorStatus es = PnDbObject::dwgOutFields(filer);
  if (es != Plnx::eOk) return es;
  bool keepsRecords = filer->filerType() == PnDb::kFileFiler || filer->filerType() == PnDb::kIdFiler;
  std::uint32_t live = 0;
  if (keepsRecords)
    for (PnDbObjectId id : m_records) live += id.isErased() ? 0 : 1;
  filer->writeUInt32(live);
  if (keepsRecords)
    for (PnDbObjectId id : m_records)
      if (!id.isErased()) filer->writeHardOwnershipId(id);
  return filer->filerStatus();
}

Plnx::ErrorStatus PnDbSymbolTable::dwgInFields(PnDbDwgFiler* filer) {
  Plnx::ErrorStatus es = PnDbObject::dwgInFields(filer);
  if (es != Plnx::eOk) return es;
  std::uint32_t count = 0;
  filer->readUInt32(&count);
  m_records.clear();
  for (std::uint32_t i = 0; i < count && filer->filerStatus() == Plnx::eOk; ++i) {
    PnDbObjectId id;
    if (filer->readHardOwnershipId(&id) == Plnx::eOk && !id.isNull()) m_records.push_back(id);
  }
  return filer->filerStatus();
}

void PnDbLinetypeTableRecord::setComments(const wchar_t* text) {
  assertWriteEnabled();
  m_comments = text ? text : L"";
}

void PnDbLinetypeTableRecord::setDashes(std::vector<double> dashes) {
  assertWriteEnabled();
  m_dashes = std::move(dashes);
}

double PnDbLinetypeTableRecord::patternLength() const {
  double length = 0.0;
  for (double dash : m_dashes) length += dash < 0 ? -dash : dash;
  return length;
}

Plnx::ErrorStatus PnDbLinetypeTableRecord::dwgOutFields(PnDbDwgFiler* filer) const {
  Plnx::ErrorStatus es = PnDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Plnx::eOk) return es;
  writeText(filer, m_comments);
  filer->writeUInt16(static_cast<std::uint16_t>(m_dashes.size()));
  for (double dash : m_dashes) filer->writeDouble(dash);
  return filer->filerStatus();
}

Plnx::ErrorStatus PnDbLinetypeTableRecord::dwgInFields(PnDbDwgFiler* filer) {
  Plnx::ErrorStatus es = PnDbSymbolTableRecord::dwgInFields(filer);
  if (es != Plnx::eOk) return es;
  std::uint16_t count = 0;
  readText(filer, m_comments);
  filer->readUInt16(&count);
  m_dashes.clear();
  for (std::uint16_t i = 0; i < count && filer->filerStatus() == Plnx::eOk; ++i) {
    double dash = 0;
    filer->readDouble(&dash);
    m_dashes.push_back(dash);
  }
  return filer->filerStatus();
}

void PnDbTextStyleTableRecord::setIsShapeFile(bool shape) {
  assertWriteEnabled();
  m_isShapeFile = shape;
}
void PnDbTextStyleTableRecord::setFileName(const wchar_t* fileName) {
  assertWriteEnabled();
  m_fileName = fileName ? fileName : L"";
}
void PnDbTextStyleTableRecord::setTextSize(double size) {
  assertWriteEnabled();
  m_textSize = size;
}
void PnDbTextStyleTableRecord::setXScale(double scale) {
  assertWriteEnabled();
  m_xScale = scale;
}

Plnx::ErrorStatus PnDbTextStyleTableRecord::dwgOutFields(PnDbDwgFiler* filer) const {
  Plnx::ErrorStatus es = PnDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Plnx::eOk) return es;
  filer->writeBool(m_isShapeFile);
  writeText(filer, m_fileName);
  filer->writeDouble(m_textSize);
  filer->writeDouble(m_xScale);
  return filer->filerStatus();
}

Plnx::ErrorStatus PnDbTextStyleTableRecord::dwgInFields(PnDbDwgFiler* filer) {
  Plnx::ErrorStatus es = PnDbSymbolTableRecord::dwgInFields(filer);
  if (es != Plnx::eOk) return es;
  filer->readBool(&m_isShapeFile);
  readText(filer, m_fileName);
  filer->readDouble(&m_textSize);
  filer->readDouble(&m_xScale);
  return filer->filerStatus();
}

void PnDbDimStyleTableRecord::setDimscale(double value) {
  assertWriteEnabled();
  m_dimscale = value;
}
void PnDbDimStyleTableRecord::setDimtxt(double value) {
  assertWriteEnabled();
  m_dimtxt = value;
}
void PnDbDimStyleTableRecord::setDimtxsty(PnDbObjectId textStyle) {
  assertWriteEnabled();
  m_textStyle = textStyle;
}

Plnx::ErrorStatus PnDbDimStyleTableRecord::dwgOutFields(PnDbDwgFiler* filer) const {
  Plnx::ErrorStatus es = PnDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Plnx::eOk) return es;
  filer->writeDouble(m_dimscale);
  filer->writeDouble(m_dimtxt);
  filer->writeHardPointerId(m_textStyle);
  return filer->filerStatus();
}

Plnx::ErrorStatus PnDbDimStyleTableRecord::dwgInFields(PnDbDwgFiler* filer) {
  Plnx::ErrorStatus es = PnDbSymbolTableRecord::dwgInFields(filer);
  if (es != Plnx::eOk) return es;
  filer->readDouble(&m_dimscale);
  filer->readDouble(&m_dimtxt);
  filer->readHardPointerId(&m_textStyle);
  return filer->filerStatus();
}
