// The Qt widget under the offscreen platform: it shows what the grid paints,
// its scroll bars drive the grid's scroll codes, its client shrinks beside
// the bars, the wheel scrolls, and a changed cell shows at once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "FakeGridHost.h"
#include "grid/qt/TextGridWidget.h"
#include "platform/qt/Bitmap.h"

namespace {

// Every test of this suite runs with a widget application.
struct WidgetEnvironment : ::testing::Environment {
  void SetUp() override { EnsureWidgetApplication(); }
};
const ::testing::Environment* const Environment = ::testing::AddGlobalTestEnvironment(new WidgetEnvironment);

void FillBodyTable(TTextGrid& G) {
  G.SetCellText(0, 0, "Sun");
  G.SetCellText(1, 0, "12:34:56");
  G.SetCellText(2, 2, "-5:06:07");
  G.SetCellText(3, 18, "29.8");
}

// The body table in the real widget: the window shows exactly what the core
// paints on a bitmap of the same size.
TEST(Widget, BodyTableShowsWhatTheGridPaints) {
  TTextGridWidget w;
  w.SetBorderStyle(bsNone);
  w.SetTabStop(false);
  w.setGeometry(3, 539, 310, 380);
  SetUpBodyTable(w.Grid());
  FillBodyTable(w.Grid());
  w.show();
  QApplication::processEvents();
  EXPECT_EQ(w.ClientGeometry(), QRect(0, 0, 310, 380));
  EXPECT_FALSE(w.ScrollBar(SB_HORZ)->isVisible());
  EXPECT_FALSE(w.ScrollBar(SB_VERT)->isVisible());
  EXPECT_EQ(w.Grid().CellArea(), (tv::TRect{0, 36, 310, 380}));
  EXPECT_EQ(w.focusPolicy(), Qt::ClickFocus);

  tv::TBitmap reference(310, 380);
  TGridFixture f(310, 380);
  f.Host.Target = &reference.Canvas();
  f.Host.HasFocus = w.hasFocus();  // a lone window takes the focus when shown
  SetUpBodyTable(f.Grid);
  FillBodyTable(f.Grid);
  f.Grid.Paint();

  const QImage shot = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shot.size(), QSize(310, 380));
  int differing = 0;
  for (int y = 0; y < 380; ++y) {
    for (int x = 0; x < 310; ++x) {
      const QRgb p = shot.pixel(x, y);
      differing += tv::RGBColor(qRed(p), qGreen(p), qBlue(p)) != reference.Pixel(x, y) ? 1 : 0;
    }
  }
  EXPECT_EQ(differing, 0);
}

struct ScrollingWidget : ::testing::Test {
  TTextGridWidget W;
  TTextGrid& G = W.Grid();
  void SetUp() override {
    W.resize(204, 204);  // 200 x 200 inside the border
    G.SetColCount(5);
    G.SetRowCount(100);
    W.show();
    QApplication::processEvents();
  }
};

TEST_F(ScrollingWidget, BarsTakeTheirRoomFromTheClient) {
  EXPECT_TRUE(W.ScrollBar(SB_HORZ)->isVisible());
  EXPECT_TRUE(W.ScrollBar(SB_VERT)->isVisible());
  EXPECT_EQ(W.ClientGeometry(), QRect(2, 2, 183, 183));
  EXPECT_EQ(W.ScrollBar(SB_VERT)->maximum(), G.ScrollYMax());
  EXPECT_EQ(W.ScrollBar(SB_HORZ)->maximum(), G.ScrollXMax());
  EXPECT_EQ(G.ScrollXMax(), 5 * 80 + 20 - 183);
  G.SetRowCount(3);
  EXPECT_FALSE(W.ScrollBar(SB_VERT)->isVisible());
  EXPECT_EQ(W.ClientGeometry().width(), 200);
  EXPECT_EQ(G.CellArea().Right, 200);
}

TEST_F(ScrollingWidget, BarActionsBecomeScrollCodes) {
  QScrollBar* v = W.ScrollBar(SB_VERT);
  struct Row {
    const char* Name;
    QAbstractSlider::SliderAction Action;
    int Y;
  };
  const Row rows[] = {
      {"line", QAbstractSlider::SliderSingleStepAdd, 18},
      {"page", QAbstractSlider::SliderPageStepAdd, 108},
      {"page back", QAbstractSlider::SliderPageStepSub, 18},
      {"line back", QAbstractSlider::SliderSingleStepSub, 0},
      {"to the end moves nothing", QAbstractSlider::SliderToMaximum, 0},
  };
  for (const Row& r : rows) {
    v->triggerAction(r.Action);
    EXPECT_EQ(G.ScrollY(), r.Y) << r.Name;
    EXPECT_EQ(v->value(), r.Y) << r.Name;
  }
  // A thumb drag: tracked positions snap to rows, the release keeps the row.
  v->setSliderDown(true);
  v->setSliderPosition(100);
  EXPECT_EQ(G.ScrollY(), 90);
  EXPECT_EQ(v->sliderPosition(), 90);
  v->setSliderPosition(40000);
  EXPECT_EQ(G.ScrollY(), G.ScrollYMax());
  v->setSliderDown(false);
  EXPECT_EQ(G.ScrollY(), G.ScrollYMax());
  EXPECT_EQ(v->value(), G.ScrollYMax());

  QScrollBar* h = W.ScrollBar(SB_HORZ);
  h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(G.ScrollX(), 18);
  h->setSliderDown(true);
  h->setSliderPosition(37);
  h->setSliderDown(false);
  EXPECT_EQ(G.ScrollX(), 37);
}

TEST_F(ScrollingWidget, ClickOnTheDownArrow) {
  QScrollBar* v = W.ScrollBar(SB_VERT);
  QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(v->width() / 2, v->height() - 4));
  EXPECT_EQ(G.ScrollY(), 18);
  QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(v->width() / 2, v->height() / 2 + 30));
  EXPECT_EQ(G.ScrollY(), 18 + 90);
}

TEST_F(ScrollingWidget, WheelScrollsByItsDeltaInPixels) {
  const QPointF at(50, 50);
  QWheelEvent down(at, W.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
  QApplication::sendEvent(&W, &down);
  EXPECT_EQ(G.ScrollY(), 120);
  QWheelEvent overBar(QPointF(5, 50), W.mapToGlobal(QPointF(5, 50)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(W.ScrollBar(SB_VERT), &overBar);
  EXPECT_EQ(G.ScrollY(), 0);
}

TEST_F(ScrollingWidget, ChangedCellShowsAtOnce) {
  const QImage before = W.BackBuffer().copy();
  G.SetCellText(1, 1, "WWWW");
  const QImage& after = W.BackBuffer();
  const tv::TRect text = G.ToClientRect(G.CellBounds(1, 1));
  int changed = 0;
  for (int y = text.Top + 2; y < text.Bottom - 2; ++y) {
    for (int x = text.Left + 4; x < text.Right - 4; ++x) changed += before.pixel(x, y) != after.pixel(x, y) ? 1 : 0;
  }
  EXPECT_GT(changed, 20);
}

// A paint error (a drawing handler's) ends the pass and reaches the widget's
// error hook instead of unwinding through Qt.
TEST_F(ScrollingWidget, PaintErrorGoesToTheHook) {
  std::string seen;
  W.OnPaintError = [&](const std::exception& E) { seen = E.what(); };
  G.OnDrawCell = [](TTextGrid&, tv::TCanvas&, int, int, tv::TRect, bool&) { throw std::runtime_error("bad icon"); };
  G.Invalidate();
  W.repaint();
  EXPECT_EQ(seen, "bad icon");
}

}  // namespace
