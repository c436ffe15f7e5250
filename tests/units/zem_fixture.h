// Loads KovtZemEnabler.zem through the host's dynamic linker, as the module
// does, and finds its formatting service.
#pragma once

#include <gtest/gtest.h>

#include "host/rx.h"
#include "platform/wide_string.h"
#include "units/kovt_service.h"
#include "units/zem_enabler_service.h"

inline constexpr const wchar_t* kZemModuleFile = L"KovtZemEnabler.zem";

class ZemEnablerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pnrxDynamicLinker()->loadModule(kZemModuleFile)) << WideToUtf8(pnrxDynamicLinker()->lastLoadError());
    zem = KovtFindService<TxISvZemEnabler>(kZemEnablerServiceName);
    ASSERT_NE(zem, nullptr);
  }
  void TearDown() override { pnrxDynamicLinker()->unloadModule(kZemModuleFile); }

  TxISvZemEnabler* zem = nullptr;
};
