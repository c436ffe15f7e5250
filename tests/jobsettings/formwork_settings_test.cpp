// What only the formwork settings do: their presentation structures and
// linetypes, the version 1 hatch flags, the detail text style, tolerance
// record, and the linetypes they move inside a copy.
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

// The names a listing walk gives are the golden keys, those the registry
// files included; structures and ids are read back from their blocks' keys,
// parameter fields a block does not file are not.
TEST_F(FormworkSettings, StructuresAndIdsReadBackAndUnfiledFieldsDoNot) {
  KOVTFormworkJobSettings written;
  const StoredKeys golden = GoldenSet("formwork_new_set.txt");
  const std::vector<KOVTString> names = written.ListKeyNames();
  ASSERT_EQ(names.size(), golden.size());
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], golden[i].name.c_str()) << "position " << i;

  const PnDbObjectId dashed = AddLinetype(Drawing(), L"DASHED");
  written.Found.Out.VisibLineStylId = dashed;
  written.Found.Out.VisibHatchAngle = 45.0;
  written.Found.Out.BlankOutlineMode_ByElementType.vOutlineStyle[3].LineColor = 99;
  written.Stor.Out.VisibLineColor = 5;
  written.Sect.Out.BlankOn = false;
  written.Elev.Out.VisibHatchName = L"STEEL";
  written.Found.Sect.EdgeLineWidth = 35;
  written.Stor.Sect.HatchMode = 3;
  written.Stor.Sect.HatchMode_ByElementType.vHatchStyle[0].HatchName = L"BRICK";
  written.Sect.Sect.HatchScale = 2.5;
  written.Stor.StylId = dashed;
  written.Sect.Ending.EndingLineOutsideLength = 42.0;
  written.Elev.Ending.EndingLineColor = 6;
  written.Detail.Ending.EndingMode = 2;
  written.View.Out.BlankHatchRemoveOverlapped = true;
  written.Dims.DimensionalStyleId = dashed;  // any object of the drawing will do
  // Fields that are not filed for these blocks:
  written.Found.Par.PresentationType = 7;
  written.Sect.Par.SymbolHole = 5;
  written.View.Par.ShowAllDoors = true;
  written.Save();

  KOVTFormworkJobSettings read;
  EXPECT_EQ(read.Found.Out, written.Found.Out);
  EXPECT_EQ(read.Stor.Out, written.Stor.Out);
  EXPECT_EQ(read.Sect.Out, written.Sect.Out);
  EXPECT_EQ(read.Elev.Out, written.Elev.Out);
  EXPECT_EQ(read.View.Out, written.View.Out);
  EXPECT_EQ(read.Found.Sect, written.Found.Sect);
  EXPECT_EQ(read.Stor.Sect, written.Stor.Sect);
  EXPECT_EQ(read.Sect.Sect, written.Sect.Sect);
  EXPECT_EQ(read.Sect.Ending, written.Sect.Ending);
  EXPECT_EQ(read.Elev.Ending, written.Elev.Ending);
  EXPECT_EQ(read.Detail.Ending, written.Detail.Ending);
  EXPECT_EQ(read.Stor.StylId, dashed);
  EXPECT_EQ(read.Dims.DimensionalStyleId, dashed);
  EXPECT_EQ(read.Found.Par.PresentationType, 0);
  EXPECT_EQ(read.Sect.Par.SymbolHole, 1);
  EXPECT_FALSE(read.View.Par.ShowAllDoors);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

// Version 1 sets flag hatched sections; a set without a version is current;
// a missing set leaves the version read last.
TEST_F(FormworkSettings, StoredVersionsAndTheHatchFlagsOfVersionOne) {
  { KOVTFormworkJobSettings created; }
  EditSet([](TRegistry& registry) {
    for (const wchar_t* name : {L"Found.Sect.HatchMode", L"Stor.Sect.HatchMode", L"Sect.Sect.HatchMode"})
      EXPECT_TRUE(registry.DeleteValue(name));
    registry.WriteInteger(L"Version", 1);
    registry.WriteInteger(L"Found.Sect.HatchType", 1);
    registry.WriteInteger(L"Stor.Sect.HatchType", 0);
  });
  KOVTFormworkJobSettings read;
  read.Sect.Sect.HatchMode = 9;
  ASSERT_TRUE(read.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(read.StoredVersion(), 1);
  EXPECT_EQ(read.Found.Sect.HatchMode, kHatchModeOfHatchedType);
  EXPECT_EQ(read.Stor.Sect.HatchMode, kHatchModeOfUnhatchedType);
  EXPECT_EQ(read.Sect.Sect.HatchMode, 9);  // no flag: unchanged
  EXPECT_FALSE(read.ReadJobSettings(L"Nowhere", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(read.StoredVersion(), 1);

  read.Save();
  EditSet([](TRegistry& registry) {
    int version = 0, mode = -1;
    EXPECT_TRUE(registry.ReadInteger(L"Version", version));
    EXPECT_TRUE(registry.ReadInteger(L"Stor.Sect.HatchMode", mode));
    EXPECT_EQ(version, 2);
    EXPECT_EQ(mode, kHatchModeOfUnhatchedType);
    registry.DeleteValue(L"Version");
    registry.WriteInteger(L"Found.Sect.HatchMode", 2);
  });
  ASSERT_TRUE(read.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(read.StoredVersion(), KOVTFormworkJobSettings::FormatVersion);
  EXPECT_EQ(read.Found.Sect.HatchMode, 2);
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
  EXPECT_EQ(KOVTFormworkJobSettings().Detail.Par.TextStyle, L"Standard");
  NewDrawingInContext();
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

TEST_F(FormworkSettings, InitializeLeavesWhatHasNoDefault) {
  KOVTFormworkJobSettings settings;
  settings.Sect.Ending.EndingLineColor = 11;
  settings.Dims.GroupLines.Hole = 3;
  settings.Dims.DescTemplateLine2 = L"%L";
  settings.Dims.Cuts.TraxDoor = 4;
  settings.Dims.Cuts.TraxRingBeam = 0;
  settings.Found.Out.VisibHatchColor = 12;
  settings.Stor.Sect.HatchAngle = 30.0;
  settings.Elev.Out.VisibOutlineMode_ByElementType.vOutlineStyle.clear();
  settings.Found.Out.VisibLineColor = 13;
  settings.Dims.DimLineDistance = 1.0;
  settings.Found.Sect.EdgeLineMode = 2;
  settings.Stor.Sect.HatchOn = false;
  settings.Sect.Sect.HatchScale = 3.0;
  settings.Elev.Out.BlankOutlineMode = 4;
  settings.Initialize();
  EXPECT_EQ(settings.Found.Sect.EdgeLineMode, 0);
  EXPECT_TRUE(settings.Stor.Sect.HatchOn);
  EXPECT_EQ(settings.Sect.Sect.HatchScale, 1.0);
  EXPECT_EQ(settings.Elev.Out.BlankOutlineMode, 0);
  // Only the view's outlines start without blank lines.
  for (const auto& [outline, blankOn] : {std::pair{&settings.Found.Out, true}, {&settings.Stor.Out, true},
                                         {&settings.Sect.Out, true}, {&settings.Elev.Out, true}, {&settings.View.Out, false}})
    EXPECT_EQ(outline->BlankOn, blankOn);
  EXPECT_EQ(settings.Sect.Ending.EndingLineColor, 11);
  EXPECT_EQ(settings.Dims.GroupLines.Hole, 3);
  EXPECT_EQ(settings.Dims.DescTemplateLine2, L"%L");
  EXPECT_EQ(settings.Dims.Cuts.TraxDoor, 4);
  EXPECT_EQ(settings.Found.Out.VisibHatchColor, 12);
  EXPECT_EQ(settings.Stor.Sect.HatchAngle, 30.0);
  EXPECT_TRUE(settings.Elev.Out.VisibOutlineMode_ByElementType.vOutlineStyle.empty());
  EXPECT_EQ(settings.Dims.Cuts.TraxRingBeam, 1);
  EXPECT_EQ(settings.Found.Out.VisibLineColor, 256);
  EXPECT_EQ(settings.Dims.DimLineDistance, 100.0);
}

// Every linetype a read inside a copy moves to the target, and those it leaves.
std::vector<PnDbObjectId*> MovedLinetypes(KOVTFormworkJobSettings& s) {
  return {&s.Found.Out.VisibLineStylId, &s.Found.Out.BlankLineStylId, &s.Stor.Out.VisibLineStylId,
          &s.Stor.Out.BlankLineStylId,  &s.Sect.Out.VisibLineStylId,  &s.Sect.Out.BlankLineStylId,
          &s.Elev.Out.VisibLineStylId,  &s.Elev.Out.BlankLineStylId,  &s.View.Out.VisibLineStylId,
          &s.Found.Sect.EdgeLineStylId, &s.Stor.Sect.EdgeLineStylId,  &s.Sect.Sect.EdgeLineStylId,
          &s.Stor.StylId};
}
std::vector<PnDbObjectId*> KeptLinetypes(KOVTFormworkJobSettings& s) {
  return {&s.View.Out.BlankLineStylId, &s.Sect.Ending.EndingLineStyleId, &s.Detail.Ending.EndingLineStyleId,
          &s.Found.Out.VisibOutlineMode_ByElementType.vOutlineStyle[0].LineStylId};
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
