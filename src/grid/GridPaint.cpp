// The paint pass over the client area, the data cells with their owner-draw
// event, the merged cells, the selection frame with its fill handle, the
// empty area, and the immediate repaint of one changed cell.
//
// The pass paints, in this order: the data cells column by column (each
// column top to bottom) under the cells' clip less the selection's frame
// ring, the merged cells, the empty area (client less the ring), the
// selection (cells' clip with the ring), then without a clip the gutter, the
// header and the footer. Only the rows and columns whose cells can meet the
// cell area are visited: their order, and so the order of the OnDrawCell
// calls, is that of a walk over all cells.
#include <algorithm>

#include "grid/TextGrid.h"
#include "platform/CheckedInt.h"
#include "platform/Errors.h"

using tv::CheckedAdd;
using tv::CheckedMul;
using tv::CheckedSub;

namespace {
// Gives the canvas back the clip region in force when it began (none, at the
// start of a pass) when it ends, also when a drawing handler raises an error
// in the middle; with KeepTools also its pen, brush and font.
class TCanvasScope {
 public:
  TCanvasScope(tv::TCanvas& Canvas, bool KeepTools)
      : Canvas_(Canvas), HadClip_(Canvas.GetClipRegion(Clip_)), KeepTools_(KeepTools) {
    if (KeepTools) {
      Pen_ = Canvas.Pen;
      Brush_ = Canvas.Brush;
      Font_ = Canvas.Font;
    }
  }
  ~TCanvasScope() {
    if (HadClip_) {
      Canvas_.SelectClipRegion(Clip_);
    } else {
      Canvas_.RemoveClipRegion();
    }
    if (KeepTools_) {
      Canvas_.Pen = Pen_;
      Canvas_.Brush = Brush_;
      Canvas_.Font = Font_;
    }
  }
  TCanvasScope(const TCanvasScope&) = delete;
  TCanvasScope& operator=(const TCanvasScope&) = delete;

  // R within the clip that was in force when the scope began.
  tv::TRegion Within(const tv::TRect& R) const {
    return HadClip_ ? tv::TRegion::Combine(tv::TRegion(R), Clip_, tv::TRegionMode::rgnAnd) : tv::TRegion(R);
  }

 private:
  tv::TCanvas& Canvas_;
  tv::TRegion Clip_;
  bool HadClip_;
  bool KeepTools_;
  tv::TPen Pen_;
  tv::TBrush Brush_;
  tv::TFont Font_;
};

// Sets a flag for its own lifetime and gives back the value it found.
class TFlagScope {
 public:
  explicit TFlagScope(bool& Flag) : Flag_(Flag), Old_(Flag) { Flag = true; }
  ~TFlagScope() { Flag_ = Old_; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& Flag_;
  bool Old_;
};

tv::TRect Grown(const tv::TRect& R, std::int32_t D) {
  return {CheckedSub(R.Left, D), CheckedSub(R.Top, D), CheckedAdd(R.Right, D), CheckedAdd(R.Bottom, D)};
}

// The text rectangle of a cell: its rectangle less 4 pixels left and right
// and 2 pixels top and bottom.
tv::TRect TextRectOf(const tv::TRect& R) {
  return {CheckedAdd(R.Left, 4), CheckedAdd(R.Top, 2), CheckedSub(R.Right, 4), CheckedSub(R.Bottom, 2)};
}

// The fill handle's 6 x 6 square from (X, Y).
tv::TRect Square(std::int64_t X, std::int64_t Y) {
  const auto at = [](std::int64_t V) {
    if (V < INT32_MIN || V > INT32_MAX - 6) throw tv::EIntOverflow();
    return static_cast<std::int32_t>(V);
  };
  return {at(X), at(Y), at(X) + 6, at(Y) + 6};
}

// Floor division by a positive divisor.
std::int64_t FloorDiv(std::int64_t A, std::int64_t B) { return A >= 0 ? A / B : -((-A + B - 1) / B); }
}  // namespace

tv::TRect TTextGrid::CellsClipRect() const {
  const tv::TRect client = Host_.ClientRect();
  return {GutterExtent_, HeaderExtent_, client.Right, ShowFooter_ ? FooterTop_ : client.Bottom};
}

void TTextGrid::RowsMeeting(std::int32_t Top, std::int32_t Bottom, std::int32_t& First, std::int32_t& Last) const {
  // Row r covers client rows r*H - 1 + dy .. (r+1)*H + dy - 1.
  const std::int64_t dy = DY();
  const std::int64_t first = FloorDiv(std::int64_t{Top} - dy, DefRowHeight_);
  const std::int64_t last = FloorDiv(std::int64_t{Bottom} - dy, DefRowHeight_);
  First = static_cast<std::int32_t>(std::max<std::int64_t>(first, 0));
  Last = static_cast<std::int32_t>(std::min<std::int64_t>(last, std::int64_t{RowCount_} - 1));
}

void TTextGrid::Paint() {
  if (PaintLocked_ || !Host_.HandleAllocated()) return;
  const TFlagScope painting(Painting_);
  tv::TCanvas& c = Canvas();
  const tv::TRect client = Host_.ClientRect();
  if (ColCount() == 0) {
    c.Brush.Style = tv::TBrushStyle::bsSolid;
    c.Brush.Color = Color_;
    c.FillRect(client);
    return;
  }
  if (RowCount_ > 0) {
    tv::TRect area;
    const bool framed = CurCol_ != -1 && CurRow_ != -1 && BlockInGrid(SelArea_, area);
    const tv::TRect sel = framed ? BlockRect(area) : tv::TRect{};
    const tv::TRegion ring = tv::TRegion::Combine(tv::TRegion(Grown(sel, 1)), tv::TRegion(Grown(sel, -2)),
                                                  tv::TRegionMode::rgnXor);
    const tv::TRect cells = CellsClipRect();
    const auto lessRing = [&](const tv::TRect& R) {
      return Enabled_ && framed ? tv::TRegion::Combine(tv::TRegion(R), ring, tv::TRegionMode::rgnDiff)
                                : tv::TRegion(R);
    };
    const TCanvasScope clip(c, false);
    c.SelectClipRegion(lessRing(cells));

    const std::int32_t dx = DX();
    std::int32_t left = 0;  // ColumnLeft(col)
    for (std::int32_t col = 0; col < ColCount(); ++col) {
      const TTextColumn& column = Columns_->GetItem(col);
      if (!column.Visible()) continue;
      const std::int32_t right = CheckedAdd(left, column.Width());
      // The column's cells span client x left - 1 + dx .. right + dx - 1;
      // a column that cannot meet the cell area paints no cell.
      const std::int64_t x0 = std::int64_t{left} - 1 + dx, x1 = std::int64_t{right} + dx;
      left = right;
      if (x0 >= x1 || x1 <= CellArea_.Left || x0 >= CellArea_.Right) continue;
      std::int32_t first = 0, last = -1;
      RowsMeeting(CellArea_.Top, CellArea_.Bottom, first, last);
      for (std::int32_t row = first; row <= last && col < ColCount() && row < RowCount_; ++row) {
        if (GetCellTag(col, row) != -2) PaintCell(col, row);
      }
    }
    for (std::size_t i = 0; i < MergedCells_.size(); ++i) PaintMergedCell(static_cast<std::int32_t>(i));

    c.SelectClipRegion(lessRing(client));
    PaintEmptyArea();
    c.SelectClipRegion(tv::TRegion(cells));
    if (Enabled_) PaintSelection();
  } else {
    PaintEmptyArea();
  }
  PaintGutter();
  PaintHeader();
  if (ShowFooter_) PaintFooter();
}

void TTextGrid::PaintCell(std::int32_t Col, std::int32_t Row) {
  bool handled = false;
  const tv::TRect rc = ToClientRect(CellBounds(Col, Row));
  tv::TRect common;
  if (!tv::IntersectRect(common, rc, CellArea_)) return;
  tv::TCanvas& c = Canvas();
  c.Font = Columns_->GetItem(Col).Font();
  if (!Enabled_) c.Font.Color = GridColor_;
  c.Pen.Color = GridColor_;
  c.Brush.Color = CellColor(Col, Row);
  if (OnDrawCell) OnDrawCell(*this, c, Col, Row, rc, handled);
  if (handled) return;
  const TTextColumn& column = Columns_->GetItem(Col);
  c.Brush.Style = tv::TBrushStyle::bsSolid;
  if (ShowGrid_) {
    c.Rectangle(rc);
  } else {
    c.FillRect(rc);
  }
  c.Brush.Style = tv::TBrushStyle::bsClear;
  std::unique_ptr<tv::TTextMeasure>* measure = nullptr;
  const std::string& text = StoredCellText(Col, Row, measure);
  DrawTextAligned(c, text, TextRectOf(rc), column.HorzAlign(), column.VertAlign(), false, measure);
}

// Unlike the pass, this draws at once on the control's canvas and shows the
// result. The handler draws unclipped; the grid's own fill and text are
// clipped to the cell area, so that a cell partly under the header or the
// footer (after a wheel step between rows) cannot paint over them.
// A cell written by a drawing handler inside a pass is repainted within the
// pass's clip as well, and the pass then goes on with its clip, pen, brush
// and font as they were; outside a pass the canvas keeps what the repaint
// left (the in-place editor measures its height with that font).
tv::TPoint TTextGrid::RepaintCellText(std::int32_t Col, std::int32_t Row, bool ShowEnd) {
  tv::TPoint caret{-1, -1};
  bool handled = false;
  const tv::TRect rc = ToClientRect(CellBounds(Col, Row));
  tv::TRect common;
  if (!tv::IntersectRect(common, rc, CellArea_)) return caret;
  tv::TCanvas& c = Canvas();
  const TCanvasScope scope(c, Painting_);
  c.Brush.Color = CellColor(Col, Row);
  c.Font = Columns_->GetItem(Col).Font();
  if (OnDrawCell) OnDrawCell(*this, c, Col, Row, rc, handled);
  if (!handled) {
    const TTextColumn& column = Columns_->GetItem(Col);
    const tv::TRect text = TextRectOf(rc);
    c.SelectClipRegion(scope.Within(CellArea_));
    c.Brush.Style = tv::TBrushStyle::bsSolid;
    c.FillRect(text);
    c.Brush.Style = tv::TBrushStyle::bsClear;
    std::unique_ptr<tv::TTextMeasure>* measure = nullptr;
    const std::string& cell = StoredCellText(Col, Row, measure);
    caret = DrawTextAligned(c, cell, text, column.HorzAlign(), column.VertAlign(), ShowEnd, measure);
  }
  Host_.FlushRect(Host_.ClientRect());
  return caret;
}

void TTextGrid::PaintMergedCell(std::int32_t Index) {
  tv::TRect span;
  const TMergedCell& m = MergedCellInGrid(Index, span);
  if (span.Left > span.Right || span.Top > span.Bottom) return;
  const std::int32_t h = DefRowHeight_;
  const tv::TRect block{CheckedSub(ColumnLeft(span.Left), 1), CheckedSub(CheckedMul(span.Top, h), 1),
                        ColumnLeft(span.Right + 1), CheckedMul(CheckedAdd(span.Bottom, 1), h)};
  const tv::TRect rc = ToClientRect(block);
  tv::TRect common;
  if (!tv::IntersectRect(common, rc, CellArea_)) return;
  tv::TCanvas& c = Canvas();
  c.Font = m.Font;
  if (!Enabled_) c.Font.Color = GridColor_;
  c.Pen.Color = GridColor_;
  c.Brush.Style = tv::TBrushStyle::bsSolid;
  c.Brush.Color = m.Color;
  if (ShowGrid_) {
    c.Rectangle(rc);
  } else {
    c.FillRect(rc);
  }
  c.Brush.Style = tv::TBrushStyle::bsClear;
  DrawTextAligned(c, m.Text, TextRectOf(rc), m.HorzAlign, m.VertAlign, false);
}

// Only the part of a block inside the grid is framed, so that no block can
// make the pass fail on a column or row that is gone.
void TTextGrid::PaintSelection() {
  tv::TRect area;
  if (CurCol_ == -1 || CurRow_ == -1 || !BlockInGrid(SelArea_, area)) return;
  tv::TCanvas& c = Canvas();
  const tv::TRect sel = BlockRect(area);
  const bool focused = Host_.Focused();
  c.Pen.Color = focused ? tv::clBlack : GridColor_;
  c.Pen.Width = 3;
  c.Brush.Style = tv::TBrushStyle::bsClear;
  c.Rectangle(sel);
  c.Pen.Width = 1;
  c.Brush.Style = tv::TBrushStyle::bsSolid;

  c.Brush.Color = focused ? tv::clBlack : GridColor_;
  c.Pen.Color = tv::clWhite;
  switch (HandleCorner_) {
    case 0: FillHandleRect_ = Square(std::int64_t{sel.Right} - 3, std::int64_t{sel.Bottom} - 3); break;
    case 1: FillHandleRect_ = Square(std::int64_t{sel.Right} - 3, std::int64_t{sel.Top} + 2); break;
    case 2: FillHandleRect_ = Square(std::int64_t{sel.Left} + 2, std::int64_t{sel.Bottom} - 3); break;
    default: break;
  }
  c.Rectangle(FillHandleRect_);
  HandleCorner_ = 0;

  tv::TRect source;
  if (FillSource_.Left == -1 || !BlockInGrid(FillSource_, source)) return;
  c.Pen.Color = tv::clBlack;
  c.Pen.Width = 1;
  c.Pen.Style = tv::TPenStyle::psDot;
  c.Brush.Style = tv::TBrushStyle::bsClear;
  c.Rectangle(BlockRect(source));
  c.Pen.Style = tv::TPenStyle::psSolid;
  c.Pen.Width = 1;
}

void TTextGrid::PaintEmptyArea() {
  tv::TCanvas& c = Canvas();
  const tv::TRect client = Host_.ClientRect();
  c.Brush.Style = tv::TBrushStyle::bsSolid;
  c.Brush.Color = Color_;
  if (client.Right > UsedWidth_) c.FillRect({UsedWidth_, 0, client.Right, client.Bottom});
  if (ShowFooter_) return;
  if (client.Bottom > UsedHeight_) c.FillRect({0, UsedHeight_, client.Right, client.Bottom});
  if (CheckedSub(ScrollYMax_, ScrollY_) < DefRowHeight_) {
    const std::int32_t y =
        CheckedAdd(HeaderExtent_, CheckedMul(CheckedSub(client.Bottom, HeaderExtent_) / DefRowHeight_, DefRowHeight_));
    c.FillRect({0, y, client.Right, client.Bottom});
  }
}
