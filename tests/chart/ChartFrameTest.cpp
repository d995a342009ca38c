// The frame layers: their calls on a recording canvas, and the pixels of a
// frame-only chart on the 2000 x 2000 bitmap.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "chart/ChartFrame.h"
#include "chart/ChartSurface.h"
#include "data/SharedState.h"
#include "platform/canvas/RecordingCanvas.h"
#include "platform/qt/Bitmap.h"

namespace {

using tv::TCanvasCall;
using tv::TCanvasOp;
using tv::TPoint;
using tv::TRecordingCanvas;
using tv::TRect;

// The compass letters of the three languages (rows 16 to 19: north, east,
// south, west).
void FillCompassTexts() {
  const char* letters[4][3] = {{"N", "N", "N"}, {"O", "E", "E"}, {"S", "S", "S"}, {"W", "W", "O"}};
  for (int row = 0; row < 4; ++row)
    for (int lang = 0; lang < 3; ++lang) Texts[16 + row][lang] = letters[row][lang];
}

double Distance(TPoint P) { return std::hypot(P.X - 1000.0, P.Y - 1000.0); }

double CircleRadius(int i) { return 948.0 / 9.0 * (9 - i); }

TEST(FrameCalls, AltitudeCirclesAreEightClosedPolygonsOfTwoDegreeChords) {
  TRecordingCanvas c;
  Draw_AltCircles(c);
  ASSERT_EQ(c.Calls().size(), 8u * 181);
  for (int i = 1; i <= 8; ++i) {
    const TCanvasCall* circle = &c.Calls()[(i - 1) * 181];
    ASSERT_EQ(circle[0].Op, TCanvasOp::MoveTo) << i;
    const double r = CircleRadius(i);
    // Starts straight below the centre, on the south point.
    EXPECT_EQ(circle[0].To, (TPoint{1000, 1000 + static_cast<int>(std::lround(r))})) << i;
    const bool solid = i == 3 || i == 6;
    for (int j = 1; j <= 180; ++j) {
      const TCanvasCall& l = circle[j];
      ASSERT_EQ(l.Op, TCanvasOp::LineTo) << i << "/" << j;
      EXPECT_NEAR(Distance(l.To), r, 0.75) << i << "/" << j;
      EXPECT_EQ(l.Pen.Color, solid ? 0x008000u : 0x00FF80u) << i;
      EXPECT_EQ(l.Pen.Width, solid ? 2 : 1) << i;
      EXPECT_EQ(l.Pen.Style, solid ? tv::TPenStyle::psSolid : tv::TPenStyle::psDot) << i;
      if (!solid) {
        EXPECT_EQ(l.Brush.Style, tv::TBrushStyle::bsClear) << i;
      }
    }
    // Runs through the west (right) first, then north, east, and closes.
    EXPECT_GT(circle[45].To.X, 1000 + r * 0.99) << i;
    EXPECT_LT(circle[90].To.Y, 1000 - r * 0.99) << i;
    EXPECT_LT(circle[135].To.X, 1000 - r * 0.99) << i;
    EXPECT_EQ(circle[180].To, circle[0].To) << i;
  }
}

TEST(FrameCalls, CrossSpansTheHorizonCircleDotted) {
  TRecordingCanvas c;
  c.Brush.Style = tv::TBrushStyle::bsSolid;
  Draw_Cross(c);
  EXPECT_EQ(c.Log(),
            "MoveTo (52,1000)\n"
            "LineTo (52,1000)->(1948,1000) pen 0000FF/1/dot brush clear\n"
            "MoveTo (1000,52)\n"
            "LineTo (1000,52)->(1000,1948) pen 0000FF/1/dot brush clear\n");
}

TEST(FrameCalls, HorizonMaskIsAClosedRingOf120Chords) {
  TRecordingCanvas c;
  Draw_HorizonMask(c);
  ASSERT_EQ(c.Calls().size(), 121u);
  EXPECT_EQ(c.Calls().front().Op, TCanvasOp::MoveTo);
  EXPECT_EQ(c.Calls().front().To, (TPoint{1000, -22}));
  EXPECT_EQ(c.Calls().back().To, (TPoint{1000, -22}));
  for (std::size_t k = 1; k < c.Calls().size(); ++k) {
    const TCanvasCall& l = c.Calls()[k];
    EXPECT_EQ(l.Op, TCanvasOp::LineTo);
    EXPECT_NEAR(Distance(l.To), 1022, 0.75) << k;
    EXPECT_EQ(l.Pen, (tv::TPen{0x000000, 150, tv::TPenStyle::psSolid}));
  }
  // Traced from the top through the east (left), the south and the west.
  EXPECT_EQ(c.Calls()[30].To, (TPoint{-22, 1000}));
  EXPECT_EQ(c.Calls()[60].To, (TPoint{1000, 2022}));
  EXPECT_EQ(c.Calls()[90].To, (TPoint{2022, 1000}));
}

TEST(FrameCalls, HorizonLabelsInEachLanguage) {
  FillCompassTexts();
  struct Row { std::uint8_t Language; const char* East; const char* West; };
  for (Row r : {Row{0, "O", "W"}, Row{1, "E", "W"}, Row{2, "E", "O"}}) {
    Language = r.Language;
    TRecordingCanvas c;
    c.CharWidth = 20;   // every letter 20 x 36
    c.CellHeight = 36;
    Draw_HorizonLabels(c);
    ASSERT_EQ(c.Calls().size(), 5u);
    struct Label { const char* Text; TPoint TopLeft; int Escapement; };
    const Label expected[5] = {
        {"Z", {990, 982}, 0},
        {"N", {990, 9}, 0},
        {r.West, {1991, 990}, -900},  // reading downward
        {"S", {990, 1955}, 0},
        {r.East, {9, 1010}, 900},     // reading upward
    };
    for (int k = 0; k < 5; ++k) {
      const TCanvasCall& t = c.Calls()[k];
      EXPECT_EQ(t.Op, TCanvasOp::TextOut);
      EXPECT_EQ(t.Text, expected[k].Text) << int(r.Language) << " " << k;
      EXPECT_EQ(t.To, expected[k].TopLeft) << int(r.Language) << " " << k;
      EXPECT_EQ(t.Font.Escapement, expected[k].Escapement) << k;
      EXPECT_EQ(t.Font.Name, "Arial");
      EXPECT_EQ(t.Font.Height, -32);  // 24 points
      EXPECT_TRUE(t.Font.Bold);
      EXPECT_EQ(t.Font.Color, 0x0000FFu);
      EXPECT_EQ(t.Brush.Style, tv::TBrushStyle::bsClear);
    }
  }
  Language = 0;
}

TEST(FrameCalls, CreditsAtTheFootInGreyArialLeavingArialForTheNextRequest) {
  TRecordingCanvas c;
  c.Font.Name = "Courier New";
  c.Font.Bold = true;
  Draw_Credits(c);
  ASSERT_EQ(c.Calls().size(), 2u);
  EXPECT_EQ(c.Calls()[0].To, (TPoint{240, 1955}));
  EXPECT_EQ(c.Calls()[1].To, (TPoint{1326, 1955}));
  for (const TCanvasCall& t : c.Calls()) {
    EXPECT_FALSE(t.Text.empty());
    EXPECT_EQ(t.Font.Escapement, 0);
    EXPECT_EQ(t.Font.Color, 0x606060u);
    EXPECT_FALSE(t.Font.Bold);
    EXPECT_EQ(t.Font.Height, -32);
    EXPECT_EQ(t.Brush.Style, tv::TBrushStyle::bsClear);
  }
  EXPECT_EQ(c.Font.Name, "Arial");  // what the constellation names inherit
}

// --- Pixels of a frame-only chart -------------------------------------------------

constexpr tv::TColor Backdrop = 0x404040;
constexpr tv::TColor LightGreen = 0x00FF80;
constexpr tv::TColor Green = 0x008000;
constexpr tv::TColor Red = 0x0000FF;

class FramePixels : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    tv::EnsureGuiApplication();
    FillCompassTexts();
  }
  // The frame layers in their order, on a grey backdrop.
  static void RenderFrame(tv::TBitmap& B, std::uint8_t Lang) {
    Language = Lang;
    tv::TBitmap backdrop(2000, 2000);
    backdrop.Canvas().Brush = {Backdrop, tv::TBrushStyle::bsSolid};
    backdrop.Canvas().FillRect({0, 0, 2000, 2000});
    Draw_Background(B.Canvas(), backdrop.Canvas());
    Draw_AltCircles(B.Canvas());
    Draw_Cross(B.Canvas());
    Draw_HorizonMask(B.Canvas());
    Draw_HorizonLabels(B.Canvas());
    Draw_Credits(B.Canvas());
    Language = 0;
  }
  static TRect RedBounds(const tv::TBitmap& B, TRect Window) {
    TRect r{Window.Right, Window.Bottom, Window.Left, Window.Top};
    for (int y = Window.Top; y < Window.Bottom; ++y)
      for (int x = Window.Left; x < Window.Right; ++x)
        if (B.Pixel(x, y) == Red) {
          r.Left = std::min(r.Left, x);
          r.Top = std::min(r.Top, y);
          r.Right = std::max(r.Right, x + 1);
          r.Bottom = std::max(r.Bottom, y + 1);
        }
    return r;
  }
  // The red pixels of a window as a string, for comparing letters.
  static std::string RedMask(const tv::TBitmap& B, TRect Window) {
    std::string s;
    for (int y = Window.Top; y < Window.Bottom; ++y)
      for (int x = Window.Left; x < Window.Right; ++x) s += B.Pixel(x, y) == Red ? '#' : '.';
    return s;
  }
};

TEST_F(FramePixels, AltitudeCirclesAtTheirRadiiAndTheMaskRingBlack) {
  tv::TBitmap b(2000, 2000);
  RenderFrame(b, 1);
  // Every circle pixel lies on one of the eight radii; the solid circles are
  // two pixels wide, so they hold about twice the pixels per unit of length.
  std::map<int, int> dotted, solid;
  for (int y = 0; y < 2000; ++y) {
    for (int x = 0; x < 2000; ++x) {
      const tv::TColor p = b.Pixel(x, y);
      if (p != LightGreen && p != Green) continue;
      const double d = std::hypot(x - 1000.0, y - 1000.0);
      const int i = static_cast<int>(std::lround(9 - d * 9 / 948));
      ASSERT_GE(i, 1) << x << "," << y;
      ASSERT_LE(i, 8) << x << "," << y;
      EXPECT_NEAR(d, CircleRadius(i), p == Green ? 2.6 : 1.25) << x << "," << y;
      EXPECT_EQ(p == Green, i == 3 || i == 6) << x << "," << y;
      ++(p == Green ? solid : dotted)[i];
    }
  }
  for (int i = 1; i <= 8; ++i) {
    const double perimeter = 2 * M_PI * CircleRadius(i);
    if (i == 3 || i == 6) {
      EXPECT_GT(solid[i], 1.7 * perimeter) << i;
      EXPECT_LT(solid[i], 2.6 * perimeter) << i;
    } else {
      EXPECT_GT(dotted[i], 0.35 * perimeter) << i;  // dots with gaps, minus the cross
      EXPECT_LT(dotted[i], 0.75 * perimeter) << i;
    }
  }
  // The mask: black from just inside the horizon circle to about 1097 pixels,
  // apart from the compass letters and the foot line over it.
  int ringPixels = 0, nonBlack = 0;
  for (int y = 0; y < 2000; y += 3) {
    for (int x = 0; x < 2000; x += 3) {
      const double d = std::hypot(x - 1000.0, y - 1000.0);
      if (d < 949.5 || d > 1095) continue;
      const bool letters = (std::abs(x - 1000) < 40 && (y < 60 || y > 1940)) ||
                           (std::abs(y - 1000) < 40 && (x < 60 || x > 1940)) || y >= 1950;
      if (letters) continue;
      ++ringPixels;
      if (b.Pixel(x, y) != tv::clBlack) ++nonBlack;
    }
  }
  EXPECT_GT(ringPixels, 50000);
  EXPECT_EQ(nonBlack, 0);
  // Inside the horizon and in the corners beyond the ring the backdrop shows.
  EXPECT_EQ(b.Pixel(1000 + 650, 1000 - 650), Backdrop);  // 919 pixels out, between circles
  EXPECT_EQ(b.Pixel(1000 + 668, 1000 + 18), Backdrop);
  EXPECT_EQ(b.Pixel(5, 5), Backdrop);
  EXPECT_EQ(b.Pixel(1995, 1995), Backdrop);
  EXPECT_EQ(b.Pixel(1000 + 770, 1000 - 770), tv::clBlack);  // 1089 pixels out
  EXPECT_EQ(b.Pixel(1000 - 948 + 2, 1000 + 20), Backdrop);  // just inside the horizon circle
  // The red dotted cross, its dots starting at 52 (hidden under the mask).
  EXPECT_EQ(b.Pixel(100, 1000), Red);
  EXPECT_EQ(b.Pixel(1000, 100), Red);
  EXPECT_EQ(b.Pixel(1000, 103), Backdrop);
}

TEST_F(FramePixels, ZenithAndCompassLettersInEachLanguage) {
  tv::TBitmap german(2000, 2000), english(2000, 2000), french(2000, 2000);
  RenderFrame(german, 0);
  RenderFrame(english, 1);
  RenderFrame(french, 2);
  // Windows around the letters that stop short of the red cross.
  const TRect top{960, 0, 1040, 48}, bottom{960, 1952, 1040, 2000};
  const TRect left{0, 960, 48, 1040}, right{1952, 960, 2000, 1040};
  const TRect centre{970, 970, 1030, 1030};

  // "Z" centred on the chart centre, the letters on their points.
  const TRect z = RedBounds(english, centre);
  EXPECT_NEAR((z.Left + z.Right) / 2.0, 1000, 2.5);
  EXPECT_NEAR((z.Top + z.Bottom) / 2.0, 1000, 2.5);
  struct Place { const char* Name; TRect Window; TPoint Centre; };
  for (const Place& p : {Place{"north", top, {1000, 27}}, Place{"south", bottom, {1000, 1973}},
                         Place{"east", left, {27, 1000}}, Place{"west", right, {1973, 1000}}}) {
    const TRect r = RedBounds(english, p.Window);
    ASSERT_FALSE(r.IsEmpty()) << p.Name;
    EXPECT_NEAR((r.Left + r.Right) / 2.0, p.Centre.X, 4) << p.Name;
    EXPECT_NEAR((r.Top + r.Bottom) / 2.0, p.Centre.Y, 4) << p.Name;
  }

  // Same letters give the same pixels, different letters different ones.
  EXPECT_EQ(RedMask(german, top), RedMask(french, top));        // N
  EXPECT_EQ(RedMask(german, bottom), RedMask(english, bottom)); // S
  EXPECT_EQ(RedMask(german, right), RedMask(english, right));   // W
  EXPECT_NE(RedMask(french, right), RedMask(english, right));   // O, not W
  EXPECT_EQ(RedMask(english, left), RedMask(french, left));     // E
  EXPECT_NE(RedMask(german, left), RedMask(english, left));     // O, not E

  // The west "W" reads downward and the east "E" upward: the W is turned to be
  // taller than wide, and the E's spine (its full stroke) lies at the bottom.
  const TRect w = RedBounds(english, right);
  EXPECT_GT(w.Height(), w.Width() + 4);
  const TRect e = RedBounds(english, left);
  int spine = 0, arms = 0;
  for (int x = e.Left; x < e.Right; ++x) {
    spine += english.Pixel(x, e.Bottom - 1) == Red ? 1 : 0;
    arms += english.Pixel(x, e.Top) == Red ? 1 : 0;
  }
  EXPECT_GE(spine, e.Width() - 1);
  EXPECT_LT(arms, e.Width() * 2 / 3);
}

}  // namespace
