#include "astro/SunMoon.h"

#include <cmath>

#include "astro/DivProcs.h"
#include "astro/MoonTerms.h"
#include "astro/TrigFunc.h"

// Angles are formed in degrees with long double (80-bit on x86) intermediates
// and rounded to double radians; their sines and cosines are taken in double
// precision, as the ecliptic and Moon path layers call these hundreds of times
// per redraw (the results differ from extended precision in the last bit).

namespace {

constexpr long double kDeg2Rad = Deg2Rad;

// Julian centuries from J2000.0, rounded to double.
inline double CenturiesSince2000(double JD) {
  return static_cast<double>((JD - 2451545.0L) / 36525);
}

inline double ToRadians(long double degrees) { return static_cast<double>(degrees * kDeg2Rad); }

}  // namespace

void Sun_RaDec(double JD, double& RA, double& Dec) {
  const long double T = CenturiesSince2000(JD);
  const double M = ToRadians(357.52911L + 35999.05029L * T);    // mean anomaly
  const double L0 = ToRadians(280.46646L + 36000.76983L * T);   // mean longitude
  const double C = ToRadians((1.914602L - 0.004817L * T) * std::sin(M) +
                             (0.019993L - 0.000101L * T) * std::sin(2.0 * M) +
                             0.000289L * std::sin(3.0 * M));  // equation of centre
  const double Omega = ToRadians(125.04L - 1934.136L * T);  // Moon's ascending node
  // Apparent longitude: aberration and nutation in longitude.
  const double lambda = static_cast<double>(
      static_cast<long double>(L0) + C -
      (0.00569L + 0.00478L * std::sin(Omega)) * kDeg2Rad);
  const double eps = static_cast<double>(23.43929111L * kDeg2Rad);  // fixed obliquity

  const double sinLambda = std::sin(lambda);
  RA = ArcTan2(std::cos(eps) * sinLambda, std::cos(lambda));
  Dec = ArcSine(std::sin(eps) * sinLambda);
}

void Moon_Ecliptic(double JD, double& Lambda, double& Beta, double& Dist) {
  const long double T = CenturiesSince2000(JD);
  const long double E = static_cast<double>(1 - 0.002516L * T);  // eccentricity factor

  // Fundamental arguments, degrees in [0, 360].
  const long double Lp = PosMod(static_cast<double>(218.3164477L + 481267.88123421L * T), 360);
  const long double D = PosMod(static_cast<double>(297.8501921L + 445267.1114034L * T), 360);
  const long double M = PosMod(static_cast<double>(357.5291092L + 35999.0502909L * T), 360);
  const long double Mp = PosMod(static_cast<double>(134.9633964L + 477198.8675055L * T), 360);
  const long double F = PosMod(static_cast<double>(93.272095L + 483202.0175233L * T), 360);

  // The arguments are rounded to double radians, and their sines and cosines
  // taken in double precision: the path layer runs this 86 times per redraw.
  auto argument = [&](int d, int m, int mp, int f) -> double {
    return ToRadians(d * D + m * M + mp * Mp + f * F);
  };

  double SL = 0;  // degrees
  double SR = 0;  // km
  for (const MoonLonDistTerm& t : MoonLonDistTerms) {
    const double a = argument(t.D, t.M, t.Mp, t.F);
    const long double cL = t.TimesE ? t.Lon * E : t.Lon;
    SL = static_cast<double>(SL + cL * std::sin(a));
    if (t.HasDist) SR = static_cast<double>(SR + t.Dist * std::cos(a));
  }
  double SB = 0;  // degrees
  for (const MoonLatTerm& t : MoonLatTerms) {
    const double a = argument(t.D, t.M, t.Mp, t.F);
    const long double cB = t.TimesE ? t.Lat * E : t.Lat;
    SB = static_cast<double>(SB + cB * std::sin(a));
  }

  Lambda = static_cast<double>((Lp + SL) * kDeg2Rad);
  Beta = static_cast<double>(kDeg2Rad * SB);
  Dist = static_cast<double>(385000.56L + SR);
}
