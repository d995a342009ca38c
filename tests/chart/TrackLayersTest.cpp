// The ecliptic and Moon path layers on a recording canvas: sample counts and
// spans, the joining rule at the line limit and the pens.
#include <gtest/gtest.h>

#include <cmath>

#include "ChartLayerFixtures.h"
#include "astro/Astronom.h"
#include "astro/SunMoon.h"
#include "chart/ChartSurface.h"
#include "chart/TrackLayers.h"

namespace {

// The pen moves of a track, in order.
std::vector<tv::TCanvasCall> Moves(const tv::TRecordingCanvas& Canvas) {
  std::vector<tv::TCanvasCall> Found;
  for (const tv::TCanvasCall& Call : Canvas.Calls())
    if (Call.Op == tv::TCanvasOp::MoveTo || Call.Op == tv::TCanvasOp::LineTo) Found.push_back(Call);
  return Found;
}

TEST(Ecliptic, AtThePoleJoinsExactlyTheSamplesNotBelowTheLineLimit) {
  // At the north pole a place's altitude is its declination, so a sample is
  // joined exactly when the Sun's declination is at least -0.1 rad.
  SetChartMoment(2460535.0, 90.0, 0.0);  // 2024-08-12, UT year 2024
  tv::TRecordingCanvas Canvas;
  Draw_Ecliptic(Canvas);
  const auto Calls = Moves(Canvas);
  ASSERT_EQ(Calls.size(), 184u);
  EXPECT_EQ(Calls.front().Op, tv::TCanvasOp::MoveTo);
  EXPECT_EQ(Calls.front().Pen, (tv::TPen{0x00C0C0, 2, tv::TPenStyle::psSolid}));

  double JD = 0;
  DateToJD(2024, 1, 0, 0, 0, 0, JD);  // 2023-12-31 0 h UT
  EXPECT_DOUBLE_EQ(JD, 2460309.5);
  int Joined = 0, Jumps = 0;
  for (std::size_t k = 1; k < Calls.size(); ++k) {
    double RA = 0, Dec = 0;
    Sun_RaDec(JD + 2.0 * static_cast<double>(k), RA, Dec);
    const bool Join = Dec >= -0.1;
    EXPECT_EQ(Calls[k].Op, Join ? tv::TCanvasOp::LineTo : tv::TCanvasOp::MoveTo) << "sample " << k;
    (Join ? Joined : Jumps)++;
  }
  EXPECT_GT(Joined, 50);
  EXPECT_GT(Jumps, 50);
  // The last sample is the Sun 366 days after the start.
  double RA = 0, Dec = 0;
  Sun_RaDec(JD + 366.0, RA, Dec);
  EXPECT_DOUBLE_EQ(SunRA, RA);
  EXPECT_DOUBLE_EQ(SunDec, Dec);
}

TEST(MoonPath, StartsTwelveHoursBeforeTheUniversalHourAndSpansTwentyEightDays) {
  // 1 January 2025, 05:40 UT: the path starts at 17:00 on 31 December 2024.
  double Moment = 0;
  DateToJD(2025, 1, 1, 5, 40, 0, Moment);
  SetChartMoment(Moment, 47.5, 7.5);
  tv::TRecordingCanvas Canvas;
  Draw_MoonPath(Canvas);
  const auto Calls = Moves(Canvas);
  ASSERT_EQ(Calls.size(), 86u);
  EXPECT_EQ(Calls.front().Op, tv::TCanvasOp::MoveTo);
  EXPECT_EQ(Calls.front().Pen, (tv::TPen{0x808080, 2, tv::TPenStyle::psSolid}));

  double Start = 0;
  DateToJD(2024, 12, 31, 17, 0, 0, Start);
  double Lon = 0, Lat = 0, Dist = 0;
  Moon_Ecliptic(Start + 85.0 / 3.0, Lon, Lat, Dist);
  // The running sum of 85 steps of a third of a day drifts by a few
  // milliseconds at most (a few 1e-9 rad of the Moon's motion); one step
  // more or less would be 0.08 rad.
  EXPECT_NEAR(MoonLon, Lon, 1e-7);
  EXPECT_NEAR(MoonLat, Lat, 1e-7);
  EXPECT_NEAR(MoonDist, Dist, 1e-3);
}

TEST(MoonPath, SamePathWithinOneUniversalHour) {
  double A = 0, B = 0;
  DateToJD(2024, 8, 12, 22, 0, 1, A);
  DateToJD(2024, 8, 12, 22, 59, 58, B);
  tv::TRecordingCanvas First, Second;
  SetChartMoment(A, -33.9, 151.2);
  const double Sidereal = GMST;
  Draw_MoonPath(First);
  SetChartMoment(B, -33.9, 151.2);
  GMST = Sidereal;  // the same sky orientation
  Draw_MoonPath(Second);
  EXPECT_EQ(First.Log(), Second.Log());
}

}  // namespace
