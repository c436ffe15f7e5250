// Reading, writing, the constructors and the lookups of the formwork job
// settings.
#include <gtest/gtest.h>

#include "host/host.h"
#include "tests/jobsettings/formwork_test_fixture.h"
#include "tests/jobsettings/metric_units_fixture.h"

namespace {

using KoVTPrjReg::TRegistry;

// Ids name objects of one loaded drawing; a reopened one has its own.
XOUTLINE WithoutIds(XOUTLINE outline) {
  outline.VisibLineStylId = outline.BlankLineStylId = {};
  for (auto* modes : {&outline.VisibOutlineMode_ByElementType, &outline.BlankOutlineMode_ByElementType})
    for (XOutlineStyle& style : modes->vOutlineStyle) style.LineStylId = {};
  return outline;
}
XSECTION WithoutIds(XSECTION section) {
  section.EdgeLineStylId = {};
  for (XOutlineStyle& style : section.EdgeLineMode_ByElementType.vOutlineStyle) style.LineStylId = {};
  return section;
}
XENDING WithoutIds(XENDING ending) {
  ending.EndingLineStyleId = {};
  return ending;
}

using FormworkSettings = FormworkSettingsTest;

TEST_F(FormworkSettings, EveryFiledMemberSurvivesASavedDrawing) {
  const PnDbObjectId dashed = AddLinetype(Drawing(), L"DASHED");
  KOVTFormworkJobSettings written;
  ScrambleListed(written.ListKeys());
  written.HeaderFooter().HeaderData = {1, 2, 3};
  written.HeaderFooter().HeaderSize = 3;
  written.HeaderFooter().FooterData = {4};
  written.HeaderFooter().FooterSize = 1;
  written.Found.Out.VisibLineStylId = dashed;
  written.Found.Out.VisibHatchAngle = 45.0;
  written.Found.Out.BlankOutlineMode_ByElementType.vOutlineStyle[3].LineColor = 99;
  written.Stor.Sect.HatchMode = 3;
  written.Stor.Sect.HatchMode_ByElementType.vHatchStyle[0].HatchName = L"BRICK";
  written.Stor.StylId = dashed;
  written.Sect.Ending.EndingLineOutsideLength = 42.0;
  written.Detail.Ending.EndingMode = 2;
  written.View.Out.BlankHatchRemoveOverlapped = true;
  written.Dims.DimensionalStyleId = dashed;  // any object of the drawing will do
  // Fields that are not filed for these blocks:
  written.Found.Par.PresentationType = 7;
  written.Sect.Par.SymbolHole = 5;
  written.View.Par.ShowAllDoors = true;
  written.Save();
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);

  ReopenInContext();
  KOVTFormworkJobSettings reopened;
  ExpectSameListedValues(written.ListKeys(), reopened.ListKeys());
  EXPECT_EQ(reopened.HeaderFooter().HeaderData, (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(WithoutIds(reopened.Found.Out), WithoutIds(written.Found.Out));
  EXPECT_EQ(WithoutIds(reopened.Stor.Out), WithoutIds(written.Stor.Out));
  EXPECT_EQ(WithoutIds(reopened.Sect.Out), WithoutIds(written.Sect.Out));
  EXPECT_EQ(WithoutIds(reopened.Elev.Out), WithoutIds(written.Elev.Out));
  EXPECT_EQ(WithoutIds(reopened.View.Out), WithoutIds(written.View.Out));
  EXPECT_EQ(WithoutIds(reopened.Found.Sect), WithoutIds(written.Found.Sect));
  EXPECT_EQ(WithoutIds(reopened.Stor.Sect), WithoutIds(written.Stor.Sect));
  EXPECT_EQ(WithoutIds(reopened.Sect.Sect), WithoutIds(written.Sect.Sect));
  EXPECT_EQ(WithoutIds(reopened.Sect.Ending), WithoutIds(written.Sect.Ending));
  EXPECT_EQ(WithoutIds(reopened.Elev.Ending), WithoutIds(written.Elev.Ending));
  EXPECT_EQ(WithoutIds(reopened.Detail.Ending), WithoutIds(written.Detail.Ending));
  EXPECT_EQ(NameIn(Drawing(), reopened.Found.Out.VisibLineStylId), L"DASHED");
  EXPECT_EQ(NameIn(Drawing(), reopened.Stor.StylId), L"DASHED");
  EXPECT_EQ(NameIn(Drawing(), reopened.Dims.DimensionalStyleId), L"DASHED");
  EXPECT_TRUE(reopened.Found.Out.BlankLineStylId.isNull());
  EXPECT_EQ(reopened.Found.Par.PresentationType, 0);
  EXPECT_EQ(reopened.Sect.Par.SymbolHole, 1);
  EXPECT_FALSE(reopened.View.Par.ShowAllDoors);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
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
  });
  PnDbDictionary* dict = KOVTGetDict(PnDbDictionary::desc(), DDT_ProjectSettings, PnDb::kForWrite, DDI_Application);
  ASSERT_NE(dict, nullptr);
  {
    TRegistry registry(dict);
    EXPECT_FALSE(registry.KeyExists(KOVTJobSettings::SetPath(L"Mine")));
  }
  dict->close();
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

TEST_F(FormworkSettings, DetailTextStyleIsStandardWithoutAFontStyleNamedKovx1) {
  EXPECT_EQ(KOVTFormworkJobSettings().Detail.Par.TextStyle, L"Standard");
  AddTextStyle(Drawing(), L"KOVX_1", true);
  EXPECT_EQ(KOVTFormworkJobSettings().Detail.Par.TextStyle, L"Standard");
}

TEST_F(FormworkSettings, DetailTextStyleIsKovx1WhenTheDrawingHasIt) {
  AddTextStyle(Drawing(), L"kovx_1", false);  // names ignore case
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
  settings.Initialize();
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

TEST_F(FormworkSettings, VariablesZeroToSeventeenAreAnswered) {
  KOVTFormworkJobSettings settings;
  EXPECT_EQ(settings.GetVariable(VAR_REPORT_PAGE_NUMBER), &settings.Variables().Values[0]);
  EXPECT_EQ(settings.GetVariable(VAR_COMPANY_LOGO), &settings.Variables().Values[VAR_COMPANY_LOGO]);
  EXPECT_EQ(settings.GetVariable(VAR_INV_NAME), nullptr);
  EXPECT_EQ(settings.GetVariable(static_cast<PRN_VARIABLE_TYPES>(-1)), nullptr);
}

TEST_F(FormworkSettings, ProjectDescriptionMirrorsNineVariables) {
  KOVTFormworkJobSettings settings;
  TVARIABLES& variables = settings.Variables();
  for (std::size_t i = 0; i < variables.Values.size(); ++i) variables.Values[i].Format(L"v%d", static_cast<int>(i));
  const TVARIABLES before = variables;
  settings.Project.Note = L"note";
  settings.TVARIABLES_2_XPROJECT();
  EXPECT_EQ(settings.Project.Office, before.Values[VAR_COMPANY_NAME]);
  EXPECT_EQ(settings.Project.Investor, before.Values[VAR_USER_NAME]);
  EXPECT_EQ(settings.Project.Designer, before.Values[VAR_USER_ADDRESS]);
  EXPECT_EQ(settings.Project.Verified, before.Values[VAR_PROJECT_CREATED]);
  EXPECT_EQ(settings.Project.Date, before.Values[VAR_REPORT_DATE]);
  EXPECT_EQ(settings.Project.Note, L"note");
  settings.XPROJECT_2_TVARIABLES();
  EXPECT_EQ(variables.Values, before.Values);

  settings.Project.Revision = L"B";
  settings.XPROJECT_2_TVARIABLES();
  EXPECT_EQ(variables.Values[VAR_PROJECT_MODIFIED], L"B");
  EXPECT_EQ(settings.Project.Note, L"note");
}

using FormworkTolerances = WithMetricUnits<FormworkSettingsTest>;

TEST_F(FormworkTolerances, ReadsAndWritesRefreshTheCommonRecordFromTheWorkUnit) {
  KOVTFormworkJobSettings settings;  // writes the defaults: metres
  EXPECT_EQ(KOVT_EPSILON().SetBy, eEpsilonFormwork);
  EXPECT_DOUBLE_EQ(KOVT_EPSILON().UnitFactor, 0.001);
  EXPECT_DOUBLE_EQ(KOVT_EPSILON().DisplayTolerance, 0.01);

  settings.Units.WorkUnits = L"cm";
  settings.Save();
  EXPECT_DOUBLE_EQ(KOVT_EPSILON().UnitFactor, 0.1);

  KOVT_EPSILON() = KovtEpsilon{};
  settings.Units.WorkUnits = L"m";
  settings.Read();
  EXPECT_EQ(settings.Units.WorkUnits, L"cm");
  EXPECT_DOUBLE_EQ(KOVT_EPSILON().UnitFactor, 0.1);

  KOVT_EPSILON() = KovtEpsilon{};
  EXPECT_FALSE(settings.ReadJobSettings(L"Nowhere", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(KOVT_EPSILON().SetBy, eEpsilonDefault);

  settings.Units.WorkUnits = L"ft";  // unknown: the base factor 1 stays
  settings.Save();
  EXPECT_EQ(KOVT_EPSILON().UnitFactor, 1.0);

  KOVT_EPSILON().SetBy = eEpsilonReinforcement;
  settings.Save();
  EXPECT_EQ(KOVT_EPSILON().SetBy, eEpsilonReinforcement);
}

}  // namespace
