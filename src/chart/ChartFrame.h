// The chart's frame layers: altitude circles, the cross, the black horizon
// mask, the zenith and compass letters and the two foot lines. None depends on
// the moment or the place; the compass letters read Texts rows 16 to 19 in the
// column Language (shared state). Each draws through the canvas it is given
// and leaves its pen, brush and font settings for the layers after it.
#pragma once

#include <string_view>

#include "platform/canvas/Canvas.h"

// The maker's rights notice and web address, painted by Draw_Credits.
inline constexpr std::string_view CreditsNotice = "\u00A9 2026 The Tarvelsicht developers";
inline constexpr std::string_view CreditsWebAddress = "https://tarvelsicht.example.org";

// Circles of altitude 10 to 80 degrees (radius 948/9 * (9 - i) pixels for
// i = 1..8), each 180 chords of 2 degrees from the south point through west,
// north and east. 30 and 60 degrees: pen 0x008000, width 2, solid; the others:
// pen 0x00FF80, width 1, dotted, with a clear brush. A fixed painting of the
// canvas (see TCanvas::PaintFixed).
void Draw_AltCircles(tv::TCanvas& Image);

// The east-west and north-south diameters of the horizon circle: pen
// 0x0000FF, width 1, dotted; brush clear.
void Draw_Cross(tv::TCanvas& Image);

// A black ring of radius 1022 drawn with a 150-pixel pen: 120 chords of 3
// degrees from the top (1000, -22) through the east, the south and the west
// back to the top. Covers about 947 to 1097 pixels from the centre. A fixed
// painting of the canvas.
void Draw_HorizonMask(tv::TCanvas& Image);

// "Z" on the centre and the compass letters Texts[16..19][Language] 973 pixels
// out: north at the top, west on the right reading downward, south at the
// bottom, east on the left reading upward. Brush clear; font "Arial", 24
// points, bold, 0x0000FF.
void Draw_HorizonLabels(tv::TCanvas& Image);

// The rights notice at (240, 1955) and the web address at (1326, 1955), text
// top-left corners, unturned. Brush clear; font "Arial", 24 points, regular,
// 0x606060.
void Draw_Credits(tv::TCanvas& Image);

// Takes the fixed paintings of the altitude circles and the horizon mask on a
// new drawing surface, black and not yet drawn on (see TCanvas::PrepareFixed),
// so that its first chart does not take them on a copy of itself. Leaves the
// surface black and its settings as they were.
void Prepare_FrameLayers(tv::TCanvas& Image);
