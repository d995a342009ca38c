// The draw request: the chart onto the drawing surface through the one render
// path, the body table, and the scaled copy into the visible picture; the
// body table's fill and its planet icons.
#include <QCoreApplication>
#include <cmath>

#include "chart/DrawRequest.h"
#include "data/SharedState.h"
#include "grid/qt/TextGridWidget.h"
#include "platform/CheckedInt.h"
#include "ui/Tarvelsicht_Unit_Main.h"
#include "ui/logic/BodyTableText.h"

void TForm_Main::Button_ZeichnenClick(QObject*) {
  ++DrawRequests_;
  TDrawHooks hooks;
  // A black left pending by the resize handler is overwritten once the
  // background covers the surface, before the events run.
  hooks.SurfaceCovered = [this] { SurfaceBlackPending_ = false; };
  hooks.ProcessMessages = [] { ProcessMessages(); };
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

// Lays the table out (a setting that is already in place changes nothing)
// and writes the 63 cells from BodyTable; a cell whose text changes is
// repainted at once. Image is not read.
void TForm_Main::Fill_DataTable(TPictureBox*) {
  TTextGrid& grid = TextGrid1->Grid();
  for (std::int32_t c = 0; c < 4; ++c) grid.Columns()[c].SetWidth(BodyColumnWidths[static_cast<std::size_t>(c)]);
  for (std::int32_t c = 0; c < 4; ++c)
    grid.Columns()[c].SetHorzAlign(BodyColumnCentred[static_cast<std::size_t>(c)] ? haCenter : haLeft);
  grid.SetHeaderLine(2);
  grid.SetColCount(4);
  grid.Columns()[0].SetTitle(Texts[32][Language]);
  for (std::int32_t c = 1; c < 4; ++c) grid.Columns()[c].SetTitle(BodyColumnTitles[static_cast<std::size_t>(c - 1)]);

  const std::string mark = DecimalSeparator();
  for (std::int32_t body = 0; body < BodyCount; ++body) {
    std::array<double, 7> values{};
    for (std::int32_t k = 0; k < 7; ++k) values[static_cast<std::size_t>(k)] = BodyTable[body][k];
    for (const TBodyCell& cell : BodyCells(body, Texts[23 + body][Language], values, mark))
      grid.SetCellText(cell.Col, cell.Row, cell.Text);
  }
}

// In column 0 of a planet's second row (6, 8, .. 18): the planet's 44 x 44
// icon reduced with halftone onto 20 x 21 pixels whose left edge lies 17
// pixels left of column 0's right edge, from the top of the name row above;
// the grid then paints that cell over the icon's lowest rows. The place
// comes from column 0's width alone. Handled stays False.
void TForm_Main::TextGrid1DrawCell(TTextGrid&, tv::TCanvas& ACanvas, std::int32_t X, std::int32_t Y, tv::TRect,
                                   bool&) {
  if (X != 0 || Y < 6 || Y > 18 || Y % 2 != 0) return;
  const std::int32_t k = (Y - 4) / 2;
  TPicture* icon = PlanetIcon[k];
  if (icon == nullptr) return;
  ACanvas.SetStretchBltMode(tv::TStretchMode::smHalftone);
  const std::int32_t W = TextGrid1->Grid().Columns()[0].Width();
  const std::int32_t top = tv::CheckedMul(tv::CheckedAdd(Y, 1), 18);
  ACanvas.CopyRect({W - 17, top, W + 3, top + 21}, icon->Bitmap.Canvas(), {0, 0, 44, 44});
}

void TForm_Main::CheckBox_SonneClick(QObject*) { Button_ZeichnenClick(this); }

void TForm_Main::Image1MouseUp(QObject*, Qt::MouseButton Button, Qt::KeyboardModifiers, int X, int Y) {
  if (Button != Qt::LeftButton) return;
  if (std::hypot(X - 1000.0, Y - 1000.0) > 948.0) ProcessMessages();
}
