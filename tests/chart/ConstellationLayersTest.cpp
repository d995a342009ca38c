// The constellation figure and name layers on a recording canvas: which
// segments are drawn, where their ends go (no refraction in the band round
// -5.11 degrees where the formula has its poles), and how labels are turned.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "ChartLayerFixtures.h"
#include "chart/ChartSurface.h"
#include "chart/ConstellationLayers.h"

namespace {

// Pixels per radian of zenith distance.
constexpr double PixelsPerRadian = 948.0 / PiHalf;

TEST(FigureEnds, RefractionFollowsTheRuleEverywhereButTheBandOfItsPoles) {
  struct Case {
    const char* Name;
    double AltDeg;
    bool Refracted;
  } const Cases[] = {
      {"high", 40.0, true},
      {"on the horizon", 0.0, true},
      {"at -5, where the rule is smooth", -5.0, true},
      {"just above the band", -5.0499, true},
      {"upper edge of the band", -5.05, false},
      {"beside the upper pole", -5.0543, false},
      {"the pole of the term", -5.11, false},
      {"beside the lower pole", -5.1689, false},
      {"lower edge of the band", -5.17, false},
      {"just below the band", -5.1701, true},
      {"just above the line limit", -5.70, true},
      {"far below", -40.0, true},
      {"nadir", -90.0, true},
  };
  for (const Case& c : Cases) {
    const double Alt = c.AltDeg * Deg2Rad;
    const double Expected = c.Refracted ? Alt + Refraction(Alt) : Alt;
    EXPECT_EQ(FigureEndAltitude(Alt), Expected) << c.Name;
  }
  // Just outside both edges the rule moves an end point by a fraction of a
  // degree; an end point below -5.7 degrees is moved down, under the line
  // limit, so its segment is left out as the rule says.
  EXPECT_NEAR(FigureEndAltitude(-5.0499 * Deg2Rad) * Rad2Deg, -5.1198, 0.001);
  EXPECT_NEAR(FigureEndAltitude(-5.1701 * Deg2Rad) * Rad2Deg, -4.8880, 0.001);
  EXPECT_LT(FigureEndAltitude(-5.70 * Deg2Rad), LineLimit);
  EXPECT_GT(FigureEndAltitude(-5.68 * Deg2Rad), LineLimit);

  // Outside the band the rule is smooth: no end point moves by more than 0.75
  // degree, up to the edges. Inside it the rule would move points by arbitrary
  // amounts of either sign; there they stay where their stars are.
  double LargestOutside = 0;
  for (int k = -180000; k <= 180000; ++k) {
    const double Deg = k * 0.0005;
    if (Deg >= -5.17 && Deg <= -5.05) continue;
    LargestOutside = std::max(LargestOutside, std::fabs(FigureEndAltitude(Deg * Deg2Rad) - Deg * Deg2Rad));
  }
  for (int k = 1; k <= 1000; ++k) {
    for (const double Deg : {-5.17 - k * 1e-7, -5.05 + k * 1e-7}) {
      LargestOutside = std::max(LargestOutside, std::fabs(FigureEndAltitude(Deg * Deg2Rad) - Deg * Deg2Rad));
    }
  }
  EXPECT_LT(LargestOutside * Rad2Deg, 0.75);
  double Largest = 0;
  bool Up = false, Down = false;
  for (int k = 0; k <= 12000; ++k) {
    const double Alt = (-5.17 + k * 1e-5) * Deg2Rad;
    const double Shift = Refraction(Alt) * PixelsPerRadian;
    Largest = std::max(Largest, std::fabs(Shift));
    (Shift > 0 ? Up : Down) = true;
    EXPECT_EQ(FigureEndAltitude(Alt), Alt);
  }
  EXPECT_GT(Largest, 100.0);
  EXPECT_TRUE(Up && Down);
}

TEST(FigureEnds, PixelConversionTreatsNonFiniteAndHugeValuesAsNotDrawn) {
  const double NaN = std::numeric_limits<double>::quiet_NaN();
  const double Inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* Name;
    double Alt, Azi;
    bool Drawn;
  } const Cases[] = {
      {"zenith", PiHalf, 0.0, true},     {"below the horizon", -0.09, 2.0, true},
      {"altitude NaN", NaN, 0.0, false}, {"azimuth NaN", 0.3, NaN, false},
      {"altitude infinite", -Inf, 0.0, false}, {"altitude far out of range", -1e8, 0.0, false},
  };
  for (const Case& c : Cases) {
    std::int32_t X = -7, Y = -7;
    ASSERT_EQ(FigureEndPixel(c.Alt, c.Azi, X, Y), c.Drawn) << c.Name;
    if (!c.Drawn) continue;
    std::int32_t EX = 0, EY = 0;
    HorToPixel(c.Alt, c.Azi, EX, EY);
    EXPECT_EQ((tv::TPoint{X, Y}), (tv::TPoint{EX, EY})) << c.Name;
  }
}

// An observer on the equator at longitude 0 with GMST 0: a place at right
// ascension 0 stands on the meridian south at altitude 90 - |dec| (dec < 0),
// one at 12 h below the north point at altitude |dec| - 90. Every figure is
// emptied and every label put at the nadir.
class FigureFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    for (std::int32_t i = 1; i <= 88; ++i) {
      ConstLines[i] = ConstLine_Type{};
      ConstLines[i].Abbr = "Xxx";
      ConstLines[i].LabelRA = PiVal;
      ConstLines[i].LabelDE = 0;
    }
    nLat = 0;
    eLon = 0;
    GMST = 0;
    JD_UT = 2451545.0;
  }
  void TearDown() override { LoadBuiltInTables(); }

  // A segment slot between two places (right ascension in hours, declination
  // in degrees).
  static ConstSeg_Type Segment(double RA1h, double Dec1, double RA2h, double Dec2) {
    ConstSeg_Type s{};
    s.RA1 = static_cast<float>(RA1h * Hour2Rad);
    s.DE1 = static_cast<float>(Dec1 * Deg2Rad);
    s.RA2 = static_cast<float>(RA2h * Hour2Rad);
    s.DE2 = static_cast<float>(Dec2 * Deg2Rad);
    return s;
  }
};

TEST_F(FigureFixture, SegmentsNeedBothRefractedEndsAboveTheLineLimit) {
  ConstLine_Type& F = ConstLines[5];
  F.Seg[1] = Segment(0, -50, 0, -40);           // both high in the south: drawn
  F.Seg[2] = Segment(0, -50, 12, 83.7);         // one end at -6.3 degrees: left out
  F.Seg[3] = Segment(0, -50, 12, 84.89);        // one end at -5.11 degrees: drawn, end unrefracted
  F.Seg[4] = Segment(0, -50, 12, 84.30);        // one end at -5.70 degrees, refracted below -0.1 rad: left out
  F.Seg[5] = Segment(0, -50, 0, -60);           // beyond Count: never read
  F.Count = 4;
  tv::TRecordingCanvas Canvas;
  Canvas.Pen.Style = tv::TPenStyle::psDot;
  Draw_ConstLines(Canvas);

  const auto& Calls = Canvas.Calls();
  ASSERT_EQ(Calls.size(), 4u);
  auto Expect = [](double GeometricAltDeg, double Azi) {
    const double Alt = FigureEndAltitude(static_cast<double>(static_cast<float>(GeometricAltDeg * Deg2Rad)));
    std::int32_t X = 0, Y = 0;
    HorToPixel(Alt, Azi, X, Y);
    return tv::TPoint{X, Y};
  };
  EXPECT_EQ(Calls[0].Op, tv::TCanvasOp::MoveTo);
  EXPECT_EQ(Calls[1].Op, tv::TCanvasOp::LineTo);
  EXPECT_EQ(Calls[2].Op, tv::TCanvasOp::MoveTo);
  EXPECT_EQ(Calls[3].Op, tv::TCanvasOp::LineTo);
  EXPECT_EQ(Calls[1].Pen, (tv::TPen{0xC0C0C0, 1, tv::TPenStyle::psSolid}));

  // The end below the pole of the refraction formula stays where its star is:
  // just outside the horizon circle in the north, about 1002 pixels out.
  const tv::TPoint End = Calls[3].To;
  EXPECT_EQ(End.X, 1000);
  EXPECT_NEAR(1000 - End.Y, 948.0 * 95.11 / 90.0, 1.5);
  EXPECT_NEAR(Calls[1].To.Y, Expect(50.0, 0.0).Y, 1);
}

TEST_F(FigureFixture, LabelsAboveTheHorizonAreTurnedWithTheirAzimuth) {
  // At the north pole the altitude is the declination and the azimuth the
  // hour angle, here -RA: labels at 30 degrees in the four directions.
  nLat = 90;
  struct Label {
    const char* Abbr;
    double AziDeg;
    double AltDeg;
    std::int32_t Angle;  // expected turn, degrees counter-clockwise
  } const Labels[] = {
      {"Sou", 0, 30, 0}, {"Wes", 90, 30, 90}, {"Nor", 180, 30, 180}, {"Eas", -90, 30, -90},
      {"Nxt", 45, 0.01, 45}, {"Low", 10, -0.01, 0},
  };
  for (std::int32_t k = 0; k < 6; ++k) {
    ConstLine_Type& F = ConstLines[k + 1];
    F.Abbr = Labels[k].Abbr;
    F.LabelRA = -Labels[k].AziDeg * Deg2Rad;
    F.LabelDE = Labels[k].AltDeg * Deg2Rad;
  }
  tv::TRecordingCanvas Canvas;
  Canvas.Font.Name = "Courier";
  Canvas.Brush.Style = tv::TBrushStyle::bsSolid;
  Draw_ConstNames(Canvas);

  const auto Texts = Canvas.CallsOf(tv::TCanvasOp::TextOut);
  ASSERT_EQ(Texts.size(), 5u);  // "Low" and the 82 labels at the nadir are below the horizon
  for (std::size_t k = 0; k < Texts.size(); ++k) {
    EXPECT_EQ(Texts[k].Text, Labels[k].Abbr);
    EXPECT_EQ(Texts[k].Font.Escapement, Labels[k].Angle * 10) << Labels[k].Abbr;
    EXPECT_EQ(Texts[k].Font.Name, "Courier");
    EXPECT_EQ(Texts[k].Font.Color, 0xB0C020u);
    EXPECT_TRUE(Texts[k].Font.Bold);
    EXPECT_EQ(Texts[k].Font.Size(), 18);
    EXPECT_EQ(Texts[k].Brush.Style, tv::TBrushStyle::bsClear);
  }
  // The upright southern label is centred on its point: 3 characters of 8
  // pixels, a cell 28 pixels high (115 % of 24).
  std::int32_t X = 0, Y = 0;
  HorToPixel(30 * Deg2Rad, 0, X, Y);
  EXPECT_EQ(Texts[0].To, (tv::TPoint{X - 12, Y - 14}));
  EXPECT_EQ(ConstNameText, "Nxt");
  EXPECT_EQ(ConstNameAngle, 45);
}

}  // namespace
