// On a picture the canvas writes lines, small ellipses and texts straight into
// the rows; on any other device (here a pixmap) everything goes through the
// painter. Both must give the same pixels, with and without a clip.
#include <QPixmap>
#include <functional>
#include <random>
#include <string>
#include <vector>

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
    canvas.AntialiasText = false;  // as on a bitmap
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

// Number of differing pixels in the top-left Size x Size, with the first few
// described in Where.
int Differences(const QImage& A, const QImage& B, std::string& Where, int Size = Side) {
  int n = 0;
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x)
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

// Chains of wide round-capped segments at all angles, widths even and odd
// (pens wider than four pixels go through the painter), broken by other
// painting, a colour change and a one-pixel line: joints are painted by both
// of their segments, over whatever was painted in between.
void WideLines(TCanvas& C) {
  int k = 0;
  for (int width : {2, 3, 4, 9}) {
    C.Pen = {k % 2 ? Red : Blue, width, TPenStyle::psSolid};
    C.MoveTo(-10 + 7 * k, 5 + 11 * k);
    for (int j = 0; j < 14; ++j, ++k) C.LineTo((k * 71 + 13) % (Side + 40) - 20, (k * 29 + 7) % (Side + 40) - 20);
  }
  C.Pen = {Red, 4, TPenStyle::psSolid};
  C.Brush = {Green, TBrushStyle::bsSolid};
  C.MoveTo(10, 150);
  C.LineTo(60, 140);
  C.Ellipse(54, 134, 66, 146);  // over the joint: the next segment paints over it
  C.LineTo(110, 152);
  C.FillRect({106, 148, 114, 156});
  C.LineTo(150, 120);
  C.Pen.Color = Blue;  // a new colour repaints the shared pixels
  C.LineTo(120, 80);
  C.Pen = {Green, 1, TPenStyle::psSolid};
  C.MoveTo(100, 70);
  C.LineTo(140, 90);
  C.Pen = {Blue, 4, TPenStyle::psSolid};
  C.MoveTo(120, 80);
  C.LineTo(150, 60);
}

// Texts with a clear brush, straight and turned, some cut by the edges.
// Painted texts are kept per font, turn and text: the same text comes again
// with one thing changed at a time, and the whole set three times, in another
// colour each time.
void Texts(TCanvas& C) {
  C.Brush.Style = TBrushStyle::bsClear;
  const std::function<void(TFont&)> changes[] = {
      [](TFont&) {},
      [](TFont& F) { F.Escapement = 900; },
      [](TFont& F) { F.Escapement = -900; },
      [](TFont& F) { F.Escapement = 330; },
      [](TFont& F) { F.Escapement = 2151; },
      [](TFont& F) { F.SetSize(14); },
      [](TFont& F) { F.Height = 16; },  // a cell height, not a character height
      [](TFont& F) { F.Bold = true; },
      [](TFont& F) { F.Italic = true; },
      [](TFont& F) { F.Underline = true; },
      [](TFont& F) { F.Name = "Courier New"; },
  };
  int k = 0;
  for (TColor color : {Red, Green, Blue}) {
    for (const auto& change : changes) {
      C.Font = TFont();
      C.Font.SetSize(11);
      C.Font.Color = color;
      change(C.Font);
      C.TextOut((k * 47) % (Side + 40) - 30, (k * 61) % (Side + 40) - 20, "Sgr fg");
      ++k;
    }
  }
  C.Font = TFont();
  C.Font.Color = Blue;
  C.TextOut(-8, Side - 14, "\xC2\xA9 2026 W");  // UTF-8, across two edges
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
      {"wide lines", WideLines},
      {"texts", Texts},
      {"texts in a clip", [&](TCanvas& C) { C.SelectClipRegion(clip); Texts(C); }},
      {"more texts than are kept",
       [&](TCanvas& C) {
         C.Brush.Style = TBrushStyle::bsClear;
         C.Font.SetSize(6);
         for (int round = 0; round < 2; ++round) {
           for (int i = 0; i < 5000; i += round == 0 ? 1 : 97) {
             C.Font.Color = i % 2 ? Red : Green;
             C.Font.Escapement = (i % 7) * 450;
             C.TextOut((i * 37) % Side, (i * 11) % Side, std::to_string(i));
           }
         }
       }},
      {"wide lines in a clip", [&](TCanvas& C) { C.SelectClipRegion(clip); WideLines(C); }},
      {"empty clip", [&](TCanvas& C) { C.SelectClipRegion(TRegion()); Ellipses(C); Lines(C); WideLines(C); }},
      {"clip removed", [&](TCanvas& C) { C.SelectClipRegion(clip); C.RemoveClipRegion(); Ellipses(C); Lines(C); }},
      {"wide chain across a clip change",
       [&](TCanvas& C) {
         // Each joint lies outside the clip of the segment before it, so the
         // next segment must paint all of its own start there.
         C.Pen = {Red, 4, TPenStyle::psSolid};
         C.SelectClipRegion(clip);
         C.MoveTo(10, 80);
         C.LineTo(150, 90);
         C.SelectClipRegion(TRegion({0, 0, Side, Side}));
         C.LineTo(90, 20);
         C.SelectClipRegion(clip);
         C.LineTo(150, 110);
         C.RemoveClipRegion();
         C.LineTo(60, 150);
       }},
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

TEST_F(QtCanvasTest, WideSegmentsMatchThePainterAtEveryAngle) {
  // Thousands of single segments, each on its own small surface. The painter
  // decides a pixel centre lying exactly on a side in fixed point, which the
  // direct path follows but for about one pixel in 10^5; a wrong rounding of
  // the outline or a wrong rule for such centres shows in one pixel in a few
  // thousand.
  constexpr int Surface = 40;
  std::mt19937 random(20240812);
  auto pick = [&](int Lo, int Hi) { return Lo + static_cast<int>(random() % static_cast<unsigned>(Hi - Lo + 1)); };
  for (int width : {2, 3, 4}) {
    long painterPixels = 0, differing = 0;
    for (int k = 0; k < 2500; ++k) {
      TPoint a{pick(8, Surface - 9), pick(8, Surface - 9)}, b{pick(8, Surface - 9), pick(8, Surface - 9)};
      if (k % 3 == 0) b = {a.X + pick(-4, 4), a.Y + pick(-4, 4)};  // short ones: mostly caps
      if (k % 7 == 0) b.Y = a.Y;
      if (k % 11 == 0) b.X = a.X;
      if (a == b) continue;
      const TScene segment = [&](TCanvas& C) {
        C.Pen = {Red, width, TPenStyle::psSolid};
        C.MoveTo(a.X, a.Y);
        C.LineTo(b.X, b.Y);
      };
      QPixmap pixmap(Surface, Surface);
      pixmap.fill(Qt::black);
      {
        QPainter painter(&pixmap);
        TQtCanvas canvas(&painter);
        segment(canvas);
      }
      const QImage byPainter = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
      TBitmap direct(Surface, Surface);
      segment(direct.Canvas());
      for (int y = 0; y < Surface; ++y)
        for (int x = 0; x < Surface; ++x) {
          const bool painted = (byPainter.pixel(x, y) & 0xFFFFFF) != 0;
          painterPixels += painted ? 1 : 0;
          differing += painted != (direct.Pixel(x, y) != clBlack) ? 1 : 0;
        }
    }
    EXPECT_GT(painterPixels, 2500 * width * 6) << "width " << width;
    EXPECT_LE(differing * 20000, painterPixels) << "width " << width << ": " << differing << " differing pixels";
  }
}

TEST_F(QtCanvasTest, TurnedLabelsMatchThePainterAtEveryDegree) {
  // Labels as the chart turns them, each on its own surface, from the first
  // painting on (which already comes from the kept pixels); also cut by each
  // edge (the painter places glyphs cut by the left or top edge differently).
  constexpr int Surface = 96;
  const char* texts[] = {"UMa", "Cyg", "Sgr", "CrB"};
  int compared = 0, differing = 0;
  std::string where;
  for (int points : {18, 24, 25}) {
    for (int angle = 0; angle < 360; ++angle) {
      const TPoint edges[4] = {{4, Surface / 2}, {Surface / 2, 4}, {Surface - 4, Surface / 2}, {Surface / 2, Surface - 4}};
      const TPoint at = points == 25 ? edges[angle % 4] : TPoint{Surface / 2, Surface / 2};
      const char* text = texts[angle % 4];
      const TScene label = [&](TCanvas& C) {
        C.Brush.Style = TBrushStyle::bsClear;
        C.Font.Bold = true;
        C.Font.SetSize(points);
        C.Font.Color = 0xB0C020;  // the labels' colour
        C.Font.Escapement = angle * 10;
        C.TextOut(at.X, at.Y, text);
      };
      QPixmap pixmap(Surface, Surface);
      pixmap.fill(Qt::black);
      {
        QPainter painter(&pixmap);
        TQtCanvas canvas(&painter);
        canvas.AntialiasText = false;
        label(canvas);
      }
      const QImage byPainter = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
      TBitmap direct(Surface, Surface);
      label(direct.Canvas());
      std::string unused;
      const int n = Differences(byPainter, direct.Image(), unused, Surface);
      if (n > 0 && differing++ < 5) {
        where += ' ';
        where += text;
        where += '@';
        where += std::to_string(angle);
      }
      ++compared;
    }
  }
  EXPECT_EQ(differing, 0) << "of " << compared << " labels:" << where;
}

TEST_F(QtCanvasTest, KnownTextWidthsFollowTheFont) {
  // Widths are kept per font and text: one canvas measuring the same text
  // through a series of fonts must agree with a fresh canvas for each.
  struct Row {
    const char* Name;
    TFont Font;
  };
  std::vector<Row> rows(6);
  rows[0].Name = "8 points";
  rows[1] = {"14 points", rows[0].Font};
  rows[1].Font.SetSize(14);
  rows[2] = {"bold", rows[0].Font};
  rows[2].Font.Bold = true;
  rows[3] = {"cell height", rows[0].Font};
  rows[3].Font.Height = 20;
  rows[4] = {"other face", rows[0].Font};
  rows[4].Font.Name = "Courier New";
  rows[5] = {"turned", rows[0].Font};
  rows[5].Font.Escapement = 450;  // measured unturned: as 8 points
  TBitmap shared(20, 20);
  for (int pass = 0; pass < 2; ++pass) {
    for (const Row& r : rows) {
      TBitmap fresh(20, 20);
      fresh.Canvas().Font = r.Font;
      shared.Canvas().Font = r.Font;
      EXPECT_EQ(shared.Canvas().TextWidth("Sgr fg"), fresh.Canvas().TextWidth("Sgr fg")) << r.Name;
      shared.Canvas().TextOut(3, 4, "Sgr fg");
      EXPECT_EQ(shared.Canvas().PenPos(), (TPoint{3 + fresh.Canvas().TextWidth("Sgr fg"), 4})) << r.Name;
    }
  }
  EXPECT_NE(shared.Canvas().TextWidth("Sgr fg"), shared.Canvas().TextWidth("Sgr fgg"));
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
