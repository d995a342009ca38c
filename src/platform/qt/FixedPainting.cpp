// Fixed paintings of the Qt canvas: taken once on scratch pictures, then
// written straight into the picture (see TQtCanvas::PaintFixed).
#include "platform/qt/QtCanvas.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <iterator>
#include <string>
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

void TQtCanvas::PaintFixed(void (*Paint)(TCanvas&)) {
  TPixelTarget target;
  if (!KeepFixedPaintings || TakingFixed_ || AntialiasText || ClipSelected_ || !DirectTarget(target) ||
      Painter_->compositionMode() != QPainter::CompositionMode_SourceOver ||
      Painter_->testRenderHint(QPainter::Antialiasing) ||
      static_cast<const QImage*>(Painter_->device())->format() != QImage::Format_RGB32) {
    Paint(*this);
    return;
  }
  const QImage& picture = *static_cast<const QImage*>(Painter_->device());
  const auto known = std::find_if(FixedPaintings_.begin(), FixedPaintings_.end(), [&](const TFixedPainting& P) {
    return P.Paint == Paint && P.Size == picture.size();
  });
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
  bool clipLeft = false;
  try {
    QImage dot(1, 1, QImage::Format_RGB32);
    dot.fill(0);
    for (QImage* scratchPicture : {&FixedScratch_, &dot}) {
      QPainter painter(scratchPicture);
      TQtCanvas scratch;
      scratch.AntialiasText = false;
      scratch.KeepFixedPaintings = false;
      scratch.Attach(&painter, scratchPicture);
      scratch.ApplySettings(scratchPicture == &dot ? unlike : start);
      Paint(scratch);
      ends[scratchPicture == &dot ? 1 : 0] = scratch.Settings();
      clipLeft = clipLeft || scratch.ClipSelected_;
    }
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
  made.Kept = !clipLeft && !ClipSelected_ && Settings() == ends[0] && PaintedRuns(Picture, FixedScratch_, made.Runs);
  // Each setting is either set to one value or passed through.
  ForEachSetting(
      [&](int Bit, const auto& Start0, const auto& Start1, const auto& End0, const auto& End1) {
        if (End0 == End1) {
          made.Sets |= 1u << Bit;
        } else if (!(End0 == Start0 && End1 == Start1)) {
          made.Kept = false;
        }
      },
      start, unlike, ends[0], ends[1]);
  made.After = ends[0];
  for (int k = 0; k < 2 && made.Kept; ++k) {
    TPaintSettings check = k == 0 ? start : unlike;
    SetFrom(check, made.After, made.Sets);
    made.Kept = check == ends[k];
  }
  if (!made.Kept) made.Runs.clear();
  made.Runs.shrink_to_fit();
  // What was taken for another picture size is dropped.
  std::erase_if(FixedPaintings_, [&](const TFixedPainting& P) { return P.Size != size; });
  if (FixedPaintings_.size() >= MaxFixedPaintings) FixedPaintings_.clear();
  FixedPaintings_.push_back(std::move(made));
}

}  // namespace tv
