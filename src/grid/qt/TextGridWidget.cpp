#include "grid/qt/TextGridWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>

#include "grid/qt/GridCursors.h"
#include "platform/qt/QtCanvas.h"

namespace {
QColor ToQColor(tv::TColor C) {
  const tv::TColor rgb = tv::ColorToRGB(C);
  return QColor(tv::RedOf(rgb), tv::GreenOf(rgb), tv::BlueOf(rgb));
}

QRect ToQRect(const tv::TRect& R) { return QRect(QPoint(R.Left, R.Top), QPoint(R.Right - 1, R.Bottom - 1)); }
}  // namespace

// --- The window services -----------------------------------------------------------

class TTextGridWidget::THost : public TTextGridHost {
 public:
  explicit THost(TTextGridWidget& Widget) : W_(Widget) {}

  bool HandleAllocated() const override { return true; }

  tv::TRect ClientRect() const override {
    const QSize s = W_.ClientSize();
    return {0, 0, s.width(), s.height()};
  }

  void InvalidateRect(const tv::TRect& R) override {
    const QRect r = ToQRect(R).intersected(QRect(QPoint(0, 0), W_.ClientSize()));
    if (r.isEmpty()) return;
    W_.Dirty_ += r;
    W_.update(r.translated(W_.ClientGeometry().topLeft()));
  }

  void Invalidate() override {
    W_.Dirty_ = QRegion(QRect(QPoint(0, 0), W_.ClientSize()));
    W_.update();
  }

  void SetControlColor(tv::TColor Color) override {
    QPalette palette = W_.palette();
    palette.setColor(QPalette::Window, ToQColor(Color));
    W_.setPalette(palette);
    W_.update();
  }

  tv::TCanvas& Canvas() override {
    W_.EnsureBufferSize();
    return W_.Buffer_.Canvas();
  }

  // What was drawn on the back buffer goes to the screen with the widget's
  // next paint, together with any other change made before it: a run of cell
  // writes costs one screen update, and an invalidation made before them
  // (a new title, say) is painted after them, as on a window that paints its
  // invalid area at its next paint message. A cell written by a drawing
  // handler during a paint shows with that paint; only what lies outside
  // its area is asked for afterwards.
  void FlushRect(const tv::TRect& R) override {
    if (!W_.isVisible()) return;
    const QRect r = ToQRect(R).intersected(QRect(QPoint(0, 0), W_.ClientSize()));
    if (r.isEmpty()) return;
    if (W_.Painting_) {
      W_.PaintedFlush_ += r;
    } else {
      W_.update(r.translated(W_.ClientGeometry().topLeft()));
    }
  }

  void SetScrollInfo(std::int32_t Kind, std::int32_t Max, std::int32_t Pos, std::int32_t Mask) override {
    QScrollBar* bar = W_.ScrollBar(Kind);
    const QSignalBlocker blocker(bar);
    if ((Mask & SIF_RANGE) != 0) bar->setRange(0, std::max(0, Max));
    if ((Mask & SIF_POS) != 0) bar->setValue(Pos);
  }

  void ShowScrollBar(std::int32_t Kind, bool Show) override {
    bool& shown = W_.BarShown_[Kind == SB_HORZ ? 0 : 1];
    if (shown == Show) return;
    shown = Show;
    W_.LayoutChildren();
  }

  bool ScrollBarShown(std::int32_t Kind) const override { return W_.BarShown_[Kind == SB_HORZ ? 0 : 1]; }
  tv::TRect ClientRectWith(bool Horz, bool Vert) const override {
    const QSize s = W_.ClientSizeWith(Horz, Vert);
    return {0, 0, s.width(), s.height()};
  }

  // The caret, drawn over the back buffer by the widget. One per window: a
  // new one replaces the old, hidden.
  void CreateCaret(std::int32_t Width, std::int32_t Height) override {
    W_.UpdateCaret();
    W_.BlinkTimer_.stop();
    W_.CaretExists_ = true;
    W_.CaretShown_ = false;
    W_.Caret_.setSize(QSize(std::max(0, Width), std::max(0, Height)));
  }
  void DestroyCaret() override {
    W_.UpdateCaret();
    W_.BlinkTimer_.stop();
    W_.CaretExists_ = false;
    W_.CaretShown_ = false;
  }
  void ShowCaret() override {
    if (!W_.CaretExists_ || W_.CaretShown_) return;
    W_.CaretShown_ = true;
    W_.RestartBlink();
  }
  void HideCaret() override {
    W_.UpdateCaret();
    W_.BlinkTimer_.stop();
    W_.CaretShown_ = false;
  }
  void SetCaretPos(std::int32_t X, std::int32_t Y) override {
    W_.UpdateCaret();
    W_.Caret_.moveTo(X, Y);
    if (W_.CaretShown_) W_.RestartBlink();
  }

  // The grid captures at a press and releases at the next release. Qt
  // already sends a widget every move and release while a button pressed
  // over it is held (an explicit grab would add nothing, and some
  // platforms have none), so the capture is only noted.
  void SetCapture() override { W_.Captured_ = true; }
  void ReleaseCapture() override { W_.Captured_ = false; }

  void SetCursor(std::int16_t Id) override {
    if (Id == W_.CursorId_) return;
    W_.CursorId_ = Id;
    W_.setCursor(GridCursor(Id));
  }

  bool Focused() const override { return W_.hasFocus(); }
  void SetFocus() override { W_.setFocus(Qt::OtherFocusReason); }

  // The write counts as done when the clipboard gives the text back.
  bool SetClipboardText(const std::string& Text) override {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return false;
    const QString text = QString::fromStdString(Text);
    clipboard->setText(text);
    return clipboard->text() == text;
  }

  bool GetClipboardText(std::string& Text) override {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard != nullptr ? clipboard->mimeData() : nullptr;
    if (data == nullptr || !data->hasText()) return false;
    Text = data->text().toStdString();
    return true;
  }

  void ShowEditor(const tv::TRect& Bounds, const std::string& Text, const tv::TFont& Font, tv::TColor Color,
                  THorzAlign Alignment) override {
    QLineEdit* editor = W_.Editor_;
    FontMap_.Font = Font;
    editor->setFont(FontMap_.QtFont());
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Base, ToQColor(Color));
    palette.setColor(QPalette::Text, ToQColor(Font.Color));
    editor->setPalette(palette);
    editor->setAlignment(Alignment == haCenter  ? Qt::AlignHCenter | Qt::AlignVCenter
                         : Alignment == haRight ? Qt::AlignRight | Qt::AlignVCenter
                                                : Qt::AlignLeft | Qt::AlignVCenter);
    {
      // The cell's own text is no edit: no change reaches the grid, and the
      // cell keeps its bytes even where the field cannot show them as they
      // are (a text that is not UTF-8).
      const QSignalBlocker blocker(editor);
      editor->setText(QString::fromStdString(Text));
    }
    editor->setGeometry(ToQRect(Bounds).translated(W_.ClientGeometry().topLeft()));
    editor->show();
  }
  // A focused edit field gives the focus to its grid before it hides, so
  // that it does not pass on to the next control of the window.
  void HideEditor() override {
    if (W_.Editor_->hasFocus()) W_.setFocus(Qt::OtherFocusReason);
    W_.Editor_->hide();
  }
  bool EditorVisible() const override { return !W_.Editor_->isHidden(); }
  void FocusEditor() override { W_.Editor_->setFocus(Qt::OtherFocusReason); }

 private:
  TTextGridWidget& W_;
  tv::TQtCanvas FontMap_;  // maps a grid font to a Qt font, paints nothing
};

// --- The widget ------------------------------------------------------------------------

TTextGridWidget::TTextGridWidget(QWidget* Parent) : QWidget(Parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  for (int k = 0; k < 2; ++k) {
    auto* bar = new QScrollBar(k == 0 ? Qt::Horizontal : Qt::Vertical, this);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setRange(0, 0);
    bar->setSingleStep(0);  // the grid decides the steps
    bar->setPageStep(0);    // no proportional thumb
    bar->hide();
    bar->installEventFilter(this);
    const std::int32_t kind = k == 0 ? SB_HORZ : SB_VERT;
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, kind](int Action) { ScrollAction(kind, Action); });
    connect(bar, &QAbstractSlider::sliderReleased, this, [this, kind] { ScrollReleased(kind); });
    connect(bar, &QAbstractSlider::valueChanged, this, [this, kind](int Value) { ScrollValueChanged(kind, Value); });
    Bars_[k] = bar;
  }
  Editor_ = new QLineEdit(this);
  Editor_->setFrame(false);
  Editor_->setMaxLength(std::numeric_limits<int>::max());  // a cell's text has no length limit
  Editor_->setGeometry(-200, -200, Editor_->width(), Editor_->height());
  Editor_->hide();
  Editor_->installEventFilter(this);
  connect(Editor_, &QLineEdit::textChanged, this,
          [this](const QString& Text) { Guarded([&] { Grid_->InplaceEditor().Change(Text.toStdString()); }); });
  setMouseTracking(true);

  // Half a blink period on, half off; no blinking when the platform has none.
  BlinkTimer_.setInterval(std::max(QApplication::cursorFlashTime() / 2, 1));
  connect(&BlinkTimer_, &QTimer::timeout, this, [this] {
    CaretBlinkOn_ = !CaretBlinkOn_;
    UpdateCaret();
  });

  resize(200, 200);
  Host_ = std::make_unique<THost>(*this);
  Grid_ = std::make_unique<TTextGrid>(*Host_);
  LayoutChildren();
  Grid_->CreateWnd();
}

TTextGridWidget::~TTextGridWidget() {
  Grid_.reset();  // the grid may still call the host while it goes
}

void TTextGridWidget::SetBorderStyle(TBorderStyle Value) {
  if (Value == BorderStyle_) return;
  BorderStyle_ = Value;
  LayoutChildren();
  update();
}

void TTextGridWidget::SetTabStop(bool Value) {
  TabStop_ = Value;
  setFocusPolicy(Value ? Qt::StrongFocus : Qt::ClickFocus);
}

// A bar wider than the room inside the border leaves no client area.
QSize TTextGridWidget::ClientSizeWith(bool Horz, bool Vert) const {
  const int b = Border();
  return {std::max(0, width() - 2 * b - (Vert ? ScrollBarExtent : 0)),
          std::max(0, height() - 2 * b - (Horz ? ScrollBarExtent : 0))};
}

QSize TTextGridWidget::ClientSize() const { return ClientSizeWith(BarShown_[0], BarShown_[1]); }

QRect TTextGridWidget::ClientGeometry() const { return QRect(QPoint(Border(), Border()), ClientSize()); }

// Showing or hiding a bar changes the client size; the grid hears of it at
// once, as a window's size message comes inside ShowScrollBar.
void TTextGridWidget::LayoutChildren() {
  const QRect client = ClientGeometry();
  Bars_[0]->setGeometry(client.left(), client.top() + client.height(), client.width(), ScrollBarExtent);
  Bars_[1]->setGeometry(client.left() + client.width(), client.top(), ScrollBarExtent, client.height());
  Bars_[0]->setVisible(BarShown_[0]);
  Bars_[1]->setVisible(BarShown_[1]);
  if (client.size() == LastClientSize_) return;
  LastClientSize_ = client.size();
  Dirty_ = QRegion(QRect(QPoint(0, 0), client.size()));
  update();
  if (Grid_ != nullptr) Grid_->WMSize();
}

void TTextGridWidget::resizeEvent(QResizeEvent*) {
  Guarded([this] { LayoutChildren(); });
}

void TTextGridWidget::EnsureBufferSize() {
  const QSize size = ClientSize();
  if (Buffer_.Width() == size.width() && Buffer_.Height() == size.height()) return;
  Buffer_.SetSize(size.width(), size.height());
  Dirty_ = QRegion(QRect(QPoint(0, 0), size));
}

void TTextGridWidget::PaintPending() {
  EnsureBufferSize();
  if (Dirty_.isEmpty()) return;
  Dirty_ = QRegion();
  Guarded([this] { Grid_->Paint(); });
}

void TTextGridWidget::ReportError(const std::exception& Error) {
  if (OnError) {
    OnError(Error);
  } else {
    qWarning("Text grid: %s", Error.what());
  }
}

void TTextGridWidget::paintEvent(QPaintEvent* Event) {
  Painting_ = true;
  PaintPending();
  Painting_ = false;
  const QRegion later = PaintedFlush_.translated(ClientGeometry().topLeft()) - Event->region();
  PaintedFlush_ = QRegion();
  if (!later.isEmpty()) update(later);
  QPainter p(this);
  p.setClipRegion(Event->region());
  const QRect client = ClientGeometry();
  p.drawImage(client.topLeft(), Buffer_.Image());
  if (CaretExists_ && CaretShown_ && CaretBlinkOn_) {
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.fillRect(Caret_.translated(client.topLeft()), Qt::white);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
  if (BarShown_[0] && BarShown_[1]) {
    p.fillRect(QRect(client.right() + 1, client.bottom() + 1, ScrollBarExtent, ScrollBarExtent),
               ToQColor(tv::clBtnFace));
  }
  if (BorderStyle_ == bsSingle) {
    // A sunken edge on the widget's two outermost rings of pixels: grey and
    // dark grey above and left, white and light grey below and right.
    const QRect outer = rect();
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    p.setPen(QColor(160, 160, 160));
    p.drawLine(outer.topLeft(), outer.topRight());
    p.drawLine(outer.topLeft(), outer.bottomLeft());
    p.setPen(Qt::white);
    p.drawLine(outer.bottomLeft(), outer.bottomRight());
    p.drawLine(outer.topRight(), outer.bottomRight());
    p.setPen(QColor(105, 105, 105));
    p.drawLine(inner.topLeft(), inner.topRight());
    p.drawLine(inner.topLeft(), inner.bottomLeft());
    p.setPen(QColor(227, 227, 227));
    p.drawLine(inner.bottomLeft(), inner.bottomRight());
    p.drawLine(inner.topRight(), inner.bottomRight());
  }
}

void TTextGridWidget::UpdateCaret() {
  if (CaretShown_) update(Caret_.translated(ClientGeometry().topLeft()));
}

void TTextGridWidget::RestartBlink() {
  CaretBlinkOn_ = true;
  UpdateCaret();
  if (QApplication::cursorFlashTime() > 0) {
    BlinkTimer_.start();
  } else {
    BlinkTimer_.stop();
  }
}

// Qt already names the widget that takes the focus when the old one hears
// of its loss: the grid's own edit field keeps the editor open.
void TTextGridWidget::focusInEvent(QFocusEvent*) {
  if (Grid_ != nullptr) Guarded([this] { Grid_->WMSetFocus(); });
}

void TTextGridWidget::focusOutEvent(QFocusEvent*) {
  if (Grid_ != nullptr) Guarded([this] { Grid_->WMKillFocus(QApplication::focusWidget() == Editor_); });
}

// A new widget font (set on the widget or come from its parent) becomes the
// grid's Font: face, height and style; the colour, pitch and character set
// stay the grid's. An equal font changes nothing.
void TTextGridWidget::changeEvent(QEvent* Event) {
  QWidget::changeEvent(Event);
  if (Event->type() != QEvent::FontChange || Grid_ == nullptr) return;
  const QFont f = font();
  tv::TFont next = Grid_->Font();
  next.Name = f.family().toStdString();
  next.Height = f.pixelSize() > 0 ? -f.pixelSize() : -static_cast<std::int32_t>(std::lround(f.pointSizeF() * 96 / 72));
  next.Bold = f.weight() >= QFont::Bold;
  next.Italic = f.italic();
  next.Underline = f.underline();
  if (next == Grid_->Font()) return;
  Guarded([&] { Grid_->SetFont(next); });
}

void TTextGridWidget::wheelEvent(QWheelEvent* Event) {
  const int delta = Event->angleDelta().y();
  Event->accept();
  if (delta == 0) return;
  Guarded([&] { Grid_->WMMouseWheel(static_cast<std::int16_t>(std::clamp(delta, -32768, 32767))); });
}

// The wheel over a scroll bar scrolls the grid, as over the client area.
// The editor's keys reach the grid's editor before the edit field.
bool TTextGridWidget::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::Wheel && (Watched == Bars_[0] || Watched == Bars_[1])) {
    wheelEvent(static_cast<QWheelEvent*>(Event));
    return true;
  }
  if (Event->type() == QEvent::KeyPress && Watched == Editor_) return EditorKey(static_cast<QKeyEvent*>(Event));
  if (Event->type() == QEvent::InputMethod && Watched == Editor_) {
    return EditorInput(static_cast<QInputMethodEvent*>(Event));
  }
  return QWidget::eventFilter(Watched, Event);
}

// A bar's action becomes the grid's scroll message; the bar then shows the
// offset the grid took (snapped to rows, clamped), not the one asked for.
void TTextGridWidget::ScrollAction(std::int32_t Kind, int Action) {
  std::int32_t code = -1;
  switch (Action) {
    case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
    case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
    case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
    case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
    case QAbstractSlider::SliderMove: code = SB_THUMBTRACK; break;
    case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
    case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
    default: return;
  }
  SendScroll(Kind, code, ScrollBar(Kind)->sliderPosition(), true);
}

void TTextGridWidget::ScrollReleased(std::int32_t Kind) {
  SendScroll(Kind, SB_THUMBPOSITION, ScrollBar(Kind)->sliderPosition(), false);
  SendScroll(Kind, SB_ENDSCROLL, 0, false);
}

// A new value that no action brought (the context menu's "Scroll here",
// say) is a thumb released there. After an action or a drag the bar's value
// is the grid's offset already, and the grid's own updates send no signal.
void TTextGridWidget::ScrollValueChanged(std::int32_t Kind, int Value) {
  if (Value == (Kind == SB_HORZ ? Grid_->ScrollX() : Grid_->ScrollY())) return;
  SendScroll(Kind, SB_THUMBPOSITION, Value, false);
  SendScroll(Kind, SB_ENDSCROLL, 0, false);
}

// Inside an action the bar takes its slider position as its value when the
// action ends; elsewhere the value is set without signals. Also after an
// error the bar shows the offset the grid has.
void TTextGridWidget::SendScroll(std::int32_t Kind, std::int32_t Code, std::int32_t Pos, bool InAction) {
  QScrollBar* bar = ScrollBar(Kind);
  Guarded([&] {
    if (Kind == SB_HORZ) {
      Grid_->WMHScroll(Code, Pos);
    } else {
      Grid_->WMVScroll(Code, Pos);
    }
  });
  const int offset = Kind == SB_HORZ ? Grid_->ScrollX() : Grid_->ScrollY();
  if (InAction) {
    bar->setSliderPosition(offset);
  } else {
    const QSignalBlocker blocker(bar);
    bar->setValue(offset);
  }
}

void EnsureWidgetApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "tarvelsicht";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives until the process ends
}
