// The keyboard: the plain, Shift and Ctrl tables, Enter with its assignment,
// fills and block steps, the automatic rows, Insert and the deletes, and
// type-over typing with Backspace, the filter and the caret.
#include <gtest/gtest.h>

#include <stdexcept>

#include "FakeGridHost.h"
#include "platform/Errors.h"

namespace {

using TCells = std::vector<std::pair<int, int>>;
using TStrings = std::vector<std::string>;

// Client 400 x 300, gutter 20, header 18, four columns of 80, six rows:
// everything fits, nothing scrolls. Cell (c, r) covers client
// x 19 + 80c .. 100 + 80c and y 17 + 18r .. 36 + 18r; its text starts at
// x 23 + 80c.
struct KeysTest : ::testing::Test {
  TGridFixture F{400, 300};
  TTextGrid& G = F.Grid;
  TFakeGridHost& H = F.Host;
  TCells Moves;               // OnColRowChanged
  std::vector<int> KeyDowns;  // OnKeyDown
  TStrings Log;               // cell and row events
  void SetUp() override {
    TTextGrid::CaretShown = false;
    G.SetColCount(4);
    G.SetRowCount(6);
    G.OnColRowChanged = [this](TTextGrid&, int Col, int Row) { Moves.emplace_back(Col, Row); };
    G.OnKeyDown = [this](TTextGrid&, TVirtualKey& Key, TShiftState) { KeyDowns.push_back(Key); };
    G.OnCellChanging = [this](TTextGrid&, int Col, int Row, bool&) {
      Log.push_back("changing " + std::to_string(Col) + "," + std::to_string(Row));
    };
    G.OnCellChange = [this](TTextGrid&, int Col, int Row, std::string& Str) {
      Log.push_back("change " + std::to_string(Col) + "," + std::to_string(Row) + "=" + Str);
    };
    G.OnInsertRow = [this](TTextGrid&, int Row) { Log.push_back("insert " + std::to_string(Row)); };
    G.OnDeleteRow = [this](TTextGrid&, int Row) { Log.push_back("delete " + std::to_string(Row)); };
    Forget();
  }
  void Forget() {
    Moves.clear();
    KeyDowns.clear();
    Log.clear();
    H.ClearLogs();
  }
  // Makes (Col, Row) the current cell and the whole selection.
  void MoveTo(int Col, int Row) {
    TTextGridTestAccess::SetCurrent(G, Col, Row);
    G.CollapseSelection();
    Forget();
  }
  void Press(TVirtualKey Key, TShiftState Shift = 0) { G.KeyDown(Key, Shift); }
  // Each byte of Chars is one character (Latin-1).
  void Type(std::string_view Chars) {
    for (char c : Chars) {
      TChar chr = static_cast<unsigned char>(c);
      G.KeyPress(chr);
    }
  }
  void Type(std::u32string_view Chars) {
    for (TChar c : Chars) G.KeyPress(c);
  }
  std::string Cell(int Col, int Row) const { return G.CellTextOrEmpty(Col, Row); }
  TStrings Column(int Col) const {
    TStrings texts;
    for (int r = 0; r < G.RowCount(); ++r) texts.push_back(Cell(Col, r));
    return texts;
  }
  // Rows 0 .. 5 of column Col hold "r0" .. "r5".
  void NumberRows(int Col) {
    const char* texts[] = {"r0", "r1", "r2", "r3", "r4", "r5"};
    for (int r = 0; r < 6; ++r) G.SetCellText(Col, r, texts[r]);
  }
  void FillColumn(int Col, const std::string& Text) {
    for (int r = 0; r < G.RowCount(); ++r) G.SetCellText(Col, r, Text);
  }
};

TEST_F(KeysTest, PlainAndCtrlTablesMoveTheCurrentCell) {
  G.Columns()[2].SetVisible(false);
  struct Row {
    const char* Name;
    int FromCol, FromRow;
    TVirtualKey Key;
    TShiftState Shift;
    int ToCol, ToRow;
    bool Collapses;  // a collapse: notice, TypedText emptied
  };
  const Row rows[] = {
      {"Down", 1, 2, VK_DOWN, 0, 1, 3, true},
      {"Down on the last row", 1, 5, VK_DOWN, 0, 1, 5, true},
      {"Up", 1, 2, VK_UP, 0, 1, 1, true},
      {"Up on row 0", 1, 0, VK_UP, 0, 1, 0, true},
      {"Right skips the hidden column", 1, 2, VK_RIGHT, 0, 3, 2, true},
      {"Right in the last visible column", 3, 2, VK_RIGHT, 0, 3, 2, true},
      {"Left skips the hidden column", 3, 2, VK_LEFT, 0, 1, 2, true},
      {"Left in the first column", 0, 2, VK_LEFT, 0, 0, 2, true},
      {"Home stays in the row", 3, 4, VK_HOME, 0, 0, 4, true},
      {"End stays in the row", 0, 4, VK_END, 0, 3, 4, true},
      {"PageUp goes to row 0", 1, 4, VK_PRIOR, 0, 1, 0, true},
      {"PageDown goes to the last row", 1, 1, VK_NEXT, 0, 1, 5, true},
      {"Alt is not looked at", 1, 2, VK_DOWN, ssAlt, 1, 3, true},
      {"Tab", 1, 2, VK_TAB, 0, 1, 2, false},
      {"Escape", 1, 2, VK_ESCAPE, 0, 1, 2, false},
      {"F2", 1, 2, VK_F1 + 1, 0, 1, 2, false},
      {"Ctrl+Down", 1, 2, VK_DOWN, ssCtrl, 1, 2, false},
      {"Ctrl+PageDown", 1, 2, VK_NEXT, ssCtrl, 1, 2, false},
      {"Ctrl+Enter", 1, 2, VK_RETURN, ssCtrl, 1, 2, false},
      {"Shift+Home", 1, 2, VK_HOME, ssShift, 1, 2, false},
      {"Shift+PageDown", 1, 2, VK_NEXT, ssShift, 1, 2, false},
      {"Ctrl+Home", 3, 4, VK_HOME, ssCtrl, 0, 0, true},
      {"Ctrl+End", 0, 1, VK_END, ssCtrl, 3, 5, true},
      {"Ctrl wins over Shift", 0, 1, VK_END, ssCtrl | ssShift, 3, 5, true},
  };
  for (const Row& r : rows) {
    MoveTo(r.FromCol, r.FromRow);
    TTextGridTestAccess::SetTypedText(G, "typed");
    Press(r.Key, r.Shift);
    EXPECT_EQ(G.CurCol(), r.ToCol) << r.Name;
    EXPECT_EQ(G.CurRow(), r.ToRow) << r.Name;
    EXPECT_EQ(G.SelArea(), (tv::TRect{r.ToCol, r.ToRow, r.ToCol, r.ToRow})) << r.Name;
    EXPECT_EQ(G.MarkCol(), r.ToCol) << r.Name;
    EXPECT_EQ(G.MarkRow(), r.ToRow) << r.Name;
    EXPECT_EQ(Moves, (r.Collapses ? TCells{{r.ToCol, r.ToRow}} : TCells{})) << r.Name;
    EXPECT_EQ(G.TypedText(), r.Collapses ? "" : "typed") << r.Name;
    EXPECT_EQ(KeyDowns, std::vector<int>{r.Key}) << r.Name;
  }
}

TEST_F(KeysTest, ShiftArrowsExtendFromTheCurrentCell) {
  G.Columns()[2].SetVisible(false);
  MoveTo(1, 1);
  TTextGridTestAccess::SetTypedText(G, "typed");
  struct Row {
    TVirtualKey Key;
    int MarkCol, MarkRow;
    tv::TRect Sel;
  };
  const Row rows[] = {
      {VK_RIGHT, 3, 1, {1, 1, 3, 1}}, {VK_RIGHT, 3, 1, {1, 1, 3, 1}}, {VK_DOWN, 3, 2, {1, 1, 3, 2}},
      {VK_DOWN, 3, 3, {1, 1, 3, 3}},  {VK_LEFT, 1, 3, {1, 1, 1, 3}},  {VK_LEFT, 0, 3, {0, 1, 1, 3}},
      {VK_LEFT, 0, 3, {0, 1, 1, 3}},  {VK_UP, 0, 2, {0, 1, 1, 2}},    {VK_UP, 0, 1, {0, 1, 1, 1}},
      {VK_UP, 0, 0, {0, 0, 1, 1}},    {VK_UP, 0, 0, {0, 0, 1, 1}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Press(rows[i].Key, ssShift);
    EXPECT_EQ(G.MarkCol(), rows[i].MarkCol) << "step " << i;
    EXPECT_EQ(G.MarkRow(), rows[i].MarkRow) << "step " << i;
    EXPECT_EQ(G.SelArea(), rows[i].Sel) << "step " << i;
  }
  EXPECT_EQ(G.CurCol(), 1);
  EXPECT_EQ(G.CurRow(), 1);
  EXPECT_EQ(G.TypedText(), "typed");
  EXPECT_TRUE(Moves.empty());
  // Typing after the extension still goes to the current cell.
  Type("z");
  EXPECT_EQ(Cell(1, 1), "typedz");
}

// A column count that shrank leaves the moving corner beyond the columns;
// Shift+Left takes it back into the grid instead of raising.
TEST_F(KeysTest, ShiftArrowFromACornerLeftBeyondTheColumns) {
  MoveTo(3, 5);
  G.SetColCount(2);
  EXPECT_EQ(G.MarkCol(), 3);
  Press(VK_LEFT, ssShift);
  EXPECT_EQ(G.MarkCol(), 0);
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 5, 1, 5}));
  G.SetRowCount(3);
  Press(VK_DOWN, ssShift);
  EXPECT_EQ(G.MarkRow(), 2);
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 2, 1, 2}));
}

TEST_F(KeysTest, CtrlDeleteDeletesTheCurrentRow) {
  NumberRows(0);
  MoveTo(0, 2);
  Press(VK_DELETE, ssCtrl);
  EXPECT_EQ(G.RowCount(), 5);
  EXPECT_EQ(Column(0), (TStrings{"r0", "r1", "r3", "r4", "r5"}));
  EXPECT_EQ(Log, TStrings{"delete 2"});
  EXPECT_EQ(G.CurRow(), 2);
  EXPECT_EQ(Moves.back(), (std::pair<int, int>{0, 2}));
  // The last row: the current row moves up to the new last row.
  MoveTo(0, 4);
  Press(VK_DELETE, ssCtrl);
  EXPECT_EQ(G.RowCount(), 4);
  EXPECT_EQ(G.CurRow(), 3);
  EXPECT_EQ(Log, TStrings{"delete 4"});
  // Not with a single row, not in a read-only grid.
  G.SetRowCount(1);
  Forget();
  Press(VK_DELETE, ssCtrl);
  EXPECT_EQ(G.RowCount(), 1);
  G.SetRowCount(4);
  G.SetReadOnly(true);
  Forget();
  Press(VK_DELETE, ssCtrl);
  EXPECT_EQ(G.RowCount(), 4);
  EXPECT_TRUE(Log.empty());
  EXPECT_EQ(KeyDowns, std::vector<int>{VK_DELETE});
}

TEST_F(KeysTest, InsertGivesAnEmptyCurrentRow) {
  NumberRows(1);
  MoveTo(1, 0);
  Press(VK_INSERT);
  EXPECT_EQ(G.RowCount(), 7);
  EXPECT_EQ(Column(1), (TStrings{"", "r0", "r1", "r2", "r3", "r4", "r5"}));
  EXPECT_EQ(G.CurRow(), 0);
  EXPECT_EQ(Log, TStrings{"insert 0"});
  G.SetReadOnly(true);
  Forget();
  Press(VK_INSERT);
  EXPECT_EQ(G.RowCount(), 7);
  EXPECT_TRUE(Log.empty());
}

TEST_F(KeysTest, EnterAssignsAndMovesDown) {
  G.SetCellText(1, 2, "old");
  G.OnCellAssignment = [](TTextGrid&, int, int, std::string& Str) { Str += "+"; };
  MoveTo(1, 2);
  Press(VK_RETURN);
  EXPECT_EQ(Cell(1, 2), "old+");
  EXPECT_EQ(Log, (TStrings{"changing 1,2", "change 1,2=old+"}));
  EXPECT_EQ(G.CurRow(), 3);
  EXPECT_EQ(Moves, (TCells{{1, 3}}));

  // A refused store still moves; the last row keeps the current cell and
  // appends no row, also with AutoAddRow.
  G.OnCellChanging = [](TTextGrid&, int, int, bool& CanChange) { CanChange = false; };
  G.SetAutoAddRow(true);
  MoveTo(1, 5);
  Press(VK_RETURN);
  EXPECT_EQ(Cell(1, 5), "");
  EXPECT_EQ(G.CurRow(), 5);
  EXPECT_EQ(G.RowCount(), 6);

  // Enter does not consult the grid's ReadOnly.
  G.OnCellChanging = nullptr;
  G.SetReadOnly(true);
  MoveTo(1, 4);
  Press(VK_RETURN);
  EXPECT_EQ(Cell(1, 4), "+");
  EXPECT_EQ(G.CurRow(), 5);
}

TEST_F(KeysTest, EnterFillsDownAndRight) {
  struct Row {
    const char* Name;
    bool Down, Right;
    std::string Text;
    tv::TRect Sel;  // the selection; the current cell is (1, 2)
    TStrings Column1, Row2;
  };
  const TStrings untouchedColumn{"old", "old", "x", "old", "old", "old"};
  const TStrings untouchedRow{"old", "x", "old", "old"};
  const Row rows[] = {
      {"down to the last row", true, false, "abc*", {1, 2, 1, 2},
       {"old", "old", "abc", "abc", "abc", "abc"}, {"old", "abc", "old", "old"}},
      {"a lone marker empties the column", true, false, "*", {1, 2, 1, 2},
       {"old", "old", "", "", "", ""}, {"old", "", "old", "old"}},
      {"down to the block's bottom", true, false, "abc*", {0, 1, 1, 3},
       {"old", "old", "abc", "abc", "old", "old"}, {"old", "abc", "old", "old"}},
      {"right to the last column, hidden and read-only ones too", false, true, "ab>", {1, 2, 1, 2},
       {"old", "old", "ab", "old", "old", "old"}, {"old", "ab", "ab", "ab"}},
      {"right to the block's right", false, true, "ab>", {1, 1, 2, 3},
       {"old", "old", "ab", "old", "old", "old"}, {"old", "ab", "ab", "old"}},
      {"no fill without AutoFillDown", false, true, "abc*", {1, 2, 1, 2}, {"old", "old", "abc*", "old", "old", "old"},
       {"old", "abc*", "old", "old"}},
  };
  G.Columns()[2].SetVisible(false);
  G.Columns()[2].SetReadOnly(true);
  for (const Row& r : rows) {
    for (int c = 0; c < 4; ++c) FillColumn(c, "old");
    G.SetCellText(1, 2, "x");
    G.SetAutoFillDown(r.Down);
    G.SetAutoFillRight(r.Right);
    G.OnCellAssignment = [&r](TTextGrid&, int, int, std::string& Str) { Str = r.Text; };
    MoveTo(1, 2);
    TTextGridTestAccess::SetSelArea(G, r.Sel);
    TTextGridTestAccess::SetTypedText(G, "typed");
    Press(VK_RETURN);
    EXPECT_EQ(Column(1), r.Column1) << r.Name;
    EXPECT_EQ((TStrings{Cell(0, 2), Cell(1, 2), Cell(2, 2), Cell(3, 2)}), r.Row2) << r.Name;
    const bool filled = r.Column1[2] != r.Text;
    if (filled) {
      // The current cell and the selection stay; no notice; the fill writes
      // are program writes (only the assignment's store is an edit).
      EXPECT_EQ(G.CurCol(), 1) << r.Name;
      EXPECT_EQ(G.CurRow(), 2) << r.Name;
      EXPECT_EQ(G.SelArea(), r.Sel) << r.Name;
      EXPECT_TRUE(Moves.empty()) << r.Name;
      EXPECT_EQ(G.TypedText(), "") << r.Name;
      EXPECT_EQ(Log, (TStrings{"changing 1,2", "change 1,2=" + r.Text})) << r.Name;
    } else {
      EXPECT_EQ(G.CurRow(), 3) << r.Name;
    }
  }
}

TEST_F(KeysTest, EnterStepsThroughABlockColumnByColumn) {
  MoveTo(1, 1);
  TTextGridTestAccess::SetSelArea(G, {1, 1, 2, 3});
  TTextGridTestAccess::SetMark(G, 2, 3);
  for (int i = 0; i < 6; ++i) Press(VK_RETURN);
  EXPECT_EQ(Moves, (TCells{{1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}, {1, 1}}));
  EXPECT_EQ(G.SelArea(), (tv::TRect{1, 1, 2, 3}));
  EXPECT_EQ(G.MarkCol(), 2);
  EXPECT_EQ(G.MarkRow(), 3);
  Moves.clear();
  Press(VK_RETURN, ssShift);
  Press(VK_RETURN, ssShift);
  Press(VK_RETURN, ssShift);
  Press(VK_RETURN, ssShift);
  EXPECT_EQ(Moves, (TCells{{2, 3}, {2, 2}, {2, 1}, {1, 3}}));
  // Shift+Enter on a single cell moves up.
  MoveTo(0, 3);
  Press(VK_RETURN, ssShift);
  EXPECT_EQ(Moves, (TCells{{0, 2}}));
}

TEST_F(KeysTest, AutomaticRowsAtTheEnd) {
  G.SetAutoAddRow(true);
  MoveTo(1, 5);
  Press(VK_DOWN);
  Press(VK_DOWN);
  EXPECT_EQ(G.RowCount(), 8);
  EXPECT_EQ(G.CurRow(), 7);
  EXPECT_EQ(Log, (TStrings{"insert 6", "insert 7"}));
  // Twice per appended row: from the count, from the collapse.
  EXPECT_EQ(Moves, (TCells{{1, 6}, {1, 6}, {1, 7}, {1, 7}}));

  Log.clear();
  Press(VK_UP);  // the empty last row goes
  EXPECT_EQ(G.RowCount(), 7);
  EXPECT_EQ(G.CurRow(), 6);
  EXPECT_EQ(Log, TStrings{"delete 7"});
  G.SetCellText(3, 6, "kept");
  Log.clear();
  Press(VK_UP);  // a last row holding text only moves up
  EXPECT_EQ(G.RowCount(), 7);
  EXPECT_EQ(G.CurRow(), 5);
  EXPECT_TRUE(Log.empty());

  // Row 0 is never removed; a read-only grid appends nothing.
  G.SetRowCount(1);
  MoveTo(0, 0);
  Press(VK_UP);
  EXPECT_EQ(G.RowCount(), 1);
  G.SetReadOnly(true);
  Press(VK_DOWN);
  EXPECT_EQ(G.RowCount(), 1);
  EXPECT_TRUE(Log.empty());
}

// At the most rows the grid takes, the keys that add a row raise the
// overflow of the refused count with the grid as it was: the current cell,
// the selection, the texts and their lists stay, no event fires, and the
// keys go on working. (Only the first rows hold texts: a text far down
// would make its column's list that long.)
TEST_F(KeysTest, NoRowAddedAtTheMostRows) {
  const std::int32_t most = INT32_MAX / 18 - 2;  // with the header line and the footer row
  struct Row {
    const char* Name;
    TVirtualKey Key;
    std::int32_t CurRow;
  };
  const Row rows[] = {{"Down with AutoAddRow on the last row", VK_DOWN, most - 1},
                      {"Insert", VK_INSERT, 1}};
  G.SetAutoAddRow(true);
  NumberRows(2);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.Name);
    G.SetRowCount(most);
    MoveTo(2, r.CurRow);
    const std::int32_t scrollY = G.ScrollY();
    EXPECT_THROW(Press(r.Key), tv::EIntOverflow);
    EXPECT_EQ(G.RowCount(), most);
    EXPECT_EQ(G.CurRow(), r.CurRow);
    EXPECT_EQ(G.SelArea(), (tv::TRect{2, r.CurRow, 2, r.CurRow}));
    EXPECT_EQ(G.ScrollY(), scrollY);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(G.Columns()[c].Strings().Count(), c == 2 ? 6 : 0) << c;
    EXPECT_EQ(Cell(2, 1), "r1");
    EXPECT_EQ(Cell(2, 5), "r5");
    EXPECT_TRUE(Log.empty());
    EXPECT_TRUE(Moves.empty());
    Press(VK_UP);
    EXPECT_EQ(G.CurRow(), r.CurRow - 1);
  }
}

TEST_F(KeysTest, DeleteClearsTheBlockAsUserEdits) {
  for (int c = 0; c < 4; ++c) FillColumn(c, "t");
  G.Columns()[1].SetReadOnly(true);
  G.Columns()[2].SetVisible(false);
  MoveTo(0, 1);
  TTextGridTestAccess::SetSelArea(G, {0, 1, 2, 2});
  bool lockedWhileWriting = false;
  G.OnCellChange = [&](TTextGrid&, int Col, int Row, std::string&) {
    lockedWhileWriting = G.PaintLocked();
    Log.push_back("change " + std::to_string(Col) + "," + std::to_string(Row));
  };
  Press(VK_DELETE);
  EXPECT_EQ(Log, (TStrings{"changing 0,1", "change 0,1", "changing 0,2", "change 0,2", "changing 2,1", "change 2,1",
                           "changing 2,2", "change 2,2"}));
  EXPECT_TRUE(lockedWhileWriting);
  EXPECT_FALSE(G.PaintLocked());
  EXPECT_EQ(Column(0), (TStrings{"t", "", "", "t", "t", "t"}));
  EXPECT_EQ(Column(1), (TStrings{"t", "t", "t", "t", "t", "t"}));
  EXPECT_EQ(Column(2), (TStrings{"t", "", "", "t", "t", "t"}));
  EXPECT_TRUE(H.Flushed.empty());  // no cell repainted one by one
  EXPECT_EQ(H.Invalidated, (std::vector<tv::TRect>{{18, 16, 400, 300}}));
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 1, 2, 2}));

  // Not while typing over the cell, not in a read-only grid.
  for (int c = 0; c < 4; ++c) FillColumn(c, "t");
  TTextGridTestAccess::SetTypedText(G, "t");
  Press(VK_DELETE);
  EXPECT_EQ(Cell(0, 1), "t");
  TTextGridTestAccess::SetTypedText(G, "");
  G.SetReadOnly(true);
  Press(VK_DELETE);
  EXPECT_EQ(Cell(0, 1), "t");
}

// An error of a cell event's handler ends the clearing but never leaves the
// grid unable to paint.
TEST_F(KeysTest, DeleteGivesThePaintLockBackOnAnError) {
  FillColumn(0, "t");
  MoveTo(0, 0);
  TTextGridTestAccess::SetSelArea(G, {0, 0, 0, 3});
  G.OnCellChanging = [](TTextGrid&, int, int Row, bool&) {
    if (Row == 2) throw std::runtime_error("refused");
  };
  EXPECT_THROW(Press(VK_DELETE), std::runtime_error);
  EXPECT_FALSE(G.PaintLocked());
  EXPECT_EQ(Column(0), (TStrings{"", "", "t", "t", "t", "t"}));
  EXPECT_FALSE(H.Invalidated.empty());
}

TEST_F(KeysTest, TypingOverTheCurrentCell) {
  G.SetCellText(1, 2, "old");
  MoveTo(1, 2);
  Type("ab");
  EXPECT_EQ(Cell(1, 2), "ab");
  EXPECT_EQ(G.TypedText(), "ab");
  EXPECT_EQ(Log, (TStrings{"changing 1,2", "change 1,2=a", "changing 1,2", "change 1,2=ab"}));
  // The caret after the text (8 pixels a character), at the text's top.
  EXPECT_EQ(H.CaretCalls, (TStrings{"pos 112,54", "show", "hide", "pos 120,54", "show"}));
  EXPECT_TRUE(TTextGrid::CaretShown);
  Type("\b");
  EXPECT_EQ(Cell(1, 2), "a");
  Type("\b\b");
  EXPECT_EQ(Cell(1, 2), "");
  EXPECT_EQ(G.TypedText(), "");
  // Backspace as the first key on a cell empties it.
  G.SetCellText(1, 3, "full");
  MoveTo(1, 3);
  Type("\b");
  EXPECT_EQ(Cell(1, 3), "");
  // Control characters type nothing.
  MoveTo(1, 4);
  Type("\r\x1b\t\x03");
  EXPECT_TRUE(Log.empty());
  EXPECT_EQ(G.TypedText(), "");
}

TEST_F(KeysTest, ALatin1CharacterIsStoredAsUtf8) {
  MoveTo(0, 0);
  Type("a\xE9");
  EXPECT_EQ(Cell(0, 0), "a\xC3\xA9");
  Type("\b");
  EXPECT_EQ(Cell(0, 0), "a");
}

// Characters are whole code points: any script types over a cell, each
// character through the filter first, and Backspace takes back whole
// characters. What is no character (a surrogate half, a value beyond
// U+10FFFF) types nothing and asks no filter.
TEST_F(KeysTest, AnyCharacterTypesThroughTheFilter) {
  std::u32string filtered;
  bool allow = true;
  G.OnFilterChar = [&](TGridObject& Sender, int, int, TChar Chr, bool& Allowed) {
    EXPECT_EQ(&Sender, &G);
    filtered += Chr;
    Allowed = allow;
  };
  MoveTo(0, 0);
  Type(U"a\u00E9\u20AC\u0436\U0001F600");
  EXPECT_EQ(Cell(0, 0), "a\xC3\xA9\xE2\x82\xAC\xD0\xB6\xF0\x9F\x98\x80");
  EXPECT_EQ(filtered, U"a\u00E9\u20AC\u0436\U0001F600");
  Type("\b");
  EXPECT_EQ(Cell(0, 0), "a\xC3\xA9\xE2\x82\xAC\xD0\xB6");
  Type(U"\xD800\x110000");
  EXPECT_EQ(Cell(0, 0), "a\xC3\xA9\xE2\x82\xAC\xD0\xB6");
  EXPECT_EQ(filtered.size(), 5u);
  // A filter that refuses everything lets nothing in, whatever the script.
  allow = false;
  MoveTo(1, 0);
  Log.clear();
  Type(U"x\u20AC\u0436");
  EXPECT_EQ(Cell(1, 0), "");
  EXPECT_TRUE(Log.empty());
  EXPECT_EQ(filtered.substr(5), U"x\u20AC\u0436");
}

// A current cell whose column the program hides is written by no key, as in
// a grid without a visible column: typing, Backspace and Enter's assignment
// and fills leave it alone; the moving keys work and bring it back.
TEST_F(KeysTest, CurrentCellInAHiddenColumn) {
  G.SetAutoFillDown(true);
  G.SetCellText(1, 2, "x*");
  G.OnCellAssignment = [this](TTextGrid&, int, int, std::string&) { Log.push_back("assign"); };
  MoveTo(1, 2);
  G.Columns()[1].SetVisible(false);
  Forget();
  Type("ab\b");
  Press(VK_RETURN);
  EXPECT_EQ(Column(1), (TStrings{"", "", "x*", "", "", ""}));
  EXPECT_TRUE(Log.empty());
  EXPECT_EQ(G.TypedText(), "");
  EXPECT_EQ(Moves, (TCells{{1, 3}}));  // Enter still moves down
  Press(VK_RIGHT);
  EXPECT_EQ(G.CurCol(), 2);
  Type("c");
  EXPECT_EQ(Cell(2, 3), "c");
}

// The release of a key is told whatever the grid's state; the grid itself
// does nothing on it.
TEST_F(KeysTest, KeyUpIsToldForEveryRelease) {
  std::vector<std::pair<int, int>> ups;
  G.OnKeyUp = [&](TTextGrid&, TVirtualKey& Key, TShiftState Shift) { ups.emplace_back(Key, Shift); };
  TVirtualKey down = VK_DOWN, a = 'A';
  G.KeyUp(down, 0);
  G.SetEnabled(false);
  G.KeyUp(a, ssShift);
  EXPECT_EQ(ups, (std::vector<std::pair<int, int>>{{VK_DOWN, 0}, {'A', ssShift}}));
  EXPECT_TRUE(Moves.empty());
  EXPECT_TRUE(KeyDowns.empty());
}

TEST_F(KeysTest, FilterReadOnlyAndKeyPressEvent) {
  std::u32string filtered;
  G.OnFilterChar = [&](TGridObject& Sender, int Col, int Row, TChar Chr, bool& Allowed) {
    EXPECT_EQ(&Sender, &G);
    EXPECT_EQ(Col, 1);
    EXPECT_EQ(Row, 2);
    filtered.push_back(Chr);
    Allowed = Chr != 'x';
  };
  G.SetCellText(1, 2, "abc");
  MoveTo(1, 2);
  Type("x");
  EXPECT_EQ(Cell(1, 2), "abc");
  EXPECT_EQ(G.TypedText(), "");
  EXPECT_TRUE(H.CaretCalls.empty());
  Type("\b");  // Backspace is not filtered
  EXPECT_EQ(filtered, U"x");

  // A read-only column keeps its text; the caret stands after that text.
  G.Columns()[1].SetReadOnly(true);
  MoveTo(1, 2);
  G.SetCellText(1, 2, "abc");
  H.ClearLogs();
  Type("y");
  EXPECT_EQ(Cell(1, 2), "abc");
  EXPECT_EQ(H.CaretCalls, (TStrings{"pos 128,54", "show"}));

  // OnKeyPress comes first and may cancel the character; a read-only grid
  // types nothing but still fires it.
  int keyPresses = 0;
  G.Columns()[1].SetReadOnly(false);
  G.OnKeyPress = [&](TTextGrid&, TChar& Key) {
    ++keyPresses;
    if (Key == 'q') Key = 0;
  };
  MoveTo(1, 2);
  Type("q");
  EXPECT_EQ(Cell(1, 2), "abc");
  G.SetReadOnly(true);
  Type("z");
  EXPECT_EQ(Cell(1, 2), "abc");
  EXPECT_EQ(keyPresses, 2);
}

TEST_F(KeysTest, NoKeyActsWithoutAnEnabledGridWithCells) {
  struct Row {
    const char* Name;
    bool Enabled;
    int Cols, Rows;
  };
  const Row rows[] = {{"disabled", false, 4, 6}, {"no column", true, 0, 6}, {"no row", true, 4, 0}};
  for (const Row& r : rows) {
    G.SetEnabled(r.Enabled);
    G.SetColCount(r.Cols);
    G.SetRowCount(r.Rows);
    Forget();
    int keyPresses = 0;
    G.OnKeyPress = [&](TTextGrid&, TChar&) { ++keyPresses; };
    for (TVirtualKey key : {VK_DOWN, VK_RETURN, VK_INSERT, VK_DELETE}) Press(key);
    Type("a");
    EXPECT_TRUE(KeyDowns.empty()) << r.Name;
    EXPECT_TRUE(Moves.empty()) << r.Name;
    EXPECT_TRUE(Log.empty()) << r.Name;
    EXPECT_EQ(keyPresses, 1) << r.Name;
    EXPECT_EQ(G.RowCount(), r.Rows) << r.Name;
    G.SetEnabled(true);
    G.SetColCount(4);
    G.SetRowCount(6);
  }
}

// A first column added through the collection to a grid without columns
// leaves it without a current cell (-1, -1) until a press chooses one. Until
// then no key of any table acts, as in a grid without cells: nothing moves,
// no block with a corner outside the grid arises, nothing is written or
// copied and nothing raises; the clipboard commands called directly do no
// more.
TEST_F(KeysTest, NoKeyActsWithoutACurrentCell) {
  G.SetColCount(0);
  G.SetRowCount(0);
  G.SetRowCount(5);
  G.Columns().Add();
  ASSERT_EQ(G.CurCol(), -1);
  ASSERT_EQ(G.CurRow(), -1);
  G.SetCellText(0, 1, "x");
  H.Clipboard = "pasted";
  H.HasClipboardText = true;
  Forget();
  const tv::TRect none{-1, -1, -1, -1};
  const TVirtualKey keys[] = {VK_LEFT, VK_UP,     VK_RIGHT,  VK_DOWN, VK_HOME, VK_END, VK_PRIOR,
                              VK_NEXT, VK_RETURN, VK_INSERT, VK_DELETE, 'C',   'V',    'X'};
  for (const TShiftState shift : {TShiftState{0}, ssShift, ssCtrl, TShiftState(ssShift | ssCtrl)}) {
    for (const TVirtualKey key : keys) {
      EXPECT_NO_THROW(Press(key, shift)) << key << " shift " << int{shift};
      EXPECT_EQ(G.SelArea(), none) << key << " shift " << int{shift};
    }
  }
  Type("a\b");
  EXPECT_EQ(G.CurCol(), -1);
  EXPECT_EQ(G.CurRow(), -1);
  EXPECT_EQ(Column(0), (TStrings{"", "x", "", "", ""}));
  EXPECT_EQ(G.RowCount(), 5);
  EXPECT_TRUE(KeyDowns.empty());
  EXPECT_TRUE(Moves.empty());
  EXPECT_TRUE(Log.empty());
  EXPECT_EQ(H.ClipboardWrites, 0);

  // A selection reaching beyond the grid (set by the program) cannot make
  // the clipboard commands raise either.
  TTextGridTestAccess::SetSelArea(G, {-1, -1, 0, 1});
  EXPECT_NO_THROW(G.CopySelection());
  EXPECT_EQ(H.Clipboard, "");
  EXPECT_NO_THROW(G.CutSelection());
  EXPECT_NO_THROW(G.PasteGridText("y\r\n"));
  EXPECT_EQ(Column(0), (TStrings{"", "x", "", "", ""}));
  EXPECT_TRUE(Log.empty());

  // A press on a cell chooses it; from there the keys work as ever.
  G.MouseMove(0, 50, 45);
  G.MouseDown(mbLeft, 0, 50, 45);
  G.MouseUp(mbLeft, 0, 50, 45);
  ASSERT_EQ(G.CurCol(), 0);
  ASSERT_EQ(G.CurRow(), 1);
  Press(VK_DOWN, ssShift);
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 1, 0, 2}));
  Press('C', ssCtrl);
  EXPECT_EQ(H.Clipboard, "x\r\n\r\n");
}

// With every column hidden the current cell has no column to move to: the
// keys that move or edit do nothing (they would address column -1), copying
// still works and OnKeyDown still fires.
TEST_F(KeysTest, KeysInAGridWithoutAVisibleColumn) {
  G.SetAutoFillDown(true);
  for (int c = 0; c < 4; ++c) G.Columns()[c].SetVisible(false);
  MoveTo(1, 1);
  for (TVirtualKey key : {VK_HOME, VK_END, VK_RIGHT, VK_LEFT, VK_DOWN, VK_RETURN, VK_INSERT, VK_DELETE}) Press(key);
  Press(VK_HOME, ssCtrl);
  Press(VK_END, ssCtrl);
  Press(VK_LEFT, ssShift);
  Type("a\b");
  EXPECT_EQ(G.CurCol(), 1);
  EXPECT_EQ(G.CurRow(), 1);
  EXPECT_EQ(G.RowCount(), 6);
  EXPECT_TRUE(Moves.empty());
  EXPECT_TRUE(Log.empty());
  EXPECT_EQ(KeyDowns.size(), 11u);
  Press('C', ssCtrl);
  EXPECT_EQ(H.Clipboard, "\r\n");
}

TEST_F(KeysTest, ClipboardKeysAndReadOnly) {
  G.SetCellText(0, 0, "a");
  G.SetCellText(1, 0, "b");
  MoveTo(0, 0);
  TTextGridTestAccess::SetSelArea(G, {0, 0, 1, 0});
  G.SetReadOnly(true);
  Press('C', ssCtrl);
  EXPECT_EQ(H.Clipboard, "a\tb\r\n");
  H.Clipboard = "z";
  Press('V', ssCtrl);
  Press('X', ssCtrl);
  EXPECT_EQ(Cell(0, 0), "a");
  EXPECT_EQ(H.Clipboard, "z");
  G.SetReadOnly(false);
  Press('X', ssCtrl);
  EXPECT_EQ(H.Clipboard, "a\tb\r\n");
  EXPECT_EQ(Cell(0, 0), "");
  Press('V', ssCtrl);
  EXPECT_EQ(Cell(0, 0), "a");
  EXPECT_EQ(Cell(1, 0), "b");
}

}  // namespace
