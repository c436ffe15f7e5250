// Texts in UTF-8 and wide, formatting, and the per-thread calls.
#include "platform/wide_string.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "platform/com.h"
#include "platform/wide_format.h"
#include "scratch.h"
#include "tests/support/golden_rows.h"

namespace {

// Rows of data/wide_texts.txt: how the texts convert, the wide text and its bytes.
TEST(WideString, TextsAndNamesConvertAsListed) {
  for (const GoldenRow& row : ReadGoldenRows("platform/data/wide_texts.txt", 3)) {
    SCOPED_TRACE(WideToUtf8(row[0] + L" " + row[2]));
    const std::wstring wide = WideUnescaped(row[1]);
    const std::string bytes = Unescaped(row[2]);
    if (row[0] == L"name") {
      EXPECT_EQ(NativeNameToWide(bytes), wide);
      EXPECT_EQ(WideToNativeName(wide), bytes);
      continue;
    }
    if (row[0] != L"from-utf8") {
      EXPECT_EQ(WideToUtf8(wide), bytes);
    }
    if (row[0] != L"to-utf8") {
      EXPECT_EQ(Utf8ToWide(bytes), wide);
    }
  }
}

std::optional<std::wstring> Formatted(std::size_t limit, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  std::optional<std::wstring> text = FormatWide(format, args, limit);
  va_end(args);
  return text;
}

// An empty text is written, not taken for a short buffer to grow.
TEST(WideFormat, AnEmptyTextIsWritten) {
  EXPECT_EQ(Formatted(256, L""), L"");
  EXPECT_EQ(Formatted(256, L"%d-%ls", 42, L"abc"), L"42-abc");
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

}  // namespace
