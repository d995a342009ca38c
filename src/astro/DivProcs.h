// DivProcs: the shared angle constants, sexagesimal text, the power function and
// the millisecond wait (WaitMs lives in the platform clock and is re-exported
// here). Pure computations; depends only on the platform layer. No globals.
#pragma once

#include <cstdint>
#include <string>

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

// Hours or degrees as fixed-width sexagesimal text: sign ("-" or blank), at least
// two digits of hours/degrees, minutes, seconds with Precision (0..4) decimals,
// joined by colons, e.g. " -16:42:58" or "  05:15:00.0". Rounds half up to the
// last decimal, carrying into minutes and hours (23.99999 h gives "  24:00:00").
// The text has 10 characters at precision 0 and 11 + Precision otherwise; from
// 100 on the sign moves to the first character, from 1000 on the sign and the
// leading digits are lost. A precision outside 0..4, a NaN, or a value whose
// count of 10^-Precision seconds exceeds the signed 32-bit range (59.66 at
// precision 4) raises tv::ERangeError.
std::string FormatSexagesimal(double Value, std::int32_t Precision);

// Base raised to Exponent, e^(Exponent * ln Base), formed in extended precision.
// Base 0 gives 0 for a positive exponent and 1 for exponent 0. A negative (or
// NaN) base, and base 0 with a negative exponent, raise tv::EInvalidOp.
double PowerXY(double Base, double Exponent);
