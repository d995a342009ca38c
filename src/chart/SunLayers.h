// The Sun layers: the Sun's disc with its row of BodyTable, and the marker
// ring that shows the Sun's place when it stands at most 0.05 rad high. Also
// the body table's row numbers. Draw_Sun reads JD_UT, nLat, eLon, SunDist and
// (through EquToHor) GMST and writes SunRA, SunDec, HorAlt, HorAzi and row 0;
// Draw_SunMarker reads row 0 and writes HorAlt, HorAzi. Paint only through the
// canvas.
#pragma once

#include <cstdint>

#include "platform/canvas/Canvas.h"

// Rows of BodyTable, in storage order.
enum BodyRow : std::int32_t {
  brSun = 0,
  brMoon = 1,
  brMercury = 2,
  brVenus = 3,
  brMars = 4,
  brJupiter = 5,
  brSaturn = 6,
  brUranus = 7,
  brNeptune = 8,
};

// Disc radius of the Sun and the Moon, and radius of the Sun marker, pixels.
inline constexpr std::int32_t SunMoonDiscRadius = 22;

// The Sun from the low-precision routine for JD_UT (its distance from the
// series' SunDist): refraction above 50 arc minutes, row 0 filled (btMvis
// -26.4, btSemiDiam 959.63 / SunDist), and above -0.05 rad a yellow disc
// (brush 0x00FFFF) of radius 22 with a white one-pixel outline.
void Draw_Sun(tv::TCanvas& Image);

// A white ring of radius 22 (clear brush, pen white, width 1) on the place
// that row 0 holds, whenever its altitude is at most 0.05 rad, down to -90
// degrees (the ring then lies on the horizon mask or off the bitmap).
void Draw_SunMarker(tv::TCanvas& Image);
