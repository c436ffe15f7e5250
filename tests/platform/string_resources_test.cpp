#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/modules.h"
#include "platform/string_resources.h"
#include "platform/wide_string.h"

// The program's own table; the test module has a different one.
const KovtStringResource KovtStringTable[] = {{1, L"Program one"}, {3, L"Three"}, {0, nullptr}};

namespace {

class StringResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryW(Utf8ToWide(KOVT_TEST_MODULE_PATH).c_str());
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override { FreeLibrary(module_); }

  static std::wstring Load(HMODULE module, UINT id, int bufferMax = 64) {
    wchar_t buffer[64] = L"untouched";
    const int length = LoadStringW(module, id, buffer, bufferMax);
    EXPECT_EQ(static_cast<std::size_t>(length), std::wstring(buffer).size());
    return buffer;
  }
  HMODULE module_ = nullptr;
};

TEST_F(StringResourcesTest, EachModuleAnswersFromItsOwnTableCutToTheBufferOrByPointer) {
  EXPECT_EQ(Load(module_, 7), L"Seven");
  EXPECT_EQ(Load(module_, 1), L"Module one");
  EXPECT_EQ(Load(nullptr, 1), L"Program one");
  EXPECT_EQ(Load(nullptr, 7), L"");
  EXPECT_EQ(Load(module_, 3), L"");
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
  HMODULE dependent = LoadLibraryW(Utf8ToWide(KOVT_TEST_DEPENDENT_PATH).c_str());
  ASSERT_NE(dependent, nullptr);
  EXPECT_EQ(Load(dependent, 7), L"") << "the table of a dependency is not the module's";
  FreeLibrary(dependent);
  EXPECT_EQ(Load(module_, 7, 4), L"Sev");
  EXPECT_EQ(Load(module_, 7, 1), L"");
  const wchar_t* text = nullptr;
  EXPECT_EQ(LoadStringW(module_, 1, reinterpret_cast<wchar_t*>(&text), 0), 10);
  EXPECT_EQ(std::wstring(text), L"Module one");
  EXPECT_EQ(LoadStringW(module_, 1, nullptr, 10), 0);
}

}  // namespace
