// Fixed paintings of the Qt canvas: taken once, on scratch pictures or ahead
// on the picture itself, then written straight into the picture (see
// TQtCanvas::PaintFixed and PrepareFixed).
#include "platform/qt/QtCanvas.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace tv {

namespace {

// Calls Each(Bit, Field...) with the same field of every Settings, for each
// setting that a painting may change; Bit numbers it (below 32). A setting
// left out here is caught when a painting is taken: the settings it leaves
// would not come out as painted, and the painting would not be kept.
template <typename TEach, typename... TSettings>
void ForEachSetting(TEach&& Each, TSettings&... Settings) {
  Each(0, Settings.Pen.Color...);
  Each(1, Settings.Pen.Width...);
  Each(2, Settings.Pen.Style...);
  Each(3, Settings.Brush.Color...);
  Each(4, Settings.Brush.Style...);
  Each(5, Settings.Font.Name...);
  Each(6, Settings.Font.Height...);
  Each(7, Settings.Font.Color...);
  Each(8, Settings.Font.Bold...);
  Each(9, Settings.Font.Italic...);
  Each(10, Settings.Font.Underline...);
  Each(11, Settings.Font.Pitch...);
  Each(12, Settings.Font.Charset...);
  Each(13, Settings.Font.Escapement...);
  Each(14, Settings.PenPos.X...);
  Each(15, Settings.PenPos.Y...);
  Each(16, Settings.StretchMode...);
  Each(17, Settings.DotPhase...);
  Each(18, Settings.InChain...);
}

// A value unlike V.
TColor Unlike(TColor V) { return V ^ 0x00FFFFFFu; }
std::int32_t Unlike(std::int32_t V) { return V == 97 ? 89 : 97; }
std::int64_t Unlike(std::int64_t V) { return (V + 3) % 6; }
std::uint8_t Unlike(std::uint8_t V) { return static_cast<std::uint8_t>(V + 1); }
bool Unlike(bool V) { return !V; }
std::string Unlike(const std::string& V) { return V == "Arial" ? "Courier New" : "Arial"; }
TPenStyle Unlike(TPenStyle V) { return V == TPenStyle::psSolid ? TPenStyle::psDot : TPenStyle::psSolid; }
TBrushStyle Unlike(TBrushStyle V) { return V == TBrushStyle::bsSolid ? TBrushStyle::bsClear : TBrushStyle::bsSolid; }
TFontPitch Unlike(TFontPitch V) { return V == TFontPitch::fpFixed ? TFontPitch::fpVariable : TFontPitch::fpFixed; }
TStretchMode Unlike(TStretchMode V) {
  return V == TStretchMode::smHalftone ? TStretchMode::smColorOnColor : TStretchMode::smHalftone;
}

// Every colour channel of a scratch picture's ground is the picture's one
// turned over, so that no pixel of the two grounds is alike.
constexpr QRgb TurnOver = 0x00FFFFFFu;

// The pixels painted on Picture and Scratch, the one's ground the other's
// turned over, as runs of one colour: a pixel is painted when it came out the
// same on both, left alone when it is still turned over. False when a pixel
// came out otherwise (a colour mixed with the ground).
bool PaintedRuns(const QImage& Picture, const QImage& Scratch, std::vector<TColorRun>& Runs) {
  const int w = Picture.width();
  for (int y = 0; y < Picture.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(Picture.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(Scratch.constScanLine(y));
    for (int x = 0; x < w;) {
      // Eight pixels left alone at a time.
      QRgb alone = 0;
      if (x + 8 <= w) {
        for (int k = 0; k < 8; ++k) alone |= a[x + k] ^ b[x + k] ^ TurnOver;
        if (alone == 0) {
          x += 8;
          continue;
        }
      }
      if ((a[x] ^ b[x]) == TurnOver) {
        ++x;
        continue;
      }
      const QRgb c = a[x];
      if (b[x] != c) return false;
      int end = x + 1;
      while (end < w && a[end] == c && b[end] == c) ++end;
      Runs.push_back({y, x, end, c});
      x = end;
    }
  }
  return true;
}

// The two grounds of a taking on the picture itself.
constexpr QRgb GroundBlack = 0xFF000000u;
constexpr QRgb GroundWhite = 0xFFFFFFFFu;

// Appends columns X0 .. X1-1 of row Y in colour C to Runs, joined to the run
// before it where they continue it.
void AppendRun(std::vector<TColorRun>& Runs, std::int32_t Y, std::int32_t X0, std::int32_t X1, QRgb C) {
  if (!Runs.empty()) {
    TColorRun& last = Runs.back();
    if (last.Y == Y && last.X1 == X0 && last.Color == C) {
      last.X1 = X1;
      return;
    }
  }
  Runs.push_back({Y, X0, X1, C});
}

// The first column from X on, before End, whose pixel in Row is not Ground;
// End when there is none. Eight pixels of ground at a time where it can.
int SkipGround(const QRgb* Row, int X, int End, QRgb Ground) {
  while (X + 8 <= End) {
    QRgb off = 0;
    for (int k = 0; k < 8; ++k) off |= Row[X + k] ^ Ground;
    if (off != 0) break;
    X += 8;
  }
  while (X < End && Row[X] == Ground) ++X;
  return X;
}

// The pixels of Picture (Width x Height, rows Stride pixels apart from Bits)
// that are not Ground, as runs of one colour, row by row.
void RunsOffGround(const QRgb* Bits, std::ptrdiff_t Stride, int Width, int Height, QRgb Ground,
                   std::vector<TColorRun>& Runs) {
  for (int y = 0; y < Height; ++y) {
    const QRgb* row = Bits + static_cast<std::ptrdiff_t>(y) * Stride;
    for (int x = SkipGround(row, 0, Width, Ground); x < Width; x = SkipGround(row, x, Width, Ground)) {
      int end = x + 1;
      while (end < Width && row[end] == row[x]) ++end;
      AppendRun(Runs, y, x, end, row[x]);
      x = end;
    }
  }
}

// The pixels painted on a black ground (OnBlack: the runs off it) and then on
// the second ground (the picture as it is now): white, but under the runs of
// OnBlack their own colours turned over. A pixel is painted when it came out
// the same on both, left alone when each ground is still there. False when a
// pixel came out otherwise: a colour mixed with the ground, or a pixel of the
// first ground that was not black and that the painting left alone.
bool PaintedOnBothGrounds(const QRgb* Bits, std::ptrdiff_t Stride, int Width, int Height,
                          const std::vector<TColorRun>& OnBlack, std::vector<TColorRun>& Runs) {
  std::size_t k = 0;  // the next run of OnBlack
  for (int y = 0; y < Height; ++y) {
    const QRgb* row = Bits + static_cast<std::ptrdiff_t>(y) * Stride;
    for (int x = 0; x < Width;) {
      const bool inRun = k < OnBlack.size() && OnBlack[k].Y == y && OnBlack[k].X0 <= x;
      if (inRun) {
        // Off black after the first painting: painted in this colour, and
        // so again on its turned-over ground, or a pixel that was not black
        // and was left alone, which now shows the turned-over colour.
        const TColorRun& r = OnBlack[k];
        for (int i = x; i < r.X1; ++i)
          if (row[i] != r.Color) return false;
        AppendRun(Runs, y, x, r.X1, r.Color);
        x = r.X1;
        ++k;
        continue;
      }
      // Black on black: left alone when white on white, else painted black.
      const int end = k < OnBlack.size() && OnBlack[k].Y == y ? OnBlack[k].X0 : Width;
      for (x = SkipGround(row, x, end, GroundWhite); x < end; x = SkipGround(row, x, end, GroundWhite)) {
        if (row[x] != GroundBlack) return false;
        int black = x + 1;
        while (black < end && row[black] == GroundBlack) ++black;
        AppendRun(Runs, y, x, black, GroundBlack);
        x = black;
      }
    }
  }
  return k == OnBlack.size();
}

// Sets each setting of Target whose bit is in Sets to its value in After.
template <typename TSettings>
void SetFrom(TSettings& Target, const TSettings& After, std::uint32_t Sets) {
  ForEachSetting(
      [&](int Bit, auto& Field, const auto& Value) {
        if ((Sets >> Bit & 1u) != 0) Field = Value;
      },
      Target, After);
}

}  // namespace

TQtCanvas::TPaintSettings TQtCanvas::Settings() const {
  return {Pen, Brush, Font, PenPos_, StretchMode_, DotPhase_, InChain_};
}

void TQtCanvas::ApplySettings(const TPaintSettings& S) {
  Pen = S.Pen;
  Brush = S.Brush;
  Font = S.Font;
  PenPos_ = S.PenPos;
  StretchMode_ = S.StretchMode;
  DotPhase_ = S.DotPhase;
  InChain_ = S.InChain;
}

bool TQtCanvas::FixedTarget(TPixelTarget& Target) {
  return KeepFixedPaintings && !TakingFixed_ && !AntialiasText && !ClipSelected_ && DirectTarget(Target) &&
         Painter_->compositionMode() == QPainter::CompositionMode_SourceOver &&
         !Painter_->testRenderHint(QPainter::Antialiasing) &&
         static_cast<const QImage*>(Painter_->device())->format() == QImage::Format_RGB32;
}

std::vector<TQtCanvas::TFixedPainting>::iterator TQtCanvas::KnownPainting(void (*Paint)(TCanvas&), QSize Size) {
  return std::find_if(FixedPaintings_.begin(), FixedPaintings_.end(),
                      [&](const TFixedPainting& P) { return P.Paint == Paint && P.Size == Size; });
}

void TQtCanvas::PaintFixed(void (*Paint)(TCanvas&)) {
  TPixelTarget target;
  if (!FixedTarget(target)) {
    Paint(*this);
    return;
  }
  const QImage& picture = *static_cast<const QImage*>(Painter_->device());
  const auto known = KnownPainting(Paint, picture.size());
  if (known == FixedPaintings_.end()) {
    TakeFixedPainting(Paint, picture);
    return;
  }
  FixedScratch_ = QImage();
  if (!known->Kept) {
    Paint(*this);
    return;
  }
  for (const TColorRun& run : known->Runs) target.FillSpan(run.Y, run.X0, run.X1, run.Color);
  TPaintSettings settings = Settings();
  SetFrom(settings, known->After, known->Sets);
  ApplySettings(settings);
}

bool TQtCanvas::PaintOnScratch(void (*Paint)(TCanvas&), QImage& Picture, const TPaintSettings& From,
                               TPaintSettings& End) {
  QPainter painter(&Picture);
  TQtCanvas scratch;
  scratch.AntialiasText = false;
  scratch.KeepFixedPaintings = false;
  scratch.Attach(&painter, &Picture);
  scratch.ApplySettings(From);
  Paint(scratch);
  End = scratch.Settings();
  return !scratch.ClipSelected_;
}

void TQtCanvas::TakeFixedPainting(void (*Paint)(TCanvas&), const QImage& Picture) {
  const QSize size = Picture.size();
  if (FixedScratch_.size() != size) FixedScratch_ = QImage(size, QImage::Format_RGB32);
  if (FixedScratch_.isNull()) {  // no memory for it: try again next time
    Paint(*this);
    return;
  }
  for (int y = 0; y < size.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(Picture.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(FixedScratch_.scanLine(y));
    for (int x = 0; x < size.width(); ++x) to[x] = from[x] ^ TurnOver;
  }
  // The painting on the scratch picture from the canvas's settings, and on a
  // picture of one pixel from settings unlike them in every field. A painting
  // that fails there fails here as it would have anyway.
  const TPaintSettings start = Settings();
  TPaintSettings unlike = start;
  ForEachSetting([](int, const auto& Value, auto& Other) { Other = Unlike(Value); }, start, unlike);
  TPaintSettings ends[2];
  bool noClipLeft = true;
  try {
    QImage dot(1, 1, QImage::Format_RGB32);
    dot.fill(0);
    noClipLeft = PaintOnScratch(Paint, FixedScratch_, start, ends[0]);
    noClipLeft = PaintOnScratch(Paint, dot, unlike, ends[1]) && noClipLeft;
  } catch (...) {
    FixedScratch_ = QImage();
    Paint(*this);
    return;
  }
  // The painting itself.
  TakingFixed_ = true;
  try {
    Paint(*this);
  } catch (...) {
    TakingFixed_ = false;
    throw;
  }
  TakingFixed_ = false;

  TFixedPainting made;
  made.Paint = Paint;
  made.Size = size;
  made.Kept = noClipLeft && !ClipSelected_ && Settings() == ends[0] && PaintedRuns(Picture, FixedScratch_, made.Runs);
  KeepTaken(std::move(made), start, unlike, ends);
}

void TQtCanvas::PrepareFixed(void (*Paint)(TCanvas&)) {
  TPixelTarget target;
  if (!FixedTarget(target)) return;
  const auto* picture = static_cast<const QImage*>(Painter_->device());
  const QSize size = picture->size();
  if (KnownPainting(Paint, size) != FixedPaintings_.end()) return;
  const auto* bits = reinterpret_cast<const QRgb*>(picture->constBits());
  const std::ptrdiff_t stride = picture->bytesPerLine() / static_cast<std::ptrdiff_t>(sizeof(QRgb));
  const auto fill = [&](QRgb Ground) {
    for (int y = 0; y < size.height(); ++y) std::fill_n(target.Row(y), size.width(), Ground);
  };

  // The painting on the picture on its black ground and on a second one, from
  // the canvas's settings, and on a picture of one pixel from settings
  // unlike them in every field. The second ground is white, the black one
  // turned over, except where the first painting left pixels that are not
  // black: there it is their colour turned over, so that a pixel of the
  // picture that was not black and that the painting left alone fails the
  // check of the grounds like a colour mixed with the ground.
  const TPaintSettings start = Settings();
  TPaintSettings unlike = start;
  ForEachSetting([](int, const auto& Value, auto& Other) { Other = Unlike(Value); }, start, unlike);
  TPaintSettings ends[2];
  TFixedPainting made;
  made.Paint = Paint;
  made.Size = size;
  made.Kept = true;
  std::vector<TColorRun> onBlack;
  bool failed = false;
  TakingFixed_ = true;
  try {
    for (const QRgb ground : {GroundBlack, GroundWhite}) {
      if (ground != GroundBlack) {
        fill(ground);
        for (const TColorRun& r : onBlack)
          std::fill(target.Row(r.Y) + r.X0, target.Row(r.Y) + r.X1, r.Color ^ TurnOver);
      }
      ApplySettings(start);
      Paint(*this);
      made.Kept = made.Kept && !ClipSelected_ && (ground == GroundBlack || Settings() == ends[0]);
      ends[0] = Settings();
      if (ClipSelected_) RemoveClipRegion();
      if (ground == GroundBlack)
        RunsOffGround(bits, stride, size.width(), size.height(), GroundBlack, onBlack);
      else
        made.Kept = made.Kept && PaintedOnBothGrounds(bits, stride, size.width(), size.height(), onBlack, made.Runs);
    }
    QImage dot(1, 1, QImage::Format_RGB32);
    dot.fill(0);
    made.Kept = PaintOnScratch(Paint, dot, unlike, ends[1]) && made.Kept;
  } catch (...) {
    failed = true;
  }
  TakingFixed_ = false;
  if (ClipSelected_) RemoveClipRegion();
  fill(GroundBlack);
  ApplySettings(start);
  // A painting that raised an error or failed the checks is left to its
  // first call, which raises the error or finds it not fixed.
  if (!failed && made.Kept) KeepTaken(std::move(made), start, unlike, ends);
}

void TQtCanvas::KeepTaken(TFixedPainting Made, const TPaintSettings& Start, const TPaintSettings& Unlike,
                          const TPaintSettings (&Ends)[2]) {
  // Each setting is either set to one value or passed through.
  ForEachSetting(
      [&](int Bit, const auto& Start0, const auto& Start1, const auto& End0, const auto& End1) {
        if (End0 == End1) {
          Made.Sets |= 1u << Bit;
        } else if (!(End0 == Start0 && End1 == Start1)) {
          Made.Kept = false;
        }
      },
      Start, Unlike, Ends[0], Ends[1]);
  Made.After = Ends[0];
  for (int k = 0; k < 2 && Made.Kept; ++k) {
    TPaintSettings check = k == 0 ? Start : Unlike;
    SetFrom(check, Made.After, Made.Sets);
    Made.Kept = check == Ends[k];
  }
  if (!Made.Kept) Made.Runs.clear();
  Made.Runs.shrink_to_fit();
  // What was taken for another picture size is dropped.
  std::erase_if(FixedPaintings_, [&](const TFixedPainting& P) { return P.Size != Made.Size; });
  if (FixedPaintings_.size() >= MaxFixedPaintings) FixedPaintings_.clear();
  FixedPaintings_.push_back(std::move(Made));
}

}  // namespace tv
