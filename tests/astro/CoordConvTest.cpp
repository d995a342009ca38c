#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/CoordConv.h"
#include "astro/DivProcs.h"
#include "astro/astrolib.h"
#include "data/SharedState.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTol = 1e-12;  // radians
constexpr double kNaN() { return std::numeric_limits<double>::quiet_NaN(); }

// Angle difference folded into (-pi, pi], so that pi and -pi compare equal.
double AngleDiff(double a, double b) { return std::remainder(a - b, 2 * kPi); }

// EquToHor reads the shared GMST; each test sets it and the fixture puts the
// previous value back.
class EquToHorTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = GMST; }
  void TearDown() override { GMST = saved_; }

  // Altitude and azimuth for hour angle H, with GMST = 0 and the observer at
  // longitude 0 (H = -RA).
  static void ForHourAngle(double H, double Dec, double Lat, double& Alt, double& Az) {
    GMST = 0;
    EquToHor(J2000, -H, Dec, 0, Lat, Alt, Az);
  }

 private:
  double saved_ = 0;
};

TEST_F(EquToHorTest, MeridianHorizonAndPole) {
  struct Row {
    const char* name;
    double H, dec, lat, alt, az;
  };
  const double lat = 52 * Deg2Rad;
  const Row rows[] = {
      {"meridian south of the zenith", 0, 20 * Deg2Rad, lat, kPi / 2 - (lat - 20 * Deg2Rad), 0},
      {"meridian north of the zenith", 0, 70 * Deg2Rad, lat, kPi / 2 - (70 * Deg2Rad - lat), kPi},
      {"six hours west, equator", kPi / 2, 0, lat, 0, kPi / 2},
      {"six hours east, equator", -kPi / 2, 0, lat, 0, -kPi / 2},
      {"six hours west, southern observer", kPi / 2, 0, -33 * Deg2Rad, 0, kPi / 2},
      {"six hours west, equatorial observer", kPi / 2, 0, 0, 0, kPi / 2},
      {"lower culmination", kPi, 60 * Deg2Rad, lat, lat - 30 * Deg2Rad, kPi},
      {"north pole observer", 1.234, 0.4, kPi / 2, 0.4, kNaN()},
      {"celestial pole at the observer's latitude", 2.0, kPi / 2, lat, lat, kNaN()},
  };
  for (const Row& r : rows) {
    double alt = 0, az = 0;
    ForHourAngle(r.H, r.dec, r.lat, alt, az);
    EXPECT_NEAR(alt, r.alt, kTol) << r.name;
    if (!std::isnan(r.az)) {
      EXPECT_NEAR(AngleDiff(az, r.az), 0, kTol) << r.name;
    }
    EXPECT_GT(az, -kPi) << r.name;
    EXPECT_LE(az, kPi) << r.name;
  }
}

// Independent check: rotate the unit vector of (H, Dec) into the horizon frame
// (x south, y west, z zenith) and compare over a grid of places and observers.
TEST_F(EquToHorTest, AgreesWithVectorRotation) {
  for (int lat = -85; lat <= 85; lat += 17) {
    for (int dec = -80; dec <= 80; dec += 20) {
      for (int h = -170; h <= 180; h += 25) {
        const double phi = lat * Deg2Rad, d = dec * Deg2Rad, H = h * Deg2Rad;
        const double x = std::cos(d) * std::cos(H), y = std::cos(d) * std::sin(H),
                     z = std::sin(d);
        const double south = x * std::sin(phi) - z * std::cos(phi);
        const double zenith = x * std::cos(phi) + z * std::sin(phi);
        double alt = 0, az = 0;
        ForHourAngle(H, d, phi, alt, az);
        EXPECT_NEAR(alt, std::asin(zenith), 1e-12) << lat << " " << dec << " " << h;
        EXPECT_NEAR(AngleDiff(az, std::atan2(y, south)), 0, 1e-12) << lat << " " << dec << " " << h;
      }
    }
  }
}

// The hour angle comes from GMST and the longitude, never from JD.
TEST_F(EquToHorTest, HourAngleFromGMSTNotFromJD) {
  const double ra = 1.1, dec = 0.3, lon = 13.4 * Deg2Rad, lat = 52.5 * Deg2Rad;
  GMST = 7.25;
  double alt1 = 0, az1 = 0, alt2 = 0, az2 = 0;
  EquToHor(J2000, ra, dec, lon, lat, alt1, az1);
  EquToHor(0.0, ra, dec, lon, lat, alt2, az2);
  EXPECT_EQ(alt1, alt2);
  EXPECT_EQ(az1, az2);

  // One hour more sidereal time is pi/12 more hour angle: the same as a right
  // ascension pi/12 smaller, or an observer 15 degrees further east.
  GMST = 8.25;
  EquToHor(J2000, ra, dec, lon, lat, alt2, az2);
  double alt3 = 0, az3 = 0;
  GMST = 7.25;
  EquToHor(J2000, ra - kPi / 12, dec, lon, lat, alt3, az3);
  EXPECT_NEAR(alt2, alt3, kTol);
  EXPECT_NEAR(az2, az3, kTol);
  EquToHor(J2000, ra, dec, lon + 15 * Deg2Rad, lat, alt3, az3);
  EXPECT_NEAR(alt2, alt3, kTol);
  EXPECT_NEAR(az2, az3, kTol);
  EXPECT_NE(alt1, alt2);
}

TEST(EclToEqu, AxesAndRange) {
  struct Row {
    const char* name;
    double lambda, beta, ra, dec;
  };
  const double eps = 23.438 * Deg2Rad;
  const Row rows[] = {
      {"vernal point", 0, 0, 0, 0},
      {"summer solstice point", kPi / 2, 0, kPi / 2, eps},
      {"autumn point", kPi, 0, kPi, 0},
      {"winter solstice point", 3 * kPi / 2, 0, 3 * kPi / 2, -eps},
      {"north ecliptic pole", 0.7, kPi / 2, 3 * kPi / 2, kPi / 2 - eps},
      {"longitude above a turn", 2 * kPi + kPi / 2, 0, kPi / 2, eps},
  };
  for (const Row& r : rows) {
    double ra = -1, dec = -1;
    EclToEqu(r.lambda, r.beta, eps, ra, dec);
    EXPECT_NEAR(AngleDiff(ra, r.ra), 0, kTol) << r.name;
    EXPECT_NEAR(dec, r.dec, kTol) << r.name;
  }
  // A longitude just below 0 gives an RA just below 2 pi, never a negative one.
  double ra = 0, dec = 0;
  EclToEqu(-0.1, 0, eps, ra, dec);
  EXPECT_GT(ra, 2 * kPi - 0.2);
  EXPECT_LT(ra, 2 * kPi);
}

// Independent check: rotate the ecliptic unit vector about the x axis by eps.
TEST(EclToEqu, AgreesWithVectorRotation) {
  const double eps = 23.438 * Deg2Rad;
  for (int lon = -20; lon <= 380; lon += 23) {
    for (int lat = -85; lat <= 85; lat += 17) {
      const double l = lon * Deg2Rad, b = lat * Deg2Rad;
      const double x = std::cos(b) * std::cos(l);
      const double y = std::cos(b) * std::sin(l) * std::cos(eps) - std::sin(b) * std::sin(eps);
      const double z = std::cos(b) * std::sin(l) * std::sin(eps) + std::sin(b) * std::cos(eps);
      double ra = 0, dec = 0;
      EclToEqu(l, b, eps, ra, dec);
      EXPECT_GE(ra, 0);
      EXPECT_LT(ra, 2 * kPi);
      EXPECT_NEAR(AngleDiff(ra, std::atan2(y, x)), 0, 1e-12) << lon << " " << lat;
      EXPECT_NEAR(dec, std::asin(z), 1e-12) << lon << " " << lat;
    }
  }
}

}  // namespace
