// The Moon layer: the Moon's place for JD_UT lowered by its parallax and
// refracted, its row of BodyTable (distance in km, magnitude from the phase
// angle, topocentric semi-diameter) and its grey disc of the Sun's size.
// Reads JD_UT, nLat, eLon, SunLon and (through EquToHor) GMST; writes MoonLon,
// MoonLat, MoonDist, MoonRA, MoonDec, HorAlt, HorAzi and row 1. Paints only
// through the canvas.
#pragma once

#include "platform/canvas/Canvas.h"

// The Moon's visual magnitude for its distance from the Earth (km) and the
// phase angle i (degrees, 0 full to 180 new): 5 log10(Dist / 1 AU) + 0.23 +
// 0.026 i + 4e-9 i^4, the Sun taken 1 AU from the Moon. i = 0 gives the
// fourth-power term 0.
double MoonMagnitude(double DistKm, double PhaseAngleDeg);

// The Moon's topocentric place for JD (universal time) as seen from (Lon, Lat)
// (radians, east and north positive): Moon_Ecliptic, the equator for the
// obliquity 23.438 degrees, EquToHor, and the altitude lowered by the parallax
// from the Earth's radius of 6378 km; no refraction. Writes MoonLon, MoonLat,
// MoonDist, MoonRA, MoonDec, HorAlt and HorAzi; reads GMST (through EquToHor).
void PlaceMoon(double JD, double Lon, double Lat);

// Computes the Moon (obliquity 23.438 degrees; parallax from 6378 km; then
// refraction above 34 arc minutes), fills row 1 and, above -0.05 rad, paints a
// grey disc (brush 0x808080) of radius 22 with a white one-pixel outline. The
// disc shows no phase.
void Draw_Moon(tv::TCanvas& Image);
