#include "platform/qt/Halftone.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tv {

namespace {

constexpr int WeightBits = 12;
constexpr int WeightOne = 1 << WeightBits;

struct Tap {
  int Index;
  int Weight;  // the taps of one target pixel sum to WeightOne
};

// For each of DstLen target cells, the source cells it covers and their
// weights: target cell d spans [d, d+1) * SrcLen / DstLen source cells.
std::vector<std::vector<Tap>> Taps(int SrcLen, int DstLen) {
  std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(DstLen));
  const double scale = static_cast<double>(SrcLen) / DstLen;
  for (int d = 0; d < DstLen; ++d) {
    const double a = d * scale;
    const double b = (d + 1) * scale;
    const int first = std::clamp(static_cast<int>(std::floor(a)), 0, SrcLen - 1);
    const int last = std::clamp(static_cast<int>(std::ceil(b)) - 1, first, SrcLen - 1);
    std::vector<Tap>& t = taps[static_cast<std::size_t>(d)];
    int sum = 0;
    std::size_t largest = 0;
    for (int i = first; i <= last; ++i) {
      const double overlap = std::min(b, i + 1.0) - std::max(a, static_cast<double>(i));
      const int w = static_cast<int>(std::lround(overlap / (b - a) * WeightOne));
      if (w <= 0) continue;
      t.push_back({i, w});
      sum += w;
      if (w > t[largest].Weight) largest = t.size() - 1;
    }
    if (t.empty()) t.push_back({first, 0});
    t[largest].Weight += WeightOne - sum;  // rounding remainder to the largest tap
  }
  return taps;
}

}  // namespace

QImage HalftoneScaled(const QImage& Source, QSize Size) {
  const QImage src = Source.format() == QImage::Format_RGB32 ? Source
                                                             : Source.convertToFormat(QImage::Format_RGB32);
  const int sw = src.width(), sh = src.height();
  const int dw = Size.width(), dh = Size.height();
  QImage out(std::max(dw, 0), std::max(dh, 0), QImage::Format_RGB32);
  if (dw <= 0 || dh <= 0) return out;
  if (sw <= 0 || sh <= 0) {
    out.fill(Qt::black);
    return out;
  }
  const auto tx = Taps(sw, dw);
  const auto ty = Taps(sh, dh);

  // Horizontal pass: every source row to dw pixels, channels kept with four
  // extra bits (the weighted sum shifted right by WeightBits - 4).
  std::vector<std::uint16_t> mid(static_cast<std::size_t>(sh) * dw * 3);
  for (int y = 0; y < sh; ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    std::uint16_t* m = &mid[static_cast<std::size_t>(y) * dw * 3];
    for (int x = 0; x < dw; ++x) {
      std::uint32_t r = 0, g = 0, b = 0;
      for (const Tap& t : tx[static_cast<std::size_t>(x)]) {
        const QRgb p = line[t.Index];
        r += static_cast<std::uint32_t>(qRed(p)) * t.Weight;
        g += static_cast<std::uint32_t>(qGreen(p)) * t.Weight;
        b += static_cast<std::uint32_t>(qBlue(p)) * t.Weight;
      }
      m[3 * x] = static_cast<std::uint16_t>(r >> (WeightBits - 4));
      m[3 * x + 1] = static_cast<std::uint16_t>(g >> (WeightBits - 4));
      m[3 * x + 2] = static_cast<std::uint16_t>(b >> (WeightBits - 4));
    }
  }
  // Vertical pass.
  constexpr int shift = WeightBits + 4;
  constexpr std::uint32_t half = 1u << (shift - 1);
  for (int y = 0; y < dh; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < dw; ++x) {
      std::uint32_t r = 0, g = 0, b = 0;
      for (const Tap& t : ty[static_cast<std::size_t>(y)]) {
        const std::uint16_t* m = &mid[(static_cast<std::size_t>(t.Index) * dw + x) * 3];
        r += m[0] * static_cast<std::uint32_t>(t.Weight);
        g += m[1] * static_cast<std::uint32_t>(t.Weight);
        b += m[2] * static_cast<std::uint32_t>(t.Weight);
      }
      line[x] = qRgb(static_cast<int>(std::min<std::uint32_t>((r + half) >> shift, 255)),
                     static_cast<int>(std::min<std::uint32_t>((g + half) >> shift, 255)),
                     static_cast<int>(std::min<std::uint32_t>((b + half) >> shift, 255)));
    }
  }
  return out;
}

}  // namespace tv
