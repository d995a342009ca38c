#include "astro/CoordConv.h"

#include <cmath>

#include "astro/DivProcs.h"
#include "astro/TrigFunc.h"
#include "data/SharedState.h"

// Intermediates are long double (80-bit on x86), rounded where stored.

void EclToEqu(double Lambda, double Beta, double Eps, double& RA, double& Dec) {
  const long double sinL = std::sin(static_cast<long double>(Lambda));
  const long double cosL = std::cos(static_cast<long double>(Lambda));
  const long double sinB = std::sin(static_cast<long double>(Beta));
  const long double cosB = std::cos(static_cast<long double>(Beta));
  const long double sinE = std::sin(static_cast<long double>(Eps));
  const long double cosE = std::cos(static_cast<long double>(Eps));
  RA = ArcTan2(static_cast<double>(sinL * cosB * cosE - sinB * sinE),
               static_cast<double>(cosB * cosL));
  Dec = ArcSine(static_cast<double>(cosB * sinE * sinL + sinB * cosE));
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
