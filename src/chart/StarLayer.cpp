// The star layer.
#include "chart/StarLayer.h"

#include "astro/CoordConv.h"
#include "astro/DivProcs.h"
#include "chart/ChartSurface.h"
#include "chart/HorizonPretest.h"
#include "data/SharedState.h"
#include "platform/CheckedInt.h"

std::int32_t StarDiscRadius(double Mag) { return tv::RoundHalfEvenToInt32(6.5 - Mag); }

void Draw_Stars(tv::TCanvas& Image) {
  Image.Brush.Style = tv::TBrushStyle::bsSolid;
  Image.Brush.Color = 0xFFFFFF;
  Image.Pen.Color = 0xFFFFFF;
  Image.Pen.Width = 0;

  const double Lon = eLon * Deg2Rad;
  const double Lat = nLat * Deg2Rad;
  // Stars clearly below the disc limit are passed over without their full
  // conversion (about half of them); the last one is always converted, so
  // that HorAlt and HorAzi hold its place as after a full pass.
  const THorizonPretest BelowDiscLimit(Lon, Lat, DiscLimit);
  for (std::int32_t i = 1; i <= 2849; ++i) {
    const Star_Type& Star = Stars[i];
    if (i < 2849 && BelowDiscLimit.ClearlyBelow(Star.RA, Star.DE)) continue;
    const std::int32_t a = StarDiscRadius(Star.Mag);
    EquToHor(JD_UT, Star.RA, Star.DE, Lon, Lat, HorAlt, HorAzi);
    RefractAbove(HorAlt, RefrLimitStarsDeg);
    std::int32_t x = 0, y = 0;
    HorToPixel(HorAlt, HorAzi, x, y);
    if (HorAlt > DiscLimit && a > 0) CircleAround(Image, x, y, a);
  }
}
