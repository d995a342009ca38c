// CoordConv: ecliptic to equatorial and equatorial to horizontal coordinates.
// Pure apart from EquToHor, which reads the shared GMST (hours) for the hour
// angle. Depends on TrigFunc, the DivProcs constants and data/SharedState.h.
#pragma once

// Right ascension RA in [0, 2 pi] and declination Dec in [-pi/2, pi/2] of the
// ecliptic place (Lambda, Beta) for the obliquity Eps; all radians. RA is 2 pi
// only for a tiny negative angle (raised by 2 pi). Lambda may lie outside
// [0, 2 pi).
void EclToEqu(double Lambda, double Beta, double Eps, double& RA, double& Dec);

// Altitude and azimuth of an equatorial place for the observer at (Lon, Lat).
// RA, Dec, Lon, Lat in radians (east and north positive). Reads GMST (hours):
// the caller sets it for the instant first; JD is accepted and not read.
// Alt in [-pi/2, pi/2]; Az from the south, positive toward the west, in (-pi, pi].
// No precession, nutation, aberration, parallax or refraction.
void EquToHor(double JD, double RA, double Dec, double Lon, double Lat, double& Alt, double& Az);
