// Copy, cut and paste through the host's clipboard: the grid text of a
// block, round trips, the spread from one cell and the tiling of a block,
// line ends and a NUL, and the cut that clears only after the clipboard took
// the texts.
#include <gtest/gtest.h>

#include <stdexcept>

#include "FakeGridHost.h"

namespace {

using TStrings = std::vector<std::string>;
using namespace std::string_literals;

// Five columns of 40, eight rows; everything fits.
struct ClipboardTest : ::testing::Test {
  TGridFixture F{300, 300};
  TTextGrid& G = F.Grid;
  TFakeGridHost& H = F.Host;
  void SetUp() override {
    G.SetColCount(5);
    for (int c = 0; c < 5; ++c) G.Columns()[c].SetWidth(40);
    G.SetRowCount(8);
    H.ClearLogs();
  }
  void Select(int Col, int Row, const tv::TRect& Area) {
    TTextGridTestAccess::SetCurrent(G, Col, Row);
    TTextGridTestAccess::SetSelArea(G, Area);
  }
  // Row r of the grid as "a|b|c|d|e".
  std::string RowText(int Row) const {
    std::string text;
    for (int c = 0; c < G.ColCount(); ++c) {
      if (c > 0) text.push_back('|');
      text.append(G.CellTextOrEmpty(c, Row));
    }
    return text;
  }
  void Clear() {
    for (int c = 0; c < G.ColCount(); ++c) {
      for (int r = 0; r < G.RowCount(); ++r) G.SetCellText(c, r, "");
    }
  }
};

TEST_F(ClipboardTest, CopyWritesGridText) {
  struct Case {
    const char* Name;
    tv::TRect Area;
    int Hidden;  // a hidden column, or -1
    std::string Text;
  };
  const Case cases[] = {
      {"a single cell", {0, 0, 0, 0}, -1, "x\r\n"},
      {"two rows of three columns", {0, 1, 2, 2}, -1, "a\tb\t\r\nc\t\td\r\n"},
      {"an empty block", {3, 0, 4, 1}, -1, "\t\r\n\t\r\n"},
      {"a hidden column inside", {0, 1, 2, 2}, 1, "a\t\r\nc\td\r\n"},
      {"the first column hidden", {0, 1, 2, 2}, 0, "b\t\r\n\td\r\n"},
  };
  G.SetCellText(0, 0, "x");
  G.SetCellText(0, 1, "a");
  G.SetCellText(1, 1, "b");
  G.SetCellText(0, 2, "c");
  G.SetCellText(2, 2, "d");
  for (const Case& c : cases) {
    for (int col = 0; col < 5; ++col) G.Columns()[col].SetVisible(col != c.Hidden);
    Select(c.Area.Left, c.Area.Top, c.Area);
    H.ClearLogs();
    G.CopySelection();
    EXPECT_EQ(H.Clipboard, c.Text) << c.Name;
    EXPECT_TRUE(H.NothingInvalidated()) << c.Name;
  }
}

TEST_F(ClipboardTest, CopyAndPasteRoundTrip) {
  G.SetCellText(0, 0, "a");
  G.SetCellText(1, 0, "b\tc");  // a TAB in a text becomes a field border
  G.SetCellText(2, 0, "d");
  G.SetCellText(2, 1, "g");
  G.SetCellText(0, 2, "i");
  G.SetCellText(1, 2, "j");
  Select(0, 0, {0, 0, 2, 2});
  G.CopySelection();
  EXPECT_EQ(H.Clipboard, "a\tb\tc\td\r\n\t\tg\r\ni\tj\t\r\n");
  // Spread from (1, 5): four fields in the first line, three columns left.
  Select(1, 5, {1, 5, 1, 5});
  G.PasteText();
  EXPECT_EQ(RowText(5), "|a|b|c|d");
  EXPECT_EQ(RowText(6), "|||g|");
  EXPECT_EQ(RowText(7), "|i|j||");
  // A block copied and pasted over another of the same size.
  Clear();
  G.SetCellText(3, 0, "p");
  G.SetCellText(4, 1, "q");
  Select(3, 0, {3, 0, 4, 1});
  G.CopySelection();
  Select(0, 4, {0, 4, 1, 5});
  G.PasteText();
  EXPECT_EQ(RowText(4), "p||||");
  EXPECT_EQ(RowText(5), "|q|||");
}

TEST_F(ClipboardTest, PasteSpreadsAndTiles) {
  struct Case {
    const char* Name;
    std::string Text;
    int Col, Row;
    tv::TRect Area;
    TStrings Rows;  // rows 3 .. 7 afterwards
  };
  const tv::TRect single{-1, -1, -1, -1};
  const Case cases[] = {
      {"a short line widened", "1\t2\r\n3", 1, 4, single, {"||||", "|1|2||", "|3|||", "||||", "||||"}},
      {"fields right of the last column dropped", "1\t2\t3", 3, 3, single, {"|||1|2", "||||", "||||", "||||", "||||"}},
      {"lines below the last row dropped", "1\n2\n3", 0, 6, single, {"||||", "||||", "||||", "1||||", "2||||"}},
      {"a trailing TAB is an empty field", "a\t\r\n", 0, 3, single, {"a||||", "||||", "||||", "||||", "||||"}},
      {"CR alone ends a line", "a\rb\r", 0, 3, single, {"a||||", "b||||", "||||", "||||", "||||"}},
      {"LF alone ends a line", "a\nb", 0, 3, single, {"a||||", "b||||", "||||", "||||", "||||"}},
      {"NUL ends the text", "a\r\nb\0c\r\nd"s, 0, 3, single, {"a||||", "b||||", "||||", "||||", "||||"}},
      {"one text over a block", "x", 1, 3, {1, 3, 3, 6}, {"|x|x|x|", "|x|x|x|", "|x|x|x|", "|x|x|x|", "||||"}},
      {"two lines over five rows", "a\r\nb\r\n", 0, 3, {0, 3, 0, 7}, {"a||||", "b||||", "a||||", "b||||", "a||||"}},
      {"fields repeat along a row", "1\t2", 0, 3, {0, 3, 4, 3}, {"1|2|1|2|1", "||||", "||||", "||||", "||||"}},
      {"an empty text over a block writes nothing", "", 1, 3, {1, 3, 3, 6}, {"||||", "||||", "||||", "||||", "||||"}},
      {"an empty text into a cell writes nothing", "", 0, 3, single, {"||||", "||||", "||||", "||||", "||||"}},
  };
  for (const Case& c : cases) {
    Clear();
    Select(c.Col, c.Row, c.Area.Left == -1 ? tv::TRect{c.Col, c.Row, c.Col, c.Row} : c.Area);
    H.Clipboard = c.Text;
    H.HasClipboardText = true;
    G.PasteText();
    TStrings rows;
    for (int r = 3; r < 8; ++r) rows.push_back(RowText(r));
    EXPECT_EQ(rows, c.Rows) << c.Name;
    EXPECT_EQ(G.RowCount(), 8) << c.Name;
    EXPECT_FALSE(G.PaintLocked()) << c.Name;
  }
}

TEST_F(ClipboardTest, TrailingTabWritesAnEmptyField) {
  G.SetCellText(1, 3, "old");
  Select(0, 3, {0, 3, 0, 3});
  G.PasteGridText("a\t\r\n");
  EXPECT_EQ(RowText(3), "a||||");
}

TEST_F(ClipboardTest, PasteIsAUserEditThatHidesTheEditor) {
  G.Columns()[1].SetReadOnly(true);
  G.SetCellText(1, 0, "ro");
  std::vector<std::string> log;
  G.OnCellChanging = [&](TTextGrid& Sender, int Col, int Row, bool& CanChange) {
    EXPECT_TRUE(Sender.PaintLocked());
    log.push_back(std::to_string(Col) + "," + std::to_string(Row));
    CanChange = Col != 2;
  };
  Select(0, 0, {0, 0, 0, 0});
  H.EditorShown = true;
  H.Clipboard = "a\tb\tc\td";
  H.HasClipboardText = true;
  H.Flushed.clear();
  G.PasteText();
  EXPECT_FALSE(H.EditorShown);
  EXPECT_EQ(RowText(0), "a|ro||d|");
  EXPECT_EQ(log, (std::vector<std::string>{"0,0", "2,0", "3,0"}));
  EXPECT_TRUE(H.Flushed.empty());
  EXPECT_EQ(H.Invalidated.back(), (tv::TRect{18, 16, 300, 300}));
  // No text on the clipboard: nothing at all.
  H.HasClipboardText = false;
  H.EditorShown = true;
  H.ClearLogs();
  G.PasteText();
  EXPECT_TRUE(H.EditorShown);
  EXPECT_TRUE(H.NothingInvalidated());
}

TEST_F(ClipboardTest, CutCopiesAllAndClearsWhatMayChange) {
  for (int c = 0; c < 3; ++c) G.SetCellText(c, 0, std::string(1, static_cast<char>('a' + c)));
  G.Columns()[1].SetReadOnly(true);
  Select(0, 0, {0, 0, 2, 0});
  H.ClearLogs();
  G.CutSelection();
  EXPECT_EQ(H.Clipboard, "a\tb\tc\r\n");
  EXPECT_EQ(RowText(0), "|b|||");
  EXPECT_FALSE(G.PaintLocked());
  EXPECT_TRUE(H.Flushed.empty());
  EXPECT_EQ(H.Invalidated.back(), (tv::TRect{18, 16, 300, 300}));
}

// The cells are cleared only after the clipboard took their texts: when it
// cannot be written, nothing is lost.
TEST_F(ClipboardTest, CutThatCannotWriteTheClipboardClearsNothing) {
  G.SetCellText(0, 0, "keep");
  Select(0, 0, {0, 0, 0, 0});
  H.ClipboardWritable = false;
  G.CutSelection();
  EXPECT_EQ(H.ClipboardWrites, 1);
  EXPECT_EQ(G.CellTextOrEmpty(0, 0), "keep");
}

// The texts the clipboard gets are those before the first cell was cleared,
// also when a handler of the clearing writes another cell of the block.
TEST_F(ClipboardTest, CutTakesEveryTextBeforeClearing) {
  G.SetCellText(0, 0, "a");
  G.SetCellText(0, 1, "b");
  G.OnCellChange = [](TTextGrid& Sender, int, int Row, std::string&) {
    if (Row == 0) Sender.SetCellText(0, 1, "changed");
  };
  Select(0, 0, {0, 0, 0, 1});
  G.CutSelection();
  EXPECT_EQ(H.Clipboard, "a\r\nb\r\n");
}

TEST_F(ClipboardTest, ErrorsLeaveTheGridAbleToPaint) {
  G.OnCellChanging = [](TTextGrid&, int, int Row, bool&) {
    if (Row == 1) throw std::runtime_error("refused");
  };
  G.SetCellText(0, 0, "a");
  G.SetCellText(0, 1, "b");
  Select(0, 0, {0, 0, 0, 1});
  EXPECT_THROW(G.CutSelection(), std::runtime_error);
  EXPECT_FALSE(G.PaintLocked());
  EXPECT_EQ(H.Clipboard, "a\r\nb\r\n");
  H.Clipboard = "x";
  EXPECT_THROW(G.PasteText(), std::runtime_error);
  EXPECT_FALSE(G.PaintLocked());
  EXPECT_EQ(G.CellTextOrEmpty(0, 0), "x");
}

}  // namespace
