// The dynamic linker: loading modules by file name, their messages and services.
#include <gtest/gtest.h>

#include <memory>

#include "platform/wide_string.h"
#include "tests/host/host_test_support.h"
#include "tests/support/golden_rows.h"

namespace {

const wchar_t* const kGood = L"PnHostTestModule.kmo";

class Linker : public ::testing::Test {
 protected:
  void SetUp() override {
    pnutCaptureOutput(true);
    WriteText(dir.Path() / "Broken.kmo", "not a shared library");
  }
  void TearDown() override {
    linker->unloadAllModules();
    pnutTakeCapturedOutput();
    pnutCaptureOutput(false);
  }
  std::string error() const { return WideToUtf8(linker->lastLoadError()); }

  ScratchDir dir;
  ScopedEnv modulePath{"PNHOST_MODULE_PATH",
                       "/nonexistent:" + dir.Path().string() + ":" + PN_TEST_MODULE_DIR};
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
};

TEST_F(Linker, LoadsAModuleByFileNameAndSendsItsMessages) {
  ASSERT_TRUE(linker->loadModule(kGood)) << error();
  EXPECT_TRUE(linker->isModuleLoaded(kGood));
  EXPECT_TRUE(linker->lastLoadError().empty());
  EXPECT_EQ(pnutTakeCapturedOutput(), L"[test module] loaded\n");
  EXPECT_TRUE(pnrxServiceIsRegistered(L"PN_TEST_MODULE_SERVICE"));

  // The module's class creates objects from code inside the module.
  PnRxClass* cls = pnrxFindPnRxClass(L"PnTestModuleObject");
  ASSERT_NE(cls, nullptr);
  EXPECT_NE(PnDbDictionary::cast(std::unique_ptr<PnRxObject>(cls->create()).get()), nullptr);

  EXPECT_FALSE(linker->unloadModule(L"PnHostOtherModule.kmo"));
  EXPECT_TRUE(linker->isModuleLoaded(kGood));
  ASSERT_TRUE(linker->unloadModule(kGood));
  EXPECT_EQ(pnutTakeCapturedOutput(), L"[test module] unloaded\n");
  EXPECT_FALSE(linker->isModuleLoaded(kGood));
  EXPECT_FALSE(pnrxServiceIsRegistered(L"PN_TEST_MODULE_SERVICE"));
  EXPECT_EQ(pnrxFindPnRxClass(L"PnTestModuleObject"), nullptr);
  EXPECT_FALSE(linker->unloadModule(kGood));
}

TEST_F(Linker, LoadsByFullPathOnceAndUnloadAllReachesIt) {
  ScopedEnv noPath("PNHOST_MODULE_PATH", std::nullopt);
  const std::wstring full = Utf8ToWide(std::string(PN_TEST_MODULE_DIR) + "/PnHostTestModule.kmo");
  ASSERT_TRUE(linker->loadModule(full.c_str())) << error();
  ASSERT_TRUE(linker->loadModule(kGood));
  EXPECT_EQ(pnutTakeCapturedOutput(), L"[test module] loaded\n") << "initialised once";
  EXPECT_TRUE(linker->isModuleLoaded(L"/elsewhere/PnHostTestModule.kmo")) << "modules are known by file name";
  linker->unloadAllModules();
  EXPECT_EQ(pnutTakeCapturedOutput(), L"[test module] unloaded\n");
  EXPECT_FALSE(linker->isModuleLoaded(kGood));
}

TEST_F(Linker, ExplainsEveryModuleItRefuses) {
  for (const GoldenRow& row : ReadGoldenRows("host/data/refused_modules.txt", 2)) {
    EXPECT_FALSE(linker->loadModule(row[0].c_str())) << WideToUtf8(row[0]);
    EXPECT_NE(error().find(WideToUtf8(row[1])), std::string::npos) << error();
    EXPECT_FALSE(linker->isModuleLoaded(row[0].c_str()));
  }
  EXPECT_FALSE(linker->loadModule(nullptr));
  EXPECT_EQ(pnutTakeCapturedOutput(), L"") << "quiet unless asked";
  EXPECT_FALSE(linker->loadModule(L"PnHostRefusingModule.kmo", true));
  EXPECT_EQ(pnutTakeCapturedOutput(), L"\n" + linker->lastLoadError() + L"\n");
}

}  // namespace
