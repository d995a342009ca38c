// Cell texts and tags: reads, the one write path with its events and its
// immediate repaint, and the index errors (also for negative indices).
#include <gtest/gtest.h>

#include "FakeGridHost.h"
#include "platform/Errors.h"

namespace {

struct CellStoreTest : ::testing::Test {
  TGridFixture F;
  TTextGrid& G = F.Grid;
  void SetUp() override {
    G.SetColCount(3);
    G.SetRowCount(4);
    F.Host.ClearLogs();
  }
};

TEST_F(CellStoreTest, WritesPadTheColumnAndRepaintOnlyChanges) {
  G.SetCellText(1, 2, "x");
  EXPECT_EQ(G.Columns()[1].Strings().Count(), 3);
  EXPECT_EQ(G.GetCellText(1, 0), "");
  EXPECT_EQ(G.GetCellText(1, 2), "x");
  EXPECT_EQ(G.CellTextOrEmpty(0, 3), "");
  EXPECT_EQ(F.Host.Flushed.size(), 1u);
  G.SetCellText(1, 2, "x");
  EXPECT_EQ(F.Host.Flushed.size(), 1u);
  TTextGridTestAccess::SetPaintLocked(G, true);
  G.SetCellText(1, 2, "y");
  EXPECT_EQ(G.GetCellText(1, 2), "y");
  EXPECT_EQ(F.Host.Flushed.size(), 1u);
}

TEST_F(CellStoreTest, UserEditsAndTheirEvents) {
  std::vector<std::string> log;
  G.OnCellChanging = [&](TTextGrid&, int Col, int Row, bool& CanChange) {
    log.push_back("changing " + std::to_string(Col) + "," + std::to_string(Row));
    CanChange = Row != 3;
  };
  G.OnCellChange = [&](TTextGrid&, int, int, std::string& Str) {
    log.push_back("change " + Str);
    Str += "!";
  };
  G.StoreCellText(0, 1, "a", true);
  G.StoreCellText(0, 3, "b", true);
  G.SetCellText(0, 2, "c");
  G.Columns()[2].SetReadOnly(true);
  G.StoreCellText(2, 0, "d", true);
  G.SetCellText(2, 1, "e");
  EXPECT_EQ(log, (std::vector<std::string>{"changing 0,1", "change a", "changing 0,3"}));
  EXPECT_EQ(G.GetCellText(0, 1), "a!");
  EXPECT_EQ(G.GetCellText(0, 3), "");
  EXPECT_EQ(G.Columns()[0].Strings().Count(), 4);  // the refused write still padded the list
  EXPECT_EQ(G.GetCellText(0, 2), "c");
  EXPECT_EQ(G.GetCellText(2, 0), "");
  EXPECT_EQ(G.GetCellText(2, 1), "e");
}

TEST_F(CellStoreTest, IndexErrors) {
  struct Row {
    const char* Name;
    std::function<void()> Call;
    bool ListError;  // else "Cell Index out of bound."
  };
  const Row rows[] = {
      {"read beyond the columns", [&] { G.GetCellText(3, 0); }, false},
      {"read beyond the rows", [&] { G.GetCellText(0, 4); }, false},
      {"write beyond the rows", [&] { G.SetCellText(0, 4, "x"); }, false},
      {"tag beyond the columns", [&] { G.GetCellTag(3, 0); }, false},
      {"tag write beyond the rows", [&] { G.SetCellTag(0, 4, 1); }, false},
      {"read of column -1", [&] { G.GetCellText(-1, 0); }, true},
      {"read of row -1", [&] { G.GetCellText(0, -1); }, true},
      {"unchecked read of column -2", [&] { G.CellTextOrEmpty(-2, 0); }, true},
      {"write to column -1", [&] { G.SetCellText(-1, 0, "x"); }, true},
      {"write to row -1", [&] { G.SetCellText(0, -1, "x"); }, true},
      {"tag of row -1", [&] { G.GetCellTag(0, -1); }, true},
      {"tag write to column -1", [&] { G.SetCellTag(-1, 0, 1); }, true},
  };
  for (const Row& r : rows) {
    try {
      r.Call();
      ADD_FAILURE() << r.Name << ": no error";
    } catch (const tv::EListError&) {
      EXPECT_TRUE(r.ListError) << r.Name;
    } catch (const tv::ERangeError& e) {
      EXPECT_FALSE(r.ListError) << r.Name;
      EXPECT_STREQ(e.what(), "Cell Index out of bound.") << r.Name;
    }
  }
}

TEST_F(CellStoreTest, GridWithoutRowsIgnoresWrites) {
  G.SetRowCount(0);
  G.SetCellText(0, 0, "x");
  EXPECT_EQ(G.Columns()[0].Strings().Count(), 0);
  EXPECT_THROW(G.GetCellText(0, 0), tv::ERangeError);
}

TEST_F(CellStoreTest, Tags) {
  EXPECT_EQ(G.GetCellTag(1, 3), 0);
  G.SetCellTag(1, 3, -2);
  EXPECT_EQ(G.Columns()[1].Strings().Count(), 4);
  EXPECT_EQ(G.GetCellTag(1, 3), -2);
  EXPECT_EQ(G.GetCellTag(1, 2), 0);
  G.SetCellText(1, 3, "keeps its tag");
  EXPECT_EQ(G.GetCellTag(1, 3), -2);
}

}  // namespace
