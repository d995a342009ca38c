// SeriesPlace: the apparent geocentric place of the Sun and of the planets Mercury
// to Neptune from the analytic series and the geocentric reduction, chained as the
// chart's planet layers need it (series, Helio_To_Geo with light time and
// aberration, equator of date, nutation, polar form). Pure; reads no shared global:
// the caller passes the Sun series result (the draw request's SunLon, SunLat,
// SunDist) or lets ApparentPlace compute it.
#pragma once

#include <cstdint>

// The bodies with a series; the values are the body numbers (IPlan) of Helio_To_Geo.
enum class TSeriesBody : std::int32_t {
  Sun = 0,
  Mercury = 1,
  Venus = 2,
  Mars = 4,
  Jupiter = 5,
  Saturn = 6,
  Uranus = 7,
  Neptune = 8,
};

// A series result: ecliptic longitude L in [0, 360) and latitude B in degrees (mean
// equinox and ecliptic of date), radius R in AU. Geocentric for the Sun,
// heliocentric for the planets.
struct TEclipticPlace {
  double L = 0;
  double B = 0;
  double R = 0;
};

// An apparent geocentric place (true equator and equinox of date, light time and
// aberration applied).
struct TApparentPlace {
  double RA = 0;         // right ascension, hours, [0, 24)
  double Dec = 0;        // declination, degrees, [-90, 90]
  double Delta0 = 0;     // geometric distance from the Earth, AU (before the light-time step)
  double HelioDist = 0;  // distance from the Sun, AU (the Sun: 0)
  double HelioLat = 0;   // heliocentric ecliptic latitude, degrees (the Sun: 0)
  double HelioLon = 0;   // heliocentric ecliptic longitude, degrees, [0, 360) (the Sun: 0)
};

// Julian centuries from J2000 for a Julian day; universal time is used as
// dynamical time, as everywhere in the program.
double SeriesCenturies(double JD);

// The body's series for T (Julian centuries from J2000): Series_Sun for the Sun,
// the planet's series otherwise.
TEclipticPlace SeriesPlace(TSeriesBody Body, double T);

// Apparent place of the body for T, given the Sun series result for the same T
// (Sun.L, Sun.B in degrees, Sun.R in AU). The Sun itself enters Helio_To_Geo as a
// body at the heliocentric origin (body number 0), which gives its aberration.
TApparentPlace ApparentPlaceOfDate(TSeriesBody Body, double T, const TEclipticPlace& Sun);

// Apparent place of the body for the Julian day JD (universal time): the Sun
// series, the body's series and ApparentPlaceOfDate.
TApparentPlace ApparentPlace(TSeriesBody Body, double JD);
