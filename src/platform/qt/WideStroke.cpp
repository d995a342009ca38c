#include "platform/qt/WideStroke.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tv {

namespace {

// The painter hands outlines to its rasteriser in 1/64 pixel.
std::int64_t To64th(double V) { return static_cast<std::int64_t>(std::llround(V * 64.0)); }

// floor(V) for |V| < 2^62, inline (the library call costs more than the rest
// of a row's arithmetic).
std::int64_t Floor(double V) {
  const auto t = static_cast<std::int64_t>(V);  // toward zero
  return static_cast<double>(t) > V ? t - 1 : t;
}

// floor(N / D) for D > 0 and |N|, D < 2^53: the quotient in double (far
// cheaper than a 64-bit division), set right by one where its rounding
// crossed an integer.
std::int64_t FloorDiv(std::int64_t N, std::int64_t D) {
  std::int64_t k = Floor(static_cast<double>(N) / static_cast<double>(D));
  if (k * D > N) {
    --k;
  } else if ((k + 1) * D <= N) {
    ++k;
  }
  return k;
}

// Columns whose centre x + 0.5 lies in [Lo, Hi], for the caps.
std::int64_t FirstColumn(double Lo) { return Floor(Lo - 0.5) + 1; }
std::int64_t LastColumn(double Hi) { return Floor(Hi - 0.5); }

}  // namespace

TWideSegment::TWideSegment(double Ax, double Ay, double Bx, double By, int Width)
    : R_(Width / 2.0), EndX_{Ax, Bx}, EndY_{Ay, By} {
  const double dx = Bx - Ax, dy = By - Ay;
  const double length = std::hypot(dx, dy);
  double top = std::min(Ay, By) - R_, bottom = std::max(Ay, By) + R_;
  if (length > 0) {
    // The band's corners: both ends moved half the width along the normal.
    const double nx = -dy / length * R_, ny = dx / length * R_;
    const double xs[4] = {Ax + nx, Bx + nx, Bx - nx, Ax - nx};
    const double ys[4] = {Ay + ny, By + ny, By - ny, Ay - ny};
    std::int64_t cx[4], cy[4];
    for (int i = 0; i < 4; ++i) {
      cx[i] = To64th(xs[i]);
      cy[i] = To64th(ys[i]);
      top = std::min(top, cy[i] / 64.0);
      bottom = std::max(bottom, cy[i] / 64.0);
    }
    // With the corners in this order a side running down the picture has
    // the band on its left when the turn is clockwise on screen (positive
    // cross product, y pointing down).
    const bool clockwise = (cx[1] - cx[0]) * (cy[2] - cy[1]) - (cy[1] - cy[0]) * (cx[2] - cx[1]) > 0;
    for (int i = 0; i < 4; ++i) {
      const int j = (i + 1) % 4;
      if (cy[i] == cy[j]) continue;  // horizontal sides never meet a sampling line inside
      const bool down = cy[j] > cy[i];
      TEdge& e = Edges_[EdgeCount_++];
      e.YMin = std::min(cy[i], cy[j]);
      e.YMax = std::max(cy[i], cy[j]);
      e.X0 = cx[i];
      e.Y0 = cy[i];
      e.D = down ? cy[j] - cy[i] : cy[i] - cy[j];
      e.Dx = down ? cx[j] - cx[i] : cx[i] - cx[j];
      e.Left = down != clockwise;
    }
  }
  FirstRow_ = Floor(top - 0.5);
  LastRow_ = Floor(bottom - 0.5) + 1;
}

int TWideSegment::RowRuns(std::int64_t Y, TColumnRun (&Runs)[3]) const {
  TColumnRun parts[3];
  int count = 0;
  // The band, exactly: the row's sampling line Yc (in 1/64 pixel) meets one
  // left and one right side. A centre exactly on a side counts as sampled a
  // hair above and to the left: inside a left side whose x grows downward,
  // inside a right side whose x does not.
  const std::int64_t yc = 64 * Y + 32;
  std::int64_t first = 1, last = 0;
  bool hasLeft = false, hasRight = false;
  for (int i = 0; i < EdgeCount_; ++i) {
    const TEdge& e = Edges_[i];
    if (yc <= e.YMin || yc > e.YMax) continue;
    // Centre 64x + 32 against the side's x = N / D: 64 x D versus M.
    const std::int64_t m = e.X0 * e.D + (yc - e.Y0) * e.Dx - 32 * e.D;
    const std::int64_t q = 64 * e.D;
    const std::int64_t k = FloorDiv(m, q);
    const bool tie = k * q == m;
    if (e.Left) {
      first = tie && e.Dx > 0 ? k : k + 1;
      hasLeft = true;
    } else {
      last = tie ? (e.Dx <= 0 ? k : k - 1) : k;
      hasRight = true;
    }
  }
  if (hasLeft && hasRight && first <= last) parts[count++] = {first, last};
  for (int e = 0; e < 2; ++e) {
    const double d = static_cast<double>(Y) + 0.5 - EndY_[e];
    if (std::fabs(d) > R_) continue;
    const double s = std::sqrt(R_ * R_ - d * d);
    parts[count++] = {FirstColumn(EndX_[e] - s), LastColumn(EndX_[e] + s)};
  }
  for (int k = 1; k < count; ++k)  // at most three parts: insertion by first column
    for (int m = k; m > 0 && parts[m].First < parts[m - 1].First; --m) std::swap(parts[m], parts[m - 1]);
  int n = 0;
  for (int k = 0; k < count; ++k) {
    if (parts[k].IsEmpty()) continue;
    if (n > 0 && parts[k].First <= Runs[n - 1].Last + 1) {
      Runs[n - 1].Last = std::max(Runs[n - 1].Last, parts[k].Last);
    } else {
      Runs[n++] = parts[k];
    }
  }
  return n;
}

void PaintWideSegment(const TPixelTarget& Target, const TWideSegment& Segment, QRgb Color) {
  const TPixelBox& box = Target.Bounds();
  if (box.IsEmpty()) return;
  const std::int64_t firstRow = std::max<std::int64_t>(Segment.FirstRow(), box.T);
  const std::int64_t lastRow = std::min<std::int64_t>(Segment.LastRow(), box.B - 1);
  for (std::int64_t y = firstRow; y <= lastRow; ++y) {
    TColumnRun runs[3];
    const int count = Segment.RowRuns(y, runs);
    for (int k = 0; k < count; ++k) Target.FillSpan(y, runs[k].First, runs[k].Last + 1, Color);
  }
}

}  // namespace tv
