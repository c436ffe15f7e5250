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
  // Opens the file and gives the status; a failed open must leave the database empty and name the file.
  Plnx::ErrorStatus open(const fs::path& path, PnDbDatabase& db) {
    Plnx::ErrorStatus es;
    {
      AllocationProbe probe;
      es = db.readDwgFile(path.wstring().c_str());
      largest = probe.Largest();
    }
    if (es != Plnx::eOk) {
      EXPECT_EQ(db.numObjects(), 0u);
      EXPECT_NE(db.lastFileError().find(path.wstring()), std::wstring::npos) << why(db);
    }
    return es;
  }
  Plnx::ErrorStatus open(const Bytes& image, PnDbDatabase& db) {
    writeFile(dir.Path() / L"input.pndwg", image);
    return open(dir.Path() / L"input.pndwg", db);
  }
  // A hand-made drawing of `objects` behind the minimal header.
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
    pndbAddNamedRecord<PnDbDimStyleTable>(db, L"Dims");
    addThing(db, L"Thing", L"label", 1, 2.0, db.textstyle());
    EXPECT_EQ(db.saveAs((dir.Path() / L"valid.pndwg").wstring().c_str()), Plnx::eOk);
    return readFile(dir.Path() / L"valid.pndwg");
  }

  ScratchDir dir;
  std::size_t largest = 0;  // by the last open
};

TEST_F(HostileDrawings, EveryTruncationIsRefusedAndEveryDamagedByteCaughtByTheChecksum) {
  const Bytes image = saved();
  for (std::size_t size = 0; size < image.size(); ++size)
    ASSERT_NE(open(Bytes(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size))), Plnx::eOk) << size;
  for (std::size_t at = 12; at < image.size(); ++at) {
    Bytes damaged = image;
    damaged[at] ^= 0x20;
    ASSERT_EQ(open(damaged), Plnx::eDwgCRCDoesNotMatch) << "byte " << at;
  }
}

TEST_F(HostileDrawings, OtherFilesAreNoDrawingsAndNewerFormatsAreNamed) {
  EXPECT_EQ(open(Bytes{}), Plnx::eNotADrawingFile);
  const std::string text = "PNDWG is what this is not, just some text that is long enough";
  EXPECT_EQ(open(Bytes(text.begin(), text.end())), Plnx::eNotADrawingFile);
  Bytes image = saved();
  image[0] = 'X';
  EXPECT_EQ(open(image), Plnx::eNotADrawingFile);
  // A gigabyte of zeros (sparse, so cheap to make) is refused before it is read.
  const fs::path zeros = dir.Path() / L"zeros.pndwg";
  writeFile(zeros, {});
  fs::resize_file(zeros, std::uintmax_t(1) << 30);
  EXPECT_EQ(open(zeros), Plnx::eNotADrawingFile);
  EXPECT_LT(largest, 1u << 16);

  PnDbDatabase db(false);
  EXPECT_EQ(open(patched(saved(), 8, 2, 4), db), Plnx::eInvalidDwgVersion);
  EXPECT_NE(db.lastFileError().find(L"version 2"), std::wstring::npos) << why(db);
}

TEST_F(HostileDrawings, HugeCountsAndLengthsAreRefusedWithoutReserving) {
  const Bytes image = saved();
  const DrawingLayout layout = parseDrawing(image);
  const struct Case {
    std::size_t at;
    std::uint64_t value;
    int bytes;
    Plnx::ErrorStatus expected;
  } cases[] = {
      {layout.countAt, 0xFFFFFFFF, 4, Plnx::eDwgObjectImproperlyRead},
      {12, 0xFFFFFFF0, 4, Plnx::eEndOfFile},  // the header's length
      {layout.records[1].dataAt - 4, 0xFFFFFFF0, 4, Plnx::eDwgObjectImproperlyRead},
      {layout.records[1].at + 8, 0xFFFF, 2, Plnx::eDwgObjectImproperlyRead},  // a class name's length
      {layout.records[1].at + 8, 0, 2, Plnx::eDwgObjectImproperlyRead},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(open(patched(image, c.at, c.value, c.bytes)), c.expected) << "at " << c.at;
    EXPECT_LT(largest, 1u << 16);
  }

  // Counts inside objects end at their data: a dictionary, a table and a linetype's dashes.
  std::vector<std::vector<CraftedObject>> drawings(4, crafted::minimalDrawing({{u"Lots", 10}}));
  drawings[0].push_back(
      {10, L"PnDbDictionary", Items().softPointer(1).int16(PnDb::kDrcIgnore).uint32(0xFFFFFFFF).bytes()});
  drawings[1][1].data = Items().softPointer(0).uint32(0xFFFFFFFF).hardOwnership(0).bytes();
  drawings[2].push_back({10, L"PnDbLinetypeTableRecord", Items().softPointer(crafted::kLinetypes).string(u"Dashed")
                                                             .string(u"").uint16(0xFFFF).real(1.0).bytes()});
  drawings[3][0].data = Items().softPointer(0).int16(PnDb::kDrcIgnore).uint32(1).stringClaiming(0x7FFFFFFF).bytes();
  for (const auto& objects : drawings) {
    PnDbDatabase db(false);
    EXPECT_EQ(open(objects, db), Plnx::eDwgObjectImproperlyRead);
    EXPECT_NE(db.lastFileError().find(L"PnDb"), std::wstring::npos) << "the class is named: " << why(db);
    EXPECT_LT(largest, 1u << 16);
  }
}

TEST_F(HostileDrawings, DamagedStructureIsRefused) {
  std::vector<std::pair<Bytes, Plnx::ErrorStatus>> cases;
  auto add = [&cases](std::vector<CraftedObject> objects, Plnx::ErrorStatus expected, const Items& header = {}) {
    cases.push_back({craftDrawing(header.bytes().empty() ? crafted::header().bytes() : header.bytes(), objects),
                     expected});
  };
  // Repeated and null handles.
  for (std::uint64_t handle : {crafted::kLinetypes, std::uint64_t(0)}) {
    std::vector<CraftedObject> objects = crafted::minimalDrawing();
    objects.push_back(crafted::dictionary(handle, 0, {}));
    add(objects, Plnx::eHandleExists);
  }
  // Missing or mistyped roots, and header settings out of range.
  std::vector<CraftedObject> objects = crafted::minimalDrawing();
  objects.erase(objects.begin() + 2);
  add(objects, Plnx::eDwgObjectImproperlyRead);
  objects = crafted::minimalDrawing();
  std::swap(objects[1].className, objects[2].className);
  add(objects, Plnx::eDwgObjectImproperlyRead);
  Items settings;
  settings.uint64(100).softPointer(1).softPointer(2).softPointer(3).softPointer(4);
  settings.softPointer(0).softPointer(0).softPointer(0).int16(PnDb::kMetric).int16(9).int16(4);
  add(crafted::minimalDrawing(), Plnx::eDwgObjectImproperlyRead, settings);
  // An unknown class without the host object's fields, a dictionary entry without a name.
  objects = crafted::minimalDrawing({{u"Odd", 10}});
  objects.push_back({10, L"PnNeverRegistered", Items().int32(5).bytes()});
  add(objects, Plnx::eDwgObjectImproperlyRead);
  add(crafted::minimalDrawing({{u"", 2}}), Plnx::eDwgObjectImproperlyRead);
  // Data after the last object.
  cases.push_back({craftDrawing(crafted::header().bytes(), crafted::minimalDrawing()), Plnx::eDwgObjectImproperlyRead});
  cases.back().first.insert(cases.back().first.end() - 4, {1, 2, 3});
  reseal(cases.back().first);
  for (std::size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(open(cases[i].first), cases[i].second) << "case " << i;
  // A database a failed open leaves behind is as new: its next object takes the first handle.
  PnDbDatabase failed(false);
  ASSERT_NE(open(cases.back().first, failed), Plnx::eOk);
  PnDbObjectId added;
  auto* dictionary = new PnDbDictionary;
  ASSERT_EQ(failed.addPnDbObject(added, dictionary), Plnx::eOk);
  dictionary->close();
  EXPECT_EQ(added.handle().value(), 1u);

  // What does open: an unknown class with the object's fields, and no current records.
  objects.back().data = Items().softPointer(crafted::kNamedObjects).int32(5).bytes();
  PnDbDatabase db(false);
  ASSERT_EQ(open(objects, db), Plnx::eOk) << why(db);
  EXPECT_EQ(db.numObjects(), 5u);
  EXPECT_TRUE(db.continuousLinetype().isNull() && db.textstyle().isNull());
}

TEST_F(HostileDrawings, OwnershipCyclesAndDeepNestingOpenEraseAndSave) {
  // 10 owns 11 owns 10, 12 owns itself, and 20 starts a chain 20000 deep.
  constexpr std::uint64_t kDepth = 20000, kFirst = 20;
  std::vector<CraftedObject> objects = crafted::minimalDrawing({{u"Loop", 10}, {u"Self", 12}, {u"Deep", kFirst}});
  objects.push_back(crafted::dictionary(10, crafted::kNamedObjects, {{u"Down", 11}}));
  objects.push_back(crafted::dictionary(11, 10, {{u"Up", 10}, {u"Root", crafted::kNamedObjects}}));
  objects.push_back(crafted::dictionary(12, 12, {{u"Me", 12}}));
  for (std::uint64_t h = kFirst; h < kFirst + kDepth; ++h)
    objects.push_back(crafted::dictionary(h, h == kFirst ? crafted::kNamedObjects : h - 1,
                                          h + 1 < kFirst + kDepth ? Entries{{u"Next", h + 1}} : Entries{}));
  PnDbDatabase db(false);
  ASSERT_EQ(open(objects, db), Plnx::eOk) << why(db);
  ASSERT_EQ(db.saveAs((dir.Path() / L"deep.pndwg").wstring().c_str()), Plnx::eOk);
  for (const wchar_t* key : {L"Loop", L"Self", L"Deep"}) EXPECT_EQ(eraseObject(namedEntry(db, key)), Plnx::eOk);
  EXPECT_FALSE(db.namedObjectsDictionaryId().isErased()) << "a loop back to the root must not erase it";
  PnDbObjectId deepest;
  ASSERT_EQ(db.getPnDbObjectId(deepest, false, PnDbHandle(kFirst + kDepth - 1)), Plnx::eOk);
  EXPECT_TRUE(deepest.isErased());
  auto reread = reopened(db, dir.Path() / L"cycles.pndwg");
  ASSERT_TRUE(reread) << why(db);
  EXPECT_EQ(reread->numObjects(), 4u);
}

TEST_F(HostileDrawings, AHandleSeedAtTheEndOfTheRangeStillGivesUniqueHandles) {
  std::vector<CraftedObject> objects = crafted::minimalDrawing();
  objects.push_back(crafted::dictionary(~std::uint64_t(0), 0, {}));
  PnDbDatabase db(false);
  ASSERT_EQ(open(craftDrawing(crafted::header(~std::uint64_t(0)).bytes(), objects), db), Plnx::eOk) << why(db);
  registerTestThing();
  PnDbObjectId a = addThing(db, L"A", L"", 0, 0), b = addThing(db, L"B", L"", 0, 0);
  EXPECT_NE(a.handle(), b.handle());
  EXPECT_FALSE(a.handle().isNull() || b.handle().isNull());
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
  ThingFields fields = thingFields(namedEntry(db, L"Thing"));
  ASSERT_TRUE(fields.found);
  EXPECT_TRUE(fields.target.isNull());
}

}  // namespace
