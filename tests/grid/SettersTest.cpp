// The property setters: what each lays out and which area it repaints, that
// an equal value does nothing, the values they refuse, and the few with
// effects of their own (row height and scrolling, the fit, automatic widths,
// the grid colour, the column collection).
#include <gtest/gtest.h>

#include "FakeGridHost.h"
#include "platform/Errors.h"

namespace {

using TRects = std::vector<tv::TRect>;

// Client 200 x 200, gutter 20, header 18, two columns of 80, five rows.
struct SetterGrid : TGridFixture {
  SetterGrid() {
    Grid.SetColCount(2);
    Grid.SetRowCount(5);
    Host.ClearLogs();
  }
};

const tv::TRect Cells{18, 16, 200, 200};
const tv::TRect Header{0, 0, 200, 18};
const tv::TRect Gutter{0, 18, 20, 200};

tv::TFont BigFont() {
  tv::TFont f;
  f.Height = -20;
  return f;
}

TEST(Setters, LayoutAndRepaintPerProperty) {
  using TSet = std::function<void(TTextGrid&)>;
  struct Row {
    const char* Name;
    TSet Change, Same;  // Same: the value the grid holds (nothing happens)
    bool Layout;
    int Whole;
    TRects Rects;
  };
  const Row rows[] = {
      {"Flat", [](TTextGrid& G) { G.SetFlat(false); }, [](TTextGrid& G) { G.SetFlat(true); }, false, 1, {}},
      {"Color", [](TTextGrid& G) { G.SetColor(tv::clRed); }, [](TTextGrid& G) { G.SetColor(tv::clWindow); },
       false, 1, {}},
      {"AlternateColor", [](TTextGrid& G) { G.SetAlternateColor(tv::clRed); },
       [](TTextGrid& G) { G.SetAlternateColor(tv::clWindow); }, false, 0, {Cells}},
      {"GridColor", [](TTextGrid& G) { G.SetGridColor(tv::clRed); },
       [](TTextGrid& G) { G.SetGridColor(tv::clBtnFace); }, false, 0, {Cells}},
      {"ShowGrid", [](TTextGrid& G) { G.SetShowGrid(false); }, [](TTextGrid& G) { G.SetShowGrid(true); }, false, 0,
       {Cells}},
      {"SelectionColor", [](TTextGrid& G) { G.SetSelectionColor(tv::clRed); },
       [](TTextGrid& G) { G.SetSelectionColor(0x00CAFFFF); }, false, 0, {Cells}},
      {"HeaderColor", [](TTextGrid& G) { G.SetHeaderColor(tv::clRed); },
       [](TTextGrid& G) { G.SetHeaderColor(tv::clBtnFace); }, false, 1, {}},
      {"HeaderLightColor", [](TTextGrid& G) { G.SetHeaderLightColor(tv::clRed); },
       [](TTextGrid& G) { G.SetHeaderLightColor(tv::clBtnHighlight); }, false, 1, {}},
      {"HeaderDarkColor", [](TTextGrid& G) { G.SetHeaderDarkColor(tv::clRed); },
       [](TTextGrid& G) { G.SetHeaderDarkColor(tv::clBtnShadow); }, false, 1, {}},
      {"HeaderLine", [](TTextGrid& G) { G.SetHeaderLine(2); }, [](TTextGrid& G) { G.SetHeaderLine(1); }, true, 1, {}},
      {"DefRowHeight", [](TTextGrid& G) { G.SetDefRowHeight(20); }, [](TTextGrid& G) { G.SetDefRowHeight(18); },
       true, 1, {}},
      {"DefColWidth", [](TTextGrid& G) { G.SetDefColWidth(50); }, [](TTextGrid& G) { G.SetDefColWidth(80); }, true,
       1, {}},
      {"AutoColWidth", [](TTextGrid& G) { G.SetAutoColWidth(true); },
       [](TTextGrid& G) { G.SetAutoColWidth(false); }, true, 1, {}},
      {"FitToWidth", [](TTextGrid& G) { G.SetFitToWidth(true); }, [](TTextGrid& G) { G.SetFitToWidth(false); },
       true, 1, {}},
      {"ShowFooter", [](TTextGrid& G) { G.SetShowFooter(true); }, [](TTextGrid& G) { G.SetShowFooter(false); },
       true, 1, {}},
      {"GutterKind between shown kinds", [](TTextGrid& G) { G.SetGutterKind(gkNumber); },
       [](TTextGrid& G) { G.SetGutterKind(gkBlank); }, true, 0, {Gutter}},
      {"GutterKind to none", [](TTextGrid& G) { G.SetGutterKind(gkNone); },
       [](TTextGrid& G) { G.SetGutterKind(gkBlank); }, true, 1, {}},
      {"GutterWidth", [](TTextGrid& G) { G.SetGutterWidth(30); }, [](TTextGrid& G) { G.SetGutterWidth(20); }, true,
       1, {}},
      {"ReadOnly", [](TTextGrid& G) { G.SetReadOnly(true); }, [](TTextGrid& G) { G.SetReadOnly(false); }, false, 0,
       {}},
      {"Enabled", [](TTextGrid& G) { G.SetEnabled(false); }, [](TTextGrid& G) { G.SetEnabled(true); }, false, 1,
       {}},
      // The object properties compare nothing; a copy that changes a font
      // gives that font's own notice first.
      {"HeaderFont", [](TTextGrid& G) { G.SetHeaderFont(BigFont()); },
       nullptr, false, 0, {Header, Header}},
      {"GutterFont", [](TTextGrid& G) { G.SetGutterFont(BigFont()); }, nullptr, false, 0, {Gutter, Gutter}},
      {"FooterFont", [](TTextGrid& G) { G.SetFooterFont(BigFont()); }, nullptr, false, 2, {}},
      {"GutterStrings under gkBlank", [](TTextGrid& G) { G.SetGutterStrings({"a", "b"}); }, nullptr, false, 0, {}},
  };
  for (const Row& r : rows) {
    SetterGrid f;
    if (r.Same) {
      r.Same(f.Grid);
      EXPECT_TRUE(f.Host.NothingInvalidated()) << r.Name << " (equal)";
      EXPECT_TRUE(f.Host.ScrollCalls.empty()) << r.Name << " (equal)";
    }
    r.Change(f.Grid);
    EXPECT_EQ(!f.Host.ScrollCalls.empty(), r.Layout) << r.Name;
    EXPECT_EQ(f.Host.WholeInvalidations, r.Whole) << r.Name;
    EXPECT_EQ(f.Host.Invalidated, r.Rects) << r.Name;
  }
}

// An equal font still marks its area, once.
TEST(Setters, EqualFontsStillRepaint) {
  SetterGrid f;
  f.Grid.SetHeaderFont(f.Grid.HeaderFont());
  f.Grid.SetGutterFont(f.Grid.GutterFont());
  f.Grid.SetFooterFont(f.Grid.FooterFont());
  EXPECT_EQ(f.Host.Invalidated, (TRects{Header, Gutter}));
  EXPECT_EQ(f.Host.WholeInvalidations, 1);
}

// Values no layout could work with are refused and the old value stays;
// zero lines, a zero gutter and zero-wide new columns stay allowed.
TEST(Setters, RefusedValues) {
  SetterGrid f;
  TTextGrid& g = f.Grid;
  g.SetGutterWidth(-5);
  g.SetDefColWidth(-1);
  g.SetDefRowHeight(0);
  EXPECT_EQ(g.GutterWidth(), 20);
  EXPECT_EQ(g.DefColWidth(), 80);
  EXPECT_EQ(g.DefRowHeight(), 18);
  EXPECT_TRUE(f.Host.NothingInvalidated());
  EXPECT_TRUE(f.Host.ScrollCalls.empty());

  g.SetHeaderLine(0);
  g.SetGutterWidth(0);
  g.SetDefColWidth(0);
  EXPECT_EQ(g.HeaderExtent(), 0);
  EXPECT_EQ(g.GutterExtent(), 0);
  g.SetColCount(3);
  EXPECT_EQ(g.Columns()[2].Width(), 0);
}

// A header of 0 lines or fewer is kept as set and shows nothing: no boxes,
// no height; the rows start at the top and the grid lays out, paints and
// hit-tests as one without a header.
TEST(Setters, HeaderLineOfZeroOrLess) {
  for (const int lines : {0, -1, -7}) {
    SetterGrid f;
    TTextGrid& g = f.Grid;
    g.Columns()[0].SetTitle("A|B");
    g.SetHeaderLine(lines);
    EXPECT_EQ(g.HeaderLine(), lines);
    EXPECT_TRUE(g.HeaderCells().empty()) << lines;
    EXPECT_EQ(g.HeaderExtent(), 0) << lines;
    EXPECT_EQ(g.CellArea(), (tv::TRect{20, 0, 200, 200})) << lines;
    EXPECT_GE(f.Host.WholeInvalidations, 1) << lines;
    EXPECT_EQ(g.RowAtY(5), 0) << lines;
    EXPECT_EQ(g.HitTest(60, 5), 4) << lines;  // a cell
    EXPECT_NO_THROW(g.Paint()) << lines;
    g.SetShowFooter(true);
    EXPECT_EQ(g.FooterTop(), 5 * 18 - 1) << lines;  // right below the last row
  }
}

// A value whose pixels overflow raises the arithmetic error before the grid
// changes, so that later layouts still work.
TEST(Setters, OverflowingValuesRaiseBeforeAnyChange) {
  SetterGrid f;
  TTextGrid& g = f.Grid;
  EXPECT_THROW(g.SetRowCount(200'000'000), tv::EIntOverflow);
  EXPECT_THROW(g.SetHeaderLine(200'000'000), tv::EIntOverflow);
  EXPECT_THROW(g.SetDefRowHeight(400'000'000), tv::EIntOverflow);  // five rows fit, seven do not
  EXPECT_EQ(g.RowCount(), 5);
  EXPECT_EQ(g.HeaderLine(), 1);
  EXPECT_EQ(g.DefRowHeight(), 18);
  EXPECT_NO_THROW(g.UpdateLayout());
  g.SetRowCount(100'000'000);  // 1.8e9 pixels still fit
  EXPECT_EQ(g.RowsExtent(), 1'800'000'000);
}

// The overflow checks count a header of 0 lines or fewer as none, as the
// layout does: any such value is stored, the row height can still change,
// and the most rows a grid takes are those of a grid without a header.
TEST(Setters, HeaderLinesOfZeroOrLessInTheOverflowChecks) {
  const std::int32_t most = INT32_MAX / 18 - 1;  // with the footer row: INT32_MAX / 18 rows of 18
  for (const int lines : {0, -10, -200'000'000}) {
    SetterGrid f;
    TTextGrid& g = f.Grid;
    EXPECT_NO_THROW(g.SetHeaderLine(lines)) << lines;
    EXPECT_EQ(g.HeaderLine(), lines);
    EXPECT_NO_THROW(g.SetDefRowHeight(20)) << lines;
    EXPECT_NO_THROW(g.SetDefRowHeight(18)) << lines;
    EXPECT_THROW(g.SetRowCount(INT32_MAX / 18 + 5), tv::EIntOverflow) << lines;
    EXPECT_THROW(g.SetRowCount(most + 1), tv::EIntOverflow) << lines;
    EXPECT_EQ(g.RowCount(), 5);
    g.SetRowCount(most);
    EXPECT_EQ(g.RowsExtent(), most * 18) << lines;
    EXPECT_EQ(g.HeaderExtent(), 0) << lines;
    EXPECT_THROW(g.SetDefRowHeight(19), tv::EIntOverflow) << lines;
    EXPECT_EQ(g.DefRowHeight(), 18);
  }
}

// The steps follow the row height; the offset keeps its pixels and is only
// clamped to the new range.
TEST(Setters, RowHeightKeepsTheOffset) {
  SetterGrid f;
  f.Grid.SetRowCount(30);
  f.Grid.SetScrollY(36);
  f.Grid.SetDefRowHeight(20);
  EXPECT_EQ(f.Grid.LineStep(), 20);
  EXPECT_EQ(f.Grid.PageStep(), 100);
  EXPECT_EQ(f.Grid.ScrollY(), 36);
  f.Grid.SetRowCount(10);  // ten rows of 20 and the header in 200: range 20
  EXPECT_EQ(f.Grid.ScrollY(), 20);
}

TEST(Setters, FitToWidthScrollsBackEitherWay) {
  for (bool on : {true, false}) {
    SetterGrid f;
    f.Grid.SetColCount(5);
    // Columns the fit may not size, so that they overflow also when fitted.
    for (int c = 0; c < 5; ++c) f.Grid.Columns()[c].SetCanResize(false);
    f.Grid.SetFitToWidth(!on);
    f.Grid.SetScrollX(30);
    ASSERT_EQ(f.Grid.ScrollX(), 30) << on;
    f.Grid.SetFitToWidth(on);
    EXPECT_EQ(f.Grid.ScrollX(), 0) << on;
  }
}

TEST(Setters, AutomaticWidthsStayWhenTurnedOff) {
  SetterGrid f;
  TTextGrid& g = f.Grid;
  g.SetCellText(0, 0, std::string(30, 'W'));
  g.SetAutoColWidth(true);
  const int measured = g.MeasureColumn(0);
  EXPECT_EQ(g.Columns()[0].Width(), std::max(80, measured));
  EXPECT_EQ(g.Columns()[1].Width(), 80);  // DefColWidth is the floor
  g.SetAutoColWidth(false);
  EXPECT_EQ(g.Columns()[0].Width(), std::max(80, measured));

  // Under AutoColWidth a new DefColWidth waits for the next layout.
  g.SetAutoColWidth(true);
  f.Host.ClearLogs();
  g.SetDefColWidth(120);
  EXPECT_EQ(g.Columns()[1].Width(), 80);
  EXPECT_TRUE(f.Host.NothingInvalidated());
  g.SetShowFooter(true);
  EXPECT_EQ(g.Columns()[1].Width(), 120);
}

// The control colour follows; the columns keep theirs, so the alternate row
// colour stops in the columns of the old colour and a new column takes the
// new one.
TEST(Setters, GridColour) {
  SetterGrid f;
  TTextGrid& g = f.Grid;
  g.SetAlternateColor(tv::RGBColor(255, 255, 0));
  TTextGridTestAccess::SetSelArea(g, {-1, -1, -1, -1});
  EXPECT_EQ(g.CellColor(0, 1), tv::RGBColor(255, 255, 0));
  g.SetColor(tv::clRed);
  EXPECT_EQ(f.Host.ControlColor, tv::clRed);
  EXPECT_EQ(g.Columns()[0].Color(), tv::clWindow);
  EXPECT_EQ(g.CellColor(0, 1), tv::clWindow);
  g.SetColCount(3);
  EXPECT_EQ(g.Columns()[2].Color(), tv::clRed);
  EXPECT_EQ(g.CellColor(2, 1), tv::RGBColor(255, 255, 0));
}

TEST(Setters, GutterStringsShowWithTheStringKind) {
  SetterGrid f;
  f.Grid.SetGutterStrings({"one"});
  EXPECT_TRUE(f.Host.NothingInvalidated());
  f.Grid.SetGutterKind(gkString);
  EXPECT_EQ(f.Host.Invalidated, (TRects{Gutter}));
  f.Host.ClearLogs();
  f.Grid.SetGutterStrings({"two"});
  EXPECT_EQ(f.Host.Invalidated, (TRects{Gutter}));
  EXPECT_EQ(f.Grid.GutterStrings(), std::vector<std::string>{"two"});
}

// Fewer columns clamp the current cell and the corner and collapse the
// selection before the layout, so that neither the layout nor a paint meets
// a column that is gone; the same number of columns moves nothing.
TEST(Setters, ColumnsCopyKeepsTheSelectionInside) {
  SetterGrid f, source;
  TTextGrid& g = f.Grid;
  g.SetColCount(4);
  std::vector<std::pair<int, int>> events;
  g.OnColRowChanged = [&](TTextGrid&, int Col, int Row) { events.emplace_back(Col, Row); };

  source.Grid.SetColCount(4);
  source.Grid.Columns()[1].SetTitle("copied");
  TTextGridTestAccess::SetCurrent(g, 3, 2);
  TTextGridTestAccess::SetMark(g, 2, 4);
  TTextGridTestAccess::SetSelArea(g, {2, 2, 3, 4});
  g.SetColumns(source.Grid.Columns());
  EXPECT_EQ(g.Columns()[1].Title(), "copied");
  EXPECT_EQ(g.SelArea(), (tv::TRect{2, 2, 3, 4}));
  EXPECT_TRUE(events.empty());

  source.Grid.SetColCount(2);
  f.Host.ClearLogs();
  g.SetColumns(source.Grid.Columns());
  EXPECT_EQ(g.ColCount(), 2);
  EXPECT_EQ(g.CurCol(), 1);
  EXPECT_EQ(g.CurRow(), 2);
  EXPECT_EQ(g.MarkCol(), 2);  // the shifted arrows bring it back first
  EXPECT_EQ(g.MarkRow(), 4);
  EXPECT_EQ(g.SelArea(), (tv::TRect{1, 2, 1, 4}));  // cut at the last column
  EXPECT_EQ(events, (std::vector<std::pair<int, int>>{{1, 2}}));
  EXPECT_GE(f.Host.WholeInvalidations, 1);
  EXPECT_NO_THROW(g.Paint());

  source.Grid.SetColCount(0);
  g.SetColumns(source.Grid.Columns());
  EXPECT_EQ(g.CurCol(), -1);
  EXPECT_EQ(g.SelArea(), (tv::TRect{-1, -1, -1, -1}));
  EXPECT_NO_THROW(g.Paint());
}

}  // namespace
