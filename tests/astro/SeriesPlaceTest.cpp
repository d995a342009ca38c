// Apparent places of the Sun and the planets through the whole chain (Sun series,
// body series, Helio_To_Geo with light time and aberration, equator of date,
// nutation), against independent published places.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/Series.h"
#include "astro/SeriesPlace.h"

namespace {

constexpr double DegToRad = 0.017453292519943295;

// Angle between two equatorial places (RA in hours, Dec in degrees), arcseconds.
double SeparationArcsec(double RA1, double Dec1, double RA2, double Dec2) {
  const double a1 = RA1 * 15 * DegToRad, d1 = Dec1 * DegToRad;
  const double a2 = RA2 * 15 * DegToRad, d2 = Dec2 * DegToRad;
  const double x = std::cos(d1) * std::cos(a1) - std::cos(d2) * std::cos(a2);
  const double y = std::cos(d1) * std::sin(a1) - std::cos(d2) * std::sin(a2);
  const double z = std::sin(d1) - std::sin(d2);
  const double chord = std::sqrt(x * x + y * y + z * z);
  return 2 * std::asin(chord / 2) / DegToRad * 3600;
}

TEST(SeriesPlace, VenusWorkedExample1992) {
  // J. Meeus, Astronomical Algorithms, example 33.a: Venus on 1992 December 20,
  // 0h TD, apparent RA 21h04m41.454s, Dec -18°53'16.84", distance 0.910845 AU.
  const TApparentPlace P = ApparentPlace(TSeriesBody::Venus, 2448976.5);
  const double RA = 21 + 4 / 60.0 + 41.454 / 3600.0;
  const double Dec = -(18 + 53 / 60.0 + 16.84 / 3600.0);
  EXPECT_LT(SeparationArcsec(P.RA, P.Dec, RA, Dec), 2.0) << P.RA << " " << P.Dec;
  EXPECT_NEAR(P.Delta0, 0.910845, 2e-5);
}

TEST(SeriesPlace, SunAndPlanetsAtStartOf2024) {
  // Reference: apparent geocentric places of date (light time and aberration) for
  // 2024 January 1, 0h, computed from a JPL development ephemeris with universal
  // time taken as dynamical time, as this program does; distances geometric, AU.
  struct Case {
    const char* Name;
    TSeriesBody Body;
    double RA;     // hours
    double Dec;    // degrees
    double Dist;   // AU
  };
  const Case Cases[] = {
      {"Sun", TSeriesBody::Sun, 18.728005, -23.05853, 0.983318336},
      {"Mercury", TSeriesBody::Mercury, 17.452462, -20.15361, 0.777639969},
      {"Venus", TSeriesBody::Venus, 16.063304, -18.76906, 1.182017799},
      {"Mars", TSeriesBody::Mars, 17.803586, -23.96137, 2.42382083},
      {"Jupiter", TSeriesBody::Jupiter, 2.245700, 12.26397, 4.481459873},
      {"Saturn", TSeriesBody::Saturn, 22.385215, -11.83911, 10.294648471},
      {"Uranus", TSeriesBody::Uranus, 3.134648, 17.27937, 18.975374926},
      {"Neptune", TSeriesBody::Neptune, 23.731464, -3.09223, 30.142522526},
  };
  const double JD = 2460310.5;  // 2024-01-01 0h
  for (const Case& c : Cases) {
    const TApparentPlace P = ApparentPlace(c.Body, JD);
    EXPECT_LT(SeparationArcsec(P.RA, P.Dec, c.RA, c.Dec), 30.0) << c.Name << " " << P.RA << " " << P.Dec;
    // The series hold the distance to a few parts in 1e5.
    EXPECT_NEAR(P.Delta0 / c.Dist, 1.0, 5e-5) << c.Name << " " << P.Delta0;
  }
}

TEST(SeriesPlace, ChainInvariantsOverFiveCenturies) {
  const TSeriesBody Bodies[] = {TSeriesBody::Sun,     TSeriesBody::Mercury, TSeriesBody::Venus,
                                TSeriesBody::Mars,    TSeriesBody::Jupiter, TSeriesBody::Saturn,
                                TSeriesBody::Uranus,  TSeriesBody::Neptune};
  for (double JD = 2305447.5; JD < 2488070.5; JD += 1234.567) {  // 1600 to 2100
    const double T = SeriesCenturies(JD);
    const TEclipticPlace Sun = SeriesPlace(TSeriesBody::Sun, T);
    for (TSeriesBody Body : Bodies) {
      const TApparentPlace P = ApparentPlace(Body, JD);
      ASSERT_GE(P.RA, 0.0);
      ASSERT_LT(P.RA, 24.0);
      ASSERT_LE(std::fabs(P.Dec), 90.0);
      if (Body == TSeriesBody::Sun) {
        // The geometric distance of the Sun is the Sun series' radius.
        EXPECT_NEAR(P.Delta0, Sun.R, 1e-14) << JD;
        EXPECT_EQ(P.HelioDist, 0.0);
        continue;
      }
      // The heliocentric polar form gives back the series' place.
      const TEclipticPlace H = SeriesPlace(Body, T);
      EXPECT_NEAR(P.HelioDist, H.R, 1e-12) << JD;
      EXPECT_NEAR(P.HelioLat, H.B, 1e-9) << JD;
      EXPECT_NEAR(std::remainder(P.HelioLon - H.L, 360.0), 0.0, 1e-9) << JD;
      // Given the same Sun, the place of date is the place for the Julian day.
      const TApparentPlace Q = ApparentPlaceOfDate(Body, T, Sun);
      EXPECT_EQ(P.RA, Q.RA);
      EXPECT_EQ(P.Dec, Q.Dec);
      EXPECT_EQ(P.Delta0, Q.Delta0);
    }
  }
}

}  // namespace
