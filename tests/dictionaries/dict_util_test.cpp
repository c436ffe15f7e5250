// The dictionary utilities on drawings built through the host.
#include <gtest/gtest.h>

#include <string>

#include "dictionaries/dict_util.h"
#include "platform/wide_string.h"
#include "tests/support/drawing_entries.h"
#include "tests/support/golden_rows.h"
#include "tests/support/kovt_drawing.h"

namespace {

using namespace KovtDictUtil;

// Checking leaves the name alone; repair trims both ends all the same.
TEST(DbNames, CheckAndRepair) {
  for (const GoldenRow& row : ReadGoldenRows("dictionaries/data/db_names.txt", 3)) {
    const std::string where = WideToUtf8(row[0]);
    KOVTString name(row[0]);
    EXPECT_EQ(IsValidDbName(name, false), row[1] == L"valid") << where;
    EXPECT_EQ(name, row[0].c_str()) << where;
    EXPECT_EQ(IsValidDbName(name, true), row[2] == row[0]) << where;
    EXPECT_EQ(name, row[2].c_str()) << where;
    EXPECT_TRUE(IsValidDbName(name, false)) << where;
    EXPECT_TRUE(IsValidDbName(name, true)) << where;
  }
}

TEST(DbNames, OverLongNamesKeepBothEnds) {
  std::wstring head(126, L'h'), middle(48, L'm'), tail(126, L't');
  KOVTString name(head + middle + tail);
  ASSERT_EQ(name.GetLength(), 300);
  EXPECT_FALSE(IsValidDbName(name, false));
  EXPECT_FALSE(IsValidDbName(name, true));
  EXPECT_EQ(name, KOVTString(head + tail));

  KOVTString longest(std::wstring(255, L'n'));
  EXPECT_TRUE(IsValidDbName(longest, true));
  EXPECT_EQ(longest.GetLength(), 255);
  KOVTString tooLong(std::wstring(256, L'n'));
  EXPECT_FALSE(IsValidDbName(tooLong, false));
  EXPECT_FALSE(IsValidDbName(tooLong, true));
  EXPECT_EQ(tooLong.GetLength(), 252);
}

class DictUtil : public KovtDrawingTest {
 protected:
  // A dictionary "Holder" in the named-objects dictionary with the given entries.
  PnDbObjectId AddHolder(std::initializer_list<const wchar_t*> entries, PnDbObjectIdArray& entryIds) {
    const PnDbObjectId holder = Dict(Drawing()->namedObjectsDictionaryId(), L"Holder");
    for (const wchar_t* name : entries) entryIds.push_back(Dict(holder, name));
    return holder;
  }
  // Whether the dictionary still lists the entry, erased or not.
  static bool Holds(PnDbObjectId dictionaryId, PnDbObjectId entryId) {
    PnDbDictionary* dictionary = nullptr;
    if (pndbOpenObject(dictionary, dictionaryId, PnDb::kForRead) != Plnx::eOk) return false;
    const bool holds = dictionary->has(entryId);
    dictionary->close();
    return holds;
  }
};

TEST_F(DictUtil, ListsLinetypesAndDimensionStylesInTableOrder) {
  PnDbObjectId dashed = AddLinetype(Drawing(), L"KOVX_Dashed");
  PnDbObjectIdArray ids;
  KoVT::Core::TStringList names;
  ASSERT_EQ(GetLineTypesFromDatabase(&ids, &names, Drawing()), 4);
  ASSERT_EQ(ids.size(), 4u);
  ASSERT_EQ(names.GetCount(), 4);
  EXPECT_EQ(ids.back(), dashed);
  EXPECT_EQ(names[3], L"KOVX_Dashed");
  int continuous = names.IndexOf(L"Continuous");
  ASSERT_GE(continuous, 0);
  EXPECT_EQ(ids[static_cast<std::size_t>(continuous)], GetContinuousLineTypeId(Drawing()));

  // Lists are appended to; either one alone still gives the count.
  KoVT::Core::TStringList onlyNames;
  onlyNames.Add(L"kept");
  EXPECT_EQ(GetLineTypesFromDatabase(nullptr, &onlyNames, nullptr), 4);
  EXPECT_EQ(onlyNames.GetCount(), 5);
  EXPECT_EQ(onlyNames[0], L"kept");
  PnDbObjectIdArray onlyIds;
  EXPECT_EQ(GetLineTypesFromDatabase(&onlyIds, nullptr), 4);
  EXPECT_EQ(onlyIds, ids);
  EXPECT_EQ(GetLineTypesFromDatabase(nullptr, nullptr, Drawing()), 0);

  PnDbObjectId dims = AddDimStyle(Drawing(), L"KOVX_Dims");
  KoVT::Core::TStringList dimNames;
  PnDbObjectIdArray dimIds;
  ASSERT_EQ(GetDimStylesFromDatabase(&dimIds, &dimNames), 2);
  EXPECT_EQ(dimNames[0], L"Standard");
  EXPECT_EQ(dimNames[1], L"KOVX_Dims");
  EXPECT_EQ(dimIds[1], dims);
  ExpectNothingOpen();
}

TEST_F(DictUtil, UnopenableRecordsAreCountedButListedInNeither) {
  AddLinetype(Drawing(), L"Busy");
  PnDbLinetypeTable* table = nullptr;
  ASSERT_EQ(Drawing()->getSymbolTable(table, PnDb::kForRead), Plnx::eOk);
  PnDbSymbolTableRecord* busy = nullptr;
  ASSERT_EQ(table->getAt(L"Busy", busy, PnDb::kForWrite), Plnx::eOk);
  table->close();
  PnDbObjectIdArray ids;
  KoVT::Core::TStringList names;
  EXPECT_EQ(GetLineTypesFromDatabase(&ids, &names), 4);
  EXPECT_EQ(ids.size(), 3u);
  EXPECT_EQ(names.GetCount(), 3);
  EXPECT_EQ(names.IndexOf(L"Busy"), -1);
  busy->close();
}

// Each answers for the drawing given, else for the working one.
TEST_F(DictUtil, WellKnownStyleIds) {
  const PnDbObjectId standard = Drawing()->textstyle();
  const PnDbObjectId notes = AddTextStyle(Drawing(), L"Notes");
  ASSERT_EQ(Drawing()->setTextstyle(notes), Plnx::eOk);
  const PnDbObjectId dims = AddDimStyle(Drawing(), L"KOVX_Dims");
  ASSERT_EQ(Drawing()->setDimstyle(dims), Plnx::eOk);
  EXPECT_EQ(GetStandardTextStyleId(), standard);
  EXPECT_EQ(GetCurrentTextStyleId(), notes);
  EXPECT_EQ(GetCurrentDimStyleId(), dims);

  PnDbDatabase other;
  EXPECT_EQ(GetStandardTextStyleId(&other), other.textstyle());
  EXPECT_EQ(GetCurrentTextStyleId(&other), other.textstyle());
  EXPECT_NE(GetStandardTextStyleId(&other), standard);
  EXPECT_EQ(GetCurrentDimStyleId(&other), other.dimstyle());
  EXPECT_EQ(GetContinuousLineTypeId(&other), other.continuousLinetype());
  ExpectNothingOpen();
}

TEST_F(DictUtil, NoDrawingGivesNothing) {
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  KoVT::Core::TStringList names;
  EXPECT_EQ(GetLineTypesFromDatabase(nullptr, &names), 0);
  EXPECT_EQ(GetDimStylesFromDatabase(nullptr, &names), 0);
  EXPECT_TRUE(names.IsEmpty());
  EXPECT_TRUE(GetContinuousLineTypeId().isNull());
  EXPECT_TRUE(GetStandardTextStyleId().isNull());
  EXPECT_TRUE(GetCurrentTextStyleId().isNull());
  EXPECT_TRUE(GetCurrentDimStyleId().isNull());
  EXPECT_TRUE(GetObjectsNotHardReferenced({Drawing()->continuousLinetype()}).empty());
}

TEST_F(DictUtil, HardReferencesKeepTheGivenOrder) {
  PnDbObjectIdArray entries;
  PnDbObjectId holder = AddHolder({L"First", L"Second", L"Third"}, entries);
  PnDbDictionary* dictionary = nullptr;
  ASSERT_EQ(pndbOpenObject(dictionary, holder, PnDb::kForWrite), Plnx::eOk);
  ASSERT_EQ(dictionary->remove(entries[1]), Plnx::eOk);  // detached, still in the drawing
  dictionary->close();

  PnDbObjectIdArray asked = {entries[2], entries[1], entries[0]};
  EXPECT_EQ(GetObjectsHardReferenced(asked), (PnDbObjectIdArray{entries[2], entries[0]}));
  EXPECT_EQ(GetObjectsNotHardReferenced(asked), (PnDbObjectIdArray{entries[1]}));
  EXPECT_TRUE(IsObjectHardReferenced(entries[0]));
  EXPECT_FALSE(IsObjectHardReferenced(entries[1]));
  EXPECT_TRUE(GetObjectsHardReferenced({}).empty());
}

TEST_F(DictUtil, RemovingByDictionaryIdErasesTheObjects) {
  PnDbObjectIdArray entries;
  PnDbObjectId holder = AddHolder({L"A", L"B", L"C"}, entries);
  RemoveObjectFromDict(holder, entries[0]);
  EXPECT_FALSE(Holds(holder, entries[0]));
  EXPECT_TRUE(entries[0].isErased());
  RemoveObjectFromDict(holder, PnDbObjectIdArray{entries[1], entries[2]});
  EXPECT_FALSE(Holds(holder, entries[1]));
  EXPECT_FALSE(Holds(holder, entries[2]));
  EXPECT_TRUE(entries[2].isErased());
  EXPECT_FALSE(holder.isErased());
  // Also objects the dictionary does not hold are erased.
  PnDbObjectId linetype = AddLinetype(Drawing(), L"KOVX_Dashed");
  RemoveObjectFromDict(holder, linetype);
  EXPECT_TRUE(linetype.isErased());
  ExpectNothingOpen();
}

TEST_F(DictUtil, RemovingFromAnOpenDictionaryNeedsWrite) {
  PnDbObjectIdArray entries;
  PnDbObjectId holder = AddHolder({L"A", L"B"}, entries);
  RemoveObjectFromDict(PnDbObjectId(), entries[0]);  // no dictionary: nothing to do
  RemoveObjectFromDict(static_cast<PnDbDictionary*>(nullptr), entries[0]);
  PnDbDictionary* dictionary = nullptr;
  ASSERT_EQ(pndbOpenObject(dictionary, holder, PnDb::kForRead), Plnx::eOk);
  RemoveObjectFromDict(dictionary, entries[0]);
  EXPECT_TRUE(dictionary->has(entries[0]));
  EXPECT_FALSE(entries[0].isErased());
  dictionary->close();

  ASSERT_EQ(pndbOpenObject(dictionary, holder, PnDb::kForWrite), Plnx::eOk);
  RemoveObjectFromDict(dictionary, PnDbObjectIdArray{entries[0], entries[1]});
  EXPECT_TRUE(dictionary->isWriteEnabled());  // the caller's open stays
  EXPECT_EQ(dictionary->numEntries(), 0u);
  dictionary->close();
  EXPECT_TRUE(entries[0].isErased());
  EXPECT_TRUE(entries[1].isErased());
}

}  // namespace
