// On a picture the canvas writes one-pixel lines and small ellipses straight
// into the rows; on any other device (here a pixmap) everything goes through
// the painter. Both must give the same pixels, with and without a clip.
#include <QPixmap>
#include <functional>

#include "CanvasTestUtil.h"

namespace tv {
namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Green = 0x00FF00;
constexpr TColor Blue = 0xFF0000;
constexpr int Side = 160;

using TScene = std::function<void(TCanvas&)>;

// The scene painted through the painter only: onto a pixmap.
QImage PaintedByPainter(const TScene& Scene) {
  QPixmap pixmap(Side, Side);
  pixmap.fill(Qt::black);
  {
    QPainter painter(&pixmap);
    TQtCanvas canvas(&painter);
    Scene(canvas);
  }
  return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// The scene painted on a bitmap, where the canvas writes pixels itself.
QImage PaintedDirectly(const TScene& Scene) {
  TBitmap bitmap(Side, Side);
  Scene(bitmap.Canvas());
  return bitmap.Image().copy();
}

// Number of differing pixels, with the first few described in Where.
int Differences(const QImage& A, const QImage& B, std::string& Where) {
  int n = 0;
  for (int y = 0; y < Side; ++y)
    for (int x = 0; x < Side; ++x)
      if ((A.pixel(x, y) & 0xFFFFFF) != (B.pixel(x, y) & 0xFFFFFF) && ++n <= 5)
        Where += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
  return n;
}

// Ellipses of every size up to 22 pixels and a few larger ones, with each
// pen and brush kind, many of them cut by the surface's edges.
void Ellipses(TCanvas& C) {
  const TPen pens[] = {{Red, 0, TPenStyle::psSolid}, {Red, 1, TPenStyle::psSolid}, {Red, 1, TPenStyle::psClear}};
  const TBrush brushes[] = {{Green, TBrushStyle::bsSolid}, {Green, TBrushStyle::bsClear}};
  int k = 0;
  for (int w = 1; w <= 22; ++w) {
    for (int h : {w, w / 2 + 1, w + 3}) {
      for (const TPen& pen : pens) {
        for (const TBrush& brush : brushes) {
          C.Pen = pen;
          C.Brush = brush;
          C.Pen.Color = k % 2 ? Red : Blue;
          const int x = (k * 37) % (Side + 20) - 12;
          const int y = (k * 53) % (Side + 20) - 12;
          C.Ellipse(x, y, x + w, y + h);
          ++k;
        }
      }
    }
  }
  C.Pen = pens[1];
  C.Brush = brushes[0];
  C.Ellipse(100, 100, 164, 164);  // the largest cached box, cut by two edges
  C.Ellipse(-30, 70, 35, 140);    // one pixel too wide for the cache
  C.Ellipse(40, 40, 17, 25);      // corners given the other way round
}

// One-pixel lines in all directions, solid and dotted, with and without the
// dotted pen's gap colour, in chains and crossing the edges.
void Lines(TCanvas& C) {
  C.Pen = {Red, 1, TPenStyle::psSolid};
  C.MoveTo(-40, 3);
  for (int k = 0; k < 24; ++k) C.LineTo((k * 71) % (Side + 60) - 30, (k * 43) % (Side + 60) - 30);
  C.Pen = {Blue, 1, TPenStyle::psDot};
  C.Brush = {Green, TBrushStyle::bsSolid};
  C.MoveTo(Side / 2, Side / 2);
  for (int k = 0; k < 16; ++k) C.LineTo(Side / 2 + (k % 4 - 2) * 41 + k, Side / 2 + (k / 4 - 2) * 37 - k);
  C.Brush.Style = TBrushStyle::bsClear;
  for (int k = 0; k < 12; ++k) {
    C.MoveTo(k * 13 - 5, -7);
    C.LineTo(Side + 9 - k * 11, Side + 4);
  }
  C.Pen = {Green, 0, TPenStyle::psSolid};
  C.Rectangle(20, 120, 70, 150);  // a rectangle between two chains keeps nothing of them
  C.MoveTo(Side - 1, 0);
  C.LineTo(0, Side - 1);
}

TEST_F(QtCanvasTest, DirectPixelsMatchThePainterPixelForPixel) {
  // A clip of two boxes and a ring between them.
  const TRegion ring =
      TRegion::Combine(TRegion({20, 20, 140, 140}), TRegion({40, 40, 120, 120}), TRegionMode::rgnXor);
  const TRegion clip = TRegion::Combine(ring, TRegion({0, 60, 30, 100}), TRegionMode::rgnOr);
  struct Row {
    const char* Name;
    TScene Scene;
  };
  const Row rows[] = {
      {"ellipses", Ellipses},
      {"lines", Lines},
      {"ellipses in a clip", [&](TCanvas& C) { C.SelectClipRegion(clip); Ellipses(C); }},
      {"lines in a clip", [&](TCanvas& C) { C.SelectClipRegion(clip); Lines(C); }},
      {"empty clip", [&](TCanvas& C) { C.SelectClipRegion(TRegion()); Ellipses(C); Lines(C); }},
      {"clip removed", [&](TCanvas& C) { C.SelectClipRegion(clip); C.RemoveClipRegion(); Ellipses(C); Lines(C); }},
  };
  for (const Row& r : rows) {
    const QImage byPainter = PaintedByPainter(r.Scene);
    const QImage direct = PaintedDirectly(r.Scene);
    std::string where;
    EXPECT_EQ(Differences(byPainter, direct, where), 0) << r.Name << ":" << where;
    // The scene must have painted something for the comparison to mean anything.
    EXPECT_NE(byPainter, QImage(byPainter.size(), byPainter.format())) << r.Name;
  }
}

TEST_F(QtCanvasTest, LinesBetweenFarCornersCrossTheSurface) {
  // Ends near the 32-bit limits: the first visible step's minor offset needs
  // more than 64 bits as a product.
  struct Row {
    const char* Name;
    TPoint From, To;
    TPenStyle Style;
  };
  const Row rows[] = {
      {"solid diagonal", {-2147483647, -2147483647}, {2147483647, 2147483647}, TPenStyle::psSolid},
      {"dotted diagonal", {-2147483647, -2147483647}, {2147483647, 2147483647}, TPenStyle::psDot},
      {"solid back", {2147483647, 2147483647}, {-2147483647, -2147483647}, TPenStyle::psSolid},
  };
  for (const Row& r : rows) {
    TBitmap b(50, 50);
    TCanvas& c = b.Canvas();
    c.Pen = {Red, 1, r.Style};
    c.Brush = {Green, TBrushStyle::bsSolid};
    c.MoveTo(r.From.X, r.From.Y);
    c.LineTo(r.To.X, r.To.Y);
    int onDiagonal = 0;
    for (int i = 0; i < 50; ++i) onDiagonal += b.Pixel(i, i) != clBlack ? 1 : 0;
    EXPECT_EQ(onDiagonal, 50) << r.Name;
    EXPECT_EQ(CountOf(b, Red) + CountOf(b, Green), 50) << r.Name;
  }
}

}  // namespace
}  // namespace tv
