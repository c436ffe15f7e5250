// Display modes, precisions and angle kinds of each context, and values
// written and read back through the formatting service.
#include <cmath>
#include <string>

#include "environment/app_context.h"
#include "platform/wide_string.h"
#include "tests/units/sv_units_service_fixture.h"

namespace {

std::string Text(const KOVTString& text) { return WideToUtf8(text.c_str()); }

// Each reinforcement precision setting gets its own value, so a kind that
// reads the wrong one shows.
void DistinctPrecisions(RUNITS& units) {
  units.lengthPrecision = 1, units.diameterPrecision = 2, units.coverPrecision = 3, units.surfacePrecision = 5;
  units.spacingPrecision = 6, units.massPrecision = 7, units.stylePrecision = 8;
}

TEST_F(UnitsServiceTest, PrecisionsOfKindsInEachContext) {
  Drawing()->setLuprec(6);
  EXPECT_EQ(Units().PrecisionOfKind(1), 6);  // reinforcement without settings: the drawing's
  EXPECT_EQ(Units().PrecisionOfKind(4), 0);
  EXPECT_EQ(Units().PrecisionOfKind(9), 2);
  DistinctPrecisions(Reinforcement());
  const int reinforcement[] = {-1, 1, 2, 3, 0, 5, 6, 7, 8, 2, -1};
  for (int kind = 0; kind <= 10; ++kind) EXPECT_EQ(Units().PrecisionOfKind(kind), reinforcement[kind]) << kind;
  {
    KOVTContext formwork(KOVT_CONTEXT_FORMWORK);
    EXPECT_EQ(Units().PrecisionOfKind(7), 6);  // without settings: the drawing's
    XUNITS& units = Formwork();
    units.LengthPrecision = 1, units.CrossDimPrecision = 2, units.HoleDimPrecision = 3, units.VolumePrecision = 4;
    units.SurfacePrecision = 5, units.MassPrecision = 6, units.AnglePrecision = 7;
    const int withSettings[] = {-1, 1, 2, 3, 4, 5, 6, 7, 2, 2, -1};
    for (int kind = 0; kind <= 10; ++kind) EXPECT_EQ(Units().PrecisionOfKind(kind), withSettings[kind]) << kind;
  }
  {
    KOVTContext steel(KOVT_CONTEXT_STEEL);
    EXPECT_EQ(Units().PrecisionOfKind(3), 0);
    EXPECT_EQ(Units().PrecisionOfKind(1), -1);
  }
  KOVTContext common(KOVT_CONTEXT_COMMON);
  EXPECT_EQ(Units().PrecisionOfKind(1), 6);
  EXPECT_EQ(Units().PrecisionOfKind(42), 6);
}

TEST_F(UnitsServiceTest, DisplayModesAndAngleKindsInEachContext) {
  Drawing()->setLunits(kZemFractional);
  RUNITS& units = Reinforcement();
  EXPECT_EQ(Units().DisplayModeOfKind(1), kZemDecimal);
  EXPECT_EQ(Units().DisplayModeOfKind(4), kZemDecimalDegrees);
  units.workUnitMode = 0;
  EXPECT_EQ(Units().DisplayModeOfKind(1), kZemArchitectural);
  units.workUnitType = 1;
  EXPECT_EQ(Units().DisplayModeOfKind(1), kZemEngineering);
  EXPECT_EQ(Units().DisplayModeOfKind(5), kZemDecimal);
  EXPECT_EQ(Units().DisplayModeOfKind(7), kZemDecimal);
  EXPECT_TRUE(Units().IsAngleKind(4));
  EXPECT_FALSE(Units().IsAngleKind(3));
  {
    KOVTContext formwork(KOVT_CONTEXT_FORMWORK);
    EXPECT_EQ(Units().DisplayModeOfKind(1), kZemDecimal);
    EXPECT_EQ(Units().DisplayModeOfKind(7), kZemDecimalDegrees);
    EXPECT_TRUE(Units().IsAngleKind(7));
    EXPECT_FALSE(Units().IsAngleKind(4));
  }
  {
    KOVTContext steel(KOVT_CONTEXT_STEEL);
    EXPECT_EQ(Units().DisplayModeOfKind(1), kZemFractional);
    EXPECT_EQ(Units().DisplayModeOfKind(3), kZemDecimalDegrees);
    EXPECT_TRUE(Units().IsAngleKind(3));
  }
  KOVTContext common(KOVT_CONTEXT_COMMON);
  EXPECT_EQ(Units().DisplayModeOfKind(4), kZemFractional);
  for (int kind = 0; kind <= 10; ++kind) EXPECT_FALSE(Units().IsAngleKind(kind)) << kind;
}

TEST_F(UnitsServiceTest, WithoutTheFormattingServiceNothingIsWrittenOrRead) {
  KOVTString text = L"kept";
  EXPECT_FALSE(Units().FormatCore(1.5, text, 1, 2));
  EXPECT_EQ(text, L"kept");
  EXPECT_TRUE(Units().FormatValue(text, 1.5, 1, 2).IsEmpty());
  text = L"kept";
  EXPECT_TRUE(Units().FormatDescValue(text, 1.5, 0, nullptr, 2).IsEmpty());
  double value = 7.0;
  EXPECT_FALSE(Units().ParseCore(L"1.5", value, 1));
  EXPECT_EQ(value, 7.0);
  EXPECT_EQ(Units().ParseValue(L"1.5", 1), 0.0);
}

TEST_F(UnitsServiceTest, RoundsToStepsInSinglePrecision) {
  EXPECT_EQ(Units().RoundToStep(2.5, 1.0), 3.0);
  EXPECT_EQ(Units().RoundToStep(0.26, 0.25), 0.25);
  EXPECT_EQ(Units().RoundToStep(0.38, 0.25), 0.5);
  EXPECT_EQ(Units().RoundToStep(-2.5, 1.0), -2.0);
  EXPECT_EQ(Units().RoundToStep(2.4, 0.0), 2.0);   // below the tolerance: whole numbers
  EXPECT_EQ(Units().RoundToStep(3.6, 1e-9), 4.0);
  EXPECT_EQ(Units().RoundToStep(1e300, 1.0), 1e300);  // nothing left to round
}

TEST_F(UnitsFormattingTest, KindsWriteWithTheirOwnOrTheCallersDecimals) {
  DistinctPrecisions(Reinforcement());
  KOVTString text;
  EXPECT_EQ(Text(Units().FormatValue(text, 12.26, 1, 4)), "12.3");     // "Units.LengthPrecision"
  EXPECT_EQ(Text(Units().FormatValue(text, 12.26, 3, 4)), "12.260");   // "Units.ReinfCoverPrecision"
  EXPECT_EQ(Text(Units().FormatValue(text, 12.26, 2, 4)), "12.2600");  // the caller's
  EXPECT_EQ(Text(Units().FormatValue(text, 12.26, 9, 0)), "12");       // the caller's
  EXPECT_EQ(Text(Units().FormatValue(text, 12.26, 0, 4)), "12.26");    // unknown: as many as needed
  EXPECT_TRUE(Units().FormatCore(0.5, text, 6, 0));  // "Units.ReinfSpacePrecision"
  EXPECT_EQ(Text(text), "0.500000");
}

TEST_F(UnitsFormattingTest, ImperialReinforcementWritesFeetAndInches) {
  RUNITS& units = Reinforcement();
  units.workUnitMode = 0;
  units.lengthPrecision = 1;
  KOVTString text;
  EXPECT_EQ(Text(Units().FormatValue(text, 15.5, 1, 0)), "1'-3 1/2\"");
  EXPECT_DOUBLE_EQ(Units().ParseValue(L"1'-3 1/2\"", 1), 15.5);
  units.workUnitType = 1;
  EXPECT_EQ(Text(Units().FormatValue(text, 15.5, 1, 0)), "1'-3.5\"");
  EXPECT_EQ(Text(Units().FormatValue(text, 15.5, 10, 0)), "15.5");  // kind 10 stays decimal
  EXPECT_DOUBLE_EQ(Units().ParseValue(L"2'", 1), 24.0);
}

TEST_F(UnitsFormattingTest, AnglesAreDegreesForCallersAndRadiansForTheFormatter) {
  Reinforcement();
  KOVTString text;
  EXPECT_EQ(Text(Units().FormatValue(text, 90.0, 4, 3)), "90");
  EXPECT_DOUBLE_EQ(Units().ParseValue(L"30.5", 4), 30.5);
  Drawing()->setLuprec(1);
  KOVTContext formwork(KOVT_CONTEXT_FORMWORK);
  EXPECT_EQ(Text(Units().FormatValue(text, 45.0, 7, 5)), "45.0");
  EXPECT_DOUBLE_EQ(Units().ParseValue(L"45", 7), 45.0);
  EXPECT_DOUBLE_EQ(Units().ParseValue(L"45", 1), 45.0);  // not an angle kind here
  double value = 3.0;
  EXPECT_FALSE(Units().ParseCore(L"forty", value, 7));
  EXPECT_EQ(value, 3.0);
}

TEST_F(UnitsFormattingTest, TheDrawingDecidesOutsideTheModules) {
  Drawing()->setLunits(kZemEngineering);
  Drawing()->setLuprec(1);
  KOVTContext common(KOVT_CONTEXT_COMMON);
  KOVTString text;
  EXPECT_EQ(Text(Units().FormatValue(text, 15.5, 1, 4)), "1'-3.5\"");
  EXPECT_EQ(Text(Units().FormatDescValue(text, 15.5, 0, nullptr, 4)), "1'-3.5\"");
  EXPECT_DOUBLE_EQ(Units().ParseValue(L"1'-3.5\"", 3), 15.5);
}

// What FormatCore writes, ParseCore reads back within the decimals written,
// and writing the value read gives the same text.
TEST_F(UnitsFormattingTest, WrittenValuesReadBack) {
  RUNITS& units = Reinforcement();
  DistinctPrecisions(units);
  constexpr int kCallerDecimals = 3;
  const auto roundTrips = [this](const char* where) {
    for (int kind = 0; kind <= 10; ++kind) {
      // Kinds 2 and 9 write with the caller's decimals.
      const int decimals = kind == 2 || kind == 9 ? kCallerDecimals : Units().PrecisionOfKind(kind);
      for (double value : {0.0, 0.75, 12.5, 1234.5678, -45.125, 98765.4321}) {
        KOVTString text;
        ASSERT_TRUE(Units().FormatCore(value, text, kind, kCallerDecimals)) << where << " kind " << kind;
        double back = 0.0;
        ASSERT_TRUE(Units().ParseCore(text, back, kind)) << where << " " << Text(text);
        const double step = decimals < 0 ? 1e-8 : std::pow(10.0, -std::min(decimals, kZemMaxPrecision));
        const double tolerance = Units().DisplayModeOfKind(kind) == kZemArchitectural ? 0.5 : step;
        EXPECT_NEAR(back, value, tolerance * (1 + 1e-9) + 1e-9) << where << " " << Text(text);
        KOVTString again;
        ASSERT_TRUE(Units().FormatCore(back, again, kind, kCallerDecimals));
        EXPECT_EQ(Text(again), Text(text)) << where << " kind " << kind;
      }
    }
  };
  roundTrips("metric");
  units.workUnitMode = 0;
  roundTrips("architectural");
  units.workUnitType = 1;
  roundTrips("engineering");
  KOVTContext steel(KOVT_CONTEXT_STEEL);
  roundTrips("steel");
}

TEST_F(UnitsFormattingTest, DescriptionsSwitchUnitsAtOneMetreOrWriteInches) {
  RUNITS& units = Reinforcement();
  units.workUnits = L"mm", units.greaterThenOneUnit = L"m", units.greaterThenOnePrecision = 2;
  units.lessThenOneUnit = L"cm", units.lessThenOnePrecision = 1;
  KOVTString text;
  bool above = false;
  EXPECT_EQ(Text(Units().FormatDescValue(text, 2500.0, 0, &above, 4)), "2.50");
  EXPECT_TRUE(above);
  EXPECT_EQ(Text(Units().FormatDescValue(text, 1000.0, 6, &above, 4)), "100.0");
  EXPECT_FALSE(above);
  EXPECT_EQ(Text(Units().FormatDescValue(text, 2500.0, 9, nullptr, 3)), "2.500");
  // Other kinds write as FormatValue does with no decimals asked for.
  EXPECT_EQ(Text(Units().FormatDescValue(text, 1234.5, 2, &above, 4)), "1234.5");
  EXPECT_FALSE(above);

  units.descFormatMode = 0, units.impDescFormatType = 1, units.impDescFormatPrecision = 2;
  above = true;
  EXPECT_EQ(Text(Units().FormatDescValue(text, 381.0, 1, &above, 4)), "1'-3.00\"");
  EXPECT_TRUE(above);  // only metric descriptions choose between two units
  units.impDescFormatType = 0;
  EXPECT_EQ(Text(Units().FormatDescValue(text, 387.35, 8, nullptr, 4)), "1'-3 1/4\"");
}

}  // namespace
