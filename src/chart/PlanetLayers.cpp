// The planet layers: one procedure with a table of per-planet constants.
#include "chart/PlanetLayers.h"

#include <algorithm>
#include <cmath>

#include "astro/CoordConv.h"
#include "astro/DivProcs.h"
#include "astro/SeriesPlace.h"
#include "astro/TrigFunc.h"
#include "chart/ChartSurface.h"
#include "chart/SunLayers.h"
#include "data/SharedState.h"
#include "platform/CheckedInt.h"

namespace {

// What enters a planet's magnitude besides 5 log10(r Delta): a function of the
// phase angle (degrees), or for Saturn of the ring tilt (radians).
enum class TMagnitudeArg { PhaseAngle, None, RingTilt };

struct TPlanetStyle {
  BodyRow Row;
  TSeriesBody Body;
  tv::TColor BrushColor;
  tv::TColor PenColor;
  std::int32_t PenWidth;
  std::int32_t DiscRadius;  // pixels
  double SemiDiamAt1AU;     // arcseconds
  TMagnitudeArg MagArg;
  double (*MagnitudeTerms)(double Arg);
};

double MercuryTerms(double i) { return -0.42 + 0.038 * i - 0.000273 * (i * i) + 0.000002 * PowerXY(i, 3.0); }
double VenusTerms(double i) { return -4.4 + 0.0009 * i + 0.000239 * (i * i) - 0.00000065 * PowerXY(i, 3.0); }
double MarsTerms(double i) { return -1.52 + 0.016 * i; }
double JupiterTerms(double i) { return -9.4 + 0.005 * i; }
double SaturnTerms(double B) {
  const double s = std::sin(B);
  return -8.88 + 0.154 - 2.6 * std::sin(std::fabs(B)) + 1.25 * (s * s);
}
double UranusTerms(double) { return -7.19; }
double NeptuneTerms(double) { return -6.87; }

constexpr TPlanetStyle MercuryStyle{brMercury, TSeriesBody::Mercury, 0xC0C0C0, 0x000000, 1, 8, 3.36,
                                    TMagnitudeArg::PhaseAngle, MercuryTerms};
constexpr TPlanetStyle VenusStyle{brVenus, TSeriesBody::Venus, 0xFFC0C0, 0x000000, 1, 11, 8.34,
                                  TMagnitudeArg::PhaseAngle, VenusTerms};
constexpr TPlanetStyle MarsStyle{brMars, TSeriesBody::Mars, 0x2020FF, 0x000000, 1, 8, 4.68,
                                 TMagnitudeArg::PhaseAngle, MarsTerms};
constexpr TPlanetStyle JupiterStyle{brJupiter, TSeriesBody::Jupiter, 0x40CFFF, 0x000000, 1, 12, 98.44,
                                    TMagnitudeArg::PhaseAngle, JupiterTerms};
constexpr TPlanetStyle SaturnStyle{brSaturn, TSeriesBody::Saturn, 0xA0CFFF, 0xA0CFFF, 4, 8, 82.73,
                                   TMagnitudeArg::RingTilt, SaturnTerms};
constexpr TPlanetStyle UranusStyle{brUranus, TSeriesBody::Uranus, 0xC0FF80, 0x000000, 1, 9, 35.02,
                                   TMagnitudeArg::None, UranusTerms};
constexpr TPlanetStyle NeptuneStyle{brNeptune, TSeriesBody::Neptune, 0xFF6060, 0x000000, 1, 9, 33.55,
                                    TMagnitudeArg::None, NeptuneTerms};

void DrawPlanet(tv::TCanvas& Image, const TPlanetStyle& Style) {
  const double T = SeriesCenturies(JD_UT);
  TEclipticPlace Sun;
  Sun.L = SunLon;
  Sun.B = SunLat;
  Sun.R = SunDist;
  // RA in hours, Dec in degrees (true equator of date); the heliocentric
  // distance, latitude and longitude taken back from the heliocentric vector.
  const TApparentPlace P = ApparentPlaceOfDate(Style.Body, T, Sun);

  Image.Brush.Style = tv::TBrushStyle::bsSolid;
  Image.Brush.Color = Style.BrushColor;
  Image.Pen.Color = Style.PenColor;
  Image.Pen.Width = Style.PenWidth;

  EquToHor(JD_UT, P.RA * Hour2Rad, P.Dec * Deg2Rad, eLon * Deg2Rad, nLat * Deg2Rad, HorAlt, HorAzi);
  RefractAbove(HorAlt, RefrLimitStarsDeg);

  double MagArg = 0;
  if (Style.MagArg == TMagnitudeArg::PhaseAngle)
    MagArg = PlanetPhaseAngle(P.HelioDist, P.Delta0);
  else if (Style.MagArg == TMagnitudeArg::RingTilt)
    MagArg = SaturnRingTilt(T, P.HelioDist, P.HelioLat, P.HelioLon, SunLon, SunLat, SunDist);

  auto& Row = BodyTable[Style.Row];
  Row[btRA] = PosMod(P.RA, 24.0);
  Row[btDE] = P.Dec;
  Row[btAzi] = HorAzi * Rad2Deg;
  Row[btAlt] = HorAlt * Rad2Deg;
  Row[btDist] = P.Delta0;
  Row[btMvis] = 5.0 * std::log10(P.HelioDist * P.Delta0) + Style.MagnitudeTerms(MagArg);
  Row[btSemiDiam] = Style.SemiDiamAt1AU / P.Delta0;

  std::int32_t x = 0, y = 0;
  HorToPixel(HorAlt, HorAzi, x, y);
  if (!(HorAlt > DiscLimit)) return;
  CircleAround(Image, x, y, Style.DiscRadius);
  if (Style.MagArg == TMagnitudeArg::RingTilt) {
    // The ring as one line through the disc, upper left to lower right.
    Image.MoveTo(tv::CheckedSub(x, 14), tv::CheckedSub(y, 12));
    Image.LineTo(tv::CheckedAdd(x, 14), tv::CheckedAdd(y, 12));
  }
}

}  // namespace

double PlanetPhaseAngle(double R, double Delta) {
  double c = (R * R + Delta * Delta - 1.0) / (2.0 * R * Delta);
  c = std::min(0.999, c);
  c = std::max(-0.999, c);
  return ArcCosine(c) * Rad2Deg;
}

double SaturnRingTilt(double T, double r, double b, double l, double SunLonDeg, double SunLatDeg,
                      double SunDistAU) {
  const double Inc = (28.075216 - 0.012998 * T + 0.000004 * T * T) * Deg2Rad;
  const double Node = (169.50847 + 1.394681 * T + 0.000412 * T * T) * Deg2Rad;
  // Geocentric ecliptic vector of Saturn, the Earth opposite the Sun (its x
  // and y without the factor cos SunLat).
  const double x = r * std::cos(b * Deg2Rad) * std::cos(l * Deg2Rad) - SunDistAU * std::cos(SunLonDeg * Deg2Rad + PiVal);
  const double y = r * std::cos(b * Deg2Rad) * std::sin(l * Deg2Rad) - SunDistAU * std::sin(SunLonDeg * Deg2Rad + PiVal);
  const double z = r * std::sin(b * Deg2Rad) - SunDistAU * std::sin(-SunLatDeg * Deg2Rad);
  const double Lambda = ArcTan2(y, x);
  const double Beta = ArcTan2(z, std::sqrt(x * x + y * y));
  const double SinB =
      std::sin(Inc) * std::cos(Beta) * std::sin(Lambda - Node) - std::cos(Inc) * std::sin(Beta);
  return ArcSine(SinB);
}

void Draw_Mercury(tv::TCanvas& Image) { DrawPlanet(Image, MercuryStyle); }
void Draw_Venus(tv::TCanvas& Image) { DrawPlanet(Image, VenusStyle); }
void Draw_Mars(tv::TCanvas& Image) { DrawPlanet(Image, MarsStyle); }
void Draw_Jupiter(tv::TCanvas& Image) { DrawPlanet(Image, JupiterStyle); }
void Draw_Saturn(tv::TCanvas& Image) { DrawPlanet(Image, SaturnStyle); }
void Draw_Uranus(tv::TCanvas& Image) { DrawPlanet(Image, UranusStyle); }
void Draw_Neptune(tv::TCanvas& Image) { DrawPlanet(Image, NeptuneStyle); }
