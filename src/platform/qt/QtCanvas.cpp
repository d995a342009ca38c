#include "platform/qt/QtCanvas.h"

#include <QRegion>
#include <algorithm>
#include <cmath>

#include "platform/Errors.h"
#include "platform/qt/Halftone.h"
#include "platform/qt/WideStroke.h"

namespace tv {

namespace {

QColor ToQColor(TColor C) {
  const TColor rgb = ColorToRGB(C);
  return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

// The opaque 32-bit pixel value of C, as the painter writes it.
QRgb ToQRgb(TColor C) {
  const TColor rgb = ColorToRGB(C);
  return qRgb(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

// Coordinates beyond this distance from the surface are clipped here before
// Qt sees them, so that its fixed-point rasteriser never gets near its limits.
constexpr double SafeRange = 32768.0;

// Clips the segment A-B to Box (Liang-Barsky); false when nothing is left.
bool ClipSegment(QPointF& A, QPointF& B, const QRectF& Box) {
  double t0 = 0, t1 = 1;
  const double dx = B.x() - A.x(), dy = B.y() - A.y();
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {A.x() - Box.left(), Box.right() - A.x(), A.y() - Box.top(), Box.bottom() - A.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  const QPointF a = A;
  A = QPointF(a.x() + t0 * dx, a.y() + t0 * dy);
  B = QPointF(a.x() + t1 * dx, a.y() + t1 * dy);
  return true;
}

}  // namespace

void TQtCanvas::Attach(QPainter* Painter, const QImage* Image) {
  Painter_ = Painter;
  Image_ = Image;
  ClipSelected_ = false;
  ClipBoxes_.clear();
  if (Painter_ == nullptr) return;
  Painter_->setRenderHint(QPainter::Antialiasing, false);
  Painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
  Painter_->setRenderHint(QPainter::TextAntialiasing, AntialiasText);
  Painter_->setClipping(false);
}

QRect TQtCanvas::DeviceRect() const {
  const QPaintDevice* d = Painter_ != nullptr ? Painter_->device() : nullptr;
  return d != nullptr ? QRect(0, 0, d->width(), d->height()) : QRect();
}

bool TQtCanvas::DirectTarget(TPixelTarget& Target) {
  if (Painter_ == nullptr || !Painter_->isActive()) return false;
  QPaintDevice* device = Painter_->device();
  if (device == nullptr || device->devType() != QInternal::Image) return false;
  auto* image = static_cast<QImage*>(device);
  const QImage::Format format = image->format();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
      format != QImage::Format_ARGB32_Premultiplied)
    return false;
  if (Painter_->hasClipping() != ClipSelected_) return false;
  if (Painter_->deviceTransform().type() != QTransform::TxNone) return false;
  const QPainter::CompositionMode mode = Painter_->compositionMode();
  if (mode != QPainter::CompositionMode_SourceOver && mode != QPainter::CompositionMode_Source) return false;
  if (Painter_->opacity() != 1.0) return false;
  // The painter writes into this very buffer (it took it when it began), so
  // the constant view is used: a non-constant one could detach a copy.
  auto* bits = reinterpret_cast<QRgb*>(const_cast<uchar*>(image->constBits()));
  const std::ptrdiff_t stride = image->bytesPerLine() / static_cast<std::ptrdiff_t>(sizeof(QRgb));
  if (ClipSelected_) {
    Target = TPixelTarget(bits, stride, ClipBoxes_.data(), ClipBoxes_.size());
  } else {
    DeviceBox_ = {0, 0, image->width(), image->height()};
    Target = TPixelTarget(bits, stride, &DeviceBox_, 1);
  }
  return true;
}

// --- Fonts ----------------------------------------------------------------------

const QFont& TQtCanvas::QtFont() {
  TFont key = Font;
  key.Escapement = 0;
  key.Color = 0;
  if (FontKey_ && *FontKey_ == key && FontKeyAntialias_ == AntialiasText) return QtFont_;

  // The face name decides as on the platform; the pitch request is not passed
  // on, because the font matcher would trade the named face for a monospaced one.
  QFont f(QString::fromStdString(key.Name));
  f.setBold(key.Bold);
  f.setItalic(key.Italic);
  f.setUnderline(key.Underline);
  f.setStyleStrategy(AntialiasText ? QFont::PreferDefault : QFont::NoAntialias);
  int px = key.Height < 0 ? -key.Height : key.Height > 0 ? key.Height : 16;
  f.setPixelSize(std::max(px, 1));
  if (key.Height > 0) {
    // A positive height is the whole cell: scale the em so that ascent plus
    // descent comes out at that height.
    const int cell = QFontMetrics(f).height();
    if (cell > 0 && cell != key.Height) {
      px = static_cast<int>(std::lround(static_cast<double>(px) * key.Height / cell));
      f.setPixelSize(std::max(px, 1));
    }
  }
  QtFont_ = f;
  Metrics_.emplace(f);
  MetricsF_.emplace(f);
  FontKey_ = key;
  FontKeyAntialias_ = AntialiasText;
  FontKeyText_ = key.Name + '\x1f' + std::to_string(key.Height) + '\x1f' + std::to_string(key.Bold) +
                 std::to_string(key.Italic) + std::to_string(key.Underline) + std::to_string(key.Charset) +
                 std::to_string(static_cast<int>(key.Pitch)) + std::to_string(AntialiasText);
  return QtFont_;
}

const QFontMetrics& TQtCanvas::Metrics() {
  QtFont();
  return *Metrics_;
}

const QFontMetricsF& TQtCanvas::MetricsF() {
  QtFont();
  return *MetricsF_;
}

std::int32_t TQtCanvas::TextWidth(std::string_view Text) {
  QtFont();
  TextKey_.assign(FontKeyText_);
  TextKey_ += '\x1e';
  TextKey_.append(Text);
  if (const auto known = TextWidths_.find(TextKey_); known != TextWidths_.end()) return known->second;
  const QString text = QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
  // Qt's first layout of a text that takes glyphs from a fallback font may
  // take another fallback font than its later layouts, with which it is
  // drawn: the width is a later one's.
  if (!OwnGlyphs(text)) Metrics().horizontalAdvance(text);
  const std::int32_t w = Metrics().horizontalAdvance(text);
  if (TextWidths_.size() >= MaxCachedTexts) TextWidths_.clear();
  TextWidths_.emplace(TextKey_, w);
  return w;
}

std::int32_t TQtCanvas::TextHeight(std::string_view) { return Metrics().height(); }

// --- Lines ------------------------------------------------------------------------

void TQtCanvas::MoveTo(std::int32_t X, std::int32_t Y) {
  PenPos_ = {X, Y};
  InChain_ = false;
}

void TQtCanvas::WideSegment(QPointF A, QPointF B) {
  const QRect dev = DeviceRect();
  const double margin = Pen.Width + 2.0;
  const QRectF box(dev.left() - margin, dev.top() - margin, dev.width() + 2 * margin, dev.height() + 2 * margin);
  const QRectF safe = box.adjusted(-SafeRange, -SafeRange, SafeRange, SafeRange);
  if (!safe.contains(A) || !safe.contains(B)) {
    // Far ends: cut the segment at the margin around the surface; what is cut
    // away (an end with its cap) lies outside the surface anyway.
    if (!ClipSegment(A, B, box)) return;
  }
  TPixelTarget target;
  if (Pen.Width <= TWideSegment::MaxExactWidth && DirectTarget(target)) {
    PaintWideSegment(target, TWideSegment(A.x(), A.y(), B.x(), B.y(), Pen.Width), ToQRgb(Pen.Color));
    return;
  }
  QPen pen(ToQColor(Pen.Color));
  pen.setWidth(Pen.Width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  Painter_->setPen(pen);
  Painter_->drawLine(QLineF(A, B));
}

// One-pixel lines are rasterised here, so that the end point is left out in
// every direction and the dot pattern counts pixels: step i of n along the
// major axis paints (major + i, minor + i * dMinor / n rounded). Only the
// steps whose pixel can lie on the surface (or in the clip) are visited, so
// far ends cost nothing.
void TQtCanvas::ThinSegment(TPoint A, TPoint B) {
  const std::int64_t dx = static_cast<std::int64_t>(B.X) - A.X;
  const std::int64_t dy = static_cast<std::int64_t>(B.Y) - A.Y;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t n = xMajor ? std::llabs(dx) : std::llabs(dy);
  const std::int64_t dMinor = xMajor ? dy : dx;
  const std::int64_t sMajor = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const std::int64_t major0 = xMajor ? A.X : A.Y;
  const std::int64_t minor0 = xMajor ? A.Y : A.X;
  TPixelTarget target;
  const bool direct = DirectTarget(target);
  TPixelBox box = target.Bounds();
  if (!direct) {
    const QRect dev = DeviceRect();
    box = {dev.left(), dev.top(), dev.right() + 1, dev.bottom() + 1};
  }
  const std::int64_t lo = xMajor ? box.L : box.T;
  const std::int64_t hi = (xMajor ? box.R : box.B) - 1;
  const std::int64_t minorLo = xMajor ? box.T : box.L;
  const std::int64_t minorHi = (xMajor ? box.B : box.R) - 1;
  // Steps i with major0 + sMajor * i in [lo, hi].
  std::int64_t first = sMajor > 0 ? lo - major0 : major0 - hi;
  std::int64_t last = sMajor > 0 ? hi - major0 : major0 - lo;
  first = std::max<std::int64_t>(first, 0);
  last = std::min<std::int64_t>(last, n - 1);
  const std::int64_t phase = DotPhase_;
  DotPhase_ = (DotPhase_ + n) % 6;
  if (first > last) return;

  const bool dotted = Pen.Style == TPenStyle::psDot;
  const bool gaps = dotted && Brush.Style == TBrushStyle::bsSolid;
  // The minor offset of step i is floor((2 i |dMinor| + n) / 2n), carried
  // from step to step; only the first one needs the full product, which can
  // pass 64 bits for ends near the 32-bit limits.
  const std::int64_t den = 2 * n;
  const std::int64_t aMinor = std::llabs(dMinor);
  const std::int64_t sMinor = dMinor < 0 ? -1 : 1;
  const unsigned __int128 num0 =
      static_cast<unsigned __int128>(2 * first) * static_cast<std::uint64_t>(aMinor) + static_cast<std::uint64_t>(n);
  std::int64_t q = static_cast<std::int64_t>(num0 / static_cast<std::uint64_t>(den));
  std::int64_t rem = static_cast<std::int64_t>(num0 % static_cast<std::uint64_t>(den));
  const std::int64_t carry = 2 * aMinor;  // at most den, so one carry per step at most

  // Visits the steps from first to last whose pixel lies within the box, as
  // Paint(x, y, on): on for the pen's pixels, off for a dotted pen's gaps,
  // which are visited only when the brush fills them.
  auto forEachPixel = [&](auto&& Paint) {
    for (std::int64_t i = first; i <= last; ++i) {
      const std::int64_t minor = minor0 + sMinor * q;
      rem += carry;
      if (rem >= den) {
        rem -= den;
        ++q;
      }
      if (minor < minorLo || minor > minorHi) continue;
      const bool isOn = !dotted || (phase + i) % 6 < 3;
      if (!isOn && !gaps) continue;
      const std::int64_t major = major0 + sMajor * i;
      Paint(xMajor ? major : minor, xMajor ? minor : major, isOn);
    }
  };

  if (direct) {
    const QRgb on = ToQRgb(Pen.Color);
    const QRgb off = ToQRgb(Brush.Color);
    const bool plain = target.IsPlainBox();
    forEachPixel([&](std::int64_t x, std::int64_t y, bool isOn) {
      if (plain || target.Contains(x, y)) target.Row(static_cast<int>(y))[x] = isOn ? on : off;
    });
    return;
  }

  OnPixels_.clear();
  OffPixels_.clear();
  forEachPixel([&](std::int64_t x, std::int64_t y, bool isOn) {
    (isOn ? OnPixels_ : OffPixels_).emplace_back(static_cast<int>(x), static_cast<int>(y));
  });
  QPen pen(ToQColor(Pen.Color));
  pen.setWidth(1);
  if (!OnPixels_.empty()) {
    Painter_->setPen(pen);
    Painter_->drawPoints(OnPixels_.data(), static_cast<int>(OnPixels_.size()));
  }
  if (!OffPixels_.empty()) {
    pen.setColor(ToQColor(Brush.Color));
    Painter_->setPen(pen);
    Painter_->drawPoints(OffPixels_.data(), static_cast<int>(OffPixels_.size()));
  }
}

void TQtCanvas::LineTo(std::int32_t X, std::int32_t Y) {
  const TPoint from = PenPos_;
  PenPos_ = {X, Y};
  if (!InChain_) DotPhase_ = 0;
  InChain_ = true;
  if (Painter_ == nullptr || Pen.Style == TPenStyle::psClear || from == PenPos_) return;
  if (Pen.Style == TPenStyle::psSolid && Pen.Width > 1) {
    WideSegment(QPointF(from.X, from.Y), QPointF(X, Y));
  } else {
    ThinSegment(from, PenPos_);
  }
}

// --- Shapes -----------------------------------------------------------------------

void TQtCanvas::SetShapeBrush() {
  if (Brush.Style == TBrushStyle::bsSolid) {
    Painter_->setBrush(ToQColor(Brush.Color));
  } else {
    Painter_->setBrush(Qt::NoBrush);
  }
}

void TQtCanvas::Ellipse(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) {
  if (Painter_ == nullptr) return;
  const double l = std::min(X1, X2), r = std::max(X1, X2);
  const double t = std::min(Y1, Y2), b = std::max(Y1, Y2);
  if (r - l < 1 || b - t < 1) return;
  const bool wide = Pen.Style == TPenStyle::psSolid && Pen.Width > 1;
  const double reach = wide ? Pen.Width : 1;
  const QRect dev = DeviceRect();
  if (r + reach < dev.left() || l - reach > dev.right() + 1 || b + reach < dev.top() || t - reach > dev.bottom() + 1) {
    return;  // wholly outside the surface
  }
  if (r - l <= MaxStampSide && b - t <= MaxStampSide &&
      StampEllipse(static_cast<std::int32_t>(l), static_cast<std::int32_t>(t), static_cast<std::int32_t>(r - l),
                   static_cast<std::int32_t>(b - t))) {
    return;
  }
  if (Pen.Style == TPenStyle::psClear) {
    Painter_->setPen(Qt::NoPen);
  } else {
    QPen pen(ToQColor(Pen.Color));
    pen.setWidth(wide ? Pen.Width : 1);
    if (Pen.Style == TPenStyle::psDot) {
      pen.setDashPattern({3.0, 3.0});
      // The gaps take the brush colour unless the brush is clear.
      if (Brush.Style == TBrushStyle::bsSolid) {
        Painter_->setBackgroundMode(Qt::OpaqueMode);
        Painter_->setBackground(ToQColor(Brush.Color));
      } else {
        Painter_->setBackgroundMode(Qt::TransparentMode);
      }
    }
    Painter_->setPen(pen);
  }
  SetShapeBrush();
  // Qt's aliased outline of a w-1 by h-1 rectangle covers w by h pixels.
  Painter_->drawEllipse(QRectF(l, t, r - l - 1, b - t - 1));
  Painter_->setBackgroundMode(Qt::TransparentMode);  // text fills its own cell
}

bool TQtCanvas::StampEllipse(std::int32_t L, std::int32_t T, std::int32_t W, std::int32_t H) {
  const bool pen = Pen.Style == TPenStyle::psSolid && Pen.Width <= 1;
  if (!pen && Pen.Style != TPenStyle::psClear) return false;
  TPixelTarget target;
  if (!DirectTarget(target)) return false;
  const bool brush = Brush.Style == TBrushStyle::bsSolid;
  const std::uint32_t key = static_cast<std::uint32_t>(W) | static_cast<std::uint32_t>(H) << 8 |
                            (pen ? 1u << 16 : 0u) | (brush ? 1u << 17 : 0u);
  auto shape = EllipseShapes_.find(key);
  if (shape == EllipseShapes_.end()) {
    // Paint the shape once through Qt, exactly as the painter path below
    // would, in two telltale colours with a margin round the box.
    constexpr int margin = 2;
    constexpr QRgb background = 0xFF000000u, penMark = 0xFFFF0000u, brushMark = 0xFF00FF00u;
    QImage scratch(W + 2 * margin, H + 2 * margin, QImage::Format_RGB32);
    scratch.fill(background);
    {
      QPainter p(&scratch);
      p.setRenderHint(QPainter::Antialiasing, false);
      if (pen) {
        QPen qpen{QColor(penMark)};
        qpen.setWidth(1);
        p.setPen(qpen);
      } else {
        p.setPen(Qt::NoPen);
      }
      if (brush) {
        p.setBrush(QColor(brushMark));
      } else {
        p.setBrush(Qt::NoBrush);
      }
      p.drawEllipse(QRectF(margin, margin, W - 1, H - 1));
    }
    std::vector<TShapeRun> runs;
    for (int y = 0; y < scratch.height(); ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
      for (int x = 0; x < scratch.width();) {
        const QRgb c = row[x];
        int end = x + 1;
        while (end < scratch.width() && row[end] == c) ++end;
        if (c != background) {
          // Anything on the margin's outer ring means the margin was too
          // small; such a shape stays with the painter.
          if (x == 0 || end == scratch.width() || y == 0 || y == scratch.height() - 1) return false;
          runs.push_back({static_cast<std::int16_t>(y - margin), static_cast<std::int16_t>(x - margin),
                          static_cast<std::int16_t>(end - margin), c == penMark});
        }
        x = end;
      }
    }
    if (EllipseShapes_.size() >= MaxEllipseShapes) EllipseShapes_.clear();
    shape = EllipseShapes_.emplace(key, std::move(runs)).first;
  }
  const QRgb penColor = ToQRgb(Pen.Color);
  const QRgb brushColor = ToQRgb(Brush.Color);
  for (const TShapeRun& run : shape->second) {
    target.FillSpan(static_cast<std::int64_t>(T) + run.Dy, static_cast<std::int64_t>(L) + run.X0,
                    static_cast<std::int64_t>(L) + run.X1, run.Pen ? penColor : brushColor);
  }
  return true;
}

namespace {
// The part of [L, R) x [T, B) (64-bit bounds) within Box, as a QRect.
QRect ClampedRect(std::int64_t L, std::int64_t T, std::int64_t R, std::int64_t B, const QRect& Box) {
  L = std::max<std::int64_t>(L, Box.left());
  T = std::max<std::int64_t>(T, Box.top());
  R = std::min<std::int64_t>(R, static_cast<std::int64_t>(Box.right()) + 1);
  B = std::min<std::int64_t>(B, static_cast<std::int64_t>(Box.bottom()) + 1);
  if (R <= L || B <= T) return {};
  return QRect(static_cast<int>(L), static_cast<int>(T), static_cast<int>(R - L), static_cast<int>(B - T));
}
}  // namespace

void TQtCanvas::Rectangle(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) {
  if (Painter_ == nullptr) return;
  const std::int64_t l = std::min(X1, X2), r = std::max(X1, X2);
  const std::int64_t t = std::min(Y1, Y2), b = std::max(Y1, Y2);
  if (r - l < 1 || b - t < 1) return;
  const QRect dev = DeviceRect().adjusted(-1, -1, 1, 1);
  const bool solidBrush = Brush.Style == TBrushStyle::bsSolid;
  const QColor brush = ToQColor(Brush.Color);

  if (Pen.Style == TPenStyle::psClear) {
    // No outline: the brush fills the box less its right column and bottom row.
    if (solidBrush) Painter_->fillRect(ClampedRect(l, t, r - 1, b - 1, dev), brush);
    return;
  }
  if (solidBrush) Painter_->fillRect(ClampedRect(l + 1, t + 1, r - 1, b - 1, dev), brush);
  if (Pen.Style == TPenStyle::psDot) {
    DotPhase_ = 0;
    const TPoint corners[5] = {{static_cast<std::int32_t>(l), static_cast<std::int32_t>(t)},
                               {static_cast<std::int32_t>(r - 1), static_cast<std::int32_t>(t)},
                               {static_cast<std::int32_t>(r - 1), static_cast<std::int32_t>(b - 1)},
                               {static_cast<std::int32_t>(l), static_cast<std::int32_t>(b - 1)},
                               {static_cast<std::int32_t>(l), static_cast<std::int32_t>(t)}};
    for (int i = 0; i < 4; ++i) {
      if (!(corners[i] == corners[i + 1])) ThinSegment(corners[i], corners[i + 1]);
    }
    InChain_ = false;
    return;
  }
  // Solid outline: a band Width pixels wide centred on the outermost columns
  // and rows of the box, with square corners.
  const std::int64_t w = std::max(Pen.Width, 1);
  const std::int64_t before = (w - 1) / 2;
  const QColor pen = ToQColor(Pen.Color);
  const std::int64_t ol = l - before, ot = t - before, orr = r - 1 - before + w, ob = b - 1 - before + w;
  Painter_->fillRect(ClampedRect(ol, ot, orr, ot + w, dev), pen);          // top
  Painter_->fillRect(ClampedRect(ol, ob - w, orr, ob, dev), pen);          // bottom
  Painter_->fillRect(ClampedRect(ol, ot, ol + w, ob, dev), pen);           // left
  Painter_->fillRect(ClampedRect(orr - w, ot, orr, ob, dev), pen);         // right
}

void TQtCanvas::FillRect(const TRect& R) {
  if (Painter_ == nullptr || Brush.Style == TBrushStyle::bsClear || R.IsEmpty()) return;
  Painter_->fillRect(ClampedRect(R.Left, R.Top, R.Right, R.Bottom, DeviceRect().adjusted(-1, -1, 1, 1)),
                     ToQColor(Brush.Color));
}

// --- Text -------------------------------------------------------------------------

void TQtCanvas::DrawText(std::int32_t X, std::int32_t Y, std::string_view Text, const TRect* Clip) {
  const int w = TextWidth(Text);
  const QFontMetrics& fm = Metrics();
  const int h = fm.height();
  // A text whose turned cell cannot reach the surface is skipped.
  const QRect dev = DeviceRect();
  const double reach = static_cast<double>(w) + h;
  if (X + reach < dev.left() || X - reach > dev.right() || Y + reach < dev.top() || Y - reach > dev.bottom()) return;
  if (Clip == nullptr && Brush.Style == TBrushStyle::bsClear && StampText(X, Y, Text)) return;
  PaintText(X, Y, 0, Text, Clip, w);
}

void TQtCanvas::PaintText(std::int32_t X, std::int32_t Y, double Offset, std::string_view Text, const TRect* Clip,
                          std::int32_t Width) {
  const QFontMetrics& fm = Metrics();
  const int h = fm.height();
  const QRect dev = DeviceRect();
  const QString s = QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));

  Painter_->save();
  Painter_->setRenderHint(QPainter::TextAntialiasing, AntialiasText);
  if (Clip != nullptr) {
    const QRect c = ClampedRect(Clip->Left, Clip->Top, Clip->Right, Clip->Bottom, dev.adjusted(-1, -1, 1, 1));
    if (Painter_->hasClipping()) {
      Painter_->setClipRect(c, Qt::IntersectClip);
    } else {
      Painter_->setClipRect(c);
    }
    if (Brush.Style == TBrushStyle::bsSolid) Painter_->fillRect(c, ToQColor(Brush.Color));
  }
  Painter_->translate(X, Y);
  if (Font.Escapement != 0) Painter_->rotate(-Font.Escapement / 10.0);
  if (Clip == nullptr && Brush.Style == TBrushStyle::bsSolid) {
    Painter_->fillRect(QRect(0, 0, Width, h), ToQColor(Brush.Color));
  }
  Painter_->setFont(QtFont());
  Painter_->setPen(ToQColor(Font.Color));
  Painter_->drawText(QPointF(Offset, fm.ascent()), s);
  Painter_->restore();
}

bool TQtCanvas::StampText(std::int32_t X, std::int32_t Y, std::string_view Text) {
  if (AntialiasText) return false;  // coverage would need the painter's blending
  TPixelTarget target;
  if (!DirectTarget(target)) return false;
  const std::int32_t textWidth = TextWidth(Text);  // also brings QtFont_ up to date
  TextKey_.assign(FontKeyText_);
  TextKey_ += '\x1f';
  TextKey_ += std::to_string(Font.Escapement);
  TextKey_ += '\x1e';
  TextKey_.append(Text);
  auto shape = TextShapes_.find(TextKey_);
  if (shape == TextShapes_.end()) {
    // Paint it once through Qt as the painter path does, in a telltale
    // colour, on a scratch picture holding its turned cell and ink with a
    // margin: the painter places glyphs that it must cut at an edge
    // differently, so every glyph has to lie well inside.
    const QString s = QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
    const QFontMetrics& fm = Metrics();
    QTransform turn;
    if (Font.Escapement != 0) turn.rotate(-Font.Escapement / 10.0);
    const QRectF ink = QRectF(fm.boundingRect(s)).translated(0, fm.ascent());
    const QRectF cell = turn.mapRect(QRectF(0, 0, std::max(textWidth, 0), fm.height()) | ink);
    const int margin = std::max(fm.height() / 4, 4) + 4;
    const int left = static_cast<int>(std::floor(cell.left())) - margin;
    const int top = static_cast<int>(std::floor(cell.top())) - margin;
    const int width = static_cast<int>(std::ceil(cell.right())) + margin - left;
    const int height = static_cast<int>(std::ceil(cell.bottom())) + margin - top;
    if (TextScratch_.width() < width || TextScratch_.height() < height)
      TextScratch_ = QImage(std::max(width, TextScratch_.width()), std::max(height, TextScratch_.height()),
                            QImage::Format_RGB32);
    constexpr QRgb background = 0xFF000000u, mark = 0xFFFF00FFu;
    for (int y = 0; y < height; ++y) {
      auto* row = reinterpret_cast<QRgb*>(TextScratch_.scanLine(y));
      std::fill(row, row + width, background);
    }
    {
      QPainter p(&TextScratch_);
      p.setRenderHint(QPainter::Antialiasing, false);
      p.setRenderHint(QPainter::TextAntialiasing, false);
      p.translate(-left, -top);
      if (Font.Escapement != 0) p.rotate(-Font.Escapement / 10.0);
      p.setFont(QtFont());
      p.setPen(QColor(mark));
      p.drawText(QPoint(0, fm.ascent()), s);
    }
    TTextShape made;
    made.Stampable = true;
    made.Area = {left, top, left + width, top + height};
    for (int y = 0; y < height && made.Stampable; ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(TextScratch_.constScanLine(y));
      const QRgb* const rowEnd = row + width;
      for (const QRgb* p = row; p < rowEnd;) {
        while (p < rowEnd && *p == background) ++p;
        if (p == rowEnd) break;
        const QRgb* end = p;
        while (end < rowEnd && *end == mark) ++end;
        // Another colour (partial coverage) or a pixel on the scratch's edge:
        // this text stays with the painter.
        if (end == p || p == row || end == rowEnd || y == 0 || y == height - 1) {
          made.Stampable = false;
          break;
        }
        made.Runs.push_back({y + top, static_cast<std::int32_t>(p - row) + left,
                             static_cast<std::int32_t>(end - row) + left});
        p = end;
      }
    }
    if (!made.Stampable) made.Runs.clear();
    made.Runs.shrink_to_fit();
    if (TextShapes_.size() >= MaxCachedTexts || TextRuns_ + made.Runs.size() > MaxTextRuns) {
      TextShapes_.clear();
      TextRuns_ = 0;
    }
    TextRuns_ += made.Runs.size();
    shape = TextShapes_.emplace(TextKey_, std::move(made)).first;
  }
  const TTextShape& known = shape->second;
  if (!known.Stampable) return false;
  const QRect dev = DeviceRect();
  if (static_cast<std::int64_t>(X) + known.Area.L < dev.left() ||
      static_cast<std::int64_t>(Y) + known.Area.T < dev.top())
    return false;
  const QRgb color = ToQRgb(Font.Color);
  for (const TTextRun& run : known.Runs) {
    target.FillSpan(static_cast<std::int64_t>(Y) + run.Dy, static_cast<std::int64_t>(X) + run.X0,
                    static_cast<std::int64_t>(X) + run.X1, color);
  }
  return true;
}

void TQtCanvas::TextOut(std::int32_t X, std::int32_t Y, std::string_view Text) {
  if (Painter_ != nullptr && !Text.empty()) DrawText(X, Y, Text, nullptr);
  PenPos_ = {X + TextWidth(Text), Y};
  InChain_ = false;
}

void TQtCanvas::TextRect(const TRect& R, std::int32_t X, std::int32_t Y, std::string_view Text) {
  if (Painter_ == nullptr || R.IsEmpty()) return;
  DrawText(X, Y, Text, &R);
}

// --- Copies and clipping ------------------------------------------------------------

void TQtCanvas::CopyRect(const TRect& Dest, TCanvas& Source, const TRect& Src) {
  const auto* source = dynamic_cast<const TQtCanvas*>(&Source);
  if (source == nullptr || source->Image() == nullptr) {
    throw EInvalidOp("CopyRect: the source canvas has no picture");
  }
  if (Painter_ == nullptr || Dest.IsEmpty() || Src.IsEmpty()) return;
  const QImage& img = *source->Image();
  const QRect srcRect(Src.Left, Src.Top, Src.Width(), Src.Height());
  const QRect destRect(Dest.Left, Dest.Top, Dest.Width(), Dest.Height());

  if (img.isNull()) {  // a source without a picture copies as black
    Painter_->fillRect(destRect, Qt::black);
    return;
  }
  Painter_->save();
  Painter_->setCompositionMode(QPainter::CompositionMode_Source);
  const bool inside = img.rect().contains(srcRect);
  if (destRect.size() == srcRect.size() && inside && source->Image() != Image_) {
    Painter_->drawImage(destRect.topLeft(), img, srcRect);
  } else {
    // A part outside the source picture copies as black (QImage::copy fills
    // it with zeros); a copy within one picture reads before it writes. A
    // whole other picture is read where it lies: copying a QImage that a
    // painter is open on copies all its pixels.
    const bool whole = srcRect == img.rect() && source->Image() != Image_ && img.format() == QImage::Format_RGB32;
    QImage part;
    if (!whole) {
      part = img.copy(srcRect);
      if (part.format() != QImage::Format_RGB32) part = part.convertToFormat(QImage::Format_RGB32);
    }
    const QImage& from = whole ? img : part;
    TPixelTarget target;
    if (destRect.size() != srcRect.size() && StretchMode_ == TStretchMode::smHalftone && !ClipSelected_ &&
        DirectTarget(target) && destRect == Image_->rect() && Image_->format() == QImage::Format_RGB32) {
      // The reduction is written straight into this picture, which it covers.
      auto* bits = reinterpret_cast<QRgb*>(const_cast<uchar*>(Image_->constBits()));
      HalftoneScaledInto(from, bits, Image_->bytesPerLine() / static_cast<std::ptrdiff_t>(sizeof(QRgb)),
                         destRect.size());
    } else if (destRect.size() != srcRect.size()) {
      const QImage scaled = StretchMode_ == TStretchMode::smHalftone
                                ? HalftoneScaled(from, destRect.size())
                                : from.scaled(destRect.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
      Painter_->drawImage(destRect.topLeft(), scaled);
    } else {
      Painter_->drawImage(destRect.topLeft(), from);
    }
  }
  Painter_->restore();
}

void TQtCanvas::SelectClipRegion(const TRegion& Region) {
  if (Painter_ == nullptr) return;
  QRegion q;
  const QRect dev = DeviceRect();
  ClipSelected_ = true;
  ClipBoxes_.clear();
  Clip_ = Region;
  for (const TRect& r : Region.Rects()) {
    const QRect c = ClampedRect(r.Left, r.Top, r.Right, r.Bottom, dev.adjusted(-1, -1, 1, 1));
    if (!c.isEmpty()) q += c;
    const QRect inside = ClampedRect(r.Left, r.Top, r.Right, r.Bottom, dev);
    if (!inside.isEmpty())
      ClipBoxes_.push_back({inside.left(), inside.top(), inside.right() + 1, inside.bottom() + 1});
  }
  if (q.isEmpty()) {
    Painter_->setClipRect(QRect(0, 0, 0, 0));  // an empty region lets nothing through
  } else {
    Painter_->setClipRegion(q);
  }
}

void TQtCanvas::RemoveClipRegion() {
  if (Painter_ == nullptr) return;
  Painter_->setClipping(false);
  ClipSelected_ = false;
  ClipBoxes_.clear();
}

bool TQtCanvas::GetClipRegion(TRegion& Region) const {
  if (ClipSelected_) Region = Clip_;
  return ClipSelected_;
}

}  // namespace tv
