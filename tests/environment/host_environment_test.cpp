// What the listed cases cannot say: values of other types and lengths, the
// wrap of shifted texts, module files, ids, long templates and the drawing marker.
#include "environment/host_utils.h"
#include "environment/orl_marker.h"
#include "environment/orl_settings.h"
#include "environment/product_info.h"
#include "environment/windows_registry.h"
#include "host/host.h"
#include "platform/registry.h"
#include "tests/environment/env_test_support.h"

namespace {

using namespace ORL_Tools;

constexpr const wchar_t* kKey = L"Software\\Hexlon\\Lattice\\Test";

using RegistryAccess = EnvironmentTest;

TEST_F(RegistryAccess, UnusableValuesCountAsMissing) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const DWORD number = 7;
  RegSetValueExW(key, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  RegCloseKey(key);
  KOVTString out;
  EXPECT_FALSE(RegGetLocM2CurU_SZ(kKey, L"Number", out));
  // At most 512 characters are read, the terminator the registry stores among them.
  for (const int characters : {511, 512}) {
    const std::wstring text(static_cast<std::size_t>(characters), L'x');
    ASSERT_TRUE(RegSet2Cur_SZ(kKey, L"Long", text.c_str(), characters));
    EXPECT_EQ(RegGetLocM2CurU_SZ(kKey, L"Long", out), characters < kMaxRegistryCharacters) << characters;
  }
}

TEST_F(RegistryAccess, LongTemplatesAreCutAndReadOnlyWithinTheRegistryLimit) {
  KOVTString out;
  const std::wstring fits(kMaxRegistryCharacters - 1, L'a'), tooLong(kMaxTemplateLength + 10, L'a');
  ASSERT_TRUE(SetORLDwtTepmplate(eORL_Steel, fits.c_str()));
  ASSERT_TRUE(GetORLDwtTepmplate(eORL_Steel, out));
  EXPECT_EQ(out, fits);
  ASSERT_TRUE(SetORLDwtTepmplate(eORL_Steel, tooLong.c_str()));
  ASSERT_TRUE(GetORLDwtTepmplate(eORL_Steel, out));
  EXPECT_EQ(out.Right(12), L"KOVS-001.DWT");
}

TEST(ProductInfo, ShiftedTextsWrapAt16Bits) { EXPECT_EQ(GetSupName(L"\xFFFF", 2), KOVTString(L'\x0001')); }

TEST(HostUtils, FindsTheFilesOfLoadedModules) {
  wchar_t buffer[MAX_PATH];
  EXPECT_FALSE(KoVTAppSetUtils::GetModulePath(L"NotLoaded.kmo", buffer, MAX_PATH));
  ASSERT_TRUE(KoVTAppSetUtils::GetModulePath(L"KovtAppSet.kmo", buffer, MAX_PATH));
  EXPECT_EQ(KOVTString(buffer).Right(15), L"/KoVTAppSet.kmo");
  EXPECT_FALSE(KoVTAppSetUtils::GetModulePath(L"KovtAppSet.kmo", buffer, 10));
}

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
    PnDbDictionary* named = nullptr;
    if (database->getNamedObjectsDictionary(named, PnDb::kForWrite) != Plnx::eOk) return false;
    auto* marker = new PnDbDictionary;
    PnDbObjectId id;
    const bool added = named->setAt(name, marker, id) == Plnx::eOk;
    if (added) marker->close();
    else delete marker;
    named->close();
    return added;
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

}  // namespace
