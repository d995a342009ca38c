// Wide round-capped line segments written straight into a picture's rows, for
// the canvas's solid pens of two to four pixels.
#pragma once

#include <QRgb>
#include <cstdint>

#include "platform/qt/PixelTarget.h"

namespace tv {

// Columns First .. Last of one row (inclusive); empty when Last < First.
struct TColumnRun {
  std::int64_t First = 1;
  std::int64_t Last = 0;
  bool IsEmpty() const { return Last < First; }
};

// The pixels of the segment from (Ax, Ay) to (Bx, By) drawn with a solid pen
// Width pixels wide and round caps. A pixel belongs to it when its centre
// lies in the band Width / 2 either side of the segment, whose corners are
// taken to 1/64 pixel as the painter's outline is, or within Width / 2 of
// either end; a centre exactly on a side of the band goes as if sampled a
// hair above and to the left. For widths up to MaxExactWidth this is the
// painter's aliased stroke pixel for pixel but for the odd centre the painter
// finds a fixed-point hair away from the side (about one pixel in 10^5);
// wider pens have flattened caps in the painter that lie inside the circle.
// Coordinates in pixels, within 2^20 of the picture (the canvas clips far
// ends first).
class TWideSegment {
 public:
  static constexpr int MaxExactWidth = 4;

  TWideSegment(double Ax, double Ay, double Bx, double By, int Width);

  // The rows that can hold pixels of the segment, inclusive.
  std::int64_t FirstRow() const { return FirstRow_; }
  std::int64_t LastRow() const { return LastRow_; }
  // The segment's pixels in row Y as up to three disjoint runs, left to
  // right, with gaps between them; returns how many.
  int RowRuns(std::int64_t Y, TColumnRun (&Runs)[3]) const;

 private:
  // A side of the band that is not horizontal, in 1/64 pixel: it meets the
  // sampling line Y (YMin < Y <= YMax) at x = (X0 * D + (Y - Y0) * Dx) / D,
  // D > 0; Left when the band lies to its right.
  struct TEdge {
    std::int64_t YMin, YMax, X0, Y0, Dx, D;
    bool Left;
  };
  double R_;
  double EndX_[2], EndY_[2];
  TEdge Edges_[4];
  int EdgeCount_ = 0;
  std::int64_t FirstRow_, LastRow_;
};

// Paints Segment in Color within Target.
void PaintWideSegment(const TPixelTarget& Target, const TWideSegment& Segment, QRgb Color);

}  // namespace tv
