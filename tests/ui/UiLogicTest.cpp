// The window's logic without a display: docking of panels, the number texts
// typed and shown, the time state's computations and texts.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "data/SharedState.h"
#include "data/Tables.h"
#include "platform/Errors.h"
#include "ui/logic/Align.h"
#include "ui/logic/NumberText.h"
#include "ui/logic/TimeStateCalc.h"
#include "ui/logic/WindowArithmetic.h"

namespace {

using enum TAlign;

// The window's layout steps on a client area of 1272 x 968: status bar at the
// bottom, left margin 50 wide, the chart panel docked to the client, freed,
// made square, docked left, and the input panel docked to the client.
TEST(AlignControls, PanelLayoutOfTheRestoredWindow) {
  // Children in the window's order: input panel, chart panel, status bar, margin.
  std::vector<TAlignItem> items = {{alRight, {942, 0, 330, 943}},
                                   {alNone, {85, 5, 850, 850}},
                                   {alBottom, {0, 943, 1272, 25}},
                                   {alLeft, {0, 0, 50, 943}}};
  AlignControls(1272, 968, items, 3);
  items[1].Align = alClient;
  AlignControls(1272, 968, items, 1);
  EXPECT_EQ(items[1].Bounds, (TBounds{50, 0, 892, 943})) << "the space between margin and input panel";
  items[1].Align = alNone;
  items[1].Bounds.Width = items[1].Bounds.Height;
  AlignControls(1272, 968, items, 1);
  items[1].Align = alLeft;
  AlignControls(1272, 968, items, 1);
  items[0].Align = alClient;
  AlignControls(1272, 968, items, 0);
  EXPECT_EQ(items[3].Bounds, (TBounds{0, 0, 50, 943}));
  EXPECT_EQ(items[1].Bounds, (TBounds{50, 0, 943, 943}));
  EXPECT_EQ(items[0].Bounds, (TBounds{993, 0, 279, 943}));
  EXPECT_EQ(items[2].Bounds, (TBounds{0, 943, 1272, 25}));
}

TEST(AlignControls, OrderWithinOneDockingAndClientItemsSharingTheRest) {
  // Two left docks: the one further left goes first; the one just changed
  // goes first when they tie.
  std::vector<TAlignItem> items = {{alLeft, {300, 0, 20, 10}}, {alLeft, {100, 0, 30, 10}}};
  AlignControls(200, 100, items, -1);
  EXPECT_EQ(items[1].Bounds.Left, 0);
  EXPECT_EQ(items[0].Bounds.Left, 30);
  std::vector<TAlignItem> tie = {{alLeft, {0, 0, 20, 10}}, {alLeft, {0, 0, 30, 10}}};
  AlignControls(200, 100, tie, 1);
  EXPECT_EQ(tie[1].Bounds.Left, 0);
  EXPECT_EQ(tie[0].Bounds.Left, 30);
  // Right docks stack inward from the right edge; every client item gets the
  // same remaining rectangle; hidden items are left alone.
  std::vector<TAlignItem> mixed = {{alRight, {0, 0, 40, 5}},
                                   {alClient, {0, 0, 1, 1}},
                                   {alClient, {7, 7, 7, 7}},
                                   {alTop, {0, 0, 5, 12}},
                                   {alLeft, {0, 0, 25, 5}, false}};
  AlignControls(200, 100, mixed, -1);
  EXPECT_EQ(mixed[3].Bounds, (TBounds{0, 0, 200, 12}));
  EXPECT_EQ(mixed[0].Bounds, (TBounds{160, 12, 40, 88}));
  EXPECT_EQ(mixed[1].Bounds, (TBounds{0, 12, 160, 88}));
  EXPECT_EQ(mixed[2].Bounds, mixed[1].Bounds);
  EXPECT_EQ(mixed[4].Bounds, (TBounds{0, 0, 25, 5}));
}

TEST(AlignControls, NarrowClientGivesNoNegativeSize) {
  std::vector<TAlignItem> items = {{alLeft, {0, 0, 943, 100}}, {alClient, {0, 0, 10, 10}}};
  AlignControls(300, 100, items, -1);
  EXPECT_EQ(items[1].Bounds.Width, 0);
  EXPECT_EQ(items[1].Bounds.Left, 943);
}

TEST(WindowArithmetic, LeftPanelAndAboutPlacement) {
  EXPECT_EQ(LeftPanelWidth(1272, 968, 6), 50);
  EXPECT_EQ(LeftPanelWidth(1272, 968, 7), 43);
  EXPECT_EQ(LeftPanelWidth(500, 600, 6), -16) << "truncated toward zero";
  struct Case {
    int Outer, Origin, Size, Offset;
  } const Cases[] = {{1000, 0, 345, 327}, {1000, 300, 345, 177}, {600, 400, 345, -72}};
  for (const Case& c : Cases) EXPECT_EQ(AboutPanelOffset(c.Outer, c.Origin, c.Size), c.Offset) << c.Outer << "@" << c.Origin;
  EXPECT_THROW(AboutPanelOffset(INT32_MIN, 1, 0), tv::EIntOverflow);
}

TEST(NumberText, IntegersAsTyped) {
  struct Case {
    const char* Text;
    std::int32_t Value;
  } const Good[] = {{"2019", 2019}, {"  06", 6}, {"-5", -5}, {"+7", 7}, {"2147483647", INT32_MAX},
                    {"-2147483648", INT32_MIN}, {"$7E3", 2019}, {"0x0B", 11}};
  for (const Case& c : Good) EXPECT_EQ(StrToInt(c.Text), c.Value) << c.Text;
  for (const char* bad : {"", " ", "12a", "1.5", "06 ", "2147483648", "-", "1e3", "\t06", "-$10"}) {
    try {
      StrToInt(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const EConvertError& Error) {
      EXPECT_EQ(std::string(Error.what()), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
}

TEST(NumberText, FloatsWithTheLocalesDecimalMark) {
  EXPECT_DOUBLE_EQ(StrToFloat("18.5", "."), 18.5);
  EXPECT_DOUBLE_EQ(StrToFloat(" 47,50 ", ","), 47.5);
  EXPECT_DOUBLE_EQ(StrToFloat("-7", "."), -7.0);
  EXPECT_DOUBLE_EQ(StrToFloat("1.5E2", "."), 150.0);
  EXPECT_DOUBLE_EQ(StrToFloat(".5", "."), 0.5);
  EXPECT_DOUBLE_EQ(StrToFloat("1\u066b5", "\u066b"), 1.5) << "a two-byte mark";
  for (const auto& [text, mark] : std::vector<std::pair<const char*, const char*>>{
           {"", "."}, {"18,5", "."}, {"18.5", ","}, {"nan", "."}, {"inf", "."}, {"1e999", "."}, {"1.2.3", "."},
           {"5e", "."}, {".", "."}}) {
    try {
      StrToFloat(text, mark);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const EConvertError& Error) {
      EXPECT_EQ(std::string(Error.what()), "'" + std::string(text) + "' is not a valid floating point value");
    }
  }
}

TEST(NumberText, TrimBlanks) { EXPECT_EQ(TrimBlanks("  UTC+01   "), "UTC+01"); }

class TimeStateCalc : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Init_TZones(); }
};

// Local 2019-06-01 18:00:00 in the zone of offset +1 with daylight saving at
// 7.5 degrees east: universal time 16:00:00, GMST 08:39:24, LAST 09:09:24.
TEST_F(TimeStateCalc, WorkedExample) {
  TZoneOffset = 1;
  DSTOffset = 1;
  eLon = 7.5;
  SetLocalMoment(2019, 6, 1, 18, 0, 0);
  EXPECT_EQ((std::array<double, 3>{Stunde_UT, Minute_UT, Sekunde_UT}), (std::array<double, 3>{16, 0, 0}));
  EXPECT_NEAR(JD_UT, JD_Local - 2.0 / 24, 1e-9);
  const TDateTimeTexts texts = DateTimeTexts(16, ".");
  EXPECT_EQ(texts.Fields, (std::array<std::string, 12>{"2019", "06", "01", "18", "00", "00", "2019", "06", "01", "16",
                                                       "00", "00"}));
  EXPECT_EQ(texts.Panels[0], "UTC+01      CET; DFT; IST; MET; WAT; WEST");
  EXPECT_EQ(texts.Panels[1], "GMST:  08:39:24");
  EXPECT_EQ(texts.Panels[2], "LAST:  09:09:24");
  EXPECT_EQ(texts.Panels[3], "JD_UT:2458636.1667");
  // Deriving from JD_UT with the zone's own offset gives the same moment back.
  DeriveFromUT(16);
  EXPECT_EQ(TZoneOffset, 1.0);
  EXPECT_EQ((std::array<int, 3>{Jahr, Monat, Daag}), (std::array<int, 3>{2019, 6, 1}));
  EXPECT_EQ(Stunde, 18.0);
}

TEST_F(TimeStateCalc, ZoneIndexIsClampedBelowAndCheckedAbove) {
  JD_UT = 2451545.0;
  DSTOffset = 0;
  DeriveFromUT(-1);
  EXPECT_EQ(TZoneOffset, -12.0) << "no line chosen: entry 0";
  EXPECT_EQ(DateTimeTexts(-1, ".").Panels[0], TZones[0].StatusText);
  EXPECT_THROW(DeriveFromUT(40), tv::ERangeError);
  // The zone of offset 5.75 puts local time 5 h 45 min ahead.
  JD_UT = 2458636.0;  // 2019-06-01 12:00 UT
  DeriveFromUT(24);
  EXPECT_EQ(Stunde, 17.0);
  EXPECT_EQ(Minute, 45.0);
}

TEST_F(TimeStateCalc, SecondsAndSiderealTimesAtTheirRoundingEdges) {
  DSTOffset = 0;
  TZoneOffset = 0;
  eLon = 0;
  SetLocalMoment(2019, 6, 1, 18, 0, 59.6);
  EXPECT_EQ(DateTimeTexts(15, ".").Fields[5], "60") << "59.6 s shows as 60 without a carry";
  EXPECT_EQ(DateTimeTexts(15, ".").Fields[4], "00");
  GMST = 24 - 0.1 / 3600;
  LAST = 8.5;
  EXPECT_EQ(DateTimeTexts(15, ".").Panels[1], "GMST:  24:00:00");
  EXPECT_EQ(DateTimeTexts(15, ".").Panels[2], "LAST:  08:30:00");
  EXPECT_EQ(DateTimeTexts(15, ",").Panels[3].find(','), 13u) << "the locale's decimal mark in JD_UT";
}

}  // namespace
