// The geocentric reduction: degree helpers, polar form, the rotation to the equator,
// position and velocity from polar rates, and Helio_To_Geo's light-time step and
// body rates (checked against the motion of the series themselves).
#include <gtest/gtest.h>

#include <cmath>

#include "astro/HelioToGeo.h"
#include "astro/SeriesPlace.h"

namespace {

constexpr double DegToRad = 0.017453292519943295;

TEST(HelioToGeo, ArcTan2DegQuadrantsAndOrigin) {
  struct Case {
    const char* Name;
    double Y, X, Expected;
  };
  const Case Cases[] = {
      {"origin", 0, 0, 0},          {"negative x axis", 0, -1, 180},   {"negative y axis", -1, 0, -90},
      {"first diagonal", 1, 1, 45}, {"third diagonal", -1, -1, -135},  {"positive y axis", 1, 0, 90},
      {"steep", 2, 1, 63.43494882292201}, {"shallow, second quadrant", 1, -3, 161.56505117707799},
  };
  for (const Case& c : Cases) EXPECT_NEAR(ArcTan2_Deg(c.Y, c.X), c.Expected, 1e-12) << c.Name;
}

TEST(HelioToGeo, CartToPolarRangesAndSpecialVectors) {
  struct Case {
    const char* Name;
    double X, Y, Z;
    double R, Theta, Phi;
  };
  const Case Cases[] = {
      {"zero vector", 0, 0, 0, 0, 0, 0},
      {"negative y", 0, -1, 0, 1, 0, 270},
      {"pole", 0, 0, 2, 2, 90, 0},
      {"south pole", 0, 0, -1, 1, -90, 0},
      {"fourth quadrant, below plane", 1, -1, -std::sqrt(2.0), 2, -45, 315},
      // A tiny negative angle lands on 0, not on 360.
      {"just below the x axis", 1, -1e-300, 0, 1, 0, 0},
  };
  for (const Case& c : Cases) {
    double R, Theta, Phi;
    Cart_To_Polar(c.X, c.Y, c.Z, R, Theta, Phi);
    EXPECT_NEAR(R, c.R, 1e-14) << c.Name;
    EXPECT_NEAR(Theta, c.Theta, 1e-12) << c.Name;
    EXPECT_NEAR(Phi, c.Phi, 1e-12) << c.Name;
    EXPECT_GE(Phi, 0.0) << c.Name;
    EXPECT_LT(Phi, 360.0) << c.Name;
  }
}

TEST(HelioToGeo, EclipticToEquatorRotatesByMeanObliquity) {
  // At T = 0 the ecliptic pole tilts by exactly 23.43929111 degrees; X is untouched.
  double X = 0.3, Y = 1.0, Z = 0.0;
  Ecliptic_To_Equator(0.0, X, Y, Z);
  EXPECT_EQ(X, 0.3);
  EXPECT_NEAR(Y, std::cos(23.43929111 * DegToRad), 1e-15);
  EXPECT_NEAR(Z, std::sin(23.43929111 * DegToRad), 1e-15);

  // One century later the obliquity is 46.8 arcseconds smaller.
  X = 0.0, Y = 0.0, Z = 1.0;
  Ecliptic_To_Equator(1.0, X, Y, Z);
  const double eps = 23.43929111 - (46.815 + 0.00059 - 0.001813) / 3600.0;
  EXPECT_NEAR(Y, -std::sin(eps * DegToRad), 1e-15);
  EXPECT_NEAR(Z, std::cos(eps * DegToRad), 1e-15);
}

TEST(HelioToGeo, NutationMatchesPublishedValues) {
  // 1987 April 10, 0h TD (JD 2446895.5), a widely published worked example:
  // nutation in longitude -3.788", in obliquity +9.443". The short series holds
  // them to a few tenths of an arcsecond. The equinox direction moves by the
  // nutation in longitude, the equatorial y axis by that in obliquity.
  const double T = (2446895.5 - 2451545.0) / 36525.0;
  const double ArcsecPerRad = 206264.8062;
  double X = 1, Y = 0, Z = 0;
  Apply_Nutation(T, X, Y, Z);
  const double dpsi = std::copysign(std::hypot(Y, Z), Y) * ArcsecPerRad;
  EXPECT_NEAR(dpsi, -3.788, 0.5);
  X = 0, Y = 1, Z = 0;
  Apply_Nutation(T, X, Y, Z);
  EXPECT_NEAR(Z * ArcsecPerRad, 9.443, 0.2);

  // After mid-2006 the node argument is negative before reduction; the result
  // stays continuous across that point (T about 0.0647).
  const double T0 = 0.347346 / 5.372447;
  double Xa = 0.6, Ya = -0.64, Za = 0.48, Xb = 0.6, Yb = -0.64, Zb = 0.48;
  Apply_Nutation(T0 - 1e-9, Xa, Ya, Za);
  Apply_Nutation(T0 + 1e-9, Xb, Yb, Zb);
  EXPECT_NEAR(Xa, Xb, 1e-10);  // 2e-5 arcseconds; a jump would be arcseconds
  EXPECT_NEAR(Ya, Yb, 1e-10);
  EXPECT_NEAR(Za, Zb, 1e-10);
  EXPECT_NEAR(std::sqrt(Xb * Xb + Yb * Yb + Zb * Zb), 1.0, 1e-9);
}

TEST(HelioToGeo, PolarToPosVelMatchesNumericalDerivative) {
  // L, B in degrees, rates in radians per unit: step the angles and compare.
  const double L = 123.0, B = -4.0, R = 1.7, dL = 0.02, dB = -0.003, dR = 0.01;
  double X, Y, Z, VX, VY, VZ;
  Polar_To_PosVel(L, B, R, dL, dB, dR, X, Y, Z, VX, VY, VZ);
  EXPECT_NEAR(X, R * std::cos(L * DegToRad) * std::cos(B * DegToRad), 1e-15);
  EXPECT_NEAR(Z, R * std::sin(B * DegToRad), 1e-15);
  const double h = 1e-5;
  double Xp, Yp, Zp, Xm, Ym, Zm, d;
  Polar_To_PosVel(L + dL * h / DegToRad, B + dB * h / DegToRad, R + dR * h, 0, 0, 0, Xp, Yp, Zp, d, d, d);
  Polar_To_PosVel(L - dL * h / DegToRad, B - dB * h / DegToRad, R - dR * h, 0, 0, 0, Xm, Ym, Zm, d, d, d);
  EXPECT_NEAR(VX, (Xp - Xm) / (2 * h), 1e-9);
  EXPECT_NEAR(VY, (Yp - Ym) / (2 * h), 1e-9);
  EXPECT_NEAR(VZ, (Zp - Zm) / (2 * h), 1e-9);
}

struct TGeo {
  double XP, YP, ZP, XS, YS, ZS, X, Y, Z, Delta0;
};

TGeo Reduce(double T, double LP, double BP, double RP, double LS, double BS, double RS, int IPlan, int IMode) {
  TGeo g;
  Helio_To_Geo(T, LP, BP, RP, LS, BS, RS, IPlan, IMode, g.XP, g.YP, g.ZP, g.XS, g.YS, g.ZS, g.X, g.Y, g.Z, g.Delta0);
  return g;
}

TEST(HelioToGeo, GeometricModeAddsTheTwoVectors) {
  const TGeo g = Reduce(0.2, 30.0, 1.5, 1.52, 250.0, 0.0002, 0.99, 4, 0);
  EXPECT_DOUBLE_EQ(g.X, g.XP + g.XS);
  EXPECT_DOUBLE_EQ(g.Y, g.YP + g.YS);
  EXPECT_DOUBLE_EQ(g.Z, g.ZP + g.ZS);
  EXPECT_NEAR(g.Delta0, std::sqrt(g.X * g.X + g.Y * g.Y + g.Z * g.Z), 1e-15);
  EXPECT_NEAR(std::sqrt(g.XP * g.XP + g.YP * g.YP + g.ZP * g.ZP), 1.52, 1e-15);
  EXPECT_NEAR(std::sqrt(g.XS * g.XS + g.YS * g.YS + g.ZS * g.ZS), 0.99, 1e-15);
}

TEST(HelioToGeo, EarthGivesZeroGeocentricVectorButKeepsInputs) {
  for (int IMode : {0, 1, 2}) {
    const TGeo g = Reduce(0.1, 100.0, 0.0, 1.0, 280.0, 0.0, 1.0, 3, IMode);
    EXPECT_EQ(g.X, 0.0) << IMode;
    EXPECT_EQ(g.Y, 0.0) << IMode;
    EXPECT_EQ(g.Z, 0.0) << IMode;
    EXPECT_EQ(g.Delta0, 0.0) << IMode;
    EXPECT_NEAR(g.XP, std::cos(100.0 * DegToRad), 1e-15) << IMode;
    EXPECT_NEAR(g.XS, std::cos(280.0 * DegToRad), 1e-15) << IMode;
  }
}

TEST(HelioToGeo, LightTimeKeepsGeometricDistance) {
  const TGeo g0 = Reduce(0.3, 200.0, -1.0, 5.2, 10.0, 0.0, 1.0, 5, 0);
  const TGeo g2 = Reduce(0.3, 200.0, -1.0, 5.2, 10.0, 0.0, 1.0, 5, 2);
  EXPECT_DOUBLE_EQ(g2.Delta0, g0.Delta0);
  const double Shift = std::hypot(g2.X - g0.X, g2.Y - g0.Y, g2.Z - g0.Z);
  EXPECT_GT(Shift, 1e-6);
  // The corrected vector is not rescaled to Delta0.
  EXPECT_NE(std::hypot(g2.X, g2.Y, g2.Z), g2.Delta0);
  // Modes outside 0..2 apply no correction.
  const TGeo g7 = Reduce(0.3, 200.0, -1.0, 5.2, 10.0, 0.0, 1.0, 5, 7);
  EXPECT_EQ(g7.X, g0.X);
  EXPECT_EQ(g7.Z, g0.Z);
}

TEST(HelioToGeo, SunAberrationIsAboutTwentyArcseconds) {
  // The Sun as a body at the heliocentric origin: the light-time step with the Sun's
  // own motion is the annual aberration, 20.5 arcseconds along the ecliptic.
  const double T = SeriesCenturies(2460310.5);
  const TEclipticPlace Sun = SeriesPlace(TSeriesBody::Sun, T);
  const TGeo g0 = Reduce(T, 0, 0, 0, Sun.L, Sun.B, Sun.R, 0, 0);
  const TGeo g2 = Reduce(T, 0, 0, 0, Sun.L, Sun.B, Sun.R, 0, 2);
  EXPECT_NEAR(g0.Delta0, Sun.R, 1e-15);
  const double Lon0 = std::atan2(g0.Y, g0.X), Lon2 = std::atan2(g2.Y, g2.X);
  EXPECT_NEAR((Lon0 - Lon2) * 206264.8, 20.5, 0.8);
}

TEST(HelioToGeo, BodyRatesFollowTheSeriesMotion) {
  // The velocity the light-time step uses, (geometric - corrected) / light time,
  // against the numerical derivative of the series over two days. The rate terms
  // are approximations; the tolerance per body is a few times their accuracy and
  // far below the size of the leading periodic terms. The Sun's rate terms carry
  // their periodic parts (5.75 on sin M, 2.87 on cos M) a quarter period away from
  // the Sun series' own motion, up to 5.5 % of the velocity, or 0.8 arcseconds of
  // aberration; they are kept as the reduction defines them.
  struct Case {
    const char* Name;
    TSeriesBody Body;
    double RelTol;
  };
  const Case Cases[] = {
      {"Sun", TSeriesBody::Sun, 0.06},         {"Mercury", TSeriesBody::Mercury, 0.01},
      {"Venus", TSeriesBody::Venus, 0.01},     {"Mars", TSeriesBody::Mars, 0.025},
      {"Jupiter", TSeriesBody::Jupiter, 0.015}, {"Saturn", TSeriesBody::Saturn, 0.03},
      {"Uranus", TSeriesBody::Uranus, 0.02},   {"Neptune", TSeriesBody::Neptune, 0.025},
  };
  auto Position = [](TSeriesBody Body, double T, double v[3]) {
    const TEclipticPlace p = SeriesPlace(Body, T);
    double d;
    Polar_To_PosVel(p.L, p.B, p.R, 0, 0, 0, v[0], v[1], v[2], d, d, d);
  };
  const double Day = 1.0 / 36525.0;
  for (const Case& c : Cases) {
    const bool IsSun = c.Body == TSeriesBody::Sun;
    for (double T = -1.0; T <= 1.0; T += 0.0371) {
      const TEclipticPlace S = SeriesPlace(TSeriesBody::Sun, T);
      const TEclipticPlace P = IsSun ? TEclipticPlace{} : SeriesPlace(c.Body, T);
      const int IPlan = static_cast<int>(c.Body);
      // Mode 1 corrects by the body's heliocentric motion; the Sun moves only in mode 2.
      const TGeo g0 = Reduce(T, P.L, P.B, P.R, S.L, S.B, S.R, IPlan, 0);
      const TGeo g1 = Reduce(T, P.L, P.B, P.R, S.L, S.B, S.R, IPlan, IsSun ? 2 : 1);
      const double fac = 0.00578 * g0.Delta0 * 1e-4;
      const double V[3] = {(g0.X - g1.X) / fac, (g0.Y - g1.Y) / fac, (g0.Z - g1.Z) / fac};
      double a[3], b[3];
      Position(c.Body, T + Day, a);
      Position(c.Body, T - Day, b);
      double Err = 0, Norm = 0;
      for (int k = 0; k < 3; ++k) {
        const double N = (a[k] - b[k]) / 2.0 * 1e4;  // 1e-4 AU per day
        Err += (V[k] - N) * (V[k] - N);
        Norm += N * N;
      }
      EXPECT_LT(std::sqrt(Err / Norm), c.RelTol) << c.Name << " T=" << T;
    }
  }
}

}  // namespace
