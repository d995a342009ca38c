#include <gtest/gtest.h>

#include <chrono>

#include "platform/Clock.h"

namespace {

using Clock = std::chrono::steady_clock;

double ElapsedMs(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

TEST(WaitMs, ZeroAndNegativeReturnAtOnce) {
  const auto start = Clock::now();
  WaitMs(0);
  WaitMs(-250);
  EXPECT_LT(ElapsedMs(start), 5.0);
}

TEST(WaitMs, WaitsAtLeastTheGivenTicks) {
  const std::uint32_t before = tv::TickCountMs();
  WaitMs(30);
  const std::uint32_t after = tv::TickCountMs();
  EXPECT_GE(static_cast<std::uint32_t>(after - before), 30u);
}

}  // namespace
