// What only the formwork settings do: their listed names, constructors, the
// detail text style and the linetypes they move inside a copy.
#include <gtest/gtest.h>

#include "core/db_helpers.h"
#include "host/host.h"
#include "tests/jobsettings/module_fixture.h"
#include "tests/support/drawing_entries.h"

namespace {

using KoVTPrjReg::TRegistry;

class FormworkSettings : public ModuleFixture<FormworkModule> {
 protected:
  static void AddTextStyle(PnDbDatabase* database, const wchar_t* name, bool shapeFile) {
    PnDbTextStyleTableRecord* record = nullptr;
    ASSERT_EQ(pndbOpenObject(record, ::AddTextStyle(database, name), PnDb::kForWrite), Plnx::eOk);
    record->setIsShapeFile(shapeFile);
    record->close();
  }
  // The name of a record of `database`, or what keeps `id` from being one.
  static std::wstring NameIn(PnDbDatabase* database, PnDbObjectId id) {
    if (id.isNull()) return L"<null>";
    if (id.database() != database) return L"<foreign>";
    return RecordName(id);
  }
};

// A listing of names gives the golden keys, those the registry files included.
TEST_F(FormworkSettings, ListedNamesAreTheGoldenKeys) {
  const StoredKeys golden = GoldenSet("formwork_new_set.txt");
  const std::vector<KOVTString> names = KOVTFormworkJobSettings().ListKeyNames();
  ASSERT_EQ(names.size(), golden.size());
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], golden[i].name.c_str()) << "position " << i;
}

TEST_F(FormworkSettings, TheDefaultConstructorStoresNewDefaultsAsStandard) {
  {
    KOVTFormworkJobSettings first;
    first.Units.WorkUnits = L"cm";
    first.Save();
    first.SetDefault(L"Mine");
    first.WriteVector(nullptr);
  }
  KOVTFormworkJobSettings second;
  EXPECT_EQ(second.GetDefault(), L"Mine");
  EXPECT_EQ(second.Units.WorkUnits, L"m");
  EditSet([](TRegistry& registry) {
    KOVTString units;
    EXPECT_TRUE(registry.ReadString(L"Units.WorkUnits", units));
    EXPECT_EQ(units, L"m");
    EXPECT_FALSE(registry.KeyExists(KOVTJobSettings::SetPath(L"Mine")));
  });
}

TEST_F(FormworkSettings, TheDictionaryConstructorWorksInTheDictionarysDrawing) {
  PnDbDatabase* home = Drawing();
  PnDbDatabase other;
  AddTextStyle(&other, L"KOVX_1", false);
  PnDbDictionary* dict = nullptr;
  {
    pndbHostApplicationServices()->setWorkingDatabase(&other);
    KOVTContext formwork(KOVT_CONTEXT_FORMWORK, &other);
    KOVTFormworkJobSettings stored;
    stored.Units.Length = L"cm";
    stored.Save();
    dict = KOVTGetDict(PnDbDictionary::desc(), DDT_ProjectSettings, PnDb::kForWrite, DDI_Application, &other);
    pndbHostApplicationServices()->setWorkingDatabase(home);
  }
  ASSERT_NE(dict, nullptr);
  KOVTContext formwork(KOVT_CONTEXT_FORMWORK, &other);
  KOVTFormworkJobSettings read(dict);
  dict->close();
  EXPECT_EQ(pndbHostApplicationServices()->workingDatabase(), home);
  EXPECT_EQ(read.Units.Length, L"cm");
  EXPECT_EQ(read.Detail.Par.TextStyle, L"KOVX_1");
  EXPECT_FALSE(KOVTJobSettings::IsInitialized(home));
}

// "KOVX_1" of any case, unless it is a shape file; never without a drawing.
TEST_F(FormworkSettings, DetailTextStyleIsKovx1WhenTheDrawingHasTheFont) {
  AddTextStyle(Drawing(), L"KOVX_1", true);
  EXPECT_EQ(KOVTFormworkJobSettings().Detail.Par.TextStyle, L"Standard");
  NewDrawingInContext();
  AddTextStyle(Drawing(), L"kovx_1", false);
  KOVTFormworkJobSettings settings;
  EXPECT_EQ(settings.Detail.Par.TextStyle, L"KOVX_1");
  EXPECT_EQ(settings.Found.Par.TextStyle, L"Standard");
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  settings.Initialize();
  EXPECT_EQ(settings.Detail.Par.TextStyle, L"Standard");
  pndbHostApplicationServices()->setWorkingDatabase(Drawing());
}

// Every linetype a read inside a copy moves to the target, and the ids it
// leaves (any object of the drawing will do for the dimension style).
std::vector<PnDbObjectId*> MovedLinetypes(KOVTFormworkJobSettings& s) {
  return {&s.Found.Out.VisibLineStylId, &s.Found.Out.BlankLineStylId, &s.Stor.Out.VisibLineStylId,
          &s.Stor.Out.BlankLineStylId,  &s.Sect.Out.VisibLineStylId,  &s.Sect.Out.BlankLineStylId,
          &s.Elev.Out.VisibLineStylId,  &s.Elev.Out.BlankLineStylId,  &s.View.Out.VisibLineStylId,
          &s.Found.Sect.EdgeLineStylId, &s.Stor.Sect.EdgeLineStylId,  &s.Sect.Sect.EdgeLineStylId,
          &s.Stor.StylId};
}
std::vector<PnDbObjectId*> KeptLinetypes(KOVTFormworkJobSettings& s) {
  return {&s.View.Out.BlankLineStylId, &s.Sect.Ending.EndingLineStyleId, &s.Detail.Ending.EndingLineStyleId,
          &s.Found.Out.VisibOutlineMode_ByElementType.vOutlineStyle[0].LineStylId,
          &s.Dims.DimensionalStyleId};
}

// Equal names first, then equal patterns; nothing moves outside a copy or
// within one drawing.
TEST_F(FormworkSettings, ReadingInsideACopyMovesThirteenLinetypesToTheTarget) {
  PnDbDatabase target;
  const PnDbObjectId dashed = AddLinetype(Drawing(), L"DASHED", {5.0, -2.0});
  const PnDbObjectId hidden = AddLinetype(Drawing(), L"HIDDEN", {2.0, -2.0});
  const PnDbObjectId center = AddLinetype(Drawing(), L"CENTER", {8.0, -1.0, 1.0, -1.0});
  AddLinetype(&target, L"dashed", {1.0});           // same name, other pattern
  AddLinetype(&target, L"SHORTDASH", {2.0, -2.0});  // same pattern, other name
  for (const auto& [source, expected] : {std::pair{dashed, L"dashed"}, {hidden, L"SHORTDASH"}, {center, L"<foreign>"}}) {
    {
      KOVTFormworkJobSettings settings;
      for (auto* linetypes : {&MovedLinetypes, &KeptLinetypes})
        for (PnDbObjectId* id : (*linetypes)(settings)) *id = source;
      settings.Save();
    }
    KOVTFormworkJobSettings read;
    {
      KovtDoubleDbScope copy(Drawing(), &target);
      ASSERT_TRUE(read.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
    }
    for (PnDbObjectId* id : MovedLinetypes(read)) EXPECT_EQ(NameIn(&target, *id), expected);
    for (PnDbObjectId* id : KeptLinetypes(read)) EXPECT_EQ(*id, source);
    KovtDoubleDbScope withinOne(Drawing(), Drawing());
    EXPECT_EQ(KOVTFormworkJobSettings().Stor.StylId, source);
  }
  EXPECT_EQ(KOVTFormworkJobSettings().Found.Sect.EdgeLineStylId, center);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  EXPECT_EQ(target.numOpenObjects(), 0u);
}

}  // namespace
