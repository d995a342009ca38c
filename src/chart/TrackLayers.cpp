// The ecliptic and Moon path layers.
#include "chart/TrackLayers.h"

#include <cstdint>

#include "astro/Astronom.h"
#include "astro/CoordConv.h"
#include "astro/DivProcs.h"
#include "astro/SunMoon.h"
#include "chart/ChartSurface.h"
#include "chart/MoonLayer.h"
#include "data/SharedState.h"

namespace {

// The shared sampling loop: the first sample only places the pen; every later
// one is joined to the one before it when its final altitude (HorAlt after the
// layer's corrections) is at or above the line limit, else the pen jumps.
// PlaceSample(JD) computes HorAlt and HorAzi for the sample at JD.
template <typename TPlaceSample>
void DrawTrack(tv::TCanvas& Image, double JD, double Step, std::int32_t Samples, TPlaceSample PlaceSample) {
  std::int32_t x = 0, y = 0;
  PlaceSample(JD);
  HorToPixel(HorAlt, HorAzi, x, y);
  Image.MoveTo(x, y);
  for (std::int32_t k = 1; k < Samples; ++k) {
    JD = JD + Step;
    PlaceSample(JD);
    HorToPixel(HorAlt, HorAzi, x, y);
    if (HorAlt < LineLimit)
      Image.MoveTo(x, y);
    else
      Image.LineTo(x, y);
  }
}

}  // namespace

void Draw_Ecliptic(tv::TCanvas& Image) {
  Image.Pen.Color = 0x00C0C0;
  Image.Pen.Width = 2;
  Image.Pen.Style = tv::TPenStyle::psSolid;

  const double Lon = eLon * Deg2Rad;
  const double Lat = nLat * Deg2Rad;
  double JD = 0;
  DateToJD(Jahr_UT, 1, 0, 0.0, 0.0, 0.0, JD);
  DrawTrack(Image, JD, 2.0, 184, [&](double SampleJD) {
    Sun_RaDec(SampleJD, SunRA, SunDec);
    EquToHor(SampleJD, SunRA, SunDec, Lon, Lat, HorAlt, HorAzi);
    RefractAbove(HorAlt, RefrLimitSunDeg);
  });
}

void Draw_MoonPath(tv::TCanvas& Image) {
  Image.Pen.Color = 0x808080;
  Image.Pen.Width = 2;
  Image.Pen.Style = tv::TPenStyle::psSolid;

  const double Lon = eLon * Deg2Rad;
  const double Lat = nLat * Deg2Rad;
  double JD = 0;
  DateToJD(Jahr_UT, Monat_UT, Daag_UT, Stunde_UT - 12.0, 0.0, 0.0, JD);
  DrawTrack(Image, JD, 1.0 / 3.0, 86, [&](double SampleJD) {
    PlaceMoon(SampleJD, Lon, Lat);
    RefractAbove(HorAlt, RefrLimitSunDeg);
  });
}
