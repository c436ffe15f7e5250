#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/find_files.h"
#include "platform/wide_string.h"
#include "scratch.h"
#include "tests/support/golden_rows.h"

namespace {

class FindFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"Alpha.txt", "beta.TXT", "gamma.dat", "noext", ".hidden"})
      WriteText(dir_.Path() / name, name);
    std::filesystem::create_directory(dir_.Path() / "Sub");
  }

  // Names matching pattern (relative to the scratch folder, joined with '\').
  std::vector<std::wstring> Find(const std::wstring& pattern, DWORD* error = nullptr) {
    const std::wstring full = Utf8ToWide(dir_.Path().string()) + L"\\" + pattern;
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(full.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
      if (error) *error = GetLastError();
      return names;
    }
    do names.emplace_back(data.cFileName);
    while (FindNextFileW(find, &data));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(find));
    return names;
  }
  ScratchDir dir_;
};

TEST_F(FindFilesTest, MatchesWindowsPatternsOrSaysWhyNothingWasFound) {
  for (const GoldenRow& row : ReadGoldenRows("platform/data/find_patterns.txt", 3)) {
    DWORD error = 0;
    std::wstring names;
    for (const std::wstring& name : Find(row[0], &error)) names += name + L"|";
    EXPECT_EQ(names, row[1]) << WideToUtf8(row[0]);
    EXPECT_EQ(std::to_wstring(error), row[2]) << WideToUtf8(row[0]);
  }
}

TEST_F(FindFilesTest, DescribesEntriesAndMarksLinksAsReparsePoints) {
  std::filesystem::create_directory_symlink(dir_.Path() / "Sub", dir_.Path() / "SubLink");
  std::filesystem::create_symlink(dir_.Path() / "gone", dir_.Path() / "dangling");
  const std::pair<const char*, DWORD> entries[] = {
      {"Sub", FILE_ATTRIBUTE_DIRECTORY}, {"gamma.dat", FILE_ATTRIBUTE_NORMAL},
      {"SubLink", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT}, {"dangling", FILE_ATTRIBUTE_REPARSE_POINT},
      {".hidden", FILE_ATTRIBUTE_HIDDEN}};
  for (const auto& [name, attributes] : entries) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Utf8ToWide((dir_.Path() / name).string()).c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE) << name;
    EXPECT_EQ(data.dwFileAttributes, attributes) << name;
    if (attributes == FILE_ATTRIBUTE_NORMAL) {
      EXPECT_EQ(data.nFileSizeLow, 9u);
      EXPECT_NE(data.ftLastWriteTime.dwHighDateTime, 0u);
    }
    FindClose(find);
  }
  WIN32_FIND_DATAW data;
  EXPECT_EQ(FindFirstFileW(nullptr, &data), INVALID_HANDLE_VALUE);
  HANDLE find = FindFirstFileW(Utf8ToWide(dir_.Path().string() + "/*").c_str(), &data);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(FindClose(find));
  EXPECT_FALSE(FindClose(find));
  EXPECT_FALSE(FindNextFileW(find, &data));
}

}  // namespace
