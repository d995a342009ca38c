// The draw request on a recording canvas: the inner-planet repaint rule, the
// places of the two hooks, a nested request from the event pump, and the body
// table filled in one request.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "ChartLayerFixtures.h"
#include "astro/SunMoon.h"
#include "astro/TrigFunc.h"
#include "chart/DrawRequest.h"
#include "chart/SunLayers.h"

namespace {

using enum TInnerPlanet;

TEST(InnerPlanetRule, RepaintsForEachDistanceCase) {
  struct Case {
    const char* Name;
    double Mercury, Venus;
    std::vector<TInnerPlanet> Repaints;
  } const Cases[] = {
      {"both 1 AU or more", 1.4, 1.1, {}},
      {"both exactly 1 AU", 1.0, 1.0, {}},
      {"Mercury near", 0.6, 1.5, {Mercury, Mercury}},
      {"Venus near", 1.2, 0.3, {Venus}},
      {"both near, Mercury nearer", 0.59, 0.70, {Mercury, Venus, Mercury}},
      {"both near, Venus nearer", 0.78, 0.55, {Mercury, Venus}},
      {"both near at the same distance", 0.6, 0.6, {Mercury, Venus}},
  };
  for (const Case& c : Cases) EXPECT_EQ(InnerPlanetRepaints(c.Mercury, c.Venus), c.Repaints) << c.Name;
}

class DrawRequest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { LoadBuiltInTables(); }
  void SetUp() override {
    Language = 1;
    SetChartMoment(2451545.0, 52.5, 13.4);
  }
  // Puts the observer under the Sun at JD, so that the Sun, Mercury and Venus
  // all stand high.
  static void UnderTheSun(double JD) {
    SetChartMoment(JD, 0, 0);
    double RA = 0, Dec = 0;
    Sun_RaDec(JD, RA, Dec);
    SetHourAngle(PosMod(RA * Rad2Hour, 24.0), 0.0, Dec * Rad2Deg, 0.0);
  }
  tv::TRecordingCanvas Background;
};

TEST_F(DrawRequest, PaintOrderOfMercuryVenusAndTheSun) {
  constexpr tv::TColor MercuryGrey = 0xC0C0C0, VenusBlue = 0xFFC0C0, SunYellow = 0x00FFFF;
  struct Case {
    const char* Name;
    double JD;
    std::string Order;  // M Mercury, V Venus, S Sun
  } const Cases[] = {
      {"both 1 AU or more (2000-01-01)", 2451545.0, "VMS"},
      {"Mercury near (2000-03-03)", 2451607.0, "VMSMM"},
      {"Venus near (2001-03-30)", 2452001.0, "VMSV"},
      {"both near, Mercury nearer (2001-06-05)", 2452068.0, "VMSMVM"},
      {"both near, Venus nearer (2001-02-11)", 2451945.0, "VMSMV"},
  };
  for (const Case& c : Cases) {
    UnderTheSun(c.JD);
    tv::TRecordingCanvas Canvas;
    Draw_Chart(Canvas, Background);
    std::string Order;
    for (const tv::TCanvasCall& Call : Canvas.CallsOf(tv::TCanvasOp::Ellipse)) {
      if (Call.Brush.Style != tv::TBrushStyle::bsSolid) continue;
      if (Call.Brush.Color == MercuryGrey) Order += 'M';
      if (Call.Brush.Color == VenusBlue) Order += 'V';
      if (Call.Brush.Color == SunYellow) Order += 'S';
    }
    EXPECT_EQ(Order, c.Order) << c.Name << ": Mercury " << BodyTable[brMercury][btDist] << " AU, Venus "
                              << BodyTable[brVenus][btDist] << " AU";
  }
}

TEST_F(DrawRequest, HooksRunAfterTheBackgroundAndBeforeTheCredits) {
  for (auto& Row : BodyTable) Row = {std::nan(""), std::nan(""), std::nan(""), std::nan(""),
                                     std::nan(""), std::nan(""), std::nan("")};
  tv::TRecordingCanvas Canvas;
  std::size_t AtCovered = 0, AtPump = 0, AtFill = 0;
  int Covered = 0, Pumps = 0, Fills = 0;
  TDrawHooks Hooks;
  Hooks.SurfaceCovered = [&] {
    EXPECT_EQ(Pumps, 0) << "the surface is covered before the events run";
    ++Covered;
    AtCovered = Canvas.Calls().size();
  };
  Hooks.ProcessMessages = [&] {
    ++Pumps;
    AtPump = Canvas.Calls().size();
  };
  Hooks.FillDataTable = [&] {
    ++Fills;
    AtFill = Canvas.Calls().size();
    // Every row of the table is written before the fill reads it.
    for (std::int32_t Row = 0; Row <= 8; ++Row)
      for (std::int32_t Col = btRA; Col <= btSemiDiam; ++Col)
        EXPECT_TRUE(std::isfinite(BodyTable[Row][Col])) << "row " << Row << " column " << Col;
  };
  Draw_Chart(Canvas, Background, Hooks);
  EXPECT_EQ(Covered, 1);
  EXPECT_EQ(Pumps, 1);
  EXPECT_EQ(Fills, 1);

  const auto& Calls = Canvas.Calls();
  ASSERT_EQ(AtCovered, 1u);
  ASSERT_EQ(AtPump, 1u);
  EXPECT_EQ(Calls[0].Op, tv::TCanvasOp::CopyRect);
  EXPECT_EQ(Calls[0].Source, &Background);
  EXPECT_EQ(Calls[0].Rect, (tv::TRect{0, 0, 2000, 2000}));
  // After the fill only the two foot lines; before it the compass letters.
  ASSERT_EQ(AtFill + 2, Calls.size());
  for (std::size_t k = AtFill; k < Calls.size(); ++k) {
    EXPECT_EQ(Calls[k].Op, tv::TCanvasOp::TextOut);
    EXPECT_EQ(Calls[k].Font.Color, 0x606060u);
  }
  EXPECT_EQ(Calls[AtFill - 1].Op, tv::TCanvasOp::TextOut);
  EXPECT_EQ(Calls[AtFill - 1].Font.Color, 0x0000FFu);
  EXPECT_EQ(Calls[AtFill - 1].Text, "E");
}

TEST_F(DrawRequest, NestedRequestFromTheEventPumpCompletesFirst) {
  tv::TRecordingCanvas Plain;
  Draw_Chart(Plain, Background);
  const std::size_t One = Plain.Calls().size();

  tv::TRecordingCanvas Canvas;
  TDrawHooks Hooks;
  bool Nested = false;
  Hooks.ProcessMessages = [&] {
    if (Nested) return;
    Nested = true;
    Draw_Chart(Canvas, Background, Hooks);
  };
  Draw_Chart(Canvas, Background, Hooks);
  const auto& Calls = Canvas.Calls();
  ASSERT_EQ(Calls.size(), 2 * One);
  // Outer background, then the whole nested request, then the outer's rest.
  EXPECT_EQ(Calls[0].Op, tv::TCanvasOp::CopyRect);
  EXPECT_EQ(Calls[1].Op, tv::TCanvasOp::CopyRect);
  EXPECT_EQ(Calls[One].Op, tv::TCanvasOp::TextOut);
  EXPECT_EQ(Calls[One].Font.Color, 0x606060u);
  EXPECT_EQ(Calls[One + 1].Op, tv::TCanvasOp::MoveTo);
  // The nested request paints exactly what a request of its own paints.
  for (std::size_t k = 0; k < One; ++k)
    ASSERT_EQ(tv::TRecordingCanvas::Describe(Calls[1 + k]), tv::TRecordingCanvas::Describe(Plain.Calls()[k]))
        << "call " << k;
}

}  // namespace
