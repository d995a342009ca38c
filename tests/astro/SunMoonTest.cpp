#include <gtest/gtest.h>

#include <cmath>

#include "astro/Astronom.h"
#include "astro/CoordConv.h"
#include "astro/DivProcs.h"
#include "astro/SunMoon.h"
#include "astro/TrigFunc.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
const double kNotGiven = std::nan("");

double ToJD(int y, int m, int d, double h, double mi) {
  double jd = 0;
  DateToJD(y, m, d, h, mi, 0, jd);
  return jd;
}

// The reference values are given to 7 decimals of a radian.
constexpr double kRadTol = 6e-8;

TEST(SunRaDec, ReferenceValues) {
  struct Row {
    const char* name;
    double jd, ra, dec, raHours, decDegrees;
  };
  const Row rows[] = {
      {"1992-10-13 0 h", 2448908.5, -2.8207852, -0.1358712, -10.7746057, -7.7848484},
      {"J2000.0, negative RA unchanged", 2451545.0, -1.3738799, -0.4020184, kNotGiven,
       -23.0339574},
  };
  for (const Row& r : rows) {
    double ra = 0, dec = 0;
    Sun_RaDec(r.jd, ra, dec);
    EXPECT_NEAR(ra, r.ra, kRadTol) << r.name;
    EXPECT_NEAR(dec, r.dec, kRadTol) << r.name;
    if (!std::isnan(r.raHours)) {
      EXPECT_NEAR(ra * Rad2Hour, r.raHours, 2e-7) << r.name;
    }
    EXPECT_NEAR(dec * Rad2Deg, r.decDegrees, 2e-7) << r.name;
  }
  double ra = 0, dec = 0;
  Sun_RaDec(2448908.5, ra, dec);
  EXPECT_EQ(FormatSexagesimal(PosMod(ra * Rad2Hour, 24), 1), "  13:13:31.4");
}

// Independent checks: published instants of equinoxes and solstices (UT), and
// the Sun staying on the ecliptic (tan Dec = tan eps * sin RA) all year.
TEST(SunRaDec, EquinoxesSolsticesAndTheEcliptic) {
  struct Row {
    const char* name;
    double jd, dec;
  };
  const double eps = 23.43929111 * Deg2Rad;
  const Row rows[] = {
      {"March equinox 2024", ToJD(2024, 3, 20, 3, 6), 0},
      {"June solstice 2024", ToJD(2024, 6, 20, 20, 51), eps},
      {"September equinox 2024", ToJD(2024, 9, 22, 12, 44), 0},
      {"December solstice 2024", ToJD(2024, 12, 21, 9, 21), -eps},
      {"March equinox 1950", ToJD(1950, 3, 21, 4, 35), 0},
  };
  for (const Row& r : rows) {
    double ra = 0, dec = 0;
    Sun_RaDec(r.jd, ra, dec);
    EXPECT_NEAR(dec, r.dec, 0.01 * Deg2Rad) << r.name;
  }
  for (double jd = 2460310.5; jd < 2460676.5; jd += 3.7) {
    double ra = 0, dec = 0;
    Sun_RaDec(jd, ra, dec);
    ASSERT_GT(ra, -kPi);
    ASSERT_LE(ra, kPi);
    EXPECT_NEAR(std::tan(dec), std::tan(eps) * std::sin(ra), 1e-12) << jd;
  }
}

TEST(MoonEcliptic, ReferenceValues) {
  struct Row {
    const char* name;
    double jd, lambda, beta, dist, lambdaDegrees, betaDegrees;
  };
  const Row rows[] = {
      {"1992-04-12 0 h", 2448724.5, 2.3241200, -0.0564085, 368399.14, 133.1622681, -3.2319699},
      {"J2000.0", 2451545.0, 3.8975563, 0.0901607, 402459.51, 223.3135259, 5.1658249},
  };
  for (const Row& r : rows) {
    double lambda = 0, beta = 0, dist = 0;
    Moon_Ecliptic(r.jd, lambda, beta, dist);
    EXPECT_NEAR(lambda, r.lambda, kRadTol) << r.name;
    EXPECT_NEAR(beta, r.beta, kRadTol) << r.name;
    EXPECT_NEAR(dist, r.dist, 0.006) << r.name;
    EXPECT_NEAR(lambda * Rad2Deg, r.lambdaDegrees, 1e-7) << r.name;
    EXPECT_NEAR(beta * Rad2Deg, r.betaDegrees, 1e-7) << r.name;
  }
}

// Independent check: at the greatest phase of total solar eclipses the Moon,
// through the chart's fixed obliquity, stands within half a degree of the Sun.
TEST(MoonEcliptic, MeetsTheSunAtSolarEclipses) {
  struct Row {
    const char* name;
    double jd;
  };
  const Row rows[] = {
      {"2024-04-08 18:17 UT", ToJD(2024, 4, 8, 18, 17)},
      {"2017-08-21 18:25 UT", ToJD(2017, 8, 21, 18, 25)},
      {"1999-08-11 11:03 UT", ToJD(1999, 8, 11, 11, 3)},
  };
  for (const Row& r : rows) {
    double lambda = 0, beta = 0, dist = 0, moonRA = 0, moonDec = 0, sunRA = 0, sunDec = 0;
    Moon_Ecliptic(r.jd, lambda, beta, dist);
    EclToEqu(lambda, beta, 23.438 * Deg2Rad, moonRA, moonDec);
    Sun_RaDec(r.jd, sunRA, sunDec);
    const double cosSep = std::sin(moonDec) * std::sin(sunDec) +
                          std::cos(moonDec) * std::cos(sunDec) * std::cos(moonRA - sunRA);
    EXPECT_LT(std::acos(std::fmin(1.0, cosSep)), 0.5 * Deg2Rad) << r.name;
  }
}

TEST(MoonEcliptic, DistanceBoundsAndUnreducedLongitude) {
  bool sawBelowZero = false, sawAboveTurn = false;
  for (double jd = 2451545.0; jd < 2451545.0 + 3 * 365.25; jd += 0.05) {
    double lambda = 0, beta = 0, dist = 0;
    Moon_Ecliptic(jd, lambda, beta, dist);
    ASSERT_GT(dist, 356000) << jd;
    ASSERT_LT(dist, 407000) << jd;
    ASSERT_LT(std::fabs(beta), 5.4 * Deg2Rad) << jd;
    sawBelowZero |= lambda < 0;
    sawAboveTurn |= lambda > 2 * kPi;
    ASSERT_GT(lambda, -7 * Deg2Rad) << jd;
    ASSERT_LT(lambda, 2 * kPi + 7 * Deg2Rad) << jd;
  }
  // The mean longitude is reduced, the periodic terms are added afterwards.
  EXPECT_TRUE(sawBelowZero);
  EXPECT_TRUE(sawAboveTurn);
}

}  // namespace
