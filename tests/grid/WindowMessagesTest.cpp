// Window messages and their helpers: the walkers over the visible columns,
// a column's repaint strip, the grid font's change, the size message, and
// the cell text store's events and immediate repaint as seen from outside.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeGridHost.h"
#include "platform/Errors.h"

namespace {

using TRects = std::vector<tv::TRect>;

TEST(VisibleColumns, Walkers) {
  struct Row {
    const char* Name;
    int Columns;
    std::vector<int> Hidden;
    int First, Last;
    std::vector<std::pair<int, int>> Next, Prior;  // argument, result
  };
  const Row rows[] = {
      {"no columns", 0, {}, -1, -1, {{-1, -1}, {0, 0}, {3, 3}}, {{-1, -1}, {0, 0}, {3, 3}}},
      {"all hidden", 3, {0, 1, 2}, -1, -1, {{-1, -1}, {0, 0}, {2, 2}}, {{-1, -1}, {0, 0}, {2, 2}}},
      {"column 2 hidden", 4, {2}, 0, 3, {{-1, 0}, {1, 3}, {3, 3}, {4, 4}}, {{3, 1}, {1, 0}, {0, 0}, {-1, -1}}},
      {"the ends hidden", 4, {0, 3}, 1, 2, {{-1, 1}, {2, 2}, {3, 3}}, {{1, 1}, {3, 2}}},
  };
  for (const Row& r : rows) {
    TGridFixture f;
    f.Grid.SetColCount(r.Columns);
    for (int c : r.Hidden) f.Grid.Columns()[c].SetVisible(false);
    EXPECT_EQ(f.Grid.FirstVisibleColumn(), r.First) << r.Name;
    EXPECT_EQ(f.Grid.LastVisibleColumn(), r.Last) << r.Name;
    for (auto [from, to] : r.Next) EXPECT_EQ(f.Grid.NextVisibleColumn(from), to) << r.Name << " next of " << from;
    for (auto [from, to] : r.Prior) EXPECT_EQ(f.Grid.PriorVisibleColumn(from), to) << r.Name << " prior of " << from;
  }
}

// Beyond the last column the step to the left meets the collection's index
// check.
TEST(VisibleColumns, PriorBeyondTheColumnsRaises) {
  TGridFixture f;
  f.Grid.SetColCount(2);
  EXPECT_THROW(f.Grid.PriorVisibleColumn(4), tv::EListError);
}

// The width is counted from the columns at each call; ColumnsExtent holds
// the last layout's.
TEST(VisibleColumns, WidthIsCountedNow) {
  TGridFixture f;
  EXPECT_EQ(f.Grid.VisibleColumnsWidth(), 0);
  f.Grid.SetColCount(3);
  f.Grid.Columns()[1].SetVisible(false);
  EXPECT_EQ(f.Grid.VisibleColumnsWidth(), 160);
  f.Grid.Columns()[0].WriteWidth(100);
  EXPECT_EQ(f.Grid.VisibleColumnsWidth(), 180);
  EXPECT_EQ(f.Grid.ColumnsExtent(), 160);
}

// Scrolled 50 pixels beside a gutter of 20: column 2, unscrolled at 150 and
// 75 wide, repaints x 117 to 198 over the whole client height; a hidden
// column's strip is as wide as its width.
TEST(WindowMessages, ColumnStrip) {
  TGridFixture f;
  f.Grid.SetColCount(4);
  for (int c = 0; c < 4; ++c) f.Grid.Columns()[c].SetWidth(75);
  f.Grid.SetScrollX(50);
  const int height = f.Host.ClientRect().Bottom;
  f.Host.ClearLogs();
  f.Grid.Columns()[2].SetFooter("x");
  EXPECT_EQ(f.Host.Invalidated, (TRects{{117, 0, 198, height}}));
  f.Grid.Columns()[1].SetVisible(false);
  ASSERT_EQ(f.Grid.ScrollX(), 45);  // clamped to the narrower range
  f.Host.ClearLogs();
  f.Grid.Columns()[1].SetFooter("y");
  EXPECT_EQ(f.Host.Invalidated, (TRects{{47, 0, 128, height}}));
}

// Every column takes the grid's font, also one with a font of its own; the
// fixed boxes keep theirs and nothing is laid out.
TEST(WindowMessages, FontChange) {
  TGridFixture f;
  TTextGrid& g = f.Grid;
  g.SetColCount(3);
  g.SetAutoColWidth(true);
  tv::TFont own;
  own.Name = "Courier New";
  g.Columns()[2].SetFont(own);
  const std::vector<int> widths{g.Columns()[0].Width(), g.Columns()[1].Width(), g.Columns()[2].Width()};
  const tv::TFont header = g.HeaderFont();
  f.Host.ClearLogs();

  tv::TFont font;
  font.Height = -30;
  g.SetFont(font);
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(g.Columns()[c].Font(), font) << c;
    EXPECT_EQ(g.Columns()[c].Width(), widths[static_cast<std::size_t>(c)]) << c;
  }
  EXPECT_EQ(g.HeaderFont(), header);
  EXPECT_EQ(f.Host.WholeInvalidations, 1);
  EXPECT_EQ(f.Host.Invalidated.size(), 3u);  // one strip per column
  EXPECT_TRUE(f.Host.ScrollCalls.empty());

  f.Host.ClearLogs();
  g.SetFont(font);  // no column changes: only the whole repaint
  EXPECT_EQ(f.Host.WholeInvalidations, 1);
  EXPECT_TRUE(f.Host.Invalidated.empty());
}

TEST(WindowMessages, SizeWithoutCells) {
  TGridFixture f;
  f.Host.Resize(100, 50);
  EXPECT_EQ(f.Grid.ScrollY(), 0);
  f.Grid.SetColCount(2);
  f.Grid.SetRowCount(0);
  f.Host.ClearLogs();
  f.Host.Resize(50, 30);
  EXPECT_EQ(f.Grid.ScrollX(), 0);
  EXPECT_EQ(f.Grid.ScrollY(), 0);
}

struct StoreEvents : ::testing::Test {
  TGridFixture F;
  TTextGrid& G = F.Grid;
  std::vector<std::string> Log;
  void SetUp() override {
    G.SetColCount(2);
    G.SetRowCount(40);
    G.OnCellChanging = [this](TTextGrid&, int, int, bool&) { Log.push_back("changing"); };
    G.OnCellChange = [this](TTextGrid&, int, int, std::string&) { Log.push_back("change"); };
    G.OnDrawCell = [this](TTextGrid&, tv::TCanvas&, int, int, tv::TRect, bool&) { Log.push_back("draw"); };
    G.SetCellText(0, 1, "old");
    Log.clear();
    F.Host.ClearLogs();
  }
};

TEST_F(StoreEvents, EqualTextCostsNothing) {
  G.StoreCellText(0, 1, "old", true);
  G.SetCellText(0, 1, "old");
  G.StoreCellText(0, 7, "", true);  // pads the list, stores nothing new
  EXPECT_TRUE(Log.empty());
  EXPECT_TRUE(F.Host.Flushed.empty());
  EXPECT_EQ(G.Columns()[0].Strings().Count(), 8);
}

// A handler that puts the old text back: stored again and drawn.
TEST_F(StoreEvents, ChangeHandlerRestoringTheOldText) {
  G.OnCellChange = [this](TTextGrid&, int, int, std::string& Str) {
    Log.push_back("change " + Str);
    Str = "old";
  };
  G.StoreCellText(0, 1, "new", true);
  EXPECT_EQ(Log, (std::vector<std::string>{"changing", "change new", "draw"}));
  EXPECT_EQ(G.GetCellText(0, 1), "old");
  EXPECT_EQ(F.Host.Flushed.size(), 1u);
}

// The grid's ReadOnly is the keyboard's and mouse's business: the store
// takes program writes and user edits alike.
TEST_F(StoreEvents, GridReadOnlyIsNotTheStoresRule) {
  G.SetReadOnly(true);
  G.SetCellText(1, 0, "program");
  G.StoreCellText(1, 1, "user", true);
  EXPECT_EQ(G.GetCellText(1, 0), "program");
  EXPECT_EQ(G.GetCellText(1, 1), "user");
}

TEST_F(StoreEvents, CellOutOfSightIsStoredNotDrawn) {
  G.SetCellText(0, 30, "below");
  EXPECT_EQ(G.GetCellText(0, 30), "below");
  EXPECT_TRUE(Log.empty());
  EXPECT_TRUE(F.Host.Flushed.empty());
}

// A text written under a merged cell shows at once, is left out of the next
// full paint and emptied by the next layout; the tags stay -2 until the
// merged cells are cleared. A hidden column in the block is tagged too.
TEST_F(StoreEvents, TextUnderAMergedCell) {
  TMergedCell m;
  m.Span = {0, 2, 1, 3};
  G.AddMergedCell(m);
  G.Columns()[1].SetVisible(false);  // lays out: the block is applied
  EXPECT_EQ(G.GetCellTag(1, 3), -2);
  Log.clear();
  G.SetCellText(0, 2, "under");
  EXPECT_EQ(Log, std::vector<std::string>{"draw"});
  EXPECT_EQ(G.GetCellTag(0, 2), -2);
  Log.clear();
  std::vector<std::pair<int, int>> drawn;
  G.OnDrawCell = [&](TTextGrid&, tv::TCanvas&, int X, int Y, tv::TRect, bool&) { drawn.emplace_back(X, Y); };
  G.Paint();
  EXPECT_EQ(std::count(drawn.begin(), drawn.end(), std::pair{0, 2}), 0);
  EXPECT_EQ(std::count(drawn.begin(), drawn.end(), std::pair{0, 1}), 1);
  G.UpdateLayout();
  EXPECT_EQ(G.GetCellText(0, 2), "");
  G.ClearMergedCells();
  EXPECT_EQ(G.GetCellTag(0, 2), 0);
  EXPECT_EQ(G.GetCellTag(1, 3), 0);
  G.UpdateLayout();
  EXPECT_EQ(G.GetCellTag(0, 2), 0);
}

}  // namespace
