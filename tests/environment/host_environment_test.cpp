// Registry access, product and host queries, and the diagnostics helpers.
#include "environment/host_utils.h"
#include "environment/product_info.h"
#include "environment/windows_registry.h"
#include "host/host.h"
#include "platform/registry.h"
#include "tests/environment/env_test_support.h"

namespace {

using namespace ORL_Tools;

constexpr const wchar_t* kKey = L"Software\\Hexlon\\Lattice\\Test";
const KOVTString kHostKey = KOVTString(kPlnxRegistryKey) + L"\\PLNX-E030:" + kTestLocaleId;

using RegistryAccess = EnvironmentTest;

TEST_F(RegistryAccess, UserValuesOverrideMachineValues) {
  KOVTString out = L"stale";
  EXPECT_FALSE(RegGetLocM2CurU_SZ(kKey, L"Name", out));
  EXPECT_TRUE(out.IsEmpty());
  SetMachineValue(kKey, L"Name", L"machine");
  ASSERT_TRUE(RegGetLocM2CurU_SZ(kKey, L"Name", out));
  EXPECT_EQ(out, L"machine");
  ASSERT_TRUE(RegSet2Cur_SZ(kKey, L"Name", L"user value", 4));
  ASSERT_TRUE(RegGetLocM2CurU_SZ(kKey, L"Name", out));
  EXPECT_EQ(out, L"user");
  // A length past the end of the text stops at its end.
  ASSERT_TRUE(RegSet2Cur_SZ(kKey, L"Name", L"short", 400));
  ASSERT_TRUE(RegGetLocM2CurU_SZ(kKey, L"Name", out));
  EXPECT_EQ(out, L"short");
}

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

TEST_F(RegistryAccess, LanguageAndLocaleAreKeptForTheProcess) {
  RegSet2Cur_SZ(kPlnxRegistryKey, L"LastLaunchedLanguage", L"de-DE", 5);
  RegSet2Cur_SZ(kPlnxRegistryKey, L"CurVer", L"PLNX-E030:409", 13);
  EXPECT_EQ(GetProductLang(), kTestLanguage);
  KOVTString localeId;
  ASSERT_TRUE(GetPlnxLocaleId(localeId));
  EXPECT_EQ(localeId, kTestLocaleId);
}

TEST(ProductInfo, NamesAndShiftedTexts) {
  EXPECT_EQ(GetProductVersionNo(), L"2019_enu");
  EXPECT_EQ(GetSupName(L"npr", -3), L"kmo");
  EXPECT_EQ(GetSupName(L"\xFFFF", 2), KOVTString(L'\x0001'));  // 16-bit codes wrap
  KOVTString name;
  DecomposeTempl(L"C:\\Templates\\KOVR-001.DWT", name);
  EXPECT_EQ(name, L"KOVR-001.DWT");
  DecomposeTempl(L"KOVX-044.DWT", name);
  EXPECT_EQ(name, L"KOVX-044.DWT");
}

using HostFolders = EnvironmentTest;

TEST_F(HostFolders, SupportFolderFollowsTheInstallationAndLanguage) {
  KOVTString name, key;
  const int version = KoVTAppSetUtils::GetPlnxVersion(name, key);
  EXPECT_EQ(version, 5);
  EXPECT_EQ(key, kHostKey);
  EXPECT_EQ(KoVTAppSetUtils::GetPlnxPath(key, version), L"");
  EXPECT_EQ(KoVTAppSetUtils::GetPatFilePath(), L"");
  SetMachineValue(kHostKey, L"Location", L"D:\\Old");
  EXPECT_EQ(KoVTAppSetUtils::GetPlnxPath(key, version), L"D:\\Old\\");
  SetMachineValue(kHostKey, L"PlnxLocation", L"C:\\Planix");
  EXPECT_EQ(KoVTAppSetUtils::GetSupportPath(), L"C:\\Planix\\UserDataCache\\qps-ploc\\Support");
  SetMachineValue(kHostKey, L"PlnxLocation", L"/opt/planix");
  EXPECT_EQ(KoVTAppSetUtils::GetPatFilePath(), L"/opt/planix/UserDataCache/qps-ploc/Support/plnxiso.pat");
}

TEST(HostUtils, CompletePathAddsOneSeparator) {
  KOVTString empty, windows = L"C:\\Data", posix = L"/srv/data/";
  EXPECT_EQ(KoVTAppSetUtils::CompletePath(empty), L"");
  KoVTAppSetUtils::CompletePath(windows);
  EXPECT_EQ(windows, L"C:\\Data\\");
  EXPECT_EQ(KoVTAppSetUtils::CompletePath(posix), L"/srv/data/");
}

TEST(HostUtils, NamesApplicationsAndFilers) {
  EXPECT_STREQ(KoVTAppSetUtils::GetApplicationName(KOVT::eAppSteel), L"KOVS");
  EXPECT_EQ(KoVTAppSetUtils::GetApplicationName(static_cast<KOVT::KovtAppId>(1)), nullptr);
  EXPECT_STREQ(GetFilerType(nullptr), L"");
  PnDbMemoryFiler first(PnDb::kFileFiler), last(PnDb::kWblockCloneFiler), unknown(static_cast<PnDb::FilerType>(10));
  EXPECT_STREQ(GetFilerType(&first), L"File");
  EXPECT_STREQ(GetFilerType(&last), L"WblockClone");
  EXPECT_STREQ(GetFilerType(&unknown), L"");
}

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

}  // namespace
