// The Sun and Sun marker layers.
#include "chart/SunLayers.h"

#include "astro/CoordConv.h"
#include "astro/DivProcs.h"
#include "astro/SunMoon.h"
#include "astro/TrigFunc.h"
#include "chart/ChartSurface.h"
#include "data/SharedState.h"

void Draw_Sun(tv::TCanvas& Image) {
  Image.Brush.Style = tv::TBrushStyle::bsSolid;
  Image.Brush.Color = 0x00FFFF;
  Image.Pen.Color = 0xFFFFFF;
  Image.Pen.Width = 1;

  Sun_RaDec(JD_UT, SunRA, SunDec);
  EquToHor(JD_UT, SunRA, SunDec, eLon * Deg2Rad, nLat * Deg2Rad, HorAlt, HorAzi);
  RefractAbove(HorAlt, RefrLimitSunDeg);

  auto& Row = BodyTable[brSun];
  Row[btRA] = PosMod(SunRA * Rad2Hour, 24.0);
  Row[btDE] = SunDec * Rad2Deg;
  Row[btAzi] = HorAzi * Rad2Deg;
  Row[btAlt] = HorAlt * Rad2Deg;
  Row[btDist] = SunDist;
  Row[btMvis] = -26.4;
  Row[btSemiDiam] = 959.63 / SunDist;

  std::int32_t x = 0, y = 0;
  HorToPixel(HorAlt, HorAzi, x, y);
  if (HorAlt > DiscLimit) CircleAround(Image, x, y, SunMoonDiscRadius);
}

void Draw_SunMarker(tv::TCanvas& Image) {
  Image.Brush.Style = tv::TBrushStyle::bsClear;
  Image.Pen.Color = 0xFFFFFF;
  Image.Pen.Width = 1;

  HorAzi = BodyTable[brSun][btAzi] * Deg2Rad;
  HorAlt = BodyTable[brSun][btAlt] * Deg2Rad;
  std::int32_t x = 0, y = 0;
  HorToPixel(HorAlt, HorAzi, x, y);
  if (HorAlt <= 0.05) CircleAround(Image, x, y, SunMoonDiscRadius);
}
