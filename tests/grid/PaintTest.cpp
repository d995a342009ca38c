// The paint pass as a sequence of canvas calls: the order and clip of the
// owner-draw event, the early exits, an error raised by a handler, the
// selection's fill handle, the immediate repaint of one cell, and the text
// placement rules.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeGridHost.h"
#include "platform/Errors.h"

namespace {

using tv::TCanvasOp;

struct PaintTest : ::testing::Test {
  TGridFixture F{310, 380};
  TTextGrid& G = F.Grid;
  tv::TRecordingCanvas& C = F.Host.Recorder;
  void SetUp() override {
    SetUpBodyTable(G);
    C.CharWidth = 6;
    C.CellHeight = 14;
    F.Host.ClearLogs();
  }
  int Count(TCanvasOp Op) const { return static_cast<int>(C.CallsOf(Op).size()); }
};

// Columns outer, rows inner; the canvas holds the cell's font, the grid
// colour as pen and the cell colour as brush; the clip is the cell area less
// the selection's frame ring.
TEST_F(PaintTest, DrawCellOrderStateAndClip) {
  G.Columns()[2].SetVisible(false);
  G.SetCellTag(3, 4, -2);
  G.Columns()[1].SetColor(tv::clRed);
  std::vector<std::pair<int, int>> order;
  tv::TRegion clip;
  G.OnDrawCell = [&](TTextGrid& Sender, tv::TCanvas& Canvas, int X, int Y, tv::TRect Rc, bool& Handled) {
    EXPECT_EQ(&Sender, &G);
    EXPECT_FALSE(Handled);
    EXPECT_EQ(Rc, G.ToClientRect(G.CellBounds(X, Y)));
    EXPECT_EQ(Canvas.Font, G.Columns()[X].Font());
    EXPECT_EQ(Canvas.Pen.Color, G.GridColor());
    EXPECT_EQ(Canvas.Brush.Color, G.CellColor(X, Y));
    if (order.empty()) clip = C.CallsOf(TCanvasOp::SelectClipRegion).back().Region;
    order.emplace_back(X, Y);
  };
  G.Paint();
  std::vector<std::pair<int, int>> expected;
  for (int x : {0, 1, 3}) {
    for (int y = 0; y < 19; ++y) {
      if (!(x == 3 && y == 4)) expected.emplace_back(x, y);
    }
  }
  EXPECT_EQ(order, expected);
  // Selection (0, 0): rectangle (-1, 35, 70, 54); ring 3 pixels wide on it.
  const tv::TRegion ring = tv::TRegion::Combine(tv::TRegion({-2, 34, 71, 55}), tv::TRegion({1, 37, 68, 52}),
                                                tv::TRegionMode::rgnXor);
  EXPECT_EQ(clip, tv::TRegion::Combine(tv::TRegion({0, 36, 310, 380}), ring, tv::TRegionMode::rgnDiff));
  EXPECT_EQ(C.Calls().back().Op, TCanvasOp::LineTo);  // the corner box's light line ends the pass
  EXPECT_EQ(Count(TCanvasOp::RemoveClipRegion), 1);
}

TEST_F(PaintTest, HandledCellIsLeftToTheHandler) {
  G.SetCellText(1, 1, "text");
  C.Clear();
  G.OnDrawCell = [](TTextGrid&, tv::TCanvas&, int X, int Y, tv::TRect, bool& Handled) { Handled = X == 1 && Y == 1; };
  G.Paint();
  for (const auto& call : C.CallsOf(TCanvasOp::TextRect)) EXPECT_NE(call.Text, "text");
  for (const auto& call : C.CallsOf(TCanvasOp::Rectangle)) EXPECT_NE(call.Rect, G.ToClientRect(G.CellBounds(1, 1)));
}

// An error in a handler ends the pass at that cell and leaves no clip
// region selected.
TEST_F(PaintTest, HandlerErrorEndsThePassWithoutAClip) {
  int calls = 0;
  G.OnDrawCell = [&](TTextGrid&, tv::TCanvas&, int X, int Y, tv::TRect, bool&) {
    ++calls;
    if (X == 1 && Y == 2) throw tv::EInvalidOp("handler failed");
  };
  EXPECT_THROW(G.Paint(), tv::EInvalidOp);
  EXPECT_EQ(calls, 19 + 3);
  EXPECT_EQ(C.Calls().back().Op, TCanvasOp::RemoveClipRegion);
  // The next pass starts afresh and completes.
  G.OnDrawCell = nullptr;
  C.Clear();
  G.Paint();
  EXPECT_EQ(Count(TCanvasOp::RemoveClipRegion), 1);
}

TEST_F(PaintTest, EarlyExits) {
  TTextGridTestAccess::SetPaintLocked(G, true);
  G.Paint();
  EXPECT_TRUE(C.Calls().empty());
  TTextGridTestAccess::SetPaintLocked(G, false);

  F.Host.Allocated = false;
  G.Paint();
  EXPECT_TRUE(C.Calls().empty());
  F.Host.Allocated = true;

  // Columns but no rows: the empty area, the header, no cell, no selection.
  int cells = 0;
  G.OnDrawCell = [&](TTextGrid&, tv::TCanvas&, int, int, tv::TRect, bool&) { ++cells; };
  G.SetRowCount(0);
  C.Clear();
  G.Paint();
  EXPECT_EQ(cells, 0);
  EXPECT_EQ(Count(TCanvasOp::SelectClipRegion), 0);
  EXPECT_GT(Count(TCanvasOp::FillRect), 0);
  EXPECT_EQ(Count(TCanvasOp::Rectangle), 7 + 1);  // seven header boxes and the corner

  // No columns: the client in the grid's colour and nothing else.
  G.SetColCount(0);
  C.Clear();
  G.Paint();
  ASSERT_EQ(C.Calls().size(), 1u);
  EXPECT_EQ(C.Calls()[0].Op, TCanvasOp::FillRect);
  EXPECT_EQ(C.Calls()[0].Rect, (tv::TRect{0, 0, 310, 380}));
  EXPECT_EQ(C.Calls()[0].Brush.Color, tv::clWindow);
}

TEST_F(PaintTest, DisabledGridDrawsNoSelection) {
  G.SetEnabled(false);
  G.SetCellText(0, 0, "x");
  C.Clear();
  G.Paint();
  for (const auto& call : C.CallsOf(TCanvasOp::Rectangle)) EXPECT_EQ(call.Pen.Width, 1);
  for (const auto& call : C.CallsOf(TCanvasOp::TextRect)) {
    if (call.Text == "x") {
      EXPECT_EQ(call.Font.Color, G.GridColor());
    }
  }
  const auto clips = C.CallsOf(TCanvasOp::SelectClipRegion);
  ASSERT_EQ(clips.size(), 3u);
  EXPECT_EQ(clips[0].Region, tv::TRegion({0, 36, 310, 380}));  // no ring cut out
}

TEST_F(PaintTest, SelectionFrameAndFillHandle) {
  TTextGridTestAccess::SetCurrent(G, 1, 2);
  TTextGridTestAccess::SetSelArea(G, {1, 2, 2, 3});
  struct Row {
    std::uint8_t Corner;
    tv::TRect Handle;
  };
  // Block rectangle (69, 71, 226, 108).
  for (const Row& r : {Row{0, {223, 105, 229, 111}}, Row{1, {223, 73, 229, 79}}, Row{2, {71, 105, 77, 111}}}) {
    TTextGridTestAccess::SetHandleCorner(G, r.Corner);
    C.Clear();
    G.Paint();
    EXPECT_EQ(G.FillHandleRect(), r.Handle);
    EXPECT_EQ(G.HandleCorner(), 0);
    const auto rects = C.CallsOf(TCanvasOp::Rectangle);
    auto frame = std::find_if(rects.begin(), rects.end(), [](const auto& c) { return c.Pen.Width == 3; });
    ASSERT_NE(frame, rects.end());
    EXPECT_EQ(frame->Rect, (tv::TRect{69, 71, 226, 108}));
    EXPECT_EQ(frame->Pen.Color, G.GridColor());  // no focus
    EXPECT_EQ((frame + 1)->Rect, r.Handle);
    EXPECT_EQ((frame + 1)->Pen.Color, tv::clWhite);
  }
  F.Host.HasFocus = true;
  TTextGridTestAccess::SetFillSource(G, {0, 0, 1, 1});
  C.Clear();
  G.Paint();
  const auto rects = C.CallsOf(TCanvasOp::Rectangle);
  auto dotted = std::find_if(rects.begin(), rects.end(), [](const auto& c) { return c.Pen.Style == tv::TPenStyle::psDot; });
  ASSERT_NE(dotted, rects.end());
  EXPECT_EQ(dotted->Rect, (tv::TRect{-1, 35, 148, 72}));
  EXPECT_EQ((dotted - 2)->Pen.Color, tv::clBlack);  // the frame, with the focus
}

TEST_F(PaintTest, CellColours) {
  G.SetAlternateColor(tv::RGBColor(9, 9, 9));
  G.Columns()[1].SetColor(tv::clRed);
  TTextGridTestAccess::SetCurrent(G, 0, 0);
  TTextGridTestAccess::SetSelArea(G, {0, 0, 1, 1});
  EXPECT_EQ(G.CellColor(0, 0), tv::clWindow);  // the current cell
  EXPECT_EQ(G.CellColor(0, 1), G.SelectionColor());
  EXPECT_EQ(G.CellColor(0, 3), tv::RGBColor(9, 9, 9));
  EXPECT_EQ(G.CellColor(1, 3), tv::clRed);
  EXPECT_EQ(G.CellColor(0, 2), tv::clWindow);
  G.SetEnabled(false);
  EXPECT_EQ(G.CellColor(0, 1), tv::RGBColor(9, 9, 9));
}

// After a wheel step between rows the cell under the header is repainted
// inside the cell area only; the handler still sees the whole cell.
TEST_F(PaintTest, SingleCellRepaintIsClippedToTheCellArea) {
  G.SetRowCount(40);
  G.WMMouseWheel(-20);
  ASSERT_EQ(G.ScrollY(), 20);
  tv::TRect seen;
  G.OnDrawCell = [&](TTextGrid&, tv::TCanvas&, int, int, tv::TRect Rc, bool&) { seen = Rc; };
  C.Clear();
  F.Host.Flushed.clear();
  const tv::TPoint caret = G.RepaintCellText(1, 1, false);
  EXPECT_EQ(seen, (tv::TRect{69, 33, 148, 52}));
  std::vector<TCanvasOp> ops;
  for (const auto& call : C.Calls()) ops.push_back(call.Op);
  EXPECT_EQ(ops, (std::vector<TCanvasOp>{TCanvasOp::SelectClipRegion, TCanvasOp::FillRect, TCanvasOp::TextRect,
                                         TCanvasOp::RemoveClipRegion}));
  EXPECT_EQ(C.Calls()[0].Region, tv::TRegion(G.CellArea()));
  EXPECT_EQ(C.Calls()[1].Rect, (tv::TRect{73, 35, 144, 50}));  // the text rectangle
  EXPECT_EQ(caret, (tv::TPoint{109, 34}));  // centred empty text: x 108, plus one
  EXPECT_EQ(F.Host.Flushed.size(), 1u);

  // Outside the cell area: no event, no drawing, no caret.
  seen = {};
  C.Clear();
  EXPECT_EQ(G.RepaintCellText(1, 30, false), (tv::TPoint{-1, -1}));
  EXPECT_EQ(seen, tv::TRect{});
  EXPECT_TRUE(C.Calls().empty());
}

// A cell written by a handler during the pass is repainted within the clip
// the pass has in force, and the pass goes on with its clip and with the
// canvas as it had prepared it for the handler's cell.
TEST_F(PaintTest, CellWrittenDuringThePassKeepsThePassClipAndCanvas) {
  G.Columns()[1].SetColor(tv::clRed);
  tv::TFont bold = G.Columns()[1].Font();
  bold.Bold = true;
  G.Columns()[1].SetFont(bold);
  std::vector<tv::TRegion> clips;  // in force at each handler call of column 0
  G.OnDrawCell = [&](TTextGrid& Sender, tv::TCanvas& Canvas, int X, int Y, tv::TRect, bool&) {
    if (X != 0 || Y > 1) return;
    tv::TRegion clip;
    EXPECT_TRUE(Canvas.GetClipRegion(clip));
    clips.push_back(clip);
    if (Y == 0) Sender.SetCellText(1, 5, "written");
  };
  C.Clear();
  G.Paint();
  ASSERT_EQ(clips.size(), 2u);
  EXPECT_EQ(clips[1], clips[0]);
  const auto selects = C.CallsOf(TCanvasOp::SelectClipRegion);
  ASSERT_GE(selects.size(), 2u);
  EXPECT_EQ(selects[1].Region, tv::TRegion::Combine(clips[0], tv::TRegion(G.CellArea()), tv::TRegionMode::rgnAnd));
  const tv::TRect cell00 = G.ToClientRect(G.CellBounds(0, 0));
  const auto rects = C.CallsOf(TCanvasOp::Rectangle);
  auto own = std::find_if(rects.begin(), rects.end(), [&](const auto& c) { return c.Rect == cell00; });
  ASSERT_NE(own, rects.end());
  EXPECT_EQ(own->Brush.Color, G.CellColor(0, 0));
  EXPECT_EQ(own->Font, G.Columns()[0].Font());
  EXPECT_EQ(F.Host.Flushed.size(), 1u);
  // Outside a pass the repaint leaves no clip behind.
  G.OnDrawCell = nullptr;
  G.SetCellText(1, 6, "later");
  tv::TRegion none;
  EXPECT_FALSE(C.GetClipRegion(none));
}

TEST(TextPlacement, DrawTextAligned) {
  tv::TRecordingCanvas c;
  c.CharWidth = 10;
  c.CellHeight = 12;
  const tv::TRect r{100, 50, 150, 67};  // 50 wide, 17 high: 5 spare rows
  struct Row {
    const char* Name;
    const char* Text;
    THorzAlign H;
    TVertAlign V;
    bool ShowEnd;
    tv::TPoint At, Caret;
  };
  const Row rows[] = {
      {"left", "abc", haLeft, vaTop, false, {100, 50}, {131, 49}},
      {"too wide, left: start shows", "abcdefg", haLeft, vaCenter, false, {100, 52}, {150, 49}},
      {"too wide, end shown", "abcdefg", haLeft, vaCenter, true, {80, 52}, {150, 49}},
      {"too wide, centred", "abcdefg", haCenter, vaBottom, false, {90, 55}, {150, 49}},
      {"right", "abc", haRight, vaCenter, false, {120, 52}, {150, 49}},
      {"empty", "", haLeft, vaTop, false, {100, 50}, {101, 49}},
      {"odd spare rows go below", "ab", haCenter, vaCenter, false, {115, 52}, {136, 49}},
  };
  for (const Row& row : rows) {
    c.Clear();
    const tv::TPoint caret = TTextGrid::DrawTextAligned(c, row.Text, r, row.H, row.V, row.ShowEnd);
    ASSERT_EQ(c.Calls().size(), 1u) << row.Name;
    EXPECT_EQ(c.Calls()[0].Op, TCanvasOp::TextRect) << row.Name;
    EXPECT_EQ(c.Calls()[0].Rect, r) << row.Name;
    EXPECT_EQ(c.Calls()[0].To, row.At) << row.Name;
    EXPECT_EQ(caret, row.Caret) << row.Name;
  }
}

TEST(TextPlacement, DrawTextLines) {
  tv::TRecordingCanvas c;
  c.CharWidth = 10;
  c.CellHeight = 10;
  const tv::TRect r{0, 0, 100, 41};
  struct Row {
    const char* Text;
    std::vector<std::string> Lines;
  };
  for (const Row& row : {Row{"ab;cd", {"ab", "cd"}}, Row{"ab;cd;", {"ab", "cd"}}, Row{"ab;;cd", {"ab", "", "cd"}},
                         Row{";", {""}}, Row{"a\rb;c", {"a", "b", "c"}}}) {
    c.Clear();
    TTextGrid::DrawTextLines(c, row.Text, r, haCenter, vaCenter);
    const auto calls = c.CallsOf(TCanvasOp::TextRect);
    ASSERT_EQ(calls.size(), row.Lines.size()) << row.Text;
    const int n = static_cast<int>(row.Lines.size());
    for (int i = 0; i < n; ++i) {
      EXPECT_EQ(calls[static_cast<std::size_t>(i)].Text, row.Lines[static_cast<std::size_t>(i)]) << row.Text;
      EXPECT_EQ(calls[static_cast<std::size_t>(i)].To.Y, (41 - n * 10) / 2 + i * 10) << row.Text;
    }
  }
  c.Clear();
  TTextGrid::DrawTextLines(c, "a;b;c", r, haRight, vaBottom);
  const auto calls = c.CallsOf(TCanvasOp::TextRect);
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].To, (tv::TPoint{90, 11}));
  EXPECT_EQ(calls[2].To, (tv::TPoint{90, 31}));
  // A text without ";" goes through the one-line placement, line breaks and all.
  c.Clear();
  TTextGrid::DrawTextLines(c, "a\rb", r, haLeft, vaTop);
  ASSERT_EQ(c.Calls().size(), 1u);
  EXPECT_EQ(c.Calls()[0].Text, "a\rb");
}

// The pass visits only cells that can meet the cell area: a million rows
// cost what the visible rows cost.
TEST(PaintScale, MillionRowsPaintOnlyTheVisibleCells) {
  TGridFixture f(600, 400);
  TTextGrid& g = f.Grid;
  g.SetColCount(20);
  g.SetRowCount(1'000'000);
  g.SetScrollY(500'000 * 18);
  g.SetScrollX(700);
  int cells = 0;
  g.OnDrawCell = [&](TTextGrid&, tv::TCanvas&, int, int, tv::TRect, bool&) { ++cells; };
  f.Host.ClearLogs();
  g.Paint();
  // Client 583 x 383: cell area 563 x 365 pixels, 8 or 9 columns of 80, 21 rows.
  EXPECT_GE(cells, 8 * 20);
  EXPECT_LE(cells, 9 * 22);
  EXPECT_LT(f.Host.Recorder.Calls().size(), 5000u);
}

TEST(PaintScale, DegenerateClientSizes) {
  for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {-40, 30}, {30, -40}}) {
    TGridFixture f(w, h);
    f.Grid.SetColCount(3);
    f.Grid.SetShowFooter(true);
    f.Grid.SetGutterKind(gkNumber);
    f.Grid.Paint();
    f.Grid.SetShowFooter(false);
    f.Grid.Paint();
    f.Grid.RepaintCellText(0, 0, true);
  }
}

}  // namespace
