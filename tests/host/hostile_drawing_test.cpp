// Damaged and hostile drawing files: a clear error, an empty database, no
// crash and no allocation out of proportion to the file.
#include <gtest/gtest.h>

#include "tests/host/allocation_probe.h"
#include "tests/host/host_test_support.h"

namespace {

namespace fs = std::filesystem;
using crafted::Entries;

class HostileDrawings : public ::testing::Test {
 protected:
  // Opens `image` and gives the status; a failed open must leave the database empty.
  Plnx::ErrorStatus open(const Bytes& image, PnDbDatabase& db) {
    fs::path path = dir.Path() / L"input.pndwg";
    writeFile(path, image);
    return open(path, db);
  }
  Plnx::ErrorStatus open(const fs::path& path, PnDbDatabase& db) {
    Plnx::ErrorStatus es;
    {
      AllocationProbe probe;
      es = db.readDwgFile(path.wstring().c_str());
      largest = probe.Largest();
    }
    if (es != Plnx::eOk) {
      EXPECT_EQ(db.numObjects(), 0u);
      EXPECT_FALSE(db.lastFileError().empty());
      EXPECT_NE(db.lastFileError().find(path.wstring()), std::wstring::npos);
    }
    return es;
  }
  // Opens a hand-made drawing of `objects` behind the minimal header.
  Plnx::ErrorStatus open(const std::vector<CraftedObject>& objects, PnDbDatabase& db) {
    return open(craftDrawing(crafted::header().bytes(), objects), db);
  }
  // Any of the above, into a database of its own.
  template <class File>
  Plnx::ErrorStatus open(const File& file) {
    PnDbDatabase db(false);
    return open(file, db);
  }
  std::string why(const PnDbDatabase& db) const { return fs::path(db.lastFileError()).string(); }

  Bytes saved() {
    registerTestThing();
    PnDbDatabase db;
    addRecord<PnDbDimStyleTable>(db, L"Dims");
    addThing(db, L"Thing", L"label", 1, 2.0, db.textstyle());
    fs::path path = dir.Path() / L"valid.pndwg";
    EXPECT_EQ(db.saveAs(path.wstring().c_str()), Plnx::eOk);
    return readFile(path);
  }

  ScratchDir dir;
  std::size_t largest = 0;
};

TEST_F(HostileDrawings, TheCraftedMinimalDrawingOpens) {
  PnDbDatabase db(false);
  ASSERT_EQ(open(crafted::minimalDrawing(), db), Plnx::eOk) << why(db);
  EXPECT_EQ(db.numObjects(), 4u);
  EXPECT_TRUE(db.continuousLinetype().isNull());
}

TEST_F(HostileDrawings, EveryTruncationIsRefused) {
  Bytes image = saved();
  for (std::size_t size = 0; size < image.size(); ++size) {
    Bytes cut(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size));
    ASSERT_NE(open(cut), Plnx::eOk) << "cut at " << size;
  }
}

TEST_F(HostileDrawings, EveryDamagedByteIsCaughtByTheChecksum) {
  Bytes image = saved();
  for (std::size_t at = 12; at < image.size(); ++at) {
    Bytes damaged = image;
    damaged[at] ^= 0x20;
    ASSERT_EQ(open(damaged), Plnx::eDwgCRCDoesNotMatch) << "byte " << at;
  }
}

TEST_F(HostileDrawings, OtherFilesAreNoDrawings) {
  EXPECT_EQ(open(Bytes{}), Plnx::eNotADrawingFile);
  std::string text = "PNDWG is what this is not, just some text that is long enough";
  EXPECT_EQ(open(Bytes(text.begin(), text.end())), Plnx::eNotADrawingFile);
  Bytes image = saved();
  image[0] = 'X';
  EXPECT_EQ(open(image), Plnx::eNotADrawingFile);

  // A gigabyte of zeros (sparse, so cheap to make) is refused before it is read.
  fs::path zeros = dir.Path() / L"zeros.pndwg";
  writeFile(zeros, {});
  fs::resize_file(zeros, std::uintmax_t(1) << 30);
  EXPECT_EQ(open(zeros), Plnx::eNotADrawingFile);
  EXPECT_LT(largest, 1u << 16);
}

TEST_F(HostileDrawings, ANewerFormatVersionIsNamedInTheError) {
  PnDbDatabase db(false);
  EXPECT_EQ(open(patched(saved(), 8, 2, 4), db), Plnx::eInvalidDwgVersion);
  EXPECT_NE(db.lastFileError().find(L"version 2"), std::wstring::npos) << why(db);
}

TEST_F(HostileDrawings, HugeCountsAndLengthsAreRefusedWithoutReserving) {
  const Bytes image = saved();
  const DrawingLayout layout = parseDrawing(image);
  struct Case {
    std::size_t at;
    std::uint64_t value;
    int bytes;
    Plnx::ErrorStatus expected;
  };
  const Case cases[] = {
      {layout.countAt, 0xFFFFFFFF, 4, Plnx::eDwgObjectImproperlyRead},
      {12, 0xFFFFFFF0, 4, Plnx::eEndOfFile},  // the header's length
      {layout.records[1].dataAt - 4, 0xFFFFFFF0, 4, Plnx::eDwgObjectImproperlyRead},
      {layout.records[1].at + 8, 0xFFFF, 2, Plnx::eDwgObjectImproperlyRead},  // a class name's length
  };
  for (const Case& c : cases) {
    EXPECT_EQ(open(patched(image, c.at, c.value, c.bytes)), c.expected) << "at " << c.at;
    EXPECT_LT(largest, 1u << 16);
  }
}

TEST_F(HostileDrawings, HugeCountsInsideObjectsEndAtTheirData) {
  Items lots;
  lots.softPointer(crafted::kNamedObjects).int16(PnDb::kDrcIgnore).uint32(0xFFFFFFFF);
  std::vector<CraftedObject> objects = crafted::minimalDrawing({{u"Lots", 10}});
  objects.push_back({10, L"PnDbDictionary", lots.bytes()});
  EXPECT_EQ(open(objects), Plnx::eDwgObjectImproperlyRead);

  Items table;
  table.softPointer(0).uint32(0xFFFFFFFF).hardOwnership(0);
  objects = crafted::minimalDrawing();
  objects[1].data = table.bytes();
  EXPECT_EQ(open(objects), Plnx::eDwgObjectImproperlyRead);

  Items dashes;
  dashes.softPointer(crafted::kLinetypes).string(u"Dashed").string(u"").uint16(0xFFFF).real(1.0);
  objects = crafted::minimalDrawing();
  objects.push_back({10, L"PnDbLinetypeTableRecord", dashes.bytes()});
  EXPECT_EQ(open(objects), Plnx::eDwgObjectImproperlyRead);
  EXPECT_LT(largest, 1u << 16);
}

TEST_F(HostileDrawings, HugeStringLengthsAreRefusedWithoutAllocating) {
  Items entry;
  entry.softPointer(0).int16(PnDb::kDrcIgnore).uint32(1).stringClaiming(0x7FFFFFFF);
  std::vector<CraftedObject> objects = crafted::minimalDrawing();
  objects[0].data = entry.bytes();
  PnDbDatabase db(false);
  EXPECT_EQ(open(objects, db), Plnx::eDwgObjectImproperlyRead);
  EXPECT_NE(db.lastFileError().find(L"PnDbDictionary"), std::wstring::npos) << why(db);
  EXPECT_LT(largest, 1u << 16);
}

TEST_F(HostileDrawings, RepeatedAndNullHandlesAreRefused) {
  for (std::uint64_t handle : {crafted::kLinetypes, std::uint64_t(0)}) {
    std::vector<CraftedObject> objects = crafted::minimalDrawing();
    objects.push_back(crafted::dictionary(handle, 0, {}));
    EXPECT_EQ(open(objects), Plnx::eHandleExists) << handle;
  }
}

TEST_F(HostileDrawings, MissingOrMistypedRootsAreRefused) {
  std::vector<CraftedObject> objects = crafted::minimalDrawing();
  objects.erase(objects.begin() + 2);
  EXPECT_EQ(open(objects), Plnx::eDwgObjectImproperlyRead);
  objects = crafted::minimalDrawing();
  std::swap(objects[1].className, objects[2].className);
  EXPECT_EQ(open(objects), Plnx::eDwgObjectImproperlyRead);
  Items badSettings;
  badSettings.uint64(100).softPointer(1).softPointer(2).softPointer(3).softPointer(4);
  badSettings.softPointer(0).softPointer(0).softPointer(0).int16(PnDb::kMetric).int16(9).int16(4);
  EXPECT_EQ(open(craftDrawing(badSettings.bytes(), crafted::minimalDrawing())), Plnx::eDwgObjectImproperlyRead);
}

TEST_F(HostileDrawings, DataAfterTheLastObjectIsRefused) {
  Bytes image = craftDrawing(crafted::header().bytes(), crafted::minimalDrawing());
  image.insert(image.end() - 4, {1, 2, 3});
  reseal(image);
  EXPECT_EQ(open(image), Plnx::eDwgObjectImproperlyRead);
}

TEST_F(HostileDrawings, AnUnknownClassWithoutTheObjectPrefixIsDamage) {
  std::vector<CraftedObject> objects = crafted::minimalDrawing({{u"Odd", 10}});
  objects.push_back({10, L"PnNeverRegistered", Items().int32(5).bytes()});
  EXPECT_EQ(open(objects), Plnx::eDwgObjectImproperlyRead);
  objects.back().data = Items().softPointer(crafted::kNamedObjects).int32(5).bytes();
  EXPECT_EQ(open(objects), Plnx::eOk);
}

TEST_F(HostileDrawings, OwnershipCyclesOpenEraseAndSave) {
  // 10 owns 11 owns 10, and 12 owns itself.
  std::vector<CraftedObject> objects = crafted::minimalDrawing({{u"Loop", 10}, {u"Self", 12}});
  objects.push_back(crafted::dictionary(10, crafted::kNamedObjects, {{u"Down", 11}}));
  objects.push_back(crafted::dictionary(11, 10, {{u"Up", 10}, {u"Root", crafted::kNamedObjects}}));
  objects.push_back(crafted::dictionary(12, 12, {{u"Me", 12}}));
  PnDbDatabase db(false);
  ASSERT_EQ(open(objects, db), Plnx::eOk) << why(db);

  for (const wchar_t* key : {L"Loop", L"Self"}) EXPECT_EQ(eraseObject(namedEntry(db, key)), Plnx::eOk);
  EXPECT_FALSE(db.namedObjectsDictionaryId().isErased()) << "a loop back to the root must not erase it";
  auto reread = reopened(db, dir.Path() / L"cycles.pndwg");
  ASSERT_TRUE(reread) << why(db);
  EXPECT_EQ(reread->numObjects(), 4u);
}

TEST_F(HostileDrawings, DeepNestingOpensErasesAndSaves) {
  constexpr std::uint64_t kDepth = 20000, kFirst = 10;
  std::vector<CraftedObject> objects = crafted::minimalDrawing({{u"Deep", kFirst}});
  for (std::uint64_t h = kFirst; h < kFirst + kDepth; ++h) {
    Entries next;
    if (h + 1 < kFirst + kDepth) next.push_back({u"Next", h + 1});
    objects.push_back(crafted::dictionary(h, h == kFirst ? crafted::kNamedObjects : h - 1, next));
  }
  PnDbDatabase db(false);
  ASSERT_EQ(open(objects, db), Plnx::eOk) << why(db);
  fs::path path = dir.Path() / L"deep.pndwg";
  ASSERT_EQ(db.saveAs(path.wstring().c_str()), Plnx::eOk);

  ASSERT_EQ(eraseObject(namedEntry(db, L"Deep")), Plnx::eOk);
  PnDbObjectId deepest;
  ASSERT_EQ(db.getPnDbObjectId(deepest, false, PnDbHandle(kFirst + kDepth - 1)), Plnx::eOk);
  EXPECT_TRUE(deepest.isErased());
}

TEST_F(HostileDrawings, AHandleSeedAtTheEndOfTheRangeStillGivesUniqueHandles) {
  std::vector<CraftedObject> objects = crafted::minimalDrawing();
  objects.push_back(crafted::dictionary(~std::uint64_t(0), 0, {}));
  PnDbDatabase db(false);
  ASSERT_EQ(open(craftDrawing(crafted::header(~std::uint64_t(0)).bytes(), objects), db), Plnx::eOk) << why(db);
  registerTestThing();
  PnDbObjectId a = addThing(db, L"A", L"", 0, 0), b = addThing(db, L"B", L"", 0, 0);
  EXPECT_NE(a.handle(), b.handle());
  EXPECT_FALSE(a.handle().isNull());
  EXPECT_FALSE(b.handle().isNull());
  EXPECT_NE(a.handle().value(), ~std::uint64_t(0));
  EXPECT_TRUE(reopened(db, dir.Path() / L"seed.pndwg")) << why(db);
}

TEST_F(HostileDrawings, ReferencesToMissingObjectsBecomeNull) {
  Items thing;
  thing.softPointer(0x999).string(u"label").int32(1).real(1.0).hardPointer(0x998);
  std::vector<CraftedObject> objects = crafted::minimalDrawing({{u"Thing", 10}, {u"Ghost", 0x997}});
  objects.push_back({10, TestThing::kClassName, thing.bytes()});
  registerTestThing();
  PnDbDatabase db(false);
  ASSERT_EQ(open(objects, db), Plnx::eOk) << why(db);
  EXPECT_TRUE(namedEntry(db, L"Ghost").isNull());
  PnDbObjectId id = namedEntry(db, L"Thing");
  ThingFields fields = thingFields(id);
  ASSERT_TRUE(fields.found);
  EXPECT_TRUE(fields.target.isNull());
}

}  // namespace
