// Fixed-point number text as the window's lists and fields show it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/Errors.h"
#include "ui/logic/FixedText.h"

namespace {

TEST(twilightFixedText, RoundsOnceHalvesAwayFromZero) {
  struct Row {
    const char* name;
    double value;
    int decimals, digits;
    const char* text;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Row rows[] = {
      {"exact half up", 0.125, 2, 16, "0.13"},
      {"below the half as stored", 2.675, 2, 16, "2.67"},
      {"whole half", 2.5, 0, 16, "3"},
      {"negative half", -2.5, 0, 16, "-3"},
      {"negative half of a cent", -0.125, 2, 16, "-0.13"},
      {"rounds to zero: no minus", -0.004, 2, 16, "0.00"},
      {"negative zero", -0.0, 2, 16, "0.00"},
      {"stored above the half", -0.005, 2, 16, "-0.01"},
      {"trailing zeros kept", -6.0, 2, 8, "-6.00"},
      {"Julian day", 2458491.25, 4, 12, "2458491.2500"},
      {"carry into a new digit", 9999.5, 0, 4, "10000"},
      {"year", 2019, 0, 4, "2019"},
      {"significant digits cut units", 12345, 0, 4, "12350"},
      {"significant digits cut decimals", 1234567.891, 2, 8, "1234567.90"},
      {"small value, two digits", 0.000123456, 6, 2, "0.000120"},
      {"not a number", std::nan(""), 2, 8, "NAN"},
      {"infinity", inf, 2, 8, "INF"},
      {"minus infinity", -inf, 2, 8, "-INF"},
  };
  for (const Row& r : rows) EXPECT_EQ(FormatFixed(r.value, r.decimals, r.digits, "."), r.text) << r.name;
}

TEST(twilightFixedText, DecimalMarkOfTheRegion) {
  EXPECT_EQ(FormatFixed(-55.738, 2, 12, ","), "-55,74");
  EXPECT_EQ(FormatFixed(2458484.80401, 4, 12, ","), "2458484,8040");
  EXPECT_EQ(FormatFixed(1.5, 1, 12, "\u066b"), "1\u066b5");  // a two-byte mark
  EXPECT_EQ(FormatFixed(2019, 0, 4, ","), "2019");           // no mark without decimals
}

TEST(twilightFixedText, TwoDigitPieces) {
  EXPECT_EQ(TwoDigits(7), "07");
  EXPECT_EQ(TwoDigits(0), "00");
  EXPECT_EQ(TwoDigits(59.499), "59");
  EXPECT_EQ(TwoDigits(59.5), "60");  // a second is listed as 60, nothing carried
  EXPECT_EQ(TwoDigits(123), "23");
}

TEST(twilightFixedText, RefusesImpossibleFormats) {
  EXPECT_THROW(FormatFixed(1, -1, 8, "."), tv::ERangeError);
  EXPECT_THROW(FormatFixed(1, 21, 8, "."), tv::ERangeError);
  EXPECT_THROW(FormatFixed(1, 2, 0, "."), tv::ERangeError);
  EXPECT_THROW(FormatFixed(1e30, 0, 4, "."), tv::ERangeError);  // cut left of 2^63
}

}  // namespace
