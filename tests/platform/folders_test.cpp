#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/known_folders.h"
#include "platform/path_helpers.h"
#include "platform/wide_string.h"
#include "scratch.h"
#include "tests/support/golden_rows.h"

namespace {

namespace fs = std::filesystem;

std::wstring Wide(const fs::path& path) { return Utf8ToWide(path.string()); }

class DataFoldersTest : public ::testing::Test {
 protected:
  std::wstring Folder(int csidl, const wchar_t* subDir, HRESULT expected = S_OK) {
    wchar_t path[MAX_PATH] = L"untouched";
    EXPECT_EQ(SHGetFolderPathAndSubDirW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, subDir, path), expected);
    return path;
  }
  ScratchDir dir_;
};

TEST_F(DataFoldersTest, OverrideHoldsEveryFolderAndCreatesOnRequest) {
  const ScopedEnv data("KOVT_DATA_DIR", dir_.Path().string());
  const auto user = Folder(CSIDL_APPDATA | CSIDL_FLAG_CREATE, L"Hexlon\\Lattice\\Common Data\\");
  EXPECT_EQ(user, Wide(dir_.Path() / "AppData/Hexlon/Lattice/Common Data"));
  EXPECT_TRUE(fs::is_directory(dir_.Path() / "AppData/Hexlon/Lattice/Common Data"));
  EXPECT_EQ(Folder(CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, L"\\X"), Wide(dir_.Path() / "CommonAppData/X"));
  EXPECT_EQ(Folder(CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr), Wide(dir_.Path() / "LocalAppData"));
  EXPECT_EQ(Folder(CSIDL_APPDATA, L"Missing", HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)), L"");
  EXPECT_FALSE(fs::exists(dir_.Path() / "AppData/Missing"));
  EXPECT_EQ(Folder(0x0005, nullptr, E_INVALIDARG), L"");
}

TEST_F(DataFoldersTest, FollowsXdgWithoutOverride) {
  const ScopedEnv noOverride("KOVT_DATA_DIR", std::nullopt);
  const ScopedEnv home("HOME", (dir_.Path() / "home").string());
  const ScopedEnv config("XDG_CONFIG_HOME", (dir_.Path() / "config").string());
  const ScopedEnv relative("XDG_DATA_HOME", "relative/ignored");
  const ScopedEnv shared("XDG_DATA_DIRS", "relative:" + (dir_.Path() / "shared").string() + ":/usr/share");
  EXPECT_EQ(Folder(CSIDL_APPDATA | CSIDL_FLAG_CREATE, L"A"), Wide(dir_.Path() / "config/A"));
  EXPECT_EQ(Folder(CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, L"B"), Wide(dir_.Path() / "home/.local/share/B"));
  EXPECT_EQ(Folder(CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, L"C"), Wide(dir_.Path() / "shared/C"));
}

TEST(PathCombine, JoinsAndResolvesDotsWithinMaxPath) {
  const auto argument = [](const std::wstring& text) { return text == L"(null)" ? nullptr : text.c_str(); };
  for (const GoldenRow& row : ReadGoldenRows("platform/data/path_combine.txt", 3)) {
    wchar_t dest[MAX_PATH];
    ASSERT_EQ(PathCombineW(dest, argument(row[0]), argument(row[1])), dest) << WideToUtf8(row[2]);
    EXPECT_EQ(dest, row[2]);
  }
  // Results longer than MAX_PATH are refused.
  wchar_t dest[MAX_PATH] = L"old";
  const std::wstring longName(MAX_PATH, L'x');
  EXPECT_EQ(PathCombineW(dest, L"/a", longName.c_str()), nullptr);
  EXPECT_EQ(dest[0], L'\0');
  wchar_t path[MAX_PATH] = L"/kept";
  EXPECT_FALSE(PathAppendW(path, longName.c_str()));
  EXPECT_EQ(std::wstring(path), L"/kept");
  EXPECT_TRUE(PathAppendW(path, L"\\more\\file.txt"));
  EXPECT_EQ(std::wstring(path), L"/kept/more/file.txt");
  EXPECT_TRUE(PathCombineW(path, path, L"..\\other"));  // in place
  EXPECT_EQ(std::wstring(path), L"/kept/more/other");
}

TEST(CurrentDirectory, SetsAndReportsIt) {
  const ScratchDir dir;
  const fs::path before = fs::current_path();
  std::wstring target = Wide(dir.Path() / "sub");
  fs::create_directory(dir.Path() / "sub");
  std::replace(target.begin(), target.end(), L'/', L'\\');
  ASSERT_TRUE(SetCurrentDirectoryW(target.c_str()));
  const std::wstring expected = Wide(fs::current_path());
  wchar_t buffer[MAX_PATH];
  EXPECT_EQ(GetCurrentDirectoryW(MAX_PATH, buffer), expected.size());
  EXPECT_EQ(std::wstring(buffer), expected);
  EXPECT_EQ(fs::current_path(), fs::canonical(dir.Path() / "sub"));
  EXPECT_EQ(GetCurrentDirectoryW(3, buffer), expected.size() + 1);
  EXPECT_FALSE(SetCurrentDirectoryW(L"/nonexistent/folder"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  fs::current_path(before);
}

}  // namespace
