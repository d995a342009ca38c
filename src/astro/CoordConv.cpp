#include "astro/CoordConv.h"

#include <cmath>

#include "astro/DivProcs.h"
#include "astro/TrigFunc.h"
#include "data/SharedState.h"

// Intermediates are long double (80-bit on x86), rounded where stored.

void EclToEqu(double Lambda, double Beta, double Eps, double& RA, double& Dec) {
  // Double-precision sines and cosines: the Moon path layer converts 86 places
  // per redraw (last-bit differences from extended precision).
  const double sinL = std::sin(Lambda);
  const double cosL = std::cos(Lambda);
  const double sinB = std::sin(Beta);
  const double cosB = std::cos(Beta);
  const double sinE = std::sin(Eps);
  const double cosE = std::cos(Eps);
  RA = ArcTan2(sinL * cosB * cosE - sinB * sinE, cosB * cosL);
  Dec = ArcSine(cosB * sinE * sinL + sinB * cosE);
  if (RA < 0) RA = static_cast<double>(RA + static_cast<long double>(Pi2));
}

void EquToHor(double /*JD*/, double RA, double Dec, double Lon, double Lat, double& Alt,
              double& Az) {
  // This runs for every star and figure end point of a redraw, so the sines
  // and cosines are taken in double precision (the result differs from
  // extended precision in the last bit at most), the latitude's are kept from
  // the previous call with the same latitude, and tan Dec is sin Dec / cos Dec.
  thread_local double cachedLat = 0, sinLat = 0, cosLat = 1;
  if (Lat != cachedLat) {
    cachedLat = Lat;
    sinLat = std::sin(Lat);
    cosLat = std::cos(Lat);
  }
  // Hour angle, radians, not reduced.
  const double H = static_cast<double>(GMST * static_cast<long double>(Hour2Rad) + Lon - RA);
  const double sinDec = std::sin(Dec);
  const double cosDec = std::cos(Dec);
  const double sinH = std::sin(H);
  const double cosH = std::cos(H);
  Alt = ArcSine(sinLat * sinDec + cosLat * cosDec * cosH);
  Az = ArcTan2(sinH, cosH * sinLat - sinDec / cosDec * cosLat);
}
