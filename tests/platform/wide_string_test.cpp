#include <gtest/gtest.h>

#include <string>

#include "platform/detail/case_fold.h"
#include "platform/wide_string.h"
#include "tests/support/golden_rows.h"

namespace {

TEST(WideString, RoundTripsEveryEncodingLength) {
  const std::wstring text = {L'\0', L'A', 0x7F, 0x80, 0x7FF, 0x800, 0xD7FF, 0xE000, 0xFFFF, 0x10000, 0x10FFFF};
  const std::string utf8 = WideToUtf8(text);
  EXPECT_EQ(utf8.size(), 1 + 1 + 1 + 2 + 2 + 3 + 3 + 3 + 3 + 4 + 4u);
  EXPECT_EQ(Utf8ToWide(utf8), text);
  EXPECT_EQ(WideToUtf8(L"\u00e9\u20ac\U0001F600"), "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  // Code points UTF-8 cannot hold become U+FFFD.
  const std::wstring bad = {static_cast<wchar_t>(0xD800), L'x', static_cast<wchar_t>(0xDFFF),
                            static_cast<wchar_t>(0x110000), static_cast<wchar_t>(-1)};
  EXPECT_EQ(WideToUtf8(bad), "\xEF\xBF\xBDx\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(WideToUtf8(L""), "");
}

TEST(WideString, ReplacesIllFormedUtf8PerMaximalSubpart) {
  for (const GoldenRow& row : ReadGoldenRows("platform/data/utf8_repairs.txt", 2))
    EXPECT_EQ(Utf8ToWide(Unescaped(row[0])), Utf8ToWide(Unescaped(row[1]))) << WideToUtf8(row[0]);
}

TEST(WideString, FileNamesKeepEveryByte) {
  const struct {
    std::string name;
    std::wstring wide;
  } cases[] = {
      {"plan.pndwg", L"plan.pndwg"},
      {"B\xC3\xBCro/\xD0\xA7.pndwg", L"B\u00fcro/\u0427.pndwg"},  // UTF-8 decodes as usual
      {"\xFF.pndwg", std::wstring{wchar_t(0xDCFF)} + L".pndwg"},
      {"\xE2\x82" "a", {wchar_t(0xDCE2), wchar_t(0xDC82), L'a'}},  // each byte of a bad sequence
      {"\xED\xA0\x80", {wchar_t(0xDCED), wchar_t(0xDCA0), wchar_t(0xDC80)}},  // an encoded surrogate
      {"\xEF\xBF\xBD", L"\uFFFD"},                                          // a real replacement character
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NativeNameToWide(c.name), c.wide) << c.name;
    EXPECT_EQ(WideToNativeName(c.wide), c.name) << c.name;
  }
  // Text is not a name: escaped bytes show as U+FFFD.
  EXPECT_EQ(WideToUtf8(NativeNameToWide("\xFF")), "\xEF\xBF\xBD");
}

// Names compare as the platform's file and key names do: each capital of the
// Latin, Greek and Cyrillic blocks folds to its small letter, and nothing else moves.
TEST(WideString, CaseFoldingTakesCapitalsToTheirSmallLetters) {
  EXPECT_EQ(kovt_platform::FoldCase(L"AZaz@[\u00C0\u00DE\u00D7\u00DF\u0100\u0101\u012E\u0130\u0138\u0139\u013A"
                                    L"\u0147\u0149\u014A\u0178\u0179\u017A\u017D\u017F"),
            L"azaz@[\u00E0\u00FE\u00D7\u00DF\u0101\u0101\u012F\u0130\u0138\u013A\u013A"
            L"\u0148\u0149\u014B\u00FF\u017A\u017A\u017E\u017F");
  EXPECT_EQ(kovt_platform::FoldCase(L"\u0391\u03A2\u03A3\u03AB\u0400\u040F\u0410\u042F\u0430"),
            L"\u03B1\u03A2\u03C3\u03CB\u0450\u045F\u0430\u044F\u0430");
}

}  // namespace
