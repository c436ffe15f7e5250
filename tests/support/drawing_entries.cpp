#include "tests/support/drawing_entries.h"

#include <gtest/gtest.h>

#include "registry/registry_keeper.h"

PnDbObjectId Dict(PnDbObjectId parent, const wchar_t* name, const PnRxClass* cls) {
  PnDbObjectId existing = Child(parent, name);
  if (!existing.isNull()) return existing;
  PnDbDictionary* dictionary = nullptr;
  EXPECT_EQ(pndbOpenObject(dictionary, parent, PnDb::kForWrite), Plnx::eOk);
  if (dictionary == nullptr) return {};
  PnDbObject* child = cls != nullptr ? static_cast<PnDbObject*>(PnDbDictionary::cast(cls->create()))
                                     : new PnDbDictionary;
  PnDbObjectId id;
  EXPECT_EQ(dictionary->setAt(name, child, id), Plnx::eOk);
  child->close();
  dictionary->close();
  return id;
}

PnDbObjectId Leaf(PnDbObjectId parent, const wchar_t* name, const wchar_t* marker) {
  PnDbDictionary* dictionary = nullptr;
  EXPECT_EQ(pndbOpenObject(dictionary, parent, PnDb::kForWrite), Plnx::eOk);
  if (dictionary == nullptr) return {};
  auto* keeper = new KoVTPrjRegistryKeeper;
  keeper->CreateRootKey(marker);
  PnDbObjectId id;
  EXPECT_EQ(dictionary->setAt(name, keeper, id), Plnx::eOk);
  keeper->close();
  dictionary->close();
  return id;
}

PnDbObjectId Child(PnDbObjectId parent, const wchar_t* name) {
  // The object itself, so that a dictionary the caller holds open is looked into too.
  if (!parent.isValid() || parent.isErased()) return {};
  auto* dictionary = PnDbDictionary::cast(parent.stub()->live());
  if (dictionary == nullptr) return {};
  const bool wasOpen = dictionary->isReadEnabled();
  if (!wasOpen && dictionary->openAs(PnDb::kForRead) != Plnx::eOk) return {};
  PnDbObjectId id;
  const bool found = dictionary->getAt(name, id) == Plnx::eOk && !id.isErased();
  if (!wasOpen) dictionary->close();
  return found ? id : PnDbObjectId();
}

PnDbObjectId At(PnDbDatabase* database, const std::wstring& path) {
  PnDbObjectId id = database->namedObjectsDictionaryId();
  for (std::size_t start = 0, end = 0; end != std::wstring::npos; start = end + 1) {
    end = path.find(L'/', start);
    id = Child(id, path.substr(start, end - start).c_str());
  }
  return id;
}

std::wstring Marker(PnDbObjectId leaf) {
  KoVTPrjRegistryKeeper* keeper = nullptr;
  if (pndbOpenObject(keeper, leaf, PnDb::kForRead) != Plnx::eOk) return {};
  std::wstring marker = keeper->RootKeys().empty() ? L"" : keeper->RootKeys().begin()->first.str();
  keeper->close();
  return marker;
}

std::uint32_t NumEntries(PnDbObjectId dictionary) {
  PnDbDictionary* opened = nullptr;
  if (pndbOpenObject(opened, dictionary, PnDb::kForRead) != Plnx::eOk) return 0;
  std::uint32_t count = 0;
  PnDbDictionaryIterator* it = opened->newIterator();
  for (; !it->done(); it->next()) ++count;
  delete it;
  opened->close();
  return count;
}

PnDbObjectId AddLinetype(PnDbDatabase* database, const wchar_t* name, std::vector<double> dashes) {
  auto* record = new PnDbLinetypeTableRecord;
  record->setName(name);
  record->setDashes(std::move(dashes));
  return AddRecord<PnDbLinetypeTable>(database, record);
}

PnDbObjectId AddTextStyle(PnDbDatabase* database, const wchar_t* name, const wchar_t* fileName) {
  auto* record = new PnDbTextStyleTableRecord;
  record->setName(name);
  record->setFileName(fileName);
  return AddRecord<PnDbTextStyleTable>(database, record);
}

PnDbObjectId AddDimStyle(PnDbDatabase* database, const wchar_t* name) {
  auto* record = new PnDbDimStyleTableRecord;
  record->setName(name);
  return AddRecord<PnDbDimStyleTable>(database, record);
}

std::wstring RecordName(PnDbObjectId id) {
  PnDbSymbolTableRecord* record = nullptr;
  if (pndbOpenObject(record, id, PnDb::kForRead) != Plnx::eOk) return {};
  std::wstring name = record->name();
  record->close();
  return name;
}
