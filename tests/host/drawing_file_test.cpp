// Saving and opening drawings: proxies, atomic saves and refused paths.
#include <gtest/gtest.h>
#include <unistd.h>

#include <new>

#include "tests/host/host_test_support.h"

namespace {

namespace fs = std::filesystem;

// A drawing with things, one of which references a style.
class DrawingFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    registerTestThing();
    notes = pndbAddNamedRecord<PnDbTextStyleTable>(db, L"Notes");
    first = addThing(db, L"First", L"erste \U0001F600", 7, 2.5, notes);
    addThing(db, L"Second", L"zweite", -3, -0.125, first);
  }
  void TearDown() override { registerTestThing(); }
  std::wstring file(const wchar_t* name) const { return (dir.Path() / name).wstring(); }
  std::string why(const PnDbDatabase& database) const { return fs::path(database.lastFileError()).string(); }

  ScratchDir dir;
  PnDbDatabase db;
  PnDbObjectId notes, first;
};

TEST_F(DrawingFiles, AnUnregisteredClassIsKeptAsAProxyAndWrittenBackUnchanged) {
  ASSERT_EQ(db.saveAs(file(L"with-things.pndwg").c_str()), Plnx::eOk);
  unregisterTestThing();
  PnDbDatabase opened(false);
  ASSERT_EQ(opened.readDwgFile(file(L"with-things.pndwg").c_str()), Plnx::eOk);
  PnDbProxyObject* proxy = nullptr;
  ASSERT_EQ(pndbOpenObject(proxy, namedEntry(opened, L"First"), PnDb::kForWrite), Plnx::eOk);
  EXPECT_EQ(proxy->originalClassName(), TestThing::kClassName);
  EXPECT_EQ(proxy->ownerId(), opened.namedObjectsDictionaryId());
  proxy->close();
  ASSERT_EQ(opened.saveAs(file(L"resaved.pndwg").c_str()), Plnx::eOk);
  EXPECT_EQ(readFile(file(L"resaved.pndwg")), readFile(file(L"with-things.pndwg"))) << "byte for byte";

  // A proxy clones and erases like any object.
  ASSERT_EQ(pndbOpenObject(proxy, namedEntry(opened, L"First"), PnDb::kForWrite), Plnx::eOk);
  std::unique_ptr<PnDbObject> copy(proxy->clone());
  ASSERT_NE(PnDbProxyObject::cast(copy.get()), nullptr);
  EXPECT_EQ(PnDbProxyObject::cast(copy.get())->originalData(), proxy->originalData());
  EXPECT_EQ(proxy->erase(), Plnx::eOk);
  proxy->close();
  auto erased = reopened(opened, file(L"erased.pndwg"));
  ASSERT_TRUE(erased);
  EXPECT_EQ(erased->numObjects(), opened.numObjects() - 1);

  // With the class back, the proxies' data reads as the objects they stand for.
  registerTestThing();
  PnDbDatabase restored(false);
  ASSERT_EQ(restored.readDwgFile(file(L"resaved.pndwg").c_str()), Plnx::eOk);
  ThingFields one = thingFields(namedEntry(restored, L"First"));
  EXPECT_EQ(one.count, 7);
  EXPECT_EQ(recordName(one.target), L"Notes");
}

TEST_F(DrawingFiles, AFailedSaveLeavesThePreviousFileAndNoTemporary) {
  const std::wstring target = file(L"atomic.pndwg");
  ASSERT_EQ(db.saveAs(target.c_str()), Plnx::eOk);
  Bytes before = readFile(target);
  addThing(db, L"Third", L"more", 3, 3.0);
  for (std::size_t cut : {std::size_t(0), std::size_t(10), before.size() / 2}) {
    pndbFailNextSaveAfter(cut);
    EXPECT_EQ(db.saveAs(target.c_str()), Plnx::eFileAccessErr);
    EXPECT_NE(db.lastFileError().find(target), std::wstring::npos) << why(db);
    EXPECT_EQ(readFile(target), before);
    EXPECT_EQ(filesIn(dir.Path()), std::vector<fs::path>{L"atomic.pndwg"});
  }
  // The fault hits one save only.
  ASSERT_EQ(db.saveAs(target.c_str()), Plnx::eOk);
  EXPECT_TRUE(db.lastFileError().empty());
  EXPECT_GT(readFile(target).size(), before.size());
  EXPECT_EQ(filesIn(dir.Path()), std::vector<fs::path>{L"atomic.pndwg"});
}

TEST_F(DrawingFiles, ASaveWritesNothingThroughLinksPlantedBesideTheDrawing) {
  const std::wstring target = file(L"shared.pndwg");
  writeFile(file(L"victim"), Bytes{'m', 'i', 'n', 'e'});
  // Under the names a save's temporary used to take, predictable from the process id.
  for (const wchar_t* suffix : {L".saving-", L".writing-"})
    fs::create_symlink(L"victim", fs::path(target + suffix + std::to_wstring(::getpid())));
  for (int save = 0; save < 2; ++save) ASSERT_EQ(db.saveAs(target.c_str()), Plnx::eOk) << why(db);
  EXPECT_EQ(readFile(file(L"victim")), (Bytes{'m', 'i', 'n', 'e'}));
  EXPECT_EQ(filesIn(dir.Path()).size(), 4u);
}

TEST_F(DrawingFiles, MissingOrUnusablePathsFailClearly) {
  PnDbDatabase fresh;
  EXPECT_EQ(fresh.saveAs((dir.Path() / L"missing-folder" / L"x.pndwg").wstring().c_str()), Plnx::eFileAccessErr);
  EXPECT_NE(fresh.lastFileError().find(L"missing-folder"), std::wstring::npos);
  EXPECT_EQ(fresh.saveAs(L""), Plnx::eInvalidInput);
  EXPECT_EQ(fresh.saveAs(nullptr), Plnx::eInvalidInput);
  EXPECT_TRUE(fresh.fileName().empty());
  // Reading needs an empty database and an existing file.
  EXPECT_EQ(db.readDwgFile(file(L"any.pndwg").c_str()), Plnx::eInvalidInput);
  PnDbDatabase empty(false);
  EXPECT_EQ(empty.readDwgFile(file(L"missing.pndwg").c_str()), Plnx::eFileNotFound);
  EXPECT_NE(empty.lastFileError().find(L"missing.pndwg"), std::wstring::npos);
  EXPECT_EQ(empty.readDwgFile(nullptr), Plnx::eFileNotFound);
  EXPECT_EQ(empty.readDwgFile(dir.Path().wstring().c_str()), Plnx::eFileNotFound) << "a folder is no drawing";
  EXPECT_EQ(empty.numObjects(), 0u);
}

TEST_F(DrawingFiles, AnObjectThatCannotBeWrittenStopsTheSaveBeforeTheDisk) {
  const std::wstring target = file(L"unwritable.pndwg");
  ASSERT_EQ(db.saveAs(target.c_str()), Plnx::eOk);
  Bytes before = readFile(target);
  // A class gone while its objects live leaves them without a name to file under.
  unregisterTestThing();
  EXPECT_NE(db.saveAs(target.c_str()), Plnx::eOk);
  EXPECT_NE(db.lastFileError().find(first.handle().toString()), std::wstring::npos);
  EXPECT_EQ(readFile(target), before);
}

// Records this build does not fully understand are saved again byte for byte.
TEST(Proxies, RecordsReadOnlyInPartComeBackUnchanged) {
  registerTestThing();
  Items thing;
  thing.softPointer(crafted::kNamedObjects).string(u"label").int32(1).real(1.0).hardPointer(0);
  const Bytes owned = Items().softPointer(crafted::kNamedObjects).int32(5).bytes();
  struct Case {
    const char* what;
    std::wstring className;
    Bytes data;
    bool answerProxy;  // the class answers as one whose data is too new
  } cases[] = {
      {"a known class with data after its fields", TestThing::kClassName, Items(thing).int32(99).bytes(), false},
      {"a known class asking to be a proxy", TestThing::kClassName, thing.bytes(), true},
      {"a class name ending in a lone high surrogate", std::wstring(L"PnGone") + wchar_t(0xD800), owned, false},
      {"a class name starting with a lone low surrogate", wchar_t(0xDC00) + std::wstring(L"PnGone"), owned, false},
  };
  ScratchDir dir;
  const fs::path in = dir.Path() / L"in.pndwg", out = dir.Path() / L"out.pndwg";
  for (const Case& c : cases) {
    std::vector<CraftedObject> objects = crafted::minimalDrawing({{u"Kept", 10}});
    objects.push_back({10, c.className, c.data});
    const Bytes original = craftDrawing(crafted::header().bytes(), objects);
    writeFile(in, original);
    PnDbDatabase db(false);
    TestThing::answerProxy = c.answerProxy;
    ASSERT_EQ(db.readDwgFile(in.wstring().c_str()), Plnx::eOk) << c.what;
    TestThing::answerProxy = false;
    PnDbProxyObject* proxy = nullptr;
    ASSERT_EQ(pndbOpenObject(proxy, namedEntry(db, L"Kept"), PnDb::kForRead), Plnx::eOk) << c.what;
    EXPECT_EQ(proxy->originalData(), c.data) << c.what;
    proxy->close();
    ASSERT_EQ(db.saveAs(out.wstring().c_str()), Plnx::eOk) << c.what;
    EXPECT_EQ(readFile(out), original) << c.what;
  }
}

class StarvedThing : public TestThing {
 public:
  Plnx::ErrorStatus dwgInFields(PnDbDwgFiler*) override { throw std::bad_alloc(); }
};

// Running out of memory is no damage in the file, and no reason to keep an object as a proxy.
TEST(Proxies, NoMemoryFailsTheReadInsteadOfMakingAProxyOrReportingDamage) {
  const PnRxPseudoConstructor constructors[] = {
      [] { return static_cast<PnRxObject*>(nullptr); },  // how a pseudo-constructor reports no memory
      [] { return static_cast<PnRxObject*>(new StarvedThing); },
  };
  ScratchDir dir;
  const fs::path path = dir.Path() / L"in.pndwg";
  std::vector<CraftedObject> objects = crafted::minimalDrawing({{u"Starved", 10}});
  objects.push_back({10, L"PnTestStarved", Items().softPointer(crafted::kNamedObjects).bytes()});
  writeFile(path, craftDrawing(crafted::header().bytes(), objects));
  for (PnRxPseudoConstructor constructor : constructors) {
    PnRxClass* cls = newPnRxClass(L"PnTestStarved", L"PnDbObject", 0, 0, 0, constructor);
    PnDbDatabase db(false);
    EXPECT_THROW(db.readDwgFile(path.wstring().c_str()), std::bad_alloc);
    EXPECT_EQ(db.numObjects(), 0u);
    deletePnRxClass(cls);
  }
}

}  // namespace
