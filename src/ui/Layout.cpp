// Panel layout, resize and the chart picture export of the main window.
#include <QCoreApplication>
#include <algorithm>

#include "data/SharedState.h"
#include "platform/CheckedInt.h"
#include "ui/Tarvelsicht_Unit_Main.h"
#include "ui/logic/FrameworkErrors.h"
#include "ui/logic/WindowArithmetic.h"

int TForm_Main::ClientWidth() const { return Client_->width(); }
int TForm_Main::ClientHeight() const { return Client_->height(); }

TAlign TForm_Main::Align(const QWidget* Control) const {
  const QVariant value = Control->property(AlignProperty);
  return value.isValid() ? static_cast<TAlign>(value.toInt()) : TAlign::alNone;
}

void TForm_Main::SetAlign(QWidget* Control, TAlign Value) {
  Control->setProperty(AlignProperty, static_cast<int>(Value));
  Realign(Control->parentWidget(), Control);
}

// A negative width counts as zero.
void TForm_Main::SetControlWidth(QWidget* Control, int Width) {
  Control->resize(std::max(0, Width), Control->height());
  Realign(Control->parentWidget(), Control);
  Realign(Control, nullptr);
}

void TForm_Main::Realign(QWidget* Parent, QWidget* Changed) {
  std::vector<QWidget*> docked;
  std::vector<TAlignItem> items;
  int changed = -1;
  for (QObject* child : Parent->children()) {
    auto* control = qobject_cast<QWidget*>(child);
    if (control == nullptr || control->isWindow() || Align(control) == TAlign::alNone) continue;
    if (control == Changed) changed = static_cast<int>(items.size());
    const QRect r = control->geometry();
    items.push_back({Align(control), {r.x(), r.y(), r.width(), r.height()}, !control->isHidden()});
    docked.push_back(control);
  }
  if (docked.empty()) return;
  AlignControls(Parent->width(), Parent->height(), items, changed);
  for (std::size_t i = 0; i < docked.size(); ++i) {
    const TBounds& b = items[i].Bounds;
    const QRect target(b.Left, b.Top, b.Width, b.Height);
    if (docked[i]->geometry() == target) continue;
    docked[i]->setGeometry(target);
    Realign(docked[i], nullptr);
  }
}

// The left margin, then the chart panel made square at the full height
// beside it, then the input panel filling the rest; the framework's docking
// places them, and pending events run after each step.
void TForm_Main::PanelLayout(int Divisor) {
  const int W = ClientWidth(), H = ClientHeight();
  SetControlWidth(Panel_Left, LeftPanelWidth(W, H, Divisor));
  SetAlign(Panel_Bild, TAlign::alClient);
  ProcessMessages();
  SetAlign(Panel_Bild, TAlign::alNone);
  ProcessMessages();
  SetControlWidth(Panel_Bild, Panel_Bild->height());
  ProcessMessages();
  SetAlign(Panel_Bild, TAlign::alLeft);
  ProcessMessages();
  SetAlign(Panel_Rght, TAlign::alClient);
  ProcessMessages();
}

void TForm_Main::WritePendingBlack() {
  if (!SurfaceBlackPending_) return;
  SurfaceBlackPending_ = false;
  Img1->Picture.FillBlack();
}

void TForm_Main::FormResize(QObject*) {
  PanelLayout(6);
  // The drawing surface black: its brush now, its pixels as soon as anything
  // but the draws below reads them. The first of those draws covers every
  // pixel with the background before anything else, so they are written only
  // when it does not come (a field that does not convert), or when a handler
  // run by the events processed before it reads the surface.
  tv::TBitmap& surface = Img1->Picture;
  if (surface.Width() != 2000 || surface.Height() != 2000) surface.SetSize(2000, 2000);
  surface.Canvas().Brush = {tv::clBlack, tv::TBrushStyle::bsSolid};
  SurfaceBlackPending_ = true;
  struct TWriteBlackAtEnd {
    TForm_Main* Form;
    ~TWriteBlackAtEnd() { Form->WritePendingBlack(); }
  } writeBlackAtEnd{this};
  // The visible picture as wide as the chart panel, at least 200 pixels,
  // showing the black surface until the draws below replace it: black, as
  // its scaled copy is (a new picture is black already).
  tv::TBitmap& picture = Bild->Picture;
  picture.Canvas().SetStretchBltMode(tv::TStretchMode::smHalftone);
  BildWidth = std::max(200, tv::CheckedSub(Panel_Rght->x(), Panel_Left->width()));
  BildHeight = BildWidth;
  if (picture.Width() != BildWidth || picture.Height() != BildHeight)
    picture.SetSize(BildWidth, BildHeight);
  else
    picture.FillBlack();
  Bild->update();
  Read_DateTimeInput();
  Button_ZeichnenClick(this);
}

// Saves the drawing surface as "Tarvelsicht_Bild.bmp" in the picture folder,
// then closes through the close query. The save fails with the file-create
// error when the file cannot be written, and also when the picture folder is
// unknown ("") or not an absolute path: the picture never goes to the working
// folder. The error names the file as it would have been written; the close
// query does not run and the window stays open.
void TForm_Main::Exit1Click(QObject*) {
  const std::string fileName = PictureDir + "Tarvelsicht_Bild.bmp";
  if (PictureDir.empty() || PictureDir.front() != '/') throw EFileError::CannotCreate(fileName);
  WritePendingBlack();
  try {
    Img1->Picture.SaveToFile(fileName);
  } catch (const tv::EInOutError&) {
    throw EFileError::CannotCreate(fileName);
  }
  bool canClose = true;
  FormCloseQuery(this, canClose);
}
