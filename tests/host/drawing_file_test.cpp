// Saving and opening drawings where the scenario scripts cannot reach: links planted
// beside a drawing, and every cut and damaged byte.
#include <gtest/gtest.h>
#include <unistd.h>

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
  EXPECT_EQ(SortedEntries(dir.Path()).size(), 4u);
}

// Every cut is refused and every damaged byte caught, the database left empty and the file named.
TEST_F(DrawingFiles, EveryTruncationAndEveryDamagedByteIsRefused) {
  const fs::path valid = dir.Path() / L"valid.pndwg", input = dir.Path() / L"input.pndwg";
  ASSERT_EQ(db.saveAs(valid.wstring().c_str()), Plnx::eOk) << why(db);
  const Bytes image = readFile(valid);
  auto open = [&](const Bytes& bytes) {
    writeFile(input, bytes);
    PnDbDatabase opened(false);
    const Plnx::ErrorStatus es = opened.readDwgFile(input.wstring().c_str());
    EXPECT_EQ(opened.numObjects(), 0u);
    EXPECT_NE(opened.lastFileError().find(input.wstring()), std::wstring::npos) << why(opened);
    return es;
  };
  for (std::size_t size = 0; size < image.size(); ++size) {
    const Bytes cut(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size));
    ASSERT_NE(open(cut), Plnx::eOk) << size;
  }
  for (std::size_t at = 12; at < image.size(); ++at) {
    Bytes damaged = image;
    damaged[at] ^= 0x20;
    ASSERT_EQ(open(damaged), Plnx::eDwgCRCDoesNotMatch) << "byte " << at;
  }
}

}  // namespace
