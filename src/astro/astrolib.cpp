#include "astro/astrolib.h"

#include "astro/DivProcs.h"
#include "astro/TrigFunc.h"

double GMST_Rad(double JD) {
  // Intermediates in long double (80-bit on x86), rounded where stored.
  const long double days = JD - static_cast<long double>(J2000);
  const double T = static_cast<double>(days / 36525);  // Julian centuries
  const long double t = T;
  // Degrees.
  const double theta = static_cast<double>(days * 360.98564736629L + 280.46061837L +
                                           0.000387933L * t * t - t * t * t / 38710000);
  return PosMod(static_cast<double>(theta * static_cast<long double>(Deg2Rad)), Pi2);
}
