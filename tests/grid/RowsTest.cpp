// Row insertion and deletion: texts and tags in every column, the current
// cell and the selection afterwards, and indices outside the rows.
#include <gtest/gtest.h>

#include "FakeGridHost.h"

namespace {

using TTexts = std::vector<std::string>;

struct RowsTest : ::testing::Test {
  TGridFixture F;
  TTextGrid& G = F.Grid;
  std::vector<std::pair<int, int>> Events;
  void SetUp() override {
    G.SetColCount(2);
    G.SetRowCount(4);
    for (int r = 0; r < 4; ++r) G.SetCellText(0, r, std::string(1, static_cast<char>('A' + r)));
    G.OnColRowChanged = [this](TTextGrid&, int Col, int Row) { Events.emplace_back(Col, Row); };
    F.Host.ClearLogs();
  }
  TTexts Column(int Col) const {
    TTexts texts;
    for (int r = 0; r < G.RowCount(); ++r) texts.push_back(G.GetCellText(Col, r));
    return texts;
  }
};

TEST_F(RowsTest, InsertMovesTextsAndTagsDown) {
  G.SetCellTag(0, 3, 7);
  G.SetCellText(1, 1, "b");  // column 1 holds two entries
  TTextGridTestAccess::SetCurrent(G, 1, 2);
  TTextGridTestAccess::SetSelArea(G, {0, 1, 1, 3});
  G.InsertRow(2);
  EXPECT_EQ(G.RowCount(), 5);
  EXPECT_EQ(Column(0), (TTexts{"A", "B", "", "C", "D"}));
  EXPECT_EQ(G.GetCellTag(0, 4), 7);
  EXPECT_EQ(G.GetCellTag(0, 3), 0);
  EXPECT_EQ(G.Columns()[1].Strings().Count(), 3);  // two entries and the new one
  EXPECT_EQ(Column(1), (TTexts{"", "b", "", "", ""}));
  // The current cell keeps its index and is now on the new row.
  EXPECT_EQ(G.CurRow(), 2);
  EXPECT_EQ(G.SelArea(), (tv::TRect{1, 2, 1, 2}));
  EXPECT_EQ(Events, (std::vector<std::pair<int, int>>{{1, 2}}));
  EXPECT_GE(F.Host.WholeInvalidations, 1);
}

TEST_F(RowsTest, InsertPadsAShortColumnFirst) {
  G.SetRowCount(8);
  G.InsertRow(5);
  EXPECT_EQ(G.Columns()[0].Strings().Count(), 6);
  EXPECT_EQ(G.Columns()[1].Strings().Count(), 6);
  EXPECT_EQ(G.RowCount(), 9);
  EXPECT_EQ(G.GetCellText(0, 3), "D");
}

TEST_F(RowsTest, DeleteMovesTextsUpAndKeepsTags) {
  G.SetCellTag(0, 3, 7);
  G.Columns()[1].Strings().PadTo(1);  // ends before the deleted row
  G.DeleteRow(1);
  EXPECT_EQ(G.RowCount(), 3);
  EXPECT_EQ(Column(0), (TTexts{"A", "C", "D"}));
  EXPECT_EQ(G.Columns()[0].Strings().Count(), 4);
  EXPECT_EQ(G.Columns()[0].Strings()[3], "");
  EXPECT_EQ(G.Columns()[0].Strings().Tag(3), 7);
  EXPECT_EQ(G.Columns()[1].Strings().Count(), 1);
}

TEST_F(RowsTest, DeleteAndTheCurrentRow) {
  struct Row {
    const char* Name;
    int Rows, Current, Deleted, NewRow;
  };
  const Row rows[] = {
      {"the current row is the last", 4, 3, 3, 2},
      {"a row above it", 5, 3, 1, 3},
      {"a row below it", 4, 1, 2, 1},
      {"the current row itself", 4, 1, 1, 1},
      {"the only row", 1, 0, 0, -1},
  };
  for (const Row& r : rows) {
    G.SetRowCount(r.Rows);
    TTextGridTestAccess::SetCurrent(G, 1, r.Current);
    G.DeleteRow(r.Deleted);
    EXPECT_EQ(G.RowCount(), r.Rows - 1) << r.Name;
    EXPECT_EQ(G.CurRow(), r.NewRow) << r.Name;
    EXPECT_EQ(G.CurCol(), r.NewRow == -1 ? -1 : 1) << r.Name;
    EXPECT_EQ(G.SelArea(), (tv::TRect{G.CurCol(), r.NewRow, G.CurCol(), r.NewRow})) << r.Name;
  }
}

// An index outside the rows changes nothing but the editor and the caret.
TEST_F(RowsTest, OutsideTheRowsOnlyHides) {
  for (int row : {-1, 4}) {
    for (bool insert : {true, false}) {
      G.ShowTypingCaret();
      F.Host.EditorShown = true;
      F.Host.ClearLogs();
      if (insert) {
        G.InsertRow(row);
      } else {
        G.DeleteRow(row);
      }
      EXPECT_EQ(G.RowCount(), 4);
      EXPECT_FALSE(F.Host.EditorShown);
      EXPECT_EQ(F.Host.CaretCalls, std::vector<std::string>{"hide"});
      EXPECT_TRUE(F.Host.NothingInvalidated());
      EXPECT_TRUE(Events.empty());
    }
  }
  EXPECT_EQ(Column(0), (TTexts{"A", "B", "C", "D"}));
}

// Hidden columns move with the others.
TEST_F(RowsTest, HiddenColumnsMoveToo) {
  G.SetCellText(1, 2, "h");
  G.Columns()[1].SetVisible(false);
  G.InsertRow(0);
  EXPECT_EQ(G.GetCellText(1, 3), "h");
  G.DeleteRow(0);
  G.DeleteRow(0);
  EXPECT_EQ(G.GetCellText(1, 1), "h");
}

}  // namespace
