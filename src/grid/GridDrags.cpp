// The two mouse drags that change the grid's data: sizing a column by its
// right border, and the fill handle, which repeats the selected block over
// a larger one when it is dropped.
#include <algorithm>

#include "grid/BulkWrite.h"
#include "grid/TextGrid.h"
#include "platform/CheckedInt.h"

using tv::CheckedSub;

namespace {
// A mod B in 0 .. B - 1 for B > 0.
std::int64_t Remainder(std::int64_t A, std::int64_t B) { return ((A % B) + B) % B; }
}  // namespace

std::vector<std::int32_t> TTextGrid::VisibleColumnsIn(std::int32_t Left, std::int32_t Right) const {
  std::vector<std::int32_t> columns;
  for (std::int32_t c = std::max(Left, 0); c <= std::min(Right, ColCount() - 1); ++c) {
    if (Columns_->GetItem(c).Visible()) columns.push_back(c);
  }
  return columns;
}

// The column's right border follows the pointer, never closer than 5 pixels
// to its left edge. With FitToWidth the next column gives or takes the
// difference, so that the two keep sharing the same pixels (Room): above 10
// of them each keeps at least 5; with 10 or fewer the pointer is not
// followed, but a next column narrower than 5 still gets its 5 pixels from
// the sized one, as far as that leaves the sized one a pixel (with 5 or
// fewer the widths stay as they are). The last column cannot be sized then.
// A SizingCol that no longer names a column (columns removed since the
// hover) sizes nothing. However far the pointer goes, the columns and the
// gutter stay within the 32-bit pixel range.
void TTextGrid::SizingStep(std::int32_t X) {
  if (SizingCol_ < 0 || SizingCol_ >= ColCount()) return;
  TTextColumn& column = Columns_->GetItem(SizingCol_);
  const std::int64_t rest = std::int64_t{VisibleColumnsWidth()} - (column.Visible() ? column.Width() : 0);
  const std::int64_t widest =
      std::clamp<std::int64_t>(std::int64_t{INT32_MAX} - rest - GutterExtent_, MinColumnWidth, INT32_MAX);
  const auto w = static_cast<std::int32_t>(
      std::clamp<std::int64_t>(UnscrolledX(X) - SizingColLeft_, MinColumnWidth, widest));
  if (!FitToWidth_) {
    column.WriteWidth(w);
  } else {
    if (SizingCol_ == ColCount() - 1) return;
    TTextColumn& next = Columns_->GetItem(SizingCol_ + 1);
    const std::int32_t others = CheckedSub(CheckedSub(VisibleColumnsWidth(), column.Width()), next.Width());
    const std::int32_t room = CheckedSub(CheckedSub(Host_.ClientRect().Right, GutterExtent_), others);
    if (room > 2 * MinColumnWidth) {
      const std::int32_t width = std::min(w, room - MinColumnWidth);
      column.WriteWidth(width);
      next.WriteWidth(room - width);
    } else if (next.Width() < MinColumnWidth && room > MinColumnWidth) {
      column.WriteWidth(room - MinColumnWidth);
      next.WriteWidth(MinColumnWidth);
    }
  }
  UpdateLayout();
  InvalidateRightOf(GutterExtent_);
}

// The source is the selection of the press and holds the current cell; a key
// that moved the current cell out of it during the drag changed the
// selection under the drag, which is then given up.
bool TTextGrid::FillSourceHoldsCurrentCell() const {
  const tv::TRect& s = FillSource_;
  return s.Left <= CurCol_ && CurCol_ <= s.Right && s.Top <= CurRow_ && CurRow_ <= s.Bottom;
}

// The target is the smallest block holding the source and the cell under the
// pointer. A move with the left button that comes without a press of the
// fill handle (no source) does nothing.
void TTextGrid::FillStep(std::int32_t X, std::int32_t Y) {
  if (FillSource_.Left == -1) return;
  if (!FillSourceHoldsCurrentCell()) {
    CancelFillDrag();
    return;
  }
  const tv::TPoint cell = CellAtPoint(X, Y);
  MarkCol_ = cell.X;
  MarkRow_ = cell.Y;
  SetSelArea({std::min(cell.X, FillSource_.Left), std::min(cell.Y, FillSource_.Top),
              std::max(cell.X, FillSource_.Right), std::max(cell.Y, FillSource_.Bottom)});
  ScrollToCell(MarkCol_, MarkRow_);
}

// The drop writes, column by column from the left and each column from the
// top, the visible cells of the target as user edits; the source is counted
// in visible columns, so that hidden columns in it neither stretch the
// pattern's period nor move it past the target's columns. A source without
// a visible column or without rows, or one that no longer holds the current
// cell, writes nothing. FillSource is cleared on every way out, and the
// painting lock given back with one invalidation.
void TTextGrid::FillDrop() {
  if (ReadOnly_ || !FillSourceHoldsCurrentCell()) {
    CancelFillDrag();
    return;
  }
  struct TDropEnd {
    TTextGrid& Grid;
    ~TDropEnd() {
      Grid.FillSource_ = {-1, -1, -1, -1};
      Grid.FillColumns_.clear();
    }
  } end{*this};
  TBulkWrite bulk(*this);
  const std::vector<std::int32_t> target = VisibleColumnsIn(SelArea_.Left, SelArea_.Right);
  FillColumns_ = VisibleColumnsIn(FillSource_.Left, FillSource_.Right);
  if (FillColumns_.empty() || FillSource_.Top < 0 || FillSource_.Bottom < FillSource_.Top) return;
  const auto first = std::find(target.begin(), target.end(), FillColumns_.front());
  FillSourcePos_ = first == target.end() ? 0 : static_cast<std::int32_t>(first - target.begin());
  const tv::TRect rows = SelArea_;
  for (std::size_t p = 0; p < target.size(); ++p) {
    for (std::int32_t r = rows.Top; r <= rows.Bottom; ++r) {
      StoreCellText(target[p], r, FillSourceText(static_cast<std::int32_t>(p), r), true);
    }
  }
  TypedText_.clear();
}

void TTextGrid::CancelFillDrag() {
  if (FillSource_.Left == -1) return;
  FillSource_ = {-1, -1, -1, -1};
  InvalidateCells();
}

std::string TTextGrid::FillSourceText(std::int32_t Pos, std::int32_t Row) const {
  const std::int64_t height = std::int64_t{FillSource_.Bottom} - FillSource_.Top + 1;
  if (FillColumns_.empty() || FillSource_.Top < 0 || height <= 0) return std::string();
  const std::int64_t width = static_cast<std::int64_t>(FillColumns_.size());
  const auto q = static_cast<std::size_t>(Remainder(std::int64_t{Pos} - FillSourcePos_, width));
  const auto s = static_cast<std::int32_t>(FillSource_.Top + Remainder(std::int64_t{Row} - FillSource_.Top, height));
  return CellTextOrEmpty(FillColumns_[q], s);
}
