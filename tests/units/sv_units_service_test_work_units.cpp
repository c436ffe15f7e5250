// The free functions that read the work unit of the current context and
// answer through the published service.
#include "environment/app_context.h"
#include "tests/units/sv_units_service_fixture.h"
#include "units/unit_conversion.h"
#include "units/unit_info.h"
#include "units/unit_lists.h"
#include "units/unit_system.h"

namespace {

TEST_F(UnitsServiceTest, WorkUnitsOfEachContext) {
  EXPECT_TRUE(KOVTGetWorkUnits().IsEmpty());  // no reinforcement root yet
  Reinforcement().workUnits = L"cm";
  EXPECT_EQ(KOVTGetWorkUnits(), L"cm");
  {
    KOVTContext common(KOVT_CONTEXT_COMMON);
    EXPECT_EQ(KOVTGetWorkUnits(), L"cm");
  }
  {
    KOVTContext steel(KOVT_CONTEXT_STEEL);
    EXPECT_EQ(KOVTGetWorkUnits(), L"mm");
    Steel().WorkUnitMode = 0;
    EXPECT_EQ(KOVTGetWorkUnits(), L"in");
  }
  {
    KOVTContext formwork(KOVT_CONTEXT_FORMWORK);
    EXPECT_TRUE(KOVTGetWorkUnits().IsEmpty());  // no formwork root yet
    Formwork().WorkUnits = L"m";
    EXPECT_EQ(KOVTGetWorkUnits(), L"m");
  }
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  const KOVTString withoutDrawing = KOVTGetWorkUnits();
  pndbHostApplicationServices()->setWorkingDatabase(Drawing());
  EXPECT_TRUE(withoutDrawing.IsEmpty());
}

TEST_F(UnitsServiceTest, CoefficientsOfSelectionsForTheJobSettingsWorkUnit) {
  EXPECT_EQ(GetCoeffFromSel(2), 1.0);  // no settings: nothing to convert from
  RUNITS& units = Reinforcement();
  units.workUnits = L"m";
  EXPECT_DOUBLE_EQ(GetCoeffFromSel(2), 1000.0);  // m -> mm
  EXPECT_DOUBLE_EQ(GetSurfaceCoeffFromSel(1), 1e4);  // m2 -> cm2
  EXPECT_DOUBLE_EQ(GetVolumeCoeffFromSel(2), 1e9);  // m3 -> mm3
  {
    KOVTContext steel(KOVT_CONTEXT_STEEL);  // follows the reinforcement
    EXPECT_DOUBLE_EQ(GetCoeffFromSel(1), 100.0);
  }
  {
    KOVTContext formwork(KOVT_CONTEXT_FORMWORK);
    Formwork().WorkUnits = L"cm";
    EXPECT_DOUBLE_EQ(GetCoeffFromSel(2), 10.0);
    EXPECT_DOUBLE_EQ(GetVolumeCoeffFromSel(0), 1e-6);
  }
  units.workUnits = L"mm";
  units.workUnitMode = 0;  // the lists turn imperial: "in" only
  EXPECT_EQ(IsMetric(), 0);
  EXPECT_DOUBLE_EQ(GetCoeffFromSel(0), 1.0 / 25.4);
  EXPECT_DOUBLE_EQ(GetSurfaceCoeffFromSel(0), 1.0 / 645.16);
  EXPECT_EQ(GetMassCoeffFromSel(0), 0.0005);
}

TEST_F(UnitsServiceTest, FormworkTextsChangeUnitsAtOneMetre) {
  KOVTContext formwork(KOVT_CONTEXT_FORMWORK);
  EXPECT_TRUE(KovtUnit::BaseValue2DescText(0.5).IsEmpty());  // no formwork settings yet
  XUNITS& units = Formwork();
  units.WorkUnits = L"m", units.DescLessThenOne = L"cm", units.DescLessThanOnePrecision = 1;
  units.DescGreaterThenOne = L"m", units.DescGreaterThanOnePrecision = 2, units.LessThenOne = L"mm";
  units.LessThanOnePrecision = 0, units.GreaterThenOne = L"cm", units.GreaterThanOnePrecision = 1;
  EXPECT_EQ(KovtUnit::BaseValue2DescText(0.5), L"50.0");
  EXPECT_EQ(KovtUnit::BaseValue2DescText(-0.5), L"-50.0");
  EXPECT_EQ(KovtUnit::BaseValue2DescText(2.0), L"2.00");
  EXPECT_EQ(KovtUnit::BaseValue2DescText(1.0), L"1.00");  // from one unit on
  EXPECT_EQ(KovtUnit::BaseValue2DimText(0.5), L"500");
  EXPECT_EQ(KovtUnit::BaseValue2DimText(2.0), L"200.0");
  units.DescLessThenOne = L"furlong";  // unknown: stays in work units
  EXPECT_EQ(KovtUnit::BaseValue2DescText(0.26), L"0.3");
}

TEST_F(UnitsFormattingTest, UnitInfoTextsComeFromTheServiceAndTheFormatter) {
  Reinforcement().lengthPrecision = 2;
  const KovtUnit::KovtUnitInfo info(1000.0, L"mm", 5, 1, false);
  EXPECT_EQ(info.Base2Text(2.5), L"2500.00");  // kind 1 takes "Units.LengthPrecision"
  EXPECT_EQ(KovtUnit::BaseValue2Text(2.5, 7), L"2.5");  // the default info: kind 0
}

}  // namespace
