#include "platform/canvas/Canvas.h"

#include <algorithm>
#include <cstdlib>

namespace tv {

TColor ColorToRGB(TColor C) {
  if (!IsSystemColor(C)) return C & 0x00FFFFFFu;
  switch (C & 0xFF) {
    case 5: return clWhite;                      // window
    case 8: return clBlack;                      // window text
    case 15: return RGBColor(240, 240, 240);     // button face
    case 16: return RGBColor(160, 160, 160);     // button shadow
    case 20: return clWhite;                     // button highlight
    default: return clBlack;
  }
}

bool IntersectRect(TRect& R, const TRect& A, const TRect& B) {
  R = {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
       std::min(A.Bottom, B.Bottom)};
  if (R.IsEmpty()) {
    R = {};
    return false;
  }
  return true;
}

TRect InflateRect(const TRect& R, std::int32_t Dx, std::int32_t Dy) {
  const auto held = [](std::int64_t V) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(V, INT32_MIN, INT32_MAX));
  };
  return {held(std::int64_t{R.Left} - Dx), held(std::int64_t{R.Top} - Dy), held(std::int64_t{R.Right} + Dx),
          held(std::int64_t{R.Bottom} + Dy)};
}

namespace {
// a * b / c rounded to the nearest integer, halves away from zero (MulDiv).
std::int32_t MulDivRound(std::int64_t a, std::int64_t b, std::int64_t c) {
  const std::int64_t p = a * b;
  const std::int64_t q = (std::llabs(p) * 2 + std::llabs(c)) / (2 * std::llabs(c));
  return static_cast<std::int32_t>(((p < 0) != (c < 0)) ? -q : q);
}
}  // namespace

void TFont::SetSize(std::int32_t Points) { Height = -MulDivRound(Points, PixelsPerInch, 72); }

std::int32_t TFont::Size() const { return -MulDivRound(Height, 72, PixelsPerInch); }

// --- Regions -----------------------------------------------------------------

TRegion::TRegion(const TRect& R) {
  if (!R.IsEmpty()) Rects_.push_back(R);
}

bool TRegion::Contains(std::int32_t X, std::int32_t Y) const {
  return std::any_of(Rects_.begin(), Rects_.end(), [&](const TRect& R) { return R.Contains(X, Y); });
}

TRect TRegion::Bounds() const {
  if (Rects_.empty()) return {};
  TRect b = Rects_.front();
  for (const TRect& r : Rects_) {
    b.Left = std::min(b.Left, r.Left);
    b.Top = std::min(b.Top, r.Top);
    b.Right = std::max(b.Right, r.Right);
    b.Bottom = std::max(b.Bottom, r.Bottom);
  }
  return b;
}

// The regions of this program hold a handful of rectangles, so the combination
// cuts the plane along every edge of both operands and decides each cell of
// that grid on its own; cells are then merged into runs within each row band
// and equal neighbouring bands into one.
TRegion TRegion::Combine(const TRegion& A, const TRegion& B, TRegionMode Mode) {
  std::vector<std::int32_t> xs, ys;
  for (const TRegion* g : {&A, &B}) {
    for (const TRect& r : g->Rects_) {
      xs.push_back(r.Left);
      xs.push_back(r.Right);
      ys.push_back(r.Top);
      ys.push_back(r.Bottom);
    }
  }
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

  TRegion result;
  std::vector<TRect> previousBand;
  for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
    std::vector<TRect> band;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
      const bool inA = A.Contains(xs[i], ys[j]);
      const bool inB = B.Contains(xs[i], ys[j]);
      bool in = false;
      switch (Mode) {
        case TRegionMode::rgnAnd: in = inA && inB; break;
        case TRegionMode::rgnOr: in = inA || inB; break;
        case TRegionMode::rgnXor: in = inA != inB; break;
        case TRegionMode::rgnDiff: in = inA && !inB; break;
      }
      if (!in) continue;
      if (!band.empty() && band.back().Right == xs[i]) {
        band.back().Right = xs[i + 1];
      } else {
        band.push_back({xs[i], ys[j], xs[i + 1], ys[j + 1]});
      }
    }
    // A band with the same runs as the one right above it extends that one.
    const bool sameRuns =
        !band.empty() && band.size() == previousBand.size() &&
        previousBand.front().Bottom == ys[j] &&
        std::equal(band.begin(), band.end(), previousBand.begin(), [](const TRect& a, const TRect& b) {
          return a.Left == b.Left && a.Right == b.Right;
        });
    if (sameRuns) {
      const std::size_t first = result.Rects_.size() - band.size();
      for (std::size_t k = 0; k < band.size(); ++k) result.Rects_[first + k].Bottom = ys[j + 1];
      for (TRect& r : previousBand) r.Bottom = ys[j + 1];
    } else {
      result.Rects_.insert(result.Rects_.end(), band.begin(), band.end());
      previousBand = band;
    }
  }
  return result;
}

}  // namespace tv
