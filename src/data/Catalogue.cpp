#include "data/Catalogue.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#include "astro/TrigFunc.h"
#include "data/SharedState.h"
#include "platform/CheckedArray.h"
#include "platform/CheckedInt.h"
#include "platform/Errors.h"

namespace {

// One row of the generated star table, the fields of Star_Type in its order.
struct StarRow {
  std::int32_t HIP;
  const char* SpType;  // one or two characters, kept as written ("A " keeps its blank)
  double RA, DE, pmRA, pmDE, Dist, RV, Mag;
};

// One figure of the generated table: its abbreviation and its number of segments.
struct FigureRow {
  const char* Abbr;
  std::int32_t Count;
};

// One segment of the generated table: both end points, radians and light-years.
struct SegmentRow {
  float RA1, DE1, Dist1, RA2, DE2, Dist2;
};

// StarRows[1..2849]; FigureRows[1..88] and SegmentRows, the segments of all
// figures one after the other in figure order.
#include "data/StarTable.inc"
#include "data/ConstLineTable.inc"

constexpr std::int32_t StarCount = static_cast<std::int32_t>(decltype(Stars)::Count);
constexpr std::int32_t FigureCount = static_cast<std::int32_t>(decltype(ConstLines)::Count);
static_assert(decltype(StarRows)::Count == decltype(Stars)::Count);
static_assert(decltype(FigureRows)::Count == decltype(ConstLines)::Count);

// Sine and cosine of an angle held as a single, each rounded to a single; the
// functions work in extended precision on the exact value of the single.
float SinF(float Angle) { return static_cast<float>(std::sin(static_cast<long double>(Angle))); }
float CosF(float Angle) { return static_cast<float>(std::cos(static_cast<long double>(Angle))); }

}  // namespace

void Init_Stars() {
  for (LoopI = 1; LoopI <= StarCount; ++LoopI) {
    const StarRow& Row = StarRows[LoopI];
    Star_Type& Star = Stars[LoopI];
    Star.HIP = Row.HIP;
    Star.SpType.Assign(std::string_view(Row.SpType));
    Star.RA = Row.RA;
    Star.DE = Row.DE;
    Star.pmRA = Row.pmRA;
    Star.pmDE = Row.pmDE;
    Star.Dist = Row.Dist;
    Star.RV = Row.RV;
    Star.Mag = Row.Mag;
  }
}

void Init_ConstLines() {
  std::int32_t Next = 1;  // next row of SegmentRows
  for (LoopI = 1; LoopI <= FigureCount; ++LoopI) {
    const FigureRow& Figure = FigureRows[LoopI];
    ConstLine_Type& Line = ConstLines[LoopI];
    Line.Abbr = Figure.Abbr;
    Line.Count = Figure.Count;
    for (LoopJ = 1; LoopJ <= Line.Count; ++LoopJ) {
      const SegmentRow& Row = SegmentRows[Next];
      Next = tv::CheckedAdd(Next, 1);
      ConstSeg_Type& Seg = Line.Seg[LoopJ];  // raises ERangeError beyond slot 27
      Seg.RA1 = Row.RA1;
      Seg.DE1 = Row.DE1;
      Seg.Dist1 = Row.Dist1;
      Seg.RA2 = Row.RA2;
      Seg.DE2 = Row.DE2;
      Seg.Dist2 = Row.Dist2;
    }
  }
}

void Calc_ConstLabels() {
  for (LoopI = 1; LoopI <= FigureCount; ++LoopI) {
    pConstLine = &ConstLines[LoopI];
    ConstLine_Type& Line = *pConstLine;
    Line.SumSinRA = 0;
    Line.SumCosRA = 0;
    Line.SumSinDE = 0;
    Line.SumCosDE = 0;
    for (LoopJ = 1; LoopJ <= Line.Count; ++LoopJ) {
      pSegment = &Line.Seg[LoopJ];
      ConstSeg_Type& Seg = *pSegment;
      // The sums add the stored singles, end 1 before end 2.
      Seg.SinRA1 = SinF(Seg.RA1);
      Line.SumSinRA += Seg.SinRA1;
      Seg.CosRA1 = CosF(Seg.RA1);
      Line.SumCosRA += Seg.CosRA1;
      Seg.SinDE1 = SinF(Seg.DE1);
      Line.SumSinDE += Seg.SinDE1;
      Seg.CosDE1 = CosF(Seg.DE1);
      Line.SumCosDE += Seg.CosDE1;
      Seg.SinRA2 = SinF(Seg.RA2);
      Line.SumSinRA += Seg.SinRA2;
      Seg.CosRA2 = CosF(Seg.RA2);
      Line.SumCosRA += Seg.CosRA2;
      Seg.SinDE2 = SinF(Seg.DE2);
      Line.SumSinDE += Seg.SinDE2;
      Seg.CosDE2 = CosF(Seg.DE2);
      Line.SumCosDE += Seg.CosDE2;
    }
    // A figure without segments would divide 0 by 0.
    const std::int32_t n = tv::CheckedMul(2, Line.Count);
    if (n <= 0) throw tv::EInvalidOp("Constellation figure " + Line.Abbr + " has no segments");
    Line.SumSinRA /= n;
    Line.SumCosRA /= n;
    Line.SumSinDE /= n;
    Line.SumCosDE /= n;
    Line.LabelRA = ArcTan2(Line.SumSinRA, Line.SumCosRA);
    Line.LabelDE = ArcTan2(Line.SumSinDE, Line.SumCosDE);
  }
}
