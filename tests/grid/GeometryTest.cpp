// Cell geometry: the body table's worked values, hidden columns, the index
// rules and the empty grid.
#include <gtest/gtest.h>

#include "FakeGridHost.h"
#include "platform/Errors.h"

namespace {

struct BodyTableGeometry : ::testing::Test {
  TGridFixture F{310, 380};
  TTextGrid& G = F.Grid;
  void SetUp() override { SetUpBodyTable(G); }
};

TEST_F(BodyTableGeometry, WorkedValues) {
  const int lefts[5] = {0, 70, 148, 226, 309};
  for (int c = 0; c <= 4; ++c) EXPECT_EQ(G.ColumnLeft(c), lefts[c]) << c;
  EXPECT_EQ(G.CellBounds(2, 3), (tv::TRect{147, 53, 226, 72}));
  EXPECT_EQ(G.ToClientRect(G.CellBounds(2, 3)), (tv::TRect{147, 89, 226, 108}));

  struct Point { int X, Y, Col, Row; };
  for (const Point& p : {Point{100, 40, 1, 0}, Point{70, 40, 0, 0}, Point{71, 40, 1, 0}, Point{500, 1000, 3, 18}}) {
    EXPECT_EQ(G.CellAtPoint(p.X, p.Y), (tv::TPoint{p.Col, p.Row})) << p.X << "," << p.Y;
  }
  for (auto [x, col] : {std::pair{0, -1}, {1, 0}, {71, 1}, {400, 3}}) EXPECT_EQ(G.ColumnAtX(x), col) << x;
  for (auto [y, row] : {std::pair{35, -1}, {36, 0}, {377, 18}, {378, -1}}) EXPECT_EQ(G.RowAtY(y), row) << y;
}

TEST_F(BodyTableGeometry, ScrolledDownTwoRows) {
  TTextGridTestAccess::SetScrollY(G, 36);
  EXPECT_EQ(G.RowAtY(36), 2);
  EXPECT_EQ(G.CellAtPoint(10, 36), (tv::TPoint{0, 2}));
}

TEST_F(BodyTableGeometry, IndexRules) {
  EXPECT_EQ(G.CellBounds(-1, 5), tv::TRect{});
  EXPECT_EQ(G.CellBounds(2, -1), tv::TRect{});
  EXPECT_EQ(G.CellBounds(0, 40), (tv::TRect{-1, 719, 70, 738}));  // beyond the last row
  EXPECT_EQ(G.ColumnLeft(-3), 0);
  EXPECT_THROW(G.ColumnLeft(5), tv::EListError);
  EXPECT_THROW(G.CellBounds(4, 0), tv::EListError);
  EXPECT_THROW(G.CellBounds(-2, 0), tv::EListError);
}

TEST_F(BodyTableGeometry, HiddenColumnTakesNoRoom) {
  G.Columns()[1].SetVisible(false);
  EXPECT_EQ(G.CellBounds(1, 0), (tv::TRect{69, -1, 70, 18}));
  EXPECT_EQ(G.ColumnLeft(2), 70);
  EXPECT_EQ(G.ColumnAtX(71), 2);       // the search passes over the hidden column
  EXPECT_EQ(G.CellAtPoint(70, 40).X, 0);
}

TEST(Geometry, EmptyGrid) {
  TGridFixture f;
  f.Grid.SetRowCount(0);
  EXPECT_EQ(f.Grid.CellAtPoint(50, 50), (tv::TPoint{0, 0}));
  for (int v : {-5, 0, 20, 500}) {
    EXPECT_EQ(f.Grid.ColumnAtX(v), -1);
    EXPECT_EQ(f.Grid.RowAtY(v), -1);
  }
}

}  // namespace
