// The selection and the current cell: the block's invalidation, collapsing
// and extending, following another grid's row, the order of the current-cell
// notices, and the caret with the keyboard focus.
#include <gtest/gtest.h>

#include "FakeGridHost.h"
#include "platform/Errors.h"

namespace {

using TRects = std::vector<tv::TRect>;
using TCells = std::vector<std::pair<int, int>>;

// Client 200 x 200, gutter 20, header 18, two columns of 80 and five rows:
// everything fits. Cell (c, r) covers client x 19 + 80c .. 100 + 80c and
// y 17 + 18r .. 36 + 18r.
struct SelectionTest : ::testing::Test {
  TGridFixture F;
  TTextGrid& G = F.Grid;
  TFakeGridHost& H = F.Host;
  TCells Events;
  void SetUp() override {
    G.SetColCount(2);
    G.SetRowCount(5);
    G.OnColRowChanged = [this](TTextGrid&, int Col, int Row) { Events.emplace_back(Col, Row); };
    H.ClearLogs();
  }
  // A shown caret and an open editor, to see what hides them.
  void ShowCaretAndEditor() {
    G.ShowTypingCaret();
    H.EditorShown = true;
    H.ClearLogs();
  }
};

TEST_F(SelectionTest, NewBlockInvalidatesBothBlocksWithTheFrameMargin) {
  struct Row {
    const char* Name;
    tv::TRect From, To;
    tv::TRect Invalid;
  };
  const Row rows[] = {
      {"one cell to the right", {0, 0, 0, 0}, {1, 0, 1, 0}, {16, 14, 183, 39}},
      {"first cell to the last", {0, 0, 0, 0}, {1, 4, 1, 4}, {16, 14, 183, 111}},
      {"a block shrinks", {0, 1, 1, 3}, {1, 2, 1, 2}, {16, 32, 183, 93}},
  };
  for (const Row& r : rows) {
    TTextGridTestAccess::SetSelArea(G, r.From);
    ShowCaretAndEditor();
    G.SetSelArea(r.To);
    EXPECT_EQ(G.SelArea(), r.To) << r.Name;
    EXPECT_EQ(H.Invalidated, TRects{r.Invalid}) << r.Name;
    EXPECT_EQ(H.WholeInvalidations, 0) << r.Name;
    EXPECT_EQ(H.CaretCalls, std::vector<std::string>{"hide"}) << r.Name;
    EXPECT_FALSE(H.EditorShown) << r.Name;
    EXPECT_FALSE(TTextGrid::CaretShown) << r.Name;
  }
}

TEST_F(SelectionTest, SameBlockOnlyWithForce) {
  TTextGridTestAccess::SetSelArea(G, {1, 1, 1, 1});
  ShowCaretAndEditor();
  G.SetSelArea({1, 1, 1, 1});
  EXPECT_TRUE(H.NothingInvalidated());
  EXPECT_TRUE(H.CaretCalls.empty());
  EXPECT_TRUE(H.EditorShown);
  EXPECT_TRUE(TTextGrid::CaretShown);

  G.SetSelAreaEx({1, 1, 1, 1}, true);
  EXPECT_EQ(H.Invalidated, (TRects{{96, 32, 183, 57}}));
  EXPECT_EQ(H.CaretCalls, std::vector<std::string>{"hide"});
  EXPECT_FALSE(H.EditorShown);
}

// Only the pointer gutter shows the current row: only then is its strip
// repainted with the block.
TEST_F(SelectionTest, PointerGutterStripFollowsTheSelection) {
  for (TGutterKind kind : {gkPointer, gkNumber}) {
    G.SetGutterKind(kind);
    TTextGridTestAccess::SetSelArea(G, {0, 0, 0, 0});
    H.ClearLogs();
    G.SetSelArea({0, 1, 0, 1});
    TRects expected{{16, 14, 103, 57}};
    if (kind == gkPointer) expected.push_back({0, 18, 20, 200});
    EXPECT_EQ(H.Invalidated, expected) << int{kind};
  }
}

// The index -1 of a grid without cells gives the empty rectangle at the
// origin for its corner; nothing fails.
TEST_F(SelectionTest, BlockWithoutCellsDegenerates) {
  G.SetRowCount(0);
  H.ClearLogs();
  G.SetSelArea({0, 0, 0, 0});
  ASSERT_EQ(H.Invalidated.size(), 1u);
  EXPECT_EQ(H.Invalidated[0], (tv::TRect{17, 15, 103, 39}));
}

// A block that the grid cannot place is refused with the error of its
// first bad corner before anything changes: the selection, the caret and
// the editor stay, nothing is invalidated, and the grid goes on working.
TEST_F(SelectionTest, RefusedBlockChangesNothing) {
  struct Row {
    const char* Name;
    tv::TRect Area;
    std::string Error;
  };
  const Row rows[] = {
      {"right of the columns", {0, 0, 2, 1}, "List index out of bounds (2)"},
      {"wholly right of the columns", {3, 1, 3, 1}, "List index out of bounds (2)"},
      {"left of the columns", {-2, 0, 0, 0}, "List index out of bounds (-2)"},
      {"below the pixel range", {0, 0, 0, 200'000'000}, "Integer overflow in *"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.Name);
    TTextGridTestAccess::SetCurrent(G, 1, 1);
    TTextGridTestAccess::SetSelArea(G, {0, 1, 1, 2});
    ShowCaretAndEditor();
    try {
      G.SetSelAreaEx(r.Area, true);
      ADD_FAILURE() << "no error";
    } catch (const tv::EProgramError& e) {
      EXPECT_EQ(std::string(e.what()), r.Error);
    }
    EXPECT_EQ(G.SelArea(), (tv::TRect{0, 1, 1, 2}));
    EXPECT_TRUE(H.NothingInvalidated());
    EXPECT_TRUE(H.CaretCalls.empty());
    EXPECT_TRUE(H.EditorShown);
    G.CollapseSelection();
    EXPECT_EQ(G.SelArea(), (tv::TRect{1, 1, 1, 1}));
  }
}

TEST_F(SelectionTest, CollapseMakesTheCurrentCellTheSelection) {
  TTextGridTestAccess::SetSelArea(G, {0, 0, 1, 4});
  TTextGridTestAccess::SetMark(G, 0, 0);
  TTextGridTestAccess::SetCurrent(G, 1, 3);
  TTextGridTestAccess::SetTypedText(G, "ab");
  ShowCaretAndEditor();
  G.CollapseSelection();
  EXPECT_EQ(G.SelArea(), (tv::TRect{1, 3, 1, 3}));
  EXPECT_EQ(G.MarkCol(), 1);
  EXPECT_EQ(G.MarkRow(), 3);
  EXPECT_EQ(G.TypedText(), "");
  EXPECT_FALSE(G.PaintLocked());
  EXPECT_FALSE(H.EditorShown);
  EXPECT_EQ(H.CaretCalls, std::vector<std::string>{"hide"});
  EXPECT_EQ(Events, (TCells{{1, 3}}));

  // Again without a move: the notice comes all the same.
  TTextGridTestAccess::SetTypedText(G, "x");
  H.ClearLogs();
  G.CollapseSelection();
  EXPECT_EQ(G.TypedText(), "");
  EXPECT_TRUE(H.NothingInvalidated());
  EXPECT_EQ(Events, (TCells{{1, 3}, {1, 3}}));
}

// The view scrolls with painting locked; the notice comes after the new
// selection is in place.
TEST_F(SelectionTest, CollapseScrollsWithPaintingLocked) {
  G.SetRowCount(40);
  Events.clear();
  TTextGridTestAccess::SetCurrent(G, 0, 30);
  std::vector<bool> lockedAtScroll;
  H.OnScrollInfo = [&] { lockedAtScroll.push_back(G.PaintLocked()); };
  G.OnColRowChanged = [&](TTextGrid& Sender, int, int) {
    EXPECT_EQ(Sender.SelArea(), (tv::TRect{0, 30, 0, 30}));
    EXPECT_FALSE(Sender.PaintLocked());
    Events.emplace_back(-9, -9);
  };
  G.CollapseSelection();
  EXPECT_EQ(lockedAtScroll, std::vector<bool>{true});
  EXPECT_GT(G.ScrollY(), 0);
  EXPECT_FALSE(G.PaintLocked());
  EXPECT_EQ(Events.size(), 1u);
}

// An error on the way (here a current column that no longer exists) leaves
// the grid able to paint.
TEST_F(SelectionTest, CollapseUnlocksPaintingOnAnError) {
  G.SetRowCount(40);
  TTextGridTestAccess::SetCurrent(G, 7, 30);
  EXPECT_THROW(G.CollapseSelection(), tv::EListError);
  EXPECT_FALSE(G.PaintLocked());
}

TEST_F(SelectionTest, ExtendSpansTheCurrentCellAndTheCorner) {
  G.SetRowCount(40);
  Events.clear();
  TTextGridTestAccess::SetCurrent(G, 1, 2);
  TTextGridTestAccess::SetSelArea(G, {1, 2, 1, 2});
  TTextGridTestAccess::SetTypedText(G, "kept");
  TTextGridTestAccess::SetMark(G, 0, 25);
  G.ExtendSelection();
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 2, 1, 25}));
  EXPECT_EQ(G.CurCol(), 1);
  EXPECT_EQ(G.CurRow(), 2);
  EXPECT_EQ(G.TypedText(), "kept");
  EXPECT_TRUE(Events.empty());
  EXPECT_LE(G.ToClientRect(G.CellBounds(0, 25)).Bottom, H.ClientRect().Bottom);

  TTextGridTestAccess::SetMark(G, 0, 0);
  G.ExtendSelection();
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 0, 1, 2}));
  EXPECT_EQ(G.ScrollY(), 0);
}

TEST_F(SelectionTest, SetCurrentRow) {
  TTextGridTestAccess::SetCurrent(G, 1, 0);
  TTextGridTestAccess::SetMark(G, 0, 4);
  TTextGridTestAccess::SetTypedText(G, "x");
  ShowCaretAndEditor();
  G.SetCurrentRow(3);
  EXPECT_EQ(G.CurRow(), 3);
  EXPECT_EQ(G.MarkCol(), 1);
  EXPECT_EQ(G.MarkRow(), 3);
  EXPECT_EQ(G.SelArea(), (tv::TRect{1, 3, 1, 3}));
  EXPECT_EQ(G.TypedText(), "");
  EXPECT_FALSE(H.EditorShown);
  EXPECT_EQ(H.Invalidated.back(), (tv::TRect{0, 18, 200, 200}));
  EXPECT_EQ(Events, (TCells{{1, 3}}));

  H.ClearLogs();
  G.SetCurrentRow(3);
  EXPECT_TRUE(H.NothingInvalidated());
  EXPECT_EQ(Events.size(), 1u);
}

// The linked grid follows first, then the grid's own event fires; a chain
// that comes back to a grid whose row is already current ends there.
TEST(SelectionLinks, NoticeOrder) {
  TGridFixture a, b, c;
  std::vector<std::string> log;
  for (auto [fixture, name] : {std::pair{&a, "a"}, {&b, "b"}, {&c, "c"}}) {
    fixture->Grid.SetColCount(1);
    fixture->Grid.SetRowCount(10);
    fixture->Grid.OnColRowChanged = [&log, name = std::string(name)](TTextGrid&, int Col, int Row) {
      log.push_back(name + " " + std::to_string(Col) + "," + std::to_string(Row));
    };
  }
  a.Grid.SetLinkedGrid(&b.Grid);
  b.Grid.SetLinkedGrid(&c.Grid);
  c.Grid.SetLinkedGrid(&a.Grid);
  TTextGridTestAccess::SetCurrent(a.Grid, 0, 6);
  log.clear();
  a.Grid.NotifyColRowChanged();
  EXPECT_EQ(log, (std::vector<std::string>{"c 0,6", "b 0,6", "a 0,6"}));
  EXPECT_EQ(b.Grid.CurRow(), 6);
  EXPECT_EQ(c.Grid.CurRow(), 6);
}

// A grid that follows a grid of more rows takes a row beyond its own as it
// comes; the keys still act from there and Down comes back to its last row,
// while typing writes nothing and copying copies nothing.
TEST(SelectionLinks, FollowerGivenARowBeyondItsOwn) {
  TGridFixture leader, follower;
  leader.Grid.SetColCount(2);
  leader.Grid.SetRowCount(10);
  TTextGrid& g = follower.Grid;
  g.SetColCount(2);
  g.SetRowCount(3);
  leader.Grid.SetLinkedGrid(&g);
  TTextGridTestAccess::SetCurrent(leader.Grid, 0, 7);
  leader.Grid.CollapseSelection();
  ASSERT_EQ(g.CurRow(), 7);
  TChar chr = 'a';
  g.KeyPress(chr);
  for (int r = 0; r < 3; ++r) EXPECT_EQ(g.CellTextOrEmpty(0, r), "") << r;
  follower.Host.Clipboard = "before";
  TVirtualKey key = 'C';
  g.KeyDown(key, ssCtrl);
  EXPECT_EQ(follower.Host.Clipboard, "");  // the empty text
  key = VK_DOWN;
  g.KeyDown(key, 0);
  EXPECT_EQ(g.CurRow(), 2);
  EXPECT_EQ(g.SelArea(), (tv::TRect{0, 2, 0, 2}));
}

TEST_F(SelectionTest, FocusCreatesAHiddenCaret) {
  G.ShowTypingCaret();
  H.ClearLogs();
  G.WMSetFocus();
  EXPECT_EQ(H.CaretCalls, std::vector<std::string>{"create 1x16"});
  EXPECT_FALSE(TTextGrid::CaretShown);
  EXPECT_EQ(H.Invalidated, (TRects{{18, 16, 200, 200}}));

  G.SetDefRowHeight(20);
  H.ClearLogs();
  G.WMSetFocus();
  EXPECT_EQ(H.CaretCalls, std::vector<std::string>{"create 1x18"});
}

TEST_F(SelectionTest, TypingCaretIsShownOnce) {
  G.WMSetFocus();
  H.ClearLogs();
  G.ShowTypingCaret();
  G.ShowTypingCaret();
  EXPECT_EQ(H.CaretCalls, std::vector<std::string>{"show"});
  EXPECT_TRUE(TTextGrid::CaretShown);
  G.HideEditorAndCaret();
  G.HideEditorAndCaret();
  EXPECT_EQ(H.CaretCalls, (std::vector<std::string>{"show", "hide"}));
}

// The focus passing to the grid's own editor leaves it open and the cells
// alone; to any other window it hides editor and caret and repaints the
// cells (the frame loses its black).
TEST_F(SelectionTest, FocusLoss) {
  struct Row {
    const char* Name;
    bool ToEditor;
    bool EditorActive;
    std::vector<std::string> Caret;
    bool EditorStays;
    bool CellsInvalidated;
  };
  const Row rows[] = {
      {"to another window", false, false, {"hide", "destroy"}, false, true},
      {"to another window with the editor open", false, true, {"hide", "destroy"}, false, true},
      {"to the open editor", true, true, {"destroy"}, true, false},
      {"to the editor's window while it is closed", true, false, {"destroy"}, true, true},
  };
  for (const Row& r : rows) {
    G.WMSetFocus();
    G.ShowTypingCaret();
    TTextGridTestAccess::SetEditorActive(G, r.EditorActive);
    H.EditorShown = true;
    H.ClearLogs();
    G.WMKillFocus(r.ToEditor);
    EXPECT_EQ(H.CaretCalls, r.Caret) << r.Name;
    EXPECT_FALSE(TTextGrid::CaretShown) << r.Name;
    EXPECT_EQ(H.EditorShown, r.EditorStays) << r.Name;
    EXPECT_EQ(G.EditorActive(), r.EditorActive && r.EditorStays) << r.Name;
    const TRects cells = r.CellsInvalidated ? TRects{{18, 16, 200, 200}} : TRects{};
    EXPECT_EQ(H.Invalidated, cells) << r.Name;
  }
}

}  // namespace
