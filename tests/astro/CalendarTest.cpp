#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "astro/Astronom.h"
#include "astro/DivProcs.h"
#include "astro/astrolib.h"
#include "platform/Errors.h"

namespace {

constexpr double kDayTol = 1e-9;  // days

struct CalendarFields {
  std::int32_t Year, Month, Day;
  double Hour, Minute, Second;
};

CalendarFields ToDate(double JD) {
  CalendarFields f{};
  JDToDate(f.Year, f.Month, f.Day, f.Hour, f.Minute, f.Second, JD);
  return f;
}

double ToJD(std::int32_t y, std::int32_t m, std::int32_t d, double h = 0, double mi = 0,
            double s = 0) {
  double jd = 0;
  DateToJD(y, m, d, h, mi, s, jd);
  return jd;
}

std::string Show(const CalendarFields& f) {
  return std::to_string(f.Year) + "-" + std::to_string(f.Month) + "-" + std::to_string(f.Day) +
         " " + std::to_string(f.Hour) + ":" + std::to_string(f.Minute) + ":" +
         std::to_string(f.Second);
}

void ExpectFields(const CalendarFields& got, std::int32_t y, std::int32_t m, std::int32_t d,
                  double h, double mi, double s, const std::string& what) {
  EXPECT_EQ(got.Year, y) << what << " gave " << Show(got);
  EXPECT_EQ(got.Month, m) << what << " gave " << Show(got);
  EXPECT_EQ(got.Day, d) << what << " gave " << Show(got);
  EXPECT_EQ(got.Hour, h) << what << " gave " << Show(got);
  EXPECT_EQ(got.Minute, mi) << what << " gave " << Show(got);
  EXPECT_NEAR(got.Second, s, 1e-9) << what << " gave " << Show(got);
}

// The worked examples: both reform rules, the millennium shifts, the
// arithmetic roll-over of out-of-range fields, and the way back.
TEST(Calendar, WorkedExamplesBothWays) {
  struct Row {
    const char* name;
    std::int32_t y, m, d, h, mi, s;
    double jd;
    std::int32_t by, bm, bd, bh, bmi, bs;
  };
  const Row rows[] = {
#include "CalendarCases.inc"
  };
  ASSERT_EQ(std::size(rows), 18u);
  for (const Row& r : rows) {
    const double jd = ToJD(r.y, r.m, r.d, r.h, r.mi, r.s);
    EXPECT_NEAR(jd, r.jd, kDayTol) << r.name;
    ExpectFields(ToDate(jd), r.by, r.bm, r.bd, r.bh, r.bmi, r.bs, r.name);
  }
}

TEST(Calendar, JulianDayToDateEdges) {
  struct Row {
    const char* name;
    double jd;
    std::int32_t y, m, d;
    double h, mi, s;
  };
  const Row rows[] = {
      {"last day without a shift", 1800000.0, 216, 2, 18, 12, 0, 0},
      {"one shift", 1799999.5, 216, 2, 18, 0, 0, 0},
      {"start of the Julian period, midnight", -0.5, -4712, 1, 1, 0, 0, 0},
      {"seconds keep the milliseconds", 2299160.4999, 1582, 10, 4, 23, 59, 51.36},
      {"half a day past an integer boundary is the next day's midnight", 2451545.5, 2000, 1, 2,
       0, 0, 0},
      {"one millisecond before midnight stays in the old day", 2460310.5 - 0.001 / 86400, 2023,
       12, 31, 23, 59, 59.999},
  };
  for (const Row& r : rows) ExpectFields(ToDate(r.jd), r.y, r.m, r.d, r.h, r.mi, r.s, r.name);
}

// A time that rounds up to 24:00:00.000 belongs to the next day, also across a
// month, a year, the calendar reform and a shifted millennium.
TEST(Calendar, RoundingUpToMidnightCarriesIntoTheNextDay) {
  struct Row {
    const char* name;
    std::int32_t y, m, d;
    std::int32_t ny, nm, nd;
  };
  const Row rows[] = {
      {"new year", 2023, 12, 31, 2024, 1, 1},
      {"end of a leap February", 2024, 2, 29, 2024, 3, 1},
      {"across the reform", 1582, 10, 4, 1582, 10, 15},
      {"shifted millennium", -1001, 12, 31, -1000, 1, 1},
      {"Gregorian century", 1899, 12, 31, 1900, 1, 1},
  };
  for (const Row& r : rows) {
    const double jd = ToJD(r.y, r.m, r.d, 23, 59, 59.9997);
    ExpectFields(ToDate(jd), r.ny, r.nm, r.nd, 0, 0, 0, r.name);
  }
}

// Julian day numbers from an independent day count (the Julian calendar before
// the reform, the Gregorian from 1582-10-15 on), for the first, middle and last
// day of every month from -4712 to 3000, both ways.
std::int64_t IndependentDayNumber(std::int64_t y, std::int64_t m, std::int64_t d, bool gregorian) {
  const std::int64_t a = (14 - m) / 12;
  const std::int64_t yy = y + 4800 - a;  // positive from -4799 on
  const std::int64_t mm = m + 12 * a - 3;
  std::int64_t n = d + (153 * mm + 2) / 5 + 365 * yy + yy / 4;
  return gregorian ? n - yy / 100 + yy / 400 - 32045 : n - 32083;
}

TEST(Calendar, AgreesWithAnIndependentDayCount) {
  static const int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int failures = 0;
  for (std::int32_t y = -4712; y <= 3000 && failures < 5; ++y) {
    for (std::int32_t m = 1; m <= 12; ++m) {
      // Leap years by the rule of the year's calendar (1582 is none in either).
      const bool leap = y > 1582 ? (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0))
                                 : (y % 4 == 0);  // proleptic Julian: 0, -4, ... are leap
      const int last = kMonthDays[m - 1] + (m == 2 && leap ? 1 : 0);
      for (std::int32_t d : {1, 15, last}) {
        const bool greg = y > 1582 || (y == 1582 && (m > 10 || (m == 10 && d >= 15)));
        const double expected = IndependentDayNumber(y, m, d, greg) - 0.5;
        const double jd = ToJD(y, m, d);
        const CalendarFields back = ToDate(jd);
        if (jd != expected || back.Year != y || back.Month != m || back.Day != d ||
            back.Hour != 0 || back.Minute != 0 || back.Second != 0) {
          ADD_FAILURE() << y << "-" << m << "-" << d << ": JD " << jd << " expected "
                        << expected << ", back " << Show(back);
          ++failures;
        }
      }
    }
  }
}

TEST(Calendar, WellKnownJulianDays) {
  struct Row {
    const char* name;
    std::int32_t y, m, d;
    double h, mi, s, jd;
  };
  const Row rows[] = {
      {"J2000.0", 2000, 1, 1, 12, 0, 0, J2000},
      {"Sputnik 1 launch", 1957, 10, 4, 19, 26, 24, 2436116.31},
      {"first Gregorian day", 1582, 10, 15, 0, 0, 0, 2299160.5},
      {"last Julian day", 1582, 10, 4, 0, 0, 0, 2299159.5},
      {"origin of Julian days", -4712, 1, 1, 12, 0, 0, 0.0},
      {"Unix epoch", 1970, 1, 1, 0, 0, 0, 2440587.5},
  };
  for (const Row& r : rows) EXPECT_NEAR(ToJD(r.y, r.m, r.d, r.h, r.mi, r.s), r.jd, kDayTol) << r.name;
}

TEST(Calendar, TimeOfDayRoundTripsToTheMillisecond) {
  const std::int32_t years[] = {-4000, -584, 216, 1582, 1999, 2024, 2100};
  for (std::int32_t y : years) {
    for (int i = 0; i < 200; ++i) {
      const int h = (i * 7) % 24, mi = (i * 13) % 60;
      const double s = ((i * 7919) % 60000) / 1000.0;
      const CalendarFields back = ToDate(ToJD(y, 6, 30, h, mi, s));
      ASSERT_EQ(back.Year, y);
      ASSERT_EQ(back.Month, 6);
      ASSERT_EQ(back.Day, 30);
      ASSERT_EQ(back.Hour, h) << y << " " << i;
      ASSERT_EQ(back.Minute, mi) << y << " " << i;
      ASSERT_NEAR(back.Second, s, 1e-9) << y << " " << i;
    }
  }
}

TEST(Calendar, SiderealDayStepOfTheTimeFields) {
  const double start = ToJD(2024, 1, 1, 3, 0, 0);
  const double next = ToJD(2024, 1, 1, 3 + 23, 56, 4.09);
  EXPECT_NEAR(next - start, 0.99726956, 1e-8);
}

TEST(Calendar, OutOfRangeArithmeticRaises) {
  double jd = 0;
  std::int32_t y, m, d;
  double h, mi, s;
  EXPECT_THROW(DateToJD(std::numeric_limits<std::int32_t>::max(), 1, 1, 0, 0, 0, jd),
               tv::EIntOverflow);
  EXPECT_THROW(DateToJD(std::numeric_limits<std::int32_t>::min(), 1, 1, 0, 0, 0, jd),
               tv::EIntOverflow);
  EXPECT_THROW(JDToDate(y, m, d, h, mi, s, 3e9), tv::ERangeError);
  EXPECT_THROW(JDToDate(y, m, d, h, mi, s, std::numeric_limits<double>::quiet_NaN()),
               tv::ERangeError);
  // Far in the past the 32-bit year overflows instead of the loop running on.
  EXPECT_THROW(JDToDate(y, m, d, h, mi, s, -1e300), tv::EIntOverflow);
  EXPECT_THROW(JDToDate(y, m, d, h, mi, s, -std::numeric_limits<double>::infinity()),
               tv::EIntOverflow);
}

TEST(SiderealTime, GreenwichMeanSiderealTime) {
  struct Row {
    const char* name;
    double jd, hours, tolerance;
  };
  const Row rows[] = {
      {"J2000.0", 2451545.0, 18.697374558, 1e-9},
      {"2000-01-01 0 h UT", 2451544.5, 6.6645196, 1e-7},
      {"1987-04-10 19:21 UT", 2446896.30625, 8.582524883, 1e-9},
  };
  for (const Row& r : rows)
    EXPECT_NEAR(GMST_Rad(r.jd) * Rad2Hour, r.hours, r.tolerance) << r.name;
  EXPECT_NEAR(GMST_Rad(J2000), 4.894961212735793, 1e-12);
}

TEST(SiderealTime, AdvancesBySiderealRateAndStaysInRange) {
  const double turn = 2 * 3.14159265358979323846;
  for (double jd = 2400000.5; jd < 2500000; jd += 1234.567) {
    const double g = GMST_Rad(jd);
    ASSERT_GE(g, 0) << jd;
    ASSERT_LE(g, turn) << jd;
    // One solar day later the sidereal time is 3 min 56.56 s further on.
    double step = GMST_Rad(jd + 1) - g;
    if (step < 0) step += turn;
    EXPECT_NEAR(step, 0.98564736629 * Deg2Rad, 1e-9) << jd;
  }
}

}  // namespace
