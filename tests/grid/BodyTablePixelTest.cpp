// The body table (310 x 380) painted onto a bitmap: header boxes, grid lines,
// cell texts and their alignment, colours, the selection of a read-only grid
// without the focus, and an owner-draw handler that draws beyond its cell.
#include <gtest/gtest.h>

#include "FakeGridHost.h"
#include "PixelCheck.h"
#include "grid/qt/TextGridWidget.h"
#include "platform/qt/Bitmap.h"

namespace {

const tv::TColor Face = tv::ColorToRGB(tv::clBtnFace);
const tv::TColor Shadow = tv::ColorToRGB(tv::clBtnShadow);
const tv::TColor White = tv::clWhite;
const tv::TColor Black = tv::clBlack;
const tv::TColor Red = tv::RGBColor(255, 0, 0);

struct BodyTablePixels : ::testing::Test {
  static void SetUpTestSuite() { EnsureWidgetApplication(); }
  tv::TBitmap Bitmap{310, 380};
  TGridFixture F{310, 380};
  TTextGrid& G = F.Grid;

  void SetUp() override {
    F.Host.Target = &Bitmap.Canvas();
    SetUpBodyTable(G);
  }
  void Fill() {
    const char* bodies[] = {"Sun", "Moon", "Mercury"};
    for (int b = 0; b < 3; ++b) {
      G.SetCellText(0, 2 * b, bodies[b]);
      G.SetCellText(1, 2 * b, "12:34:56");
      G.SetCellText(2, 2 * b, "-12:34:56");
      G.SetCellText(3, 2 * b, "0.98");
    }
  }
  tv::TColor At(int X, int Y) const { return Bitmap.Pixel(X, Y); }
};

TEST_F(BodyTablePixels, HeaderBoxes) {
  Fill();
  G.Paint();
  ExpectPixels(Bitmap, {{69, 10, Shadow, "outline between the caption and the RA box"},
                        {0, 10, White, "light line of the first box"},
                        {30, 35, Shadow, "bottom outline of the two-line caption"},
                        {100, 17, Shadow, "line between the two header lines"},
                        {100, 18, White, "light line of the second line's box"},
                        {146, 25, Face, "flat box: no dark line on the right"},
                        {40, 3, Face, "the caption's box above its text"}});
  // The caption is centred over both lines: its ink's middle near the
  // middle of the text rectangle (1 .. 66, 1 .. 32).
  const tv::TRect caption = InkBox(Bitmap, Black, {1, 1, 67, 33});
  ASSERT_FALSE(caption.IsEmpty());
  EXPECT_NEAR((caption.Left + caption.Right) / 2.0, 34.0, 3.0);
  EXPECT_NEAR((caption.Top + caption.Bottom) / 2.0, 17.0, 3.0);
  const tv::TRect ra = InkBox(Bitmap, Black, {71, 1, 146, 15});
  const tv::TRect azi = InkBox(Bitmap, Black, {71, 19, 146, 33});
  EXPECT_FALSE(ra.IsEmpty());
  EXPECT_FALSE(azi.IsEmpty());
}

TEST_F(BodyTablePixels, CellsAlignmentAndEmptyArea) {
  Fill();
  G.Paint();
  ExpectPixels(Bitmap, {{69, 80, Face, "column line"},
                        {30, 71, Face, "row line"},
                        {100, 377, Face, "bottom line of the last row"},
                        {30, 62, White, "an empty cell"},
                        {309, 100, White, "right of the last column"},
                        {100, 378, White, "below the last row"},
                        {100, 379, White, "below the last row"}});

  // "Sun" starts at the left of its text rectangle (3 .. 65, 37 .. 51),
  // vertically centred.
  const tv::TRect sun = InkBox(Bitmap, Black, {3, 37, 66, 52});
  ASSERT_FALSE(sun.IsEmpty());
  EXPECT_LE(sun.Left, 5);
  EXPECT_NEAR((sun.Top + sun.Bottom) / 2.0, 44.5, 2.5);
  // The centred columns: ink around the middle of each text rectangle.
  struct Col { int Left, Right; };
  for (const Col c : {Col{73, 144}, Col{151, 222}, Col{229, 305}}) {
    const tv::TRect ink = InkBox(Bitmap, Black, {c.Left, 37, c.Right, 52});
    ASSERT_FALSE(ink.IsEmpty()) << c.Left;
    EXPECT_NEAR((ink.Left + ink.Right) / 2.0, (c.Left + c.Right) / 2.0, 3.0) << c.Left;
  }
  // "Moon" in row 2, nothing in row 1.
  EXPECT_FALSE(InkBox(Bitmap, Black, {3, 73, 66, 88}).IsEmpty());
  EXPECT_TRUE(InkBox(Bitmap, Black, {3, 55, 66, 70}).IsEmpty());
}

// A read-only grid without the focus still shows its selection: the current
// cell (0, 0) framed three pixels wide in the grid colour, the fill handle
// on its bottom-right corner; the current cell keeps its own colour.
TEST_F(BodyTablePixels, SelectionOfAReadOnlyGridWithoutFocus) {
  G.Paint();
  ExpectPixels(Bitmap, {{68, 45, Face, "frame inside cell (0, 0)"},
                        {70, 45, Face, "frame over cell (1, 0)"},
                        {71, 45, White, "cell (1, 0) beside the frame"},
                        {30, 52, Face, "frame along the bottom"},
                        {30, 50, White, "cell (0, 0) inside the frame"},
                        {69, 56, White, "fill handle's outline over the column line"},
                        {71, 55, Face, "fill handle's inside"},
                        {30, 40, White, "the current cell is not in the selection colour"}});
  F.Host.HasFocus = true;
  G.Paint();
  EXPECT_EQ(At(68, 45), Black);
  EXPECT_EQ(At(71, 55), Black);
}

// The main window's handler copies an icon into a fixed rectangle that
// reaches beyond its cell; what stays is what the cells painted later leave.
TEST_F(BodyTablePixels, HandlerDrawingBeyondItsCell) {
  G.OnDrawCell = [](TTextGrid& Sender, tv::TCanvas& Canvas, int X, int Y, tv::TRect, bool&) {
    if (X != 0 || Y < 6 || Y % 2 != 0) return;
    const int w = Sender.Columns()[0].Width();
    const tv::TBrush keep = Canvas.Brush;
    Canvas.Brush = {tv::clRed, tv::TBrushStyle::bsSolid};
    Canvas.FillRect({w - 17, (Y + 1) * 18, w + 3, (Y + 1) * 18 + 21});
    Canvas.Brush = keep;
  };
  G.Paint();
  // Row 6's icon: rows 126 .. 146 and columns 53 .. 72 asked; cell (0, 6)
  // from row 143 and column 1 from x 69 paint over it.
  EXPECT_EQ(InkBox(Bitmap, Red, {40, 110, 100, 161}), (tv::TRect{53, 126, 69, 143}));
  EXPECT_EQ(At(60, 143), Face);
}

// A handler's drawing is cut off at the selection's frame ring.
TEST_F(BodyTablePixels, HandledCellIsClippedByTheFrameRing) {
  G.OnDrawCell = [](TTextGrid&, tv::TCanvas& Canvas, int X, int Y, tv::TRect Rc, bool& Handled) {
    if (X != 1 || Y != 0) return;
    Canvas.Brush = {tv::clRed, tv::TBrushStyle::bsSolid};
    Canvas.FillRect(Rc);
    Handled = true;
  };
  G.Paint();
  EXPECT_EQ(At(70, 45), Face);
  EXPECT_EQ(At(72, 45), Red);
  EXPECT_EQ(At(146, 52), Red);
  EXPECT_EQ(At(100, 52), Red) << "no text rectangle, no frame of its own";
  EXPECT_EQ(At(100, 35), Shadow) << "the header covers the top line";
}

TEST_F(BodyTablePixels, ImmediateRepaintKeepsTheGridLines) {
  G.Paint();
  G.SetCellText(2, 3, "-5:00:00");
  EXPECT_FALSE(InkBox(Bitmap, Black, {151, 91, 222, 106}).IsEmpty());
  EXPECT_EQ(At(147, 100), Face);
  EXPECT_EQ(At(150, 100), White) << "the margin between line and text rectangle";
  EXPECT_FALSE(F.Host.Flushed.empty());
}

}  // namespace
