// The Qt canvas against the GDI rules the chart and the grid rely on, checked
// on the pixels of small black bitmaps.
#include <cmath>

#include "CanvasTestUtil.h"
#include "platform/Errors.h"
#include "platform/canvas/RecordingCanvas.h"
#include "platform/qt/Halftone.h"

namespace tv {
namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Green = 0x00FF00;
constexpr TColor Blue = 0xFF0000;

using LineTest = QtCanvasTest;

TEST_F(LineTest, EndPointIsNotPaintedAndBecomesThePosition) {
  struct Row { const char* Name; TPoint From, To; int Pixels; };
  const Row rows[] = {
      {"right", {2, 2}, {12, 2}, 10},  {"left", {12, 4}, {2, 4}, 10},
      {"down", {20, 2}, {20, 12}, 10}, {"up", {22, 12}, {22, 2}, 10},
      {"diagonal", {30, 2}, {40, 12}, 10}, {"shallow", {2, 20}, {30, 27}, 28},
  };
  for (const Row& r : rows) {
    for (int width : {0, 1}) {
      TBitmap b(48, 32);
      TCanvas& c = b.Canvas();
      c.Pen = {Red, width, TPenStyle::psSolid};
      c.MoveTo(r.From.X, r.From.Y);
      c.LineTo(r.To.X, r.To.Y);
      EXPECT_EQ(c.PenPos(), r.To) << r.Name;
      EXPECT_EQ(b.Pixel(r.From.X, r.From.Y), Red) << r.Name;
      EXPECT_EQ(b.Pixel(r.To.X, r.To.Y), clBlack) << r.Name << " width " << width;
      EXPECT_EQ(CountOf(b, Red), r.Pixels) << r.Name << " width " << width;
    }
  }
  // A chain of LineTo paints every corner once, the last end point not at all.
  TBitmap b(16, 16);
  b.Canvas().Pen.Color = Red;
  b.Canvas().MoveTo(2, 2);
  b.Canvas().LineTo(10, 2);
  b.Canvas().LineTo(10, 10);
  EXPECT_EQ(b.Pixel(10, 2), Red);
  EXPECT_EQ(b.Pixel(10, 10), clBlack);
  EXPECT_EQ(CountOf(b, Red), 16);
}

TEST_F(LineTest, DottedPenIsThreeOnThreeOffWithGapsFromTheBrush) {
  TBitmap b(40, 8);
  TCanvas& c = b.Canvas();
  c.Pen = {Red, 5, TPenStyle::psDot};  // dotted pens are one pixel wide
  c.Brush = {Green, TBrushStyle::bsClear};
  c.MoveTo(1, 2);
  c.LineTo(20, 2);
  EXPECT_EQ(RowPattern(b, 2, 0, 22, Red), ".###...###...###...#..");
  EXPECT_EQ(RowPattern(b, 1, 0, 22, Red), "......................");
  c.Brush.Style = TBrushStyle::bsSolid;  // a solid brush paints the gaps
  c.MoveTo(1, 5);
  c.LineTo(14, 5);
  EXPECT_EQ(b.Pixel(4, 5), Green);
  EXPECT_EQ(b.Pixel(1, 5), Red);
  EXPECT_EQ(b.Pixel(14, 5), clBlack);
}

TEST_F(LineTest, WidePenIsCentredWithRoundCaps) {
  TBitmap b(60, 40);
  TCanvas& c = b.Canvas();
  c.Pen = {Red, 9, TPenStyle::psSolid};
  c.MoveTo(15, 20);
  c.LineTo(45, 20);
  const TRect box = BoundsOf(b, Red);
  EXPECT_NEAR(box.Top, 16, 1);
  EXPECT_NEAR(box.Bottom, 25, 1);
  EXPECT_NEAR(box.Left, 11, 1);  // the caps reach half the width beyond the ends
  EXPECT_NEAR(box.Right, 50, 1);
  EXPECT_EQ(b.Pixel(11, 16), clBlack);  // round, not square, corners
  EXPECT_EQ(b.Pixel(45, 20), Red);
}

TEST_F(LineTest, FarOutsideCoordinatesAreClippedSafely) {
  TBitmap b(50, 50);
  TCanvas& c = b.Canvas();
  c.Pen = {Red, 1, TPenStyle::psSolid};
  c.MoveTo(-2000000000, 5);
  c.LineTo(2000000000, 5);
  EXPECT_EQ(CountOf(b, Red, {0, 5, 50, 6}), 50);
  c.Pen = {Green, 150, TPenStyle::psSolid};
  c.MoveTo(25, -2000000000);
  c.LineTo(25, 2000000000);
  EXPECT_EQ(b.Pixel(0, 30), Green);  // 150 pixels wide, covering the whole bitmap
  c.Pen = {Blue, 1, TPenStyle::psDot};
  c.MoveTo(-2147483647, -2147483647);
  c.LineTo(2147483647, 2147483647);
  c.Ellipse(30000, 30000, 30044, 30044);
  c.Ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
  c.Rectangle(-2000000000, 10, 2000000000, 20);
  c.FillRect({-2147483647, -2147483647, 2147483647, 2147483647});
  c.TextOut(2000000000, -2000000000, "far");
  SUCCEED();
}

using ShapeTest = QtCanvasTest;

TEST_F(ShapeTest, RectangleOutlineOnTheOutermostPixels) {
  TBitmap b(40, 40);
  TCanvas& c = b.Canvas();
  c.Pen = {Red, 1, TPenStyle::psSolid};
  c.Brush = {Green, TBrushStyle::bsSolid};
  c.Rectangle(5, 6, 15, 20);
  EXPECT_EQ(BoundsOf(b, Red), (TRect{5, 6, 15, 20}));
  EXPECT_EQ(CountOf(b, Red), 2 * 10 + 2 * 12);
  EXPECT_EQ(BoundsOf(b, Green), (TRect{6, 7, 14, 19}));
  EXPECT_EQ(CountOf(b, Green), 8 * 12);

  // The selection frame: a three-pixel pen covers one pixel either side.
  c.Pen = {Blue, 3, TPenStyle::psSolid};
  c.Brush.Style = TBrushStyle::bsClear;
  c.Rectangle(22, 22, 32, 32);
  EXPECT_EQ(BoundsOf(b, Blue), (TRect{21, 21, 33, 33}));
  EXPECT_EQ(CountOf(b, Blue), 12 * 12 - 6 * 6);
  EXPECT_EQ(b.Pixel(21, 21), Blue);  // square corners
}

TEST_F(ShapeTest, DottedRectangleAndFillRectWithClearBrush) {
  TBitmap b(30, 30);
  TCanvas& c = b.Canvas();
  c.Pen = {Red, 1, TPenStyle::psDot};
  c.Brush = {Green, TBrushStyle::bsClear};
  c.Rectangle(2, 2, 20, 12);
  EXPECT_EQ(BoundsOf(b, Red), (TRect{2, 2, 20, 12}));
  EXPECT_EQ(CountOf(b, Green), 0);
  EXPECT_EQ(RowPattern(b, 2, 2, 14, Red), "###...###...");
  c.FillRect({0, 0, 30, 30});  // clear brush: nothing
  EXPECT_EQ(CountOf(b, Green), 0);
  c.Brush.Style = TBrushStyle::bsSolid;
  c.FillRect({22, 3, 25, 8});
  EXPECT_EQ(BoundsOf(b, Green), (TRect{22, 3, 25, 8}));
  EXPECT_EQ(CountOf(b, Green), 15);
}

TEST_F(ShapeTest, EllipseFillsItsBoxLessTheRightAndBottomEdge) {
  struct Row { const char* Name; int Width; TBrushStyle Brush; };
  for (Row r : {Row{"disc", 1, TBrushStyle::bsSolid}, Row{"ring", 1, TBrushStyle::bsClear},
                Row{"thin pen 0", 0, TBrushStyle::bsSolid}}) {
    TBitmap b(40, 40);
    TCanvas& c = b.Canvas();
    c.Pen = {Red, r.Width, TPenStyle::psSolid};
    c.Brush = {Green, r.Brush};
    c.Ellipse(10, 10, 26, 26);  // a disc of radius 8 round (18, 18)
    EXPECT_EQ(BoundsOf(b, Red), (TRect{10, 10, 26, 26})) << r.Name;
    EXPECT_EQ(b.Pixel(18, 18), r.Brush == TBrushStyle::bsSolid ? Green : clBlack) << r.Name;
    EXPECT_EQ(b.Pixel(10, 10), clBlack) << r.Name;  // corners of the box stay
    EXPECT_EQ(b.Pixel(25, 25), clBlack) << r.Name;
    EXPECT_EQ(c.PenPos(), (TPoint{0, 0})) << r.Name;
  }
  // A dotted outline fills its gaps with a solid brush's colour; text painted
  // afterwards with a clear brush stays transparent.
  {
    TBitmap b(60, 60);
    TCanvas& c = b.Canvas();
    c.Pen = {Red, 1, TPenStyle::psDot};
    c.Brush = {Green, TBrushStyle::bsSolid};
    c.Ellipse(4, 4, 56, 56);
    EXPECT_GT(CountOf(b, Red, {20, 0, 40, 5}), 4);    // dots on the top outline row
    EXPECT_GT(CountOf(b, Green, {20, 0, 40, 5}), 4);  // and gaps between them
    c.Brush.Style = TBrushStyle::bsClear;
    c.Font.Color = Blue;
    c.Brush.Color = Blue;  // would show if the cell were filled
    c.TextOut(0, 0, "i");
    EXPECT_EQ(b.Pixel(0, 0), clBlack);
  }
  // A wide pen is centred on the outline: the Saturn-style 4-pixel ring.
  TBitmap b(40, 40);
  b.Canvas().Pen = {Red, 4, TPenStyle::psSolid};
  b.Canvas().Brush.Style = TBrushStyle::bsClear;
  b.Canvas().Ellipse(10, 10, 26, 26);
  const TRect box = BoundsOf(b, Red);
  EXPECT_NEAR(box.Left, 8, 1);
  EXPECT_NEAR(box.Right, 28, 1);
}

using TextTest = QtCanvasTest;

TEST_F(TextTest, TextOutPaintsInsideItsCellInTheFontColour) {
  TBitmap b(200, 80);
  TCanvas& c = b.Canvas();
  c.Font.Name = "Arial";
  c.Font.SetSize(24);
  c.Font.Bold = true;
  c.Font.Color = Red;
  c.Brush.Style = TBrushStyle::bsClear;
  const int w = c.TextWidth("NEWS"), h = c.TextHeight("NEWS");
  EXPECT_EQ(h, c.TextHeight("g"));  // the cell height, whatever the text
  EXPECT_GT(h, 32);                 // the em is 32 pixels, the cell more
  EXPECT_LT(h, 40);
  c.TextOut(20, 10, "NEWS");
  const TRect painted = BoundsOf(b, Red);
  ASSERT_FALSE(painted.IsEmpty());
  EXPECT_GE(painted.Left, 20);
  EXPECT_LE(painted.Right, 20 + w);
  EXPECT_GE(painted.Top, 10);
  EXPECT_LE(painted.Bottom, 10 + h);
  EXPECT_EQ(CountOf(b, Red) + CountOf(b, clBlack), 200 * 80);  // no antialiasing
  EXPECT_EQ(c.PenPos(), (TPoint{20 + w, 10}));

  // A solid brush fills the whole cell first.
  c.Brush = {Green, TBrushStyle::bsSolid};
  c.TextOut(20, 40, "N");
  EXPECT_EQ(b.Pixel(20, 40), Green);
  EXPECT_EQ(b.Pixel(20 + c.TextWidth("N") - 1, 40 + h - 1), Green);
  EXPECT_EQ(b.Pixel(20 + c.TextWidth("N"), 40), clBlack);
}

TEST_F(TextTest, EscapementTurnsTheTextAboutItsReferencePoint) {
  struct Row { const char* Name; int Escapement; TRect Cell; };
  TBitmap probe(10, 10);
  TCanvas& m = probe.Canvas();
  m.Font.SetSize(24);
  const int w = m.TextWidth("EEEE"), h = m.TextHeight("EEEE");
  const int x = 100, y = 100;
  const Row rows[] = {
      {"upright", 0, {x, y, x + w, y + h}},
      {"reading upward", 900, {x, y - w, x + h, y}},
      {"reading downward", -900, {x - h, y, x, y + w}},
      {"upside down", 1800, {x - w, y - h, x, y}},
  };
  for (const Row& r : rows) {
    TBitmap b(200, 200);
    TCanvas& c = b.Canvas();
    c.Font.SetSize(24);
    c.Font.Color = Red;
    c.Font.Escapement = r.Escapement;
    c.Brush.Style = TBrushStyle::bsClear;
    c.TextOut(x, y, "EEEE");
    const TRect p = BoundsOf(b, Red);
    ASSERT_FALSE(p.IsEmpty()) << r.Name;
    EXPECT_GE(p.Left, r.Cell.Left - 1) << r.Name;
    EXPECT_LE(p.Right, r.Cell.Right + 1) << r.Name;
    EXPECT_GE(p.Top, r.Cell.Top - 1) << r.Name;
    EXPECT_LE(p.Bottom, r.Cell.Bottom + 1) << r.Name;
    // The four letters fill most of the turned cell's long side.
    const int along = std::abs(r.Escapement) == 900 ? p.Height() : p.Width();
    EXPECT_GT(along, w * 3 / 4) << r.Name;
  }
}

TEST_F(TextTest, FontsResolveNarrowAndCellHeights) {
  TBitmap b(10, 10);
  TCanvas& c = b.Canvas();
  c.Font.Name = "Arial";
  c.Font.Height = -15;
  const int wide = c.TextWidth("Jupiter 12:34:56");
  c.Font.Name = "Arial Narrow";
  const int narrow = c.TextWidth("Jupiter 12:34:56");
  EXPECT_LT(narrow, wide * 9 / 10);
  c.Font.Height = 20;  // a positive height is the cell height
  EXPECT_NEAR(c.TextHeight("x"), 20, 1);
  c.Font.Bold = true;
  c.Font.Name = "Arial";
  c.Font.Height = -15;
  EXPECT_GT(c.TextWidth("Jupiter 12:34:56"), wide);
}

TEST_F(TextTest, TextRectClipsAndFillsItsRectangle) {
  TBitmap b(100, 40);
  TCanvas& c = b.Canvas();
  c.Font.SetSize(24);
  c.Font.Color = Red;
  c.Brush = {Green, TBrushStyle::bsSolid};
  c.TextRect({10, 5, 30, 35}, 10, 5, "WWWWWW");
  EXPECT_EQ(CountOf(b, Green) + CountOf(b, Red), 20 * 30);
  EXPECT_EQ(BoundsOf(b, Red).Right <= 30, true);
  EXPECT_EQ(b.Pixel(30, 15), clBlack);
  c.Brush.Style = TBrushStyle::bsClear;
  c.TextRect({50, 5, 60, 35}, 45, 5, "WWWW");
  const TRect p = BoundsOf(b, Red);
  EXPECT_LE(p.Right, 60);
  EXPECT_EQ(CountOf(b, Green, {40, 0, 100, 40}), 0);
  EXPECT_EQ(CountOf(b, Red, {40, 0, 50, 40}), 0);
}

using ClipTest = QtCanvasTest;

TEST_F(ClipTest, RegionsLimitPaintingUntilRemoved) {
  TBitmap b(60, 60);
  TCanvas& c = b.Canvas();
  const TRegion ring = TRegion::Combine(TRegion({9, 19, 51, 61}), TRegion({12, 22, 48, 58}), TRegionMode::rgnXor);
  const TRegion cells = TRegion::Combine(TRegion({0, 10, 60, 60}), ring, TRegionMode::rgnDiff);
  c.Brush = {Green, TBrushStyle::bsSolid};
  c.SelectClipRegion(cells);
  c.FillRect({0, 0, 60, 60});
  EXPECT_EQ(CountOf(b, Green), 60 * 50 - (42 * 41 - 36 * 36));
  EXPECT_EQ(b.Pixel(10, 30), clBlack);  // on the ring
  EXPECT_EQ(b.Pixel(30, 30), Green);    // inside it
  EXPECT_EQ(b.Pixel(30, 5), clBlack);   // above the cells
  c.SelectClipRegion(ring);
  c.Brush.Color = Blue;
  c.FillRect({0, 0, 60, 60});
  EXPECT_EQ(b.Pixel(10, 30), Blue);
  EXPECT_EQ(b.Pixel(30, 30), Green);
  c.SelectClipRegion(TRegion());  // an empty region lets nothing through
  c.Brush.Color = Red;
  c.FillRect({0, 0, 60, 60});
  EXPECT_EQ(CountOf(b, Red), 0);
  c.RemoveClipRegion();
  c.TextRect({0, 0, 5, 5}, 0, 0, "");  // TextRect's own clip leaves no clip behind
  c.FillRect({0, 0, 60, 60});
  EXPECT_EQ(CountOf(b, Red), 60 * 60);
}

// The clip in force reads back as it was selected (an empty one included),
// on a picture's canvas and on the recording one; none after it was removed
// or after the picture took a new size.
TEST_F(ClipTest, TheClipInForceReadsBack) {
  TBitmap b(60, 60);
  TRecordingCanvas recorder;
  const TRegion ring = TRegion::Combine(TRegion({9, 19, 51, 61}), TRegion({12, 22, 48, 58}), TRegionMode::rgnXor);
  for (TCanvas* c : std::initializer_list<TCanvas*>{&b.Canvas(), &recorder}) {
    TRegion read({1, 2, 3, 4});
    EXPECT_FALSE(c->GetClipRegion(read));
    EXPECT_EQ(read, TRegion({1, 2, 3, 4}));  // left as it was
    c->SelectClipRegion(ring);
    ASSERT_TRUE(c->GetClipRegion(read));
    EXPECT_EQ(read, ring);
    c->SelectClipRegion(TRegion());
    ASSERT_TRUE(c->GetClipRegion(read));
    EXPECT_TRUE(read.IsEmpty());
    c->RemoveClipRegion();
    EXPECT_FALSE(c->GetClipRegion(read));
  }
  b.Canvas().SelectClipRegion(ring);
  b.SetSize(40, 40);
  TRegion read;
  EXPECT_FALSE(b.Canvas().GetClipRegion(read));
}

using CopyTest = QtCanvasTest;

TEST_F(CopyTest, PlainCopyIsOneToOneAndBlackBeyondTheSource) {
  TBitmap src(20, 20), dst(40, 40);
  src.Canvas().Brush.Color = Red;
  src.Canvas().FillRect({0, 0, 20, 20});
  src.Canvas().Brush.Color = Green;
  src.Canvas().FillRect({5, 5, 6, 6});
  dst.Canvas().Brush.Color = Blue;
  dst.Canvas().FillRect({0, 0, 40, 40});
  dst.Canvas().CopyRect({0, 0, 30, 30}, src.Canvas(), {0, 0, 30, 30});
  EXPECT_EQ(dst.Pixel(5, 5), Green);
  EXPECT_EQ(dst.Pixel(19, 19), Red);
  EXPECT_EQ(dst.Pixel(25, 5), clBlack);  // outside the 20 x 20 source
  EXPECT_EQ(dst.Pixel(35, 35), Blue);    // outside the target rectangle
  TBitmap empty;  // a missing picture copies as black
  dst.Canvas().CopyRect({0, 0, 10, 10}, empty.Canvas(), {0, 0, 10, 10});
  EXPECT_EQ(dst.Pixel(5, 5), clBlack);
  EXPECT_EQ(dst.Pixel(10, 10), Red);
  TRecordingCanvas noPicture;
  EXPECT_THROW(dst.Canvas().CopyRect({0, 0, 5, 5}, noPicture, {0, 0, 5, 5}), EInvalidOp);
}

TEST_F(CopyTest, HalftoneAveragesWhereColorOnColorPicks) {
  // Two-pixel stripes of red and blue, reduced by four: halftone gives the
  // mean of the colours, the plain mode one of them.
  TBitmap src(40, 40);
  for (int x = 0; x < 40; x += 2) {
    src.Canvas().Brush.Color = (x / 2) % 2 == 0 ? Red : Blue;
    src.Canvas().FillRect({x, 0, x + 2, 40});
  }
  TBitmap dst(10, 10);
  dst.Canvas().SetStretchBltMode(TStretchMode::smHalftone);
  dst.Canvas().CopyRect({0, 0, 10, 10}, src.Canvas(), {0, 0, 40, 40});
  for (int x : {0, 4, 9}) EXPECT_EQ(dst.Pixel(x, 5), RGBColor(128, 0, 128)) << x;
  dst.Canvas().SetStretchBltMode(TStretchMode::smColorOnColor);
  dst.Canvas().CopyRect({0, 0, 10, 10}, src.Canvas(), {0, 0, 40, 40});
  EXPECT_TRUE(dst.Pixel(4, 5) == Red || dst.Pixel(4, 5) == Blue);
}

TEST(Halftone, KeepsUniformColoursAndTheMeanOfAPicture) {
  QImage uniform(2000, 2000, QImage::Format_RGB32);
  uniform.fill(QColor(13, 200, 77));
  const QImage small = HalftoneScaled(uniform, QSize(777, 801));
  ASSERT_EQ(small.size(), QSize(777, 801));
  for (QPoint p : {QPoint(0, 0), QPoint(776, 800), QPoint(400, 333)}) {
    EXPECT_EQ(small.pixel(p), qRgb(13, 200, 77));
  }
  // A gradient keeps its mean brightness when reduced by an odd factor.
  QImage ramp(300, 10, QImage::Format_RGB32);
  double sum = 0;
  for (int x = 0; x < 300; ++x)
    for (int y = 0; y < 10; ++y) {
      ramp.setPixel(x, y, qRgb(x % 256, 0, 0));
      sum += x % 256;
    }
  const QImage r = HalftoneScaled(ramp, QSize(70, 3));
  double rsum = 0;
  for (int x = 0; x < 70; ++x)
    for (int y = 0; y < 3; ++y) rsum += qRed(r.pixel(x, y));
  EXPECT_NEAR(rsum / 210, sum / 3000, 0.5);
}

// Every target pixel is the area-weighted mean of the source pixels under it,
// to within one level: reductions by odd factors (the chart's 2000 to 975 is
// one), widths that leave a remainder of the four-pixel steps, an
// enlargement, strong reductions (the chart into a window only a few dozen
// pixels high: about a hundred source rows or columns to a pixel), and a
// picture whose copy into a window is made while a painter is open on it.
TEST(Halftone, EveryPixelIsTheMeanOfItsArea) {
  struct Case {
    int SrcW, SrcH, DstW, DstH;
  } const cases[] = {{600, 410, 293, 200}, {203, 97, 99, 47}, {61, 57, 61, 19}, {30, 20, 77, 53}, {9, 9, 5, 3},
                     {90, 2000, 9, 20},    {90, 2000, 7, 37}, {2000, 40, 19, 4}, {4001, 9, 7, 2}};
  std::uint32_t seed = 12345;
  const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  for (const Case& c : cases) {
    QImage src(c.SrcW, c.SrcH, QImage::Format_RGB32);
    for (int y = 0; y < c.SrcH; ++y)
      for (int x = 0; x < c.SrcW; ++x) src.setPixel(x, y, 0xFF000000u | (next() >> 8));
    const QImage out = HalftoneScaled(src, QSize(c.DstW, c.DstH));
    ASSERT_EQ(out.size(), QSize(c.DstW, c.DstH));
    const double sx = static_cast<double>(c.SrcW) / c.DstW, sy = static_cast<double>(c.SrcH) / c.DstH;
    int worst = 0;
    for (int y = 0; y < c.DstH; ++y) {
      for (int x = 0; x < c.DstW; ++x) {
        double sum[3] = {0, 0, 0};
        for (int j = static_cast<int>(std::floor(y * sy)); j < std::min(c.SrcH, static_cast<int>(std::ceil((y + 1) * sy))); ++j)
          for (int i = static_cast<int>(std::floor(x * sx)); i < std::min(c.SrcW, static_cast<int>(std::ceil((x + 1) * sx))); ++i) {
            const double w = (std::min((x + 1) * sx, i + 1.0) - std::max(x * sx, 1.0 * i)) *
                             (std::min((y + 1) * sy, j + 1.0) - std::max(y * sy, 1.0 * j));
            const QRgb p = src.pixel(i, j);
            sum[0] += w * qRed(p);
            sum[1] += w * qGreen(p);
            sum[2] += w * qBlue(p);
          }
        const QRgb got = out.pixel(x, y);
        const int channels[3] = {qRed(got), qGreen(got), qBlue(got)};
        for (int k = 0; k < 3; ++k) worst = std::max(worst, static_cast<int>(std::lround(std::fabs(channels[k] - sum[k] / (sx * sy)))));
        ASSERT_EQ(qAlpha(got), 255);
      }
    }
    EXPECT_LE(worst, 1) << c.SrcW << "x" << c.SrcH << " to " << c.DstW << "x" << c.DstH;
  }
  // Through the canvas: the source picture has its painter open.
  TBitmap drawing(600, 410);
  drawing.Canvas().Brush = {Red, TBrushStyle::bsSolid};
  drawing.Canvas().FillRect({0, 0, 300, 410});
  TBitmap shown(293, 200);
  shown.Canvas().SetStretchBltMode(TStretchMode::smHalftone);
  shown.Canvas().CopyRect({0, 0, 293, 200}, drawing.Canvas(), {0, 0, 600, 410});
  EXPECT_EQ(shown.Pixel(10, 100), Red);
  EXPECT_EQ(shown.Pixel(280, 100), clBlack);
  EXPECT_EQ(shown.Pixel(146, 100), RGBColor(128, 0, 0)) << "the column across the edge is half of each";
}

// One white row or column in a black picture reduced a hundredfold: a pale
// line of the hundredth part of white, on every path, wherever it lies.
TEST(Halftone, AThinLineReducedStronglyStaysFaint) {
  for (const bool row : {true, false}) {
    for (const int at : {0, 1, 57, 99, 100, 1999}) {
      QImage src(row ? 40 : 2000, row ? 2000 : 40, QImage::Format_RGB32);
      src.fill(Qt::black);
      for (int k = 0; k < 40; ++k) src.setPixel(row ? k : at, row ? at : k, 0xFFFFFFFFu);
      const QSize size(row ? 4 : 20, row ? 20 : 4);
      for (THalftonePath path : {THalftonePath::Plain, THalftonePath::Sse2, THalftonePath::Avx2}) {
        const QImage out = HalftoneScaled(src, size, path);
        int brightest = 0;
        for (int y = 0; y < size.height(); ++y)
          for (int x = 0; x < size.width(); ++x) brightest = std::max(brightest, qGreen(out.pixel(x, y)));
        EXPECT_LE(brightest, 4) << (row ? "row " : "column ") << at << ", path " << static_cast<int>(path);
        EXPECT_GE(brightest, 2) << (row ? "row " : "column ") << at << ", path " << static_cast<int>(path);
      }
    }
  }
}

// The vector paths are the plain one's exact sums: the same pixels for
// reductions with up to two, four and eight taps a pixel (the chart's 2000 to
// 975 and to 700 among them), widths that leave remainders, enlargements and
// extreme colours (row sums past the signed 16-bit range).
TEST(Halftone, EveryPathGivesThePlainPathsPixels) {
  struct Case {
    int SrcW, SrcH, DstW, DstH;
  } const cases[] = {{2000, 2000, 975, 975}, {2000, 700, 700, 300}, {2000, 60, 301, 17}, {203, 97, 99, 47},
                     {61, 57, 61, 19},       {30, 20, 77, 53},      {9, 9, 5, 3},       {1, 1, 3, 2},
                     {9999, 8, 7, 2},        {2000, 2000, 23, 29}};
  std::uint32_t seed = 777;
  const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  for (const Case& c : cases) {
    QImage src(c.SrcW, c.SrcH, QImage::Format_RGB32);
    for (int y = 0; y < c.SrcH; ++y) {
      auto* row = reinterpret_cast<QRgb*>(src.scanLine(y));
      for (int x = 0; x < c.SrcW; ++x) {
        // Stretches of white and black among random colours.
        const std::uint32_t r = next();
        row[x] = (r >> 28) < 4 ? 0xFFFFFFFFu : (r >> 28) < 6 ? 0xFF000000u : 0xFF000000u | (r >> 8);
      }
    }
    const QImage plain = HalftoneScaled(src, QSize(c.DstW, c.DstH), THalftonePath::Plain);
    for (THalftonePath path : {THalftonePath::Sse2, THalftonePath::Avx2, THalftonePath::Fastest}) {
      const QImage out = HalftoneScaled(src, QSize(c.DstW, c.DstH), path);
      EXPECT_TRUE(out == plain) << c.SrcW << "x" << c.SrcH << " to " << c.DstW << "x" << c.DstH << ", path "
                                << static_cast<int>(path);
    }
  }
}

}  // namespace
}  // namespace tv
