// DivProcs: the shared angle constants, sexagesimal text, the power function and
// the millisecond wait (WaitMs lives in the platform clock and is re-exported
// here). Pure computations; depends only on the platform layer. No globals.
#pragma once

#include <cstdint>
#include <string>

#include "platform/CheckedArray.h"
#include "platform/Clock.h"  // WaitMs(Ms): busy wait of Ms milliseconds

// Angle and time-unit constants, stored exactly as these decimal literals.
inline constexpr double PiVal = 3.141592653589793;      // pi
inline constexpr double Pi2 = 6.283185307179586;        // 2 pi
// pi/2 as the 13-decimal literal: 16 units in the last place above the double
// nearest pi/2. Only the chart projection reads it; the angle functions use
// PiVal / 2.
inline constexpr double PiHalf = 1.5707963267949;
inline constexpr double Deg2Rad = 0.017453292519943295;  // pi/180
inline constexpr double Rad2Deg = 57.29577951308232;     // 180/pi
inline constexpr double Hour2Rad = 0.26179938779914946;  // pi/12: hours of time to radians
inline constexpr double Rad2Hour = 3.819718634205488;    // 12/pi: radians to hours of time
