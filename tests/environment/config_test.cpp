// Configuration objects: folders, data-file lookup and the per-context choice.
#include <vector>

#include "environment/app_context.h"
#include "environment/config_access.h"
#include "host/database.h"
#include "platform/wide_string.h"
#include "tests/host/allocation_probe.h"
#include "tests/environment/env_test_support.h"

namespace {

namespace fs = std::filesystem;

class ConfigTest : public EnvironmentTest {
 protected:
  fs::path Touch(const fs::path& file) {
    WriteText(file, "data");
    return file;
  }
  static KOVTString Text(const fs::path& path) { return Utf8ToWide(path.string()); }
  const wchar_t* DataFile(const wchar_t* name) { return REINF_CFG()->GetPathAndFile(L"KOVR_PAR_PATH_DATA", name, 0); }
};

TEST_F(ConfigTest, FoldersEndWithASeparatorOrStayEmpty) {
  const KOVTAppSet* config = COMMON_CFG();
  ASSERT_NE(config, nullptr);
  EXPECT_EQ(config->ModuleFolder(), FolderText(KOVT_APPSET_MODULE_DIR));
  EXPECT_EQ(config->UserDataFolder(), L"");
  EXPECT_EQ(config->SharedDataFolder(), L"");
  fs::create_directories(UserData());
  fs::create_directories(SharedData());
  // The object keeps what it found until it is released.
  EXPECT_EQ(COMMON_CFG()->UserDataFolder(), L"");
  COMMON_CFG_RELEASE();
  config = COMMON_CFG();
  EXPECT_EQ(config->UserDataFolder(), FolderText(UserData() / "2019"));
  EXPECT_EQ(config->SharedDataFolder(), FolderText(SharedData() / "2019/Data"));
}

TEST_F(ConfigTest, ApplicationsShareTheModuleFolder) {
  KovtIAppSet* barShapes = KOVTConfigurationAccess::BarshapeCfg();
  ASSERT_NE(barShapes, nullptr);
  EXPECT_STREQ(barShapes->GetApplicationName(), L"KOVRSHAPE");
  EXPECT_STREQ(barShapes->GetApplicationVersion(), L"2019_enu");
  EXPECT_EQ(FolderText(KOVT_APPSET_MODULE_DIR), barShapes->GetAppPath(L"KOVR_PAR_PATH_BIN", 0));
  EXPECT_EQ(FolderText(KOVT_APPSET_MODULE_DIR), STEEL_CFG()->GetAppPath(L"PATHCFG", 0));
}

TEST_F(ConfigTest, DataFilesAreSearchedInTheUserThenTheSharedFolder) {
  const fs::path shared = Touch(SharedData() / "2019/Data/Norms/Bars.CSV");
  EXPECT_EQ(DataFile(L"bars.csv"), Text(shared));
  REINF_CFG_RELEASE();
  const fs::path user = Touch(UserData() / "2019/bars.csv");
  EXPECT_EQ(DataFile(L"BARS.csv"), Text(user));
  // Only the data path name searches.
  EXPECT_EQ(KOVTString(REINF_CFG()->GetPathAndFile(L"KOVR_PAR_PATH_CFG", L"bars.csv", 0)),
            FolderText(KOVT_APPSET_MODULE_DIR) + L"bars.csv");
  EXPECT_EQ(KOVTString(DataFile(L"missing.csv")), FolderText(KOVT_APPSET_MODULE_DIR) + L"missing.csv");
}

TEST_F(ConfigTest, SubFoldersAreSearchedDepthFirstInListingOrder) {
  const fs::path early = Touch(UserData() / "2019/a/deep/x.dat");
  Touch(UserData() / "2019/b/x.dat");
  Touch(UserData() / "2019/x.dat");
  // A link back up must not trap the search.
  fs::create_directory_symlink(UserData() / "2019", UserData() / "2019/a/loop");
  EXPECT_EQ(DataFile(L"x.dat"), Text(early));
  EXPECT_EQ(KOVTString(DataFile(L"none.dat")), FolderText(KOVT_APPSET_MODULE_DIR) + L"none.dat");
}

// A configuration that cannot be made is no configuration, and the next call tries again.
TEST_F(ConfigTest, AFailedCreationGivesNull) {
  REINF_CFG_RELEASE();
  KOVTReinforcementConfig* config = nullptr;
  {
    AllocationProbe probe;
    probe.Refuse(true);
    config = REINF_CFG();
  }
  EXPECT_EQ(config, nullptr);
  EXPECT_NE(REINF_CFG(), nullptr);
}

TEST_F(ConfigTest, TheContextChoosesTheConfiguration) {
  PnDbDatabase db;
  PnDbHostApplicationServices* services = pndbHostApplicationServices();
  services->setWorkingDatabase(&db);
  EXPECT_EQ(CFG(), REINF_CFG());
  const std::vector<std::pair<KOVTCONTEXT_TYPE, KOVTAppSet*>> expected = {
      {KOVT_CONTEXT_STEEL, STEEL_CFG()}, {KOVT_CONTEXT_NONE, COMMON_CFG()}, {KOVT_CONTEXT_BARSHAPES, BARSHAPE_CFG()}};
  for (const auto& [type, config] : expected) {
    const KOVTContext context(type);
    EXPECT_EQ(KOVTConfigurationAccess::Cfg(), config) << type;
  }
  {
    const KOVTContext formwork(KOVT_CONTEXT_FORMWORK);
    fs::create_directories(UserData());
    CFG_RELEASE();
    EXPECT_EQ(FORMW_CFG()->UserDataFolder(), FolderText(UserData() / "2019"));
    EXPECT_EQ(STEEL_CFG()->UserDataFolder(), L"");
  }
  services->setWorkingDatabase(nullptr);
}

}  // namespace
