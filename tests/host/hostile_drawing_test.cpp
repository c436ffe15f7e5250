// Damaged and hostile drawing files that scripts cannot make: every cut and
// every damaged byte, ownership cycles and deep nesting.
#include <gtest/gtest.h>

#include "tests/host/host_test_support.h"

namespace {

namespace fs = std::filesystem;
using crafted::Entries;

class HostileDrawings : public ::testing::Test {
 protected:
  // Opens the image and gives the status; a failed open must leave the database empty and name the file.
  Plnx::ErrorStatus open(const Bytes& image, PnDbDatabase& db) {
    const fs::path path = dir.Path() / L"input.pndwg";
    writeFile(path, image);
    const Plnx::ErrorStatus es = db.readDwgFile(path.wstring().c_str());
    if (es != Plnx::eOk) {
      EXPECT_EQ(db.numObjects(), 0u);
      EXPECT_NE(db.lastFileError().find(path.wstring()), std::wstring::npos) << why(db);
    }
    return es;
  }
  Plnx::ErrorStatus open(const Bytes& image) {
    PnDbDatabase db(false);
    return open(image, db);
  }
  std::string why(const PnDbDatabase& db) const { return fs::path(db.lastFileError()).string(); }

  ScratchDir dir;
};

TEST_F(HostileDrawings, EveryTruncationIsRefusedAndEveryDamagedByteCaughtByTheChecksum) {
  registerTestThing();
  PnDbDatabase db;
  pndbAddNamedRecord<PnDbDimStyleTable>(db, L"Dims");
  addThing(db, L"Thing", L"label", 1, 2.0, db.textstyle());
  const fs::path valid = dir.Path() / L"valid.pndwg";
  ASSERT_EQ(db.saveAs(valid.wstring().c_str()), Plnx::eOk);
  const Bytes image = readFile(valid);
  for (std::size_t size = 0; size < image.size(); ++size)
    ASSERT_NE(open(Bytes(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size))), Plnx::eOk) << size;
  for (std::size_t at = 12; at < image.size(); ++at) {
    Bytes damaged = image;
    damaged[at] ^= 0x20;
    ASSERT_EQ(open(damaged), Plnx::eDwgCRCDoesNotMatch) << "byte " << at;
  }
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
  ASSERT_EQ(open(craftDrawing(crafted::header().bytes(), objects), db), Plnx::eOk) << why(db);
  ASSERT_EQ(db.saveAs((dir.Path() / L"deep.pndwg").wstring().c_str()), Plnx::eOk);
  for (const wchar_t* key : {L"Loop", L"Self", L"Deep"})
    EXPECT_EQ(pndbEraseObject(namedEntry(db, key)), Plnx::eOk);
  EXPECT_FALSE(db.namedObjectsDictionaryId().isErased()) << "a loop back to the root must not erase it";
  PnDbObjectId deepest;
  ASSERT_EQ(db.getPnDbObjectId(deepest, false, PnDbHandle(kFirst + kDepth - 1)), Plnx::eOk);
  EXPECT_TRUE(deepest.isErased());
  auto reread = reopened(db, dir.Path() / L"cycles.pndwg");
  ASSERT_TRUE(reread) << why(db);
  EXPECT_EQ(reread->numObjects(), 4u);
}

}  // namespace
