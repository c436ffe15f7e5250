// Texts in UTF-8 and wide, formatting, and the per-thread and clock calls.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/com.h"
#include "platform/tick_count.h"
#include "platform/wide_format.h"
#include "platform/wide_string.h"
#include "tests/support/golden_rows.h"

namespace {

TEST(WideString, RoundTripsEveryEncodingLength) {
  const std::wstring text = {L'\0', L'A', 0x7F, 0x80, 0x7FF, 0x800, 0xD7FF, 0xE000, 0xFFFF, 0x10000,
                             0x10FFFF};
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

std::optional<std::wstring> Formatted(std::size_t limit, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  std::optional<std::wstring> text = FormatWide(format, args, limit);
  va_end(args);
  return text;
}

// The buffer starts at 256 characters and grows fourfold while below the limit.
TEST(WideFormat, GrowsUpToTheLimit) {
  const std::wstring text(300, L'q');
  EXPECT_EQ(Formatted(256, L""), L"");
  EXPECT_EQ(Formatted(256, L"%d-%ls", 42, L"abc"), L"42-abc");
  EXPECT_EQ(Formatted(257, L"[%ls]", text.c_str()), L"[" + text + L"]");
  EXPECT_EQ(Formatted(256, L"[%ls]", text.c_str()), std::nullopt);
  EXPECT_EQ(Formatted(std::size_t{1} << 20, L"%ls%", L"bad"), std::nullopt);
}

TEST(CoInitialize, CountsPerThread) {
  ASSERT_EQ(CoInitializeCount(), 0);
  EXPECT_EQ(CoInitialize(nullptr), S_OK);
  EXPECT_EQ(CoInitialize(nullptr), S_FALSE);
  EXPECT_EQ(CoInitializeCount(), 2);
  std::thread([] {
    EXPECT_EQ(CoInitializeCount(), 0);
    EXPECT_EQ(CoInitialize(nullptr), S_OK);
    CoUninitialize();
  }).join();
  for (int i = 0; i < 3; ++i) CoUninitialize();  // one too many: ignored
  EXPECT_EQ(CoInitializeCount(), 0);
  EXPECT_EQ(CoInitialize(nullptr), S_OK);
  CoUninitialize();
}

TEST(TickCount, CountsMillisecondsOfTheSteadyClock) {
  using namespace std::chrono;
  const auto before = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  const ULONGLONG ticks64 = GetTickCount64();
  const DWORD ticks = GetTickCount();
  const auto after = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  EXPECT_GE(ticks64, static_cast<ULONGLONG>(before));
  EXPECT_LE(ticks64, static_cast<ULONGLONG>(after));
  EXPECT_LE(static_cast<DWORD>(ticks - static_cast<DWORD>(ticks64)), static_cast<DWORD>(after - before));
}

}  // namespace
