#include "tests/environment/env_test_support.h"

#include <cwchar>

#include "environment/config_access.h"
#include "environment/product_info.h"
#include "environment/windows_registry.h"
#include "platform/registry.h"
#include "platform/wide_string.h"

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

void EnvironmentTest::SetUp() { Use(Root()); }

void EnvironmentTest::Use(const std::filesystem::path& folder) {
  // Each undoes its own change only when it goes before the next is made.
  m_registryEnv.reset();
  m_dataEnv.reset();
  m_data = folder / "data";
  m_registryEnv = std::make_unique<ScopedEnv>("KOVT_REGISTRY_DIR", (folder / "registry").string());
  m_dataEnv = std::make_unique<ScopedEnv>("KOVT_DATA_DIR", m_data.string());
  ReleaseAllConfigs();
}

void EnvironmentTest::TearDown() { ReleaseAllConfigs(); }

std::filesystem::path EnvironmentTest::UserData() const {
  return m_data / "AppData/Hexlon/Lattice/Common Data";
}

std::filesystem::path EnvironmentTest::SharedData() const {
  return m_data / "CommonAppData/Hexlon/Lattice/Common Data";
}

void SetMachineValue(const wchar_t* key, const wchar_t* name, const wchar_t* text) {
  HKEY opened = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>(std::wcslen(text) * sizeof(wchar_t)));
  RegCloseKey(opened);
}

KOVTString FolderText(const std::filesystem::path& folder) { return Utf8ToWide(folder.string() + "/"); }

void ReleaseAllConfigs() {
  REINF_CFG_RELEASE();
  STEEL_CFG_RELEASE();
  COMMON_CFG_RELEASE();
  FORMW_CFG_RELEASE();
  BARSHAPE_CFG_RELEASE();
}
