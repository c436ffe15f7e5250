// Tolerance records per drawing and their refresh from the job settings.
#include <memory>

#include "environment/tolerance_refresh.h"
#include "environment/tolerances.h"
#include "host/database.h"
#include "host/rx.h"
#include "tests/environment/env_test_support.h"
#include "tests/units/fake_units_service.h"

namespace {

class Tolerances : public ::testing::Test {
 protected:
  void SetUp() override { pndbHostApplicationServices()->setWorkingDatabase(&m_db); }
  void TearDown() override {
    m_units.reset();
    KovtForgetEpsilons(&m_db);
    pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  }
  void RegisterUnits() { m_units = std::make_unique<ScopedUnitsService>(); }
  static KovtReinfToleranceUnits Reinforcement(std::int32_t mode, const wchar_t* workUnits) {
    return {mode, workUnits, 0.5, 2.0, 4.0};
  }
  PnDbDatabase m_db;
  std::unique_ptr<ScopedUnitsService> m_units;
};

void ExpectDefaults(const KovtEpsilonPair& pair) {
  for (const KovtEpsilon* record : {&pair.Common, static_cast<const KovtEpsilon*>(&pair.Reinforcement)}) {
    EXPECT_DOUBLE_EQ(record->LinearTolerance, 1e-6);
    EXPECT_DOUBLE_EQ(record->DisplayTolerance, 0.001);
    EXPECT_DOUBLE_EQ(record->AngularTolerance, 0.0017453292519943296);
    EXPECT_TRUE(record->IsMetric);
    EXPECT_DOUBLE_EQ(record->UnitFactor, 1.0);
    EXPECT_EQ(record->SetBy, -1);
  }
  EXPECT_DOUBLE_EQ(pair.Reinforcement.DistanceTolerance, 1.0);
  EXPECT_DOUBLE_EQ(pair.Reinforcement.SegmentTolerance, 1.0);
  EXPECT_DOUBLE_EQ(pair.Reinforcement.FineTolerance, 0.01);
}

TEST_F(Tolerances, EachDrawingHasItsOwnRecords) {
  ExpectDefaults(KovtEpsilonsOf(nullptr));
  KOVT_EPSILON().LinearTolerance = 0.5;
  EXPECT_EQ(&KOVR_EPSILON(), &KovtEpsilonsOf(&m_db).Reinforcement);
  PnDbDatabase other;
  pndbHostApplicationServices()->setWorkingDatabase(&other);
  ExpectDefaults(KovtEpsilonsOf(nullptr));
  KovtForgetEpsilons(&other);
  EXPECT_DOUBLE_EQ(KovtEpsilonsOf(&m_db).Common.LinearTolerance, 0.5);
  KovtForgetEpsilons(&m_db);
  ExpectDefaults(KovtEpsilonsOf(&m_db));
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_NE(&KOVT_EPSILON(), &KovtEpsilonsOf(&m_db).Common);
}

TEST_F(Tolerances, NothingChangesWithoutAUnitsService) {
  EXPECT_EQ(KovtRegisteredUnits(), nullptr);
  KovtRefreshFromReinforcement(KOVT_EPSILON(), Reinforcement(1, L"cm"));
  KovtRefreshFromReinforcement(KOVR_EPSILON(), Reinforcement(1, L"cm"));
  KovtRefreshFromSteel(KOVT_EPSILON(), 0);
  KovtRefreshFromFormwork(KOVT_EPSILON(), L"m");
  ExpectDefaults(KovtEpsilonsOf(nullptr));
}

TEST_F(Tolerances, ReinforcementSettingsFollowTheWorkUnit) {
  RegisterUnits();
  ASSERT_NE(KovtRegisteredUnits(), nullptr);
  KovtRefreshFromReinforcement(KOVT_EPSILON(), Reinforcement(1, L"cm"));
  const KovtEpsilon& common = KOVT_EPSILON();
  EXPECT_DOUBLE_EQ(common.UnitFactor, 0.1);
  EXPECT_DOUBLE_EQ(common.LinearTolerance, 1e-8);
  EXPECT_DOUBLE_EQ(common.DisplayTolerance, 0.05);
  EXPECT_EQ(common.SetBy, 0);
  KovtRefreshFromReinforcement(KOVR_EPSILON(), Reinforcement(0, L"ft"));
  const KovrEpsilon& reinforcement = KOVR_EPSILON();
  EXPECT_FALSE(reinforcement.IsMetric);
  EXPECT_DOUBLE_EQ(reinforcement.UnitFactor, 1.0 / 12.0);
  EXPECT_DOUBLE_EQ(reinforcement.DistanceTolerance, 2.0 / 12.0);
  EXPECT_DOUBLE_EQ(reinforcement.SegmentTolerance, 4.0 / 12.0);
  EXPECT_DOUBLE_EQ(reinforcement.FineTolerance, 0.00390625 / 12.0);
  // An unknown work unit leaves one base unit per work unit.
  KovtRefreshFromReinforcement(KOVT_EPSILON(), Reinforcement(1, L"furlong"));
  EXPECT_DOUBLE_EQ(common.UnitFactor, 1.0);
}

TEST_F(Tolerances, SteelAndFormworkDoNotOverrideTheReinforcement) {
  RegisterUnits();
  KovtEpsilon& common = KOVT_EPSILON();
  KovtRefreshFromSteel(common, 0);
  EXPECT_DOUBLE_EQ(common.LinearTolerance, 3.90625e-08);
  EXPECT_EQ(common.SetBy, 1);
  KovtRefreshFromFormwork(common, L"m");
  EXPECT_TRUE(common.IsMetric);
  EXPECT_DOUBLE_EQ(common.UnitFactor, 0.001);
  EXPECT_DOUBLE_EQ(common.LinearTolerance, 1e-10);
  EXPECT_DOUBLE_EQ(common.DisplayTolerance, 0.01);
  EXPECT_EQ(common.SetBy, 4);
  KovtRefreshFromReinforcement(common, Reinforcement(1, L"cm"));
  const KovtEpsilon afterReinforcement = common;
  KovtRefreshFromSteel(common, 1);
  KovtRefreshFromFormwork(common, L"mm");
  EXPECT_DOUBLE_EQ(common.UnitFactor, afterReinforcement.UnitFactor);
  EXPECT_DOUBLE_EQ(common.DisplayTolerance, afterReinforcement.DisplayTolerance);
  EXPECT_EQ(common.SetBy, 0);
  common.SetBy = 5;
  KovtRefreshFromSteel(common, 0);
  EXPECT_TRUE(common.IsMetric);
}

}  // namespace
