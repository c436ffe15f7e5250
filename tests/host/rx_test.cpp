// Services, the command line and aborts.
#include <gtest/gtest.h>

#include <memory>

#include "tests/host/host_test_support.h"

namespace {

TEST(SystemRegistry, ServicesNeedANameAndDictionariesOwnTheirEntries) {
  int alive = 0;
  CountedService second(&alive);
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  EXPECT_EQ(linker->registerService(nullptr, &second), nullptr);
  EXPECT_EQ(linker->registerService(L"PN_OTHER", nullptr), nullptr);

  {
    PnRxDictionary owning, borrowing(false);
    EXPECT_EQ(owning.atPut(L"a", new CountedService(&alive)), nullptr);
    std::unique_ptr<PnRxObject> previous(owning.atPut(L"a", new CountedService(&alive)));
    EXPECT_NE(previous, nullptr);
    owning.atPut(L"b", new CountedService(&alive));
    borrowing.atPut(L"kept", &second);
    EXPECT_EQ(owning.keys(), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_FALSE(owning.has(L"B")) << "keys are exact";
    EXPECT_EQ(alive, 4);
  }
  EXPECT_EQ(alive, 1) << "only what the owning dictionary held is freed";
}

TEST(CommandLine, PrintfFormatsWideTextIntoTheCaptureOrAsUtf8AndAbortsFormatToo) {
  pnutCaptureOutput(true);
  pnutTakeCapturedOutput();
  const std::wstring expected = L"\n[KoVTAppSet.kmo] done in 12 ms.\n", long_(1000, L'x');
  EXPECT_EQ(pnutPrintf(L"\n[%ls] done in %d ms.\n", L"KoVTAppSet.kmo", 12), static_cast<int>(expected.size()));
  pnutPrintf(L"%ls", long_.c_str());
  EXPECT_EQ(pnutPrintf(L"%ls", std::wstring(std::size_t{1} << 20, L'x').c_str()), -1) << "too long to show";
  EXPECT_EQ(pnutTakeCapturedOutput(), expected + long_);
  pnutCaptureOutput(false);
  ::testing::internal::CaptureStdout();
  pnutPrintf(L"St\u00FCtze %d\n", 3);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "St\xC3\xBCtze 3\n");

  ThrowingAbort aborts;
  try {
    pnrx_abort(L"%ls", std::wstring(2000, L'x').c_str());
    ADD_FAILURE() << "no abort";
  } catch (const HostAbort& abort) {
    EXPECT_STREQ(abort.what(), "") << "a message too long for the buffer is dropped, not shown cut";
  }
}

TEST(AbortDeathTest, WithoutAHandlerTheProcessStops) {
  EXPECT_DEATH(pnrx_abort(L"stop %d", 7), "host stopped: stop 7");
}

}  // namespace
