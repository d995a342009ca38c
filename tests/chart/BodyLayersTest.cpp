// The Sun, Sun marker, Moon and planet layers on a recording canvas: their
// body-table rows, thresholds, discs, the marker ring and Saturn's ring line.
#include <gtest/gtest.h>

#include <cmath>

#include "ChartLayerFixtures.h"
#include "astro/CoordConv.h"
#include "astro/Series.h"
#include "astro/SeriesPlace.h"
#include "astro/SunMoon.h"
#include "astro/TrigFunc.h"
#include "chart/ChartSurface.h"
#include "chart/MoonLayer.h"
#include "chart/PlanetLayers.h"
#include "chart/SunLayers.h"

namespace {

// The draw request's first step: the Sun series for JD_UT.
void SunSeries() { Series_Sun((JD_UT - 2451545.0) / 36525.0, SunLon, SunLat, SunDist); }

tv::TPoint PixelOfRow(std::int32_t Row) {
  std::int32_t X = 0, Y = 0;
  HorToPixel(BodyTable[Row][btAlt] * Deg2Rad, BodyTable[Row][btAzi] * Deg2Rad, X, Y);
  return {X, Y};
}

tv::TRect Box(tv::TPoint C, std::int32_t k) { return {C.X - k, C.Y - k, C.X + k, C.Y + k}; }

TEST(SunMarker, RingOnTheSunsPlaceUpToFiveHundredthsOfARadian) {
  struct Case {
    const char* Name;
    double AltRad;
    bool Ring;
  } const Cases[] = {
      {"well up", 0.3, false},         {"just above 0.05", 0.0501, false},
      {"just below 0.05", 0.0499, true}, {"on the horizon", 0.0, true},
      {"below the disc limit", -0.06, true}, {"deep below", -80 * Deg2Rad, true},
  };
  for (const Case& c : Cases) {
    BodyTable[brSun][btAlt] = c.AltRad * Rad2Deg;
    BodyTable[brSun][btAzi] = 30.0;
    tv::TRecordingCanvas Canvas;
    Canvas.Brush = {0x808080, tv::TBrushStyle::bsSolid};
    Draw_SunMarker(Canvas);
    const auto Rings = Canvas.CallsOf(tv::TCanvasOp::Ellipse);
    ASSERT_EQ(Rings.size(), c.Ring ? 1u : 0u) << c.Name;
    if (!c.Ring) continue;
    EXPECT_EQ(Rings[0].Rect, Box(PixelOfRow(brSun), 22)) << c.Name;
    EXPECT_EQ(Rings[0].Brush.Style, tv::TBrushStyle::bsClear);
    EXPECT_EQ(Rings[0].Pen.Color, 0xFFFFFFu);
    EXPECT_EQ(Rings[0].Pen.Width, 1);
  }
}

TEST(SunLayer, RowDiscAndTheFiftyArcMinuteThreshold) {
  // The Sun on the meridian south of the zenith at a chosen altitude: the
  // latitude is its declination (about -23 degrees) plus the zenith distance.
  SetChartMoment(2451545.0, 0, 0);
  SunSeries();
  double RA = 0, Dec = 0;
  Sun_RaDec(JD_UT, RA, Dec);
  struct Case {
    const char* Name;
    double AltDeg;
    bool Refracted;
    bool Disc;
  } const Cases[] = {
      {"high", 40.0, true, true},
      {"just above 50 arc minutes", 0.8333333333333334 + 1e-6, true, true},
      {"just below 50 arc minutes", 0.8333333333333334 - 1e-6, false, true},
      {"below the horizon, above the disc limit", -2.8, false, true},
      {"below the disc limit", -2.9, false, false},
  };
  for (const Case& c : Cases) {
    SetHourAngle(PosMod(RA * Rad2Hour, 24.0), 0.0, Dec * Rad2Deg + 90.0 - c.AltDeg, 0.0);
    tv::TRecordingCanvas Canvas;
    Draw_Sun(Canvas);
    const auto& Row = BodyTable[brSun];
    double Alt = c.AltDeg * Deg2Rad;
    if (c.Refracted) Alt += Refraction(Alt);
    EXPECT_NEAR(Row[btAlt], Alt * Rad2Deg, 1e-9) << c.Name;
    EXPECT_NEAR(Row[btAzi], 0.0, 1e-6) << c.Name;
    EXPECT_NEAR(Row[btRA], PosMod(RA * Rad2Hour, 24.0), 1e-12);
    EXPECT_GE(Row[btRA], 0.0);
    EXPECT_LT(Row[btRA], 24.0);
    EXPECT_NEAR(Row[btDE], Dec * Rad2Deg, 1e-12);
    EXPECT_EQ(Row[btDist], SunDist);
    EXPECT_EQ(Row[btMvis], -26.4);
    EXPECT_NEAR(Row[btSemiDiam], 959.63 / SunDist, 1e-9);
    const auto Discs = Canvas.CallsOf(tv::TCanvasOp::Ellipse);
    ASSERT_EQ(Discs.size(), c.Disc ? 1u : 0u) << c.Name;
    if (!c.Disc) continue;
    EXPECT_EQ(Discs[0].Rect, Box(PixelOfRow(brSun), 22));
    EXPECT_EQ(Discs[0].Brush, (tv::TBrush{0x00FFFF, tv::TBrushStyle::bsSolid}));
    EXPECT_EQ(Discs[0].Pen.Color, 0xFFFFFFu);
    EXPECT_EQ(Discs[0].Pen.Width, 1);
  }
  // Refraction jumps across the threshold from about 0.83 to about 1.21 degrees.
  SetHourAngle(PosMod(RA * Rad2Hour, 24.0), 0.0, Dec * Rad2Deg + 90.0 - (0.8333333333333334 + 1e-6), 0.0);
  tv::TRecordingCanvas Canvas;
  Draw_Sun(Canvas);
  EXPECT_NEAR(BodyTable[brSun][btAlt], 1.21, 0.01);
}

TEST(MoonLayer, GreyDiscOfTheSunsSizeAndTheKilometreRow) {
  SetChartMoment(2451545.0, 52.5, 13.4);
  SunSeries();
  // Put the Moon near the zenith.
  double Lon = 0, Lat = 0, Dist = 0, RA = 0, Dec = 0;
  Moon_Ecliptic(JD_UT, Lon, Lat, Dist);
  EclToEqu(Lon, Lat, 23.438 * Deg2Rad, RA, Dec);
  SetHourAngle(RA * Rad2Hour, 0.0, Dec * Rad2Deg, 13.4);
  tv::TRecordingCanvas Canvas;
  Draw_Moon(Canvas);
  const auto Discs = Canvas.CallsOf(tv::TCanvasOp::Ellipse);
  ASSERT_EQ(Discs.size(), 1u);
  EXPECT_EQ(Discs[0].Rect.Width(), 44);
  EXPECT_EQ(Discs[0].Rect, Box(PixelOfRow(brMoon), 22));
  EXPECT_EQ(Discs[0].Brush, (tv::TBrush{0x808080, tv::TBrushStyle::bsSolid}));
  EXPECT_EQ(Discs[0].Pen.Color, 0xFFFFFFu);
  EXPECT_EQ(Discs[0].Pen.Width, 0);

  const auto& Row = BodyTable[brMoon];
  EXPECT_EQ(Row[btDist], Dist);  // kilometres
  EXPECT_GT(Row[btDist], 356000.0);
  EXPECT_LT(Row[btDist], 407000.0);
  EXPECT_NEAR(Row[btRA], RA * Rad2Hour, 1e-12);
  EXPECT_NEAR(Row[btDE], Dec * Rad2Deg, 1e-12);
  // Near the zenith the parallax barely matters and the semi-diameter is
  // enlarged by nearly the full 1 + 6378.14 / Dist.
  EXPECT_GT(Row[btAlt], 89.9);
  const double Geocentric = ArcSine(1737.92196534 / Dist) * Rad2Deg * 3600.0;
  EXPECT_NEAR(Row[btSemiDiam] / Geocentric, 1.0 + 6378.14 / Dist, 1e-6);
}

TEST(MoonLayer, ParallaxComesBeforeTheRefractionThreshold) {
  // A Moon whose geocentric altitude is about 1 degree sinks by its parallax
  // (about 0.95 degree) below 34 arc minutes and so gets no refraction.
  SetChartMoment(2451545.0, 0, 0);
  SunSeries();
  double Lon = 0, Lat = 0, Dist = 0, RA = 0, Dec = 0;
  Moon_Ecliptic(JD_UT, Lon, Lat, Dist);
  EclToEqu(Lon, Lat, 23.438 * Deg2Rad, RA, Dec);
  // On the meridian south of the zenith at 1.0 degree geometric altitude.
  SetHourAngle(RA * Rad2Hour, 0.0, Dec * Rad2Deg + 89.0, 0.0);
  double Alt = 0, Azi = 0;
  EquToHor(JD_UT, RA, Dec, eLon * Deg2Rad, nLat * Deg2Rad, Alt, Azi);
  ASSERT_NEAR(Alt * Rad2Deg, 1.0, 1e-9);
  tv::TRecordingCanvas Canvas;
  Draw_Moon(Canvas);
  const double p = ArcSine(6378.0 / Dist);
  EXPECT_NEAR(BodyTable[brMoon][btAlt], (Alt - p * std::cos(Alt)) * Rad2Deg, 1e-9);
  EXPECT_LT(BodyTable[brMoon][btAlt], 0.5666666666666667);
}

TEST(MoonLayer, MagnitudeGrowsWithThePhaseAngle) {
  const double Dist = 384400.0;
  const double Base = 5.0 * std::log10(Dist / 149600000.0) + 0.23;
  struct Case {
    const char* Name;
    double i;
    double FourthPower;
  } const Cases[] = {
      {"full", 0.0, 0.0}, {"gibbous", 50.0, 0.025}, {"quarter", 90.0, 0.26244}, {"new", 180.0, 4.19904},
  };
  for (const Case& c : Cases)
    EXPECT_NEAR(MoonMagnitude(Dist, c.i), Base + 0.026 * c.i + c.FourthPower, 1e-9) << c.Name;
  // A phase angle a hair below zero from rounding is taken as full.
  EXPECT_NEAR(MoonMagnitude(Dist, -1e-14), Base, 1e-9);
}

TEST(PlanetLayers, PhaseAngleIsClampedNearConjunctionAndOpposition) {
  struct Case {
    const char* Name;
    double r, Delta, Expected;
  } const Cases[] = {
      {"Venus at inferior conjunction", 0.72, 0.28, std::acos(-0.999) * Rad2Deg},
      {"Venus at superior conjunction", 0.72, 1.72, std::acos(0.999) * Rad2Deg},
      {"Jupiter at opposition", 5.2, 4.2, std::acos(0.999) * Rad2Deg},
      {"quadrature", 1.0, 1.0, 60.0},
  };
  for (const Case& c : Cases) EXPECT_NEAR(PlanetPhaseAngle(c.r, c.Delta), c.Expected, 1e-9) << c.Name;
}

TEST(PlanetLayers, SaturnRingTiltAgreesWithAPublishedValue) {
  // 1992 December 16, 0 h: the ring's northern face turned 16.44 degrees
  // toward the Earth.
  const double JD = 2448972.5;
  const double T = (JD - 2451545.0) / 36525.0;
  double L = 0, B = 0, R = 0;
  Series_Sun(T, L, B, R);
  const TEclipticPlace Sun{L, B, R};
  const TApparentPlace Saturn = ApparentPlaceOfDate(TSeriesBody::Saturn, T, Sun);
  const double Tilt = SaturnRingTilt(T, Saturn.HelioDist, Saturn.HelioLat, Saturn.HelioLon, L, B, R);
  EXPECT_NEAR(Tilt * Rad2Deg, 16.44, 0.05);
}

// Each planet put at the zenith (its own declination as latitude, on the
// meridian): disc size and colours, semi-diameter at 1 AU, the row's ranges.
TEST(PlanetLayers, EachPlanetsDiscAndRow) {
  struct Case {
    const char* Name;
    void (*Layer)(tv::TCanvas&);
    std::int32_t Row;
    tv::TColor Brush, Pen;
    std::int32_t PenWidth, Radius;
    double SemiDiamAt1AU;
  } const Cases[] = {
      {"Mercury", Draw_Mercury, brMercury, 0xC0C0C0, 0x000000, 1, 8, 3.36},
      {"Venus", Draw_Venus, brVenus, 0xFFC0C0, 0x000000, 1, 11, 8.34},
      {"Mars", Draw_Mars, brMars, 0x2020FF, 0x000000, 1, 8, 4.68},
      {"Jupiter", Draw_Jupiter, brJupiter, 0x40CFFF, 0x000000, 1, 12, 98.44},
      {"Saturn", Draw_Saturn, brSaturn, 0xA0CFFF, 0xA0CFFF, 4, 8, 82.73},
      {"Uranus", Draw_Uranus, brUranus, 0xC0FF80, 0x000000, 1, 9, 35.02},
      {"Neptune", Draw_Neptune, brNeptune, 0xFF6060, 0x000000, 1, 9, 33.55},
  };
  for (const Case& c : Cases) {
    SetChartMoment(2460535.0, 0, 0);
    SunSeries();
    tv::TRecordingCanvas Probe;
    c.Layer(Probe);
    SetHourAngle(BodyTable[c.Row][btRA], 0.0, BodyTable[c.Row][btDE], 0.0);
    tv::TRecordingCanvas Canvas;
    Canvas.Pen.Style = tv::TPenStyle::psSolid;
    c.Layer(Canvas);

    const auto& Row = BodyTable[c.Row];
    EXPECT_GT(Row[btAlt], 89.99) << c.Name;
    EXPECT_NEAR(Row[btSemiDiam] * Row[btDist], c.SemiDiamAt1AU, 1e-12) << c.Name;
    EXPECT_GE(Row[btRA], 0.0);
    EXPECT_LT(Row[btRA], 24.0);
    const auto Discs = Canvas.CallsOf(tv::TCanvasOp::Ellipse);
    ASSERT_EQ(Discs.size(), 1u) << c.Name;
    EXPECT_EQ(Discs[0].Rect, Box({1000, 1000}, c.Radius)) << c.Name;
    EXPECT_EQ(Discs[0].Brush, (tv::TBrush{c.Brush, tv::TBrushStyle::bsSolid})) << c.Name;
    EXPECT_EQ(Discs[0].Pen, (tv::TPen{c.Pen, c.PenWidth, tv::TPenStyle::psSolid})) << c.Name;
  }
}

TEST(PlanetLayers, SaturnDrawsItsRingLineThroughTheDisc) {
  SetChartMoment(2451545.0, 52.5, 13.4);  // Saturn 1.5 degrees up in the east
  SunSeries();
  tv::TRecordingCanvas Canvas;
  Draw_Saturn(Canvas);
  const tv::TPoint C = PixelOfRow(brSaturn);
  const auto& Calls = Canvas.Calls();
  ASSERT_EQ(Calls.size(), 3u);
  EXPECT_EQ(Calls[0].Op, tv::TCanvasOp::Ellipse);
  EXPECT_EQ(Calls[0].Rect, Box(C, 8));
  EXPECT_EQ(Calls[1].Op, tv::TCanvasOp::MoveTo);
  EXPECT_EQ(Calls[1].To, (tv::TPoint{C.X - 14, C.Y - 12}));
  EXPECT_EQ(Calls[2].Op, tv::TCanvasOp::LineTo);
  EXPECT_EQ(Calls[2].To, (tv::TPoint{C.X + 14, C.Y + 12}));
  EXPECT_EQ(Calls[2].Pen, (tv::TPen{0xA0CFFF, 4, tv::TPenStyle::psSolid}));
}

TEST(PlanetLayers, PlanetsBelowTheDiscLimitStillFillTheirRows) {
  SetChartMoment(2451545.0, 52.5, 13.4);
  SunSeries();
  // Put Jupiter 10 degrees below the north point.
  tv::TRecordingCanvas Probe;
  Draw_Jupiter(Probe);
  const double Dec = BodyTable[brJupiter][btDE];
  SetHourAngle(BodyTable[brJupiter][btRA], 12.0, 80.0 - Dec, 13.4);
  BodyTable[brJupiter] = {};
  tv::TRecordingCanvas Canvas;
  Draw_Jupiter(Canvas);
  EXPECT_TRUE(Canvas.Calls().empty());
  const auto& Row = BodyTable[brJupiter];
  EXPECT_NEAR(Row[btAlt], -10.0, 1e-6);
  EXPECT_NEAR(std::fabs(Row[btAzi]), 180.0, 1e-6);
  EXPECT_GT(Row[btDist], 4.0);
  EXPECT_LT(Row[btMvis], -1.5);
  EXPECT_GT(Row[btSemiDiam], 15.0);
}

}  // namespace
