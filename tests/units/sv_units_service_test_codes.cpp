// Work units, unit codes of kinds, metric queries and the conversions built
// on them, in each application context.
#include "environment/app_context.h"
#include "tests/units/sv_units_service_fixture.h"
#include "units/unit_codes.h"

namespace {

constexpr int kMm = 0, kCm = 1, kM = 2, kIn = 3, kFt = 4;
constexpr int kMm2 = 5, kCm2 = 6, kM2 = 7, kIn2 = 8;
constexpr int kMm3 = 10, kCm3 = 11, kM3 = 12, kIn3 = 13;
constexpr int kT = 15, kKg = 16, kLb = 17;
constexpr int kDeg = 20, kRad = 21;

TEST_F(UnitsServiceTest, ReinforcementWorkUnitAndModes) {
  EXPECT_EQ(Units().IsWorkMetric(), 1);  // no settings yet
  RUNITS& units = Reinforcement();
  units.workUnits = L"cm";
  EXPECT_EQ(Units().WorkLengthCode(), kCm);
  EXPECT_EQ(Units().WorkSurfaceCode(), kCm2);
  EXPECT_EQ(Units().WorkVolumeCode(), kCm3);
  EXPECT_STREQ(Units().WorkVolumeName(), KovtUnit::DisplayNameOfCode(kCm3));
  units.workUnits = L"фут";
  EXPECT_EQ(Units().WorkSurfaceCode(), 9);
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
  units.workUnits = L"cm";
  units.lengthUnit = L"m";
  units.coverUnit = L"in";
  units.spacingUnit = L"ft";
  units.surfaceUnit = L"m2";
  units.massUnit = L"t";
  EXPECT_EQ(Units().LengthCodeOfKind(0), kM);
  EXPECT_EQ(Units().LengthCodeOfKind(3), kIn);
  EXPECT_EQ(Units().LengthCodeOfKind(5), kFt);
  EXPECT_EQ(Units().LengthCodeOfKind(6), kCm);
  EXPECT_EQ(Units().SurfaceCodeOfKind(0), kM2);
  EXPECT_EQ(Units().SurfaceCodeOfKind(1), kCm2);
  EXPECT_EQ(Units().VolumeCodeOfKind(1), kCm3);
  EXPECT_EQ(Units().MassCodeOfKind(1), kT);
  EXPECT_STREQ(Units().LengthNameOfKind(3), KovtUnit::DisplayNameOfCode(kIn));
  // Kinds the settings do not name follow the system.
  EXPECT_EQ(Units().LengthCodeOfKind(2), kMm);
  EXPECT_EQ(Units().VolumeCodeOfKind(0), kMm3);
  EXPECT_EQ(Units().MassCodeOfKind(0), kKg);
  EXPECT_EQ(Units().AngleCodeOfKind(4), kDeg);
  units.workUnitMode = 0;
  EXPECT_EQ(Units().LengthCodeOfKind(2), kIn);
  EXPECT_EQ(Units().SurfaceCodeOfKind(3), kIn2);
  EXPECT_EQ(Units().VolumeCodeOfKind(0), kIn3);
  EXPECT_EQ(Units().MassCodeOfKind(0), kLb);
  EXPECT_EQ(Units().AngleCodeOfKind(0), kDeg);
  EXPECT_EQ(Units().LengthCodeOfKind(0), kM);  // named kinds stay
  KOVTContext barShapes(KOVT_CONTEXT_BARSHAPES);  // shares the reinforcement settings
  EXPECT_EQ(Units().LengthCodeOfKind(3), kIn);
  EXPECT_EQ(Units().IsWorkMetric(), 0);
}

TEST_F(UnitsServiceTest, ConvertsBetweenWorkUnitKindsAndCodes) {
  RUNITS& units = Reinforcement();
  units.workUnits = L"cm";
  units.lengthUnit = L"m";
  units.surfaceUnit = L"m2";
  EXPECT_DOUBLE_EQ(Units().LengthWorkToKind(0, 250.0), 2.5);
  EXPECT_DOUBLE_EQ(Units().LengthKindToWork(0, 2.5), 250.0);
  EXPECT_DOUBLE_EQ(Units().LengthWorkToCode(kMm, 1.0), 10.0);
  EXPECT_DOUBLE_EQ(Units().LengthCodeToWork(kIn, 1.0), 2.54);
  EXPECT_DOUBLE_EQ(Units().SurfaceWorkToKind(0, 10000.0), 1.0);
  EXPECT_DOUBLE_EQ(Units().SurfaceKindToWork(0, 1.0), 10000.0);
  EXPECT_DOUBLE_EQ(Units().SurfaceWorkToCode(kMm2, 1.0), 100.0);
  EXPECT_DOUBLE_EQ(Units().SurfaceCodeToWork(kM2, 1.0), 10000.0);
  EXPECT_DOUBLE_EQ(Units().VolumeWorkToKind(1, 5.0), 5.0);
  EXPECT_DOUBLE_EQ(Units().VolumeKindToWork(0, 1000.0), 1.0);  // kind 0: "mm3"
  EXPECT_DOUBLE_EQ(Units().VolumeWorkToCode(kM3, 1e6), 1.0);
  EXPECT_DOUBLE_EQ(Units().VolumeCodeToWork(kMm3, 1000.0), 1.0);
  EXPECT_EQ(Units().LengthWorkToCode(kM2, 3.0), 3.0);  // not a length code
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
  EXPECT_EQ(Units().LengthCodeOfKind(6), kIn);
  EXPECT_EQ(Units().LengthCodeOfKind(0), kIn);
  EXPECT_EQ(Units().MassCodeOfKind(1), kLb);
  EXPECT_DOUBLE_EQ(Units().LengthWorkToCode(kMm, 1.0), 25.4);
}

TEST_F(UnitsServiceTest, FormworkKindsNameTheirSettingsAndTheWorkIsMetric) {
  Reinforcement().workUnits = L"cm";  // not read in the formwork context
  KOVTContext formwork(KOVT_CONTEXT_FORMWORK);
  Drawing()->setMeasurement(PnDb::kEnglish);
  EXPECT_EQ(Units().WorkLengthCode(), kMm);  // no formwork settings yet
  EXPECT_EQ(Units().LengthCodeOfKind(4), kMm);
  XUNITS& units = Formwork();
  units.WorkUnits = L"m";
  units.Length = L"cm";
  units.CrossDim = L"mm";
  units.HoleDim = L"in";
  units.Surface = L"cm2";
  units.Volume = L"m3";
  units.Mass = L"t";
  units.Angle = L"rad";
  EXPECT_EQ(Units().IsWorkMetric(), 1);
  EXPECT_EQ(Units().IsDescMetric(), 1);
  EXPECT_EQ(Units().WorkVolumeCode(), kM3);
  const int lengths[] = {kCm, kMm, kMm, kMm, kIn, kMm, kM};
  for (int kind = 0; kind <= 6; ++kind) EXPECT_EQ(Units().LengthCodeOfKind(kind), lengths[kind]) << kind;
  EXPECT_EQ(Units().SurfaceCodeOfKind(0), kCm2);
  EXPECT_EQ(Units().SurfaceCodeOfKind(1), kM2);
  EXPECT_EQ(Units().VolumeCodeOfKind(0), kM3);
  EXPECT_EQ(Units().MassCodeOfKind(0), kT);
  EXPECT_EQ(Units().MassCodeOfKind(1), kKg);
  EXPECT_EQ(Units().AngleCodeOfKind(2), kRad);
  EXPECT_EQ(Units().AngleCodeOfKind(0), kDeg);
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
    EXPECT_EQ(Units().LengthCodeOfKind(6), kIn);
    EXPECT_EQ(Units().LengthCodeOfKind(0), kIn);
    EXPECT_EQ(Units().VolumeCodeOfKind(1), kIn3);
    EXPECT_EQ(Units().MassCodeOfKind(1), kLb);
  }
  KOVTContext common(KOVT_CONTEXT_COMMON);
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  const int metricWithoutDrawing = Units().IsWorkMetric();
  pndbHostApplicationServices()->setWorkingDatabase(Drawing());
  EXPECT_EQ(metricWithoutDrawing, 1);
}

}  // namespace
