#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "astro/DivProcs.h"
#include "platform/Errors.h"

namespace {

struct SexaRow {
  double value;
  std::int32_t precision;
  const char* text;
};

TEST(FormatSexagesimal, WorkedExamples) {
  const SexaRow rows[] = {
#include "SexagesimalCases.inc"
  };
  ASSERT_EQ(std::size(rows), 12u);
  for (const SexaRow& r : rows)
    EXPECT_EQ(FormatSexagesimal(r.value, r.precision), r.text)
        << r.value << " at precision " << r.precision;
}

TEST(FormatSexagesimal, SignCarryWidthAndRounding) {
  struct Row {
    const char* name;
    SexaRow c;
  };
  const Row rows[] = {
      {"zero count keeps the minus sign", {-0.00001, 0, " -00:00:00"}},
      {"zero", {0, 0, "  00:00:00"}},
      {"negative zero gets the blank", {-0.0, 0, "  00:00:00"}},
      {"carry into the hours, no wrap at 24", {23.99999, 0, "  24:00:00"}},
      {"carry with decimals", {9.999999, 1, "  10:00:00.0"}},
      {"three digits move the sign to the front", {-99.99999, 1, "-100:00:00.0"}},
      {"four digits lose the sign", {1234.5, 0, "1234:30:00"}},
      {"four digits lose the sign, negative", {-1234.5, 0, "1234:30:00"}},
      {"five digits lose the leading digit", {12345.5, 0, "2345:30:00"}},
      {"largest count at precision 4", {59.65, 4, "  59:39:00.0000"}},
      {"exact half second rounds up", {0.03125, 0, "  00:01:53"}},
      {"exact half second rounds up, negative", {-0.03125, 0, " -00:01:53"}},
      // 7.4425138888888887 h is a hair below 7 h 26 min 33.05 s; a count formed
      // in double precision would round it up to 33.1.
      {"hair below a half, extended count", {7.4425138888888887, 1, "  07:26:33.0"}},
      {"single-digit minutes and seconds get zeros", {1.0 + 2.0 / 60 + 3.25 / 3600, 2,
                                                       "  01:02:03.25"}},
      {"declination", {-89.5, 0, " -89:30:00"}},
  };
  for (const Row& r : rows)
    EXPECT_EQ(FormatSexagesimal(r.c.value, r.c.precision), r.c.text) << r.name;
}

TEST(FormatSexagesimal, LengthByPrecision) {
  for (std::int32_t p = 0; p <= 4; ++p)
    EXPECT_EQ(FormatSexagesimal(18.7654321, p).size(), p == 0 ? 10u : 11u + p) << p;
}

TEST(FormatSexagesimal, RangeErrors) {
  EXPECT_THROW(FormatSexagesimal(59.66, 4), tv::ERangeError);  // count beyond 32 bits
  EXPECT_THROW(FormatSexagesimal(596524.0, 0), tv::ERangeError);
  EXPECT_THROW(FormatSexagesimal(1, 5), tv::ERangeError);
  EXPECT_THROW(FormatSexagesimal(1, -1), tv::ERangeError);
  EXPECT_THROW(FormatSexagesimal(std::numeric_limits<double>::quiet_NaN(), 0), tv::ERangeError);
  EXPECT_NO_THROW(FormatSexagesimal(596523.0, 0));
}

TEST(PowerXY, PositiveBases) {
  struct Row {
    const char* name;
    double base, exponent, expected;
  };
  const Row rows[] = {
      {"integer power", 2, 3, 8},
      {"zero exponent", 123.456, 0, 1},
      {"zero exponent, small base", 1e-300, 0, 1},
      {"square root", 2.25, 0.5, 1.5},
      {"negative exponent", 10, -2, 0.01},
      {"Moon phase term", 180, 4, 1049760000},
      {"Venus phase term", 97.5, 3, 926859.375},
      {"unit base", 1, 17.5, 1},
  };
  for (const Row& r : rows)
    EXPECT_NEAR(PowerXY(r.base, r.exponent), r.expected, std::fabs(r.expected) * 2e-16) << r.name;
  EXPECT_EQ(PowerXY(2, 3), 8.0);
}

TEST(PowerXY, ZeroAndNegativeBases) {
  // A phase angle of exactly 0 degrees (full Moon) reaches a zero base.
  EXPECT_EQ(PowerXY(0, 4), 0.0);
  EXPECT_EQ(PowerXY(0, 3), 0.0);
  EXPECT_EQ(PowerXY(0, 0), 1.0);
  EXPECT_THROW(PowerXY(0, -1), tv::EInvalidOp);
  EXPECT_THROW(PowerXY(-2, 2), tv::EInvalidOp);
  EXPECT_THROW(PowerXY(-1e-300, 3), tv::EInvalidOp);
  EXPECT_THROW(PowerXY(std::numeric_limits<double>::quiet_NaN(), 3), tv::EInvalidOp);
}

}  // namespace
