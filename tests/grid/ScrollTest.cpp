// Scroll bars and scroll messages, the offset setters, the wheel, scrolling
// a cell into view and the linked grid.
#include <gtest/gtest.h>

#include "FakeGridHost.h"
#include "platform/Errors.h"

namespace {

// Client 300 x 200 inside the bars, gutter 20, one header line, five columns
// of 80 (ScrollXMax 120) and 30 rows (ScrollYMax 360).
struct ScrollTest : ::testing::Test {
  TGridFixture F{317, 217};
  TTextGrid& G = F.Grid;
  TFakeGridHost& H = F.Host;
  void SetUp() override {
    G.SetColCount(5);
    G.SetRowCount(30);
    H.ClearLogs();
  }
  void Wheel(int From, int Delta) {
    TTextGridTestAccess::SetScrollY(G, From);
    H.ClearLogs();
    G.WMMouseWheel(static_cast<std::int16_t>(Delta));
  }
};

TEST_F(ScrollTest, Ranges) {
  EXPECT_EQ(H.ClientRect(), (tv::TRect{0, 0, 300, 200}));
  EXPECT_EQ(G.ScrollXMax(), 120);
  EXPECT_EQ(G.ScrollYMax(), 360);
}

// A changed offset updates the bar's position and invalidates the band that
// moves (below the header, right of the gutter); an unchanged one nothing.
// Every message hides the in-place editor.
TEST_F(ScrollTest, ScrollMessages) {
  struct Row {
    const char* Name;
    int Kind, From, Code, Pos, To;
  };
  const Row rows[] = {
      {"line down", SB_VERT, 0, SB_LINEDOWN, 0, 18},
      {"line up", SB_VERT, 36, SB_LINEUP, 0, 18},
      {"page down", SB_VERT, 0, SB_PAGEDOWN, 0, 90},
      {"page up", SB_VERT, 90, SB_PAGEUP, 0, 0},
      {"thumb track snaps to a row", SB_VERT, 0, SB_THUMBTRACK, 100, 90},
      {"thumb position", SB_VERT, 0, SB_THUMBPOSITION, 55, 54},
      {"thumb beyond the range", SB_VERT, 0, SB_THUMBPOSITION, 1000, 360},
      {"line down from between rows", SB_VERT, 120, SB_LINEDOWN, 0, 126},
      {"page down at the end", SB_VERT, 360, SB_PAGEDOWN, 0, 360},
      {"top moves nothing", SB_VERT, 90, SB_TOP, 0, 90},
      {"bottom moves nothing", SB_VERT, 90, SB_BOTTOM, 0, 90},
      {"end of scrolling", SB_VERT, 90, SB_ENDSCROLL, 0, 90},
      {"line right", SB_HORZ, 0, SB_LINERIGHT, 0, 18},
      {"page right", SB_HORZ, 0, SB_PAGERIGHT, 0, 90},
      {"page left", SB_HORZ, 100, SB_PAGELEFT, 0, 10},
      {"thumb keeps its pixel", SB_HORZ, 0, SB_THUMBTRACK, 37, 37},
      {"thumb beyond the width", SB_HORZ, 0, SB_THUMBPOSITION, 500, 120},
      {"line left at 0", SB_HORZ, 0, SB_LINELEFT, 0, 0},
      {"left moves nothing", SB_HORZ, 50, SB_LEFT, 0, 50},
      {"right moves nothing", SB_HORZ, 50, SB_RIGHT, 0, 50},
  };
  for (const Row& r : rows) {
    const bool vert = r.Kind == SB_VERT;
    if (vert) {
      TTextGridTestAccess::SetScrollY(G, r.From);
    } else {
      G.SetScrollX(r.From);
    }
    H.ClearLogs();
    H.EditorShown = true;
    if (vert) {
      G.WMVScroll(r.Code, r.Pos);
    } else {
      G.WMHScroll(r.Code, r.Pos);
    }
    EXPECT_EQ(vert ? G.ScrollY() : G.ScrollX(), r.To) << r.Name;
    EXPECT_FALSE(H.EditorShown) << r.Name;
    if (r.To != r.From) {
      EXPECT_EQ(H.ScrollCalls, (std::vector<TFakeGridHost::TScrollCall>{{r.Kind, 0, r.To, SIF_POS}})) << r.Name;
      const tv::TRect band = vert ? tv::TRect{0, 18, 300, 200} : tv::TRect{20, 0, 300, 200};
      EXPECT_EQ(H.Invalidated, (std::vector<tv::TRect>{band})) << r.Name;
    } else {
      EXPECT_TRUE(H.ScrollCalls.empty()) << r.Name;
      EXPECT_TRUE(H.NothingInvalidated()) << r.Name;
    }
  }
}

TEST(Scroll, ThumbPositionsAbove32767) {
  TGridFixture f(200, 200);
  f.Grid.SetColCount(1);
  f.Grid.SetRowCount(5000);
  f.Grid.WMVScroll(SB_THUMBTRACK, 40000);
  EXPECT_EQ(f.Grid.ScrollY(), 40000 / 18 * 18);
  f.Grid.WMVScroll(SB_THUMBPOSITION, 65535);
  EXPECT_EQ(f.Grid.ScrollY(), 65535 / 18 * 18);
}

TEST_F(ScrollTest, OffsetSetters) {
  G.SetScrollX(40);
  G.SetScrollX(-10);
  EXPECT_EQ(G.ScrollX(), 0);
  G.SetScrollX(500);
  EXPECT_EQ(G.ScrollX(), 120);
  H.ClearLogs();
  G.SetScrollX(120);
  EXPECT_TRUE(H.ScrollCalls.empty());
  EXPECT_TRUE(H.NothingInvalidated());

  G.SetScrollY(50);
  EXPECT_EQ(G.ScrollY(), 36);
  G.SetScrollY(360);
  H.ClearLogs();
  G.SetScrollY(400);  // clamped back to the same offset: still updated
  EXPECT_EQ(G.ScrollY(), 360);
  EXPECT_EQ(H.ScrollCalls.size(), 1u);
  EXPECT_EQ(H.Invalidated, (std::vector<tv::TRect>{{0, 18, 300, 200}}));
}

TEST_F(ScrollTest, WheelTakesTheDeltaAsPixels) {
  struct Row { int From, Delta, To; };
  for (const Row& r : {Row{200, 120, 80}, Row{100, 120, 0}, Row{300, -120, 360}}) {
    Wheel(r.From, r.Delta);
    EXPECT_EQ(G.ScrollY(), r.To) << r.From << " " << r.Delta;
    EXPECT_EQ(H.WholeInvalidations, 1);
    EXPECT_EQ(H.ScrollCalls, (std::vector<TFakeGridHost::TScrollCall>{{SB_VERT, 0, r.To, SIF_POS}}));
  }
  Wheel(0, 120);
  EXPECT_EQ(G.ScrollY(), 0);
  EXPECT_TRUE(H.NothingInvalidated());
  EXPECT_TRUE(H.ScrollCalls.empty());
}

TEST_F(ScrollTest, ScrollToCell) {
  struct Row {
    const char* Name;
    int X0, Y0, Col, RowIndex, X, Y;
  };
  const Row rows[] = {
      {"right edge out", 0, 0, 3, 0, 41, 0},
      {"right edge out, clamped", 0, 0, 4, 0, 120, 0},
      {"left edge out", 120, 0, 0, 0, 0, 0},
      {"row below", 0, 0, 0, 12, 0, 54},
      {"row above", 0, 90, 0, 2, 0, 36},
      {"no cell", 50, 90, 0, -1, 50, 90},
  };
  for (const Row& r : rows) {
    G.SetScrollX(r.X0);
    G.SetScrollY(r.Y0);
    G.ScrollToCell(r.Col, r.RowIndex);
    EXPECT_EQ(G.ScrollX(), r.X) << r.Name;
    EXPECT_EQ(G.ScrollY(), r.Y) << r.Name;
  }
  G.SetScrollX(0);
  G.SetScrollY(0);
  H.ClearLogs();
  G.ScrollToCell(4, 15);
  EXPECT_EQ(G.ScrollX(), 120);
  EXPECT_EQ(G.ScrollY(), 108);
  EXPECT_EQ(H.WholeInvalidations, 1);
  EXPECT_EQ(H.ScrollCalls.size(), 2u);

  G.SetShowFooter(true);
  G.SetScrollY(0);
  G.ScrollToCell(0, 12);
  EXPECT_EQ(G.ScrollY(), 72);
}

TEST_F(ScrollTest, ScrollToCellAfterAWheelStep) {
  Wheel(200, 120);  // 80: row 4 partly hidden
  G.ScrollToCell(0, 4);
  EXPECT_EQ(G.ScrollY(), 80);
  G.ScrollToCell(0, 3);
  EXPECT_EQ(G.ScrollY(), 54);
}

// Columns of 1000 beside no gutter in a client 300 wide (ScrollXMax 2700):
// a column wider than the cell area counts as in view while it covers the
// whole width, so a second call for the same cell never moves back.
TEST(Scroll, ColumnWiderThanTheCellArea) {
  struct Row {
    const char* Name;
    int From, To;
  };
  const Row rows[] = {
      {"both edges out: it covers the area already", 1500, 1500},
      {"left edge in view, right edge out: the right edge comes in", 0, 1701},
      {"left edge out, right edge in view: the left edge comes in", 2500, 1000},
      {"right edge one pixel inside", 1701, 1701},
      {"left edge at the gutter", 1000, 1000},
  };
  for (const Row& r : rows) {
    TGridFixture f(300, 217);
    f.Grid.SetGutterKind(gkNone);
    f.Grid.SetColCount(3);
    for (int c = 0; c < 3; ++c) f.Grid.Columns()[c].SetWidth(1000);
    ASSERT_EQ(f.Grid.ScrollXMax(), 2700);
    f.Grid.SetScrollX(r.From);
    f.Host.ClearLogs();
    f.Grid.ScrollToCell(1, 0);
    EXPECT_EQ(f.Grid.ScrollX(), r.To) << r.Name;
    EXPECT_EQ(f.Host.NothingInvalidated(), r.From == r.To) << r.Name;
    f.Grid.ScrollToCell(1, 0);
    EXPECT_EQ(f.Grid.ScrollX(), r.To) << r.Name << " (again)";
  }
}

// The linked grid takes the range into its field alone and scrolls to the
// position by its own rows.
TEST(Scroll, LinkedGridFollowsTheVerticalBar) {
  TGridFixture a(200, 200), b(200, 200);
  a.Grid.SetColCount(1);
  a.Grid.SetRowCount(40);
  b.Grid.SetColCount(1);
  b.Grid.SetDefRowHeight(20);
  a.Grid.SetLinkedGrid(&b.Grid);
  b.Host.ClearLogs();
  a.Grid.UpdateScrollBar(SB_VERT, 500, 0, SIF_RANGE);
  EXPECT_EQ(b.Grid.ScrollYMax(), 500);
  EXPECT_TRUE(b.Host.ScrollCalls.empty());

  a.Grid.WMVScroll(SB_PAGEDOWN, 0);
  EXPECT_EQ(a.Grid.ScrollY(), 90);
  EXPECT_EQ(b.Grid.ScrollY(), 80);
  EXPECT_EQ(b.Host.ScrollCalls.back(), (TFakeGridHost::TScrollCall{SB_VERT, 0, 80, SIF_POS}));
  a.Grid.WMHScroll(SB_LINERIGHT, 0);
  EXPECT_EQ(b.Grid.ScrollX(), 0);
}

// Two grids linked to each other stop where the offset is already equal.
TEST(Scroll, MutuallyLinkedGrids) {
  TGridFixture a(200, 200), b(200, 200);
  for (TTextGrid* g : {&a.Grid, &b.Grid}) {
    g->SetColCount(1);
    g->SetRowCount(40);
  }
  a.Grid.SetLinkedGrid(&b.Grid);
  b.Grid.SetLinkedGrid(&a.Grid);
  a.Grid.WMVScroll(SB_PAGEDOWN, 0);
  EXPECT_EQ(a.Grid.ScrollY(), 90);
  EXPECT_EQ(b.Grid.ScrollY(), 90);
  b.Grid.WMVScroll(SB_LINEUP, 0);
  EXPECT_EQ(a.Grid.ScrollY(), 72);
}

TEST(Scroll, LinkEndsWithTheLinkedGrid) {
  TGridFixture a;
  {
    TGridFixture b;
    a.Grid.SetLinkedGrid(&b.Grid);
    b.Grid.SetLinkedGrid(&a.Grid);
  }
  EXPECT_EQ(a.Grid.LinkedGrid(), nullptr);
  a.Grid.SetColCount(1);
  a.Grid.UpdateScrollBar(SB_VERT, 10, 0, SIF_RANGE | SIF_POS);
}

TEST(Scroll, NegativeMaskIsRefusedBeforeTheBar) {
  TGridFixture f;
  EXPECT_THROW(f.Grid.UpdateScrollBar(SB_VERT, 0, 0, -1), tv::ERangeError);
  EXPECT_TRUE(f.Host.ScrollCalls.empty());
}

TEST(Scroll, SizeMessageScrollsTheCurrentCellIntoView) {
  TGridFixture f(200, 400);
  f.Grid.SetColCount(2);
  f.Grid.SetRowCount(30);
  f.Grid.SetCurrentRow(20);
  f.Host.Resize(200, 200);
  EXPECT_GT(f.Grid.ScrollY(), 0);
  EXPECT_LE(f.Grid.ToClientRect(f.Grid.CellBounds(0, 20)).Bottom, f.Host.ClientRect().Bottom);
}

}  // namespace
