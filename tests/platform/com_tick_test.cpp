#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/com.h"
#include "platform/tick_count.h"

namespace {

TEST(CoInitialize, CountsPerThread) {
  ASSERT_EQ(CoInitializeCount(), 0);
  EXPECT_EQ(CoInitialize(nullptr), S_OK);
  EXPECT_EQ(CoInitialize(nullptr), S_FALSE);
  EXPECT_EQ(CoInitializeCount(), 2);
  std::thread([] {
    EXPECT_EQ(CoInitializeCount(), 0);
    EXPECT_EQ(CoInitialize(nullptr), S_OK);
    CoUninitialize();
  }).join();
  for (int i = 0; i < 3; ++i) CoUninitialize();  // one too many: ignored
  EXPECT_EQ(CoInitializeCount(), 0);
  EXPECT_EQ(CoInitialize(nullptr), S_OK);
  CoUninitialize();
}

TEST(TickCount, CountsMillisecondsOfTheSteadyClock) {
  using namespace std::chrono;
  const auto before = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  const ULONGLONG ticks64 = GetTickCount64();
  const DWORD ticks = GetTickCount();
  const auto after = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  EXPECT_GE(ticks64, static_cast<ULONGLONG>(before));
  EXPECT_LE(ticks64, static_cast<ULONGLONG>(after));
  EXPECT_LE(static_cast<DWORD>(ticks - static_cast<DWORD>(ticks64)), static_cast<DWORD>(after - before));
}

}  // namespace
