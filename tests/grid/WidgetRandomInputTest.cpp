// A long random run of input through the real widget of an editable grid:
// keys (with Shift and Ctrl), presses, moves and releases of all three
// buttons (double clicks and lost releases among them), the wheel, resizes,
// the program changing the row and column counts and hiding, adding and
// removing columns, with the in-place editor opened, typed into and left
// open. After every event the grid must hold together: the current cell and
// the selection lie in the grid, no drag outlives its release, an open
// editor stands on a visible cell, and a paint of the whole grid succeeds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <random>
#include <sstream>

#include "grid/qt/TextGridWidget.h"

namespace {

struct WidgetEnvironment : ::testing::Environment {
  void SetUp() override { EnsureWidgetApplication(); }
};
const ::testing::Environment* const Environment = ::testing::AddGlobalTestEnvironment(new WidgetEnvironment);

struct WidgetRandomInput : ::testing::Test {
  QWidget Window;
  TTextGridWidget* W = new TTextGridWidget(&Window);
  TTextGrid& G = W->Grid();
  std::mt19937 Random{20261211};
  std::vector<std::string> Errors;
  Qt::MouseButtons Held;  // the buttons the run holds down
  std::string Step;       // the event just sent, for the failure message
  bool Released = false;  // a release reached the grid
  int NoCurrentCell = 0;  // events after which the grid had cells but no current cell

  void SetUp() override {
    Window.resize(700, 500);
    W->setGeometry(10, 10, 400, 300);
    W->OnError = [this](const std::exception& Error) { Errors.emplace_back(Error.what()); };
    G.SetGutterKind(gkNumber);
    G.SetShowFooter(true);
    G.SetAutoAddRow(true);
    G.SetAutoFillDown(true);
    G.SetAutoFillRight(true);
    G.SetHeaderLine(2);
    G.SetColCount(6);
    G.SetRowCount(30);
    for (int c = 0; c < 6; ++c) {
      G.Columns()[c].SetTitle(c < 3 ? "Left|" + std::to_string(c) : "Right|" + std::to_string(c));
      G.Columns()[c].SetHorzAlign(static_cast<THorzAlign>(c % 3));
      for (int r = 0; r < 30; r += 3) G.SetCellText(c, r, std::to_string(c) + "." + std::to_string(r) + "*");
    }
    Window.show();
    Window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
    W->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
  }

  int Pick(int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(Random); }
  bool Chance(int Percent) { return Pick(1, 100) <= Percent; }
  // A point of the widget, now and then just outside it (a drag beyond the edge).
  QPoint AnyPoint() {
    return {Pick(-20, W->width() + 20), Pick(-20, W->height() + 20)};
  }
  static Qt::MouseButton ButtonOf(int I) {
    return I == 0 ? Qt::LeftButton : I == 1 ? Qt::RightButton : Qt::MiddleButton;
  }

  // The widget that takes keys: the editor when it has the focus, else the grid.
  QWidget* KeyTarget() const {
    QWidget* focus = QApplication::focusWidget();
    return focus == W->Editor() ? focus : W;
  }

  void SendMouse(QEvent::Type Type, QPoint P, Qt::MouseButton Button) {
    QMouseEvent event(Type, P, W->mapToGlobal(P), Button, Held, Qt::NoModifier);
    QApplication::sendEvent(W, &event);
  }

  void Press() {
    const Qt::MouseButton button = ButtonOf(Pick(0, 2));
    if (Held & button) return;
    // Now and then on the fill handle or a column border, which a random
    // point would hardly ever hit.
    QPoint p = AnyPoint();
    const tv::TRect handle = G.FillHandleRect();
    const int aim = Pick(0, 9);
    if (aim < 3 && handle.Left != -1) {
      p = W->ClientGeometry().topLeft() + QPoint(handle.Left + 2, handle.Top + 2);
    } else if (aim < 4 && G.ColCount() > 0) {
      const int col = Pick(0, G.ColCount() - 1);
      const int x = G.ColumnLeft(col + 1) + G.GutterExtent() - G.ScrollX();
      p = W->ClientGeometry().topLeft() + QPoint(x, Pick(0, std::max(0, W->height() - 1)));
    }
    if (aim < 4 || Chance(50)) SendMouse(QEvent::MouseMove, p, Qt::NoButton);  // a hover first
    Held |= button;
    const bool twice = Chance(15);
    Step = std::string(twice ? "double click" : "press") + " button " + std::to_string(button);
    SendMouse(twice ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress, p, button);
  }

  void Release() {
    for (int i = 0; i < 3; ++i) {
      const Qt::MouseButton button = ButtonOf(i);
      if (!(Held & button)) continue;
      Held &= ~button;
      Step = "release button " + std::to_string(button);
      Released = true;
      SendMouse(QEvent::MouseButtonRelease, AnyPoint(), button);
      return;
    }
  }

  void Key() {
    static const Qt::Key keys[] = {Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Left,   Qt::Key_Right,     Qt::Key_Home,
                                   Qt::Key_End,    Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Return,  Qt::Key_Escape,
                                   Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_C,      Qt::Key_V,
                                   Qt::Key_X,      Qt::Key_A,      Qt::Key_F2};
    const Qt::Key key = keys[Pick(0, static_cast<int>(std::size(keys)) - 1)];
    const int m = Pick(0, 9);
    const Qt::KeyboardModifiers mods = m < 6 ? Qt::NoModifier : m < 8 ? Qt::ShiftModifier : Qt::ControlModifier;
    Step = "key " + std::to_string(key) + " modifiers " + std::to_string(mods.toInt());
    QTest::keyClick(KeyTarget(), key, mods);
  }

  void Type() {
    static const char* const texts[] = {"a", "7", "*", ">", "\xC3\xA9", "\xE2\x82\xAC", "\xD0\xB6"};
    const QString text = QString::fromUtf8(texts[Pick(0, 6)]);
    Step = "type " + text.toStdString();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(KeyTarget(), &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(KeyTarget(), &release);
  }

  // Two clicks on the current cell open the editor; sometimes it gets the focus.
  void OpenEditor() {
    if (G.CurCol() < 0 || G.CurRow() < 0 || Held != Qt::NoButton) return;
    Step = "open the editor";
    G.ScrollToCell(G.CurCol(), G.CurRow());
    const tv::TRect r = G.ToClientRect(G.CellBounds(G.CurCol(), G.CurRow()));
    const QPoint p = W->ClientGeometry().topLeft() + QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    for (int i = 0; i < 2; ++i) {
      SendMouse(QEvent::MouseMove, p, Qt::NoButton);
      Held = Qt::LeftButton;
      SendMouse(QEvent::MouseButtonPress, p, Qt::LeftButton);
      Held = Qt::NoButton;
      Released = true;
      SendMouse(QEvent::MouseButtonRelease, p, Qt::LeftButton);
    }
    if (W->Editor()->isVisible() && Chance(70)) W->Editor()->setFocus(Qt::MouseFocusReason);
  }

  void ProgramChange() {
    switch (Pick(0, 6)) {
      case 0:
        Step = "row count";
        G.SetRowCount(Pick(0, 40));
        break;
      case 1:
        Step = "column count";
        G.SetColCount(Pick(0, 8));
        break;
      case 2:
      case 3:
        if (G.ColCount() > 0) {
          Step = "column visibility";
          TTextColumn& column = G.Columns()[Pick(0, G.ColCount() - 1)];
          column.SetVisible(!column.Visible());
        }
        break;
      case 4:
        if (G.ColCount() > 0) {
          Step = "column removed";
          G.Columns().Delete(Pick(0, G.ColCount() - 1));
        }
        break;
      case 5:
        // Added to a grid without columns, it leaves the grid without a
        // current cell (-1) until a press chooses one.
        Step = "column added";
        G.Columns().Add().SetWidth(Pick(10, 120));
        break;
      default:
        Step = "resize";
        W->resize(Pick(0, 600), Pick(0, 400));
        break;
    }
  }

  void OneEvent() {
    const int kind = Pick(0, 99);
    if (kind < 22) {
      Key();
    } else if (kind < 32) {
      Type();
    } else if (kind < 44) {
      Press();
    } else if (kind < 62) {
      Step = "move";
      SendMouse(QEvent::MouseMove, AnyPoint(), Qt::NoButton);
    } else if (kind < 74) {
      Release();
    } else if (kind < 77) {
      // The buttons went up where the grid did not see it.
      Held = Qt::NoButton;
      Step = "lost release";
      SendMouse(QEvent::MouseMove, AnyPoint(), Qt::NoButton);
    } else if (kind < 81) {
      Step = "wheel";
      const QPoint p = AnyPoint();
      QWheelEvent wheel(p, W->mapToGlobal(p), QPoint(), QPoint(0, Chance(50) ? 120 : -120), Held, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(W, &wheel);
    } else if (kind < 88) {
      OpenEditor();
    } else {
      ProgramChange();
    }
  }

  // The grid's state after the event, as text, for a failure message.
  std::string State() const {
    std::ostringstream s;
    const tv::TRect& a = G.SelArea();
    s << " (step " << Step << "; " << G.ColCount() << " x " << G.RowCount() << ", current " << G.CurCol() << ","
      << G.CurRow() << ", selection " << a.Left << "," << a.Top << ".." << a.Right << "," << a.Bottom;
    s << ", editor " << (G.EditorActive() ? "open" : "closed") << " on " << G.InplaceEditor().EditCol() << ","
      << G.InplaceEditor().EditRow() << ", hidden columns";
    for (int c = 0; c < G.ColCount(); ++c) {
      if (!G.Columns()[c].Visible()) s << " " << c;
    }
    s << ")";
    return s.str();
  }

  void CheckGrid(int Index) {
    const std::string where = "event " + std::to_string(Index) + State();
    const int cols = G.ColCount(), rows = G.RowCount();
    const tv::TRect& a = G.SelArea();
    if (cols == 0 || rows == 0) {
      ASSERT_EQ(G.CurCol(), -1) << where;
      ASSERT_EQ(G.CurRow(), -1) << where;
    } else if (G.CurCol() == -1 && G.CurRow() == -1) {
      // A first column added to a grid without columns; no block either.
      ++NoCurrentCell;
      ASSERT_EQ(a, (tv::TRect{-1, -1, -1, -1})) << where;
    } else {
      ASSERT_TRUE(G.CurCol() >= 0 && G.CurCol() < cols && G.CurRow() >= 0 && G.CurRow() < rows) << where;
      ASSERT_TRUE(a.Left >= 0 && a.Left <= a.Right && a.Right < cols && a.Top >= 0 && a.Top <= a.Bottom &&
                  a.Bottom < rows)
          << where;
      ASSERT_TRUE(a.Left <= G.CurCol() && G.CurCol() <= a.Right && a.Top <= G.CurRow() && G.CurRow() <= a.Bottom)
          << where;
    }
    if (Held == Qt::NoButton) {
      ASSERT_EQ(G.FillSource(), (tv::TRect{-1, -1, -1, -1})) << where;
      if (Released) {  // 0 from construction until then
        ASSERT_EQ(G.DragStartIndex(), -1) << where;
      }
      ASSERT_FALSE(W->MouseCaptured()) << where;
    }
    if (G.EditorActive()) {
      const TTextInplace& e = G.InplaceEditor();
      ASSERT_TRUE(e.EditCol() < cols && e.EditRow() < rows && G.Columns()[e.EditCol()].Visible()) << where;
    }
    ASSERT_EQ(G.EditorActive(), W->Editor()->isVisible()) << where;
    G.Invalidate();
    W->repaint();
    ASSERT_TRUE(Errors.empty()) << where << ": " << Errors.front();
    ASSERT_FALSE(G.PaintLocked()) << where;
  }
};

TEST_F(WidgetRandomInput, GridHoldsTogetherAfterEveryEvent) {
  constexpr int Events = 3000;
  int editorEvents = 0;
  for (int i = 0; i < Events; ++i) {
    OneEvent();
    if (G.EditorActive()) ++editorEvents;
    CheckGrid(i);
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(editorEvents, Events / 40);  // the editor was open for a fair share of the run
  EXPECT_GT(NoCurrentCell, 0);           // and the run met a grid without a current cell
}

}  // namespace
