// How reading repairs sets written by older versions: renamed codes, keys
// that did not exist yet, and values no longer offered.
#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>
#include <utility>

#include "tests/jobsettings/reinf_test_fixture.h"

namespace {

using KoVTPrjReg::TRegistry;
using Renames = std::initializer_list<std::pair<const wchar_t*, const wchar_t*>>;

class ReinfRepairs : public ReinfSettingsTest {
 protected:
  // Each first name stored as `key` reads back as its second into `norm`.
  void ExpectStoredNormsReadAs(const wchar_t* key, KOVTString RNORMS::*norm, Renames renames) {
    KOVTReinfJobSettings settings;
    for (const auto& rename : renames) {
      EditSet([&](TRegistry& registry) { registry.WriteString(key, rename.first); });
      settings.Read();
      EXPECT_EQ(settings.Norms.*norm, rename.second) << rename.first;
    }
  }
};

TEST_F(ReinfRepairs, ReadingTakesOverTheStoredFormatVersion) { ExpectReadingTakesOverTheStoredFormatVersion(); }

TEST_F(ReinfRepairs, MissingInvestorAndOfficeVariablesTakeTheUsersAndTheCompanys) {
  StoreSetWithout({L"Variables.sVAR_INV_NAME", L"Variables.sVAR_INV_ADDRESS", L"Variables.sVAR_OFF_NAME",
                   L"Variables.sVAR_OFF_ADDRESS"});
  EditSet([](TRegistry& registry) {
    registry.WriteString(L"Variables.sVAR_USER_NAME", L"Jo Planner");
    registry.WriteString(L"Variables.sVAR_USER_ADDRESS", L"1 Main Street");
    registry.WriteString(L"Variables.sVAR_COMPANY_NAME", L"Acme Design");
    registry.WriteString(L"Variables.sVAR_COMPANY_ADDRESS", L"2 Side Road");
  });
  KOVTReinfJobSettings settings;
  const auto& values = settings.Variables().Values;
  EXPECT_EQ(values[VAR_INV_NAME], L"Jo Planner");
  EXPECT_EQ(values[VAR_INV_ADDRESS], L"1 Main Street");
  EXPECT_EQ(values[VAR_OFF_NAME], L"Acme Design");
  EXPECT_EQ(values[VAR_OFF_ADDRESS], L"2 Side Road");

  // A stored variable keeps its own value.
  EditSet([](TRegistry& registry) { registry.WriteString(L"Variables.sVAR_INV_NAME", L"City Council"); });
  settings.Read();
  EXPECT_EQ(values[VAR_INV_NAME], L"City Council");
  EXPECT_EQ(values[VAR_OFF_NAME], L"Acme Design");
}

TEST_F(ReinfRepairs, HeaderDataIsReadOnlyAfterAStoredSizeAboveZero) {
  { KOVTReinfJobSettings created; }
  const std::uint8_t stored[] = {7, 8, 9, 10, 11};
  EditSet([&](TRegistry& registry) {
    registry.WriteBinaryData(L"HeaderFooter.HeaderData", stored, 5);
    registry.WriteBinaryData(L"HeaderFooter.FooterData", stored, 2);
    registry.WriteInteger(L"HeaderFooter.FooterSize", 3);
  });
  KOVTReinfJobSettings settings;
  settings.HeaderFooter().HeaderData = {1};
  settings.HeaderFooter().HeaderSize = 1;
  settings.Read();
  // Header size stored as 0: the buffer stays; the footer takes the stored length.
  EXPECT_EQ(settings.HeaderFooter().HeaderSize, 0);
  EXPECT_EQ(settings.HeaderFooter().HeaderData, std::vector<std::uint8_t>{1});
  EXPECT_EQ(settings.HeaderFooter().FooterSize, 2);
  EXPECT_EQ(settings.HeaderFooter().FooterData, (std::vector<std::uint8_t>{7, 8}));

  EditSet([](TRegistry& registry) { registry.DeleteValue(L"HeaderFooter.HeaderSize"); });
  settings.HeaderFooter().HeaderSize = 4;
  settings.Read();
  EXPECT_EQ(settings.HeaderFooter().HeaderSize, 4);
  EXPECT_EQ(settings.HeaderFooter().HeaderData, std::vector<std::uint8_t>{1});

  EditSet([](TRegistry& registry) { registry.WriteInteger(L"HeaderFooter.HeaderSize", 2); });
  settings.Read();
  EXPECT_EQ(settings.HeaderFooter().HeaderSize, 5);
  EXPECT_EQ(settings.HeaderFooter().HeaderData, (std::vector<std::uint8_t>{7, 8, 9, 10, 11}));
}

TEST_F(ReinfRepairs, RenamedDesignCodesReadBackUnderTheirCurrentNames) {
  ExpectStoredNormsReadAs(L"Norms.Reinforce", &RNORMS::Reinforce,
                          {{L"BAEL 91", L"BAEL 99"},
                           {L"ACI 318-99 METRIC", L"ACI 318-08 METRIC"},
                           {L"PN-B-03264:1999", L"PN-B-03264:2002"},
                           {L"DM", L"DM 9/96"},
                           {L"DS 411", L"DS 411:2001"},
                           {L"DIN 1045", L"DIN 1045-1"},
                           {L"din 1045", L"din 1045"},
                           {L"DIN 1045-1", L"DIN 1045-1"}});
}

TEST_F(ReinfRepairs, RenamedDrawingStandardsAreMatchedAsOnceStored) {
  ExpectStoredNormsReadAs(L"Norms.Drawing", &RNORMS::Drawing,
                          {{L"PN-ISO 4066:1194", L"PN-ISO 4066:1994"},
                           {L"ACI 318-99 M", L"ACI 318-08 METRIC"},
                           {L"NS 3473E:199", L"NS-EN ISO 3766"},
                           {L"DS411", L"ISO 4066"},
                           {L"DIN 1045", L"ISO 3766:2003"},
                           // Only the shortened forms were ever stored.
                           {L"ACI 318-99 METRIC", L"ACI 318-99 METRIC"},
                           {L"NS 3473E:1999", L"NS 3473E:1999"}});
}

TEST_F(ReinfRepairs, MissingCoverAndSpacingUnitsTakeThoseOfLengths) {
  StoreSetWithout({L"Units.ReinfCover", L"Units.ReinfSpace", L"Units.ReinfCoverPrecision", L"Units.ReinfSpacePrecision",
                   L"Units.ReinfCoverCoeff"});
  EditSet([](TRegistry& registry) {
    registry.WriteString(L"Units.Length", L"cm");
    registry.WriteInteger(L"Units.LengthPrecision", 1);
    registry.WriteFloat(L"Units.LengthCoeff", 0.01);
    registry.WriteString(L"Units.ReinfSpaceCoeff", L"1.0");  // another kind counts as missing
  });
  KOVTReinfJobSettings settings;
  EXPECT_EQ(settings.Units.coverUnit, L"cm");
  EXPECT_EQ(settings.Units.spacingUnit, L"cm");
  EXPECT_EQ(settings.Units.coverPrecision, 1);
  EXPECT_EQ(settings.Units.spacingPrecision, 1);
  EXPECT_EQ(settings.Units.coverCoeff, 0.01);
  EXPECT_EQ(settings.Units.spacingCoeff, 0.01);
  EXPECT_EQ(settings.Units.massUnit, L"kg");
}

TEST_F(ReinfRepairs, MissingDescriptionPrecisionsFollowTheirUnits) {
  StoreSetWithout({L"Units.LessThenOnePrecision", L"Units.GreaterThenOnePrecision"});
  struct Case {
    const wchar_t* below;
    const wchar_t* above;
    int belowPrecision;
    int abovePrecision;
  };
  const Case cases[] = {{L"cm", L"mm", 1, 0}, {L"m", L"cm", 2, 1}, {L"dm", L"M", 7, 7}};
  KOVTReinfJobSettings settings;
  for (const Case& units : cases) {
    EditSet([&](TRegistry& registry) {
      registry.WriteString(L"Units.LessThenOne", units.below);
      registry.WriteString(L"Units.GreaterThenOne", units.above);
    });
    settings.Units.lessThenOnePrecision = settings.Units.greaterThenOnePrecision = 7;
    settings.Read();
    EXPECT_EQ(settings.Units.lessThenOnePrecision, units.belowPrecision) << units.below;
    EXPECT_EQ(settings.Units.greaterThenOnePrecision, units.abovePrecision) << units.above;
  }
}

TEST_F(ReinfRepairs, MissingBritishCoverTakesTheCover) {
  StoreSetWithout({L"Mater.ReinforcementCoverBS"});
  EditSet([](TRegistry& registry) { registry.WriteFloat(L"Mater.ReinforcementCover", 35.0); });
  KOVTReinfJobSettings settings;
  EXPECT_EQ(settings.Mater.ReinforcementCoverBS, 35.0);
}

TEST_F(ReinfRepairs, MissingBarDatabaseComesWithTheDesignCode) {
  StoreSetWithout({L"Mater.BarDataBaseFile"});
  const std::pair<int, const wchar_t*> cases[] = {{2, L"bar_BS 8666_2005"},
                                                  {0, L"bar_NF A 35-027"},
                                                  {28, L"bar_NZS 3101_2006"},
                                                  {13, L""},  // a code without a database of its own
                                                  {29, L"mine"},
                                                  {-1, L"mine"}};
  KOVTReinfJobSettings settings;
  for (const auto& [code, database] : cases) {
    const int stored = code;
    EditSet([&](TRegistry& registry) { registry.WriteInteger(L"Norms.ReinforceNumb", stored); });
    settings.Mater.BarDataBaseFile = L"mine";
    settings.Read();
    EXPECT_EQ(settings.Mater.BarDataBaseFile, database) << code;
  }
}

TEST_F(ReinfRepairs, MissingFabricDatabaseFollowsTheOldNumbering) {
  StoreSetWithout({L"Mater.MeshDataBaseFile"});
  const std::pair<int, const wchar_t*> cases[] = {
      {-1, L"fabric_ADETS1"}, {0, L"fabric_ADETS1"}, {1, L"fabric_ADETS2"},      {2, L"fabric_CEDLER"},
      {3, L"fabric_BS"},      {4, L"fabric_TB"},     {5, L"fabric_ASTM_Metric"}, {6, L"fabric_STNB"},
      {7, L"fabric_ADETS1"},  {-2, L"fabric_ADETS1"}};
  KOVTReinfJobSettings settings;
  for (const auto& [number, database] : cases) {
    const int stored = number;
    EditSet([&](TRegistry& registry) { registry.WriteInteger(L"Mater.MeshDataBaseNumber", stored); });
    settings.Read();
    EXPECT_EQ(settings.Mater.MeshDataBaseFile, database) << number;
  }
}

TEST_F(ReinfRepairs, SteelListReadRepeatsTheEntryBeforeAMissingValue) {
  KOVTReinfJobSettings written;
  written.Mater.SteelList = {{L"B500A", 21, L"A"}, {L"B500B", 22, L""}, {L"B500C", 23, L"C"}};
  written.Save();
  EditSet([](TRegistry& registry) {
    registry.DeleteValue(L"Mater.ReinfSteelVector1.Class");
    registry.DeleteValue(L"Mater.ReinfSteelVector2.UserSymbol");
  });
  KOVTReinfJobSettings reader;
  ASSERT_EQ(reader.Mater.SteelList.size(), 3u);
  EXPECT_EQ(reader.Mater.SteelList[1].Class, L"B500A");
  EXPECT_EQ(reader.Mater.SteelList[1].Symbol, 22);
  EXPECT_EQ(reader.Mater.SteelList[1].UserSymbol, L"");
  EXPECT_EQ(reader.Mater.SteelList[2].Class, L"B500C");
  EXPECT_EQ(reader.Mater.SteelList[2].UserSymbol, L"");

  // A negative size empties the list; one beyond the bound is damage, and
  // neither the list nor its size change.
  for (auto [size, entries, after] : {std::tuple{-1, 0u, -1}, {KovtJobKeys::kMaxListEntries + 1, 1u, 1}}) {
    EditSet([&](TRegistry& registry) { registry.WriteInteger(L"Mater.ReinfSteelSize", size); });
    reader.Mater.SteelList = {{L"Mine", 1, L""}};
    reader.Mater.ReinfSteelSize = 1;
    reader.Read();
    EXPECT_EQ(reader.Mater.SteelList.size(), entries) << size;
    EXPECT_EQ(reader.Mater.ReinfSteelSize, after) << size;
  }
  EditSet([](TRegistry& registry) { registry.DeleteValue(L"Mater.ReinfSteelSize"); });
  reader.Mater.ReinfSteelSize = 1;
  reader.Read();
  ASSERT_EQ(reader.Mater.SteelList.size(), 1u);
  EXPECT_EQ(reader.Mater.SteelList[0].Class, L"Mine");
  EXPECT_EQ(reader.Mater.ReinfSteelSize, 1);
}

TEST_F(ReinfRepairs, MissingBarPrecisionDoubleTakesTheIntegerOne) {
  StoreSetWithout({L"Options.BarDisplayPrecisionDbl"});
  EditSet([](TRegistry& registry) { registry.WriteInteger(L"Options.BarDisplayPrecision", 5); });
  KOVTReinfJobSettings settings;
  EXPECT_EQ(settings.Options.BarDisplayPrecisionDbl, 5.0);
}

TEST_F(ReinfRepairs, DistancePrecisionIsNeverZero) {
  { KOVTReinfJobSettings created; }
  EditSet([](TRegistry& registry) { registry.WriteFloat(L"Options.DisDisplayPrecisionDbl", 0.0); });
  KOVTReinfJobSettings settings;
  EXPECT_EQ(settings.Options.DisDisplayPrecisionDbl, 0.1);

  EditSet([](TRegistry& registry) { registry.DeleteValue(L"Options.DisDisplayPrecisionDbl"); });
  settings.Options.DisDisplayPrecisionDbl = 0.0;
  settings.Read();
  EXPECT_EQ(settings.Options.DisDisplayPrecisionDbl, 0.1);
  settings.Options.DisDisplayPrecisionDbl = 0.5;
  settings.Read();
  EXPECT_EQ(settings.Options.DisDisplayPrecisionDbl, 0.5);
}

TEST_F(ReinfRepairs, SchemeSizeMode2BecomesMode1) {
  { KOVTReinfJobSettings created; }
  EditSet([](TRegistry& registry) {
    registry.WriteInteger(L"BarDsp.SchemSizeMode", 2);
    registry.WriteInteger(L"MeshDsp.SchemSizeMode", 2);
  });
  KOVTReinfJobSettings settings;
  EXPECT_EQ(settings.BarDsp.SchemSizeMode, 1);
  EXPECT_EQ(settings.MeshDsp.SchemSizeMode, 1);

  EditSet([](TRegistry& registry) {
    registry.WriteInteger(L"BarDsp.SchemSizeMode", 3);
    registry.DeleteValue(L"MeshDsp.SchemSizeMode");
  });
  settings.MeshDsp.SchemSizeMode = 2;
  settings.Read();
  EXPECT_EQ(settings.BarDsp.SchemSizeMode, 3);
  EXPECT_EQ(settings.MeshDsp.SchemSizeMode, 1);
}

}  // namespace
