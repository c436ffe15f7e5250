#include <gtest/gtest.h>

#include "copy/style_copy.h"
#include "tests/copy/copy_fixture.h"

using namespace KovtCopyUtil;
using KoVT::Core::TStringList;

namespace {

std::wstring FileName(PnDbDatabase* database, const wchar_t* style) {
  PnDbTextStyleTable* table = nullptr;
  if (database->getSymbolTable(table, PnDb::kForRead) != Plnx::eOk) return {};
  PnDbSymbolTableRecord* record = nullptr;
  std::wstring fileName;
  if (table->getAt(style, record, PnDb::kForRead) == Plnx::eOk) {
    fileName = PnDbTextStyleTableRecord::cast(record)->fileName();
    record->close();
  }
  table->close();
  return fileName;
}

class TextStyleCopy : public CopyTest {
 protected:
  void SetUp() override {
    CopyTest::SetUp();
    AddTextStyle(Source(), L"Notes", L"isocp");
    AddTextStyle(Source(), L"Titles", L"romans");
    AddTextStyle(Drawing(), L"NOTES", L"own");
  }
};

TEST_F(TextStyleCopy, TakenNamesAreNumberedAndReported) {
  TStringList names;
  names.Add(L"notes");
  names.Add(L"TITLES");
  NamePairList renamed;
  ASSERT_TRUE(CopyPlnxTextStyle(Source(), Drawing(), names, renamed));

  // Copies take the names as given, not as the source records spell them.
  ASSERT_EQ(renamed.size(), 1u);
  EXPECT_EQ(renamed[0], (std::pair<KOVTString, KOVTString>{L"notes", L"notes 1"}));
  EXPECT_EQ(RecordNames<PnDbTextStyleTable>(Drawing()),
            (std::vector<std::wstring>{L"Standard", L"NOTES", L"notes 1", L"TITLES"}));
  EXPECT_EQ(FileName(Drawing(), L"notes 1"), L"isocp");
  EXPECT_EQ(FileName(Drawing(), L"NOTES"), L"own");
  EXPECT_EQ(FileName(Drawing(), L"TITLES"), L"romans");
  ExpectAllClosed();
}

TEST_F(TextStyleCopy, OneUnknownNameCopiesNothing) {
  TStringList names;
  names.Add(L"Titles");
  names.Add(L"Unknown");
  NamePairList renamed;
  const std::size_t before = Drawing()->numObjects();
  EXPECT_FALSE(CopyPlnxTextStyle(Source(), Drawing(), names, renamed));
  EXPECT_EQ(Drawing()->numObjects(), before);
  EXPECT_TRUE(renamed.empty());
  ExpectAllClosed();
}

class DimStyleLookup : public CopyTest {
 protected:
  void SetUp() override {
    CopyTest::SetUp();
    sourceStyle = AddDimStyle(Source(), L"Metric 1-50");
    ownStyle = AddDimStyle(Drawing(), L"METRIC 1-50");
    onlyInSource = AddDimStyle(Source(), L"Only in source");
  }
  PnDbObjectId sourceStyle, ownStyle, onlyInSource;
};

TEST_F(DimStyleLookup, FindsTheDestinationStyleOfTheSameNameForSourceIdsOnly) {
  PnDbObjectId found;
  EXPECT_TRUE(FindDimStyleIdInDestDatabase(false, Source(), sourceStyle, Drawing(), found));
  EXPECT_EQ(found, ownStyle);
  EXPECT_EQ(FindPlnxDimStyleIdDestDatabase(false, Source(), sourceStyle, Drawing()), ownStyle);
  EXPECT_FALSE(FindDimStyleIdInDestDatabase(false, Source(), onlyInSource, Drawing(), found));
  EXPECT_TRUE(found.isNull());
  ASSERT_TRUE(FindDimStyleIdInDestDatabase(false, Source(), sourceStyle, Source(), found));
  EXPECT_EQ(found, sourceStyle);

  // Missing drawings, and ids that are no dimension style of the source, find nothing.
  for (PnDbDatabase* database : {static_cast<PnDbDatabase*>(nullptr), Drawing()}) {
    found = ownStyle;
    EXPECT_FALSE(FindDimStyleIdInDestDatabase(false, database, sourceStyle, Drawing(), found));
    EXPECT_TRUE(found.isNull());
  }
  EXPECT_FALSE(FindDimStyleIdInDestDatabase(false, Source(), sourceStyle, nullptr, found));
  EXPECT_FALSE(FindDimStyleIdInDestDatabase(false, Source(), Source()->continuousLinetype(), Drawing(), found));
  EXPECT_TRUE(FindPlnxDimStyleIdDestDatabase(false, Drawing(), sourceStyle, Drawing()).isNull());

  EXPECT_TRUE(CheckIfPlnxDimStyleIdExist(sourceStyle, Source()));
  EXPECT_FALSE(CheckIfPlnxDimStyleIdExist(sourceStyle));  // the working drawing
  EXPECT_TRUE(CheckIfPlnxDimStyleIdExist(ownStyle));
  EXPECT_FALSE(CheckIfPlnxDimStyleIdExist(PnDbObjectId(), Source()));
  PnDbDimStyleTableRecord *a = nullptr, *b = nullptr;
  ASSERT_EQ(pndbOpenObject(a, sourceStyle, PnDb::kForRead), Plnx::eOk);
  ASSERT_EQ(pndbOpenObject(b, ownStyle, PnDb::kForRead), Plnx::eOk);
  EXPECT_TRUE(ComparePlnxDimStyles(false, a, b));
  EXPECT_FALSE(ComparePlnxDimStyles(false, a, nullptr));
  a->close();
  b->close();
  ExpectAllClosed();
}

}  // namespace
