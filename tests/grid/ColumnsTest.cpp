// Column items and the column collection: starting values, the two kinds of
// change notice, copying, display names and the collection's index errors.
#include <gtest/gtest.h>

#include "FakeGridHost.h"
#include "platform/Errors.h"

namespace {

// A grid with four columns and a log of the header rebuilds it went through.
struct ColumnsTest : ::testing::Test {
  TGridFixture F;
  TTextGrid& G = F.Grid;
  TFakeGridHost& H = F.Host;
  void SetUp() override {
    G.SetColCount(4);
    H.ClearLogs();
  }
};

TEST_F(ColumnsTest, NewColumnTakesGridValuesOfThatMoment) {
  G.SetDefColWidth(40);
  G.SetColor(tv::RGBColor(1, 2, 3));
  tv::TFont narrow = NarrowFont(-15);
  G.SetFont(narrow);
  TTextColumn& c = G.Columns().Add();
  EXPECT_EQ(c.Width(), 40);
  EXPECT_EQ(c.Color(), tv::RGBColor(1, 2, 3));
  EXPECT_EQ(c.Font(), narrow);
  EXPECT_EQ(c.HorzAlign(), haLeft);
  EXPECT_EQ(c.VertAlign(), vaCenter);
  EXPECT_TRUE(c.Visible());
  EXPECT_TRUE(c.CanResize());
  EXPECT_FALSE(c.ReadOnly());
  EXPECT_EQ(c.Strings().Count(), 0);
  // Later changes of the grid's Color and DefColWidth leave the column alone;
  // a change of the grid's font reaches every column at once.
  G.SetColor(tv::clWindow);
  G.SetDefColWidth(90);
  EXPECT_EQ(c.Width(), 40);
  EXPECT_EQ(c.Color(), tv::RGBColor(1, 2, 3));
  tv::TFont bold = narrow;
  bold.Bold = true;
  c.SetFont(tv::TFont());
  G.SetFont(bold);
  EXPECT_TRUE(c.Font().Bold);
  EXPECT_TRUE(G.Columns()[0].Font().Bold);
}

TEST_F(ColumnsTest, WidthWriteRebuildsOnlyWhenChanged) {
  TTextColumn& c = G.Columns()[1];
  c.SetWidth(80);  // the default width already
  EXPECT_TRUE(H.NothingInvalidated());
  c.SetWidth(76);
  EXPECT_EQ(H.WholeInvalidations, 1);
  EXPECT_EQ(G.ColumnsExtent(), 80 + 76 + 80 + 80);
}

// Changes for one column mark the column's strip, 3 pixels wider on each
// side, over the client height; changes for all rebuild and repaint all.
TEST_F(ColumnsTest, NoticeKindPerProperty) {
  TTextColumn& c = G.Columns()[2];
  const tv::TRect strip{G.GutterExtent() + 160 - 3, 0, G.GutterExtent() + 240 + 3, H.ClientRect().Bottom};
  struct Row {
    const char* Name;
    std::function<void()> Write;
    bool Strip, All;
  };
  const Row rows[] = {
      {"footer", [&] { c.SetFooter("f"); }, true, false},
      {"colour", [&] { c.SetColor(tv::clRed); }, true, false},
      {"horizontal", [&] { c.SetHorzAlign(haRight); }, true, false},
      {"vertical", [&] { c.SetVertAlign(vaTop); }, true, false},
      {"equal font", [&] { c.SetFont(c.Font()); }, true, false},
      {"strings", [&] { c.SetStrings(TCellStrings()); }, true, false},
      {"title case", [&] { c.SetTitle("x"); c.SetTitle("X"); }, false, true},
      {"tag, hint, flags", [&] { c.SetTag(5); c.SetTag2(6); c.SetHint("h"); c.SetCanResize(false); c.SetReadOnly(true); },
       false, false},
  };
  for (const Row& r : rows) {
    H.ClearLogs();
    r.Write();
    EXPECT_EQ(H.WholeInvalidations > 0, r.All) << r.Name;
    const bool marked = !H.Invalidated.empty() && H.Invalidated.back() == strip;
    EXPECT_EQ(marked, r.Strip) << r.Name;
    if (!r.Strip && !r.All) {
      EXPECT_TRUE(H.NothingInvalidated()) << r.Name;
    }
  }
}

TEST_F(ColumnsTest, HidingSetsFitSkipColumnOnce) {
  G.Columns()[2].SetVisible(false);
  EXPECT_EQ(G.FitSkipColumn(), 2);
  EXPECT_EQ(H.WholeInvalidations, 1);
  EXPECT_EQ(G.ColumnsExtent(), 240);
  H.ClearLogs();
  G.Columns()[2].SetVisible(false);
  EXPECT_TRUE(H.NothingInvalidated());
}

TEST_F(ColumnsTest, CountFromZeroToFourIsOneNotice) {
  TGridFixture f;
  int rebuilds = 0;
  f.Grid.OnDrawHeader = nullptr;
  f.Grid.SetHeaderLine(1);
  f.Host.ClearLogs();
  f.Grid.SetColCount(4);
  rebuilds = f.Host.WholeInvalidations;
  EXPECT_EQ(rebuilds, 1);
  EXPECT_EQ(f.Grid.HeaderCells().size(), 1u);  // four empty titles merge
}

TEST_F(ColumnsTest, FontStoredOnlyWhenItDiffers) {
  G.SetFont(NarrowFont(-15));
  TTextColumn& c = G.Columns()[0];
  EXPECT_FALSE(c.IsFontStored());
  tv::TFont f = NarrowFont(-15);
  f.Bold = true;
  c.SetFont(f);
  EXPECT_TRUE(c.IsFontStored());
  f.Bold = false;
  f.Name = "arial narrow";
  c.SetFont(f);
  EXPECT_TRUE(c.IsFontStored());
}

TEST_F(ColumnsTest, DisplayNameAndAssign) {
  EXPECT_EQ(G.Columns()[3].GetDisplayName(), "Column 3");
  G.Columns()[3].SetTitle("A|B");
  EXPECT_EQ(G.Columns()[3].GetDisplayName(), "A|B");

  TTextColumn& source = G.Columns()[0];
  source.SetTitle("Src");
  source.SetWidth(33);
  source.SetHorzAlign(haRight);
  source.SetTag(7);
  source.SetReadOnly(true);
  for (int r = 0; r < 5; ++r) source.Strings().Add("t" + std::to_string(r), r * 10);
  TTextColumn& target = G.Columns()[1];
  target.Strings().Add("old");
  target.Assign(&source);
  EXPECT_EQ(target.Title(), "Src");
  EXPECT_EQ(target.Width(), 33);
  EXPECT_EQ(target.HorzAlign(), haRight);
  EXPECT_EQ(target.Tag(), 7);
  EXPECT_TRUE(target.ReadOnly());
  EXPECT_EQ(target.Strings(), source.Strings());

  H.ClearLogs();
  target.Assign(nullptr);
  EXPECT_EQ(target.Title(), "Src");
  EXPECT_TRUE(H.NothingInvalidated());
}

TEST_F(ColumnsTest, IndexErrorsOfTheCollection) {
  try {
    G.Columns().GetItem(4);
    FAIL() << "no error";
  } catch (const tv::EListError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (4)");
  }
  EXPECT_THROW(G.Columns().GetItem(-1), tv::EListError);
  EXPECT_THROW(G.Columns().Delete(4), tv::EListError);
  EXPECT_EQ(G.ColCount(), 4);
}

// The grid rebuilds its header without the leaving column before the
// column's font and texts go.
TEST_F(ColumnsTest, DeleteRebuildsWithoutTheColumn) {
  for (int c = 0; c < 4; ++c) G.Columns()[c].SetTitle(std::string(1, static_cast<char>('A' + c)));
  G.Columns().Delete(1);
  ASSERT_EQ(G.HeaderCells().size(), 3u);
  EXPECT_EQ(G.HeaderCells()[1]->Str, "C");
  EXPECT_EQ(G.ColumnsExtent(), 240);
}

// Adding and deleting columns through the collection keeps the current
// cell, the moving corner and the selection inside the columns, as the
// column-count setter does; a notice that leaves the count alone (a title)
// keeps a block selected.
TEST_F(ColumnsTest, CountChangesThroughTheCollectionKeepTheSelectionInside) {
  std::vector<std::pair<int, int>> events;
  G.OnColRowChanged = [&](TTextGrid&, int Col, int Row) { events.emplace_back(Col, Row); };
  TTextGridTestAccess::SetCurrent(G, 3, 2);
  TTextGridTestAccess::SetMark(G, 3, 4);
  TTextGridTestAccess::SetSelArea(G, {2, 2, 3, 4});
  G.Columns()[0].SetTitle("kept");
  EXPECT_EQ(G.SelArea(), (tv::TRect{2, 2, 3, 4}));

  // What lay in the deleted column comes back to the last one; the rows of
  // the block stay, and so does the moving corner (the shifted arrows bring
  // it back first).
  G.Columns().Delete(3);
  EXPECT_EQ(G.CurCol(), 2);
  EXPECT_EQ(G.CurRow(), 2);
  EXPECT_EQ(G.MarkCol(), 3);
  EXPECT_EQ(G.MarkRow(), 4);
  EXPECT_EQ(G.SelArea(), (tv::TRect{2, 2, 2, 4}));
  EXPECT_EQ(events, (std::vector<std::pair<int, int>>{{2, 2}}));
  EXPECT_NO_THROW(G.Paint());
  EXPECT_NO_THROW(H.Resize(150, 150));  // scrolls the current cell into view
  TVirtualKey left = VK_LEFT;
  EXPECT_NO_THROW(G.KeyDown(left, ssShift));
  EXPECT_EQ(G.MarkCol(), 1);

  // A block left of the deleted column, and a new column, move nothing.
  TTextGridTestAccess::SetCurrent(G, 0, 0);
  TTextGridTestAccess::SetMark(G, 1, 2);
  TTextGridTestAccess::SetSelArea(G, {0, 0, 1, 2});
  events.clear();
  G.Columns().Delete(2);
  G.Columns().Add();
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 0, 1, 2}));
  EXPECT_EQ(G.MarkCol(), 1);
  EXPECT_TRUE(events.empty());

  // Inside an update the clamp waits for its end, with one notice.
  TTextGridTestAccess::SetCurrent(G, 2, 2);
  TTextGridTestAccess::SetSelArea(G, {2, 2, 2, 2});
  G.Columns().BeginUpdate();
  G.Columns().Delete(2);
  G.Columns().Delete(1);
  G.Columns().EndUpdate();
  EXPECT_EQ(G.CurCol(), 0);
  EXPECT_EQ(events, (std::vector<std::pair<int, int>>{{0, 2}}));

  G.Columns().Clear();
  EXPECT_EQ(G.CurCol(), -1);
  EXPECT_EQ(G.CurRow(), -1);
  EXPECT_EQ(G.SelArea(), (tv::TRect{-1, -1, -1, -1}));
  EXPECT_NO_THROW(G.Paint());

  // A column added to a grid without one leaves it without a current cell
  // and tells nobody; the keys then act as in a grid without cells.
  events.clear();
  G.Columns().Add();
  EXPECT_EQ(G.CurCol(), -1);
  EXPECT_EQ(G.CurRow(), -1);
  EXPECT_TRUE(events.empty());
  EXPECT_NO_THROW(G.Paint());
  for (TVirtualKey key : {VK_RETURN, VK_DELETE}) {
    TVirtualKey k = key;
    EXPECT_NO_THROW(G.KeyDown(k, 0));
  }
  TChar a = U'a';
  EXPECT_NO_THROW(G.KeyPress(a));
  EXPECT_EQ(G.CellTextOrEmpty(0, 0), "");
  TVirtualKey down = VK_DOWN;
  G.KeyDown(down, 0);
  TVirtualKey right = VK_RIGHT;
  G.KeyDown(right, 0);
  EXPECT_EQ(G.CurCol(), -1);
  EXPECT_EQ(G.CurRow(), -1);
  EXPECT_TRUE(events.empty());
}

TEST_F(ColumnsTest, CollectionCopyIsOneNotice) {
  TGridFixture other;
  other.Grid.SetColCount(2);
  other.Grid.Columns()[0].SetTitle("X");
  other.Grid.Columns()[1].SetWidth(50);
  other.Grid.Columns()[1].Strings().Add("cell", 3);
  H.ClearLogs();
  G.SetColumns(other.Grid.Columns());
  EXPECT_EQ(H.WholeInvalidations, 1);
  ASSERT_EQ(G.ColCount(), 2);
  EXPECT_EQ(G.Columns()[0].Title(), "X");
  EXPECT_EQ(G.Columns()[1].Width(), 50);
  EXPECT_EQ(G.Columns()[1].Strings().Tag(0), 3);
  EXPECT_EQ(G.Columns().UpdateCount(), 0);
}

}  // namespace
