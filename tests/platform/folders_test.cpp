#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/path_helpers.h"
#include "platform/wide_string.h"
#include "scratch.h"
#include "tests/support/golden_rows.h"

namespace {

namespace fs = std::filesystem;

std::wstring Wide(const fs::path& path) { return Utf8ToWide(path.string()); }

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
