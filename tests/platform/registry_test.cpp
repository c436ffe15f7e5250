// The registry kept in text files, one per root.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "platform/detail/registry_text.h"
#include "platform/detail/registry_tree.h"
#include "platform/registry.h"
#include "scratch.h"
#include "tests/support/golden_rows.h"

namespace {

namespace fs = std::filesystem;

const std::string kGoodFile =
    "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Kovt]\n\"Name\"=\"good\"\n";
// A stored string: its characters and the terminator.
std::wstring Sz(const std::wstring& text) { return text + L'\0'; }

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { KovtRegistryDiscardCache(); }
  void TearDown() override { KovtRegistryDiscardCache(); }

  static HKEY Create(const wchar_t* path, HKEY root = HKEY_CURRENT_USER, DWORD* disposition = nullptr) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, disposition),
              ERROR_SUCCESS);
    return key;
  }
  static LONG Set(HKEY key, const wchar_t* name, DWORD type, const void* data, DWORD size) {
    return RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
  }
  static LONG SetString(HKEY key, const wchar_t* name, const std::wstring& text) {
    return Set(key, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  // Creates the key and sets a string in it.
  static LONG SetString(HKEY root, const wchar_t* path, const wchar_t* name, const std::wstring& text) {
    HKEY key = nullptr;
    LONG status = RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) status = SetString(key, name, text);
    RegCloseKey(key);
    return status;
  }
  // The stored bytes of a value as wide characters.
  static std::wstring Get(HKEY key, const wchar_t* name) {
    wchar_t buffer[256] = {};
    DWORD size = sizeof buffer - sizeof(wchar_t);
    const LONG status = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    return status == ERROR_SUCCESS ? std::wstring(buffer, size / sizeof(wchar_t)) : L"<no value>";
  }
  static std::wstring Get(HKEY root, const wchar_t* path, const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return L"<no key>";
    std::wstring value = Get(key, name);
    RegCloseKey(key);
    return value;
  }
  fs::path UserFile() const { return dir_.Path() / "HKEY_CURRENT_USER.reg"; }

  ScratchDir dir_;
  ScopedEnv env_{"KOVT_REGISTRY_DIR", dir_.Path().string()};
};

TEST_F(RegistryTest, EveryValueTypeSurvivesARestartInTheFileOfItsRoot) {
  DWORD disposition = 0;
  HKEY key = Create(L"Software\\Kovt", HKEY_CURRENT_USER, &disposition);
  EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
  const std::wstring tricky = L"quote \" back\\slash \u00e9\u4e2d\U0001F600", multiline = L"two\nlines";
  const std::wstring lone = std::wstring(L"lone ") + static_cast<wchar_t>(0xDFFF);
  const DWORD number = 10;
  const BYTE bytes[] = {1, 2, 0, 255};
  ASSERT_EQ(SetString(key, L"Tricky", tricky), ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, L"Multi", multiline), ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, L"Lone", lone), ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, nullptr, L"default"), ERROR_SUCCESS);
  ASSERT_EQ(Set(key, L"n", REG_DWORD, &number, 4), ERROR_SUCCESS);
  ASSERT_EQ(Set(key, L"b", REG_BINARY, bytes, 4), ERROR_SUCCESS);
  const std::wstring abc = L"abc";  // stored without its terminator, read with one
  ASSERT_EQ(Set(key, L"t", REG_SZ, abc.data(), 3 * sizeof(wchar_t)), ERROR_SUCCESS);
  RegCloseKey(key);
  RegCloseKey(Create(L"Software\\Kovt\\Empty"));
  ASSERT_EQ(SetString(HKEY_LOCAL_MACHINE, L"Software\\Kovt", L"Where", L"machine"), ERROR_SUCCESS);

  const std::string text = ReadText(UserFile());
  EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00\n", 0), 0u);
  for (const char* line : {"[HKEY_CURRENT_USER\\Software\\Kovt\\Empty]", "\"n\"=dword:0000000a",
                           "\"b\"=hex:01,02,00,ff", "@=\"default\""})
    EXPECT_NE(text.find(line), std::string::npos) << line;
  EXPECT_EQ(KovtRegistryFile(HKEY_LOCAL_MACHINE), (dir_.Path() / "HKEY_LOCAL_MACHINE.reg").string());
  EXPECT_NE(ReadText(KovtRegistryFile(HKEY_LOCAL_MACHINE)).find("[HKEY_LOCAL_MACHINE\\Software\\Kovt]"),
            std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.Path()), fs::directory_iterator()), 2)
      << "a temporary file was left";

  KovtRegistryDiscardCache();
  key = Create(L"software\\kovt", HKEY_CURRENT_USER, &disposition);
  EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
  EXPECT_EQ(Get(key, L"tricky"), Sz(tricky));
  EXPECT_EQ(Get(key, L"Multi"), Sz(multiline));
  EXPECT_EQ(Get(key, L"Lone"), Sz(lone));
  EXPECT_EQ(Get(key, L""), Sz(L"default"));
  EXPECT_EQ(Get(key, L"t"), Sz(L"abc"));
  DWORD type = 0, read = 0, size = sizeof read;
  ASSERT_EQ(RegQueryValueExW(key, L"n", nullptr, &type, reinterpret_cast<BYTE*>(&read), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(std::vector<DWORD>({type, read, size}), std::vector<DWORD>({REG_DWORD, 10, 4}));
  BYTE readBytes[8] = {};
  size = sizeof readBytes;
  ASSERT_EQ(RegQueryValueExW(key, L"b", nullptr, &type, readBytes, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_BINARY);
  EXPECT_EQ(std::vector<BYTE>(readBytes, readBytes + size), std::vector<BYTE>(bytes, bytes + 4));
  EXPECT_EQ(Get(key, L"Where"), L"<no value>") << "each root has its own file";
  EXPECT_NE(Get(HKEY_CURRENT_USER, L"Software\\Kovt\\Empty", L"x"), L"<no key>");
  RegCloseKey(key);
}

TEST_F(RegistryTest, NamesIgnoreCaseKeepTheirFirstSpellingAndEnumerateInOrder) {
  for (const wchar_t* path : {L"Software\\Order\\charlie", L"SOFTWARE\\order\\Alpha", L"Software\\Order\\b"})
    RegCloseKey(Create(path));
  HKEY key = Create(L"software\\ORDER");
  for (const wchar_t* name : {L"z", L"a", L"m", L"Z"}) ASSERT_EQ(SetString(key, name, name), ERROR_SUCCESS);
  EXPECT_EQ(Get(key, L"z"), Sz(L"Z"));
  std::vector<std::wstring> keys, values;
  wchar_t name[32];
  DWORD size = 32;
  for (DWORD i = 0; RegEnumKeyExW(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i, size = 32)
    keys.emplace_back(name);
  for (DWORD i = 0; RegEnumValueW(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i, size = 32)
    values.emplace_back(name);
  EXPECT_EQ(keys, (std::vector<std::wstring>{L"Alpha", L"b", L"charlie"}));
  EXPECT_EQ(values, (std::vector<std::wstring>{L"z", L"a", L"m"}));
  RegCloseKey(key);
  HKEY software = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"software", 0, KEY_READ, &software), ERROR_SUCCESS);
  size = 32;
  ASSERT_EQ(RegEnumKeyExW(software, 0, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(name), L"Order");
  RegCloseKey(software);
}

TEST_F(RegistryTest, SmallBuffersGetMoreDataAndTheSizeNeeded) {
  HKEY key = Create(L"Software\\Sizes\\LongSubKeyName");
  ASSERT_EQ(SetString(key, L"Text", L"abcdef"), ERROR_SUCCESS);
  const DWORD needed = 7 * sizeof(wchar_t);
  DWORD size = 0;
  ASSERT_EQ(RegQueryValueExW(key, L"Text", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, needed);
  wchar_t small[3] = {L'x', L'y', L'z'};
  size = sizeof small;
  EXPECT_EQ(RegQueryValueExW(key, L"Text", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, needed);
  EXPECT_EQ(small[0], L'x');
  RegCloseKey(key);
  HKEY parent = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Sizes", 0, KEY_READ, &parent), ERROR_SUCCESS);
  wchar_t name[8];
  DWORD nameSize = 8;
  EXPECT_EQ(RegEnumKeyExW(parent, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
  RegCloseKey(parent);
}

TEST_F(RegistryTest, DeletesValuesAndLeafKeysOnly) {
  HKEY leaf = Create(L"Software\\Del\\Leaf");
  ASSERT_EQ(SetString(leaf, L"v", L"x"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueW(leaf, L"V"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueW(leaf, L"v"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(Get(leaf, L"v"), L"<no value>");
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Del"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Del\\Leaf"), ERROR_SUCCESS);
  EXPECT_EQ(SetString(leaf, L"v", L"x"), ERROR_KEY_DELETED);
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Del\\Leaf"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L""), ERROR_ACCESS_DENIED);
  HKEY gone = reinterpret_cast<HKEY>(1);
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Del\\Leaf", 0, KEY_READ, &gone), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(gone, nullptr);
  RegCloseKey(leaf);
}

TEST_F(RegistryTest, RefusesBadArgumentsAndMissingRights) {
  HKEY key = Create(L"Software\\Args");
  ASSERT_EQ(SetString(key, L"kept", L"yes"), ERROR_SUCCESS);
  HKEY readOnly = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Args", 0, KEY_READ, &readOnly), ERROR_SUCCESS);
  EXPECT_EQ(SetString(readOnly, L"kept", L"no"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteValueW(readOnly, L"kept"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(Get(readOnly, L"kept"), Sz(L"yes"));
  const BYTE three[3] = {};
  EXPECT_EQ(Set(key, L"d", REG_DWORD, three, 3), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(Set(key, L"s", REG_SZ, three, 3), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(Set(key, L"b", REG_BINARY, nullptr, 4), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(SetString(key, L"line\nbreak", L"x"), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegQueryValueExW(key, L"kept", nullptr, nullptr, reinterpret_cast<BYTE*>(&key), nullptr),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegCloseKey(readOnly), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(readOnly), ERROR_INVALID_HANDLE);
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) EXPECT_EQ(RegCloseKey(root), ERROR_SUCCESS);
  EXPECT_EQ(SetString(readOnly, L"kept", L"no"), ERROR_INVALID_HANDLE);
  RegCloseKey(key);
}

TEST_F(RegistryTest, ReadsHandWrittenFilesAndSeesChangesOfOtherProcesses) {
  WriteText(UserFile(),
            "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n; comment\r\n"
            "[HKEY_CURRENT_USER\\Software\\Kovt]\t\t\r\n\"Bin\"=hex:41,00,00,00,\\\t\r\n  42,00,00,00\t\r\n"
            "\"Other\"=hex(1):43,00,00,00,00,00,00,00\r\n\"Path\"=\"C:\\\\Data\\\\\"\t\r\n");
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\Kovt", L"Bin"), L"AB");
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\Kovt", L"Path"), Sz(L"C:\\Data\\"));
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\Kovt", L"Other"), Sz(L"C"));

  ASSERT_EQ(SetString(HKEY_CURRENT_USER, L"Software\\Kovt", L"Name", L"mine"), ERROR_SUCCESS);
  WriteText(UserFile(), kGoodFile);
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\Kovt", L"Name"), Sz(L"good"));
  ASSERT_EQ(SetString(HKEY_CURRENT_USER, L"Software\\Kovt", L"Second", L"also"), ERROR_SUCCESS);
  const std::string text = ReadText(UserFile());
  EXPECT_NE(text.find("\"Name\"=\"good\""), std::string::npos) << "the other writer's value was lost";
  EXPECT_NE(text.find("\"Second\"=\"also\""), std::string::npos);
}

TEST_F(RegistryTest, FollowsXdgFoldersWithoutOverrideAndFailsCleanlyWhereNothingCanBeWritten) {
  {
    const ScopedEnv noOverride("KOVT_REGISTRY_DIR", std::nullopt);
    const ScopedEnv config("XDG_CONFIG_HOME", (dir_.Path() / "config").string());
    const ScopedEnv data("XDG_DATA_HOME", (dir_.Path() / "data").string());
    EXPECT_EQ(KovtRegistryFile(HKEY_CURRENT_USER),
              (dir_.Path() / "config/kovt/registry/HKEY_CURRENT_USER.reg").string());
    ASSERT_EQ(SetString(HKEY_LOCAL_MACHINE, L"Software", L"v", L"x"), ERROR_SUCCESS);
    EXPECT_TRUE(fs::exists(dir_.Path() / "data/kovt/registry/HKEY_LOCAL_MACHINE.reg"));
    EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software", L"v"), L"<no key>");
    EXPECT_FALSE(fs::exists(dir_.Path() / "config/kovt/registry")) << "reading must not create a hive file";
  }
  WriteText(dir_.Path() / "plain-file", "x");
  const ScopedEnv blocked("KOVT_REGISTRY_DIR", (dir_.Path() / "plain-file" / "sub").string());
  HKEY key = nullptr;
  EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_CANTWRITE);
  EXPECT_EQ(key, nullptr);
  EXPECT_FALSE(KovtRegistryErrorText().empty());
}

TEST_F(RegistryTest, KeysAtTheDepthLimitAreWrittenOnceAndAnyDepthIsTornDownWithoutRecursion) {
  std::wstring path = L"Software";
  for (int depth = 1; depth < 512; ++depth) path += L"\\k";  // Windows's limit: 512 levels
  ASSERT_EQ(SetString(HKEY_CURRENT_USER, path.c_str(), L"v", L"deep"), ERROR_SUCCESS);
  EXPECT_EQ(SetString(HKEY_CURRENT_USER, (path + L"\\k").c_str(), L"v", L"deeper"), ERROR_INVALID_PARAMETER);
  // The keys above the deepest come back from its section alone; one section each would be quadratic.
  EXPECT_LT(fs::file_size(UserFile()), 2 * path.size());
  KovtRegistryDiscardCache();
  EXPECT_EQ(Get(HKEY_CURRENT_USER, path.c_str(), L"v"), Sz(L"deep"));
  EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\k\\k", L"v"), L"<no value>");

  auto root = std::make_unique<kovt_platform::RegKey>(L"HKEY_CURRENT_USER");
  kovt_platform::RegKey* key = root.get();
  bool created = false;
  for (int depth = 0; depth < 1000000; ++depth) key = &key->Child(L"k", created);
  root.reset();
}

// Every call refuses a damaged hive file and leaves it as it was.
TEST_F(RegistryTest, CorruptFilesFailEveryCallAndStayUntouched) {
  std::string tooDeep = "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER";
  for (int depth = 0; depth < 200000; ++depth) tooDeep += "\\k";
  std::vector<std::string> files{tooDeep + "]\n"};
  for (const GoldenRow& row : ReadGoldenRows("platform/data/corrupt_registry.txt", 1))
    files.push_back(Unescaped(row[0]));
  for (const std::string& corrupt : files) {
    SCOPED_TRACE(corrupt.substr(0, 100));
    KovtRegistryDiscardCache();
    WriteText(UserFile(), corrupt);
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Kovt", 0, KEY_READ, &key), ERROR_BADDB);
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\New", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_BADDB);
    EXPECT_EQ(SetString(HKEY_CURRENT_USER, L"", L"v", L"x"), ERROR_BADDB);
    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L"Software"), ERROR_BADDB);
    EXPECT_EQ(ReadText(UserFile()), corrupt);
    const std::string error = KovtRegistryErrorText();
    EXPECT_NE(error.find(UserFile().string()), std::string::npos) << error;

    WriteText(UserFile(), kGoodFile);  // repaired by hand: usable again
    EXPECT_EQ(Get(HKEY_CURRENT_USER, L"Software\\Kovt", L"Name"), Sz(L"good"));
  }
}

// A refused text names the line at fault, counted from one, blank lines included.
TEST(RegistryText, ErrorsNameTheirLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"not a registry file\n", "line 1: "},
      {"\n\nnot a registry file\n", "line 3: "},
      {"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER]\n\"b\"=hex:01,zz\n", "line 4: "},
  };
  for (const auto& [text, line] : cases) {
    std::string error;
    EXPECT_EQ(kovt_platform::ParseRegText(text, L"HKEY_CURRENT_USER", error), nullptr) << text;
    EXPECT_EQ(error.rfind(line, 0), 0u) << error;
  }
}

}  // namespace
