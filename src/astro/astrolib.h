// astrolib: the epoch J2000 and Greenwich mean sidereal time. Pure; depends on
// TrigFunc and the DivProcs constants. No globals (the time state stores the
// result in GMST, hours).
#pragma once

// Julian day of the epoch J2000.0 (2000-01-01 12 h).
inline constexpr double J2000 = 2451545.0;

// Greenwich mean sidereal time in radians, [0, 2 pi], for a universal-time
// Julian day. Mean time: no nutation, no equation of the equinoxes. Hours are
// PosMod(GMST_Rad(JD) * Rad2Hour, 24).
double GMST_Rad(double JD);
