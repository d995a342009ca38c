// The mouse: the seven hit-test zones with their cursors, the presses that
// select all, a row, a column or a cell (and open the editor), the drags of
// the selection, the release, and presses on a cursor left from an earlier
// hover.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <iterator>
#include <memory>
#include <random>

#include "FakeGridHost.h"

namespace {

using TCells = std::vector<std::pair<int, int>>;
using TStrings = std::vector<std::string>;

// Client 300 x 300, gutter 20, header 18, four columns of 60 (right edge at
// x 260), ten rows (bottom at y 198). The centre of cell (c, r) is at client
// (50 + 60c, 27 + 18r); the right border of column c at x 80 + 60c.
int X(int Col) { return 50 + 60 * Col; }
int Y(int Row) { return 27 + 18 * Row; }

void SetUpGrid(TTextGrid& G) {
  G.SetColCount(4);
  for (int c = 0; c < 4; ++c) G.Columns()[c].SetWidth(60);
  G.SetRowCount(10);
}

struct MouseTest : ::testing::Test {
  TGridFixture F{300, 300};
  TTextGrid& G = F.Grid;
  TFakeGridHost& H = F.Host;
  TStrings Log;
  void SetUp() override {
    TTextGrid::CaretShown = false;
    SetUpGrid(G);
    G.OnColRowChanged = [this](TTextGrid&, int Col, int Row) {
      Log.push_back("cell " + std::to_string(Col) + "," + std::to_string(Row));
    };
    G.OnHeaderClick = [this](TTextGrid&, int Col, TMouseButton Button, TShiftState Shift) {
      Log.push_back("header " + std::to_string(Col) + " " + std::to_string(Button) + " " + std::to_string(Shift));
    };
    G.OnGutterClick = [this](TTextGrid&, int Row, TMouseButton Button, TShiftState Shift) {
      Log.push_back("gutter " + std::to_string(Row) + " " + std::to_string(Button) + " " + std::to_string(Shift));
    };
    G.OnMouseDown = [this](TTextGrid&, TMouseButton, TShiftState, int, int) { Log.push_back("down"); };
    G.OnMouseUp = [this](TTextGrid&, TMouseButton, TShiftState, int, int) { Log.push_back("up"); };
    H.ClearLogs();
  }
  void Hover(int Px, int Py) { G.MouseMove(0, Px, Py); }
  void Press(int Px, int Py, TMouseButton Button = mbLeft, TShiftState Shift = ssLeft) {
    Hover(Px, Py);
    G.MouseDown(Button, Shift, Px, Py);
  }
  void Drag(int Px, int Py) { G.MouseMove(ssLeft, Px, Py); }
  void Release(int Px, int Py, TMouseButton Button = mbLeft) { G.MouseUp(Button, 0, Px, Py); }
  void Click(int Px, int Py) {
    Press(Px, Py);
    Release(Px, Py);
  }
};

TEST(MouseZones, SevenZonesAndTheirCursors) {
  struct Row {
    const char* Name;
    std::function<void(TTextGrid&)> Setup;
    int Px, Py;
    int Zone;
    std::int16_t Cursor;
    int SizingCol;  // -1: not set
  };
  const auto none = [](TTextGrid&) {};
  const Row rows[] = {
      {"corner", none, 5, 5, 1, crGridLeftTop, -1},
      {"gutter", none, 5, Y(3), 2, crGridRight, -1},
      {"gutter below the last row", none, 5, 250, 0, crDefault, -1},
      {"header", none, X(1), 5, 3, crGridDown, -1},
      {"header right of the last column", none, 280, 5, 0, crDefault, -1},
      {"cell", none, X(2), Y(4), 4, crGridPlus, -1},
      {"below the last row", none, X(2), 250, 0, crDefault, -1},
      {"line x = GutterExtent", none, 20, Y(3), 0, crDefault, -1},
      {"line y = HeaderExtent", none, X(1), 18, 0, crDefault, -1},
      {"border in a cell", none, 80, Y(3), 5, crHSplit, 0},
      {"border one pixel left, in the header", none, 79, 5, 5, crHSplit, 0},
      {"border one pixel right", none, 81, Y(3), 5, crHSplit, 0},
      {"two pixels right of a border", none, 82, Y(3), 4, crGridPlus, -1},
      {"last column's border below the rows", none, 260, 250, 5, crHSplit, 3},
      {"a fixed column shows no border", [](TTextGrid& G) { G.Columns()[1].SetCanResize(false); }, 140, Y(3), 4,
       crGridPlus, 1},
      {"a fixed column hides a later border in its pixels",
       [](TTextGrid& G) {
         G.Columns()[0].SetCanResize(false);
         G.Columns()[1].SetWidth(2);
       },
       81, Y(3), 4, crGridPlus, 0},
      {"no border with AutoColWidth", [](TTextGrid& G) { G.SetAutoColWidth(true); }, 80, Y(3), 4, crGridPlus, -1},
      {"no gutter: no corner", [](TTextGrid& G) { G.SetGutterKind(gkNone); }, 5, 5, 3, crGridDown, -1},
      // The handle of the selected cell (0, 0): client (77, 33) .. (83, 39).
      {"fill handle", [](TTextGrid& G) { G.Paint(); }, 78, 35, 6, crGridCross, -1},
      {"the fill handle wins over a border", [](TTextGrid& G) { G.Paint(); }, 80, 35, 6, crGridCross, 0},
  };
  for (const Row& r : rows) {
    auto f = std::make_unique<TGridFixture>(300, 300);
    SetUpGrid(f->Grid);
    r.Setup(f->Grid);
    EXPECT_EQ(f->Grid.HitTest(r.Px, r.Py), r.Zone) << r.Name;
    EXPECT_EQ(f->Grid.SizingCol(), r.SizingCol) << r.Name;
    f->Grid.MouseMove(0, r.Px, r.Py);
    EXPECT_EQ(f->Grid.Cursor(), r.Cursor) << r.Name;
    EXPECT_EQ(f->Host.CursorShown, r.Cursor) << r.Name;
  }
}

// A client of no size or a negative one, and columns that fitting to such a
// width leaves narrower than nothing: every point is still one of the zones,
// the mappings give a column and row of the grid or -1, and presses and drags
// anywhere keep the current cell and the selection inside the grid.
TEST(MouseZones, DegenerateClientSizesAndColumnWidths) {
  for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {-30, -5}, {5, 400}, {300, 300}}) {
    for (const bool fit : {false, true}) {
      SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + (fit ? " fitted" : ""));
      TGridFixture f(w, h);
      TTextGrid& g = f.Grid;
      SetUpGrid(g);
      g.SetShowFooter(true);
      g.SetFitToWidth(fit);
      if (fit) g.Columns()[2].SetWidth(-12);
      for (int y = -40; y <= 340; y += 9)
        for (int x = -40; x <= 340; x += 11) {
          const int zone = g.HitTest(x, y);
          ASSERT_GE(zone, 0);
          ASSERT_LE(zone, 6);
          const int col = g.ColumnAtX(x), row = g.RowAtY(y);
          ASSERT_GE(col, -1);
          ASSERT_LT(col, 4);
          ASSERT_GE(row, -1);
          ASSERT_LT(row, 10);
          g.MouseMove(0, x, y);
          g.MouseDown(mbLeft, ssLeft, x, y);
          g.MouseMove(ssLeft, 340 - x, 340 - y);
          g.MouseUp(mbLeft, 0, 340 - x, 340 - y);
          ASSERT_GE(g.CurCol(), 0);
          ASSERT_LT(g.CurCol(), 4);
          ASSERT_GE(g.CurRow(), 0);
          ASSERT_LT(g.CurRow(), 10);
          const tv::TRect sel = g.SelArea();
          ASSERT_TRUE(sel.Left >= 0 && sel.Right < 4 && sel.Left <= sel.Right) << x << "," << y;
          ASSERT_TRUE(sel.Top >= 0 && sel.Bottom < 10 && sel.Top <= sel.Bottom) << x << "," << y;
        }
      for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 10; ++r) EXPECT_NO_THROW(g.CellBounds(c, r));
    }
  }
}

// Grids at the far end of the 32-bit pixel range, scrolled there, where a
// point beyond the window lies beyond the range: the most rows a grid with
// a header line takes (its footer shown), columns whose widths and the
// gutter fill the range, and both.
const std::int32_t MostRows = INT32_MAX / 18 - 2;  // with the header line and the footer row

void SetUpMostRows(TTextGrid& G) {
  G.SetShowFooter(true);
  G.SetRowCount(MostRows);
  G.SetScrollY(G.ScrollYMax());
}

void SetUpWidestColumns(TTextGrid& G) {
  // 20 + 2 + 3 * 715,827,875 = INT32_MAX
  G.Columns()[0].SetWidth(2);
  for (int c = 1; c < 4; ++c) G.Columns()[c].SetWidth(715'827'875);
  G.SetScrollX(G.ScrollXMax());
}

// A drag from the cells into the footer and on below the window selects
// down to the last row; a row drag there keeps the rows it reached; the
// release and the hover there find no zone.
TEST_F(MouseTest, DragsBelowTheWindowAtTheMostRows) {
  SetUpMostRows(G);
  ASSERT_EQ(G.ScrollY(), G.ScrollYMax());
  const std::int32_t row = G.CellAtPoint(X(1), 100).Y;
  Press(X(1), 100);
  ASSERT_EQ(G.CurRow(), row);
  for (const int y : {G.FooterTop() + 5, 295, 400, INT32_MAX}) {
    SCOPED_TRACE(y);
    Drag(X(1), y);
    EXPECT_EQ(G.MarkRow(), MostRows - 1);
    EXPECT_EQ(G.SelArea(), (tv::TRect{1, row, 1, MostRows - 1}));
  }
  Release(X(1), INT32_MAX);
  EXPECT_EQ(G.Cursor(), crDefault);

  Press(5, 100);
  ASSERT_EQ(G.Cursor(), crGridRight);
  Drag(5, 400);
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, row, 3, row}));
  Release(5, 400);
  Hover(X(1), INT32_MAX);
  EXPECT_EQ(G.Cursor(), crDefault);
}

// The same to the right: a cell drag and a header drag beyond the window
// reach the last column, and a border dragged on as far as the pointer goes
// widens its column only as far as the range holds.
TEST_F(MouseTest, DragsRightOfTheWindowOfTheWidestColumns) {
  SetUpWidestColumns(G);
  ASSERT_EQ(G.ScrollX(), G.ScrollXMax());
  Press(100, Y(2));
  ASSERT_EQ(G.CurCol(), 3);
  Drag(INT32_MAX, Y(4));
  EXPECT_EQ(G.SelArea(), (tv::TRect{3, 2, 3, 4}));
  Release(INT32_MAX, Y(4));

  G.Columns()[3].SetWidth(100);  // client x 200 .. 299, column 2 left of it
  G.SetScrollX(G.ScrollXMax());
  Press(100, 5);
  ASSERT_EQ(G.Cursor(), crGridDown);
  ASSERT_EQ(G.CurCol(), 2);
  Drag(INT32_MAX, 5);
  EXPECT_EQ(G.SelArea(), (tv::TRect{2, 0, 3, 9}));
  Release(INT32_MAX, 5);

  G.SetScrollX(G.ScrollXMax());  // the header press scrolled column 2 in
  Press(299, Y(1));              // a pixel left of the last column's right border
  ASSERT_EQ(G.Cursor(), crHSplit);
  ASSERT_EQ(G.SizingCol(), 3);
  Drag(INT32_MAX, Y(1));
  EXPECT_EQ(G.Columns()[3].Width(), 715'827'875);
  EXPECT_EQ(G.ColumnsExtent(), INT32_MAX - 20);
  Release(INT32_MAX, Y(1));
}

// Any point, with any button held or none, in any of these grids: the hit
// test gives a zone, the mappings a cell, a row or a column of the grid (or
// -1), and presses, drags and releases there raise nothing and keep the
// current cell and the selection inside the grid. The grid is never painted,
// so that no fill handle shows: a fill drop over the most rows would write
// every one of them.
TEST(MouseZones, EveryPointAtTheEndsOfThePixelRange) {
  struct TGridCase {
    const char* Name;
    std::function<void(TTextGrid&)> Setup;
  };
  const TGridCase grids[] = {
      {"the most rows", SetUpMostRows},
      {"the widest columns", SetUpWidestColumns},
      {"both", [](TTextGrid& G) {
         SetUpMostRows(G);
         SetUpWidestColumns(G);
       }},
  };
  std::mt19937 random(2027);
  const std::int32_t extremes[] = {INT32_MIN, INT32_MIN + 1, -1, 0, 1, 17, 150, 283, 299, 300, 301, 400,
                                   INT32_MAX - 300, INT32_MAX - 1, INT32_MAX};
  const auto coordinate = [&]() -> std::int32_t {
    switch (random() % 3) {
      case 0: return extremes[random() % std::size(extremes)];
      case 1: return static_cast<std::int32_t>(random() % 400) - 50;
      default: return static_cast<std::int32_t>(random());
    }
  };
  const TShiftState buttons[] = {0, ssLeft, ssRight, ssLeft | ssShift};
  for (const TGridCase& c : grids) {
    SCOPED_TRACE(c.Name);
    TGridFixture f(300, 300);
    TTextGrid& g = f.Grid;
    SetUpGrid(g);
    c.Setup(g);
    const std::int32_t cols = g.ColCount(), rows = g.RowCount();
    for (int step = 0; step < 3000; ++step) {
      const std::int32_t x = coordinate(), y = coordinate();
      const std::string at = "step " + std::to_string(step) + " at " + std::to_string(x) + "," + std::to_string(y);
      try {
        const int zone = g.HitTest(x, y);
        ASSERT_TRUE(zone >= 0 && zone <= 6) << at;
        const tv::TPoint cell = g.CellAtPoint(x, y);
        ASSERT_TRUE(cell.X >= 0 && cell.X < cols && cell.Y >= 0 && cell.Y < rows) << at;
        const std::int32_t col = g.ColumnAtX(x), row = g.RowAtY(y);
        ASSERT_TRUE(col >= -1 && col < cols && row >= -1 && row < rows) << at;
        switch (random() % 4) {
          case 0: g.MouseMove(buttons[random() % std::size(buttons)], x, y); break;
          case 1: g.MouseDown(random() % 2 == 0 ? mbLeft : mbRight, ssLeft, x, y); break;
          case 2: g.MouseMove(ssLeft, x, y); break;
          default: g.MouseUp(mbLeft, 0, x, y); break;
        }
      } catch (const std::exception& e) {
        FAIL() << at << ": " << e.what();
      }
      ASSERT_TRUE(g.CurCol() >= 0 && g.CurCol() < cols && g.CurRow() >= 0 && g.CurRow() < rows) << at;
      const tv::TRect sel = g.SelArea();
      ASSERT_TRUE(sel.Left >= 0 && sel.Left <= sel.Right && sel.Right < cols) << at;
      ASSERT_TRUE(sel.Top >= 0 && sel.Top <= sel.Bottom && sel.Bottom < rows) << at;
    }
    EXPECT_NO_THROW(g.UpdateLayout());
  }
}

TEST_F(MouseTest, CornerPressSelectsAll) {
  TTextGridTestAccess::SetCurrent(G, 2, 5);
  Press(5, 5);
  EXPECT_EQ(G.CurCol(), 0);
  EXPECT_EQ(G.CurRow(), 0);
  EXPECT_EQ(G.MarkCol(), 3);
  EXPECT_EQ(G.MarkRow(), 9);
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 0, 3, 9}));
  EXPECT_EQ(Log, (TStrings{"cell 0,0", "down"}));
  EXPECT_TRUE(H.Captured);
  EXPECT_TRUE(H.HasFocus);
  Release(5, 5);
  EXPECT_FALSE(H.Captured);
  EXPECT_EQ(G.DragStartIndex(), -1);
  EXPECT_EQ(G.Cursor(), crGridLeftTop);
}

TEST_F(MouseTest, GutterPressSelectsTheRowWithTheHandleAtItsLeft) {
  Press(5, Y(7), mbLeft, ssLeft | ssCtrl);
  EXPECT_EQ(G.CurCol(), 0);
  EXPECT_EQ(G.CurRow(), 7);
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 7, 3, 7}));
  EXPECT_EQ(G.MarkCol(), 3);
  EXPECT_EQ(G.DragStartIndex(), 7);
  EXPECT_EQ(Log, (TStrings{"cell 0,7", "gutter 7 0 12", "down"}));
  // Dragging down over the gutter adds whole rows; above the rows nothing.
  Drag(5, Y(9));
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 7, 3, 9}));
  Drag(5, 5);
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 7, 3, 9}));
  Release(5, 5);
  G.Paint();
  // The frame's left edge is client x 19, its bottom y 198.
  EXPECT_EQ(G.FillHandleRect(), (tv::TRect{21, 195, 27, 201}));
  EXPECT_EQ(G.HandleCorner(), 0);
}

TEST_F(MouseTest, HeaderPressSelectsTheColumnAndScrollsToRowZero) {
  G.SetRowCount(100);
  G.SetScrollY(40 * 18);
  TTextGridTestAccess::SetCurrent(G, 0, 45);
  Log.clear();
  Press(X(1), 5, mbRight, ssRight | ssShift);
  EXPECT_EQ(G.SelArea(), (tv::TRect{1, 0, 1, 99}));
  EXPECT_EQ(G.CurCol(), 1);
  EXPECT_EQ(G.CurRow(), 0);
  EXPECT_EQ(G.ScrollY(), 0);
  EXPECT_EQ(Log, (TStrings{"cell 1,0", "header 1 1 17", "down"}));
}

TEST_F(MouseTest, HeaderDragAcrossColumnsAndBack) {
  Press(X(0), 5);
  H.ClearLogs();
  Drag(X(0) + 20, 5);  // within the same header: nothing
  EXPECT_TRUE(H.NothingInvalidated());
  for (int c = 1; c <= 3; ++c) Drag(X(c), 5);
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 0, 3, 9}));
  EXPECT_EQ(G.MarkCol(), 3);
  EXPECT_EQ(G.HandleCorner(), 1);
  Drag(X(2), 5);
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 0, 2, 9}));
  Drag(10, 5);  // over the gutter: ignored
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 0, 2, 9}));
  EXPECT_EQ(G.CurCol(), 0);
  EXPECT_EQ(Log, (TStrings{"cell 0,0", "header 0 0 8", "down"}));
}

TEST_F(MouseTest, CellPressesSelectAndOpenTheEditor) {
  // A 3 x 3 block with the current cell at its top-left: a press on the
  // current cell opens the editor, the block stays.
  TTextGridTestAccess::SetSelArea(G, {0, 0, 2, 2});
  Click(X(0), Y(0));
  EXPECT_TRUE(G.EditorActive());
  EXPECT_EQ(H.EditorShows, 1);
  EXPECT_TRUE(H.EditorShown);
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 0, 2, 2}));
  EXPECT_EQ(Log, (TStrings{"cell 0,0", "down", "up"}));
  // Another cell of the block: the selection collapses onto it.
  Log.clear();
  Click(X(1), Y(2));
  EXPECT_FALSE(H.EditorShown);
  EXPECT_FALSE(G.EditorActive());
  EXPECT_EQ(G.SelArea(), (tv::TRect{1, 2, 1, 2}));
  EXPECT_EQ(G.MarkCol(), 1);
  EXPECT_EQ(Log, (TStrings{"cell 1,2", "down", "up"}));
  // Read-only column or grid: no editor, the notice still comes.
  struct Row {
    const char* Name;
    bool GridReadOnly, ColumnReadOnly;
  };
  for (const Row& r : {Row{"grid", true, false}, Row{"column", false, true}}) {
    G.SetReadOnly(r.GridReadOnly);
    G.Columns()[1].SetReadOnly(r.ColumnReadOnly);
    Log.clear();
    Click(X(1), Y(2));
    EXPECT_FALSE(G.EditorActive()) << r.Name;
    EXPECT_FALSE(H.EditorShown) << r.Name;
    EXPECT_EQ(Log, (TStrings{"cell 1,2", "down", "up"})) << r.Name;
  }
}

// A press acts on the cursor of the last hover, wherever it lands. One that
// lands on the current cell opens the editor only over a cell that shows:
// right of the last visible column it finds the last column, left of the
// cells the first; hidden, either takes a press on it, but no editor.
TEST(MouseEditor, NoEditorOverAHiddenCurrentCell) {
  struct Row {
    const char* Name;
    int Col, Px;
  };
  const Row rows[] = {{"last column, press right of the cells", 3, 290},
                      {"first column, press left of the cells", 0, 5}};
  for (const Row& r : rows) {
    for (const bool hidden : {false, true}) {
      TGridFixture f{300, 300};
      TTextGrid& g = f.Grid;
      SetUpGrid(g);
      TTextGridTestAccess::SetCurrent(g, r.Col, 2);
      TTextGridTestAccess::SetSelArea(g, {r.Col, 2, r.Col, 2});
      g.Columns()[r.Col].SetVisible(!hidden);
      std::vector<std::pair<int, int>> cells;
      g.OnColRowChanged = [&](TTextGrid&, int Col, int Row) { cells.emplace_back(Col, Row); };
      g.MouseMove(0, X(1), Y(2));  // over a cell
      ASSERT_EQ(g.Cursor(), crGridPlus);
      g.MouseDown(mbLeft, ssLeft, r.Px, Y(2));
      g.MouseUp(mbLeft, 0, r.Px, Y(2));
      const std::string name = std::string(r.Name) + (hidden ? ", hidden" : ", shown");
      EXPECT_EQ(g.EditorActive(), !hidden) << name;
      EXPECT_EQ(f.Host.EditorShows, hidden ? 0 : 1) << name;
      EXPECT_EQ(cells, (std::vector<std::pair<int, int>>{{r.Col, 2}})) << name;  // the press found the current cell
      EXPECT_EQ(g.SelArea(), (tv::TRect{r.Col, 2, r.Col, 2})) << name;
    }
  }
}

TEST_F(MouseTest, RightButtonSelectsLikeTheLeftButDragsNothing) {
  Press(X(2), Y(3), mbRight, ssRight);
  EXPECT_EQ(G.SelArea(), (tv::TRect{2, 3, 2, 3}));
  G.MouseMove(ssRight, X(3), Y(5));  // no left button: the cursor follows
  EXPECT_EQ(G.SelArea(), (tv::TRect{2, 3, 2, 3}));
  G.MouseMove(ssRight, 5, 5);
  EXPECT_EQ(G.Cursor(), crGridLeftTop);
  Release(5, 5, mbRight);
  EXPECT_EQ(G.SelArea(), (tv::TRect{2, 3, 2, 3}));
}

TEST_F(MouseTest, CellDragSpansFromTheCurrentCell) {
  Press(X(2), Y(3));
  Log.clear();
  Drag(X(0), Y(1));
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 1, 2, 3}));
  Drag(X(3), Y(6));
  EXPECT_EQ(G.SelArea(), (tv::TRect{2, 3, 3, 6}));
  EXPECT_EQ(G.MarkCol(), 3);
  EXPECT_EQ(G.MarkRow(), 6);
  EXPECT_EQ(G.CurCol(), 2);
  EXPECT_EQ(G.CurRow(), 3);
  EXPECT_TRUE(Log.empty());  // no notice while dragging
  Release(X(3), Y(6));
  EXPECT_EQ(G.SelArea(), (tv::TRect{2, 3, 3, 6}));
  EXPECT_EQ(Log, TStrings{"up"});
}

// Each move beyond the bottom of the view selects one row further and
// scrolls it into view, up to the last row.
TEST_F(MouseTest, CellDragPastTheBottomScrollsWithEveryMove) {
  G.SetRowCount(40);  // 15 rows show
  Press(X(1), Y(10));
  std::vector<int> marks, scrolls;
  for (int i = 0; i < 30; ++i) {
    Drag(X(1), 295);
    marks.push_back(G.MarkRow());
    scrolls.push_back(G.ScrollY());
  }
  EXPECT_EQ(marks[0], 15);
  EXPECT_EQ(marks[1], 16);
  EXPECT_EQ(marks.back(), 39);
  EXPECT_EQ(scrolls.back(), G.ScrollYMax());
  EXPECT_EQ(G.SelArea(), (tv::TRect{1, 10, 1, 39}));
}

TEST_F(MouseTest, DisabledGridIgnoresPressesButReleases) {
  Hover(X(1), Y(1));
  G.SetEnabled(false);
  Log.clear();
  G.MouseMove(0, X(1), Y(1));
  EXPECT_EQ(G.Cursor(), crDefault);
  TTextGridTestAccess::SetCursorState(G, crGridPlus);
  G.MouseDown(mbLeft, ssLeft, X(1), Y(1));
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 0, 0, 0}));
  EXPECT_EQ(H.Captures, 0);
  EXPECT_FALSE(H.HasFocus);
  Release(5, 5);
  EXPECT_EQ(G.Cursor(), crGridLeftTop);
  EXPECT_EQ(H.CaptureReleases, 1);
  EXPECT_EQ(Log, (TStrings{"down", "up"}));
}

TEST_F(MouseTest, PressOnTheHeaderLineOnlyCapturesAndFocuses) {
  Press(X(1), 18);
  EXPECT_EQ(G.Cursor(), crDefault);
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 0, 0, 0}));
  EXPECT_EQ(H.Captures, 1);
  EXPECT_EQ(H.FocusRequests, 1);
  EXPECT_EQ(Log, TStrings{"down"});
}

// A cursor set by an earlier hover may no longer fit: the row under it was
// removed, or the grid lost every cell. Such a press selects nothing (it
// would make row or column -1 current) but still captures and focuses.
TEST_F(MouseTest, PressOnAStaleCursorSelectsNothing) {
  struct Row {
    const char* Name;
    int Px, Py;
    int Rows;  // after the hover
  };
  const Row rows[] = {
      {"gutter row removed", 5, Y(9), 5},
      {"cell of a grid without rows", X(1), Y(1), 0},
      {"corner of a grid without rows", 5, 5, 0},
      {"header of a grid without rows", X(1), 5, 0},
  };
  for (const Row& r : rows) {
    G.SetRowCount(10);
    TTextGridTestAccess::SetCurrent(G, 2, 2);
    G.SetSelArea({2, 2, 2, 2});
    Hover(r.Px, r.Py);
    G.SetRowCount(r.Rows);
    const tv::TRect sel = G.SelArea();
    const int col = G.CurCol(), row = G.CurRow();
    Log.clear();
    H.Captures = 0;
    G.MouseDown(mbLeft, ssLeft, r.Px, r.Py);
    EXPECT_EQ(G.SelArea(), sel) << r.Name;
    EXPECT_EQ(G.CurCol(), col) << r.Name;
    EXPECT_EQ(G.CurRow(), row) << r.Name;
    EXPECT_EQ(Log, TStrings{"down"}) << r.Name;
    EXPECT_EQ(H.Captures, 1) << r.Name;
    if (r.Rows == 0) {
      Drag(X(2), Y(3));  // and no drag step reaches a cell
      EXPECT_EQ(G.SelArea(), sel) << r.Name;
    }
    Release(r.Px, r.Py);
  }
}

// A drag whose press chose a cell, in a grid that has lost every column
// since and gained a first one again (which chooses no current cell): the
// selecting drags have no cell to span from, and select nothing.
TEST_F(MouseTest, SelectingDragsNeedACurrentCell) {
  struct Row {
    const char* Name;
    int Px, Py;  // the press
  };
  const Row rows[] = {{"cells", X(1), Y(2)}, {"rows", 5, Y(2)}, {"columns", X(1), 5}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.Name);
    SetUpGrid(G);
    Press(r.Px, r.Py);
    G.SetColCount(0);
    G.Columns().Add();
    ASSERT_EQ(G.CurCol(), -1);
    ASSERT_EQ(G.CurRow(), -1);
    const tv::TRect sel = G.SelArea();
    const int markCol = G.MarkCol(), markRow = G.MarkRow();
    Drag(X(0), Y(4));
    EXPECT_EQ(G.SelArea(), sel);
    EXPECT_EQ(G.MarkCol(), markCol);
    EXPECT_EQ(G.MarkRow(), markRow);
    Release(X(0), Y(4));
  }
}

// A click is a single left press released inside the client area, told
// before the grid's release; the second press of a double click tells
// OnDblClick before the grid acts on it, and its release is no click.
TEST_F(MouseTest, ClickAndDoubleClick) {
  G.OnClick = [this](TTextGrid& Sender) {
    Log.push_back("click " + std::to_string(Sender.Cursor()) + " captured " + std::to_string(H.Captured));
  };
  G.OnDblClick = [this](TTextGrid& Sender) { Log.push_back("dblclick " + std::to_string(Sender.EditorActive())); };
  Hover(X(1), Y(1));
  G.MouseDown(mbLeft, ssLeft, X(1), Y(1));
  Release(X(1), Y(1));
  G.MouseDown(mbLeft, ssLeft | ssDouble, X(1), Y(1));
  Release(X(1), Y(1));
  // The second press opened the editor after OnDblClick.
  EXPECT_EQ(Log, (TStrings{"cell 1,1", "down", "click 101 captured 1", "up", "dblclick 0", "cell 1,1", "down", "up"}));
  EXPECT_TRUE(G.EditorActive());
  struct Row {
    const char* Name;
    TMouseButton Button;
    int ReleaseX, ReleaseY;
  };
  const Row rows[] = {{"right button", mbRight, X(1), Y(1)},
                      {"middle button", mbMiddle, X(1), Y(1)},
                      {"released left of the grid", mbLeft, -4, Y(1)},
                      {"released below the grid", mbLeft, X(1), 300}};
  for (const Row& r : rows) {
    Log.clear();
    Press(X(2), Y(2), r.Button, 0);
    G.MouseUp(r.Button, 0, r.ReleaseX, r.ReleaseY);
    EXPECT_EQ(Log, (TStrings{"cell 2,2", "down", "up"})) << r.Name;
  }
  // A disabled grid still clicks: the events belong to the control.
  G.SetEnabled(false);
  Log.clear();
  Click(X(1), Y(1));
  EXPECT_EQ(Log, (TStrings{"down", "click 0 captured 0", "up"}));
  // Tag is the user's.
  EXPECT_EQ(G.Tag(), 0);
  G.SetTag(-7);
  EXPECT_EQ(G.Tag(), -7);
}

TEST_F(MouseTest, MoveEventComesLast) {
  std::vector<std::int16_t> seen;
  G.OnMouseMove = [&](TTextGrid& Sender, TShiftState, int, int) { seen.push_back(Sender.Cursor()); };
  Hover(5, 5);
  Hover(X(1), Y(1));
  EXPECT_EQ(seen, (std::vector<std::int16_t>{crGridLeftTop, crGridPlus}));
}

}  // namespace
