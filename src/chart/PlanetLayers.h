// The seven planet layers, Mercury to Neptune: each computes its planet's
// apparent place for JD_UT through the one series chain of the astronomy
// module (series, geocentric reduction with light time and aberration,
// equator of date, nutation), turns it into altitude and azimuth, refracts it
// above 34 arc minutes, fills its row of BodyTable and paints a coloured disc
// (Saturn with its ring line). Read JD_UT, nLat, eLon, SunLon, SunLat,
// SunDist and (through EquToHor) GMST; write HorAlt, HorAzi and the planet's
// row. Paint only through the canvas.
#pragma once

#include <cstdint>

#include "platform/canvas/Canvas.h"

// Phase angle in degrees of a planet at R AU from the Sun and Delta AU from
// the Earth, the Earth taken 1 AU from the Sun; the cosine is clamped to
// [-0.999, 0.999], so the result lies between about 2.56 and 177.44 degrees.
double PlanetPhaseAngle(double R, double Delta);

// Tilt B of Saturn's ring plane towards the Earth, radians, for T (Julian
// centuries from J2000), Saturn's heliocentric distance r (AU), latitude b and
// longitude l (degrees), and the Sun's geocentric SunLon, SunLat (degrees)
// and SunDist (AU); the Earth is placed opposite the Sun.
double SaturnRingTilt(double T, double r, double b, double l, double SunLonDeg, double SunLatDeg,
                      double SunDistAU);

void Draw_Mercury(tv::TCanvas& Image);
void Draw_Venus(tv::TCanvas& Image);
void Draw_Mars(tv::TCanvas& Image);
void Draw_Jupiter(tv::TCanvas& Image);
void Draw_Saturn(tv::TCanvas& Image);
void Draw_Uranus(tv::TCanvas& Image);
void Draw_Neptune(tv::TCanvas& Image);
