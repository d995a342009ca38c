#include "astro/Astronom.h"

#include <cmath>

#include "platform/CheckedInt.h"

// Floating-point intermediates are long double (80-bit on x86). Int() below is
// truncation toward zero kept as a floating-point number, Trunc() truncation to
// a checked 32-bit integer, div the truncating integer division.

using tv::CheckedAdd;
using tv::CheckedDiv;
using tv::CheckedMul;
using tv::CheckedSub;
using tv::TruncToInt32;

namespace {

// 30.60001 rather than 30.6 keeps the month products for M + 1 = 5, 10, 15
// (153, 306, 459) safely above the whole number before truncation.
constexpr long double kMonthFactor = 30.60001L;

constexpr std::int32_t kShiftYears = 1000;
constexpr std::int32_t kShiftDays = 365250;  // 1000 Julian years, exactly

}  // namespace

void DateToJD(std::int32_t Year, std::int32_t Month, std::int32_t Day, double Hour,
              double Minute, double Second, double& JD) {
  // Early years are moved forward by whole Julian millennia so that Y + 4716
  // stays positive (truncation equals the floor); the shift is undone below.
  std::int32_t k = 0;
  while (Year < 333) {
    Year = CheckedAdd(Year, kShiftYears);
    k = CheckedAdd(k, 1);
    CheckedMul(k, kShiftDays);  // the undo must fit: fail now rather than later
  }

  // January and February count as months 13 and 14 of the year before.
  std::int32_t Y = Year;
  std::int32_t M = Month;
  if (M < 3) {
    Y = CheckedSub(Y, 1);
    M = CheckedAdd(M, 12);
  }

  // Gregorian from 1582-10-11 on (strict comparison); a shifted year is Julian.
  std::int32_t B = 0;
  if (Y * 365.25L + CheckedMul(30, M) + Day > 578135.5L) {
    const std::int32_t A = CheckedDiv(Y, 100);
    B = CheckedAdd(CheckedSub(2, A), CheckedDiv(A, 4));
  }

  double jd = static_cast<double>(std::trunc(365.25L * CheckedAdd(Y, 4716)) +
                                  std::trunc(kMonthFactor * CheckedAdd(M, 1)) + Day + B -
                                  1524.5L);
  jd = static_cast<double>(jd - static_cast<long double>(CheckedMul(k, kShiftDays)));
  JD = static_cast<double>(Hour / 24.0L + jd + Minute / 1440.0L + Second / 86400.0L);
}

void JDToDate(std::int32_t& Year, std::int32_t& Month, std::int32_t& Day, double& Hour,
              double& Minute, double& Second, double JD) {
  // Shift early Julian days forward by Julian millennia (undone on the year).
  std::int32_t k = 0;
  while (JD < 1800000) {
    JD = static_cast<double>(JD + static_cast<long double>(kShiftDays));
    k = CheckedAdd(k, 1);
    CheckedMul(k, kShiftYears);  // the undo must fit: fail now rather than spin
  }

  std::int32_t Z = TruncToInt32(JD + 0.5L);

  // Time of day: the civil day starts half a Julian day before the integer
  // boundary, so F lies in [0, 1.5); F >= 1 belongs to the day Z already names.
  double F = static_cast<double>((JD - std::trunc(static_cast<long double>(JD))) + 0.5L);
  if (F == 1) F = 0;
  double ms = static_cast<double>(std::trunc(F * 86400000.0L + 0.5L));
  // A time less than half a millisecond before midnight rounds to 24:00:00.000
  // of the day Z names: that instant is midnight of the next day.
  if (F < 1 && ms >= 86400000) Z = CheckedAdd(Z, 1);
  double hour = TruncToInt32(ms / 3600000.0L);
  ms = static_cast<double>(ms - hour * 3600000.0L);
  const double minute = TruncToInt32(ms / 60000.0L);
  ms = static_cast<double>(ms - minute * 60000.0L);
  const double second = static_cast<double>(ms / 1000.0L);
  if (hour > 23) hour -= 24;

  std::int32_t A = Z;
  if (Z >= 2299161) {  // 1582-10-15 on: Gregorian
    const std::int32_t alpha = TruncToInt32((Z - 1867216.25L) / 36524.25L);
    A = CheckedSub(CheckedAdd(CheckedAdd(Z, 1), alpha), CheckedDiv(alpha, 4));
  }
  const std::int32_t B = CheckedAdd(A, 1524);
  const std::int32_t C = TruncToInt32((B - 122.1L) / 365.25L);
  const std::int32_t D = TruncToInt32(365.25L * C);
  const std::int32_t E = TruncToInt32(CheckedSub(B, D) / kMonthFactor);

  Day = CheckedSub(CheckedSub(B, D), TruncToInt32(kMonthFactor * E));
  Month = E > 13 ? CheckedSub(E, 13) : CheckedSub(E, 1);
  Year = CheckedSub(Month > 2 ? CheckedSub(C, 4716) : CheckedSub(C, 4715),
                    CheckedMul(kShiftYears, k));
  Hour = hour;
  Minute = minute;
  Second = second;
}
