// The Moon layer.
#include "chart/MoonLayer.h"

#include <algorithm>
#include <cmath>

#include "astro/CoordConv.h"
#include "astro/DivProcs.h"
#include "astro/SunMoon.h"
#include "astro/TrigFunc.h"
#include "chart/ChartSurface.h"
#include "chart/SunLayers.h"
#include "data/SharedState.h"

double MoonMagnitude(double DistKm, double PhaseAngleDeg) {
  // 180 minus the elongation in degrees may come out a few units of the last
  // place below 0 for a Moon exactly opposite the Sun; the power needs a base
  // of at least 0.
  const double i4 = PowerXY(std::max(PhaseAngleDeg, 0.0), 4.0);
  return 5.0 * std::log10(DistKm / 149600000.0) + 0.23 + 0.026 * PhaseAngleDeg + 4e-9 * i4;
}

void PlaceMoon(double JD, double Lon, double Lat) {
  Moon_Ecliptic(JD, MoonLon, MoonLat, MoonDist);
  EclToEqu(MoonLon, MoonLat, 23.438 * Deg2Rad, MoonRA, MoonDec);
  EquToHor(JD, MoonRA, MoonDec, Lon, Lat, HorAlt, HorAzi);
  const double p = ArcSine(6378.0 / MoonDist);  // horizontal parallax
  HorAlt = HorAlt - std::cos(HorAlt) * p;
}

void Draw_Moon(tv::TCanvas& Image) {
  Image.Brush.Style = tv::TBrushStyle::bsSolid;
  Image.Brush.Color = 0x808080;
  Image.Pen.Color = 0xFFFFFF;
  Image.Pen.Width = 0;

  // Parallax first (geocentric to topocentric altitude), then refraction.
  PlaceMoon(JD_UT, eLon * Deg2Rad, nLat * Deg2Rad);
  RefractAbove(HorAlt, RefrLimitStarsDeg);

  // Phase angle from the elongation; the Sun's latitude taken as zero.
  const double c = std::cos(SunLon * Deg2Rad - MoonLon) * std::cos(MoonLat);
  const double Psi = ArcCosine(c);
  const double i = 180.0 - Psi * Rad2Deg;

  auto& Row = BodyTable[brMoon];
  Row[btRA] = PosMod(MoonRA * Rad2Hour, 24.0);
  Row[btDE] = MoonDec * Rad2Deg;
  Row[btAzi] = HorAzi * Rad2Deg;
  Row[btAlt] = HorAlt * Rad2Deg;
  Row[btDist] = MoonDist;
  Row[btMvis] = MoonMagnitude(MoonDist, i);
  const double s = ArcSine(1737.92196534 / MoonDist) * Rad2Deg * 3600.0;
  Row[btSemiDiam] = s * (1.0 + std::sin(HorAlt) * 6378.14 / MoonDist);

  std::int32_t x = 0, y = 0;
  HorToPixel(HorAlt, HorAzi, x, y);
  if (HorAlt > DiscLimit) CircleAround(Image, x, y, SunMoonDiscRadius);
}
