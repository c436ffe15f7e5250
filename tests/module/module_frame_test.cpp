// The module as the host sees it: loaded by file name, initialised and unloaded
// through its entry point.
#include <gtest/gtest.h>

#include <regex>

#include "host/print.h"
#include "host/rx.h"
#include "platform/com.h"
#include "platform/wide_string.h"

namespace {

std::string takeOutput() { return WideToUtf8(pnutTakeCapturedOutput()); }

TEST(ModuleFrame, LoadsInitialisesAndUnloadsWithTimingLines) {
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  int comBefore = CoInitializeCount();
  pnutCaptureOutput(true);
  ASSERT_TRUE(linker->loadModule(L"KoVTAppSet.kmo")) << WideToUtf8(linker->lastLoadError());
  std::string init = takeOutput();
  EXPECT_TRUE(std::regex_match(init, std::regex("\n\\[KoVTAppSet\\.kmo\\] Initialization\\.\\.\\.\n"
                                                "\n\\[KoVTAppSet\\.kmo\\] Initialization done in \\d+ ms\\.\n")))
      << init;
  EXPECT_TRUE(linker->isModuleLoaded(L"KoVTAppSet.kmo"));
  EXPECT_EQ(CoInitializeCount(), comBefore + 1);

  ASSERT_TRUE(linker->unloadModule(L"KoVTAppSet.kmo"));
  std::string fin = takeOutput();
  pnutCaptureOutput(false);
  EXPECT_TRUE(std::regex_match(fin, std::regex("\n\\[KoVTAppSet\\.kmo\\] Finalization\\.\\.\\.\n"
                                               "\n\\[KoVTAppSet\\.kmo\\] Finalization done in \\d+ ms\\.\n")))
      << fin;
  EXPECT_FALSE(linker->isModuleLoaded(L"KoVTAppSet.kmo"));
  EXPECT_EQ(CoInitializeCount(), comBefore);
}

}  // namespace
