#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "platform/detail/registry_tree.h"
#include "platform/registry.h"
#include "scratch.h"

namespace {

namespace fs = std::filesystem;

const std::string kGoodFile =
    "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Kovt]\n\"Name\"=\"good\"\n";

class RegistryFileTest : public ::testing::Test {
 protected:
  void SetUp() override { KovtRegistryDiscardCache(); }
  void TearDown() override { KovtRegistryDiscardCache(); }

  static LONG Set(HKEY root, const wchar_t* path, const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    LONG status = RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) status = RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return status;
  }
  static LONG SetString(HKEY root, const wchar_t* path, const wchar_t* name, const std::wstring& text) {
    return Set(root, path, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  static std::wstring Get(HKEY root, const wchar_t* path, const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return L"<no key>";
    wchar_t buffer[256] = {};
    DWORD size = sizeof buffer - sizeof(wchar_t);
    const LONG status = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::wstring(buffer, size / sizeof(wchar_t)) : L"<no value>";
  }
  fs::path UserFile() const { return dir_.Path() / "HKEY_CURRENT_USER.reg"; }

  ScratchDir dir_;
  ScopedEnv env_{"KOVT_REGISTRY_DIR", dir_.Path().string()};
};

TEST_F(RegistryFileTest, ValuesSurviveARestart) {
  const std::wstring tricky = L"quote \" back\\slash \u00e9\u4e2d\U0001F600";
  const std::wstring multiline = L"two\nlines";
  const DWORD number = 10;
  const BYTE bytes[] = {1, 2};
  ASSERT_EQ(SetString(HKEY_CURRENT_USER, L"Software\\Kovt", L"Tricky", tricky), ERROR_SUCCESS);
  ASSERT_EQ(SetString(HKEY_CURRENT_USER, L"Software\\Kovt", L"Multi", multiline), ERROR_SUCCESS);
  ASSERT_EQ(SetString(HKEY_CURRENT_USER, L"Software\\Kovt", nullptr, L"default"), ERROR_SUCCESS);
  ASSERT_EQ(Set(HKEY_CURRENT_USER, L"Software\\Kovt", L"n", REG_DWORD, &number, 4), ERROR_SUCCESS);
  ASSERT_EQ(Set(HKEY_CURRENT_USER, L"Software\\Kovt", L"b", REG_BINARY, bytes, 2), ERROR_SUCCESS);
  HKEY empty = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Kovt\\Empty", 0, nullptr, 0, KEY_READ, nullptr, &empty,
                            nullptr),
            ERROR_SUCCESS);
  RegCloseKey(empty);

  const std::string text = ReadText(UserFile());
  EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00\n", 0), 0u);
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Kovt\\Empty]"), std::string::npos);
  EXPECT_NE(text.find("\"n\"=dword:0000000a"), std::string::npos);
  EXPECT_NE(text.find("\"b\"=hex:01,02"), std::string::npos);
  EXPECT_NE(text.find("@=\"default\""), std::string::npos);

  KovtRegistryDiscardCache();
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"software\\kovt", L"tricky"), tricky + L'\0');
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\Kovt", L"Multi"), multiline + L'\0');
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\Kovt", L""), std::wstring(L"default") + L'\0');
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\Kovt", L"n"), std::wstring(L"\n"));  // 10 as one wchar_t
  EXPECT_NE(Get(HKEY_CURRENT_USER, L"Software\\Kovt\\Empty", L"x"), L"<no key>");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.Path()), fs::directory_iterator()), 1)
      << "a temporary file was left";
}

TEST_F(RegistryFileTest, EachRootHasItsOwnFile) {
  ASSERT_EQ(SetString(HKEY_LOCAL_MACHINE, L"Software\\Kovt", L"Where", L"machine"), ERROR_SUCCESS);
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\Kovt", L"Where"), L"<no key>");
  EXPECT_EQ(KovtRegistryFile(HKEY_LOCAL_MACHINE), (dir_.Path() / "HKEY_LOCAL_MACHINE.reg").string());
  EXPECT_NE(ReadText(KovtRegistryFile(HKEY_LOCAL_MACHINE)).find("[HKEY_LOCAL_MACHINE\\Software\\Kovt]"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(UserFile())) << "reading must not create a hive file";
}

TEST_F(RegistryFileTest, ReadsHandWrittenFiles) {
  WriteText(UserFile(),
            "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n; comment\r\n"
            "[HKEY_CURRENT_USER\\Software\\Kovt]\t\t\r\n\"Bin\"=hex:41,00,00,00,\\\t\r\n  42,00,00,00\t\r\n"
            "\"Other\"=hex(1):43,00,00,00,00,00,00,00\r\n\"Path\"=\"C:\\\\Data\\\\\"\t\r\n");
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\Kovt", L"Bin"), L"AB");
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\Kovt", L"Path"), std::wstring(L"C:\\Data\\") + L'\0');
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\Kovt", L"Other"), std::wstring(L"C") + L'\0');
}

TEST_F(RegistryFileTest, SeesChangesMadeByAnotherProcess) {
  ASSERT_EQ(SetString(HKEY_CURRENT_USER, L"Software\\Kovt", L"Name", L"mine"), ERROR_SUCCESS);
  WriteText(UserFile(), kGoodFile);
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\Kovt", L"Name"), std::wstring(L"good") + L'\0');
  ASSERT_EQ(SetString(HKEY_CURRENT_USER, L"Software\\Kovt", L"Second", L"also"), ERROR_SUCCESS);
  const std::string text = ReadText(UserFile());
  EXPECT_NE(text.find("\"Name\"=\"good\""), std::string::npos) << "the other writer's value was lost";
  EXPECT_NE(text.find("\"Second\"=\"also\""), std::string::npos);
}

TEST_F(RegistryFileTest, FollowsXdgFoldersWithoutOverride) {
  const ScopedEnv noOverride("KOVT_REGISTRY_DIR", std::nullopt);
  const ScopedEnv config("XDG_CONFIG_HOME", (dir_.Path() / "config").string());
  const ScopedEnv data("XDG_DATA_HOME", (dir_.Path() / "data").string());
  EXPECT_EQ(KovtRegistryFile(HKEY_CURRENT_USER),
            (dir_.Path() / "config/kovt/registry/HKEY_CURRENT_USER.reg").string());
  ASSERT_EQ(SetString(HKEY_LOCAL_MACHINE, L"Software", L"v", L"x"), ERROR_SUCCESS);
  EXPECT_TRUE(fs::exists(dir_.Path() / "data/kovt/registry/HKEY_LOCAL_MACHINE.reg"));
}

TEST_F(RegistryFileTest, UnwritableFolderFailsCleanly) {
  WriteText(dir_.Path() / "plain-file", "x");
  const ScopedEnv blocked("KOVT_REGISTRY_DIR", (dir_.Path() / "plain-file" / "sub").string());
  HKEY key = nullptr;
  EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_CANTWRITE);
  EXPECT_EQ(key, nullptr);
  EXPECT_FALSE(KovtRegistryErrorText().empty());
}

TEST_F(RegistryFileTest, KeysAtTheDepthLimitAreWrittenOnce) {
  std::wstring path = L"Software";
  for (int depth = 1; depth < 512; ++depth) path += L"\\k";  // Windows's limit: 512 levels
  ASSERT_EQ(SetString(HKEY_CURRENT_USER, path.c_str(), L"v", L"deep"), ERROR_SUCCESS);
  EXPECT_EQ(SetString(HKEY_CURRENT_USER, (path + L"\\k").c_str(), L"v", L"deeper"), ERROR_INVALID_PARAMETER);
  // The keys above the deepest come back from its section alone; one section each would be quadratic.
  EXPECT_LT(fs::file_size(UserFile()), 2 * path.size());
  KovtRegistryDiscardCache();
  EXPECT_EQ(Get(HKEY_CURRENT_USER, path.c_str(), L"v"), std::wstring(L"deep") + L'\0');
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\k\\k", L"v"), L"<no value>");
}

TEST(RegistryTree, AnyDepthIsTornDownWithoutRecursion) {
  auto root = std::make_unique<kovt_platform::RegKey>(L"HKEY_CURRENT_USER");
  kovt_platform::RegKey* key = root.get();
  bool created = false;
  for (int depth = 0; depth < 1000000; ++depth) key = &key->Child(L"k", created);
  root.reset();
}

// A hive of one section 200,000 keys deep: 400 KB of text.
const std::string& TooDeepHive() {
  static const std::string text = [] {
    std::string hive = "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER";
    for (int depth = 0; depth < 200000; ++depth) hive += "\\k";
    return hive + "]\n";
  }();
  return text;
}

class CorruptRegistryTest : public RegistryFileTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(CorruptRegistryTest, FailsAndLeavesTheFileUntouched) {
  const std::string corrupt = GetParam();
  WriteText(UserFile(), corrupt);
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Kovt", 0, KEY_READ, &key), ERROR_BADDB);
  EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\New", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_BADDB);
  EXPECT_EQ(SetString(HKEY_CURRENT_USER, L"", L"v", L"x"), ERROR_BADDB);
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L"Software"), ERROR_BADDB);
  EXPECT_EQ(ReadText(UserFile()), corrupt);
  EXPECT_NE(KovtRegistryErrorText().find(UserFile().string()), std::string::npos) << KovtRegistryErrorText();

  WriteText(UserFile(), kGoodFile);  // repaired by hand: usable again
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\Kovt", L"Name"), std::wstring(L"good") + L'\0');
}

INSTANTIATE_TEST_SUITE_P(
    Variants, CorruptRegistryTest,
    ::testing::Values("not a registry file\n", "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software\n",
                      "Windows Registry Editor Version 5.00\n\"orphan\"=\"value\"\n",
                      "Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\Software]\n",
                      "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER]\n\"s\"=\"unterminated\n",
                      "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER]\n\"s\"=\"escaped quote\\\"\n",
                      "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER]\n\"b\"=hex:01,zz\n",
                      "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER]\n\"d\"=dword:123456789\n",
                      "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER]\n\"b\"=hex:01,\\\n",
                      "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\\xff]\n", TooDeepHive().c_str()));

}  // namespace
