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
  // One record more than the bytes left hold at 14 bytes, the smallest a record takes, is a bad count.
  PnDbDatabase db(false);
  const std::size_t records = (image.size() - layout.countAt - 4) / 14 + 1;
  EXPECT_EQ(open(patched(image, layout.countAt, records, 4), db), Plnx::eDwgObjectImproperlyRead);
  EXPECT_NE(db.lastFileError().find(L"bad object count"), std::wstring::npos) << why(db);
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

}  // namespace
