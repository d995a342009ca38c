// The two track layers: the ecliptic as the Sun's path over a year and the
// Moon's path over four weeks, each a chain of short segments placed with the
// sidereal time of the moment drawn (a fixed line among the present stars).
// Read Jahr_UT (both), Monat_UT, Daag_UT, Stunde_UT (Moon path), nLat, eLon
// and (through EquToHor) GMST. Write SunRA, SunDec (ecliptic), MoonLon,
// MoonLat, MoonDist, MoonRA, MoonDec (Moon path) and HorAlt, HorAzi: the last
// sample's values. Paint only through the canvas.
#pragma once

#include "platform/canvas/Canvas.h"

// 184 Sun places two days apart from 0 h UT on 31 December of the year before
// Jahr_UT (366 days in all, so the curve closes). Pen 0x00C0C0, width 2,
// solid. Refraction above 50 arc minutes.
void Draw_Ecliptic(tv::TCanvas& Image);

// 86 Moon places a third of a day apart from 12 hours before the start of the
// current UT hour (28 1/3 days). Each place is lowered by the Moon's parallax,
// then refracted above 50 arc minutes. Pen 0x808080, width 2, solid.
void Draw_MoonPath(tv::TCanvas& Image);
