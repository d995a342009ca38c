// The fixed boxes (gutter, header corner, footer), the merged cells and the
// empty area: what each paints, in which order, with which texts and events.
#include <gtest/gtest.h>

#include "FakeGridHost.h"
#include "PixelCheck.h"
#include "platform/Errors.h"
#include "grid/qt/TextGridWidget.h"
#include "platform/qt/Bitmap.h"

namespace {

using tv::TCanvasOp;

struct FixedCells : ::testing::Test {
  TGridFixture F{300, 200};
  TTextGrid& G = F.Grid;
  tv::TRecordingCanvas& C = F.Host.Recorder;
  void SetUp() override {
    G.SetColCount(3);
    G.SetRowCount(4);
    F.Host.ClearLogs();
  }
};

TEST_F(FixedCells, GutterTexts) {
  std::vector<std::string> texts;
  G.OnDrawGutter = [&](TTextGrid&, tv::TCanvas&, tv::TRect, const std::string& Str, bool&) { texts.push_back(Str); };
  G.SetGutterKind(gkNumber);
  G.Paint();
  EXPECT_EQ(texts, (std::vector<std::string>{"1", "2", "3", "4"}));
  texts.clear();
  G.SetGutterKind(gkString);
  G.SetGutterStrings({"a", "b;c"});
  G.Paint();
  EXPECT_EQ(texts, (std::vector<std::string>{"a", "b;c", "", ""}));
  // ";" breaks a gutter string into lines inside its box.
  bool twoLines = false;
  const auto calls = C.CallsOf(TCanvasOp::TextRect);
  for (std::size_t i = 0; i + 1 < calls.size(); ++i) twoLines |= calls[i].Text == "b" && calls[i + 1].Text == "c";
  EXPECT_TRUE(twoLines);
}

// The pointer: a right-pointing triangle on the current row, drawn after the
// box even when a handler took the box.
TEST_F(FixedCells, GutterPointer) {
  G.SetGutterKind(gkPointer);
  G.OnDrawGutter = [](TTextGrid&, tv::TCanvas&, tv::TRect, const std::string&, bool& Handled) { Handled = true; };
  C.Clear();
  G.Paint();
  const auto lines = C.CallsOf(TCanvasOp::LineTo);
  // Row 0's box is (-1, 17, 20, 36): corners (6, 31), (6, 22), tip (14, 26).
  auto first = std::find_if(lines.begin(), lines.end(), [](const auto& c) { return c.From == tv::TPoint{6, 31}; });
  ASSERT_NE(first, lines.end());
  ASSERT_LE(first + 3, lines.end());
  EXPECT_EQ(first[0].To, (tv::TPoint{6, 22}));
  EXPECT_EQ(first[1].To, (tv::TPoint{14, 26}));
  EXPECT_EQ(first[2].To, (tv::TPoint{6, 31}));
  EXPECT_EQ(first[0].Pen.Color, G.HeaderDarkColor());
  EXPECT_EQ(first[1].Pen.Color, G.HeaderDarkColor());
  EXPECT_EQ(first[2].Pen.Color, G.HeaderLightColor());
}

TEST_F(FixedCells, FooterBoxes) {
  G.Columns()[1].SetVisible(false);
  G.Columns()[0].SetFooter("sum");
  G.Columns()[1].SetFooter("hidden");
  G.SetShowFooter(true);
  struct Box {
    tv::TRect Rc;
    std::string Str;
    bool operator==(const Box&) const = default;
  };
  std::vector<Box> boxes;
  G.OnDrawFooter = [&](TTextGrid&, tv::TCanvas&, tv::TRect Rc, const std::string& Str, bool&) {
    boxes.push_back({Rc, Str});
  };
  G.Paint();
  // Footer row at (1 header line + 4 rows) * 18 - 1 = 89; boxes to 89 + 19.
  ASSERT_EQ(G.FooterTop(), 89);
  const std::vector<Box> expected = {
      {{19, 89, 100, 108}, "sum"},
      {{99, 89, 100, 108}, "hidden"},  // the hidden column: one pixel wide, no room for text
      {{99, 89, 180, 108}, ""},
      {{-1, 89, 20, 108}, ""},
      {{-1, 107, 180, 200}, ""},
  };
  EXPECT_EQ(boxes, expected);
  // With the footer, the empty area is only the strip right of the columns.
  std::vector<tv::TRect> fills;
  for (const auto& c : C.CallsOf(TCanvasOp::FillRect)) {
    if (c.Brush.Color == G.Color()) fills.push_back(c.Rect);
  }
  EXPECT_EQ(fills, (std::vector<tv::TRect>{{180, 0, 300, 200}}));
}

TEST_F(FixedCells, EmptyAreaAtTheLastVerticalPosition) {
  G.SetRowCount(30);
  G.SetScrollY(G.ScrollYMax());
  C.Clear();
  G.Paint();
  std::vector<tv::TRect> fills;
  for (const auto& c : C.CallsOf(TCanvasOp::FillRect)) fills.push_back(c.Rect);
  // Client 283 x 200 beside the vertical bar; whole rows below the header
  // end at 18 + 10 * 18 = 198.
  EXPECT_EQ(fills, (std::vector<tv::TRect>{{260, 0, 283, 200}, {0, 198, 283, 200}}));
  G.SetScrollY(0);
  C.Clear();
  G.Paint();
  EXPECT_EQ(C.CallsOf(TCanvasOp::FillRect).size(), 1u);
}

TEST_F(FixedCells, DisabledFixedTexts) {
  G.Columns()[0].SetTitle("T");
  G.SetEnabled(false);
  C.Clear();
  G.Paint();
  bool seen = false;
  for (const auto& c : C.CallsOf(TCanvasOp::TextRect)) {
    if (c.Text != "T") continue;
    seen = true;
    EXPECT_EQ(c.Font.Color, G.HeaderDarkColor());
  }
  EXPECT_TRUE(seen);
}

// A merged cell covers its block after all data cells, without OnDrawCell
// for the cells under it.
TEST_F(FixedCells, MergedCellIsPaintedOverItsBlock) {
  TMergedCell m;
  m.Text = "joined";
  m.Span = {1, 1, 2, 2};
  m.Color = tv::RGBColor(1, 2, 3);
  G.AddMergedCell(m);
  G.SetRowCount(5);  // a layout run applies it
  std::vector<std::pair<int, int>> drawn;
  G.OnDrawCell = [&](TTextGrid&, tv::TCanvas&, int X, int Y, tv::TRect, bool&) { drawn.emplace_back(X, Y); };
  C.Clear();
  G.Paint();
  EXPECT_EQ(drawn.size(), 15u - 4u);
  const auto rects = C.CallsOf(TCanvasOp::Rectangle);
  auto merged = std::find_if(rects.begin(), rects.end(), [](const auto& c) { return c.Brush.Color == tv::RGBColor(1, 2, 3); });
  ASSERT_NE(merged, rects.end());
  // Columns 1-2 (80 .. 240 unscrolled), rows 1-2, moved by the gutter and header.
  EXPECT_EQ(merged->Rect, (tv::TRect{99, 35, 260, 72}));
  EXPECT_EQ(merged - rects.begin(), 11);  // after the eleven data cells
}

// A block reaching beyond the grid on any side covers only the cells that
// exist, in the layout and in the paint alike; a block wholly outside the
// grid, or whose columns went, is left out; a bad index is the list's error.
TEST_F(FixedCells, MergedCellBeyondTheGridCoversOnlyItsCellsInside) {
  TMergedCell m;
  m.Span = {-1, -2, 5, 1};
  m.Color = tv::RGBColor(1, 2, 3);
  G.AddMergedCell(m);
  m.Span = {4, 0, 6, 1};
  m.Color = tv::RGBColor(4, 5, 6);
  G.AddMergedCell(m);
  ASSERT_NO_THROW(G.SetRowCount(5));  // a layout run applies them
  for (int c = 0; c < 3; ++c) {
    for (int r = 0; r < 3; ++r) EXPECT_EQ(G.GetCellTag(c, r), r < 2 ? -2 : 0) << c << "," << r;
  }
  const auto blocks = [&](tv::TColor Color) {
    std::vector<tv::TRect> found;
    for (const auto& call : C.CallsOf(TCanvasOp::Rectangle)) {
      if (call.Brush.Color == Color) found.push_back(call.Rect);
    }
    return found;
  };
  C.Clear();
  ASSERT_NO_THROW(G.Paint());
  // Columns 0-2 (0 .. 240 unscrolled), rows 0-1, moved by the gutter and header.
  EXPECT_EQ(blocks(tv::RGBColor(1, 2, 3)), (std::vector<tv::TRect>{{19, 17, 260, 54}}));
  EXPECT_TRUE(blocks(tv::RGBColor(4, 5, 6)).empty());

  G.SetColCount(2);
  C.Clear();
  ASSERT_NO_THROW(G.Paint());
  EXPECT_EQ(blocks(tv::RGBColor(1, 2, 3)), (std::vector<tv::TRect>{{19, 17, 180, 54}}));

  EXPECT_THROW(TTextGridTestAccess::PaintMergedCell(G, 2), tv::EListError);
  EXPECT_THROW(TTextGridTestAccess::PaintMergedCell(G, -1), tv::EListError);
}

// A raised box: black outline, light lines left and top with dark far ends,
// dark lines right and bottom.
TEST(FixedCellPixels, RaisedHeaderBox) {
  EnsureWidgetApplication();
  tv::TBitmap bitmap(200, 100);
  TGridFixture f(200, 100);
  f.Host.Target = &bitmap.Canvas();
  f.Grid.SetGutterKind(gkNone);
  f.Grid.SetColCount(1);
  f.Grid.SetFlat(false);
  f.Grid.Paint();
  // The column's box (-1, -1, 80, 18).
  const tv::TColor shadow = tv::ColorToRGB(tv::clBtnShadow);
  ExpectPixels(bitmap, {{79, 8, tv::clBlack, "outline right"},
                        {40, 17, tv::clBlack, "outline bottom"},
                        {0, 8, tv::clWhite, "light left"},
                        {40, 0, tv::clWhite, "light top"},
                        {78, 0, shadow, "light line's far end"},
                        {0, 16, tv::clWhite, "the corner box's light line, drawn last, over the other far end"},
                        {78, 8, shadow, "dark right"},
                        {40, 16, shadow, "dark bottom"},
                        {40, 8, tv::ColorToRGB(tv::clBtnFace), "inside"}});
}

}  // namespace
