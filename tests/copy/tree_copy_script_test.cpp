// Dictionary trees copied between a source drawing and the working drawing,
// driven by the scenarios of data/tree_copies.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "copy/dict_copy_visitor.h"
#include "copy/dict_tree_copy.h"
#include "copy/kovr_dict_copy.h"
#include "dictionaries/app_dictionary_classes.h"
#include "platform/wide_string.h"
#include "tests/copy/copy_fixture.h"
#include "tests/support/golden_rows.h"

using namespace KovtCopyUtil;

namespace {

PnRxObject* NewKeeperDictionary() { return new PnDbDictionary; }

class TreeCopyScript : public CopyTest {
 protected:
  void TearDown() override {
    ExpectAllClosed();
    for (PnRxClass* cls : m_keeperClasses) deletePnRxClass(cls);
    m_keeperClasses.clear();
    CopyTest::TearDown();
  }
  // The next scenario starts on two fresh drawings.
  void EndScenario() {
    TearDown();
    CopyTest::SetUp();
  }

  PnDbDatabase* Database(const std::wstring& name) {
    if (name == L"src") return Source();
    if (name == L"dst") return Drawing();
    EXPECT_EQ(name, L"none");
    return nullptr;
  }

  // "src:" or "dst:" and a path below its named-objects dictionary; "-" for the null id.
  PnDbObjectId Id(const std::wstring& ref) {
    if (ref == L"-") return {};
    const std::size_t colon = ref.find(L':');
    PnDbDatabase* database = Database(ref.substr(0, colon));
    const std::wstring path = ref.substr(colon + 1);
    return path.empty() ? database->namedObjectsDictionaryId() : At(database, path);
  }

  // Makes the dictionaries along `ref`, the last as `cls` and the rest plain;
  // answers the parent of the last name, which is left in `name`.
  PnDbObjectId MakeParents(const std::wstring& ref, std::wstring& name) {
    const std::size_t colon = ref.find(L':');
    PnDbObjectId parent = Database(ref.substr(0, colon))->namedObjectsDictionaryId();
    std::size_t start = colon + 1;
    for (std::size_t slash; (slash = ref.find(L'/', start)) != std::wstring::npos; start = slash + 1)
      parent = Dict(parent, ref.substr(start, slash - start).c_str());
    name = ref.substr(start);
    return parent;
  }

  void Build(const GoldenRow& row) {
    static const std::map<std::wstring, const PnRxClass* (*)()> classes = {
        {L"-", [] { return static_cast<const PnRxClass*>(nullptr); }},
        {L"main", [] { return static_cast<const PnRxClass*>(KOVTMainRootDictionary::desc()); }},
        {L"app", [] { return static_cast<const PnRxClass*>(KOVTAppDictionary::desc()); }},
        {L"style", [] { return static_cast<const PnRxClass*>(KOVTStyleDictionary::desc()); }}};
    std::wstring name;
    const PnDbObjectId parent = MakeParents(row[1], name);
    if (row[0] == L"dict") Dict(parent, name.c_str(), classes.at(row[2])());
    else Leaf(parent, name.c_str(), row[2].c_str());
  }

  // A copy by name into the working drawing, or "nowhere" into no drawing.
  void CopyObject(const GoldenRow& row) {
    PnDbDatabase* destination = row[2] == L"nowhere" ? nullptr : Drawing();
    if (row[0] == L"copy") {
      const PnDbObjectId copy = CopyDictionaryObject(Id(row[1]), destination);
      EXPECT_EQ(copy, Id(row[3]));
      return;
    }
    PnDbObject* clone = nullptr;
    KOVTString name;
    const bool cloned = CloneDictionaryObject(Id(row[1]), destination, clone, name);
    EXPECT_EQ(cloned ? name.str() : L"refused", row[3]);
    if (clone != nullptr) {
      EXPECT_FALSE(clone->isDatabaseResident());
    }
    delete clone;
  }

  void Act(const GoldenRow& row) {
    if (row[0] == L"visit") {
      DictCopyVisitor(Id(row[1]), row[2] == L"nowhere" ? nullptr : Drawing(), row[2] != L"flat").Run();
    } else if (row[0] == L"merge") {
      CopySimpleDictionaryTree(Id(row[1]), Id(row[2]));
    } else if (row[0] == L"kovr") {
      const bool detach = row[2] == L"detached";
      if (detach) pndbHostApplicationServices()->setWorkingDatabase(nullptr);
      const bool copied = CopyKovrDictFromTo(Database(row[1]), detach ? nullptr : Database(row[2]));
      pndbHostApplicationServices()->setWorkingDatabase(Drawing());
      EXPECT_EQ(copied, row[3] == L"true");
    } else if (row[0] == L"corresponding") {
      PnDbDatabase* destination = row[2] == L"nowhere" ? nullptr : Drawing();
      const PnDbObjectId found =
          GetCorrespondingDictionaryIdInDestDatabase(Id(row[1]), destination, row[2] != L"find");
      EXPECT_EQ(found, Id(row[3]));
    } else {
      CopyObject(row);
    }
  }

  void Check(const GoldenRow& row) {
    const PnDbObjectId id = Id(row[1]);
    if (row[0] == L"marker") EXPECT_EQ(WideToUtf8(Marker(id)), WideToUtf8(row[3]));
    else if (row[0] == L"absent") EXPECT_TRUE(id.isNull());
    else if (row[0] == L"entries") EXPECT_EQ(NumEntries(id), std::stoul(row[3]));
    else EXPECT_EQ(WideToUtf8(ClassNameOf(id)), WideToUtf8(row[3]));
  }

  std::vector<PnRxClass*> m_keeperClasses;
};

TEST_F(TreeCopyScript, EveryScenarioEndsAsListed) {
  const std::vector<std::wstring> builds = {L"dict", L"leaf"};
  const std::vector<std::wstring> acts = {L"visit", L"merge", L"kovr", L"corresponding", L"copy", L"clone"};
  const std::vector<std::wstring> checks = {L"marker", L"absent", L"entries", L"class"};
  auto has = [](const std::vector<std::wstring>& ops, const std::wstring& op) {
    return std::find(ops.begin(), ops.end(), op) != ops.end();
  };
  std::wstring scenario;
  std::size_t objects = 0;
  for (const GoldenRow& row : ReadGoldenRows("copy/data/tree_copies.txt", 4)) {
    SCOPED_TRACE(WideToUtf8(scenario + L": " + row[0] + L" " + row[1] + L" " + row[2] + L" " + row[3]));
    if (row[0] == L"scenario") {
      if (!scenario.empty()) EndScenario();
      scenario = row[1];
    } else if (row[0] == L"keeper-classes") {
      for (const wchar_t* name : {L"KoVSCrSecDictionary", L"KoVSMaterialDictionary"})
        m_keeperClasses.push_back(newPnRxClass(name, L"PnDbDictionary", 0, 0, 0, NewKeeperDictionary));
    } else if (row[0] == L"count") {
      objects = Drawing()->numObjects();
    } else if (row[0] == L"unchanged") {
      EXPECT_EQ(Drawing()->numObjects(), objects);
    } else if (has(builds, row[0])) {
      Build(row);
    } else if (has(acts, row[0])) {
      Act(row);
    } else {
      ASSERT_TRUE(has(checks, row[0])) << "unknown operation";
      Check(row);
    }
  }
}

}  // namespace
