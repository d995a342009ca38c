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

void CircleAround(tv::TCanvas& Image, std::int32_t X, std::int32_t Y, std::int32_t Radius) {
  Image.Ellipse(tv::CheckedSub(X, Radius), tv::CheckedSub(Y, Radius), tv::CheckedAdd(X, Radius),
                tv::CheckedAdd(Y, Radius));
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
  // Double precision throughout: at 90 and 180 degrees the hair that cos and
  // sin leave beside 0 vanishes in the sums, so a half pixel of an odd width
  // or height stays an exact half and goes to the even neighbour, and angles
  // of 180 and -180 land on the same pixel.
  const double a = Angle * Deg2Rad;
  const double dx = -static_cast<double>(w) / 2;
  const double dy = static_cast<double>(h) / 2;
  const double ox = dx * std::cos(a) - dy * std::sin(a);
  const double oy = -dx * std::sin(a) - dy * std::cos(a);
  TextOut_Escapement(Image, Angle, PixelRound(X + ox), PixelRound(Y + oy), Text);
}

void Draw_Background(tv::TCanvas& Image, tv::TCanvas& Background, const std::function<void()>& ProcessMessages) {
  const tv::TRect all{0, 0, ChartSize, ChartSize};
  Image.CopyRect(all, Background, all);
  if (ProcessMessages) ProcessMessages();
}
