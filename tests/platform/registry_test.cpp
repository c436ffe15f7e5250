#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "scratch.h"

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { KovtRegistryDiscardCache(); }
  void TearDown() override { KovtRegistryDiscardCache(); }

  HKEY Create(const wchar_t* path, DWORD* disposition = nullptr) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, disposition),
              ERROR_SUCCESS);
    return key;
  }
  static LONG SetString(HKEY key, const wchar_t* name, const std::wstring& text) {
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  static std::wstring QueryString(HKEY key, const wchar_t* name) {
    wchar_t buffer[256] = L"<unset>";
    DWORD size = sizeof buffer;
    DWORD type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
      return L"<missing>";
    return buffer;
  }

  ScratchDir dir_;
  ScopedEnv env_{"KOVT_REGISTRY_DIR", dir_.Path().string()};
};

TEST_F(RegistryTest, StoresAndReadsEveryValueType) {
  DWORD disposition = 0;
  HKEY key = Create(L"Software\\Kovt\\Test", &disposition);
  EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
  const DWORD number = 10;
  const BYTE bytes[] = {1, 2, 0, 255};
  ASSERT_EQ(SetString(key, L"Text", L"hello"), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, L"Bytes", 0, REG_BINARY, bytes, sizeof bytes), ERROR_SUCCESS);

  EXPECT_EQ(QueryString(key, L"Text"), L"hello");
  DWORD type = 0, read = 0, size = sizeof read;
  ASSERT_EQ(RegQueryValueExW(key, L"Number", nullptr, &type, reinterpret_cast<BYTE*>(&read), &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_DWORD);
  EXPECT_EQ(read, 10u);
  BYTE readBytes[8] = {};
  size = sizeof readBytes;
  ASSERT_EQ(RegQueryValueExW(key, L"Bytes", nullptr, &type, readBytes, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_BINARY);
  ASSERT_EQ(size, sizeof bytes);
  EXPECT_EQ(std::memcmp(readBytes, bytes, sizeof bytes), 0);
  EXPECT_EQ(QueryString(key, L"Absent"), L"<missing>");
  RegCloseKey(key);

  HKEY again = Create(L"Software\\Kovt\\Test", &disposition);
  EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
  EXPECT_EQ(QueryString(again, L"Text"), L"hello");
  RegCloseKey(again);
}

TEST_F(RegistryTest, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
  RegCloseKey(Create(L"Software\\MixedCase"));
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\mixedcase", 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, L"Value", L"one"), ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, L"VALUE", L"two"), ERROR_SUCCESS);
  EXPECT_EQ(QueryString(key, L"value"), L"two");
  wchar_t name[32];
  DWORD nameSize = 32;
  ASSERT_EQ(RegEnumValueW(key, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(name), L"Value");
  EXPECT_EQ(RegEnumValueW(key, 1, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
  RegCloseKey(key);

  HKEY software = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"software", 0, KEY_READ, &software), ERROR_SUCCESS);
  nameSize = 32;
  ASSERT_EQ(RegEnumKeyExW(software, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(name), L"MixedCase");
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

TEST_F(RegistryTest, EnumeratesSubKeysByNameAndValuesByCreation) {
  for (const wchar_t* path : {L"Software\\Order\\charlie", L"Software\\Order\\Alpha", L"Software\\Order\\bravo"})
    RegCloseKey(Create(path));
  HKEY key = Create(L"Software\\Order");
  for (const wchar_t* name : {L"z", L"a", L"m"}) ASSERT_EQ(SetString(key, name, name), ERROR_SUCCESS);
  std::vector<std::wstring> keys, values;
  wchar_t name[32];
  DWORD size = 32;
  for (DWORD i = 0; RegEnumKeyExW(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i, size = 32)
    keys.emplace_back(name);
  for (DWORD i = 0; RegEnumValueW(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i, size = 32)
    values.emplace_back(name);
  EXPECT_EQ(keys, (std::vector<std::wstring>{L"Alpha", L"bravo", L"charlie"}));
  EXPECT_EQ(values, (std::vector<std::wstring>{L"z", L"a", L"m"}));
  RegCloseKey(key);
}

TEST_F(RegistryTest, DeletesValuesAndLeafKeysOnly) {
  HKEY leaf = Create(L"Software\\Del\\Leaf");
  ASSERT_EQ(SetString(leaf, L"v", L"x"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueW(leaf, L"V"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueW(leaf, L"v"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(QueryString(leaf, L"v"), L"<missing>");

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
  EXPECT_EQ(QueryString(readOnly, L"kept"), L"yes");

  const BYTE three[3] = {};
  EXPECT_EQ(RegSetValueExW(key, L"d", 0, REG_DWORD, three, 3), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegSetValueExW(key, L"s", 0, REG_SZ, three, 3), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegSetValueExW(key, L"b", 0, REG_BINARY, nullptr, 4), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(SetString(key, L"line\nbreak", L"x"), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegQueryValueExW(key, L"kept", nullptr, nullptr, reinterpret_cast<BYTE*>(&key), nullptr),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegCloseKey(readOnly), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(readOnly), ERROR_INVALID_HANDLE);
  EXPECT_EQ(SetString(readOnly, L"kept", L"no"), ERROR_INVALID_HANDLE);
  RegCloseKey(key);
}

TEST_F(RegistryTest, StringsAreStoredTerminated) {
  HKEY key = Create(L"Software\\Terminated");
  const std::wstring text = L"abc";
  ASSERT_EQ(RegSetValueExW(key, L"t", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                           static_cast<DWORD>(text.size() * sizeof(wchar_t))),
            ERROR_SUCCESS);
  DWORD size = 0;
  RegQueryValueExW(key, L"t", nullptr, nullptr, nullptr, &size);
  EXPECT_EQ(size, 4 * sizeof(wchar_t));
  EXPECT_EQ(QueryString(key, L"t"), L"abc");
  RegCloseKey(key);
}

}  // namespace
