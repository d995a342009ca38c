#include "Clock.h"

#include <sched.h>

#include <chrono>

namespace tv {

std::uint32_t TickCountMs() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void YieldTimeSlice() { sched_yield(); }

}  // namespace tv

void WaitMs(std::int64_t Ms) {
  const std::uint32_t start = tv::TickCountMs();
  for (;;) {
    // Unsigned difference: correct across the 2^32 wrap.
    const std::int64_t elapsed = static_cast<std::uint32_t>(tv::TickCountMs() - start);
    if (elapsed >= Ms) return;
    tv::YieldTimeSlice();
  }
}
