#include "core/kovt_string.h"

#include <gtest/gtest.h>

#include <map>

#include "host/filer.h"

namespace {

TEST(KovtString, SubstringsClampToTheText) {
  KOVTString s(L"Units.Length");
  EXPECT_EQ(s.Left(5), L"Units");
  EXPECT_EQ(s.Right(6), L"Length");
  EXPECT_EQ(s.Mid(6), L"Length");
  EXPECT_EQ(s.Mid(6, 3), L"Len");
  EXPECT_EQ(s.Left(100), s);
  EXPECT_EQ(s.Right(-1), L"");
  EXPECT_EQ(s.Mid(50, 2), L"");
  EXPECT_EQ(s.Mid(-3, 2), L"Un");
}

TEST(KovtString, SearchesAnswerMinusOneWhenAbsent) {
  KOVTString path(L"\\\\Standard\\Sub");
  EXPECT_EQ(path.Find(L'\\'), 0);
  EXPECT_EQ(path.Find(L'\\', 2), 10);
  EXPECT_EQ(path.Find(L'x'), -1);
  EXPECT_EQ(path.Find(L'S', 99), -1);
  EXPECT_EQ(path.ReverseFind(L'\\'), 10);
  EXPECT_EQ(KOVTString().ReverseFind(L'\\'), -1);
  EXPECT_EQ(path.Find(L"Sub"), 11);
}

TEST(KovtString, EditsInPlace) {
  KOVTString s(L"a.b.c");
  EXPECT_EQ(s.Replace(L'.', L'/'), 2);
  EXPECT_EQ(s, L"a/b/c");
  s += L'!';
  s += KOVTString(L"?");
  EXPECT_EQ(s, L"a/b/c!?");
  EXPECT_EQ(KOVTString(L"ÄbCŁ").MakeLower(), L"äbcł");
  EXPECT_EQ(KOVTString(L"žluť").MakeUpper(), L"ŽLUŤ");
  EXPECT_EQ(KOVTString(L"ŠTÍT").CompareNoCase(L"štít"), 0);
  EXPECT_EQ(L"x" + KOVTString(L"y") + L'z', L"xyz");
  EXPECT_EQ(s[0], L'a');
  EXPECT_EQ(s[100], L'\0');
}

TEST(KovtString, ComparisonsAndOrdering) {
  EXPECT_EQ(KOVTString(L"abc").Compare(L"abc"), 0);
  EXPECT_LT(KOVTString(L"abc").Compare(L"abd"), 0);
  EXPECT_EQ(KOVTString(L"HKEY_Config").CompareNoCase(L"hkey_CONFIG"), 0);
  EXPECT_NE(KOVTString(L"abc").CompareNoCase(L"abcd"), 0);
  EXPECT_TRUE(KOVTString(L"B") < KOVTString(L"a"));  // ordinal, case matters
  std::map<KOVTString, int> map{{L"b", 2}, {L"a", 1}, {L"B", 0}};
  EXPECT_EQ(map.begin()->first, L"B");
  EXPECT_TRUE(KOVTString(L"x") != L"y");
}

TEST(KovtString, FormatGrowsBeyondAnyFixedBuffer) {
  KOVTString s;
  s.Format(L"%d-%ls-%.2f", 42, L"abc", 1.5);
  EXPECT_EQ(s, L"42-abc-1.50");
  std::wstring longText(5000, L'q');
  s.Format(L"[%ls]", longText.c_str());
  EXPECT_EQ(s.GetLength(), 5002);
}

TEST(KovtString, BufferEditEndsAtTheTerminator) {
  KOVTString s(L"abc");
  wchar_t* buffer = s.GetBuffer(10);
  wcscpy(buffer, L"hello");
  s.ReleaseBuffer();
  EXPECT_EQ(s, L"hello");
  EXPECT_EQ(s.GetLength(), 5);
  s.GetBuffer(3);
  s.ReleaseBuffer(2);
  EXPECT_EQ(s, L"he");
  s.ReleaseBuffer(0);  // a length of zero is a length, not a search for the terminator
  EXPECT_EQ(s, L"");
}

TEST(KovtString, FilesAsOneItemAndSurvivesNonBmpText) {
  PnDbMemoryFiler out;
  KOVTString text(L"Арматура \U0001F600 end");
  ASSERT_EQ(text.dwgOutFields(&out), Plnx::eOk);
  ASSERT_EQ(KOVTString().dwgOutFields(&out), Plnx::eOk);
  PnDbMemoryFiler in(out.bytes(), PnDb::kFileFiler, nullptr);
  KOVTString a(L"old"), b(L"old");
  EXPECT_EQ(a.dwgInFields(&in), Plnx::eOk);
  EXPECT_EQ(b.dwgInFields(&in), Plnx::eOk);
  EXPECT_EQ(a, text);
  EXPECT_EQ(b, L"");
  EXPECT_TRUE(in.atEnd());
  // Past the end the filer fails and the string stays as it was.
  KOVTString c(L"kept");
  EXPECT_NE(c.dwgInFields(&in), Plnx::eOk);
  EXPECT_EQ(c, L"kept");
}

TEST(KovtString, LoadsFromTheProgramsStringTable) {
  KOVTString s(L"unchanged");
  EXPECT_TRUE(s.LoadStringW(7001));
  EXPECT_EQ(s, L"Core test text");
  EXPECT_FALSE(s.LoadStringW(7999));
  EXPECT_EQ(s, L"Core test text");
}

}  // namespace
