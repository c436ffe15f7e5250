// What the listed cases cannot say: the wrap of shifted texts, ids, the
// drawing marker and the directory scopes.
#include <gtest/gtest.h>

#include <stdexcept>

#include "environment/dir_scope.h"
#include "environment/host_utils.h"
#include "environment/orl_marker.h"
#include "environment/product_info.h"
#include "host/host.h"
#include "platform/path_helpers.h"
#include "platform/wide_string.h"
#include "tests/platform/scratch.h"
#include "tests/support/drawing_entries.h"

namespace {

using namespace ORL_Tools;

TEST(ProductInfo, ShiftedTextsWrapAt16Bits) { EXPECT_EQ(GetSupName(L"\xFFFF", 2), KOVTString(L'\x0001')); }

TEST(HostUtils, ValidIdsOpenForRead) {
  PnDbDatabase db;
  EXPECT_FALSE(IsValidId(PnDbObjectId::kNull, true));
  EXPECT_TRUE(IsValidId(PnDbObjectId::kNull, false));
  PnDbDictionary* named = nullptr;
  ASSERT_EQ(db.getNamedObjectsDictionary(named, PnDb::kForWrite), Plnx::eOk);
  EXPECT_FALSE(IsValidId(db.namedObjectsDictionaryId(), true));  // open for write elsewhere
  auto* child = new PnDbDictionary;
  PnDbObjectId entry;
  ASSERT_EQ(named->setAt(L"Entry", child, entry), Plnx::eOk);
  named->close();
  child->erase();
  child->close();
  EXPECT_TRUE(IsValidId(db.namedObjectsDictionaryId(), true));
  EXPECT_FALSE(IsValidId(entry, true));
  EXPECT_TRUE(IsValidId(entry, false));
}

// Marks a drawing with an empty dictionary and counts its calls.
class DictionaryMarker : public KovtIMarkerCreator {
 public:
  bool CreateMarker(PnDbDatabase* database, const wchar_t* name) override {
    ++calls;
    return !Dict(database->namedObjectsDictionaryId(), name).isNull();
  }
  int calls = 0;
};

TEST(OrlMarker, IsCreatedOnceAndDeletedWithItsObject) {
  PnDbDatabase db, other;
  DictionaryMarker creator;
  pndbHostApplicationServices()->setWorkingDatabase(&db);
  EXPECT_FALSE(InitOrlMarker(nullptr));
  RegisterMarkerCreator(&creator);
  EXPECT_TRUE(InitOrlMarker(nullptr));
  EXPECT_TRUE(InitOrlMarker(&db));
  EXPECT_EQ(creator.calls, 1);
  EXPECT_TRUE(IsOrlMarker(&db));
  EXPECT_FALSE(IsOrlMarker(&other));
  PnDbDictionary* named = nullptr;
  ASSERT_EQ(db.getNamedObjectsDictionary(named, PnDb::kForRead), Plnx::eOk);
  PnDbObjectId marker;
  named->getAt(kOrlMarkerName, marker);
  named->close();
  DeleteOrlMarker(nullptr);
  EXPECT_FALSE(IsOrlMarker(&db));
  EXPECT_TRUE(marker.isErased());
  DeleteOrlMarker(&db);
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_FALSE(InitOrlMarker(nullptr));
  EXPECT_EQ(creator.calls, 1);
  RegisterMarkerCreator(nullptr);
}

KOVTString CurrentDirectory() {
  wchar_t path[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, path);
  return path;
}

TEST(DirScope, RestoresTheDirectoryHoweverItEnds) {
  const KOVTString before = CurrentDirectory(), bin = Utf8ToWide(KOVT_APPSET_MODULE_DIR);
  const ScratchDir elsewhere;
  const std::wstring other = Utf8ToWide(elsewhere.Path().string());
  try {
    const KOVTDirScope scope;
    EXPECT_EQ(CurrentDirectory(), bin);
    {
      const KOVTAppDirScope inner;
      SetCurrentDirectoryW(other.c_str());
    }
    EXPECT_EQ(CurrentDirectory(), bin);
    SetCurrentDirectoryW(other.c_str());
    throw std::runtime_error("leave the block");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(CurrentDirectory(), before);
}

}  // namespace
