// The two drags that change data: sizing a column by its right border (with
// and without FitToWidth) and the fill handle's drag and drop.
#include <gtest/gtest.h>

#include <stdexcept>

#include "FakeGridHost.h"

namespace {

using TStrings = std::vector<std::string>;

// Client 300 x 300, gutter 20, header 18, four columns of 60, ten rows.
// Row r's centre is at client y 27 + 18r.
int Y(int Row) { return 27 + 18 * Row; }

struct DragsTest : ::testing::Test {
  TGridFixture F{300, 300};
  TTextGrid& G = F.Grid;
  TFakeGridHost& H = F.Host;
  TStrings Log;
  void SetUp() override {
    G.SetColCount(4);
    for (int c = 0; c < 4; ++c) G.Columns()[c].SetWidth(60);
    G.SetRowCount(10);
    H.ClearLogs();
  }
  std::vector<int> Widths() const {
    std::vector<int> widths;
    for (int c = 0; c < G.ColCount(); ++c) widths.push_back(G.Columns()[c].Width());
    return widths;
  }
  // Presses the border found at (Px, Py), moves with the left button to each
  // x in turn and releases at the last.
  void SizeBorder(int Px, int Py, std::initializer_list<int> Xs) {
    G.MouseMove(0, Px, Py);
    ASSERT_EQ(G.Cursor(), crHSplit);
    G.MouseDown(mbLeft, ssLeft, Px, Py);
    int last = Px;
    for (int x : Xs) {
      G.MouseMove(ssLeft, x, Py);
      last = x;
    }
    G.MouseUp(mbLeft, 0, last, Py);
  }
  // The client centre of visible cell (Col, Row).
  tv::TPoint At(int Col, int Row) const {
    const tv::TRect r = G.ToClientRect(G.CellBounds(Col, Row));
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // Selects the block from (C0, R0) to (C1, R1) with the mouse, paints (to
  // place the fill handle) and presses the handle with Button.
  void PressFillHandle(int C0, int R0, int C1, int R1, TMouseButton Button = mbLeft, TShiftState Held = ssLeft) {
    const tv::TPoint from = At(C0, R0), to = At(C1, R1);
    G.MouseMove(0, from.X, from.Y);
    G.MouseDown(mbLeft, ssLeft, from.X, from.Y);
    G.MouseMove(ssLeft, to.X, to.Y);
    G.MouseUp(mbLeft, 0, to.X, to.Y);
    G.Paint();
    const tv::TRect h = G.FillHandleRect();
    G.MouseMove(0, h.Left + 2, h.Top + 2);
    ASSERT_EQ(G.Cursor(), crGridCross);
    G.MouseDown(Button, Held, h.Left + 2, h.Top + 2);
    ASSERT_EQ(G.FillSource(), G.SelArea());
  }
  // The same with the left button, dragged to cell (C, R) and dropped there.
  void FillDrag(int C0, int R0, int C1, int R1, int C, int R) {
    PressFillHandle(C0, R0, C1, R1);
    const tv::TPoint drop = At(C, R);
    G.MouseMove(ssLeft, drop.X, drop.Y);
    G.MouseUp(mbLeft, 0, drop.X, drop.Y);
  }
  // Six columns of 40.
  void SixColumns() {
    G.SetColCount(6);
    for (int c = 0; c < 6; ++c) G.Columns()[c].SetWidth(40);
  }
  TStrings Column(int Col, int From, int To) const {
    TStrings texts;
    for (int r = From; r <= To; ++r) texts.push_back(G.CellTextOrEmpty(Col, r));
    return texts;
  }
  TStrings Row(int R) const {
    TStrings texts;
    for (int c = 0; c < G.ColCount(); ++c) texts.push_back(G.CellTextOrEmpty(c, R));
    return texts;
  }
};

TEST_F(DragsTest, BorderDragSizesTheColumn) {
  // The right border of column 1 is at client x 140.
  SizeBorder(140, Y(2), {170});
  EXPECT_EQ(Widths(), (std::vector<int>{60, 90, 60, 60}));
  EXPECT_EQ(G.ColumnLeft(2), 150);  // the later columns moved right
  EXPECT_EQ(G.ColumnsExtent(), 270);
  EXPECT_EQ(G.SizingCol(), 1);
  EXPECT_EQ(G.SizingColLeft(), 60);
  // Left of the column's left edge: 5 pixels.
  SizeBorder(170, 5, {100, 60});
  EXPECT_EQ(Widths(), (std::vector<int>{60, 5, 60, 60}));
  // Each step lays out and invalidates right of the gutter.
  H.ClearLogs();
  SizeBorder(80, Y(2), {120});
  EXPECT_EQ(Widths(), (std::vector<int>{100, 5, 60, 60}));
  EXPECT_EQ(H.Invalidated.back(), (tv::TRect{20, 0, 300, 300}));
}

TEST_F(DragsTest, BorderDragWithFitToWidthTradesWithTheNextColumn) {
  G.SetGutterKind(gkNone);
  G.SetFitToWidth(true);  // four columns of 75 fill the 300 pixels
  ASSERT_EQ(Widths(), (std::vector<int>{75, 75, 75, 75}));
  SizeBorder(75, Y(2), {95});
  EXPECT_EQ(Widths(), (std::vector<int>{95, 55, 75, 75}));
  SizeBorder(95, Y(2), {280});  // the next column keeps 5
  EXPECT_EQ(Widths(), (std::vector<int>{145, 5, 75, 75}));
  // The last column's border shows the split cursor but does not move.
  SizeBorder(299, Y(2), {250});
  EXPECT_EQ(Widths(), (std::vector<int>{145, 5, 75, 75}));
}

// With FitToWidth in a client too narrow for the fixed columns, the two
// resizable columns share 10 pixels or fewer: the pointer is not followed,
// but a next column below 5 pixels gets its 5 from the sized one, as long
// as that one keeps a pixel; otherwise the widths stay.
TEST_F(DragsTest, BorderDragWithLittleRoom) {
  struct Case {
    const char* Name;
    int Fixed;  // width of the two fixed columns
    std::vector<int> Before, After;
  };
  const Case cases[] = {
      {"room 8: the next column gets its 5 pixels", 146, {4, 4, 146, 146}, {3, 5, 146, 146}},
      {"room 6: the sized column keeps one", 147, {3, 3, 147, 147}, {1, 5, 147, 147}},
      {"room 0: nothing to share", 150, {0, 0, 150, 150}, {0, 0, 150, 150}},
      {"room 10", 145, {5, 5, 145, 145}, {5, 5, 145, 145}},
      {"room 12", 144, {6, 6, 144, 144}, {7, 5, 144, 144}},
  };
  for (const Case& c : cases) {
    TGridFixture f(300, 300);
    TTextGrid& g = f.Grid;
    g.SetGutterKind(gkNone);
    g.SetColCount(4);
    g.SetRowCount(3);
    // The two columns already share the room (the fit leaves none of them
    // narrower than 5 pixels, but a program may).
    for (int i = 0; i < 4; ++i) g.Columns()[i].SetWidth(i < 2 ? c.Before[i] : c.Fixed);
    g.Columns()[2].SetCanResize(false);
    g.Columns()[3].SetCanResize(false);
    g.SetFitToWidth(true);
    std::vector<int> widths;
    for (int i = 0; i < 4; ++i) widths.push_back(g.Columns()[i].Width());
    EXPECT_EQ(widths, c.Before) << c.Name;
    const int border = c.Before[0];
    g.MouseMove(0, border, 20);
    EXPECT_EQ(g.Cursor(), crHSplit) << c.Name;
    g.MouseDown(mbLeft, ssLeft, border, 20);
    g.MouseMove(ssLeft, border + 30, 20);
    g.MouseUp(mbLeft, 0, border + 30, 20);
    widths.clear();
    for (int i = 0; i < 4; ++i) widths.push_back(g.Columns()[i].Width());
    EXPECT_EQ(widths, c.After) << c.Name;
  }
}

TEST_F(DragsTest, FillDropRepeatsTheSourceBlock) {
  struct Case {
    const char* Name;
    int C0, R0, C1, R1;  // source
    int C, R;            // the cell the handle is dropped on
    int Col;             // the column looked at, rows 0 .. 9
    TStrings Texts;
  };
  const Case cases[] = {
      {"two rows over six rows", 1, 0, 1, 1, 1, 5, 1, {"A", "B", "A", "B", "A", "B", "", "", "", ""}},
      {"two rows dragged up", 1, 5, 1, 6, 1, 2, 1, {"", "", "B", "A", "B", "A", "B", "", "", ""}},
      {"one cell over a block", 1, 0, 1, 0, 3, 3, 2, {"A", "A", "A", "A", "", "", "", "", "", ""}},
  };
  for (const Case& c : cases) {
    for (int col = 0; col < 4; ++col) {
      for (int r = 0; r < 10; ++r) G.SetCellText(col, r, "");
    }
    const char* pattern[] = {"A", "B"};
    for (int r = c.R0; r <= c.R1; ++r) G.SetCellText(1, r, pattern[(r - c.R0) % 2]);
    FillDrag(c.C0, c.R0, c.C1, c.R1, c.C, c.R);
    EXPECT_EQ(Column(c.Col, 0, 9), c.Texts) << c.Name;
    EXPECT_EQ(G.FillSource(), (tv::TRect{-1, -1, -1, -1})) << c.Name;
    EXPECT_FALSE(G.PaintLocked()) << c.Name;
    EXPECT_FALSE(H.Captured) << c.Name;
    EXPECT_EQ(G.DragStartIndex(), -1) << c.Name;
    // The target stays selected; the current cell is the press's.
    EXPECT_EQ(G.CurCol(), c.C0) << c.Name;
    EXPECT_EQ(G.CurRow(), c.R0) << c.Name;
    EXPECT_EQ(G.SelArea(), (tv::TRect{std::min(c.C0, c.C), std::min(c.R0, c.R), std::max(c.C1, c.C),
                                      std::max(c.R1, c.R)}))
        << c.Name;
  }
}

TEST_F(DragsTest, FillDropByColumnsOverReadOnlyAndHiddenColumns) {
  SixColumns();
  G.Columns()[2].SetReadOnly(true);
  G.SetCellText(2, 0, "keep");
  // Source columns 0 and 1 (P, Q) dropped over columns 0 .. 5: the read-only
  // column keeps its text but counts as a place of the pattern.
  G.SetCellText(0, 0, "P");
  G.SetCellText(1, 0, "Q");
  std::vector<std::pair<int, int>> edits;
  G.OnCellChanging = [&](TTextGrid&, int Col, int Row, bool&) { edits.emplace_back(Col, Row); };
  FillDrag(0, 0, 1, 0, 5, 0);
  EXPECT_EQ(Row(0), (TStrings{"P", "Q", "keep", "Q", "P", "Q"}));
  EXPECT_EQ(edits, (std::vector<std::pair<int, int>>{{3, 0}, {4, 0}, {5, 0}}));
  // A hidden column in the target keeps its texts; the pattern runs over the
  // visible columns only.
  for (int c = 2; c < 6; ++c) G.SetCellText(c, 1, "");
  G.SetCellText(0, 1, "P");
  G.SetCellText(1, 1, "Q");
  G.Columns()[2].SetReadOnly(false);
  G.Columns()[3].SetVisible(false);
  G.SetCellText(3, 1, "hidden");
  FillDrag(0, 1, 1, 1, 5, 1);
  EXPECT_EQ(Row(1), (TStrings{"P", "Q", "P", "hidden", "Q", "P"}));
}

// A source whose own columns include a hidden one is counted in visible
// columns: the period is two, not three, and no place falls beyond them.
TEST_F(DragsTest, FillDropWithAHiddenColumnInTheSource) {
  SixColumns();
  G.SetCellText(0, 0, "P");
  G.SetCellText(1, 0, "hidden");
  G.SetCellText(2, 0, "Q");
  G.Columns()[1].SetVisible(false);
  // The source (0, 0) .. (2, 0), dropped over columns 0 .. 5.
  FillDrag(0, 0, 2, 0, 5, 0);
  EXPECT_EQ(Row(0), (TStrings{"P", "hidden", "Q", "P", "Q", "P"}));
}

TEST_F(DragsTest, FillDropThatWritesNothing) {
  G.SetCellText(1, 0, "A");
  // A read-only grid: the target is selected, nothing written.
  G.SetReadOnly(true);
  FillDrag(1, 0, 1, 0, 3, 3);
  EXPECT_EQ(Column(2, 0, 3), (TStrings{"", "", "", ""}));
  EXPECT_EQ(G.SelArea(), (tv::TRect{1, 0, 3, 3}));
  EXPECT_EQ(G.FillSource(), (tv::TRect{-1, -1, -1, -1}));
  // A handler that refuses every change: the target stays as it was.
  G.SetReadOnly(false);
  G.OnCellChanging = [](TTextGrid&, int, int, bool& CanChange) { CanChange = false; };
  FillDrag(1, 0, 1, 0, 3, 3);
  EXPECT_EQ(Column(2, 0, 3), (TStrings{"", "", "", ""}));
  EXPECT_EQ(G.FillSource(), (tv::TRect{-1, -1, -1, -1}));
  // A source without rows (a column press in a grid without rows leaves
  // one): no period of zero; nothing written, the source frame gone.
  G.OnCellChanging = nullptr;
  TTextGridTestAccess::SetSelArea(G, {1, 0, 3, 3});
  TTextGridTestAccess::SetFillSource(G, {1, 0, 1, -1});
  TTextGridTestAccess::SetCursorState(G, crGridCross);
  H.ClearLogs();
  G.MouseUp(mbLeft, 0, 200, Y(3));
  EXPECT_EQ(Column(2, 0, 3), (TStrings{"", "", "", ""}));
  EXPECT_EQ(G.FillSource(), (tv::TRect{-1, -1, -1, -1}));
  EXPECT_FALSE(H.Invalidated.empty());
  EXPECT_FALSE(G.PaintLocked());
  // A source whose only column was hidden since the press: no visible
  // column to repeat; nothing written, the source frame gone.
  G.Columns()[1].SetVisible(false);
  TTextGridTestAccess::SetSelArea(G, {0, 0, 3, 3});
  TTextGridTestAccess::SetFillSource(G, {1, 0, 1, 0});
  TTextGridTestAccess::SetCursorState(G, crGridCross);
  H.ClearLogs();
  G.MouseUp(mbLeft, 0, 200, Y(3));
  EXPECT_EQ(Column(0, 0, 3), (TStrings{"", "", "", ""}));
  EXPECT_EQ(Column(2, 0, 3), (TStrings{"", "", "", ""}));
  EXPECT_EQ(G.FillSource(), (tv::TRect{-1, -1, -1, -1}));
  EXPECT_FALSE(H.Invalidated.empty());
  EXPECT_FALSE(G.PaintLocked());
}

// Every press ends without a fill source left behind: a fill drag begun
// with another button and released away from the handle is given up (no
// cell written), and a source whose release never came goes at the next
// press or when the host reports the release lost. No stale block makes a
// paint fail, even once the columns and rows under it are gone.
TEST_F(DragsTest, NoFillDragOutlivesItsPress) {
  G.SetCellText(1, 1, "A");
  const auto pressHandle = [&](TMouseButton Button, TShiftState Held) {
    PressFillHandle(1, 1, 1, 1, Button, Held);
    ASSERT_EQ(G.FillSource(), (tv::TRect{1, 1, 1, 1}));
  };
  struct Row {
    const char* Name;
    TMouseButton Button;
    TShiftState Held;
  };
  for (const Row& r : {Row{"right", mbRight, ssRight}, Row{"middle", mbMiddle, ssMiddle}}) {
    pressHandle(r.Button, r.Held);
    const tv::TPoint away = At(3, 6);
    G.MouseMove(r.Held, away.X, away.Y);  // no left button: the cursor follows
    G.MouseUp(r.Button, 0, away.X, away.Y);
    EXPECT_EQ(G.FillSource(), (tv::TRect{-1, -1, -1, -1})) << r.Name;
    EXPECT_EQ(G.DragStartIndex(), -1) << r.Name;
    EXPECT_FALSE(H.Captured) << r.Name;
    EXPECT_EQ(Column(1, 0, 7), (TStrings{"", "A", "", "", "", "", "", ""})) << r.Name;
  }
  // A release that never came: the next press drops the source first.
  pressHandle(mbLeft, ssLeft);
  const tv::TPoint other = At(2, 4);
  G.MouseMove(0, other.X, other.Y);
  G.MouseDown(mbLeft, ssLeft, other.X, other.Y);
  EXPECT_EQ(G.FillSource(), (tv::TRect{-1, -1, -1, -1}));
  G.MouseUp(mbLeft, 0, other.X, other.Y);
  // ... or the host says so: the drag ends without a drop.
  pressHandle(mbLeft, ssLeft);
  G.MouseMove(ssLeft, At(1, 5).X, At(1, 5).Y);
  G.CancelMouseDrag();
  EXPECT_EQ(G.FillSource(), (tv::TRect{-1, -1, -1, -1}));
  EXPECT_FALSE(H.Captured);
  EXPECT_EQ(G.DragStartIndex(), -1);
  EXPECT_EQ(Column(1, 0, 7), (TStrings{"", "A", "", "", "", "", "", ""}));
  // Blocks beyond the grid: the paint frames only what is inside, and the
  // count setters drop a source that no longer fits.
  TTextGridTestAccess::SetFillSource(G, {2, 3, 3, 8});
  TTextGridTestAccess::SetSelArea(G, {1, 2, 3, 9});
  TTextGridTestAccess::SetCurrent(G, 1, 2);
  G.Columns().Delete(3);
  EXPECT_EQ(G.FillSource(), (tv::TRect{-1, -1, -1, -1}));
  EXPECT_EQ(G.SelArea(), (tv::TRect{1, 2, 2, 9}));
  TTextGridTestAccess::SetFillSource(G, {2, 3, 2, 8});
  G.SetRowCount(5);
  EXPECT_EQ(G.FillSource(), (tv::TRect{-1, -1, -1, -1}));
  TTextGridTestAccess::SetFillSource(G, {1, 1, 7, 40});
  TTextGridTestAccess::SetSelArea(G, {0, 3, 9, 30});
  EXPECT_NO_THROW(G.Paint());
}

// An error of a cell event's handler ends the drop, but the painting lock,
// the source, the capture and DragStartIndex are all given back.
TEST_F(DragsTest, FillDropCleansUpAfterAnError) {
  G.SetCellText(1, 0, "A");
  G.OnCellChange = [](TTextGrid&, int, int Row, std::string&) {
    if (Row == 2) throw std::runtime_error("refused");
  };
  EXPECT_THROW(FillDrag(1, 0, 1, 0, 1, 4), std::runtime_error);
  EXPECT_EQ(Column(1, 0, 4), (TStrings{"A", "A", "", "", ""}));
  EXPECT_FALSE(G.PaintLocked());
  EXPECT_EQ(G.FillSource(), (tv::TRect{-1, -1, -1, -1}));
  EXPECT_FALSE(H.Captured);
  EXPECT_EQ(G.DragStartIndex(), -1);
  // The grid paints and drags again.
  G.OnCellChange = nullptr;
  G.MouseMove(0, 5, 5);
  FillDrag(1, 0, 1, 0, 1, 4);
  EXPECT_EQ(Column(1, 0, 4), (TStrings{"A", "A", "A", "A", "A"}));
}

}  // namespace
