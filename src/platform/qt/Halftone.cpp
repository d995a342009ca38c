#include "platform/qt/Halftone.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define TV_HALFTONE_X86 1
#endif

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
// weights: target cell d spans [d, d+1) * SrcLen / DstLen source cells. All
// taps in one list, target cell after target cell. The weights are the
// rounded running sums of the overlaps told apart, so that each lies within
// one unit of its share, none is negative and they add up to Total exactly,
// however many source cells a target cell covers.
struct TapList {
  std::vector<Tap> All;
  std::vector<std::size_t> Begin;  // cell d's taps: All[Begin[d]] .. All[Begin[d + 1] - 1]
  std::span<const Tap> Of(std::size_t D) const { return {All.data() + Begin[D], Begin[D + 1] - Begin[D]}; }
};

TapList Taps(int SrcLen, int DstLen, int Total) {
  TapList taps;
  taps.Begin.reserve(static_cast<std::size_t>(DstLen) + 1);
  const double scale = static_cast<double>(SrcLen) / DstLen;
  for (int d = 0; d < DstLen; ++d) {
    taps.Begin.push_back(taps.All.size());
    const double a = d * scale;
    const double b = (d + 1) * scale;
    const int first = std::clamp(static_cast<int>(std::floor(a)), 0, SrcLen - 1);
    const int last = std::clamp(static_cast<int>(std::ceil(b)) - 1, first, SrcLen - 1);
    int before = 0;  // the rounded running sum up to cell i
    for (int i = first; i <= last; ++i) {
      const double covered = i == last ? b - a : std::min(b, i + 1.0) - a;
      const int upTo = static_cast<int>(std::lround(covered / (b - a) * Total));
      if (upTo > before) taps.All.push_back({i, upTo - before});
      before = std::max(before, upTo);
    }
    if (taps.All.size() == taps.Begin.back()) taps.All.push_back({first, Total});
  }
  taps.Begin.push_back(taps.All.size());
  return taps;
}

// The taps of every target cell as a run of consecutive source cells from
// Start, padded with zero weights to one width, so that the horizontal pass
// runs a fixed-length inner loop over neighbouring row sums.
struct TapTable {
  std::size_t Width = 1;
  std::vector<int> Start;             // first source cell of each target cell
  std::vector<std::uint16_t> Weight;  // Width per target cell, 0 where none
  // The weights for the vector passes: SSE2 each four times; AVX2, by four
  // taps, the first two four times over in turn, then the other two.
  std::vector<std::uint16_t> Lanes;
};

TapTable Flatten(const TapList& Taps) {
  TapTable table;
  const std::size_t cells = Taps.Begin.size() - 1;
  for (std::size_t d = 0; d < cells; ++d) {
    const auto t = Taps.Of(d);
    table.Width = std::max(table.Width, static_cast<std::size_t>(t.back().Index - t.front().Index + 1));
  }
  table.Start.assign(cells, 0);
  table.Weight.assign(cells * table.Width, 0);
  for (std::size_t d = 0; d < cells; ++d) {
    const auto t = Taps.Of(d);
    table.Start[d] = t.front().Index;
    for (const Tap& tap : t)
      table.Weight[d * table.Width + static_cast<std::size_t>(tap.Index - table.Start[d])] =
          static_cast<std::uint16_t>(tap.Weight);
  }
  return table;
}

constexpr int Shift = WeightBits + RowWeightBits;
constexpr std::uint32_t Half = 1u << (Shift - 1);

// Row sums of one target row: four 16-bit sums per source pixel (the bytes
// of 0xAARRGGBB from low to high), with room behind the last pixel for the
// widest run of taps, which reads zero weights there.
struct RowSums {
  std::vector<std::uint16_t> Sums;
};

// The rows of one target row and their weights (summing to RowWeightOne, so
// that every sum fits 16 bits).
struct RowTaps {
  std::vector<const std::uint8_t*> Rows;
  std::vector<std::uint16_t> Weights;
};

// --- The passes without vectors, the reference of the others -------------------

void SumRowsPlain(const RowTaps& T, std::size_t Begin, std::size_t Bytes, std::uint16_t* Out) {
  for (std::size_t i = Begin; i < Bytes; ++i) {
    std::uint16_t sum = 0;
    for (std::size_t k = 0; k < T.Rows.size(); ++k) sum = static_cast<std::uint16_t>(sum + T.Rows[k][i] * T.Weights[k]);
    Out[i] = sum;
  }
}

QRgb SumPixelPlain(const std::uint16_t* Acc, const TapTable& Kx, std::size_t X) {
  std::uint32_t c0 = 0, c1 = 0, c2 = 0;
  const std::uint16_t* p = Acc + static_cast<std::size_t>(Kx.Start[X]) * 4;
  const std::uint16_t* w = &Kx.Weight[X * Kx.Width];
  for (std::size_t k = 0; k < Kx.Width; ++k, p += 4) {
    c0 += p[0] * std::uint32_t{w[k]};
    c1 += p[1] * std::uint32_t{w[k]};
    c2 += p[2] * std::uint32_t{w[k]};
  }
  return qRgb(static_cast<int>((c2 + Half) >> Shift), static_cast<int>((c1 + Half) >> Shift),
              static_cast<int>((c0 + Half) >> Shift));
}

void SumColumnsPlain(const std::uint16_t* Acc, const TapTable& Kx, std::size_t Begin, std::size_t Width,
                     QRgb* Line) {
  for (std::size_t x = Begin; x < Width; ++x) Line[x] = SumPixelPlain(Acc, Kx, x);
}

#if defined(TV_HALFTONE_X86)
// --- SSE2 (every x86-64) ------------------------------------------------------------

// A source pixel's four row sums times a weight, as exact 32-bit products:
// low and high halves of the 16 x 16-bit products, interleaved.
__attribute__((target("sse2"))) inline __m128i Products(__m128i Sums, __m128i Weights, __m128i& High) {
  const __m128i lo = _mm_mullo_epi16(Sums, Weights);
  const __m128i hi = _mm_mulhi_epu16(Sums, Weights);
  High = _mm_unpackhi_epi16(lo, hi);
  return _mm_unpacklo_epi16(lo, hi);
}

// N rows (1 to 4) with their weights held in registers; more rows one
// after the other.
template <std::size_t N>
__attribute__((target("sse2"))) std::size_t SumRowsSse2N(const RowTaps& T, std::size_t Bytes, std::uint16_t* Out) {
  const __m128i zero = _mm_setzero_si128();
  __m128i w[N];
  const std::uint8_t* r[N];
  for (std::size_t k = 0; k < N; ++k) {
    w[k] = _mm_set1_epi16(static_cast<short>(T.Weights[k]));
    r[k] = T.Rows[k];
  }
  std::size_t i = 0;
  for (; i + 16 <= Bytes; i += 16) {
    __m128i lo = zero, hi = zero;
    for (std::size_t k = 0; k < N; ++k) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(r[k] + i));
      lo = _mm_add_epi16(lo, _mm_mullo_epi16(_mm_unpacklo_epi8(bytes, zero), w[k]));
      hi = _mm_add_epi16(hi, _mm_mullo_epi16(_mm_unpackhi_epi8(bytes, zero), w[k]));
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Out + i), lo);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Out + i + 8), hi);
  }
  return i;
}

__attribute__((target("sse2"))) void SumRowsSse2(const RowTaps& T, std::size_t Bytes, std::uint16_t* Out) {
  std::size_t done = 0;
  switch (T.Rows.size()) {
    case 1: done = SumRowsSse2N<1>(T, Bytes, Out); break;
    case 2: done = SumRowsSse2N<2>(T, Bytes, Out); break;
    case 3: done = SumRowsSse2N<3>(T, Bytes, Out); break;
    case 4: done = SumRowsSse2N<4>(T, Bytes, Out); break;
    default: break;
  }
  SumRowsPlain(T, done, Bytes, Out);
}

// Two neighbouring source pixels per step: their eight row sums times the
// weights (W: each weight four times).
__attribute__((target("sse2"))) inline __m128i SumPixelSse2(const std::uint16_t* Sums, const std::uint16_t* W,
                                                            std::size_t Pairs) {
  __m128i sum = _mm_setzero_si128();
  for (std::size_t p = 0; p < Pairs; ++p, Sums += 8, W += 8) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Sums));
    const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(W));
    __m128i high;
    const __m128i low = Products(a, w, high);
    sum = _mm_add_epi32(sum, _mm_add_epi32(low, high));
  }
  return _mm_srli_epi32(_mm_add_epi32(sum, _mm_set1_epi32(static_cast<int>(Half))), Shift);
}

// Four target pixels packed into one store; alpha opaque. Needs the weights
// padded to an even width.
__attribute__((target("sse2"))) void SumColumnsSse2(const std::uint16_t* Acc, const TapTable& Kx,
                                                    std::size_t Width, QRgb* Line) {
  const std::size_t pairs = Kx.Width / 2, lanes = Kx.Width * 4;
  const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  const int* start = Kx.Start.data();
  const std::uint16_t* w = Kx.Lanes.data();
  std::size_t x = 0;
  for (; x + 4 <= Width; x += 4) {
    const __m128i s0 = SumPixelSse2(Acc + static_cast<std::size_t>(start[x]) * 4, w + x * lanes, pairs);
    const __m128i s1 = SumPixelSse2(Acc + static_cast<std::size_t>(start[x + 1]) * 4, w + (x + 1) * lanes, pairs);
    const __m128i s2 = SumPixelSse2(Acc + static_cast<std::size_t>(start[x + 2]) * 4, w + (x + 2) * lanes, pairs);
    const __m128i s3 = SumPixelSse2(Acc + static_cast<std::size_t>(start[x + 3]) * 4, w + (x + 3) * lanes, pairs);
    const __m128i packed = _mm_packus_epi16(_mm_packs_epi32(s0, s1), _mm_packs_epi32(s2, s3));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Line + x), _mm_or_si128(packed, opaque));
  }
  SumColumnsPlain(Acc, Kx, x, Width, Line);
}

// --- AVX2, where the processor has it -----------------------------------------------

template <std::size_t N>
__attribute__((target("avx2"))) std::size_t SumRowsAvx2N(const RowTaps& T, std::size_t Bytes, std::uint16_t* Out) {
  __m256i w[N];
  const std::uint8_t* r[N];
  for (std::size_t k = 0; k < N; ++k) {
    w[k] = _mm256_set1_epi16(static_cast<short>(T.Weights[k]));
    r[k] = T.Rows[k];
  }
  std::size_t i = 0;
  for (; i + 32 <= Bytes; i += 32) {
    __m256i lo = _mm256_setzero_si256(), hi = _mm256_setzero_si256();
    for (std::size_t k = 0; k < N; ++k) {
      const __m256i first = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(r[k] + i)));
      const __m256i second = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(r[k] + i + 16)));
      lo = _mm256_add_epi16(lo, _mm256_mullo_epi16(first, w[k]));
      hi = _mm256_add_epi16(hi, _mm256_mullo_epi16(second, w[k]));
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(Out + i), lo);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(Out + i + 16), hi);
  }
  return i;
}

__attribute__((target("avx2"))) void SumRowsAvx2(const RowTaps& T, std::size_t Bytes, std::uint16_t* Out) {
  std::size_t done = 0;
  switch (T.Rows.size()) {
    case 1: done = SumRowsAvx2N<1>(T, Bytes, Out); break;
    case 2: done = SumRowsAvx2N<2>(T, Bytes, Out); break;
    case 3: done = SumRowsAvx2N<3>(T, Bytes, Out); break;
    case 4: done = SumRowsAvx2N<4>(T, Bytes, Out); break;
    default: break;
  }
  SumRowsPlain(T, done, Bytes, Out);
}

// The products are formed by pairs: madd multiplies neighbouring signed
// 16-bit lanes and adds each pair into 32 bits. A row sum (up to 255 * 256)
// does not fit a signed lane, so it goes in with its top bit flipped, that is
// less 32768; as the weights of a target pixel add up to WeightOne, the sum
// comes out short by exactly 32768 * WeightOne, which the rounding adds back.
constexpr std::uint32_t PairRounding = Half + (std::uint32_t{32768} << WeightBits);

// Four neighbouring source pixels per step, whose sixteen row sums are
// reordered so that each 128-bit half holds a channel of two pixels side by
// side (pixels 0 and 1 below, 2 and 3 above), times their weights (W: the
// two pixels' weights four times over, in the same order). Each half of the
// result holds the four channel sums of its two pixels.
__attribute__((target("avx2"))) inline __m256i SumPixelAvx2(const std::uint16_t* Sums, const std::uint16_t* W,
                                                            std::size_t Quads) {
  const __m256i flip = _mm256_set1_epi16(static_cast<short>(0x8000));
  const __m256i order =
      _mm256_setr_epi8(0, 1, 8, 9, 2, 3, 10, 11, 4, 5, 12, 13, 6, 7, 14, 15, 0, 1, 8, 9, 2, 3, 10, 11, 4, 5, 12, 13, 6,
                       7, 14, 15);
  __m256i sum = _mm256_setzero_si256();
  for (std::size_t q = 0; q < Quads; ++q, Sums += 16, W += 16) {
    const __m256i a = _mm256_xor_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(Sums)), flip);
    const __m256i w = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(W));
    sum = _mm256_add_epi32(sum, _mm256_madd_epi16(_mm256_shuffle_epi8(a, order), w));
  }
  return sum;
}

// The halves of two target pixels' sums added up: A's channels below, B's above.
__attribute__((target("avx2"))) inline __m256i BothPixels(__m256i A, __m256i B) {
  return _mm256_add_epi32(_mm256_permute2x128_si256(A, B, 0x20), _mm256_permute2x128_si256(A, B, 0x31));
}

// Needs the weights padded to a width divisible by four, in pairs.
__attribute__((target("avx2"))) void SumColumnsAvx2(const std::uint16_t* Acc, const TapTable& Kx,
                                                    std::size_t Width, QRgb* Line) {
  const std::size_t quads = Kx.Width / 4, lanes = Kx.Width * 4;
  const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  const __m256i rounding = _mm256_set1_epi32(static_cast<int>(PairRounding));
  const __m256i gather = _mm256_setr_epi32(0, 4, 1, 5, 0, 0, 0, 0);
  const int* start = Kx.Start.data();
  const std::uint16_t* w = Kx.Lanes.data();
  std::size_t x = 0;
  for (; x + 4 <= Width; x += 4) {
    const __m256i s0 = SumPixelAvx2(Acc + static_cast<std::size_t>(start[x]) * 4, w + x * lanes, quads);
    const __m256i s1 = SumPixelAvx2(Acc + static_cast<std::size_t>(start[x + 1]) * 4, w + (x + 1) * lanes, quads);
    const __m256i s2 = SumPixelAvx2(Acc + static_cast<std::size_t>(start[x + 2]) * 4, w + (x + 2) * lanes, quads);
    const __m256i s3 = SumPixelAvx2(Acc + static_cast<std::size_t>(start[x + 3]) * 4, w + (x + 3) * lanes, quads);
    const __m256i c01 = _mm256_srli_epi32(_mm256_add_epi32(BothPixels(s0, s1), rounding), Shift);
    const __m256i c23 = _mm256_srli_epi32(_mm256_add_epi32(BothPixels(s2, s3), rounding), Shift);
    // Bytes of pixels 0 and 2 in the lower half, 1 and 3 in the upper.
    const __m256i words = _mm256_packs_epi32(c01, c23);
    const __m256i bytes = _mm256_permutevar8x32_epi32(_mm256_packus_epi16(words, words), gather);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Line + x), _mm_or_si128(_mm256_castsi256_si128(bytes), opaque));
  }
  SumColumnsPlain(Acc, Kx, x, Width, Line);
}

bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}
#endif

// The weights padded with zeros to a width divisible by Multiple, and
// repeated for the four sums of a pixel, in pairs when Pairs is set.
TapTable Padded(const TapTable& Kx, std::size_t Multiple, bool Pairs) {
  TapTable padded;
  padded.Width = (Kx.Width + Multiple - 1) / Multiple * Multiple;
  padded.Start = Kx.Start;
  padded.Weight.assign(Kx.Start.size() * padded.Width, 0);
  for (std::size_t d = 0; d < Kx.Start.size(); ++d)
    std::copy_n(&Kx.Weight[d * Kx.Width], Kx.Width, &padded.Weight[d * padded.Width]);
  padded.Lanes.resize(padded.Weight.size() * 4);
  if (!Pairs) {
    for (std::size_t k = 0; k < padded.Weight.size(); ++k) std::fill_n(&padded.Lanes[4 * k], 4, padded.Weight[k]);
    return padded;
  }
  for (std::size_t k = 0; k + 1 < padded.Weight.size(); k += 2) {
    for (std::size_t c = 0; c < 4; ++c) {
      padded.Lanes[4 * k + 2 * c] = padded.Weight[k];
      padded.Lanes[4 * k + 2 * c + 1] = padded.Weight[k + 1];
    }
  }
  return padded;
}

}  // namespace

QImage HalftoneScaled(const QImage& Source, QSize Size, THalftonePath Path) {
  QImage out(std::max(Size.width(), 0), std::max(Size.height(), 0), QImage::Format_RGB32);
  if (!out.isNull())
    HalftoneScaledInto(Source, reinterpret_cast<QRgb*>(out.bits()), out.bytesPerLine() / 4, Size, Path);
  return out;
}

void HalftoneScaledInto(const QImage& Source, QRgb* Target, std::ptrdiff_t Stride, QSize Size, THalftonePath Path) {
  // Read where it lies (a copy of a picture that a painter is open on would
  // copy all its pixels).
  QImage converted;
  if (Source.format() != QImage::Format_RGB32) converted = Source.convertToFormat(QImage::Format_RGB32);
  const QImage& src = Source.format() == QImage::Format_RGB32 ? Source : converted;
  const int sw = src.width(), sh = src.height();
  const int dw = Size.width(), dh = Size.height();
  if (dw <= 0 || dh <= 0) return;
  if (sw <= 0 || sh <= 0) {
    for (int y = 0; y < dh; ++y) std::fill_n(Target + y * Stride, dw, QRgb{0xFF000000u});
    return;
  }
  const auto ty = Taps(sh, dh, RowWeightOne);
  enum class TPath { Plain, Sse2, Avx2 } path = TPath::Plain;
#if defined(TV_HALFTONE_X86)
  if (Path == THalftonePath::Sse2 || (Path != THalftonePath::Plain && !HasAvx2())) {
    path = TPath::Sse2;
  } else if (Path != THalftonePath::Plain) {
    path = TPath::Avx2;
  }
#endif
  const TapTable kx = Padded(Flatten(Taps(sw, dw, WeightOne)), path == TPath::Avx2 ? 4 : path == TPath::Sse2 ? 2 : 1,
                             path == TPath::Avx2);

  // Vertical pass first, one target row at a time: the weighted sum of the
  // source rows it covers, all four bytes of every pixel. The row weights sum
  // to RowWeightOne, so a sum is at most 255 * 256 and fits 16 bits. Then the
  // horizontal pass on that sum, whose weights sum to WeightOne: at most
  // 255 * 2^20 in 32 bits. Both passes are exact integer arithmetic, the
  // same on every path.
  const std::size_t rowBytes = static_cast<std::size_t>(sw) * 4;
  std::vector<std::uint16_t> acc(rowBytes + kx.Width * 4, 0);  // zeros behind: read with zero weights
  RowTaps rows;
  for (int y = 0; y < dh; ++y) {
    rows.Rows.clear();
    rows.Weights.clear();
    for (const Tap& t : ty.Of(static_cast<std::size_t>(y))) {
      rows.Rows.push_back(src.constScanLine(t.Index));
      rows.Weights.push_back(static_cast<std::uint16_t>(t.Weight));
    }
    QRgb* line = Target + y * Stride;
    const std::size_t width = static_cast<std::size_t>(dw);
    switch (path) {
#if defined(TV_HALFTONE_X86)
      case TPath::Avx2:
        SumRowsAvx2(rows, rowBytes, acc.data());
        SumColumnsAvx2(acc.data(), kx, width, line);
        break;
      case TPath::Sse2:
        SumRowsSse2(rows, rowBytes, acc.data());
        SumColumnsSse2(acc.data(), kx, width, line);
        break;
#endif
      default:
        SumRowsPlain(rows, 0, rowBytes, acc.data());
        SumColumnsPlain(acc.data(), kx, 0, width, line);
        break;
    }
  }
}

}  // namespace tv
