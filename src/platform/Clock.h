// The system's millisecond tick and the busy wait built on it. The tick is a
// 32-bit count of milliseconds on a monotonic clock (it wraps after about 49.7
// days, like the platform tick it stands in for). No Qt, no other module.
#pragma once

#include <cstdint>

namespace tv {

// Milliseconds since an arbitrary start, monotonic, modulo 2^32.
std::uint32_t TickCountMs();

// Gives up the rest of the current time slice (the platform's Sleep(0)).
void YieldTimeSlice();

}  // namespace tv

// Waits until the tick has advanced by at least Ms milliseconds, yielding the
// time slice on each pass; processes no events. Ms <= 0 returns at once without
// yielding. A wait across the tick's wrap ends after about Ms milliseconds.
void WaitMs(std::int64_t Ms);
