// Symbol tables: linetypes, text styles and dimension styles. Records keep
// their order of addition; names compare without regard to case.
#pragma once

#include <string>
#include <vector>

#include "host/object.h"

class PnDbSymbolTableRecord : public PnDbObject {
 public:
  PNRX_DECLARE_MEMBERS(PnDbSymbolTableRecord);
  const wchar_t* name() const { return m_name.c_str(); }
  Plnx::ErrorStatus getName(std::wstring& name) const;
  // Refused when another record of the owning table has the name.
  Plnx::ErrorStatus setName(const wchar_t* name);

  Plnx::ErrorStatus dwgInFields(PnDbDwgFiler* filer) override;
  Plnx::ErrorStatus dwgOutFields(PnDbDwgFiler* filer) const override;

 private:
  friend class PnDbSymbolTable;
  std::wstring m_name;
};

class PnDbSymbolTableIterator;

class PnDbSymbolTable : public PnDbObject {
 public:
  PNRX_DECLARE_MEMBERS(PnDbSymbolTable);
  Plnx::ErrorStatus getAt(const wchar_t* name, PnDbObjectId& id, bool getErased = false) const;
  Plnx::ErrorStatus getAt(const wchar_t* name, PnDbSymbolTableRecord*& record, PnDb::OpenMode mode) const;
  bool has(const wchar_t* name) const;
  bool has(PnDbObjectId id) const;
  // Adds a new record (to the database too). Needs write; the name must be free.
  Plnx::ErrorStatus add(PnDbObjectId& id, PnDbSymbolTableRecord* record);
  Plnx::ErrorStatus add(PnDbSymbolTableRecord* record);
  // The caller deletes the iterator.
  Plnx::ErrorStatus newIterator(PnDbSymbolTableIterator*& iterator, bool skipErased = true) const;
  // Whether `record` may belong to this table.
  virtual bool accepts(const PnDbSymbolTableRecord* record) const;

  Plnx::ErrorStatus dwgInFields(PnDbDwgFiler* filer) override;
  Plnx::ErrorStatus dwgOutFields(PnDbDwgFiler* filer) const override;

 protected:
  std::vector<PnDbObjectId> ownedObjects() const override;

 private:
  friend class PnDbSymbolTableRecord;
  PnDbObjectId find(const std::wstring& name, bool getErased) const;
  std::vector<PnDbObjectId> m_records;
};

class PnDbSymbolTableIterator {
 public:
  void start() { m_position = 0; }
  bool done() const { return m_position >= m_records.size(); }
  void step() { ++m_position; }
  Plnx::ErrorStatus getRecordId(PnDbObjectId& id) const;
  Plnx::ErrorStatus getRecord(PnDbSymbolTableRecord*& record, PnDb::OpenMode mode) const;

 private:
  friend class PnDbSymbolTable;
  std::vector<PnDbObjectId> m_records;
  std::size_t m_position = 0;
};

class PnDbLinetypeTableRecord : public PnDbSymbolTableRecord {
 public:
  PNRX_DECLARE_MEMBERS(PnDbLinetypeTableRecord);
  const std::wstring& comments() const { return m_comments; }
  void setComments(const wchar_t* text);
  // Dash lengths: positive dashes, negative gaps, zero dots.
  const std::vector<double>& dashes() const { return m_dashes; }
  void setDashes(std::vector<double> dashes);
  double patternLength() const;

  Plnx::ErrorStatus dwgInFields(PnDbDwgFiler* filer) override;
  Plnx::ErrorStatus dwgOutFields(PnDbDwgFiler* filer) const override;

 private:
  std::wstring m_comments;
  std::vector<double> m_dashes;
};

class PnDbTextStyleTableRecord : public PnDbSymbolTableRecord {
 public:
  PNRX_DECLARE_MEMBERS(PnDbTextStyleTableRecord);
  // A shape-file style holds symbols, not a text font.
  bool isShapeFile() const { return m_isShapeFile; }
  void setIsShapeFile(bool shape);
  const std::wstring& fileName() const { return m_fileName; }
  void setFileName(const wchar_t* fileName);
  double textSize() const { return m_textSize; }
  void setTextSize(double size);
  double xScale() const { return m_xScale; }
  void setXScale(double scale);

  Plnx::ErrorStatus dwgInFields(PnDbDwgFiler* filer) override;
  Plnx::ErrorStatus dwgOutFields(PnDbDwgFiler* filer) const override;

 private:
  bool m_isShapeFile = false;
  std::wstring m_fileName = L"txt";
  double m_textSize = 0.0;
  double m_xScale = 1.0;
};

class PnDbDimStyleTableRecord : public PnDbSymbolTableRecord {
 public:
  PNRX_DECLARE_MEMBERS(PnDbDimStyleTableRecord);
  double dimscale() const { return m_dimscale; }
  void setDimscale(double value);
  double dimtxt() const { return m_dimtxt; }
  void setDimtxt(double value);
  PnDbObjectId dimtxsty() const { return m_textStyle; }
  void setDimtxsty(PnDbObjectId textStyle);

  Plnx::ErrorStatus dwgInFields(PnDbDwgFiler* filer) override;
  Plnx::ErrorStatus dwgOutFields(PnDbDwgFiler* filer) const override;

 private:
  double m_dimscale = 1.0;
  double m_dimtxt = 2.5;
  PnDbObjectId m_textStyle;
};

// The typed tables differ only in the record class they accept.
template <class Record>
class PnDbTypedSymbolTable : public PnDbSymbolTable {
 public:
  using RecordType = Record;
  bool accepts(const PnDbSymbolTableRecord* record) const override { return Record::cast(record) != nullptr; }
};

class PnDbLinetypeTable : public PnDbTypedSymbolTable<PnDbLinetypeTableRecord> {
 public:
  PNRX_DECLARE_MEMBERS(PnDbLinetypeTable);
};
class PnDbTextStyleTable : public PnDbTypedSymbolTable<PnDbTextStyleTableRecord> {
 public:
  PNRX_DECLARE_MEMBERS(PnDbTextStyleTable);
};
class PnDbDimStyleTable : public PnDbTypedSymbolTable<PnDbDimStyleTableRecord> {
 public:
  PNRX_DECLARE_MEMBERS(PnDbDimStyleTable);
};
