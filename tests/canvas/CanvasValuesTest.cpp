// Value types of the canvas interface: regions, font sizes, colours, rectangle
// helpers, and the recording canvas's log.
#include <gtest/gtest.h>

#include "platform/canvas/Canvas.h"
#include "platform/canvas/RecordingCanvas.h"

namespace tv {
namespace {

// Counts the pixels of a region inside a window, pixel by pixel.
int PixelCount(const TRegion& R, const TRect& Window) {
  int n = 0;
  for (int y = Window.Top; y < Window.Bottom; ++y)
    for (int x = Window.Left; x < Window.Right; ++x) n += R.Contains(x, y) ? 1 : 0;
  return n;
}

TEST(Region, SelectionFrameRingIsThreePixelsWide) {
  // The grid's frame ring around the selection rectangle (L,T,R,B) =
  // (10,20,50,60): outer (L-1,T-1,R+1,B+1) xor inner (L+2,T+2,R-2,B-2).
  const TRegion ring = TRegion::Combine(TRegion({9, 19, 51, 61}), TRegion({12, 22, 48, 58}),
                                        TRegionMode::rgnXor);
  for (int x : {9, 10, 11, 48, 49, 50}) EXPECT_TRUE(ring.Contains(x, 40)) << x;
  for (int x : {8, 12, 30, 47, 51}) EXPECT_FALSE(ring.Contains(x, 40)) << x;
  for (int y : {19, 20, 21, 58, 59, 60}) EXPECT_TRUE(ring.Contains(30, y)) << y;
  for (int y : {18, 22, 57, 61}) EXPECT_FALSE(ring.Contains(30, y)) << y;
  EXPECT_EQ(PixelCount(ring, {0, 0, 70, 80}), 42 * 42 - 36 * 36);
  EXPECT_EQ(ring.Bounds(), (TRect{9, 19, 51, 61}));

  // The cells' clip less the ring keeps the cells inside and outside it.
  const TRegion cells = TRegion::Combine(TRegion({0, 0, 100, 100}), ring, TRegionMode::rgnDiff);
  EXPECT_EQ(PixelCount(cells, {0, 0, 100, 100}), 100 * 100 - (42 * 42 - 36 * 36));
  EXPECT_TRUE(cells.Contains(30, 40));
  EXPECT_FALSE(cells.Contains(10, 40));
  // Its rectangles are disjoint: their areas add up to the pixel count.
  long area = 0;
  for (const TRect& r : cells.Rects()) area += static_cast<long>(r.Width()) * r.Height();
  EXPECT_EQ(area, 100 * 100 - (42 * 42 - 36 * 36));
}

TEST(Region, CombineModesOnOverlappingSquares) {
  const TRegion a({0, 0, 10, 10}), b({5, 5, 15, 15});
  const TRect window{-2, -2, 20, 20};
  struct Row { const char* Name; TRegionMode Mode; int Pixels; bool At2, At7, At12; };
  const Row rows[] = {
      {"and", TRegionMode::rgnAnd, 25, false, true, false},
      {"or", TRegionMode::rgnOr, 175, true, true, true},
      {"xor", TRegionMode::rgnXor, 150, true, false, true},
      {"diff", TRegionMode::rgnDiff, 75, true, false, false},
  };
  for (const Row& r : rows) {
    const TRegion c = TRegion::Combine(a, b, r.Mode);
    EXPECT_EQ(PixelCount(c, window), r.Pixels) << r.Name;
    EXPECT_EQ(c.Contains(2, 2), r.At2) << r.Name;
    EXPECT_EQ(c.Contains(7, 7), r.At7) << r.Name;
    EXPECT_EQ(c.Contains(12, 12), r.At12) << r.Name;
  }
  EXPECT_TRUE(TRegion::Combine(a, a, TRegionMode::rgnXor).IsEmpty());
  EXPECT_TRUE(TRegion({5, 5, 5, 9}).IsEmpty());
}

TEST(Font, PointSizesConvertAtNinetySixDotsPerInch) {
  struct Row { int Points; int Height; };
  for (Row r : {Row{24, -32}, Row{18, -24}, Row{8, -11}, Row{9, -12}, Row{10, -13}}) {
    TFont f;
    f.SetSize(r.Points);
    EXPECT_EQ(f.Height, r.Height) << r.Points;
    EXPECT_EQ(f.Size(), r.Points) << r.Points;
  }
  TFont cell;
  cell.Height = 15;  // a cell height gives a negative size
  EXPECT_EQ(cell.Size(), -11);
}

TEST(Colors, SystemColorsResolveAndPlainOnesPassThrough) {
  EXPECT_EQ(ColorToRGB(clWindow), clWhite);
  EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
  EXPECT_EQ(ColorToRGB(clBtnFace), RGBColor(240, 240, 240));
  EXPECT_EQ(ColorToRGB(0x00CAFFFF), 0x00CAFFFFu);
  EXPECT_EQ(RGBColor(0x20, 0xC0, 0xB0), 0xB0C020u);
  EXPECT_EQ(RedOf(0xB0C020), 0x20);
  EXPECT_EQ(BlueOf(0xB0C020), 0xB0);
}

TEST(Rects, IntersectAndInflate) {
  TRect r;
  EXPECT_TRUE(IntersectRect(r, {0, 0, 10, 10}, {5, -5, 20, 5}));
  EXPECT_EQ(r, (TRect{5, 0, 10, 5}));
  EXPECT_FALSE(IntersectRect(r, {0, 0, 10, 10}, {10, 0, 20, 10}));  // touching edges share no pixel
  EXPECT_EQ(r, TRect{});
  EXPECT_EQ(InflateRect({10, 10, 50, 30}, -4, -2), (TRect{14, 12, 46, 28}));
  EXPECT_EQ(InflateRect({INT32_MIN + 1, -5, INT32_MAX - 1, INT32_MAX}, 3, 3),
            (TRect{INT32_MIN, -8, INT32_MAX, INT32_MAX}));
}

TEST(RecordingCanvas, LogsCallsWithTheStateInForce) {
  TRecordingCanvas c;
  c.CharWidth = 15;
  c.CellHeight = 37;
  c.Pen = {0x0000FF, 1, TPenStyle::psDot};
  c.Brush.Style = TBrushStyle::bsClear;
  c.MoveTo(52, 1000);
  c.LineTo(1948, 1000);
  c.Pen.Style = TPenStyle::psSolid;
  c.TextOut(5, 6, "Zé");
  ASSERT_EQ(c.Calls().size(), 3u);
  EXPECT_EQ(TRecordingCanvas::Describe(c.Calls()[1]),
            "LineTo (52,1000)->(1948,1000) pen 0000FF/1/dot brush clear");
  EXPECT_EQ(c.Calls()[2].Pen.Style, TPenStyle::psSolid);
  EXPECT_EQ(c.TextWidth("Zé"), 30);  // two code points
  EXPECT_EQ(c.TextHeight("anything"), 37);
  EXPECT_EQ(c.PenPos(), (TPoint{35, 6}));  // TextOut moves to the end of the text
  EXPECT_EQ(c.CallsOf(TCanvasOp::LineTo).size(), 1u);
}

}  // namespace
}  // namespace tv
