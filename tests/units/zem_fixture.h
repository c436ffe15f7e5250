// Loads KovtZemEnabler.zem through the host's dynamic linker, as the module
// does, and finds its formatting service.
#pragma once

#include <gtest/gtest.h>

#include <string>

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

  // The text of a distance, or "<code>" when the service fails.
  std::string Distance(double value, int mode, int precision) {
    wchar_t buffer[kZemTextBufferSize] = L"";
    const int code = zem->RealToText(value, mode, precision, buffer);
    return code == kZemOk ? WideToUtf8(buffer) : "<" + std::to_string(code) + ">";
  }

  TxISvZemEnabler* zem = nullptr;
};
