// Direct writes into the pixels of a 32-bit picture that a painter works on,
// for the shapes the canvas rasterises itself (one-pixel lines, small
// ellipses, wide line segments). The canvas hands one out only when the
// painter would paint exactly these colours: no transform, source-over or
// source painting at full opacity, and a clip that is absent or a set of
// rectangles the canvas selected itself.
#pragma once

#include <QRgb>
#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace tv {

// A rectangle of pixels, right and bottom edges outside (columns L .. R-1,
// rows T .. B-1).
struct TPixelBox {
  int L = 0, T = 0, R = 0, B = 0;
  bool IsEmpty() const { return R <= L || B <= T; }
  bool Contains(std::int64_t X, std::int64_t Y) const { return X >= L && X < R && Y >= T && Y < B; }
};

// Columns X0 .. X1-1 of row Y in one colour.
struct TColorRun {
  std::int32_t Y, X0, X1;
  QRgb Color;
  friend bool operator==(const TColorRun&, const TColorRun&) = default;
};

class TPixelTarget {
 public:
  TPixelTarget() = default;
  // Bits: the first pixel of row 0; Stride: pixels from one row to the next.
  // Clip: Count disjoint, non-empty boxes within the picture that painting is
  // limited to (none: nothing is painted); they must outlive the target.
  TPixelTarget(QRgb* Bits, std::ptrdiff_t Stride, const TPixelBox* Clip, std::size_t Count)
      : Bits_(Bits), Stride_(Stride), Clip_(Clip), Count_(Count) {
    if (Count_ == 0) return;
    Bounds_ = Clip_[0];
    for (std::size_t i = 1; i < Count_; ++i) {
      Bounds_.L = std::min(Bounds_.L, Clip_[i].L);
      Bounds_.T = std::min(Bounds_.T, Clip_[i].T);
      Bounds_.R = std::max(Bounds_.R, Clip_[i].R);
      Bounds_.B = std::max(Bounds_.B, Clip_[i].B);
    }
  }

  // The smallest box holding every paintable pixel; empty when none is.
  const TPixelBox& Bounds() const { return Bounds_; }
  // True when every pixel of Bounds() may be painted (one clip box).
  bool IsPlainBox() const { return Count_ == 1; }

  bool Contains(std::int64_t X, std::int64_t Y) const {
    if (!Bounds_.Contains(X, Y)) return false;
    if (Count_ == 1) return true;
    for (std::size_t i = 0; i < Count_; ++i)
      if (Clip_[i].Contains(X, Y)) return true;
    return false;
  }

  // Row Y (inside the picture), for callers that have checked Contains.
  QRgb* Row(int Y) const { return Bits_ + static_cast<std::ptrdiff_t>(Y) * Stride_; }

  // Columns X0 .. X1-1 of row Y, as far as the clip lets through.
  void FillSpan(std::int64_t Y, std::int64_t X0, std::int64_t X1, QRgb C) const {
    if (Y < Bounds_.T || Y >= Bounds_.B || X1 <= X0) return;
    QRgb* row = Row(static_cast<int>(Y));
    for (std::size_t i = 0; i < Count_; ++i) {
      const TPixelBox& c = Clip_[i];
      if (Y < c.T || Y >= c.B) continue;
      const std::int64_t l = std::max<std::int64_t>(X0, c.L);
      const std::int64_t r = std::min<std::int64_t>(X1, c.R);
      if (l < r) std::fill(row + l, row + r, C);
    }
  }

 private:
  QRgb* Bits_ = nullptr;
  std::ptrdiff_t Stride_ = 0;
  const TPixelBox* Clip_ = nullptr;
  std::size_t Count_ = 0;
  TPixelBox Bounds_;
};

}  // namespace tv
