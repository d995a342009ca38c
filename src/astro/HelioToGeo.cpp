#include "astro/HelioToGeo.h"

#include <cmath>

#include "astro/HelioToGeoRates.h"
#include "astro/Series.h"

namespace {

constexpr double P2 = 6.283185307;               // two pi as the rate terms were fitted with
constexpr double DegFactor = 0.0174532925199433;  // radians per degree
constexpr double ArcsecPerRadian = 206264.8062;
constexpr double LightDaysPerAU = 0.00578;
constexpr double VelocityUnit = 0.0001;  // rates and velocities count in 1e-4 per day

// Fraction without the lift of negative values (the nutation arguments only enter
// through sines and cosines).
double TruncFrac(double x) { return x - std::trunc(x); }

// Const + sum over k = 1..4 of Cos[k] cos kM + Sin[k] sin kM, with cm[k] = cos kM, sm[k] = sin kM.
double EvalRate(const HelioToGeoData::TRateTerms& Terms, const double* cm, const double* sm) {
  double r = Terms.Const;
  for (int k = 1; k <= 4; ++k) r = r + Terms.Cos[k] * cm[k];
  for (int k = 1; k <= 4; ++k) r = r + Terms.Sin[k] * sm[k];
  return r;
}

}  // namespace

double Sin_Deg(double x) { return std::sin(x * DegFactor); }

double Cos_Deg(double x) { return std::cos(x * DegFactor); }

double ArcTan2_Deg(double Y, double X) {
  if (Y == 0.0 && X == 0.0) return 0.0;
  const double ax = std::fabs(X);
  const double ay = std::fabs(Y);
  double phi;
  if (ax > ay)
    phi = std::atan(ay / ax) / DegFactor;
  else
    phi = 90.0 - std::atan(ax / ay) / DegFactor;
  if (X < 0.0) phi = 180.0 - phi;
  if (Y < 0.0) phi = -phi;
  return phi;
}

void Cart_To_Polar(double X, double Y, double Z, double& R, double& Theta, double& Phi) {
  const double rho2 = X * X + Y * Y;
  R = std::sqrt(rho2 + Z * Z);
  Phi = ArcTan2_Deg(Y, X);
  if (Phi < 0.0) {
    Phi = Phi + 360.0;
    if (Phi >= 360.0) Phi = 0.0;  // a tiny negative angle must not give 360
  }
  Theta = ArcTan2_Deg(Z, std::sqrt(rho2));
}

void Ecliptic_To_Equator(double T, double& X, double& Y, double& Z) {
  (void)X;
  const double eps = 23.43929111 - (46.815 + (0.00059 - 0.001813 * T) * T) * T / 3600.0;
  const double c = Cos_Deg(eps);
  const double s = Sin_Deg(eps);
  const double y = c * Y - s * Z;
  const double z = s * Y + c * Z;
  Y = y;
  Z = z;
}

void Apply_Nutation(double T, double& X, double& Y, double& Z) {
  const double ls = P2 * TruncFrac(0.993133 + 99.997306 * T);   // Sun's mean anomaly
  const double D = P2 * TruncFrac(0.827362 + 1236.853087 * T);  // Moon's mean elongation
  const double F = P2 * TruncFrac(0.259089 + 1342.227826 * T);  // Moon's argument of latitude
  const double N = P2 * TruncFrac(0.347346 - 5.372447 * T);     // Moon's ascending node
  const double eps = 0.4090928 - 0.00022696 * T;                // obliquity, radians

  const double dpsi = (-17.2 * std::sin(N) - 1.319 * std::sin(2.0 * (F - D + N)) - 0.227 * std::sin(2.0 * (F + N)) +
                       0.206 * std::sin(2.0 * N) + 0.143 * std::sin(ls)) /
                      ArcsecPerRadian;
  const double deps = (9.203 * std::cos(N) + 0.574 * std::cos(2.0 * (F - D + N)) + 0.098 * std::cos(2.0 * (F + N)) -
                       0.09 * std::cos(2.0 * N)) /
                      ArcsecPerRadian;

  const double c = dpsi * std::cos(eps);
  const double s = dpsi * std::sin(eps);
  const double dX = -(c * Y + s * Z);
  const double dY = c * X - deps * Z;
  const double dZ = s * X + deps * Y;
  X = X + dX;
  Y = Y + dY;
  Z = Z + dZ;
}

void Polar_To_PosVel(double L, double B, double R, double dL, double dB, double dR, double& X, double& Y, double& Z,
                     double& VX, double& VY, double& VZ) {
  const double cl = Cos_Deg(L);
  const double sl = Sin_Deg(L);
  const double cb = Cos_Deg(B);
  const double sb = Sin_Deg(B);
  X = R * cl * cb;
  VX = dR * cl * cb - dL * R * sl * cb - dB * R * cl * sb;
  Y = R * sl * cb;
  VY = dR * sl * cb + dL * R * cl * cb - dB * R * sl * sb;
  Z = R * sb;
  VZ = dR * sb + dB * R * cb;
}

void Helio_To_Geo(double T, double LP, double BP, double RP, double LS, double BS, double RS, std::int32_t IPlan,
                  std::int32_t IMode, double& XP, double& YP, double& ZP, double& XS, double& YS, double& ZS,
                  double& X, double& Y, double& Z, double& Delta0) {
  double dLP = 0, dBP = 0, dRP = 0;
  double dLS = 0, dBS = 0, dRS = 0;

  if (IMode > 0) {
    // The Sun's apparent geocentric motion from the Earth's mean anomaly.
    const double M = P2 * Series_Frac(0.9931266 + 99.9973604 * T);
    dLS = 172.00 + 5.75 * std::sin(M);
    dRS = 2.87 * std::cos(M);
    dBS = 0.0;

    if (IPlan == 3) {
      dLP = dLS;
      dRP = dRS;
      dBP = -dBS;
    } else if (IPlan >= 0 && IPlan <= 9 && HelioToGeoData::PlanetRates[IPlan].HasRates) {
      const HelioToGeoData::TPlanetRates& P = HelioToGeoData::PlanetRates[IPlan];
      const double Mp = P2 * Series_Frac(P.C0 + P.C1 * T);
      double cm[5] = {1.0, std::cos(Mp), 0, 0, 0};
      double sm[5] = {0.0, std::sin(Mp), 0, 0, 0};
      for (int k = 2; k <= 4; ++k) Series_RotAdd(cm[k - 1], sm[k - 1], cm[1], sm[1], cm[k], sm[k]);
      dLP = EvalRate(P.dL, cm, sm);
      dRP = EvalRate(P.dR, cm, sm);
      dBP = EvalRate(P.dB, cm, sm);
    }
  }

  double VXS, VYS, VZS;
  Polar_To_PosVel(LS, BS, RS, dLS, dBS, dRS, XS, YS, ZS, VXS, VYS, VZS);
  double VX, VY, VZ;
  Polar_To_PosVel(LP, BP, RP, dLP, dBP, dRP, XP, YP, ZP, VX, VY, VZ);

  X = XP + XS;
  Y = YP + YS;
  Z = ZP + ZS;
  Delta0 = std::sqrt(X * X + Y * Y + Z * Z);

  if (IPlan == 3) {
    X = Y = Z = 0.0;
    Delta0 = 0.0;
  }

  const double fac = LightDaysPerAU * Delta0 * VelocityUnit;
  if (IMode == 1) {
    X = X - fac * VX;
    Y = Y - fac * VY;
    Z = Z - fac * VZ;
  } else if (IMode == 2) {
    X = X - fac * (VX + VXS);
    Y = Y - fac * (VY + VYS);
    Z = Z - fac * (VZ + VZS);
  }
}
