#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "platform/modules.h"
#include "platform/string_resources.h"
#include "platform/wide_string.h"

// The program's own string table; the test module has a different one.
const KovtStringResource KovtStringTable[] = {{1, L"Program one"}, {3, L"Three"}, {0, nullptr}};

namespace {

namespace fs = std::filesystem;

const fs::path kModulePath = fs::weakly_canonical(KOVT_TEST_MODULE_PATH);
const std::wstring kModuleWide = Utf8ToWide(kModulePath.string());

std::wstring FileNameOf(HMODULE module) {
  wchar_t buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameW(module, buffer, MAX_PATH);
  return std::wstring(buffer, length);
}

class ModulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::wstring backslashed = kModuleWide;
    std::replace(backslashed.begin(), backslashed.end(), L'/', L'\\');
    module_ = LoadLibraryW(backslashed.c_str());
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }
  static std::wstring Load(HMODULE module, UINT id, int bufferMax = 64) {
    wchar_t buffer[64] = L"untouched";
    const int length = LoadStringW(module, id, buffer, bufferMax);
    EXPECT_EQ(static_cast<std::size_t>(length), std::wstring(buffer).size());
    return buffer;
  }
  HMODULE module_ = nullptr;
};

TEST_F(ModulesTest, FindsOnlyTheModulesOwnExportsNotThoseOfDependencies) {
  using Answer = int (*)();
  auto answer = reinterpret_cast<Answer>(GetProcAddress(module_, "KovtTestModuleAnswer"));
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 42);
  SetLastError(0);
  EXPECT_EQ(GetProcAddress(module_, "NoSuchSymbol"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
  HMODULE dependent = LoadLibraryW(Utf8ToWide(KOVT_TEST_DEPENDENT_PATH).c_str());
  ASSERT_NE(dependent, nullptr);
  answer = reinterpret_cast<Answer>(GetProcAddress(dependent, "KovtTestDependentAnswer"));
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 43);
  EXPECT_EQ(GetProcAddress(dependent, "KovtTestModuleAnswer"), nullptr);
  FreeLibrary(dependent);
}

TEST_F(ModulesTest, ReportsFileNames) {
  EXPECT_EQ(FileNameOf(module_), kModuleWide);
  EXPECT_EQ(FileNameOf(nullptr), Utf8ToWide(fs::read_symlink("/proc/self/exe").string()));
  wchar_t small[5];
  EXPECT_EQ(GetModuleFileNameW(module_, small, 5), 5u);
  EXPECT_EQ(std::wstring(small), kModuleWide.substr(0, 4));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST_F(ModulesTest, LooksUpLoadedModulesByNameOrAddress) {
  EXPECT_EQ(GetModuleHandleW(L"kovtplatformtestmodule.KMO"), module_);
  EXPECT_EQ(GetModuleHandleW(kModuleWide.c_str()), module_);
  EXPECT_EQ(GetModuleHandleW(L"NotLoaded.kmo"), nullptr);
  EXPECT_EQ(GetModuleHandleFromAddress(GetProcAddress(module_, "KovtTestModuleAnswer")), module_);
  EXPECT_EQ(GetModuleHandleFromAddress(reinterpret_cast<const void*>(&FileNameOf)), GetModuleHandleW(nullptr));
  const HMODULE platform = GetModuleHandleFromAddress(reinterpret_cast<const void*>(&LoadLibraryW));
  EXPECT_EQ(fs::path(FileNameOf(platform)).filename(), "libkovt_platform.so");
  EXPECT_EQ(GetModuleHandleFromAddress(nullptr), nullptr);
}

TEST_F(ModulesTest, CountsReferencesLikeWindowsAndMissingFilesFail) {
  HMODULE extra = nullptr;
  ASSERT_TRUE(GetModuleHandleExW(0, kModuleWide.c_str(), &extra));
  HMODULE uncounted = nullptr;
  ASSERT_TRUE(GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                 reinterpret_cast<const wchar_t*>(GetProcAddress(module_, "KovtTestModuleAnswer")),
                                 &uncounted));
  EXPECT_EQ(uncounted, module_);
  EXPECT_TRUE(FreeLibrary(module_));
  EXPECT_EQ(GetModuleHandleW(L"KovtPlatformTestModule.kmo"), extra) << "GetModuleHandleExW holds a reference";
  EXPECT_TRUE(FreeLibrary(extra));
  module_ = nullptr;
  EXPECT_EQ(GetModuleHandleW(L"KovtPlatformTestModule.kmo"), nullptr);
  SetLastError(0);
  EXPECT_EQ(LoadLibraryW(L"/nonexistent/Missing.kmo"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  EXPECT_EQ(LoadLibraryW(nullptr), nullptr);
  EXPECT_FALSE(FreeLibrary(nullptr));
}

TEST_F(ModulesTest, EachModuleAnswersFromItsOwnStringTableCutToTheBufferOrByPointer) {
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
