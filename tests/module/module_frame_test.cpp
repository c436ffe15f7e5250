// The module as the host sees it: loaded by file name, initialised and unloaded
// through its entry point, publishing its units service while it is loaded.
#include <gtest/gtest.h>

#include <regex>

#include "core/object_maps.h"
#include "environment/app_context.h"
#include "host/print.h"
#include "host/rx.h"
#include "platform/com.h"
#include "module/app_set_module.h"
#include "platform/wide_string.h"
#include "tests/host/host_test_support.h"
#include "units/kovt_service.h"
#include "units/sv_units.h"

namespace {

constexpr const wchar_t* kModuleFile = L"KoVTAppSet.kmo";

std::string takeOutput() { return WideToUtf8(pnutTakeCapturedOutput()); }
PnRxDictionary* Services() { return dynamic_cast<PnRxDictionary*>(pnrxSysRegistry()->at(L"ServiceDictionary")); }

TEST(ModuleFrame, LoadsInitialisesPublishesAndUnloadsWithTimingLines) {
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  const int comBefore = CoInitializeCount();
  ASSERT_FALSE(pnrxServiceIsRegistered(kUnitsServiceName));
  pnutCaptureOutput(true);
  ASSERT_TRUE(linker->loadModule(kModuleFile)) << WideToUtf8(linker->lastLoadError());
  std::string init = takeOutput();
  EXPECT_TRUE(std::regex_match(init, std::regex("\n\\[KoVTAppSet\\.kmo\\] Initialization\\.\\.\\.\n"
                                                "\n\\[KoVTAppSet\\.kmo\\] Initialization done in \\d+ ms\\.\n")))
      << init;
  EXPECT_EQ(CoInitializeCount(), comBefore + 1);
  TxISvUnits* units = KovtFindService<TxISvUnits>(kUnitsServiceName);
  ASSERT_NE(units, nullptr);
  EXPECT_DOUBLE_EQ(units->ConvertLengthByCodes(3, 0, 1.0), 25.4);
  EXPECT_EQ(units->IsWorkMetric(), 1);  // no drawing
  EXPECT_EQ(KoVTAppSetModuleObject().ObjectMaps(), GetObjectMaps(KOVT_CONTEXT_COMMON));

  ASSERT_TRUE(linker->unloadModule(kModuleFile));
  std::string fin = takeOutput();
  pnutCaptureOutput(false);
  EXPECT_TRUE(std::regex_match(fin, std::regex("\n\\[KoVTAppSet\\.kmo\\] Finalization\\.\\.\\.\n"
                                               "\n\\[KoVTAppSet\\.kmo\\] Finalization done in \\d+ ms\\.\n")))
      << fin;
  EXPECT_FALSE(linker->isModuleLoaded(kModuleFile));
  EXPECT_EQ(CoInitializeCount(), comBefore);
  EXPECT_FALSE(Services()->has(kUnitsServiceName));
}

TEST(UnitsServicePublication, UnloadDeletesWhateverHoldsTheNameOnce) {
  int alive = 0;
  ASSERT_TRUE(pnrxDynamicLinker()->registerService(kUnitsServiceName, new CountedService(&alive)));
  ASSERT_TRUE(pnrxDynamicLinker()->loadModule(kModuleFile));
  EXPECT_EQ(KovtFindService<TxISvUnits>(kUnitsServiceName), nullptr);  // the name was taken
  ASSERT_TRUE(pnrxDynamicLinker()->unloadModule(kModuleFile));
  EXPECT_EQ(alive, 0);
  EXPECT_FALSE(Services()->has(kUnitsServiceName));
}

}  // namespace
