// The chart's drawing surface: the projection from altitude and azimuth to a
// pixel of the 2000 x 2000 drawing bitmap, the refraction rule with its
// thresholds and visibility limits, the pixel rounding, the circle round a
// pixel, the two turned-text routines and the background layer. Draws only
// through tv::TCanvas; reads no shared global. Depends on the astronomy
// module's angle constants.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/canvas/Canvas.h"

// Geometry of the drawing bitmap, pixels.
inline constexpr std::int32_t ChartSize = 2000;        // width and height
inline constexpr std::int32_t ChartCentre = 1000;      // x and y of the zenith
inline constexpr std::int32_t HorizonRadius = 948;     // altitude 0

// Refraction thresholds, degrees (34 and 50 arc minutes), compared as
// threshold * Deg2Rad with the geometric altitude.
inline constexpr double RefrLimitStarsDeg = 0.5666666666666667;
inline constexpr double RefrLimitSunDeg = 0.8333333333333334;
// Visibility limits, radians: a disc is painted when its altitude is strictly
// above DiscLimit; a figure segment when both ends are strictly above
// LineLimit; a path point is joined to the one before when at or above it.
inline constexpr double DiscLimit = -0.05;
inline constexpr double LineLimit = -0.1;

// A real pixel coordinate or radius to a pixel: nearest integer, halves to the
// even neighbour (2.5 -> 2, 3.5 -> 4). Outside the 32-bit range raises
// tv::ERangeError.
std::int32_t PixelRound(long double Value);

// The chart projection. Alt: altitude, radians (positive above the horizon);
// Az: azimuth, radians from the south, positive toward the west. The distance
// from the centre is linear in the zenith distance, 948 pixels at altitude 0
// (PiHalf's decimal value as the quarter turn); south is down, west right. No
// clipping: altitudes below the horizon lie beyond 948 pixels.
void HorToPixel(double Alt, double Az, std::int32_t& X, std::int32_t& Y);

// Image.Ellipse in the box of a circle of Radius pixels centred on the pixel
// (X, Y): (X - Radius, Y - Radius) to (X + Radius, Y + Radius), with the
// canvas's pen and brush (a disc, or a ring with a clear brush). A box corner
// beyond the 32-bit range raises tv::EIntOverflow.
void CircleAround(tv::TCanvas& Image, std::int32_t X, std::int32_t Y, std::int32_t Radius);

// Saemundsson's refraction at altitude Alt (radians), in radians:
// Deg2Rad * 0.017 / tan(Deg2Rad * (A + 10.3 / (A + 5.11))), A = Alt in degrees.
// About +0.409 deg at 34', +0.379 deg at 50', a tiny negative amount at the
// zenith; undefined in sign and size near A = -5.11.
double Refraction(double Alt);

// Adds Refraction(Alt) to Alt when Alt > ThresholdDeg * Deg2Rad (strictly);
// at or below the threshold Alt stays geometric.
void RefractAbove(double& Alt, double ThresholdDeg);

// Paints Text with the canvas's current font turned counter-clockwise by Angle
// degrees about (X, Y), the top-left corner of the unturned text cell. The
// canvas's font is left as it was. Angle * 10 is overflow-checked.
void TextOut_Escapement(tv::TCanvas& Canvas, std::int32_t Angle, std::int32_t X, std::int32_t Y,
                        std::string_view Text);

// Paints Text in the canvas's current font and brush, turned counter-clockwise
// by Angle degrees, with the centre of its text cell on the pixel (X, Y).
// Angle 0 puts the cell's top-left at (X - w/2, Y - h/2), 90 (reading upward)
// at (X - h/2, Y + w/2), -90 (reading downward) at (X + h/2, Y - w/2), each
// rounded half to even.
void TextOut_Rotated(tv::TCanvas& Image, std::int32_t Angle, std::int32_t X, std::int32_t Y,
                     std::string_view Text);

// The first layer: copies (0, 0)-(2000, 2000) of the background picture's
// canvas one to one onto the drawing canvas (areas the picture does not cover
// become black), then runs ProcessMessages, the window's event pump, when it
// is given. Makes no canvas setting of its own.
void Draw_Background(tv::TCanvas& Image, tv::TCanvas& Background,
                     const std::function<void()>& ProcessMessages = {});
