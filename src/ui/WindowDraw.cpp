// The draw request: the chart onto the drawing surface through the one render
// path, the body table, and the scaled copy into the visible picture.
#include "chart/DrawRequest.h"
#include "data/SharedState.h"
#include "platform/CheckedInt.h"
#include "ui/Tarvelsicht_Unit_Main.h"

void TForm_Main::Button_ZeichnenClick(QObject*) {
  ++DrawRequests_;
  TDrawHooks hooks;
  hooks.ProcessMessages = &TForm_Main::ProcessMessages;
  hooks.FillDataTable = [this] { Fill_DataTable(Img1); };
  Draw_Chart(Img1->Picture.Canvas(), Img0->Picture.Canvas(), hooks);

  // The copy into the visible picture, as wide as the chart panel.
  tv::TBitmap& picture = Bild->Picture;
  picture.Canvas().SetStretchBltMode(tv::TStretchMode::smHalftone);
  BildWidth = tv::CheckedSub(Panel_Rght->x(), Panel_Left->width());
  BildHeight = BildWidth;
  if (BildWidth <= 0) return;  // no room: the picture stays as it was
  if (picture.Width() != BildWidth || picture.Height() != BildHeight) picture.SetSize(BildWidth, BildHeight);
  picture.Canvas().CopyRect({0, 0, BildWidth, BildHeight}, Img1->Picture.Canvas(), {0, 0, 2000, 2000});
  Bild->update();
}

// The body table's rows into TextGrid1; Image is not read.
void TForm_Main::Fill_DataTable(TPictureBox*) {}
