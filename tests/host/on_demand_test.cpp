// Drawings read on demand: what they answer, save and refuse is what reading
// them whole gives, but for damage in objects nothing needed; the objects
// nothing needs are never read.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>

#include "tests/host/host_test_support.h"
#include "tests/support/golden_rows.h"

namespace {

namespace fs = std::filesystem;
using crafted::kNamedObjects;

CraftedObject thing(std::uint64_t handle, std::uint64_t owner, const Items& rest) {
  Items items;
  items.softPointer(owner);
  Bytes data = items.bytes();
  data.insert(data.end(), rest.bytes().begin(), rest.bytes().end());
  return {handle, TestThing::kClassName, data};
}

Items thingFields(std::uint64_t target) { return Items().string(u"label").int32(1).real(2.0).hardPointer(target); }

// The drawings of the cases: hand-made, so each may hold what no save writes.
Bytes drawingNamed(const std::string& name) {
  std::vector<CraftedObject> objects = crafted::minimalDrawing({{u"First", 10}, {u"Second", 11}, {u"Box", 12}});
  objects.push_back(thing(10, kNamedObjects, thingFields(11)));
  Items second = thingFields(0);
  if (name == "dangling") second = thingFields(0x999);
  if (name == "refused") second = Items().int32(5).real(2.0).hardPointer(10);
  if (name == "broken") second = Items().string(u"label").int32(1).real(2.0).stringClaiming(100);
  objects.push_back(thing(11, kNamedObjects, second));
  if (name == "stranger") objects.back().className = L"PnNeverRegistered";
  if (name == "ownerless") objects.back().data = thingFields(0).bytes();
  objects.push_back(crafted::dictionary(12, kNamedObjects, {{u"Inner", 13}}));
  objects.push_back(thing(13, 12, thingFields(10)));
  return craftDrawing(crafted::header().bytes(), objects);
}

PnDbObjectId objectAt(PnDbDatabase& db, std::uint64_t handle) {
  PnDbObjectId id;
  db.getPnDbObjectId(id, false, PnDbHandle(handle));
  return id;
}

// What the cases do to an open drawing; the answer goes into the outcome.
const std::map<std::string, std::function<std::string(PnDbDatabase&)>>& operations() {
  static const std::map<std::string, std::function<std::string(PnDbDatabase&)>> table{
      {"none", [](PnDbDatabase&) { return std::string(); }},
      {"open",
       [](PnDbDatabase& db) {
         PnDbObject* object = nullptr;
         const Plnx::ErrorStatus es = pndbOpenObject(object, objectAt(db, 11), PnDb::kForRead);
         if (object != nullptr) object->close();
         return std::to_string(es);
       }},
      {"erase", [](PnDbDatabase& db) { return std::to_string(pndbEraseObject(objectAt(db, 11))); }},
      {"erase-box", [](PnDbDatabase& db) { return std::to_string(pndbEraseObject(objectAt(db, 12))); }},
      {"remove",
       [](PnDbDatabase& db) {
         PnDbDictionary* named = nullptr;
         if (db.getNamedObjectsDictionary(named, PnDb::kForWrite) != Plnx::eOk) return std::string("no dictionary");
         const Plnx::ErrorStatus es = named->remove(objectAt(db, 11));
         named->close();
         return std::to_string(es);
       }},
      {"references",
       [](PnDbDatabase& db) {
         const PnDbObjectIdArray ids{objectAt(db, 10), objectAt(db, 11), objectAt(db, 13)};
         std::uint32_t counts[3] = {};
         db.countHardReferences(ids, counts);
         return std::to_string(counts[0]) + " " + std::to_string(counts[1]) + " " + std::to_string(counts[2]);
       }},
      {"replace",
       [](PnDbDatabase& db) {
         PnDbDictionary* named = nullptr;
         if (db.getNamedObjectsDictionary(named, PnDb::kForWrite) != Plnx::eOk) return std::string("no dictionary");
         auto* replacement = new TestThing;
         PnDbObjectId id;
         const Plnx::ErrorStatus es = named->setAt(L"Second", replacement, id);
         if (es == Plnx::eOk) replacement->close();
         else delete replacement;
         named->close();
         return std::to_string(es);
       }},
  };
  return table;
}

struct Outcome {
  Plnx::ErrorStatus opened = Plnx::eOk, saved = Plnx::eOk;
  std::string answer;
  std::wstring error;  // of the open or the save that failed
  Bytes file;          // as saved
  int thingsRead = 0;
};

class OnDemand : public ::testing::Test {
 protected:
  void SetUp() override { registerTestThing(); }

  Outcome run(const Bytes& image, const std::string& operation, bool onDemand) {
    const fs::path input = dir.Path() / L"input.pndwg", output = dir.Path() / L"output.pndwg";
    writeFile(input, image);
    Outcome outcome;
    PnDbDatabase db(false);
    TestThing::reads = 0;
    outcome.opened = db.readDwgFile(input.wstring().c_str(), onDemand);
    outcome.thingsRead = TestThing::reads;
    if (outcome.opened != Plnx::eOk) {
      outcome.error = db.lastFileError();
      return outcome;
    }
    outcome.answer = operations().at(operation)(db);
    outcome.thingsRead = TestThing::reads;
    outcome.saved = db.saveAs(output.wstring().c_str());
    if (outcome.saved == Plnx::eOk) outcome.file = readFile(output);
    else outcome.error = db.lastFileError();
    return outcome;
  }

  ScratchDir dir;
};

TEST_F(OnDemand, AnswersSavesAndRefusesAsReadingWhole) {
  for (const GoldenRow& row : ReadGoldenRows("host/data/on_demand_cases.txt", 4)) {
    const std::string drawing = fs::path(row[0]).string(), operation = fs::path(row[1]).string();
    const std::string kind = fs::path(row[3]).string();
    SCOPED_TRACE(drawing + " / " + operation);
    const Bytes image = drawingNamed(drawing);
    const Outcome whole = run(image, operation, false), onDemand = run(image, operation, true);
    EXPECT_EQ(onDemand.thingsRead, std::stoi(row[2]));
    if (kind == "same") {
      EXPECT_EQ(onDemand.opened, whole.opened);
      EXPECT_EQ(onDemand.error, whole.error);
      EXPECT_EQ(onDemand.answer, whole.answer);
      EXPECT_EQ(onDemand.saved, whole.saved);
      EXPECT_TRUE(onDemand.file == whole.file) << "the saved files differ";
    } else {
      ASSERT_EQ(onDemand.opened, Plnx::eOk) << fs::path(onDemand.error).string();
      ASSERT_NE(whole.opened, Plnx::eOk);
      EXPECT_NE(whole.error.find(L"object B (PnTestThing)"), std::wstring::npos) << fs::path(whole.error).string();
      if (kind == "carried") {
        ASSERT_EQ(onDemand.saved, Plnx::eOk) << fs::path(onDemand.error).string();
        // The damaged object's items after its owner, which a removal changes.
        const DrawingLayout layout = parseDrawing(image);
        const Bytes damaged(image.begin() + static_cast<std::ptrdiff_t>(layout.records[5].dataAt + 9),
                            image.begin() + static_cast<std::ptrdiff_t>(layout.records[6].at));
        EXPECT_NE(std::search(onDemand.file.begin(), onDemand.file.end(), damaged.begin(), damaged.end()) ==
                      onDemand.file.end(),
                  operation != "erase")
            << "the damaged object is written back unless erased";
      } else {
        ASSERT_EQ(kind, "late");
        EXPECT_NE(onDemand.saved, Plnx::eOk);
        EXPECT_EQ(onDemand.error, whole.error);
      }
    }
  }
}

// A save cut short, within the bytes of objects still filed or not, leaves
// the file as it was; whole, it writes what reading the file whole would.
TEST_F(OnDemand, ACutSaveLeavesTheFileAsItWas) {
  const fs::path file = dir.Path() / L"kept.pndwg";
  const Bytes image = drawingNamed("plain");
  writeFile(file, image);
  PnDbDatabase db(false);
  ASSERT_EQ(db.readDwgFile(file.wstring().c_str(), true), Plnx::eOk);
  for (std::size_t cut : {std::size_t(0), image.size() / 3, image.size() / 2, image.size() - 1}) {
    pndbFailNextSaveAfter(cut);
    EXPECT_EQ(db.saveAs(file.wstring().c_str()), Plnx::eFileAccessErr) << cut;
    EXPECT_TRUE(readFile(file) == image) << cut;
    EXPECT_EQ(filesIn(dir.Path()), std::vector<fs::path>{L"kept.pndwg"});
  }
  ASSERT_EQ(db.saveAs(file.wstring().c_str()), Plnx::eOk) << fs::path(db.lastFileError()).string();
  EXPECT_TRUE(readFile(file) == run(image, "none", false).file);
}

}  // namespace
