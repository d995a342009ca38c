// The constellation figure and name layers.
#include "chart/ConstellationLayers.h"

#include <cmath>
#include <limits>

#include "astro/CoordConv.h"
#include "astro/DivProcs.h"
#include "chart/ChartSurface.h"
#include "chart/HorizonPretest.h"
#include "data/SharedState.h"
#include "platform/CheckedInt.h"

namespace {

// The band of geometric altitudes, radians, in which figure end points get no
// refraction. The refraction formula's term A + 10.3 / (A + 5.11) (A in
// degrees) runs through -180 degrees at about -5.169 and through +180 degrees
// at about -5.054, with infinitely many poles between: there the correction
// takes any size and either sign and would throw an end point anywhere, even
// into the visible sky. Outside the band the formula is smooth and every end
// point follows it, also below the horizon, where it decides which ends fall
// under the line limit.
constexpr double FigureRefractionBandLow = -5.17 * Deg2Rad;
constexpr double FigureRefractionBandHigh = -5.05 * Deg2Rad;

}  // namespace

double FigureEndAltitude(double Alt) {
  if (Alt >= FigureRefractionBandLow && Alt <= FigureRefractionBandHigh) return Alt;
  return Alt + Refraction(Alt);
}

bool FigureEndPixel(double Alt, double Azi, std::int32_t& X, std::int32_t& Y) {
  if (!std::isfinite(Alt) || !std::isfinite(Azi)) return false;
  // Distance from the centre in pixels; beyond this the coordinates 1000 +- r
  // could leave the 32-bit range.
  const double r = (948.0 / PiHalf) * (PiHalf - Alt);
  if (!(std::fabs(r) < 1.0e9)) return false;
  HorToPixel(Alt, Azi, X, Y);
  return true;
}

void Draw_ConstLines(tv::TCanvas& Image) {
  Image.Pen.Color = 0xC0C0C0;
  Image.Pen.Width = 1;
  Image.Pen.Style = tv::TPenStyle::psSolid;

  const double Lon = eLon * Deg2Rad;
  const double Lat = nLat * Deg2Rad;
  // Below the line limit (-5.73 degrees) refraction only lowers an end point
  // (down to about -89.9 degrees, and by a hair's breadth below that), so a
  // segment with an end clearly below the limit is left out whatever the full
  // conversion would give; such segments are passed over at once.
  const THorizonPretest BelowLineLimit(Lon, Lat, LineLimit);
  for (std::int32_t i = 1; i <= 88; ++i) {
    const ConstLine_Type& Figure = ConstLines[i];
    for (std::int32_t j = 1; j <= Figure.Count; ++j) {
      const ConstSeg_Type& Seg = Figure.Seg[j];
      if (BelowLineLimit.ClearlyBelow(static_cast<double>(Seg.RA1), static_cast<double>(Seg.DE1)) ||
          BelowLineLimit.ClearlyBelow(static_cast<double>(Seg.RA2), static_cast<double>(Seg.DE2)))
        continue;
      double Alt1 = 0, Azi1 = 0, Alt2 = 0, Azi2 = 0;
      EquToHor(JD_UT, static_cast<double>(Seg.RA1), static_cast<double>(Seg.DE1), Lon, Lat, Alt1, Azi1);
      Alt1 = FigureEndAltitude(Alt1);
      EquToHor(JD_UT, static_cast<double>(Seg.RA2), static_cast<double>(Seg.DE2), Lon, Lat, Alt2, Azi2);
      Alt2 = FigureEndAltitude(Alt2);
      if (!(Alt1 > LineLimit && Alt2 > LineLimit)) continue;
      std::int32_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
      if (!FigureEndPixel(Alt1, Azi1, X1, Y1) || !FigureEndPixel(Alt2, Azi2, X2, Y2)) continue;
      Image.MoveTo(X1, Y1);
      Image.LineTo(X2, Y2);
    }
  }
}

void Draw_ConstNames(tv::TCanvas& Image) {
  Image.Brush.Style = tv::TBrushStyle::bsClear;
  Image.Font.Color = 0xB0C020;
  Image.Font.Bold = true;
  Image.Font.Italic = false;
  Image.Font.Underline = false;
  Image.Font.SetSize(18);

  const double Lon = eLon * Deg2Rad;
  const double Lat = nLat * Deg2Rad;
  for (std::int32_t i = 1; i <= 88; ++i) {
    const ConstLine_Type& Figure = ConstLines[i];
    EquToHor(JD_UT, Figure.LabelRA, Figure.LabelDE, Lon, Lat, HorAlt, HorAzi);
    if (!(HorAlt > 0.0)) continue;
    std::int32_t x = 0, y = 0;
    HorToPixel(HorAlt, HorAzi, x, y);
    ConstNameText = Figure.Abbr;
    ConstNameAngle = tv::RoundHalfEvenToInt32(HorAzi * Rad2Deg);
    TextOut_Rotated(Image, ConstNameAngle, x, y, ConstNameText);
  }
}
