// Database scenarios read from scripts: one call a line and the answer it must give.
//   call arg arg -> answer
// Arguments are words or "quoted texts"; "<null>" passes no name. A blank line
// ends a scenario; the next starts on a new default drawing `db`. Objects are
// named by the scripts; root, linetypes, textstyles, dimstyles, continuous,
// textstyle and dimstyle name the current drawing's own. Calls answer a status
// name, yes or no, a number, a text, or the name of the object found ("?" when
// it has none).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <iomanip>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <set>
#include <sstream>

#include "platform/wide_string.h"
#include "tests/host/allocation_probe.h"
#include "tests/host/host_test_support.h"
#include "tests/support/golden_rows.h"

namespace {

using Args = std::vector<std::string>;
using Dictionary = PnDbDictionary;
using Table = PnDbSymbolTable;

std::wstring wide(const std::string& text) { return Utf8ToWide(text); }
std::string yes(bool value) { return value ? "yes" : "no"; }
// The name as the calls take it: "<null>" is none.
const wchar_t* key(const std::wstring& name) { return name == L"<null>" ? nullptr : name.c_str(); }

std::string number(double value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

std::string inQuotes(const std::wstring& text) {
  std::ostringstream out;
  out << std::quoted(WideToUtf8(text));
  return out.str();
}

std::string hex(const Bytes& bytes) {
  const char* digits = "0123456789ABCDEF";
  std::string text;
  for (std::uint8_t byte : bytes) text += std::string{digits[byte >> 4], digits[byte & 15]};
  return text;
}

Bytes unhex(const std::string& text) {
  Bytes bytes;
  for (std::size_t at = 0; at + 1 < text.size(); at += 2)
    bytes.push_back(static_cast<std::uint8_t>(std::stoi(text.substr(at, 2), nullptr, 16)));
  return bytes;
}

PnDb::DuplicateRecordCloning rule(const std::string& name) {
  const std::map<std::string, PnDb::DuplicateRecordCloning> rules{{"ignore", PnDb::kDrcIgnore},
                                                                 {"replace", PnDb::kDrcReplace},
                                                                 {"xref-mangle", PnDb::kDrcXrefMangleName},
                                                                 {"mangle", PnDb::kDrcMangleName},
                                                                 {"unmangle", PnDb::kDrcUnmangleName}};
  return rules.at(name);
}

// The type of a memory filer that writes: file or copy.
PnDb::FilerType filerType(const std::string& name) {
  return name == "copy" ? PnDb::kCopyFiler : PnDb::kFileFiler;
}

// Filer items written as words: soft:, hard:, own: and a handle; i16:, i32:, u16:, u32:, u64:
// and a number; real: and a number; str: and a text; claim: and the length a string
// item claims without carrying it.
Bytes items(Args::const_iterator word, Args::const_iterator end) {
  using Item = PnDbDwgFiler::Item;
  const std::map<std::string, std::pair<Item, int>> kinds{
      {"soft", {Item::kSoftPointer, 8}}, {"hard", {Item::kHardPointer, 8}},
      {"own", {Item::kHardOwnership, 8}}, {"i16", {Item::kInt16, 2}},  {"i32", {Item::kInt32, 4}},
      {"u16", {Item::kUInt16, 2}},  {"u32", {Item::kUInt32, 4}}, {"u64", {Item::kUInt64, 8}},
      {"claim", {Item::kString, 4}}};
  Items out;
  for (; word != end; ++word) {
    const std::string kind = word->substr(0, word->find(':')), value = word->substr(kind.size() + 1);
    if (kind == "str") out.string(pndbToUtf16(wide(value)));
    else if (kind == "real") out.real(std::stod(value));
    else out.word(kinds.at(kind).first, value[0] == '-' ? std::stoll(value) : std::stoull(value, nullptr, 0),
                  kinds.at(kind).second);
  }
  return out.bytes();
}

// Reads through get() alone, as a module's own filer may, its bytes not shown to the base.
class StreamFiler : public PnDbDwgFiler {
 public:
  StreamFiler(Bytes bytes, PnDbDatabase* db)
      : PnDbDwgFiler(PnDb::kFileFiler, db), m_bytes(std::move(bytes)) {}

 protected:
  bool put(const void*, std::size_t) override { return false; }
  bool get(void* bytes, std::size_t count) override {
    if (remaining() < count) return false;
    std::memcpy(bytes, m_bytes.data() + m_at, count);
    m_at += count;
    return true;
  }
  std::size_t remaining() const override { return m_bytes.size() - m_at; }

 private:
  Bytes m_bytes;
  std::size_t m_at = 0;
};

// A thing whose reading runs out of memory.
class StarvedThing : public TestThing {
 public:
  Plnx::ErrorStatus dwgInFields(PnDbDwgFiler*) override { throw std::bad_alloc(); }
};

class Scenario {
 public:
  explicit Scenario(const std::map<int, std::string>& statuses) : m_statuses(statuses) {
    registerTestThing();
    use("db", true);
    TestThing::reads = 0;
    TestThing::answerProxy = false;
  }
  std::string run(const Args& a);

 private:
  std::string status(Plnx::ErrorStatus es) const {
    auto it = m_statuses.find(es);
    return it == m_statuses.end() ? std::to_string(es) : it->second;
  }
  // The status, and why the drawing says a save or read failed, its files named within the folder.
  std::string fileStatus(Plnx::ErrorStatus es) const {
    const std::string why = withinFolders(m_db->lastFileError());
    if (es == Plnx::eOk) return status(es) + (why.empty() ? "" : " but " + why);
    return status(es) + " " + why;
  }
  // A message with the files of the scratch folder and the test modules named within them.
  std::string withinFolders(const std::wstring& message) const {
    std::string text = WideToUtf8(message);
    for (const std::string& folder : {m_dir.Path().string() + "/", std::string(PN_TEST_MODULE_DIR) + "/"})
      for (std::size_t at; (at = text.find(folder)) != std::string::npos;) text.erase(at, folder.size());
    return text;
  }
  // A file of the scratch folder, "." the folder itself; "" and "<null>" name none.
  const wchar_t* file(const std::string& name) {
    m_path = name.empty() ? L"" : (m_dir.Path() / name).wstring();
    return name == "<null>" ? nullptr : m_path.c_str();
  }
  void use(const std::string& name, bool defaults) {
    auto& db = m_dbs[name];
    if (!db) db = std::make_unique<PnDbDatabase>(defaults);
    m_db = db.get();
  }
  std::map<std::string, PnDbObjectId> own() const {
    return {{"root", m_db->namedObjectsDictionaryId()}, {"linetypes", m_db->linetypeTableId()},
            {"textstyles", m_db->textStyleTableId()},   {"dimstyles", m_db->dimStyleTableId()},
            {"continuous", m_db->continuousLinetype()}, {"textstyle", m_db->textstyle()},
            {"dimstyle", m_db->dimstyle()}};
  }
  PnDbObjectId id(const std::string& name) const {
    if (auto it = m_ids.find(name); it != m_ids.end()) return it->second;
    const auto owned = own();
    auto it = owned.find(name);
    return it == owned.end() ? PnDbObjectId() : it->second;
  }
  std::string nameOf(PnDbObjectId found) const {
    if (found.isNull()) return "null";
    for (const auto& names : {m_ids, own()})
      for (const auto& [name, id] : names)
        if (id == found) return name;
    return "?";
  }
  PnDbObject* held(const std::string& name) const { return m_held.at(id(name)); }
  PnDbObject* heldOpen(const std::string& name) const {
    auto it = m_held.find(id(name));
    return it != m_held.end() && it->second && it->second->isReadEnabled() ? it->second : nullptr;
  }
  // Calls `use` on the object: the one the script holds open, else one opened for the call only.
  template <class T, class Use>
  std::string with(const std::string& name, PnDb::OpenMode mode, const Use& use) {
    if (PnDbObject* object = heldOpen(name)) {
      T* held = dynamic_cast<T*>(object);
      return held ? use(held) : std::string("<held open as another class>");
    }
    T* object = nullptr;
    const Plnx::ErrorStatus es = pndbOpenObject(object, id(name), mode, true);
    if (es != Plnx::eOk) return status(es) + (object ? " and an object" : "");
    std::string answer = use(object);
    object->close();
    return answer;
  }
  // A status, or the name of what was found.
  std::string found(Plnx::ErrorStatus es, PnDbObjectId id) const {
    return es == Plnx::eOk ? nameOf(id) : status(es);
  }
  // The answer to adding `object`: a refused one stays the caller's, unless the database kept it.
  std::string adopted(Plnx::ErrorStatus es, PnDbObject* object) const {
    const bool resident = object->isDatabaseResident();
    if (es == Plnx::eOk) object->close();
    else if (!resident) delete object;
    return status(es) + (es != Plnx::eOk && resident ? " resident" : "");
  }
  // Adds `object` under `key` of dictionary `owner` and names it.
  std::string add(const std::string& name, const std::string& entry, const std::string& owner,
                  PnDbObject* object);
  std::string addRecord(const Args& a);
  std::string onObject(const Args& a, PnDbObject* object);
  std::string onDictionary(const Args& a, Dictionary* dictionary);
  std::string onTable(const Args& a, Table* table);
  std::string records(const Args& a);
  std::string describe(PnDbObject* object) const;
  std::string item(const Args& a);

  const std::map<int, std::string>& m_statuses;
  std::map<std::string, std::unique_ptr<PnDbDatabase>> m_dbs;
  PnDbDatabase* m_db = nullptr;
  std::map<std::string, PnDbObjectId> m_ids;
  std::map<PnDbObjectId, PnDbObject*> m_held;
  PnDbIdMapping m_mapping;
  ScratchDir m_dir;
  std::wstring m_path;  // of the file a call names
  Bytes m_header = crafted::header().bytes();  // of the drawing being made by hand
  std::vector<CraftedObject> m_objects;
  Bytes m_input;  // what a filer reading in place reads
  std::unique_ptr<PnDbDwgFiler> m_filer;
  PnDbMemoryFiler& memory() const { return dynamic_cast<PnDbMemoryFiler&>(*m_filer); }
};

std::string Scenario::add(const std::string& name, const std::string& entry, const std::string& owner,
                          PnDbObject* object) {
  return with<Dictionary>(owner, PnDb::kForWrite, [&](Dictionary* dictionary) {
    return adopted(dictionary->setAt(key(wide(entry)), object, m_ids[name]), object);
  });
}

// record NAME TABLE RECORD-NAME [KIND]: a record of the table's kind, or of KIND's, added to the table.
std::string Scenario::addRecord(const Args& a) {
  const std::string& kind = a.size() > 4 ? a[4] : a[2];
  PnDbSymbolTableRecord* record = nullptr;
  if (kind == "linetypes") record = new PnDbLinetypeTableRecord;
  else if (kind == "textstyles") record = new PnDbTextStyleTableRecord;
  else record = new PnDbDimStyleTableRecord;
  record->setName(wide(a[3]).c_str());
  return with<Table>(a[2], PnDb::kForWrite,
                     [&](Table* table) { return adopted(table->add(m_ids[a[1]], record), record); });
}

// Calls on an object open for them.
std::string Scenario::onObject(const Args& a, PnDbObject* object) {
  const std::string& call = a[0];
  if (call == "erase") return status(object->erase());
  if (call == "unerase") return status(object->erase(false));
  if (call == "owner") return nameOf(object->ownerId());
  if (call == "describe") return describe(object);
  if (auto* record = PnDbSymbolTableRecord::cast(object); record && call == "rename")
    return status(record->setName(wide(a[2]).c_str()));
  if (auto* style = PnDbTextStyleTableRecord::cast(object)) {  // style NAME SHAPE FILE SIZE X-SCALE
    style->setIsShapeFile(a[2] == "yes");
    style->setFileName(wide(a[3]).c_str());
    style->setTextSize(std::stod(a[4]));
    style->setXScale(std::stod(a[5]));
  } else if (auto* linetype = PnDbLinetypeTableRecord::cast(object)) {  // linetype NAME COMMENTS DASH...
    linetype->setComments(wide(a[2]).c_str());
    std::vector<double> dashes;
    for (auto dash = a.begin() + 3; dash != a.end(); ++dash) dashes.push_back(std::stod(*dash));
    linetype->setDashes(dashes);
  } else if (auto* dim = PnDbDimStyleTableRecord::cast(object)) {  // dim NAME SCALE TEXT-HEIGHT TEXT-STYLE
    dim->setDimscale(std::stod(a[2]));
    dim->setDimtxt(std::stod(a[3]));
    dim->setDimtxsty(id(a[4]));
  } else if (auto* dictionary = Dictionary::cast(object)) {  // merge DICTIONARY RULE
    dictionary->setMergeStyle(rule(a[2]));
  } else {
    return "<no such fields>";
  }
  return "ok";
}

// Calls on a dictionary open for them.
std::string Scenario::onDictionary(const Args& a, Dictionary* dictionary) {
  const std::string& call = a[0];
  PnDbObjectId out = dictionary->objectId();  // what a failed call must leave alone
  if (call == "get") {
    const Plnx::ErrorStatus es = dictionary->getAt(key(wide(a[2])), out);
    return found(es, out) + (es != Plnx::eOk && out != dictionary->objectId() ? " and an id" : "");
  }
  // entry NAME DICTIONARY KEY
  if (call == "entry") return status(dictionary->getAt(wide(a[3]).c_str(), m_ids[a[1]]));
  if (call == "has") return yes(dictionary->has(wide(a[2]).c_str()));
  if (call == "entries") return std::to_string(dictionary->numEntries());
  if (call == "remove") return found(dictionary->remove(key(wide(a[2])), out), out);
  if (call == "remove-id") return status(dictionary->remove(id(a[2])));
  if (call == "set") {  // DICTIONARY KEY NAME: sets an object the script holds open, or null
    PnDbObject* object = a[3] == "null" ? nullptr : held(a[3]);
    return found(dictionary->setAt(key(wide(a[2])), object, out), out);
  }
  if (call == "filed") {  // DICTIONARY KEY CLASS ITEM...: an object given as the items it files
    const Bytes filed = items(a.begin() + 4, a.end());
    return status(dictionary->setAtFiled(key(wide(a[2])), pndbToUtf16(wide(a[3])), PnDbFiledItems(filed), out));
  }
  if (call == "name-at") {
    std::wstring name = L"unchanged";
    const Plnx::ErrorStatus es = dictionary->nameAt(id(a[2]), name);
    return (es == Plnx::eOk ? "" : status(es) + " ") + WideToUtf8(name);
  }
  // walk [KEY]: the entries as the iterator gives them, "key=object|...", each opened through it;
  // KEY is removed once the iterator is made.
  std::unique_ptr<PnDbDictionaryIterator> it(dictionary->newIterator());
  if (a.size() > 2) dictionary->remove(wide(a[2]).c_str(), out);
  std::string entries;
  PnDbObject* object = nullptr;
  for (; !it->done(); it->next()) {
    const Plnx::ErrorStatus es = it->getObject(object, PnDb::kForRead);
    entries += WideToUtf8(it->name()) + "=" + nameOf(it->objectId());
    if (es == Plnx::eOk && object->objectId() != it->objectId()) entries += " opened another";
    entries += (es == Plnx::eOk ? "" : " " + status(es)) + "|";
    if (es == Plnx::eOk) object->close();
  }
  // Past the end there is nothing to hand out.
  if (it->next() || it->name() || !it->objectId().isNull() ||
      it->getObject(object, PnDb::kForRead) != Plnx::eNullObjectId)
    entries += "<past the end>";
  return entries;
}

// Calls on a symbol table open for them.
std::string Scenario::onTable(const Args& a, Table* table) {
  const std::string& call = a[0];
  PnDbObjectId out;
  if (call == "lookup") return found(table->getAt(key(wide(a[2])), out, a.size() > 3), out);  // [erased]
  // find NAME TABLE RECORD-NAME
  if (call == "find") return status(table->getAt(wide(a[3]).c_str(), m_ids[a[1]]));
  if (call == "table-has") return yes(table->has(wide(a[2]).c_str()));
  return yes(table->has(id(a[2])));  // table-has-id
}

// records TABLE [all]: the names of the table's records in iteration order, "|"-separated.
std::string Scenario::records(const Args& a) {
  PnDbSymbolTableIterator* raw = nullptr;
  with<Table>(a[1], PnDb::kForRead,
              [&](Table* table) { return status(table->newIterator(raw, a.size() < 3)); });
  std::unique_ptr<PnDbSymbolTableIterator> it(raw);
  std::string names;
  PnDbObjectId id;
  PnDbSymbolTableRecord* record = nullptr;
  for (it->start(); !it->done(); it->step()) {
    if (it->getRecordId(id) != Plnx::eOk || pndbOpenObject(record, id, PnDb::kForRead, true) != Plnx::eOk)
      continue;
    names += WideToUtf8(record->name()) + "|";
    record->close();
  }
  // Past the end there is nothing to hand out.
  if (it->getRecordId(id) != Plnx::eInvalidInput ||
      it->getRecord(record, PnDb::kForRead) != Plnx::eInvalidInput)
    names += "<past the end>";
  return names;
}

// put KIND VALUE writes an item to the filer; take KIND [COUNT] reads one, answering its value,
// after the status when the read failed. Kinds: bool, i16, i32, u16, u32, u64, real, str, wstr,
// handle, bytes (in hex) and the ids soft, hard and own.
std::string Scenario::item(const Args& a) {
  using Filer = PnDbDwgFiler;
  PnDbDwgFiler& filer = *m_filer;
  const bool put = a[0] == "put";
  const std::string& kind = a[1];
  const std::string word = put ? a[2] : "";
  // A read answers what it left in a variable that held something else.
  auto take = [&](auto read, auto value, auto show) {
    const Plnx::ErrorStatus es = (filer.*read)(&value);
    return (es == Plnx::eOk ? "" : status(es) + " ") + show(value);
  };
  auto integer = [&]<class T>(Plnx::ErrorStatus (Filer::*write)(T), Plnx::ErrorStatus (Filer::*read)(T*)) {
    const auto given = word[0] == '-' ? std::stoll(word) : std::stoull(word.empty() ? "0" : word, nullptr, 0);
    if (put) return status((filer.*write)(static_cast<T>(given)));
    return take(read, T(7), [](T value) { return std::to_string(value); });
  };
  using Id = PnDbObjectId;
  auto id = [&](Plnx::ErrorStatus (Filer::*write)(Id), Plnx::ErrorStatus (Filer::*read)(Id*)) {
    if (put) return status((filer.*write)(this->id(word)));
    return take(read, m_db->namedObjectsDictionaryId(), [&](PnDbObjectId value) { return nameOf(value); });
  };
  if (kind == "bool") return integer(&Filer::writeBool, &Filer::readBool);
  if (kind == "i16") return integer(&Filer::writeInt16, &Filer::readInt16);
  if (kind == "i32") return integer(&Filer::writeInt32, &Filer::readInt32);
  if (kind == "u16") return integer(&Filer::writeUInt16, &Filer::readUInt16);
  if (kind == "u32") return integer(&Filer::writeUInt32, &Filer::readUInt32);
  if (kind == "u64") return integer(&Filer::writeUInt64, &Filer::readUInt64);
  if (kind == "soft") return id(&Filer::writeSoftPointerId, &Filer::readSoftPointerId);
  if (kind == "hard") return id(&Filer::writeHardPointerId, &Filer::readHardPointerId);
  if (kind == "own") return id(&Filer::writeHardOwnershipId, &Filer::readHardOwnershipId);
  if (kind == "real") {
    if (put) return status(filer.writeDouble(std::stod(word)));
    return take(&Filer::readDouble, 7.0, number);
  }
  if (kind == "str") {
    if (put) return status(filer.writeString(pndbToUtf16(wide(word))));
    auto show = [](const std::u16string& text) { return inQuotes(pndbFromUtf16(text)); };
    return take(&Filer::readString, std::u16string(u"x"), show);
  }
  if (kind == "wstr") {
    if (put) return status(filer.writeWideString(wide(word)));
    return take(&Filer::readWideString, std::wstring(L"x"), inQuotes);
  }
  if (kind == "handle") {
    if (put) return status(filer.writePnDbHandle(PnDbHandle(std::stoull(word, nullptr, 16))));
    return take(&Filer::readPnDbHandle, PnDbHandle(7), [](PnDbHandle h) { return WideToUtf8(h.toString()); });
  }
  const Bytes bytes = unhex(word);  // bytes
  if (put) return status(filer.writeBytes(bytes.empty() ? nullptr : bytes.data(), bytes.size()));
  Bytes block(std::stoul(a[2]), 9);
  const Plnx::ErrorStatus es = filer.readBytes(block.empty() ? nullptr : block.data(), block.size());
  return (es == Plnx::eOk ? "" : status(es) + " ") + hex(block);
}

// The owner and the fields the object's class files, in their order.
std::string Scenario::describe(PnDbObject* object) const {
  std::ostringstream out;
  out << "owner " << nameOf(object->ownerId());
  if (auto* thing = TestThing::cast(object))
    out << " " << inQuotes(thing->label) << " " << thing->count << " " << thing->weight << " "
        << nameOf(thing->target);
  if (auto* style = PnDbTextStyleTableRecord::cast(object))
    out << " " << yes(style->isShapeFile()) << " " << WideToUtf8(style->fileName()) << " "
        << style->textSize() << " " << style->xScale();
  if (auto* linetype = PnDbLinetypeTableRecord::cast(object)) {
    out << " " << inQuotes(linetype->comments());
    for (double dash : linetype->dashes()) out << " " << dash;
    out << " length " << linetype->patternLength();
  }
  if (auto* dim = PnDbDimStyleTableRecord::cast(object))
    out << " " << dim->dimscale() << " " << dim->dimtxt() << " " << nameOf(dim->dimtxsty());
  if (auto* dictionary = Dictionary::cast(object))
    out << " entries " << dictionary->numEntries() << " merge " << dictionary->mergeStyle();
  return out.str();
}

std::string Scenario::run(const Args& a) {
  const std::string& call = a[0];
  const auto read = PnDb::kForRead, write = PnDb::kForWrite;
  const std::set<std::string> objectCalls{"erase", "unerase", "owner", "describe", "rename",
                                          "style", "linetype", "dim",   "merge"};
  const std::set<std::string> dictionaryCalls{"get", "has", "entries", "remove", "remove-id",
                                              "set", "name-at", "walk", "filed"};
  const std::set<std::string> tableCalls{"lookup", "table-has", "table-has-id"};
  const bool reads = call == "owner" || call == "describe";
  const bool changes = call == "set" || call == "remove" || call == "remove-id" || call == "filed";
  // Calls made for their effect alone, answering "ok".
  const std::map<std::string, std::function<void()>> effects{
      {"use", [&] { use(a[1], a.size() < 3); }},                     // NAME [blank]
      {"drop", [&] { m_dbs.erase(a[1]); }},                           // DATABASE: to be used no more
      {"header", [&] { m_header = items(a.begin() + 1, a.end()); }},  // ITEM...: of the drawing made by hand
      {"filer", [&] { m_filer = std::make_unique<PnDbMemoryFiler>(Bytes(), filerType(a[1]), m_db); }},
      {"rewind", [&] { memory().rewind(); }},
      {"fail-save-after", [&] { pndbFailNextSaveAfter(std::stoul(a[1])); }},  // BYTES written, then fails
      {"unregister", [] { deletePnRxClass(TestThing::desc()); }},   // as when the things' module goes
      {"too-new", [&] { TestThing::answerProxy = a[1] == "yes"; }},  // yes|no: things read as too new data
      {"unload-all", [] { pnrxDynamicLinker()->unloadAllModules(); }},
      {"hierarchy", pnrxBuildClassHierarchy},
      {"drop-class", [&] { deletePnRxClass(pnrxFindPnRxClass(key(wide(a[1])))); }},  // NAME
      {"forget", [&] { m_mapping = PnDbIdMapping(); }}};
  if (auto effect = effects.find(call); effect != effects.end()) {
    effect->second();
    return "ok";
  }
  // An object not held open is erased as the host erases any: one still filed is not read for it.
  if (call == "erase" && !heldOpen(a[1])) return status(pndbEraseObject(id(a[1])));
  if (objectCalls.count(call))
    return with<PnDbObject>(a[1], reads ? read : write, [&](PnDbObject* o) { return onObject(a, o); });
  if (dictionaryCalls.count(call))
    return with<Dictionary>(a[1], changes ? write : read, [&](Dictionary* d) { return onDictionary(a, d); });
  if (tableCalls.count(call)) return with<Table>(a[1], read, [&](Table* t) { return onTable(a, t); });
  if (call == "entry") return with<Dictionary>(a[2], read, [&](Dictionary* d) { return onDictionary(a, d); });
  if (call == "find") return with<Table>(a[2], read, [&](Table* t) { return onTable(a, t); });
  if (call == "records") return records(a);
  if (call == "record") return addRecord(a);
  if (call == "dictionary") return add(a[1], a[2], a.size() > 3 ? a[3] : "root", new Dictionary);
  if (call == "thing") {  // NAME KEY LABEL [DICTIONARY [COUNT WEIGHT TARGET]]
    auto* thing = new TestThing;
    thing->label = wide(a[3]);
    if (a.size() > 7) {
      thing->count = std::stoi(a[5]);
      thing->weight = std::stod(a[6]);
      thing->target = id(a[7]);
    }
    return add(a[1], a[2], a.size() > 4 ? a[4] : "root", thing);
  }
  if (call == "let") {  // NAME OTHER-NAME: keeps an object of this drawing under a name of its own
    m_ids[a[1]] = id(a[2]);
    return id(a[1]).isNull() ? "null" : "ok";
  }
  if (call == "working") {  // [DATABASE]: sets the working drawing first; names it
    PnDbHostApplicationServices* services = pndbHostApplicationServices();
    if (a.size() > 1) services->setWorkingDatabase(m_dbs.at(a[1]).get());
    const PnDbDatabase* working = services->workingDatabase();
    for (const auto& [name, db] : m_dbs)
      if (db.get() == working) return name;
    return working ? "another" : "none";
  }
  if (call == "objects") return std::to_string(m_db->numObjects());
  if (call == "open") {  // NAME read|write|erased|none
    PnDbObject* object = nullptr;
    const auto mode = a[2] == "read" ? read : a[2] == "none" ? PnDb::kNotOpen : write;
    const Plnx::ErrorStatus es = pndbOpenObject(object, id(a[1]), mode, a[2] == "erased");
    PnDbObject*& held = m_held[id(a[1])];
    const bool another = es == Plnx::eOk && held && held->isReadEnabled() && held != object;
    if (es == Plnx::eOk) held = object;
    return status(es) + (es != Plnx::eOk && object ? " and an object" : "") + (another ? " another" : "");
  }
  if (call == "close") return status(held(a[1])->close());
  if (call == "readers") {  // NAME: opened for read until refused, then closed again: how many and why
    PnDbObject* first = nullptr;
    PnDbObject* object = nullptr;
    Plnx::ErrorStatus es = pndbOpenObject(first, id(a[1]), read);
    while (es == Plnx::eOk && first->numReaders() < 10000) es = pndbOpenObject(object, id(a[1]), read);
    const std::string answer = std::to_string(first ? first->numReaders() : 0) + " " + status(es);
    for (int n = first ? first->numReaders() : 0; n > 0; --n) first->close();
    return answer + (object ? " and an object" : "");
  }
  if (call == "assert") {  // NAME read|write: the check a class makes before it reads or changes its fields
    if (a[2] == "read") held(a[1])->assertReadEnabled();
    else held(a[1])->assertWriteEnabled();
    return "ok";
  }
  if (call == "closed")  // CALL DICTIONARY ...: a call on a dictionary the script held open and closed since
    return onDictionary(Args(a.begin() + 1, a.end()), dynamic_cast<Dictionary*>(held(a[2])));
  if (call == "upgrade") return status(held(a[1])->upgradeOpen());
  if (call == "downgrade") return status(held(a[1])->downgradeOpen());
  if (call == "modified") return yes(held(a[1])->isModified());
  if (call == "state") {  // readers, "w" when open for write, "c" when the next close is the last
    const PnDbObject* o = held(a[1]);
    const std::string flags = std::string(o->isWriteEnabled() ? "w" : "") + (o->isReallyClosing() ? "c" : "");
    return std::to_string(o->numReaders()) + flags;
  }
  if (call == "erased") return yes(id(a[1]).isErased()) + (id(a[1]).isValid() ? "" : " gone");
  if (call == "name")
    return with<PnDbSymbolTableRecord>(a[1], read, [](auto* record) { return WideToUtf8(record->name()); });
  if (call == "handle") return WideToUtf8(id(a[1]).handle().toString());
  if (call == "before") return yes(id(a[1]) < id(a[2]));
  if (call == "by-handle" || call == "reserve") {  // HANDLE or the name of an object; reserve NAME HANDLE
    const std::string& named = a.back();
    const PnDbHandle handle =
        m_ids.count(named) ? id(named).handle() : PnDbHandle(std::stoull(named, nullptr, 16));
    PnDbObjectId out;
    const Plnx::ErrorStatus es = m_db->getPnDbObjectId(out, call == "reserve", handle);
    if (call == "by-handle") return found(es, out);
    m_ids[a[1]] = out;
    return status(es) + (out.isValid() ? " valid" : "");
  }
  if (call == "textstyle") return status(m_db->setTextstyle(id(a[1])));
  if (call == "dimstyle") return status(m_db->setDimstyle(id(a[1])));
  if (call == "setting") {  // measurement|lunits|luprec [VALUE]
    using Set = Plnx::ErrorStatus (PnDbDatabase::*)(int);
    using Get = int (PnDbDatabase::*)() const;
    const std::map<std::string, std::pair<Set, Get>> settings{
        {"measurement", {&PnDbDatabase::setMeasurement, &PnDbDatabase::measurement}},
        {"lunits", {&PnDbDatabase::setLunits, &PnDbDatabase::lunits}},
        {"luprec", {&PnDbDatabase::setLuprec, &PnDbDatabase::luprec}}};
    const auto& [set, get] = settings.at(a[1]);
    return a.size() > 2 ? status((m_db->*set)(std::stoi(a[2]))) : std::to_string((m_db->*get)());
  }
  if (call == "save") return fileStatus(m_db->saveAs(file(a[1])));
  if (call == "read") {  // DATABASE FILE [on-demand]: a new drawing read from the file, used from then on
    use(a[1], false);
    TestThing::reads = 0;
    AllocationProbe probe;
    const Plnx::ErrorStatus es = m_db->readDwgFile(file(a[2]), a.size() > 3);
    // A refused file must not have made the reader reserve what it claims.
    const std::size_t largest = probe.Largest();
    const bool reserved = es != Plnx::eOk && largest >= 1u << 16;
    return fileStatus(es) + (reserved ? " after reserving " + std::to_string(largest) : "");
  }
  if (call == "object") {  // HANDLE CLASS ITEM...: an object of the drawing made by hand
    // A class named "units:" and UTF-16 units in hex may hold what no UTF-8 text can.
    const bool units = a[2].rfind("units:", 0) == 0;
    std::wstring name = units ? L"" : wide(a[2]);
    for (std::size_t at = 6; units && at + 4 <= a[2].size(); at += 4)
      name += static_cast<wchar_t>(std::stoi(a[2].substr(at, 4), nullptr, 16));
    m_objects.push_back({std::stoull(a[1], nullptr, 0), name, items(a.begin() + 3, a.end())});
    return "ok";
  }
  if (call == "chain") {  // FIRST COUNT: hand-made dictionaries from FIRST on, each owning the next
    const std::uint64_t first = std::stoull(a[1], nullptr, 0), end = first + std::stoull(a[2]);
    for (std::uint64_t h = first; h < end; ++h) {
      const crafted::Entries next = h + 1 < end ? crafted::Entries{{u"Next", h + 1}} : crafted::Entries{};
      m_objects.push_back(crafted::dictionary(h, h == first ? crafted::kNamedObjects : h - 1, next));
    }
    return "ok";
  }
  if (call == "write") {  // FILE [BYTES]: the drawing made by hand, with bytes in hex after its last object
    Bytes image = craftDrawing(m_header, m_objects);
    const Bytes extra = unhex(a.size() > 2 ? a[2] : "");
    image.insert(image.end() - 4, extra.begin(), extra.end());
    reseal(image);
    writeFile(m_dir.Path() / a[1], image);
    m_objects.clear();
    return "ok";
  }
  if (call == "patch") {  // FILE AT VALUE BYTES: a little-endian value poked in, the checksum made good
    Bytes image = readFile(m_dir.Path() / a[1]);
    const std::uint64_t value = std::stoull(a[3], nullptr, 0);
    for (int i = 0; i < std::stoi(a[4]); ++i)
      image.at(std::stoul(a[2]) + i) = static_cast<std::uint8_t>(value >> 8 * i);
    reseal(image);
    writeFile(m_dir.Path() / a[1], image);
    return "ok";
  }
  if (call == "text") {  // FILE TEXT [SIZE]: a file that is no drawing, grown with zeros (sparse) to SIZE
    writeFile(m_dir.Path() / a[1], Bytes(a[2].begin(), a[2].end()));
    if (a.size() > 3) std::filesystem::resize_file(m_dir.Path() / a[1], std::stoull(a[3]));
    return "ok";
  }
  if (call == "add-object") {  // NAME: a new dictionary in the drawing, in no owner
    auto* dictionary = new Dictionary;
    return adopted(m_db->addPnDbObject(m_ids[a[1]], dictionary), dictionary);
  }
  if (call == "reads") return std::to_string(TestThing::reads);  // since the last drawing was read
  if (call == "input") {  // HEX [view|stream]: the bytes to read as a file's, in memory, in place or streamed
    m_input = unhex(a[1]);
    const std::string how = a.size() > 2 ? a[2] : "";
    if (how == "view") m_filer = std::make_unique<PnDbViewFiler>(m_input.data(), m_input.size(), m_db);
    else if (how == "stream") m_filer = std::make_unique<StreamFiler>(m_input, m_db);
    else m_filer = std::make_unique<PnDbMemoryFiler>(m_input, PnDb::kFileFiler, m_db);
    return "ok";
  }
  if (call == "filed-items") {  // HEX [INDEX HANDLE]: whole or not, the ids, the items once id INDEX moved
    PnDbFiledItems filed(unhex(a[1]));
    std::string answer = yes(filed.whole());
    for (const PnDbFiledId& id : filed.ids())
      answer += " " + std::to_string(static_cast<int>(id.kind)) + ":" + std::to_string(id.handle) + "@" +
                std::to_string(id.at);
    if (a.size() < 4) return answer;
    filed.setHandle(std::stoul(a[2]), std::stoull(a[3]));
    return answer + " then " + hex(filed.bytes());
  }
  if (call == "put" || call == "take") return item(a);
  if (call == "written") return hex(memory().bytes());
  if (call == "at-end") return yes(memory().atEnd());
  if (call == "filer-status") {  // [STATUS NUMBER]: sets the status first, or resets it to eOk
    if (a.size() > 2) m_filer->setFilerStatus(static_cast<Plnx::ErrorStatus>(std::stoi(a[2])));
    else if (a.size() > 1) m_filer->resetFilerStatus();
    return status(m_filer->filerStatus());
  }
  if (call == "files") {  // the scratch folder's files, in name order
    std::string names;
    for (const auto& name : SortedEntries(m_dir.Path())) names += (names.empty() ? "" : " ") + name;
    return names;
  }
  if (call == "size") return std::to_string(readFile(m_dir.Path() / a[1]).size());
  if (call == "same") return yes(readFile(m_dir.Path() / a[1]) == readFile(m_dir.Path() / a[2]));
  if (call == "register") return registerTestThing() ? "ok" : "no class";
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  if (call == "load") {  // FILE [verbose]: sought in the search path, or by its full path when in modules/
    const bool full = a[1].rfind("modules/", 0) == 0;
    const std::string searched = "/nonexistent:" + m_dir.Path().string() + ":" + PN_TEST_MODULE_DIR;
    ScopedEnv path("PNHOST_MODULE_PATH", full ? std::nullopt : std::optional<std::string>(searched));
    pnutCaptureOutput(true);
    const std::string name = full ? PN_TEST_MODULE_DIR + a[1].substr(7) : a[1];
    if (linker->loadModule(key(wide(name)), a.size() > 2)) return "loaded";
    return "refused: " + withinFolders(linker->lastLoadError());
  }
  if (call == "printed") {  // what was printed since, lines ended by "|"
    std::string printed = withinFolders(pnutTakeCapturedOutput());
    std::replace(printed.begin(), printed.end(), '\n', '|');
    return printed;
  }
  if (call == "unload") return yes(linker->unloadModule(wide(a[1]).c_str()));
  if (call == "loaded") return yes(linker->isModuleLoaded(wide(a[1]).c_str()));
  // class NAME PARENT [MAKES [VERSION MAINTENANCE FLAGS]]: MAKES dictionaries, nothing, none or
  // starving things
  if (call == "class") {
    const std::map<std::string, PnRxPseudoConstructor> makes{
        {"dictionaries", [] { return static_cast<PnRxObject*>(new Dictionary); }},
        {"nothing", [] { return static_cast<PnRxObject*>(nullptr); }}, {"none", nullptr},
        {"starving", [] { return static_cast<PnRxObject*>(new StarvedThing); }}};
    const auto number = [&](std::size_t at) { return a.size() > at ? std::stoi(a[at]) : 0; };
    PnRxClass* added = newPnRxClass(key(wide(a[1])), wide(a[2]).c_str(), number(4), number(5), number(6),
                                    makes.at(a.size() > 3 ? a[3] : "none"));
    return added ? "ok" : "refused";
  }
  // Runtime classes by name; "none" is no class.
  const auto cls = [&](std::size_t at) { return pnrxFindPnRxClass(key(wide(a.at(at)))); };
  if (call == "versions") {  // NAME: the versions and proxy flags of the class
    const PnRxClass* c = cls(1);
    if (!c) return "no class";
    return std::to_string(c->dwgVersion()) + " " + std::to_string(c->maintenanceVersion()) + " " +
           std::to_string(c->proxyFlags());
  }
  if (call == "parent") return cls(1)->myParent() ? WideToUtf8(cls(1)->myParent()->name()) : "null";
  if (call == "derived") return yes(cls(1)->isDerivedFrom(cls(2)));  // NAME ANCESTOR
  if (call == "create") {  // NAME: the class of what it makes
    std::unique_ptr<PnRxObject> made(cls(1)->create());
    return made ? WideToUtf8(made->isA()->name()) : "nothing";
  }
  if (call == "proxy")  // NAME: the class a proxy stands for, and whether a clone of it holds its data
    return with<PnDbProxyObject>(a[1], read, [](PnDbProxyObject* proxy) {
      std::unique_ptr<PnDbObject> clone(proxy->clone());
      const auto* copy = PnDbProxyObject::cast(clone.get());
      return WideToUtf8(proxy->originalClassName()) +
             (copy && copy->originalData() == proxy->originalData() ? "" : " cloned apart");
    });
  if (call == "file-name") return std::filesystem::path(m_db->fileName()).lexically_relative(m_dir.Path());
  if (call == "clone")  // NAME OWNER RULE [deferred]: into this drawing, through the scenario's mapping
    return status(m_db->wblockCloneObjects({id(a[1])}, id(a[2]), m_mapping, rule(a[3]), a.size() > 4));
  if (call == "mapped") {  // NAME CLONE: names the object NAME is mapped to, unless it has a name already
    PnDbObjectId clone;
    if (!m_mapping.lookup(id(a[1]), clone)) return "none";
    if (nameOf(clone) == "?") m_ids[a[2]] = clone;
    return nameOf(clone);
  }
  if (call == "mappings") return std::to_string(m_mapping.size());
  if (call == "references") {  // [nowhere] NAME...: hard reference counts; one past them stays untouched
    const bool nowhere = a[1] == "nowhere";  // no room for the counts
    PnDbObjectIdArray ids;
    for (auto name = a.begin() + (nowhere ? 2 : 1); name != a.end(); ++name) ids.push_back(id(*name));
    std::vector<std::uint32_t> counts(nowhere ? 0 : ids.size() + 1, 99);
    std::string answer = status(m_db->countHardReferences(ids, nowhere ? nullptr : counts.data()));
    for (std::uint32_t count : counts) answer += " " + std::to_string(count);
    return answer;
  }
  return "<no call " + call + ">";
}

// A line's words, quoted texts taken whole.
Args words(const std::string& line) {
  Args args;
  std::istringstream in(line);
  std::string word;
  while (in >> std::ws && !in.eof()) {
    if (in.peek() == '"') in >> std::quoted(word);
    else in >> word;
    args.push_back(word);
  }
  return args;
}

void runScript(const std::string& path) {
  std::map<int, std::string> statuses;
  for (const GoldenRow& row : ReadGoldenRows("host/data/status_names.txt", 2))
    statuses[std::stoi(row[1])] = WideToUtf8(row[0]);
  std::ifstream file(std::string(KOVT_TESTS_DIR) + "/" + path);
  ASSERT_TRUE(file) << path;
  registerTestThing();
  ThrowingAbort aborts;
  auto scenario = std::make_unique<Scenario>(statuses);
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (line.empty()) scenario = std::make_unique<Scenario>(statuses);
    if (line.empty() || line.front() == '#') continue;
    const std::size_t arrow = line.find(" ->");
    ASSERT_NE(arrow, std::string::npos) << path << ":" << number << ": no call -> answer";
    const std::string expected = line.substr(std::min(arrow + 4, line.size()));
    std::string answer;
    try {
      answer = scenario->run(words(line.substr(0, arrow)));
    } catch (const std::out_of_range&) {
      answer = "<an object not held open>";
    } catch (const std::bad_alloc&) {
      answer = "out of memory";
    } catch (const HostAbort& abort) {
      answer = std::string("abort: ") + abort.what();
    }
    EXPECT_EQ(answer, expected) << path << ":" << number << ": " << line;
  }
}

class Scenarios : public ::testing::TestWithParam<std::string> {};
TEST_P(Scenarios, AnswerAsScripted) { runScript("host/data/" + GetParam() + ".txt"); }
INSTANTIATE_TEST_SUITE_P(Host, Scenarios,
                         ::testing::Values("classes", "modules", "dictionaries", "open_close",
                                           "symbol_tables", "cloning", "filers", "drawing_files",
                                           "hostile_drawings", "on_demand", "filed_items"),
                         [](const auto& file) { return file.param; });

}  // namespace
