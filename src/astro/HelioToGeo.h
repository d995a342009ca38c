// HelioToGeo: the geocentric reduction of the series' places. Turns a planet's
// heliocentric ecliptic place and the Sun's geocentric place (both of date) into the
// planet's geocentric vector corrected for light time and aberration, turns it to
// the equator of date with nutation, and gives polar coordinates in degrees. Pure;
// reads no shared global. Keeps its own constants (6.283185307 for two pi,
// 0.0174532925199433 radians per degree). Depends on Series.h (Series_Frac).
#pragma once

#include <cstdint>

// sin and cos of x degrees.
double Sin_Deg(double x);
double Cos_Deg(double x);

// Two-argument arc tangent in degrees, (-180, 180]; 0 for (0, 0).
double ArcTan2_Deg(double Y, double X);

// Polar form of (X, Y, Z): R its length, Theta the angle from the x-y plane in
// [-90, 90] degrees, Phi the angle in the x-y plane from x toward y in [0, 360)
// degrees. The zero vector gives R = Theta = Phi = 0.
void Cart_To_Polar(double X, double Y, double Z, double& R, double& Theta, double& Phi);

// Rotates an ecliptic vector of date to the mean equator of date, in place, by the
// mean obliquity for T (Julian centuries from J2000). X is unchanged.
void Ecliptic_To_Equator(double T, double& X, double& Y, double& Z);

// Applies nutation in longitude and obliquity for T to an equatorial vector of date,
// in place: from the mean to the true equator and equinox.
void Apply_Nutation(double T, double& X, double& Y, double& Z);

// Position and velocity from polar coordinates and their rates: L, B in degrees,
// R a length; dL, dB in radians per time unit, dR in length per time unit.
void Polar_To_PosVel(double L, double B, double R, double dL, double dB, double dR, double& X, double& Y, double& Z,
                     double& VX, double& VY, double& VZ);

// Geocentric reduction of one body. T in Julian centuries from J2000; LP, BP, RP the
// body's heliocentric ecliptic longitude, latitude (degrees) and radius (AU); LS, BS,
// RS the Sun's geocentric ones. IPlan: 0 Sun, 1 Mercury, 2 Venus, 3 Earth, 4 Mars,
// 5 Jupiter, 6 Saturn, 7 Uranus, 8 Neptune, 9 Pluto (others: no motion of the body).
// IMode: 0 geometric, 1 light time, 2 light time and aberration.
// Out: XP, YP, ZP the body's heliocentric vector and XS, YS, ZS the Sun's
// geocentric vector (AU, ecliptic of date, uncorrected); X, Y, Z the body's
// geocentric vector after the correction of IMode; Delta0 the geometric geocentric
// distance (AU), the length before the correction. IPlan 3 gives X = Y = Z =
// Delta0 = 0. Never fails.
void Helio_To_Geo(double T, double LP, double BP, double RP, double LS, double BS, double RS, std::int32_t IPlan,
                  std::int32_t IMode, double& XP, double& YP, double& ZP, double& XS, double& YS, double& ZS,
                  double& X, double& Y, double& Z, double& Delta0);
