#include "ui/Controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPolygon>
#include <QRegion>

QColor ToQColor(tv::TColor Color) {
  tv::TColor rgb = 0;
  switch (Color) {
    case clScrollBar: rgb = tv::RGBColor(200, 200, 200); break;
    case clBackground: rgb = tv::clBlack; break;
    case clBtnText: rgb = tv::clBlack; break;
    default: rgb = tv::ColorToRGB(Color); break;
  }
  return QColor(tv::RedOf(rgb), tv::GreenOf(rgb), tv::BlueOf(rgb));
}

QFont WidgetFont(const char* Face, int PixelHeight, bool Bold) {
  QString face = QString::fromUtf8(Face);
  if (face == "Default" || face == "MS Sans Serif")
    face = "Liberation Sans";
  else if (face == "Courier New")
    face = "Liberation Mono";
  QFont font(face);
  font.setPixelSize(PixelHeight);
  font.setBold(Bold);
  return font;
}

void SetWidgetColors(QWidget* Widget, tv::TColor Background, tv::TColor TextColor) {
  QPalette palette = Widget->palette();
  if (Background != clDefault) {
    const QColor back = ToQColor(Background);
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Button, back);
    Widget->setAutoFillBackground(true);
  }
  if (TextColor != clDefault) {
    const QColor text = ToQColor(TextColor);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
  }
  Widget->setPalette(palette);
}

// --- Panel -------------------------------------------------------------------

TPanel::TPanel(QWidget* Parent) : QFrame(Parent) {
  SetWidgetColors(this, tv::clBtnFace, clDefault);
  SetBevel(true);
}

void TPanel::SetBevel(bool Raised) {
  if (Raised) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
  } else {
    setFrameStyle(QFrame::NoFrame);
  }
}

// --- Picture box -------------------------------------------------------------

// The box paints all of itself (the picture, and its parent's colour where
// the picture does not reach), so that the parent is not painted beneath a
// picture that covers it.
TPictureBox::TPictureBox(QWidget* Parent) : QWidget(Parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void TPictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage& image = Picture.Image();
  QSize size(0, 0);
  if (!image.isNull()) {
    // Scaled to fit with its proportions kept, at the top left.
    size = image.size();
    size.scale(this->size(), Qt::KeepAspectRatio);
    if (size == image.size())
      painter.drawImage(QPoint(0, 0), image);
    else
      painter.drawImage(QRect(QPoint(0, 0), size), image);
  }
  const QRegion rest = QRegion(rect()).subtracted(QRect(QPoint(0, 0), size));
  for (const QRect& r : rest) painter.fillRect(r, palette().window());
}

// --- Field -------------------------------------------------------------------

TFieldEdit::TFieldEdit(QWidget* Parent) : QLineEdit(Parent) {}

void TFieldEdit::keyPressEvent(QKeyEvent* Event) {
  if (!KeyDown) {
    QLineEdit::keyPressEvent(Event);
    return;
  }
  int key = Event->key();
  KeyDown(key, Event->modifiers());
  if (key == 0) {
    Event->accept();
    return;
  }
  if (key == Event->key()) {
    QLineEdit::keyPressEvent(Event);
    return;
  }
  QKeyEvent changed(Event->type(), key, Event->modifiers());
  QLineEdit::keyPressEvent(&changed);
}

// --- Bitmap button -----------------------------------------------------------

TBitBtn::TBitBtn(QWidget* Parent) : QPushButton(Parent) {}

void TBitBtn::SetGlyph(TGlyph Glyph) {
  QPolygon triangle;
  QSize size(15, 15);
  switch (Glyph) {
    case TGlyph::None: setIcon(QIcon()); return;
    case TGlyph::Up: triangle << QPoint(7, 4) << QPoint(12, 11) << QPoint(2, 11); break;
    case TGlyph::Down: triangle << QPoint(2, 4) << QPoint(12, 4) << QPoint(7, 11); break;
    case TGlyph::Left:
      size = QSize(8, 11);
      triangle << QPoint(1, 5) << QPoint(6, 0) << QPoint(6, 10);
      break;
    case TGlyph::Right:
      size = QSize(9, 11);
      triangle << QPoint(7, 5) << QPoint(2, 0) << QPoint(2, 10);
      break;
  }
  QPixmap glyph(size);
  glyph.fill(Qt::transparent);  // the glyph's grey ground is its transparent colour
  QPainter painter(&glyph);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::black);
  painter.drawPolygon(triangle);
  painter.end();
  setIcon(QIcon(glyph));
  setIconSize(size);
}

void TBitBtn::mousePressEvent(QMouseEvent* Event) {
  QPushButton::mousePressEvent(Event);
  if (MouseDown) MouseDown(Event->button(), Event->modifiers(), Event->position().toPoint());
}

void TBitBtn::mouseReleaseEvent(QMouseEvent* Event) {
  QPushButton::mouseReleaseEvent(Event);
  if (MouseUp) MouseUp(Event->button(), Event->modifiers(), Event->position().toPoint());
}

// --- Status bar --------------------------------------------------------------

namespace {
constexpr std::array<int, TStatusBar::PanelCount> PanelWidths{450, 125, 120, 155, 50, 50};
constexpr std::array<Qt::Alignment::Int, TStatusBar::PanelCount> PanelAlignments{
    Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignLeft};
}  // namespace

TStatusBar::TStatusBar(QWidget* Parent) : QFrame(Parent) {
  SetWidgetColors(this, tv::clBtnFace, clDefault);
  for (int i = 0; i < PanelCount; ++i) {
    auto* panel = new QLabel(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::Alignment(PanelAlignments[static_cast<std::size_t>(i)]) | Qt::AlignVCenter);
    panel->setIndent(2);
    Panels_[static_cast<std::size_t>(i)] = panel;
  }
  PlacePanels();
}

void TStatusBar::SetPanelText(int Index, const std::string& Text) {
  Panels_.at(static_cast<std::size_t>(Index))->setText(QString::fromStdString(Text));
}

std::string TStatusBar::PanelText(int Index) const {
  return Panels_.at(static_cast<std::size_t>(Index))->text().toStdString();
}

QLabel* TStatusBar::Panel(int Index) const { return Panels_.at(static_cast<std::size_t>(Index)); }

void TStatusBar::resizeEvent(QResizeEvent* Event) {
  QFrame::resizeEvent(Event);
  PlacePanels();
}

// Each panel its width less a 2-pixel gap; the last one to the bar's right
// edge.
void TStatusBar::PlacePanels() {
  int left = 0;
  for (std::size_t i = 0; i < Panels_.size(); ++i) {
    const int w = i + 1 < Panels_.size() ? PanelWidths[i] - 2 : width() - left;
    Panels_[i]->setGeometry(left, 2, std::max(0, w), std::max(0, height() - 2));
    left += PanelWidths[i];
  }
}

// --- Client area -------------------------------------------------------------

TClientArea::TClientArea(QWidget* Parent) : QWidget(Parent) {}

void TClientArea::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  if (Resized) Resized();
}

// --- Captions ----------------------------------------------------------------

namespace {
constexpr const char* CaptionProperty = "tvCaption";
}

void SetCaption(QWidget* Control, const std::string& Caption) {
  const QString text = QString::fromStdString(Caption);
  if (auto* label = dynamic_cast<QLabel*>(Control)) {
    label->setProperty(CaptionProperty, text);
    QString shown = text;
    shown.replace("\r\n", "\n");
    label->setText(shown);
    if (label->property(AutoSizeProperty).toBool()) label->adjustSize();
  } else if (auto* button = dynamic_cast<QAbstractButton*>(Control)) {
    button->setText(text);
  } else if (auto* edit = dynamic_cast<QLineEdit*>(Control)) {
    edit->setText(text);
  } else if (auto* memo = dynamic_cast<QPlainTextEdit*>(Control)) {
    memo->setPlainText(text);
  } else if (auto* list = dynamic_cast<QComboBox*>(Control)) {
    list->setPlaceholderText(text);
  } else {
    Control->setProperty(CaptionProperty, text);
  }
}

std::string Caption(const QWidget* Control) {
  if (auto* label = dynamic_cast<const QLabel*>(Control)) {
    const QVariant kept = label->property(CaptionProperty);
    return (kept.isValid() ? kept.toString() : label->text()).toStdString();
  }
  if (auto* button = dynamic_cast<const QAbstractButton*>(Control)) return button->text().toStdString();
  if (auto* edit = dynamic_cast<const QLineEdit*>(Control)) return edit->text().toStdString();
  if (auto* memo = dynamic_cast<const QPlainTextEdit*>(Control)) return memo->toPlainText().toStdString();
  if (auto* list = dynamic_cast<const QComboBox*>(Control))
    return (list->currentIndex() < 0 ? list->placeholderText() : list->currentText()).toStdString();
  return Control->property(CaptionProperty).toString().toStdString();
}
