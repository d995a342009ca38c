// Fixed paintings on a bitmap: taken at the first call or ahead on a new
// picture, then written from what was kept. Every call must leave the very pixels and settings that
// running the painting leaves, whatever lay beneath and whatever the
// settings were; a painting that is not fixed after all is always run.
#include <QPixmap>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "CanvasTestUtil.h"
#include "platform/Errors.h"

namespace tv {
namespace {

constexpr int Side = 160;

// How often each painting below has run.
int Runs = 0;

// A ring of wide round-capped chords reaching past every edge, as the
// chart's horizon mask is drawn.
void WideRing(TCanvas& C) {
  ++Runs;
  C.Pen = {0x000000, 40, TPenStyle::psSolid};
  C.MoveTo(80, -10);
  const int corners[][2] = {{150, 20}, {175, 80}, {150, 140}, {80, 172}, {10, 140}, {-12, 80}, {10, 20}, {80, -10}};
  for (const auto& p : corners) C.LineTo(p[0], p[1]);
}

// Dotted chains with a clear brush (the pattern running on from chord to
// chord) and two-pixel solid ones, as the altitude circles are drawn; ends
// inside a dotted chain.
void DottedAndThin(TCanvas& C) {
  ++Runs;
  for (int ring = 0; ring < 4; ++ring) {
    if (ring % 2 == 0) {
      C.Pen = {0x00FF80, 1, TPenStyle::psDot};
      C.Brush.Style = TBrushStyle::bsClear;
    } else {
      C.Pen = {0x008000, 2, TPenStyle::psSolid};
    }
    const int r = 20 + 18 * ring;
    C.MoveTo(80, 80 + r);
    for (int k = 1; k <= 24; ++k) {
      const double a = k * 3.14159265358979 / 12;
      C.LineTo(80 + static_cast<int>(r * std::sin(a)), 80 + static_cast<int>(r * std::cos(a)));
    }
  }
  C.Pen = {0x00FF80, 1, TPenStyle::psDot};
  C.MoveTo(5, 150);
  C.LineTo(31, 150);
}

// Shapes with brushes, a rectangle and text with a clear brush; sets the
// font, so the font passes through no longer, and ends with the text's
// position.
void ShapesAndText(TCanvas& C) {
  ++Runs;
  C.Pen = {0x0000FF, 1, TPenStyle::psSolid};
  C.Brush = {0xFF0000, TBrushStyle::bsSolid};
  C.Ellipse(10, 10, 40, 30);
  C.Ellipse(100, 90, 190, 175);  // wider than the shape cache, cut by two edges
  C.Rectangle(50, 60, 90, 75);
  C.FillRect({120, 5, 150, 25});
  C.Brush.Style = TBrushStyle::bsClear;
  C.Font = TFont();
  C.Font.SetSize(12);
  C.Font.Bold = true;
  C.Font.Color = 0x40C0A0;
  C.Font.Escapement = 300;
  C.TextOut(20, 120, "Sgr fg");
  C.Font.Escapement = 0;
  C.TextOut(60, 40, "Zenith");
}

// Sets only the pen and places the pen by MoveTo: brush and font pass
// through. Inside, another fixed painting.
void NestedPenOnly(TCanvas& C) {
  ++Runs;
  C.Pen = {0xFFFFFF, 3, TPenStyle::psSolid};
  C.MoveTo(0, 0);
  C.LineTo(159, 159);
  C.PaintFixed(WideRing);
}

using TScene = void (*)(TCanvas&);

// Grounds that differ everywhere and settings that differ in every field,
// one per call, so that a kept painting is checked against them all.
void PaintGround(TBitmap& B, int Call) {
  TCanvas& C = B.Canvas();
  C.Brush.Style = TBrushStyle::bsSolid;
  for (int y = 0; y < Side; y += 10)
    for (int x = 0; x < Side; x += 10) {
      C.Brush.Color = RGBColor((x + Call * 40) * 7, (y + Call * 20) * 5, Call * 60);
      C.FillRect({x, y, x + 10, y + 10});
    }
}

void SetStart(TCanvas& C, int Call) {
  C.Pen = {0x123456u * static_cast<TColor>(Call + 1) & 0xFFFFFF, Call + 1,
           Call % 2 == 0 ? TPenStyle::psSolid : TPenStyle::psDot};
  C.Brush = {0x00FF00u >> Call, Call % 2 == 0 ? TBrushStyle::bsSolid : TBrushStyle::bsClear};
  C.Font = TFont();
  C.Font.SetSize(8 + Call);
  C.Font.Italic = Call % 2 == 1;
  C.Font.Name = Call % 2 == 0 ? "Arial" : "Courier New";
  C.SetStretchBltMode(Call % 2 == 0 ? TStretchMode::smColorOnColor : TStretchMode::smHalftone);
  C.MoveTo(3 * Call, 100 - Call);
  if (Call == 2) C.LineTo(70, 20);  // starts within a chain
}

// The settings a caller can see, and what they do next: a dotted line that
// goes on from the current position (it continues a chain's pattern).
std::string SettingsAfter(TCanvas& C) {
  const TPoint p = C.PenPos();
  std::string s = std::to_string(C.Pen.Color) + "/" + std::to_string(C.Pen.Width) + "/" +
                  std::to_string(static_cast<int>(C.Pen.Style)) + " brush " + std::to_string(C.Brush.Color) + "/" +
                  std::to_string(static_cast<int>(C.Brush.Style)) + " font " + C.Font.Name + "/" +
                  std::to_string(C.Font.Height) + "/" + std::to_string(C.Font.Color) + "/" +
                  std::to_string(C.Font.Bold) + std::to_string(C.Font.Italic) + "/" +
                  std::to_string(C.Font.Escapement) + " at " + std::to_string(p.X) + "," + std::to_string(p.Y) +
                  " stretch " + std::to_string(static_cast<int>(C.StretchBltMode()));
  return s;
}
void GoOn(TCanvas& C) {
  C.Pen = {0xFF00FF, 1, TPenStyle::psDot};
  C.Brush = {0x00FFFF, TBrushStyle::bsSolid};
  C.LineTo(C.PenPos().X + 37, C.PenPos().Y + 11);
}

// Call number Call of painting Scene on B, as PaintFixed: on that call's
// ground and settings, after Before; a painting that Throws must raise the
// range error. Returns how often the painting ran.
int CallFixed(TBitmap& B, int Call, TScene Scene, bool Throws, const std::function<void(TCanvas&)>& Before) {
  PaintGround(B, Call);
  SetStart(B.Canvas(), Call);
  Before(B.Canvas());
  Runs = 0;
  if (Throws) {
    EXPECT_THROW(B.Canvas().PaintFixed(Scene), ERangeError);
  } else {
    B.Canvas().PaintFixed(Scene);
  }
  return Runs;
}

int DifferentPixels(const TBitmap& A, const TBitmap& B) {
  int n = 0;
  for (int y = 0; y < Side; ++y)
    for (int x = 0; x < Side; ++x) n += A.Pixel(x, y) != B.Pixel(x, y) ? 1 : 0;
  return n;
}

TEST_F(QtCanvasTest, FixedPaintingsGiveWhatRunningThemGives) {
  struct Row {
    const char* Name;
    TScene Scene;
  };
  const Row rows[] = {
      {"wide ring", WideRing},
      {"dotted and thin chains", DottedAndThin},
      {"shapes and text", ShapesAndText},
      {"pen only, nested", NestedPenOnly},
  };
  for (const Row& r : rows) {
    TBitmap kept(Side, Side), run(Side, Side);
    run.Canvas().KeepFixedPaintings = false;
    for (int call = 0; call < 4; ++call) {
      SCOPED_TRACE(std::string(r.Name) + ", call " + std::to_string(call));
      for (TBitmap* b : {&kept, &run}) {
        PaintGround(*b, call);
        SetStart(b->Canvas(), call);
        b->Canvas().PaintFixed(r.Scene);
      }
      EXPECT_EQ(DifferentPixels(kept, run), 0);
      EXPECT_EQ(SettingsAfter(kept.Canvas()), SettingsAfter(run.Canvas()));
      GoOn(kept.Canvas());
      GoOn(run.Canvas());
      EXPECT_EQ(DifferentPixels(kept, run), 0) << "after going on";
    }
  }
}

TEST_F(QtCanvasTest, KeptPaintingRunsOnlyWhenItsPictureSizeIsNew) {
  TBitmap b(Side, Side);
  TBitmap fresh(Side, Side);
  fresh.Canvas().KeepFixedPaintings = false;
  // Each call on a new ground; counts the runs on b.
  int call = 0;
  auto paintBoth = [&](TScene Scene) {
    ++call;
    PaintGround(b, call);
    PaintGround(fresh, call);
    const int before = Runs;
    b.Canvas().PaintFixed(Scene);
    const int runs = Runs - before;
    fresh.Canvas().PaintFixed(Scene);
    Runs = before + runs;
    EXPECT_EQ(b.Image(), fresh.Image()) << "call " << call;
    return runs;
  };
  const int perTaking = paintBoth(WideRing);  // on the picture and on scratch pictures
  EXPECT_GE(perTaking, 2);
  EXPECT_EQ(paintBoth(WideRing), 0);

  // A new size clips the ring elsewhere: taken anew, also right after a
  // taking for the old size.
  for (const QSize size : {QSize(Side / 2, Side + 7), QSize(Side + 5, Side / 3)}) {
    b.SetSize(size.width(), size.height());
    fresh.SetSize(size.width(), size.height());
    EXPECT_EQ(paintBoth(WideRing), perTaking);
  }
  EXPECT_EQ(paintBoth(WideRing), 0);
  EXPECT_EQ(paintBoth(WideRing), 0);

  // Back to the first size, and other paintings beside it.
  b.SetSize(Side, Side);
  fresh.SetSize(Side, Side);
  EXPECT_EQ(paintBoth(ShapesAndText), perTaking);
  EXPECT_EQ(paintBoth(WideRing), perTaking);
  EXPECT_EQ(paintBoth(DottedAndThin), perTaking);
  EXPECT_EQ(paintBoth(WideRing), 0);
  EXPECT_EQ(paintBoth(ShapesAndText), 0);
}

// Not fixed after all: each of these is run at every call.
void LeavesAClip(TCanvas& C) {
  ++Runs;
  C.SelectClipRegion(TRegion({10, 10, 90, 90}));
  C.Pen = {0x00FFFF, 9, TPenStyle::psSolid};
  C.MoveTo(0, 0);
  C.LineTo(150, 150);
}
void WidensThePen(TCanvas& C) {
  ++Runs;
  C.Pen.Width = C.Pen.Width + 2;  // reads a setting it did not set
  C.Pen.Style = TPenStyle::psSolid;
  C.MoveTo(20, 140);
  C.LineTo(140, 20);
}
void FailsHalfway(TCanvas& C) {
  ++Runs;
  C.Pen = {0x0000FF, 6, TPenStyle::psSolid};
  C.MoveTo(10, 10);
  C.LineTo(150, 60);
  throw ERangeError("halfway");
}

TEST_F(QtCanvasTest, PaintingsThatAreNotFixedAreRunEveryTime) {
  struct Row {
    const char* Name;
    TScene Scene;
    bool Throws;
    std::function<void(TCanvas&)> Before;
  };
  const Row rows[] = {
      {"leaves a clip selected", LeavesAClip, false, [](TCanvas& C) { C.RemoveClipRegion(); }},
      {"changes a setting by its value", WidensThePen, false, [](TCanvas&) {}},
      {"raises an error", FailsHalfway, true, [](TCanvas&) {}},
      {"within a clip", WideRing, false, [](TCanvas& C) { C.SelectClipRegion(TRegion({30, 0, 120, 160})); }},
  };
  for (const Row& r : rows) {
    TBitmap kept(Side, Side), run(Side, Side);
    run.Canvas().KeepFixedPaintings = false;
    for (int call = 0; call < 3; ++call) {
      SCOPED_TRACE(std::string(r.Name) + ", call " + std::to_string(call));
      const int keptRuns = CallFixed(kept, call, r.Scene, r.Throws, r.Before);
      CallFixed(run, call, r.Scene, r.Throws, r.Before);
      EXPECT_EQ(DifferentPixels(kept, run), 0);
      EXPECT_EQ(SettingsAfter(kept.Canvas()), SettingsAfter(run.Canvas()));
      EXPECT_GE(keptRuns, 1);
    }
  }
}

// Taken ahead on a new picture: the picture is left black and the settings
// as they were, and every call after gives what running the painting gives;
// a fixed painting never runs again, one that is not fixed runs at every
// call, one that raises an error raises it at its first call. On a picture
// that was drawn on already, it is taken at its first call instead.
TEST_F(QtCanvasTest, PaintingsTakenAheadOnTheirPictureGiveWhatRunningThemGives) {
  struct Row {
    const char* Name;
    TScene Scene;
    bool Fixed;
    bool Throws;
    std::function<void(TCanvas&)> Before;
  };
  const Row rows[] = {
      {"wide ring", WideRing, true, false, [](TCanvas&) {}},
      {"dotted and thin chains", DottedAndThin, true, false, [](TCanvas&) {}},
      {"shapes and text", ShapesAndText, true, false, [](TCanvas&) {}},
      {"pen only, nested", NestedPenOnly, true, false, [](TCanvas&) {}},
      {"leaves a clip selected", LeavesAClip, false, false, [](TCanvas& C) { C.RemoveClipRegion(); }},
      {"changes a setting by its value", WidensThePen, false, false, [](TCanvas&) {}},
      {"raises an error", FailsHalfway, false, true, [](TCanvas&) {}},
  };
  const TBitmap black(Side, Side);
  for (const Row& r : rows) {
    TBitmap prepared(Side, Side), run(Side, Side), unprepared(Side, Side);
    run.Canvas().KeepFixedPaintings = false;
    for (TBitmap* b : {&prepared, &unprepared}) SetStart(b->Canvas(), 1);
    Runs = 0;
    prepared.Canvas().PrepareFixed(r.Scene);
    EXPECT_GE(Runs, 1) << r.Name;
    EXPECT_EQ(DifferentPixels(prepared, black), 0) << r.Name << ": left black";
    EXPECT_EQ(SettingsAfter(prepared.Canvas()), SettingsAfter(unprepared.Canvas())) << r.Name;
    GoOn(prepared.Canvas());
    GoOn(unprepared.Canvas());
    EXPECT_EQ(DifferentPixels(prepared, unprepared), 0) << r.Name << ": a chain goes on as it would have";
    for (int call = 0; call < 3; ++call) {
      SCOPED_TRACE(std::string(r.Name) + ", call " + std::to_string(call));
      const int preparedRuns = CallFixed(prepared, call, r.Scene, r.Throws, r.Before);
      CallFixed(run, call, r.Scene, r.Throws, r.Before);
      EXPECT_EQ(DifferentPixels(prepared, run), 0);
      EXPECT_EQ(SettingsAfter(prepared.Canvas()), SettingsAfter(run.Canvas()));
      GoOn(prepared.Canvas());
      GoOn(run.Canvas());
      EXPECT_EQ(DifferentPixels(prepared, run), 0) << "after going on";
      if (r.Fixed) {
        EXPECT_EQ(preparedRuns, 0);
      } else {
        EXPECT_GE(preparedRuns, 1);
      }
    }
  }

  // Drawn on in colours, or all white (the second ground's own colour),
  // the pixels the painting leaves alone are not taken as painted.
  const std::pair<const char*, std::function<void(TBitmap&)>> drawings[] = {
      {"colours", [](TBitmap& B) { PaintGround(B, 1); }},
      {"white",
       [](TBitmap& B) {
         B.Canvas().Brush = {clWhite, TBrushStyle::bsSolid};
         B.Canvas().FillRect({0, 0, Side, Side});
       }},
  };
  for (const auto& [name, draw] : drawings) {
    SCOPED_TRACE(std::string("drawn on: ") + name);
    TBitmap drawnOn(Side, Side), run(Side, Side);
    run.Canvas().KeepFixedPaintings = false;
    draw(drawnOn);
    drawnOn.Canvas().PrepareFixed(WideRing);
    EXPECT_EQ(DifferentPixels(drawnOn, black), 0) << "left black";
    for (const int expectedRuns : {2, 0}) {
      for (TBitmap* b : {&drawnOn, &run}) PaintGround(*b, 2);
      Runs = 0;
      drawnOn.Canvas().PaintFixed(WideRing);
      EXPECT_GE(Runs, expectedRuns);
      EXPECT_LE(Runs, expectedRuns == 0 ? 0 : 3);
      run.Canvas().PaintFixed(WideRing);
      EXPECT_EQ(DifferentPixels(drawnOn, run), 0);
    }
  }
}

TEST_F(QtCanvasTest, FixedPaintingsOnOtherDevicesAreRun) {
  // Through the painter alone (a pixmap), and with smoothed text: run, and
  // the same pixels as ever.
  QPixmap pixmap(Side, Side);
  pixmap.fill(Qt::black);
  {
    QPainter painter(&pixmap);
    TQtCanvas canvas(&painter);
    canvas.AntialiasText = false;
    Runs = 0;
    canvas.PaintFixed(WideRing);
    canvas.PaintFixed(WideRing);
    EXPECT_EQ(Runs, 2);
  }
  TBitmap b(Side, Side);
  b.Canvas().AntialiasText = true;
  Runs = 0;
  b.Canvas().PaintFixed(ShapesAndText);
  b.Canvas().PaintFixed(ShapesAndText);
  EXPECT_EQ(Runs, 2);
}

}  // namespace
}  // namespace tv
