// The module publishes its units service while it is loaded, and takes only
// its own service away again.
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

TEST(UnitsServicePublication, LeavesAServiceOfAnotherModuleAlone) {
  auto* other = new PnRxService;
  ASSERT_EQ(pnrxDynamicLinker()->registerService(kUnitsServiceName, other), other);
  ASSERT_TRUE(pnrxDynamicLinker()->loadModule(kModuleFile));
  EXPECT_EQ(Services()->at(kUnitsServiceName), other);
  EXPECT_EQ(KovtFindService<TxISvUnits>(kUnitsServiceName), nullptr);
  ASSERT_TRUE(pnrxDynamicLinker()->unloadModule(kModuleFile));
  EXPECT_EQ(Services()->at(kUnitsServiceName), other);
  delete Services()->remove(kUnitsServiceName);
}

}  // namespace
