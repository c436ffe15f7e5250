// Saving and opening drawings where the scenario scripts cannot reach: links planted
// beside a drawing, paths that are none, odd class names and running out of memory.
#include <gtest/gtest.h>
#include <unistd.h>

#include <new>

#include "tests/host/host_test_support.h"

namespace {

namespace fs = std::filesystem;

class DrawingFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    registerTestThing();
    addThing(db, L"First", L"erste", 7, 2.5);
  }
  std::wstring file(const wchar_t* name) const { return (dir.Path() / name).wstring(); }
  std::string why(const PnDbDatabase& database) const { return fs::path(database.lastFileError()).string(); }

  ScratchDir dir;
  PnDbDatabase db;
};

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

TEST_F(DrawingFiles, NoPathOrAFolderFailsClearly) {
  EXPECT_EQ(db.saveAs(L""), Plnx::eInvalidInput);
  EXPECT_EQ(db.saveAs(nullptr), Plnx::eInvalidInput);
  EXPECT_TRUE(db.fileName().empty());
  PnDbDatabase empty(false);
  EXPECT_EQ(empty.readDwgFile(nullptr), Plnx::eFileNotFound);
  EXPECT_EQ(empty.readDwgFile(dir.Path().wstring().c_str()), Plnx::eFileNotFound) << "a folder is no drawing";
  EXPECT_EQ(empty.numObjects(), 0u);
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
