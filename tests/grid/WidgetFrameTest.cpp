// The real widget's frame. Its two scroll bars take each other's room:
// jumps between sizes settle at once with the bars each grid needs, with and
// without the border, and a further round of events changes nothing. The
// single border lies on the outermost pixels, and every pixel of the widget
// is painted.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <random>
#include <vector>

#include "FakeGridHost.h"
#include "grid/qt/TextGridWidget.h"

namespace {

struct WidgetEnvironment : ::testing::Environment {
  void SetUp() override { EnsureWidgetApplication(); }
};
const ::testing::Environment* const Environment = ::testing::AddGlobalTestEnvironment(new WidgetEnvironment);

// What a jump leaves: which bars show, the ranges and offsets, the client.
struct TBarState {
  bool Horz, Vert;
  int XMax, YMax, X, Y, ClientW, ClientH;
  friend bool operator==(const TBarState&, const TBarState&) = default;
};

std::ostream& operator<<(std::ostream& Out, const TBarState& S) {
  return Out << "bars " << S.Horz << S.Vert << " max " << S.XMax << "," << S.YMax << " at " << S.X << "," << S.Y
             << " client " << S.ClientW << "x" << S.ClientH;
}

TBarState StateOf(TTextGridWidget& W) {
  const TTextGrid& g = W.Grid();
  const tv::TRect client = g.Host().ClientRect();
  return {g.Host().ScrollBarShown(SB_HORZ), g.Host().ScrollBarShown(SB_VERT), g.ScrollXMax(), g.ScrollYMax(),
          g.ScrollX(), g.ScrollY(), client.Right, client.Bottom};
}

// Each bar shows exactly when the cells do not fit in the room that the
// client leaves them beside the other, and the Qt bars show as the grid says.
void ExpectSettled(TTextGridWidget& W, const std::string& Where) {
  const TTextGrid& g = W.Grid();
  const TBarState s = StateOf(W);
  const int footer = g.ShowFooter() ? g.DefRowHeight() : 0;
  if (g.ColumnsExtent() > 0) {
    EXPECT_EQ(s.Horz, g.ColumnsExtent() > s.ClientW - g.GutterExtent()) << Where << ": " << s;
    EXPECT_EQ(s.Vert, g.RowsExtent() > s.ClientH - g.HeaderExtent() - footer) << Where << ": " << s;
  }
  const auto bars = W.findChildren<QScrollBar*>();
  ASSERT_EQ(bars.size(), 2);
  for (QScrollBar* bar : bars) {
    EXPECT_EQ(!bar->isHidden(), bar->orientation() == Qt::Horizontal ? s.Horz : s.Vert) << Where;
  }
  QApplication::processEvents();
  EXPECT_EQ(StateOf(W), s) << Where << ": a further round of events changed the bars";
}

// The two grids of the fault reports: each died of a layout that nested
// without end while its bars took each other's room.
TEST(WidgetBars, TheReportedGridsSettle) {
  {
    TTextGridWidget w;
    w.SetBorderStyle(bsNone);
    TTextGrid& g = w.Grid();
    g.SetColCount(2);
    for (int c = 0; c < 2; ++c) g.Columns()[c].SetWidth(185);
    g.SetRowCount(15);
    w.resize(350, 400);
    w.show();
    QApplication::processEvents();
    ExpectSettled(w, "350 x 400");
    EXPECT_TRUE(StateOf(w).Horz);
    w.resize(400, 300);
    QApplication::processEvents();
    ExpectSettled(w, "400 x 300");
  }
  {
    TTextGridWidget w;
    TTextGrid& g = w.Grid();
    g.SetColCount(5);
    for (int c = 0; c < 5; ++c) g.Columns()[c].SetWidth(64);
    g.SetRowCount(30);
    w.resize(300, 600);
    w.show();
    QApplication::processEvents();
    for (int width = 100; width <= 800; width += 10) {
      for (int height = 100; height <= 700; height += 10) {
        w.resize(300, 600);
        w.resize(width, height);
        ExpectSettled(w, std::to_string(width) + " x " + std::to_string(height));
        if (HasFailure()) return;
      }
    }
  }
}

// Random grids, with and without border, gutter, footer and the fit, some
// of cells of a few pixels, jump between random sizes from 0 pixels up,
// sizes where the columns or the rows just fit with or without a bar, and
// sizes of less than a bar in one direction or both.
TEST(WidgetBars, RandomGridsSettleAtEverySize) {
  std::mt19937 random(20261211);
  const auto pick = [&](int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(random); };
  for (int grid = 0; grid < 60; ++grid) {
    TTextGridWidget w;
    w.SetBorderStyle(pick(0, 1) == 0 ? bsNone : bsSingle);
    TTextGrid& g = w.Grid();
    const int columns = pick(1, 6);
    g.SetColCount(columns);
    // The last third: cells of a few pixels, which fit in less room than a
    // bar takes.
    const bool small = grid >= 40;
    for (int c = 0; c < columns; ++c) g.Columns()[c].SetWidth(small ? pick(5, 20) : pick(5, 200));
    g.SetRowCount(small ? pick(0, 2) : pick(0, 40));
    g.SetHeaderLine(pick(-2, 2));
    g.SetDefRowHeight(small ? pick(4, 16) : pick(12, 24));
    if (pick(0, 1) == 1) {
      g.SetGutterKind(gkNumber);
      g.SetGutterWidth(pick(10, 30));
    } else {
      g.SetGutterKind(gkNone);
    }
    g.SetShowFooter(pick(0, 3) == 0);
    g.SetFitToWidth(pick(0, 3) == 0);
    w.resize(pick(0, 600), pick(0, 600));
    w.show();
    QApplication::processEvents();
    const int border = w.BorderStyle() == bsSingle ? 4 : 0;
    for (int jump = 0; jump < 45; ++jump) {
      int width = pick(0, 700), height = pick(0, 700);
      if (jump % 3 == 2) {
        // Less than a bar wide, high, or both.
        const int side = pick(0, 2);
        if (side != 1) width = pick(0, 30);
        if (side != 0) height = pick(0, 30);
      } else if (pick(0, 1) == 1) {
        // Near where the columns or the rows just fit, with or without a bar.
        const int footer = g.ShowFooter() ? g.DefRowHeight() : 0;
        width = g.ColumnsExtent() + g.GutterExtent() + border + pick(-2, 2) + pick(0, 1) * 17;
        height = g.RowsExtent() + g.HeaderExtent() + footer + border + pick(-2, 2) + pick(0, 1) * 17;
      }
      w.resize(std::max(width, 0), std::max(height, 0));
      ExpectSettled(w, "grid " + std::to_string(grid) + ", jump to " + std::to_string(width) + " x " +
                           std::to_string(height));
      if (HasFailure()) return;
    }
  }
}

// Grids of a few shapes in a widget dragged nearly shut, smaller than a
// scroll bar in one direction or both: from its first size of 300 x 200
// pixels to every size up to 60 x 60, and through every size of one side up
// to 30 pixels with the other up to 420, a pixel at a time. Each settles at
// once, as at ordinary sizes.
TEST(WidgetBars, GridsSmallerThanABarSettle) {
  struct TShape {
    const char* Name;
    TBorderStyle Border;
    TGutterKind Gutter;
    std::vector<int> Widths;
    int Rows, RowHeight, HeaderLine;
    bool Fit, Footer;
  };
  const TShape shapes[] = {
      {"one wide row", bsNone, gkNone, {290}, 1, 12, 0, false, false},
      {"one wide row, border", bsSingle, gkNone, {290}, 1, 12, 0, false, false},
      {"fitted column, no rows, border", bsSingle, gkNone, {64}, 0, 18, 0, true, false},
      {"fitted column, no rows", bsNone, gkNone, {64}, 0, 18, 0, true, false},
      {"the body table", bsSingle, gkNone, {70, 78, 78, 83}, 19, 18, 2, false, false},
      {"fitted, gutter and footer, rows of 4", bsSingle, gkNumber, {60, 60, 60}, 200, 4, 1, true, true},
      {"rows of 40, header lines -2", bsNone, gkBlank, {5, 100, 30, 7, 50}, 2, 40, -2, false, true},
  };
  QWidget parent;
  parent.resize(500, 500);
  parent.show();
  for (const TShape& shape : shapes) {
    TTextGridWidget w(&parent);
    w.SetBorderStyle(shape.Border);
    TTextGrid& g = w.Grid();
    g.SetGutterKind(shape.Gutter);
    g.SetColCount(static_cast<int>(shape.Widths.size()));
    for (std::size_t c = 0; c < shape.Widths.size(); ++c) g.Columns()[static_cast<int>(c)].SetWidth(shape.Widths[c]);
    g.SetDefRowHeight(shape.RowHeight);
    g.SetRowCount(shape.Rows);
    g.SetHeaderLine(shape.HeaderLine);
    g.SetShowFooter(shape.Footer);
    g.SetFitToWidth(shape.Fit);
    w.setGeometry(0, 0, 300, 200);
    w.show();
    QApplication::processEvents();
    const auto resize = [&](int Width, int Height) {
      w.resize(Width, Height);
      ExpectSettled(w, std::string(shape.Name) + ", " + std::to_string(Width) + " x " + std::to_string(Height));
      return !HasFailure();
    };
    for (int width = 0; width <= 60; ++width) {
      for (int height = 0; height <= 60; ++height) {
        w.resize(300, 200);
        if (!resize(width, height)) return;
      }
    }
    for (int narrow = 0; narrow <= 30; ++narrow) {
      for (int wide = 0; wide <= 420; ++wide) {
        if (!resize(narrow, wide)) return;
      }
      for (int wide = 0; wide <= 420; ++wide) {
        if (!resize(wide, narrow)) return;
      }
    }
  }
}

// Rendered over a picture of a colour that the widget never paints, with
// no background filled first: no pixel may keep that colour. Bars of every
// kind, with and without the border; the border's two outer lines are the
// widget's outermost pixels.
TEST(WidgetFrame, EveryPixelIsPainted) {
  const QColor marker(255, 0, 255);
  struct Case {
    const char* Name;
    int Columns, Rows;  // columns of 100 pixels, rows of 18
  };
  const Case cases[] = {{"no bar", 2, 5}, {"horizontal bar", 6, 5}, {"vertical bar", 2, 40}, {"both bars", 6, 40}};
  for (const Case& c : cases) {
    for (const TBorderStyle border : {bsNone, bsSingle}) {
      TTextGridWidget w;
      w.SetBorderStyle(border);
      w.Grid().SetColCount(c.Columns);
      for (int i = 0; i < c.Columns; ++i) w.Grid().Columns()[i].SetWidth(100);
      w.Grid().SetRowCount(c.Rows);
      w.resize(420, 300);
      w.show();
      QApplication::processEvents();
      QImage picture(w.size(), QImage::Format_RGB32);
      picture.fill(marker);
      w.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
      int kept = 0;
      for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) kept += picture.pixelColor(x, y) == marker ? 1 : 0;
      }
      const std::string name = std::string(c.Name) + (border == bsSingle ? ", single border" : ", no border");
      EXPECT_EQ(kept, 0) << name;
      if (border != bsSingle) continue;
      EXPECT_EQ(picture.pixelColor(0, 0).name().toStdString(), QColor(160, 160, 160).name().toStdString()) << name;
      EXPECT_EQ(picture.pixelColor(419, 299).name().toStdString(), QColor(Qt::white).name().toStdString()) << name;
      EXPECT_EQ(picture.pixelColor(419, 150).name().toStdString(), QColor(Qt::white).name().toStdString()) << name;
      EXPECT_EQ(picture.pixelColor(1, 1).name().toStdString(), QColor(105, 105, 105).name().toStdString()) << name;
      EXPECT_EQ(picture.pixelColor(418, 298).name().toStdString(), QColor(227, 227, 227).name().toStdString()) << name;
    }
  }
}

}  // namespace
