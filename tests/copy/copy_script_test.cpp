// Dictionary trees and symbol-table records copied between a source drawing
// and the working drawing, driven by the scenarios of data/copy_scenarios.txt;
// then copies by hand: a visitor that decides for itself, and objects the
// caller holds open.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "copy/dict_copy_visitor.h"
#include "copy/dict_tree_copy.h"
#include "copy/kovr_dict_copy.h"
#include "copy/linetype_copy.h"
#include "copy/style_copy.h"
#include "dictionaries/app_dictionary_classes.h"
#include "tests/copy/copy_fixture.h"
#include "tests/units/call_rows.h"

using namespace KovtCopyUtil;

namespace {

PnRxObject* NewKeeperDictionary() { return new PnDbDictionary; }

template <class Table>
PnDbObjectId RecordId(PnDbDatabase* database, const std::wstring& name) {
  Table* table = nullptr;
  PnDbObjectId id;
  if (database->getSymbolTable(table, PnDb::kForRead) != Plnx::eOk) return id;
  table->getAt(name.c_str(), id);
  table->close();
  return id;
}

// The font file of a text style; empty for anything else.
std::wstring FontFile(PnDbObjectId id) {
  PnDbTextStyleTableRecord* record = nullptr;
  if (pndbOpenObject(record, id, PnDb::kForRead) != Plnx::eOk) return {};
  const std::wstring file = record->fileName();
  record->close();
  return file;
}

class CopyScript : public CopyTest {
 protected:
  using Op = std::function<void(const GoldenRow&)>;

  void TearDown() override {
    ExpectAllClosed();
    for (PnRxClass* cls : m_keeperClasses) deletePnRxClass(cls);
    m_keeperClasses.clear();
    CopyTest::TearDown();
  }

  // "src" or "dst"; "none" and "working" stand for no drawing.
  PnDbDatabase* Database(const std::wstring& name) {
    if (name == L"src") return Source();
    if (name == L"dst") return Drawing();
    EXPECT_TRUE(name == L"none" || name == L"working") << WideToUtf8(name);
    return nullptr;
  }

  // "src:" or "dst:" and a path below its named-objects dictionary, or a table
  // and a record name ("dst:linetypes/Dash"); "-" for the null id.
  PnDbObjectId Id(const std::wstring& ref) {
    if (ref == L"-") return {};
    const std::size_t colon = ref.find(L':'), slash = ref.find(L'/');
    PnDbDatabase* database = Database(ref.substr(0, colon));
    const std::wstring path = ref.substr(colon + 1), table = ref.substr(colon + 1, slash - colon - 1);
    const std::wstring record = slash == std::wstring::npos ? L"" : ref.substr(slash + 1);
    if (table == L"linetypes") return RecordId<PnDbLinetypeTable>(database, record);
    if (table == L"textstyles") return RecordId<PnDbTextStyleTable>(database, record);
    if (table == L"dimstyles") return RecordId<PnDbDimStyleTable>(database, record);
    return path.empty() ? database->namedObjectsDictionaryId() : At(database, path);
  }
  PnDbDatabase* DatabaseOf(const std::wstring& ref) { return Database(ref.substr(0, ref.find(L':'))); }
  static void ExpectText(const std::wstring& actual, const std::wstring& expected) {
    EXPECT_EQ(WideToUtf8(actual), WideToUtf8(expected));
  }
  // The name after the last '/' of `ref`.
  static std::wstring LastName(const std::wstring& ref) { return ref.substr(ref.find_last_of(L":/") + 1); }

  // Makes the dictionaries along `ref` but the last name, and answers the parent of that.
  PnDbObjectId MakeParents(const std::wstring& ref) {
    const std::size_t colon = ref.find(L':');
    PnDbObjectId parent = Database(ref.substr(0, colon))->namedObjectsDictionaryId();
    std::size_t start = colon + 1;
    for (std::size_t slash; (slash = ref.find(L'/', start)) != std::wstring::npos; start = slash + 1)
      parent = Dict(parent, ref.substr(start, slash - start).c_str());
    return parent;
  }

  void MakeDict(const GoldenRow& row) {
    const std::map<std::wstring, const PnRxClass*> classes = {{L"-", nullptr},
                                                              {L"main", KOVTMainRootDictionary::desc()},
                                                              {L"app", KOVTAppDictionary::desc()},
                                                              {L"style", KOVTStyleDictionary::desc()}};
    Dict(MakeParents(row[1]), LastName(row[1]).c_str(), classes.at(row[2]));
  }

  // A clone by name into the working drawing, or "nowhere" into no drawing.
  void Clone(const GoldenRow& row) {
    PnDbObject* clone = nullptr;
    KOVTString name;
    const bool cloned = CloneDictionaryObject(Id(row[1]), Destination(row[2]), clone, name);
    ExpectText(cloned ? name.str() : L"refused", row[3]);
    EXPECT_TRUE(clone == nullptr || !clone->isDatabaseResident()) << "a clone is no drawing's yet";
    delete clone;
  }
  PnDbDatabase* Destination(const std::wstring& where) { return where == L"nowhere" ? nullptr : Drawing(); }

  void Kovr(const GoldenRow& row) {
    const bool detach = row[2] == L"detached";
    if (detach) pndbHostApplicationServices()->setWorkingDatabase(nullptr);
    const bool copied = CopyKovrDictFromTo(Database(row[1]), detach ? nullptr : Database(row[2]));
    pndbHostApplicationServices()->setWorkingDatabase(Drawing());
    EXPECT_EQ(B(copied), row[3]);
  }

  // Records copied by name into the working drawing: whether all were, then
  // the renames reported after one the list already held.
  void CopyByNames(const GoldenRow& row) {
    KoVT::Core::TStringList names;
    for (const std::wstring& name : Split(row[2])) names.Add(name.c_str());
    NamePairList renamed{{L"earlier", L"kept"}};
    const bool copied = row[1] == L"src:linetypes" ? CopyPlnxLineType(Source(), Drawing(), names, renamed)
                                                   : CopyPlnxTextStyle(Source(), Drawing(), names, renamed);
    std::vector<std::wstring> answer{B(copied)};
    for (const auto& [from, to] : renamed) answer.push_back(from.str() + L"=" + to.str());
    ExpectText(Joined(answer), row[3]);
  }

  // Linetypes copied by id: whether all were, then each copy as source=copy names.
  void CopyByIds(const GoldenRow& row) {
    PnDbObjectIdArray ids;
    for (const std::wstring& ref : Split(row[1])) ids.push_back(Id(ref));
    IdPairList copies;
    std::vector<std::wstring> answer{B(CopyPlnxLineType(Source(), Drawing(), ids, copies))};
    for (const auto& [from, to] : copies) answer.push_back(RecordName(from) + L"=" + RecordName(to));
    ExpectText(Joined(answer), row[3]);
  }

  // A remap with the policies "exist/missing" (or "-" for the short form) and the id it leaves.
  void Remap(const GoldenRow& row) {
    PnDbObjectId reference = Id(row[1]);
    if (row[2] == L"-") {
      EXPECT_TRUE(RemapPlnxLineTypeId(false, Source(), Drawing(), reference));
    } else {
      const auto exist = static_cast<ECopyMethodExist>(std::stoi(row[2]));
      const auto missing = static_cast<ECopyMethodNotExist>(std::stoi(row[2].substr(row[2].find(L'/') + 1)));
      RemapPlnxLineTypeId(exist, missing, false, Source(), Drawing(), reference);
    }
    EXPECT_EQ(reference, Id(row[3]));
  }

  // A dimension style looked up from drawing to drawing ("src/dst"): whether
  // found, then, where given, the id found.
  void FindDimStyle(const GoldenRow& row) {
    const std::size_t slash = row[2].find(L'/');
    PnDbObjectId found = Drawing()->namedObjectsDictionaryId();
    const bool ok = FindDimStyleIdInDestDatabase(false, Database(row[2].substr(0, slash)), Id(row[1]),
                                                 Database(row[2].substr(slash + 1)), found);
    const std::vector<std::wstring> expected = Split(row[3]);
    EXPECT_EQ(B(ok), expected[0]);
    if (expected.size() > 1) {
      EXPECT_EQ(found, Id(expected[1]));
    }
  }

  void Names(const GoldenRow& row) {
    PnDbDatabase* database = DatabaseOf(row[1]);
    std::vector<std::wstring> names = row[1].ends_with(L"linetypes")
                                          ? RecordNames<PnDbLinetypeTable>(database)
                                          : RecordNames<PnDbTextStyleTable>(database);
    ExpectText(Joined(names), row[3]);
  }

  void Dashes(const GoldenRow& row) {
    PnDbLinetypeTableRecord* record = nullptr;
    ASSERT_EQ(pndbOpenObject(record, Id(row[1]), PnDb::kForRead), Plnx::eOk);
    EXPECT_EQ(record->dashes(), DashesOf(row[3]));
    record->close();
  }

  std::vector<double> DashesOf(const std::wstring& text) {
    std::vector<double> dashes;
    for (const std::wstring& dash : Split(text)) dashes.push_back(D(dash));
    return dashes;
  }

  // Every operation of the script by name; fields are operation, entry, argument, expected.
  std::map<std::wstring, Op> Operations() {
    auto expectId = [this](const GoldenRow& r, PnDbObjectId id) {
      EXPECT_EQ(id, Id(r[3]));
      EXPECT_EQ(id.isNull(), r[3] == L"-") << "the id named must be there";
    };
    // Linetypes and dimension styles are looked up alike.
    auto counterpart = [=, this](auto find) {
      return [=, this](const GoldenRow& r) { expectId(r, find(false, Database(r[2]), Id(r[1]), Drawing())); };
    };
    auto exists = [this](auto check) {
      return [=, this](const GoldenRow& r) { EXPECT_EQ(B(check(Id(r[1]), Database(r[2]))), r[3]); };
    };
    return {
        {L"dict", [this](const GoldenRow& r) { MakeDict(r); }},
        {L"leaf",
         [this](const GoldenRow& r) { Leaf(MakeParents(r[1]), LastName(r[1]).c_str(), r[2].c_str()); }},
        {L"linetype",
         [this](const GoldenRow& r) {
           AddLinetype(DatabaseOf(r[1]), LastName(r[1]).c_str(), DashesOf(r[2]));
         }},
        {L"textstyle",
         [this](const GoldenRow& r) {
           AddTextStyle(DatabaseOf(r[1]), LastName(r[1]).c_str(), r[2].c_str());
         }},
        {L"dimstyle", [this](const GoldenRow& r) { AddDimStyle(DatabaseOf(r[1]), LastName(r[1]).c_str()); }},
        {L"keeper-classes",
         [this](const GoldenRow&) {
           for (const wchar_t* name : {L"KoVSCrSecDictionary", L"KoVSMaterialDictionary"})
             m_keeperClasses.push_back(newPnRxClass(name, L"PnDbDictionary", 0, 0, 0, NewKeeperDictionary));
         }},
        {L"count", [this](const GoldenRow&) { m_objects = Drawing()->numObjects(); }},
        {L"unchanged", [this](const GoldenRow&) { EXPECT_EQ(Drawing()->numObjects(), m_objects); }},
        {L"hold-linetypes",
         [this](const GoldenRow&) {
           ASSERT_EQ(Drawing()->getSymbolTable(m_held, PnDb::kForRead), Plnx::eOk);
         }},
        {L"release", [this](const GoldenRow&) { m_held->close(); }},
        {L"visit",
         [this](const GoldenRow& r) { DictCopyVisitor(Id(r[1]), Destination(r[2]), r[2] != L"flat").Run(); }},
        {L"merge", [this](const GoldenRow& r) { CopySimpleDictionaryTree(Id(r[1]), Id(r[2])); }},
        {L"kovr", [this](const GoldenRow& r) { Kovr(r); }},
        {L"corresponding",
         [=, this](const GoldenRow& r) {
           expectId(r,
                    GetCorrespondingDictionaryIdInDestDatabase(Id(r[1]), Destination(r[2]), r[2] != L"find"));
         }},
        {L"copy",
         [=, this](const GoldenRow& r) { expectId(r, CopyDictionaryObject(Id(r[1]), Destination(r[2]))); }},
        {L"clone", [this](const GoldenRow& r) { Clone(r); }},
        {L"copy-names", [this](const GoldenRow& r) { CopyByNames(r); }},
        {L"copy-ids", [this](const GoldenRow& r) { CopyByIds(r); }},
        {L"copy-linetype",
         [=, this](const GoldenRow& r) { expectId(r, CopyPlnxLineType(Source(), Drawing(), Id(r[1]))); }},
        {L"remap", [this](const GoldenRow& r) { Remap(r); }},
        {L"linetype-counterpart", counterpart(FindPlnxLineTypeIdDestDatabase)},
        {L"dimstyle-counterpart", counterpart(FindPlnxDimStyleIdDestDatabase)},
        {L"find-dimstyle", [this](const GoldenRow& r) { FindDimStyle(r); }},
        {L"linetype-exists", exists(CheckIfPlnxLineTypeIdExist)},
        {L"dimstyle-exists", exists(CheckIfPlnxDimStyleIdExist)},
        {L"linetype-name", [this](const GoldenRow& r) { ExpectText(GetLineTypeName(Id(r[1])).str(), r[3]); }},
        {L"names", [this](const GoldenRow& r) { Names(r); }},
        {L"dashes", [this](const GoldenRow& r) { Dashes(r); }},
        {L"font", [this](const GoldenRow& r) { ExpectText(FontFile(Id(r[1])), r[3]); }},
        {L"marker", [this](const GoldenRow& r) { ExpectText(Marker(Id(r[1])), r[3]); }},
        {L"absent", [this](const GoldenRow& r) { EXPECT_TRUE(Id(r[1]).isNull()); }},
        {L"entries", [this](const GoldenRow& r) { EXPECT_EQ(NumEntries(Id(r[1])), std::stoul(r[3])); }},
        {L"class", [this](const GoldenRow& r) { ExpectText(ClassNameOf(Id(r[1])), r[3]); }},
    };
  }

  std::vector<PnRxClass*> m_keeperClasses;
  std::size_t m_objects = 0;
  PnDbLinetypeTable* m_held = nullptr;
};

TEST_F(CopyScript, EveryScenarioEndsAsListed) {
  const std::map<std::wstring, Op> operations = Operations();
  std::wstring scenario;
  for (const GoldenRow& row : ReadGoldenRows("copy/data/copy_scenarios.txt", 4)) {
    SCOPED_TRACE(WideToUtf8(scenario + L": " + row[0] + L" " + row[1] + L" " + row[2] + L" " + row[3]));
    if (row[0] == L"scenario") {
      if (!scenario.empty()) {  // the next scenario starts on two fresh drawings
        TearDown();
        CopyTest::SetUp();
      }
      scenario = row[1];
      continue;
    }
    const auto operation = operations.find(row[0]);
    ASSERT_NE(operation, operations.end()) << "unknown operation";
    operation->second(row);
  }
}

// Copies nothing but records the calls, and keeps out of `skipped`. It keeps
// `held` open for write from its own visit to the next call, as another
// user might while the copy looks at it.
class RecordingVisitor : public DictCopyVisitor {
 public:
  using DictCopyVisitor::DictCopyVisitor;
  ~RecordingVisitor() override { Release(); }
  std::vector<std::wstring> visited;
  PnDbObjectId skipped, held;

 protected:
  PnDbObjectId CopyObject(PnDbObjectId& newId, PnDbObjectId /*destination*/, PnDbObjectId sourceEntryId,
                          bool& descend) override {
    Release();
    std::wstring marker = ::Marker(sourceEntryId);
    visited.push_back(marker.empty() ? L"dict" : marker);
    if (sourceEntryId == skipped) descend = false;
    if (sourceEntryId == held) pndbOpenObject(m_held, held, PnDb::kForWrite);
    newId = PnDbObjectId();
    return newId;
  }

 private:
  void Release() {
    if (m_held != nullptr) m_held->close();
    m_held = nullptr;
  }
  PnDbObject* m_held = nullptr;
};

// A sub-dictionary the visitor keeps out of, or that cannot be opened when it
// is looked at, is not descended into.
TEST_F(CopyTest, VisitorOverridesDecideTheCopyAndWhereToDescend) {
  // Source "KOVT/S": a leaf and two sub-dictionaries with a leaf each.
  const PnDbObjectId source = Dict(Dict(Source()->namedObjectsDictionaryId(), L"KOVT"), L"S");
  Leaf(source, L"Top", L"source top");
  Leaf(Dict(source, L"Sub"), L"Inner", L"source inner");
  Leaf(Dict(source, L"Other"), L"O", L"source o");
  for (const bool held : {false, true}) {
    RecordingVisitor visitor(source, Drawing(), true);
    (held ? visitor.held : visitor.skipped) = Child(source, L"Sub");
    visitor.Run();
    // Dictionary order (names without regard to case); "Other" is entered, "Sub" is not.
    EXPECT_EQ(visitor.visited, (std::vector<std::wstring>{L"dict", L"dict", L"source top", L"source o"}));
  }
  ExpectAllClosed();
}

using DictionaryObjectCopy = CopyTest;

TEST_F(DictionaryObjectCopy, OpenFormsNeedOpenArgumentsAndWriteForTheCopy) {
  PnDbObjectId leaf = Leaf(Dict(Source()->namedObjectsDictionaryId(), L"S"), L"A", L"m");
  PnDbObjectId destinationId = Dict(Drawing()->namedObjectsDictionaryId(), L"S");
  PnDbObject* object = nullptr;
  ASSERT_EQ(pndbOpenObject(object, leaf, PnDb::kForRead), Plnx::eOk);
  PnDbDictionary* destination = nullptr;
  ASSERT_EQ(pndbOpenObject(destination, destinationId, PnDb::kForRead), Plnx::eOk);

  PnDbObject* clone = nullptr;
  KOVTString name = L"untouched";
  EXPECT_FALSE(CloneDictionaryObject(nullptr, destination, clone, name));
  EXPECT_FALSE(CloneDictionaryObject(object, nullptr, clone, name));
  EXPECT_EQ(name, KOVTString(L"untouched"));
  EXPECT_TRUE(CopyDictionaryObject(object, destination).isNull());
  EXPECT_EQ(destination->numEntries(), 0u);
  ASSERT_EQ(destination->upgradeOpen(), Plnx::eOk);
  EXPECT_FALSE(CopyDictionaryObject(object, destination).isNull());
  EXPECT_TRUE(destination->has(L"A"));
  destination->close();
  object->close();
  ExpectAllClosed();
}

// Dimension styles compare as the same when both are open, whatever their names.
TEST_F(DictionaryObjectCopy, OpenDimensionStylesCompare) {
  PnDbDimStyleTableRecord *a = nullptr, *b = nullptr;
  ASSERT_EQ(pndbOpenObject(a, AddDimStyle(Source(), L"Metric 1-50"), PnDb::kForRead), Plnx::eOk);
  ASSERT_EQ(pndbOpenObject(b, AddDimStyle(Drawing(), L"METRIC 1-50"), PnDb::kForRead), Plnx::eOk);
  EXPECT_TRUE(ComparePlnxDimStyles(false, a, b));
  EXPECT_FALSE(ComparePlnxDimStyles(false, a, nullptr));
  a->close();
  b->close();
  ExpectAllClosed();
}

}  // namespace
