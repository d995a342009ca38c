// The Qt widget under the offscreen platform: it shows what the grid paints,
// its scroll bars drive the grid's scroll codes, its client shrinks beside
// the bars, the wheel scrolls, a changed cell shows at once, the caret comes
// and goes with the focus, and a widget font becomes the grid's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <functional>

#include "FakeGridHost.h"
#include "grid/qt/TextGridWidget.h"
#include "platform/Errors.h"
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
  W.OnError = [&](const std::exception& E) { seen = E.what(); };
  G.OnDrawCell = [](TTextGrid&, tv::TCanvas&, int, int, tv::TRect, bool&) { throw std::runtime_error("bad icon"); };
  G.Invalidate();
  W.repaint();
  EXPECT_EQ(seen, "bad icon");
}

// Counts the paint events of one widget.
struct TPaintCounter : QObject {
  int Paints = 0;
  bool eventFilter(QObject*, QEvent* Event) override {
    if (Event->type() == QEvent::Paint) ++Paints;
    return false;
  }
};

// A cell that a drawing handler writes during a paint shows with that very
// paint: the widget asks for no second one.
TEST_F(ScrollingWidget, CellWrittenWhilePaintingShowsWithThatPaint) {
  G.OnDrawCell = [](TTextGrid& Sender, tv::TCanvas&, int X, int Y, tv::TRect, bool&) {
    if (X == 0 && Y == 0) Sender.SetCellText(1, 3, "WWWW");
  };
  TPaintCounter counter;
  W.installEventFilter(&counter);
  G.Invalidate();
  W.repaint();
  QApplication::processEvents();
  W.removeEventFilter(&counter);
  EXPECT_EQ(counter.Paints, 1);
  EXPECT_EQ(G.CellTextOrEmpty(1, 3), "WWWW");
  const QImage shot = W.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage& buffer = W.BackBuffer();
  const tv::TRect cell = G.ToClientRect(G.CellBounds(1, 3));
  int ink = 0, differing = 0;
  for (int y = cell.Top + 2; y < cell.Bottom - 2; ++y) {
    for (int x = cell.Left + 4; x < cell.Right - 4; ++x) {
      ink += (buffer.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF ? 1 : 0;
      differing += (shot.pixel(x + 2, y + 2) & 0xFFFFFF) != (buffer.pixel(x, y) & 0xFFFFFF) ? 1 : 0;
    }
  }
  EXPECT_GT(ink, 20);
  EXPECT_EQ(differing, 0);
}

// An error that the grid raises inside any Qt event (a size change, the
// wheel, a scroll-bar action, a font change) goes to the error hook and
// never unwinds through Qt. The errors come from a linked grid that fails
// whenever its vertical bar is set, and from a column too wide to be marked.
TEST_F(ScrollingWidget, EveryEventsErrorGoesToTheHook) {
  std::vector<std::string> errors;
  W.OnError = [&](const std::exception& E) { errors.emplace_back(E.what()); };
  TGridFixture linked;
  bool fail = false;
  linked.Host.OnScrollInfo = [&] {
    if (fail) throw tv::EInvalidOp("linked bar");
  };
  G.SetLinkedGrid(&linked.Grid);
  W.ScrollBar(SB_VERT)->triggerAction(QAbstractSlider::SliderPageStepAdd);  // the range reaches the linked grid
  ASSERT_EQ(G.ScrollY(), 90);
  fail = true;
  int escaped = 0;
  const auto run = [&](const char* What, const std::function<void()>& Action) {
    errors.clear();
    try {
      Action();
    } catch (const std::exception&) {
      ++escaped;
    }
    EXPECT_EQ(errors, std::vector<std::string>{"linked bar"}) << What;
  };
  run("scroll-bar action", [&] { W.ScrollBar(SB_VERT)->triggerAction(QAbstractSlider::SliderSingleStepAdd); });
  EXPECT_EQ(W.ScrollBar(SB_VERT)->value(), G.ScrollY());  // the bar shows where the grid went
  run("wheel", [&] {
    QWheelEvent e(QPointF(50, 50), W.mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&W, &e);
  });
  run("size", [&] {
    TTextGridTestAccess::SetScrollY(linked.Grid, 0);
    W.resize(250, 204);
  });
  fail = false;
  G.Columns()[1].WriteWidth(INT32_MAX);
  errors.clear();
  bool overflow = false;
  W.OnError = [&](const std::exception& E) {
    errors.emplace_back(E.what());
    overflow = dynamic_cast<const tv::EIntOverflow*>(&E) != nullptr;
  };
  try {
    W.setFont(QFont("Liberation Serif", 20));
  } catch (const std::exception&) {
    ++escaped;
  }
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_TRUE(overflow);
  EXPECT_EQ(escaped, 0);
  G.SetLinkedGrid(nullptr);
}

// Right-clicks Bar at (X, Y) and chooses the item Text from the context menu
// it opens; false when it opened none with that item.
bool ChooseFromContextMenu(QScrollBar* Bar, QPoint At, const QString& Text) {
  bool chosen = false;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    poll.stop();
    for (QAction* action : menu->actions()) {
      if (action->text() == Text) {
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
        chosen = true;
        return;
      }
    }
    menu->close();
  });
  poll.start();
  QContextMenuEvent event(QContextMenuEvent::Mouse, At, Bar->mapToGlobal(At));
  QApplication::sendEvent(Bar, &event);
  return chosen;
}

// Every change of a bar's position reaches the grid, once: the context
// menu's items (a new value without an action, or an action) and a value
// set on the bar; the bar then shows the offset the grid took.
TEST_F(ScrollingWidget, EveryPositionOfTheBarReachesTheGrid) {
  QScrollBar* bar = W.ScrollBar(SB_VERT);
  TGridFixture linked;
  G.SetLinkedGrid(&linked.Grid);
  G.WMSize();  // the range reaches the linked grid
  const auto moves = [&] {
    int n = 0;
    for (const auto& call : linked.Host.ScrollCalls) n += call.Kind == SB_VERT && call.Mask == SIF_POS ? 1 : 0;
    return n;
  };

  linked.Host.ClearLogs();
  ASSERT_TRUE(ChooseFromContextMenu(bar, QPoint(8, bar->height() / 2), "Scroll here"));
  EXPECT_GT(G.ScrollY(), 0);
  EXPECT_EQ(G.ScrollY() % G.DefRowHeight(), 0);
  EXPECT_EQ(bar->value(), G.ScrollY());
  EXPECT_EQ(moves(), 1);

  const int here = G.ScrollY();
  linked.Host.ClearLogs();
  ASSERT_TRUE(ChooseFromContextMenu(bar, QPoint(8, 8), "Page up"));
  EXPECT_EQ(G.ScrollY(), here - G.PageStep());
  EXPECT_EQ(bar->value(), G.ScrollY());
  EXPECT_EQ(moves(), 1);

  ASSERT_TRUE(ChooseFromContextMenu(bar, QPoint(8, 8), "Bottom"));
  EXPECT_EQ(bar->value(), G.ScrollY());

  linked.Host.ClearLogs();
  bar->setValue(500);
  EXPECT_EQ(G.ScrollY(), 486);  // whole rows
  EXPECT_EQ(bar->value(), 486);
  EXPECT_EQ(moves(), 1);
  G.SetLinkedGrid(nullptr);
}

// A tall grid: 1000 rows, every notch 120 pixels, up and down, and no
// further than the ends.
TEST(WidgetWheel, ScrollsATallGrid) {
  TTextGridWidget w;
  w.resize(204, 204);
  TTextGrid& g = w.Grid();
  g.SetColCount(2);
  g.SetRowCount(1000);
  w.show();
  QApplication::processEvents();
  const auto turn = [&](int Delta) {
    const QPointF at(60, 80);
    QWheelEvent e(at, w.mapToGlobal(at), QPoint(), QPoint(0, Delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &e);
    EXPECT_TRUE(e.isAccepted());
  };
  for (int i = 0; i < 3; ++i) turn(-120);
  EXPECT_EQ(g.ScrollY(), 360);
  EXPECT_EQ(w.ScrollBar(SB_VERT)->value(), 360);
  turn(120);
  EXPECT_EQ(g.ScrollY(), 240);
  turn(-240);  // two notches at once
  EXPECT_EQ(g.ScrollY(), 480);
  for (int i = 0; i < 200; ++i) turn(-120);
  EXPECT_EQ(g.ScrollY(), g.ScrollYMax());
  for (int i = 0; i < 200; ++i) turn(120);
  EXPECT_EQ(g.ScrollY(), 0);
  // What is painted follows: row 20 at the top after 360 pixels.
  turn(-360);
  w.repaint();
  EXPECT_EQ(g.RowAtY(g.HeaderExtent()), 20);
}

// A window with the grid (200 x 200 inside its border, two columns, five
// rows) and an edit field to take the focus from it.
struct FocusWidget : ::testing::Test {
  QWidget Window;
  TTextGridWidget* W = new TTextGridWidget(&Window);
  QLineEdit* Other = new QLineEdit(&Window);
  TTextGrid& G = W->Grid();
  void SetUp() override {
    Window.resize(300, 260);
    W->setGeometry(0, 0, 204, 204);
    Other->setGeometry(0, 220, 100, 24);
    G.SetColCount(2);
    G.SetRowCount(5);
    Window.show();
    Window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
  }
  void Focus(QWidget* Target) {
    Target->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
  }
  // Pixel (X, Y) of the client area as the widget shows it.
  QRgb Shown(int X, int Y) { return W->grab().toImage().pixel(X + 2, Y + 2); }
};

TEST_F(FocusWidget, CaretComesAndGoesWithTheFocus) {
  Focus(W);
  ASSERT_TRUE(W->hasFocus());
  EXPECT_TRUE(W->CaretExists());
  EXPECT_FALSE(W->CaretShown());
  EXPECT_EQ(W->CaretBounds().size(), QSize(1, 16));

  // Where the grid places and shows it, the widget inverts a bar 1 x 16.
  G.Host().SetCaretPos(50, 30);
  G.ShowTypingCaret();
  EXPECT_TRUE(W->CaretShown());
  EXPECT_EQ(W->CaretBounds(), QRect(50, 30, 1, 16));
  const QImage shot = W->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage& buffer = W->BackBuffer();
  for (int y : {30, 37, 45}) {
    EXPECT_EQ(shot.pixel(52, y + 2) & 0xFFFFFF, ~buffer.pixel(50, y) & 0xFFFFFF) << y;
    EXPECT_EQ(shot.pixel(53, y + 2) & 0xFFFFFF, buffer.pixel(51, y) & 0xFFFFFF) << y;
  }
  EXPECT_EQ(shot.pixel(52, 46 + 2) & 0xFFFFFF, buffer.pixel(50, 46) & 0xFFFFFF);

  // It blinks: within a few blink periods it is off once.
  if (QApplication::cursorFlashTime() > 0) {
    for (int i = 0; i < 300 && W->CaretBlinkPhase(); ++i) QTest::qWait(10);
    EXPECT_FALSE(W->CaretBlinkPhase());
    EXPECT_EQ(Shown(50, 37) & 0xFFFFFF, W->BackBuffer().pixel(50, 37) & 0xFFFFFF);
  }

  // The frame of the current cell is black while the grid has the focus.
  EXPECT_EQ(Shown(99, 26) & 0xFFFFFF, 0u);
  Focus(Other);
  EXPECT_FALSE(W->CaretExists());
  EXPECT_FALSE(W->CaretShown());
  EXPECT_FALSE(TTextGrid::CaretShown);
  EXPECT_EQ(Shown(50, 37) & 0xFFFFFF, W->BackBuffer().pixel(50, 37) & 0xFFFFFF);
  EXPECT_NE(Shown(99, 26) & 0xFFFFFF, 0u);
}

// The focus passing to the grid's own edit field leaves the editor open;
// to another widget it closes it.
TEST_F(FocusWidget, FocusToTheEditor) {
  Focus(W);
  G.Host().ShowEditor({20, 18, 100, 36}, "abc", G.Font(), tv::clWindow, haLeft);
  TTextGridTestAccess::SetEditorActive(G, true);
  Focus(W->Editor());
  EXPECT_TRUE(W->Editor()->hasFocus());
  EXPECT_TRUE(W->Editor()->isVisible());
  EXPECT_TRUE(G.EditorActive());
  EXPECT_FALSE(W->CaretExists());

  Focus(W);
  Focus(Other);
  EXPECT_FALSE(W->Editor()->isVisible());
  EXPECT_FALSE(G.EditorActive());
}

// A font given to the widget (or come from its parent) becomes the grid's
// Font and its columns'; the colour stays the grid's.
TEST_F(FocusWidget, WidgetFontBecomesTheGridFont) {
  tv::TFont before = G.Font();
  before.Color = tv::clRed;
  G.SetFont(before);
  QFont f("Liberation Serif");
  f.setPixelSize(23);
  f.setBold(true);
  W->setFont(f);
  EXPECT_EQ(G.Font().Name, "Liberation Serif");
  EXPECT_EQ(G.Font().Height, -23);
  EXPECT_TRUE(G.Font().Bold);
  EXPECT_EQ(G.Font().Color, tv::clRed);
  EXPECT_EQ(G.Columns()[1].Font(), G.Font());

  QFont parentFont("Liberation Sans");
  parentFont.setPixelSize(11);
  auto* plain = new TTextGridWidget(&Window);
  Window.setFont(parentFont);
  EXPECT_EQ(plain->Grid().Font().Height, -11);
  EXPECT_EQ(plain->Grid().Font().Name, "Liberation Sans");
  EXPECT_EQ(G.Font().Height, -23);  // its own font wins over the parent's
}

}  // namespace
