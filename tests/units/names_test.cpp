// Unit codes, names and display names, in English and Russian.
#include <gtest/gtest.h>

#include "environment/product_info.h"
#include "platform/wide_string.h"
#include "tests/platform/scratch.h"
#include "units/unit_codes.h"
#include "units/unit_lists.h"

namespace {

using namespace KovtUnit;

TEST(UnitCodes, EveryEnglishNameFindsItsCode) {
  for (int code = 0; code < kCodeCount; ++code) {
    ASSERT_NE(NameOfCode(code), nullptr);
    EXPECT_EQ(CodeOfName(NameOfCode(code)), code) << code;
  }
  EXPECT_EQ(NameOfCode(-1), nullptr);
  EXPECT_EQ(NameOfCode(kCodeCount), nullptr);
}

TEST(UnitCodes, RussianNamesShareTheEnglishCodesAndMatchExactly) {
  EXPECT_EQ(CodeOfName(L"мм"), 0);
  EXPECT_EQ(CodeOfName(L"фут"), 4);
  EXPECT_EQ(CodeOfName(L"фут2"), 9);
  EXPECT_EQ(CodeOfName(L"дюйм3"), 13);
  EXPECT_EQ(CodeOfName(L"амер.т"), 18);
  EXPECT_EQ(CodeOfName(L"Н"), 19);
  // Matching is exact.
  EXPECT_FALSE(CodeOfName(L"MM"));
  EXPECT_FALSE(CodeOfName(L"n"));
  EXPECT_FALSE(CodeOfName(L"Deg"));
  EXPECT_FALSE(CodeOfName(L" mm"));
  EXPECT_FALSE(CodeOfName(L""));
  EXPECT_EQ(CodeOfNameOrMm(L"yd"), 0);
  EXPECT_EQ(CodeOfNameOrMm(L"rad"), 21);
}

TEST(UnitCodes, DisplayNamesComeFromTheResourceModuleOfKOVTAppSet) {
  // No product language: the resource folder is the binary folder, where the build puts it.
  ScratchDir registry;
  ScopedEnv folder("KOVT_REGISTRY_DIR", registry.Path().string());
  if (!GetProductLang().IsEmpty()) GTEST_SKIP() << "the product language was read before this test";
  EXPECT_STREQ(DisplayNameOfCode(0), L"mm");
  EXPECT_STREQ(DisplayNameOfCode(7), L"m²");
  EXPECT_STREQ(DisplayNameOfCode(20), L"°");
  EXPECT_EQ(DisplayNameOfCode(22), nullptr);
  EXPECT_EQ(DisplayNameOfCode(-1), nullptr);
}

// Names arrive from files and the command line as UTF-8.
TEST(UnitCodes, RussianNamesSurviveUtf8) {
  const std::pair<const char*, const wchar_t*> twins[] = {
      {"мм", L"mm"}, {"см", L"cm"},  {"м", L"m"},    {"дюйм", L"in"},      {"фут", L"ft"}, {"мм2", L"mm2"},
      {"м3", L"m3"}, {"т", L"t"},    {"кг", L"kg"},  {"фунт", L"lb"},      {"амер.т", L"ustons"}, {"Н", L"N"}};
  for (const auto& [russian, english] : twins) {
    const std::wstring wide = Utf8ToWide(russian);
    EXPECT_EQ(CodeOfName(wide.c_str()), CodeOfName(english)) << russian;
    EXPECT_EQ(WideToUtf8(wide), russian);
  }
  EXPECT_EQ(KovtUnitUtl::GetLengthSel_li(Utf8ToWide("мм").c_str()), 2);
  EXPECT_EQ(KovtUnitUtl::GetMassSel(Utf8ToWide("кг").c_str(), KovtUnitUtl::Russian), 1);
  EXPECT_EQ(WideToUtf8(KovtUnitUtl::GetLengthUnits(KovtUnitUtl::Russian)[1]), "см");
}

}  // namespace
