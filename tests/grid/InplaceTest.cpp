// The in-place editor: its box over the cell, what it shows, every change of
// its text stored as a user edit, the keys that close it and the filter of
// its characters.
#include <gtest/gtest.h>

#include <functional>

#include "FakeGridHost.h"

namespace {

using TStrings = std::vector<std::string>;

// Gutter 20, header 18, columns of 80: cell (1, 2) has its top-left client
// point (x, y) = (100, 54); the cell box is (99, 53) .. (180, 72).
struct InplaceTest : ::testing::Test {
  TGridFixture F{400, 300};
  TTextGrid& G = F.Grid;
  TFakeGridHost& H = F.Host;
  TStrings Log;
  void SetUp() override {
    TTextGrid::CaretShown = false;
    G.SetColCount(3);
    G.SetRowCount(6);
    G.OnCellChanging = [this](TTextGrid&, int Col, int Row, bool&) {
      Log.push_back("changing " + std::to_string(Col) + "," + std::to_string(Row));
    };
    G.OnCellChange = [this](TTextGrid&, int, int, std::string& Str) { Log.push_back("change " + Str); };
    H.ClearLogs();
  }
  // Makes (Col, Row) current with a press, then presses it again: the editor opens.
  void OpenOn(int Col, int Row) {
    for (int i = 0; i < 2; ++i) {
      const tv::TRect r = G.ToClientRect(G.CellBounds(Col, Row));  // after any scrolling
      const int x = (r.Left + r.Right) / 2, y = (r.Top + r.Bottom) / 2;
      G.MouseMove(0, x, y);
      G.MouseDown(mbLeft, ssLeft, x, y);
      G.MouseUp(mbLeft, 0, x, y);
    }
    Log.clear();
  }
};

TEST_F(InplaceTest, BoxOverTheCell) {
  struct Case {
    const char* Name;
    THorzAlign Horz;
    TVertAlign Vert;
    int TextHeight;
    tv::TRect Box;
  };
  const Case cases[] = {
      {"left, centred, H 16", haLeft, vaCenter, 16, {103, 55, 176, 71}},
      {"left, centred, H 14", haLeft, vaCenter, 14, {103, 56, 176, 70}},
      {"right-aligned: one pixel wider", haRight, vaCenter, 16, {103, 55, 177, 71}},
      {"centred text", haCenter, vaCenter, 16, {103, 55, 176, 71}},
      {"top", haLeft, vaTop, 16, {103, 55, 176, 71}},
      {"bottom", haLeft, vaBottom, 16, {103, 54, 176, 70}},
  };
  for (const Case& c : cases) {
    G.Columns()[1].SetHorzAlign(c.Horz);
    G.Columns()[1].SetVertAlign(c.Vert);
    H.Recorder.CellHeight = c.TextHeight;
    G.InplaceEditor().ShowEdit(1, 2);
    EXPECT_EQ(H.Editor.Bounds, c.Box) << c.Name;
    EXPECT_EQ(H.Editor.Alignment, c.Horz) << c.Name;
    EXPECT_EQ(G.InplaceEditor().EditAlignment(), c.Horz) << c.Name;
  }
}

TEST_F(InplaceTest, OpensWithTheCellsTextColourAndFont) {
  tv::TFont font;
  font.Name = "Courier";
  font.Height = -13;
  G.Columns()[1].SetFont(font);
  G.SetAlternateColor(tv::TColor{0x0000FFFF});
  G.SetCellText(1, 3, "text");
  G.ShowTypingCaret();
  H.ClearLogs();
  OpenOn(1, 3);
  EXPECT_TRUE(G.EditorActive());
  EXPECT_EQ(H.EditorShows, 1);
  EXPECT_EQ(H.Editor.Text, "text");
  EXPECT_EQ(H.Editor.Font, font);
  EXPECT_EQ(H.Editor.Color, tv::TColor{0x0000FFFF});  // an odd row of a column in the grid's colour
  EXPECT_EQ(G.InplaceEditor().EditCol(), 1);
  EXPECT_EQ(G.InplaceEditor().EditRow(), 3);
  EXPECT_FALSE(TTextGrid::CaretShown);
  EXPECT_EQ(H.CaretCalls, TStrings{"hide"});
  // The grid keeps the focus; the editor is not focused.
  EXPECT_TRUE(H.HasFocus);
}

TEST_F(InplaceTest, EveryChangeIsAUserEdit) {
  OpenOn(0, 1);
  TTextInplace& e = G.InplaceEditor();
  e.Change("");  // the text the field was given: nothing
  EXPECT_TRUE(Log.empty());
  e.Change("a");
  e.Change("ab");
  EXPECT_EQ(G.CellTextOrEmpty(0, 1), "ab");
  EXPECT_EQ(Log, (TStrings{"changing 0,1", "change a", "changing 0,1", "change ab"}));
  // Escape closes and keeps the text; the grid takes the focus.
  H.HasFocus = false;
  EXPECT_TRUE(e.KeyDown(VK_ESCAPE, 0));
  EXPECT_FALSE(H.EditorShown);
  EXPECT_FALSE(G.EditorActive());
  EXPECT_TRUE(H.HasFocus);
  EXPECT_EQ(G.CellTextOrEmpty(0, 1), "ab");
}

TEST_F(InplaceTest, EnterEscapeUpAndDownClose) {
  struct Case {
    const char* Name;
    TVirtualKey Key;
    bool Closes;
  };
  const Case cases[] = {{"Enter", VK_RETURN, true}, {"Escape", VK_ESCAPE, true}, {"Up", VK_UP, true},
                        {"Down", VK_DOWN, true},    {"Left", VK_LEFT, false},    {"A", 'A', false},
                        {"Tab", VK_TAB, false}};
  for (const Case& c : cases) {
    OpenOn(1, 2);
    H.HasFocus = false;
    H.FocusRequests = 0;
    EXPECT_EQ(G.InplaceEditor().KeyDown(c.Key, 0), c.Closes) << c.Name;
    EXPECT_EQ(H.EditorShown, !c.Closes) << c.Name;
    EXPECT_EQ(G.EditorActive(), !c.Closes) << c.Name;
    EXPECT_EQ(H.FocusRequests, c.Closes ? 1 : 0) << c.Name;
    // Up and Down leave the current cell.
    EXPECT_EQ(G.CurCol(), 1) << c.Name;
    EXPECT_EQ(G.CurRow(), 2) << c.Name;
    G.HideEditorAndCaret();
  }
}

TEST_F(InplaceTest, FilterDropsRefusedCharactersButNeverBackspace) {
  TGridObject* sender = nullptr;
  G.OnFilterChar = [&](TGridObject& Sender, int Col, int Row, TChar, bool& Allowed) {
    sender = &Sender;
    EXPECT_EQ(Col, 2);
    EXPECT_EQ(Row, 4);
    Allowed = false;
  };
  OpenOn(2, 4);
  for (TChar key : {U'a', U'\x01', U'\r', U'\u20AC'}) {
    TChar k = key;
    G.InplaceEditor().KeyPress(k);
    EXPECT_EQ(k, 0U);
  }
  TChar backspace = 8;
  G.InplaceEditor().KeyPress(backspace);
  EXPECT_EQ(backspace, 8U);
  EXPECT_EQ(sender, &G.InplaceEditor());
  G.OnFilterChar = nullptr;
  TChar b = U'b';
  G.InplaceEditor().KeyPress(b);
  EXPECT_EQ(b, U'b');
}

TEST_F(InplaceTest, RowBeyondTheStoredStrings) {
  G.SetRowCount(50);
  G.SetCellText(1, 0, "first");
  OpenOn(1, 40);
  EXPECT_EQ(H.Editor.Text, "");
  G.InplaceEditor().Change("");
  EXPECT_TRUE(Log.empty());
  EXPECT_EQ(G.CellTextOrEmpty(1, 40), "");
}

// The editor closes as soon as its cell leaves the grid or its column is
// hidden, so that nothing typed afterwards can go to a cell that is gone; a
// change elsewhere leaves it open.
TEST_F(InplaceTest, ClosesWhenItsCellLeavesTheGrid) {
  struct Case {
    const char* Name;
    std::function<void(TTextGrid&)> Change;
    bool Closes;
  };
  const Case cases[] = {
      {"fewer rows", [](TTextGrid& g) { g.SetRowCount(3); }, true},
      {"fewer columns", [](TTextGrid& g) { g.SetColCount(1); }, true},
      {"its row deleted", [](TTextGrid& g) { g.DeleteRow(4); }, true},
      {"its column hidden", [](TTextGrid& g) { g.Columns()[1].SetVisible(false); }, true},
      {"its column removed", [](TTextGrid& g) { g.Columns().Delete(1); }, true},
      {"a column before it removed: it would stand over another cell", [](TTextGrid& g) { g.Columns().Delete(0); },
       true},
      {"every column removed", [](TTextGrid& g) { g.Columns().Clear(); }, true},
      {"more rows", [](TTextGrid& g) { g.SetRowCount(9); }, false},
      {"another column hidden", [](TTextGrid& g) { g.Columns()[2].SetVisible(false); }, false},
      {"a column added", [](TTextGrid& g) { g.Columns().Add(); }, false},
      {"a title", [](TTextGrid& g) { g.Columns()[0].SetTitle("T"); }, false},
  };
  for (const Case& c : cases) {
    G.SetColCount(3);
    G.SetRowCount(6);
    for (int col = 0; col < 3; ++col) G.Columns()[col].SetVisible(true);
    OpenOn(1, 4);
    ASSERT_TRUE(H.EditorShown) << c.Name;
    c.Change(G);
    EXPECT_EQ(H.EditorShown, !c.Closes) << c.Name;
    EXPECT_EQ(G.EditorActive(), !c.Closes) << c.Name;
    EXPECT_TRUE(Log.empty()) << c.Name;  // nothing typed, nothing stored
    EXPECT_NO_THROW(G.Paint()) << c.Name;
    G.HideEditorAndCaret();
    G.SetColCount(0);
  }
}

// A cell that is still there when its editor closes (its column hidden) gets
// the editor's text once more: a change an event refused is offered again.
// An editor that saw no change stores nothing.
TEST_F(InplaceTest, AClosingCellGetsTheEditorsTextOnceMore) {
  bool refuse = true;
  G.OnCellChanging = [&](TTextGrid&, int Col, int Row, bool& CanChange) {
    Log.push_back("changing " + std::to_string(Col) + "," + std::to_string(Row));
    CanChange = !refuse;
  };
  OpenOn(1, 4);
  G.InplaceEditor().Change("typed");
  EXPECT_EQ(G.CellTextOrEmpty(1, 4), "");
  refuse = false;
  G.Columns()[1].SetVisible(false);
  EXPECT_FALSE(H.EditorShown);
  EXPECT_EQ(G.CellTextOrEmpty(1, 4), "typed");
  EXPECT_EQ(Log, (TStrings{"changing 1,4", "changing 1,4", "change typed"}));

  G.Columns()[1].SetVisible(true);
  G.SetCellText(1, 4, "kept");
  OpenOn(1, 4);
  G.Columns()[1].SetVisible(false);
  EXPECT_FALSE(H.EditorShown);
  EXPECT_EQ(G.CellTextOrEmpty(1, 4), "kept");
  EXPECT_TRUE(Log.empty());
}

// The editor stays open when the grid turns read-only later, and its
// changes are still stored (only the column's ReadOnly refuses them).
TEST_F(InplaceTest, OutlivesALaterReadOnly) {
  OpenOn(1, 1);
  G.SetReadOnly(true);
  G.InplaceEditor().Change("late");
  EXPECT_EQ(G.CellTextOrEmpty(1, 1), "late");
  G.Columns()[1].SetReadOnly(true);
  G.InplaceEditor().Change("refused");
  EXPECT_EQ(G.CellTextOrEmpty(1, 1), "late");
}

}  // namespace
