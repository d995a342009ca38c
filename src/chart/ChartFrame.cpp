#include "chart/ChartFrame.h"

#include <cmath>

#include "astro/DivProcs.h"
#include "chart/ChartSurface.h"
#include "data/SharedState.h"
#include "platform/CheckedInt.h"

namespace {

void PaintAltCircles(tv::TCanvas& Image) {
  for (std::int32_t i = 1; i <= 8; ++i) {
    if (i == 3 || i == 6) {
      Image.Pen = {0x008000, 2, tv::TPenStyle::psSolid};
    } else {
      Image.Pen = {0x00FF80, 1, tv::TPenStyle::psDot};
      Image.Brush.Style = tv::TBrushStyle::bsClear;
    }
    const double h = tv::CheckedMul(10, i) * Deg2Rad;
    const double r = static_cast<double>(HorizonRadius / static_cast<long double>(PiHalf) * (PiHalf - static_cast<long double>(h)));
    auto pointAt = [&](double phi, std::int32_t& x, std::int32_t& y) {
      const double dx = r * std::cos(phi);
      const double dy = r * std::sin(phi);
      x = PixelRound(static_cast<long double>(ChartCentre) - dx);
      y = PixelRound(static_cast<long double>(ChartCentre) + dy);
    };
    std::int32_t x, y;
    pointAt(PiHalf, x, y);
    Image.MoveTo(x, y);
    for (std::int32_t j = 1; j <= 180; ++j) {
      pointAt(j / 180.0 * Pi2 + PiHalf, x, y);
      Image.LineTo(x, y);
    }
  }
}

}  // namespace

void Draw_AltCircles(tv::TCanvas& Image) { Image.PaintFixed(PaintAltCircles); }

void Draw_Cross(tv::TCanvas& Image) {
  Image.Pen = {0x0000FF, 1, tv::TPenStyle::psDot};
  Image.Brush.Style = tv::TBrushStyle::bsClear;
  Image.MoveTo(ChartCentre - HorizonRadius, ChartCentre);
  Image.LineTo(ChartCentre + HorizonRadius, ChartCentre);
  Image.MoveTo(ChartCentre, ChartCentre - HorizonRadius);
  Image.LineTo(ChartCentre, ChartCentre + HorizonRadius);
}

namespace {

void PaintHorizonMask(tv::TCanvas& Image) {
  constexpr double radius = 1022;
  Image.Pen = {0x000000, 150, tv::TPenStyle::psSolid};
  auto pointAt = [&](double phi, std::int32_t& x, std::int32_t& y) {
    const double dx = radius * std::sin(phi);
    const double dy = radius * std::cos(phi);
    x = PixelRound(static_cast<long double>(ChartCentre) - dx);
    y = PixelRound(static_cast<long double>(ChartCentre) - dy);
  };
  double phi = 0;
  std::int32_t x, y;
  pointAt(phi, x, y);
  Image.MoveTo(x, y);
  // The angle accumulates its 3-degree steps in a double; the test after the
  // step ends the ring after 120 chords, the last one closing it at the top.
  do {
    phi = static_cast<double>(static_cast<long double>(phi) + 3 * static_cast<long double>(Deg2Rad));
    pointAt(phi, x, y);
    Image.LineTo(x, y);
  } while (phi < Pi2);
}

}  // namespace

void Draw_HorizonMask(tv::TCanvas& Image) { Image.PaintFixed(PaintHorizonMask); }

void Prepare_FrameLayers(tv::TCanvas& Image) {
  Image.PrepareFixed(PaintAltCircles);
  Image.PrepareFixed(PaintHorizonMask);
}

void Draw_HorizonLabels(tv::TCanvas& Image) {
  Image.Brush.Style = tv::TBrushStyle::bsClear;
  Image.Font.Name = "Arial";
  Image.Font.SetSize(24);
  Image.Font.Bold = true;
  Image.Font.Italic = false;
  Image.Font.Underline = false;
  Image.Font.Color = 0x0000FF;
  constexpr std::int32_t out = 973;  // 25 pixels beyond the horizon circle
  TextOut_Rotated(Image, 0, ChartCentre, ChartCentre, "Z");
  TextOut_Rotated(Image, 0, ChartCentre, ChartCentre - out, Texts[16][Language]);
  TextOut_Rotated(Image, -90, ChartCentre + out, ChartCentre, Texts[19][Language]);
  TextOut_Rotated(Image, 0, ChartCentre, ChartCentre + out, Texts[18][Language]);
  TextOut_Rotated(Image, 90, ChartCentre - out, ChartCentre, Texts[17][Language]);
}

void Draw_Credits(tv::TCanvas& Image) {
  Image.Brush.Style = tv::TBrushStyle::bsClear;
  Image.Font.Color = 0x606060;
  Image.Font.Name = "Arial";
  Image.Font.SetSize(24);
  Image.Font.Bold = false;
  Image.Font.Italic = false;
  Image.Font.Underline = false;
  Image.TextOut(240, 1955, CreditsNotice);
  Image.TextOut(1326, 1955, CreditsWebAddress);
}
