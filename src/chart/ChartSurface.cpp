#include "chart/ChartSurface.h"

#include <cmath>

#include "astro/DivProcs.h"
#include "platform/CheckedInt.h"

std::int32_t PixelRound(long double Value) { return tv::RoundHalfEvenToInt32(Value); }

void HorToPixel(double Alt, double Az, std::int32_t& X, std::int32_t& Y) {
  const double angle = Az + PiHalf;
  const double r = static_cast<double>(HorizonRadius / static_cast<long double>(PiHalf) * (PiHalf - static_cast<long double>(Alt)));
  // The products are stored as doubles; the sums are rounded from extended
  // precision, so that a coordinate exactly between two pixels goes to the
  // even one.
  const double dx = r * std::cos(angle);
  const double dy = r * std::sin(angle);
  X = PixelRound(static_cast<long double>(ChartCentre) - dx);
  Y = PixelRound(static_cast<long double>(ChartCentre) + dy);
}

double Refraction(double Alt) {
  const double a = Alt * Rad2Deg;
  return Deg2Rad * 0.017 / std::tan(Deg2Rad * (a + 10.3 / (a + 5.11)));
}

void RefractAbove(double& Alt, double ThresholdDeg) {
  if (Alt > ThresholdDeg * Deg2Rad) Alt = Alt + Refraction(Alt);
}

void TextOut_Escapement(tv::TCanvas& Canvas, std::int32_t Angle, std::int32_t X, std::int32_t Y,
                        std::string_view Text) {
  // The turned font lives only for this call: the canvas's own font comes
  // back afterwards, escapement 0 included.
  const tv::TFont previous = Canvas.Font;
  Canvas.Font.Escapement = tv::CheckedMul(Angle, 10);
  try {
    Canvas.TextOut(X, Y, Text);
  } catch (...) {
    Canvas.Font = previous;
    throw;
  }
  Canvas.Font = previous;
}

void TextOut_Rotated(tv::TCanvas& Image, std::int32_t Angle, std::int32_t X, std::int32_t Y,
                     std::string_view Text) {
  const std::int32_t w = Image.TextWidth(Text);
  const std::int32_t h = Image.TextHeight(Text);
  // Extended precision as the turned offsets were worked out: a half pixel
  // that cos(90 deg) leaves a hair away from the tie stays away from it.
  const long double a = static_cast<long double>(Angle) * Deg2Rad;
  const long double dx = -static_cast<long double>(w) / 2;
  const long double dy = static_cast<long double>(h) / 2;
  const long double ox = dx * std::cos(a) - dy * std::sin(a);
  const long double oy = -dx * std::sin(a) - dy * std::cos(a);
  TextOut_Escapement(Image, Angle, PixelRound(X + ox), PixelRound(Y + oy), Text);
}

void Draw_Background(tv::TCanvas& Image, tv::TCanvas& Background, const std::function<void()>& ProcessMessages) {
  const tv::TRect all{0, 0, ChartSize, ChartSize};
  Image.CopyRect(all, Background, all);
  if (ProcessMessages) ProcessMessages();
}
