// SunMoon: the low-precision apparent Sun and the Moon from a truncated lunar
// theory, for the chart's Sun, ecliptic, Moon and Moon-path layers and the
// twilight series. Pure; depends on TrigFunc, the DivProcs constants and the
// generated lunar terms. No globals.
#pragma once

// Apparent geocentric right ascension and declination of the Sun, radians, for a
// Julian day (used unchanged, no UT/TT difference), fixed obliquity 23.43929111
// degrees. RA in (-pi, pi] as ArcTan2 gives it (not brought into [0, 2 pi));
// Dec in [-pi/2, pi/2]. Accuracy about 0.01 degree near the present.
void Sun_RaDec(double JD, double& RA, double& Dec);

// Geocentric ecliptic longitude Lambda and latitude Beta of the Moon, radians,
// ecliptic of date without nutation, and its distance Dist, km, centre to
// centre (about 356000 to 407000), for a Julian day used unchanged. Lambda is
// not reduced: it may lie a few degrees below 0 or above 2 pi.
void Moon_Ecliptic(double JD, double& Lambda, double& Beta, double& Dist);
