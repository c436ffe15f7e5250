// The drawing database: the objects of one drawing, its named-objects
// dictionary, symbol tables and header settings, saved to and read from a
// drawing file.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/dictionary.h"
#include "host/filed_items.h"
#include "host/ids.h"
#include "host/object.h"
#include "host/symbol_tables.h"

namespace kovt_platform {
class FileImage;
}

// Source → destination ids of a cross-database clone.
class PnDbIdMapping {
 public:
  bool lookup(PnDbObjectId source, PnDbObjectId& destination) const;
  void assign(PnDbObjectId source, PnDbObjectId destination) { m_pairs[source] = destination; }
  std::size_t size() const { return m_pairs.size(); }
  const std::map<PnDbObjectId, PnDbObjectId>& pairs() const { return m_pairs; }

 private:
  std::map<PnDbObjectId, PnDbObjectId> m_pairs;
};

class PnDbDatabase : public PnRxObject {
 public:
  // A default drawing has the named-objects dictionary, the three tables, the
  // linetypes "ByBlock", "ByLayer", "Continuous" and the styles "Standard".
  // An empty one is meant for readDwgFile.
  explicit PnDbDatabase(bool buildDefaultDrawing = true);
  ~PnDbDatabase() override;
  PnDbDatabase(const PnDbDatabase&) = delete;
  PnDbDatabase& operator=(const PnDbDatabase&) = delete;
  PNRX_DECLARE_MEMBERS(PnDbDatabase);

  // Takes ownership of a new object and gives it a handle; it stays open for write.
  Plnx::ErrorStatus addPnDbObject(PnDbObjectId& id, PnDbObject* object);
  Plnx::ErrorStatus getPnDbObjectId(PnDbObjectId& id, bool createIfNotFound, PnDbHandle handle);

  PnDbObjectId namedObjectsDictionaryId() const { return m_namedObjects; }
  Plnx::ErrorStatus getNamedObjectsDictionary(PnDbDictionary*& dictionary, PnDb::OpenMode mode) const;
  PnDbObjectId linetypeTableId() const { return m_linetypes; }
  PnDbObjectId textStyleTableId() const { return m_textStyles; }
  PnDbObjectId dimStyleTableId() const { return m_dimStyles; }
  Plnx::ErrorStatus getSymbolTable(PnDbLinetypeTable*& table, PnDb::OpenMode mode) const;
  Plnx::ErrorStatus getSymbolTable(PnDbTextStyleTable*& table, PnDb::OpenMode mode) const;
  Plnx::ErrorStatus getSymbolTable(PnDbDimStyleTable*& table, PnDb::OpenMode mode) const;

  PnDbObjectId continuousLinetype() const { return m_continuous; }
  PnDbObjectId textstyle() const { return m_textstyle; }
  Plnx::ErrorStatus setTextstyle(PnDbObjectId id);
  PnDbObjectId dimstyle() const { return m_dimstyle; }
  Plnx::ErrorStatus setDimstyle(PnDbObjectId id);
  // MEASUREMENT: 0 imperial, 1 metric.
  int measurement() const { return m_measurement; }
  Plnx::ErrorStatus setMeasurement(int value);
  // LUNITS 1..5 (2 decimal) and LUPREC 0..8.
  int lunits() const { return m_lunits; }
  Plnx::ErrorStatus setLunits(int value);
  int luprec() const { return m_luprec; }
  Plnx::ErrorStatus setLuprec(int value);

  // Clones objects of another database into the owner (a dictionary or symbol
  // table of this database). Symbol-table records whose name is taken follow
  // `cloning`; references inside clones are translated through `mapping`.
  Plnx::ErrorStatus wblockCloneObjects(const PnDbObjectIdArray& sourceIds, PnDbObjectId ownerId,
                                       PnDbIdMapping& mapping, PnDb::DuplicateRecordCloning cloning,
                                       bool deferTranslation = false);
  // counts[i] = number of hard references other objects hold to ids[i].
  Plnx::ErrorStatus countHardReferences(const PnDbObjectIdArray& ids, std::uint32_t* counts) const;

  // Drawing files. Saving is atomic: the previous file stays intact on failure.
  Plnx::ErrorStatus saveAs(const wchar_t* fileName);
  // Only on an empty database; on failure it stays empty. Read on demand, the
  // checksum and the records are checked at once, but an object is read only
  // when first needed, and a save writes the ones never needed as the file
  // held them; an object then found damaged makes every later save fail.
  Plnx::ErrorStatus readDwgFile(const wchar_t* fileName, bool onDemand = false);
  const std::wstring& fileName() const { return m_fileName; }
  // Why the last save or read failed.
  const std::wstring& lastFileError() const { return m_fileError; }
  // Whether an object read on demand was found damaged; lastFileError says which.
  bool hasDamagedObject() const { return m_damaged; }

  std::size_t numObjects() const;
  // Objects open for read or write right now.
  std::size_t numOpenObjects() const;

 private:
  friend class PnDbObjectId;
  friend class PnDbDictionary;
  friend struct PnDbStub;
  friend class PnDbDrawingReader;
  friend class PnDbDrawingWriter;
  PnDbStub* newStub(PnDbHandle handle);
  // Whether filed items can wait to be read: whole items that open with the
  // owner and refer only to objects of this database. Reading them later then
  // finds what reading them now would, and a save writes back what they would
  // file. `owns` tells whether they hold an ownership reference.
  bool canStayFiled(const std::uint8_t* data, std::size_t size, bool& owns) const;
  bool knows(const PnDbFiledId& id) const { return id.handle == 0 || m_byHandle.count(id.handle) > 0; }
  // A stub at the next free handle.
  PnDbStub* newStubAtSeed();
  Plnx::ErrorStatus addFiledObject(PnDbObjectId& id, std::u16string className, PnDbFiledItems items,
                                   PnDbObjectId owner);
  // Makes the object of a filed record; on failure the stub has none and
  // m_fileError says why.
  Plnx::ErrorStatus loadObject(PnDbStub& stub, const std::u16string& filedName, const std::uint8_t* data,
                               std::size_t size);
  void makeLive(PnDbStub& stub);
  void buildDefaultDrawing();
  void clearObjects();

  std::deque<PnDbStub> m_stubs;
  std::unordered_map<std::uint64_t, PnDbStub*> m_byHandle;
  std::uint64_t m_handseed = 1;
  PnDbObjectId m_namedObjects, m_linetypes, m_textStyles, m_dimStyles;
  PnDbObjectId m_continuous, m_textstyle, m_dimstyle;
  int m_measurement = PnDb::kMetric, m_lunits = 2, m_luprec = 4;
  std::wstring m_fileName, m_fileError;
  // The file a drawing read on demand was read from; its filed objects point into it.
  std::unique_ptr<kovt_platform::FileImage> m_image;
  bool m_damaged = false;
};

// An object of a drawing read on demand that nothing has needed yet, or one
// added as its filed items: its record as a file holds it, and what may
// change without reading it.
struct PnDbFiledObject {
  std::u16string className;
  // The object's items, the owner first (the host files it so): in the
  // database's image, or in `items` for one added so.
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
  std::vector<std::uint8_t> items;
  PnDbObjectId owner;
  // Whether the items hold an ownership reference: erasing the object then
  // erases more, and it must be read.
  bool owns = false;
  bool erased = false;
};

// What an object id points at: an object, or one still filed.
struct PnDbStub {
  PnDbDatabase* database = nullptr;
  PnDbHandle handle;
  std::unique_ptr<PnDbObject> object;
  std::unique_ptr<PnDbFiledObject> filed;

  // The object, read first when it is still filed; null when there is none
  // or it turns out damaged.
  PnDbObject* live();
  bool exists() const { return object != nullptr || filed != nullptr; }
  bool erased() const { return object ? object->isErased() : filed != nullptr && filed->erased; }
  PnDbObjectId ownerId() const { return object ? object->ownerId() : filed ? filed->owner : PnDbObjectId(); }
  void setOwnerId(PnDbObjectId owner);
};

class PnDbHostApplicationServices {
 public:
  PnDbDatabase* workingDatabase() const { return m_working; }
  void setWorkingDatabase(PnDbDatabase* database) { m_working = database; }

 private:
  PnDbDatabase* m_working = nullptr;
};
PnDbHostApplicationServices* pndbHostApplicationServices();

// Adds a record named `name` to the database's table of Table and closes it;
// null when the table cannot be opened for write or refuses the record.
template <class Table>
PnDbObjectId pndbAddNamedRecord(PnDbDatabase& db, const wchar_t* name) {
  Table* table = nullptr;
  PnDbObjectId id;
  if (db.getSymbolTable(table, PnDb::kForWrite) != Plnx::eOk) return id;
  auto* record = new typename Table::RecordType;
  record->setName(name);
  if (table->add(id, record) == Plnx::eOk) record->close();
  else delete record;
  table->close();
  return id;
}

// Fault injection for tests: the next save fails after writing this many bytes.
void pndbFailNextSaveAfter(std::size_t bytes);
