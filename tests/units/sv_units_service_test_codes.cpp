// Work units, unit codes of kinds, metric queries and the conversions built
// on them, in each application context.
#include "environment/app_context.h"
#include "tests/units/sv_units_service_fixture.h"
#include "units/unit_codes.h"

namespace {

constexpr int kMm = 0, kCm = 1, kM = 2, kIn = 3, kFt = 4;
constexpr int kMm2 = 5, kCm2 = 6, kM2 = 7, kIn2 = 8, kFt2 = 9;
constexpr int kMm3 = 10, kCm3 = 11, kM3 = 12, kIn3 = 13;
constexpr int kT = 15, kKg = 16, kLb = 17;
constexpr int kDeg = 20, kRad = 21;

constexpr auto kLength = &TxISvUnits::LengthCodeOfKind;
constexpr auto kSurface = &TxISvUnits::SurfaceCodeOfKind;
constexpr auto kVolume = &TxISvUnits::VolumeCodeOfKind;
constexpr auto kMass = &TxISvUnits::MassCodeOfKind;
constexpr auto kAngle = &TxISvUnits::AngleCodeOfKind;

TEST_F(UnitsServiceTest, ReinforcementWorkUnitAndModes) {
  EXPECT_EQ(Units().IsWorkMetric(), 1);  // no settings yet
  RUNITS& units = Reinforcement();
  units.workUnits = L"cm";
  EXPECT_EQ(Units().WorkLengthCode(), kCm);
  EXPECT_EQ(Units().WorkSurfaceCode(), kCm2);
  EXPECT_EQ(Units().WorkVolumeCode(), kCm3);
  EXPECT_STREQ(Units().WorkVolumeName(), KovtUnit::DisplayNameOfCode(kCm3));
  units.workUnits = L"фут";
  EXPECT_EQ(Units().WorkSurfaceCode(), kFt2);
  units.workUnits = L"furlong";  // unknown names count as "mm"
  EXPECT_EQ(Units().WorkLengthCode(), kMm);
  units.workUnitMode = 0;
  EXPECT_EQ(Units().IsWorkMetric(), 0);
  EXPECT_EQ(Units().IsDescMetric(), 1);
  units.workUnitMode = 1;
  units.descFormatMode = 0;
  EXPECT_EQ(Units().IsWorkMetric(), 1);
  EXPECT_EQ(Units().IsDescMetric(), 0);
}

TEST_F(UnitsServiceTest, ReinforcementKindsNameTheirSettings) {
  RUNITS& units = Reinforcement();
  units.workUnits = L"cm", units.lengthUnit = L"m", units.coverUnit = L"in", units.spacingUnit = L"ft";
  units.surfaceUnit = L"m2", units.massUnit = L"t";
  ExpectKindCodes(Units(), {{kLength, 0, kM}, {kLength, 3, kIn}, {kLength, 5, kFt}, {kLength, 6, kCm},
                            {kSurface, 0, kM2}, {kSurface, 1, kCm2}, {kVolume, 1, kCm3}, {kMass, 1, kT}});
  EXPECT_STREQ(Units().LengthNameOfKind(3), KovtUnit::DisplayNameOfCode(kIn));
  // Kinds the settings do not name follow the system; named kinds stay.
  ExpectKindCodes(Units(), {{kLength, 2, kMm}, {kVolume, 0, kMm3}, {kMass, 0, kKg}, {kAngle, 4, kDeg}});
  units.workUnitMode = 0;
  ExpectKindCodes(Units(), {{kLength, 2, kIn}, {kSurface, 3, kIn2}, {kVolume, 0, kIn3}, {kMass, 0, kLb},
                            {kAngle, 0, kDeg}, {kLength, 0, kM}});
  KOVTContext barShapes(KOVT_CONTEXT_BARSHAPES);  // shares the reinforcement settings
  EXPECT_EQ(Units().LengthCodeOfKind(3), kIn);
  EXPECT_EQ(Units().IsWorkMetric(), 0);
}

TEST_F(UnitsServiceTest, ConvertsBetweenWorkUnitKindsAndCodes) {
  RUNITS& units = Reinforcement();
  units.workUnits = L"cm", units.lengthUnit = L"m", units.surfaceUnit = L"m2";
  struct Case {
    double (TxISvUnits::*convert)(int, double);
    int kindOrCode;
    double value, expected;
  };
  const Case cases[] = {
      {&TxISvUnits::LengthWorkToKind, 0, 250.0, 2.5},      {&TxISvUnits::LengthKindToWork, 0, 2.5, 250.0},
      {&TxISvUnits::LengthWorkToCode, kMm, 1.0, 10.0},     {&TxISvUnits::LengthCodeToWork, kIn, 1.0, 2.54},
      {&TxISvUnits::SurfaceWorkToKind, 0, 1e4, 1.0},       {&TxISvUnits::SurfaceKindToWork, 0, 1.0, 1e4},
      {&TxISvUnits::SurfaceWorkToCode, kMm2, 1.0, 100.0},  {&TxISvUnits::SurfaceCodeToWork, kM2, 1.0, 1e4},
      {&TxISvUnits::VolumeWorkToKind, 1, 5.0, 5.0},        {&TxISvUnits::VolumeKindToWork, 0, 1000.0, 1.0},  // "mm3"
      {&TxISvUnits::VolumeWorkToCode, kM3, 1e6, 1.0},      {&TxISvUnits::VolumeCodeToWork, kMm3, 1000.0, 1.0},
      {&TxISvUnits::LengthWorkToCode, kM2, 3.0, 3.0},  // not a length code
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ((Units().*c.convert)(c.kindOrCode, c.value), c.expected) << c.kindOrCode << " " << c.value;
}

TEST_F(UnitsServiceTest, SteelFollowsItsModeAndNamesNoUnits) {
  KOVTContext steel(KOVT_CONTEXT_STEEL);
  EXPECT_EQ(Units().IsWorkMetric(), 1);  // no steel settings yet
  SUNITS& units = Steel();
  units.WorkUnitName = L"cm";  // steel works in "mm" or "in" whatever it names
  EXPECT_EQ(Units().WorkLengthCode(), kMm);
  units.WorkUnitMode = 0;
  EXPECT_EQ(Units().IsWorkMetric(), 0);
  EXPECT_EQ(Units().IsDescMetric(), 0);
  EXPECT_EQ(Units().WorkSurfaceCode(), kIn2);
  ExpectKindCodes(Units(), {{kLength, 6, kIn}, {kLength, 0, kIn}, {kMass, 1, kLb}});
  EXPECT_DOUBLE_EQ(Units().LengthWorkToCode(kMm, 1.0), 25.4);
}

TEST_F(UnitsServiceTest, FormworkKindsNameTheirSettingsAndTheWorkIsMetric) {
  Reinforcement().workUnits = L"cm";  // not read in the formwork context
  KOVTContext formwork(KOVT_CONTEXT_FORMWORK);
  Drawing()->setMeasurement(PnDb::kEnglish);
  EXPECT_EQ(Units().WorkLengthCode(), kMm);  // no formwork settings yet
  EXPECT_EQ(Units().LengthCodeOfKind(4), kMm);
  XUNITS& units = Formwork();
  units.WorkUnits = L"m", units.Length = L"cm", units.CrossDim = L"mm", units.HoleDim = L"in", units.Surface = L"cm2";
  units.Volume = L"m3", units.Mass = L"t", units.Angle = L"rad";
  EXPECT_EQ(Units().IsWorkMetric(), 1);
  EXPECT_EQ(Units().IsDescMetric(), 1);
  EXPECT_EQ(Units().WorkVolumeCode(), kM3);
  const int lengths[] = {kCm, kMm, kMm, kMm, kIn, kMm, kM};
  for (int kind = 0; kind <= 6; ++kind) EXPECT_EQ(Units().LengthCodeOfKind(kind), lengths[kind]) << kind;
  ExpectKindCodes(Units(), {{kSurface, 0, kCm2}, {kSurface, 1, kM2}, {kVolume, 0, kM3}, {kMass, 0, kT},
                            {kMass, 1, kKg}, {kAngle, 2, kRad}, {kAngle, 0, kDeg}});
  EXPECT_DOUBLE_EQ(Units().LengthWorkToKind(4, 0.0254), 1.0);
}

TEST_F(UnitsServiceTest, OtherContextsFollowTheDrawingsMeasurement) {
  Reinforcement().workUnits = L"cm";  // not read outside the reinforcement contexts
  for (KOVTCONTEXT_TYPE context : {KOVT_CONTEXT_COMMON, KOVT_CONTEXT_NONE}) {
    KOVTContext scope(context);
    Drawing()->setMeasurement(PnDb::kMetric);
    EXPECT_EQ(Units().IsWorkMetric(), 1);
    EXPECT_EQ(Units().WorkLengthCode(), kMm);
    Drawing()->setMeasurement(PnDb::kEnglish);
    EXPECT_EQ(Units().IsWorkMetric(), 0);
    EXPECT_EQ(Units().IsDescMetric(), 0);
    ExpectKindCodes(Units(), {{kLength, 6, kIn}, {kLength, 0, kIn}, {kVolume, 1, kIn3}, {kMass, 1, kLb}});
  }
  KOVTContext common(KOVT_CONTEXT_COMMON);
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  const int metricWithoutDrawing = Units().IsWorkMetric();
  pndbHostApplicationServices()->setWorkingDatabase(Drawing());
  EXPECT_EQ(metricWithoutDrawing, 1);
}

}  // namespace
