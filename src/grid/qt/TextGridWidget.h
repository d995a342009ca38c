// The Qt widget that hosts one text grid: it owns the grid (Grid()), paints
// it into a client-sized back buffer through tv::TQtCanvas and shows that
// buffer, gives it two real scroll bars whose lines, pages, thumb drags and
// context-menu positions reach the grid as its scroll codes, forwards size changes, wheel turns
// (120 a notch), focus changes, font changes and the immediate repaint of a
// changed cell, and keeps the in-place edit field, caret, cursor and
// clipboard services the grid asks for. Qt has no caret: the widget draws
// the grid's as an inverted bar over the buffer and blinks it.
//
// Input (TextGridWidgetInput.cpp): a key becomes the grid's KeyDown with its
// virtual-key code and then, for each character it types (without Alt),
// KeyPress; its release (not an auto-repeated one) KeyUp. The arrows and
// plain characters are kept from shortcuts, Tab still moves the focus.
// Presses (double clicks too, marked ssDouble), moves (tracked also without
// a button) and releases go to the grid's mouse handlers in client pixels;
// a press whose release never came (the buttons are up at a later move)
// ends its drag without a drop. The in-place editor is a borderless
// QLineEdit child whose changes, keys and characters (typed or committed by
// an input method) go to the grid's TTextInplace.
//
// No error of the grid leaves a Qt event: one raised while the widget paints,
// takes a key, a mouse event, a change of the edit field, a size change, the
// wheel, a scroll-bar action, a focus change or a font change ends that
// event's handling and goes to OnError.
//
// The body table of the main window, for instance:
//   auto* grid = new TTextGridWidget(parent);
//   grid->setGeometry(3, 539, 310, 380);
//   grid->SetBorderStyle(bsNone);
//   grid->SetTabStop(false);
//   TTextGrid& g = grid->Grid();
//   g.SetFont(narrow15); g.SetHeaderFont(narrow15);      // "Arial Narrow", -15
//   g.SetFooterFont(narrow10); g.SetGutterFont(narrow10);  // -10
//   g.SetDefColWidth(40); g.SetReadOnly(true);
//   g.SetGutterKind(gkNone); g.SetGutterWidth(0); g.SetShowFooter(false);
//   g.SetColCount(4); for (int c = 0; c < 4; ++c) g.Columns()[c].SetWidth(75);
//   g.SetRowCount(19);
//   g.OnDrawCell = ...;
#pragma once

#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "grid/TextGrid.h"
#include "platform/qt/Bitmap.h"

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;
class QScrollBar;

enum TBorderStyle : std::uint8_t { bsNone, bsSingle };

class TTextGridWidget : public QWidget {
 public:
  // A 200 x 200 widget with a single border, tab stop on and a new grid whose
  // window exists (both bars hidden, laid out).
  explicit TTextGridWidget(QWidget* Parent = nullptr);
  ~TTextGridWidget() override;

  TTextGrid& Grid() { return *Grid_; }
  const TTextGrid& Grid() const { return *Grid_; }

  // bsSingle: a sunken frame two pixels wide around scroll bars and client.
  void SetBorderStyle(TBorderStyle Value);
  TBorderStyle BorderStyle() const { return BorderStyle_; }
  // Without a tab stop the grid takes the keyboard focus only from a click.
  void SetTabStop(bool Value);
  bool TabStop() const { return TabStop_; }

  // The scroll bar of kind SB_HORZ or SB_VERT.
  QScrollBar* ScrollBar(std::int32_t Kind) const { return Bars_[Kind == SB_HORZ ? 0 : 1]; }
  // The client area within the widget: inside the border, beside the bars.
  QRect ClientGeometry() const;
  // What the grid painted last, client-sized.
  const QImage& BackBuffer() const { return Buffer_.Image(); }
  // The in-place edit field (created hidden with the widget).
  QLineEdit* Editor() const { return Editor_; }

  // The caret as the grid left it, client pixels: it exists from the focus
  // in to the focus out, and shows between the grid's ShowCaret and
  // HideCaret, blinking (CaretBlinkPhase False: the off half of a blink).
  bool CaretExists() const { return CaretExists_; }
  bool CaretShown() const { return CaretShown_; }
  bool CaretBlinkPhase() const { return CaretBlinkOn_; }
  QRect CaretBounds() const { return Caret_; }

  // Called with an error that the grid raised inside a Qt event: a paint
  // pass (a drawing handler's error ends the pass there, as the pass catches
  // nothing), a key, a mouse event, a change in the editor (a cell event's
  // handler, say), a size change, the wheel, a scroll bar, a focus or a font
  // change. Unset: the error's text goes to Qt's warning output.
  std::function<void(const std::exception&)> OnError;

  // The grid holds the mouse capture (between a press and its release).
  bool MouseCaptured() const { return Captured_; }

  // Width of a scroll bar, pixels.
  static constexpr int ScrollBarExtent = 17;

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void wheelEvent(QWheelEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  bool event(QEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void keyReleaseEvent(QKeyEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseDoubleClickEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;

 private:
  class THost;
  friend class THost;

  int Border() const { return BorderStyle_ == bsSingle ? 2 : 0; }
  QSize ClientSize() const;
  // The client size with the horizontal bar shown when Horz and the
  // vertical one when Vert.
  QSize ClientSizeWith(bool Horz, bool Vert) const;
  // Places the bars and the client area; a new client size goes to the grid
  // as a size message (also from inside the grid's own layout run).
  void LayoutChildren();
  void EnsureBufferSize();
  // Runs the grid's paint pass into the back buffer when an area is invalid.
  void PaintPending();
  void ScrollAction(std::int32_t Kind, int Action);
  void ScrollReleased(std::int32_t Kind);
  void ScrollValueChanged(std::int32_t Kind, int Value);
  void SendScroll(std::int32_t Kind, std::int32_t Code, std::int32_t Pos, bool InAction);
  // Marks the caret's pixels for repainting (while it is shown).
  void UpdateCaret();
  // A newly placed or shown caret starts in its visible half.
  void RestartBlink();
  // Runs Action, a call into the grid from a Qt event; an error it raises
  // goes to OnError.
  template <class F>
  void Guarded(F&& Action);
  void ReportError(const std::exception& Error);
  // The editor's key events: true when the editor must not see the event.
  bool EditorKey(QKeyEvent* Event);
  // Text that an input method commits into the editor: each character goes
  // through the grid's filter like a typed one.
  bool EditorInput(QInputMethodEvent* Event);
  // The characters the editor's filter lets through, in order.
  std::u32string EditorFiltered(const std::u32string& Chars);
  void ForwardMouse(QMouseEvent* Event);

  std::unique_ptr<THost> Host_;
  std::unique_ptr<TTextGrid> Grid_;
  QScrollBar* Bars_[2] = {nullptr, nullptr};
  bool BarShown_[2] = {false, false};
  QLineEdit* Editor_ = nullptr;
  tv::TBitmap Buffer_;
  QRegion Dirty_;  // client pixels the grid asked to repaint
  bool Painting_ = false;  // the grid's paint pass runs
  QRegion PaintedFlush_;   // client pixels flushed during the pass
  QSize LastClientSize_{-1, -1};
  TBorderStyle BorderStyle_ = bsSingle;
  bool TabStop_ = true;
  // The caret: exists while created, drawn while shown and in the visible
  // half of its blink.
  bool CaretExists_ = false;
  bool CaretShown_ = false;
  bool CaretBlinkOn_ = true;
  QRect Caret_;  // client pixels
  QTimer BlinkTimer_;
  bool Captured_ = false;
  bool FilteringInput_ = false;  // the editor gets filtered input method text
  std::int16_t CursorId_ = crDefault;  // the cursor shown
};

template <class F>
void TTextGridWidget::Guarded(F&& Action) {
  try {
    Action();
  } catch (const std::exception& error) {
    ReportError(error);
  }
}

// Creates the process's QApplication when there is none yet (widget tests,
// benchmarks and tools); no other kind of application may exist before.
void EnsureWidgetApplication();
