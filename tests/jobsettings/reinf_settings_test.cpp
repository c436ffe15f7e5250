// Reading, writing, copying and the variable lookups of the reinforcement
// job settings.
#include <gtest/gtest.h>

#include <utility>

#include "tests/jobsettings/metric_units_fixture.h"
#include "tests/jobsettings/reinf_test_fixture.h"

namespace {

using KoVTPrjReg::TRegistry;

using ReinfSettings = ReinfSettingsTest;

TEST_F(ReinfSettings, EveryMemberSurvivesASavedDrawing) {
  KOVTReinfJobSettings written;
  Scramble(written);
  written.HeaderFooter().HeaderData = {1, 2, 3};
  written.HeaderFooter().HeaderSize = 3;
  written.HeaderFooter().FooterData = {4};
  written.HeaderFooter().FooterSize = 1;
  written.Mater.SteelList = {{L"B500A", 21, L""}, {L"B500B", 22, L"Bs"}, {L"FeB44k", 9, L"#"}};
  written.Save();
  EXPECT_EQ(written.Mater.ReinfSteelSize, 3);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);

  ReopenInContext();
  KOVTReinfJobSettings reopened;
  ExpectSameListedValues(written.ListKeys(), reopened.ListKeys());
  ASSERT_EQ(reopened.Mater.SteelList.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(reopened.Mater.SteelList[i].Class, written.Mater.SteelList[i].Class);
    EXPECT_EQ(reopened.Mater.SteelList[i].Symbol, written.Mater.SteelList[i].Symbol);
    EXPECT_EQ(reopened.Mater.SteelList[i].UserSymbol, written.Mater.SteelList[i].UserSymbol);
  }
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

TEST_F(ReinfSettings, StoredSteelListUsesZeroBasedPositions) {
  KOVTReinfJobSettings settings;
  settings.Mater.SteelList = {{L"B500A", 21, L""}, {L"B500B", 22, L"Bs"}};
  settings.Mater.ReinfSteelSize = 7;  // the list decides what is stored
  settings.Save();
  EditSet([](TRegistry& registry) {
    int size = 0, symbol = 0;
    KOVTString grade, user;
    EXPECT_TRUE(registry.ReadInteger(L"Mater.ReinfSteelSize", size));
    EXPECT_EQ(size, 2);
    EXPECT_TRUE(registry.ReadString(L"Mater.ReinfSteelVector0.Class", grade));
    EXPECT_EQ(grade, L"B500A");
    EXPECT_TRUE(registry.ReadInteger(L"Mater.ReinfSteelVector1.Symbol", symbol));
    EXPECT_EQ(symbol, 22);
    EXPECT_TRUE(registry.ReadString(L"Mater.ReinfSteelVector1.UserSymbol", user));
    EXPECT_EQ(user, L"Bs");
    EXPECT_FALSE(registry.GetCurrentKey()->ValueExists(L"Mater.ReinfSteelVector2.Class"));
  });
}

TEST_F(ReinfSettings, ALongSteelListReadsBackInOrder) {
  KOVTReinfJobSettings written;
  written.Mater.SteelList.resize(2500);
  for (std::size_t i = 0; i < written.Mater.SteelList.size(); ++i) {
    RSTEEL& steel = written.Mater.SteelList[i];
    steel.Class.Format(L"Grade %d", static_cast<int>(i));
    steel.Symbol = static_cast<std::int32_t>(i % 34);
    if (i % 3 == 0) steel.UserSymbol.Format(L"U%d", static_cast<int>(i));
  }
  written.Save();
  KOVTReinfJobSettings reader;
  ASSERT_EQ(reader.Mater.SteelList.size(), written.Mater.SteelList.size());
  for (std::size_t i = 0; i < written.Mater.SteelList.size(); ++i) {
    ASSERT_EQ(reader.Mater.SteelList[i].Class, written.Mater.SteelList[i].Class) << i;
    ASSERT_EQ(reader.Mater.SteelList[i].Symbol, written.Mater.SteelList[i].Symbol) << i;
    ASSERT_EQ(reader.Mater.SteelList[i].UserSymbol, written.Mater.SteelList[i].UserSymbol) << i;
  }
  EXPECT_EQ(reader.Mater.HookLengthMode, written.Mater.HookLengthMode);
}

TEST_F(ReinfSettings, MissingSetChangesNothing) {
  KOVTReinfJobSettings settings;
  settings.Norms.Reinforce = L"EN 1992-1-1";
  settings.Mater.SteelList = {{L"B500A", 21, L""}};
  EXPECT_FALSE(settings.ReadJobSettings(L"Nowhere", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(settings.Norms.Reinforce, L"EN 1992-1-1");
  EXPECT_EQ(settings.Mater.SteelList.size(), 1u);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

TEST_F(ReinfSettings, NamedSetsAreReadAndWrittenOnTheirOwn) {
  KOVTReinfJobSettings settings;
  settings.Mater.ConcreteClass = 7;
  settings.AddSettingName(L"Bridge");
  settings.WriteJobSettings(L"Bridge", nullptr);
  settings.Mater.ConcreteClass = 1;
  settings.Reinit();
  EXPECT_EQ(settings.GetSettingSize(), 2);
  EXPECT_EQ(settings.Mater.ConcreteClass, 1);
  ASSERT_TRUE(settings.ReadJobSettings(L"Bridge", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(settings.Mater.ConcreteClass, 7);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

TEST_F(ReinfSettings, AGivenDictionaryHoldsTheSettings) {
  PnDbDictionary* dictionary =
      KOVTGetDict(PnDbDictionary::desc(), DDT_ProjectSettings, PnDb::kForWrite, DDI_Application);
  ASSERT_NE(dictionary, nullptr);
  {
    KOVTReinfJobSettings settings(dictionary, KoVTPrjReg::kReadWrite);
    settings.Norms.DrawingNumb = 4;
    settings.WriteJobSettings(settings.GetDefault(), dictionary);
  }
  {
    KOVTReinfJobSettings reader(dictionary, KoVTPrjReg::kReadOnly);
    EXPECT_EQ(reader.Norms.DrawingNumb, 4);
  }
  EXPECT_TRUE(dictionary->isWriteEnabled());  // a caller's dictionary stays open
  dictionary->close();
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

TEST_F(ReinfSettings, InitializeKeepsTheSteelListAndTheDatabasePaths) {
  KOVTReinfJobSettings settings;
  settings.Mater.SteelList = {{L"B500A", 21, L""}};
  settings.Mater.ReinfSteelSize = 1;
  settings.Mater.BarDataBasePath = 3;
  settings.Mater.MeshDataBasePath = 4;
  settings.Mater.ConcreteClass = 9;
  settings.Mater.BarDataBases[2] = L"edited";
  settings.Units.lengthUnit = L"ft";
  settings.Norms.Reinforce = L"EN 1992-1-1";
  settings.Variables().Values[VAR_USER_NAME] = L"Someone";
  settings.BarDsp.PointColor = 1;
  settings.ProfDatabase = L"Mine";
  settings.Initialize();
  EXPECT_EQ(settings.Mater.SteelList.size(), 1u);
  EXPECT_EQ(settings.Mater.ReinfSteelSize, 0);
  EXPECT_EQ(settings.Mater.BarDataBasePath, 3);
  EXPECT_EQ(settings.Mater.MeshDataBasePath, 4);
  EXPECT_EQ(settings.Mater.ConcreteClass, 1);
  EXPECT_EQ(settings.Mater.BarDataBases[2], L"bar_BS 8666_2005");
  EXPECT_EQ(settings.Mater.MeshDataBases[19], L"fabric_NL_Netten");
  EXPECT_EQ(settings.Mater.BarDataBases[13], L"");
  EXPECT_EQ(settings.Units.lengthUnit, L"m");
  EXPECT_EQ(settings.Norms.Reinforce, L"BAEL 99");
  EXPECT_EQ(settings.Variables().Values[VAR_USER_NAME], L"");
  EXPECT_EQ(settings.BarDsp.PointColor, 256);
  EXPECT_EQ(settings.ProfDatabase, L"RCAT");
  // A reset size hides the list from the lookups.
  EXPECT_EQ(settings.GetSteelSymb(L"B500A", nullptr), RMATER_SYMBOL_FIRST);
}

TEST_F(ReinfSettings, CopiesOwnTheirBuffersAndLists) {
  KOVTReinfJobSettings original;
  original.HeaderFooter().HeaderData = {1, 2};
  original.Mater.SteelList = {{L"B500A", 21, L""}};
  KOVTReinfJobSettings copy = original;
  copy.HeaderFooter().HeaderData.push_back(3);
  copy.Mater.SteelList.clear();
  EXPECT_EQ(original.HeaderFooter().HeaderData, (std::vector<std::uint8_t>{1, 2}));
  EXPECT_EQ(original.Mater.SteelList.size(), 1u);
  copy = original;
  EXPECT_EQ(copy.HeaderFooter().HeaderData, original.HeaderFooter().HeaderData);
  EXPECT_EQ(copy.Mater.SteelList.size(), 1u);
}

TEST_F(ReinfSettings, VariablesAnswerByTypeWithThreeRedirections) {
  KOVTReinfJobSettings settings;
  auto& values = settings.Variables().Values;
  for (int type = 0; type < VAR_COUNT; ++type) {
    std::size_t expected = static_cast<std::size_t>(type);
    if (type == VAR_USER_NAME) expected = VAR_INV_NAME;
    if (type == VAR_COMPANY_NAME) expected = VAR_OFF_NAME;
    if (type == VAR_COMPANY_ADDRESS) expected = VAR_OFF_ADDRESS;
    EXPECT_EQ(settings.GetVariable(static_cast<PRN_VARIABLE_TYPES>(type)), &values[expected]) << type;
  }
  EXPECT_EQ(settings.GetVariable(VAR_COUNT), nullptr);
  EXPECT_EQ(settings.GetVariable(static_cast<PRN_VARIABLE_TYPES>(-1)), nullptr);
}

TEST_F(ReinfSettings, ProjectDescriptionMirrorsNineVariables) {
  KOVTReinfJobSettings settings;
  auto& values = settings.Variables().Values;
  for (std::size_t i = 0; i < values.size(); ++i) values[i].Format(L"v%d", static_cast<int>(i));
  settings.Project.Note = L"note";
  settings.TVARIABLES_2_RPROJECT();
  // Each mirrored field and the variable it takes, "v<index>".
  const std::pair<KOVTString RPROJECT::*, const wchar_t*> mirrored[] = {
      {&RPROJECT::Office, L"v23"}, {&RPROJECT::Investor, L"v18"}, {&RPROJECT::ProjectName, L"v6"},
      {&RPROJECT::ProjectNo, L"v11"}, {&RPROJECT::Address, L"v24"}, {&RPROJECT::Designer, L"v5"},
      {&RPROJECT::Revision, L"v28"}, {&RPROJECT::Verified, L"v31"}, {&RPROJECT::Date, L"v2"}};
  for (const auto& [field, variable] : mirrored) EXPECT_EQ(settings.Project.*field, variable);
  EXPECT_EQ(settings.Project.Note, L"note");

  settings.Project.Verified = L"checked";
  settings.Project.Office = L"office";
  settings.RPROJECT_2_TVARIABLES();
  EXPECT_EQ(values[VAR_VERIF], L"checked");
  EXPECT_EQ(values[VAR_OFF_NAME], L"office");
  EXPECT_EQ(values[VAR_COMPANY_NAME], L"v12");
  EXPECT_EQ(values[VAR_REV_NAME], L"v29");
}

using ReinfTolerances = WithMetricUnits<ReinfSettingsTest>;

TEST_F(ReinfTolerances, ReadsAndWritesRefreshBothRecords) {
  KOVTReinfJobSettings settings;  // writes the defaults: millimetres
  EXPECT_EQ(KOVT_EPSILON().SetBy, eEpsilonReinforcement);
  EXPECT_EQ(KOVR_EPSILON().SetBy, eEpsilonReinforcement);
  EXPECT_EQ(KOVT_EPSILON().DisplayTolerance, 10.0);
  EXPECT_EQ(KOVR_EPSILON().DistanceTolerance, 0.1);

  settings.Units.workUnits = L"m";
  settings.Options.BarSegmentsDisplayPrecisionDbl = 5.0;
  settings.Save();
  EXPECT_DOUBLE_EQ(KOVT_EPSILON().UnitFactor, 0.001);
  EXPECT_DOUBLE_EQ(KOVR_EPSILON().SegmentTolerance, 0.005);

  KOVT_EPSILON() = KovtEpsilon{};
  KOVR_EPSILON() = KovrEpsilon{};
  settings.Units.workUnits = L"mm";
  settings.Read();  // reads the stored metres back
  EXPECT_EQ(settings.Units.workUnits, L"m");
  EXPECT_DOUBLE_EQ(KOVT_EPSILON().UnitFactor, 0.001);
  EXPECT_DOUBLE_EQ(KOVR_EPSILON().UnitFactor, 0.001);

  KOVT_EPSILON() = KovtEpsilon{};
  EXPECT_FALSE(settings.ReadJobSettings(L"Nowhere", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(KOVT_EPSILON().SetBy, eEpsilonDefault);
}

}  // namespace
