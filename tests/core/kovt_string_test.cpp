#include "core/kovt_string.h"

#include <gtest/gtest.h>

#include "host/filer.h"
#include "platform/wide_string.h"
#include "tests/support/golden_rows.h"

namespace {

TEST(KovtString, SubstringsClampAndSearchesAnswerMinusOne) {
  KOVTString s(L"\\\\Units\\Length");
  EXPECT_EQ(s.Left(7), L"\\\\Units");
  EXPECT_EQ(s.Right(6), L"Length");
  EXPECT_EQ(s.Mid(8), L"Length");
  EXPECT_EQ(s.Mid(8, 3), L"Len");
  EXPECT_EQ(s.Left(100), s);
  EXPECT_EQ(s.Left(s.GetLength()) + s.Right(s.GetLength()) + s.Mid(s.GetLength()), s + s);
  EXPECT_EQ(s.Right(-1), L"");
  EXPECT_EQ(s.Mid(-3, 2), L"\\\\");
  EXPECT_EQ(s.Find(L'\\', 2), 7);
  EXPECT_EQ(s.Find(L'x'), -1);
  EXPECT_EQ(s.Find(L'U', 99), -1);
  EXPECT_EQ(s.ReverseFind(L'\\'), 7);
  EXPECT_EQ(KOVTString().ReverseFind(L'\\'), -1);
  EXPECT_EQ(s.Find(L"Len"), 8);
  EXPECT_EQ(s.Find(L"Len", 99), -1);
  EXPECT_EQ(s.Find(L"Width"), -1);
  EXPECT_EQ(s.Find(nullptr), -1);
  EXPECT_EQ(s[100], L'\0');
}

TEST(KovtString, EditsCompareOrdinallyAndFoldCase) {
  KOVTString s(L"a.b.c");
  EXPECT_EQ(s.Replace(L'.', L'/'), 2);
  s += L'!';
  EXPECT_EQ(L"x" + s + L'z', L"xa/b/c!z");
  // Case maps by letter, whatever the locale; signs stay as they are.
  for (const GoldenRow& row : ReadGoldenRows("core/data/case_pairs.txt", 2)) {
    EXPECT_EQ(KOVTString(row[0]).MakeUpper(), row[1].c_str()) << WideToUtf8(row[0]);
    EXPECT_EQ(KOVTString(row[1]).MakeLower(), row[0].c_str()) << WideToUtf8(row[1]);
    EXPECT_EQ(KOVTString(row[0]).CompareNoCase(row[1].c_str()), 0) << WideToUtf8(row[0]);
  }
  EXPECT_NE(KOVTString(L"abc").CompareNoCase(L"abcd"), 0);
  EXPECT_GT(KOVTString(L"b").CompareNoCase(L"A"), 0);  // differing first letters
  // Ordinal comparisons answer -1, 0 or 1, whatever the characters differ by.
  EXPECT_EQ(KOVTString(L"abc").Compare(L"abz"), -1);
  EXPECT_EQ(KOVTString(L"abz").Compare(L"abc"), 1);
  EXPECT_EQ(KOVTString().Compare(nullptr), 0);
  EXPECT_TRUE(KOVTString(L"B") < KOVTString(L"a"));
}

TEST(KovtString, FormatGrowsAndBufferEditsEndAtTheTerminator) {
  KOVTString s;
  s.Format(L"%d-%ls-%.2f", 42, L"abc", 1.5);
  EXPECT_EQ(s, L"42-abc-1.50");
  s.Format(L"[%ls]", std::wstring(5000, L'q').c_str());
  EXPECT_EQ(s.GetLength(), 5002);
  wcscpy(s.GetBuffer(10), L"hello");
  s.ReleaseBuffer();
  EXPECT_EQ(s.GetLength(), 5);
  s.ReleaseBuffer(2);
  EXPECT_EQ(s, L"he");
  s.ReleaseBuffer(0);  // a length, not a search for the terminator
  EXPECT_EQ(s, L"");
}

TEST(KovtString, FilesAsOneItemAndLoadsFromTheStringTable) {
  PnDbMemoryFiler out;
  const KOVTString text(L"Арматура \U0001F600 end");
  ASSERT_EQ(text.dwgOutFields(&out), Plnx::eOk);
  ASSERT_EQ(KOVTString().dwgOutFields(&out), Plnx::eOk);
  PnDbMemoryFiler in(out.bytes(), PnDb::kFileFiler, nullptr);
  KOVTString a(L"old"), b(L"old"), c(L"kept");
  EXPECT_EQ(a.dwgInFields(&in), Plnx::eOk);
  EXPECT_EQ(b.dwgInFields(&in), Plnx::eOk);
  EXPECT_EQ(a, text);
  EXPECT_EQ(b, L"");
  EXPECT_NE(c.dwgInFields(&in), Plnx::eOk) << "past the end";
  EXPECT_EQ(c, L"kept");

  EXPECT_TRUE(c.LoadStringW(7001));
  EXPECT_EQ(c, L"Core test text");
  EXPECT_FALSE(c.LoadStringW(7999));
  EXPECT_EQ(c, L"Core test text");
}

}  // namespace
