// The star layer: every catalogue star above the disc limit as a white disc
// sized by its magnitude. Reads Stars, JD_UT, nLat, eLon and (through
// EquToHor) GMST; writes HorAlt, HorAzi. Paints only through the canvas.
#pragma once

#include <cstdint>

#include "platform/canvas/Canvas.h"

// Disc radius in pixels of a star of visual magnitude Mag: 6.5 - Mag rounded
// to the nearest integer, halves to the even neighbour (magnitude 4.0 gives 2,
// 3.0 gives 4). 8 for the brightest catalogue star (-1.12), 1 for the faintest.
std::int32_t StarDiscRadius(double Mag);

// Paints the 2849 catalogue stars brightest first (a fainter star covers a
// brighter neighbour): pen white, width 0; brush solid white; the pen style
// is inherited (solid). Catalogue places are used as stored (J2000, no
// precession or proper motion). Refraction above 34 arc minutes; a disc only
// above -0.05 rad. A star with a radius below 1 (fainter than magnitude 5.5
// rounds to 1; none of the catalogue is fainter than 6.5) is skipped.
void Draw_Stars(tv::TCanvas& Image);
