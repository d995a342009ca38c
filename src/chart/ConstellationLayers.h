// The constellation layers: the 88 figures as grey segments between their
// stars, and their three-letter abbreviations turned with the azimuth. Read
// ConstLines, JD_UT, nLat, eLon and (through EquToHor) GMST. The name layer
// writes HorAlt, HorAzi, ConstNameText and ConstNameAngle. Paint only through
// the canvas.
#pragma once

#include <cstdint>

#include "platform/canvas/Canvas.h"

// The altitude at which a figure end point is drawn, radians: the geometric
// altitude Alt (radians) plus refraction, except in the band from -5.17 to
// -5.05 degrees (both included), where the refraction formula has its poles
// and Alt stays geometric.
double FigureEndAltitude(double Alt);

// The pixel of a figure end point at (Alt, Azi) (radians, azimuth from the
// south, westward positive). False, and no pixel, when either value is not
// finite or the pixel would not fit a 32-bit integer: such a point is not drawn.
bool FigureEndPixel(double Alt, double Azi, std::int32_t& X, std::int32_t& Y);

// Paints every slot 1..Count of the 88 figures as one straight segment
// (MoveTo, LineTo) in pen 0xC0C0C0, width 1, solid, when both refracted ends
// lie above -0.1 rad. Places are used as stored (single precision, J2000).
void Draw_ConstLines(tv::TCanvas& Image);

// Writes every label whose geometric altitude is above 0 (no refraction),
// centred on its projected point and turned counter-clockwise by its azimuth
// in whole degrees (-180 to 180), so the top of each label faces the chart
// centre. Brush clear; font colour 0xB0C020, bold only, 18 points; the face is
// the one the canvas holds.
void Draw_ConstNames(tv::TCanvas& Image);
