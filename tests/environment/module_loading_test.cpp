// Module loading by kind from the binary and resource folders, and the
// directory scope. The test modules sit next to KoVTAppSet.kmo and in its
// "qps-ploc" resource folder; each is used by one test only, so the order of
// the tests does not matter.
#include <stdexcept>

#include "environment/config_access.h"
#include "environment/dir_scope.h"
#include "environment/module_loading.h"
#include "platform/modules.h"
#include "platform/path_helpers.h"
#include "tests/environment/env_test_support.h"

namespace {

KOVTString FileOf(HMODULE module) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(module, path, MAX_PATH);
  return path;
}

KOVTString CurrentDirectory() {
  wchar_t path[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, path);
  return path;
}

// Restores the host kind a test changes.
class ModuleLoading : public EnvironmentTest {
 protected:
  void TearDown() override {
    KOVTSetSpecial(KOVT::eStandardHost);
    EnvironmentTest::TearDown();
  }
  const KOVTString m_bin = FolderText(KOVT_APPSET_MODULE_DIR);
};

TEST_F(ModuleLoading, ResourcesLiveInTheLanguageFolder) {
  EXPECT_EQ(KOVTBinaryFolder(), m_bin);
  EXPECT_EQ(KOVTResourceFolder(), m_bin + L"qps-ploc/");
}

TEST_F(ModuleLoading, AnyKindTriesEachExtensionInTurn) {
  const KOVTString before = CurrentDirectory();
  EXPECT_EQ(KOVTLoadLibrary(L"KovtEnvTestKind3", KOVT::eHostModule), nullptr);
  HMODULE module = KOVTLoadLibrary(L"KovtEnvTestKind3", KOVT::eAnyModule);
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(FileOf(module), m_bin + L"KovtEnvTestKind3.dll");
  EXPECT_EQ(KOVTLoadLibrary(L"KovtEnvTestKind3", KOVT::eLibraryModule), module);
  EXPECT_EQ(CurrentDirectory(), before);
  EXPECT_EQ(KOVTLoadLibrary(nullptr, KOVT::eAnyModule), nullptr);
}

TEST_F(ModuleLoading, AStandardHostLooksUpEveryExtensionWhateverTheKind) {
  EXPECT_EQ(KOVTGetModuleHandle(L"KovtEnvTestKind1", KOVT::eAnyModule), nullptr);
  HMODULE module = KOVTLoadLibrary(L"KovtEnvTestKind1", KOVT::eHostModule);
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(KOVTGetModuleHandle(L"KovtEnvTestKind1", KOVT::eLibraryModule), module);
  KOVTSetSpecial(KOVT::eSpecialHost);
  EXPECT_EQ(KOVTGetPlnxType(), KOVT::eSpecialHost);
  EXPECT_EQ(KOVTGetModuleHandle(L"KovtEnvTestKind1", KOVT::eLibraryModule), nullptr);
  EXPECT_EQ(KOVTGetModuleHandle(L"KovtEnvTestKind1", KOVT::eHostModule), module);
  EXPECT_FALSE(KOVTIsSpecialMode());
}

TEST_F(ModuleLoading, OnlyASpecialHostLooksUpTheNameAsGiven) {
  HMODULE module = KOVTLoadLibrary(L"KovtEnvTestBare", KOVT::eAnyModule);
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(KOVTGetModuleHandle(L"KovtEnvTestBare", KOVT::eAnyModule), nullptr);
  KOVTSetSpecial(KOVT::eSpecialHost);
  EXPECT_EQ(KOVTGetModuleHandle(L"KovtEnvTestBare", KOVT::eAnyModule), module);
}

TEST_F(ModuleLoading, ResourcesComeFromTheCompanionOrThePlainModule) {
  HMODULE resources = KOVTGetResourceHandle(L"KovtEnvTestProg");
  ASSERT_NE(resources, nullptr);
  EXPECT_EQ(FileOf(resources), m_bin + L"qps-ploc/KovtEnvTestProg_Res.dll");
  EXPECT_EQ(KOVTGetResourceHandle(L"KovtEnvTestProg"), resources);
  EXPECT_EQ(KOVTGetResourceHandle(L"KovtEnvTestPlain"), nullptr);
  HMODULE plain = KOVTLoadResLibrary(L"KovtEnvTestPlain", KOVT::eLibraryModule);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(KOVTGetResourceHandle(L"KovtEnvTestPlain"), plain);
}

TEST_F(ModuleLoading, DirectoryScopesRestoreTheDirectoryHoweverTheyEnd) {
  const KOVTString before = CurrentDirectory();
  try {
    const KOVTDirScope scope;
    EXPECT_EQ(CurrentDirectory() + L"/", m_bin);
    {
      const KOVTAppDirScope inner;
      SetCurrentDirectoryW(FolderText(Root()));
    }
    EXPECT_EQ(CurrentDirectory() + L"/", m_bin);
    SetCurrentDirectoryW(FolderText(Root()));
    throw std::runtime_error("leave the block");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(CurrentDirectory(), before);
}

}  // namespace
