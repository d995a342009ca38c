#include "platform/qt/Halftone.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tv {

namespace {

// Weights of the horizontal pass (12 bits) and of the vertical pass (8 bits,
// so that a row sum of 8-bit channels fits 16 bits and vectorises well).
constexpr int WeightBits = 12;
constexpr int WeightOne = 1 << WeightBits;
constexpr int RowWeightBits = 8;
constexpr int RowWeightOne = 1 << RowWeightBits;

struct Tap {
  int Index;
  int Weight;  // the taps of one target pixel sum to the pass's total weight
};

// For each of DstLen target cells, the source cells it covers and their
// weights: target cell d spans [d, d+1) * SrcLen / DstLen source cells.
std::vector<std::vector<Tap>> Taps(int SrcLen, int DstLen, int Total) {
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
      const int w = static_cast<int>(std::lround(overlap / (b - a) * Total));
      if (w <= 0) continue;
      t.push_back({i, w});
      sum += w;
      if (w > t[largest].Weight) largest = t.size() - 1;
    }
    if (t.empty()) t.push_back({first, 0});
    t[largest].Weight += Total - sum;  // rounding remainder to the largest tap
  }
  return taps;
}

// The taps of every target cell padded with zero weights to one width, so that
// the horizontal pass runs a fixed-length inner loop.
struct TapTable {
  std::size_t Width = 1;
  std::vector<int> Index;
  std::vector<std::uint32_t> Weight;
};

TapTable Flatten(const std::vector<std::vector<Tap>>& Taps) {
  TapTable table;
  for (const auto& t : Taps) table.Width = std::max(table.Width, t.size());
  table.Index.assign(Taps.size() * table.Width, 0);
  table.Weight.assign(Taps.size() * table.Width, 0);
  for (std::size_t d = 0; d < Taps.size(); ++d) {
    for (std::size_t k = 0; k < Taps[d].size(); ++k) {
      table.Index[d * table.Width + k] = Taps[d][k].Index;
      table.Weight[d * table.Width + k] = static_cast<std::uint32_t>(Taps[d][k].Weight);
    }
    for (std::size_t k = Taps[d].size(); k < table.Width; ++k)
      table.Index[d * table.Width + k] = Taps[d].back().Index;
  }
  return table;
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
  const TapTable kx = Flatten(Taps(sw, dw, WeightOne));
  const auto ty = Taps(sh, dh, RowWeightOne);

  // Vertical pass first, one target row at a time: the weighted sum of the
  // source rows it covers, all four bytes of every pixel (a plain loop over
  // bytes that the compiler vectorises). The row weights sum to RowWeightOne,
  // so a sum is at most 255 * 256 and fits 16 bits. Then the horizontal pass on
  // that sum, whose weights sum to WeightOne: at most 255 * 2^20 in 32 bits.
  const std::size_t rowBytes = static_cast<std::size_t>(sw) * 4;
  std::vector<std::uint16_t> acc(rowBytes);
  constexpr int shift = WeightBits + RowWeightBits;
  constexpr std::uint32_t half = 1u << (shift - 1);
  for (int y = 0; y < dh; ++y) {
    std::fill(acc.begin(), acc.end(), std::uint16_t{0});
    for (const Tap& t : ty[static_cast<std::size_t>(y)]) {
      const std::uint8_t* row = src.constScanLine(t.Index);
      const std::uint16_t w = static_cast<std::uint16_t>(t.Weight);
      std::uint16_t* a = acc.data();
      for (std::size_t i = 0; i < rowBytes; ++i) a[i] = static_cast<std::uint16_t>(a[i] + row[i] * w);
    }
    QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < dw; ++x) {
      std::uint32_t c0 = 0, c1 = 0, c2 = 0;  // the bytes of 0xAARRGGBB from low to high
      const std::size_t k0 = static_cast<std::size_t>(x) * kx.Width;
      for (std::size_t k = k0; k < k0 + kx.Width; ++k) {
        const std::uint16_t* p = &acc[static_cast<std::size_t>(kx.Index[k]) * 4];
        const std::uint32_t w = kx.Weight[k];
        c0 += p[0] * w;
        c1 += p[1] * w;
        c2 += p[2] * w;
      }
      line[x] = qRgb(static_cast<int>((c2 + half) >> shift), static_cast<int>((c1 + half) >> shift),
                     static_cast<int>((c0 + half) >> shift));
    }
  }
  return out;
}

}  // namespace tv
