// Dictionaries: named, owned entries. Names compare without regard to case and
// iterate in that order; each entry's object is owned by the dictionary.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "host/filed_items.h"
#include "host/object.h"

class PnDbDictionaryIterator;

class PnDbDictionary : public PnDbObject {
 public:
  PNRX_DECLARE_MEMBERS(PnDbDictionary);

  Plnx::ErrorStatus getAt(const wchar_t* name, PnDbObjectId& id) const;
  Plnx::ErrorStatus getAt(const wchar_t* name, PnDbObject*& object, PnDb::OpenMode mode) const;
  bool has(const wchar_t* name) const;
  bool has(PnDbObjectId id) const;
  // Adds `object` (to the database too, when it is new) under `name`. An entry
  // of that name is replaced and its object erased. Needs write.
  Plnx::ErrorStatus setAt(const wchar_t* name, PnDbObject* object, PnDbObjectId& id);
  // Adds under a free `name` an object given as the items it files, as a
  // drawing file holds them, of class `className`: it is read only when first
  // needed and saved as given. The items must be whole, open with the owner,
  // which the dictionary sets, and refer only to objects of this database.
  // Needs write.
  Plnx::ErrorStatus setAtFiled(const wchar_t* name, std::u16string className, PnDbFiledItems items, PnDbObjectId& id);
  // Detach the entry; the object stays in the database without owner. Needs write.
  Plnx::ErrorStatus remove(PnDbObjectId id);
  Plnx::ErrorStatus remove(const wchar_t* name, PnDbObjectId& id);
  Plnx::ErrorStatus nameAt(PnDbObjectId id, std::wstring& name) const;
  std::uint32_t numEntries() const { return static_cast<std::uint32_t>(m_entries.size()); }
  // An iterator over a snapshot of the entries; the caller deletes it.
  PnDbDictionaryIterator* newIterator() const;

  PnDb::DuplicateRecordCloning mergeStyle() const { return m_mergeStyle; }
  void setMergeStyle(PnDb::DuplicateRecordCloning style);

  Plnx::ErrorStatus dwgInFields(PnDbDwgFiler* filer) override;
  Plnx::ErrorStatus dwgOutFields(PnDbDwgFiler* filer) const override;

 protected:
  std::vector<PnDbObjectId> ownedObjects() const override;

 private:
  struct NoCaseLess {
    bool operator()(const std::wstring& a, const std::wstring& b) const;
  };
  struct Entry {
    std::wstring name;
    PnDbObjectId id;
  };
  std::map<std::wstring, Entry, NoCaseLess> m_entries;
  PnDb::DuplicateRecordCloning m_mergeStyle = PnDb::kDrcIgnore;
};

class PnDbDictionaryIterator {
 public:
  bool done() const { return m_position >= m_entries.size(); }
  bool next();
  const wchar_t* name() const;
  PnDbObjectId objectId() const;
  Plnx::ErrorStatus getObject(PnDbObject*& object, PnDb::OpenMode mode) const;

 private:
  friend class PnDbDictionary;
  std::vector<std::pair<std::wstring, PnDbObjectId>> m_entries;
  std::size_t m_position = 0;
};
