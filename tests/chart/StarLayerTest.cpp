// The star layer: disc sizes by magnitude, refraction above 34 arc minutes,
// the disc limit and the canvas settings, on a recording canvas.
#include <gtest/gtest.h>

#include <optional>

#include "ChartLayerFixtures.h"
#include "chart/ChartSurface.h"
#include "chart/StarLayer.h"

namespace {

TEST(StarLayer, DiscRadiusFollowsMagnitudeWithHalvesToEven) {
  struct Case {
    const char* Name;
    double Mag;
    std::int32_t Radius;
  } const Cases[] = {
      {"brightest catalogue star", -1.12, 8}, {"magnitude -2", -2.0, 8},     {"magnitude -1", -1.0, 8},
      {"magnitude -0.5", -0.5, 7},            {"magnitude 0", 0.0, 6},       {"magnitude 1", 1.0, 6},
      {"magnitude 1.5", 1.5, 5},              {"magnitude 2", 2.0, 4},       {"magnitude 3", 3.0, 4},
      {"magnitude 3.5", 3.5, 3},              {"magnitude 4", 4.0, 2},       {"magnitude 5", 5.0, 2},
      {"magnitude 5.2", 5.2, 1},              {"faintest catalogue star", 5.52, 1},
  };
  for (const Case& c : Cases) EXPECT_EQ(StarDiscRadius(c.Mag), c.Radius) << c.Name;
}

// Every catalogue star placed at the nadir of an observer on the equator at
// longitude 0 with GMST 0, except star 1, put on the meridian at the altitude
// under test: south of the zenith (right ascension 0, declination alt - 90)
// or, below the horizon, under the north point (12 h, declination 90 + alt).
class StarLayerPlace : public ::testing::Test {
 protected:
  void SetUp() override {
    for (std::int32_t i = 1; i <= 2849; ++i) {
      Stars[i] = Star_Type{};
      Stars[i].RA = PiVal;
      Stars[i].DE = 0;
      Stars[i].Mag = 3.0;
    }
    nLat = 0;
    eLon = 0;
    GMST = 0;
    JD_UT = 2451545.0;
  }
  void TearDown() override { LoadBuiltInTables(); }

  // The one ellipse painted for star 1 at geometric altitude AltDeg, if any.
  std::optional<tv::TCanvasCall> PaintStar(double AltDeg, double Mag) {
    Stars[1].RA = AltDeg >= 0 ? 0.0 : PiVal;
    Stars[1].DE = (AltDeg >= 0 ? AltDeg - 90.0 : AltDeg + 90.0) * Deg2Rad;
    Stars[1].Mag = Mag;
    tv::TRecordingCanvas Canvas;
    Draw_Stars(Canvas);
    const auto Ellipses = Canvas.CallsOf(tv::TCanvasOp::Ellipse);
    EXPECT_LE(Ellipses.size(), 1u);
    if (Ellipses.empty()) return std::nullopt;
    return Ellipses.front();
  }
};

TEST_F(StarLayerPlace, RefractionAboveThirtyFourArcMinutesAndDiscLimit) {
  const double Threshold = 0.5666666666666667;  // degrees
  struct Case {
    const char* Name;
    double AltDeg;      // geometric altitude
    bool Painted;
    bool Refracted;
  } const Cases[] = {
      {"zenith", 90.0, true, true},
      {"high", 45.0, true, true},
      {"just above the threshold", Threshold + 1e-6, true, true},
      {"0.6 degree", 0.6, true, true},
      {"0.5 degree", 0.5, true, false},
      {"on the horizon", 0.0, true, false},
      {"a little above the disc limit", -0.0499 * Rad2Deg, true, false},
      {"a little below the disc limit", -0.0501 * Rad2Deg, false, false},
      {"far below", -30.0, false, false},
  };
  for (const Case& c : Cases) {
    const auto Call = PaintStar(c.AltDeg, 3.0);
    ASSERT_EQ(Call.has_value(), c.Painted) << c.Name;
    if (!Call) continue;
    double Alt = c.AltDeg * Deg2Rad;
    if (c.Refracted) Alt += Refraction(Alt);
    std::int32_t x = 0, y = 0;
    HorToPixel(Alt, c.AltDeg >= 0 ? 0.0 : PiVal, x, y);
    EXPECT_EQ(Call->Rect, (tv::TRect{x - 4, y - 4, x + 4, y + 4})) << c.Name;
  }
}

TEST_F(StarLayerPlace, StarsJustEitherSideOfTheThresholdLieAboutFourPixelsApart) {
  // A star just above 34' is lifted by about 0.409 degree at once, about 4.3
  // pixels toward the centre.
  const auto Below = PaintStar(0.5666666666666667 - 1e-7, 3.0);
  const auto Above = PaintStar(0.5666666666666667 + 1e-7, 3.0);
  ASSERT_TRUE(Below && Above);
  const std::int32_t Shift = BoxCentre(Below->Rect).Y - BoxCentre(Above->Rect).Y;
  EXPECT_GE(Shift, 4);
  EXPECT_LE(Shift, 5);
}

TEST_F(StarLayerPlace, ZenithStarIsCentredOnTheChartCentreWithItsSize) {
  const auto Call = PaintStar(90.0, -1.12);
  ASSERT_TRUE(Call);
  EXPECT_EQ(Call->Rect, (tv::TRect{992, 992, 1008, 1008}));
}

TEST_F(StarLayerPlace, WhiteDiscsWithAOnePixelPenInTheInheritedStyle) {
  Stars[1].RA = 0;
  Stars[1].DE = -10 * Deg2Rad;
  tv::TRecordingCanvas Canvas;
  Canvas.Pen = {0x123456, 5, tv::TPenStyle::psSolid};
  Canvas.Brush = {0x654321, tv::TBrushStyle::bsClear};
  Draw_Stars(Canvas);
  const auto Ellipses = Canvas.CallsOf(tv::TCanvasOp::Ellipse);
  ASSERT_EQ(Ellipses.size(), 1u);
  EXPECT_EQ(Ellipses[0].Pen, (tv::TPen{0xFFFFFF, 0, tv::TPenStyle::psSolid}));
  EXPECT_EQ(Ellipses[0].Brush, (tv::TBrush{0xFFFFFF, tv::TBrushStyle::bsSolid}));
  // The last star's place stays in the shared last result: the nadir.
  EXPECT_NEAR(HorAlt, -PiVal / 2, 1e-9);
}

}  // namespace
