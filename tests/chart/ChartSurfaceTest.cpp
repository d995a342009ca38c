// Projection, refraction rule, pixel rounding, turned text and the background
// layer, with the worked examples as oracles.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/DivProcs.h"
#include "chart/ChartSurface.h"
#include "platform/CheckedInt.h"
#include "platform/canvas/RecordingCanvas.h"

namespace {

using tv::TCanvasOp;
using tv::TPoint;
using tv::TRecordingCanvas;

TEST(ChartProjection, ZenithAndTheFourHorizonPoints) {
  struct Row { const char* Name; double Alt, Az; TPoint Pixel; };
  const Row rows[] = {
      {"zenith, south", PiHalf, 0, {1000, 1000}},
      {"zenith, west", PiHalf, PiHalf, {1000, 1000}},
      {"zenith, any", PiHalf, -2.2, {1000, 1000}},
      {"south", 0, 0, {1000, 1948}},
      {"west", 0, PiHalf, {1948, 1000}},
      {"east", 0, -PiHalf, {52, 1000}},
      {"north", 0, PiVal, {1000, 52}},
      {"45 deg south", 45 * Deg2Rad, 0, {1000, 1474}},
      {"disc limit south", -0.05, 0, {1000, 1978}},
      {"line limit north", -0.1, PiVal, {1000, -8}},
  };
  for (const Row& r : rows) {
    TPoint p;
    HorToPixel(r.Alt, r.Az, p.X, p.Y);
    EXPECT_EQ(p, r.Pixel) << r.Name;
  }
}

TEST(ChartProjection, DistanceIsLinearInZenithDistance) {
  for (double altDeg : {-5.0, 0.0, 12.5, 33.0, 71.0}) {
    for (double azDeg : {-170.0, -45.0, 20.0, 135.0}) {
      std::int32_t x, y;
      HorToPixel(altDeg * Deg2Rad, azDeg * Deg2Rad, x, y);
      const double expected = 948.0 / 90.0 * (90.0 - altDeg);
      EXPECT_NEAR(std::hypot(x - 1000.0, y - 1000.0), expected, 0.75) << altDeg << " " << azDeg;
      // West (positive azimuth) lies right of the north-south line, east left.
      EXPECT_EQ(x > 1000, azDeg > 0) << altDeg << " " << azDeg;
    }
  }
}

TEST(ChartProjection, PixelRoundingGoesHalfToEven) {
  struct Row { long double In; std::int32_t Out; };
  for (Row r : {Row{2.5L, 2}, Row{3.5L, 4}, Row{-2.5L, -2}, Row{981.5L, 982}, Row{992.5L, 992},
                Row{2.4999L, 2}, Row{-0.5L, 0}}) {
    EXPECT_EQ(PixelRound(r.In), r.Out) << static_cast<double>(r.In);
  }
  EXPECT_THROW(PixelRound(3.0e9L), tv::ERangeError);
}

TEST(Refraction, ThresholdsJumpByTheFullCorrection) {
  struct Row { const char* Name; double Threshold; double LiftDeg; };
  for (Row r : {Row{"34 arc minutes", RefrLimitStarsDeg, 0.409}, Row{"50 arc minutes", RefrLimitSunDeg, 0.379}}) {
    const double at = r.Threshold * Deg2Rad;
    double alt = at;
    RefractAbove(alt, r.Threshold);
    EXPECT_EQ(alt, at) << r.Name << ": at the threshold";
    alt = std::nextafter(at, 0.0);
    RefractAbove(alt, r.Threshold);
    EXPECT_EQ(alt, std::nextafter(at, 0.0)) << r.Name << ": below";
    alt = std::nextafter(at, 1.0);
    RefractAbove(alt, r.Threshold);
    EXPECT_NEAR((alt - at) * Rad2Deg, r.LiftDeg, 0.0015) << r.Name << ": just above";
  }
  // Objects below the horizon are never lifted by a thresholded layer.
  double below = -0.02;
  RefractAbove(below, RefrLimitStarsDeg);
  EXPECT_EQ(below, -0.02);
}

TEST(Refraction, StarExamplesAndTheZenith) {
  double alt = 0.5 * Deg2Rad;  // under 34 arc minutes: stays
  RefractAbove(alt, RefrLimitStarsDeg);
  EXPECT_DOUBLE_EQ(alt * Rad2Deg, 0.5);
  alt = 0.6 * Deg2Rad;  // above: painted at about 1 degree
  RefractAbove(alt, RefrLimitStarsDeg);
  EXPECT_NEAR(alt * Rad2Deg, 1.0, 0.01);
  EXPECT_NEAR(Refraction(PiHalf) * Rad2Deg * 3600, -0.12, 0.01);   // arc seconds
  EXPECT_NEAR(Refraction(10 * Deg2Rad) * Rad2Deg * 60, 5.408, 0.001);  // arc minutes
}

TEST(TurnedText, RotatedTextCentresItsCellOnThePoint) {
  struct Row { const char* Name; std::int32_t Angle, W, H; TPoint TopLeft; };
  const Row rows[] = {
      // 15 x 37 at angle 0: 992.5 and 981.5 go to the even 992 and 982.
      {"upright, odd sizes", 0, 15, 37, {992, 982}},
      {"upright", 0, 40, 36, {980, 982}},
      {"reading upward", 90, 40, 36, {982, 1020}},
      {"reading downward", -90, 40, 36, {1018, 980}},
      {"upside down", 180, 40, 36, {1020, 1018}},
      {"turned 30 degrees", 30, 40, 36, {974, 994}},
      // Odd sizes turned by a right angle: the halves stay exact halves.
      {"reading upward, odd sizes", 90, 15, 37, {982, 1008}},
      {"reading downward, odd sizes", -90, 15, 37, {1018, 992}},
      {"reading downward, French west letter", -90, 25, 36, {1018, 988}},
      {"upside down, odd sizes", 180, 15, 37, {1008, 1018}},
      {"upside down the other way, odd sizes", -180, 15, 37, {1008, 1018}},
  };
  for (const Row& r : rows) {
    TRecordingCanvas c;
    c.CharWidth = r.W;
    c.CellHeight = r.H;
    c.Font.Name = "Arial";
    TextOut_Rotated(c, r.Angle, 1000, 1000, "X");
    ASSERT_EQ(c.Calls().size(), 1u) << r.Name;
    const tv::TCanvasCall& t = c.Calls()[0];
    EXPECT_EQ(t.Op, TCanvasOp::TextOut) << r.Name;
    EXPECT_EQ(t.To, r.TopLeft) << r.Name;
    EXPECT_EQ(t.Font.Escapement, r.Angle * 10) << r.Name;
    EXPECT_EQ(c.Font.Escapement, 0) << r.Name << ": the turned font is gone";
    EXPECT_EQ(c.Font.Name, "Arial") << r.Name;
  }
}

TEST(TurnedText, EscapementOverflowLeavesTheFontAsItWas) {
  TRecordingCanvas c;
  EXPECT_THROW(TextOut_Escapement(c, 300000000, 0, 0, "Z"), tv::EIntOverflow);
  EXPECT_EQ(c.Font.Escapement, 0);
  EXPECT_TRUE(c.Calls().empty());
  TextOut_Escapement(c, -45, 7, 8, "Z");
  EXPECT_EQ(c.Calls()[0].Font.Escapement, -450);
  EXPECT_EQ(c.Calls()[0].To, (TPoint{7, 8}));
  EXPECT_EQ(c.Font.Escapement, 0);
}

TEST(BackgroundLayer, CopiesTheWholeBitmapThenPumpsEvents) {
  TRecordingCanvas image, background;
  int pumped = 0;
  std::size_t callsWhenPumped = 0;
  Draw_Background(image, background, [&] {
    ++pumped;
    callsWhenPumped = image.Calls().size();
  });
  ASSERT_EQ(image.Calls().size(), 1u);
  const tv::TCanvasCall& c = image.Calls()[0];
  EXPECT_EQ(c.Op, TCanvasOp::CopyRect);
  EXPECT_EQ(c.Rect, (tv::TRect{0, 0, 2000, 2000}));
  EXPECT_EQ(c.SourceRect, (tv::TRect{0, 0, 2000, 2000}));
  EXPECT_EQ(c.Source, &background);
  EXPECT_EQ(pumped, 1);
  EXPECT_EQ(callsWhenPumped, 1u);  // after the copy
  Draw_Background(image, background);  // no pump given
  EXPECT_EQ(image.Calls().size(), 2u);
}

}  // namespace
