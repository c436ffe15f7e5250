// Database objects and the open/close protocol.
//
// An object belongs to its database once added. It is used between an open
// (pndbOpenObject) and a close: any number of readers, or one writer. An
// object created with `new` and not yet added is write-enabled for its maker.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/filer.h"
#include "host/ids.h"
#include "host/rx.h"
#include "host/status.h"

class PnDbDatabase;

void* pnHeapAlloc(std::size_t size);
void pnHeapFree(void* pointer);

class PnDbObject : public PnRxObject {
 public:
  PnDbObject();
  ~PnDbObject() override;
  PnDbObject(const PnDbObject&) = delete;
  PnDbObject& operator=(const PnDbObject&) = delete;
  PNRX_DECLARE_MEMBERS(PnDbObject);

  static void* operator new(std::size_t size);
  static void operator delete(void* pointer);

  PnDbObjectId objectId() const;
  PnDbObjectId ownerId() const { return m_owner; }
  Plnx::ErrorStatus setOwnerId(PnDbObjectId owner);
  PnDbDatabase* database() const;
  PnDbHandle handle() const;
  bool isDatabaseResident() const { return m_stub != nullptr; }

  Plnx::ErrorStatus close();
  Plnx::ErrorStatus upgradeOpen();
  Plnx::ErrorStatus downgradeOpen();
  bool isReadEnabled() const { return m_readers > 0 || m_writing; }
  bool isWriteEnabled() const { return m_writing; }
  // True when the next close ends the last open.
  bool isReallyClosing() const;
  int numReaders() const { return m_readers; }
  bool isErased() const { return m_erased; }
  bool isModified() const { return m_modified; }

  // Stop the host (pnrx_abort) when the object is not open as required.
  void assertReadEnabled() const;
  void assertWriteEnabled(bool autoUndo = true, bool recordModified = true);

  // Needs the object open for write. Erasing an owner erases what it owns.
  // The named-objects dictionary and the symbol tables refuse (eNotApplicable).
  Plnx::ErrorStatus erase(bool erasing = true);

  // The host's own fields: the owner reference.
  virtual Plnx::ErrorStatus dwgInFields(PnDbDwgFiler* filer);
  virtual Plnx::ErrorStatus dwgOutFields(PnDbDwgFiler* filer) const;

  // A new object of the same class holding this object's data, in no database.
  virtual PnDbObject* clone() const;

  // Open protocol, for pndbOpenObject and the database only.
  Plnx::ErrorStatus openAs(PnDb::OpenMode mode);

 protected:
  // What this object owns; erasing it erases these too.
  virtual std::vector<PnDbObjectId> ownedObjects() const { return {}; }

 private:
  friend class PnDbDatabase;
  friend void pndbMarkErased(PnDbObject*, bool);
  friend class PnDbDrawingReader;

  PnDbStub* m_stub = nullptr;
  PnDbObjectId m_owner;
  int m_readers = 0;
  bool m_writing = true;
  bool m_erased = false;
  bool m_modified = false;
};

// Marks an object and everything it owns erased (or not), whatever its open state.
void pndbMarkErased(PnDbObject* object, bool erasing);

// Erases the object of `id` as opening it for write and erasing it would, but
// an object of a drawing read on demand that owns nothing stays unread.
Plnx::ErrorStatus pndbEraseObject(PnDbObjectId id);

// Opens the object of `id`. Erased objects open only with openErased.
Plnx::ErrorStatus pndbOpenObject(PnDbObject*& object, PnDbObjectId id, PnDb::OpenMode mode,
                                 bool openErased = false);

// Opens and checks the class: eNotThatKindOfClass (46) when it is not a T.
template <class T>
Plnx::ErrorStatus pndbOpenObject(T*& object, PnDbObjectId id, PnDb::OpenMode mode, bool openErased = false) {
  object = nullptr;
  PnDbObject* opened = nullptr;
  Plnx::ErrorStatus es = pndbOpenObject(opened, id, mode, openErased);
  if (es != Plnx::eOk) return es;
  object = T::cast(opened);
  if (object == nullptr) {
    opened->close();
    return Plnx::eNotThatKindOfClass;
  }
  return Plnx::eOk;
}

// An object whose class is unknown (or newer than its module, or whose data
// its class did not read to the end): kept with its filed class name and
// bytes and written back unchanged.
class PnDbProxyObject : public PnDbObject {
 public:
  PNRX_DECLARE_MEMBERS(PnDbProxyObject);
  PnDbProxyObject() = default;
  PnDbProxyObject(std::u16string filedClassName, std::vector<std::uint8_t> data)
      : m_className(std::move(filedClassName)), m_data(std::move(data)) {}

  std::wstring originalClassName() const;
  // The name as the file holds it, which need not be well-formed UTF-16.
  const std::u16string& filedClassName() const { return m_className; }
  const std::vector<std::uint8_t>& originalData() const { return m_data; }
  PnDbObject* clone() const override;

 private:
  std::u16string m_className;
  std::vector<std::uint8_t> m_data;
};
