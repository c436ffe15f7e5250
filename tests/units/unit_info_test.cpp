// Unit info, the per-context registry of unit services and base-value text.
#include <gtest/gtest.h>

#include <map>

#include "tests/units/fake_units_service.h"
#include "units/unit_info.h"

namespace {

using KovtUnit::KovtUnitInfo;

TEST(UnitInfo, DefaultsArithmeticAndText) {
  const KovtUnitInfo defaults;
  EXPECT_EQ(defaults.Coefficient(), 1.0);
  EXPECT_EQ(defaults.Precision(), 2);
  EXPECT_EQ(defaults.UnitKind(), 0);
  EXPECT_TRUE(defaults.UnitName().IsEmpty());
  EXPECT_FALSE(defaults.AllowImp());

  KovtUnitInfo info(0.001, L"m", 3, 1, true);
  EXPECT_DOUBLE_EQ(info.Base2User(10.0), 0.01);
  EXPECT_DOUBLE_EQ(info.User2Base(0.01), 10.0);
  EXPECT_TRUE(info.AllowImp());
  info.Reset(1000.0, L"mm", 1, 3, false);
  EXPECT_EQ(info.UnitName(), L"mm");
  EXPECT_FALSE(info.AllowImp());

  // The text comes from the units service, with the coefficient, kind and precision Reset gave.
  EXPECT_TRUE(info.Base2Text(2.5).IsEmpty());
  ScopedUnitsService units;
  EXPECT_EQ(info.Base2Text(2.5), L"2500|3|1");
  EXPECT_EQ(info.User2Text(2.5), L"2.5|3|1");
}

// Answers one kind; counts its own destruction.
class OneKindService : public KovtUnit::KovtUnitService {
 public:
  OneKindService(int kind, int* destroyed) : m_kind(kind), m_destroyed(destroyed) {}
  ~OneKindService() override { ++*m_destroyed; }
  const KovtUnitInfo* GetUnitInfo(std::int32_t kind) override { return kind == m_kind ? &m_info : nullptr; }

 private:
  int m_kind;
  int* m_destroyed;
  KovtUnitInfo m_info{1000.0, L"mm", 1, 7, false};
};

TEST(UnitServiceRegistry, OneServicePerContext) {
  int destroyed = 0;
  auto* first = new OneKindService(1, &destroyed);
  OneKindService second(1, &destroyed);
  ASSERT_TRUE(KovtUnit::RegisterService(first, KOVT_CONTEXT_FORMWORK));
  EXPECT_FALSE(KovtUnit::RegisterService(&second, KOVT_CONTEXT_FORMWORK));
  EXPECT_FALSE(KovtUnit::RegisterService(nullptr, KOVT_CONTEXT_STEEL));
  EXPECT_EQ(KovtUnit::GetService(KOVT_CONTEXT_FORMWORK), first);
  EXPECT_EQ(KovtUnit::GetService(KOVT_CONTEXT_STEEL), nullptr);

  EXPECT_FALSE(KovtUnit::UnRegisterService(KOVT_CONTEXT_STEEL));
  EXPECT_TRUE(KovtUnit::UnRegisterService(KOVT_CONTEXT_FORMWORK));
  EXPECT_EQ(destroyed, 1);  // the first, not the refused one
  EXPECT_EQ(KovtUnit::GetService(KOVT_CONTEXT_FORMWORK), nullptr);
  EXPECT_FALSE(KovtUnit::UnRegisterService(KOVT_CONTEXT_FORMWORK));
}

TEST(UnitServiceRegistry, BaseValueTextFollowsTheUnitContext) {
  ScopedUnitsService units;
  int destroyed = 0;
  ASSERT_TRUE(KovtUnit::RegisterService(new OneKindService(6, &destroyed), KOVT_CONTEXT_STEEL));
  {
    KovtUnitContext steel(KOVT_CONTEXT_STEEL);
    EXPECT_NE(KovtUnit::GetActiveService(), nullptr);
    EXPECT_EQ(KovtUnit::BaseValue2Text(2.5, 6), L"2500|7|1");
    EXPECT_EQ(KovtUnit::BaseValue2Text(2.5, 4), L"2.5|0|2");  // unknown kind: default info
  }
  KovtUnitContext formwork(KOVT_CONTEXT_FORMWORK);
  EXPECT_EQ(KovtUnit::GetActiveService(), nullptr);
  EXPECT_EQ(KovtUnit::BaseValue2Text(2.5, 6), L"2.5|0|2");
  EXPECT_TRUE(KovtUnit::UnRegisterService(KOVT_CONTEXT_STEEL));
  EXPECT_EQ(KovtUnit::GetDefaultInfo()->Precision(), 2);
}

}  // namespace
