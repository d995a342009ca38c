// Astronom: calendar date and time of day to and from a Julian day (Julian
// calendar before the 1582 reform, Gregorian after). Pure functions with checked
// 32-bit integer arithmetic; depends only on the platform layer. No globals.
#pragma once

#include <cstdint>

// Julian day of a calendar date and time of day. Year is astronomical (0 is
// 1 BC); the Gregorian rule applies from 1582-10-11 on, the Julian before.
// No field is range-checked: Day, Hour, Minute and Second enter linearly (day 0
// is the last day of the month before, hour 25 is 01:00 of the next day) and
// Month rolls over correctly from -9 to 14. Years below 333 are shifted by whole
// blocks of 1000 Julian years. Integer overflow raises tv::EIntOverflow.
void DateToJD(std::int32_t Year, std::int32_t Month, std::int32_t Day, double Hour,
              double Minute, double Second, double& JD);

// Calendar date and time of day of a Julian day (last argument); Gregorian from
// Julian day number 2299161 (1582-10-15) on. The time is rounded to whole
// milliseconds: Hour (0..23) and Minute (0..59) are whole numbers, Second keeps
// the milliseconds. A time that rounds up to midnight belongs to the next day.
// Julian days below 1800000 are shifted by blocks of 365250 days. A Julian day
// beyond about 2.1e9, or NaN, raises tv::ERangeError; one too far in the past
// for the 32-bit year raises tv::EIntOverflow.
void JDToDate(std::int32_t& Year, std::int32_t& Month, std::int32_t& Day, double& Hour,
              double& Minute, double& Second, double JD);
