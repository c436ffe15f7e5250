#include "tests/environment/env_test_support.h"

#include <gtest/gtest.h>

#include "environment/product_info.h"
#include "environment/windows_registry.h"
#include "tests/platform/scratch.h"

namespace {

// Points every folder the platform derives from the environment into one
// temporary folder, then fixes the language and locale the module keeps for
// the rest of the process.
class Sandbox : public ::testing::Environment {
 public:
  void SetUp() override {
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS", "KOVT_REGISTRY_DIR",
                                 "KOVT_DATA_DIR"})
      ::setenv(variable, (m_root.Path() / variable).c_str(), 1);
    ORL_Tools::RegSet2Cur_SZ(kPlnxRegistryKey, L"LastLaunchedLanguage", kTestLanguage, 8);
    const KOVTString version = KOVTString(L"PLNX-E030:") + kTestLocaleId;
    ORL_Tools::RegSet2Cur_SZ(kPlnxRegistryKey, L"CurVer", version, version.GetLength());
    KOVTString localeId;
    ASSERT_TRUE(ORL_Tools::GetPlnxLocaleId(localeId));
    ASSERT_EQ(GetProductLang(), kTestLanguage);
  }

 private:
  ScratchDir m_root;
};

const auto* const g_sandbox = ::testing::AddGlobalTestEnvironment(new Sandbox);

}  // namespace
