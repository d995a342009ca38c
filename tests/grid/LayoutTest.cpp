// The layout run and the two count setters: the body table, automatic widths,
// the fit, the scroll ranges, the footer, nested size messages and the
// limits the setters keep.
#include <gtest/gtest.h>

#include <random>

#include "FakeGridHost.h"
#include "platform/Errors.h"

namespace {

std::vector<int> Widths(const TTextGrid& G) {
  std::vector<int> w;
  for (int c = 0; c < G.ColCount(); ++c) w.push_back(G.Columns()[c].Width());
  return w;
}

// A grid without gutter whose columns have the given widths.
void SetColumns(TTextGrid& G, const std::vector<int>& W) {
  G.SetGutterKind(gkNone);
  G.SetColCount(static_cast<int>(W.size()));
  for (std::size_t c = 0; c < W.size(); ++c) G.Columns()[static_cast<int>(c)].SetWidth(W[c]);
}

TEST(Layout, BodyTable) {
  TGridFixture f(310, 380);
  SetUpBodyTable(f.Grid);
  const TTextGrid& g = f.Grid;
  EXPECT_EQ(g.ColumnsExtent(), 309);
  EXPECT_EQ(g.RowsExtent(), 342);
  EXPECT_EQ(g.HeaderExtent(), 36);
  EXPECT_EQ(g.GutterExtent(), 0);
  EXPECT_FALSE(f.Host.Bar[0]);
  EXPECT_FALSE(f.Host.Bar[1]);
  EXPECT_EQ(g.ScrollXMax(), 0);
  EXPECT_EQ(g.ScrollYMax(), 0);
  EXPECT_EQ(g.UsedWidth(), 309);
  EXPECT_EQ(g.UsedHeight(), 378);
  EXPECT_EQ(g.CellArea(), (tv::TRect{0, 36, 310, 380}));
  EXPECT_EQ(g.HeaderCells().size(), 7u);
}

TEST(Layout, ConstructionValues) {
  TFakeGridHost host;
  TTextGrid g(host);
  EXPECT_EQ(g.ColCount(), 0);
  EXPECT_EQ(g.RowCount(), 5);
  EXPECT_EQ(g.CurCol(), 0);
  EXPECT_EQ(g.SelArea(), tv::TRect{});
  EXPECT_EQ(g.Cursor(), crGridPlus);
  EXPECT_EQ(g.UsedWidth(), 200);
  EXPECT_EQ(g.LineStep(), 18);
  EXPECT_EQ(g.PageStep(), 90);
  EXPECT_EQ(g.FillSource(), (tv::TRect{-1, -1, -1, -1}));
  g.CreateWnd();
  EXPECT_EQ(host.ShowCalls, (std::vector<std::pair<int, bool>>{{0, false}, {1, false}, {0, false}, {1, false}}));
}

// AutoColWidth with DefColWidth 40: a widest text of 55 pixels gives 62, no
// text 40; DefColWidth 10 gives the floor of 20. Hidden columns too.
TEST(Layout, AutomaticWidths) {
  TGridFixture f;
  f.Host.Recorder.CharWidth = 5;
  TTextGrid& g = f.Grid;
  g.SetDefColWidth(40);
  SetColumns(g, {10, 10, 10});
  g.SetCellText(0, 0, "abcdefghijk");  // 55 pixels
  g.SetCellText(0, 1, "ab");
  g.Columns()[2].Strings().Add("abcdefghijk");
  g.Columns()[2].SetVisible(false);
  g.SetAutoColWidth(true);
  EXPECT_EQ(Widths(g), (std::vector<int>{62, 40, 62}));
  EXPECT_EQ(g.MeasureColumn(1), 20);
  g.SetAutoColWidth(false);
  g.SetDefColWidth(10);
  g.SetAutoColWidth(true);
  EXPECT_EQ(Widths(g), (std::vector<int>{62, 20, 62}));
}

TEST(Layout, FitToWidth) {
  struct Row {
    const char* Name;
    std::vector<int> Before;
    int ClientWidth;
    int Skip;  // column to hide and show again first, or -1
    std::vector<int> After;
  };
  const Row rows[] = {
      {"grow", {50, 50, 50}, 200, -1, {67, 67, 66}},
      {"shrink", {100, 100, 100}, 250, -1, {83, 83, 84}},
      {"shrink past the skipped column", {100, 100, 100}, 250, 1, {75, 100, 75}},
      {"eight columns in 60 pixels", std::vector<int>(8, 64), 60, -1, {7, 7, 7, 7, 8, 8, 8, 8}},
      {"none below 5 pixels", {10, 10, 10}, -20, -1, {5, 5, 5}},
      {"one at 5, the rest share", {100, 6, 100}, 150, -1, {72, 5, 73}},
      {"one already narrower stays", {3, 100}, 50, -1, {3, 47}},
  };
  for (const Row& r : rows) {
    TGridFixture f(r.ClientWidth, 200);
    TTextGrid& g = f.Grid;
    SetColumns(g, r.Before);
    if (r.Skip >= 0) {
      g.Columns()[r.Skip].SetVisible(false);
      g.Columns()[r.Skip].SetVisible(true);
      EXPECT_EQ(g.FitSkipColumn(), r.Skip) << r.Name;
    }
    g.SetFitToWidth(true);
    EXPECT_EQ(Widths(g), r.After) << r.Name;
    EXPECT_EQ(g.FitSkipColumn(), -1) << r.Name;
  }
}

// Where even the least widths do not fit, the columns overflow and the
// horizontal bar scrolls them as without the fit.
TEST(Layout, FitToWidthOverflowsAtTheLeastWidth) {
  TGridFixture f(30, 200);
  TTextGrid& g = f.Grid;
  SetColumns(g, std::vector<int>(8, 64));
  g.SetFitToWidth(true);
  EXPECT_EQ(Widths(g), std::vector<int>(8, 5));
  EXPECT_EQ(g.ColumnsExtent(), 40);
  EXPECT_TRUE(f.Host.Bar[0]);
  EXPECT_EQ(g.ScrollXMax(), 10);
  g.SetScrollX(10);
  EXPECT_EQ(g.ScrollX(), 10);
  // Wide enough again: the columns follow and the bar goes.
  f.Host.Resize(100, 200);
  EXPECT_EQ(g.ColumnsExtent(), 100);
  EXPECT_FALSE(f.Host.Bar[0]);
  EXPECT_EQ(g.ScrollX(), 0);
}

// The fit as the walk it is described as: one pixel at a time to or from
// each column that may move, from the first column to the last and round
// again, until the columns fill W or none can move. Random columns (some
// hidden, fixed, skipped or already narrower than 5 pixels) and widths.
TEST(Layout, FitToWidthIsThePixelWalk) {
  std::mt19937 random(4223);
  const auto pick = [&](int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(random); };
  for (int run = 0; run < 500; ++run) {
    const int count = pick(1, 8);
    std::vector<int> widths;
    for (int c = 0; c < count; ++c) widths.push_back(pick(0, 3) == 0 ? pick(0, 6) : pick(1, 150));
    const int client = pick(-20, 700);
    TGridFixture f(client, 200);
    TTextGrid& g = f.Grid;
    SetColumns(g, widths);
    g.SetRowCount(0);
    std::vector<bool> visible(count), resizable(count);
    for (int c = 0; c < count; ++c) {
      visible[c] = pick(0, 5) != 0;
      resizable[c] = pick(0, 5) != 0;
      g.Columns()[c].SetCanResize(resizable[c]);
    }
    // The last column whose Visible changes is left out of the shrinking.
    if (pick(0, 1) == 1) {
      const int skip = pick(0, count - 1);
      g.Columns()[skip].SetVisible(!visible[skip]);
    }
    for (int c = 0; c < count; ++c) g.Columns()[c].SetVisible(visible[c]);
    const int skipped = g.FitSkipColumn();
    g.SetFitToWidth(true);

    std::vector<int> walk = widths;
    int extent = 0;
    for (int c = 0; c < count; ++c) extent += visible[c] ? walk[c] : 0;
    if (std::count(visible.begin(), visible.end(), true) > 0) {
      for (const bool shrink : {false, true}) {
        const auto moves = [&](int C) {
          return visible[C] && resizable[C] && (!shrink || (C != skipped && walk[C] > 5));
        };
        while (shrink ? extent > client : extent < client) {
          bool moved = false;
          for (int c = 0; c < count && extent != client; ++c) {
            if (!moves(c)) continue;
            walk[c] += shrink ? -1 : 1;
            extent += shrink ? -1 : 1;
            moved = true;
          }
          if (!moved) break;
        }
      }
    }
    ASSERT_EQ(Widths(g), walk) << "run " << run << ", client " << client << ", skipped " << skipped;
  }
}

TEST(Layout, FitWithoutResizableColumnsChangesNothing) {
  TGridFixture f(200, 200);
  TTextGrid& g = f.Grid;
  SetColumns(g, {100, 150});
  for (int c = 0; c < 2; ++c) g.Columns()[c].SetCanResize(false);
  g.SetFitToWidth(true);
  EXPECT_EQ(Widths(g), (std::vector<int>{100, 150}));
  EXPECT_TRUE(f.Host.Bar[0]);
  EXPECT_EQ(g.ScrollXMax(), 50);
}

TEST(Layout, ColumnsExactlyAsWideAsTheClient) {
  TGridFixture f(200, 200);
  SetColumns(f.Grid, {120, 80});
  EXPECT_FALSE(f.Host.Bar[0]);
  EXPECT_EQ(f.Grid.ScrollXMax(), 0);
}

TEST(Layout, VerticalRangeIsWholeRows) {
  TGridFixture f(200, 100);
  SetColumns(f.Grid, {50});
  f.Grid.SetRowCount(10);
  EXPECT_TRUE(f.Host.Bar[1]);
  EXPECT_EQ(f.Grid.ScrollYMax(), 108);  // 98 raised to six rows
}

TEST(Layout, FooterTop) {
  TGridFixture f(200, 100);
  TTextGrid& g = f.Grid;
  SetColumns(g, {50});
  g.SetShowFooter(true);
  g.SetRowCount(10);
  EXPECT_TRUE(f.Host.Bar[1]);
  EXPECT_EQ(g.FooterTop(), 71);
  EXPECT_EQ(g.CellArea(), (tv::TRect{0, 18, 183, 71}));
  g.SetRowCount(2);
  EXPECT_FALSE(f.Host.Bar[1]);
  EXPECT_EQ(g.FooterTop(), 53);
  EXPECT_EQ(g.UsedHeight(), 72);
}

// The vertical bar takes 17 pixels, the columns no longer fit, the nested
// size message's run shows the horizontal bar as well; the outer run then
// goes on with the client size as it is now.
TEST(Layout, NestedSizeMessageDuringShowScrollBars) {
  TGridFixture f(200, 200);
  TTextGrid& g = f.Grid;
  SetColumns(g, {95, 95});
  f.Host.SizeMessages = 0;
  g.SetRowCount(20);
  EXPECT_TRUE(f.Host.Bar[0]);
  EXPECT_TRUE(f.Host.Bar[1]);
  EXPECT_EQ(f.Host.SizeMessages, 2);
  EXPECT_EQ(g.ScrollXMax(), 7);
  EXPECT_EQ(g.ScrollYMax(), 20 * 18 + 18 - 183 + 3);  // 198 raised to 11 rows
  EXPECT_EQ(g.UsedWidth(), 183);
  EXPECT_EQ(g.CellArea(), (tv::TRect{0, 18, 183, 183}));
  // The last range update names the outer run's values.
  ASSERT_GE(f.Host.ScrollCalls.size(), 2u);
  EXPECT_EQ(f.Host.ScrollCalls.back(), (TFakeGridHost::TScrollCall{1, 198, 0, 5}));
}

// Columns of 190 and ten rows of 18 under a header line fit a 200 x 200
// client without bars, and need both once either shows: both "none" and
// "both" let each bar show exactly when the cells do not fit beside the
// other. A grid showing both keeps them; one showing a single bar (which
// would hide it and show the other, without end) goes to none.
TEST(Layout, BarsThatTakeEachOthersRoomSettle) {
  struct Case {
    const char* Name;
    int FromWidth, FromHeight;
    bool FromHorz, FromVert, Horz, Vert;
  };
  const Case cases[] = {
      {"from none", 300, 300, false, false, false, false},
      {"from both", 150, 150, true, true, true, true},
      {"from the horizontal bar", 150, 300, true, false, false, false},
      {"from the vertical bar", 300, 150, false, true, false, false},
  };
  for (const Case& c : cases) {
    TGridFixture f(c.FromWidth, c.FromHeight);
    TTextGrid& g = f.Grid;
    SetColumns(g, {190});
    g.SetRowCount(10);
    EXPECT_EQ(f.Host.Bar[0], c.FromHorz) << c.Name;
    EXPECT_EQ(f.Host.Bar[1], c.FromVert) << c.Name;
    f.Host.SizeMessages = 0;
    f.Host.Resize(200, 200);
    EXPECT_EQ(f.Host.Bar[0], c.Horz) << c.Name;
    EXPECT_EQ(f.Host.Bar[1], c.Vert) << c.Name;
    EXPECT_LE(f.Host.SizeMessages, 3) << c.Name;
    EXPECT_EQ(g.ScrollXMax(), c.Horz ? 7 : 0) << c.Name;
    EXPECT_EQ(g.ScrollYMax(), c.Vert ? 18 : 0) << c.Name;
  }
}

// Random grids (gutter, footer, header lines, the fit with skipped, fixed,
// hidden and narrow columns) through random resizes from 0 pixels, resizes
// to less than a bar in one direction or both, and changes of widths,
// visibility and rows: after each, each bar shows exactly when the cells do
// not fit beside the other, the footer sits where the bars put it, and the
// size messages the bars sent stay few.
TEST(Layout, RandomChangesSettle) {
  std::mt19937 random(103);
  const auto pick = [&](int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(random); };
  for (int grid = 0; grid < 300; ++grid) {
    TGridFixture f(pick(0, 500), pick(0, 500));
    TTextGrid& g = f.Grid;
    const int count = pick(1, 6);
    SetColumns(g, std::vector<int>(count, 60));
    if (pick(0, 1) == 1) {
      g.SetGutterKind(gkBlank);
      g.SetGutterWidth(pick(5, 40));
    }
    g.SetHeaderLine(pick(-2, 2));
    g.SetShowFooter(pick(0, 2) == 0);
    g.SetFitToWidth(pick(0, 1) == 1);
    for (int c = 0; c < count; ++c) g.Columns()[c].SetCanResize(pick(0, 4) != 0);
    for (int step = 0; step < 50; ++step) {
      const int kind = pick(0, 5);
      switch (kind) {
        case 0:
          g.Columns()[pick(0, count - 1)].SetVisible(pick(0, 3) != 0);
          break;
        case 1:
          g.Columns()[pick(0, count - 1)].SetWidth(pick(0, 3) == 0 ? pick(0, 6) : pick(5, 300));
          break;
        case 2:
          g.SetRowCount(pick(0, 40));
          break;
        default: {
          // A resize: less than a bar wide, high, or both; anywhere; or
          // where the columns or the rows just fit, with or without a bar.
          int width = 0, height = 0;
          if (kind == 3) {
            const int side = pick(0, 2);
            width = side != 1 ? pick(0, 20) : pick(0, 600);
            height = side != 0 ? pick(0, 20) : pick(0, 600);
          } else if (pick(0, 1) == 1) {
            width = pick(0, 600);
            height = pick(0, 600);
          } else {
            const int footer = g.ShowFooter() ? 18 : 0;
            width = std::max(0, g.ColumnsExtent() + g.GutterExtent() + pick(-2, 2) + pick(0, 1) * 17);
            height = std::max(0, g.RowsExtent() + g.HeaderExtent() + footer + pick(-2, 2) + pick(0, 1) * 17);
          }
          f.Host.SizeMessages = 0;
          f.Host.Resize(width, height);
          ASSERT_LE(f.Host.SizeMessages, 3) << "grid " << grid << ", step " << step;
        }
      }
      if (g.ColumnsExtent() == 0) continue;
      const tv::TRect client = f.Host.ClientRect();
      const int footer = g.ShowFooter() ? 18 : 0;
      const std::string where = "grid " + std::to_string(grid) + ", step " + std::to_string(step);
      ASSERT_EQ(f.Host.Bar[0], g.ColumnsExtent() > client.Right - g.GutterExtent()) << where;
      ASSERT_EQ(f.Host.Bar[1], g.RowsExtent() > client.Bottom - g.HeaderExtent() - footer) << where;
      if (g.ShowFooter()) {
        ASSERT_EQ(g.FooterTop(), f.Host.Bar[1] ? (client.Bottom / 18 - 1) * 18 - 1
                                               : (g.HeaderExtent() / 18 + g.RowCount()) * 18 - 1)
            << where;
      }
    }
  }
}

// The vertical bar comes only with the horizontal one, in the run that the
// horizontal bar's size message nests: the footer takes the last whole row
// band of the client, not the place after the last row, which the bar hides.
TEST(Layout, FooterFollowsTheBarsThatShow) {
  TGridFixture f(200, 200);
  TTextGrid& g = f.Grid;
  SetColumns(g, {100});
  g.SetShowFooter(true);
  g.SetRowCount(9);
  EXPECT_FALSE(f.Host.Bar[1]);
  g.Columns()[0].SetWidth(250);
  EXPECT_TRUE(f.Host.Bar[0]);
  EXPECT_TRUE(f.Host.Bar[1]);
  EXPECT_EQ(g.FooterTop(), 161);
  EXPECT_EQ(g.CellArea(), (tv::TRect{0, 18, 183, 161}));
}

TEST(Layout, AllColumnsHiddenKeepsTheLastGeometry) {
  TGridFixture f(200, 200);
  TTextGrid& g = f.Grid;
  SetColumns(g, {300});
  g.SetRowCount(20);
  const tv::TRect area = g.CellArea();
  const int used = g.UsedWidth(), xMax = g.ScrollXMax();
  g.Columns()[0].SetVisible(false);
  EXPECT_EQ(g.ColumnsExtent(), 0);
  EXPECT_EQ(g.RowsExtent(), 0);
  EXPECT_EQ(g.HeaderExtent(), 0);
  EXPECT_FALSE(f.Host.Bar[0]);
  EXPECT_FALSE(f.Host.Bar[1]);
  EXPECT_EQ(g.CellArea(), area);
  EXPECT_EQ(g.UsedWidth(), used);
  EXPECT_EQ(g.ScrollXMax(), xMax);
}

struct CountSetters : ::testing::Test {
  TGridFixture F{200, 200};
  TTextGrid& G = F.Grid;
  std::vector<std::pair<int, int>> Events;
  void SetUp() override {
    G.OnColRowChanged = [this](TTextGrid&, int Col, int Row) { Events.emplace_back(Col, Row); };
    SetColumns(G, {40, 40, 40, 40});
    G.SetRowCount(19);
    Events.clear();
    F.Host.ClearLogs();
  }
};

TEST_F(CountSetters, EqualValueDoesNothing) {
  G.SetColCount(4);
  G.SetRowCount(19);
  EXPECT_TRUE(Events.empty());
  EXPECT_TRUE(F.Host.NothingInvalidated());
  EXPECT_TRUE(F.Host.ShowCalls.empty());
}

TEST_F(CountSetters, ColCountResetsScrollingAndClampsTheCurrentCell) {
  TTextGridTestAccess::SetCurrent(G, 3, 10);
  TTextGridTestAccess::SetSelArea(G, {1, 2, 3, 10});
  G.SetScrollY(36);
  G.SetColCount(2);
  EXPECT_EQ(G.ScrollY(), 0);
  EXPECT_EQ(G.CurCol(), 1);
  EXPECT_EQ(G.CurRow(), 10);
  EXPECT_EQ(G.SelArea(), (tv::TRect{1, 10, 1, 10}));
  EXPECT_EQ(Events, (std::vector<std::pair<int, int>>{{1, 10}}));
  G.SetColCount(4);
  EXPECT_EQ(G.Columns()[3].Width(), G.DefColWidth());
  EXPECT_EQ(G.Columns()[3].Strings().Count(), 0);
}

TEST_F(CountSetters, RowCountKeepsScrollingAndTexts) {
  G.SetCellText(0, 15, "kept");
  G.SetScrollY(36);
  TTextGridTestAccess::SetCurrent(G, 2, 18);
  G.SetRowCount(12);
  EXPECT_EQ(G.CurRow(), 11);
  EXPECT_EQ(G.ScrollY(), 36);
  EXPECT_THROW(G.GetCellText(0, 15), tv::ERangeError);
  G.SetRowCount(19);
  EXPECT_EQ(G.GetCellText(0, 15), "kept");
}

TEST_F(CountSetters, NoRowsOrColumnsMeansNoCurrentCell) {
  G.SetRowCount(0);
  EXPECT_EQ(G.CurCol(), -1);
  EXPECT_EQ(G.CurRow(), -1);
  EXPECT_EQ(G.SelArea(), (tv::TRect{-1, -1, -1, -1}));
  G.SetRowCount(3);
  EXPECT_EQ(G.CurCol(), 0);
  EXPECT_EQ(G.CurRow(), 0);
  G.SetColCount(0);
  EXPECT_EQ(G.CurCol(), -1);
  EXPECT_EQ(Events, (std::vector<std::pair<int, int>>{{-1, -1}, {0, 0}, {-1, -1}}));
}

// Negative counts count as 0; a row height below 1 is refused, so no layout
// ever divides by it.
TEST_F(CountSetters, ValuesThatWouldBreakTheLayout) {
  G.SetRowCount(-4);
  EXPECT_EQ(G.RowCount(), 0);
  EXPECT_EQ(G.RowsExtent(), 0);
  G.SetColCount(-1);
  EXPECT_EQ(G.ColCount(), 0);
  G.SetColCount(2);
  G.SetRowCount(5);
  for (int h : {0, -18}) {
    G.SetDefRowHeight(h);
    EXPECT_EQ(G.DefRowHeight(), 18);
    EXPECT_EQ(G.LineStep(), 18);
  }
  G.SetDefRowHeight(20);
  EXPECT_EQ(G.PageStep(), 100);
  EXPECT_EQ(G.RowsExtent(), 100);
}

// A merged cell reaching past the last row blanks and tags the cells inside
// the grid and leaves the run whole.
TEST_F(CountSetters, MergedCellBeyondTheLastRow) {
  G.SetCellText(1, 17, "under");
  TMergedCell m;
  m.Text = "merged";
  m.Span = {1, 17, 5, 25};
  G.AddMergedCell(m);
  G.SetRowCount(18);
  EXPECT_EQ(G.RowsExtent(), 18 * 18);
  EXPECT_EQ(G.GetCellText(1, 17), "");
  EXPECT_EQ(G.GetCellTag(1, 17), -2);
  EXPECT_EQ(G.GetCellTag(3, 17), -2);
  EXPECT_EQ(G.GetCellTag(1, 16), 0);
  G.ClearMergedCells();
  EXPECT_EQ(G.GetCellTag(1, 17), 0);
  EXPECT_TRUE(G.MergedCells().empty());
}

// Narrow, empty and negative client areas lay out without an error.
TEST(Layout, ToleratesDegenerateClientSizes) {
  for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {-30, -5}, {5, 400}}) {
    TGridFixture f(w, h);
    SetColumns(f.Grid, {40, 40});
    f.Grid.SetFitToWidth(true);
    f.Grid.SetShowFooter(true);
    f.Grid.SetRowCount(30);
    EXPECT_GE(f.Grid.ScrollXMax(), 0) << w << "x" << h;
    EXPECT_EQ(f.Grid.ScrollYMax() % 18, 0) << w << "x" << h;
  }
}

}  // namespace
