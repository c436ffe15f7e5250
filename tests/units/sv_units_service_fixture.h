// A working drawing with the units service published as "KOVT_UNITS", and the
// job settings of each module made for it on request. Tests reach the
// service through its interface, as the family's modules do.
#pragma once

#include <gtest/gtest.h>

#include "dictionaries/dict_tree.h"
#include "jobsettings/access_points.h"
#include "tests/support/kovt_drawing.h"
#include "units/sv_units_service.h"
#include "units/zem_enabler_service.h"

class UnitsServiceTest : public KovtDrawingTest {
 protected:
  void SetUp() override {
    KovtDrawingTest::SetUp();
    ASSERT_TRUE(KovtPublishUnitsService());
    m_units = KovtFindService<TxISvUnits>(kUnitsServiceName);
    ASSERT_NE(m_units, nullptr);
  }

  void TearDown() override {
    EXPECT_TRUE(KovtWithdrawUnitsService());
    EXPECT_FALSE(KovtWithdrawUnitsService());  // nothing left to withdraw
    REMOVE_JOBSET(Drawing());
    KovtDrawingTest::TearDown();
  }

  TxISvUnits& Units() { return *m_units; }

  // The settings of the working drawing, with the module's root made first.
  RUNITS& Reinforcement() {
    EXPECT_TRUE(REINF_JOBSET_INIT());
    return REINF_JOBSET()->Units;
  }
  SUNITS& Steel() { return STEEL_JOBSET_FORCE()->Units; }
  XUNITS& Formwork() {
    if (PnDbDictionary* root = GetKovxRootDict(nullptr, PnDb::kForWrite, true)) root->close();
    KOVTFormworkJobSettings* settings = FORMWORK_JOBSET();
    EXPECT_NE(settings, nullptr);
    return settings->Units;
  }

 private:
  TxISvUnits* m_units = nullptr;
};

// The same with the companion formatting module loaded through the host's linker.
class UnitsFormattingTest : public UnitsServiceTest {
 protected:
  void SetUp() override {
    UnitsServiceTest::SetUp();
    ASSERT_TRUE(pnrxDynamicLinker()->loadModule(L"KovtZemEnabler.zem"));
    ASSERT_TRUE(pnrxServiceIsRegistered(kZemEnablerServiceName));
  }
  void TearDown() override {
    pnrxDynamicLinker()->unloadModule(L"KovtZemEnabler.zem");
    UnitsServiceTest::TearDown();
  }
};
