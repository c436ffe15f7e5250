// Tolerance records per drawing and their refresh from the job settings.
#include <memory>

#include "environment/tolerance_refresh.h"
#include "environment/tolerances.h"
#include "host/database.h"
#include "tests/units/call_rows.h"
#include "tests/units/fake_units_service.h"

namespace {

// Every field of both records by name: "C." the common record, "R." the reinforcement's.
std::vector<std::pair<std::wstring, double>> Fields(const KovtEpsilonPair& pair) {
  std::vector<std::pair<std::wstring, double>> fields;
  for (const auto& [prefix, r] : {std::pair<const wchar_t*, const KovtEpsilon*>{L"C.", &pair.Common},
                                  {L"R.", &pair.Reinforcement}}) {
    const std::wstring p = prefix;
    fields.insert(fields.end(), {{p + L"Linear", r->LinearTolerance},
                                 {p + L"Display", r->DisplayTolerance},
                                 {p + L"Angular", r->AngularTolerance},
                                 {p + L"Metric", r->IsMetric ? 1.0 : 0.0},
                                 {p + L"Factor", r->UnitFactor},
                                 {p + L"SetBy", static_cast<double>(r->SetBy)}});
  }
  const KovrEpsilon& r = pair.Reinforcement;
  fields.insert(fields.end(), {{L"R.Distance", r.DistanceTolerance}, {L"R.Segment", r.SegmentTolerance},
                               {L"R.Fine", r.FineTolerance}});
  return fields;
}

// The fields of the working drawing's records that differ from a new pair's, "name=value" joined by '|'.
std::wstring Changed() {
  const auto fresh = Fields(KovtEpsilonPair{}), now = Fields(KovtEpsilonsOf(nullptr));
  std::wstring changed;
  for (std::size_t i = 0; i < now.size(); ++i)
    if (now[i].second != fresh[i].second)
      changed += (changed.empty() ? L"" : L"|") + now[i].first + L"=" + N(now[i].second);
  return changed.empty() ? L"none" : changed;
}

class Tolerances : public ::testing::Test {
 protected:
  void SetUp() override { pndbHostApplicationServices()->setWorkingDatabase(&m_db); }
  void TearDown() override {
    KovtForgetEpsilons(&m_db);
    pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  }
  PnDbDatabase m_db;
};

TEST_F(Tolerances, EachDrawingHasItsOwnRecords) {
  EXPECT_EQ(Changed(), L"none");
  KOVT_EPSILON().LinearTolerance = 0.5;
  EXPECT_EQ(&KOVR_EPSILON(), &KovtEpsilonsOf(&m_db).Reinforcement);
  PnDbDatabase other;
  pndbHostApplicationServices()->setWorkingDatabase(&other);
  EXPECT_EQ(Changed(), L"none");
  KovtForgetEpsilons(&other);
  EXPECT_DOUBLE_EQ(KovtEpsilonsOf(&m_db).Common.LinearTolerance, 0.5);
  pndbHostApplicationServices()->setWorkingDatabase(&m_db);
  KovtForgetEpsilons(&m_db);
  EXPECT_EQ(Changed(), L"none");
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_NE(&KOVT_EPSILON(), &KovtEpsilonsOf(&m_db).Common);
}

// Rows of data/tolerance_refresh.txt: case, call, arguments, answer.
TEST_F(Tolerances, RefreshesGiveTheGoldenRecords) {
  std::unique_ptr<ScopedUnitsService> units;
  auto record = [](const std::wstring& name) -> KovtEpsilon& {
    return name == L"R" ? KOVR_EPSILON() : KOVT_EPSILON();
  };
  const CallTable calls = {
      {L"units",
       [&](const Args&) {
         units = std::make_unique<ScopedUnitsService>();
         return B(KovtRegisteredUnits() != nullptr);
       }},
      {L"reinforcement",
       [&](const Args& a) {
         const KovtReinfToleranceUnits settings{I(a[1]), a[2].c_str(), 0.5, 2.0, 4.0};
         if (a[0] == L"R") KovtRefreshFromReinforcement(KOVR_EPSILON(), settings);
         else KovtRefreshFromReinforcement(KOVT_EPSILON(), settings);
         return Changed();
       }},
      {L"steel",
       [&](const Args& a) {
         KovtRefreshFromSteel(record(a[0]), I(a[1]));
         return Changed();
       }},
      {L"formwork",
       [&](const Args& a) {
         KovtRefreshFromFormwork(record(a[0]), a[1].c_str());
         return Changed();
       }},
      {L"set-by",
       [&](const Args& a) {
         record(a[0]).SetBy = I(a[1]);
         return Changed();
       }},
  };
  std::wstring current;
  for (const GoldenRow& row : ReadGoldenRows("environment/data/tolerance_refresh.txt", 4)) {
    if (row[0] != current) {
      current = row[0];
      units.reset();
      KovtForgetEpsilons(&m_db);
    }
    SCOPED_TRACE(WideToUtf8(current));
    ExpectAnswer(calls, row, 1);
  }
}

}  // namespace
