#include "astro/DivProcs.h"

#include <cmath>
#include <cstdio>

#include "platform/CheckedArray.h"
#include "platform/CheckedInt.h"
#include "platform/Errors.h"

namespace {

// Units per second at precision P: 10^P.
constexpr tv::CheckedArray<std::int32_t, 0, 4> SexaScale{{{1, 10, 100, 1000, 10000}}};

// Field width of the seconds at precision P: two integer digits, then a point
// and the decimals.
constexpr tv::CheckedArray<int, 0, 4> SecondsWidth{{{2, 4, 5, 6, 7}}};

}  // namespace

std::string FormatSexagesimal(double Value, std::int32_t Precision) {
  const char sign = Value < 0 ? '-' : ' ';
  const std::int32_t scale = SexaScale[Precision];  // raises ERangeError outside 0..4

  // Count of 10^-Precision seconds, halves rounded up. Formed in long double so
  // that a value ending in an exact half is not rounded away first.
  const std::int32_t count =
      tv::TruncToInt32(std::fabs(static_cast<long double>(Value)) * 3600 * scale + 0.5L);

  const std::int32_t unit = 60 * scale;  // one minute
  const std::int32_t secondUnits = count % unit;
  const double seconds = static_cast<double>(secondUnits) / scale;
  const std::int32_t minutes = (count - secondUnits) / unit;
  const std::int32_t mm = minutes % 60;
  const std::int32_t hh = (minutes - mm) / 60;

  // Head: the last five characters of four blanks, sign, hours (two digits at
  // least) and the colon.
  std::string head = "    ";
  head += sign;
  if (hh < 10) head += '0';
  head += std::to_string(hh);
  head += ':';
  head.erase(0, head.size() - 5);

  char tail[32];
  std::snprintf(tail, sizeof tail, "%2d:%*.*f", static_cast<int>(mm),
                SecondsWidth[Precision], static_cast<int>(Precision), seconds);

  std::string text = head + tail;
  // Leading blanks of single-digit minutes and seconds become zeros; the first
  // two characters (blank or sign) stay.
  for (std::size_t i = 2; i < text.size(); ++i)
    if (text[i] == ' ') text[i] = '0';
  return text;
}

double PowerXY(double Base, double Exponent) {
  if (!(Base >= 0)) throw tv::EInvalidOp();
  if (Base == 0) {
    if (Exponent > 0) return 0;
    if (Exponent == 0) return 1;
    throw tv::EInvalidOp();
  }
  // The extended-precision logarithm (ln 2 * log2(Base) on the x87 unit).
  const long double lnBase = std::log(static_cast<long double>(Base));
  return static_cast<double>(std::exp(Exponent * lnBase));
}
