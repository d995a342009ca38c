// The main window's construction and its services to the handlers.
#include "ui/Tarvelsicht_Unit_Main.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>

#include "data/SharedState.h"
#include "ui/HandlerBindings.h"

namespace {

// The window's icon, 32 x 32: a night sky disc with a few stars.
QImage DrawWindowIcon() {
  tv::TBitmap icon(32, 32);
  tv::TCanvas& canvas = icon.Canvas();
  canvas.Brush = {tv::RGBColor(0, 128, 128), tv::TBrushStyle::bsSolid};
  canvas.FillRect({0, 0, 32, 32});
  canvas.Pen = {tv::RGBColor(160, 160, 164), 1, tv::TPenStyle::psSolid};
  canvas.Brush = {tv::RGBColor(0, 0, 64), tv::TBrushStyle::bsSolid};
  canvas.Ellipse(1, 1, 31, 31);
  canvas.Pen = {tv::clWhite, 1, tv::TPenStyle::psSolid};
  canvas.Brush = {tv::clWhite, tv::TBrushStyle::bsSolid};
  for (const tv::TPoint p : {tv::TPoint{10, 9}, {20, 7}, {16, 15}, {23, 19}, {9, 21}, {15, 25}})
    canvas.Ellipse(p.X - 1, p.Y - 1, p.X + 2, p.Y + 2);
  canvas.Brush = {tv::RGBColor(255, 207, 68), tv::TBrushStyle::bsSolid};
  canvas.Pen = {tv::RGBColor(255, 207, 68), 1, tv::TPenStyle::psSolid};
  canvas.Ellipse(19, 11, 25, 17);
  return icon.Image().copy();
}

TSystemTime SystemLocalTime() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()};
}

}  // namespace

TForm_Main::TForm_Main() {
  setObjectName("Form_Main");
  setAnimated(false);
  Client_ = new TClientArea(this);
  setCentralWidget(Client_);
  SetWidgetColors(Client_, tv::RGBColor(0, 128, 128), tv::clWindowText);
  Client_->setFont(WidgetFont("MS Sans Serif", 13, false));
  BuildComponents();

  const QImage icon = DrawWindowIcon();
  setWindowIcon(QIcon(QPixmap::fromImage(icon)));
  Image2->Picture.Assign(icon);
  LocalClock = &SystemLocalTime;

  // Restored: a client area of 1272 x 968 below the menu bar, centred.
  resize(1272, 968 + menuBar()->sizeHint().height());
  if (QLayout* frame = layout()) frame->activate();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect free = screen->availableGeometry();
    move(free.center() - rect().center());
  }
  Realign(Client_, nullptr);
  Client_->Resized = [this] { RunEvent([this] { Realign(Client_, nullptr); }); };
}

TForm_Main::~TForm_Main() {
  for (int index = 1; index <= 7; ++index)
    if (PlanetIcon[index] == Icons_[static_cast<std::size_t>(index - 1)].get()) PlanetIcon[index] = nullptr;
  if (Form_Main == this) Form_Main = nullptr;
}

std::string TForm_Main::DecimalSeparator() { return QLocale().decimalPoint().toStdString(); }
