// The module publishes its units service while it is loaded and empties the
// service's name when it is unloaded.
#include <gtest/gtest.h>

#include "host/rx.h"
#include "platform/wide_string.h"
#include "units/kovt_service.h"
#include "units/sv_units.h"

namespace {

constexpr const wchar_t* kModuleFile = L"KoVTAppSet.kmo";

PnRxDictionary* Services() { return dynamic_cast<PnRxDictionary*>(pnrxSysRegistry()->at(L"ServiceDictionary")); }

TEST(UnitsServicePublication, LivesFromInitialisationToUnload) {
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  ASSERT_FALSE(pnrxServiceIsRegistered(kUnitsServiceName));
  ASSERT_TRUE(linker->loadModule(kModuleFile)) << WideToUtf8(linker->lastLoadError());
  TxISvUnits* units = KovtFindService<TxISvUnits>(kUnitsServiceName);
  ASSERT_NE(units, nullptr);
  EXPECT_DOUBLE_EQ(units->ConvertLengthByCodes(3, 0, 1.0), 25.4);
  EXPECT_EQ(units->IsWorkMetric(), 1);  // no drawing
  ASSERT_TRUE(linker->unloadModule(kModuleFile));
  EXPECT_FALSE(pnrxServiceIsRegistered(kUnitsServiceName));
  EXPECT_FALSE(Services()->has(kUnitsServiceName));
}

// Counts its deletions, so the test sees who deleted it and how often.
struct CountedService : PnRxService {
  explicit CountedService(int& deletions) : m_deletions(deletions) {}
  ~CountedService() override { ++m_deletions; }
  int& m_deletions;
};

TEST(UnitsServicePublication, UnloadDeletesWhateverHoldsTheNameOnce) {
  int deletions = 0;
  ASSERT_TRUE(pnrxDynamicLinker()->registerService(kUnitsServiceName, new CountedService(deletions)));
  ASSERT_TRUE(pnrxDynamicLinker()->loadModule(kModuleFile));
  EXPECT_EQ(KovtFindService<TxISvUnits>(kUnitsServiceName), nullptr);  // the name was taken
  ASSERT_TRUE(pnrxDynamicLinker()->unloadModule(kModuleFile));
  EXPECT_EQ(deletions, 1);
  EXPECT_FALSE(Services()->has(kUnitsServiceName));
}

TEST(UnitsServicePublication, UnloadDeletesNothingWhenTheEntryIsGone) {
  ASSERT_TRUE(pnrxDynamicLinker()->loadModule(kModuleFile));
  delete Services()->remove(kUnitsServiceName);  // while its code is still loaded
  ASSERT_TRUE(pnrxDynamicLinker()->unloadModule(kModuleFile));
  EXPECT_FALSE(Services()->has(kUnitsServiceName));
}

}  // namespace
